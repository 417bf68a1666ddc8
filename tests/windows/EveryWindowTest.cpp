// Every window, in every colour scheme and with none chosen, walked once: each text
// legible at rest and under the pointer, each control named for a screen reader,
// texts whole (or cut with the whole on hover), pictures sharp. The main window
// besides: Tab through it in order with the focus framed, its disabled commands
// slanted, and a record found, opened, linked and changed by keys alone, hearing its
// click sounds; and the contrast rule every drawn text follows.

#include "support/EveryWindow.h"
#include "windows/controls/FocusFrame.h"
#include "windows/controls/Legibility.h"
#include "windows/links/LinkFrm.h"
#include "windows/links/NewLinkFrm.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHash>

#include <gmock/gmock.h>

using namespace testing_support;
using windows::contrastRatio;
using windows::legibleText;
using windows::TagLabel;
using ::testing::IsEmpty;
using Role = QPalette::ColorRole;

namespace {

// `colour` as it shows over `background` (its alpha blended in).
QColor shownOver(const QColor& colour, const QColor& background)
{
    const double a = colour.alphaF();
    auto mix = [a](int front, int back) { return static_cast<int>(std::lround(front * a + back * (1 - a))); };
    return QColor(mix(colour.red(), background.red()), mix(colour.green(), background.green()), mix(colour.blue(), background.blue()));
}

// What the window shows in `control`'s place, widened by `margin` on every side.
QImage paintedArea(const QWidget* control, int margin = 0)
{
    const QRect place(control->mapTo(control->window(), QPoint(0, 0)), control->size());
    return control->window()->grab(place.adjusted(-margin, -margin, margin, margin)).toImage();
}

// The share of places round the edge of `bare` where one of the three pixels from
// the edge inwards changes by 3:1 in `framed`: a line showing all the way round.
double shareOfEdgeShowingALine(const QImage& bare, const QImage& framed)
{
    auto changes = [&](int x, int y) { return contrastRatio(bare.pixelColor(x, y), framed.pixelColor(x, y)) >= 3.0; };
    const int w = bare.width(), h = bare.height();
    int places = 0, showing = 0;
    for (int x = 3; x < w - 3; ++x, places += 2)
        showing += (changes(x, 0) || changes(x, 1) || changes(x, 2)) + (changes(x, h - 1) || changes(x, h - 2) || changes(x, h - 3));
    for (int y = 3; y < h - 3; ++y, places += 2)
        showing += (changes(0, y) || changes(1, y) || changes(2, y)) + (changes(w - 1, y) || changes(w - 2, y) || changes(w - 3, y));
    return static_cast<double>(showing) / places;
}

// The colour most often found in `picture`: in a control's place, the background.
QColor mostCommonColour(const QImage& picture)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y) | 0xFF000000u];
    const auto most = std::max_element(counts.cbegin(), counts.cend());
    return most == counts.cend() ? QColor() : QColor::fromRgb(most.key());
}

// Texts read under 4.5:1, in all three colour groups (a window goes out of focus, any
// control may be disabled); boxes and lists whether or not they show a text now.
std::vector<std::string> illegibleTexts(const QList<QWidget*>& controls)
{
    std::vector<std::string> failures;
    for (const QWidget* control : controls) {
        std::vector<std::tuple<const char*, Role, Role>> parts; // what, letters, background
        const auto* label = qobject_cast<const QLabel*>(control);
        if (label && !label->text().isEmpty())
            parts = {{"caption", label->foregroundRole(), label->backgroundRole()}};
        else if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QPlainTextEdit*>(control)
                 || qobject_cast<const QAbstractItemView*>(control))
            parts = {{"text", Role::Text, Role::Base}, {"hint", Role::PlaceholderText, Role::Base},
                     {"selection", Role::HighlightedText, Role::Highlight}};
        else if (qobject_cast<const QAbstractButton*>(control)
                 || (qobject_cast<const QComboBox*>(control) && !static_cast<const QComboBox*>(control)->isEditable()))
            parts = {{"caption", Role::ButtonText, Role::Button}};
        if (!control->isVisible() || parts.empty())
            continue;
        // A label that paints no background is read against what the window shows there.
        const QColor painted = label && !label->autoFillBackground() ? mostCommonColour(paintedArea(label)) : QColor();
        for (const auto& [what, letters, background] : parts) {
            for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                // A disabled label that takes the keyboard draws through a text document, in the text role.
                const Role role = label && group == QPalette::Disabled && label->focusPolicy() != Qt::NoFocus ? Role::Text : letters;
                const QColor behind = painted.isValid() ? painted : control->palette().color(group, background);
                const QColor text = shownOver(control->palette().color(group, role), behind);
                if (contrastRatio(text, behind) < 4.5)
                    failures.push_back(control->objectName().toStdString() + " " + what + " (group " + std::to_string(group)
                                       + "): " + text.name().toStdString() + " on " + behind.name().toStdString());
            }
        }
    }
    return failures;
}

