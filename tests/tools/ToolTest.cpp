#include "store/LineCipher.h"
#include "support/TempFolder.h"
#include "tools/ToolCommands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <sstream>

using namespace testing_support;
using ::testing::HasSubstr;
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
};

TEST_F(ToolTest, CheckCountsMastersSubsAndLinks)
{
    const ToolRun run = tool({"check", file.string()});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, "masters 3, subs 2, links 3\n");
}

TEST_F(ToolTest, SearchPrintsTheResultListInUtf8)
{
    EXPECT_EQ(tool({"search", file.string(), "GAR"}).out, "1-Garden\n3-Garage\n");
    EXPECT_EQ(tool({"search", file.string(), "CAF\u00C9"}).out, "1-Garden\n");
    EXPECT_EQ(tool({"search", file.string(), "tomatoes"}).out, "");
}

TEST_F(ToolTest, ResaveKeepsAFileInWrittenOrderByteForByte)
{
    EXPECT_EQ(tool({"resave", file.string()}).code, 0);
    EXPECT_EQ(readFile(file), kFile);
}

TEST_F(ToolTest, DeleteSelectsAsARowClickAndRenumbers)
{
    ASSERT_EQ(tool({"delete", file.string(), "2"}).code, 0);
    EXPECT_EQ(tool({"check", file.string()}).out, "masters 3, subs 1, links 2\n");
    ASSERT_EQ(tool({"delete", file.string(), "2"}).code, 0); // now Garage, with Tyres
    EXPECT_EQ(readFile(file), crlfLines({
                                  "000010000001Open      Garden\xAC" "weeds\xAC" "caf\xE9 on Friday",
                                  "000010000002Ann\xAC" "ann@example.org",
                                  "000020000001          Car wash\xAC",
                              }));
    const ToolRun missing = tool({"delete", file.string(), "9"});
    EXPECT_EQ(missing.code, 2);
    EXPECT_THAT(missing.err, HasSubstr("no record 9"));
    EXPECT_EQ(tool({"delete", file.string(), "x1"}).code, 2);
}

TEST_F(ToolTest, EncryptAndDecryptConvertTheWholeFile)
{
    const ToolRun encrypted = tool({"encrypt", file.string(), "--password", "caf\u00E9"});
    EXPECT_EQ(encrypted.code, 0);
    EXPECT_EQ(encrypted.out, "File encrypted.\n");
    const fs::path bcy = folder.file("notes.bcy");
    EXPECT_TRUE(fs::exists(folder.file("BackUp_notes.bcn")));
    // The password is taken in the data files' code page: é is one byte.
    EXPECT_EQ(readFile(bcy).substr(0, 28),
              store::ScrambleLine(store::EncipherLine("0000100", "caf\xE9")) + ",");

    EXPECT_EQ(tool({"check", bcy.string(), "--password=caf\u00E9"}).out, "masters 3, subs 2, links 3\n");
    const ToolRun wrong = tool({"check", bcy.string(), "--password", "cafe"});
    EXPECT_EQ(wrong.code, 1);
    EXPECT_THAT(wrong.err, HasSubstr("File load error. The file '" + bcy.string() + "' has reported errors."));

    // A wrong password is refused before anything is converted.
    const ToolRun refused = tool({"decrypt", bcy.string(), "--password", "cafe"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_THAT(refused.err, HasSubstr("File load error."));
    EXPECT_TRUE(fs::exists(bcy));
    EXPECT_FALSE(fs::exists(file));

    EXPECT_EQ(tool({"decrypt", bcy.string(), "--password", "caf\u00E9"}).out, "File decrypted.\n");
    EXPECT_EQ(readFile(file), kFile);
    EXPECT_EQ(tool({"decrypt", file.string(), "--password", "x"}).code, 1);
}

TEST_F(ToolTest, EncryptKeepsAnExistingTargetAndRefusesPasswordsOutsideTheCodePage)
{
    const ToolRun cyrillic = tool({"encrypt", file.string(), "--password", "\u0416\u0436x\u0416"});
    EXPECT_EQ(cyrillic.code, 2);
    EXPECT_THAT(cyrillic.err, HasSubstr("The password cannot hold \"\u0416\u0436\"."));
    EXPECT_EQ(readFile(file), kFile);
    EXPECT_FALSE(fs::exists(folder.file("notes.bcy")));

    folder.write("notes.bcy", "other records\r\n");
    const ToolRun encrypted = tool({"encrypt", file.string(), "--password", "pw"});
    EXPECT_EQ(encrypted.code, 0);
    EXPECT_EQ(encrypted.out,
              "File encrypted. The file notes.bcy that was already there is kept as BackUp_notes.bcy.\n");
    EXPECT_EQ(readFile(folder.file("BackUp_notes.bcy")), "other records\r\n");
    EXPECT_EQ(tool({"check", folder.file("notes.bcy").string(), "--password", "pw"}).out, "masters 3, subs 2, links 3\n");
}

TEST_F(ToolTest, ExportGivesTheWholeStoreAsJson)
{
    const ToolRun run = tool({"export", file.string()});
    ASSERT_EQ(run.code, 0);
    const auto document = nlohmann::json::parse(run.out);
    const auto& records = document.at("records");
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0]["index"], 1);
    EXPECT_EQ(records[0]["status"], "Open");
    EXPECT_EQ(records[0]["name"], "Garden");
    EXPECT_EQ(records[0]["note"], nlohmann::json({"weeds", "caf\u00E9 on Friday"}));
    EXPECT_EQ(records[0]["emails"][0]["target"], "ann@example.org");
    EXPECT_EQ(records[1]["parent"], 1);
    EXPECT_EQ(records[1]["web"][0]["description"], "Seeds");
    EXPECT_EQ(records[3]["files"].size(), 0u);
    EXPECT_EQ(records[3]["folders"][0]["target"], "/home/me/receipts");
    EXPECT_EQ(records[3]["note"].size(), 0u);
    EXPECT_EQ(records[4]["status"], "");
}

