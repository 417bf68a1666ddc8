#include "support/StoreFixtures.h"
#include "support/TempFolder.h"
#include "support/ToolRun.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>

using namespace testing_support;
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
    "000050000001          Car wash\xAC",
});

class ToolTest : public ::testing::Test {
protected:
    TempFolder folder;
    fs::path file = folder.write("notes.bcn", kFile);
    std::string name = file.string();
};

TEST_F(ToolTest, CheckCountsAndSearchListsInUtf8)
{
    EXPECT_EQ(tool({"check", name}).out, "masters 3, subs 2, links 3\n");
    EXPECT_EQ(tool({"search", name, "GAR"}).out, "1-Garden\n3-Garage\n");
    EXPECT_EQ(tool({"search", name, "CAF\u00C9"}).out, "1-Garden\n");
    EXPECT_EQ(tool({"search", name, "tomatoes"}).out, "");
    EXPECT_EQ(tool({"resave", name}).code, 0);
    EXPECT_EQ(readFile(file), kFile);
}

TEST_F(ToolTest, DeleteTakesARecordNumberFromOneToTheLast)
{
    ASSERT_EQ(tool({"delete", name, "2"}).code, 0); // a sub record alone
    EXPECT_EQ(tool({"check", name}).out, "masters 3, subs 1, links 2\n");
    ASSERT_EQ(tool({"delete", name, "4"}).code, 0); // the last record
    ASSERT_EQ(tool({"delete", name, "2"}).code, 0); // Garage, with Tyres
    EXPECT_EQ(readFile(file), crlfLines({"000010000001Open      Garden\xAC" "weeds\xAC" "caf\xE9 on Friday",
                                         "000010000002Ann\xAC" "ann@example.org"}));
    for (const char* id : {"0", "2", "-1", "2x", " 1", "1.0", ""}) {
        const ToolRun refused = tool({"delete", name, id});
        EXPECT_EQ(refused.code, 2) << id;
        EXPECT_THAT(refused.err, HasSubstr("Usage: brindlecase-tool delete FILE ID [--password P]")) << id;
    }
    EXPECT_THAT(tool({"delete", name, "2"}).err, HasSubstr("the file has no record 2"));
    EXPECT_THAT(tool({"delete", name, "2x"}).err, HasSubstr("ID must be a record number, not '2x'"));
    EXPECT_EQ(tool({"check", name}).out, "masters 1, subs 0, links 1\n");
}

// The password is taken in the file's code page (é is one byte); a wrong one and
// one outside the code page change nothing; an existing target is kept.
TEST_F(ToolTest, EncryptAndDecryptTakeThePasswordInTheFilesCodePage)
{
    const ToolRun cyrillic = tool({"encrypt", name, "--password", "\u0416\u0436x\u0416"});
    EXPECT_EQ(cyrillic.code, 2);
    EXPECT_THAT(cyrillic.err, HasSubstr("The password cannot hold \"\u0416\u0436\"."));
    const ToolRun empty = tool({"encrypt", name, "--password", ""});
    EXPECT_EQ(empty.code, 2);
    EXPECT_THAT(empty.err, HasSubstr("must not be empty"));
    EXPECT_EQ(readFile(file), kFile);
    folder.write("notes.bcy", "other records\r\n");

    EXPECT_EQ(tool({"encrypt", name, "--password", "caf\u00E9"}).out,
              "File encrypted. The file notes.bcy that was already there is kept as BackUp_notes.bcy.\n");
    const fs::path bcy = folder.file("notes.bcy");
    store::AppState opened; // read with the one-byte password, apart from the tool
    openFile(opened, bcy, true, "caf\xE9");
    EXPECT_FALSE(opened.LoadFailed);
    EXPECT_EQ(tool({"check", bcy.string(), "--password=caf\u00E9"}).out, "masters 3, subs 2, links 3\n");
    const ToolRun wrong = tool({"check", bcy.string(), "--password", "cafe"});
    EXPECT_EQ(wrong.code, 1);
    EXPECT_THAT(wrong.err, HasSubstr("File load error. The file '" + bcy.string() + "' has reported errors."));
    EXPECT_EQ(tool({"decrypt", bcy.string(), "--password", "cafe"}).code, 1);
    EXPECT_TRUE(fs::exists(bcy));
    EXPECT_FALSE(fs::exists(file));

    EXPECT_EQ(tool({"decrypt", bcy.string(), "--password", "caf\u00E9"}).out, "File decrypted.\n");
    EXPECT_EQ(readFile(file), kFile);
    EXPECT_EQ(tool({"decrypt", name, "--password", "x"}).code, 1);
    // Deciphering still takes an empty password: an enciphered file without lines opens with any.
    EXPECT_EQ(tool({"decrypt", folder.write("old.bcy", "").string(), "--password="}).code, 0);
}

