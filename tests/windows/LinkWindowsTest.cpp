#include "store/DataFile.h"
#include "support/StoreFixtures.h"
#include "support/WindowHarness.h"
#include "windows/controls/Colours.h"
#include "windows/controls/FolderLists.h"
#include "windows/links/BrowseFrm.h"
#include "windows/links/LinkFrm.h"
#include "windows/links/NewLinkFrm.h"
#include "windows/links/QuickLinkFrm.h"
#include "windows/main/DataFrm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include <gtest/gtest.h>

using namespace testing_support;
using windows::DataFrm;
using windows::TagLabel;
using windows::colourRef;
namespace fs = std::filesystem;

namespace {

std::string linkFile()
{
    TempFolder scratch;
    store::AppState s;
    addMaster(s, "Open", "Garden\xAC");                                   // 1
    addSub(s, 1, "Seeds\xAC");                                            // 2
    addMaster(s, "Open", "Car\xAC");                                      // 3
    for (const char* who : {"Ann", "Bob", "Cy", "Di"})
        s.Records[1].Emails.push_back(std::string(who) + "\xAC" + who + "@example.org");
    s.Records[1].Folders.push_back("Shed\xAC" "/home/me/shed");
    s.Records[1].WebLinks.push_back("One\xAC" "https://one.example");
    s.Records[1].WebLinks.push_back("Two\xAC" "https://two.example");
    s.Records[1].WebLinks.push_back("One\xAC" "https://one.example");
    s.Records[3].WebLinks.push_back("One\xAC" "https://one.example");
    s.DataFilePath = scratch.file("made.bcn");
    store::SaveDataFile(s);
    return readFile(s.DataFilePath);
}

class LinkWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = &harness.openData(linkFile());
        search(QStringLiteral("garden"));
        WindowHarness::click(label(QStringLiteral("Res_0")));
    }
    void search(const QString& text) { harness.find<QLineEdit>(window, QStringLiteral("SearchTxt"))->setText(text); }
    TagLabel* label(const QString& name) { return harness.label(window, name); }
    void tab(int kind) { WindowHarness::click(label(QStringLiteral("Label1_%1").arg(kind - 1))); }
    windows::NewLinkFrm& editor() { return harness.owner->newLinkFrm(); }
    void addLink(const QString& description, const QString& target)
    {
        WindowHarness::click(label(QStringLiteral("Image3_3")));
        editor().LinkDescription->setText(description);
        editor().LinkTxt->setText(target);
        WindowHarness::click(harness.label(&editor(), QStringLiteral("Label1_1")));
    }
    windows::LinkFrm& clickLinkRow(int row)
    {
        WindowHarness::click(label(QStringLiteral("resB_%1").arg(row)));
        return harness.owner->linkFrm();
    }
    std::vector<std::string> lines()
    {
        std::vector<std::string> all;
        std::string text = readFile(harness.state.DataFilePath);
        for (std::size_t start = 0; start < text.size();) {
            const auto end = text.find("\r\n", start);
            all.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return all;
    }

    WindowHarness harness;
    DataFrm* window = nullptr;
};

TEST_F(LinkWindowsTest, AFifthLinkShowsTheScrollBarAndTheNewCount)
{
    tab(1);
    EXPECT_EQ(label(QStringLiteral("resA_3"))->text(), "Di");
    EXPECT_FALSE(harness.find<QScrollBar>(window, QStringLiteral("VScroll2"))->isVisible());
    addLink(QStringLiteral("Eve"), QStringLiteral("eve@example.org"));
    EXPECT_FALSE(harness.owner->isNewLinkFrmLoaded());
    auto* scroll = harness.find<QScrollBar>(window, QStringLiteral("VScroll2"));
    EXPECT_TRUE(scroll->isVisible());
    EXPECT_EQ(scroll->minimum(), 1);
    EXPECT_EQ(scroll->maximum(), 2);
    EXPECT_EQ(scroll->value(), 1);
    EXPECT_EQ(label(QStringLiteral("resA_0"))->text(), "Ann");
    EXPECT_EQ(label(QStringLiteral("Label1_0"))->text(), "email  [5]");
    scroll->setValue(2);
    EXPECT_EQ(label(QStringLiteral("resA_3"))->text(), "Eve");
    EXPECT_EQ(lines()[5], "000010000002Eve\xAC" "eve@example.org");
}

