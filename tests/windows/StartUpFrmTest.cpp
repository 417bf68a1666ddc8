// The start window and the two it opens in its place: a new file, and the
// password asked before a file is opened, enciphered or deciphered.

#include "store/DataFile.h"
#include "support/StoreFixtures.h"
#include "support/WindowHarness.h"
#include "windows/start/EncryptionFrm.h"
#include "windows/start/NewFileFrm.h"

#include <QCheckBox>
#include <QListWidget>

#include <gtest/gtest.h>

#include <map>

using namespace testing_support;
namespace fs = std::filesystem;

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

class StartUpFrmTest : public ::testing::Test, public WindowHarness {
protected:
    // The start window.
    QListWidget* files() { return find<QListWidget>(&startUp(), "File1"); }
    QLineEdit* path() { return find<QLineEdit>(&startUp(), "SearchTxt"); }
    windows::TagLabel* button(int index) { return label(&startUp(), QStringLiteral("Label1_%1").arg(index)); }
    QString inFolder(const char* name) { return QString::fromStdString((folder.path() / name).string()); }

    // The new file window.
    windows::NewFileFrm& newFileFrm() { return owner->newFileFrm(); }
    QLineEdit* nameBox() { return find<QLineEdit>(&newFileFrm(), QStringLiteral("SearchTxt")); }
    QLineEdit* newPasswordBox() { return find<QLineEdit>(&newFileFrm(), QStringLiteral("Text1")); }
    void clickTick()
    {
        auto* tick = find<QCheckBox>(&newFileFrm(), QStringLiteral("Check1"));
        QTest::mouseClick(tick, Qt::LeftButton, Qt::NoModifier, QPoint(8, tick->height() / 2));
    }
    void create(const QString& name)
    {
        nameBox()->clear();
        type(nameBox(), name);
        click(label(&newFileFrm(), QStringLiteral("Label1_1")));
    }

    // The password window.
    QLineEdit* passwordBox() { return find<QLineEdit>(&owner->encryptionFrm(), QStringLiteral("Text1")); }
    // Types the password and confirms it with Enter or with the "continue" button.
    void enterPassword(const QString& password, bool withButton = false)
    {
        passwordBox()->clear();
        type(passwordBox(), password);
        if (withButton)
            click(label(&owner->encryptionFrm(), QStringLiteral("Label1_1")));
        else
            QTest::keyClick(passwordBox(), Qt::Key_Return);
    }
    bool passwordWindowWaits() { return owner->isEncryptionFrmLoaded() && owner->encryptionFrm().isVisible(); }
    // Every file of the program folder with its bytes.
    std::map<std::string, std::string> folderContents()
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            if (entry.is_regular_file())
                files[entry.path().filename().string()] = readFile(entry.path());
        }
        return files;
    }
    QString lastMessage() { return fakes.messages.texts.empty() ? QString() : fakes.messages.texts.back(); }
};

TEST_F(StartUpFrmTest, StartListsTheDataFilesOfTheProgramFolderInTheSavedSchemeAndNamesWhatCryptionWouldDo)
{
    for (const char* name : {"notes.bcn", "secret.bcy", "OLD.BCN", "readme.txt"})
        folder.write(name, kPlainFile);
    writeSettings("junk\r\n\r\n?\r\n?\r\n 1 \r\n 3 \r\n"); // only the scheme is read
    EXPECT_EQ(button(2)->foreColour(), 0x0040C0u); // shade 3 of scheme 3: 192, 64, 0
    QStringList listed;
    for (int i = 0; i < files()->count(); ++i)
        listed << files()->item(i)->text();
    EXPECT_EQ(listed, QStringList({"notes.bcn", "OLD.BCN", "secret.bcy"}));
    EXPECT_EQ(path()->text(), QString::fromStdString(folder.path().string()));
    EXPECT_EQ(button(3)->text(), "cryption");
    const char* const chosen[][2] = {{"secret.bcy", "decrypt file"}, {"notes.bcn", "encrypt file"}, {"OLD.BCN", "cryption"}};
    for (const auto& [file, caption] : chosen) {
        chooseFile(QString::fromLatin1(file));
        EXPECT_EQ(button(3)->text(), caption);
        EXPECT_EQ(path()->text(), inFolder(file));
    }
}

