// The windows used without a pointer: Tab goes through the main window as it
// reads, Enter and Space act as a click, Escape closes the small windows, the
// focus is framed visibly in every scheme, and a record is found, opened, given a
// link and changed by keys alone.

#include "support/EveryWindow.h"
#include "support/PaintedColours.h"
#include "windows/controls/FocusFrame.h"
#include "windows/links/BrowseFrm.h"
#include "windows/links/LinkFrm.h"
#include "windows/links/NewLinkFrm.h"
#include "windows/links/QuickLinkFrm.h"
#include "windows/main/DataFrm.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

QWidget* focused()
{
    QWidget* widget = QApplication::focusWidget();
    // A combo box's edit line is the combo box to the person using it.
    if (widget && qobject_cast<QComboBox*>(widget->parentWidget()))
        return widget->parentWidget();
    return widget;
}

QString focusedName()
{
    return focused() ? focused()->objectName() : QStringLiteral("(none)");
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

bool activate(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Presses `key` until `name` has the focus (at most `limit` times).
bool pressUntil(Qt::Key key, const QString& name, int limit = 60, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (int i = 0; i < limit && focusedName() != name; ++i)
        press(key, modifiers);
    return focusedName() == name;
}

class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        main = mainWindowWithRecord(harness);
        ASSERT_TRUE(activate(main));
    }
    windows::DataFrm& dataFrm() { return harness.owner->dataFrm(); }
    void waitForNote() { ASSERT_TRUE(QTest::qWaitFor([this] { return !dataFrm().isTyping(); })); }

    WindowHarness harness;
    QWidget* main = nullptr;
};

TEST_F(KeyboardTest, TabGoesThroughTheMainWindowAsItReadsPassingOverEmptyRows)
{
    // A record with two sub records and two e-mail links is shown, the file menu open.
    const QStringList expected = {
        "SearchTxt", "StatusCombo", "StatusTxt", "Res_0", "Res_1", "Subs_0", "Subs_1",
        "Label1_0", "Label1_1", "Label1_2", "Label1_3", "resA_0", "resB_0", "resA_1", "resB_1", "Image3_3",
        "FileNote", "Label1_4", "Label1_5", "Label1_7", "Label1_8", "Label1_9",
        "cols1_5", "cols2_2", "cols3_2", "cols4_2", "cols5_2", "cols6_2", "cols7_2", "cols8_2", "cols9_6",
        "Label3_0", "Label3_1", "Label3_2", "Label3_3", "Label3_4", "Label3_5", "Label3_6", "Label3_7", "Label3_8",
        "Label3_9", "Image2_2", "Image4_0", "Image4_10", "Image7", "Image1", "Label7", "Label6", "Label8", "Label4",
        "SearchTxt"};
    harness.find<QLineEdit>(main, QStringLiteral("SearchTxt"))->setFocus(Qt::TabFocusReason);
    QStringList walked{focusedName()};
    for (int i = 1; i < expected.size(); ++i) {
        press(Qt::Key_Tab);
        walked.push_back(focusedName());
    }
    EXPECT_EQ(walked, expected);
    // Shift+Tab walks back.
    press(Qt::Key_Backtab);
    EXPECT_EQ(focusedName(), "Label4");
}

TEST_F(KeyboardTest, EnterAndSpaceActAsAClickEscapeClosesTheSmallWindows)
{
    auto* search = harness.find<QLineEdit>(main, QStringLiteral("SearchTxt"));
    search->setFocus(Qt::TabFocusReason);
    search->clear();
    QTest::keyClicks(search, QStringLiteral("car"));
    press(Qt::Key_Return); // on to the first record found
    ASSERT_EQ(focusedName(), "Res_0");
    press(Qt::Key_Space);
    EXPECT_EQ(harness.state.CurrentMaster, 4);
    waitForNote();

    harness.find<QLineEdit>(main, QStringLiteral("SearchTxt"))->setText(QStringLiteral("garden"));
    harness.label(main, QStringLiteral("Res_0"))->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Enter);
    EXPECT_EQ(harness.state.CurrentMaster, 1);
    waitForNote();
    ASSERT_TRUE(pressUntil(Qt::Key_Backtab, QStringLiteral("Label1_1")));
    press(Qt::Key_Return); // "folders"
    EXPECT_EQ(harness.state.CurrentLinkKind, 2);
    EXPECT_EQ(harness.label(main, QStringLiteral("resA_0"))->text(), "Plans");

    // A link row opens the link menu with the keyboard on its first entry; Escape
    // closes it and the main window has the keyboard again.
    ASSERT_TRUE(pressUntil(Qt::Key_Tab, QStringLiteral("resB_0")));
    press(Qt::Key_Space);
    ASSERT_TRUE(harness.owner->isLinkFrmLoaded());
    windows::LinkFrm* menu = &harness.owner->linkFrm();
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    EXPECT_EQ(focusedName(), "LinkType_0");
    press(Qt::Key_Escape);
    EXPECT_FALSE(harness.owner->isLinkFrmLoaded());
    EXPECT_TRUE(QTest::qWaitForWindowActive(main));

    // The add-link picture opens the add link window; its "browse" and "existing
    // link" windows and then itself close on Escape.
    ASSERT_TRUE(pressUntil(Qt::Key_Tab, QStringLiteral("Image3_3")));
    press(Qt::Key_Return);
    ASSERT_TRUE(harness.owner->isNewLinkFrmLoaded());
    windows::NewLinkFrm* editor = &harness.owner->newLinkFrm();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    EXPECT_EQ(focusedName(), "LinkDescription");
    for (const char* button : {"Label1_2", "Label1_3"}) {
        ASSERT_TRUE(pressUntil(Qt::Key_Tab, QString::fromLatin1(button)));
        press(Qt::Key_Space);
        QWidget* small = harness.owner->isBrowseFrmLoaded() ? static_cast<QWidget*>(&harness.owner->browseFrm())
                                                            : &harness.owner->quickLinkFrm();
        ASSERT_TRUE(QTest::qWaitForWindowActive(small)) << button;
        press(Qt::Key_Escape);
        EXPECT_FALSE(harness.owner->isBrowseFrmLoaded() || harness.owner->isQuickLinkFrmLoaded()) << button;
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor)) << button;
    }
    press(Qt::Key_Escape);
    EXPECT_FALSE(harness.owner->isNewLinkFrmLoaded());
}

