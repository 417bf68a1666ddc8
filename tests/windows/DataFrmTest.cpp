#include "store/DataFile.h"
#include "support/StoreFixtures.h"
#include "support/WindowHarness.h"
#include "windows/controls/Colours.h"
#include "windows/main/DataFrm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <gtest/gtest.h>

using namespace testing_support;
using windows::colourRef;
using windows::DataFrm;
using windows::TagLabel;

namespace {

// A data file made from a store filled by `fill`.
std::string dataFile(const std::function<void(store::AppState&)>& fill)
{
    TempFolder scratch;
    store::AppState state;
    fill(state);
    state.DataFilePath = scratch.file("made.bcn");
    store::SaveDataFile(state);
    return readFile(state.DataFilePath);
}

// Garden (with subs), a car with a garage note, and enough other masters for
// paging; statuses Open, Done and open.
std::string gardenFile()
{
    return dataFile([](store::AppState& s) {
        const int garden = addMaster(s, "Open", "Garden\xAC" "weeds\xAC" "seeds");           // 1
        addSub(s, garden, "garden tools\xAC");                                              // 2
        addSub(s, garden, "Fence");                                                         // 3
        addMaster(s, "Done", "Car\xAC" "take it to the garage");                            // 4
        addMaster(s, "open", "Taxes\xAC");                                                  // 5
        s.Records[1].Emails.push_back("Ann\xAC" "ann@example.org");
        s.Records[1].Emails.push_back("Bob\xAC" "bob@example.org");
        s.Records[1].WebLinks.push_back("Seeds\xAC" "https://example.org");
        s.Records[3].Files.push_back("Plan\xAC" "/home/me/plan.pdf");
    });
}

class DataFrmTest : public ::testing::Test {
protected:
    DataFrm& open(const std::string& bytes)
    {
        window = &harness.openData(bytes);
        return *window;
    }
    TagLabel* label(const QString& name) { return harness.label(window, name); }
    QLineEdit* search() { return harness.find<QLineEdit>(window, QStringLiteral("SearchTxt")); }
    QScrollBar* bar(const char* name) { return harness.find<QScrollBar>(window, QString::fromLatin1(name)); }
    QPlainTextEdit* note() { return harness.find<QPlainTextEdit>(window, QStringLiteral("FileNote")); }
    std::vector<QString> captions(const char* prefix, int count)
    {
        std::vector<QString> shown;
        for (int i = 0; i < count; ++i)
            shown.push_back(label(QStringLiteral("%1_%2").arg(QLatin1String(prefix)).arg(i))->text());
        return shown;
    }
    void finishNote()
    {
        for (int tick = 0; tick < 10000 && window->isTyping(); ++tick)
            window->Timer1_Timer();
    }