// The edit line, viewport and scroll bars of a box or list are not controls of their own.
bool isPartOfABox(const QWidget* widget)
{
    for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget())
        if (qobject_cast<const QComboBox*>(up) || qobject_cast<const QAbstractScrollArea*>(up))
            return true;
    return false;
}

QString spokenName(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); }

// A label's picture sharp at this scale, its text whole, or cut with "..." and the whole on hover.
void expectWholeAndSharp(const QLabel* label, int& cut)
{
    const std::string name = label->objectName().toStdString();
    if (!label->pixmap().isNull()) {
        EXPECT_EQ(label->pixmap().devicePixelRatio(), qApp->devicePixelRatio() > 1.0 ? 2.0 : 1.0) << name;
    }
    const int indent = label->alignment() & Qt::AlignHCenter ? 0 : std::max(label->indent(), 0);
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width() - indent) << name;
    EXPECT_LE(label->fontMetrics().height(), label->contentsRect().height()) << name;
    const auto* row = qobject_cast<const TagLabel*>(label);
    if (row && row->text() != row->caption()) {
        ++cut;
        EXPECT_TRUE(row->text().endsWith(QStringLiteral("...")) && row->toolTip() == row->caption()) << name;
    }
}

// One window: names of their own, texts whole, and every text legible at rest and hovered.
void expectWindowReadable(QWidget* window, int& cut)
{
    EXPECT_THAT(illegibleTexts(window->findChildren<QWidget*>()), IsEmpty());
    std::map<QString, QString> owners; // spoken name -> the control that has it
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isWindow() || isPartOfABox(widget))
            continue;
        const QString object = widget->objectName();
        if (!qobject_cast<windows::FrameShape*>(widget) && !qobject_cast<windows::FocusFrame*>(widget)) {
            const QString name = spokenName(widget);
            EXPECT_FALSE(name.trimmed().isEmpty()) << object.toStdString();
            const auto [known, added] = owners.emplace(name, object);
            EXPECT_TRUE(added) << name.toStdString() << " names " << known->second.toStdString() << " and " << object.toStdString();
        }
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (label && label->isVisible() && (!label->text().isEmpty() || !label->pixmap().isNull()))
            expectWholeAndSharp(label, cut);
    }
    EXPECT_FALSE(owners.empty()); // the e-mail group window holds only its browser
    for (TagLabel* label : window->findChildren<TagLabel*>())
        if (label->isVisible() && label->isEnabled() && !label->text().isEmpty()) {
            WindowHarness::hover(label);
            EXPECT_THAT(illegibleTexts({label}), IsEmpty());
        }
}

// The control a person sees as focused (a combo box for its edit line).
QWidget* focused()
{
    QWidget* widget = QApplication::focusWidget();
    return widget && qobject_cast<QComboBox*>(widget->parentWidget()) ? widget->parentWidget() : widget;
}
std::string focusedName() { return focused() ? focused()->objectName().toStdString() : "(none)"; }
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(QApplication::focusWidget(), key, modifiers); }
void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
bool pressUntil(Qt::Key key, const std::string& name) // at most 40 presses
{
    for (int i = 0; i < 40 && focusedName() != name; ++i)
        press(key);
    return focusedName() == name;
}

class InEveryScheme : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { chooseScheme(harness, GetParam(), true); }
    WindowHarness harness;
};

