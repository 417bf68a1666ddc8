// A process killed (SIGKILL) at a random moment while it saves leaves the file as
// one whole generation: the one before, or a complete new one, byte for byte, and
// it loads. scripts/kill-saves runs thousands of rounds; the suite runs a few.

#include "reports/PageFile.h"
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
#include <sys/wait.h>
#include <unistd.h>

using namespace testing_support;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

namespace {

constexpr int kRecords = 4000; // about 400 KB a save

std::string recordText(int index, int generation)
{
    return "Record " + std::to_string(index) + " of generation " + std::to_string(generation) + " "
         + std::string(static_cast<std::size_t>(40 + index % 50), static_cast<char>('a' + generation % 26));
}

// Each kind of file: how a generation is saved, and the bytes it must leave, framed here by hand.
void saveData(const fs::path& folder, int generation)
{
    store::AppState state;
    state.DataFilePath = folder / "notes.bcn";
    for (int index = 1; index <= kRecords; ++index) {
        store::Record& record = state.Records.emplace_back();
        record.Id = static_cast<std::int16_t>(index);
        record.Status = "Open      ";
        record.Content = recordText(index, generation);
    }
    store::SaveDataFile(state);
}

std::string dataBytes(int generation)
{
    std::string bytes;
    char key[16];
    for (int index = 1; index <= kRecords; ++index) {
        std::snprintf(key, sizeof key, "%05d", index);
        bytes += std::string(key) + "0000001Open      " + recordText(index, generation) + "\r\n";
    }
    return bytes;
}

void saveSettings(const fs::path& folder, int generation)
{
    store::Settings settings;
    settings.Left = generation;
    settings.Top = generation * 2;
    store::writeSettings(folder / "settings.txt", settings);
}

std::string settingsBytes(int generation)
{
    char text[96];
    std::snprintf(text, sizeof text, " %d \r\n %d \r\nFalse\r\nFalse\r\n 0 \r\n 0 \r\n", generation, generation * 2);
    return text;
}

// Only the page writer is under test: the page's text is written as it is.
std::string pageText(int generation)
{
    std::string page = "<html><body>\r\n";
    for (int index = 1; index <= kRecords; ++index)
        page += "<p>" + recordText(index, generation) + "</p>\r\n";
    return page + "</body></html>\r\n";
}

void savePage(const fs::path& folder, int generation)
{
    reports::writePage(folder, "report.htm", pageText(generation));
}

struct Kind {
    const char* file;
    void (*save)(const fs::path&, int);
    std::string (*bytes)(int);
    std::string marker; // what the generation number follows in the file
};

// A child process that saves generation after generation until it is killed.
class SaveLoop {
public:
    SaveLoop(const Kind& kind, const fs::path& folder) : child_(::fork())
    {
        if (child_ != 0)
            return;
        try {
            for (int generation = 1;; ++generation)
                kind.save(folder, generation);
        } catch (...) {
        }
        ::_exit(3);
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

TEST(CrashKill, ASaveKilledAtAnyMomentLeavesTheOldFileOrTheNewOneWhole)
{
    const Kind kinds[] = {
        {"notes.bcn", saveData, dataBytes, "Record 1 of generation "},
        {"settings.txt", saveSettings, settingsBytes, " "},
        {"report.htm", savePage, pageText, "<p>Record 1 of generation "},
    };
    const char* asked = std::getenv("BRINDLECASE_KILL_ROUNDS");
    const int rounds = asked ? std::atoi(asked) : 30;
    const unsigned seed = std::random_device()();
    std::mt19937 random(seed);
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(std::string(kind.file) + ", seed " + std::to_string(seed));
        TempFolder folder;
        // Kills within three times one save, timed on this machine now, cut some
        // saves and fall between others, however busy the machine is.
        const auto start = Clock::now();
        kind.save(folder.path(), 0);
        std::uniform_int_distribution<Clock::rep> wait(0, 3 * (Clock::now() - start).count());
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
        EXPECT_TRUE(kind.save != saveData || store::LoadDataFile(state, folder.file(kind.file), reporter));
        // Each kill in the middle of a save leaves its temporary file behind.
        const auto cut = std::count_if(fs::directory_iterator(folder.path()), fs::directory_iterator(),
                                       [](const fs::directory_entry& entry) { return entry.path().extension() == ".saving"; });
        std::cout << kind.file << ": " << rounds << " kills, " << cut << " in the middle of a save, newest generation "
                  << newest << ", every file whole\n";
    }
}

} // namespace
