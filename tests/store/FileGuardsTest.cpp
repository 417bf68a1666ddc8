// What the store does with files that are not what they seem, with a data file
// changed behind the program's back, and with a data file another instance holds.

#include "store/DataFile.h"
#include "store/DataFileLock.h"
#include "store/DiskStamp.h"
#include "store/SafeFile.h"
#include "store/Settings.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace store;
using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::string kGarden = "000010000001Open      Garden\xAC" "weeds\r\n";

// Every entry of a folder with its size, to show that nothing on disk changed.
std::map<std::string, std::uintmax_t> listing(const fs::path& folder)
{
    std::map<std::string, std::uintmax_t> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::error_code noSize;
        const auto size = entry.is_regular_file(noSize) ? entry.file_size(noSize) : 0;
        entries[entry.path().filename().string()] = size;
    }
    return entries;
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
    const auto before = listing(folder.path());

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
        EXPECT_EQ(upperBound(state.Records), 0);
        EXPECT_FALSE(state.OnDisk.known);
    }

    // The settings file is six short lines: a pipe or an oversized file keeps what
    // the settings held.
    Settings settings;
    settings.ColourScheme = 4;
    fs::resize_file(folder.write("settings.txt", " 1 \r\n"), 65537);
    EXPECT_FALSE(readMainSettings(folder.file("settings.txt"), settings));
    EXPECT_FALSE(readStartSettings(folder.file("pipe.bcn"), settings));
    EXPECT_EQ(settings.ColourScheme, 4);
    EXPECT_EQ(settings.Left, 0);
    fs::remove(folder.file("settings.txt"));
    EXPECT_EQ(listing(folder.path()), before);
}

