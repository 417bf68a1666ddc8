#pragma once

#include "store/AppState.h"
#include "store/DataFile.h"
#include "store/StoreError.h"

#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// A line whose enciphered form with the password "secret" is published (a file of
// an existing installation; its status columns hold "01Open    "), and that form.
inline const std::string kPublishedLine = "00001000000101Open      Garden\xAC" "first line";
inline const std::string kPublishedCodes =
    "219,190,080,153,142,043,237,055,091,059,069,114,215,112,093,129,238,231,252,202,253,"
    "001,142,207,239,025,180,235,043,091,108,044,055,009,182,130,073,000,105,012,119";

// Appends a master record to the store and returns its index.
int addMaster(store::AppState& state, std::string status, std::string content);

// Appends a sub record of `master` and returns its index.
int addSub(store::AppState& state, int master, std::string content);

// Parent, status in brackets and text of a record, as one line to compare.
inline std::string fields(const store::Record& record)
{
    return std::to_string(record.Parent) + " [" + record.Status + "] " + record.Content;
}

// A reporter that remembers what the load error path told it.
class RecordingReporter : public store::LoadReporter {
public:
    void loadFailed(const std::string& message, const std::string&) override { messages.push_back(message); }
    void loadedCutShort(const std::string& message) override { warnings.push_back(message); }
    std::vector<std::string> messages, warnings;
};

// The StoreError `action` raises; a test failure when it raises none.
store::StoreError storeErrorOf(const std::function<void()>& action);

// Opens `path` into a fresh state the way the start window does; returns what the
// load told the user when it failed.
std::vector<std::string> openFile(store::AppState& state, const std::filesystem::path& path, bool encrypted = false,
              const std::string& password = "");

} // namespace testing_support