TEST_P(InEveryScheme, EveryWindowIsLegibleNamedAndWhole)
{
    int cut = 0;
    for (const WindowLoader& loader : everyWindow()) {
        SCOPED_TRACE(loader.name);
        QWidget* window = loader.load(harness);
        ASSERT_TRUE(window->isVisible());
        expectWindowReadable(window, cut);
    }
    EXPECT_GE(cut, 4); // the long master, sub and link names and the picker's path
}

TEST_P(InEveryScheme, TheMainWindowIsWalkedByTabShowsItsStatesAndIsWorkedByKeysAlone)
{
    QWidget* main = mainWindowWithRecord(harness); // master row 0 and the "email" tab chosen, the file menu open
    while (harness.owner->dataFrm().isTyping()) // the note shown whole
        harness.owner->dataFrm().Timer1_Timer();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    const QString expected = QStringLiteral(
        "SearchTxt StatusCombo StatusTxt Res_0 Res_1 Subs_0 Subs_1 Label1_0 Label1_1 Label1_2 Label1_3 resA_0 resB_0 "
        "resA_1 resB_1 Image3_3 FileNote Label1_4 Label1_5 Label1_7 Label1_8 Label1_9 cols1_5 cols2_2 cols3_2 cols4_2 "
        "cols5_2 cols6_2 cols7_2 cols8_2 cols9_6 Label3_0 Label3_1 Label3_2 Label3_3 Label3_4 Label3_5 Label3_6 "
        "Label3_7 Label3_8 Label3_9 Image2_2 Image4_0 Image4_10 Image7 Image1 Label7 Label6 Label8 Label4 SearchTxt");
    harness.find<QLineEdit>(main, QStringLiteral("SearchTxt"))->setFocus(Qt::TabFocusReason);
    QStringList walked;
    while (walked.size() <= expected.count(QLatin1Char(' '))) {
        if (!walked.empty())
            press(Qt::Key_Tab);
        QWidget* control = focused();
        walked.push_back(control->objectName());
        control->clearFocus(); // round the control a line of 3:1 shows when it takes the focus
        const QImage bare = paintedArea(control, 3);
        control->setFocus(Qt::TabFocusReason);
        EXPECT_GE(shareOfEdgeShowingALine(bare, paintedArea(control, 3)), 0.9) << control->objectName().toStdString();
    }
    EXPECT_EQ(walked.join(QLatin1Char(' ')).toStdString(), expected.toStdString());

    EXPECT_TRUE(harness.label(main, QStringLiteral("Label1_6"))->font().italic()); // disabled: slanted
    EXPECT_FALSE(harness.label(main, QStringLiteral("Label1_7"))->font().italic());
    // The next scheme picked recolours backgrounds and texts in some order; every text
    // follows what ends up behind it. Swatches and cells are named apart.
    const int next = GetParam() % 9 + 1;
    const QStringList order = expected.split(QLatin1Char(' ')); // the nine swatches follow "Label1_9"
    TagLabel* swatch = harness.label(main, order[order.indexOf(QStringLiteral("Label1_9")) + next]);
    WindowHarness::click(swatch);
    EXPECT_EQ(harness.state.Settings.ColourScheme, next);
    EXPECT_THAT(illegibleTexts(main->findChildren<QWidget*>()), IsEmpty());
    auto spoken = [](TagLabel* control) { return (spokenName(control) + " / " + control->toolTip()).toStdString(); };
    EXPECT_EQ(spoken(swatch), "colour scheme " + std::to_string(next) + " / choose colour scheme");
    EXPECT_EQ(spoken(harness.label(main, QStringLiteral("Label3_%1").arg(GetParam()))),
              "transparency " + std::to_string(10 * GetParam() + 10) + "% / set application transparency");

    // The steps the README gives, with the link menu closing on Escape; what lands on
    // disk is what was typed.
    harness.find<QLineEdit>(main, QStringLiteral("SearchTxt"))->setFocus(Qt::TabFocusReason);
    press(Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("garden"));
    press(Qt::Key_Return); // on to the first record found
    press(Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([] { return focusedName() == "FileNote"; })); // the note box takes the keyboard
    press(Qt::Key_X); // shows the note whole at once
    ASSERT_TRUE(QTest::qWaitFor([&] { return !harness.owner->dataFrm().isTyping(); }));
    ASSERT_TRUE(pressUntil(Qt::Key_Backtab, "Label1_3"));
    press(Qt::Key_Return); // "web"
    ASSERT_TRUE(pressUntil(Qt::Key_Tab, "resB_0"));
    press(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&harness.owner->linkFrm()));
    EXPECT_EQ(focusedName(), "LinkType_0"); // the menu takes the keyboard on its first entry
    press(Qt::Key_Escape);
    EXPECT_FALSE(harness.owner->isLinkFrmLoaded());
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    ASSERT_TRUE(pressUntil(Qt::Key_Tab, "Image3_3"));
    press(Qt::Key_Return); // add a link
    ASSERT_TRUE(QTest::qWaitForWindowActive(&harness.owner->newLinkFrm()));
    EXPECT_EQ(spokenName(&harness.owner->newLinkFrm()) + " / " + harness.owner->newLinkFrm().windowTitle(), "add link / link");
    type(QStringLiteral("Nursery"));
    press(Qt::Key_Tab);
    type(QStringLiteral("https://nursery.example"));
    press(Qt::Key_Return);
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
    // 1 for a row, 2 for a record command, 3 for the key that shows a note whole; with
    // no settings the sound is off.
    const std::vector<int> heard{1, 2, 1, 3, 2, 2, 1}; // set up; found; the key; "web"; saved and shown again
    EXPECT_EQ(harness.fakes.sounds.played, GetParam() == 0 ? std::vector<int>() : heard);
    WindowHarness::click(harness.label(main, QStringLiteral("resB_0")));
    WindowHarness::click(harness.label(&harness.owner->linkFrm(), QStringLiteral("LinkType_2"))); // "edit"
    EXPECT_EQ(spokenName(&harness.owner->newLinkFrm()), "edit link");
}

