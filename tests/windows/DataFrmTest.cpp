#include "support/WindowHarness.h"
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
    auto add = [&](int parent, const char* caption, int number) {
        std::snprintf(line, sizeof line, "%05d%05d01%s%d%s\r\n", ++id, parent, caption, number, parent ? "" : "\xAC");
        text += line;
        return id;
    };
    for (int i = 0; i < 11; ++i)
        add(0, i < 5 ? "          Five-" : "          Six-", i);
    for (const int count : {15, 20}) {
        const int master = add(0, count == 15 ? "          Fifteen" : "          Twenty", count);
        for (int i = 1; i <= count; ++i)
            add(master, count == 15 ? "F" : "T", i); // T20 is record 48
    }
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

TEST_F(DataFrmTest, OpensAsDesignedInGreenWithNothingSelectedAndHidesToTheTray)
{
    openData(kGarden);
    QStringList buttons;
    for (int i = 0; i < 10; ++i)
        buttons << command(i)->text() + "|" + command(i)->toolTip() + (command(i)->isEnabled() ? "|on" : "|off");
    EXPECT_EQ(buttons, QStringList({"email|view emails|off", "folders|view folders|off", "files|view files|off",
                                    "web|view web links|off", "new master record|create new master record|on",
                                    "  new sub record  |create new sub record|off", "save changes|save changes|off",
                                    "delete records|delete record|off", "load new file|load new file|on",
                                    "+ |add date / time stamp|on"}));
    EXPECT_EQ(QStringList({control("SearchTxt")->toolTip(), control<QComboBox>("StatusCombo")->currentText(),
                           label("Label9")->text(), fakes.tray.tip}),
              QStringList({"search Master Records", "search by Status", QString::fromStdString(state.DataFilePath.string()),
                           "Click to Launch Brindlecase"}));
    // The load's search for a blank found the masters whose text has one.
    EXPECT_EQ(window->resultList().stringList(), QStringList({"4-Car"}));
    // No scheme picked yet: the green one is worn and nothing is written.
    EXPECT_EQ(std::vector<std::uint32_t>(state.Shades.begin(), state.Shades.end()),
              std::vector<std::uint32_t>(kShades[5], kShades[5] + 5));
    EXPECT_EQ(state.Settings.ColourScheme, 0);
    EXPECT_FALSE(std::filesystem::exists(folder.file("settings.txt")));
    EXPECT_EQ(qRound(window->windowOpacity() * 255), 255);

    // "hide" goes to the tray; the tray's clicks bring the window back.
    click(label("Label4"));
    QString seen = window->isVisible() ? "shown" : "hidden";
    auto trayClick = [&](int code) {
        fakes.tray.send(code);
        seen += window->isMinimized() ? " minimized" : window->isVisible() ? " shown" : " hidden";
    };
    trayClick(517); // the right button only brings it forward
    trayClick(514);
    window->showMinimized();
    trayClick(513);
    trayClick(515);
    EXPECT_EQ(seen, "hidden hidden shown minimized shown");
}

TEST_F(DataFrmTest, ResultRowsShowFiveEntriesWithTheirIndexAndPageTheRest)
{
    openData(pagingFile());
    search("five");
    EXPECT_EQ(captions("Res", 5) << label("Res_4")->Tag, QStringList({"Five-0", "Five-1", "Five-2", "Five-3", "Five-4", "5"}));
    EXPECT_EQ(scrolling("VScroll1"), "hidden");
    search(QString()); // deleting the text down to nothing leaves the results as they were
    EXPECT_EQ(label("Res_4")->text(), "Five-4");
    search("six");
    EXPECT_EQ(scrolling("VScroll1"), "0..1 at 0");
    bar("VScroll1")->setValue(1);
    EXPECT_EQ(captions("Res", 5) << label("Res_0")->Tag, QStringList({"Six-6", "Six-7", "Six-8", "Six-9", "Six-10", "7"}));
    search("no such thing");
    EXPECT_EQ(captions("Res", 5) << label("Res_0")->Tag, QStringList({"", "", "", "", "", "-1"}));
    EXPECT_EQ(scrolling("VScroll1"), "hidden");

    chooseMaster("fifteen");
    EXPECT_EQ(label("Subs_14")->text(), "F15");
    EXPECT_EQ(scrolling("VScroll3"), "hidden");
    chooseMaster("twenty");
    EXPECT_EQ(scrolling("VScroll3"), "0..5 at 0");
    EXPECT_EQ(label("Subs_14")->text(), "T15");
    bar("VScroll3")->setValue(5);
    EXPECT_EQ(QStringList({label("Subs_0")->text(), label("Subs_14")->text(), label("Subs_14")->Tag}),
              QStringList({"T6", "T20", "48"}));
}

