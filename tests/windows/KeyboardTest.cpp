// The windows used without a pointer: Tab goes through the main window as it
// reads with the focus framed visibly in every scheme, and a record is found,
// opened, given a link and changed by keys alone (Enter and Space acting as a
// click, Escape closing a small window).

#include "support/EveryWindow.h"
#include "support/PaintedColours.h"
#include "windows/links/LinkFrm.h"
#include "windows/links/NewLinkFrm.h"
#include "windows/main/DataFrm.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// The control a person sees as focused (a combo box for its edit line).
QWidget* focused()
{
    QWidget* widget = QApplication::focusWidget();
    return widget && qobject_cast<QComboBox*>(widget->parentWidget()) ? widget->parentWidget() : widget;
}

std::string focusedName() { return focused() ? focused()->objectName().toStdString() : "(none)"; }
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(QApplication::focusWidget(), key, modifiers); }
void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }

// Presses `key` until `name` has the focus, at most 40 times.
bool pressUntil(Qt::Key key, const std::string& name)
{
    for (int i = 0; i < 40 && focusedName() != name; ++i)
        press(key);
    return focusedName() == name;
}

// The share of places round the edge of `bare` where one of the three pixels from
// the edge inwards changes by 3:1 in `framed`: a line showing all the way round.
double shareOfEdgeShowingALine(const QImage& bare, const QImage& framed)
{
    auto changes = [&](int x, int y) { return wcagContrast(bare.pixelColor(x, y), framed.pixelColor(x, y)) >= 3.0; };
    const int w = bare.width(), h = bare.height();
    int places = 0, showing = 0;
    for (int x = 3; x < w - 3; ++x, places += 2)
        showing += (changes(x, 0) || changes(x, 1) || changes(x, 2)) + (changes(x, h - 1) || changes(x, h - 2) || changes(x, h - 3));
    for (int y = 3; y < h - 3; ++y, places += 2)
        showing += (changes(0, y) || changes(1, y) || changes(2, y)) + (changes(w - 1, y) || changes(w - 2, y) || changes(w - 3, y));
    return static_cast<double>(showing) / places;
}

class KeyboardInEveryScheme : public ::testing::TestWithParam<int> {};

TEST_P(KeyboardInEveryScheme, TabGoesThroughTheMainWindowAsItReadsWithTheFocusFramed)
{
    WindowHarness harness;
    chooseScheme(harness, GetParam());
    QWidget* main = mainWindowWithRecord(harness); // two sub records, two e-mail links, the file menu open
    while (harness.owner->dataFrm().isTyping()) // the note shown whole
        harness.owner->dataFrm().Timer1_Timer();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    const QStringList expected = {
        "SearchTxt", "StatusCombo", "StatusTxt", "Res_0", "Res_1", "Subs_0", "Subs_1", "Label1_0", "Label1_1",
        "Label1_2", "Label1_3", "resA_0", "resB_0", "resA_1", "resB_1", "Image3_3", "FileNote", "Label1_4", "Label1_5",
        "Label1_7", "Label1_8", "Label1_9", "cols1_5", "cols2_2", "cols3_2", "cols4_2", "cols5_2", "cols6_2", "cols7_2",
        "cols8_2", "cols9_6", "Label3_0", "Label3_1", "Label3_2", "Label3_3", "Label3_4", "Label3_5", "Label3_6",
        "Label3_7", "Label3_8", "Label3_9", "Image2_2", "Image4_0", "Image4_10", "Image7", "Image1", "Label7", "Label6",
        "Label8", "Label4", "SearchTxt"};
    harness.find<QLineEdit>(main, QStringLiteral("SearchTxt"))->setFocus(Qt::TabFocusReason);
    QStringList walked;
    for (int step = 0; step < expected.size(); ++step) {
        if (step > 0)
            press(Qt::Key_Tab);
        QWidget* control = focused();
        walked.push_back(control->objectName());
        // Round the control a line of 3:1 shows when it takes the focus.
        control->clearFocus();
        const QImage bare = paintedArea(control, 3);
        control->setFocus(Qt::TabFocusReason);
        EXPECT_GE(shareOfEdgeShowingALine(bare, paintedArea(control, 3)), 0.9) << control->objectName().toStdString();
    }
    EXPECT_EQ(walked.join(QLatin1Char(' ')).toStdString(), expected.join(QLatin1Char(' ')).toStdString());
    press(Qt::Key_Backtab);
    EXPECT_EQ(focusedName(), "Label4");
}

INSTANTIATE_TEST_SUITE_P(NoSchemeAndSchemes1To9, KeyboardInEveryScheme, ::testing::Range(0, 10));

// The steps the README gives, with the link menu closing on Escape; what lands on
// disk is what was typed.
TEST(KeyboardTest, ARecordIsFoundOpenedGivenALinkAndChangedByKeysAlone)
{
    WindowHarness harness;
    QWidget* main = mainWindowWithRecord(harness);
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    harness.find<QLineEdit>(main, QStringLiteral("SearchTxt"))->setFocus(Qt::TabFocusReason);
    press(Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("garden"));
    press(Qt::Key_Return); // on to the first record found
    press(Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !harness.owner->dataFrm().isTyping(); }));
    EXPECT_EQ(focusedName(), "FileNote"); // the note box takes the keyboard once the note is shown
    ASSERT_TRUE(pressUntil(Qt::Key_Backtab, "Label1_3"));
    press(Qt::Key_Return); // "web"
    ASSERT_TRUE(pressUntil(Qt::Key_Tab, "resB_0"));
    press(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&harness.owner->linkFrm()));
    EXPECT_EQ(focusedName(), "LinkType_0");
    press(Qt::Key_Escape);
    EXPECT_FALSE(harness.owner->isLinkFrmLoaded());
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));

    ASSERT_TRUE(pressUntil(Qt::Key_Tab, "Image3_3"));
    press(Qt::Key_Return); // add a link
    ASSERT_TRUE(QTest::qWaitForWindowActive(&harness.owner->newLinkFrm()));
    type(QStringLiteral("Nursery"));
    press(Qt::Key_Tab);
    type(QStringLiteral("https://nursery.example"));
    press(Qt::Key_Return);
    EXPECT_FALSE(harness.owner->isNewLinkFrmLoaded());
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    EXPECT_EQ(harness.label(main, QStringLiteral("Label1_3"))->text(), "web  [2]");

    ASSERT_TRUE(pressUntil(Qt::Key_Tab, "FileNote"));
    press(Qt::Key_End, Qt::ControlModifier);
    type(QStringLiteral(" and a pond"));
    ASSERT_TRUE(pressUntil(Qt::Key_Tab, "Label1_6")); // "save changes"
    press(Qt::Key_Space);
    const std::string file = readFile(harness.state.DataFilePath);
    EXPECT_NE(file.find("Nursery\xAChttps://nursery.example"), std::string::npos);
    EXPECT_NE(file.find("weeds and seeds and a pond"), std::string::npos);
}

} // namespace
