// What the store does with files that are not what they seem, with a data file
// changed behind the program's back, and with a data file another instance holds.

#include "store/DataFileLock.h"
#include "store/DiskStamp.h"
#include "store/SafeFile.h"
#include "store/Settings.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>

#include <csignal>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace store;
using namespace testing_support;
using ::testing::AllOf;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

std::set<std::string> names(const fs::path& folder)
{
    std::set<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder))
        found.insert(entry.path().filename().string());
    return found;
}

std::string thisHostName()
{
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    return name;
}

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

// A saved data file big enough to take several buffer flushes on its way to the disk.
class FileGuardsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        state.DataFilePath = folder.file("notes.bcn");
        for (int i = 0; i < 3000; ++i)
            addSub(state, addMaster(state, "Open", "Master " + std::to_string(i) + "\xAC" + std::string(400, 'n')),
                   "Sub\xAC" + std::string(500, 's'));
        SaveDataFile(state);
        original = readFile(state.DataFilePath);
        ASSERT_GT(original.size(), 2u << 20);
    }
    // The message of a save that must fail, after which the old file is there as it
    // was, and nothing beside it.
    std::string failedSave(const std::function<void()>& save)
    {
        const StoreError error = storeErrorOf(save);
        EXPECT_EQ(error.kind(), ErrorKind::File);
        EXPECT_EQ(readFile(folder.file("notes.bcn")), original);
        EXPECT_EQ(names(folder.path()), std::set<std::string>{"notes.bcn"});
        return error.what();
    }

    TempFolder folder;
    AppState state;
    std::string original;
};

TEST_F(FileGuardsTest, OnlyARegularFileWithinTheLimitIsReadAndNothingOnDiskChanges)
{
    fs::create_directory(folder.file("folder.bcn"));
    ASSERT_EQ(::mkfifo(folder.file("pipe.bcn").c_str(), 0600), 0); // reading it would wait for ever
    fs::create_symlink("/dev/zero", folder.file("zero.bcn"));      // reading it would never end
    fs::resize_file(folder.write("huge.bcn", ""), 300u << 20);      // sparse: nothing is written
    const auto before = names(folder.path());
    const std::string notOrdinary = "it is not an ordinary file (it is a pipe, a device or a socket), so it was not read";
    const std::pair<const char*, std::string> cases[] = {
        {"folder.bcn", "it is a folder, not a file"}, {"pipe.bcn", notOrdinary}, {"zero.bcn", notOrdinary},
        {"huge.bcn", "it holds 300 MB, more than the file can hold (at most 256 MB), so it was not read"},
        {"gone.bcn", "no such file or directory"},
    };
    for (const auto& [name, cause] : cases) {
        AppState hostile;
        EXPECT_EQ(openFile(hostile, folder.file(name)),
                  std::vector{"Could not read the file '" + folder.file(name).string() + "': " + cause + "."});
    }
    EXPECT_EQ(names(folder.path()), before);
    // A file that says it is empty and is not (as the system's own files do) is read
    // only up to the limit.
    EXPECT_EQ(std::string(storeErrorOf([] { readWholeFile("/proc/self/status", 64); }).what()),
              "Could not read the file '/proc/self/status': it grew past 64 bytes while it was read, more than the "
              "file can hold.");
}

TEST_F(FileGuardsTest, AChangeMadeOutsideIsSeenAndTheProgramsOwnWritesAreNot)
{
    const fs::path& data = state.DataFilePath;
    AppState loaded;
    openFile(loaded, data);
    EXPECT_EQ(compareWithDisk(data, loaded.OnDisk), DiskChange::Unchanged);
    state.Records[1].Content = "Garden and more";
    SaveDataFile(state);
    EXPECT_EQ(compareWithDisk(data, state.OnDisk), DiskChange::Unchanged);
    // Another program writes a second later (a write in the same clock tick as the
    // program's own, with the same size, would look unchanged: the price of one stat).
    const auto later = fs::last_write_time(data) + std::chrono::seconds(1);
    std::string edited = readFile(data);
    for (bool sameBytes : {true, false}) {
        edited[22] = sameBytes ? 'G' : 'g';
        folder.write("notes.bcn", edited);
        fs::last_write_time(data, later);
        EXPECT_EQ(compareWithDisk(data, state.OnDisk), sameBytes ? DiskChange::Unchanged : DiskChange::Changed);
    }
    folder.write("notes.bcn", edited + "x");
    EXPECT_EQ(compareWithDisk(data, state.OnDisk), DiskChange::Changed);
    fs::remove(data);
    EXPECT_EQ(compareWithDisk(data, state.OnDisk), DiskChange::Missing);
}

