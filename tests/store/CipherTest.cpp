#include "store/LegacyRandom.h"
#include "store/LineCipher.h"
#include "support/StoreFixtures.h"

#include <gtest/gtest.h>

#include <string>

using namespace store;
using namespace testing_support;

namespace {

// Values published for the legacy run time's generator, to seven digits.
TEST(LegacyRandom, ReproducesThePublishedSequences)
{
    LegacyRandom fresh, minusOne, reseeded;
    for (double expected : {0.7055475, 0.533424, 0.5795186, 0.2895625, 0.301948})
        EXPECT_NEAR(fresh.next(), expected, 5e-8);
    EXPECT_DOUBLE_EQ(minusOne.seedNegative(-1.0f), 0.224007010459899902);
    EXPECT_NEAR(reseeded.seedNegative(-10.0f), 0.3276443, 5e-8);
    reseeded.randomize(10);
    for (double expected : {0.2077829, 0.4407803, 0.6152623})
        EXPECT_NEAR(reseeded.next(), expected, 5e-8);
}

// The line cipher read step by step from its description, on the generator that
// the published values above pin down.
std::string documentedEncipher(std::string text, std::string_view password)
{
    LegacyRandom random;
    random.seedNegative(-1.0f);
    random.randomize(static_cast<double>(password.size()));
    std::int32_t sum = 0;
    for (std::size_t i = 1; i <= password.size(); ++i) {
        const int key = static_cast<int>(random.next() * 256);
        sum += (static_cast<unsigned char>(password[i - 1]) ^ key) ^ static_cast<int>(i % 256);
    }
    random.seedNegative(-1.0f);
    random.randomize(sum);
    for (char& c : text)
        c = static_cast<char>(static_cast<unsigned char>(c) ^ static_cast<int>(random.next() * 256));
    return text;
}

// "0##" for every byte, joined by commas.
std::string codesOf(std::string_view bytes)
{
    std::string codes;
    for (unsigned char c : bytes)
        codes.append(codes.empty() ? "" : ",").append({char('0' + c / 100), char('0' + c / 10 % 10), char('0' + c % 10)});
    return codes;
}

std::string everyByte(std::size_t length)
{
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<char>(i * 7 % 256);
    return bytes;
}

// Passwords past 256 characters wrap the key schedule's position byte; lines of any
// length, in any order, take the same key bytes as a fresh start gives.
TEST(LineCipher, FollowsTheDocumentedKeyScheduleAndThePublishedFiles)
{
    for (std::size_t length : {1u, 7u, 255u, 256u, 257u, 300u, 600u}) {
        const std::string password = everyByte(length + 3).substr(3);
        LineCipher cipher(password);
        for (std::size_t lineLength : {3u, 40u, 7u, 2000u, 1u, 5000u}) {
            const std::string line = everyByte(lineLength), expected = documentedEncipher(line, password);
            ASSERT_EQ(EncipherLine(line, password), expected) << length << " " << lineLength;
            std::string stored, back;
            cipher.appendEnciphered(stored, line);
            ASSERT_EQ(stored, codesOf(expected)) << length << " " << lineLength;
            cipher.decipherStored(stored, back);
            ASSERT_EQ(back, line);
        }
    }
    // Files of existing installations, and a password whose seed sum overflows.
    EXPECT_EQ(ScrambleLine(EncipherLine("abc", "")), "052,048,117");
    EXPECT_EQ(ScrambleLine(EncipherLine(kPublishedLine, "secret")), kPublishedCodes);
    EXPECT_THROW(EncipherLine("x", std::string(20'000'000, '\xFF')), StoreError);
}

// "0##" codes are written; pieces of any width are read, also inside long lines
// that are read several codes at a time, where a bad code must be seen just the same.
TEST(Scramble, WritesThreeDigitCodesReadsAnyWidthAndRejectsBadCodes)
{
    EXPECT_EQ(ScrambleLine(everyByte(256)), codesOf(everyByte(256)));
    EXPECT_EQ(UnscrambleLine(codesOf(everyByte(256))), everyByte(256));
    EXPECT_EQ(UnscrambleLine("0097,098, 99"), "abc");
    EXPECT_EQ(UnscrambleLine(""), "");
    std::string stored = codesOf(everyByte(64));
    EXPECT_EQ(UnscrambleLine(stored.erase(37 * 4, 2)), everyByte(64)); // byte 37 is 3: "003" becomes "3"
    for (std::size_t bad : {0u, 5u, 40u, 63u}) {
        for (const char* code : {"256", "0a0"}) {
            std::string line = codesOf(everyByte(64));
            EXPECT_THROW(UnscrambleLine(line.replace(bad * 4, 3, code)), StoreError) << "code " << bad << " " << code;
        }
    }
    EXPECT_THROW(ScrambleLine(""), StoreError);
    for (const char* bad : {"97,x", "97,256", "256", "97,", ",97", "97,,98", "-1", "1e9999"})
        EXPECT_THROW(UnscrambleLine(bad), StoreError) << bad;
}

} // namespace
