#include "reports/EmailGroupPage.h"
#include "reports/MasterReport.h"
#include "reports/StatusSummary.h"
#include "support/TempFolder.h"
#include "support/WindowHarness.h"
#include "windows/links/LinkFrm.h"
#include "windows/main/DataFrm.h"
#include "windows/preview/EmailGroup.h"

#include <gtest/gtest.h>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

// A master named with a colon, with two e-mail links and a sub record; a master
// without status.
const std::string kFile = crlfLines({
    "000010000001Open      Plan: 2026\xAC" "first line",
    "000010000002Ann\xAC" "ann@example.org",
    "000010000002Bob\xAC" "bob@example.org",
    "000020000101Seeds\xAC" "buy early",
    "000030000001          Loose\xAC",
});

// The fake clock's reading.
const reports::DateTime kClockReading{2026, 12, 6, 9, 5, 7};

class ReportWindowsTest : public ::testing::Test, public WindowHarness {
protected:
    void SetUp() override { openData(kFile); }
    void selectPlan()
    {
        search("plan");
        click(label("Res_0"));
    }
    void addToGroup(int row)
    {
        click(label("Label1_0"));
        click(label(QStringLiteral("resB_%1").arg(row)));
        click(label(&owner->linkFrm(), QStringLiteral("LinkType_1")));
    }
    // Files in the program folder whose name starts with `prefix`.
    int filesStartingWith(const std::string& prefix) const
    {
        int count = 0;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            count += entry.path().filename().string().rfind(prefix, 0) == 0 ? 1 : 0;
        return count;
    }
};

TEST_F(ReportWindowsTest, MasterSummaryWritesThePageAndOpensIt)
{
    click(label("Image4_0"));
    EXPECT_EQ(filesStartingWith("master_"), 0) << "no master record is current";
    EXPECT_TRUE(fakes.launcher.opened.empty());

    selectPlan();
    click(label("Image4_0"));
    const fs::path page = folder.file("master_Plan  2026.htm");
    ASSERT_EQ(fakes.launcher.opened, std::vector<QString>{QString::fromStdString(page.string())});
    const std::string bytes = readFile(page);
    EXPECT_EQ(bytes, reports::masterReport(state.Records, 1, {"2,Seeds", ""}, kClockReading));

    // A click on a sub record keeps its master current: the same page again.
    fs::remove(page);
    click(label("Subs_0"));
    click(label("Image4_0"));
    EXPECT_EQ(readFile(page), bytes);
}

// The status summary lists the status box's items; on an empty store neither
// button writes or opens anything.
TEST_F(ReportWindowsTest, StatusSummaryWritesThePageFromTheStatusBox)
{
    click(label("Image4_10"));
    const fs::path page = folder.file("Status Summary.htm");
    ASSERT_EQ(fakes.launcher.opened, std::vector<QString>{QString::fromStdString(page.string())});
    EXPECT_EQ(readFile(page), reports::statusSummary(state.Records, {"Open      "}, kClockReading));

    openData("", "empty.bcn");
    fs::remove(page);
    click(label("Image4_10"));
    click(label("Image4_0"));
    EXPECT_FALSE(fs::exists(page));
    EXPECT_EQ(filesStartingWith("master_"), 0);
    EXPECT_EQ(fakes.launcher.opened.size(), 1u);
    EXPECT_TRUE(fakes.messages.texts.empty());
}

// A page the user made read-only (refused even for an administrator): a message
// naming the file and the cause, the old page kept, nothing opened.
TEST_F(ReportWindowsTest, AFailedWriteIsToldAndLeavesTheOldPage)
{
    const fs::path page = folder.write("Status Summary.htm", "old page");
    fs::permissions(page, fs::perms::owner_read);
    click(label("Image4_10"));
    ASSERT_EQ(fakes.messages.texts.size(), 1u);
    EXPECT_EQ(fakes.messages.texts[0].toStdString(),
              "Could not save the file '" + page.string()
                  + "': the file is read-only.\n\nThe report page was not written; your records are unchanged.");
    EXPECT_EQ(readFile(page), "old page");
    EXPECT_TRUE(fakes.launcher.opened.empty());
}

// "add to group" writes the page and shows it after a blank page; the picture link
// starts one mail to all; closing the window (Escape) empties the group, and the next
// address starts a new group in a new window.
TEST_F(ReportWindowsTest, AddToGroupShowsTheGroupPageAndClosingEmptiesIt)
{
    selectPlan();
    addToGroup(0);
    addToGroup(1);
    addToGroup(1);
    EXPECT_EQ(state.EmailGroup,
              (std::vector<std::string>{"", "Ann..ann@example.org", "Bob..bob@example.org", "Bob..bob@example.org"}));
    const fs::path page = folder.file("emailGroup.htm");
    EXPECT_EQ(readFile(page), reports::emailGroupPage({"", "Ann..ann@example.org", "Bob..bob@example.org",
                                                       "Bob..bob@example.org"},
                                                      folder.path()));
    ASSERT_TRUE(owner->isEmailGroupLoaded());
    windows::EmailGroup& group = owner->emailGroup();
    EXPECT_TRUE(group.isVisible());
    EXPECT_EQ(group.windowTitle(), "Email Group");
    ASSERT_EQ(fakes.browsers.made.size(), 1u);
    FakeBrowser* browser = fakes.browsers.made[0];
    const QString shown = QString::fromStdString(page.string());
    EXPECT_EQ(browser->navigations, (std::vector<QString>{"about:blank", shown, "about:blank", shown, "about:blank", shown}));

    browser->followMailLink(QUrl(QStringLiteral("mailto:ann@example.org;bob@example.org;bob@example.org")));
    EXPECT_EQ(fakes.launcher.mails,
              std::vector<QString>{"mailto:ann@example.org;bob@example.org;bob@example.org"});

    ASSERT_TRUE(QTest::qWaitForWindowActive(&group));
    QTest::keyClick(&group, Qt::Key_Escape);
    EXPECT_EQ(state.EmailGroup, std::vector<std::string>{""});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(owner->isEmailGroupLoaded());
    EXPECT_TRUE(fakes.browsers.made[0].isNull());

    addToGroup(1);
    EXPECT_EQ(readFile(page), reports::emailGroupPage({"", "Bob..bob@example.org"}, folder.path()));
    ASSERT_EQ(fakes.browsers.made.size(), 2u);
    EXPECT_EQ(fakes.browsers.made[1]->navigations, (std::vector<QString>{"about:blank", shown}));
}

// The group page cannot be written: the user is told, the address stays in the
// group, the menu stays open and no group window appears.
TEST_F(ReportWindowsTest, AGroupPageThatCannotBeWrittenIsTold)
{
    const fs::path page = folder.write("emailGroup.htm", "old page");
    fs::permissions(page, fs::perms::owner_read);
    selectPlan();
    addToGroup(0);
    ASSERT_EQ(fakes.messages.texts.size(), 1u);
    EXPECT_TRUE(fakes.messages.texts[0].startsWith(
        QString::fromStdString("Could not save the file '" + page.string() + "': the file is read-only.")));
    EXPECT_EQ(readFile(page), "old page");
    EXPECT_EQ(state.EmailGroup, (std::vector<std::string>{"", "Ann..ann@example.org"}));
    EXPECT_TRUE(owner->isLinkFrmLoaded());
    EXPECT_FALSE(owner->emailGroup().isVisible());
}

} // namespace
