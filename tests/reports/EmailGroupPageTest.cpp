#include "reports/DateLine.h"
#include "reports/EmailGroupPage.h"
#include "reports/MailComposer.h"
#include "reports/PageFile.h"
#include "reports/PageTestText.h"
#include "store/StoreError.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::string kTop = pageTop("email group")
    + "<body bgcolor='#333333' text='#000000' leftmargin='10' topmargin='5' marginwidth='0' marginheight='0'>\n\n";

const std::string kEnd = spaced({"  <tr>", "    <td colspan='2'>", "      <hr>", "    </td>", "</table>", "</body>", "</html>"});

std::string pictureLink(const std::string& mail, const std::string& picture)
{
    return "<p><a href='" + mail + "'><img src='" + picture + "' width='87' height='85' border='0'></a>\n\n"
           "  <font face='Arial, Helvetica, sans-serif' color='#FF9900'>email group</font>\n\n</p>\n\n"
           "<table width='98%' border='0' cellspacing='0' cellpadding='0'>\n\n";
}

std::string member(const std::string& number, const std::string& description)
{
    return "  <tr>\n\n    <td colspan='2'>\n\n      <hr>\n\n    </td>\n\n  </tr>\n\n  <tr>\n\n"
           "    <td width='33%'><font face='Arial, Helvetica, sans-serif' color='#CCCCCC'>"
        + number + ".</font></td>\n\n    <td width='67%'><font face='Arial, Helvetica, sans-serif' color='#CCCCCC'>"
        + description + "</font></td>\n\n  </tr>\n\n  <tr>\n\n";
}

// The same address twice stands twice; an entry without ".." is all description
// and adds an empty address; only the first ".." separates; text is not escaped.
// The folder's UTF-8 bytes and the characters that would end the picture's address
// early are written as %XX, so the page stays Windows-1252 and the picture is found.
TEST(EmailGroupPage, SeveralMembersDuplicatesAndOddEntries)
{
    const std::vector<std::string> group{"", "Bob..bob@example.org", "Bob..bob@example.org", "Caf\xE9 & co",
                                         "A..b..c@example.org"};
    const std::string page = reports::emailGroupPage(group, "/home/J\u00F6rg/it's #1?50%");
    EXPECT_EQ(page, crlfPage(kTop
                             + pictureLink("mailto:bob@example.org;bob@example.org;;b..c@example.org",
                                           "file:/home/J%C3%B6rg/it%27s %231%3F50%25/email.JPG")
                             + member("1", "Bob") + member("2", "Bob") + member("3", "Caf\xE9 & co") + member("4", "A")
                             + kEnd));
}

// The page replaces an old one whole; a page the user made read-only is kept as it
// is, even for an administrator: a message naming the page, no temporary file left.
TEST(PageFile, WritesThePageWholeAndKeepsAPageItMayNotReplace)
{
    TempFolder folder;
    folder.write("page.htm", "old page");
    EXPECT_EQ(reports::writePage(folder.path(), "page.htm", "new\r\npage"), folder.file("page.htm"));
    EXPECT_EQ(readFile(folder.file("page.htm")), "new\r\npage");
    fs::permissions(folder.file("page.htm"), fs::perms::owner_read);
    const store::StoreError error = storeErrorOf([&] { reports::writePage(folder.path(), "page.htm", "newer"); });
    EXPECT_EQ(error.kind(), store::ErrorKind::File);
    EXPECT_EQ(std::string(error.what()), "Could not save the file '" + folder.file("page.htm").string() + "': the file is read-only.");
    EXPECT_EQ(readFile(folder.file("page.htm")), "new\r\npage");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1); // no temporary
}

TEST(DateLine, TwoDigitDayEnglishMonthAnd24HourClockOnValidDatesOnly)
{
    EXPECT_EQ(reports::dateLine({2027, 1, 31, 23, 59, 59}), "31 January 2027, 23:59:59");
    const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(reports::dateLine({2026, m, 10, 12, 0, 5}), "10 " + std::string(months[m - 1]) + " 2026, 12:00:05");
    const std::pair<reports::DateTime, bool> moments[] = {
        {{2028, 2, 29, 0, 0, 0}, true},  {{2000, 2, 29, 0, 0, 0}, true},  {{2026, 2, 29, 0, 0, 0}, false},
        {{2100, 2, 29, 0, 0, 0}, false}, {{2026, 4, 31, 0, 0, 0}, false}, {{2026, 13, 1, 0, 0, 0}, false},
        {{2026, 1, 1, 24, 0, 0}, false}, {{2026, 1, 1, 0, 60, 0}, false},
    };
    for (const auto& [moment, valid] : moments)
        EXPECT_EQ(reports::isValidDateTime(moment), valid) << moment.year << "-" << moment.month << "-" << moment.day;
}

reports::MailParts parts(std::string to, std::string subject = "", std::string body = "", std::string cc = "",
                         std::string bcc = "", std::string attachment = "")
{
    return {std::move(to), std::move(subject), std::move(body), std::move(cc), std::move(bcc), std::move(attachment)};
}

// Parts in their fixed order, "?" before the first present one; only the body is
// escaped (every "&", blank, CR LF, lone CR and lone LF; not "%" nor bytes beyond
// ASCII) and ends in a line break; an attachment is quoted with its blanks.
TEST(MailComposer, PresentPartsComeInTheirFixedOrderAndOnlyTheBodyIsEscaped)
{
    const std::pair<reports::MailParts, const char*> cases[] = {
        {parts(""), "mailto:"},
        {parts("ann@example.org"), "mailto:ann@example.org"},
        {parts("ann@example.org", "Weekly plan"), "mailto:ann@example.org?Subject=Weekly plan"},
        {parts("", "", "", "bob@example.org"), "mailto:?CC=bob@example.org"},
        {parts("", "", "", "", "eve@example.org"), "mailto:?BCC=eve@example.org"},
        {parts("ann@example.org", "Plan", "hi", "bob@example.org", "eve@example.org", "/home/ann/notes.bcn"),
         "mailto:ann@example.org?Subject=Plan&Body=hi%0D%0A&CC=bob@example.org&BCC=eve@example.org"
         "&Attacth=\"/home/ann/notes.bcn\""},
        {parts("", "", "a\r\n\r\nb && c  d\re\nf\n\rg 100% caf\xE9"),
         "mailto:?Body=a%0D%0A%0D%0Ab%20%26%26%20c%20%20d%0De%0Af%0A%0Dg%20100%%20caf\xE9%0D%0A"},
        {parts("a b@example.org", "Tom & Jerry\r\n", "", "c d"), "mailto:a b@example.org?Subject=Tom & Jerry\r\n&CC=c d"},
        {parts("", "", "", "", "", "C:\\My Files\\notes 2.bcn"), "mailto:?Attacth=\"C:\\My Files\\notes 2.bcn\""},
    };
    for (const auto& [mail, address] : cases)
        EXPECT_EQ(reports::composeMailAddress(mail), address);
}

} // namespace
