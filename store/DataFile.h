#pragma once

#include "store/AppState.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace store {

// Told when a load ends in the load error path. The main window shows the message
// and returns to the start window; the command-line tool prints it.
class LoadReporter {
public:
    virtual ~LoadReporter() = default;
    // `message` is the one the user sees; `cause` says what went wrong, for logs.
    virtual void loadFailed(const std::string& message, const std::string& cause) = 0;
    // The file loaded, but its last line has no line end: it was most likely cut
    // short. `message` says so in words the user sees.
    virtual void loadedCutShort(const std::string& message) = 0;
};

// "File load error. The file '<path>' has reported errors."
std::string loadErrorMessage(const std::filesystem::path& dataFilePath);

// The warning for a file whose last line has no line end.
std::string cutShortMessage(const std::filesystem::path& dataFilePath);

// Reads the whole file into state.Records. On any error the reporter is told,
// state.LoadFailed becomes true and Records keeps what was read before the error;
// otherwise LoadFailed becomes false, and a file whose last line has no line end is
// reported as cut short (it still loads). Returns !LoadFailed. The window-side load then
// refills the status box and resets the search box.
bool LoadDataFile(AppState& state, const std::filesystem::path& path, LoadReporter& reporter);

// Deciphers one stored line when the file is enciphered (testing the password on
// the first line of a load) and stores it into state.Records. Throws StoreError.
void DecodeLine(AppState& state, std::string_view line);

// The writer routines: OpenOutput starts a safe replacement of DataFilePath,
// WriteOutLine writes one line (enciphered and scrambled when the file is, and the
// argument is replaced by what was written), CloseOutput completes the replacement.
// AbortOutput drops an unfinished replacement, leaving the file as it was.
void OpenOutput(AppState& state);
void WriteOutLine(AppState& state, std::string& line);
void CloseOutput(AppState& state);
void AbortOutput(AppState& state);

// Writes the whole store to DataFilePath. On failure the file on disk and Records
// are unchanged and a StoreError (File) names the file and the cause.
void SaveDataFile(AppState& state);

// Writes the whole store like SaveDataFile, leaving out every link line equal to
// `removalLine` (record lines are never compared): how a link is deleted.
void SaveDataFileWithout(AppState& state, std::string_view removalLine);

// Writes the file without the selected record (CurrentSub when set, else
// CurrentMaster) and its sub records, renumbered, and reads it back. Does nothing
// when no record is selected. On a failed write the file and Records are unchanged.
void DeleteAndReload(AppState& state);

// Copies the open file to `target`, overwriting it.
void CopyDataFile(const AppState& state, const std::filesystem::path& target);

// The plain lines of one record as the file holds them, in order, with the given
// Id and Parent; the writer routines and the link rewrite both build on this.
template <typename LineSink>
void forEachRecordLine(const Record& record, int id, int parent, LineSink&& sink);

// "00012" for 12: the five-digit form of indices in data file lines.
void appendFiveDigits(std::string& out, int value);

} // namespace store

#include "store/DataFileLines.inl"
