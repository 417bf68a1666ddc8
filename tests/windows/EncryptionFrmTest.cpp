#include "store/DataFile.h"
#include "support/StoreFixtures.h"
#include "support/WindowHarness.h"
#include "windows/start/EncryptionFrm.h"

#include <gtest/gtest.h>

#include <map>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

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

class EncryptionFrmTest : public ::testing::Test, public WindowHarness {
protected:
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

// A wrong password shows the load error and the window waits for another; an
// empty box does nothing; the right one opens the main window and keeps a backup.
TEST_F(EncryptionFrmTest, OpeningAnEncipheredFileAsksForThePasswordAndKeepsABackup)
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
TEST_F(EncryptionFrmTest, OpeningKeepsTheCodePageConversionOfThePassword)
{
    folder.write("old.bcy", kGardenQuestionMark);
    chooseFile(QStringLiteral("old.bcy"));
    startButton(2);
    enterPassword(QStringLiteral("\u0416"));
    ASSERT_TRUE(owner->isDataFrmLoaded());
    EXPECT_EQ(state.Records[1].Content, "Garden\xAC" "seeds");
}

TEST_F(EncryptionFrmTest, EncipheringThenDecipheringGivesBackTheSameBytes)
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
TEST_F(EncryptionFrmTest, ARefusedConversionChangesNoDataFileAndTheWindowWaits)
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

TEST_F(EncryptionFrmTest, APathOfNeitherKindIsOpenedAsADataFileAndAFolderIsNot)
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

TEST_F(EncryptionFrmTest, ExitTheCloseBoxAndEscapeBringTheStartWindowBack)
{
    folder.write("garden.bcy", kGardenSecret);
    for (int way = 0; way < 3; ++way) {
        chooseFile(QStringLiteral("garden.bcy"));
        startButton(way == 0 ? 2 : 3);
        ASSERT_TRUE(passwordWindowWaits());
        type(passwordBox(), QStringLiteral("secret"));
        if (way == 0)
            click(label(&owner->encryptionFrm(), QStringLiteral("Label1_2")));
        else if (way == 1)
            owner->encryptionFrm().close();
        else
            QTest::keyClick(passwordBox(), Qt::Key_Escape);
        EXPECT_FALSE(owner->isEncryptionFrmLoaded()) << way;
        EXPECT_TRUE(owner->startUp().isVisible()) << way;
    }
    EXPECT_FALSE(owner->isDataFrmLoaded());
}

} // namespace
