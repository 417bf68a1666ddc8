#include "store/DataFile.h"
#include "support/WindowHarness.h"
#include "windows/main/DataFrm.h"
#include "windows/start/EncryptionFrm.h"
#include "windows/start/StartUpFrm.h"

#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

#include <map>

using namespace testing_support;
using windows::EncryptionFrm;
namespace fs = std::filesystem;

namespace {

// A plain line and the same line enciphered with "secret": the published value
// that files of existing installations hold.
const std::string kPlainLine = "00001000000101Open      Garden\xAC" "first line";
const std::string kSecretLine = "219,190,080,153,142,043,237,055,091,059,069,114,215,112,093,129,238,231,252,202,253,"
                                "001,142,207,239,025,180,235,043,091,108,044,055,009,182,130,073,000,105,012,119";

// Two records enciphered with "secret", and one record with "?", as an independent
// reader of the format writes them.
const std::string kGardenSecret =
    "219,190,080,153,142,043,237,055,091,059,069,114,168,049,119,159,171,169,252,202,253,001,233,142,218,028,163,225,"
    "226,070,165,047,058,008\r\n"
    "219,190,080,153,141,043,237,055,091,058,069,114,179,046,127,144,255,230,185,153\r\n";
const std::string kGardenQuestionMark =
    "140,085,052,117,098,023,082,177,212,214,060,052,071,213,235,232,150,113,143,218,052,101,174,036,254,119,121,123,"
    "141,241,231,110,096,160\r\n";

class EncryptionFrmTest : public ::testing::Test {
protected:
    windows::StartUpFrm& start()
    {
        windows::StartUpFrm& window = harness.owner->startUp();
        window.show();
        return window;
    }
    void choose(const QString& name)
    {
        auto* list = harness.find<QListWidget>(&start(), QStringLiteral("File1"));
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(found[0]).center());
    }
    void startButton(int index) { WindowHarness::click(harness.label(&start(), QStringLiteral("Label1_%1").arg(index))); }
    EncryptionFrm& window() { return harness.owner->encryptionFrm(); }
    QLineEdit* passwordBox() { return harness.find<QLineEdit>(&window(), QStringLiteral("Text1")); }
    void enterPassword(const QString& password)
    {
        passwordBox()->clear();
        WindowHarness::type(passwordBox(), password);
        QTest::keyClick(passwordBox(), Qt::Key_Return);
    }
    void continueWith(const QString& password)
    {
        passwordBox()->clear();
        WindowHarness::type(passwordBox(), password);
        WindowHarness::click(harness.label(&window(), QStringLiteral("Label1_1")));
    }
    bool passwordWindowWaits() { return harness.owner->isEncryptionFrmLoaded() && window().isVisible(); }
    // Every file of the program folder with its bytes.
    std::map<std::string, std::string> folderContents()
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(harness.folder.path())) {
            if (entry.is_regular_file())
                files[entry.path().filename().string()] = readFile(entry.path());
        }
        return files;
    }
    QString lastMessage() { return harness.fakes.messages.texts.empty() ? QString() : harness.fakes.messages.texts.back(); }

    WindowHarness harness;
};

TEST_F(EncryptionFrmTest, OpeningAnEncipheredFileAsksForThePasswordAndKeepsABackup)
{
    harness.folder.write("garden.bcy", kGardenSecret);
    choose(QStringLiteral("garden.bcy"));
    startButton(2);
    ASSERT_TRUE(passwordWindowWaits());
    EXPECT_EQ(window().windowTitle(), "Encryption");
    EXPECT_FALSE(harness.owner->startUp().isVisible());
    EXPECT_TRUE(harness.state.FileEncrypted);
    EXPECT_TRUE(harness.state.OpenAfterPassword);

    enterPassword(QStringLiteral("secret"));
    ASSERT_TRUE(harness.owner->isDataFrmLoaded());
    EXPECT_TRUE(harness.owner->dataFrm().isVisible());
    EXPECT_FALSE(harness.owner->isStartUpLoaded());
    EXPECT_FALSE(harness.owner->isEncryptionFrmLoaded());
    EXPECT_EQ(harness.state.FilePassword, "secret");
    ASSERT_EQ(store::upperBound(harness.state.Records), 2);
    EXPECT_EQ(harness.state.Records[1].Content, "Garden\xAC" "seeds");
    EXPECT_EQ(harness.state.Records[2].Content, "Tomatoes");
    EXPECT_EQ(readFile(harness.folder.file("BackUp_garden.bcy")), kGardenSecret);
    EXPECT_TRUE(harness.fakes.messages.texts.empty());
}

