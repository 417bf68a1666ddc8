// The text rules of the legacy run time the data files come from: the Windows-1252
// code page, its letter case, the passwords it can hold, and numbers read from text.

#include "store/Cp1252.h"
#include "store/LegacyNumbers.h"
#include "store/PasswordRules.h"

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
    std::map<char16_t, char> byteOf;
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(cp1252ToUtf16(std::string(1, static_cast<char>(b))), std::u16string(1, chartCodePoint(b))) << b;
        byteOf[chartCodePoint(b)] = static_cast<char>(b);
    }
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
    EXPECT_EQ(cp1252ToUtf8("\xAC\x80\x8A\x9F\xE9\x81 a"), "\u00AC\u20AC\u0160\u0178\u00E9\u0081 a");
    EXPECT_EQ(utf8ToCp1252("\u20AC caf\u00E9 \u2013 \u2122 a\u4E2Db \u0080\u009E \xF0\x9F\x98\x80!"), "\x80 caf\xE9 \x96 \x99 a?b ?? ?!");
    EXPECT_EQ(utf8ToCp1252("bad \xC3 end, cut \xE2\x82"), "bad ? end, cut ??");
}

// Small letters a-z and 0xE0-0xFE (not 0xF7) are their capitals moved up by 0x20;
// 0x9A 0x9C 0x9E 0xFF pair with 0x8A 0x8C 0x8E 0x9F; no other byte changes case.
TEST(Cp1252, UpperAndLowerCaseCoverTheLettersOfTheCodePageOnly)
{
    const std::map<int, int> others = {{0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}};
    std::string every, upper, lower;
    for (int c = 0; c < 256; ++c)
        every += static_cast<char>(c);
    upper = lower = every;
    for (int c = 0; c < 256; ++c) {
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
            upper[c] = static_cast<char>(c - 0x20);
            lower[c - 0x20] = static_cast<char>(c);
        }
    }
    for (const auto& [small, capital] : others) {
        upper[small] = static_cast<char>(capital);
        lower[capital] = static_cast<char>(small);
    }
    EXPECT_EQ(toUpperCp1252(every), upper);
    EXPECT_EQ(toLowerCp1252(every), lower);
}

// Every character of the code page may be used in a password (the chart above is
// checked in full), the five undefined places kept as C1 controls too. Others are
// named once each, in order; C1 controls that the code page uses for other
// characters do not fit.
TEST(PasswordRules, TheRefusalNamesEachCharacterOutsideTheCodePageOnce)
{
    EXPECT_EQ(newPasswordProblem("Gr\u00FC\u00DFe \u20AC\u0178\u0081\u009D 5?"), "");
    EXPECT_EQ(charactersOutsideCp1252("\u0416a\u03A9\u0416\u4E2D\u0151 x\U0001F511y \u0080\u0099"),
              "\u0416\u03A9\u4E2D\u0151\U0001F511\u0080\u0099");
    EXPECT_EQ(charactersOutsideCp1252(std::string("a\xFF" "b", 3)), "\uFFFD");
    EXPECT_EQ(newPasswordProblem("\u041F\u0430\u0440\u043E\u043B\u044C 1"),
              "The password cannot hold \"\u041F\u0430\u0440\u043E\u043B\u044C\". A password may use the letters A to Z "
              "and a to z, the digits, blanks, punctuation marks and the accented letters of Western European "
              "languages (such as \u00E9, \u00F1, \u00FC, \u00DF, \u00E5): the characters of the Windows-1252 code "
              "page.");
}

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

} // namespace
