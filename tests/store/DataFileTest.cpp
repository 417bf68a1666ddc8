#include "store/LineCipher.h"
#include "store/SafeFile.h"
#include "store/Settings.h"
#include "store/TextLines.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>

using namespace store;
using namespace testing_support;
using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

class DataFileTest : public ::testing::Test {
protected:
    // Loads bytes written to a file named `name` into `state`.
    bool load(std::string_view bytes, std::string_view name = "notes.bcn", const std::string& password = "")
    {
        state.DataFilePath = folder.write(name, bytes);
        state.FileEncrypted = !password.empty();
        state.FilePassword = password;
        return LoadDataFile(state, state.DataFilePath, reporter);
    }
    std::string saved()
    {
        SaveDataFile(state);
        return readFile(state.DataFilePath);
    }
    std::string afterDeleting(int master, int sub = -1)
    {
        state.CurrentMaster = static_cast<std::int16_t>(master);
        state.CurrentSub = static_cast<std::int16_t>(sub);
        DeleteAndReload(state);
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
    "000010000001Open      Garden\xAC" "buy seeds\xAC" "call Ann", "000010000002Ann\xAC" "ann@example.org",
    "000010000002Bob\xAC" "bob@example.org", "000010000003Shed\xAC" "/home/me/shed", "000010000004Plan\xAC" "/home/me/plan.pdf",
    "000010000005Seeds\xAC" "https://example.org/seeds", "000020000101Tomatoes\xAC", "000020000102Shop\xAC" "shop@example.org",
    "000030000001          Taxes\xAC", "000040000001Exactly10cHouse\xAC" "roof\xAC\xAC" "gutter", "000050000401Roof tiles",
    "000060000101Beans\xAC" "runner",
});

// What each file is written back as, and whether it loads with the warning of a
// file cut short (its last line has no end). An empty file and a new file (one
// empty line) are an empty store; blank lines and any line end give the same store.
// A master line shorter than its status columns is written back padded to ten; an
// unknown line type is dropped; links may come before their record line; a key
// may be written with blanks and signs; a record line read twice counts once; the
// largest parent fits in 16 bits.
TEST_F(DataFileTest, FilesAreWrittenBackInTheWritersFormAndOnlyAnUnendedLastLineWarns)
{
    const std::string abc = crlfLines({"000010000001Open      A\xAC", "000010000002x\xAC" "y", "000020000101B\xAC"});
    const std::tuple<std::string, std::string, std::size_t> files[] = {
        {kWrittenFile, kWrittenFile, 0}, {"", "", 0}, {"\r\n", "", 0},
        {"\r\n\r\n000010000001Open      A\xAC\r\n\r\n000010000002x\xAC" "y\r\n\r\n000020000101B\xAC\r\n", abc, 0},
        {"000010000001Open      A\xAC\n000010000002x\xAC" "y\n000020000101B\xAC", abc, 1},
        {"000010000001Open      A\xAC\r000010000002x\xAC" "y\r000020000101B\xAC\r", abc, 0},
        {crlfLines({"000010000001Nine 9 ch", "000010000009ignored", "  2   000101Sub of one", "000030000002early\xAC" "e@x",
                    "000030000001Later     Third", "3    +000001Done      Third again", "000043276701Far"}),
         crlfLines({"000010000001Nine 9 ch ", "000020000101Sub of one", "000030000001Done      Third again",
                    "000030000002early\xAC" "e@x", "000043276701Far"}), 0},
    };
    for (const auto& [bytes, written, warnings] : files) {
        reporter.warnings.clear();
        ASSERT_TRUE(load(bytes)) << bytes;
        EXPECT_EQ(saved(), written) << bytes;
        EXPECT_EQ(reporter.warnings.size(), warnings) << bytes;
    }
}

TEST_F(DataFileTest, DamagedFilesEndInTheLoadErrorPathKeepingWhatWasRead)
{
    const std::pair<std::string, int> cases[] = { // the bytes, and the records read before the error
        {crlfLines({"000010000001Open      A", "00002000x101B"}), 1}, // parent not a number
        {crlfLines({"000010000001Open      A", "00002000010xB"}), 1}, // type not a number
        {crlfLines({"000010000001Open      A", "0000200001"}), 1},    // too short for a type
        {crlfLines({"000010000001Open      A", "000030000001Open      C"}), 2}, // index skipped
        {crlfLines({"999990000001Open      A"}), 0},                  // index out of range
        {crlfLines({"000013276801Open      A"}), 0},                  // parent just out of range
        {crlfLines({"-00010000001Open      A"}), 0},                  // negative index
    };
    for (const auto& [bytes, kept] : cases) {
        EXPECT_FALSE(load(bytes, "bad.bcn") || !state.LoadFailed) << bytes;
        EXPECT_EQ(upperBound(state.Records), kept) << bytes;
    }
    EXPECT_EQ(reporter.messages, std::vector<std::string>(7, "File load error. The file '" + folder.file("bad.bcn").string()
                                                                 + "' has reported errors."));
    EXPECT_TRUE(load(kWrittenFile));
    EXPECT_FALSE(state.LoadFailed);
}

