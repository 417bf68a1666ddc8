// Installs the build into a temporary root, as the Debian package does under /usr,
// and checks what lands there: the programs, the assets in the layout the program
// folder has, the desktop entry, the icons, the AppStream data and the manual page.

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <set>
#include <string>

namespace fs = std::filesystem;
using testing_support::readFile;
using testing_support::TempFolder;

namespace {

const std::string kAppId = "org.brindlecase.Brindlecase";

struct CommandResult {
    int exitCode = -1;
    std::string output;
};

// Runs a shell command and collects what it prints, errors included.
CommandResult run(const std::string& command)
{
    CommandResult result;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, pipe))
        result.output.append(buffer, read);
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string quoted(const fs::path& path)
{
    std::string text(1, '\'');
    text.append(path.string()).push_back('\'');
    return text;
}

bool haveCommand(const std::string& name)
{
    return run("command -v " + name).exitCode == 0;
}

std::set<std::string> filesUnder(const fs::path& folder)
{
    std::set<std::string> names;
    if (!fs::is_directory(folder))
        return names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            names.insert(entry.path().lexically_relative(folder).generic_string());
    return names;
}

class InstallTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        root_ = new TempFolder;
        install_ = new CommandResult(run("DESTDIR=" + quoted(root_->path()) + " " + quoted(BRINDLECASE_CMAKE) +
                               " --install " + quoted(BRINDLECASE_BUILD) + " --prefix /usr"));
    }
    static void TearDownTestSuite()
    {
        delete install_;
        delete root_;
    }
    void SetUp() override { ASSERT_EQ(install_->exitCode, 0) << install_->output; }

    static fs::path usr() { return root_->path() / "usr"; }
    static fs::path share() { return usr() / "share" / "brindlecase"; }

    static TempFolder* root_;
    static CommandResult* install_;
};

TempFolder* InstallTest::root_ = nullptr;
CommandResult* InstallTest::install_ = nullptr;

