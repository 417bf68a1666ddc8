// The main window keeps the data file safe where a write could lose or corrupt
// work: the record limit, a file removed while open, a change whose save failed, a
// file reached through a link, a file that was cut short, a file changed by another
// program, and a file another instance holds.

#include "support/WindowHarness.h"
#include "windows/main/DataFrm.h"
#include "windows/start/StartUpFrm.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace testing_support;
using ::testing::HasSubstr;
using windows::DataFrm;
namespace fs = std::filesystem;

namespace {

const std::string kFile = "000010000001Open      Garden\xAC" "weeds\r\n";

class DataFileGuardsTest : public ::testing::Test {
protected:
    windows::TagLabel* command(int index) { return harness.label(window, QStringLiteral("Label1_%1").arg(index)); }
    QPlainTextEdit* note() { return harness.find<QPlainTextEdit>(window, QStringLiteral("FileNote")); }
    void finishNote()
    {
        for (int tick = 0; tick < 10000 && window->isTyping(); ++tick)
            window->Timer1_Timer();
    }
    void select(const QString& searched)
    {
        harness.find<QLineEdit>(window, QStringLiteral("SearchTxt"))->setText(searched);
        WindowHarness::click(harness.label(window, QStringLiteral("Res_0")));
        finishNote();
    }
    void typeAtEnd(const QString& text)
    {
        note()->setFocus();
        note()->moveCursor(QTextCursor::End);
        QTest::keyClicks(note(), text);
    }
    void save()
    {
        WindowHarness::click(command(6));
        finishNote();
    }
    std::string onDisk() { return readFile(harness.state.DataFilePath); }
    QString lastMessage() { return harness.fakes.messages.texts.empty() ? QString() : harness.fakes.messages.texts.back(); }

