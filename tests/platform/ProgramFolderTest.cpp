#include "platform/ProgramFolder.h"
#include "support/TempFolder.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

namespace fs = std::filesystem;
using platform::chooseProgramFolder;
using platform::ProgramFolderPlaces;
using testing_support::readFile;
using testing_support::TempFolder;

namespace {

using Days = std::chrono::duration<int, std::ratio<86400>>;

void put(const fs::path& file, const std::string& bytes, Days age = Days(0))
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    fs::last_write_time(file, fs::file_time_type::clock::now() - age);
}

std::set<std::string> filesUnder(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            names.insert(entry.path().lexically_relative(folder).generic_string());
    return names;
}

// An installation under a temporary root: <root>/usr/bin for the program,
// <root>/usr/share/brindlecase for its assets, and a user's data folder.
class ProgramFolderTest : public testing::Test {
protected:
    TempFolder root;
    fs::path bin = root.path() / "usr" / "bin";
    fs::path share = root.path() / "usr" / "share" / "brindlecase";
    fs::path data = root.path() / "home" / ".local" / "share" / "Brindlecase";

    void SetUp() override { fs::create_directories(bin); }

    ProgramFolderPlaces places() const { return {bin, share, data}; }

    // What a package installs, built a month before the user first starts it.
    const std::map<std::string, std::string> installed{
        {"pictures/report1.png", "report picture"},
        {"pictures/brindlecase.png", "program icon"},
        {"s1.wav", "click one"},
        {"HandPointer3232.ico", "hand"},
        {"help/index.htm", "<html>help</html>"},
        {"About.htm", "<html>about</html>"},
        {"settings.txt", "1\r\n2\r\nFalse\r\nTrue\r\n1\r\n5\r\n"},
        {"Sample.bcn", "sample records"},
    };

    void install(Days age = Days(30))
    {
        for (const auto& [name, bytes] : installed)
            put(share / name, bytes, age);
    }
};

TEST_F(ProgramFolderTest, AWritableFolderWithoutAnInstallationIsItsOwnProgramFolder)
{
    put(bin / "settings.txt", "portable settings");

    EXPECT_EQ(chooseProgramFolder(places()), bin);
    EXPECT_FALSE(fs::exists(data)) << "a build folder or portable copy leaves the user's data folder alone";
    EXPECT_EQ(readFile(bin / "settings.txt"), "portable settings");
}

TEST_F(ProgramFolderTest, AnInstalledCopyFillsTheUsersDataFolderOnFirstStart)
{
    // The installed program's folder is writable here (as /usr/bin is for root),
    // and still the user's data folder is used.
    install();

    EXPECT_EQ(chooseProgramFolder(places()), data);

    std::set<std::string> expected;
    for (const auto& [name, bytes] : installed) {
        expected.insert(name);
        EXPECT_EQ(readFile(data / name), bytes) << name;
    }
    EXPECT_EQ(filesUnder(data), expected) << "every asset, nothing half-copied left over";
    EXPECT_EQ(filesUnder(bin), std::set<std::string>{});
}

// An upgrade built after the first package: every asset it changed is copied
// again, a missing one comes back, a new one is added; the user's own files and
// assets the user changed later stay; an older asset never replaces a newer one.
TEST_F(ProgramFolderTest, ANewerInstallationRefreshesAssetsAndKeepsTheUsersFiles)
{
    install(Days(30));
    ASSERT_EQ(chooseProgramFolder(places()), data);
    put(data / "settings.txt", "my settings", Days(20));
    put(data / "Sample.bcn", "my records");
    put(data / "master_Job.htm", "my report");
    put(data / "help/index.htm", "my own help page", Days(1));
    fs::remove(data / "s1.wav");
    for (const auto& [name, bytes] : installed)
        put(share / name, "new " + bytes, Days(10));
    put(share / "pictures/email.png", "a new picture", Days(10));
    put(share / "About.htm", "older about page", Days(40));
    put(share / "settings.txt", "a newer first settings file"); // the user's settings are never replaced

    EXPECT_EQ(chooseProgramFolder(places()), data);

    const std::map<std::string, std::string> expected{
        {"pictures/report1.png", "new report picture"}, {"pictures/brindlecase.png", "new program icon"},
        {"HandPointer3232.ico", "new hand"}, {"s1.wav", "new click one"}, {"pictures/email.png", "a new picture"},
        {"About.htm", "<html>about</html>"}, {"help/index.htm", "my own help page"}, {"settings.txt", "my settings"},
        {"Sample.bcn", "my records"}, {"master_Job.htm", "my report"}};
    for (const auto& [name, bytes] : expected)
        EXPECT_EQ(readFile(data / name), bytes) << name;
}

TEST_F(ProgramFolderTest, AFolderTheProgramCannotWriteIntoSendsItToTheUsersDataFolder)
{
    // A file standing where the folder would be: nobody, root included, writes there.
    const fs::path blocked = root.path() / "blocker" / "bin";
    put(root.path() / "blocker", "a file, not a folder");
    EXPECT_EQ(chooseProgramFolder({blocked, share, data}), data);
    EXPECT_TRUE(fs::is_directory(data));
    EXPECT_EQ(filesUnder(data), std::set<std::string>{}) << "no installation: nothing to copy";
}

TEST_F(ProgramFolderTest, WithoutAUserDataFolderTheProgramStaysInItsOwnFolder)
{
    install();
    EXPECT_EQ(chooseProgramFolder({bin, share, fs::path()}), bin);
    EXPECT_FALSE(fs::exists(data));
}

TEST_F(ProgramFolderTest, AReadOnlyPortableCopyUsesTheUsersDataFolder)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write into a read-only folder; the blocked-folder case covers this for root";
    fs::permissions(bin, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                             fs::perms::others_read);
    EXPECT_EQ(chooseProgramFolder(places()), data);
    fs::permissions(bin, fs::perms::owner_all);
}

} // namespace