TEST_F(ToolTest, ExportGivesEveryFieldOfTheStoreAsJson)
{
    const ToolRun run = tool({"export", name});
    ASSERT_EQ(run.code, 0);
    const std::string none = R"("emails": [], "folders": [], "files": [], "web": [])";
    EXPECT_EQ(nlohmann::json::parse(run.out), nlohmann::json::parse(R"({"file": ")" + name + R"(", "encrypted": false,
        "records": [{"index": 1, "parent": 0, "status": "Open", "name": "Garden", "note": ["weeds", "caf\u00e9 on Friday"],
                     "emails": [{"description": "Ann", "target": "ann@example.org"}], "folders": [], "files": [], "web": []},
                    {"index": 2, "parent": 1, "status": "", "name": "Tomatoes", "note": [""], "emails": [], "folders": [],
                     "files": [], "web": [{"description": "Seeds", "target": "https://example.org/seeds"}]},
                    {"index": 3, "parent": 0, "status": "Done", "name": "Garage", "note": [""], )" + none + R"(},
                    {"index": 4, "parent": 3, "status": "", "name": "Tyres", "note": [], "emails": [], "files": [], "web": [],
                     "folders": [{"description": "Receipts", "target": "/home/me/receipts"}]},
                    {"index": 5, "parent": 0, "status": "", "name": "Car wash", "note": [""], )" + none + "}]}"));
    ASSERT_EQ(tool({"encrypt", name, "--password", "pw"}).code, 0);
    const ToolRun enciphered = tool({"export", folder.file("notes.bcy").string(), "--password", "pw"});
    EXPECT_EQ(nlohmann::json::parse(enciphered.out).at("encrypted"), true);
}

TEST_F(ToolTest, DamagedFilesAndBadCommandLinesGiveTheirExitCodes)
{
    const fs::path damaged = folder.write("bad.bcn", "000010000001Open      A\r\n000030000001Open      C\r\n");
    const std::string bad = damaged.string();
    for (const auto& args : std::vector<std::vector<std::string>>{{"check", bad}, {"resave", bad}, {"export", bad},
                                                                  {"search", bad, "x"}, {"delete", bad, "1"}}) {
        const ToolRun run = tool(args);
        EXPECT_EQ(run.code, 1) << args[0];
        EXPECT_THAT(run.err, HasSubstr("File load error.")) << args[0];
    }
    EXPECT_EQ(tool({"encrypt", bad, "--password", "pw"}).code, 1);
    EXPECT_FALSE(fs::exists(folder.file("bad.bcy")));
    EXPECT_EQ(tool({"check", folder.file("missing.bcn").string()}).code, 1);

    for (const std::vector<std::string>& usage : std::vector<std::vector<std::string>>{
             {}, {"frobnicate"}, {"check"}, {"check", "a", "b"}, {"check", name, "--colour"},
             {"encrypt", name}, {"check", name, "--password"}}) {
        EXPECT_EQ(tool(usage).code, 2) << (usage.empty() ? "" : usage[0]);
    }
    EXPECT_TRUE(fs::exists(file));
}

