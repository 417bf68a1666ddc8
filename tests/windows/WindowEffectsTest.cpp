// Hover highlighting, the hand pointer, window opacity and click sounds.

#include "store/DataFile.h"
#include "support/StoreFixtures.h"
#include "support/WindowHarness.h"
#include "windows/controls/Colours.h"
#include "windows/controls/Legibility.h"
#include "windows/links/BrowseFrm.h"
#include "windows/links/LinkFrm.h"
#include "windows/links/NewLinkFrm.h"
#include "windows/links/QuickLinkFrm.h"
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

TEST(HoverTable, StartWindowInEveryColumn)
{
    for (const HoverCase& row : {HoverCase{3, {kOrange4, kOrange3}, {kOrange4, kOrange3}, {kOrange5, kOrange3}},
                                 HoverCase{9, {kWhite, kBlack}, {kBlack, kWhite}, {kWhite, kBlack}}}) {
        WindowHarness harness;
        harness.writeSettings(settingsWithScheme(row.scheme));
        windows::StartUpFrm& start = harness.owner->startUp();
        start.show();
        checkHoverTable(&start, {0, 1, 2, 3}, row, harness);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(harness.find<windows::FrameShape>(&start, QStringLiteral("Shape1_%1").arg(i))->borderColour(),
                      row.scheme == 9 ? kBlack : kOrange2);
    }
}

TEST(HoverTable, NewFileWindowInEveryColumn)
{
    for (const HoverCase& row : {HoverCase{3, {kOrange4, kOrange3}, {kOrange4, kOrange3}, {kOrange5, kOrange3}},
                                 HoverCase{9, {kBlack, kBlack}, {kBlack, kWhite}, {kWhite, kBlack}}}) {
        WindowHarness harness;
        harness.writeSettings(settingsWithScheme(row.scheme));
        harness.owner->startUp();
        windows::NewFileFrm& window = harness.owner->newFileFrm();
        window.show();
        checkHoverTable(&window, {1, 2}, row, harness);
        const bool nine = row.scheme == 9;
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(harness.label(&window, QStringLiteral("Label2_%1").arg(i))->foreColour(), nine ? kBlack : kOrange1);
            EXPECT_EQ(harness.find<windows::FrameShape>(&window, QStringLiteral("Shape1_%1").arg(i))->borderColour(),
                      nine ? kBlack : kOrange2);
        }
        auto* tick = harness.find<QCheckBox>(&window, QStringLiteral("Check1"));
        EXPECT_EQ(tick->palette().color(tick->backgroundRole()), windows::fromColourRef(nine ? kWhite : kOrange5));
        EXPECT_EQ(window.palette().color(QPalette::Window), windows::fromColourRef(nine ? kWhite : kOrange5));
    }
}

// The password window changes only the background, in the black-and-white scheme too.
TEST(HoverTable, PasswordWindowInEveryColumn)
{
    for (const HoverCase& row : {HoverCase{3, {kOrange4, kOrange3}, {kOrange4, kOrange3}, {kOrange5, kOrange3}},
                                 HoverCase{9, {kBlack, kBlack}, {kBlack, kBlack}, {kWhite, kBlack}}}) {
        WindowHarness harness;
        harness.writeSettings(settingsWithScheme(row.scheme));
        harness.owner->startUp();
        windows::EncryptionFrm& window = harness.owner->encryptionFrm();
        window.show();
        checkHoverTable(&window, {1, 2}, row, harness);
        EXPECT_EQ(harness.label(&window, QStringLiteral("Label2_1"))->foreColour(), row.scheme == 9 ? kBlack : kOrange1);
    }
}

// What is drawn reaches 4.5:1 in every scheme and with none, at rest and under the
// pointer, whatever colours the schemes store.
TEST(HoverTable, EveryCaptionOfTheStartWindowsIsLegibleInEveryScheme)
{
    for (int scheme = 0; scheme <= 9; ++scheme) {
        WindowHarness harness;
        harness.writeSettings(settingsWithScheme(scheme));
        windows::StartUpFrm& start = harness.owner->startUp();
        QWidget* windowsToCheck[] = {&start, &harness.owner->newFileFrm(), &harness.owner->encryptionFrm()};
        for (QWidget* window : windowsToCheck) {
            window->show();
            auto checkAll = [&](const char* when) {
                for (TagLabel* label : window->findChildren<TagLabel*>()) {
                    if (label->text().isEmpty() || !label->isEnabled())
                        continue;
                    const QColor behind = label->autoFillBackground() ? label->palette().color(QPalette::Window)
                                                                      : window->palette().color(QPalette::Window);
                    EXPECT_GE(windows::contrastRatio(label->palette().color(QPalette::WindowText), behind), 4.5)
                        << window->objectName().toStdString() << " " << label->objectName().toStdString() << " scheme "
                        << scheme << " " << when;
                }
                for (QCheckBox* box : window->findChildren<QCheckBox*>()) {
                    EXPECT_GE(windows::contrastRatio(box->palette().color(box->foregroundRole()),
                                                     box->palette().color(box->backgroundRole())),
                              4.5)
                        << "tick box, scheme " << scheme;
                }
            };
            checkAll("at load");
            for (TagLabel* label : window->findChildren<TagLabel*>()) {
                if (label->objectName().startsWith(QLatin1String("Label1_"))) {
                    WindowHarness::hover(label);
                    checkAll("with a button hovered");
                }
            }
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

TEST(WindowOpacity, LinkWindowsAreLayeredAndTheStartWindowsStayOpaque)
{
    for (int scheme : {3, 9}) {
        WindowHarness harness;
        harness.writeSettings(settingsWithScheme(scheme));
        EXPECT_DOUBLE_EQ(harness.owner->startUp().windowOpacity(), 1.0);
        EXPECT_DOUBLE_EQ(harness.owner->newFileFrm().windowOpacity(), 1.0);
        EXPECT_DOUBLE_EQ(harness.owner->encryptionFrm().windowOpacity(), 1.0);
        harness.openData(crlfLines({"000010000001Open      Garden"}));
        EXPECT_NEAR(harness.owner->linkFrm().windowOpacity(), (scheme == 9 ? 230 : 190) / 255.0, 0.005);
        EXPECT_NEAR(harness.owner->newLinkFrm().windowOpacity(), 220 / 255.0, 0.005);
        EXPECT_NEAR(harness.owner->browseFrm().windowOpacity(), 220 / 255.0, 0.005);
        EXPECT_NEAR(harness.owner->quickLinkFrm().windowOpacity(), 220 / 255.0, 0.005);
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
