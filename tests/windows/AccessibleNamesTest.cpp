// What a screen reader announces: every control of every window has a name of
// its own, and controls that look alike are told apart.

#include "support/EveryWindow.h"
#include "windows/controls/TagLabel.h"
#include "windows/links/LinkFrm.h"
#include "windows/links/NewLinkFrm.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>

#include <gtest/gtest.h>

#include <map>

using namespace testing_support;

namespace {

QString spokenName(QWidget* widget)
{
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
    return spoken ? spoken->text(QAccessible::Name) : QString();
}

// The parts of a combo box or a list (its edit line, viewport, scroll bars) are
// announced as the box.
bool isPartOfAControl(const QWidget* widget, const QWidget* window)
{
    for (const QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget()) {
        if (qobject_cast<const QComboBox*>(up) || qobject_cast<const QAbstractScrollArea*>(up))
            return true;
    }
    return false;
}

// The controls of a window: everything but its frames and rules and the parts of
// its boxes.
std::vector<QWidget*> controlsOf(QWidget* window)
{
    std::vector<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isWindow() || qobject_cast<windows::FrameShape*>(widget) || isPartOfAControl(widget, window)
            || widget->inherits("windows::FocusFrame"))
            continue;
        controls.push_back(widget);
    }
    return controls;
}

TEST(AccessibleNamesTest, EveryControlOfEveryWindowHasANameOfItsOwn)
{
    WindowHarness harness;
    for (const WindowLoader& loader : everyWindow()) {
        SCOPED_TRACE(loader.name);
        QWidget* window = loader.load(harness);
        std::map<QString, QString> owners; // name -> the control that has it
        for (QWidget* control : controlsOf(window)) {
            const QString name = spokenName(control);
            EXPECT_FALSE(name.trimmed().isEmpty()) << control->objectName().toStdString();
            const auto [known, added] = owners.emplace(name, control->objectName());
            EXPECT_TRUE(added) << "\"" << name.toStdString() << "\" names both " << known->second.toStdString()
                               << " and " << control->objectName().toStdString();
        }
        EXPECT_GT(owners.size(), 3u);
    }
}

TEST(AccessibleNamesTest, SwatchesCellsAndLinkWindowsAreToldApart)
{
    WindowHarness harness;
    QWidget* main = mainWindowWithRecord(harness);
    const char* largeSwatches[] = {"cols1_5", "cols2_2", "cols3_2", "cols4_2", "cols5_2",
                                   "cols6_2", "cols7_2", "cols8_2", "cols9_6"};
    const char* schemeNames[] = {"colour scheme 1", "colour scheme 2", "colour scheme 3", "colour scheme 4", "colour scheme 5",
                                 "colour scheme 6", "colour scheme 7", "colour scheme 8", "colour scheme 9"};
    for (int i = 0; i < 9; ++i) {
        windows::TagLabel* swatch = harness.label(main, QString::fromLatin1(largeSwatches[i]));
        EXPECT_EQ(spokenName(swatch), QString::fromLatin1(schemeNames[i]));
        EXPECT_EQ(swatch->toolTip(), "choose colour scheme");
    }
    const char* cellNames[] = {"transparency 10%", "transparency 20%", "transparency 30%", "transparency 40%",
                               "transparency 50%", "transparency 60%", "transparency 70%", "transparency 80%",
                               "transparency 90%", "transparency 100%"};
    for (int i = 0; i < 10; ++i) {
        windows::TagLabel* cell = harness.label(main, QStringLiteral("Label3_%1").arg(i));
        EXPECT_EQ(spokenName(cell), QString::fromLatin1(cellNames[i]));
        EXPECT_EQ(cell->toolTip(), "set application transparency");
    }

    // The link menu and the add / edit link window share the caption "link".
    WindowHarness::click(harness.label(main, QStringLiteral("resB_0")));
    ASSERT_TRUE(harness.owner->isLinkFrmLoaded());
    windows::LinkFrm& menu = harness.owner->linkFrm();
    EXPECT_EQ(spokenName(&menu), "link menu");
    EXPECT_EQ(menu.windowTitle(), "link");
    WindowHarness::click(harness.label(&menu, QStringLiteral("LinkType_2"))); // "edit email"
    windows::NewLinkFrm& editor = harness.owner->newLinkFrm();
    EXPECT_EQ(spokenName(&editor), "edit link");
    EXPECT_EQ(editor.windowTitle(), "link");
    harness.owner->unloadNewLinkFrm();
    WindowHarness::click(harness.label(main, QStringLiteral("Image3_3")));
    EXPECT_EQ(spokenName(&harness.owner->newLinkFrm()), "add link");
}

} // namespace