    WindowHarness harness;
    DataFrm* window = nullptr;
};

TEST_F(DataFrmTest, OpensWithItsControlsAsDesignedAndNothingSelected)
{
    open(gardenFile());
    const char* captionsAndTips[][2] = {
        {"email", "view emails"}, {"folders", "view folders"}, {"files", "view files"}, {"web", "view web links"},
        {"new master record", "create new master record"}, {"  new sub record  ", "create new sub record"},
        {"save changes", "save changes"}, {"delete records", "delete record"}, {"load new file", "load new file"},
        {"+ ", "add date / time stamp"},
    };
    const bool enabled[] = {false, false, false, false, true, false, false, false, true, true};
    for (int i = 0; i < 10; ++i) {
        TagLabel* button = label(QStringLiteral("Label1_%1").arg(i));
        EXPECT_EQ(button->text(), QString::fromLatin1(captionsAndTips[i][0]));
        EXPECT_EQ(button->toolTip(), QString::fromLatin1(captionsAndTips[i][1]));
        EXPECT_EQ(button->isEnabled(), enabled[i]) << i;
    }
    EXPECT_EQ(harness.find<QWidget>(window, QStringLiteral("SearchTxt"))->toolTip(), "search Master Records");
    EXPECT_EQ(harness.find<QComboBox>(window, QStringLiteral("StatusCombo"))->currentText(), "search by Status");
    EXPECT_EQ(label(QStringLiteral("Label9"))->text(), QString::fromStdString(harness.state.DataFilePath.string()));
    EXPECT_EQ(label(QStringLiteral("Label4"))->toolTip(), "hide to system tray");
    EXPECT_EQ(harness.state.CurrentMaster, -1);
    EXPECT_EQ(harness.state.CurrentSub, -1);
    EXPECT_EQ(harness.fakes.tray.tip, "Click to Launch Brindlecase");
    EXPECT_TRUE(harness.fakes.tray.shown);
    // The load's search for a blank found the masters whose text has one.
    EXPECT_EQ(window->resultList().stringList(), QStringList({"4-Car"}));
}

TEST_F(DataFrmTest, WithoutASettingsFileTheGreenSchemeIsWornAndNothingIsWritten)
{
    open(gardenFile());
    EXPECT_EQ(harness.state.Shades, (std::array<std::uint32_t, 5>{colourRef(128, 255, 128), colourRef(0, 255, 0),
                                                                   colourRef(0, 192, 0), colourRef(0, 128, 0),
                                                                   colourRef(0, 64, 0)}));
    EXPECT_EQ(label(QStringLiteral("Res_0"))->backColour(), colourRef(0, 64, 0));
    EXPECT_EQ(label(QStringLiteral("Res_0"))->foreColour(), colourRef(0, 192, 0));
    EXPECT_EQ(harness.state.Settings.ColourScheme, 0);
    EXPECT_FALSE(std::filesystem::exists(harness.folder.path() / "settings.txt"));
    EXPECT_FALSE(harness.state.Settings.SoundOn);
    EXPECT_FALSE(harness.state.Settings.TypewriterNote);
}

TEST_F(DataFrmTest, SearchFindsMastersByNameAndNoteButNotSubRecords)
{
    open(gardenFile());
    search()->setText(QStringLiteral("GAR"));
    EXPECT_EQ(captions("Res", 5), (std::vector<QString>{"Garden", "Car", "", "", ""}));
    EXPECT_EQ(label(QStringLiteral("Res_0"))->Tag, "1");
    EXPECT_EQ(label(QStringLiteral("Res_1"))->Tag, "4");
    EXPECT_EQ(label(QStringLiteral("Res_2"))->Tag, "-1");
    EXPECT_FALSE(bar("VScroll1")->isVisible());

    // Deleting the text down to nothing leaves the results as they were.
    search()->setText(QString());
    EXPECT_EQ(label(QStringLiteral("Res_1"))->text(), "Car");

    search()->setText(QStringLiteral("no such thing"));
    EXPECT_EQ(captions("Res", 5), (std::vector<QString>(5, QString())));
    EXPECT_FALSE(bar("VScroll1")->isVisible());
}

TEST_F(DataFrmTest, SixResultsPageWithTheScrollBar)
{
    open(dataFile([](store::AppState& s) {
        for (int i = 0; i < 6; ++i)
            addMaster(s, "", "Item " + std::to_string(i) + "\xAC");
    }));
    search()->setText(QStringLiteral("item"));
    QScrollBar* scroll = bar("VScroll1");
    EXPECT_TRUE(scroll->isVisible());
    EXPECT_EQ(scroll->maximum(), 1);
    EXPECT_EQ(scroll->value(), 0);
    EXPECT_EQ(label(QStringLiteral("Res_4"))->text(), "Item 4");
    scroll->setValue(1);
    EXPECT_EQ(captions("Res", 5), (std::vector<QString>{"Item 1", "Item 2", "Item 3", "Item 4", "Item 5"}));
    EXPECT_EQ(label(QStringLiteral("Res_0"))->Tag, "2");
}

TEST_F(DataFrmTest, ClickingAMasterRowShowsItsSubRecordsLinksStatusAndNote)
{
    open(gardenFile());
    search()->setText(QStringLiteral("garden"));
    WindowHarness::click(label(QStringLiteral("Res_0")));

    EXPECT_EQ(harness.state.CurrentMaster, 1);
    EXPECT_EQ(harness.state.CurrentSub, -1);
    EXPECT_EQ(captions("Subs", 3), (std::vector<QString>{"garden tools", "Fence", ""}));
    EXPECT_EQ(label(QStringLiteral("Subs_1"))->Tag, "3");
    EXPECT_EQ(captions("Label1", 4), (std::vector<QString>{"email  [2]", "folders  [0]", "files  [0]", "web  [1]"}));
    EXPECT_EQ(harness.find<QLineEdit>(window, QStringLiteral("StatusTxt"))->text(), "Open");
    EXPECT_TRUE(label(QStringLiteral("Label1_5"))->isEnabled());
    EXPECT_FALSE(label(QStringLiteral("Label1_6"))->isEnabled());
    EXPECT_TRUE(label(QStringLiteral("Label1_7"))->isEnabled());
    EXPECT_EQ(label(QStringLiteral("Res_0"))->foreColour(), windows::kWhite);
    finishNote();
    EXPECT_EQ(note()->toPlainText(), "Garden\nweeds\nseeds");
    // Filling the status box while the note was shown did not count as an edit.
    EXPECT_FALSE(label(QStringLiteral("Label1_6"))->isEnabled());

    WindowHarness::click(label(QStringLiteral("Subs_1")));
    EXPECT_EQ(harness.state.CurrentSub, 3);
    EXPECT_EQ(harness.state.CurrentMaster, 1);
    EXPECT_EQ(captions("Label1", 4), (std::vector<QString>{"email  [0]", "folders  [0]", "files  [1]", "web  [0]"}));
    finishNote();
    EXPECT_EQ(note()->toPlainText(), "Fence");

    // An empty row does nothing.
    WindowHarness::click(label(QStringLiteral("Subs_5")));
    EXPECT_EQ(harness.state.CurrentSub, 3);
    WindowHarness::click(label(QStringLiteral("Res_3")));
    EXPECT_EQ(harness.state.CurrentMaster, 1);
}

TEST_F(DataFrmTest, TwentySubRecordsPageFromTheSixth)
{
    open(dataFile([](store::AppState& s) {
        const int master = addMaster(s, "", "Big\xAC");
        for (int i = 1; i <= 20; ++i)
            addSub(s, master, "Sub " + std::to_string(i));
    }));
    search()->setText(QStringLiteral("big"));
    WindowHarness::click(label(QStringLiteral("Res_0")));
    QScrollBar* scroll = bar("VScroll3");
    EXPECT_TRUE(scroll->isVisible());
    EXPECT_EQ(scroll->maximum(), 5);
    EXPECT_EQ(label(QStringLiteral("Subs_14"))->text(), "Sub 15");
    scroll->setValue(5);
    EXPECT_EQ(label(QStringLiteral("Subs_0"))->text(), "Sub 6");
    EXPECT_EQ(label(QStringLiteral("Subs_14"))->text(), "Sub 20");
    EXPECT_EQ(label(QStringLiteral("Subs_14"))->Tag, "21");
}

TEST_F(DataFrmTest, StatusFilterListsExactStatusesOnly)
{
    open(gardenFile());
    auto* combo = harness.find<QComboBox>(window, QStringLiteral("StatusCombo"));
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), "Open      ");
    EXPECT_EQ(combo->itemText(2), "open      ");
    search()->setText(QStringLiteral("garden"));
    combo->setCurrentIndex(0);
    window->StatusCombo_Click();
    EXPECT_EQ(captions("Res", 3), (std::vector<QString>{"Garden", "", ""}));
    EXPECT_EQ(search()->text(), "");
    EXPECT_EQ(harness.state.CurrentMaster, -1);
}

