#include "store/Cp1252.h"

#include <gtest/gtest.h>

#include <map>

using namespace store;

namespace {

// The code page chart for 0x80 to 0x9F; every other byte is the Latin-1 code point
// of its own value. The five bytes the chart leaves empty (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) are read as the C1 control character of the same value, so that every byte
// of a file survives being shown and typed back.
constexpr char16_t kChart[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

char16_t chartCodePoint(int byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kChart[byte - 0x80] : static_cast<char16_t>(byte);
}

// Every byte reads as its chart code point; every code point of the basic plane
// becomes its chart byte, all the others "?".
TEST(Cp1252, EveryByteAndEveryCodePointFollowTheChart)
{
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(cp1252ToUtf16(std::string(1, static_cast<char>(b))), std::u16string(1, chartCodePoint(b))) << b;
    std::map<char16_t, char> byteOf;
    for (int b = 0; b < 256; ++b)
        byteOf[chartCodePoint(b)] = static_cast<char>(b);
    std::u16string everything;
    std::string expected;
    for (char32_t code = 1; code < 0x10000; ++code) {
        if (code < 0xD800 || code > 0xDFFF) { // halves of pairs are tried below
            everything += static_cast<char16_t>(code);
            expected += byteOf.contains(static_cast<char16_t>(code)) ? byteOf[static_cast<char16_t>(code)] : '?';
        }
    }
    EXPECT_EQ(utf16ToCp1252(everything), expected);
    EXPECT_EQ(utf16ToCp1252(u"\U0001F600x"), "?x");
}

TEST(Cp1252, Utf8TextIsReadAndWrittenThroughTheSameChart)
{
    EXPECT_EQ(cp1252ToUtf8("\xAC\x80\x8A\x9F\xE9\x81 a"), "\u00AC\u20AC\u0160\u0178\u00E9\u0081 a");
    EXPECT_EQ(utf8ToCp1252("\u20AC caf\u00E9 \u2013 \u2122"), "\x80 caf\xE9 \x96 \x99");
    EXPECT_EQ(utf8ToCp1252("a\u4E2Db \u0080\u009E"), "a?b ??");
    EXPECT_EQ(utf8ToCp1252("\xF0\x9F\x98\x80!"), "?!");
    EXPECT_EQ(utf8ToCp1252("bad \xC3 end"), "bad ? end");
    EXPECT_EQ(utf8ToCp1252("cut \xE2\x82"), "cut ??");
}

TEST(Cp1252, LowerCaseCoversTheLettersOfTheCodePageOnly)
{
    EXPECT_EQ(toLowerCp1252("GARDEN Gar 09-!@[`{"), "garden gar 09-!@[`{");
    EXPECT_EQ(toLowerCp1252("\xC0\xC9\xD6\xD7\xD8\xDE\xDF\xFF"), "\xE0\xE9\xF6\xD7\xF8\xFE\xDF\xFF");
    EXPECT_EQ(toLowerCp1252("\x8A\x8C\x8E\x9F\x9A\x80\xAC\xBF"), "\x9A\x9C\x9E\xFF\x9A\x80\xAC\xBF");
}

} // namespace
