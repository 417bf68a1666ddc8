#include "store/LegacyNumbers.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

using namespace store;

namespace {

ErrorKind kindOf(void (*action)())
{
    try {
        action();
    } catch (const StoreError& error) {
        return error.kind();
    }
    ADD_FAILURE() << "no error";
    return ErrorKind::File;
}

TEST(LeadingNumber, TakesTheLeadingNumberAndIgnoresTheRest)
{
    EXPECT_EQ(readLeadingNumber("00012").value, 12);
    EXPECT_EQ(readLeadingNumber("12abc").value, 12);
    EXPECT_EQ(readLeadingNumber("  \t7 1x").value, 71);
    EXPECT_EQ(readLeadingNumber("-3.5e1 px").value, -35);
    EXPECT_EQ(readLeadingNumber("&H1F").value, 31);
    EXPECT_EQ(readLeadingNumber("&HFFFF").value, -1);
    EXPECT_EQ(readLeadingNumber("&O17").value, 15);
    EXPECT_EQ(readLeadingNumber("1200 ").value, 1200);

    EXPECT_FALSE(readLeadingNumber("abc").digitsFound);
    EXPECT_EQ(readLeadingNumber("abc").value, 0);
    EXPECT_FALSE(readLeadingNumber("").digitsFound);
    EXPECT_FALSE(readLeadingNumber("-").digitsFound);
}

TEST(StrictNumber, ConvertsWholeNumbersWithBlanksAround)
{
    EXPECT_EQ(toInt16("00042"), 42);
    EXPECT_EQ(toInt16(" 7 "), 7);
    EXPECT_EQ(toInt16("-32768"), -32768);
    EXPECT_EQ(toInt16("32767"), 32767);
    EXPECT_EQ(toInt16("+5"), 5);
    EXPECT_EQ(toInt16("&H10"), 16);
    EXPECT_EQ(toInt32("2147483647"), 2147483647);
}

TEST(StrictNumber, RoundsFractionsHalfToEven)
{
    EXPECT_EQ(toInt16("1.5"), 2);
    EXPECT_EQ(toInt16("2.5"), 2);
    EXPECT_EQ(toInt16("2.51"), 3);
    EXPECT_EQ(roundToInt16(-0.5), 0);
}

TEST(StrictNumber, RejectsTextAndValuesOutOfRange)
{
    EXPECT_EQ(kindOf([] { toInt16("abc"); }), ErrorKind::Conversion);
    EXPECT_EQ(kindOf([] { toInt16(""); }), ErrorKind::Conversion);
    EXPECT_EQ(kindOf([] { toInt16("1 2"); }), ErrorKind::Conversion);
    EXPECT_EQ(kindOf([] { toInt16("12x"); }), ErrorKind::Conversion);
    EXPECT_EQ(kindOf([] { toInt16("32768"); }), ErrorKind::Overflow);
    EXPECT_EQ(kindOf([] { toInt16("-32769"); }), ErrorKind::Overflow);
    EXPECT_EQ(kindOf([] { toInt16("32767.5"); }), ErrorKind::Overflow);
    EXPECT_EQ(kindOf([] { toInt32("2147483648"); }), ErrorKind::Overflow);
}

} // namespace
