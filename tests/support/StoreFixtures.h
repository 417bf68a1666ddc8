#pragma once

#include "store/AppState.h"
#include "store/DataFile.h"

#include <string>
#include <vector>

namespace testing_support {

// Appends a master record to the store and returns its index.
int addMaster(store::AppState& state, std::string status, std::string content);

// Appends a sub record of `master` and returns its index.
int addSub(store::AppState& state, int master, std::string content);

// A reporter that remembers what the load error path told it.
class RecordingReporter : public store::LoadReporter {
public:
    void loadFailed(const std::string& message, const std::string& cause) override
    {
        messages.push_back(message);
        causes.push_back(cause);
    }
    void loadedCutShort(const std::string& message) override { warnings.push_back(message); }
    std::vector<std::string> messages;
    std::vector<std::string> causes;
    std::vector<std::string> warnings;
};

// Opens `path` into a fresh state the way the start window does.
void openFile(store::AppState& state, const std::filesystem::path& path, bool encrypted = false,
              const std::string& password = "");

} // namespace testing_support
