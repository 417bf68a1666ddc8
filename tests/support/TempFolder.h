#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace testing_support {

// A fresh folder under the system's temporary folder, removed with its contents.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path file(std::string_view name) const { return path_ / name; }

    // Writes bytes to a file in the folder and returns its path.
    std::filesystem::path write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& path);

// Joins lines with CR LF after each, as the data files hold them.
std::string crlfLines(std::initializer_list<std::string_view> lines);

} // namespace testing_support
