// The start window and the two it opens in its place: a new file, and the
// password asked before a file is opened, enciphered or deciphered.

#include "support/StoreFixtures.h"
#include "support/WindowHarness.h"
#include "windows/start/EncryptionFrm.h"
#include "windows/start/NewFileFrm.h"

#include <QCheckBox>
#include <QListWidget>

#include <gmock/gmock.h>

using namespace testing_support;
namespace fs = std::filesystem;
using ::testing::StartsWith;

namespace {

const std::string kPlainFile = crlfLines({"000010000001Open      Garden\xAC" "seeds", "000020000101Tomatoes"});

// Two records enciphered with "secret", and one record with "?", as an independent
// reader of the format writes them.
const std::string kGardenSecret =
    "219,190,080,153,142,043,237,055,091,059,069,114,168,049,119,159,171,169,252,202,253,001,233,142,218,028,163,225,"
    "226,070,165,047,058,008\r\n"
    "219,190,080,153,141,043,237,055,091,058,069,114,179,046,127,144,255,230,185,153\r\n";
const std::string kGardenQuestionMark =
    "140,085,052,117,098,023,082,177,212,214,060,052,071,213,235,232,150,113,143,218,052,101,174,036,254,119,121,123,"
    "141,241,231,110,096,160\r\n";
const std::string kPlain = kPublishedLine + "\r\n";

using Files = std::map<std::string, std::string>;

class StartUpFrmTest : public ::testing::Test, public WindowHarness {
protected:
    // The start window.
    QListWidget* files() { return find<QListWidget>(&startUp(), "File1"); }
    QLineEdit* path() { return find<QLineEdit>(&startUp(), "SearchTxt"); }
    windows::TagLabel* button(int index) { return label(&startUp(), QStringLiteral("Label1_%1").arg(index)); }
    QString inFolder(const std::string& name) { return QString::fromStdString(folder.file(name).string()); }

    // The new file window: its name and password boxes, its tick, "create".
    windows::NewFileFrm& newFileFrm() { return owner->newFileFrm(); }
    QLineEdit* nameBox() { return find<QLineEdit>(&newFileFrm(), QStringLiteral("SearchTxt")); }
    QLineEdit* newPasswordBox() { return find<QLineEdit>(&newFileFrm(), QStringLiteral("Text1")); }
    void create(const QString& name)
    {
        nameBox()->clear();
        type(nameBox(), name);
        click(label(&newFileFrm(), QStringLiteral("Label1_1")));
    }

    // The password window: types the password and confirms it with Enter or with
    // the "continue" button.
    QLineEdit* passwordBox() { return find<QLineEdit>(&owner->encryptionFrm(), QStringLiteral("Text1")); }
    void enterPassword(const QString& password, bool withButton = false)
    {
        passwordBox()->clear();
        type(passwordBox(), password);
        if (withButton)
            click(label(&owner->encryptionFrm(), QStringLiteral("Label1_1")));
        else
            QTest::keyClick(passwordBox(), Qt::Key_Return);
    }
    // Chooses a file of the program folder and clicks a start button.
    void startWith(const std::string& file, int index)
    {
        chooseFile(QString::fromStdString(file));
        startButton(index);
    }
};

// The data files of the program folder listed, in the saved scheme; the file
// chosen with the keys names what "cryption" would do and opens with Enter in the
// main window, keeping a backup of that file only.
TEST_F(StartUpFrmTest, StartListsTheDataFilesAndOneChosenWithTheKeysOpensWithEnterKeepingABackup)
{
    for (const char* name : {"notes.bcn", "secret.bcy", "OLD.BCN", "readme.txt"})
        folder.write(name, kPlainFile);
    writeSettings("junk\r\n\r\n?\r\n?\r\n 1 \r\n 3 \r\n"); // only the scheme is read
    EXPECT_EQ(button(2)->foreColour(), 0x0040C0u); // shade 3 of scheme 3: 192, 64, 0
    QStringList listed;
    for (int i = 0; i < files()->count(); ++i)
        listed << files()->item(i)->text();
    EXPECT_EQ(listed, QStringList({"notes.bcn", "OLD.BCN", "secret.bcy"}));
    QStringList shown = {path()->text() + "|" + button(3)->text()};
    files()->setFocus();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up}) {
        QTest::keyClick(files(), key);
        shown << path()->text() + "|" + button(3)->text();
    }
    EXPECT_EQ(shown, QStringList({QString::fromStdString(folder.path().string()) + "|cryption", inFolder("notes.bcn") + "|encrypt file",
                                  inFolder("OLD.BCN") + "|cryption", inFolder("secret.bcy") + "|decrypt file",
                                  inFolder("OLD.BCN") + "|cryption", inFolder("notes.bcn") + "|encrypt file"}));
    QTest::keyClick(files(), Qt::Key_Return);
    EXPECT_EQ(loadedWindows(), "main+");
    EXPECT_EQ(store::upperBound(state.Records), 2);
    EXPECT_FALSE(fs::exists(folder.file("BackUp_OLD.BCN")) || fs::exists(folder.file("BackUp_secret.bcy")));
    EXPECT_EQ(readFile(folder.file("BackUp_notes.bcn")), kPlainFile);
    EXPECT_TRUE(fakes.messages.texts.empty());
}

