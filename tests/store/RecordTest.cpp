#include "store/LinkEdits.h"
#include "store/Search.h"
#include "store/StatusList.h"
#include "support/StoreFixtures.h"

#include <gmock/gmock.h>

#include <cstring>
#include <tuple>

using namespace store;
using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// Names, notes and link parts split at the first mark, as the tool's export shows;
// here the typed text, a link without a target and the padded status.
TEST(RecordText, TypedLinesBecomeMarksAndStatusesArePaddedToTen)
{
    const std::string content = "Garden\xAC" "buy seeds\xAC" "call Ann";
    EXPECT_EQ(StoredToText(content), "Garden\r\nbuy seeds\r\ncall Ann");
    EXPECT_EQ(TextToStored("Garden\r\nbuy seeds\r\ncall Ann"), content);
    EXPECT_EQ(TextToStored("a\nb\r\n"), "a\nb\xAC"); // a bare LF is not a line break of the typed text
    EXPECT_EQ(linkTarget("no mark"), "");
    for (const char* status : {"", "Nine 9 ch", "Exactly10c"}) // to ten characters, a tenth included
        EXPECT_EQ(paddedStatus(status), std::string(status) + std::string(10 - std::strlen(status), ' '));
}

// Statuses are listed once each in store order, as stored; one that already
// occurs inside the list text ("en", unpadded from a short line) is left out.
TEST(StatusList, KeepsFirstOccurrencesInStoreOrderWithTheirBlanks)
{
    Records records = emptyRecords();
    for (const char* status : {"Open      ", "          ", "Done      ", "Open      ", "", "en", "open      "})
        records.emplace_back().Status = status;
    EXPECT_EQ(buildStatusList(records), "||Open      |Done      |open      ");
    EXPECT_THAT(statusItems(records), ElementsAre("Open      ", "Done      ", "open      "));
}

// Window tests cover adding, editing and deleting links and searching as a person
// does; these cover the owner, index and matching rules the windows cannot reach.
class RecordsTest : public ::testing::Test {
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
        for (const char* entry : {"Ann\xAC" "ann@example.org", "Bob\xAC" "bob@example.org", "Ann\xAC" "ann@example.org"})
            state.Records[1].Emails.push_back(entry);
        state.Records[3].Emails.push_back("Ann\xAC" "ann@example.org");
        state.Records[2].WebLinks.push_back("Shop\xAC" "https://example.org");
    }
    AppState state;
};

// Masters only, by name or note, ignoring case, marks and blanks included; a text
// exactly as long as the search and a match at the very end are found. The status
// filter compares stored values exactly and includes sub records.
TEST_F(RecordsTest, SearchFindsMastersByNameOrNoteAndTheStatusFilterTakesStoredValues)
{
    const std::pair<std::string, std::vector<std::string>> searches[] = {
        {"GAR", {"1-Garden", "3-Car"}}, {"caf\xE9", {"4-Caf\xC9 visit"}}, {"tools", {}}, {"", {}},
        {"n\xAC" "w", {"1-Garden"}}, {" ", {"3-Car", "4-Caf\xC9 visit"}}, {"X", {"5-Well-kept-list", "7-TAXES"}},
        {"taxes", {"7-TAXES"}}, {"taxess", {}}, {"weeds", {"1-Garden"}}, {std::string(500, 'a'), {}},
        {"s", {"1-Garden", "4-Caf\xC9 visit", "5-Well-kept-list", "7-TAXES"}},
    };
    for (const auto& [text, found] : searches)
        EXPECT_EQ(FindMasters(state.Records, text), found) << text;
    EXPECT_THAT(FilterByStatus(state.Records, "Open      "), ElementsAre("1-Garden", "5-Well-kept-list", "6-Sub with status"));
    EXPECT_THAT(FilterByStatus(state.Records, "open      "), ElementsAre("4-Caf\xC9 visit"));
    EXPECT_THAT(FilterByStatus(state.Records, "Open"), IsEmpty());
}

// Master, sub, kind and selected index; the last entry is still there, one past it is not.
TEST_F(RecordsTest, TheRemovalLineIsTheSelectedEntrysFileLineUpToTheLastEntry)
{
    const std::tuple<int, int, int, int, std::string> cases[] = {
        {1, -1, 1, 3, "000010000002Ann\xAC" "ann@example.org"}, {1, 2, 4, 1, "000020000105Shop\xAC" "https://example.org"},
        {1, 2, 4, 2, ""}, {1, 2, 0, 1, ""},
    };
    for (const auto& [master, sub, kind, index, line] : cases) {
        std::tie(state.CurrentMaster, state.CurrentSub, state.CurrentLinkKind, state.SelectedLinkIndex) = std::tie(master, sub, kind, index);
        EXPECT_EQ(linkRemovalLine(state), line) << sub << " " << kind << " " << index;
    }
}

TEST_F(RecordsTest, StoringNeedsAnOwnerAKindAndForAnEditAnEntryThatIsThere)
{
    state.CurrentLinkKind = 1;
    EXPECT_FALSE(storeLink(state, "x\xAC" "y")); // no owner
    std::tie(state.CurrentMaster, state.CurrentLinkKind) = std::tuple(1, 5);
    EXPECT_FALSE(storeLink(state, "x\xAC" "y")); // no such kind
    std::tie(state.CurrentLinkKind, state.EditingLink, state.SelectedLinkIndex) = std::tuple(1, true, 4);
    EXPECT_FALSE(storeLink(state, "x\xAC" "y")); // one past the last entry
    state.SelectedLinkIndex = 3;
    EXPECT_TRUE(storeLink(state, "Cy\xAC" "cy@example.org"));
    EXPECT_EQ(state.Records[1].Emails[2] + "|" + state.Records[1].Emails[3], "Bob\xAC" "bob@example.org|Cy\xAC" "cy@example.org");
}

TEST_F(RecordsTest, QuickLinksListEachLinkOnceInStoreOrderAndSplitAtTheFirstTilde)
{
    state.Records[3].Emails.push_back("Ann\xAC" "ann@example"); // inside an earlier entry: left out
    state.Records[3].Emails.push_back("Cy\xAC" "cy@example.org");
    EXPECT_THAT(distinctLinks(state.Records, 1),
                ElementsAre("Ann\xAC" "ann@example.org", "Bob\xAC" "bob@example.org", "Cy\xAC" "cy@example.org"));
    EXPECT_EQ(quickLinkItem(" Ann \xAC" "ann@example.org "), " Ann  ~ ann@example.org ");
    EXPECT_EQ(splitQuickLinkItem(" Ann  ~ ann@example.org "), std::make_pair(std::string("Ann"), std::string("ann@example.org")));
    EXPECT_EQ(splitQuickLinkItem("a ~ b ~ c"), std::make_pair(std::string("a"), std::string("b ~ c")));
    EXPECT_EQ(splitQuickLinkItem("no tilde"), std::make_pair(std::string(), std::string("no tilde")));
}

} // namespace
