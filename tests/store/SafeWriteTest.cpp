#include "store/DataFile.h"
#include "store/SafeFile.h"
#include "store/Settings.h"
#include "store/StoreError.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace store;
using namespace testing_support;
using ::testing::AllOf;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

// Lets the process write at most `bytes` bytes into any one file, the way a disk
// that fills up refuses the rest; the old limit comes back at the end of the scope.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) : handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit limited{bytes, previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, handler);
    }
    void (*handler)(int);
    rlimit previous{};
};

class SafeWriteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        state.DataFilePath = folder.file("work.bcn");
        // Big enough to take several buffer flushes on its way to the disk.
        for (int i = 0; i < 3000; ++i) {
            const int master = addMaster(state, "Open", "Master " + std::to_string(i) + "\xAC" + std::string(400, 'n'));
            addSub(state, master, "Sub\xAC" + std::string(500, 's'));
        }
        SaveDataFile(state);
        original = readFile(state.DataFilePath);
        ASSERT_GT(original.size(), 2u << 20);
    }

    // The message of a save that must fail.
    std::string failedSave()
    {
        try {
            SaveDataFile(state);
        } catch (const StoreError& error) {
            EXPECT_EQ(error.kind(), ErrorKind::File);
            return error.what();
        }
        ADD_FAILURE() << "the save went through";
        return {};
    }

    // The old file as it was, and nothing beside it.
    void expectOriginalAlone()
    {
        EXPECT_EQ(readFile(folder.file("work.bcn")), original);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
    }

    TempFolder folder;
    AppState state;
    std::string original;
};

TEST_F(SafeWriteTest, ASaveOrDeleteThatFailsPartWayLeavesTheOldFileAndTheStore)
{
    state.Records[1].Content = "Changed\xAC";
    {
        FileSizeLimit limit(3 << 19); // fails after the first 1.5 MiB reach the disk
        EXPECT_THAT(failedSave(), AllOf(HasSubstr(state.DataFilePath.string()), HasSubstr("too large")));
    }
    expectOriginalAlone();
    EXPECT_EQ(upperBound(state.Records), 6000);
    EXPECT_EQ(state.Records[1].Content, "Changed\xAC");
    EXPECT_FALSE(state.OutStream);
    // A delete fails the same way and deletes nothing.
    state.CurrentMaster = 1;
    {
        FileSizeLimit limit(1 << 16);
        EXPECT_THROW(DeleteAndReload(state), StoreError);
    }
    expectOriginalAlone();
    EXPECT_EQ(state.Records[2].Parent, 1);
    // Once the cause is gone the same save goes through.
    SaveDataFile(state);
    EXPECT_THAT(readFile(state.DataFilePath), HasSubstr("Changed\xAC"));
}

TEST_F(SafeWriteTest, AReplacedFileKeepsItsModeAndAReadOnlyFileOrVanishedFolderIsRefused)
{
    for (const auto mode : {fs::perms(0644), fs::perms(0640)}) {
        fs::permissions(state.DataFilePath, mode);
        SaveDataFile(state);
        EXPECT_EQ(fs::status(state.DataFilePath).permissions(), mode);
    }
    fs::permissions(state.DataFilePath, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(failedSave(), "Could not save the file '" + state.DataFilePath.string() + "': the file is read-only.");
    fs::permissions(state.DataFilePath, fs::perms(0644));
    state.DataFilePath = folder.file("gone") / "work.bcn";
    EXPECT_EQ(failedSave(), "Could not save the file '" + state.DataFilePath.string() + "': no such file or directory.");
    expectOriginalAlone();
}

TEST_F(SafeWriteTest, SettingsAndCopiesAreWrittenTheSameSafeWay)
{
    const fs::path settings = folder.write("settings.txt", "old settings\r\n");
    {
        FileSizeLimit limit(4);
        EXPECT_THROW(writeSettings(settings, Settings{}), StoreError);
        EXPECT_THROW(CopyDataFile(state, folder.file("BackUp_work.bcn")), StoreError);
    }
    EXPECT_EQ(readFile(settings), "old settings\r\n");
    EXPECT_FALSE(fs::exists(folder.file("BackUp_work.bcn")));
}

} // namespace