TEST_F(DataFrmTest, TheTypewriterTypesOneCharacterPerTickAndAKeyFinishesIt)
{
    harness.writeSettings(" 0 \r\n 0 \r\nFalse\r\nTrue\r\n 1 \r\n 2 \r\n");
    open(gardenFile());
    search()->setText(QStringLiteral("car"));
    WindowHarness::click(label(QStringLiteral("Res_0")));
    const QString whole = QStringLiteral("Car\r\ntake it to the garage");
    int ticks = 0;
    while (window->isTyping() && ticks < 1000) {
        window->Timer1_Timer();
        ++ticks;
        if (ticks == 3) {
            EXPECT_EQ(note()->toPlainText(), "Car");
        }
    }
    EXPECT_EQ(ticks, whole.size() - 1);
    EXPECT_EQ(note()->toPlainText(), "Car\ntake it to the garage");
    EXPECT_FALSE(label(QStringLiteral("Label2_5"))->isVisible());

    WindowHarness::click(label(QStringLiteral("Res_0")));
    window->Timer1_Timer();
    QTest::keyClick(note(), Qt::Key_X);
    EXPECT_TRUE(window->isTyping());
    window->Timer1_Timer();
    EXPECT_FALSE(window->isTyping());
    EXPECT_EQ(note()->toPlainText(), "Car\ntake it to the garage");
}