TEST_F(LinkWindowsTest, EditingTheThirdOfThreeReplacesItInPlace)
{
    tab(4);
    windows::LinkFrm& menu = clickLinkRow(2);
    EXPECT_EQ(harness.label(&menu, QStringLiteral("LinkType_2"))->text(), "edit URL item");
    WindowHarness::click(harness.label(&menu, QStringLiteral("LinkType_2")));
    EXPECT_TRUE(harness.state.EditingLink);
    EXPECT_EQ(editor().LinkDescription->text(), "One");
    EXPECT_EQ(editor().LinkTxt->text(), "https://one.example");
    // The edit opening keeps the window's own prompt and browse button.
    EXPECT_EQ(harness.label(&editor(), QStringLiteral("Label2_2"))->text(), "type / paste link below");
    EXPECT_FALSE(harness.label(&editor(), QStringLiteral("Label1_2"))->isHidden());
    editor().LinkDescription->setText(QStringLiteral("Three"));
    editor().LinkTxt->setText(QStringLiteral("https://three.example"));
    WindowHarness::click(harness.label(&editor(), QStringLiteral("Label1_1")));
    const auto all = lines();
    EXPECT_EQ(all[6], "000010000005One\xAC" "https://one.example");
    EXPECT_EQ(all[7], "000010000005Two\xAC" "https://two.example");
    EXPECT_EQ(all[8], "000010000005Three\xAC" "https://three.example");
    EXPECT_EQ(all[9], "000020000101Seeds\xAC");
    EXPECT_EQ(label(QStringLiteral("Label1_3"))->text(), "web  [3]");
}

TEST_F(LinkWindowsTest, DeletingOneOfTwoIdenticalLinksTakesBothButNotAnotherRecords)
{
    tab(4);
    windows::LinkFrm& menu = clickLinkRow(0);
    EXPECT_EQ(harness.label(&menu, QStringLiteral("LinkType_3"))->text(), "delete URL item");
    WindowHarness::click(harness.label(&menu, QStringLiteral("LinkType_3")));
    EXPECT_EQ(harness.state.Records[1].WebLinks.upperBound(), 1);
    EXPECT_EQ(harness.state.Records[1].WebLinks[1], "Two\xAC" "https://two.example");
    EXPECT_EQ(harness.state.Records[3].WebLinks.upperBound(), 1);
    EXPECT_EQ(label(QStringLiteral("Label1_3"))->text(), "web  [1]");
    EXPECT_EQ(harness.state.CurrentMaster, -1);
    EXPECT_FALSE(harness.owner->isLinkFrmLoaded());
}

TEST_F(LinkWindowsTest, ASubRecordsLinksGoToTheSubRecord)
{
    WindowHarness::click(label(QStringLiteral("Subs_0")));
    tab(3);
    addLink(QStringLiteral("Plan"), QStringLiteral("/home/me/plan.pdf"));
    EXPECT_EQ(harness.state.Records[2].Files.upperBound(), 1);
    EXPECT_EQ(harness.state.Records[1].Files.upperBound(), 0);
    EXPECT_EQ(lines()[10], "000020000104Plan\xAC" "/home/me/plan.pdf");
}

TEST_F(LinkWindowsTest, SavingNeedsALinkFirstThenADescription)
{
    tab(1);
    WindowHarness::click(label(QStringLiteral("Image3_3")));
    TagLabel* save = harness.label(&editor(), QStringLiteral("Label1_1"));
    WindowHarness::click(save);
    EXPECT_EQ(editor().focusWidget(), editor().LinkTxt);
    editor().LinkTxt->setText(QStringLiteral("x@example.org"));
    WindowHarness::click(save);
    EXPECT_EQ(editor().focusWidget(), editor().LinkDescription);
    EXPECT_TRUE(harness.owner->isNewLinkFrmLoaded());
    EXPECT_EQ(harness.state.Records[1].Emails.upperBound(), 4);
}

TEST_F(LinkWindowsTest, PromptsFollowTheLinkKind)
{
    const char* prompts[] = {"type / paste email address below:", "type / paste folder location below or click browse:",
                             "type / paste file location below or click browse:", "type / paste web URL address below:"};
    for (int kind = 1; kind <= 4; ++kind) {
        tab(kind);
        WindowHarness::click(label(QStringLiteral("Image3_3")));
        EXPECT_EQ(harness.label(&editor(), QStringLiteral("Label2_2"))->text(), prompts[kind - 1]);
        EXPECT_EQ(harness.label(&editor(), QStringLiteral("Label1_2"))->isHidden(), kind == 1 || kind == 4) << kind;
    }
}

