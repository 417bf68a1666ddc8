#include "platform/ProgramFolder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

namespace fs = std::filesystem;
using platform::chooseProgramFolder;
using testing_support::readFile;

namespace {

using Days = std::chrono::duration<int, std::ratio<86400>>;

void put(const fs::path& file, const std::string& bytes, Days age = Days(0))
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    fs::last_write_time(file, fs::file_time_type::clock::now() - age);
}

std::map<std::string, std::string> filesUnder(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path().lexically_relative(folder).generic_string()] = readFile(entry.path());
    return files;
}

// An installation under a temporary root: <root>/usr/bin for the program,
// <root>/usr/share/brindlecase for its assets, and a user's data folder.
class ProgramFolderTest : public testing::Test {
protected:
    testing_support::TempFolder root;
    fs::path bin = root.path() / "usr" / "bin";
    fs::path share = root.path() / "usr" / "share" / "brindlecase";
    fs::path data = root.path() / "home" / ".local" / "share" / "Brindlecase";
    platform::ProgramFolderPlaces places{bin, share, data};

    void SetUp() override { fs::create_directories(bin); }

    // What a package installs, built a month before the user first starts it.
    const std::map<std::string, std::string> installed{
        {"pictures/report1.png", "report picture"}, {"s1.wav", "click one"}, {"help/index.htm", "help"},
        {"About.htm", "about"}, {"settings.txt", "1\r\n2\r\n"}, {"Sample.bcn", "sample records"}};

    void install(Days age = Days(30))
    {
        for (const auto& [name, bytes] : installed)
            put(share / name, bytes, age);
    }
};

TEST_F(ProgramFolderTest, AWritableFolderWithoutAnInstallationIsItsOwnProgramFolder)
{
    put(bin / "settings.txt", "portable settings");
    EXPECT_EQ(chooseProgramFolder(places), bin);
    EXPECT_FALSE(fs::exists(data)) << "a build folder or portable copy leaves the user's data folder alone";
    EXPECT_EQ(readFile(bin / "settings.txt"), "portable settings");
}

// The installed program's folder is writable here (as /usr/bin is for root), and
// still the user's data folder is used and filled; without one the program stays.
TEST_F(ProgramFolderTest, AnInstalledCopyFillsTheUsersDataFolderOnFirstStart)
{
    install();
    EXPECT_EQ(chooseProgramFolder({bin, share, fs::path()}), bin);
    EXPECT_FALSE(fs::exists(data));
    EXPECT_EQ(chooseProgramFolder(places), data);
    EXPECT_EQ(filesUnder(data), installed) << "every asset, nothing half-copied left over";
    EXPECT_TRUE(fs::is_empty(bin));
}

// An upgrade built after the first package: every asset it changed is copied
// again, a missing one comes back, a new one is added; the user's own files and
// assets the user changed later stay; an older asset never replaces a newer one.
TEST_F(ProgramFolderTest, ANewerInstallationRefreshesAssetsAndKeepsTheUsersFiles)
{
    install(Days(30));
    ASSERT_EQ(chooseProgramFolder(places), data);
    put(data / "settings.txt", "my settings", Days(20));
    put(data / "Sample.bcn", "my records");
    put(data / "help/index.htm", "my own help page", Days(1));
    fs::remove(data / "s1.wav");
    for (const auto& [name, bytes] : installed)
        put(share / name, "new " + bytes, Days(10));
    put(share / "pictures/email.png", "a new picture", Days(10));
    put(share / "About.htm", "older about page", Days(40));
    put(share / "settings.txt", "a newer first settings file"); // the user's settings are never replaced

    EXPECT_EQ(chooseProgramFolder(places), data);
    EXPECT_EQ(filesUnder(data), (std::map<std::string, std::string>{
                                    {"pictures/report1.png", "new report picture"}, {"s1.wav", "new click one"},
                                    {"pictures/email.png", "a new picture"}, {"About.htm", "about"},
                                    {"help/index.htm", "my own help page"}, {"settings.txt", "my settings"},
                                    {"Sample.bcn", "my records"}}));
}

// A file standing where the folder would be: nobody, root included, writes there.
TEST_F(ProgramFolderTest, AFolderTheProgramCannotWriteIntoSendsItToTheUsersDataFolder)
{
    put(root.path() / "blocker", "a file, not a folder");
    EXPECT_EQ(chooseProgramFolder({root.path() / "blocker" / "bin", share, data}), data);
    EXPECT_TRUE(fs::is_empty(data)) << "no installation: nothing to copy";
}

} // namespace
