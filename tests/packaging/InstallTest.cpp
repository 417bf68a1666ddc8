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
#include <vector>

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
    char buffer[4096];
    while (const std::size_t read = pipe ? std::fread(buffer, 1, sizeof buffer, pipe) : 0)
        result.output.append(buffer, read);
    const int status = pipe ? ::pclose(pipe) : -1;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string quoted(const fs::path& path)
{
    return std::string(1, '\'').append(path.string()).append(1, '\'');
}

std::set<std::string> filesUnder(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            names.insert(entry.path().lexically_relative(folder).generic_string());
    return names;
}

// Every file of assets/ but the drawing scripts lands beside the pictures folder,
// the sounds and the report pages' pictures out of their folders; the icons are
// in their sizes; nothing a build puts beside the program is left out.
TEST(Install, PutsEachFileInItsUsualPlaceAndEachPassesItsChecker)
{
    const TempFolder root;
    const CommandResult install = run("DESTDIR=" + quoted(root.path()) + " " + quoted(BRINDLECASE_CMAKE) + " --install "
                                      + quoted(BRINDLECASE_BUILD) + " --prefix /usr");
    ASSERT_EQ(install.exitCode, 0) << install.output;
    const fs::path usr = root.path() / "usr";
    std::set<std::string> expected = {
        "bin/brindlecase", "bin/brindlecase-tool", "share/applications/" + kAppId + ".desktop",
        "share/metainfo/" + kAppId + ".metainfo.xml", "share/man/man1/brindlecase-tool.1",
        "share/icons/hicolor/scalable/apps/" + kAppId + ".svg"};
    for (std::string file : filesUnder(BRINDLECASE_SOURCE "/assets")) {
        if (fs::path(file).extension() == ".py" || file.find("__pycache__") != std::string::npos)
            continue;
        for (const std::string folded : {"sounds/", "report/"})
            if (file.starts_with(folded))
                file = file.substr(folded.size());
        expected.insert("share/brindlecase/" + file);
    }
    for (const std::string side : {"16", "24", "32", "48", "64", "128", "256"})
        expected.insert("share/icons/hicolor/" + side + "x" + side + "/apps/" + kAppId + ".png");
    EXPECT_EQ(filesUnder(usr), expected);
    // The user's own files that a run from the build folder leaves are not the build's.
    const std::regex usersOwn(R"(.*\.(bcn|bcy)|settings\.txt|master_.*\.htm|Status Summary\.htm|emailGroup\.htm)");
    for (const std::string& file : filesUnder(BRINDLECASE_PROGRAM_FOLDER))
        EXPECT_TRUE(file == "brindlecase" || std::regex_match(file, usersOwn) || fs::is_regular_file(usr / "share/brindlecase" / file))
            << file << " lies beside the built program, not installed";

    // Each file names what it must, and its own checker finds nothing, the desktop
    // entry and the manual page not even a warning: Debian's desktop-file-utils,
    // appstream and groff, where installed.
    const struct {
        fs::path file;
        std::vector<std::string> holds;
        std::string checker;
    } files[] = {
        {usr / "share/applications" / (kAppId + ".desktop"),
         {"\nExec=brindlecase\n", "\nIcon=" + kAppId + "\n", "\nType=Application\n"}, "desktop-file-validate"},
        {usr / "share/metainfo" / (kAppId + ".metainfo.xml"),
         {"<id>" + kAppId + "</id>", "<launchable type=\"desktop-id\">" + kAppId + ".desktop</launchable>"},
         "appstreamcli validate --no-net"},
        {usr / "share/man/man1/brindlecase-tool.1", {".TH BRINDLECASE-TOOL 1 "}, "groff -man -Tutf8 -ww -z"},
    };
    for (const auto& [file, holds, checker] : files) {
        for (const std::string& text : holds)
            EXPECT_NE(readFile(file).find(text), std::string::npos) << file << " lacks " << text;
        if (run("command -v " + checker.substr(0, checker.find(' '))).exitCode != 0)
            continue;
        const CommandResult checked = run(checker + " " + quoted(file));
        EXPECT_EQ(checked.exitCode, 0) << checked.output;
        EXPECT_TRUE(checker.starts_with("appstreamcli") || checked.output.empty()) << checked.output;
    }
}

} // namespace
