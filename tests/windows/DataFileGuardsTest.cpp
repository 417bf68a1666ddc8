// The main window keeps the data file safe where a write could lose or corrupt
// work: the record limit, a file removed while open, a change whose save failed, a
// file reached through a link, a file that was cut short, a file changed by another
// program, and a file another instance holds.

#include "support/WindowHarness.h"

#include <gmock/gmock.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace testing_support;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

const std::string kFile = "000010000001Open      Garden\xAC" "weeds\r\n";
const std::string kChanged = "000010000001Open      Garden\xAC" "weeds and moss\r\n";

class DataFileGuardsTest : public ::testing::Test, public WindowHarness {
protected:
    void openGarden(const std::string& name = "work.bcn")
    {
        openData(kFile, name);
        chooseMaster("Garden");
    }
    std::string question(std::size_t n) { return fakes.messages.questions.at(n).toStdString(); }
};

TEST_F(DataFileGuardsTest, AFullFileTakesNoNewRecordAndKeepsTheTypedText)
{
    std::string full = "000010000001          First\xAC\r\n"; // 32,767 records
    char key[32];
    for (int id = 2; id <= 32767; ++id) {
        std::snprintf(key, sizeof key, "%05d0000001          R\xAC\r\n", id);
        full += key;
    }
    openData(full);
    click(command(4));
    save("Taxes");
    EXPECT_THAT(lastMessage(), HasSubstr("32,767 records"));
    EXPECT_EQ(note()->toPlainText(), "Taxes");
    chooseMaster("First");
    click(command(5));
    save("Receipts");
    EXPECT_EQ(fakes.messages.texts.size(), 2u);
    EXPECT_EQ(note()->toPlainText(), "Receipts");
    EXPECT_EQ(store::upperBound(state.Records), 32767);
    EXPECT_EQ(readFile(state.DataFilePath), full);
}

TEST_F(DataFileGuardsTest, AFileRemovedWhileOpenIsCreatedAgainOnlyWhenAsked)
{
    openGarden();
    fs::remove(state.DataFilePath);
    save(" and moss"); // no answer given: the question is dismissed
    ASSERT_EQ(fakes.messages.questions.size(), 1u);
    EXPECT_THAT(question(0), HasSubstr("is no longer there"));
    EXPECT_FALSE(fs::exists(state.DataFilePath));
    fakes.messages.answers = {0}; // "Create it again"
    save();
    EXPECT_EQ(readFile(state.DataFilePath), kChanged);
}

// "load new file" after a save failed asks first: "Cancel" stays, "Save again"
// saves and goes, "Discard it" goes and leaves the file; a saved change asks nothing.
TEST_F(DataFileGuardsTest, AChangeWhoseSaveFailedIsNotDroppedWithoutAsking)
{
    openGarden();
    ::chmod(state.DataFilePath.c_str(), 0444);
    save(" and moss");
    EXPECT_THAT(lastMessage(), HasSubstr("read-only"));
    fakes.messages.answers = {2, 0}; // "Cancel", then "Save again"
    click(command(8));
    EXPECT_EQ(fakes.messages.offers, std::vector<QStringList>{QStringList({"Save again", "Discard it", "Cancel"})});
    ASSERT_TRUE(owner->isDataFrmLoaded());
    ::chmod(state.DataFilePath.c_str(), 0644);
    click(command(8));
    EXPECT_EQ(loadedWindows(), "start+"); // with the tray icon gone
    EXPECT_FALSE(fakes.tray.shown);
    EXPECT_EQ(readFile(folder.file("work.bcn")), kChanged);

    openGarden("other.bcn");
    ::chmod(state.DataFilePath.c_str(), 0444);
    save("!");
    fakes.messages.answers = {1}; // "Discard it"
    click(command(8));
    EXPECT_FALSE(owner->isDataFrmLoaded());
    EXPECT_EQ(readFile(folder.file("other.bcn")), kFile);

    ::chmod(folder.file("other.bcn").c_str(), 0644);
    openGarden("other.bcn");
    save("!");
    click(command(8)); // a question now would be cancelled, the window kept
    EXPECT_FALSE(owner->isDataFrmLoaded());
}

