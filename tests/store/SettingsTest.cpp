#include "store/Settings.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace store;
using namespace testing_support;

namespace {

Settings designed()
{
    Settings settings;
    settings.Left = 1500;
    settings.Top = 900;
    return settings;
}

TEST(Settings, WrittenValuesReadBack)
{
    TempFolder folder;
    Settings written;
    written.Left = 2340;
    written.Top = -120;
    written.SoundOn = true;
    written.TypewriterNote = true;
    written.SettingsSpare = 1;
    written.ColourScheme = 7;
    writeSettings(settingsPath(folder.path()), written);
    EXPECT_EQ(readFile(settingsPath(folder.path())), " 2340 \r\n-120 \r\nTrue\r\nTrue\r\n 1 \r\n 7 \r\n");

    Settings read = designed();
    ASSERT_TRUE(readMainSettings(settingsPath(folder.path()), read));
    EXPECT_EQ(read.Left, 2340);
    EXPECT_EQ(read.Top, -120);
    EXPECT_TRUE(read.SoundOn);
    EXPECT_TRUE(read.TypewriterNote);
    EXPECT_EQ(read.SettingsSpare, 1);
    EXPECT_EQ(read.ColourScheme, 7);
}

TEST(Settings, LinesThreeAndFourReadBooleansDifferently)
{
    TempFolder folder;
    Settings read;
    readMainSettings(folder.write("settings.txt", "0\r\n0\r\ntrue\r\ntrue\r\n0\r\n0\r\n"), read);
    EXPECT_TRUE(read.SoundOn);
    EXPECT_FALSE(read.TypewriterNote);

    readMainSettings(folder.write("settings.txt", "0\r\n0\r\n -1 \r\nTrue \r\n0\r\n0\r\n"), read);
    EXPECT_TRUE(read.SoundOn);
    EXPECT_FALSE(read.TypewriterNote);

    readMainSettings(folder.write("settings.txt", "0\r\n0\r\nFALSE\r\nTrue,x\r\n0\r\n0\r\n"), read);
    EXPECT_FALSE(read.SoundOn);
    EXPECT_TRUE(read.TypewriterNote);
}

TEST(Settings, NumbersSkipBlanksAndIgnoreTrailingTextAndCommas)
{
    TempFolder folder;
    Settings read;
    readMainSettings(folder.write("settings.txt", "  1200 twips\r\n300,400\r\n0\r\nFalse\r\n 2.5\r\n 9 extra\r\n"), read);
    EXPECT_EQ(read.Left, 1200);
    EXPECT_EQ(read.Top, 300);
    EXPECT_EQ(read.SettingsSpare, 2);
    EXPECT_EQ(read.ColourScheme, 9);
}

TEST(Settings, AShortOrDamagedFileKeepsWhatWasReadAndTheRestAsBefore)
{
    TempFolder folder;
    Settings read = designed();
    readMainSettings(folder.write("settings.txt", "100\r\n200\r\nTrue\r\n"), read);
    EXPECT_EQ(read.Left, 100);
    EXPECT_EQ(read.Top, 200);
    EXPECT_TRUE(read.SoundOn);
    EXPECT_EQ(read.ColourScheme, 0);

    read = designed();
    readMainSettings(folder.write("settings.txt", "100\r\nabc\r\nTrue\r\nTrue\r\n1\r\n5\r\n"), read);
    EXPECT_EQ(read.Left, 100);
    EXPECT_EQ(read.Top, 900);
    EXPECT_FALSE(read.SoundOn);
    EXPECT_EQ(read.ColourScheme, 0);

    read = designed();
    readMainSettings(folder.write("settings.txt", "1\r\n2\r\nmaybe\r\nTrue\r\n1\r\n5\r\n"), read);
    EXPECT_FALSE(read.SoundOn);
    EXPECT_FALSE(read.TypewriterNote);

    read = designed();
    readMainSettings(folder.write("settings.txt", "1\r\n2\r\nTrue\r\nTrue\r\n1\r\n99999\r\n"), read);
    EXPECT_EQ(read.SettingsSpare, 1);
    EXPECT_EQ(read.ColourScheme, 0);
}

TEST(Settings, TheStartWindowReadsOnlyTheLastTwoLines)
{
    TempFolder folder;
    Settings read = designed();
    ASSERT_TRUE(readStartSettings(folder.write("settings.txt", "junk\r\n\r\nnot a flag\r\n?\r\n1\r\n4\r\n"), read));
    EXPECT_EQ(read.SettingsSpare, 1);
    EXPECT_EQ(read.ColourScheme, 4);
    EXPECT_EQ(read.Left, 1500);
    EXPECT_FALSE(read.SoundOn);
}

TEST(Settings, NoFileIsTheNormalFirstRun)
{
    TempFolder folder;
    Settings read = designed();
    EXPECT_FALSE(readMainSettings(settingsPath(folder.path()), read));
    EXPECT_FALSE(readStartSettings(settingsPath(folder.path()), read));
    EXPECT_EQ(read.Left, 1500);
    EXPECT_EQ(read.ColourScheme, 0);
}

} // namespace
