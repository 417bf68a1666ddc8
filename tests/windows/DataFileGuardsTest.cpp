// The main window keeps the data file safe where a write could lose or corrupt
// work: the record limit, a file removed while open, a change whose save failed, a
// file reached through a link, a file that was cut short, a file changed by another
// program, and a file another instance holds.

#include "support/WindowHarness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace testing_support;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

const std::string kFile = "000010000001Open      Garden\xAC" "weeds\r\n";

class DataFileGuardsTest : public ::testing::Test, public WindowHarness {
protected:
    void openGarden(const std::string& name = "work.bcn")
    {
        openData(kFile, name);
        search("Garden");
        select("Res_0");
    }
    void save()
    {
        click(command(6));
        finishNote();
    }
    void typeAndSave(const QString& text)
    {
        type(note(), text);
        save();
    }
    std::string lastMessage() { return fakes.messages.texts.empty() ? "" : fakes.messages.texts.back().toStdString(); }
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
    openData(full);
    click(command(4));
    typeAndSave(QStringLiteral("Taxes"));
    EXPECT_THAT(lastMessage(), HasSubstr("32,767 records"));
    EXPECT_EQ(note()->toPlainText(), "Taxes");
    EXPECT_EQ(store::upperBound(state.Records), 32767);

    search("First");
    select("Res_0");
    click(command(5));
    typeAndSave(QStringLiteral("Receipts"));
    EXPECT_EQ(fakes.messages.texts.size(), 2u);
    EXPECT_EQ(note()->toPlainText(), "Receipts");
    EXPECT_EQ(state.CurrentSub, -1);
    EXPECT_EQ(readFile(state.DataFilePath), full);
}

TEST_F(DataFileGuardsTest, AFileRemovedWhileOpenIsCreatedAgainOnlyWhenAsked)
{
    openGarden();
    fs::remove(state.DataFilePath);
    typeAndSave(QStringLiteral(" and moss")); // no answer given: the question is dismissed
    ASSERT_EQ(fakes.messages.questions.size(), 1u);
    EXPECT_THAT(fakes.messages.questions[0].toStdString(), HasSubstr("is no longer there"));
    EXPECT_FALSE(fs::exists(state.DataFilePath));
    EXPECT_TRUE(command(6)->isEnabled());

    fakes.messages.answers = {0}; // "Create it again"
    save();
    EXPECT_EQ(readFile(state.DataFilePath), "000010000001Open      Garden\xAC" "weeds and moss\r\n");
}

// "load new file" after a save failed asks first: "Cancel" stays, "Save again"
// saves and goes, "Discard it" goes and leaves the file; a saved change asks nothing.
TEST_F(DataFileGuardsTest, AChangeWhoseSaveFailedIsNotDroppedWithoutAsking)
{
    openGarden();
    ::chmod(state.DataFilePath.c_str(), 0444);
    typeAndSave(QStringLiteral(" and moss"));
    EXPECT_THAT(lastMessage(), HasSubstr("read-only"));
    fakes.messages.answers = {2}; // "Cancel"
    click(command(8));
    EXPECT_EQ(fakes.messages.offers.back(), QStringList({"Save again", "Discard it", "Cancel"}));
    EXPECT_TRUE(owner->isDataFrmLoaded());
    ::chmod(state.DataFilePath.c_str(), 0644);
    fakes.messages.answers = {0}; // "Save again"
    click(command(8));
    EXPECT_FALSE(owner->isDataFrmLoaded());
    EXPECT_TRUE(owner->startUp().isVisible());
    EXPECT_EQ(readFile(folder.file("work.bcn")), "000010000001Open      Garden\xAC" "weeds and moss\r\n");

    openGarden("other.bcn");
    ::chmod(state.DataFilePath.c_str(), 0444);
    typeAndSave(QStringLiteral("!"));
    fakes.messages.answers = {1}; // "Discard it"
    click(command(8));
    EXPECT_FALSE(owner->isDataFrmLoaded());
    EXPECT_EQ(readFile(folder.file("other.bcn")), kFile);

    ::chmod(folder.file("other.bcn").c_str(), 0644);
    openGarden("other.bcn");
    typeAndSave(QStringLiteral("!"));
    const std::size_t asked = fakes.messages.questions.size();
    click(command(8));
    EXPECT_EQ(fakes.messages.questions.size(), asked);
    EXPECT_FALSE(owner->isDataFrmLoaded());
}

