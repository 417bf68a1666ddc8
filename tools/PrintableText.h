#pragma once

#include <string>
#include <string_view>

namespace tools {

// What the tool prints is always UTF-8 a terminal can show: valid UTF-8 passes
// unchanged, a byte that is not part of valid UTF-8 and every control character
// but the line feed and the tab are written as \xNN.
std::string printableUtf8(std::string_view text);

} // namespace tools
