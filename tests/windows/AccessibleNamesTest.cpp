// What a screen reader announces: every control of every window has a name of
// its own, and controls that look alike are told apart.

#include "support/EveryWindow.h"
#include "windows/controls/FocusFrame.h"
#include "windows/links/LinkFrm.h"
#include "windows/links/NewLinkFrm.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>

#include <gtest/gtest.h>

#include <map>

using namespace testing_support;

namespace {

QString spokenName(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); }

// Frames, rules and the parts of a box (its edit line, viewport, scroll bars) are
// not controls of their own.
bool isControl(const QWidget* widget)
{
    if (widget->isWindow() || qobject_cast<const windows::FrameShape*>(widget) || qobject_cast<const windows::FocusFrame*>(widget))
        return false;
    for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget()) {
        if (qobject_cast<const QComboBox*>(up) || qobject_cast<const QAbstractScrollArea*>(up))
            return false;
    }
    return true;
}

TEST(AccessibleNamesTest, EveryControlOfEveryWindowHasANameOfItsOwn)
{
    WindowHarness harness;
    for (const WindowLoader& loader : everyWindow()) {
        QWidget* window = loader.load(harness);
        std::map<QString, QString> owners; // name -> the control that has it
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!isControl(control))
                continue;
            const QString name = spokenName(control);
            EXPECT_FALSE(name.trimmed().isEmpty()) << loader.name << "/" << control->objectName().toStdString();
            const auto [known, added] = owners.emplace(name, control->objectName());
            EXPECT_TRUE(added) << loader.name << ": \"" << name.toStdString() << "\" names both "
                               << known->second.toStdString() << " and " << control->objectName().toStdString();
        }
        EXPECT_FALSE(owners.empty()) << loader.name; // the e-mail group window holds only its browser
    }
}

TEST(AccessibleNamesTest, SwatchesCellsAndLinkWindowsAreToldApartTheirCaptionsKept)
{
    WindowHarness harness;
    QWidget* main = mainWindowWithRecord(harness);
    const char* swatches[] = {"cols1_5", "cols2_2", "cols3_2", "cols4_2", "cols5_2", "cols6_2", "cols7_2", "cols8_2", "cols9_6"};
    for (int scheme = 1; scheme <= 9; ++scheme) {
        windows::TagLabel* swatch = harness.label(main, QString::fromLatin1(swatches[scheme - 1]));
        EXPECT_EQ(spokenName(swatch), QStringLiteral("colour scheme %1").arg(scheme));
        EXPECT_EQ(swatch->toolTip(), "choose colour scheme");
    }
    for (int i = 0; i < 10; ++i) {
        windows::TagLabel* cell = harness.label(main, QStringLiteral("Label3_%1").arg(i));
        EXPECT_EQ(spokenName(cell), QStringLiteral("transparency %1%").arg(10 * (i + 1)));
        EXPECT_EQ(cell->toolTip(), "set application transparency");
    }
    // The link menu and the add / edit link window share the caption "link".
    WindowHarness::click(harness.label(main, QStringLiteral("resB_0")));
    windows::LinkFrm& menu = harness.owner->linkFrm();
    EXPECT_EQ(spokenName(&menu), "link menu");
    EXPECT_EQ(menu.windowTitle(), "link");
    WindowHarness::click(harness.label(&menu, QStringLiteral("LinkType_2"))); // "edit email"
    EXPECT_EQ(spokenName(&harness.owner->newLinkFrm()), "edit link");
    EXPECT_EQ(harness.owner->newLinkFrm().windowTitle(), "link");
    WindowHarness::click(harness.label(main, QStringLiteral("Image3_3")));
    EXPECT_EQ(spokenName(&harness.owner->newLinkFrm()), "add link");
}

} // namespace