// What the tool prints is readable UTF-8 whatever the file holds, control bytes
// escaped; a file cut short is named as such.
TEST_F(ToolTest, BytesFromTheFileArePrintedAsUtf8WithControlsEscaped)
{
    // Columns 6-10 hold "(=)", the division sign 0xF7 and "T"; then a control byte.
    EXPECT_THAT(tool({"check", folder.write("bad.bcn", "00001(=)\xF7T01Garden\r\n").string()}).err,
                HasSubstr("'(=)\xC3\xB7T' is not a number"));
    EXPECT_THAT(tool({"check", folder.write("control.bcn", "00001\x01\x81" "00001Garden\r\n").string()}).err,
                HasSubstr("'\\x01\\x81000' is not a number"));
    const fs::path named = folder.write("named.bcn", "000010000001          Caf\xE9\x1B[2J\x80\xAC\r\n");
    EXPECT_EQ(tool({"search", named.string(), "caf"}).out, "1-Caf\xC3\xA9\\x1B[2J\xE2\x82\xAC\n");

    const fs::path cut = folder.write("cut.bcn", "000010000001Open      Garden\xAC\r\n000020000001Open      Gar");
    const ToolRun checked = tool({"check", cut.string()});
    EXPECT_EQ(checked.code, 0);
    EXPECT_EQ(checked.out, "masters 2, subs 0, links 0\n");
    EXPECT_THAT(checked.err, HasSubstr("cut short"));
    EXPECT_THAT(tool({"resave", cut.string()}).err, HasSubstr("cut short"));
    EXPECT_EQ(tool({"check", name}).err, "");
}

TEST_F(ToolTest, EveryCommandHasHelpAndTheProgramPassesItsExitCodeOn)
{
    for (const char* command : {"check", "resave", "search", "delete", "encrypt", "decrypt", "export"})
        EXPECT_THAT(tool({command, "--help"}).out, HasSubstr(std::string("Usage: brindlecase-tool ") + command));
    EXPECT_THAT(tool({"--help"}).out, HasSubstr("Commands:"));
    EXPECT_THAT(tool({"--help"}).out, HasSubstr("brindlecase-tool report master FILE ID"));
    EXPECT_EQ(tool({"delete", "--help"}).code, 0);
    const std::string program = std::string(BRINDLECASE_TOOL) + " check ";
    EXPECT_EQ(WEXITSTATUS(::system((program + "'" + name + "' >/dev/null").c_str())), 0);
    EXPECT_EQ(WEXITSTATUS(::system((program + "2>/dev/null").c_str())), 2);
}

// Record 1 a master named with a colon, 2 and 4 its sub records, 3 another master
// without status whose name holds a slash and an accented letter.
const std::string kReportFile = crlfLines({
    "000010000001Open      Plan: 2026\xAC" "first",
    "000010000002Ann\xAC" "ann@example.org",
    "000020000101Seeds\xAC",
    "000030000001          Caf\xE9/bar\xAC",
    "000040000101Tools\xAC",
});

class ReportCommandTest : public ::testing::Test {
protected:
    TempFolder folder;
    fs::path file = folder.write("notes.bcn", kReportFile);
    fs::path out = folder.path() / "pages";
    void SetUp() override { fs::create_directory(out); }
};

TEST_F(ReportCommandTest, MasterPageOfAMasterOrOfItsSubRecord)
{
    const ToolRun run = tool({"report", "master", file.string(), "1", "--date", "2026-12-04T03:40:00", "--out", out.string()});
    ASSERT_EQ(run.code, 0) << run.err;
    const fs::path page = out / "master_Plan  2026.htm";
    EXPECT_EQ(run.out, page.string() + "\n");
    const std::string bytes = readFile(page);
    EXPECT_THAT(bytes, HasSubstr("\r\n\r\n- DATE: 04 December 2026, 03:40:00\r\n\r\n</font></p>\r\n\r\n"));
    const auto seeds = bytes.find("height='48'><font face='Arial, Helvetica, sans-serif'>Seeds</font>");
    const auto tools = bytes.find("height='48'><font face='Arial, Helvetica, sans-serif'>Tools</font>");
    EXPECT_LT(seeds, tools);
    EXPECT_NE(tools, std::string::npos);

    fs::remove(page);
    const ToolRun sub = tool({"report", "master", file.string(), "4", "--date=2026-12-04T03:40:00", "--out=" + out.string()});
    ASSERT_EQ(sub.code, 0) << sub.err;
    EXPECT_EQ(readFile(page), bytes);
}

// The name's "/" becomes a blank and its Windows-1252 letters UTF-8, in the file
// name only; the page keeps the byte.
TEST_F(ReportCommandTest, MasterFileNameIsUtf8WithoutSlash)
{
    const ToolRun run = tool({"report", "master", file.string(), "3", "--out", out.string()});
    ASSERT_EQ(run.code, 0) << run.err;
    const fs::path page = out / "master_Caf\u00E9 bar.htm";
    EXPECT_EQ(run.out, page.string() + "\n");
    EXPECT_THAT(readFile(page), HasSubstr("MASTER RECORD: Caf\xE9/bar</font>"));
}

