#pragma once

#include "store/AppState.h"

#include <string>

namespace tools {

// The whole store as JSON (UTF-8): the file, whether it is enciphered, and every
// record with its index, parent, status, name, note lines and its four link lists
// as description / target pairs.
std::string exportJson(const store::AppState& state);

} // namespace tools