// A file written enciphered holds the published codes, opens with its password
// only and is written plain again byte for byte.
TEST_F(DataFileTest, EncipheredFilesHoldThePublishedCodesAndOpenOnlyWithTheirPassword)
{
    const std::string plain = kPublishedLine + "\r\n" + kWrittenFile.substr(kWrittenFile.find("\r\n") + 2);
    ASSERT_TRUE(load(plain));
    std::tie(state.DataFilePath, state.FileEncrypted, state.FilePassword) = std::tuple(folder.file("notes.bcy"), true, "secret");
    EXPECT_EQ(saved().substr(0, kPublishedCodes.size() + 2), kPublishedCodes + "\r\n");
    for (const char* password : {"Secret", "", "secret "}) {
        AppState wrong;
        openFile(wrong, state.DataFilePath, true, password);
        EXPECT_TRUE(wrong.LoadFailed && !wrong.PasswordAccepted) << password;
        EXPECT_EQ(upperBound(wrong.Records), 0);
    }
    AppState reopened;
    openFile(reopened, state.DataFilePath, true, "secret");
    std::tie(reopened.DataFilePath, reopened.FileEncrypted) = std::tuple(folder.file("plain-again.bcn"), false);
    SaveDataFile(reopened);
    EXPECT_EQ(readFile(reopened.DataFilePath), plain);
    state.PasswordAccepted = true; // a delete rewrites the file enciphered and reads it back
    EXPECT_EQ(afterDeleting(3).substr(0, kPublishedCodes.size() + 2), kPublishedCodes + "\r\n");
    EXPECT_EQ(fields(state.Records[3]), "0 [Exactly10c] House\xAC" "roof\xAC\xAC" "gutter");

    // A new file loads with any password; codes that do not convert are a load
    // error; only the first line is tested for the password, so a second line
    // from another password is a conversion error.
    EXPECT_TRUE(load("\r\n", "new.bcy", "any password"));
    EXPECT_FALSE(load("048,048,x\r\n", "bad.bcy", "pw") || load("048,300\r\n", "bad.bcy", "pw"));
    const std::string second = ScrambleLine(EncipherLine("000020000101B", "other"));
    EXPECT_FALSE(load(kPublishedCodes + "\r\n" + second + "\r\n", "mixed.bcy", "secret"));
    EXPECT_TRUE(state.PasswordAccepted && upperBound(state.Records) == 1);
}

TEST_F(DataFileTest, DeletingTakesTheRecordWithItsSubRecordsAndRenumbersTheRest)
{
    ASSERT_TRUE(load(crlfLines({"000010000001A         a\xAC", "000020000101a1", "000030000001B         b\xAC",
                                "000040000101a2", "000050000001C         c\xAC", "000060000501c1",
                                "000060000504f\xAC" "/x", "000070000301b1", "000080000001D         d\xAC"})));
    EXPECT_EQ(afterDeleting(1), crlfLines({"000010000001B         b\xAC", "000020000001C         c\xAC", "000030000201c1",
                                           "000030000204f\xAC" "/x", "000040000101b1", "000050000001D         d\xAC"}));
    const std::string left = crlfLines({"000010000001B         b\xAC", "000020000001C         c\xAC", "000030000201c1",
                                        "000030000204f\xAC" "/x", "000040000001D         d\xAC"});
    EXPECT_EQ(afterDeleting(1, 4), left); // a sub record alone
    EXPECT_EQ(afterDeleting(-1), left);   // nothing selected: nothing changes
    EXPECT_EQ(afterDeleting(4), crlfLines({"000010000001B         b\xAC", "000020000001C         c\xAC",
                                           "000030000201c1", "000030000204f\xAC" "/x"})); // the last record
    EXPECT_EQ(fields(state.Records[3]), "2 [] c1"); // read back
}