// Other file types and damaged files are reported and the start window stays; a
// typed path is backed up beside it, and a backup is not backed up again.
TEST_F(StartUpFrmTest, StartOtherFileTypesAndDamagedFilesAreReportedATypedPathIsBackedUpBesideIt)
{
    folder.write("OLD.BCN", kPlainFile);
    folder.write("bad.bcn", crlfLines({"000010000001Open      A", "000030000001Open      C"}));
    startWith("OLD.BCN", 2);
    path()->setText(inFolder("notes.txt"));
    click(button(2));
    startWith("bad.bcn", 2);
    const QString loadError = "File load error. The file '" + inFolder("bad.bcn") + "' has reported errors.";
    EXPECT_EQ(fakes.messages.texts, (std::vector<QString>{"Invalid fle type", "Invalid fle type", loadError}));
    EXPECT_EQ(fakes.messages.titles, std::vector<QString>(3, "Brindlecase"));
    EXPECT_EQ(loadedWindows(), "start+");
    EXPECT_FALSE(fs::exists(folder.file("BackUp_bad.bcn")));

    TempFolder elsewhere;
    elsewhere.write("typed.bcn", kPlainFile);
    elsewhere.write("BackUp_x.bcn", kPlainFile);
    for (const char* typed : {"typed.bcn", "BackUp_x.bcn"}) {
        path()->setText(QString::fromStdString(elsewhere.file(typed).string()));
        click(button(2));
        EXPECT_EQ(loadedWindows(), "main+");
        click(command(8)); // "load new file"
    }
    EXPECT_EQ(filesIn(elsewhere.path()), (Files{{"typed.bcn", kPlainFile}, {"BackUp_typed.bcn", kPlainFile},
                                                {"BackUp_x.bcn", kPlainFile}}));
    EXPECT_FALSE(fs::exists(folder.file("BackUp_")));
}

// "email file" mails the chosen file as an attachment, or asks for one.
TEST_F(StartUpFrmTest, StartEmailFileComposesAMailWithTheChosenFileAttached)
{
    folder.write("my notes.bcn", "\r\n");
    click(button(1));
    EXPECT_EQ(lastMessage(), "Select a file to email.");
    EXPECT_TRUE(fakes.launcher.composed.empty());
    startWith("my notes.bcn", 1);
    const QString file = inFolder("my notes.bcn");
    EXPECT_EQ(fakes.launcher.composed, std::vector<QString>{"mailto:?Subject=Brindlecase File&Attacth=\"" + file + "\""});
    EXPECT_EQ(fakes.launcher.attachments, std::vector<QString>{file});
    EXPECT_EQ(loadedWindows(), "start+");
}

