#include "support/WindowHarness.h"
#include "windows/controls/Colours.h"
#include "windows/links/LinkFrm.h"
#include "windows/links/NewLinkFrm.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdio>

using namespace testing_support;
using windows::TagLabel;

namespace {

// Colours as the program keeps them: red in the low byte.
constexpr std::uint32_t rgb(int red, int green, int blue)
{
    return static_cast<std::uint32_t>(red | green << 8 | blue << 16);
}
constexpr std::uint32_t kWhite = rgb(255, 255, 255);

// Garden with two sub records and links, a car with a garage note, taxes.
const std::string kGarden = crlfLines({
    "000010000001Open      Garden\xAC" "weeds\xAC" "seeds",
    "000010000002Ann\xAC" "ann@example.org",
    "000010000002Bob\xAC" "bob@example.org",
    "000010000005Seeds\xAC" "https://example.org",
    "000020000101garden tools\xAC",
    "000030000101Fence",
    "000030000104Plan\xAC" "/home/me/plan.pdf",
    "000040000001Done      Car\xAC" "take it to the garage",
    "000050000001open      Taxes\xAC",
});

// Five and six masters, then masters with fifteen and twenty sub records.
std::string pagingFile()
{
    std::string text;
    char line[64];
    int id = 0;
    auto add = [&](const char* format, int parent, int number) {
        std::snprintf(line, sizeof line, format, ++id, parent, number);
        text += line;
        return id;
    };
    for (int i = 0; i < 11; ++i)
        add(i < 5 ? "%05d%05d01          Five-%d\xAC\r\n" : "%05d%05d01          Six-%d\xAC\r\n", 0, i);
    const int fifteen = add("%05d%05d01          Fifteen%d\xAC\r\n", 0, 15);
    for (int i = 1; i <= 15; ++i)
        add("%05d%05d01F%d\r\n", fifteen, i);
    const int twenty = add("%05d%05d01          Twenty%d\xAC\r\n", 0, 20);
    for (int i = 1; i <= 20; ++i)
        add("%05d%05d01T%d\r\n", twenty, i); // T20 is record 48
    return text;
}

// The five shades of every scheme, 1 to 9.
const std::uint32_t kShades[10][5] = {
    {},
    {rgb(224, 224, 224), rgb(192, 192, 192), rgb(128, 128, 128), rgb(64, 64, 64), rgb(0, 0, 0)},
    {rgb(255, 128, 128), rgb(255, 0, 0), rgb(192, 0, 0), rgb(128, 0, 0), rgb(64, 0, 0)},
    {rgb(255, 192, 128), rgb(255, 128, 0), rgb(192, 64, 0), rgb(128, 64, 0), rgb(128, 64, 64)},
    {rgb(255, 255, 128), rgb(255, 255, 0), rgb(192, 192, 0), rgb(128, 128, 0), rgb(64, 64, 0)},
    {rgb(128, 255, 128), rgb(0, 255, 0), rgb(0, 192, 0), rgb(0, 128, 0), rgb(0, 64, 0)},
    {rgb(128, 255, 255), rgb(0, 255, 255), rgb(0, 192, 192), rgb(0, 128, 128), rgb(0, 64, 64)},
    {rgb(128, 128, 255), rgb(0, 0, 255), rgb(0, 0, 192), rgb(0, 0, 128), rgb(0, 0, 64)},
    {rgb(255, 128, 255), rgb(255, 0, 255), rgb(192, 0, 192), rgb(128, 0, 128), rgb(64, 0, 64)},
    {kWhite, rgb(0, 0, 0), rgb(0, 0, 0), rgb(0, 0, 0), kWhite},
};

class DataFrmTest : public ::testing::Test, public WindowHarness {};

TEST_F(DataFrmTest, OpensAsDesignedWithNothingSelectedAndWithoutASettingsFileInGreen)
{
    openData(kGarden);
    QStringList buttons;
    for (int i = 0; i < 10; ++i) {
        const TagLabel* button = label(QStringLiteral("Label1_%1").arg(i));
        buttons << button->text() + "|" + button->toolTip() + (button->isEnabled() ? "|on" : "|off");
    }
    EXPECT_EQ(buttons, QStringList({"email|view emails|off", "folders|view folders|off", "files|view files|off",
                                    "web|view web links|off", "new master record|create new master record|on",
                                    "  new sub record  |create new sub record|off", "save changes|save changes|off",
                                    "delete records|delete record|off", "load new file|load new file|on",
                                    "+ |add date / time stamp|on"}));
    EXPECT_EQ(control("SearchTxt")->toolTip(), "search Master Records");
    EXPECT_EQ(control<QComboBox>("StatusCombo")->currentText(), "search by Status");
    EXPECT_EQ(label("Label9")->text(), QString::fromStdString(state.DataFilePath.string()));
    EXPECT_EQ(fakes.tray.tip, "Click to Launch Brindlecase");
    // The load's search for a blank found the masters whose text has one.
    EXPECT_EQ(window->resultList().stringList(), QStringList({"4-Car"}));
    // No scheme picked yet: the green one is worn and nothing is written.
    EXPECT_EQ(std::vector<std::uint32_t>(state.Shades.begin(), state.Shades.end()),
              std::vector<std::uint32_t>(kShades[5], kShades[5] + 5));
    EXPECT_EQ(state.Settings.ColourScheme, 0);
    EXPECT_FALSE(std::filesystem::exists(folder.file("settings.txt")));
    EXPECT_EQ(qRound(window->windowOpacity() * 255), 255);
    // Without a record there is nothing to type into.
    QTest::keyClicks(note(), "typed");
    EXPECT_EQ(note()->toPlainText(), "");
}

TEST_F(DataFrmTest, ResultRowsShowFiveEntriesWithTheirIndexAndPageTheRest)
{
    openData(pagingFile());
    search("five");
    EXPECT_EQ(captions("Res", 5), QStringList({"Five-0", "Five-1", "Five-2", "Five-3", "Five-4"}));
    EXPECT_EQ(label("Res_4")->Tag, "5");
    EXPECT_FALSE(bar("VScroll1")->isVisible());
    // Deleting the text down to nothing leaves the results as they were.
    search(QString());
    EXPECT_EQ(label("Res_4")->text(), "Five-4");
    search("six");
    ASSERT_TRUE(bar("VScroll1")->isVisible());
    EXPECT_EQ(bar("VScroll1")->maximum(), 1);
    EXPECT_EQ(bar("VScroll1")->value(), 0);
    bar("VScroll1")->setValue(1);
    EXPECT_EQ(captions("Res", 5), QStringList({"Six-6", "Six-7", "Six-8", "Six-9", "Six-10"}));
    EXPECT_EQ(label("Res_0")->Tag, "7");
    search("no such thing");
    EXPECT_EQ(captions("Res", 5), QStringList(5, QString()));
    EXPECT_EQ(label("Res_0")->Tag, "-1");
    EXPECT_FALSE(bar("VScroll1")->isVisible());

    search("fifteen");
    select("Res_0");
    EXPECT_EQ(label("Subs_14")->text(), "F15");
    EXPECT_FALSE(bar("VScroll3")->isVisible());
    search("twenty");
    select("Res_0");
    ASSERT_TRUE(bar("VScroll3")->isVisible());
    EXPECT_EQ(bar("VScroll3")->maximum(), 5);
    EXPECT_EQ(label("Subs_14")->text(), "T15");
    bar("VScroll3")->setValue(5);
    EXPECT_EQ(label("Subs_0")->text(), "T6");
    EXPECT_EQ(label("Subs_14")->text(), "T20");
    EXPECT_EQ(label("Subs_14")->Tag, "48");
}

TEST_F(DataFrmTest, ClickingAMasterRowShowsItsSubRecordsLinksStatusAndNoteAndTheStatusBoxFilters)
{
    openData(kGarden);
    search("garden");
    click(label("Res_0"));
    EXPECT_EQ(state.CurrentMaster, 1);
    EXPECT_EQ(captions("Subs", 3), QStringList({"garden tools", "Fence", ""}));
    EXPECT_EQ(label("Subs_1")->Tag, "3");
    EXPECT_EQ(captions("Label1", 4),
              QStringList({"email  [2]", "folders  [0]", "files  [0]", "web  [1]"}));
    EXPECT_EQ(control<QLineEdit>("StatusTxt")->text(), "Open");
    EXPECT_TRUE(label("Label1_5")->isEnabled());
    EXPECT_TRUE(label("Label1_7")->isEnabled());
    EXPECT_EQ(label("Res_0")->foreColour(), kWhite);
    finishNote();
    EXPECT_EQ(note()->toPlainText(), "Garden\nweeds\nseeds");
    // Filling the status box while the note was shown did not count as an edit;
    // typing in it does.
    EXPECT_FALSE(label("Label1_6")->isEnabled());
    QTest::keyClicks(control<QLineEdit>("StatusTxt"), "x");
    EXPECT_TRUE(label("Label1_6")->isEnabled());

    select("Subs_1");
    EXPECT_EQ(state.CurrentSub, 3);
    EXPECT_EQ(state.CurrentMaster, 1);
    EXPECT_EQ(captions("Label1", 4),
              QStringList({"email  [0]", "folders  [0]", "files  [1]", "web  [0]"}));
    EXPECT_EQ(note()->toPlainText(), "Fence");
    // An empty row does nothing.
    click(label("Subs_5"));
    EXPECT_EQ(state.CurrentSub, 3);
    click(label("Res_3"));
    EXPECT_EQ(state.CurrentMaster, 1);

    // The status box lists the stored statuses; choosing one lists exactly those.
    auto* combo = control<QComboBox>("StatusCombo");
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(2), "open      ");
    combo->setCurrentIndex(0);
    window->StatusCombo_Click();
    EXPECT_EQ(captions("Res", 2), QStringList({"Garden", ""}));
    EXPECT_EQ(control<QLineEdit>("SearchTxt")->text(), "");
    EXPECT_EQ(state.CurrentMaster, -1);
}

