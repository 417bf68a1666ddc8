// A process killed (SIGKILL) at a random moment while it saves leaves the data file
// as one whole generation: the one before, or a complete new one, byte for byte.
// Settings, pages and copies go through the same writer, whole (SafeWriteTest
// shows they take that way). scripts/kill-saves runs thousands of rounds; the
// suite runs a few.

#include "store/DataFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <random>
#include <thread>
#include <sys/wait.h>
#include <unistd.h>

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

namespace {

constexpr int kRecords = 4000; // about 400 KB a save, written in several pieces

std::string recordText(int index, int generation)
{
    return "Record " + std::to_string(index) + " of generation " + std::to_string(generation) + " "
         + std::string(static_cast<std::size_t>(40 + index % 50), static_cast<char>('a' + generation % 26));
}

void save(const fs::path& file, int generation)
{
    store::AppState state;
    state.DataFilePath = file;
    for (int index = 1; index <= kRecords; ++index) {
        store::Record& record = state.Records.emplace_back();
        record.Id = static_cast<std::int16_t>(index);
        record.Status = "Open      ";
        record.Content = recordText(index, generation);
    }
    store::SaveDataFile(state);
}

// The bytes of a generation, framed here by hand.
std::string fileBytes(int generation)
{
    std::string bytes;
    char key[16];
    for (int index = 1; index <= kRecords; ++index) {
        std::snprintf(key, sizeof key, "%05d", index);
        bytes += std::string(key) + "0000001Open      " + recordText(index, generation) + "\r\n";
    }
    return bytes;
}

// A child process saves generation after generation until it is killed `after` on.
void killWhileSaving(const fs::path& file, Clock::duration after)
{
    const pid_t child = ::fork();
    if (child == 0) {
        try {
            for (int generation = 1;; ++generation)
                save(file, generation);
        } catch (...) {
        }
        ::_exit(3);
    }
    std::this_thread::sleep_for(after);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the save loop ended by itself: " << status;
}

TEST(CrashKill, ASaveKilledAtAnyMomentLeavesTheOldFileOrTheNewOneWhole)
{
    const char* asked = std::getenv("BRINDLECASE_KILL_ROUNDS");
    const int rounds = asked ? std::atoi(asked) : 60;
    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    testing_support::TempFolder folder;
    const fs::path file = folder.file("notes.bcn");
    // Kills within three times one save, timed on this machine now, cut some saves
    // and fall between others, however busy the machine is.
    const auto start = Clock::now();
    save(file, 0);
    std::uniform_int_distribution<Clock::rep> wait(0, 3 * (Clock::now() - start).count());
    const std::string marker = "Record 1 of generation ";
    int newest = 0;
    for (int round = 0; round < rounds && !::testing::Test::HasFailure(); ++round) {
        killWhileSaving(file, Clock::duration(wait(random)));
        const std::string bytes = testing_support::readFile(file);
        const std::size_t at = bytes.find(marker);
        const int generation = at == std::string::npos ? -1 : std::atoi(bytes.c_str() + at + marker.size());
        EXPECT_EQ(bytes, fileBytes(generation)) << "not one whole generation";
        newest = std::max(newest, generation);
    }
    EXPECT_GT(newest, 0) << "no save finished before a kill: nothing was tested";
}

} // namespace
