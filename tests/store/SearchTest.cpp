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

// Masters only, by name or note, ignoring case, marks and blanks included; a text
// exactly as long as the search and a match at the very end are found.
TEST_F(SearchTest, FindsMastersByNameOrNoteIgnoringCaseMarksAndBlanksIncluded)
{
    const std::pair<std::string, std::vector<std::string>> searches[] = {
        {"GAR", {"1-Garden", "3-Car"}}, {"caf\xE9", {"4-Caf\xC9 visit"}}, {"tools", {}}, {"", {}},
        {"n\xAC" "w", {"1-Garden"}}, {" ", {"3-Car", "4-Caf\xC9 visit"}}, {"X", {"5-Well-kept-list", "7-TAXES"}},
        {"taxes", {"7-TAXES"}}, {"taxess", {}}, {"weeds", {"1-Garden"}}, {std::string(500, 'a'), {}},
        {"s", {"1-Garden", "4-Caf\xC9 visit", "5-Well-kept-list", "7-TAXES"}},
    };
    for (const auto& [text, found] : searches)
        EXPECT_EQ(FindMasters(state.Records, text), found) << text;
}

// The status filter compares stored values exactly and includes sub records.
TEST_F(SearchTest, StatusFilterComparesStoredValuesExactlyAndIncludesSubs)
{
    EXPECT_THAT(FilterByStatus(state.Records, "Open      "), ElementsAre("1-Garden", "5-Well-kept-list", "6-Sub with status"));
    EXPECT_THAT(FilterByStatus(state.Records, "open      "), ElementsAre("4-Caf\xC9 visit"));
    EXPECT_THAT(FilterByStatus(state.Records, "Open"), IsEmpty());
}

} // namespace
