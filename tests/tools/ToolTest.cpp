#include "support/StoreFixtures.h"
#include "support/TempFolder.h"
#include "tools/ToolCommands.h"

#include <gmock/gmock.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <sstream>

using namespace testing_support;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::StartsWith;
namespace fs = std::filesystem;

namespace {

const std::string kFile = crlfLines({
    "000010000001Open      Garden\xAC" "weeds\xAC" "caf\xE9 on Friday",
    "000010000002Ann\xAC" "ann@example.org",
    "000020000101Tomatoes\xAC",
    "000020000105Seeds\xAC" "https://example.org/seeds",
    "000030000001Done      Garage\xAC",
    "000040000301Tyres",
    "000040000303Receipts\xAC" "/home/me/receipts",
    "000050000001          Caf\xE9/bar\xAC",
});

// One run of the tool: its arguments, exit code, what it printed and its messages.
// As an expectation, `err` is a part of the messages (no message at all when empty).
struct ToolRun {
    std::vector<std::string> args;
    int code;
    std::string out = "", err = "";
};

// "%" in arguments and expected texts stands for the test's folder, an argument "#"
// for its data file notes.bcn.
class ToolTest : public ::testing::Test {
protected:
    TempFolder folder;
    fs::path file = folder.write("notes.bcn", kFile);
    const std::string dir = folder.path().string();