// The steps the README gives: find a record, open it, add a link, change its
// note and save, by keys alone; the file on disk has both changes.
TEST_F(KeyboardTest, ARecordIsFoundOpenedGivenALinkAndChangedByKeysAlone)
{
    auto* search = harness.find<QLineEdit>(main, QStringLiteral("SearchTxt"));
    search->setFocus(Qt::TabFocusReason);
    search->clear();
    QTest::keyClicks(search, QStringLiteral("garden"));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    waitForNote();
    ASSERT_EQ(focusedName(), "FileNote"); // the note box takes the keyboard once the note is shown

    ASSERT_TRUE(pressUntil(Qt::Key_Backtab, QStringLiteral("Label1_3")));
    press(Qt::Key_Return); // "web"
    ASSERT_TRUE(pressUntil(Qt::Key_Tab, QStringLiteral("Image3_3")));
    press(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&harness.owner->newLinkFrm()));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Nursery"));
    press(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("https://nursery.example"));
    press(Qt::Key_Return);
    EXPECT_FALSE(harness.owner->isNewLinkFrmLoaded());
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    EXPECT_EQ(harness.label(main, QStringLiteral("Label1_3"))->text(), "web  [2]");

    ASSERT_TRUE(pressUntil(Qt::Key_Tab, QStringLiteral("FileNote")));
    press(Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(" and a pond"));
    ASSERT_TRUE(pressUntil(Qt::Key_Tab, QStringLiteral("Label1_6"))); // "save changes"
    press(Qt::Key_Space);
    const std::string file = readFile(harness.state.DataFilePath);
    EXPECT_NE(file.find("Nursery\xAChttps://nursery.example"), std::string::npos);
    EXPECT_NE(file.find("weeds and seeds and a pond"), std::string::npos);
}

// The share of the places round the edge of `bare` where, along the three pixels
// from the edge inwards, at least one changes by 3:1 in `framed`: a line that
// shows (nearly) all the way round.
double shareOfEdgeThatShowsALine(const QImage& bare, const QImage& framed)
{
    auto changes = [&](int x, int y) { return wcagContrast(bare.pixelColor(x, y), framed.pixelColor(x, y)) >= 3.0; };
    const int w = bare.width(), h = bare.height();
    int places = 0, showing = 0;
    for (int x = 3; x < w - 3; ++x) {
        for (int y : {0, h - 3}) {
            ++places;
            showing += changes(x, y) || changes(x, y + 1) || changes(x, y + 2);
        }
    }
    for (int y = 3; y < h - 3; ++y) {
        for (int x : {0, w - 3}) {
            ++places;
            showing += changes(x, y) || changes(x + 1, y) || changes(x + 2, y);
        }
    }
    return places == 0 ? 0.0 : static_cast<double>(showing) / places;
}

class FocusFrameInEveryScheme : public ::testing::TestWithParam<int> {};

// Every control Tab reaches in the main window is framed when it has the focus, in
// a colour that stands out from what shows round the control without it.
TEST_P(FocusFrameInEveryScheme, TheFocusIsFramedVisiblyOnEveryControl)
{
    WindowHarness harness;
    chooseScheme(harness, GetParam());
    QWidget* main = mainWindowWithRecord(harness);
    ASSERT_TRUE(activate(main));
    harness.find<QLineEdit>(main, QStringLiteral("SearchTxt"))->setFocus(Qt::TabFocusReason);
    for (int step = 0; step < 50; ++step) {
        QWidget* control = focused();
        SCOPED_TRACE(control->objectName().toStdString());
        auto* frame = main->findChild<windows::FocusFrame*>();
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->framed(), control);
        EXPECT_TRUE(frame->isVisible());
        const QRect place = QRect(control->mapTo(main, QPoint(0, 0)), control->size()).adjusted(-3, -3, 3, 3);
        EXPECT_EQ(frame->geometry(), place);
        // Round the control a line of 3:1 appears when it takes the focus.
        control->clearFocus();
        const QImage bare = main->grab(place).toImage();
        control->setFocus(Qt::TabFocusReason);
        const QImage framed = main->grab(place).toImage();
        EXPECT_GE(shareOfEdgeThatShowsALine(bare, framed), 0.9);
        press(Qt::Key_Tab);
    }
}

INSTANTIATE_TEST_SUITE_P(NoSchemeAndSchemes1To9, FocusFrameInEveryScheme, ::testing::Range(0, 10));

} // namespace
