#include "store/DataFile.h"
#include "support/StoreFixtures.h"
#include "support/WindowHarness.h"
#include "windows/controls/Colours.h"
#include "windows/main/DataFrm.h"
#include "windows/start/StartUpFrm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

using namespace testing_support;
using windows::DataFrm;
using windows::TagLabel;
namespace fs = std::filesystem;

namespace {

// The window driven as a person drives it, on a plain or an enciphered file, with
// the file on disk read back by the store after every step that writes.
class RecordCommandsTest : public ::testing::TestWithParam<bool> {
protected:
    bool enciphered() const { return GetParam(); }
    std::string fileName() const { return enciphered() ? "work.bcy" : "work.bcn"; }

    DataFrm& open(const std::function<void(store::AppState&)>& fill = [](store::AppState&) {})
    {
        store::AppState made;
        fill(made);
        made.DataFilePath = harness.folder.file(fileName());
        made.FileEncrypted = enciphered();
        made.FilePassword = "pass word";
        store::SaveDataFile(made);
        window = &harness.openFile(fileName(), "pass word", enciphered());
        return *window;
    }

    // The store as the file on disk holds it now.
    store::Records onDisk()
    {
        store::AppState reader;
        openFile(reader, harness.folder.file(fileName()), enciphered(), "pass word");
        EXPECT_FALSE(reader.LoadFailed);
        return reader.Records;
    }

    TagLabel* label(const QString& name) { return harness.label(window, name); }
    TagLabel* command(int index) { return label(QStringLiteral("Label1_%1").arg(index)); }
    QPlainTextEdit* note() { return harness.find<QPlainTextEdit>(window, QStringLiteral("FileNote")); }
    QLineEdit* status() { return harness.find<QLineEdit>(window, QStringLiteral("StatusTxt")); }
    QLineEdit* search() { return harness.find<QLineEdit>(window, QStringLiteral("SearchTxt")); }
    void finishNote()
    {
        for (int tick = 0; tick < 10000 && window->isTyping(); ++tick)
            window->Timer1_Timer();
    }
    void type(QWidget* box, const QString& text)
    {
        box->setFocus();
        QTest::keyClicks(box, text);
    }
    void typeLines(const QStringList& lines)
    {
        note()->setFocus();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(note(), Qt::Key_Return);
            QTest::keyClicks(note(), lines[i]);
        }
    }
    void newMaster(const QStringList& lines, const QString& statusWord)
    {
        WindowHarness::click(command(4));
        type(status(), statusWord);
        typeLines(lines);
        WindowHarness::click(command(6));
        finishNote();
    }
    void newSub(const QStringList& lines)
    {
        WindowHarness::click(command(5));
        typeLines(lines);
        WindowHarness::click(command(6));
        finishNote();
    }

    WindowHarness harness;
    DataFrm* window = nullptr;
};

TEST_P(RecordCommandsTest, AMasterWithThreeSubsOneEditedOneDeletedIsWhatTheFileHolds)
{
    open();
    newMaster({"Garden", "weeds"}, QStringLiteral("Open"));
    EXPECT_EQ(harness.state.CurrentMaster, 1);
    EXPECT_EQ(label(QStringLiteral("Res_0"))->text(), "Garden");
    EXPECT_EQ(label(QStringLiteral("Res_0"))->foreColour(), windows::kWhite);
    EXPECT_EQ(harness.find<QComboBox>(window, QStringLiteral("StatusCombo"))->itemText(0), "Open      ");

    newSub({"Seeds"});
    EXPECT_EQ(harness.state.CurrentSub, 2);
    EXPECT_EQ(note()->toPlainText(), "Seeds\n");
    EXPECT_EQ(label(QStringLiteral("Label1_0"))->text(), "email  [0]");
    EXPECT_TRUE(label(QStringLiteral("Label1_0"))->isEnabled());
    newSub({"Tools", "spade"});
    newSub({"Fence"});
    EXPECT_EQ(label(QStringLiteral("Subs_2"))->text(), "Fence");
    EXPECT_EQ(label(QStringLiteral("Subs_2"))->foreColour(), windows::kWhite);

    // Edit the second sub record.
    WindowHarness::click(label(QStringLiteral("Subs_1")));
    finishNote();
    note()->moveCursor(QTextCursor::End);
    type(note(), QStringLiteral(" and rake"));
    EXPECT_TRUE(command(6)->isEnabled());
    WindowHarness::click(command(6));
    finishNote();
    // Delete the first one.
    WindowHarness::click(label(QStringLiteral("Subs_0")));
    WindowHarness::click(command(7));
    EXPECT_EQ(harness.state.CurrentMaster, -1);

    const store::Records records = onDisk();
    ASSERT_EQ(store::upperBound(records), 3);
    EXPECT_EQ(records[1].Content, "Garden\xAC" "weeds");
    EXPECT_EQ(records[1].Status, "Open      ");
    EXPECT_EQ(records[2].Content, "Tools\xAC" "spade and rake");
    EXPECT_EQ(records[2].Parent, 1);
    EXPECT_EQ(records[3].Content, "Fence\xAC");
    EXPECT_EQ(records[3].Parent, 1);
}