TEST(HostileFiles, OddButReadableFilesLoadAndSaveBackAsTheyWere)
{
    TempFolder folder;
    AppState state;
    RecordingReporter reporter;
    const std::string longLine = "000010000001Open      " + std::string(1000000, 'x');
    const std::string withNul = std::string("000010000001Open      A\0B", 25) + "\r\n";
    for (const std::string& bytes : {longLine + "\r\n", withNul}) {
        state.DataFilePath = folder.write("odd.bcn", bytes);
        ASSERT_TRUE(LoadDataFile(state, state.DataFilePath, reporter));
        ASSERT_EQ(upperBound(state.Records), 1);
        SaveDataFile(state);
        EXPECT_EQ(readFile(state.DataFilePath), bytes);
    }
    state.DataFilePath = folder.write("ends.bcn", std::string(5000, '\n') + "\r\r\n");
    EXPECT_TRUE(LoadDataFile(state, state.DataFilePath, reporter));
    EXPECT_EQ(upperBound(state.Records), 0);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(DiskStampTest, TheHashIsTheSameHoweverTheBytesArriveAndTellsContentsApart)
{
    std::string bytes;
    for (int i = 0; i < 300; ++i)
        bytes += static_cast<char>(i * 7);
    ContentHash whole;
    whole.update(bytes);
    for (std::size_t piece : {1u, 3u, 7u, 8u, 9u, 31u, 32u, 33u, 64u}) {
        ContentHash split;
        for (std::size_t at = 0; at < bytes.size(); at += piece)
            split.update(std::string_view(bytes).substr(at, piece));
        EXPECT_EQ(split.value(), whole.value()) << piece;
    }
    auto hashOf = [](std::string_view text) {
        ContentHash hash;
        hash.update(text);
        return hash.value();
    };
    std::string oneByteOff = bytes;
    oneByteOff[150] ^= 1;
    std::string swapped = bytes;
    std::swap(swapped[0], swapped[8]);
    for (const std::string& other : {oneByteOff, swapped, bytes + '\0', bytes.substr(1)})
        EXPECT_NE(hashOf(other), whole.value());
    EXPECT_NE(hashOf(""), hashOf(std::string(1, '\0')));
}

TEST(DiskStampTest, AChangeMadeOutsideIsSeenAndTheProgramsOwnWritesAreNot)
{
    TempFolder folder;
    AppState state;
    RecordingReporter reporter;
    EXPECT_EQ(compareWithDisk(folder.file("none.bcn"), state.OnDisk), DiskChange::Unchanged); // nothing loaded yet
    state.DataFilePath = folder.write("notes.bcn", kGarden);
    ASSERT_TRUE(LoadDataFile(state, state.DataFilePath, reporter));
    EXPECT_EQ(compareWithDisk(state.DataFilePath, state.OnDisk), DiskChange::Unchanged);

    state.Records[1].Content = "Garden and more";
    SaveDataFile(state);
    EXPECT_EQ(compareWithDisk(state.DataFilePath, state.OnDisk), DiskChange::Unchanged);
    const DiskStamp saved = state.OnDisk;

    // Another program writes a second later (a write in the same clock tick as the
    // program's own, with the same size, would look unchanged: the price of one stat).
    const auto later = fs::last_write_time(state.DataFilePath) + std::chrono::seconds(1);
    folder.write("notes.bcn", readFile(state.DataFilePath)); // the same bytes again: no change
    fs::last_write_time(state.DataFilePath, later);
    EXPECT_EQ(compareWithDisk(state.DataFilePath, saved), DiskChange::Unchanged);
    std::string edited = readFile(state.DataFilePath);
    edited[23] = 'g'; // same size, other content
    folder.write("notes.bcn", edited);
    fs::last_write_time(state.DataFilePath, later);
    EXPECT_EQ(compareWithDisk(state.DataFilePath, saved), DiskChange::Changed);
    folder.write("notes.bcn", edited + "000020000001Open      Shed\r\n");
    EXPECT_EQ(compareWithDisk(state.DataFilePath, saved), DiskChange::Changed);
    fs::remove(state.DataFilePath);
    EXPECT_EQ(compareWithDisk(state.DataFilePath, saved), DiskChange::Missing);
}

TEST(DataFileLockTest, ALiveHolderIsReportedAndAStaleOrOwnLockIsNot)
{
    TempFolder folder;
    const fs::path data = folder.write("notes.bcn", kGarden);
    const fs::path lock = folder.file(".notes.bcn.lock");
    EXPECT_EQ(lockPath(data), lock);
    EXPECT_FALSE(otherHolder(data));
    {
        DataFileLock mine(data);
        EXPECT_EQ(readFile(lock), std::to_string(::getpid()) + " " + thisHostName() + "\n");
        EXPECT_FALSE(otherHolder(data)); // this process's own lock
    }
    EXPECT_FALSE(fs::exists(lock));

    folder.write(".notes.bcn.lock", "1 " + thisHostName() + "\n"); // process 1 always runs
    auto holder = otherHolder(data);
    ASSERT_TRUE(holder);
    EXPECT_EQ(holder->pid, 1);
    EXPECT_EQ(holderInWords(*holder), "another Brindlecase (process 1 on this computer)");

    folder.write(".notes.bcn.lock", "12345 elsewhere\n"); // cannot be checked from here
    holder = otherHolder(data);
    ASSERT_TRUE(holder);
    EXPECT_EQ(holderInWords(*holder), "another Brindlecase (process 12345 on the computer 'elsewhere')");

    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    folder.write(".notes.bcn.lock", std::to_string(ended) + " " + thisHostName() + "\n");
    EXPECT_FALSE(otherHolder(data));
    EXPECT_FALSE(fs::exists(lock)); // the stale lock is cleared

    for (const char* damaged : {"", "x y\n", "12\n", " 12 host\n", "0 host\n"}) {
        folder.write(".notes.bcn.lock", damaged);
        EXPECT_FALSE(otherHolder(data)) << damaged;
    }

    // A lock taken over by another instance is not removed when this one closes.
    {
        DataFileLock mine(data);
        folder.write(".notes.bcn.lock", "1 " + thisHostName() + "\n");
    }
    EXPECT_TRUE(fs::exists(lock));
}

TEST(DataFileLockTest, OnlyOldUnfinishedSavesOfTheFileAreRemoved)
{
    TempFolder folder;
    const fs::path data = folder.write("notes.bcn", kGarden);
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    for (const char* name : {".notes.bcn.Ab3xQz.saving", ".notes.bcn.Ab3xQz.savin", ".other.bcn.Ab3xQz.saving",
                             ".notes.bcn.Ab3xQzz.saving", "notes.bcn.Ab3xQz.saving"})
        fs::last_write_time(folder.write(name, "partial"), old);
    folder.write(".notes.bcn.Cd4yRw.saving", "being written now");
    removeStaleSaves(data);
    std::vector<std::string> left;
    for (const auto& [name, size] : listing(folder.path()))
        left.push_back(name);
    EXPECT_EQ(left, (std::vector<std::string>{".notes.bcn.Ab3xQz.savin", ".notes.bcn.Ab3xQzz.saving",
                                              ".notes.bcn.Cd4yRw.saving", ".other.bcn.Ab3xQz.saving", "notes.bcn",
                                              "notes.bcn.Ab3xQz.saving"}));
}

} // namespace
