#include "store/LegacyNumbers.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

using namespace store;

namespace {

TEST(LeadingNumber, TakesTheLeadingNumberAndIgnoresTheRest)
{
    const std::pair<const char*, double> read[] = {
        {"00012", 12}, {"12abc", 12}, {"  \t7 1x", 71}, {"-3.5e1 px", -35}, {"1200 ", 1200}, {"&O17", 15},
        {"&H1F", 31}, {"&H7FFF", 32767}, {"&H8000", -32768}, {"&HFFFF", -1}, {"&H10000", 65536}, {"abc", 0},
    };
    for (const auto& [text, value] : read)
        EXPECT_EQ(readLeadingNumber(text).value, value) << text;
    for (const char* none : {"abc", "", "-"})
        EXPECT_FALSE(readLeadingNumber(none).digitsFound) << none;
}

TEST(StrictNumber, ConvertsWholeNumbersRoundingHalfToEvenAndRejectsTheRest)
{
    const std::pair<const char*, int> converted[] = {
        {"00042", 42}, {" 7 ", 7}, {"-32768", -32768}, {"32767", 32767}, {"+5", 5}, {"&H10", 16},
        {"1.5", 2}, {"2.5", 2}, {"2.51", 3}, {"-0.5", 0},
    };
    for (const auto& [text, value] : converted)
        EXPECT_EQ(toInt16(text), value) << text;
    EXPECT_EQ(toInt32("2147483647"), 2147483647);
    const std::pair<const char*, ErrorKind> refused[] = {
        {"abc", ErrorKind::Conversion}, {"", ErrorKind::Conversion}, {"1 2", ErrorKind::Conversion},
        {"12x", ErrorKind::Conversion}, {"32768", ErrorKind::Overflow}, {"-32769", ErrorKind::Overflow},
        {"32767.5", ErrorKind::Overflow},
    };
    for (const auto& [text, kind] : refused) {
        try {
            toInt16(text);
            ADD_FAILURE() << "took " << text;
        } catch (const StoreError& error) {
            EXPECT_EQ(error.kind(), kind) << text;
        }
    }
    EXPECT_THROW(toInt32("2147483648"), StoreError);
}

} // namespace
