#pragma once

#include "store/DiskStamp.h"
#include "store/Record.h"
#include "store/Settings.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace store {

class DataFileLock;
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

    // What the data file on disk was after the last load or write, to notice a
    // change made outside the program before a save would overwrite it.
    DiskStamp OnDisk;
    // Opened read-only (another instance has it open): nothing is written.
    bool ReadOnly = false;

    std::int16_t CurrentMaster = -1;
    std::int16_t CurrentSub = -1;
    std::int16_t CurrentLinkKind = 0;

    store::Settings Settings;

    // The five shades of the colour scheme in use (0x00BBGGRR, red in the low
    // byte); all 0 (black) until a scheme is applied. Index 0 is shade 1.
    std::array<std::uint32_t, 5> Shades{};

    // The main window's opacity, 0 (invisible) to 255 (opaque).
    int TransparencyLevel = 255;

    // The e-mail group: element 0 is an empty placeholder.
    std::vector<std::string> EmailGroup{std::string()};

    // The link last clicked in the link rows, handed to the link windows.
    std::string SelectedLinkDescription;
    std::string SelectedLinkTarget;
    std::int16_t SelectedLinkIndex = 0;
    bool EditingLink = false;

    // True when the password window is to open the chosen file, false when it is
    // to encipher or decipher it.
    bool OpenAfterPassword = false;

    // The drive and folder the file picker showed last, while the program runs.
    std::string PickerLastDrive;
    std::string PickerLastFolder;

    // The folder of the program: settings, pages, sounds and pictures live there.
    std::filesystem::path ProgramFolder;

    // This instance's claim on the open data file (none when opened read-only).
    std::unique_ptr<DataFileLock> Lock;

    // Open only between OpenOutput and CloseOutput.
    std::unique_ptr<SafeFileWriter> OutStream;
    std::unique_ptr<LineCipher> OutCipher;
};

} // namespace store
