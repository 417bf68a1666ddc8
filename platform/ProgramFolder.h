#pragma once

#include <filesystem>

namespace platform {

// The places the program folder can be: where the program is, where an installation
// keeps its shared assets, and the user's own data folder for the program.
struct ProgramFolderPlaces {
    std::filesystem::path executableFolder;
    std::filesystem::path installedAssets; // <prefix>/share/brindlecase; absent for a build or a portable copy
    std::filesystem::path userDataFolder;
};

// The folder the program reads its settings and assets from and writes its pages
// into. The executable's folder when the program can write there and it is not an
// installed copy (a build folder, a portable copy). Otherwise (an installed copy, even
// when run by a user who may write into the system's folders, or a read-only folder)
// the user's data folder, created if needed and brought up to date from the
// installed assets first. With no user data folder known (no home folder), the
// executable's folder is all there is.
std::filesystem::path chooseProgramFolder(const ProgramFolderPlaces& places);

// Copies the installed assets into `folder`, keeping the sub folders: every file the
// folder lacks, and every program asset (pictures, sounds, pointer, pages) of which
// the installation holds a newer copy. The user's own files (settings.txt, data
// files) are only ever copied when missing, and files that are not among the
// installed ones (report pages, backups) are never touched. A copy keeps the
// installed file's time, so a later installation counts as newer; it is written
// under a temporary name and renamed into place, so no half-copied file is left.
// Files that cannot be copied are left out quietly: the program does without them.
void refreshProgramAssets(const std::filesystem::path& installed, const std::filesystem::path& folder);

// The places of this process: its executable's folder, "../share/brindlecase"
// beside it, and the platform's application data location (the application name
// must be set first).
ProgramFolderPlaces programFolderPlaces();

} // namespace platform