TEST_F(LinkWindowsTest, TheMenuNamesItsEntriesAfterTheKindAndHoversInBlackAndWhite)
{
    tab(1);
    windows::LinkFrm& menu = clickLinkRow(0);
    const char* captions[] = {"send email", "add to group", "edit email", "delete email"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(harness.label(&menu, QStringLiteral("LinkType_%1").arg(i))->text(), captions[i]);
    TagLabel* entry = harness.label(&menu, QStringLiteral("LinkType_1"));
    WindowHarness::hover(entry);
    EXPECT_EQ(entry->backColour(), windows::kBlack);
    EXPECT_EQ(entry->foreColour(), windows::kWhite);
    EXPECT_EQ(harness.label(&menu, QStringLiteral("LinkType_0"))->backColour(), windows::kWhite);
    EXPECT_NEAR(menu.windowOpacity(), 190 / 255.0, 0.01);
    // The background of the main window closes the menu.
    window->Form_MouseMove();
    EXPECT_FALSE(harness.owner->isLinkFrmLoaded());
}

TEST_F(LinkWindowsTest, MailEntriesStartAMailOrCollectTheAddress)
{
    tab(1);
    WindowHarness::click(harness.label(&clickLinkRow(1), QStringLiteral("LinkType_0")));
    ASSERT_EQ(harness.fakes.launcher.mails.size(), 1u);
    EXPECT_EQ(harness.fakes.launcher.mails[0], "mailto: Bob@example.org");
    WindowHarness::click(harness.label(&clickLinkRow(1), QStringLiteral("LinkType_1")));
    WindowHarness::click(harness.label(&clickLinkRow(1), QStringLiteral("LinkType_1")));
    EXPECT_EQ(harness.state.EmailGroup, (std::vector<std::string>{"", "Bob..Bob@example.org", "Bob..Bob@example.org"}));
}

TEST_F(LinkWindowsTest, OpenEntriesGoThroughTheShellAndReportFailures)
{
    tab(2);
    harness.fakes.launcher.result = 3;
    windows::LinkFrm& menu = clickLinkRow(0);
    EXPECT_EQ(harness.label(&menu, QStringLiteral("LinkType_1"))->text(), "open folder");
    WindowHarness::click(harness.label(&menu, QStringLiteral("LinkType_1")));
    EXPECT_EQ(harness.fakes.launcher.opened, std::vector<QString>{"/home/me/shed"});
    EXPECT_EQ(harness.fakes.messages.texts, std::vector<QString>{"Path not found"});
}

TEST_F(LinkWindowsTest, QuickLinksListDuplicatesOnceAndCopyIntoBothBoxes)
{
    tab(4);
    WindowHarness::click(label(QStringLiteral("Image3_3")));
    WindowHarness::click(harness.label(&editor(), QStringLiteral("Label1_3")));
    windows::QuickLinkFrm& quick = harness.owner->quickLinkFrm();
    auto* list = harness.find<QListWidget>(&quick, QStringLiteral("List1"));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "One ~ https://one.example");
    EXPECT_EQ(list->item(1)->text(), "Two ~ https://two.example");
    WindowHarness::click(harness.label(&quick, QStringLiteral("Label1_1")));
    EXPECT_TRUE(harness.owner->isQuickLinkFrmLoaded()); // nothing chosen: nothing happens
    list->setCurrentRow(1);
    WindowHarness::click(harness.label(&quick, QStringLiteral("Label1_1")));
    EXPECT_EQ(editor().LinkDescription->text(), "Two");
    EXPECT_EQ(editor().LinkTxt->text(), "https://two.example");
    EXPECT_FALSE(harness.owner->isQuickLinkFrmLoaded());
}

