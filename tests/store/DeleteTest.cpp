#include "store/DataFile.h"
#include "store/LineCipher.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace store;
using namespace testing_support;

namespace {

class DeleteTest : public ::testing::Test {
protected:
    void SetUp() override { state.DataFilePath = folder.file("work.bcn"); }

    std::string fileAfterDelete(int master, int sub = -1)
    {
        SaveDataFile(state);
        state.CurrentMaster = static_cast<std::int16_t>(master);
        state.CurrentSub = static_cast<std::int16_t>(sub);
        DeleteAndReload(state);
        return readFile(state.DataFilePath);
    }

    TempFolder folder;
    AppState state;
};

TEST_F(DeleteTest, DeletingAMasterTakesItsSubRecordsAndRenumbersTheRest)
{
    addMaster(state, "A", "one\xAC");
    addMaster(state, "B", "two\xAC");
    addMaster(state, "C", "three\xAC");
    addSub(state, 1, "four");
    addSub(state, 3, "five");
    addSub(state, 2, "six");
    state.Records[5].Files.push_back("f\xAC" "/x");

    EXPECT_EQ(fileAfterDelete(2), crlfLines({
                                      "000010000001A         one\xAC",
                                      "000020000001C         three\xAC",
                                      "000030000101four",
                                      "000040000201five",
                                      "000040000204f\xAC" "/x",
                                  }));
    ASSERT_EQ(upperBound(state.Records), 4);
    EXPECT_EQ(state.Records[4].Parent, 2);
    EXPECT_EQ(state.Records[4].Files[1], "f\xAC" "/x");
}

TEST_F(DeleteTest, DeletingASubRecordTakesOnlyThatRecord)
{
    addMaster(state, "A", "one\xAC");
    addSub(state, 1, "two");
    addMaster(state, "C", "three\xAC");
    addSub(state, 3, "four");

    EXPECT_EQ(fileAfterDelete(1, 2), crlfLines({
                                         "000010000001A         one\xAC",
                                         "000020000001C         three\xAC",
                                         "000030000201four",
                                     }));
}

TEST_F(DeleteTest, SubRecordsAfterSeveralRemovedRecordsPointAtTheirMovedMaster)
{
    addMaster(state, "A", "a\xAC");   // 1, removed
    addSub(state, 1, "a1");          // 2, removed
    addMaster(state, "B", "b\xAC");   // 3 -> 1
    addSub(state, 1, "a2");          // 4, removed
    addMaster(state, "C", "c\xAC");   // 5 -> 2
    addSub(state, 5, "c1");          // 6 -> 3, parent 2
    addSub(state, 3, "b1");          // 7 -> 4, parent 1

    fileAfterDelete(1);
    ASSERT_EQ(upperBound(state.Records), 4);
    EXPECT_EQ(state.Records[3].Content, "c1");
    EXPECT_EQ(state.Records[3].Parent, 2);
    EXPECT_EQ(state.Records[4].Content, "b1");
    EXPECT_EQ(state.Records[4].Parent, 1);
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(state.Records[i].Id, i);
}

TEST_F(DeleteTest, DeletingTheOnlyRecordLeavesAnEmptyFile)
{
    addMaster(state, "A", "a\xAC");
    EXPECT_EQ(fileAfterDelete(1), "");
    EXPECT_EQ(upperBound(state.Records), 0);
}

TEST_F(DeleteTest, NothingSelectedChangesNothing)
{
    addMaster(state, "A", "a\xAC");
    const std::string before = fileAfterDelete(-1);
    EXPECT_EQ(before, crlfLines({"000010000001A         a\xAC"}));
    EXPECT_EQ(upperBound(state.Records), 1);
}

TEST_F(DeleteTest, EncipheredFilesAreRewrittenEncipheredAndReadBack)
{
    state.DataFilePath = folder.file("work.bcy");
    state.FileEncrypted = true;
    state.FilePassword = "pw";
    state.PasswordAccepted = true;
    addMaster(state, "A", "one\xAC");
    addSub(state, 1, "two");
    addMaster(state, "C", "three\xAC");

    const std::string file = fileAfterDelete(1);
    const std::string expected = ScrambleLine(EncipherLine("000010000001C         three\xAC", "pw")) + "\r\n";
    EXPECT_EQ(file, expected);
    ASSERT_EQ(upperBound(state.Records), 1);
    EXPECT_EQ(state.Records[1].Content, "three\xAC");
}

} // namespace
