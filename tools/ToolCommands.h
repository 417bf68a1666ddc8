#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace store {
struct AppState;
}

namespace tools {

// Exit codes of brindlecase-tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 1;  // a file could not be loaded, saved or converted
inline constexpr int kExitUsage = 2;

// Runs one command line (without the program name); output goes to `out`, messages
// to `err`, both UTF-8.
int runTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Opens `file` into `state` as every command does ("bcy" at the end: enciphered,
// with `password`); false, with the load error message on `err`, when it fails.
bool loadToolFile(store::AppState& state, const std::string& file, const std::optional<std::string>& password,
                  std::ostream& err);

} // namespace tools