TEST_F(FileGuardsTest, ALiveHolderIsReportedAndAStaleOrOwnLockIsNot)
{
    const fs::path& data = state.DataFilePath;
    const fs::path lock = folder.file(".notes.bcn.lock");
    {
        DataFileLock mine(data);
        EXPECT_EQ(readFile(lock), std::to_string(::getpid()) + " " + thisHostName() + "\n");
        EXPECT_FALSE(otherHolder(data)); // this process's own lock
        folder.write(".notes.bcn.lock", "12345 elsewhere\n"); // taken over; cannot be checked from here
        const auto holder = otherHolder(data);
        ASSERT_TRUE(holder);
        EXPECT_EQ(holderInWords(*holder), "another Brindlecase (process 12345 on the computer 'elsewhere')");
    }
    EXPECT_TRUE(fs::exists(lock)); // closing leaves a lock that is no longer ours

    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    folder.write(".notes.bcn.lock", std::to_string(ended) + " " + thisHostName() + "\n");
    EXPECT_FALSE(otherHolder(data));
    EXPECT_FALSE(fs::exists(lock)); // the stale lock is cleared
    for (const char* damaged : {"x y\n", " 12 host\n"}) {
        folder.write(".notes.bcn.lock", damaged);
        EXPECT_FALSE(otherHolder(data)) << damaged;
    }
}

TEST_F(FileGuardsTest, OnlyOldUnfinishedSavesOfTheFileAreRemoved)
{
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    for (const char* name : {".notes.bcn.Ab3xQz.saving", ".other.bcn.Ab3xQz.saving", ".notes.bcn.Ab3xQzz.saving"})
        fs::last_write_time(folder.write(name, "partial"), old);
    folder.write(".notes.bcn.Cd4yRw.saving", "being written now");
    removeStaleSaves(state.DataFilePath);
    EXPECT_EQ(names(folder.path()), (std::set<std::string>{".notes.bcn.Ab3xQzz.saving", ".notes.bcn.Cd4yRw.saving",
                                                           ".other.bcn.Ab3xQz.saving", "notes.bcn"}));
}

TEST_F(FileGuardsTest, AReplacedFileKeepsItsModeAndAReadOnlyFileOrVanishedFolderIsRefused)
{
    for (const auto mode : {fs::perms(0644), fs::perms(0640)}) {
        fs::permissions(state.DataFilePath, mode);
        SaveDataFile(state);
        EXPECT_EQ(fs::status(state.DataFilePath).permissions(), mode);
    }
    fs::permissions(state.DataFilePath, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(failedSave([&] { SaveDataFile(state); }),
              "Could not save the file '" + state.DataFilePath.string() + "': the file is read-only.");
    fs::permissions(state.DataFilePath, fs::perms(0644));
    state.DataFilePath = folder.file("gone") / "notes.bcn";
    EXPECT_EQ(failedSave([&] { SaveDataFile(state); }),
              "Could not save the file '" + state.DataFilePath.string() + "': no such file or directory.");
    // A disk that fills up part way (after 1.5 MiB, several writes in) stops a save, a
    // delete and a copy, a full one the settings: the old file stays, and the store
    // keeps its change and its records.
    state.DataFilePath = folder.file("notes.bcn");
    state.Records[1].Content = "Changed\xAC";
    {
        const FileSizeLimit limit(3 << 19);
        EXPECT_THAT(failedSave([&] { SaveDataFile(state); }), AllOf(HasSubstr(state.DataFilePath.string()), HasSubstr("too large")));
        state.CurrentMaster = 1;
        failedSave([&] { DeleteAndReload(state); });
        EXPECT_EQ(fields(state.Records[1]) + "|" + fields(state.Records[2]),
                  "0 [Open      ] Changed\xAC|1 [] Sub\xAC" + std::string(500, 's'));
        failedSave([&] { CopyDataFile(state, folder.file("BackUp_notes.bcn")); });
    }
    const FileSizeLimit full(4);
    failedSave([&] { writeSettings(folder.file("notes.bcn"), Settings{}); });
}

} // namespace