TEST_F(StartUpFrmTest, StartAFileChosenWithTheKeysOpensWithEnterInTheMainWindowAndKeepsABackup)
{
    folder.write("a.bcn", kPlainFile);
    folder.write("b.bcn", kPlainFile);
    files()->setFocus();
    QTest::keyClick(files(), Qt::Key_Down);
    QTest::keyClick(files(), Qt::Key_Down);
    EXPECT_EQ(path()->text(), inFolder("b.bcn"));
    QTest::keyClick(files(), Qt::Key_Return);
    ASSERT_TRUE(owner->isDataFrmLoaded());
    EXPECT_TRUE(owner->dataFrm().isVisible());
    EXPECT_FALSE(owner->isStartUpLoaded());
    EXPECT_EQ(state.DataFilePath, folder.file("b.bcn"));
    EXPECT_EQ(store::upperBound(state.Records), 2);
    EXPECT_EQ(readFile(folder.file("BackUp_b.bcn")), kPlainFile);
    EXPECT_FALSE(fs::exists(folder.file("BackUp_a.bcn")));
    EXPECT_TRUE(fakes.messages.texts.empty());
}

TEST_F(StartUpFrmTest, StartATypedPathIsBackedUpBesideItAndABackupIsNotBackedUpAgain)
{
    TempFolder elsewhere;
    elsewhere.write("typed.bcn", kPlainFile);
    elsewhere.write("BackUp_x.bcn", kPlainFile);
    path()->setText(QString::fromStdString(elsewhere.file("typed.bcn").string()));
    click(button(2));
    ASSERT_TRUE(owner->isDataFrmLoaded());
    EXPECT_EQ(readFile(elsewhere.file("BackUp_typed.bcn")), kPlainFile);
    EXPECT_FALSE(fs::exists(folder.file("BackUp_")));

    click(label(&owner->dataFrm(), "Label1_8"));
    path()->setText(QString::fromStdString(elsewhere.file("BackUp_x.bcn").string()));
    click(button(2));
    EXPECT_TRUE(owner->isDataFrmLoaded());
    EXPECT_FALSE(fs::exists(elsewhere.file("BackUp_BackUp_x.bcn")));
}

TEST_F(StartUpFrmTest, StartOtherFileTypesAndDamagedFilesAreReportedAndTheStartWindowStays)
{
    folder.write("OLD.BCN", kPlainFile);
    folder.write("bad.bcn", crlfLines({"000010000001Open      A", "000030000001Open      C"}));
    chooseFile("OLD.BCN");
    click(button(2));
    path()->setText("/tmp/notes.txt");
    click(button(2));
    EXPECT_FALSE(owner->isDataFrmLoaded());
    chooseFile("bad.bcn");
    click(button(2));
    const QString loadError = "File load error. The file '" + inFolder("bad.bcn") + "' has reported errors.";
    EXPECT_EQ(fakes.messages.texts, (std::vector<QString>{"Invalid fle type", "Invalid fle type", loadError}));
    EXPECT_EQ(fakes.messages.titles, std::vector<QString>(3, "Brindlecase"));
    EXPECT_TRUE(owner->startUp().isVisible());
    EXPECT_FALSE(owner->isDataFrmLoaded());
    EXPECT_FALSE(fs::exists(folder.file("BackUp_bad.bcn")));
}

// "email file" mails the chosen file as an attachment, or asks for one.
TEST_F(StartUpFrmTest, StartEmailFileComposesAMailWithTheChosenFileAttached)
{
    folder.write("my notes.bcn", "\r\n");
    click(button(1));
    EXPECT_EQ(fakes.messages.texts, std::vector<QString>{"Select a file to email."});
    EXPECT_TRUE(fakes.launcher.composed.empty());
    chooseFile("my notes.bcn");
    click(button(1));
    const QString file = inFolder("my notes.bcn");
    EXPECT_EQ(fakes.launcher.composed, std::vector<QString>{"mailto:?Subject=Brindlecase File&Attacth=\"" + file + "\""});
    EXPECT_EQ(fakes.launcher.attachments, std::vector<QString>{file});
    EXPECT_EQ(fakes.messages.texts.size(), 1u);
    EXPECT_TRUE(startUp().isVisible());
}

