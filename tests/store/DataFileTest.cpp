#include "store/DataFile.h"
#include "store/LineCipher.h"
#include "store/StoreError.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace store;
using namespace testing_support;

namespace {

class DataFileTest : public ::testing::Test {
protected:
    // Loads bytes written to a file named `name` into `state`.
    bool load(std::string_view bytes, std::string_view name = "notes.bcn", bool encrypted = false,
              const std::string& password = "")
    {
        state.DataFilePath = folder.write(name, bytes);
        state.FileEncrypted = encrypted;
        state.FilePassword = password;
        return LoadDataFile(state, state.DataFilePath, reporter);
    }

    std::string saved()
    {
        SaveDataFile(state);
        return readFile(state.DataFilePath);
    }

    TempFolder folder;
    AppState state;
    RecordingReporter reporter;
};

// Every kind of line in the order the writer uses, including a master with an
// empty status, a status of exactly ten letters and a sub record after another
// master.
const std::string kWrittenFile = crlfLines({
    "000010000001Open      Garden\xAC" "buy seeds\xAC" "call Ann",
    "000010000002Ann\xAC" "ann@example.org",
    "000010000002Bob\xAC" "bob@example.org",
    "000010000003Shed\xAC" "/home/me/shed",
    "000010000004Plan\xAC" "/home/me/plan.pdf",
    "000010000005Seeds\xAC" "https://example.org/seeds",
    "000020000101Tomatoes\xAC",
    "000020000102Shop\xAC" "shop@example.org",
    "000030000001          Taxes\xAC",
    "000040000001Exactly10cHouse\xAC" "roof\xAC\xAC" "gutter",
    "000050000401Roof tiles",
    "000060000101Beans\xAC" "runner",
});

TEST_F(DataFileTest, AFileInWrittenOrderSavesBackByteForByte)
{
    ASSERT_TRUE(load(kWrittenFile));
    EXPECT_FALSE(state.LoadFailed);
    ASSERT_EQ(upperBound(state.Records), 6);
    const Record& garden = state.Records[1];
    EXPECT_EQ(garden.Id, 1);
    EXPECT_EQ(garden.Parent, 0);
    EXPECT_EQ(garden.Status, "Open      ");
    EXPECT_EQ(garden.Content, "Garden\xAC" "buy seeds\xAC" "call Ann");
    EXPECT_EQ(upperBound(garden.Emails), 2);
    EXPECT_EQ(garden.Emails[2], "Bob\xAC" "bob@example.org");
    EXPECT_EQ(garden.Folders[1], "Shed\xAC" "/home/me/shed");
    EXPECT_EQ(garden.Files[1], "Plan\xAC" "/home/me/plan.pdf");
    EXPECT_EQ(garden.WebLinks[1], "Seeds\xAC" "https://example.org/seeds");
    EXPECT_EQ(state.Records[2].Parent, 1);
    EXPECT_EQ(state.Records[2].Status, "");
    EXPECT_EQ(state.Records[2].Content, "Tomatoes\xAC");
    EXPECT_EQ(state.Records[3].Status, "          ");
    EXPECT_EQ(state.Records[4].Status, "Exactly10c");
    EXPECT_EQ(state.Records[5].Parent, 4);
    EXPECT_EQ(saved(), kWrittenFile);
}

TEST_F(DataFileTest, WritesTheDocumentedLinesForNewRecords)
{
    state.DataFilePath = folder.file("new.bcn");
    addMaster(state, "Open", "Garden\xAC" "buy seeds");
    const int sub = addSub(state, 1, "Tomatoes\xAC");
    state.Records[sub].Emails.push_back("Ann\xAC" "ann@example.org");
    addMaster(state, "", "No status\xAC");
    EXPECT_EQ(saved(), crlfLines({
                           "000010000001Open      Garden\xAC" "buy seeds",
                           "000020000101Tomatoes\xAC",
                           "000020000102Ann\xAC" "ann@example.org",
                           "000030000001          No status\xAC",
                       }));
}

TEST_F(DataFileTest, AnEmptyStoreIsAnEmptyFileAndBack)
{
    state.DataFilePath = folder.file("empty.bcn");
    EXPECT_EQ(saved(), "");
    ASSERT_TRUE(load("", "empty.bcn"));
    EXPECT_EQ(upperBound(state.Records), 0);
    // A new file holds one empty line, which is skipped.
    ASSERT_TRUE(load("\r\n", "new.bcn"));
    EXPECT_EQ(upperBound(state.Records), 0);
}

TEST_F(DataFileTest, BlankLinesAndOtherLineEndsGiveTheSameStore)
{
    const std::string spaced = "\r\n\r\n000010000001Open      A\xAC\r\n\r\n"
                               "000010000002x\xAC" "y\r\n\r\n000020000101B\xAC\r\n";
    const std::string unixEnds = "000010000001Open      A\xAC\n000010000002x\xAC" "y\n000020000101B\xAC";
    const std::string expected = crlfLines({"000010000001Open      A\xAC", "000010000002x\xAC" "y",
                                            "000020000101B\xAC"});
    ASSERT_TRUE(load(spaced));
    EXPECT_EQ(saved(), expected);
    ASSERT_TRUE(load(unixEnds));
    EXPECT_EQ(saved(), expected);
    ASSERT_TRUE(load("000010000001Open      A\xAC\r000010000002x\xAC" "y\r000020000101B\xAC\r"));
    EXPECT_EQ(saved(), expected);
}

TEST_F(DataFileTest, ShortAndUnusualLinesFollowTheColumnRules)
{
    // A master line shorter than its status columns, a sub record status, an
    // unknown line type, links before their record line, and a key written with
    // blanks and signs that still convert.
    ASSERT_TRUE(load(crlfLines({
        "000010000001Open",
        "000010000009ignored",
        "  2   000101Sub of one",
        "000030000002early\xAC" "e@x",
        "000030000001Later     Third",
        "3    +000001Done      Third again",
    })));
    ASSERT_EQ(upperBound(state.Records), 3);
    EXPECT_EQ(state.Records[1].Status, "Open");
    EXPECT_EQ(state.Records[1].Content, "");
    EXPECT_EQ(state.Records[2].Parent, 1);
    EXPECT_EQ(state.Records[2].Content, "Sub of one");
    EXPECT_EQ(state.Records[3].Emails[1], "early\xAC" "e@x");
    EXPECT_EQ(state.Records[3].Status, "Done      ");
    EXPECT_EQ(state.Records[3].Content, "Third again");
}

TEST_F(DataFileTest, DamagedFilesEndInTheLoadErrorPathKeepingWhatWasRead)
{
    struct Case {
        const char* what;
        std::string bytes;
        int recordsKept;
    };
    const Case cases[] = {
        {"parent not a number", crlfLines({"000010000001Open      A", "00002000x101B"}), 1},
        {"type not a number", crlfLines({"000010000001Open      A", "00002000010xB"}), 1},
        {"line too short for a type", crlfLines({"000010000001Open      A", "0000200001"}), 1},
        // The store grows by one before the skipped index is found missing.
        {"index skipped", crlfLines({"000010000001Open      A", "000030000001Open      C"}), 2},
        {"index out of range", crlfLines({"999990000001Open      A"}), 0},
        {"parent out of range", crlfLines({"000014000001Open      A"}), 0},
        {"negative index", crlfLines({"-00010000001Open      A"}), 0},
    };
    for (const Case& c : cases) {
        reporter.messages.clear();
        EXPECT_FALSE(load(c.bytes, "bad.bcn")) << c.what;
        EXPECT_TRUE(state.LoadFailed) << c.what;
        EXPECT_EQ(upperBound(state.Records), c.recordsKept) << c.what;
        ASSERT_EQ(reporter.messages.size(), 1u) << c.what;
        EXPECT_EQ(reporter.messages[0],
                  "File load error. The file '" + folder.file("bad.bcn").string() + "' has reported errors.");
    }
}

TEST_F(DataFileTest, AMissingFileIsALoadErrorAndAGoodLoadClearsTheFlag)
{
    state.DataFilePath = folder.file("gone.bcn");
    EXPECT_FALSE(LoadDataFile(state, state.DataFilePath, reporter));
    EXPECT_TRUE(state.LoadFailed);
    EXPECT_NE(reporter.causes.at(0).find("gone.bcn"), std::string::npos);
    EXPECT_TRUE(load(kWrittenFile));
    EXPECT_FALSE(state.LoadFailed);
}

TEST_F(DataFileTest, EncipheredFilesRoundTripAndHoldOnlyCodes)
{
    ASSERT_TRUE(load(kWrittenFile));
    state.DataFilePath = folder.file("notes.bcy");
    state.FileEncrypted = true;
    state.FilePassword = "s3cret";
    const std::string enciphered = saved();
    EXPECT_EQ(enciphered.find_first_not_of("0123456789,\r\n"), std::string::npos);
    EXPECT_EQ(enciphered.substr(0, enciphered.find("\r\n")),
              ScrambleLine(EncipherLine("000010000001Open      Garden\xAC" "buy seeds\xAC" "call Ann", "s3cret")));

    AppState reopened;
    openFile(reopened, state.DataFilePath, true, "s3cret");
    ASSERT_FALSE(reopened.LoadFailed);
    EXPECT_TRUE(reopened.PasswordAccepted);
    reopened.DataFilePath = folder.file("plain-again.bcn");
    reopened.FileEncrypted = false;
    SaveDataFile(reopened);
    EXPECT_EQ(readFile(reopened.DataFilePath), kWrittenFile);
}

TEST_F(DataFileTest, AWrongPasswordIsTheLoadErrorAndTheRightOneStillOpens)
{
    ASSERT_TRUE(load(kWrittenFile));
    state.DataFilePath = folder.file("locked.bcy");
    state.FileEncrypted = true;
    state.FilePassword = "right";
    SaveDataFile(state);

    AppState wrong;
    RecordingReporter wrongReporter;
    wrong.DataFilePath = state.DataFilePath;
    wrong.FileEncrypted = true;
    for (const char* password : {"Right", "", "right "}) {
        wrong.FilePassword = password;
        EXPECT_FALSE(LoadDataFile(wrong, wrong.DataFilePath, wrongReporter)) << password;
        EXPECT_FALSE(wrong.PasswordAccepted);
        EXPECT_EQ(upperBound(wrong.Records), 0);
    }
    EXPECT_EQ(wrongReporter.messages.size(), 3u);
    wrong.FilePassword = "right";
    EXPECT_TRUE(LoadDataFile(wrong, wrong.DataFilePath, wrongReporter));
    EXPECT_EQ(upperBound(wrong.Records), 6);
}

TEST_F(DataFileTest, EncipheredFileProblemsAreLoadErrorsToo)
{
    EXPECT_TRUE(load("\r\n", "new.bcy", true, "any password"));
    EXPECT_FALSE(load("048,048,x\r\n", "bad.bcy", true, "pw"));
    EXPECT_FALSE(load("048,300\r\n", "bad.bcy", true, "pw"));
    // Only the first non-empty line is tested: a second line that deciphers into
    // nonsense is a conversion error, not a password error.
    const std::string first = ScrambleLine(EncipherLine("000010000001Open      A", "pw"));
    const std::string second = ScrambleLine(EncipherLine("000020000101B", "other"));
    EXPECT_FALSE(load(first + "\r\n" + second + "\r\n", "mixed.bcy", true, "pw"));
    EXPECT_TRUE(state.PasswordAccepted);
    EXPECT_EQ(upperBound(state.Records), 1);
}

TEST_F(DataFileTest, WriterRoutinesWriteLinesAndHandBackWhatWasWritten)
{
    state.DataFilePath = folder.file("lines.bcy");
    state.FileEncrypted = true;
    state.FilePassword = "pw";
    OpenOutput(state);
    std::string line = "000010000001Open      A";
    WriteOutLine(state, line);
    CloseOutput(state);
    EXPECT_EQ(line, ScrambleLine(EncipherLine("000010000001Open      A", "pw")));
    EXPECT_EQ(readFile(state.DataFilePath), line + "\r\n");
    EXPECT_FALSE(state.OutStream);
    EXPECT_THROW(WriteOutLine(state, line), StoreError);
}

TEST_F(DataFileTest, DecodeLineStoresOneLineIntoTheStore)
{
    DecodeLine(state, "000010000001Open      A\xAC" "note");
    DecodeLine(state, "000010000005w\xAC" "https://example.org");
    ASSERT_EQ(upperBound(state.Records), 1);
    EXPECT_EQ(state.Records[1].Content, "A\xAC" "note");
    EXPECT_EQ(state.Records[1].WebLinks[1], "w\xAC" "https://example.org");
    EXPECT_THROW(DecodeLine(state, "000030000001Open      C"), StoreError);
}

TEST_F(DataFileTest, CopyDataFileOverwritesTheTarget)
{
    ASSERT_TRUE(load(kWrittenFile));
    const auto backup = folder.write("BackUp_notes.bcn", "old backup");
    CopyDataFile(state, backup);
    EXPECT_EQ(readFile(backup), kWrittenFile);
}

} // namespace
