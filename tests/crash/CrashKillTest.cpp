// A process killed (SIGKILL) at a random moment while it saves leaves the file as
// one whole generation: the one before, or a complete new one, byte for byte, and
// it loads. scripts/kill-saves runs thousands of rounds; the suite runs a few.

#include "SaveLoop.h"

#include "store/DataFile.h"
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
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

namespace {

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

struct Kind {
    std::string mode;
    const char* file;
    std::string (*bytes)(int);
    std::string marker; // what the generation number follows in the file
};

class SaveLoop {
public:
    SaveLoop(const Kind& kind, const fs::path& folder) : child_(::fork())
    {
        const fs::path target = kind.mode == "page" ? folder : folder / kind.file;
        if (child_ == 0) {
            ::execl(BRINDLECASE_SAVE_LOOP, "save_loop", kind.mode.c_str(), target.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }
    ~SaveLoop()
    {
        ::kill(child_, SIGKILL);
        int status = 0;
        ::waitpid(child_, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status)) << "the save loop ended by itself: " << status;
    }

private:
    pid_t child_;
};

ino_t inodeOf(const fs::path& file)
{
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? info.st_ino : 0;
}

// From the loop's start to its first finished save, on this machine now: kills
// within three times that cut some saves and fall between others, however busy the
// machine is.
Clock::duration firstSaveTime(const Kind& kind, const fs::path& folder)
{
    const ino_t before = inodeOf(folder / kind.file);
    const auto start = Clock::now();
    SaveLoop loop(kind, folder);
    while (inodeOf(folder / kind.file) == before && Clock::now() - start < std::chrono::seconds(30))
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    return Clock::now() - start;
}

TEST(CrashKill, ASaveKilledAtAnyMomentLeavesTheOldFileOrTheNewOneWhole)
{
    const Kind kinds[] = {
        {"data", "notes.bcn", dataBytes, "Record 1 of generation "},
        {"settings", "settings.txt", settingsBytes, " "},
        {"page", "report.htm", save_loop::pageText, "<p>Record 1 of generation "},
    };
    const char* asked = std::getenv("BRINDLECASE_KILL_ROUNDS");
    const int rounds = asked ? std::atoi(asked) : 30;
    const unsigned seed = std::random_device()();
    std::mt19937 random(seed);
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.mode + ", seed " + std::to_string(seed));
        TempFolder folder;
        folder.write(kind.file, kind.bytes(0));
        std::uniform_int_distribution<Clock::rep> wait(0, 3 * firstSaveTime(kind, folder.path()).count());
        folder.write(kind.file, kind.bytes(0));
        int newest = 0;
        for (int round = 0; round < rounds && !::testing::Test::HasFailure(); ++round) {
            {
                SaveLoop loop(kind, folder.path());
                std::this_thread::sleep_for(Clock::duration(wait(random)));
            }
            const std::string bytes = readFile(folder.file(kind.file));
            const std::size_t marker = bytes.find(kind.marker);
            const int generation = marker == std::string::npos ? -1 : std::atoi(bytes.c_str() + marker + kind.marker.size());
            EXPECT_EQ(bytes, kind.bytes(generation)) << kind.file << " is not one whole generation";
            newest = std::max(newest, generation);
        }
        EXPECT_GT(newest, 0) << "no save finished before a kill: nothing was tested";
        store::AppState state;
        RecordingReporter reporter;
        if (kind.mode == "data") {
            EXPECT_TRUE(store::LoadDataFile(state, folder.file(kind.file), reporter));
        }
        // Each kill in the middle of a save leaves its temporary file behind.
        int cut = 0;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            cut += entry.path().extension() == ".saving" ? 1 : 0;
        std::cout << kind.mode << ": " << rounds << " kills, " << cut << " in the middle of a save, newest generation "
                  << newest << ", every file whole\n";
    }
}

} // namespace
