#include "support/WindowHarness.h"
#include "windows/controls/Colours.h"
#include "windows/main/DataFrm.h"
#include "windows/start/StartUpFrm.h"

#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

using namespace testing_support;
using windows::StartUpFrm;
namespace fs = std::filesystem;

namespace {

const std::string kPlainFile = crlfLines({"000010000001Open      Garden\xAC" "seeds", "000020000101Tomatoes"});

class StartUpFrmTest : public ::testing::Test {
protected:
    StartUpFrm& start()
    {
        StartUpFrm& window = harness.owner->startUp();
        window.show();
        return window;
    }
    QListWidget* files() { return harness.find<QListWidget>(&harness.owner->startUp(), QStringLiteral("File1")); }
    QLineEdit* path() { return harness.find<QLineEdit>(&harness.owner->startUp(), QStringLiteral("SearchTxt")); }
    void choose(const QString& name)
    {
        const auto found = files()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QListWidget* list = files();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(found[0]).center());
    }
    void openChosen() { WindowHarness::click(harness.label(&harness.owner->startUp(), QStringLiteral("Label1_2"))); }
    QStringList listed()
    {
        QStringList names;
        for (int i = 0; i < files()->count(); ++i)
            names << files()->item(i)->text();
        return names;
    }

    WindowHarness harness;
};

TEST_F(StartUpFrmTest, ListsOnlyDataFilesOfTheProgramFolder)
{
    harness.folder.write("notes.bcn", kPlainFile);
    harness.folder.write("secret.bcy", "");
    harness.folder.write("OLD.BCN", "");
    harness.folder.write("readme.txt", "");
    start();
    EXPECT_EQ(listed(), QStringList({"notes.bcn", "OLD.BCN", "secret.bcy"}));
    EXPECT_EQ(path()->text(), QString::fromStdString(harness.folder.path().string()));
    EXPECT_EQ(harness.owner->startUp().windowTitle(), "brindlecase");
}

TEST_F(StartUpFrmTest, TheCryptionButtonNamesWhatItWouldDo)
{
    harness.folder.write("notes.bcn", kPlainFile);
    harness.folder.write("secret.bcy", "");
    harness.folder.write("OLD.BCN", "");
    StartUpFrm& window = start();
    windows::TagLabel* cryption = harness.label(&window, QStringLiteral("Label1_3"));
    EXPECT_EQ(cryption->text(), "cryption");
    choose(QStringLiteral("secret.bcy"));
    EXPECT_EQ(cryption->text(), "decrypt file");
    choose(QStringLiteral("notes.bcn"));
    EXPECT_EQ(cryption->text(), "encrypt file");
    EXPECT_EQ(path()->text(), QString::fromStdString((harness.folder.path() / "notes.bcn").string()));
    choose(QStringLiteral("OLD.BCN"));
    EXPECT_EQ(cryption->text(), "cryption");
}

TEST_F(StartUpFrmTest, ChoosingAFileWithTheKeysOpensItWithEnter)
{
    harness.folder.write("a.bcn", kPlainFile);
    harness.folder.write("b.bcn", kPlainFile);
    start();
    files()->setFocus();
    QTest::keyClick(files(), Qt::Key_Down);
    QTest::keyClick(files(), Qt::Key_Down);
    EXPECT_EQ(path()->text(), QString::fromStdString((harness.folder.path() / "b.bcn").string()));
    QTest::keyClick(files(), Qt::Key_Return);
    EXPECT_TRUE(harness.owner->isDataFrmLoaded());
    EXPECT_EQ(readFile(harness.folder.file("BackUp_b.bcn")), kPlainFile);
}

TEST_F(StartUpFrmTest, OtherFileTypesAreRefused)
{
    harness.folder.write("OLD.BCN", kPlainFile);
    start();
    choose(QStringLiteral("OLD.BCN"));
    openChosen();
    ASSERT_EQ(harness.fakes.messages.texts.size(), 1u);
    EXPECT_EQ(harness.fakes.messages.texts[0], "Invalid fle type");
    EXPECT_EQ(harness.fakes.messages.titles[0], "Brindlecase");
    EXPECT_FALSE(harness.owner->isDataFrmLoaded());
    path()->setText(QStringLiteral("/tmp/notes.txt"));
    openChosen();
    EXPECT_EQ(harness.fakes.messages.texts.size(), 2u);
}