TEST_F(EncryptionFrmTest, AWrongPasswordShowsTheLoadErrorAndTheWindowWaitsForAnother)
{
    harness.folder.write("garden.bcy", kGardenSecret);
    const auto before = folderContents();
    choose(QStringLiteral("garden.bcy"));
    startButton(2);
    enterPassword(QStringLiteral("Secret"));
    ASSERT_EQ(harness.fakes.messages.texts.size(), 1u);
    EXPECT_EQ(lastMessage(), QString::fromStdString("File load error. The file '" + harness.folder.file("garden.bcy").string()
                                                    + "' has reported errors."));
    EXPECT_EQ(harness.fakes.messages.titles[0], "Brindlecase");
    EXPECT_TRUE(passwordWindowWaits());
    EXPECT_FALSE(harness.owner->isDataFrmLoaded());
    EXPECT_FALSE(harness.owner->startUp().isVisible());
    EXPECT_EQ(folderContents(), before);

    enterPassword(QStringLiteral("secret"));
    EXPECT_TRUE(harness.owner->isDataFrmLoaded());
    EXPECT_FALSE(harness.owner->isEncryptionFrmLoaded());
}

TEST_F(EncryptionFrmTest, AnEmptyPasswordBoxDoesNothing)
{
    harness.folder.write("garden.bcy", kGardenSecret);
    choose(QStringLiteral("garden.bcy"));
    startButton(2);
    QTest::keyClick(passwordBox(), Qt::Key_Return);
    WindowHarness::click(harness.label(&window(), QStringLiteral("Label1_1")));
    EXPECT_TRUE(passwordWindowWaits());
    EXPECT_FALSE(harness.owner->isDataFrmLoaded());
    EXPECT_TRUE(harness.fakes.messages.texts.empty());
}

// Opening keeps turning characters the code page cannot hold into "?", so files
// whose password was set that way still open.
TEST_F(EncryptionFrmTest, OpeningKeepsTheCodePageConversionOfThePassword)
{
    harness.folder.write("old.bcy", kGardenQuestionMark);
    choose(QStringLiteral("old.bcy"));
    startButton(2);
    enterPassword(QStringLiteral("\u0416"));
    ASSERT_TRUE(harness.owner->isDataFrmLoaded());
    EXPECT_EQ(harness.state.Records[1].Content, "Garden\xAC" "seeds");
}

TEST_F(EncryptionFrmTest, EncipheringThenDecipheringGivesBackTheSameBytes)
{
    const std::string plain = kPlainLine + "\r\n";
    harness.folder.write("notes.bcn", plain);
    choose(QStringLiteral("notes.bcn"));
    startButton(3);
    EXPECT_FALSE(harness.state.OpenAfterPassword);
    continueWith(QStringLiteral("secret"));
    EXPECT_EQ(lastMessage(), "File encrypted.");
    EXPECT_EQ(harness.fakes.messages.titles.back(), "Brindlecase - Encrypt");
    EXPECT_EQ(folderContents(), (std::map<std::string, std::string>{{"BackUp_notes.bcn", plain},
                                                                    {"notes.bcy", kSecretLine + "\r\n"}}));
    EXPECT_FALSE(harness.owner->isEncryptionFrmLoaded());
    ASSERT_TRUE(start().isVisible());
    EXPECT_TRUE(harness.find<QLineEdit>(&start(), QStringLiteral("SearchTxt"))->text().isEmpty());
    EXPECT_FALSE(harness.owner->isDataFrmLoaded());

    choose(QStringLiteral("notes.bcy")); // the file list shows the new file
    EXPECT_EQ(harness.label(&start(), QStringLiteral("Label1_3"))->text(), "decrypt file");
    startButton(3);
    enterPassword(QStringLiteral("secret"));
    EXPECT_EQ(lastMessage(), "File decrypted.");
    EXPECT_EQ(folderContents(), (std::map<std::string, std::string>{{"BackUp_notes.bcn", plain},
                                                                    {"BackUp_notes.bcy", kSecretLine + "\r\n"},
                                                                    {"notes.bcn", plain}}));
}

TEST_F(EncryptionFrmTest, DecipheringWithAWrongPasswordIsRefusedAndEveryFileStays)
{
    harness.folder.write("garden.bcy", kGardenSecret);
    harness.folder.write("BackUp_garden.bcy", "an older backup\r\n");
    const auto before = folderContents();
    choose(QStringLiteral("garden.bcy"));
    startButton(3);
    continueWith(QStringLiteral("secrets"));
    EXPECT_EQ(lastMessage(), "The password does not fit this file; nothing was changed.");
    EXPECT_EQ(harness.fakes.messages.titles.back(), "Brindlecase - Encrypt");
    EXPECT_EQ(folderContents(), before);
    EXPECT_TRUE(passwordWindowWaits());
    EXPECT_FALSE(harness.owner->startUp().isVisible());

    continueWith(QStringLiteral("secret"));
    EXPECT_EQ(lastMessage(), "File decrypted.");
    EXPECT_EQ(readFile(harness.folder.file("garden.bcn")),
              "000010000001Open      Garden\xAC" "seeds\r\n000020000101Tomatoes\r\n");
}

