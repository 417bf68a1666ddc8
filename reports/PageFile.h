#pragma once

#include <filesystem>
#include <string_view>

namespace reports {

// Writes a page whole as `folder`/`fileName` (a file name of this system, UTF-8):
// through a temporary file in the same folder that replaces the old page only once
// complete, so the old page or the new one is there, never half of either. Returns
// the page's path. Throws store::StoreError (File) naming the file and the cause.
std::filesystem::path writePage(const std::filesystem::path& folder, std::string_view fileName, std::string_view bytes);

} // namespace reports