// The tick turns the password box on (emptied, with the keyboard) and off; ticked
// without a password nothing is made; unticked again, a plain file of one empty
// line replaces whatever stood under that name and opens in the main window.
TEST_F(StartUpFrmTest, NewFileThePasswordTickAndAPlainFileOfOneEmptyLine)
{
    startButton(0);
    EXPECT_FALSE(owner->startUp().isVisible());
    EXPECT_EQ(newFileFrm().windowTitle(), "New Brindlecase File");
    EXPECT_FALSE(newPasswordBox()->isEnabled());
    newPasswordBox()->setText(QStringLiteral("left over"));
    clickTick();
    EXPECT_TRUE(newPasswordBox()->isEnabled());
    EXPECT_TRUE(label(&newFileFrm(), QStringLiteral("Label2_1"))->isEnabled());
    EXPECT_TRUE(newPasswordBox()->text().isEmpty());
    EXPECT_EQ(newFileFrm().focusWidget(), newPasswordBox());
    create(QStringLiteral("plans"));
    EXPECT_TRUE(newFileFrm().isVisible());
    EXPECT_FALSE(fs::exists(folder.file("plans.bcy")));

    state.FilePassword = "before";
    type(newPasswordBox(), QStringLiteral("typed"));
    clickTick();
    EXPECT_FALSE(newPasswordBox()->isEnabled());
    folder.write("plans.bcn", "000010000001Open      Garden\r\n");
    state.Records.emplace_back();
    QTest::keyClick(nameBox(), Qt::Key_Return); // Enter in the name box creates too
    EXPECT_EQ(readFile(folder.file("plans.bcn")), "\r\n");
    EXPECT_FALSE(fs::exists(folder.file("plans.bcy")));
    EXPECT_EQ(state.DataFilePath, folder.file("plans.bcn"));
    EXPECT_FALSE(state.FileEncrypted);
    EXPECT_EQ(state.FilePassword, "before");
    EXPECT_EQ(store::upperBound(state.Records), 0);
    ASSERT_TRUE(owner->isDataFrmLoaded());
    EXPECT_TRUE(owner->dataFrm().isVisible());
    EXPECT_FALSE(owner->isStartUpLoaded());
    EXPECT_FALSE(owner->isNewFileFrmLoaded());
    EXPECT_TRUE(fakes.messages.texts.empty());
}

TEST_F(StartUpFrmTest, NewFileAnEncipheredFileStartsWithOneUnencipheredEmptyLine)
{
    startButton(0);
    clickTick();
    type(newPasswordBox(), QStringLiteral("caf\u00E9"));
    create(QStringLiteral("secret plans"));
    EXPECT_EQ(readFile(folder.file("secret plans.bcy")), "\r\n");
    EXPECT_FALSE(fs::exists(folder.file("secret plans.bcn")));
    EXPECT_TRUE(state.FileEncrypted);
    EXPECT_EQ(state.FilePassword, "caf\xE9");
    EXPECT_TRUE(owner->isDataFrmLoaded());
}

// A read-only file, a name that leaves the folder and a password outside the code
// page are told and make nothing; the window stays.
TEST_F(StartUpFrmTest, NewFileWhatCannotBeMadeIsToldAndTheWindowStays)
{
    startButton(0);
    const fs::path locked = folder.write("locked.bcn", "000010000001Open      Kept\r\n");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    create(QStringLiteral("locked"));
    create(QStringLiteral("../outside"));
    clickTick();
    type(newPasswordBox(), QStringLiteral("\u041F\u0430\u0440\u043E\u043B\u044C"));
    create(QStringLiteral("plans"));
    ASSERT_EQ(fakes.messages.texts.size(), 3u);
    EXPECT_EQ(fakes.messages.texts[0], QString::fromStdString("Could not save the file '" + locked.string() + "': the file is read-only."));
    EXPECT_EQ(fakes.messages.titles[0], "Brindlecase");
    EXPECT_TRUE(fakes.messages.texts[1].contains(QStringLiteral("a file name cannot hold \"/\"")));
    EXPECT_TRUE(fakes.messages.texts[2].startsWith(QStringLiteral("The password cannot hold \"\u041F\u0430\u0440\u043E\u043B\u044C\".")));
    EXPECT_EQ(readFile(locked), "000010000001Open      Kept\r\n");
    EXPECT_FALSE(fs::exists(folder.path().parent_path() / "outside.bcn"));
    EXPECT_FALSE(fs::exists(folder.file("plans.bcy")));
    EXPECT_TRUE(newFileFrm().isVisible());
    EXPECT_FALSE(owner->isDataFrmLoaded());
}