INSTANTIATE_TEST_SUITE_P(NoSchemeAndSchemes1To9, InEveryScheme, ::testing::Range(0, 10));

TEST(LegibilityTest, ContrastFollowsThePublishedFormulaAndOnlyTheLightnessOfAFailingTextMovesJustFarEnough)
{
    // Published reference values of the WCAG 2.x formula.
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(Qt::white, Qt::white), 1.0, 1e-9);
    EXPECT_NEAR(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.005);
    EXPECT_NEAR(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.005);
    EXPECT_NEAR(contrastRatio(QColor(255, 0, 0), Qt::white), 4.00, 0.005);
    EXPECT_NEAR(contrastRatio(QColor(0, 0, 255), Qt::black), 2.44, 0.005);

    // Pairs that pass are drawn as they are; the schemes' weak pairs (button captions
    // in shade 3 on shade 4, hints, black on black) keep their hue and just reach 4.5.
    EXPECT_EQ(legibleText(QColor(192, 0, 0), QColor(255, 255, 255)), QColor(192, 0, 0));
    const QColor pairs[][2] = {{QColor(0, 192, 0), QColor(0, 128, 0)}, {QColor(0, 46, 0), QColor(0, 64, 0)},
                               {QColor(0, 0, 0), QColor(0, 0, 0)}, {QColor(255, 255, 255), QColor(255, 255, 255)},
                               {QColor(128, 128, 128), QColor(64, 64, 64)}, {QColor(192, 192, 0), QColor(255, 255, 128)}};
    for (const auto& [text, background] : pairs) {
        const QColor drawn = legibleText(text, background);
        SCOPED_TRACE(text.name().toStdString() + " on " + background.name().toStdString());
        EXPECT_GE(contrastRatio(drawn, background), 4.5);
        EXPECT_LT(contrastRatio(drawn, background), 4.8); // the smallest step, not the extreme
        EXPECT_NEAR(drawn.hslHue(), text.hslHue(), 2);
        EXPECT_NEAR(drawn.hslSaturation(), text.hslSaturation(), 3);
    }
    // On a middle grey both ends reach 4.5 and the nearer wins: a light grey text turns lighter.
    EXPECT_GT(legibleText(QColor(150, 150, 150), QColor(118, 118, 118)).lightness(), 150);
}

} // namespace
