#include "platform/ProgramFolder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace fs = std::filesystem;
using platform::chooseProgramFolder;

namespace {

using Days = std::chrono::duration<int, std::ratio<86400>>;
using Files = std::map<std::string, std::string>;

// Writes each file under `folder`, last changed `age` ago.
void put(const fs::path& folder, const Files& files, Days age)
{
    for (const auto& [name, bytes] : files) {
        fs::create_directories((folder / name).parent_path());
        std::ofstream(folder / name, std::ios::binary | std::ios::trunc) << bytes;
        fs::last_write_time(folder / name, fs::file_time_type::clock::now() - age);
    }
}

Files filesUnder(const fs::path& folder)
{
    Files files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path().lexically_relative(folder).generic_string()] = testing_support::readFile(entry.path());
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
};

// Without an installation a writable folder (a build folder, a portable copy) is
// its own program folder; one nobody, root included, writes into (a file stands
// where it would be) sends the program to the user's data folder.
TEST_F(ProgramFolderTest, ChoosesTheFolderAndFillsAndRefreshesTheUsersDataFolderFromAnInstallation)
{
    EXPECT_EQ(chooseProgramFolder(places), bin);
    put(root.path(), {{"blocker", "a file, not a folder"}}, Days(0));
    EXPECT_EQ(chooseProgramFolder({root.path() / "blocker" / "bin", share, data}), data);

    // The installed program's folder is writable here (as /usr/bin is for root),
    // and still the user's data folder is filled on first start.
    const Files installed{{"pictures/report1.png", "report picture"}, {"s1.wav", "click one"}, {"help/index.htm", "help"},
                          {"About.htm", "about"}, {"settings.txt", "1\r\n2\r\n"}, {"Sample.bcn", "sample records"}};
    put(share, installed, Days(30));
    EXPECT_EQ(chooseProgramFolder({bin, share, fs::path()}), bin); // no home folder: nowhere else to go
    EXPECT_EQ(chooseProgramFolder(places), data);
    EXPECT_EQ(filesUnder(data), installed) << "every asset, nothing half-copied left over";

    // An upgrade built later copies every asset it changed again, brings back a
    // missing one and adds a new one; the user's own files and assets the user
    // changed later stay; an older asset never replaces a newer one.
    put(data, {{"settings.txt", "my settings"}, {"Sample.bcn", "my records"}}, Days(20));
    put(data, {{"help/index.htm", "my own help page"}}, Days(1));
    fs::remove(data / "s1.wav");
    Files upgrade{{"pictures/email.png", "a new picture"}};
    for (const auto& [name, bytes] : installed)
        upgrade[name] = "new " + bytes;
    put(share, upgrade, Days(10));
    put(share, {{"About.htm", "older about page"}}, Days(40));
    EXPECT_EQ(chooseProgramFolder(places), data);
    EXPECT_EQ(filesUnder(data), (Files{{"pictures/report1.png", "new report picture"}, {"s1.wav", "new click one"},
                                       {"pictures/email.png", "a new picture"}, {"About.htm", "about"},
                                       {"help/index.htm", "my own help page"}, {"settings.txt", "my settings"},
                                       {"Sample.bcn", "my records"}}));
}

} // namespace
