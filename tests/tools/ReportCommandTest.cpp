#include "support/TempFolder.h"
#include "support/ToolRun.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testing_support;
using ::testing::HasSubstr;
using ::testing::StartsWith;
namespace fs = std::filesystem;

namespace {

// Record 1 a master named with a colon, 2 and 4 its sub records, 3 another master
// without status whose name holds a slash and an accented letter.
const std::string kFile = crlfLines({
    "000010000001Open      Plan: 2026\xAC" "first",
    "000010000002Ann\xAC" "ann@example.org",
    "000020000101Seeds\xAC",
    "000030000001          Caf\xE9/bar\xAC",
    "000040000101Tools\xAC",
});

class ReportCommandTest : public ::testing::Test {
protected:
    TempFolder folder;
    fs::path file = folder.write("notes.bcn", kFile);
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
    EXPECT_THAT(tool({"--help"}).out, HasSubstr("brindlecase-tool report master FILE ID"));
}

} // namespace