TEST_F(ReportCommandTest, StatusSummaryAndAnEmptyStore)
{
    const ToolRun run = tool({"report", "status", file.string(), "--date", "2027-01-09T17:05:03", "--out", out.string()});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, (out / "Status Summary.htm").string() + "\n");
    const std::string bytes = readFile(out / "Status Summary.htm");
    EXPECT_THAT(bytes, HasSubstr("- DATE: 09 January 2027, 17:05:03\r\n\r\n<table"));
    EXPECT_THAT(bytes, HasSubstr("<font face='Arial, Helvetica, sans-serif'>OPEN        </font></div>\r\n\r\n"));
    EXPECT_THAT(bytes, HasSubstr("color='#000000'>NO STATUS </font></b>"));

    // Without --out the page goes into the current folder.
    const fs::path before = fs::current_path();
    fs::current_path(folder.path());
    EXPECT_EQ(tool({"report", "status", file.string()}).out, folder.file("Status Summary.htm").string() + "\n");
    fs::current_path(before);

    const fs::path empty = folder.write("empty.bcn", "");
    fs::remove(out / "Status Summary.htm");
    const ToolRun none = tool({"report", "status", empty.string(), "--out", out.string()});
    EXPECT_EQ(none.code, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_TRUE(fs::is_empty(out));
}

// The entries come in UTF-8 and go into the page in Windows-1252; a relative
// folder is made absolute for the picture.
TEST_F(ReportCommandTest, GroupPageFromTheCommandLine)
{
    const fs::path before = fs::current_path();
    fs::current_path(folder.path());
    const ToolRun run = tool({"report", "group", "--out", "./pages", "B\u00F8b..bob@example.org", "Ann..ann@example.org"});
    fs::current_path(before);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, (out / "emailGroup.htm").string() + "\n");
    const std::string bytes = readFile(out / "emailGroup.htm");
    EXPECT_THAT(bytes, HasSubstr("<p><a href='mailto:bob@example.org;ann@example.org'><img src='file:" + out.string()
                                 + "/email.JPG' width='87'"));
    EXPECT_THAT(bytes, HasSubstr("color='#CCCCCC'>B\xF8" "b</font></td>"));
}

TEST_F(ReportCommandTest, UsageErrorsLoadErrorsAndWriteErrors)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"report"},
             {"report", "summary", file.string()},
             {"report", "master", file.string()},
             {"report", "master", file.string(), "x1"},
             {"report", "master", file.string(), "9"},
             {"report", "status", file.string(), "--date", "2026-02-29T10:00:00"},
             {"report", "status", file.string(), "--date", "2026-12-04 03:40:00"},
             {"report", "status", file.string(), "--date"},
             {"report", "status", file.string(), "--colour", "red"},
             {"report", "group", "Ann..ann@example.org"},
             {"report", "group", "--out", out.string()},
         }) {
        const ToolRun run = tool(args);
        EXPECT_EQ(run.code, 2) << args.back();
        EXPECT_EQ(run.out, "") << args.back();
        EXPECT_THAT(run.err, HasSubstr("Usage:")) << args.back();
    }
    const ToolRun missing = tool({"report", "status", (folder.path() / "gone.bcn").string()});
    EXPECT_EQ(missing.code, 1);
    EXPECT_THAT(missing.err, HasSubstr("gone.bcn"));

    const ToolRun unwritable = tool({"report", "status", file.string(), "--out", (folder.path() / "no folder").string()});
    EXPECT_EQ(unwritable.code, 1);
    EXPECT_EQ(unwritable.out, "");
    EXPECT_THAT(unwritable.err, StartsWith("Could not save the file '" + (folder.path() / "no folder" / "Status Summary.htm").string()
                                           + "': no such file or directory."));
}

TEST_F(ReportCommandTest, HelpForEachPage)
{
    for (const std::string page : {"master", "status", "group"})
        EXPECT_THAT(tool({"report", page, "--help"}).out, StartsWith("Usage: brindlecase-tool report " + page + " "));
    EXPECT_THAT(tool({"report", "--help"}).out, HasSubstr("report group --out DIR ENTRY..."));
}

} // namespace