TEST_F(DataFrmTest, TheTypewriterTypesOneCharacterPerTickAndAKeyFinishesIt)
{
    writeSettings(" 0 \r\n 0 \r\nFalse\r\nTrue\r\n 1 \r\n 2 \r\n");
    openData(kGarden);
    search("car");
    click(label("Res_0"));
    int ticks = 0; // the note text "Car\r\ntake it to the garage" has 26 characters
    while (window->isTyping() && ticks < 1000) {
        window->Timer1_Timer();
        if (++ticks == 3) {
            EXPECT_EQ(note()->toPlainText(), "Car");
        }
    }
    EXPECT_EQ(ticks, 25);
    EXPECT_EQ(note()->toPlainText(), "Car\ntake it to the garage");
    EXPECT_FALSE(label("Label2_5")->isVisible());

    click(label("Res_0"));
    window->Timer1_Timer();
    QTest::keyClick(note(), Qt::Key_X);
    EXPECT_TRUE(window->isTyping());
    window->Timer1_Timer();
    EXPECT_FALSE(window->isTyping());
    EXPECT_EQ(note()->toPlainText(), "Car\ntake it to the garage");
}

// The shades of every scheme, the swatches that show them (element 0 is the light
// swatch no one reads; scheme 9 has a single white swatch), and the rows and
// buttons painted with them: rows in shade 5 with text in shade 3, buttons in
// shade 4, a hovered row in shade 4 (black and white: the two swapped).
TEST_F(DataFrmTest, EverySchemeTakesItsFiveShadesShowsThemInItsSwatchesAndPaintsWithThem)
{
    const std::uint32_t lightSwatches[9] = {0, kWhite, rgb(255, 192, 192), rgb(255, 224, 192), rgb(255, 255, 192),
                                            rgb(192, 255, 192), rgb(192, 255, 255), rgb(192, 192, 255), rgb(255, 192, 255)};
    openData(kGarden);
    for (int scheme = 1; scheme <= 8; ++scheme)
        EXPECT_EQ(label(QStringLiteral("cols%1_0").arg(scheme))->backColour(), lightSwatches[scheme]);
    search("garden");
    TagLabel* row = label("Res_0");
    for (int scheme = 1; scheme <= 9; ++scheme) {
        SCOPED_TRACE(scheme);
        click(label(QStringLiteral("cols%1_%2").arg(scheme).arg(scheme == 9 ? 6 : 1)));
        EXPECT_EQ(state.Settings.ColourScheme, scheme);
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(state.Shades[k], kShades[scheme][k]) << "shade " << k + 1;
            EXPECT_EQ(label(scheme == 9 ? QStringLiteral("cols9_6") : QStringLiteral("cols%1_%2").arg(scheme).arg(k + 1))
                          ->backColour(), scheme == 9 ? kWhite : kShades[scheme][k]);
        }
        EXPECT_EQ(row->backColour(), kShades[scheme][4]);
        EXPECT_EQ(row->foreColour(), kShades[scheme][2]);
        EXPECT_EQ(command(4)->backColour(), kShades[scheme][3]);
        hover(row);
        EXPECT_EQ(row->backColour(), scheme == 9 ? 0u : kShades[scheme][3]);
        EXPECT_EQ(row->foreColour(), scheme == 9 ? kWhite : kShades[scheme][2]);
        hover(label("Res_1")); // an empty row under the pointer is not highlighted
        EXPECT_EQ(row->backColour(), kShades[scheme][4]);
        EXPECT_EQ(label("Res_1")->backColour(), kShades[scheme][4]);
    }
    EXPECT_EQ(readFile(folder.file("settings.txt")), " 0 \r\n 0 \r\nFalse\r\nTrue\r\n 1 \r\n 9 \r\n");
}

