#include "windows/controls/Backdrop.h"

#include "windows/controls/TagLabel.h"

#include <QWidget>

namespace windows {
namespace {

bool fillsBackground(const QWidget* widget)
{
    return widget->isWindow() || widget->autoFillBackground();
}

} // namespace

QColor backgroundColour(const QWidget* widget)
{
    return fillsBackground(widget) ? widget->palette().color(widget->backgroundRole()) : backdropColour(widget);
}

QColor backdropColour(const QWidget* widget)
{
    const QWidget* parent = widget->parentWidget();
    if (!parent || widget->isWindow())
        return widget->palette().color(widget->backgroundRole());
    // Children are kept in stacking order: those before `widget` lie below it.
    const QObjectList& siblings = parent->children();
    const QRect place = widget->geometry();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(widget)) - 1; i >= 0; --i) {
        const auto* below = qobject_cast<const QWidget*>(siblings.at(i));
        if (below && !below->isWindow() && below->isVisibleTo(parent) && fillsBackground(below)
            && below->geometry().contains(place))
            return below->palette().color(below->backgroundRole());
    }
    return backgroundColour(parent);
}

void backdropChanged(QWidget* backdrop)
{
    QWidget* parent = backdrop->parentWidget();
    if (!parent)
        return;
    const QObjectList& siblings = parent->children();
    const QRect place = backdrop->geometry();
    for (qsizetype i = siblings.indexOf(backdrop) + 1; i < siblings.size(); ++i) {
        auto* label = qobject_cast<TagLabel*>(siblings.at(i));
        if (label && !label->autoFillBackground() && place.intersects(label->geometry()))
            label->refreshColours();
    }
}

} // namespace windows