TEST_F(DataFrmTest, NoteAndStatusEditsMakeSaveAvailableOnlyForARecord)
{
    open(gardenFile());
    QTest::keyClicks(note(), QStringLiteral("typed"));
    EXPECT_EQ(note()->toPlainText(), "");

    search()->setText(QStringLiteral("taxes"));
    WindowHarness::click(label(QStringLiteral("Res_0")));
    finishNote();
    EXPECT_FALSE(label(QStringLiteral("Label1_6"))->isEnabled());
    QTest::keyClicks(harness.find<QLineEdit>(window, QStringLiteral("StatusTxt")), QStringLiteral("x"));
    EXPECT_TRUE(label(QStringLiteral("Label1_6"))->isEnabled());
}

TEST_F(DataFrmTest, PickingASchemePaintsTheWindowAndSavesIt)
{
    open(gardenFile());
    search()->setText(QStringLiteral("garden"));
    WindowHarness::click(label(QStringLiteral("cols2_2")));
    EXPECT_EQ(harness.state.Settings.ColourScheme, 2);
    TagLabel* row = label(QStringLiteral("Res_0"));
    EXPECT_EQ(row->backColour(), colourRef(64, 0, 0));
    EXPECT_EQ(row->foreColour(), colourRef(192, 0, 0));
    EXPECT_EQ(label(QStringLiteral("Label1_4"))->backColour(), colourRef(128, 0, 0));
    WindowHarness::hover(row);
    EXPECT_EQ(row->backColour(), colourRef(128, 0, 0));
    EXPECT_EQ(label(QStringLiteral("Res_1"))->backColour(), colourRef(64, 0, 0));
    const std::string settings = readFile(harness.folder.file("settings.txt"));
    EXPECT_NE(settings.find("\r\nFalse\r\nTrue\r\n 1 \r\n 2 \r\n"), std::string::npos) << settings;

    WindowHarness::click(label(QStringLiteral("cols9_6")));
    EXPECT_EQ(row->backColour(), windows::kWhite);
    EXPECT_EQ(row->foreColour(), windows::kBlack);
    WindowHarness::hover(row);
    EXPECT_EQ(row->backColour(), windows::kBlack);
    EXPECT_EQ(row->foreColour(), windows::kWhite);
    // The empty row under the pointer is not highlighted.
    WindowHarness::hover(label(QStringLiteral("Res_4")));
    EXPECT_EQ(label(QStringLiteral("Res_4"))->backColour(), windows::kWhite);
}