TEST_P(RecordCommandsTest, NewMastersAreTrimmedAndEmptyOnesAreNotCreated)
{
    open();
    newMaster({"   ", "", "Taxes"}, QString());
    newMaster({"  "}, QString());
    WindowHarness::click(command(4));
    WindowHarness::click(command(6));
    const store::Records records = onDisk();
    ASSERT_EQ(store::upperBound(records), 1);
    EXPECT_EQ(records[1].Content, "Taxes\xAC");
    EXPECT_EQ(records[1].Status, "          ");
    EXPECT_TRUE(harness.find<QComboBox>(window, QStringLiteral("StatusCombo"))->count() == 0);
}

TEST_P(RecordCommandsTest, EditingAMasterChangesItsTextAndStatusOnly)
{
    open([](store::AppState& s) {
        addMaster(s, "Open", "Car\xAC" "service");
        addSub(s, 1, "Tyres\xAC");
    });
    search()->setText(QStringLiteral("car"));
    WindowHarness::click(label(QStringLiteral("Res_0")));
    finishNote();
    status()->selectAll();
    type(status(), QStringLiteral("Done"));
    note()->moveCursor(QTextCursor::End);
    type(note(), QStringLiteral(" booked"));
    WindowHarness::click(command(6));
    const store::Records records = onDisk();
    EXPECT_EQ(records[1].Content, "Car\xAC" "service booked");
    EXPECT_EQ(records[1].Status, "Done      ");
    EXPECT_EQ(records[2].Content, "Tyres\xAC");
    EXPECT_EQ(harness.state.CurrentMaster, 1);
}

TEST_P(RecordCommandsTest, DeletingAMasterTakesItsSubsAndRenumbers)
{
    open([](store::AppState& s) {
        addMaster(s, "A", "One\xAC");
        addMaster(s, "B", "Two\xAC");
        addSub(s, 1, "One a");
        addSub(s, 2, "Two a");
        addSub(s, 2, "Two b");
    });
    search()->setText(QStringLiteral("two"));
    WindowHarness::click(label(QStringLiteral("Res_0")));
    WindowHarness::click(command(7));
    const store::Records records = onDisk();
    ASSERT_EQ(store::upperBound(records), 2);
    EXPECT_EQ(records[2].Content, "One a");
    EXPECT_EQ(records[2].Parent, 1);
    EXPECT_EQ(store::upperBound(harness.state.Records), 2);
    EXPECT_FALSE(command(7)->isEnabled());
}

TEST_P(RecordCommandsTest, NewSubWithoutAMasterDoesNothing)
{
    open([](store::AppState& s) { addMaster(s, "A", "One\xAC"); });
    window->Label1_Click(5);
    type(note(), QStringLiteral("orphan"));
    EXPECT_EQ(note()->toPlainText(), "");
    window->Label1_Click(6);
    EXPECT_EQ(store::upperBound(onDisk()), 1);
}

TEST_P(RecordCommandsTest, AFailedSaveKeepsTheFileAndTheChangeAndCanBeRetried)
{
    open([](store::AppState& s) { addMaster(s, "Open", "Garden\xAC" "weeds"); });
    const std::string before = readFile(harness.state.DataFilePath);
    search()->setText(QStringLiteral("garden"));
    WindowHarness::click(label(QStringLiteral("Res_0")));
    finishNote();
    fs::permissions(harness.state.DataFilePath, fs::perms::owner_read);
    note()->moveCursor(QTextCursor::End);
    type(note(), QStringLiteral(" today"));
    WindowHarness::click(command(6));

    ASSERT_EQ(harness.fakes.messages.texts.size(), 1u);
    EXPECT_TRUE(harness.fakes.messages.texts[0].startsWith(QString::fromStdString(
        "Could not save the file '" + harness.state.DataFilePath.string() + "': the file is read-only.")));
    EXPECT_EQ(readFile(harness.state.DataFilePath), before);
    EXPECT_EQ(harness.state.Records[1].Content, "Garden\xAC" "weeds today");
    EXPECT_EQ(note()->toPlainText(), "Garden\nweeds today");
    EXPECT_TRUE(command(6)->isEnabled());

    fs::permissions(harness.state.DataFilePath, fs::perms::owner_read | fs::perms::owner_write);
    WindowHarness::click(command(6));
    EXPECT_EQ(harness.fakes.messages.texts.size(), 1u);
    EXPECT_EQ(onDisk()[1].Content, "Garden\xAC" "weeds today");
}

