#pragma once

#include "store/Record.h"
#include "store/Settings.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace store {

class SafeFileWriter;
class LineCipher;

// The state that every window shares about the open file, the selection and the
// settings. One instance is made by main() (or by a test) and handed to every window
// by reference; nothing here is global.
struct AppState {
    AppState();
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    store::Records Records;
    std::filesystem::path DataFilePath;
    bool FileEncrypted = false;
    std::string FilePassword;      // Windows-1252 bytes, as typed
    bool PasswordAccepted = false;
    bool LoadFailed = false;

    std::int16_t CurrentMaster = -1;
    std::int16_t CurrentSub = -1;
    std::int16_t CurrentLinkKind = 0;

    store::Settings Settings;

    // The folder of the program: settings, pages, sounds and pictures live there.
    std::filesystem::path ProgramFolder;

    // Open only between OpenOutput and CloseOutput.
    std::unique_ptr<SafeFileWriter> OutStream;
    std::unique_ptr<LineCipher> OutCipher;
};

} // namespace store