// A read-only file, a name that leaves the folder and a password outside the code
// page are told and make nothing, nor does a ticked box without a password; the
// window stays. An enciphered file then starts
// with one unenciphered empty line, and so does a plain one, replacing whatever
// stood under its name.
TEST_F(StartUpFrmTest, NewFileWhatCannotBeMadeIsToldAndANewFileStartsWithOneEmptyLine)
{
    startButton(0);
    QTest::keyClick(nameBox(), Qt::Key_Escape); // Escape and "exit" leave for the start window
    EXPECT_EQ(loadedWindows(), "start+");
    startButton(0);
    click(label(&newFileFrm(), QStringLiteral("Label1_2")));
    EXPECT_EQ(loadedWindows(), "start+");
    startButton(0);
    const fs::path locked = folder.write("locked.bcn", "000010000001Open      Kept\r\n");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    create(QStringLiteral("locked"));
    create(QStringLiteral("../outside"));
    auto* tick = find<QCheckBox>(&newFileFrm(), QStringLiteral("Check1"));
    QTest::mouseClick(tick, Qt::LeftButton, Qt::NoModifier, QPoint(8, tick->height() / 2)); // the password tick
    create(QStringLiteral("plans")); // ticked without a password nothing is made
    type(newPasswordBox(), QStringLiteral("\u041F\u0430\u0440\u043E\u043B\u044C"));
    create(QStringLiteral("plans"));
    ASSERT_EQ(fakes.messages.texts.size(), 3u);
    EXPECT_EQ(fakes.messages.texts[0], "Could not save the file '" + inFolder("locked.bcn") + "': the file is read-only.");
    EXPECT_TRUE(fakes.messages.texts[1].contains(QStringLiteral("a file name cannot hold \"/\"")));
    EXPECT_TRUE(fakes.messages.texts[2].startsWith(QStringLiteral("The password cannot hold \"\u041F\u0430\u0440\u043E\u043B\u044C\".")));
    EXPECT_EQ(filesIn(), (Files{{"locked.bcn", "000010000001Open      Kept\r\n"}}));
    EXPECT_FALSE(fs::exists(folder.path().parent_path() / "outside.bcn"));
    EXPECT_EQ(loadedWindows(), "start- newfile+");

    newPasswordBox()->clear();
    type(newPasswordBox(), QStringLiteral("caf\u00E9"));
    create(QStringLiteral("secret plans"));
    EXPECT_EQ(filesIn(), (Files{{"locked.bcn", "000010000001Open      Kept\r\n"}, {"secret plans.bcy", "\r\n"}}));
    EXPECT_TRUE(state.FileEncrypted);
    EXPECT_EQ(state.FilePassword, "caf\xE9");
    EXPECT_EQ(loadedWindows(), "main+");

    folder.write("plans.bcn", "000010000001Open      Garden\r\n");
    click(command(8)); // "load new file"
    state.Records.emplace_back();
    startButton(0);
    type(nameBox(), QStringLiteral("plans\n")); // Enter in the name box creates too
    EXPECT_EQ(readFile(folder.file("plans.bcn")), "\r\n");
    EXPECT_FALSE(state.FileEncrypted);
    EXPECT_EQ(store::upperBound(state.Records), 0);
    EXPECT_EQ(loadedWindows(), "main+");
}