TEST_F(EncryptionFrmTest, AnExistingFileOfTheOtherKindIsKeptAsABackup)
{
    const std::string plain = kPlainLine + "\r\n";
    harness.folder.write("notes.bcn", plain);
    harness.folder.write("notes.bcy", kGardenSecret);
    choose(QStringLiteral("notes.bcn"));
    startButton(3);
    continueWith(QStringLiteral("secret"));
    EXPECT_EQ(lastMessage(), "File encrypted. The file notes.bcy that was already there is kept as BackUp_notes.bcy.");
    EXPECT_EQ(folderContents(), (std::map<std::string, std::string>{{"BackUp_notes.bcn", plain},
                                                                    {"BackUp_notes.bcy", kGardenSecret},
                                                                    {"notes.bcy", kSecretLine + "\r\n"}}));
}

TEST_F(EncryptionFrmTest, EncipheringRefusesAPasswordOutsideTheCodePage)
{
    harness.folder.write("notes.bcn", kPlainLine + "\r\n");
    const auto before = folderContents();
    choose(QStringLiteral("notes.bcn"));
    startButton(3);
    continueWith(QStringLiteral("\u03C0\u03B1\u03C3\u03C3"));
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("The password cannot hold \"\u03C0\u03B1\u03C3\".")))
        << lastMessage().toStdString();
    EXPECT_EQ(folderContents(), before);
    EXPECT_TRUE(passwordWindowWaits());
}

TEST_F(EncryptionFrmTest, AFileThatCannotBeConvertedIsReportedAndNothingIsLost)
{
    const std::string plain = kPlainLine + "\r\n";
    harness.folder.write("notes.bcn", plain);
    const fs::path target = harness.folder.write("notes.bcy", "kept\r\n");
    fs::permissions(target, fs::perms::owner_read);
    choose(QStringLiteral("notes.bcn"));
    startButton(3);
    continueWith(QStringLiteral("secret"));
    EXPECT_EQ(lastMessage(), QString::fromStdString("Could not save the file '" + target.string()
                                                    + "': the file is read-only."));
    EXPECT_EQ(readFile(harness.folder.file("notes.bcn")), plain);
    EXPECT_EQ(readFile(target), "kept\r\n");
    EXPECT_TRUE(passwordWindowWaits());
}

TEST_F(EncryptionFrmTest, APathOfNeitherKindIsOpenedAsADataFile)
{
    TempFolder elsewhere;
    const std::string plain = "000010000001Open      Garden\r\n";
    elsewhere.write("notes.txt", plain);
    start();
    harness.find<QLineEdit>(&start(), QStringLiteral("SearchTxt"))->setText(QString::fromStdString(elsewhere.file("notes.txt").string()));
    startButton(3);
    continueWith(QStringLiteral("unused"));
    ASSERT_TRUE(harness.owner->isDataFrmLoaded());
    EXPECT_EQ(harness.state.Records[1].Content, "Garden");
    EXPECT_EQ(readFile(elsewhere.file("BackUp_notes.txt")), plain);
    EXPECT_FALSE(harness.owner->isStartUpLoaded());
    EXPECT_FALSE(harness.owner->isEncryptionFrmLoaded());

    // A folder does not load: the reader says so, and back to the start window.
    WindowHarness again;
    again.owner->startUp().show();
    WindowHarness::click(again.label(&again.owner->startUp(), QStringLiteral("Label1_3")));
    auto* box = again.find<QLineEdit>(&again.owner->encryptionFrm(), QStringLiteral("Text1"));
    WindowHarness::type(box, QStringLiteral("pw"));
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_EQ(again.fakes.messages.texts.size(), 1u);
    EXPECT_TRUE(again.fakes.messages.texts[0].endsWith(QStringLiteral("': it is a folder, not a file.")))
        << again.fakes.messages.texts[0].toStdString();
    EXPECT_FALSE(again.owner->isEncryptionFrmLoaded());
    EXPECT_TRUE(again.owner->startUp().isVisible());
    EXPECT_FALSE(again.owner->isDataFrmLoaded());
}

TEST_F(EncryptionFrmTest, ExitTheCloseBoxAndEscapeBringTheStartWindowBack)
{
    harness.folder.write("garden.bcy", kGardenSecret);
    const auto before = folderContents();
    for (int way = 0; way < 3; ++way) {
        choose(QStringLiteral("garden.bcy"));
        startButton(way == 0 ? 2 : 3);
        ASSERT_TRUE(passwordWindowWaits());
        WindowHarness::type(passwordBox(), QStringLiteral("secret"));
        if (way == 0)
            WindowHarness::click(harness.label(&window(), QStringLiteral("Label1_2")));
        else if (way == 1)
            window().close();
        else
            QTest::keyClick(passwordBox(), Qt::Key_Escape);
        EXPECT_FALSE(harness.owner->isEncryptionFrmLoaded()) << way;
        EXPECT_TRUE(harness.owner->startUp().isVisible()) << way;
    }
    EXPECT_FALSE(harness.owner->isDataFrmLoaded());
    EXPECT_EQ(folderContents(), before);
}

} // namespace