INSTANTIATE_TEST_SUITE_P(PlainAndEnciphered, RecordCommandsTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Enciphered" : "Plain"; });

class CommandTest : public ::testing::Test {
protected:
    DataFrm& open()
    {
        window = &harness.openData(crlfLines({"000010000001Open      Garden\xAC" "weeds", "000010000002Ann\xAC" "ann@example.org",
                                              "000010000002Bob\xAC" "bob@example.org", "000020000101Seeds\xAC"}));
        return *window;
    }
    TagLabel* label(const QString& name) { return harness.label(window, name); }
    QPlainTextEdit* note() { return harness.find<QPlainTextEdit>(window, QStringLiteral("FileNote")); }
    void selectGarden()
    {
        harness.find<QLineEdit>(window, QStringLiteral("SearchTxt"))->setText(QStringLiteral("garden"));
        WindowHarness::click(label(QStringLiteral("Res_0")));
        while (window->isTyping())
            window->Timer1_Timer();
    }

    WindowHarness harness;
    DataFrm* window = nullptr;
};

TEST_F(CommandTest, TwoStampsAddTwoLinesFromTwoClockReadingsEach)
{
    open();
    selectGarden();
    harness.fakes.clock.dates = {QDate(2026, 12, 6), QDate(2026, 12, 7)};
    harness.fakes.clock.times = {QTime(9, 5, 7), QTime(23, 59, 58)};
    WindowHarness::click(label(QStringLiteral("Label1_9")));
    WindowHarness::click(label(QStringLiteral("Label1_9")));
    const QString date = QLocale::system().dateFormat(QLocale::ShortFormat);
    EXPECT_TRUE(note()->toPlainText().startsWith(QStringLiteral("Garden\nweeds\n")));
    const QStringList lines = note()->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^06\\D12\\D26 \\[09\\D05\\D07\\] - $")).match(lines[2]).hasMatch())
        << lines[2].toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^07\\D12\\D26 \\[23\\D59\\D58\\] - $")).match(lines[3]).hasMatch())
        << lines[3].toStdString();
    EXPECT_EQ(note()->textCursor().position(), note()->toPlainText().size());
    EXPECT_TRUE(label(QStringLiteral("Label1_6"))->isEnabled());
}

TEST_F(CommandTest, LinkTabsShowTheSelectedRecordsLinks)
{
    open();
    selectGarden();
    WindowHarness::click(label(QStringLiteral("Label1_0")));
    EXPECT_EQ(harness.state.CurrentLinkKind, 1);
    EXPECT_EQ(label(QStringLiteral("resA_1"))->text(), "Bob");
    EXPECT_EQ(label(QStringLiteral("resB_1"))->text(), "bob@example.org");
    EXPECT_EQ(label(QStringLiteral("resB_1"))->Tag, "2");
    EXPECT_EQ(label(QStringLiteral("resA_2"))->text(), "");
    EXPECT_EQ(label(QStringLiteral("Label1_0"))->foreColour(), windows::kWhite);
    EXPECT_TRUE(label(QStringLiteral("Image3_3"))->isVisible());
    WindowHarness::click(label(QStringLiteral("Label1_3")));
    EXPECT_EQ(label(QStringLiteral("resA_0"))->text(), "");
}

TEST_F(CommandTest, LoadNewFileGoesBackToTheStartWindow)
{
    open();
    WindowHarness::click(label(QStringLiteral("Label1_8")));
    EXPECT_FALSE(harness.fakes.tray.shown);
    EXPECT_TRUE(harness.owner->isStartUpLoaded());
    EXPECT_TRUE(harness.owner->startUp().isVisible());
    EXPECT_FALSE(harness.owner->isDataFrmLoaded());
}

TEST_F(CommandTest, AFailedDeleteDeletesNothing)
{
    open();
    selectGarden();
    fs::permissions(harness.state.DataFilePath, fs::perms::owner_read);
    WindowHarness::click(label(QStringLiteral("Label1_7")));
    ASSERT_EQ(harness.fakes.messages.texts.size(), 1u);
    EXPECT_EQ(store::upperBound(harness.state.Records), 2);
    EXPECT_EQ(harness.state.CurrentMaster, 1);
}

TEST_F(CommandTest, CommandsPlayTheirSoundWhenSoundIsOn)
{
    open();
    harness.state.Settings.SoundOn = true;
    WindowHarness::click(label(QStringLiteral("Label1_9")));
    EXPECT_EQ(harness.fakes.sounds.played, std::vector<int>{2});
}

} // namespace