// A line the reader could not give back as written is refused before anything
// reaches the file, plain or enciphered: no window can corrupt a data file so.
TEST_F(DataFileTest, TheWriterRefusesLineBreaksInFieldsAndIndicesBeyondTheFormat)
{
    const std::string onDisk = "000010000001Open      Garden\xAC\r\n";
    auto expectRefused = [&](bool enciphered, const std::function<void(Record&)>& spoil, const std::string& cause) {
        TempFolder here;
        AppState guarded;
        std::tie(guarded.DataFilePath, guarded.FileEncrypted, guarded.FilePassword) =
            std::tuple(here.write(enciphered ? "work.bcy" : "work.bcn", onDisk), enciphered, "pw");
        addMaster(guarded, "Open", "Garden\xAC");
        spoil(guarded.Records[addMaster(guarded, "", "Taxes\xAC")]);
        const StoreError error = storeErrorOf([&] { SaveDataFile(guarded); });
        EXPECT_EQ(error.kind(), ErrorKind::File);
        EXPECT_THAT(error.what(), AllOf(HasSubstr(cause), HasSubstr("nothing was written")));
        EXPECT_EQ(readFile(guarded.DataFilePath), onDisk);
        EXPECT_EQ(std::distance(fs::directory_iterator(here.path()), fs::directory_iterator()), 1);
    };
    for (bool enciphered : {false, true}) {
        for (const std::string breaking : {"\r", "\n", "\r\n"}) {
            expectRefused(enciphered, [&](Record& r) { r.Status = "ab" + breaking + "cd"; }, "record 2 holds a line break");
            expectRefused(enciphered, [&](Record& r) { r.Content = "Taxes\xAC" "line" + breaking; }, "record 2 holds a line break");
            expectRefused(enciphered, [&](Record& r) { r.WebLinks.push_back("site\xAC" + breaking); }, "record 2 holds a line break");
        }
        expectRefused(enciphered, [](Record& r) { r.Id = -32768; }, "outside what a data file can hold"); // one record too many
    }
    // The link dialogs' line-by-line writer refuses too and leaves the file.
    state.DataFilePath = folder.write("work.bcn", onDisk);
    OpenOutput(state);
    std::string line = "000020000002Ann\xAC" "ann@example.org\n";
    EXPECT_THROW(WriteOutLine(state, line), StoreError);
    AbortOutput(state);
    EXPECT_EQ(readFile(state.DataFilePath), onDisk);
}

// The file is read in blocks of 1 MiB: a CR LF split between two blocks is still
// one line end, and a line longer than a block is still one line.
TEST(TextLines, LineEndsAndLinesAcrossTheReadersBlocksAreKept)
{
    TempFolder folder;
    const std::string first((1 << 20) - 1, 'a'), longest(3 << 20, 'b');
    std::vector<std::string> lines;
    forEachFileLine(folder.write("big.bcn", first + "\r\nnext\r\n" + longest + "\rlast"), kMaxDataFileBytes,
                    [&](std::string_view line) { lines.emplace_back(line); });
    EXPECT_THAT(lines, ElementsAre(first, "next", longest, "last"));
}

// Written as the legacy writer printed them; each line read by its own rule over the
// designed place (1500, 900) and nothing else; a damaged line ends the reading.
TEST_F(DataFileTest, SettingsAreWrittenAsTheLegacyWriterPrintedThemAndReadLineByLine)
{
    writeSettings(settingsPath(folder.path()), Settings{2340, -120, true, true, 1, 7});
    EXPECT_EQ(readFile(folder.file("settings.txt")), " 2340 \r\n-120 \r\nTrue\r\nTrue\r\n 1 \r\n 7 \r\n");
    Settings none;
    EXPECT_FALSE(readStartSettings(folder.file("none.txt"), none)); // no file: the first run
    const std::pair<const char*, Settings> cases[] = {
        // Line 3 takes True or False in any case or a number; line 4 only "True".
        {" 2340 \r\n-120 \r\nTrue\r\nTrue\r\n 1 \r\n 7 \r\n", {2340, -120, true, true, 1, 7}},
        {"0\r\n0\r\ntrue\r\ntrue\r\n0\r\n0\r\n", {0, 0, true, false, 0, 0}},
        {"0\r\n0\r\n -1 \r\nTrue \r\n0\r\n0\r\n", {0, 0, true, false, 0, 0}},
        {"0\r\n0\r\nFALSE\r\nTrue,x\r\n0\r\n0\r\n", {0, 0, false, true, 0, 0}},
        // Blanks first, text and commas after a number are skipped; fractions round.
        {"  1200 twips\r\n300,400\r\n0\r\nFalse\r\n 2.5\r\n 9 extra\r\n", {1200, 300, false, false, 2, 9}},
        {" 1500 900\r\n 900 \r\nFalse\r\nFalse\r\n 0 \r\n 3 4 \r\n", {1500, 900, false, false, 0, 3}},
        // A short file keeps the rest; a damaged line keeps it and what follows.
        {"100\r\n200\r\nTrue\r\n", {100, 200, true, false, 0, 0}},
        {"100\r\nabc\r\nTrue\r\nTrue\r\n1\r\n5\r\n", {100, 900, false, false, 0, 0}},
        {"1\r\n2\r\nmaybe\r\nTrue\r\n1\r\n5\r\n", {1, 2, false, false, 0, 0}},
        {"1\r\n2\r\nTrue\r\nTrue\r\n1\r\n99999\r\n", {1, 2, true, true, 1, 0}},
    };
    for (const auto& [file, expected] : cases) {
        Settings read{1500, 900};
        ASSERT_TRUE(readMainSettings(folder.write("settings.txt", file), read));
        EXPECT_EQ(std::tie(read.Left, read.Top, read.SoundOn, read.TypewriterNote, read.SettingsSpare, read.ColourScheme),
                  std::tie(expected.Left, expected.Top, expected.SoundOn, expected.TypewriterNote, expected.SettingsSpare,
                           expected.ColourScheme)) << file;
    }
}

} // namespace
