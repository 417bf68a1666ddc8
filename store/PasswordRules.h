#pragma once

#include <string>
#include <string_view>

namespace store {

// A data file's password is kept and enciphered as Windows-1252 bytes, so a
// character that code page cannot hold would turn into "?" and match any other
// such character. A new password (one that is being set) is therefore refused
// when it holds one; opening keeps the plain conversion, so files whose password
// was set that way still open.

// The message refusing the UTF-8 `password`, naming its characters that cannot be
// used and the ones that can; "" when the password can be used.
std::string newPasswordProblem(std::string_view password);

} // namespace store
