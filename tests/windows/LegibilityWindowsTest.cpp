// Every text of every window is legible over what is behind it, in every colour
// scheme and with none chosen: read from the colours each control paints with.

#include "support/EveryWindow.h"
#include "support/PaintedColours.h"
#include "windows/controls/TagLabel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

constexpr double kMinimum = 4.5;

// One text a control draws: the colour of the letters and what is behind them.
struct DrawnText {
    QString what;
    QColor text;
    QColor background;
};

// A control is read in all three colour groups: a window comes and goes out of
// focus, and any control may be disabled.
const QPalette::ColorGroup kGroups[] = {QPalette::Active, QPalette::Inactive, QPalette::Disabled};

const char* groupName(QPalette::ColorGroup group)
{
    return group == QPalette::Active ? "active" : group == QPalette::Inactive ? "inactive" : "disabled";
}

void addText(std::vector<DrawnText>& texts, const QWidget* control, const char* part, QPalette::ColorRole text,
             QPalette::ColorRole background)
{
    for (QPalette::ColorGroup group : kGroups) {
        texts.push_back({QStringLiteral("%1 (%2)").arg(QLatin1String(part), QLatin1String(groupName(group))),
                         control->palette().color(group, text), control->palette().color(group, background)});
    }
}

// The texts `control` draws as the widget paints them: a label its caption over
// its own background or, when it paints none, over what the window shows there;
// boxes and lists their text, hint and selection over their base (whether or not
// they show one now: the user types, selects and empties them).
std::vector<DrawnText> textsOf(const QWidget* control)
{
    std::vector<DrawnText> texts;
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty())
            return texts;
        // A label taking the keyboard draws through a text document, which takes
        // the text role while disabled.
        const QColor painted = paintedBackground(label);
        for (QPalette::ColorGroup group : kGroups) {
            const QColor behind = label->autoFillBackground() ? label->palette().color(group, label->backgroundRole())
                                                              : painted;
            const QPalette::ColorRole role =
                group == QPalette::Disabled && label->focusPolicy() != Qt::NoFocus ? QPalette::Text : label->foregroundRole();
            texts.push_back({QStringLiteral("caption (%1)").arg(QLatin1String(groupName(group))),
                             label->palette().color(group, role), behind});
        }
    } else if (qobject_cast<const QLineEdit*>(control)) {
        addText(texts, control, "text", QPalette::Text, QPalette::Base);
        if (!static_cast<const QLineEdit*>(control)->placeholderText().isEmpty())
            addText(texts, control, "hint", QPalette::PlaceholderText, QPalette::Base);
        addText(texts, control, "selected text", QPalette::HighlightedText, QPalette::Highlight);
    } else if (qobject_cast<const QPlainTextEdit*>(control) || qobject_cast<const QAbstractItemView*>(control)) {
        addText(texts, control, "text", QPalette::Text, QPalette::Base);
        addText(texts, control, "selected text", QPalette::HighlightedText, QPalette::Highlight);
    } else if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        if (!combo->isEditable()) // an edit line shows the text of the others
            addText(texts, combo, "choice", QPalette::ButtonText, QPalette::Button);
    } else if (qobject_cast<const QAbstractButton*>(control)) {
        addText(texts, control, "caption", QPalette::ButtonText, QPalette::Button);
    }
    return texts;
}

// "window/control part: text on background = ratio" for every text under the minimum.
std::vector<std::string> illegibleTexts(QWidget* window, const std::vector<QWidget*>& controls)
{
    std::vector<std::string> failures;
    for (const QWidget* control : controls) {
        if (!control->isVisible())
            continue;
        for (const DrawnText& drawn : textsOf(control)) {
            const QColor letters = shownOver(drawn.text, drawn.background);
            const double ratio = wcagContrast(letters, drawn.background);
            if (ratio < kMinimum) {
                failures.push_back(window->objectName().toStdString() + "/" + control->objectName().toStdString() + " "
                                   + drawn.what.toStdString() + ": " + letters.name().toStdString() + " on "
                                   + drawn.background.name().toStdString() + " = " + std::to_string(ratio));
            }
        }
    }
    return failures;
}

std::vector<std::string> illegibleTexts(QWidget* window)
{
    const QList<QWidget*> controls = window->findChildren<QWidget*>();
    return illegibleTexts(window, std::vector<QWidget*>(controls.begin(), controls.end()));
}

// The labels that change colour under the pointer.
std::vector<windows::TagLabel*> hoverables(QWidget* window)
{
    std::vector<windows::TagLabel*> found;
    for (windows::TagLabel* label : window->findChildren<windows::TagLabel*>()) {
        if (label->isVisible() && !label->text().isEmpty() && label->isEnabled())
            found.push_back(label);
    }
    return found;
}

class LegibleInEveryScheme : public ::testing::TestWithParam<int> {};

TEST_P(LegibleInEveryScheme, EveryTextOfEveryWindowAtRestAndUnderThePointer)
{
    WindowHarness harness;
    chooseScheme(harness, GetParam());
    for (const WindowLoader& loader : everyWindow()) {
        SCOPED_TRACE(loader.name);
        QWidget* window = loader.load(harness);
        EXPECT_THAT(illegibleTexts(window), ::testing::IsEmpty());
        for (windows::TagLabel* label : hoverables(window)) {
            WindowHarness::hover(label);
            EXPECT_THAT(illegibleTexts(window, {label}), ::testing::IsEmpty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(NoSchemeAndSchemes1To9, LegibleInEveryScheme, ::testing::Range(0, 10));

// Picking schemes one after another recolours backgrounds and texts in some order;
// every text follows what ends up behind it.
TEST(LegibilityWindowsTest, PickingEachSchemeInTurnKeepsEveryTextLegible)
{
    WindowHarness harness;
    QWidget* main = mainWindowWithRecord(harness);
    for (int scheme : {9, 1, 2, 3, 4, 5, 6, 7, 8, 9, 3}) {
        SCOPED_TRACE(scheme);
        WindowHarness::click(main->findChild<windows::TagLabel*>(QStringLiteral("cols%1_%2").arg(scheme).arg(scheme == 9 ? 6 : scheme == 1 ? 5 : 2)));
        ASSERT_EQ(harness.state.Settings.ColourScheme, scheme);
        EXPECT_THAT(illegibleTexts(main), ::testing::IsEmpty());
    }
}

} // namespace
