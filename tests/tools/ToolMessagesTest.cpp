// What the command-line tool says is readable UTF-8 whatever the file holds, a file
// cut short is named as such, and a password being set cannot be empty.

#include "support/TempFolder.h"
#include "tools/ToolCommands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

using namespace testing_support;
using ::testing::HasSubstr;
using ::testing::Not;
namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int code;
    std::string out;
    std::string err;
};

ToolRun tool(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int code = tools::runTool(args, out, err);
    return {code, out.str(), err.str()};
}

TEST(ToolMessagesTest, FileBytesInALoadErrorArePrintedAsUtf8WithControlsEscaped)
{
    TempFolder folder;
    // Columns 6-10 hold "(=)", the division sign 0xF7 and "T"; then a control byte.
    const fs::path file = folder.write("bad.bcn", "00001(=)\xF7T01Garden\r\n");
    const ToolRun run = tool({"check", file.string()});
    EXPECT_EQ(run.code, 1);
    EXPECT_THAT(run.err, HasSubstr("'(=)\xC3\xB7T' is not a number"));

    const fs::path control = folder.write("control.bcn", "00001\x01\x81" "00001Garden\r\n");
    EXPECT_THAT(tool({"check", control.string()}).err, HasSubstr("'\\x01\\x81000' is not a number"));
}

TEST(ToolMessagesTest, NamesFromTheFileArePrintedAsUtf8WithControlsEscaped)
{
    TempFolder folder;
    const fs::path file = folder.write("notes.bcn", "000010000001          Caf\xE9\x1B[2J\x80\xAC\r\n");
    EXPECT_EQ(tool({"search", file.string(), "caf"}).out, "1-Caf\xC3\xA9\\x1B[2J\xE2\x82\xAC\n");
}

TEST(ToolMessagesTest, AFileCutShortIsNamedByCheckAndResave)
{
    TempFolder folder;
    const std::string cut = "000010000001Open      Garden\xAC\r\n000020000001Open      Gar";
    const fs::path file = folder.write("cut.bcn", cut);
    const ToolRun checked = tool({"check", file.string()});
    EXPECT_EQ(checked.code, 0);
    EXPECT_EQ(checked.out, "masters 2, subs 0, links 0\n");
    EXPECT_THAT(checked.err, HasSubstr("cut short"));
    const ToolRun resaved = tool({"resave", file.string()});
    EXPECT_THAT(resaved.err, HasSubstr("cut short"));

    const fs::path whole = folder.write("whole.bcn", "000010000001Open      Garden\xAC\r\n");
    EXPECT_THAT(tool({"check", whole.string()}).err, Not(HasSubstr("cut short")));
}

TEST(ToolMessagesTest, AnEmptyPasswordIsRefusedWhenSetButOpensOldFiles)
{
    TempFolder folder;
    const std::string plain = "000010000001Open      Garden\xAC\r\n";
    const fs::path file = folder.write("notes.bcn", plain);
    const ToolRun refused = tool({"encrypt", file.string(), "--password", ""});
    EXPECT_EQ(refused.code, 2);
    EXPECT_THAT(refused.err, HasSubstr("must not be empty"));
    EXPECT_EQ(readFile(file), plain);
    EXPECT_FALSE(fs::exists(folder.file("notes.bcy")));
    // Deciphering still takes one: an enciphered file without lines opens with any.
    const fs::path empty = folder.write("old.bcy", "");
    EXPECT_EQ(tool({"decrypt", empty.string(), "--password="}).code, 0);
}

} // namespace