TEST_F(ToolTest, DamagedFilesAndBadCommandLinesGiveTheirExitCodes)
{
    const fs::path damaged = folder.write("bad.bcn", "000010000001Open      A\r\n000030000001Open      C\r\n");
    for (const char* command : {"check", "resave", "export"}) {
        const ToolRun run = tool({command, damaged.string()});
        EXPECT_EQ(run.code, 1) << command;
        EXPECT_THAT(run.err, HasSubstr("File load error.")) << command;
    }
    const ToolRun notEncrypted = tool({"encrypt", damaged.string(), "--password", "pw"});
    EXPECT_EQ(notEncrypted.code, 1);
    EXPECT_THAT(notEncrypted.err, HasSubstr("File load error."));
    EXPECT_FALSE(fs::exists(folder.file("bad.bcy")));
    EXPECT_EQ(readFile(damaged), "000010000001Open      A\r\n000030000001Open      C\r\n");
    EXPECT_EQ(tool({"check", folder.file("missing.bcn").string()}).code, 1);

    EXPECT_EQ(tool({}).code, 2);
    EXPECT_EQ(tool({"frobnicate"}).code, 2);
    EXPECT_EQ(tool({"check"}).code, 2);
    EXPECT_EQ(tool({"check", "a", "b"}).code, 2);
    EXPECT_EQ(tool({"check", file.string(), "--colour"}).code, 2);
    EXPECT_EQ(tool({"encrypt", file.string()}).code, 2);
    EXPECT_EQ(tool({"check", file.string(), "--password"}).code, 2);
    EXPECT_TRUE(fs::exists(file));
}

TEST_F(ToolTest, EveryCommandHasHelp)
{
    for (const char* command : {"check", "resave", "search", "delete", "encrypt", "decrypt", "export"}) {
        const ToolRun run = tool({command, "--help"});
        EXPECT_EQ(run.code, 0) << command;
        EXPECT_THAT(run.out, HasSubstr(std::string("brindlecase-tool ") + command)) << command;
    }
    EXPECT_THAT(tool({"--help"}).out, HasSubstr("Commands:"));
}

// The installed program passes its exit code and output through main().
TEST_F(ToolTest, TheProgramItselfReportsThroughItsExitCode)
{
    const std::string command = std::string(BRINDLECASE_TOOL) + " check '" + file.string() + "'";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[256] = {};
    const std::size_t got = std::fread(buffer, 1, sizeof buffer - 1, pipe);
    EXPECT_EQ(std::string(buffer, got), "masters 3, subs 2, links 3\n");
    EXPECT_EQ(WEXITSTATUS(::pclose(pipe)), 0);
    const std::string usage = std::string(BRINDLECASE_TOOL) + " check 2>/dev/null";
    EXPECT_EQ(WEXITSTATUS(::system(usage.c_str())), 2);
}

} // namespace
