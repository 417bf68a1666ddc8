#include "store/Search.h"
#include "support/StoreFixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace store;
using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class SearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        addMaster(state, "Open", "Garden\xAC" "weeds");               // 1
        addSub(state, 1, "garden tools\xAC");                         // 2
        addMaster(state, "Done", "Car\xAC" "take it to the garage");  // 3
        addMaster(state, "open", "Caf\xC9 visit\xAC");                // 4
        addMaster(state, "Open", "Well-kept-list\xAC" "x");           // 5
        addSub(state, 5, "Sub with status");                          // 6
        state.Records[6].Status = "Open      ";
        addMaster(state, "", "TAXES");                                // 7, from a file written elsewhere
    }
    AppState state;
};

TEST_F(SearchTest, FindsMastersByNameOrNoteIgnoringCaseMarksAndBlanksIncluded)
{
    EXPECT_THAT(FindMasters(state.Records, "GAR"), ElementsAre("1-Garden", "3-Car"));
    EXPECT_THAT(FindMasters(state.Records, "caf\xE9"), ElementsAre("4-Caf\xC9 visit"));
    EXPECT_THAT(FindMasters(state.Records, "tools"), IsEmpty());
    EXPECT_THAT(FindMasters(state.Records, ""), IsEmpty());
    EXPECT_THAT(FindMasters(state.Records, "n\xAC" "w"), ElementsAre("1-Garden"));
    EXPECT_THAT(FindMasters(state.Records, " "), ElementsAre("3-Car", "4-Caf\xC9 visit"));
    EXPECT_THAT(FindMasters(state.Records, "X"), ElementsAre("5-Well-kept-list", "7-TAXES"));
}

TEST_F(SearchTest, TextsAsLongAsTheSearchAndMatchesAtTheVeryEndAreFound)
{
    EXPECT_THAT(FindMasters(state.Records, "taxes"), ElementsAre("7-TAXES"));
    EXPECT_THAT(FindMasters(state.Records, "taxess"), IsEmpty());
    EXPECT_THAT(FindMasters(state.Records, "s"), ElementsAre("1-Garden", "4-Caf\xC9 visit", "5-Well-kept-list", "7-TAXES"));
    EXPECT_THAT(FindMasters(state.Records, "weeds"), ElementsAre("1-Garden"));
    EXPECT_THAT(FindMasters(state.Records, std::string(500, 'a')), IsEmpty());
}

TEST_F(SearchTest, StatusFilterComparesStoredValuesExactlyAndIncludesSubs)
{
    EXPECT_THAT(FilterByStatus(state.Records, "Open      "), ElementsAre("1-Garden", "5-Well-kept-list", "6-Sub with status"));
    EXPECT_THAT(FilterByStatus(state.Records, "open      "), ElementsAre("4-Caf\xC9 visit"));
    EXPECT_THAT(FilterByStatus(state.Records, "Open"), IsEmpty());
}

} // namespace