TEST_F(LinkWindowsTest, ThePickerRemembersItsFolderAndTakesOnlyFoldersForFolderLinks)
{
    harness.folder.write("report.odt", "x");
    tab(3);
    WindowHarness::click(label(QStringLiteral("Image3_3")));
    windows::BrowseFrm& picker = harness.owner->browseFrm();
    picker.setFolder(QString::fromStdString(harness.folder.path().string()));
    auto* files = harness.find<QListWidget>(&picker, QStringLiteral("File1"));
    files->setCurrentRow(files->row(files->findItems(QStringLiteral("report.odt"), Qt::MatchExactly).at(0)));
    WindowHarness::click(harness.label(&picker, QStringLiteral("Label1_1")));
    EXPECT_EQ(editor().LinkTxt->text(), QString::fromStdString((harness.folder.path() / "report.odt").string()));

    tab(2);
    WindowHarness::click(label(QStringLiteral("Image3_3")));
    WindowHarness::click(harness.label(&editor(), QStringLiteral("Label1_2")));
    windows::BrowseFrm& again = harness.owner->browseFrm();
    EXPECT_FALSE(harness.find<QListWidget>(&again, QStringLiteral("File1"))->isEnabled());
    EXPECT_EQ(harness.label(&again, QStringLiteral("Label1_0"))->text(), QString::fromStdString(harness.folder.path().string()));
}

TEST_F(LinkWindowsTest, ThePickerOpensWhereItWasLeftAfterADriveWasPicked)
{
    const fs::path inner = harness.folder.path() / "inner";
    fs::create_directory(inner);
    tab(3);
    WindowHarness::click(label(QStringLiteral("Image3_3")));
    WindowHarness::click(harness.label(&editor(), QStringLiteral("Label1_2")));
    windows::BrowseFrm& picker = harness.owner->browseFrm();
    auto* drives = harness.find<QComboBox>(&picker, QStringLiteral("Drive1"));
    drives->setCurrentIndex(0);
    emit drives->activated(0); // the user picks a drive
    picker.setFolder(QString::fromStdString(inner.string()));
    WindowHarness::click(harness.label(&picker, QStringLiteral("Label1_2"))); // "exit"

    WindowHarness::click(harness.label(&editor(), QStringLiteral("Label1_2")));
    windows::BrowseFrm& again = harness.owner->browseFrm();
    EXPECT_EQ(harness.label(&again, QStringLiteral("Label1_0"))->text(), QString::fromStdString(inner.string()));
}

TEST_F(LinkWindowsTest, LongLinksAreCutWithTheWholeTextInTheirTooltipAndTheMenu)
{
    const QString longTarget = QStringLiteral("https://example.org/a/very/long/address/that/cannot/fit/in/one/row.html");
    tab(4);
    addLink(QStringLiteral("A description far too long for its narrow cell"), longTarget);
    TagLabel* target = label(QStringLiteral("resB_3"));
    EXPECT_TRUE(target->text().endsWith(QStringLiteral("...")));
    EXPECT_TRUE(longTarget.startsWith(target->text().chopped(3)));
    EXPECT_LE(target->fontMetrics().horizontalAdvance(target->text()), target->contentsRect().width());
    EXPECT_EQ(target->toolTip(), longTarget);
    EXPECT_EQ(label(QStringLiteral("resA_3"))->toolTip(), "A description far too long for its narrow cell");
    EXPECT_TRUE(label(QStringLiteral("resA_0"))->toolTip().isEmpty()); // "One" fits
    clickLinkRow(3);
    EXPECT_EQ(harness.state.SelectedLinkTarget, longTarget.toStdString());

    // Every tab has room for a two-digit count.
    for (int kind = 0; kind < 4; ++kind) {
        TagLabel* button = label(QStringLiteral("Label1_%1").arg(kind));
        const QString widest = QStringList({"email", "folders", "files", "web"})[kind] + QStringLiteral("  [88]");
        EXPECT_LE(button->fontMetrics().horizontalAdvance(widest), button->contentsRect().width()) << kind;
    }
}

TEST_F(LinkWindowsTest, ARowEmptiedUnderThePointerLosesItsHoverColour)
{
    window->cols_Click(5);
    tab(1);
    TagLabel* row = label(QStringLiteral("resA_1"));
    WindowHarness::hover(row);
    ASSERT_EQ(row->backColour(), colourRef(0, 128, 0));
    tab(2); // one folder: row 0 is refilled, rows 1 to 3 emptied
    EXPECT_EQ(row->text(), "");
    EXPECT_EQ(row->backColour(), colourRef(0, 64, 0));
}

TEST(FolderLists, RootPathsHaveASingleSeparator)
{
    EXPECT_EQ(windows::filePath(QStringLiteral("/"), QStringLiteral("notes.bcn")), "/notes.bcn");
    EXPECT_EQ(windows::filePath(QStringLiteral("/home/me"), QStringLiteral("notes.bcn")), "/home/me/notes.bcn");
}

} // namespace
