#include "support/WindowHarness.h"
#include "windows/links/BrowseFrm.h"
#include "windows/links/LinkFrm.h"
#include "windows/links/NewLinkFrm.h"
#include "windows/links/QuickLinkFrm.h"

#include <QComboBox>
#include <QListWidget>

#include <gmock/gmock.h>

using namespace testing_support;
using windows::TagLabel;
using ::testing::HasSubstr;

namespace {

const std::string kLinks = crlfLines({
    "000010000001Open      Garden\xAC",
    "000010000002Ann\xAC" "Ann@example.org",
    "000010000002Bob\xAC" "Bob@example.org",
    "000010000002Cy\xAC" "Cy@example.org",
    "000010000002Di\xAC" "Di@example.org",
    "000010000003Shed\xAC" "/home/me/shed",
    "000010000005One\xAC" "https://one.example",
    "000010000005Two\xAC" "https://two.example",
    "000010000005One\xAC" "https://one.example",
    "000020000101Seeds\xAC",
    "000030000001Open      Car\xAC",
    "000030000005One\xAC" "https://one.example",
});

class LinkWindowsTest : public ::testing::Test, public WindowHarness {
protected:
    void SetUp() override
    {
        openData(kLinks);
        search("garden");
        click(label("Res_0"));
    }
    void tab(int kind) { click(command(kind - 1)); }
    windows::NewLinkFrm& editor() { return owner->newLinkFrm(); }
    TagLabel* editorButton(int index) { return label(&editor(), QStringLiteral("Label1_%1").arg(index)); }
    void typeLink(const QString& description, const QString& target)
    {
        editor().LinkDescription->setText(description);
        editor().LinkTxt->setText(target);
        click(editorButton(1));
    }
    windows::LinkFrm& clickLinkRow(int row)
    {
        click(label(QStringLiteral("resB_%1").arg(row)));
        return owner->linkFrm();
    }
    void menuEntry(int row, int entry) { click(label(&clickLinkRow(row), QStringLiteral("LinkType_%1").arg(entry))); }
    static int opacity(QWidget& window) { return qRound(window.windowOpacity() * 255); }
};

TEST_F(LinkWindowsTest, AFifthLinkPagesTheRowsAndThePagedRowsAreTheLinksTheyShow)
{
    tab(1);
    EXPECT_EQ(captions("resA", 4) << label("resB_1")->Tag, QStringList({"Ann", "Bob", "Cy", "Di", "2"}));
    EXPECT_EQ(scrolling("VScroll2"), "hidden");
    click(label("Image3_3"));
    typeLink("Eve", "eve@example.org");
    EXPECT_EQ(scrolling("VScroll2"), "1..2 at 1");
    EXPECT_EQ(label("resA_0")->text() + label("Label1_0")->text(), "Annemail  [5]");
    EXPECT_THAT(readFile(state.DataFilePath), HasSubstr("Di@example.org\r\n000010000002Eve\xAC" "eve@example.org\r\n000010000003Shed"));

    bar("VScroll2")->setValue(2);
    EXPECT_EQ(captions("resA", 4) << label("resB_3")->Tag, QStringList({"Bob", "Cy", "Di", "Eve", "5"}));
    menuEntry(3, 2); // edit the last one, shown in the last row
    EXPECT_EQ(editor().LinkDescription->text() + " " + editor().LinkTxt->text(), "Eve eve@example.org");
    typeLink("Eva", "eva@example.org"); // in place, the others as they were
    EXPECT_THAT(readFile(state.DataFilePath), HasSubstr("Di@example.org\r\n000010000002Eva\xAC" "eva@example.org\r\n000010000003Shed"));
}

// The add / edit link window and the link menu: prompt, browse button, captions and
// opacity follow the link kind (the menu is less see-through in black and white);
// a row emptied under the pointer loses its hover colour.
TEST_F(LinkWindowsTest, TheLinkWindowsFollowTheKindAndAnEmptiedRowLosesItsHoverColour)
{
    const char* prompts[] = {"type / paste email address below:", "type / paste folder location below or click browse:",
                             "type / paste file location below or click browse:", "type / paste web URL address below:"};
    const char* captions[4][4] = {
        {"send email", "add to group", "edit email", "delete email"},
        {"preview folder", "open folder", "edit folder item", "delete folder item"},
        {"preview file", "open file", "edit file item", "delete file item"},
        {"preview URL", "open URL", "edit URL item", "delete URL item"},
    };
    for (int kind = 1; kind <= 4; ++kind) {
        tab(kind);
        click(label("Image3_3"));
        EXPECT_EQ(label(&editor(), "Label2_2")->text(), prompts[kind - 1]);
        EXPECT_EQ(editorButton(2)->isHidden(), kind == 1 || kind == 4) << kind;
        windows::LinkFrm& menu = owner->linkFrm();
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(label(&menu, QStringLiteral("LinkType_%1").arg(i))->text(), captions[kind - 1][i]);
        EXPECT_EQ(std::pair(opacity(editor()), opacity(menu)), std::pair(220, 190));
        owner->unloadLinkFrm();
    }
    click(label("cols9_6"));
    tab(1);
    windows::LinkFrm& menu = clickLinkRow(0);
    EXPECT_EQ(opacity(menu), 230);
    TagLabel* entry = label(&menu, "LinkType_1");
    hover(entry);
    EXPECT_EQ(QList<uint>({entry->backColour(), entry->foreColour(), label(&menu, "LinkType_0")->backColour()}),
              QList<uint>({0u, 0xFFFFFFu, 0xFFFFFFu}));
    window->Form_MouseMove(); // the background of the main window closes the menu
    EXPECT_FALSE(owner->isLinkFrmLoaded());
    // A row emptied under the pointer loses its hover colour.
    TagLabel* row = label("resA_1");
    hover(row);
    ASSERT_EQ(row->backColour(), 0u);
    tab(2); // one folder: row 0 is refilled, rows 1 to 3 emptied
    EXPECT_EQ(row->text(), "");
    EXPECT_EQ(row->backColour(), 0xFFFFFFu);
}

TEST_F(LinkWindowsTest, MenuEntriesMailCollectOpenThroughTheShellAndDelete)
{
    tab(1);
    menuEntry(1, 0);
    EXPECT_EQ(fakes.launcher.mails, std::vector<QString>{"mailto: Bob@example.org"});
    menuEntry(1, 1);
    menuEntry(1, 1);
    EXPECT_EQ(state.EmailGroup, (std::vector<std::string>{"", "Bob..Bob@example.org", "Bob..Bob@example.org"}));
    tab(2);
    fakes.launcher.result = 3;
    menuEntry(0, 1);
    EXPECT_EQ(fakes.launcher.opened, std::vector<QString>{"/home/me/shed"});
    EXPECT_EQ(fakes.messages.texts, std::vector<QString>{"Path not found"});

    // Deleting one of two identical links takes both, not another record's.
    tab(4);
    menuEntry(0, 3);
    EXPECT_EQ(state.Records[1].WebLinks.upperBound() + state.Records[3].WebLinks.upperBound(), 2);
    EXPECT_EQ(state.Records[1].WebLinks[1], "Two\xAC" "https://two.example");
    EXPECT_EQ(label("Label1_3")->text(), "web  [1]");
    EXPECT_FALSE(owner->isLinkFrmLoaded());
}

// The quick links list each web link once and hand the chosen one over; the file
// picker hands over the chosen file.
TEST_F(LinkWindowsTest, QuickLinksAndTheFilePickerFillTheLinkWindow)
{
    tab(4);
    click(label("Image3_3"));
    click(editorButton(3));
    auto* links = find<QListWidget>(&owner->quickLinkFrm(), "List1");
    EXPECT_EQ(links->count(), 2);
    links->setCurrentRow(1);
    click(label(&owner->quickLinkFrm(), "Label1_1"));
    EXPECT_EQ(editor().LinkDescription->text() + " " + editor().LinkTxt->text(), "Two https://two.example");
    folder.write("report.odt", "x");
    tab(3);
    click(label("Image3_3"));
    windows::BrowseFrm& picker = owner->browseFrm();
    picker.setFolder(QString::fromStdString(folder.path().string()));
    auto* files = find<QListWidget>(&picker, "File1");
    files->setCurrentItem(files->findItems("report.odt", Qt::MatchExactly).at(0));
    click(label(&picker, "Label1_1"));
    EXPECT_EQ(editor().LinkTxt->text(), QString::fromStdString(folder.file("report.odt").string()));
    // A folder link's picker takes only folders, and opens again where it was left
    // after a drive was picked.
    const QString inner = QString::fromStdString((folder.path() / "inner").string());
    std::filesystem::create_directory(inner.toStdString());
    tab(2);
    click(label("Image3_3"));
    click(editorButton(2));
    EXPECT_FALSE(find<QListWidget>(&owner->browseFrm(), "File1")->isEnabled());
    auto* drives = find<QComboBox>(&owner->browseFrm(), "Drive1");
    drives->setCurrentIndex(0);
    emit drives->activated(0); // the user picks a drive
    owner->browseFrm().setFolder(inner);
    click(label(&owner->browseFrm(), "Label1_2")); // "exit"
    click(editorButton(2));
    EXPECT_EQ(label(&owner->browseFrm(), "Label1_0")->caption(), inner);
}

TEST_F(LinkWindowsTest, LongLinksAreCutWithTheWholeTextInTheirTooltipAndTheMenu)
{
    const QString longTarget = QStringLiteral("https://example.org/a/very/long/address/that/cannot/fit/in/one/row.html");
    tab(4);
    click(label("Image3_3"));
    typeLink("A description far too long for its narrow cell", longTarget);
    TagLabel* target = label("resB_3");
    EXPECT_TRUE(target->text().endsWith(QStringLiteral("...")) && longTarget.startsWith(target->text().chopped(3)));
    EXPECT_EQ(QStringList({target->toolTip(), label("resA_0")->toolTip()}), QStringList({longTarget, ""})); // "One" fits
    clickLinkRow(3);
    EXPECT_EQ(state.SelectedLinkTarget, longTarget.toStdString());
}

} // namespace
