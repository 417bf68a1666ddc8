#include "support/WindowHarness.h"
#include "windows/start/StartUpFrm.h"

#include <QListWidget>

#include <gtest/gtest.h>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::string kPlainFile = crlfLines({"000010000001Open      Garden\xAC" "seeds", "000020000101Tomatoes"});

class StartUpFrmTest : public ::testing::Test, public WindowHarness {
protected:
    QListWidget* files() { return find<QListWidget>(&startUp(), "File1"); }
    QLineEdit* path() { return find<QLineEdit>(&startUp(), "SearchTxt"); }
    windows::TagLabel* button(int index) { return label(&startUp(), QStringLiteral("Label1_%1").arg(index)); }
    QString inFolder(const char* name) { return QString::fromStdString((folder.path() / name).string()); }
};

TEST_F(StartUpFrmTest, ListsTheDataFilesOfTheProgramFolderInTheSavedSchemeAndNamesWhatCryptionWouldDo)
{
    for (const char* name : {"notes.bcn", "secret.bcy", "OLD.BCN", "readme.txt"})
        folder.write(name, kPlainFile);
    writeSettings("junk\r\n\r\n?\r\n?\r\n 1 \r\n 3 \r\n"); // only the scheme is read
    EXPECT_EQ(button(2)->backColour(), 0x004080u); // shade 4 of scheme 3: 128, 64, 0
    EXPECT_EQ(button(2)->foreColour(), 0x0040C0u); // shade 3: 192, 64, 0
    hover(button(2));
    EXPECT_EQ(button(2)->backColour(), 0x004080u);
    EXPECT_EQ(button(0)->backColour(), 0x404080u); // shade 5: 128, 64, 64
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

TEST_F(StartUpFrmTest, AFileChosenWithTheKeysOpensWithEnterInTheMainWindowAndKeepsABackup)
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

TEST_F(StartUpFrmTest, ATypedPathIsBackedUpBesideItAndABackupIsNotBackedUpAgain)
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

TEST_F(StartUpFrmTest, OtherFileTypesAndDamagedFilesAreReportedAndTheStartWindowStays)
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
TEST_F(StartUpFrmTest, EmailFileComposesAMailWithTheChosenFileAttached)
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

} // namespace
