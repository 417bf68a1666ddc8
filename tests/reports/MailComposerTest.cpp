#include "reports/MailComposer.h"

#include <gtest/gtest.h>

using reports::composeMailAddress;

namespace {

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
        EXPECT_EQ(composeMailAddress(c.parts), c.address);
    EXPECT_EQ(reports::escapeMailBody("&&  \r\n\r\n"), "%26%26%20%20%0D%0A%0D%0A");
    EXPECT_EQ(reports::escapeMailBody(""), "");
}

} // namespace
