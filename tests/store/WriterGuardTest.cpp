// The writer refuses a line that the reader could not give back as written, before
// anything reaches the file: no window can corrupt a data file this way.

#include "store/DataFile.h"
#include "store/StoreError.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testing_support;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

const std::string kOnDisk = "000010000001Open      Garden\xAC\r\n";

class WriterGuardTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        state.DataFilePath = folder.write(GetParam() ? "work.bcy" : "work.bcn", kOnDisk);
        state.FileEncrypted = GetParam();
        state.FilePassword = "pw";
        addMaster(state, "Open", "Garden\xAC");
        addMaster(state, "", "Taxes\xAC");
    }
    // The save fails naming the cause, and the file and folder are as they were.
    void expectRefused(const std::string& cause)
    {
        try {
            store::SaveDataFile(state);
            ADD_FAILURE() << "the save went through";
        } catch (const store::StoreError& error) {
            EXPECT_EQ(error.kind(), store::ErrorKind::File);
            EXPECT_THAT(error.what(), HasSubstr(cause));
            EXPECT_THAT(error.what(), HasSubstr("nothing was written"));
        }
        EXPECT_EQ(readFile(state.DataFilePath), kOnDisk);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
    }

    TempFolder folder;
    store::AppState state;
};

TEST_P(WriterGuardTest, ALineBreakInsideAnyFieldIsRefused)
{
    for (const char* breaking : {"\r", "\n", "\r\n"}) {
        SCOPED_TRACE(::testing::PrintToString(std::string(breaking)));
        store::Record& taxes = state.Records[2];
        taxes.Status = std::string("ab") + breaking + "cd";
        expectRefused("record 2 holds a line break");
        taxes.Status = "          ";
        taxes.Content = std::string("Taxes\xAC") + "line" + breaking;
        expectRefused("record 2 holds a line break");
        taxes.Content = "Taxes\xAC";
        taxes.WebLinks.push_back(std::string("site\xAC") + breaking);
        expectRefused("record 2 holds a line break");
        taxes.WebLinks = store::LinkList();
    }
}

TEST_P(WriterGuardTest, ARecordIndexBeyondTheFormatIsRefused)
{
    state.Records[2].Id = -32768; // what one record too many wraps to
    expectRefused("outside what a data file can hold");
}

TEST_P(WriterGuardTest, TheLinkDialogsWriterRefusesTooAndLeavesTheFile)
{
    store::OpenOutput(state);
    std::string line = "000020000002Ann\xAC" "ann@example.org\n";
    EXPECT_THROW(store::WriteOutLine(state, line), store::StoreError);
    store::AbortOutput(state);
    EXPECT_EQ(readFile(state.DataFilePath), kOnDisk);
}

INSTANTIATE_TEST_SUITE_P(PlainAndEnciphered, WriterGuardTest, ::testing::Bool());

} // namespace
