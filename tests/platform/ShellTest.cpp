#include "platform/Shell.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

#include <QApplication>

#include <gtest/gtest.h>

using namespace platform;
using namespace testing_support;

namespace {

TEST(ShellErrorText, NamesEveryDocumentedResult)
{
    EXPECT_EQ(ShellErrorText(2), "File not found");
    EXPECT_EQ(ShellErrorText(3), "Path not found");
    EXPECT_EQ(ShellErrorText(5), "Access denied");
    EXPECT_EQ(ShellErrorText(8), "Out of memory");
    EXPECT_EQ(ShellErrorText(31), "No association for file extension");
    EXPECT_EQ(ShellErrorText(32), "DLL not found");
    for (int other : {0, 1, 4, 6, 7, 12, 25, -3})
        EXPECT_EQ(ShellErrorText(other), "Unknown error") << other;
}

TEST(ShellResult, MapsWhatHappenedOntoTheMessages)
{
    TargetFacts missingFolder;
    EXPECT_EQ(shellResult(missingFolder), shell::kPathNotFound);
    TargetFacts missingFile;
    missingFile.folderExists = true;
    EXPECT_EQ(shellResult(missingFile), shell::kFileNotFound);
    TargetFacts unreadable = missingFile;
    unreadable.exists = true;
    EXPECT_EQ(shellResult(unreadable), shell::kAccessDenied);
    TargetFacts noProgram = unreadable;
    noProgram.readable = true;
    noProgram.hasProgram = false;
    EXPECT_EQ(shellResult(noProgram), shell::kNoAssociation);
    TargetFacts failed = noProgram;
    failed.hasProgram = true;
    EXPECT_EQ(shellResult(failed), shell::kUnknownError);
    failed.launched = true;
    EXPECT_EQ(shellResult(failed), shell::kOpened);

    TargetFacts address;
    address.isAddress = true;
    address.hasProgram = false;
    EXPECT_EQ(shellResult(address), shell::kNoAssociation);
    address.hasProgram = true;
    address.launched = true;
    EXPECT_EQ(shellResult(address), shell::kOpened);
}

TEST(DesktopLauncher, MissingTargetsAreReportedBeforeAnythingStarts)
{
    TempFolder folder;
    DesktopLauncher launcher;
    EXPECT_EQ(launcher.ShellOpen(QString::fromStdString((folder.path() / "gone.txt").string())), shell::kFileNotFound);
    EXPECT_EQ(launcher.ShellOpen(QString::fromStdString((folder.path() / "no" / "where.txt").string())),
              shell::kPathNotFound);
    EXPECT_EQ(launcher.ShellOpen(QStringLiteral("file://") + QString::fromStdString((folder.path() / "gone").string())),
              shell::kFileNotFound);
}

TEST(OpenLink, ReportsFailuresAndGivesThePointerBack)
{
    FakeLauncher launcher;
    FakeMessages messages;
    launcher.result = 31;
    OpenLink(QStringLiteral("/tmp/x.zzz"), launcher, messages, nullptr);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "No association for file extension");
    EXPECT_EQ(messages.titles[0], "Brindlecase");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    launcher.result = shell::kOpened;
    OpenLink(QStringLiteral("https://example.org"), launcher, messages, nullptr);
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(launcher.opened.back(), "https://example.org");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