TEST_F(InstallTest, PutsEachFileInItsUsualPlace)
{
    std::set<std::string> expected = {
        "bin/brindlecase",
        "bin/brindlecase-tool",
        "share/applications/" + kAppId + ".desktop",
        "share/metainfo/" + kAppId + ".metainfo.xml",
        "share/man/man1/brindlecase-tool.1",
        "share/icons/hicolor/scalable/apps/" + kAppId + ".svg",
    };
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        expected.insert("share/icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps/" + kAppId +
                        ".png");
    for (const std::string& asset : filesUnder(share()))
        expected.insert("share/brindlecase/" + asset);

    EXPECT_EQ(filesUnder(usr()), expected);
    for (const char* program : {"bin/brindlecase", "bin/brindlecase-tool"}) {
        const fs::perms perms = fs::status(usr() / program).permissions();
        EXPECT_NE(perms & fs::perms::others_exec, fs::perms::none) << program;
    }
    for (int size : {16, 256}) {
        const std::string png = readFile(usr() / ("share/icons/hicolor/" + std::to_string(size) + "x" +
                                                  std::to_string(size) + "/apps/" + kAppId + ".png"));
        ASSERT_GE(png.size(), 24u);
        // The PNG header gives the width and height, big-endian, at bytes 16 and 20.
        auto number = [&](std::size_t at) {
            return (static_cast<unsigned char>(png[at]) << 24) | (static_cast<unsigned char>(png[at + 1]) << 16) |
                   (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
        };
        EXPECT_EQ(number(16), size);
        EXPECT_EQ(number(20), size);
    }
}

TEST_F(InstallTest, InstallsTheAssetsAsTheProgramFolderHoldsThem)
{
    // Every file of assets/ but the drawing scripts; the sounds and the report
    // pages' pictures beside the pictures folder.
    const fs::path source = BRINDLECASE_SOURCE "/assets";
    std::set<std::string> expected;
    for (std::string file : filesUnder(source)) {
        if (fs::path(file).extension() == ".py" || file.find("__pycache__") != std::string::npos)
            continue;
        for (const char* folded : {"sounds/", "report/"}) {
            if (file.rfind(folded, 0) == 0)
                file = file.substr(std::string(folded).size());
        }
        expected.insert(file);
    }
    EXPECT_EQ(filesUnder(share()), expected);

    for (const char* loaded : {"s1.wav", "s2.wav", "s3.wav", "HandPointer3232.ico", "pictures/brindlecase.png",
                               "pictures/help.png", "Sample.bcn", "settings.txt"})
        EXPECT_TRUE(fs::is_regular_file(share() / loaded)) << loaded;

    // What the build puts beside the program is installed too (the user's own files
    // that a run from the build folder leaves there aside).
    const std::regex usersOwn(R"(.*\.(bcn|bcy)|settings\.txt|master_.*\.htm|Status Summary\.htm|emailGroup\.htm)");
    for (const std::string& file : filesUnder(BRINDLECASE_PROGRAM_FOLDER)) {
        if (file == "brindlecase" || std::regex_match(file, usersOwn))
            continue;
        EXPECT_TRUE(fs::is_regular_file(share() / file)) << file << " lies beside the built program, not installed";
    }
}

TEST_F(InstallTest, TheDesktopEntryIsValidAndNamesTheInstalledProgramAndIcon)
{
    const fs::path entry = usr() / "share/applications" / (kAppId + ".desktop");
    const std::string text = readFile(entry);
    EXPECT_NE(text.find("\nExec=brindlecase\n"), std::string::npos);
    EXPECT_NE(text.find("\nIcon=" + kAppId + "\n"), std::string::npos);
    EXPECT_NE(text.find("\nType=Application\n"), std::string::npos);
    if (!haveCommand("desktop-file-validate"))
        GTEST_SKIP() << "desktop-file-validate is missing (Debian package desktop-file-utils)";
    const CommandResult validation = run("desktop-file-validate " + quoted(entry));
    EXPECT_EQ(validation.exitCode, 0) << validation.output;
    EXPECT_EQ(validation.output, "");
}

TEST_F(InstallTest, TheAppStreamDataIsValidAndLaunchesTheDesktopEntry)
{
    const fs::path metainfo = usr() / "share/metainfo" / (kAppId + ".metainfo.xml");
    const std::string text = readFile(metainfo);
    EXPECT_NE(text.find("<id>" + kAppId + "</id>"), std::string::npos);
    EXPECT_NE(text.find("<launchable type=\"desktop-id\">" + kAppId + ".desktop</launchable>"), std::string::npos);
    if (!haveCommand("appstreamcli"))
        GTEST_SKIP() << "appstreamcli is missing (Debian package appstream)";
    const CommandResult validation = run("appstreamcli validate --no-net " + quoted(metainfo));
    EXPECT_EQ(validation.exitCode, 0) << validation.output;
}

TEST_F(InstallTest, TheManualPageDescribesEveryCommandOfTheTool)
{
    const CommandResult help = run(quoted(usr() / "bin/brindlecase-tool") + " --help");
    ASSERT_EQ(help.exitCode, 0) << help.output;
    const std::string page = readFile(usr() / "share/man/man1/brindlecase-tool.1");
    const std::regex commandLine(R"(\n  brindlecase-tool ([a-z]+) )");
    int commands = 0;
    for (std::sregex_iterator it(help.output.begin(), help.output.end(), commandLine), end; it != end; ++it) {
        ++commands;
        EXPECT_NE(page.find("\n.BI \"" + (*it)[1].str() + " "), std::string::npos)
            << "packaging/brindlecase-tool.1 does not describe the command " << (*it)[1];
    }
    EXPECT_GE(commands, 7) << help.output;
    if (!haveCommand("groff"))
        GTEST_SKIP() << "groff is missing: the page's formatting is not checked";
    const CommandResult format = run("groff -man -Tutf8 -ww -z " + quoted(usr() / "share/man/man1/brindlecase-tool.1"));
    EXPECT_EQ(format.exitCode, 0) << format.output;
    EXPECT_EQ(format.output, "") << "groff warns about the manual page";
}

} // namespace
