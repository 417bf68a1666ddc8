// Hover highlighting, the hand pointer, click sounds, see-through windows and the
// tray icon's clicks.

#include "platform/Platform.h"
#include "support/WindowHarness.h"
#include "windows/controls/Colours.h"
#include "windows/main/DataFrm.h"
#include "windows/start/EncryptionFrm.h"
#include "windows/start/NewFileFrm.h"
#include "windows/start/StartUpFrm.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

using namespace testing_support;
using windows::colourRef;
using windows::TagLabel;
namespace fs = std::filesystem;

namespace {

// The shades of the two schemes used here, written out: scheme 3 (orange) and the
// black-and-white scheme 9.
constexpr std::uint32_t kOrange1 = colourRef(255, 192, 128);
constexpr std::uint32_t kOrange2 = colourRef(255, 128, 0);
constexpr std::uint32_t kOrange3 = colourRef(192, 64, 0);
constexpr std::uint32_t kOrange4 = colourRef(128, 64, 0);
constexpr std::uint32_t kOrange5 = colourRef(128, 64, 64);
constexpr std::uint32_t kWhite = colourRef(255, 255, 255);
constexpr std::uint32_t kBlack = colourRef(0, 0, 0);

std::string settingsWithScheme(int scheme, bool soundOn = false)
{
    return std::string(" 300 \r\n 450 \r\n") + (soundOn ? "True" : "False") + "\r\nFalse\r\n 0 \r\n "
         + std::to_string(scheme) + " \r\n";
}

// A button's background and text colour.
using Colours = std::pair<std::uint32_t, std::uint32_t>;

Colours coloursOf(TagLabel* label)
{
    return {label->backColour(), label->foreColour()};
}

// The pointer moving over a window's own background.
void hoverBackground(QWidget* window)
{
    const QPoint corner(2, 2);
    QMouseEvent move(QEvent::MouseMove, QPointF(corner), QPointF(window->mapToGlobal(corner)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window, &move);
}

// Scheme 3 and the black-and-white scheme 9, on windows that stay opaque: the
// colours of the buttons at load, of the hovered one, of the others while one is
// hovered, and over the background. In 9 the new file and password windows start
// with black buttons, and the password window changes only the background under
// the pointer.
TEST(HoverTable, TheStartWindowsInEveryColumn)
{
    struct Row {
        const char* window;
        int scheme;
        Colours loaded, hovered, resting;
    };
    const Colours orange{kOrange4, kOrange3};
    const Row rows[] = {
        {"StartUpFrm", 3, orange, orange, {kOrange5, kOrange3}},
        {"StartUpFrm", 9, {kWhite, kBlack}, {kBlack, kWhite}, {kWhite, kBlack}},
        {"NewFileFrm", 3, orange, orange, {kOrange5, kOrange3}},
        {"NewFileFrm", 9, {kBlack, kBlack}, {kBlack, kWhite}, {kWhite, kBlack}},
        {"EncryptionFrm", 3, orange, orange, {kOrange5, kOrange3}},
        {"EncryptionFrm", 9, {kBlack, kBlack}, {kBlack, kBlack}, {kWhite, kBlack}},
    };
    for (const Row& row : rows) {
        WindowHarness harness;
        harness.writeSettings(settingsWithScheme(row.scheme));
        const std::string name = row.window;
        SCOPED_TRACE(name + " in scheme " + std::to_string(row.scheme));
        QWidget* start = &harness.owner->startUp(); // it reads the scheme
        QWidget* window = name == "StartUpFrm" ? start
                        : name == "NewFileFrm" ? static_cast<QWidget*>(&harness.owner->newFileFrm())
                                               : &harness.owner->encryptionFrm();
        window->show();
        EXPECT_EQ(window->windowOpacity(), 1.0); // the start windows are never see-through
        std::vector<TagLabel*> buttons;
        for (int i = name == "StartUpFrm" ? 0 : 1; i <= (name == "StartUpFrm" ? 3 : 2); ++i)
            buttons.push_back(harness.label(window, QStringLiteral("Label1_%1").arg(i)));
        for (TagLabel* button : buttons)
            EXPECT_EQ(coloursOf(button), row.loaded) << "at load";
        for (TagLabel* hovered : buttons) {
            WindowHarness::hover(hovered);
            for (TagLabel* button : buttons)
                EXPECT_EQ(coloursOf(button), button == hovered ? row.hovered : row.resting) << "one hovered";
        }
        hoverBackground(window);
        for (TagLabel* button : buttons)
            EXPECT_EQ(coloursOf(button), row.resting) << "over the background";
        const bool nine = row.scheme == 9;
        const int frames = name == "StartUpFrm" ? 4 : name == "NewFileFrm" ? 2 : 0;
        for (int i = 0; i < frames; ++i)
            EXPECT_EQ(harness.find<windows::FrameShape>(window, QStringLiteral("Shape1_%1").arg(i))->borderColour(), nine ? kBlack : kOrange2);
        for (int i = name == "NewFileFrm" ? 0 : 1; i < 2 && name != "StartUpFrm"; ++i)
            EXPECT_EQ(harness.label(window, QStringLiteral("Label2_%1").arg(i))->foreColour(), nine ? kBlack : kOrange1);
        if (name == "NewFileFrm") {
            auto* tick = harness.find<QCheckBox>(window, QStringLiteral("Check1"));
            EXPECT_EQ(tick->palette().color(tick->backgroundRole()), windows::fromColourRef(nine ? kWhite : kOrange5));
            EXPECT_EQ(window->palette().color(QPalette::Window), windows::fromColourRef(nine ? kWhite : kOrange5));
        }
    }
}

TEST(HandPointer, ButtonsAndTheHelpPictureShowItAndGoWithoutItWhenTheFileIsMissing)
{
    for (bool present : {true, false}) {
        WindowHarness harness;
        if (present)
            fs::copy_file(fs::path(BRINDLECASE_ASSETS) / "HandPointer3232.ico", harness.folder.file("HandPointer3232.ico"));
        const Qt::CursorShape expected = present ? Qt::BitmapCursor : Qt::ArrowCursor;
        windows::StartUpFrm& start = harness.owner->startUp();
        for (const char* name : {"Label1_0", "Label1_1", "Label1_2", "Label1_3", "Image7"})
            EXPECT_EQ(harness.label(&start, QString::fromLatin1(name))->cursor().shape(), expected) << name;
        for (QWidget* window : {static_cast<QWidget*>(&harness.owner->newFileFrm()),
                                static_cast<QWidget*>(&harness.owner->encryptionFrm())}) {
            for (const char* name : {"Label1_1", "Label1_2"}) {
                EXPECT_EQ(harness.label(window, QString::fromLatin1(name))->cursor().shape(), expected)
                    << window->objectName().toStdString() << " " << name;
            }
        }
    }
}

// Sound 1 for a record row, 2 for a record command, 3 for the quick-display key;
// none of them while the sound is off.
TEST(ClickSounds, EachClickPlaysItsSoundOnlyWhileTheSoundIsOn)
{
    for (bool soundOn : {true, false}) {
        WindowHarness harness;
        harness.writeSettings(settingsWithScheme(3, soundOn));
        windows::DataFrm& main = harness.openData(crlfLines({"000010000001Open      Garden\xAC" "a long note to type out"}));
        harness.find<QLineEdit>(&main, QStringLiteral("SearchTxt"))->setText(QStringLiteral("garden"));
        WindowHarness::click(harness.label(&main, QStringLiteral("Res_0")));
        ASSERT_TRUE(main.isTyping());
        QTest::keyClick(harness.find<QPlainTextEdit>(&main, QStringLiteral("FileNote")), Qt::Key_X);
        QTest::keyClick(harness.find<QPlainTextEdit>(&main, QStringLiteral("FileNote")), Qt::Key_X);
        WindowHarness::click(harness.label(&main, QStringLiteral("Label1_4")));
        WindowHarness::click(harness.label(&main, QStringLiteral("Label1_4")));
        EXPECT_EQ(harness.fakes.sounds.played, soundOn ? std::vector<int>({1, 3, 3, 2, 2}) : std::vector<int>())
            << "sound on: " << soundOn;
    }
}

// The stored level is what the desktop gets; Qt keeps it in steps of 1/255.
int levelOf(const QWidget& window)
{
    return qRound(window.windowOpacity() * 255);
}

TEST(SetWindowOpacity, GivesTheWindowExactlyTheLevelAndNothingOutsideTheRange)
{
    QWidget window;
    for (int level : {255, 230, 220, 195, 190, 166, 165, 1}) {
        platform::SetWindowOpacity(&window, level);
        EXPECT_EQ(levelOf(window), level);
    }
    platform::SetWindowOpacity(&window, 300);
    EXPECT_EQ(levelOf(window), 255);
    platform::SetWindowOpacity(&window, -5);
    EXPECT_EQ(levelOf(window), 0);
}

// Left click, double click and right click have their codes, nothing else has one.
TEST(TrayCode, TranslatesTheDesktopsTrayClicks)
{
    EXPECT_EQ(platform::trayCode(QSystemTrayIcon::Trigger), 514);
    EXPECT_EQ(platform::trayCode(QSystemTrayIcon::DoubleClick), 515);
    EXPECT_EQ(platform::trayCode(QSystemTrayIcon::Context), 517);
    EXPECT_EQ(platform::trayCode(QSystemTrayIcon::MiddleClick), 0);
    EXPECT_EQ(platform::trayCode(QSystemTrayIcon::Unknown), 0);
}

} // namespace
