#include "store/LegacyRandom.h"
#include "store/LineCipher.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace store;

namespace {

// Values published for the legacy run time's generator, to seven digits.
TEST(LegacyRandom, ReproducesThePublishedSequences)
{
    LegacyRandom fresh;
    for (double expected : {0.7055475, 0.533424, 0.5795186, 0.2895625, 0.301948})
        EXPECT_NEAR(fresh.next(), expected, 5e-8);

    LegacyRandom minusOne;
    EXPECT_DOUBLE_EQ(minusOne.seedNegative(-1.0f), 0.224007010459899902);

    LegacyRandom reseeded;
    EXPECT_NEAR(reseeded.seedNegative(-10.0f), 0.3276443, 5e-8);
    reseeded.randomize(10);
    for (double expected : {0.2077829, 0.4407803, 0.6152623})
        EXPECT_NEAR(reseeded.next(), expected, 5e-8);
}

TEST(LegacyRandom, KeyByteIsTheValueTimes256Truncated)
{
    LegacyRandom values, bytes;
    for (int i = 0; i < 1000; ++i)
        EXPECT_EQ(bytes.nextByte(), static_cast<int>(values.next() * 256));
}

TEST(LineCipher, MatchesTheFilesOfExistingInstallations)
{
    EXPECT_EQ(ScrambleLine(EncipherLine("abc", "")), "052,048,117");
    const std::string line = "00001000000101Open      Garden\xAC" "first line";
    EXPECT_EQ(ScrambleLine(EncipherLine(line, "secret")),
              "219,190,080,153,142,043,237,055,091,059,069,114,215,112,093,129,238,231,252,202,253,"
              "001,142,207,239,025,180,235,043,091,108,044,055,009,182,130,073,000,105,012,119");
}

TEST(LineCipher, IsItsOwnInverseForEveryByteAndKeepsLength)
{
    std::string everyByte;
    for (int c = 0; c < 256; ++c)
        everyByte += static_cast<char>(c);
    for (const std::string& password : std::vector<std::string>{"", "a", "secret", "P\xE4ss w\xF6rd with blanks", std::string(300, 'x')}) {
        const std::string enciphered = EncipherLine(everyByte, password);
        EXPECT_EQ(enciphered.size(), everyByte.size());
        EXPECT_NE(enciphered, everyByte);
        EXPECT_EQ(EncipherLine(enciphered, password), everyByte) << password;
    }
    EXPECT_EQ(EncipherLine("", "secret"), "");
}

TEST(LineCipher, PasswordsAreCaseSensitiveAndLinesShareTheKeyStart)
{
    EXPECT_NE(EncipherLine("00001", "Secret"), EncipherLine("00001", "secret"));
    const std::string a = EncipherLine("00001000000101Open", "pw");
    const std::string b = EncipherLine("00001000000102other text", "pw");
    EXPECT_EQ(a.substr(0, 13), b.substr(0, 13));
}

// The cached key stream grows as longer lines come; every line must still get the
// same bytes that a fresh computation gives.
TEST(LineCipher, CachedKeysAgreeWithFreshKeysWhateverTheLineOrder)
{
    LineCipher cipher("cache");
    for (std::size_t length : {3u, 40u, 7u, 2000u, 1u, 5000u}) {
        const std::string text(length, 'q');
        std::string stored;
        cipher.appendEnciphered(stored, text);
        EXPECT_EQ(stored, ScrambleLine(EncipherLine(text, "cache")));
        std::string back;
        cipher.decipherStored(stored, back);
        EXPECT_EQ(back, text);
    }
}

TEST(LineCipher, AVeryLongPasswordOverflowsTheSeedSum)
{
    EXPECT_THROW(EncipherLine("x", std::string(20'000'000, '\xFF')), StoreError);
}

TEST(Scramble, WritesThreeDigitCodesAndReadsAnyWidth)
{
    EXPECT_EQ(ScrambleLine("abc"), "097,098,099");
    EXPECT_EQ(ScrambleLine(std::string("\0\xFF", 2)), "000,255");
    EXPECT_EQ(UnscrambleLine("97,98,99"), "abc");
    EXPECT_EQ(UnscrambleLine("0097,098, 99"), "abc");
    EXPECT_EQ(UnscrambleLine(""), "");
    std::string everyByte;
    for (int c = 0; c < 256; ++c)
        everyByte += static_cast<char>(c);
    EXPECT_EQ(UnscrambleLine(ScrambleLine(everyByte)), everyByte);
}

// Long lines are read several codes at a time; a piece of another width or a
// code out of range anywhere in them must be seen just the same.
TEST(Scramble, LongLinesMixPieceWidthsAndStillRejectBadCodes)
{
    std::string expected;
    std::string stored;
    for (int i = 0; i < 64; ++i) {
        const int code = (i * 37) % 256;
        expected += static_cast<char>(code);
        stored += (i == 21 ? std::to_string(code) : ScrambleLine(std::string(1, static_cast<char>(code)))) + ",";
    }
    stored.pop_back();
    EXPECT_EQ(UnscrambleLine(stored), expected);

    for (std::size_t bad : {0u, 5u, 40u, 63u}) {
        std::string line = ScrambleLine(expected);
        line.replace(bad * 4, 3, "256");
        EXPECT_THROW(UnscrambleLine(line), StoreError) << "code " << bad;
        line.replace(bad * 4, 3, "0a0");
        EXPECT_THROW(UnscrambleLine(line), StoreError) << "code " << bad;
    }
}

TEST(Scramble, RejectsWhatIsNotAListOfCodes)
{
    EXPECT_THROW(ScrambleLine(""), StoreError);
    for (const char* bad : {"97,x", "97,256", "256", "97,", ",97", "97,,98", "-1", "1e9999"}) {
        try {
            UnscrambleLine(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const StoreError&) {
        }
    }
}

} // namespace