TEST_F(StartUpFrmTest, OpeningAPlainFileShowsTheMainWindowAndKeepsABackup)
{
    harness.folder.write("notes.bcn", kPlainFile);
    start();
    choose(QStringLiteral("notes.bcn"));
    openChosen();
    ASSERT_TRUE(harness.owner->isDataFrmLoaded());
    EXPECT_TRUE(harness.owner->dataFrm().isVisible());
    EXPECT_FALSE(harness.owner->isStartUpLoaded());
    EXPECT_EQ(harness.state.DataFilePath, harness.folder.file("notes.bcn"));
    EXPECT_EQ(store::upperBound(harness.state.Records), 2);
    EXPECT_EQ(readFile(harness.folder.file("BackUp_notes.bcn")), kPlainFile);
    EXPECT_TRUE(harness.fakes.messages.texts.empty());
}

TEST_F(StartUpFrmTest, ATypedPathIsBackedUpUnderItsOwnNameBesideIt)
{
    TempFolder elsewhere;
    elsewhere.write("typed.bcn", kPlainFile);
    start();
    path()->setText(QString::fromStdString(elsewhere.file("typed.bcn").string()));
    openChosen();
    ASSERT_TRUE(harness.owner->isDataFrmLoaded());
    EXPECT_EQ(readFile(elsewhere.file("BackUp_typed.bcn")), kPlainFile);
    EXPECT_FALSE(fs::exists(harness.folder.file("BackUp_")));
}

TEST_F(StartUpFrmTest, ABackupIsNotBackedUpAgain)
{
    harness.folder.write("BackUp_x.bcn", kPlainFile);
    start();
    choose(QStringLiteral("BackUp_x.bcn"));
    openChosen();
    EXPECT_TRUE(harness.owner->isDataFrmLoaded());
    EXPECT_FALSE(fs::exists(harness.folder.file("BackUp_BackUp_x.bcn")));
}

TEST_F(StartUpFrmTest, ADamagedFileReportsAndStaysInTheStartWindow)
{
    harness.folder.write("bad.bcn", crlfLines({"000010000001Open      A", "000030000001Open      C"}));
    start();
    choose(QStringLiteral("bad.bcn"));
    openChosen();
    ASSERT_EQ(harness.fakes.messages.texts.size(), 1u);
    EXPECT_EQ(harness.fakes.messages.texts[0],
              QString::fromStdString("File load error. The file '" + harness.folder.file("bad.bcn").string()
                                     + "' has reported errors."));
    EXPECT_TRUE(harness.owner->isStartUpLoaded());
    EXPECT_TRUE(harness.owner->startUp().isVisible());
    EXPECT_FALSE(harness.owner->isDataFrmLoaded());
    EXPECT_FALSE(fs::exists(harness.folder.file("BackUp_bad.bcn")));
}

TEST_F(StartUpFrmTest, TheSavedSchemePaintsTheButtonsAndHoverHighlights)
{
    harness.writeSettings("junk\r\n\r\n?\r\n?\r\n 1 \r\n 3 \r\n");
    StartUpFrm& window = start();
    windows::TagLabel* open = harness.label(&window, QStringLiteral("Label1_2"));
    EXPECT_EQ(open->backColour(), windows::colourRef(128, 64, 0));
    EXPECT_EQ(open->foreColour(), windows::colourRef(192, 64, 0));
    WindowHarness::hover(open);
    EXPECT_EQ(open->backColour(), windows::colourRef(128, 64, 0));
    EXPECT_EQ(harness.label(&window, QStringLiteral("Label1_0"))->backColour(), windows::colourRef(128, 64, 64));
}

} // namespace
