#include "store/Settings.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace store;
using namespace testing_support;

namespace {

TEST(Settings, AreWrittenAsTheLegacyWriterPrintedThem)
{
    TempFolder folder;
    writeSettings(settingsPath(folder.path()), Settings{2340, -120, true, true, 1, 7});
    EXPECT_EQ(readFile(folder.file("settings.txt")), " 2340 \r\n-120 \r\nTrue\r\nTrue\r\n 1 \r\n 7 \r\n");
    Settings read;
    EXPECT_FALSE(readStartSettings(folder.file("none.txt"), read)); // no file: the first run
}

// Each file is read over the designed place (1500, 900) and no other setting.
TEST(Settings, EachLineIsReadByItsOwnRuleAndADamagedLineEndsTheReading)
{
    struct Case {
        const char* file;
        Settings expected;
    };
    const Case cases[] = {
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
    TempFolder folder;
    for (const Case& c : cases) {
        Settings read{1500, 900};
        ASSERT_TRUE(readMainSettings(folder.write("settings.txt", c.file), read));
        SCOPED_TRACE(c.file);
        EXPECT_EQ(read.Left, c.expected.Left);
        EXPECT_EQ(read.Top, c.expected.Top);
        EXPECT_EQ(read.SoundOn, c.expected.SoundOn);
        EXPECT_EQ(read.TypewriterNote, c.expected.TypewriterNote);
        EXPECT_EQ(read.SettingsSpare, c.expected.SettingsSpare);
        EXPECT_EQ(read.ColourScheme, c.expected.ColourScheme);
    }
}

} // namespace