TEST_F(DataFrmTest, SoundButtonAndTransparencyBar)
{
    harness.writeSettings(" 300 \r\n 450 \r\nFalse\r\nFalse\r\n 0 \r\n 5 \r\n");
    open(gardenFile());
    TagLabel* sound = label(QStringLiteral("Image2_2"));
    EXPECT_EQ(sound->accessibleName(), "sound off");
    WindowHarness::click(sound);
    EXPECT_TRUE(harness.state.Settings.SoundOn);
    EXPECT_EQ(sound->accessibleName(), "sound on");
    EXPECT_EQ(readFile(harness.folder.file("settings.txt")), " 300 \r\n 450 \r\nTrue\r\nFalse\r\n 0 \r\n 5 \r\n");

    search()->setText(QStringLiteral("garden"));
    WindowHarness::click(label(QStringLiteral("Res_0")));
    EXPECT_EQ(harness.fakes.sounds.played, std::vector<int>{1});

    WindowHarness::click(label(QStringLiteral("Label3_6")));
    EXPECT_EQ(harness.state.TransparencyLevel, 195);
    EXPECT_NEAR(window->windowOpacity(), 195 / 255.0, 0.01);
    auto* cell = harness.find<windows::FrameShape>(window, QStringLiteral("Shape3_6"));
    EXPECT_EQ(cell->fillColour(), colourRef(0, 255, 0));
    EXPECT_EQ(harness.find<windows::FrameShape>(window, QStringLiteral("Shape3_7"))->fillColour(), colourRef(0, 128, 0));
    WindowHarness::click(label(QStringLiteral("Label3_9")));
    EXPECT_EQ(harness.state.TransparencyLevel, 165);
}

TEST_F(DataFrmTest, DraggingTheStripMovesTheWindowAndSavesThePlace)
{
    harness.writeSettings(" 1500 \r\n 900 \r\nFalse\r\nFalse\r\n 0 \r\n 1 \r\n");
    open(gardenFile());
    EXPECT_EQ(window->pos(), QPoint(100, 60));
    TagLabel* strip = label(QStringLiteral("instruction_4"));
    QTest::mousePress(strip, Qt::LeftButton, Qt::NoModifier, QPoint(400, 10));
    QMouseEvent drag(QEvent::MouseMove, QPointF(410, 15), QPointF(strip->mapToGlobal(QPoint(410, 15))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &drag);
    EXPECT_EQ(window->pos(), QPoint(110, 65));
    EXPECT_EQ(readFile(harness.folder.file("settings.txt")).substr(0, 14), " 1650 \r\n 975 \r");
}

TEST_F(DataFrmTest, ASettingsNumberEndsAtABlankInsideIt)
{
    harness.writeSettings(" 1500 900\r\n 900 \r\nFalse\r\nFalse\r\n 0 \r\n 3 4 \r\n");
    open(gardenFile());
    EXPECT_EQ(window->pos(), QPoint(100, 60));
    EXPECT_EQ(harness.state.Settings.ColourScheme, 3);
    EXPECT_EQ(label(QStringLiteral("Res_0"))->backColour(), colourRef(128, 64, 64));
}

TEST_F(DataFrmTest, HideGoesToTheTrayAndTheTrayBringsItBack)
{
    open(gardenFile());
    WindowHarness::click(label(QStringLiteral("Label4")));
    EXPECT_FALSE(window->isVisible());
    harness.fakes.tray.send(514);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
}

TEST_F(DataFrmTest, FileMenuOpensAndTheBackgroundClosesIt)
{
    open(gardenFile());
    TagLabel* shutDown = label(QStringLiteral("Label6"));
    EXPECT_FALSE(shutDown->isVisible());
    WindowHarness::click(label(QStringLiteral("Label7")));
    EXPECT_TRUE(shutDown->isVisible());
    EXPECT_TRUE(label(QStringLiteral("Label8"))->isVisible());
    EXPECT_EQ(shutDown->text(), "  shut-down");
    window->Form_MouseMove();
    EXPECT_FALSE(shutDown->isVisible());
}

} // namespace
