#include "store/LegacyNumbers.h"
#include "store/Settings.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace store;
using namespace testing_support;

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
    for (const auto& [text, kind] : refused)
        EXPECT_EQ(storeErrorOf([&] { toInt16(text); }).kind(), kind) << text;
    EXPECT_THROW(toInt32("2147483648"), StoreError);
}

// Written as the legacy writer printed them; each line read by its own rule over the
// designed place (1500, 900) and nothing else; a damaged line ends the reading.
TEST(Settings, AreWrittenAsTheLegacyWriterPrintedThemAndReadLineByLine)
{
    TempFolder folder;
    writeSettings(settingsPath(folder.path()), Settings{2340, -120, true, true, 1, 7});
    EXPECT_EQ(readFile(folder.file("settings.txt")), " 2340 \r\n-120 \r\nTrue\r\nTrue\r\n 1 \r\n 7 \r\n");
    Settings none;
    EXPECT_FALSE(readStartSettings(folder.file("none.txt"), none)); // no file: the first run
    const std::pair<const char*, Settings> cases[] = {
        // Line 3 takes True or False in any case or a number; line 4 only "True".
        {" 2340 \r\n-120 \r\nTrue\r\nTrue\r\n 1 \r\n 7 \r\n", {2340, -120, true, true, 1, 7}},
        {"0\r\n0\r\ntrue\r\ntrue\r\n0\r\n0\r\n", {0, 0, true, false, 0, 0}},
        {"0\r\n0\r\n -1 \r\nTrue \r\n0\r\n0\r\n", {0, 0, true, false, 0, 0}},
        {"0\r\n0\r\nFALSE\r\nTrue,x\r\n0\r\n0\r\n", {0, 0, false, true, 0, 0}},
        // Blanks first, text and commas after a number are skipped; fractions round.
        {"  1200 twips\r\n300,400\r\n0\r\nFalse\r\n 2.5\r\n 9 extra\r\n", {1200, 300, false, false, 2, 9}},
        {" 1500 900\r\n 900 \r\nFalse\r\nFalse\r\n 0 \r\n 3 4 \r\n", {1500, 900, false, false, 0, 3}},
        // A short file keeps the rest; a damaged line keeps it and what follows.
        {"100\r\n200\r\nTrue\r\n", {100, 200, true, false, 0, 0}},
        {"100\r\nabc\r\nTrue\r\nTrue\r\n1\r\n5\r\n", {100, 900, false, false, 0, 0}},
        {"1\r\n2\r\nmaybe\r\nTrue\r\n1\r\n5\r\n", {1, 2, false, false, 0, 0}},
        {"1\r\n2\r\nTrue\r\nTrue\r\n1\r\n99999\r\n", {1, 2, true, true, 1, 0}},
    };
    for (const auto& [file, expected] : cases) {
        Settings read{1500, 900};
        ASSERT_TRUE(readMainSettings(folder.write("settings.txt", file), read));
        EXPECT_EQ(std::tie(read.Left, read.Top, read.SoundOn, read.TypewriterNote, read.SettingsSpare, read.ColourScheme),
                  std::tie(expected.Left, expected.Top, expected.SoundOn, expected.TypewriterNote, expected.SettingsSpare,
                           expected.ColourScheme)) << file;
    }
}

} // namespace
