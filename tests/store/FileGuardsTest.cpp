// What the store does with files that are not what they seem, with a data file
// changed behind the program's back, and with a data file another instance holds.

#include "store/DataFile.h"
#include "store/DataFileLock.h"
#include "store/DiskStamp.h"
#include "store/SafeFile.h"
#include "store/Settings.h"
#include "store/StoreError.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace store;
using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::string kGarden = "000010000001Open      Garden\xAC" "weeds\r\n";

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

TEST(HostileFiles, OnlyARegularFileWithinTheLimitIsReadAndNothingOnDiskChanges)
{
    TempFolder folder;
    fs::create_directory(folder.file("folder.bcn"));
    ASSERT_EQ(::mkfifo(folder.file("pipe.bcn").c_str(), 0600), 0); // reading it would wait for ever
    fs::create_symlink("/dev/zero", folder.file("zero.bcn"));      // reading it would never end
    fs::resize_file(folder.write("huge.bcn", ""), 300u << 20);      // sparse: nothing is written
    const auto before = names(folder.path());
    const std::string notOrdinary = "it is not an ordinary file (it is a pipe, a device or a socket), so it was not read";
    const std::pair<const char*, std::string> cases[] = {
        {"folder.bcn", "it is a folder, not a file"},
        {"pipe.bcn", notOrdinary},
        {"zero.bcn", notOrdinary},
        {"huge.bcn", "it holds 300 MB, more than the file can hold (at most 256 MB), so it was not read"},
        {"gone.bcn", "no such file or directory"},
    };
    for (const auto& [name, cause] : cases) {
        AppState state;
        state.DataFilePath = folder.file(name);
        RecordingReporter reporter;
        EXPECT_FALSE(LoadDataFile(state, state.DataFilePath, reporter)) << name;
        ASSERT_EQ(reporter.messages.size(), 1u) << name;
        EXPECT_EQ(reporter.messages[0], "Could not read the file '" + state.DataFilePath.string() + "': " + cause + ".");
        EXPECT_FALSE(state.OnDisk.known);
    }
    // The settings file is six short lines: a larger one keeps what the settings held.
    Settings settings;
    fs::resize_file(folder.write("settings.txt", " 12 \r\n"), 65537);
    EXPECT_FALSE(readMainSettings(folder.file("settings.txt"), settings));
    EXPECT_EQ(settings.Left, 0);
    fs::remove(folder.file("settings.txt"));
    EXPECT_EQ(names(folder.path()), before);
    // A file that says it is empty and is not (as the system's own files do) is read
    // only up to the limit.
    try {
        readWholeFile("/proc/self/status", 64);
        ADD_FAILURE() << "read past its limit";
    } catch (const StoreError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Could not read the file '/proc/self/status': it grew past 64 bytes while it was read, more than the "
                  "file can hold.");
    }
}

TEST(DiskStampTest, TheHashIsTheSameHoweverTheBytesArriveAndTellsContentsApart)
{
    auto hashOf = [](std::string_view bytes, std::size_t piece) {
        ContentHash hash;
        for (std::size_t at = 0; at < bytes.size(); at += piece)
            hash.update(bytes.substr(at, piece));
        return hash.value();
    };
    std::string bytes(300, 'a');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7);
    for (std::size_t piece : {1u, 7u, 8u, 31u, 32u, 33u})
        EXPECT_EQ(hashOf(bytes, piece), hashOf(bytes, 300)) << piece;
    std::string swapped = bytes;
    std::swap(swapped[0], swapped[8]);
    for (const std::string& other : {swapped, bytes + '\0', bytes.substr(1)})
        EXPECT_NE(hashOf(other, 300), hashOf(bytes, 300));
}

TEST(DiskStampTest, AChangeMadeOutsideIsSeenAndTheProgramsOwnWritesAreNot)
{
    TempFolder folder;
    AppState state;
    RecordingReporter reporter;
    state.DataFilePath = folder.write("notes.bcn", kGarden);
    ASSERT_TRUE(LoadDataFile(state, state.DataFilePath, reporter));
    EXPECT_EQ(compareWithDisk(state.DataFilePath, state.OnDisk), DiskChange::Unchanged);
    state.Records[1].Content = "Garden and more";
    SaveDataFile(state);
    EXPECT_EQ(compareWithDisk(state.DataFilePath, state.OnDisk), DiskChange::Unchanged);

    // Another program writes a second later (a write in the same clock tick as the
    // program's own, with the same size, would look unchanged: the price of one stat).
    const auto later = fs::last_write_time(state.DataFilePath) + std::chrono::seconds(1);
    std::string edited = readFile(state.DataFilePath);
    for (bool sameBytes : {true, false}) {
        edited[22] = sameBytes ? 'G' : 'g';
        folder.write("notes.bcn", edited);
        fs::last_write_time(state.DataFilePath, later);
        EXPECT_EQ(compareWithDisk(state.DataFilePath, state.OnDisk), sameBytes ? DiskChange::Unchanged : DiskChange::Changed);
    }
    folder.write("notes.bcn", edited + kGarden);
    EXPECT_EQ(compareWithDisk(state.DataFilePath, state.OnDisk), DiskChange::Changed);
    fs::remove(state.DataFilePath);
    EXPECT_EQ(compareWithDisk(state.DataFilePath, state.OnDisk), DiskChange::Missing);
}

TEST(DataFileLockTest, ALiveHolderIsReportedAndAStaleOrOwnLockIsNot)
{
    TempFolder folder;
    const fs::path data = folder.write("notes.bcn", kGarden);
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

TEST(DataFileLockTest, OnlyOldUnfinishedSavesOfTheFileAreRemoved)
{
    TempFolder folder;
    const fs::path data = folder.write("notes.bcn", kGarden);
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    for (const char* name : {".notes.bcn.Ab3xQz.saving", ".other.bcn.Ab3xQz.saving", ".notes.bcn.Ab3xQzz.saving"})
        fs::last_write_time(folder.write(name, "partial"), old);
    folder.write(".notes.bcn.Cd4yRw.saving", "being written now");
    removeStaleSaves(data);
    EXPECT_EQ(names(folder.path()), (std::set<std::string>{".notes.bcn.Ab3xQzz.saving", ".notes.bcn.Cd4yRw.saving",
                                                           ".other.bcn.Ab3xQz.saving", "notes.bcn"}));
}

} // namespace
