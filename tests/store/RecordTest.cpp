#include "store/Record.h"
#include "store/StatusList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace store;
using ::testing::ElementsAre;

namespace {

TEST(RecordText, NameNoteAndDisplayLines)
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
    EXPECT_EQ(recordName("\xAC" "note"), "");
}

TEST(RecordText, LinkEntriesSplitAtTheFirstMarkOnly)
{
    EXPECT_EQ(linkDescription("Home\xAC" "C:\\x"), "Home");
    EXPECT_EQ(linkTarget("Home\xAC" "C:\\x"), "C:\\x");
    EXPECT_EQ(linkTarget("d\xAC" "a\xAC" "b"), "a\xAC" "b");
    EXPECT_EQ(linkTarget("no mark"), "");
}

TEST(RecordModel, NewRecordsHaveAllFourListsAllocatedAndEmpty)
{
    const Records records = emptyRecords();
    ASSERT_EQ(upperBound(records), 0);
    Record record;
    for (int kind = 1; kind <= kLinkKindCount; ++kind)
        EXPECT_EQ(upperBound(record.links(static_cast<LinkKind>(kind))), 0);
    record.WebLinks.push_back("w\xAC" "x");
    record.Emails.push_back("e\xAC" "y");
    EXPECT_EQ(record.links(LinkKind::Web).back(), "w\xAC" "x");
    EXPECT_EQ(record.linkCount(), 2);
}

Record withStatus(const std::string& status)
{
    Record record;
    record.Status = status;
    return record;
}

TEST(StatusList, KeepsFirstOccurrencesInStoreOrderWithTheirBlanks)
{
    Records records = emptyRecords();
    for (const char* status : {"Open      ", "          ", "Done      ", "Open      ", "", "Later     "})
        records.push_back(withStatus(status));
    EXPECT_EQ(buildStatusList(records), "||Open      |Done      |Later     ");
    EXPECT_THAT(statusItems(records), ElementsAre("Open      ", "Done      ", "Later     "));
}

TEST(StatusList, SkipsAStatusThatAlreadyOccursInsideTheListText)
{
    Records records = emptyRecords();
    // "en" (as stored, unpadded from a short line) occurs inside "Open      ".
    for (const char* status : {"Open      ", "en", "open      ", "Op"})
        records.push_back(withStatus(status));
    EXPECT_EQ(buildStatusList(records), "||Open      |open      ");
}

TEST(StatusList, AStoreWithoutStatusesGivesNoItems)
{
    Records records = emptyRecords();
    records.push_back(withStatus("          "));
    EXPECT_EQ(buildStatusList(records), "|");
    EXPECT_TRUE(statusItems(records).empty());
}

} // namespace