TEST_F(DataFrmTest, TheStripDragsTheWindowAndTheSoundButtonAndEveryTransparencyCellAreSaved)
{
    writeSettings(" 1500 \r\n 900 \r\nFalse\r\nFalse\r\n 0 \r\n 5 \r\n");
    openData(kGarden);
    EXPECT_EQ(window->pos(), QPoint(100, 60));
    TagLabel* strip = label("instruction_4");
    QTest::mousePress(strip, Qt::LeftButton, Qt::NoModifier, QPoint(400, 10));
    QMouseEvent drag(QEvent::MouseMove, QPointF(410, 15), QPointF(strip->mapToGlobal(QPoint(410, 15))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &drag);
    EXPECT_EQ(window->pos(), QPoint(110, 65));
    TagLabel* sound = label("Image2_2");
    EXPECT_EQ(sound->accessibleName(), "sound off");
    click(sound);
    EXPECT_TRUE(state.Settings.SoundOn);
    EXPECT_EQ(sound->accessibleName(), "sound on");
    EXPECT_EQ(readFile(folder.file("settings.txt")), " 1650 \r\n 975 \r\nTrue\r\nFalse\r\n 0 \r\n 5 \r\n");
    search("garden");
    click(label("Res_0"));
    EXPECT_EQ(fakes.sounds.played, std::vector<int>{1});

    for (int cell = 0; cell < 10; ++cell) {
        click(label(QStringLiteral("Label3_%1").arg(cell)));
        const int level = 255 - 10 * cell; // 165 for the tenth cell
        EXPECT_EQ(state.TransparencyLevel, level);
        EXPECT_EQ(qRound(window->windowOpacity() * 255), level);
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(find<windows::FrameShape>(window, QStringLiteral("Shape3_%1").arg(i))->fillColour(),
                      i <= cell ? rgb(0, 255, 0) : rgb(0, 128, 0));
        }
    }
}