// A wrong password shows the load error and the window waits for another; an
// empty box does nothing; the right one opens the main window and keeps a backup.
TEST_F(StartUpFrmTest, PasswordOpeningAnEncipheredFileAsksForThePasswordAndKeepsABackup)
{
    folder.write("garden.bcy", kGardenSecret);
    chooseFile(QStringLiteral("garden.bcy"));
    startButton(2);
    ASSERT_TRUE(passwordWindowWaits());
    EXPECT_EQ(owner->encryptionFrm().windowTitle(), "Encryption");
    EXPECT_FALSE(owner->startUp().isVisible());
    enterPassword(QString());
    enterPassword(QString(), true);
    EXPECT_TRUE(fakes.messages.texts.empty());
    enterPassword(QStringLiteral("Secret"));
    EXPECT_EQ(fakes.messages.texts, std::vector<QString>{QString::fromStdString(
        "File load error. The file '" + folder.file("garden.bcy").string() + "' has reported errors.")});
    EXPECT_TRUE(passwordWindowWaits());
    EXPECT_EQ(folderContents(), (std::map<std::string, std::string>{{"garden.bcy", kGardenSecret}}));

    enterPassword(QStringLiteral("secret"));
    ASSERT_TRUE(owner->isDataFrmLoaded());
    EXPECT_TRUE(owner->dataFrm().isVisible());
    EXPECT_FALSE(owner->isStartUpLoaded());
    EXPECT_FALSE(owner->isEncryptionFrmLoaded());
    EXPECT_TRUE(state.FileEncrypted);
    ASSERT_EQ(store::upperBound(state.Records), 2);
    EXPECT_EQ(state.Records[2].Content, "Tomatoes");
    EXPECT_EQ(readFile(folder.file("BackUp_garden.bcy")), kGardenSecret);
}

// Opening keeps turning characters the code page cannot hold into "?", so files
// whose password was set that way still open.
TEST_F(StartUpFrmTest, PasswordOpeningKeepsTheCodePageConversionOfThePassword)
{
    folder.write("old.bcy", kGardenQuestionMark);
    chooseFile(QStringLiteral("old.bcy"));
    startButton(2);
    enterPassword(QStringLiteral("\u0416"));
    ASSERT_TRUE(owner->isDataFrmLoaded());
    EXPECT_EQ(state.Records[1].Content, "Garden\xAC" "seeds");
}

TEST_F(StartUpFrmTest, PasswordEncipheringThenDecipheringGivesBackTheSameBytes)
{
    folder.write("notes.bcn", kPlain);
    chooseFile(QStringLiteral("notes.bcn"));
    startButton(3);
    EXPECT_FALSE(state.OpenAfterPassword);
    enterPassword(QStringLiteral("secret"), true);
    EXPECT_EQ(lastMessage(), "File encrypted.");
    EXPECT_EQ(fakes.messages.titles.back(), "Brindlecase - Encrypt");
    EXPECT_EQ(folderContents(), (std::map<std::string, std::string>{{"BackUp_notes.bcn", kPlain},
                                                                    {"notes.bcy", kPublishedCodes + "\r\n"}}));
    ASSERT_TRUE(owner->startUp().isVisible());
    EXPECT_FALSE(owner->isDataFrmLoaded());

    chooseFile(QStringLiteral("notes.bcy")); // the file list shows the new file
    startButton(3);
    enterPassword(QStringLiteral("secret"));
    EXPECT_EQ(lastMessage(), "File decrypted.");
    EXPECT_EQ(folderContents(), (std::map<std::string, std::string>{{"BackUp_notes.bcn", kPlain},
                                                                    {"BackUp_notes.bcy", kPublishedCodes + "\r\n"},
                                                                    {"notes.bcn", kPlain}}));
}

