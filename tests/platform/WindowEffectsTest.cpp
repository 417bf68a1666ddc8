#include "platform/Platform.h"

#include <QWidget>

#include <gtest/gtest.h>

using namespace platform;

namespace {

// The stored level is what the desktop gets; Qt keeps it in steps of 1/255.
int levelOf(const QWidget& window)
{
    return qRound(window.windowOpacity() * 255);
}

TEST(SetWindowOpacity, GivesTheWindowExactlyTheLevelAndNothingOutsideTheRange)
{
    QWidget window;
    for (int level : {255, 230, 220, 195, 190, 166, 165, 1}) {
        SetWindowOpacity(&window, level);
        EXPECT_EQ(levelOf(window), level);
    }
    SetWindowOpacity(&window, 300);
    EXPECT_EQ(levelOf(window), 255);
    SetWindowOpacity(&window, -5);
    EXPECT_EQ(levelOf(window), 0);
}

// Left click, double click and right click have their codes, nothing else has one.
TEST(TrayCode, TranslatesTheDesktopsTrayClicks)
{
    EXPECT_EQ(trayCode(QSystemTrayIcon::Trigger), 514);
    EXPECT_EQ(trayCode(QSystemTrayIcon::DoubleClick), 515);
    EXPECT_EQ(trayCode(QSystemTrayIcon::Context), 517);
    EXPECT_EQ(trayCode(QSystemTrayIcon::MiddleClick), 0);
    EXPECT_EQ(trayCode(QSystemTrayIcon::Unknown), 0);
}

} // namespace
