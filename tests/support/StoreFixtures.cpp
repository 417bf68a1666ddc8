#include "support/StoreFixtures.h"

#include <gtest/gtest.h>

namespace testing_support {

int addSub(store::AppState& state, int master, std::string content)
{
    store::Record& record = state.Records.emplace_back();
    record.Id = static_cast<std::int16_t>(store::upperBound(state.Records));
    record.Parent = static_cast<std::int16_t>(master);
    record.Content = std::move(content);
    return record.Id;
}

int addMaster(store::AppState& state, std::string status, std::string content)
{
    const int id = addSub(state, 0, std::move(content));
    state.Records[id].Status = store::paddedStatus(status);
    return id;
}

store::StoreError storeErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const store::StoreError& error) {
        return error;
    }
    ADD_FAILURE() << "no error was raised";
    return store::StoreError(store::ErrorKind::InvalidArgument, "(none)");
}

std::vector<std::string> openFile(store::AppState& state, const std::filesystem::path& path, bool encrypted,
              const std::string& password)
{
    state.DataFilePath = path;
    state.FileEncrypted = encrypted;
    state.FilePassword = password;
    RecordingReporter reporter;
    store::LoadDataFile(state, path, reporter);
    return reporter.messages;
}

} // namespace testing_support