TEST_F(DataFrmTest, ClickingAMasterRowShowsItsSubRecordsLinksStatusAndNoteAndTheStatusBoxFilters)
{
    openData(kGarden);
    search("garden");
    click(label("Res_0"));
    EXPECT_EQ(captions("Subs", 3) << label("Subs_1")->Tag, QStringList({"garden tools", "Fence", "", "3"}));
    EXPECT_EQ(captions("Label1", 4), QStringList({"email  [2]", "folders  [0]", "files  [0]", "web  [1]"}));
    EXPECT_EQ(status()->text(), "Open");
    EXPECT_TRUE(command(5)->isEnabled() && command(7)->isEnabled());
    finishNote();
    EXPECT_EQ(note()->toPlainText(), "Garden\nweeds\nseeds");
    // Filling the status box while the note was shown did not count as an edit;
    // typing in it does.
    EXPECT_FALSE(command(6)->isEnabled());
    QTest::keyClicks(status(), "x");
    EXPECT_TRUE(command(6)->isEnabled());

    select("Subs_1");
    EXPECT_EQ(captions("Label1", 4), QStringList({"email  [0]", "folders  [0]", "files  [1]", "web  [0]"}));
    EXPECT_EQ(note()->toPlainText(), "Fence");
    click(label("Subs_5")); // empty rows do nothing
    click(label("Res_3"));
    EXPECT_EQ(std::to_string(state.CurrentMaster) + "/" + std::to_string(state.CurrentSub), "1/3");

    // The status box lists the stored statuses; choosing one lists exactly those.
    auto* combo = control<QComboBox>("StatusCombo");
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(2), "open      ");
    combo->setCurrentIndex(0);
    window->StatusCombo_Click();
    EXPECT_EQ(captions("Res", 2) << control<QLineEdit>("SearchTxt")->text(), QStringList({"Garden", "", ""}));
    EXPECT_EQ(state.CurrentMaster, -1);
}

TEST_F(DataFrmTest, TheTypewriterTypesOneCharacterPerTickAndAKeyFinishesIt)
{
    writeSettings(" 0 \r\n 0 \r\nFalse\r\nTrue\r\n 1 \r\n 2 \r\n");
    openData(kGarden);
    search("car");
    click(label("Res_0"));
    int ticks = 0; // the note text "Car\r\ntake it to the garage" has 26 characters
    for (; window->isTyping() && ticks < 1000; ++ticks) {
        window->Timer1_Timer();
        if (ticks == 2) {
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
    using Colours = std::pair<std::uint32_t, std::uint32_t>; // background, text
    auto colours = [](TagLabel* shown) { return Colours(shown->backColour(), shown->foreColour()); };
    for (int scheme = 1; scheme <= 9; ++scheme) {
        SCOPED_TRACE(scheme);
        const std::uint32_t* shade = kShades[scheme];
        click(label(QStringLiteral("cols%1_%2").arg(scheme).arg(scheme == 9 ? 6 : 1)));
        EXPECT_EQ(state.Settings.ColourScheme, scheme);
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(state.Shades[k], shade[k]) << "shade " << k + 1;
            EXPECT_EQ(label(scheme == 9 ? QStringLiteral("cols9_6") : QStringLiteral("cols%1_%2").arg(scheme).arg(k + 1))
                          ->backColour(), scheme == 9 ? kWhite : shade[k]);
        }
        EXPECT_EQ(colours(row), Colours(shade[4], shade[2]));
        EXPECT_EQ(command(4)->backColour(), shade[3]);
        hover(row);
        EXPECT_EQ(colours(row), scheme == 9 ? Colours(0, kWhite) : Colours(shade[3], shade[2]));
        hover(label("Res_1")); // an empty row under the pointer is not highlighted
        EXPECT_EQ(Colours(row->backColour(), label("Res_1")->backColour()), Colours(shade[4], shade[4]));
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
    EXPECT_EQ(sound->accessibleName(), "sound on");
    EXPECT_EQ(readFile(folder.file("settings.txt")), " 1650 \r\n 975 \r\nTrue\r\nFalse\r\n 0 \r\n 5 \r\n");
    chooseMaster("garden");
    EXPECT_EQ(fakes.sounds.played, std::vector<int>{1});

    for (int cell = 0; cell < 10; ++cell) {
        click(label(QStringLiteral("Label3_%1").arg(cell)));
        const int level = 255 - 10 * cell; // 165 for the tenth cell
        EXPECT_EQ(std::pair(state.TransparencyLevel, qRound(window->windowOpacity() * 255)), std::pair(level, level));
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(find<windows::FrameShape>(window, QStringLiteral("Shape3_%1").arg(i))->fillColour(),
                      i <= cell ? rgb(0, 255, 0) : rgb(0, 128, 0));
        }
    }
}

// What reaches a data file line from the boxes a person pastes into: no line break
// ever splits a line, and letters of the code page beyond ASCII come back as they were.
class FieldTextTest : public ::testing::Test, public WindowHarness {
protected:
    static void paste(QWidget* into, const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        into->setFocus();
        QTest::keyClick(into, Qt::Key_V, Qt::ControlModifier);
    }
};

TEST_F(FieldTextTest, PastedLineBreaksNeverSplitALineOfTheFile)
{
    openData("");
    click(command(4));
    paste(status(), QStringLiteral("ab\n\u0160d"));
    EXPECT_EQ(status()->text(), "ab \u0160d");
    paste(note(), QStringLiteral("Tax\x01" "es\u00A0caf\u00E9 \u20AC\rsecond\r\nthird"));
    save();
    click(command(0)); // the e-mail tab, then a new link
    click(label("Image3_3"));
    paste(owner->newLinkFrm().LinkDescription, QStringLiteral("Ann\r\n\t\u0153e"));
    paste(owner->newLinkFrm().LinkTxt, QStringLiteral("ann@example.org\n"));
    click(label(&owner->newLinkFrm(), QStringLiteral("Label1_1")));
    EXPECT_EQ(readFile(state.DataFilePath), "000010000001ab \x8A" "d     Taxes\xA0" "caf\xE9 \x80\xAC" "second\xAC" "third\r\n"
                                            "000010000002Ann \x9C" "e\xAC" "ann@example.org \r\n");
    EXPECT_TRUE(fakes.messages.texts.empty());
}

} // namespace