    std::string expand(std::string text) const
    {
        for (auto at = text.find('%'); at != std::string::npos; at = text.find('%', at + dir.size()))
            text.replace(at, 1, dir);
        return text;
    }
    ToolRun tool(std::vector<std::string> args) const
    {
        for (std::string& arg : args)
            arg = arg == "#" ? file.string() : expand(arg);
        std::ostringstream out, err;
        const int code = tools::runTool(args, out, err);
        return {args, code, out.str(), err.str()};
    }
    void run(const std::vector<ToolRun>& steps) const
    {
        for (const ToolRun& step : steps) {
            SCOPED_TRACE(::testing::PrintToString(step.args));
            const ToolRun ran = tool(step.args);
            EXPECT_EQ(ran.code, step.code);
            EXPECT_EQ(ran.out, expand(step.out));
            const bool said = step.err.empty() ? ran.err.empty() : ran.err.find(expand(step.err)) != std::string::npos;
            EXPECT_TRUE(said) << "messages: " << ran.err;
        }
    }
};

TEST_F(ToolTest, CheckSearchResaveAndDeleteFromTheFirstToTheLastRecord)
{
    run({{{"check", "#"}, 0, "masters 3, subs 2, links 3\n"}, {{"search", "#", "GAR"}, 0, "1-Garden\n3-Garage\n"},
         {{"search", "#", "CAF\u00C9"}, 0, "1-Garden\n5-Caf\u00E9/bar\n"}, {{"search", "#", "tomatoes"}, 0},
         {{"resave", "#"}, 0}});
    EXPECT_EQ(readFile(file), kFile);
    // A sub record alone, the last record, a master (Garage) with its sub record.
    run({{{"delete", "#", "2"}, 0}, {{"delete", "#", "4"}, 0}, {{"delete", "#", "2"}, 0},
         {{"delete", "#", "2"}, 2, "", "the file has no record 2"},
         {{"delete", "#", "2x"}, 2, "", "ID must be a record number, not '2x'"}});
    for (const char* id : {"0", "-1", " 1", "1.0", ""})
        run({{{"delete", "#", id}, 2, "", "Usage: brindlecase-tool delete FILE ID [--password P]"}});
    EXPECT_EQ(readFile(file), crlfLines({"000010000001Open      Garden\xAC" "weeds\xAC" "caf\xE9 on Friday",
                                         "000010000002Ann\xAC" "ann@example.org"}));
}

// The password is taken in the file's code page (é is one byte); a wrong one and
// one outside the code page change nothing; an existing target is kept.
TEST_F(ToolTest, EncryptAndDecryptTakeThePasswordInTheFilesCodePage)
{
    folder.write("notes.bcy", "other records\r\n");
    folder.write("old.bcy", "");
    run({{{"encrypt", "#", "--password", "\u0416\u0436x\u0416"}, 2, "", "cannot hold \"\u0416\u0436\"."},
         {{"encrypt", "#", "--password", ""}, 2, "", "the new password must not be empty"},
         {{"encrypt", "#", "--password", "caf\u00E9"}, 0,
          "File encrypted. The file notes.bcy that was already there is kept as BackUp_notes.bcy.\n"}});
    store::AppState opened; // read with the one-byte password, apart from the tool
    openFile(opened, folder.file("notes.bcy"), true, "caf\xE9");
    EXPECT_FALSE(opened.LoadFailed);
    EXPECT_EQ(nlohmann::json::parse(tool({"export", "%/notes.bcy", "--password", "caf\u00E9"}).out).at("encrypted"), true);
    run({{{"check", "%/notes.bcy", "--password=caf\u00E9"}, 0, "masters 3, subs 2, links 3\n"},
         {{"check", "%/notes.bcy", "--password", "cafe"}, 1, "", "File load error. The file '%/notes.bcy' has reported errors."},
         {{"decrypt", "%/notes.bcy", "--password", "cafe"}, 1, "", "File load error."},
         {{"decrypt", "%/notes.bcy", "--password", "caf\u00E9"}, 0, "File decrypted.\n"},
         {{"decrypt", "#", "--password", "x"}, 1, "", "is not an enciphered data file (.bcy)"},
         // An enciphered file without lines opens with any password, the empty one too.
         {{"decrypt", "%/old.bcy", "--password="}, 0, "File decrypted.\n"}});
    EXPECT_EQ(readFile(file), kFile);
}

TEST_F(ToolTest, ExportGivesEveryFieldOfTheStoreAsJson)
{
    const ToolRun run = tool({"export", "#"});
    const std::string none = R"("emails": [], "folders": [], "files": [], "web": [])";
    EXPECT_EQ(nlohmann::json::parse(run.out), nlohmann::json::parse(R"({"file": ")" + file.string() + R"(", "encrypted": false,
        "records": [{"index": 1, "parent": 0, "status": "Open", "name": "Garden", "note": ["weeds", "caf\u00e9 on Friday"],
                     "emails": [{"description": "Ann", "target": "ann@example.org"}], "folders": [], "files": [], "web": []},
                    {"index": 2, "parent": 1, "status": "", "name": "Tomatoes", "note": [""], "emails": [], "folders": [],
                     "files": [], "web": [{"description": "Seeds", "target": "https://example.org/seeds"}]},
                    {"index": 3, "parent": 0, "status": "Done", "name": "Garage", "note": [""], )" + none + R"(},
                    {"index": 4, "parent": 3, "status": "", "name": "Tyres", "note": [], "emails": [], "files": [], "web": [],
                     "folders": [{"description": "Receipts", "target": "/home/me/receipts"}]},
                    {"index": 5, "parent": 0, "status": "", "name": "Caf\u00e9/bar", "note": [""], )" + none + "}]}"));
}

// Damaged files exit with 1, bad command lines (pages' too) with 2; what the tool prints is
// readable UTF-8 whatever the file holds, control bytes escaped.
TEST_F(ToolTest, DamagedFilesAndBadCommandLinesGiveTheirExitCodesAndReadableMessages)
{
    folder.write("bad.bcn", "000010000001Open      A\r\n000030000001Open      C\r\n");
    // Columns 6-10 hold "(=)", the division sign 0xF7 and "T"; then a control byte.
    folder.write("sign.bcn", "00001(=)\xF7T01Garden\r\n");
    folder.write("control.bcn", "00001\x01\x81" "00001Garden\r\n");
    folder.write("named.bcn", "000010000001          Caf\xE9\x1B[2J\x80\x81\xAC\r\n");
    folder.write("cut.bcn", "000010000001Open      Garden\xAC\r\n000020000001Open      Gar");
    run({{{"check", "%/bad.bcn"}, 1, "", "File load error."}, {{"resave", "%/bad.bcn"}, 1, "", "File load error."},
         {{"export", "%/bad.bcn"}, 1, "", "File load error."}, {{"search", "%/bad.bcn", "x"}, 1, "", "File load error."},
         {{"delete", "%/bad.bcn", "1"}, 1, "", "File load error."},
         {{"encrypt", "%/bad.bcn", "--password", "pw"}, 1, "", "File load error."},
         {{"check", "%/gone\x1B.bcn"}, 1, "", "gone\\x1B.bcn"}, {{}, 2, "", "Usage: brindlecase-tool COMMAND"},
         {{"frobnicate"}, 2, "", "unknown command 'frobnicate'"}, {{"check"}, 2, "", "wrong number of arguments"},
         {{"check", "a", "b"}, 2, "", "wrong number of arguments"}, {{"encrypt", "#"}, 2, "", "--password is required"},
         {{"check", "#", "--colour"}, 2, "", "unknown option '--colour'"},
         {{"check", "#", "--password"}, 2, "", "--password needs a value"},
         {{"check", "%/sign.bcn"}, 1, "", "'(=)\xC3\xB7T' is not a number"},
         {{"check", "%/control.bcn"}, 1, "", "'\\x01\\x81000' is not a number"},
         {{"search", "%/named.bcn", "caf"}, 0, "1-Caf\xC3\xA9\\x1B[2J\xE2\x82\xAC\\xC2\\x81\n"},
         {{"check", "%/cut.bcn"}, 0, "masters 2, subs 0, links 0\n", "cut short"}, {{"resave", "%/cut.bcn"}, 0, "", "cut short"},
         {{"report"}, 2, "", "Usage:\n  brindlecase-tool report master"},
         {{"report", "summary", "#"}, 2, "", "unknown page 'summary'"},
         {{"report", "master", "#"}, 2, "", "wrong number of arguments"},
         {{"report", "master", "#", "1x"}, 2, "", "ID must be a record number, not '1x'"},
         {{"report", "master", "#", "6"}, 2, "", "the file has no record 6"},
         {{"report", "status", "#", "--date", "2026-02-29T10:00:00"}, 2, "", "--date must be a real moment"},
         {{"report", "status", "#", "--date", "2026-12-04 03:40:00"}, 2, "", "--date must be a real moment"},
         {{"report", "status", "#", "--date"}, 2, "", "--date needs a value"},
         {{"report", "status", "#", "--colour", "red"}, 2, "", "unknown option '--colour'"},
         {{"report", "group", "Ann..ann@example.org"}, 2, "", "--out is required"},
         {{"report", "group", "--out", "%"}, 2, "", "at least one ENTRY is needed"},
         {{"report", "group", "--out", "%", "--date=2026-12-04T03:40:00", "A..a@example.org"}, 2, "", "neither"},
         {{"report", "status", "%/gone.bcn"}, 1, "", "gone.bcn"},
         {{"report", "status", "#", "--out", "%/no folder"}, 1, "",
          "Could not save the file '%/no folder/Status Summary.htm': no such file or directory."}});
    EXPECT_FALSE(fs::exists(folder.file("bad.bcy")));
    EXPECT_EQ(readFile(file), kFile);
}

TEST_F(ToolTest, EveryCommandAndPageHasHelpAndTheProgramPassesItsExitCodeOn)
{
    EXPECT_THAT(tool({"delete", "--help"}).out, StartsWith("Usage: brindlecase-tool delete FILE ID"));
    EXPECT_EQ(tool({"--help"}).code + tool({"delete", "--help"}).code + tool({"report", "-h"}).code, 0);
    EXPECT_THAT(tool({"--help"}).out, AllOf(HasSubstr("Commands:"), HasSubstr("brindlecase-tool report master FILE ID")));
    const std::string program = std::string(BRINDLECASE_TOOL) + " check ";
    EXPECT_EQ(WEXITSTATUS(::system((program + "'" + file.string() + "' >/dev/null").c_str())), 0);
    EXPECT_EQ(WEXITSTATUS(::system((program + "2>/dev/null").c_str())), 2);
}

// Each page goes into --out or the current folder and its path is printed; the
// date line shows --date; a sub record's ID gives its master's page.
TEST_F(ToolTest, ReportPagesFromTheCommandLine)
{
    fs::create_directory(folder.file("pages"));
    folder.write("empty.bcn", "");
    run({{{"report", "master", "#", "1", "--date", "2026-12-04T03:40:00", "--out", "%/pages"}, 0, "%/pages/master_Garden.htm\n"},
         {{"report", "master", "#", "5", "--out=%/pages"}, 0, "%/pages/master_Caf\u00E9 bar.htm\n"}, // the last record
         {{"report", "status", "#", "--date=2027-01-09T17:05:03", "--out=%/pages"}, 0, "%/pages/Status Summary.htm\n"},
         {{"report", "status", "%/empty.bcn", "--out", "%/no folder"}, 0}}); // no records, no page
    const std::string master = readFile(folder.file("pages/master_Garden.htm"));
    EXPECT_THAT(master, HasSubstr("\r\n\r\n- DATE: 04 December 2026, 03:40:00\r\n\r\n</font></p>\r\n\r\n"));
    EXPECT_THAT(master, HasSubstr("height='48'><font face='Arial, Helvetica, sans-serif'>Tomatoes</font>"));
    EXPECT_THAT(readFile(folder.file("pages/Status Summary.htm")), AllOf(HasSubstr("- DATE: 09 January 2027, 17:05:03\r\n\r\n<table"),
                                                                         HasSubstr("color='#000000'>NO STATUS </font></b>")));

    // The group's entries come in UTF-8 and go into the page in Windows-1252; a
    // relative folder is made absolute for the picture.
    const fs::path before = fs::current_path();
    fs::current_path(folder.path());
    run({{{"report", "master", "#", "2", "--date=2026-12-04T03:40:00"}, 0, "%/master_Garden.htm\n"},
         {{"report", "group", "--out", "./pages", "B\u00F8b..bob@example.org", "Ann..ann@example.org"}, 0,
          "%/pages/emailGroup.htm\n"}});
    fs::current_path(before);
    EXPECT_EQ(readFile(folder.file("master_Garden.htm")), master);
    const std::string group = readFile(folder.file("pages/emailGroup.htm"));
    EXPECT_THAT(group, HasSubstr("<p><a href='mailto:bob@example.org;ann@example.org'><img src='file:" + dir
                                 + "/pages/email.JPG' width='87'"));
    EXPECT_THAT(group, HasSubstr("color='#CCCCCC'>B\xF8" "b</font></td>"));
}

} // namespace
