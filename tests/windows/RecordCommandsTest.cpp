#include "support/StoreFixtures.h"
#include "support/WindowHarness.h"

#include <QComboBox>

#include <gmock/gmock.h>

using namespace testing_support;
namespace fs = std::filesystem;
using ::testing::StartsWith;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

// The window driven as a person drives it, on an enciphered file (the other window
// tests save plain ones), with the file on disk read back by the store after every
// step that writes.
class RecordCommandsTest : public ::testing::Test, public WindowHarness {
protected:
    static constexpr const char* kFileName = "work.bcy";

    void open(const std::function<void(store::AppState&)>& fill = [](store::AppState&) {})
    {
        store::AppState made;
        fill(made);
        made.DataFilePath = folder.file(kFileName);
        made.FileEncrypted = true;
        made.FilePassword = "pass word";
        store::SaveDataFile(made);
        openFile(kFileName, "pass word", true);
    }

    // The store as the file on disk holds it now.
    store::Records onDisk()
    {
        store::AppState reader;
        testing_support::openFile(reader, folder.file(kFileName), true, "pass word");
        EXPECT_FALSE(reader.LoadFailed);
        return reader.Records;
    }

    // "new master record" (4) or "new sub record" (5), the text typed, "save changes".
    void create(int command, const QString& text, const QString& statusWord = QString())
    {
        click(this->command(command));
        type(status(), statusWord);
        save(text);
    }
};

TEST_F(RecordCommandsTest, AMasterWithThreeSubsOneEditedOneDeletedIsWhatTheFileHolds)
{
    open();
    create(4, "Garden\nweeds", "Open");
    EXPECT_EQ(state.CurrentMaster, 1);
    EXPECT_EQ(std::pair(label("Res_0")->text(), label("Res_0")->foreColour()), std::pair(QString("Garden"), kWhite));
    create(5, "Seeds");
    EXPECT_EQ(note()->toPlainText(), "Seeds\n");
    EXPECT_TRUE(label("Label1_0")->isEnabled() && label("Label1_0")->text() == "email  [0]");
    create(5, "Tools\nspade");
    create(5, "Fence");
    EXPECT_EQ(std::pair(label("Subs_2")->text(), label("Subs_2")->foreColour()), std::pair(QString("Fence"), kWhite));
    select("Subs_1");
    save(" and rake");
    click(label("Subs_0"));
    click(command(7));
    EXPECT_EQ(state.CurrentMaster, -1);
    EXPECT_FALSE(command(7)->isEnabled());
    const store::Records records = onDisk();
    ASSERT_EQ(store::upperBound(records), 3);
    EXPECT_EQ(fields(records[1]) + "|" + fields(records[2]) + "|" + fields(records[3]),
              "0 [Open      ] Garden\xAC" "weeds|1 [] Tools\xAC" "spade and rake|1 [] Fence\xAC");
}

TEST_F(RecordCommandsTest, NewMastersAreTrimmedPaddedAndEmptyOnesAreNotCreated)
{
    open();
    create(4, "   \n\nTaxes", "Nine 9 ch");
    create(4, "  ");
    create(4, "");
    search("none"); // nothing chosen: a new sub record needs a master
    window->Label1_Click(5);
    type(note(), "orphan");
    EXPECT_EQ(note()->toPlainText(), "");
    window->Label1_Click(6);
    const store::Records records = onDisk();
    ASSERT_EQ(store::upperBound(records), 1);
    EXPECT_EQ(fields(records[1]), "0 [Nine 9 ch ] Taxes\xAC");
    EXPECT_EQ(control<QComboBox>("StatusCombo")->itemText(0), "Nine 9 ch ");
}

TEST_F(RecordCommandsTest, AFailedSaveKeepsTheFileAndTheChangeAndCanBeRetriedWithANewStatus)
{
    open([](store::AppState& s) { addMaster(s, "Open", "Garden\xAC" "weeds"); });
    const std::string before = readFile(state.DataFilePath);
    chooseMaster("garden");
    fs::permissions(state.DataFilePath, fs::perms::owner_read);
    save(" today");
    EXPECT_EQ(fakes.messages.texts.size(), 1u);
    EXPECT_THAT(lastMessage(), StartsWith("Could not save the file '" + state.DataFilePath.string() + "': the file is read-only."));
    EXPECT_EQ(readFile(state.DataFilePath), before);
    EXPECT_EQ(note()->toPlainText(), "Garden\nweeds today");
    EXPECT_TRUE(command(6)->isEnabled());

    click(command(7)); // a delete fails the same way and deletes nothing
    EXPECT_EQ(fakes.messages.texts.size(), 2u);
    EXPECT_EQ(store::upperBound(state.Records), 1);
    EXPECT_EQ(state.CurrentMaster, 1);

    // Once the file can be written the change goes through, with a status of at
    // most ten characters: the box takes no eleventh.
    fs::permissions(state.DataFilePath, fs::perms::owner_read | fs::perms::owner_write);
    status()->selectAll();
    type(status(), "Exactly10c!");
    click(command(6));
    EXPECT_EQ(fakes.messages.texts.size(), 2u);
    EXPECT_EQ(fields(onDisk()[1]), "0 [Exactly10c] Garden\xAC" "weeds today");
    EXPECT_EQ(state.CurrentMaster, 1);
}

TEST_F(RecordCommandsTest, TwoStampsAddTwoLinesFromTwoClockReadings)
{
    open([](store::AppState& s) { addMaster(s, "Open", "Garden\xAC" "weeds"); });
    chooseMaster("garden");
    state.Settings.SoundOn = true;
    fakes.clock.dates = {QDate(2026, 12, 6), QDate(2026, 12, 7)};
    fakes.clock.times = {QTime(9, 5, 7), QTime(23, 59, 58)};
    click(command(9));
    click(command(9));
    const QString shown = note()->toPlainText(); // the separators follow the desktop's locale
    EXPECT_TRUE(QRegularExpression("^Garden\nweeds\n06\\D12\\D26 \\[09\\D05\\D07\\] - \n07\\D12\\D26 \\[23\\D59\\D58\\] - $")
                    .match(shown).hasMatch()) << shown.toStdString();
    EXPECT_EQ(note()->textCursor().position(), shown.size());
    EXPECT_TRUE(command(6)->isEnabled());
    EXPECT_EQ(fakes.sounds.played, (std::vector<int>{2, 2}));
}

} // namespace
