#include "store/Cp1252.h"

#include <gtest/gtest.h>

using namespace store;

namespace {

std::string everyByte()
{
    std::string bytes;
    for (int c = 0; c < 256; ++c)
        bytes += static_cast<char>(c);
    return bytes;
}

TEST(Cp1252, EveryByteSurvivesARoundTripThroughUnicode)
{
    EXPECT_EQ(utf16ToCp1252(cp1252ToUtf16(everyByte())), everyByte());
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(everyByte())), everyByte());
}

TEST(Cp1252, MapsTheMarkAndTheHighCharacters)
{
    EXPECT_EQ(cp1252ToUtf8("\xAC"), "\u00AC");
    EXPECT_EQ(cp1252ToUtf8("\x80\x8A\x9F\xE9"), "\u20AC\u0160\u0178\u00E9");
    EXPECT_EQ(utf8ToCp1252("\u20AC caf\u00E9 \u2013"), "\x80 caf\xE9 \x96");
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(utf8ToCp1252("a\u4E2Db"), "a?b");
    EXPECT_EQ(utf8ToCp1252("\xF0\x9F\x98\x80!"), "?!");
    EXPECT_EQ(utf16ToCp1252(u"\U0001F600x"), "?x");
    EXPECT_EQ(utf8ToCp1252("bad \xC3 end"), "bad ? end");
    EXPECT_EQ(utf8ToCp1252("cut \xE2\x82"), "cut ??");
}

TEST(Cp1252, LowerCaseCoversLettersOfTheCodePageOnly)
{
    EXPECT_EQ(toLowerCp1252("GARDEN Gar 09-!"), "garden gar 09-!");
    EXPECT_EQ(toLowerCp1252("\xC0\xC9\xDE\xD7\xDF"), "\xE0\xE9\xFE\xD7\xDF");
    EXPECT_EQ(toLowerCp1252("\x8A\x8C\x8E\x9F"), "\x9A\x9C\x9E\xFF");
    EXPECT_EQ(toLowerCp1252("\xAC\x80"), "\xAC\x80");
}

} // namespace
