// Hover highlighting, the hand pointer and click sounds.

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

struct Colours {
    std::uint32_t back;
    std::uint32_t fore;
};

void expectColours(TagLabel* label, Colours expected, const char* when)
{
    EXPECT_EQ(label->backColour(), expected.back) << label->objectName().toStdString() << " " << when;
    EXPECT_EQ(label->foreColour(), expected.fore) << label->objectName().toStdString() << " " << when;
}

// The pointer moving over a window's own background.
void hoverBackground(QWidget* window)
{
    const QPoint corner(2, 2);
    QMouseEvent move(QEvent::MouseMove, QPointF(corner), QPointF(window->mapToGlobal(corner)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window, &move);
}

// One row of the hover table: the colours at load, of the hovered button, of the
// others while one is hovered, and of every button over the background.
struct HoverCase {
    int scheme;
    Colours loaded;
    Colours hovered;
    Colours resting;
};

void checkHoverTable(QWidget* window, const std::vector<int>& buttons, const HoverCase& row, WindowHarness& harness)
{
    SCOPED_TRACE(window->objectName().toStdString() + " in scheme " + std::to_string(row.scheme));
    for (int index : buttons)
        expectColours(harness.label(window, QStringLiteral("Label1_%1").arg(index)), row.loaded, "at load");
    for (int index : buttons) {
        WindowHarness::hover(harness.label(window, QStringLiteral("Label1_%1").arg(index)));
        for (int other : buttons) {
            expectColours(harness.label(window, QStringLiteral("Label1_%1").arg(other)),
                          other == index ? row.hovered : row.resting, "while a button is hovered");
        }
    }
    hoverBackground(window);
    for (int index : buttons)
        expectColours(harness.label(window, QStringLiteral("Label1_%1").arg(index)), row.resting, "over the background");
}

// Scheme 3 and the black-and-white scheme 9, on windows that stay opaque; in 9 the new file and password
// windows start with black buttons, and the password window changes only the
// background under the pointer.
TEST(HoverTable, TheStartWindowsInEveryColumn)
{
    struct Row {
        const char* window;
        HoverCase colours;
    };
    const HoverCase orange{3, {kOrange4, kOrange3}, {kOrange4, kOrange3}, {kOrange5, kOrange3}};
    const Row rows[] = {
        {"StartUpFrm", orange}, {"StartUpFrm", {9, {kWhite, kBlack}, {kBlack, kWhite}, {kWhite, kBlack}}},
        {"NewFileFrm", orange}, {"NewFileFrm", {9, {kBlack, kBlack}, {kBlack, kWhite}, {kWhite, kBlack}}},
        {"EncryptionFrm", orange}, {"EncryptionFrm", {9, {kBlack, kBlack}, {kBlack, kBlack}, {kWhite, kBlack}}},
    };
    for (const Row& row : rows) {
        WindowHarness harness;
        harness.writeSettings(settingsWithScheme(row.colours.scheme));
        QWidget* start = &harness.owner->startUp();
        const std::string name = row.window;
        QWidget* window = name == "StartUpFrm" ? start
                        : name == "NewFileFrm" ? static_cast<QWidget*>(&harness.owner->newFileFrm())
                                               : &harness.owner->encryptionFrm();
        window->show();
        EXPECT_EQ(window->windowOpacity(), 1.0) << name; // the start windows are never see-through
        checkHoverTable(window, name == "StartUpFrm" ? std::vector<int>{0, 1, 2, 3} : std::vector<int>{1, 2}, row.colours, harness);
        const bool nine = row.colours.scheme == 9;
        const int frames = name == "StartUpFrm" ? 4 : name == "NewFileFrm" ? 2 : 0;
        for (int i = 0; i < frames; ++i)
            EXPECT_EQ(harness.find<windows::FrameShape>(window, QStringLiteral("Shape1_%1").arg(i))->borderColour(), nine ? kBlack : kOrange2);
        for (int i = name == "NewFileFrm" ? 0 : 1; i < 2 && name != "StartUpFrm"; ++i)
            EXPECT_EQ(harness.label(window, QStringLiteral("Label2_%1").arg(i))->foreColour(), nine ? kBlack : kOrange1) << name;
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

} // namespace