// A wrong password shows the load error and the window waits for another; the
// right one opens the main window and keeps a backup.
// Opening turns characters the code page cannot hold into "?", so files whose
// password was set that way still open.
TEST_F(StartUpFrmTest, PasswordOpeningAnEncipheredFileAsksForThePasswordAndKeepsABackup)
{
    folder.write("garden.bcy", kGardenSecret);
    startWith("garden.bcy", 2);
    EXPECT_EQ(loadedWindows(), "start- password+");
    enterPassword(QStringLiteral("Secret"));
    EXPECT_EQ(lastMessage(), "File load error. The file '" + folder.file("garden.bcy").string() + "' has reported errors.");
    EXPECT_EQ(loadedWindows(), "start- password+");
    EXPECT_EQ(filesIn(), (Files{{"garden.bcy", kGardenSecret}}));

    enterPassword(QStringLiteral("secret"));
    EXPECT_EQ(loadedWindows(), "main+");
    EXPECT_TRUE(state.FileEncrypted);
    ASSERT_EQ(store::upperBound(state.Records), 2);
    EXPECT_EQ(state.Records[2].Content, "Tomatoes");
    EXPECT_EQ(readFile(folder.file("BackUp_garden.bcy")), kGardenSecret);

    folder.write("old.bcy", kGardenQuestionMark);
    click(command(8));
    startWith("old.bcy", 2);
    enterPassword(QStringLiteral("\u0416"));
    EXPECT_EQ(loadedWindows(), "main+");
    EXPECT_EQ(state.Records[1].Content, "Garden\xAC" "seeds");
}

TEST_F(StartUpFrmTest, PasswordEncipheringThenDecipheringGivesBackTheSameBytes)
{
    folder.write("notes.bcn", kPlain);
    startWith("notes.bcn", 3);
    enterPassword(QStringLiteral("secret"), true);
    EXPECT_EQ(lastMessage(), "File encrypted.");
    EXPECT_EQ(fakes.messages.titles, std::vector<QString>{"Brindlecase - Encrypt"});
    EXPECT_EQ(filesIn(), (Files{{"BackUp_notes.bcn", kPlain}, {"notes.bcy", kPublishedCodes + "\r\n"}}));
    EXPECT_EQ(loadedWindows(), "start+");

    startWith("notes.bcy", 3); // the file list shows the new file
    enterPassword(QStringLiteral("secret"));
    EXPECT_EQ(lastMessage(), "File decrypted.");
    EXPECT_EQ(filesIn(), (Files{{"BackUp_notes.bcn", kPlain}, {"BackUp_notes.bcy", kPublishedCodes + "\r\n"},
                                {"notes.bcn", kPlain}}));
}

// A wrong password, a password outside the code page and a target that cannot be
// written are told, the folder stays exactly as it was (no backup either) and the
// window waits; Escape, "exit" or the close box then take it back to the start window.
TEST_F(StartUpFrmTest, PasswordARefusedConversionChangesNoDataFileAndTheWindowWaits)
{
    const Files before = {{"garden.bcy", kGardenSecret}, {"notes.bcn", kPlain}, {"notes.bcy", "kept\r\n"}};
    for (const auto& [name, bytes] : before)
        folder.write(name, bytes);
    fs::permissions(folder.file("notes.bcy"), fs::perms::owner_read);
    const std::string refusals[][3] = {
        {"garden.bcy", "secrets", "The password does not fit this file; nothing was changed."},
        {"notes.bcn", "\u03C0\u03B1\u03C3\u03C3", "The password cannot hold \"\u03C0\u03B1\u03C3\"."},
        {"notes.bcn", "secret", "Could not save the file '" + folder.file("notes.bcy").string() + "': the file is read-only."},
    };
    int way = 0; // Escape, "exit" and the close box each leave for the start window
    for (const auto& [file, password, message] : refusals) {
        startWith(file, 3);
        enterPassword(QString::fromStdString(password), true);
        EXPECT_THAT(lastMessage(), StartsWith(message));
        EXPECT_EQ(loadedWindows(), "start- password+");
        if (way == 0)
            QTest::keyClick(passwordBox(), Qt::Key_Escape);
        else if (way == 1)
            click(label(&owner->encryptionFrm(), QStringLiteral("Label1_2")));
        else
            owner->encryptionFrm().close();
        EXPECT_EQ(loadedWindows(), "start+") << way++;
    }
    EXPECT_EQ(filesIn(), before);
}

} // namespace