TEST_F(DataFileGuardsTest, ASaveThroughASymbolicLinkReplacesTheFileItPointsTo)
{
    TempFolder real;
    const fs::path target = real.write("work.bcn", kFile);
    fs::create_symlink(target, folder.file("link.bcn"));
    openFile("link.bcn");
    search("Garden");
    select("Res_0");
    typeAndSave(QStringLiteral("!"));
    EXPECT_TRUE(fs::is_symlink(folder.file("link.bcn")));
    EXPECT_EQ(readFile(target), "000010000001Open      Garden\xAC" "weeds!\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(real.path()), fs::directory_iterator()), 1);
}

TEST_F(DataFileGuardsTest, AFileCutShortOpensWithAWarning)
{
    openData("000010000001Open      Garden\xAC\r\n000020000001Open      Gar");
    EXPECT_TRUE(owner->isDataFrmLoaded());
    EXPECT_EQ(store::upperBound(state.Records), 2);
    ASSERT_EQ(fakes.messages.texts.size(), 1u);
    EXPECT_THAT(lastMessage(), HasSubstr("cut short"));
    openData(kFile, "whole.bcn");
    EXPECT_EQ(fakes.messages.texts.size(), 1u);
}

TEST_F(DataFileGuardsTest, AFileChangedByAnotherProgramIsOverwrittenOnlyWhenAsked)
{
    openGarden();
    const std::string outside = kFile + "000020000001Open      Shed\r\n";
    folder.write("work.bcn", outside); // an editor saves the file meanwhile
    type(note(), QStringLiteral(" and moss"));
    fakes.messages.answers = {2}; // "Cancel"
    save();
    ASSERT_EQ(fakes.messages.offers.size(), 1u);
    EXPECT_EQ(fakes.messages.offers[0], QStringList({"Reload", "Overwrite", "Cancel"}));
    EXPECT_THAT(fakes.messages.questions[0].toStdString(), HasSubstr("was changed by another program"));
    EXPECT_EQ(readFile(state.DataFilePath), outside);

    fakes.messages.answers = {0}; // "Reload": the outside change shows, the typed text stays
    save();
    EXPECT_EQ(readFile(state.DataFilePath), outside);
    EXPECT_EQ(store::upperBound(state.Records), 2);
    EXPECT_EQ(state.Records[1].Content, "Garden\xAC" "weeds");
    EXPECT_EQ(note()->toPlainText().toStdString(), "Garden\nweeds and moss");
    EXPECT_TRUE(command(6)->isEnabled()); // nothing was saved
    EXPECT_EQ(state.CurrentMaster, -1);

    search("Garden"); // after the reload a save asks nothing
    select("Res_0");
    typeAndSave(QStringLiteral("!"));
    EXPECT_EQ(fakes.messages.offers.size(), 2u);
    EXPECT_EQ(readFile(state.DataFilePath), "000010000001Open      Garden\xAC" "weeds!\r\n000020000001Open      Shed\r\n");

    folder.write("work.bcn", kFile);
    fakes.messages.answers = {1}; // "Overwrite"
    typeAndSave(QStringLiteral("?"));
    EXPECT_EQ(fakes.messages.offers.size(), 3u);
    EXPECT_EQ(readFile(state.DataFilePath), "000010000001Open      Garden\xAC" "weeds!?\r\n000020000001Open      Shed\r\n");
}

TEST_F(DataFileGuardsTest, AFileAnotherInstanceHoldsOpensReadOnlyOrAnywayAsChosen)
{
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    const fs::path data = folder.write("work.bcn", kFile);
    const std::string otherLock = "1 " + std::string(host) + "\n"; // process 1 is always running
    folder.write(".work.bcn.lock", otherLock);
    auto open = [&](int answer) {
        fakes.messages.answers = {answer};
        startUp().show();
        find<QLineEdit>(&startUp(), QStringLiteral("SearchTxt"))->setText(QString::fromStdString(data.string()));
        startButton(2);
        if (owner->isDataFrmLoaded())
            window = &owner->dataFrm();
    };
    open(2); // "Cancel"
    EXPECT_EQ(fakes.messages.offers.back(), QStringList({"Open read-only", "Open anyway", "Cancel"}));
    EXPECT_THAT(fakes.messages.questions.back().toStdString(),
                HasSubstr("is open in another Brindlecase (process 1 on this computer)"));
    EXPECT_FALSE(owner->isDataFrmLoaded());

    open(0); // "Open read-only": shown, never written, the other's lock left alone
    ASSERT_TRUE(owner->isDataFrmLoaded());
    search("Garden");
    select("Res_0");
    typeAndSave(QStringLiteral(" and moss"));
    EXPECT_THAT(lastMessage(), HasSubstr("is open read-only"));
    EXPECT_EQ(readFile(data), kFile);
    EXPECT_EQ(readFile(folder.file(".work.bcn.lock")), otherLock);

    owner->unloadDataFrm();
    open(1); // "Open anyway": this instance takes the lock and saves
    ASSERT_TRUE(owner->isDataFrmLoaded());
    EXPECT_EQ(readFile(folder.file(".work.bcn.lock")), std::to_string(::getpid()) + " " + host + "\n");
    search("Garden");
    select("Res_0");
    typeAndSave(QStringLiteral("!"));
    EXPECT_EQ(readFile(data), "000010000001Open      Garden\xAC" "weeds!\r\n");
    owner->unloadDataFrm();
    EXPECT_FALSE(fs::exists(folder.file(".work.bcn.lock")));
}

} // namespace
