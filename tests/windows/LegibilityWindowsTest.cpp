// Every text of every window is legible over what is behind it, in every colour
// scheme and with none chosen, at rest and under the pointer: read from the
// colours each control paints with.

#include "support/EveryWindow.h"
#include "support/PaintedColours.h"
#include "windows/controls/TagLabel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gmock/gmock.h>

using namespace testing_support;
using ::testing::IsEmpty;

namespace {

using Role = QPalette::ColorRole;

// A control is read in all three colour groups: a window comes and goes out of
// focus, and any control may be disabled. Boxes and lists are read whether or
// not they show a text, hint or selection now.
std::vector<std::string> illegibleTexts(const std::vector<QWidget*>& controls)
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
                if (wcagContrast(text, behind) < 4.5)
                    failures.push_back(control->objectName().toStdString() + " " + what + " (group " + std::to_string(group)
                                       + "): " + text.name().toStdString() + " on " + behind.name().toStdString());
            }
        }
    }
    return failures;
}

std::vector<QWidget*> controlsOf(QWidget* window)
{
    const QList<QWidget*> all = window->findChildren<QWidget*>();
    return {all.begin(), all.end()};
}

class LegibleInEveryScheme : public ::testing::TestWithParam<int> {};

TEST_P(LegibleInEveryScheme, EveryTextOfEveryWindowAtRestAndUnderThePointer)
{
    WindowHarness harness;
    chooseScheme(harness, GetParam());
    for (const WindowLoader& loader : everyWindow()) {
        SCOPED_TRACE(loader.name);
        QWidget* window = loader.load(harness);
        EXPECT_THAT(illegibleTexts(controlsOf(window)), IsEmpty());
        for (windows::TagLabel* label : window->findChildren<windows::TagLabel*>()) {
            if (label->isVisible() && label->isEnabled() && !label->text().isEmpty()) {
                WindowHarness::hover(label);
                EXPECT_THAT(illegibleTexts({label}), IsEmpty());
            }
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
    for (const char* swatch : {"cols9_6", "cols1_5", "cols2_2", "cols3_2", "cols4_2", "cols5_2", "cols6_2", "cols7_2",
                               "cols8_2", "cols9_6", "cols3_2"}) {
        SCOPED_TRACE(swatch);
        WindowHarness::click(harness.label(main, QString::fromLatin1(swatch)));
        EXPECT_THAT(illegibleTexts(controlsOf(main)), IsEmpty());
    }
    EXPECT_EQ(harness.state.Settings.ColourScheme, 3);
}

} // namespace
