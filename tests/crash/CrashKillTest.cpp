// A process killed (SIGKILL) at a random moment while it saves leaves the file as
// one whole generation: the one before, or a complete new one, byte for byte, and
// it loads. scripts/kill-saves runs thousands of rounds; the suite runs a few.

#include "SaveLoop.h"

#include "store/DataFile.h"
#include "store/Settings.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <random>
#include <thread>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

int rounds()
{
    const char* asked = std::getenv("BRINDLECASE_KILL_ROUNDS");
    return asked ? std::atoi(asked) : 30;
}

// The number after `marker` in `bytes`: the generation the file claims to be.
int generationIn(const std::string& bytes, const std::string& marker)
{
    const std::size_t at = bytes.find(marker);
    return at == std::string::npos ? -1 : std::atoi(bytes.c_str() + at + marker.size());
}

// The bytes each kind of file must hold for a generation, framed here by hand.
std::string dataBytes(int generation)
{
    std::string bytes;
    char key[16];
    for (int index = 1; index <= save_loop::kRecords; ++index) {
        std::snprintf(key, sizeof key, "%05d", index);
        bytes += std::string(key) + "0000001Open      " + save_loop::recordText(index, generation) + "\r\n";
    }
    return bytes;
}

std::string settingsBytes(int generation)
{
    char text[96];
    std::snprintf(text, sizeof text, " %d \r\n %d \r\nFalse\r\nFalse\r\n 0 \r\n 0 \r\n", generation, generation * 2);
    return text;
}

std::string pageBytes(int generation)
{
    std::string page = "<html><body>\r\n";
    for (int index = 1; index <= save_loop::kRecords; ++index)
        page += "<p>" + save_loop::recordText(index, generation) + "</p>\r\n";
    return page + "</body></html>\r\n";
}

struct Kind {
    const char* mode;
    const char* file;
    std::string (*bytes)(int);
    std::string marker;
};

pid_t startSaveLoop(const Kind& kind, const fs::path& folder)
{
    const fs::path target = std::string(kind.mode) == "page" ? folder : folder / kind.file;
    const pid_t child = ::fork();
    if (child == 0) {
        ::execl(BRINDLECASE_SAVE_LOOP, "save_loop", kind.mode, target.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return child;
}

void killAndReap(pid_t child)
{
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the save loop ended by itself: " << status;
}

std::uint64_t inodeOf(const fs::path& file)
{
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? info.st_ino : 0;
}

// How long the loop takes, on this machine now, from its start to its first
// finished save (a new file takes the old one's place): the kills fall within
// three times that, so some cut a save, some fall between saves, and some come
// before the first save is done, however busy the machine is.
std::chrono::microseconds firstSaveTime(const Kind& kind, const fs::path& folder)
{
    const std::uint64_t before = inodeOf(folder / kind.file);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = startSaveLoop(kind, folder);
    while (inodeOf(folder / kind.file) == before && std::chrono::steady_clock::now() - start < std::chrono::seconds(30))
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    const auto taken = std::chrono::steady_clock::now() - start;
    killAndReap(child);
    return std::chrono::duration_cast<std::chrono::microseconds>(taken);
}

// Starts the loop, kills it after a random wait, and returns the generation the
// file holds (checked byte for byte).
int killOneSave(const Kind& kind, const fs::path& folder, std::chrono::microseconds longestWait, std::mt19937& random)
{
    const pid_t child = startSaveLoop(kind, folder);
    std::uniform_int_distribution<long> wait(0, longestWait.count());
    std::this_thread::sleep_for(std::chrono::microseconds(wait(random)));
    killAndReap(child);
    const std::string bytes = readFile(folder / kind.file);
    const int generation = generationIn(bytes, kind.marker);
    EXPECT_EQ(bytes, kind.bytes(generation)) << kind.file << " is not one whole generation";
    return generation;
}

TEST(CrashKill, ASaveKilledAtAnyMomentLeavesTheOldFileOrTheNewOneWhole)
{
    const Kind kinds[] = {
        {"data", "notes.bcn", dataBytes, "Record 1 of generation "},
        {"settings", "settings.txt", settingsBytes, " "},
        {"page", "report.htm", pageBytes, "<p>Record 1 of generation "},
    };
    const unsigned seed = std::random_device()();
    std::mt19937 random(seed);
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(std::string(kind.mode) + ", seed " + std::to_string(seed));
        TempFolder folder;
        folder.write(kind.file, kind.bytes(0));
        const auto longestWait = 3 * firstSaveTime(kind, folder.path());
        folder.write(kind.file, kind.bytes(0));
        int newest = 0;
        for (int round = 0; round < rounds() && !::testing::Test::HasFailure(); ++round)
            newest = std::max(newest, killOneSave(kind, folder.path(), longestWait, random));
        EXPECT_GT(newest, 0) << "no save finished before a kill: the waits are too short to test anything";
        // Each kill in the middle of a save leaves its temporary file behind (the next
        // opening of a data file clears old ones): the rounds that really cut a save.
        int cut = 0;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            cut += entry.path().extension() == ".saving" ? 1 : 0;
        std::cout << kind.mode << ": " << rounds() << " kills within " << longestWait.count() << " us, " << cut
                  << " in the middle of a save, newest generation " << newest << ", every file whole\n";
        if (std::string(kind.mode) == "data") {
            store::AppState state;
            state.DataFilePath = folder.file(kind.file);
            RecordingReporter reporter;
            EXPECT_TRUE(store::LoadDataFile(state, state.DataFilePath, reporter));
            EXPECT_EQ(store::upperBound(state.Records), save_loop::kRecords);
        }
    }
}

} // namespace
