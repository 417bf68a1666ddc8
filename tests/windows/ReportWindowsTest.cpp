#include "reports/EmailGroupPage.h"
#include "reports/MasterReport.h"
#include "reports/StatusSummary.h"
#include "support/WindowHarness.h"
#include "windows/links/LinkFrm.h"
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
    static QString shown(const fs::path& page) { return QString::fromStdString(page.string()); }
};

// Each summary button writes its page into the program folder and opens it: the
// master's only while one is current (also through a click on its sub record), the
// status summary from the status box's items, and neither on an empty store. A page
// the user made read-only (refused even for an administrator) is kept: a message
// names the file and the cause, and nothing is opened.
TEST_F(ReportWindowsTest, TheSummaryButtonsWriteTheirPagesAndOpenThemAndKeepAPageTheyMayNotReplace)
{
    click(label("Image4_0")); // no master record is current
    const fs::path master = folder.file("master_Plan  2026.htm"), summary = folder.write("Status Summary.htm", "old page");
    fs::permissions(summary, fs::perms::owner_read);
    click(label("Image4_10"));
    ASSERT_EQ(fakes.messages.texts.size(), 1u);
    EXPECT_EQ(fakes.messages.texts[0].toStdString(),
              "Could not save the file '" + summary.string()
                  + "': the file is read-only.\n\nThe report page was not written; your records are unchanged.");
    EXPECT_EQ(readFile(summary), "old page");
    fs::permissions(summary, fs::perms::owner_read | fs::perms::owner_write);
    selectPlan();
    click(label("Image4_0"));
    const std::string bytes = readFile(master);
    EXPECT_EQ(bytes, reports::masterReport(state.Records, 1, {"2,Seeds", ""}, kClockReading));
    fs::remove(master);
    click(label("Subs_0"));
    click(label("Image4_0"));
    EXPECT_EQ(readFile(master), bytes);
    click(label("Image4_10"));
    EXPECT_EQ(readFile(summary), reports::statusSummary(state.Records, {"Open      "}, kClockReading));
    EXPECT_EQ(fakes.launcher.opened, (std::vector<QString>{shown(master), shown(master), shown(summary)}));

    openData("", "empty.bcn");
    fs::remove(master);
    fs::remove(summary);
    click(label("Image4_10"));
    click(label("Image4_0"));
    for (const auto& entry : fs::directory_iterator(folder.path()))
        EXPECT_NE(entry.path().extension(), ".htm") << entry.path(); // no page, not even a master page of no name
    EXPECT_EQ(fakes.launcher.opened.size(), 3u);
    EXPECT_EQ(fakes.messages.texts.size(), 1u);
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
    const std::vector<std::string> group{"", "Ann..ann@example.org", "Bob..bob@example.org", "Bob..bob@example.org"};
    const fs::path page = folder.file("emailGroup.htm");
    EXPECT_EQ(readFile(page), reports::emailGroupPage(group, folder.path()));
    windows::EmailGroup& window = owner->emailGroup();
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(fakes.browsers.made.size(), 1u);
    fakes.browsers.made[0]->followMailLink(QUrl(QStringLiteral("mailto:ann@example.org;bob@example.org")));
    EXPECT_EQ(fakes.launcher.mails, std::vector<QString>{"mailto:ann@example.org;bob@example.org"});

    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    addToGroup(1);
    EXPECT_EQ(readFile(page), reports::emailGroupPage({"", "Bob..bob@example.org"}, folder.path()));
    ASSERT_EQ(fakes.browsers.made.size(), 2u);
    EXPECT_EQ(fakes.browsers.made[1]->navigations, (std::vector<QString>{"about:blank", shown(page)}));
}

} // namespace
