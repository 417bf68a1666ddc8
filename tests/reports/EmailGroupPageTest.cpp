#include "reports/DateLine.h"
#include "reports/EmailGroupPage.h"
#include "reports/MailComposer.h"
#include "reports/PageFile.h"
#include "reports/PageTestText.h"
#include "store/StoreError.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::string kTop = R"PAGE(<html>

<head>

<title>email group</title>

<meta http-equiv='Content-Type' content='text/html; charset=iso-8859-1'>

</head>

<body bgcolor='#333333' text='#000000' leftmargin='10' topmargin='5' marginwidth='0' marginheight='0'>

)PAGE";

const std::string kEnd = R"PAGE(  <tr>

    <td colspan='2'>

      <hr>

    </td>

</table>

</body>

</html>

)PAGE";

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
TEST(EmailGroupPage, SeveralMembersDuplicatesAndOddEntries)
{
    const std::vector<std::string> group{"", "Bob..bob@example.org", "Bob..bob@example.org", "Caf\xE9 & co",
                                         "A..b..c@example.org"};
    const std::string page = reports::emailGroupPage(group, "/srv/brindle case");
    EXPECT_EQ(page, crlfPage(kTop
                             + pictureLink("mailto:bob@example.org;bob@example.org;;b..c@example.org",
                                           "file:/srv/brindle case/email.JPG")
                             + member("1", "Bob") + member("2", "Bob") + member("3", "Caf\xE9 & co") + member("4", "A")
                             + kEnd));
}

// The folder's UTF-8 bytes and the characters that would end the address early
// are written as %XX, so the page stays Windows-1252 and the picture is found.
TEST(EmailGroupPage, FolderOutsideAsciiIsEscapedInThePictureAddress)
{
    const std::string page = reports::emailGroupPage({"", "A..a@x"}, "/home/J\u00F6rg/it's #1?50%");
    EXPECT_NE(page.find("<img src='file:/home/J%C3%B6rg/it%27s %231%3F50%25/email.JPG' "), std::string::npos);
}

// The page replaces an old one whole; a page the user made read-only is kept as
// it is, even for an administrator, and so is a page in a folder that refuses new
// files: a message naming the page and the cause, no temporary file left behind.
TEST(PageFile, WritesThePageWholeAndKeepsAPageItMayNotReplace)
{
    TempFolder folder;
    folder.write("page.htm", "old page");
    EXPECT_EQ(reports::writePage(folder.path(), "page.htm", "new\r\npage"), folder.file("page.htm"));
    EXPECT_EQ(readFile(folder.file("page.htm")), "new\r\npage");
    fs::permissions(folder.file("page.htm"), fs::perms::owner_read);
    const bool administrator = ::geteuid() == 0;
    for (bool lockedFolder : {false, true}) {
        if (lockedFolder && administrator)
            continue; // an administrator may write into a read-only folder
        if (lockedFolder) {
            fs::permissions(folder.file("page.htm"), fs::perms::owner_all);
            fs::permissions(folder.path(), fs::perms::owner_write, fs::perm_options::remove);
        }
        try {
            reports::writePage(folder.path(), "page.htm", "newer page");
            ADD_FAILURE() << "the write should fail";
        } catch (const store::StoreError& error) {
            EXPECT_EQ(error.kind(), store::ErrorKind::File);
            EXPECT_EQ(std::string(error.what()), "Could not save the file '" + folder.file("page.htm").string() + "': "
                                                     + (lockedFolder ? "permission denied." : "the file is read-only."));
        }
        fs::permissions(folder.path(), fs::perms::owner_write, fs::perm_options::add);
        EXPECT_EQ(readFile(folder.file("page.htm")), "new\r\npage");
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1); // no temporary
    }
}

TEST(DateLine, TwoDigitDayEnglishMonthAnd24HourClock)
{
    EXPECT_EQ(reports::dateLine({2027, 1, 31, 23, 59, 59}), "31 January 2027, 23:59:59");
    const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(reports::dateLine({2026, m, 10, 12, 0, 5}), "10 " + std::string(months[m - 1]) + " 2026, 12:00:05");
    EXPECT_TRUE(reports::isValidDateTime({2028, 2, 29, 0, 0, 0}));
    EXPECT_FALSE(reports::isValidDateTime({2026, 2, 29, 0, 0, 0}));
    EXPECT_FALSE(reports::isValidDateTime({2100, 2, 29, 0, 0, 0}));
    EXPECT_TRUE(reports::isValidDateTime({2000, 2, 29, 0, 0, 0}));
    EXPECT_FALSE(reports::isValidDateTime({2026, 4, 31, 0, 0, 0}));
    EXPECT_FALSE(reports::isValidDateTime({2026, 13, 1, 0, 0, 0}));
    EXPECT_FALSE(reports::isValidDateTime({2026, 1, 1, 24, 0, 0}));
    EXPECT_FALSE(reports::isValidDateTime({2026, 1, 1, 0, 60, 0}));
}

reports::MailParts parts(std::string to, std::string subject = "", std::string body = "", std::string cc = "",
                         std::string bcc = "", std::string attachment = "")
{
    return {std::move(to), std::move(subject), std::move(body), std::move(cc), std::move(bcc), std::move(attachment)};
}

// Parts in their fixed order, "?" before the first present one; only the body is
// escaped (and ends in a line break); an attachment is quoted with its blanks.
TEST(MailComposer, PresentPartsComeInTheirFixedOrderAndOnlyTheBodyIsEscaped)
{
    struct Case {
        reports::MailParts parts;
        const char* address;
    };
    const Case cases[] = {
        {parts(""), "mailto:"},
        {parts("ann@example.org"), "mailto:ann@example.org"},
        {parts("ann@example.org", "Weekly plan"), "mailto:ann@example.org?Subject=Weekly plan"},
        {parts("", "", "", "bob@example.org"), "mailto:?CC=bob@example.org"},
        {parts("", "", "", "", "eve@example.org"), "mailto:?BCC=eve@example.org"},
        {parts("ann@example.org", "Plan", "hi", "bob@example.org", "eve@example.org", "/home/ann/notes.bcn"),
         "mailto:ann@example.org?Subject=Plan&Body=hi%0D%0A&CC=bob@example.org&BCC=eve@example.org"
         "&Attacth=\"/home/ann/notes.bcn\""},
        {parts("", "", "a\r\nb"), "mailto:?Body=a%0D%0Ab%0D%0A"},
        {parts("", "", "x & y"), "mailto:?Body=x%20%26%20y%0D%0A"},
        {parts("", "", "a\rb\nc\n\rd"), "mailto:?Body=a%0Db%0Ac%0A%0Dd%0D%0A"},
        {parts("", "", "100% caf\xE9"), "mailto:?Body=100%%20caf\xE9%0D%0A"}, // "%" and bytes beyond ASCII stay
        {parts("a b@example.org", "Tom & Jerry\r\n", "", "c d"), "mailto:a b@example.org?Subject=Tom & Jerry\r\n&CC=c d"},
        {parts("", "", "", "", "", "C:\\My Files\\notes 2.bcn"), "mailto:?Attacth=\"C:\\My Files\\notes 2.bcn\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(reports::composeMailAddress(c.parts), c.address);
    EXPECT_EQ(reports::escapeMailBody("&&  \r\n\r\n"), "%26%26%20%20%0D%0A%0D%0A");
    EXPECT_EQ(reports::escapeMailBody(""), "");
}

} // namespace
