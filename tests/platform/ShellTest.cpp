#include "platform/Shell.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace platform;
using namespace testing_support;

namespace {

// Every code of 32 or less with its message, as the shell's result codes read.
TEST(ShellErrorText, EveryCodeUpTo32HasItsMessage)
{
    const std::map<int, QString> messages = {
        {2, "File not found"}, {3, "Path not found"}, {5, "Access denied"}, {8, "Out of memory"},
        {11, "Invalid EXE file or error in EXE image"}, {26, "A sharing violation occurred"},
        {27, "Incomplete or invalid file association"}, {28, "DDE Time out"}, {29, "DDE transaction failed"},
        {30, "DDE busy"}, {31, "No association for file extension"}, {32, "DLL not found"},
    };
    for (int code = -40; code <= 32; ++code) {
        const auto found = messages.find(code);
        EXPECT_EQ(ShellErrorText(code), found == messages.end() ? "Unknown error" : found->second) << code;
    }
}

TEST(OpenLink, ReportsResultsUpTo32UnderTheBusyPointerAndNothingAbove)
{
    FakeLauncher launcher;
    FakeMessages messages;
    for (int result : {32, 0, 33}) {
        launcher.result = result;
        OpenLink(QStringLiteral("/tmp/x.zzz"), launcher, messages, nullptr);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(messages.texts, (std::vector<QString>{"DLL not found", "Unknown error"}));
    EXPECT_EQ(messages.titles, (std::vector<QString>{"Brindlecase", "Brindlecase"}));
    EXPECT_EQ(launcher.opened, std::vector<QString>(3, QStringLiteral("/tmp/x.zzz")));
}

// The real launcher with the desktop replaced: what it asks and what it hands over.
struct RecordingDesktop : DesktopLauncher {
    bool hasProgramFor(const QString& mimeType) override { return asked.push_back(mimeType), hasProgram; }
    bool openUrl(const QUrl& url) override { return opened.push_back(url.toString(QUrl::FullyEncoded)), opens; }
    bool hasProgram = true, opens = true;
    std::vector<QString> asked, opened;
};

TEST(DesktopLauncher, PathsAreCheckedBeforeTheDesktopIsAsked)
{
    TempFolder folder;
    const QString base = QString::fromStdString(folder.path().string());
    folder.write("notes.txt", "x");
    folder.write("locked.txt", "x");
    ::chmod((folder.path() / "locked.txt").c_str(), 0);
    RecordingDesktop desktop;
    EXPECT_EQ(desktop.ShellOpen(base + "/gone.txt"), shell::kFileNotFound);
    EXPECT_EQ(desktop.ShellOpen(base + "/no/where.txt"), shell::kPathNotFound);
    EXPECT_EQ(desktop.ShellOpen("file://" + base + "/gone"), shell::kFileNotFound);
    if (::geteuid() != 0) { // an administrator may read anything
        EXPECT_EQ(desktop.ShellOpen(base + "/locked.txt"), shell::kAccessDenied);
    }
    EXPECT_TRUE(desktop.opened.empty());
    EXPECT_TRUE(desktop.asked.empty());

    EXPECT_EQ(desktop.ShellOpen(base + "/notes.txt"), shell::kOpened);
    EXPECT_EQ(desktop.ShellOpen(base), shell::kOpened);
    EXPECT_EQ(desktop.asked, (std::vector<QString>{"text/plain", "inode/directory"}));
    EXPECT_EQ(desktop.opened, (std::vector<QString>{"file://" + base + "/notes.txt", "file://" + base}));
}

TEST(DesktopLauncher, AddressesAreAskedAboutByTheirSchemeInLowerCaseAndMailGoesWithoutTheBlank)
{
    RecordingDesktop desktop;
    EXPECT_EQ(desktop.ShellOpen(QStringLiteral("HTTPS://example.org/a b")), shell::kOpened);
    EXPECT_EQ(desktop.asked, std::vector<QString>{"x-scheme-handler/https"});

    desktop.hasProgram = false;
    EXPECT_EQ(desktop.ShellOpen(QStringLiteral("zzz:thing")), shell::kNoAssociation);
    desktop.hasProgram = true;
    desktop.opens = false;
    EXPECT_EQ(desktop.ShellOpen(QStringLiteral("news:group")), shell::kUnknownError);
    // A drive letter and a colon is a path, not an address.
    EXPECT_EQ(desktop.ShellOpen(QStringLiteral("C:/missing/file.txt")), shell::kPathNotFound);
    // A mail address goes over without the blank after "mailto:".
    desktop.openMail(QStringLiteral("mailto: bob@example.org"));
    desktop.openMail(QStringLiteral("MAILTO:ann@example.org"));
    EXPECT_EQ(desktop.opened, (std::vector<QString>{"https://example.org/a%20b", "news:group", "mailto:bob@example.org",
                                                    "mailto:ann@example.org"}));
}

} // namespace