TEST_F(DataFrmTest, HideGoesToTheTrayTheTraysClicksBringItBackAndTheFileMenuOpens)
{
    windows::DataFrm& window = openData(kGarden);
    click(label("Label4"));
    EXPECT_FALSE(window.isVisible());
    fakes.tray.send(517); // the right button only brings it forward
    EXPECT_FALSE(window.isVisible());
    fakes.tray.send(514);
    EXPECT_TRUE(window.isVisible());
    window.showMinimized();
    fakes.tray.send(513);
    EXPECT_TRUE(window.isMinimized());
    fakes.tray.send(515);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());

    // The file menu opens from its picture and closes over the background.
    TagLabel* shutDown = label("Label6");
    EXPECT_FALSE(shutDown->isVisible());
    click(label("Label7"));
    EXPECT_TRUE(shutDown->isVisible());
    EXPECT_TRUE(label("Label8")->isVisible());
    window.Form_MouseMove();
    EXPECT_FALSE(shutDown->isVisible());
}

// What reaches a data file line from the boxes a person types and pastes into: no
// line break ever splits a line, and every character shown comes back unchanged.
class FieldTextTest : public ::testing::Test, public WindowHarness {
protected:
    static void paste(QWidget* into, const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        into->setFocus();
        QTest::keyClick(into, Qt::Key_V, Qt::ControlModifier);
    }
    // Chooses the master found by `searched`, adds "!" at the end of its note and saves.
    void appendToNoteAndSave(const QString& searched)
    {
        search(searched);
        select("Res_0");
        type(note(), QStringLiteral("!"));
        click(command(6));
        finishNote();
    }
    windows::TagLabel* saveLink() { return label(&owner->newLinkFrm(), QStringLiteral("Label1_1")); }
};