// A wrong password, a password outside the code page and a target that cannot be
// written are told, the data files stay as they were and the window waits.
TEST_F(StartUpFrmTest, PasswordARefusedConversionChangesNoDataFileAndTheWindowWaits)
{
    folder.write("garden.bcy", kGardenSecret);
    folder.write("notes.bcn", kPlain);
    const fs::path locked = folder.write("notes.bcy", "kept\r\n");
    fs::permissions(locked, fs::perms::owner_read);
    const QString refusals[][3] = {
        {"garden.bcy", "secrets", "The password does not fit this file; nothing was changed."},
        {"notes.bcn", "\u03C0\u03B1\u03C3\u03C3", "The password cannot hold \"\u03C0\u03B1\u03C3\"."},
        {"notes.bcn", "secret", QString::fromStdString("Could not save the file '" + locked.string() + "': the file is read-only.")},
    };
    for (const auto& [file, password, message] : refusals) {
        chooseFile(file);
        startButton(3);
        enterPassword(password, true);
        EXPECT_TRUE(lastMessage().startsWith(message)) << lastMessage().toStdString();
        EXPECT_TRUE(passwordWindowWaits());
        click(label(&owner->encryptionFrm(), QStringLiteral("Label1_2")));
    }
    EXPECT_EQ(readFile(folder.file("garden.bcy")) + readFile(folder.file("notes.bcn")) + readFile(locked),
              kGardenSecret + kPlain + "kept\r\n");
    EXPECT_FALSE(fs::exists(folder.file("garden.bcn")));
}

TEST_F(StartUpFrmTest, PasswordAPathOfNeitherKindIsOpenedAsADataFileAndAFolderIsNot)
{
    TempFolder elsewhere;
    const std::string plain = "000010000001Open      Garden\r\n";
    elsewhere.write("notes.txt", plain);
    startButton(3); // no file chosen: the program folder itself
    enterPassword(QStringLiteral("pw"));
    EXPECT_TRUE(lastMessage().endsWith(QStringLiteral("': it is a folder, not a file."))) << lastMessage().toStdString();
    EXPECT_FALSE(owner->isDataFrmLoaded());
    EXPECT_TRUE(owner->startUp().isVisible());

    find<QLineEdit>(&startUp(), QStringLiteral("SearchTxt"))->setText(QString::fromStdString(elsewhere.file("notes.txt").string()));
    startButton(3);
    enterPassword(QStringLiteral("unused"), true);
    ASSERT_TRUE(owner->isDataFrmLoaded());
    EXPECT_EQ(state.Records[1].Content, "Garden");
    EXPECT_EQ(readFile(elsewhere.file("BackUp_notes.txt")), plain);
}

// Exit, the close box and Escape take both windows back to the start window; the
// new file window empties the store, the password window opens nothing.
TEST_F(StartUpFrmTest, ExitTheCloseBoxAndEscapeBringTheStartWindowBack)
{
    folder.write("garden.bcy", kGardenSecret);
    for (int way = 0; way < 3; ++way) {
        for (const int button : {0, way == 0 ? 2 : 3}) {
            state.Records.emplace_back();
            if (button != 0)
                chooseFile(QStringLiteral("garden.bcy"));
            startButton(button);
            QWidget* window = button == 0 ? static_cast<QWidget*>(&newFileFrm()) : &owner->encryptionFrm();
            QLineEdit* box = button == 0 ? nameBox() : passwordBox();
            type(box, QStringLiteral("secret"));
            if (way == 0)
                click(label(window, QStringLiteral("Label1_2")));
            else if (way == 1)
                window->close();
            else
                QTest::keyClick(box, Qt::Key_Escape);
            EXPECT_FALSE(owner->isNewFileFrmLoaded() || owner->isEncryptionFrmLoaded()) << way;
            EXPECT_TRUE(owner->startUp().isVisible()) << way;
        }
        EXPECT_EQ(store::upperBound(state.Records), 1) << way; // emptied by the new file window only
    }
    EXPECT_FALSE(owner->isDataFrmLoaded());
}

} // namespace
