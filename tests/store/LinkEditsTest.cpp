#include "store/DataFile.h"
#include "store/LinkEdits.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace store;
using namespace testing_support;
using ::testing::ElementsAre;

namespace {

class LinkEditsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        state.DataFilePath = folder.file("links.bcn");
        addMaster(state, "Open", "Garden\xAC");                        // 1
        addSub(state, 1, "Seeds\xAC");                                 // 2
        addMaster(state, "Open", "Car\xAC");                           // 3
        state.Records[1].Emails.push_back("Ann\xAC" "ann@example.org");
        state.Records[1].Emails.push_back("Bob\xAC" "bob@example.org");
        state.Records[1].Emails.push_back("Ann\xAC" "ann@example.org");
        state.Records[3].Emails.push_back("Ann\xAC" "ann@example.org");
        state.Records[2].WebLinks.push_back("Shop\xAC" "https://example.org");
    }
    TempFolder folder;
    AppState state;
};

TEST_F(LinkEditsTest, DeletingALinkRemovesEveryIdenticalEntryOfThatListOnly)
{
    state.CurrentMaster = 1;
    state.CurrentLinkKind = 1;
    state.SelectedLinkIndex = 3;
    EXPECT_EQ(linkRemovalLine(state), "000010000002Ann\xAC" "ann@example.org");
    SaveDataFileWithout(state, linkRemovalLine(state));
    EXPECT_EQ(readFile(state.DataFilePath), crlfLines({
                                                "000010000001Open      Garden\xAC",
                                                "000010000002Bob\xAC" "bob@example.org",
                                                "000020000101Seeds\xAC",
                                                "000020000105Shop\xAC" "https://example.org",
                                                "000030000001Open      Car\xAC",
                                                "000030000002Ann\xAC" "ann@example.org",
                                            }));
}

TEST_F(LinkEditsTest, TheRemovalLineOfASubRecordCarriesItsMaster)
{
    state.CurrentMaster = 1;
    state.CurrentSub = 2;
    state.CurrentLinkKind = 4;
    state.SelectedLinkIndex = 1;
    EXPECT_EQ(linkRemovalLine(state), "000020000105Shop\xAC" "https://example.org");
    state.SelectedLinkIndex = 2;
    EXPECT_EQ(linkRemovalLine(state), "");
    state.SelectedLinkIndex = 1;
    state.CurrentLinkKind = 0;
    EXPECT_EQ(linkRemovalLine(state), "");
}

TEST_F(LinkEditsTest, NewLinksGoLastAndEditsReplaceInPlaceInTheOwnersList)
{
    state.CurrentMaster = 1;
    state.CurrentSub = 2;
    state.CurrentLinkKind = 3;
    EXPECT_TRUE(storeLink(state, "Plan\xAC" "/home/me/plan.pdf"));
    EXPECT_EQ(state.Records[2].Files.upperBound(), 1);
    EXPECT_EQ(state.Records[1].Files.upperBound(), 0);

    state.CurrentSub = -1;
    state.CurrentLinkKind = 1;
    state.EditingLink = true;
    state.SelectedLinkIndex = 2;
    EXPECT_TRUE(storeLink(state, "Robert\xAC" "rob@example.org"));
    EXPECT_EQ(state.Records[1].Emails[2], "Robert\xAC" "rob@example.org");
    EXPECT_EQ(state.Records[1].Emails.upperBound(), 3);
    state.SelectedLinkIndex = 9;
    EXPECT_FALSE(storeLink(state, "x\xAC" "y"));

    state.CurrentMaster = -1;
    EXPECT_FALSE(storeLink(state, "x\xAC" "y"));
}

TEST_F(LinkEditsTest, QuickLinksListEachLinkOnceInStoreOrder)
{
    state.Records[3].Emails.push_back("Ann\xAC" "ann@example"); // inside an earlier entry: left out
    state.Records[3].Emails.push_back("Cy\xAC" "cy@example.org");
    EXPECT_THAT(distinctLinks(state.Records, 1),
                ElementsAre("Ann\xAC" "ann@example.org", "Bob\xAC" "bob@example.org", "Cy\xAC" "cy@example.org"));
    EXPECT_THAT(distinctLinks(state.Records, 2), ElementsAre());
    EXPECT_THAT(distinctLinks(state.Records, 7), ElementsAre());
}

TEST(QuickLinkItem, ShowsTheMarkAsATildeAndSplitsBackWithoutBlanks)
{
    EXPECT_EQ(quickLinkItem(" Ann \xAC" "ann@example.org "), " Ann  ~ ann@example.org ");
    EXPECT_EQ(splitQuickLinkItem(" Ann  ~ ann@example.org "), std::make_pair(std::string("Ann"), std::string("ann@example.org")));
    EXPECT_EQ(splitQuickLinkItem("a ~ b ~ c"), std::make_pair(std::string("a"), std::string("b ~ c")));
    EXPECT_EQ(splitQuickLinkItem("no tilde"), std::make_pair(std::string(), std::string("no tilde")));
}

} // namespace