TEST_F(FieldTextTest, PastedLineBreaksNeverSplitALineOfTheFile)
{
    openData("");
    click(command(4));
    paste(status(), QStringLiteral("ab\ncd"));
    EXPECT_EQ(status()->text(), "ab cd");
    paste(note(), QStringLiteral("Tax\x01" "es\rsecond\r\nthird"));
    click(command(6));
    finishNote();

    click(command(0)); // the e-mail tab, then a new link
    click(label("Image3_3"));
    paste(owner->newLinkFrm().LinkDescription, QStringLiteral("Ann\r\n\tLee"));
    paste(owner->newLinkFrm().LinkTxt, QStringLiteral("ann@example.org\n"));
    click(saveLink());
    EXPECT_EQ(readFile(state.DataFilePath), "000010000001ab cd     Taxes\xAC" "second\xAC" "third\r\n"
                                            "000010000002Ann Lee\xAC" "ann@example.org \r\n");
    EXPECT_TRUE(fakes.messages.texts.empty());
}

// Every byte the code page shows (0x20 to 0xFF but the line-break mark) goes
// through the status box (ten at a time, one master each), the note box and the
// link boxes and comes back as it was.
TEST_F(FieldTextTest, EveryCharacterShownComesBackByteForByte)
{
    std::string all;
    for (int byte = 0x21; byte <= 0xFF; ++byte) {
        if (byte != 0xAC)
            all += static_cast<char>(byte);
    }
    const std::string spaced = all.substr(0, 100) + " \xA0 " + all.substr(100);
    const int masters = static_cast<int>(all.size() + 9) / 10;
    auto fileWith = [&](const std::string& added) {
        std::string file;
        char key[32];
        for (int k = 1; k <= masters; ++k) {
            const std::string status = all.substr(10 * (k - 1), 10);
            std::snprintf(key, sizeof key, "%05d0000001", k);
            file += key + status + std::string(10 - status.size(), ' ') + "S" + std::to_string(100 + k) + "\xAC" "x" + added + "\r\n";
        }
        std::snprintf(key, sizeof key, "%05d00000", masters + 1);
        return file + key + "01          Whole " + spaced + "\xAC" + spaced + added + "\r\n" + key + "02" + spaced + "\xAC"
            + spaced + added + "\r\n";
    };
    openData(fileWith(""));
    for (int k = 1; k <= masters; ++k)
        appendToNoteAndSave(QStringLiteral("S%1").arg(100 + k));
    appendToNoteAndSave(QStringLiteral("Whole"));
    click(command(0));
    click(label("resB_0"));
    owner->linkFrm().LinkType_Click(2); // "edit email"
    type(owner->newLinkFrm().LinkTxt, QStringLiteral("!"));
    click(saveLink());
    EXPECT_EQ(readFile(state.DataFilePath), fileWith("!"));
    EXPECT_TRUE(fakes.messages.texts.empty());
}

} // namespace