    WindowHarness harness;
    DataFrm* window = nullptr;
};

// A store of 32,767 records: record 1 is "First", the rest "R".
std::string fullFile()
{
    std::string bytes = "000010000001          First\xAC\r\n";
    char key[32];
    for (int id = 2; id <= 32767; ++id) {
        std::snprintf(key, sizeof key, "%05d0000001          R\xAC\r\n", id);
        bytes += key;
    }
    return bytes;
}

TEST_F(DataFileGuardsTest, AFullFileTakesNoNewRecordAndKeepsTheTypedText)
{
    const std::string full = fullFile();
    window = &harness.openData(full);
    WindowHarness::click(command(4));
    typeAtEnd(QStringLiteral("Taxes"));
    save();
    EXPECT_THAT(lastMessage().toStdString(), HasSubstr("32,767 records"));
    EXPECT_EQ(note()->toPlainText(), "Taxes");
    EXPECT_EQ(store::upperBound(harness.state.Records), 32767);

    select(QStringLiteral("First"));
    WindowHarness::click(command(5));
    typeAtEnd(QStringLiteral("Receipts"));
    save();
    EXPECT_EQ(harness.fakes.messages.texts.size(), 2u);
    EXPECT_EQ(note()->toPlainText(), "Receipts");
    EXPECT_EQ(harness.state.CurrentSub, -1);
    EXPECT_EQ(onDisk(), full);
}

TEST_F(DataFileGuardsTest, AFileRemovedWhileOpenIsCreatedAgainOnlyWhenAsked)
{
    window = &harness.openData(kFile);
    select(QStringLiteral("Garden"));
    fs::remove(harness.state.DataFilePath);
    typeAtEnd(QStringLiteral(" and moss"));
    save(); // no answer given: the question is dismissed
    ASSERT_EQ(harness.fakes.messages.questions.size(), 1u);
    EXPECT_THAT(harness.fakes.messages.questions[0].toStdString(), HasSubstr("is no longer there"));
    EXPECT_FALSE(fs::exists(harness.state.DataFilePath));
    EXPECT_TRUE(command(6)->isEnabled());

    harness.fakes.messages.answers = {0}; // "Create it again"
    save();
    EXPECT_EQ(onDisk(), "000010000001Open      Garden\xAC" "weeds and moss\r\n");
}

TEST_F(DataFileGuardsTest, AChangeWhoseSaveFailedIsNotDroppedWithoutAsking)
{
    window = &harness.openData(kFile);
    select(QStringLiteral("Garden"));
    ::chmod(harness.state.DataFilePath.c_str(), 0444);
    typeAtEnd(QStringLiteral(" and moss"));
    save();
    EXPECT_THAT(lastMessage().toStdString(), HasSubstr("read-only"));

    harness.fakes.messages.answers = {2}; // "Cancel"
    WindowHarness::click(command(8));     // "load new file"
    EXPECT_EQ(harness.fakes.messages.offers.back(), QStringList({"Save again", "Discard it", "Cancel"}));
    EXPECT_TRUE(harness.owner->isDataFrmLoaded());

    ::chmod(harness.state.DataFilePath.c_str(), 0644);
    harness.fakes.messages.answers = {0}; // "Save again"
    WindowHarness::click(command(8));
    EXPECT_FALSE(harness.owner->isDataFrmLoaded());
    EXPECT_TRUE(harness.owner->startUp().isVisible());
    EXPECT_EQ(readFile(harness.folder.file("work.bcn")), "000010000001Open      Garden\xAC" "weeds and moss\r\n");
}

TEST_F(DataFileGuardsTest, ADiscardedChangeLetsTheWindowGoAndASavedOneAsksNothing)
{
    window = &harness.openData(kFile);
    select(QStringLiteral("Garden"));
    ::chmod(harness.state.DataFilePath.c_str(), 0444);
    typeAtEnd(QStringLiteral("!"));
    save();
    harness.fakes.messages.answers = {1}; // "Discard it"
    WindowHarness::click(command(8));
    EXPECT_FALSE(harness.owner->isDataFrmLoaded());
    EXPECT_EQ(readFile(harness.folder.file("work.bcn")), kFile);

    window = &harness.openData(kFile, "other.bcn");
    select(QStringLiteral("Garden"));
    typeAtEnd(QStringLiteral("!"));
    save();
    const std::size_t asked = harness.fakes.messages.questions.size();
    WindowHarness::click(command(8));
    EXPECT_EQ(harness.fakes.messages.questions.size(), asked);
    EXPECT_FALSE(harness.owner->isDataFrmLoaded());
}

TEST_F(DataFileGuardsTest, ASaveThroughASymbolicLinkReplacesTheFileItPointsTo)
{
    TempFolder real;
    const fs::path target = real.write("work.bcn", kFile);
    fs::create_symlink(target, harness.folder.file("link.bcn"));
    harness.state.DataFilePath = harness.folder.file("link.bcn");
    window = &harness.owner->dataFrm();
    window->show();
    window->LoadDataFile(harness.state.DataFilePath);
    select(QStringLiteral("Garden"));
    typeAtEnd(QStringLiteral("!"));
    save();
    EXPECT_TRUE(fs::is_symlink(harness.folder.file("link.bcn")));
    EXPECT_EQ(readFile(target), "000010000001Open      Garden\xAC" "weeds!\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(real.path()), fs::directory_iterator()), 1);
}

TEST_F(DataFileGuardsTest, AFileCutShortOpensWithAWarning)
{
    window = &harness.openData("000010000001Open      Garden\xAC\r\n000020000001Open      Gar");
    EXPECT_TRUE(harness.owner->isDataFrmLoaded());
    EXPECT_EQ(store::upperBound(harness.state.Records), 2);
    ASSERT_EQ(harness.fakes.messages.texts.size(), 1u);
    EXPECT_THAT(lastMessage().toStdString(), HasSubstr("cut short"));

    harness.fakes.messages.texts.clear();
    window = &harness.openData(kFile, "whole.bcn");
    EXPECT_TRUE(harness.fakes.messages.texts.empty());
}

TEST_F(DataFileGuardsTest, AFileChangedByAnotherProgramIsOverwrittenOnlyWhenAsked)
{
    window = &harness.openData(kFile);
    select(QStringLiteral("Garden"));
    const std::string outside = kFile + "000020000001Open      Shed\r\n";
    harness.folder.write("work.bcn", outside); // an editor saves the file meanwhile
    typeAtEnd(QStringLiteral(" and moss"));
    harness.fakes.messages.answers = {2}; // "Cancel"
    save();
    ASSERT_EQ(harness.fakes.messages.offers.size(), 1u);
    EXPECT_EQ(harness.fakes.messages.offers[0], QStringList({"Reload", "Overwrite", "Cancel"}));
    EXPECT_THAT(harness.fakes.messages.questions[0].toStdString(), HasSubstr("was changed by another program"));
    EXPECT_EQ(onDisk(), outside);

    harness.fakes.messages.answers = {0}; // "Reload": the outside change shows, the typed text stays
    save();
    EXPECT_EQ(onDisk(), outside);
    EXPECT_EQ(store::upperBound(harness.state.Records), 2);
    EXPECT_EQ(harness.state.Records[1].Content, "Garden\xAC" "weeds");
    EXPECT_EQ(note()->toPlainText().toStdString(), "Garden\nweeds and moss");
    EXPECT_TRUE(command(6)->isEnabled()); // nothing was saved
    EXPECT_EQ(harness.state.CurrentMaster, -1);

    select(QStringLiteral("Garden")); // after the reload a save asks nothing
    typeAtEnd(QStringLiteral("!"));
    save();
    EXPECT_EQ(harness.fakes.messages.offers.size(), 2u);
    EXPECT_EQ(onDisk(), "000010000001Open      Garden\xAC" "weeds!\r\n000020000001Open      Shed\r\n");

    harness.folder.write("work.bcn", kFile);
    typeAtEnd(QStringLiteral("?"));
    harness.fakes.messages.answers = {1}; // "Overwrite"
    save();
    EXPECT_EQ(harness.fakes.messages.offers.size(), 3u);
    EXPECT_EQ(onDisk(), "000010000001Open      Garden\xAC" "weeds!?\r\n000020000001Open      Shed\r\n");
}

TEST_F(DataFileGuardsTest, AFileAnotherInstanceHoldsOpensReadOnlyOrAnywayAsChosen)
{
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    const fs::path data = harness.folder.write("work.bcn", kFile);
    const std::string otherLock = "1 " + std::string(host) + "\n"; // process 1 is always running
    harness.folder.write(".work.bcn.lock", otherLock);
    auto open = [&](int answer) {
        harness.fakes.messages.answers = {answer};
        harness.owner->startUp().show();
        harness.find<QLineEdit>(&harness.owner->startUp(), QStringLiteral("SearchTxt"))
            ->setText(QString::fromStdString(data.string()));
        WindowHarness::click(harness.label(&harness.owner->startUp(), QStringLiteral("Label1_2")));
    };
    open(2); // "Cancel"
    EXPECT_EQ(harness.fakes.messages.offers.back(), QStringList({"Open read-only", "Open anyway", "Cancel"}));
    EXPECT_THAT(harness.fakes.messages.questions.back().toStdString(),
                HasSubstr("is open in another Brindlecase (process 1 on this computer)"));
    EXPECT_FALSE(harness.owner->isDataFrmLoaded());

    open(0); // "Open read-only": shown, never written, the other's lock left alone
    ASSERT_TRUE(harness.owner->isDataFrmLoaded());
    window = &harness.owner->dataFrm();
    select(QStringLiteral("Garden"));
    typeAtEnd(QStringLiteral(" and moss"));
    save();
    EXPECT_THAT(lastMessage().toStdString(), HasSubstr("is open read-only"));
    EXPECT_EQ(onDisk(), kFile);
    EXPECT_EQ(readFile(harness.folder.file(".work.bcn.lock")), otherLock);

    harness.owner->unloadDataFrm();
    open(1); // "Open anyway": this instance takes the lock and saves
    ASSERT_TRUE(harness.owner->isDataFrmLoaded());
    window = &harness.owner->dataFrm();
    EXPECT_EQ(readFile(harness.folder.file(".work.bcn.lock")), std::to_string(::getpid()) + " " + host + "\n");
    select(QStringLiteral("Garden"));
    typeAtEnd(QStringLiteral("!"));
    save();
    EXPECT_EQ(onDisk(), "000010000001Open      Garden\xAC" "weeds!\r\n");
    harness.owner->unloadDataFrm();
    EXPECT_FALSE(fs::exists(harness.folder.file(".work.bcn.lock")));
}

} // namespace
