// Hover highlighting, the hand pointer, see-through windows and the tray icon's clicks.

#include "platform/Platform.h"
#include "support/EveryWindow.h"
#include "windows/controls/Colours.h"
#include "windows/start/EncryptionFrm.h"
#include "windows/start/NewFileFrm.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace testing_support;
using windows::colourRef;
using windows::TagLabel;
namespace fs = std::filesystem;

namespace {

// The shades of the two schemes used here, written out: scheme 3 (orange) and the
// black-and-white scheme 9.
constexpr std::uint32_t kOrange3 = colourRef(192, 64, 0), kOrange4 = colourRef(128, 64, 0), kOrange5 = colourRef(128, 64, 64);
constexpr std::uint32_t kWhite = colourRef(255, 255, 255), kBlack = colourRef(0, 0, 0);

// A button's background and text colour.
using Colours = std::pair<std::uint32_t, std::uint32_t>;
Colours coloursOf(TagLabel* label) { return {label->backColour(), label->foreColour()}; }

// Scheme 3 and the black-and-white scheme 9 on the start windows, which stay opaque:
// button colours at load, hovered, and of the others while one is hovered and over
// the background. In 9 the new file and password windows start with black buttons,
// and the password window changes only the background under the pointer. Buttons and
// the help picture show the hand pointer, or the arrow where its file is missing.
TEST(HoverTable, TheStartWindowsInEveryColumnWithTheHandPointer)
{
    const Colours orange{kOrange4, kOrange3}, white{kWhite, kBlack}, black{kBlack, kBlack}, inverse{kBlack, kWhite};
    const struct {
        int window, scheme; // StartUpFrm, NewFileFrm, EncryptionFrm
        Colours loaded, hovered;
    } rows[] = {{0, 3, orange, orange}, {0, 9, white, inverse}, {1, 3, orange, orange},
                {1, 9, black, inverse}, {2, 3, orange, orange}, {2, 9, black, black}};
    for (const auto& row : rows) {
        WindowHarness harness;
        chooseScheme(harness, row.scheme);
        SCOPED_TRACE(std::to_string(row.window) + " in scheme " + std::to_string(row.scheme));
        const bool nine = row.scheme == 9;
        if (!nine) // the hand pointer's file present in scheme 3, missing in 9
            fs::copy_file(fs::path(BRINDLECASE_ASSETS) / "HandPointer3232.ico", harness.folder.file("HandPointer3232.ico"));
        const Colours resting = nine ? white : Colours{kOrange5, kOrange3};
        QWidget* windows[] = {&harness.owner->startUp(), &harness.owner->newFileFrm(), &harness.owner->encryptionFrm()};
        QWidget* window = windows[row.window];
        window->show();
        EXPECT_EQ(window->windowOpacity(), 1.0);
        const QList<TagLabel*> buttons = window->findChildren<TagLabel*>(QRegularExpression(QStringLiteral("^Label1_\\d$")));
        ASSERT_EQ(buttons.size(), row.window == 0 ? 4 : 2);
        const auto pointing = window->findChildren<TagLabel*>(QRegularExpression(QStringLiteral("^(Label1_\\d|Image7)$")));
        EXPECT_EQ(pointing.size(), buttons.size() + (row.window == 0)); // the start window's help picture
        for (const TagLabel* button : pointing)
            EXPECT_EQ(button->cursor().shape(), nine ? Qt::ArrowCursor : Qt::BitmapCursor) << button->objectName().toStdString();
        for (TagLabel* button : buttons)
            EXPECT_EQ(coloursOf(button), row.loaded) << "at load";
        for (TagLabel* hovered : buttons) {
            WindowHarness::hover(hovered);
            for (TagLabel* button : buttons)
                EXPECT_EQ(coloursOf(button), button == hovered ? row.hovered : resting) << "one hovered";
        }
        WindowHarness::hover(window); // over its own background
        for (TagLabel* button : buttons)
            EXPECT_EQ(coloursOf(button), resting) << "over the background";
    }
}

// The stored level is what the desktop gets (Qt keeps it in steps of 1/255), nothing
// outside the range; left click, double click and right click have their tray codes.
TEST(PlatformAdapters, WindowOpacityGetsExactlyTheLevelAndTrayClicksTheirCodes)
{
    QWidget window;
    for (const auto& [level, kept] : {std::pair{255, 255}, {230, 230}, {195, 195}, {166, 166}, {165, 165}, {1, 1}, {300, 255}, {-5, 0}}) {
        platform::SetWindowOpacity(&window, level);
        EXPECT_EQ(qRound(window.windowOpacity() * 255), kept) << level;
    }
    using Tray = QSystemTrayIcon;
    for (const auto& [reason, code] : {std::pair{Tray::Trigger, 514}, {Tray::DoubleClick, 515}, {Tray::Context, 517},
                                      {Tray::MiddleClick, 0}, {Tray::Unknown, 0}})
        EXPECT_EQ(platform::trayCode(reason), code) << reason;
}

} // namespace
