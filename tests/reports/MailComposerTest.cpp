#include "reports/MailComposer.h"

#include <gtest/gtest.h>

using reports::composeMailAddress;
using reports::MailParts;

namespace {

MailParts withBody(const std::string& body)
{
    MailParts parts;
    parts.body = body;
    return parts;
}

TEST(MailComposer, EmptyPartsLeaveTheBareAddress)
{
    EXPECT_EQ(composeMailAddress({}), "mailto:");
    MailParts onlyTo;
    onlyTo.to = "ann@example.org";
    EXPECT_EQ(composeMailAddress(onlyTo), "mailto:ann@example.org");
}

TEST(MailComposer, TheFirstParameterStartsWithAQuestionMark)
{
    MailParts parts;
    parts.to = "ann@example.org";
    parts.subject = "Weekly plan";
    EXPECT_EQ(composeMailAddress(parts), "mailto:ann@example.org?Subject=Weekly plan");

    MailParts ccOnly;
    ccOnly.cc = "bob@example.org";
    EXPECT_EQ(composeMailAddress(ccOnly), "mailto:?CC=bob@example.org");
    MailParts bccOnly;
    bccOnly.bcc = "eve@example.org";
    EXPECT_EQ(composeMailAddress(bccOnly), "mailto:?BCC=eve@example.org");
}

TEST(MailComposer, PartsComeInTheirFixedOrder)
{
    MailParts parts;
    parts.attachment = "/home/ann/notes.bcn";
    parts.bcc = "eve@example.org";
    parts.cc = "bob@example.org";
    parts.body = "hi";
    parts.subject = "Plan";
    parts.to = "ann@example.org";
    EXPECT_EQ(composeMailAddress(parts), "mailto:ann@example.org?Subject=Plan&Body=hi%0D%0A&CC=bob@example.org"
                                         "&BCC=eve@example.org&Attacth=\"/home/ann/notes.bcn\"");
}

TEST(MailComposer, OnlyTheBodyIsEscapedAndItEndsWithALineBreak)
{
    EXPECT_EQ(composeMailAddress(withBody("a\r\nb")), "mailto:?Body=a%0D%0Ab%0D%0A");
    EXPECT_EQ(composeMailAddress(withBody("x & y")), "mailto:?Body=x%20%26%20y%0D%0A");
    EXPECT_EQ(composeMailAddress(withBody("a\rb\nc\n\rd")), "mailto:?Body=a%0Db%0Ac%0A%0Dd%0D%0A");
    // A "%" already in the body and characters beyond ASCII stay as they are.
    EXPECT_EQ(composeMailAddress(withBody("100% caf\xE9")), "mailto:?Body=100%%20caf\xE9%0D%0A");

    MailParts parts;
    parts.to = "a b@example.org";
    parts.subject = "Tom & Jerry\r\n";
    parts.cc = "c d";
    EXPECT_EQ(composeMailAddress(parts), "mailto:a b@example.org?Subject=Tom & Jerry\r\n&CC=c d");
}

TEST(MailComposer, AnAttachmentIsQuotedWithItsBlanksKept)
{
    MailParts parts;
    parts.attachment = "C:\\My Files\\notes 2.bcn";
    EXPECT_EQ(composeMailAddress(parts), "mailto:?Attacth=\"C:\\My Files\\notes 2.bcn\"");
}

TEST(MailComposer, EscapingReplacesEveryOccurrence)
{
    EXPECT_EQ(reports::escapeMailBody("&&  \r\n\r\n"), "%26%26%20%20%0D%0A%0D%0A");
    EXPECT_EQ(reports::escapeMailBody("plain"), "plain");
    EXPECT_EQ(reports::escapeMailBody(""), "");
}

} // namespace
