#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace platform {
namespace {

bool canWriteIn(const fs::path& folder)
{
    std::error_code error;
    return fs::is_directory(folder, error) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// Files the user changes: an installation only supplies a first copy.
bool isUsersOwn(const fs::path& relative)
{
    const std::string extension = lowerCase(relative.extension().string());
    return relative == "settings.txt" || extension == ".bcn" || extension == ".bcy";
}

bool needsCopy(const fs::path& relative, const fs::path& source, const fs::path& target)
{
    std::error_code error;
    const fs::file_status status = fs::symlink_status(target, error);
    if (!fs::exists(status))
        return true;
    if (isUsersOwn(relative) || !fs::is_regular_file(status))
        return false;
    const auto installedTime = fs::last_write_time(source, error);
    if (error)
        return false;
    const auto copiedTime = fs::last_write_time(target, error);
    return !error && installedTime > copiedTime;
}

void copyKeepingTime(const fs::path& source, const fs::path& target)
{
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    fs::path partial = target;
    partial += ".part";
    if (!fs::copy_file(source, partial, fs::copy_options::overwrite_existing, error)) {
        fs::remove(partial, error);
        return;
    }
    const auto installedTime = fs::last_write_time(source, error);
    if (!error)
        fs::last_write_time(partial, installedTime, error);
    fs::rename(partial, target, error);
    if (error)
        fs::remove(partial, error);
}

} // namespace

void refreshProgramAssets(const fs::path& installed, const fs::path& folder)
{
    std::error_code error;
    for (fs::recursive_directory_iterator entry(installed, error), end; !error && entry != end; entry.increment(error)) {
        std::error_code kindError;
        if (!entry->is_regular_file(kindError))
            continue;
        const fs::path relative = entry->path().lexically_relative(installed);
        const fs::path target = folder / relative;
        if (needsCopy(relative, entry->path(), target))
            copyKeepingTime(entry->path(), target);
    }
}

fs::path chooseProgramFolder(const ProgramFolderPlaces& places)
{
    std::error_code error;
    const bool installedCopy = fs::is_directory(places.installedAssets, error);
    if ((!installedCopy && canWriteIn(places.executableFolder)) || places.userDataFolder.empty())
        return places.executableFolder; // without a home folder there is nowhere else
    fs::create_directories(places.userDataFolder, error);
    if (installedCopy)
        refreshProgramAssets(places.installedAssets, places.userDataFolder);
    return places.userDataFolder;
}

ProgramFolderPlaces programFolderPlaces()
{
    const fs::path executableFolder = QCoreApplication::applicationDirPath().toStdString();
    return {executableFolder, (executableFolder.parent_path() / "share" / "brindlecase").lexically_normal(),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString()};
}

} // namespace platform