TEST_F(DataFileGuardsTest, ASaveThroughASymbolicLinkReplacesTheFileItPointsTo)
{
    TempFolder real;
    const fs::path target = real.write("work.bcn", kFile);
    fs::create_symlink(target, folder.file("link.bcn"));
    openFile("link.bcn");
    chooseMaster("Garden");
    save("!");
    EXPECT_TRUE(fs::is_symlink(folder.file("link.bcn")));
    EXPECT_EQ(readFile(target), "000010000001Open      Garden\xAC" "weeds!\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(real.path()), fs::directory_iterator()), 1);
}

TEST_F(DataFileGuardsTest, AFileCutShortOpensWithAWarning)
{
    openData("000010000001Open      Garden\xAC\r\n000020000001Open      Gar");
    EXPECT_EQ(store::upperBound(state.Records), 2);
    EXPECT_THAT(lastMessage(), HasSubstr("cut short"));
}

TEST_F(DataFileGuardsTest, AFileChangedByAnotherProgramIsOverwrittenOnlyWhenAsked)
{
    openGarden();
    const std::string outside = kFile + "000020000001Open      Shed\r\n";
    folder.write("work.bcn", outside); // an editor saves the file meanwhile
    fakes.messages.answers = {2}; // "Cancel"
    save(" and moss");
    EXPECT_EQ(fakes.messages.offers, std::vector<QStringList>{QStringList({"Reload", "Overwrite", "Cancel"})});
    EXPECT_THAT(question(0), HasSubstr("was changed by another program"));
    EXPECT_EQ(readFile(state.DataFilePath), outside);

    fakes.messages.answers = {0}; // "Reload": the outside change shows, the typed text stays
    save();
    EXPECT_EQ(readFile(state.DataFilePath), outside);
    EXPECT_EQ(note()->toPlainText().toStdString(), "Garden\nweeds and moss");
    EXPECT_TRUE(command(6)->isEnabled()); // nothing was saved
    EXPECT_EQ(state.CurrentMaster, -1);

    chooseMaster("Garden"); // after the reload a save asks nothing
    save("!");
    EXPECT_EQ(fakes.messages.offers.size(), 2u);
    EXPECT_EQ(readFile(state.DataFilePath), "000010000001Open      Garden\xAC" "weeds!\r\n000020000001Open      Shed\r\n");

    folder.write("work.bcn", kFile);
    fakes.messages.answers = {1}; // "Overwrite"
    save("?");
    EXPECT_EQ(fakes.messages.offers.size(), 3u);
    EXPECT_EQ(readFile(state.DataFilePath), "000010000001Open      Garden\xAC" "weeds!?\r\n000020000001Open      Shed\r\n");
}

TEST_F(DataFileGuardsTest, AFileAnotherInstanceHoldsOpensReadOnlyOrAnywayAsChosen)
{
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    const fs::path data = folder.write("work.bcn", kFile);
    const fs::path lock = folder.write(".work.bcn.lock", "1 " + std::string(host) + "\n"); // process 1 always runs
    auto open = [&](int answer) {
        fakes.messages.answers = {answer};
        find<QLineEdit>(&startUp(), QStringLiteral("SearchTxt"))->setText(QString::fromStdString(data.string()));
        startButton(2);
        if (owner->isDataFrmLoaded())
            chooseMaster("Garden");
    };
    open(2); // "Cancel"
    EXPECT_EQ(fakes.messages.offers, std::vector<QStringList>{QStringList({"Open read-only", "Open anyway", "Cancel"})});
    EXPECT_THAT(question(0), HasSubstr("is open in another Brindlecase (process 1 on this computer)"));
    EXPECT_FALSE(owner->isDataFrmLoaded());

    open(0); // "Open read-only": shown, never written, the other's lock left alone
    ASSERT_TRUE(owner->isDataFrmLoaded());
    save(" and moss");
    EXPECT_THAT(lastMessage(), HasSubstr("is open read-only"));
    EXPECT_EQ(readFile(data) + readFile(lock), kFile + "1 " + host + "\n");

    owner->unloadDataFrm();
    open(1); // "Open anyway": this instance takes the lock and saves
    EXPECT_EQ(readFile(lock), std::to_string(::getpid()) + " " + host + "\n");
    save("!");
    EXPECT_EQ(readFile(data), "000010000001Open      Garden\xAC" "weeds!\r\n");
    owner->unloadDataFrm();
    EXPECT_FALSE(fs::exists(lock));
}

} // namespace
