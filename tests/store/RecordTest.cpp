#include "store/LinkEdits.h"
#include "store/StatusList.h"
#include "support/StoreFixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

using namespace store;
using namespace testing_support;
using ::testing::ElementsAre;

namespace {

TEST(RecordText, NameNoteAndLinkPartsSplitAtTheFirstMark)
{
    const std::string content = "Garden\xAC" "buy seeds\xAC" "call Ann";
    EXPECT_EQ(recordName(content), "Garden");
    EXPECT_EQ(recordNote(content), "buy seeds\xAC" "call Ann");
    EXPECT_EQ(StoredToText(content), "Garden\r\nbuy seeds\r\ncall Ann");
    EXPECT_EQ(TextToStored("Garden\r\nbuy seeds\r\ncall Ann"), content);
    // A bare LF is not a line break of the typed text; it stays as it is.
    EXPECT_EQ(TextToStored("a\nb\r\n"), "a\nb\xAC");
    // A text from elsewhere without any mark is all name and no note.
    EXPECT_EQ(recordName("Only a name"), "Only a name");
    EXPECT_EQ(recordNote("Only a name"), "");
    EXPECT_EQ(linkDescription("d\xAC" "a\xAC" "b"), "d");
    EXPECT_EQ(linkTarget("d\xAC" "a\xAC" "b"), "a\xAC" "b");
    EXPECT_EQ(linkTarget("no mark"), "");
    for (const char* status : {"", "Nine 9 ch", "Exactly10c"}) // to ten characters, a tenth included
        EXPECT_EQ(paddedStatus(status), std::string(status) + std::string(10 - std::strlen(status), ' '));
}

// Statuses are listed once each in store order, as stored; one that already
// occurs inside the list text ("en", unpadded from a short line) is left out.
TEST(StatusList, KeepsFirstOccurrencesInStoreOrderWithTheirBlanks)
{
    Records records = emptyRecords();
    for (const char* status : {"Open      ", "          ", "Done      ", "Open      ", "", "en", "open      "}) {
        records.emplace_back();
        records.back().Status = status;
    }
    EXPECT_EQ(buildStatusList(records), "||Open      |Done      |open      ");
    EXPECT_THAT(statusItems(records), ElementsAre("Open      ", "Done      ", "open      "));
    EXPECT_TRUE(statusItems(emptyRecords()).empty());
}

// Window tests cover adding, editing and deleting links as a person does; these
// cover the owner and index rules the windows cannot reach.
class LinkEditsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        addMaster(state, "Open", "Garden\xAC");                        // 1
        addSub(state, 1, "Seeds\xAC");                                 // 2
        addMaster(state, "Open", "Car\xAC");                           // 3
        for (const char* entry : {"Ann\xAC" "ann@example.org", "Bob\xAC" "bob@example.org", "Ann\xAC" "ann@example.org"})
            state.Records[1].Emails.push_back(entry);
        state.Records[3].Emails.push_back("Ann\xAC" "ann@example.org");
        state.Records[2].WebLinks.push_back("Shop\xAC" "https://example.org");
    }
    AppState state;
};

// Master, sub, kind and selected index; the last entry is still there, one past it is not.
TEST_F(LinkEditsTest, TheRemovalLineIsTheSelectedEntrysFileLineUpToTheLastEntry)
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

TEST_F(LinkEditsTest, StoringNeedsAnOwnerAKindAndForAnEditAnEntryThatIsThere)
{
    state.CurrentLinkKind = 1;
    EXPECT_FALSE(storeLink(state, "x\xAC" "y"));
    state.CurrentMaster = 1;
    state.CurrentLinkKind = 5;
    EXPECT_FALSE(storeLink(state, "x\xAC" "y"));
    state.CurrentLinkKind = 1;
    state.EditingLink = true;
    state.SelectedLinkIndex = 4;
    EXPECT_FALSE(storeLink(state, "x\xAC" "y"));
    state.SelectedLinkIndex = 3;
    EXPECT_TRUE(storeLink(state, "Cy\xAC" "cy@example.org"));
    EXPECT_EQ(state.Records[1].Emails[2] + "|" + state.Records[1].Emails[3], "Bob\xAC" "bob@example.org|Cy\xAC" "cy@example.org");
    EXPECT_EQ(state.Records[1].Emails.upperBound(), 3);
}

TEST_F(LinkEditsTest, QuickLinksListEachLinkOnceInStoreOrderAndSplitBackWithoutBlanks)
{
    state.Records[3].Emails.push_back("Ann\xAC" "ann@example"); // inside an earlier entry: left out
    state.Records[3].Emails.push_back("Cy\xAC" "cy@example.org");
    EXPECT_THAT(distinctLinks(state.Records, 1),
                ElementsAre("Ann\xAC" "ann@example.org", "Bob\xAC" "bob@example.org", "Cy\xAC" "cy@example.org"));
    EXPECT_TRUE(distinctLinks(state.Records, 2).empty() && distinctLinks(state.Records, 7).empty());
    EXPECT_EQ(quickLinkItem(" Ann \xAC" "ann@example.org "), " Ann  ~ ann@example.org ");
    EXPECT_EQ(splitQuickLinkItem(" Ann  ~ ann@example.org "), std::make_pair(std::string("Ann"), std::string("ann@example.org")));
    EXPECT_EQ(splitQuickLinkItem("a ~ b ~ c"), std::make_pair(std::string("a"), std::string("b ~ c")));
    EXPECT_EQ(splitQuickLinkItem("no tilde"), std::make_pair(std::string(), std::string("no tilde")));
}

} // namespace
