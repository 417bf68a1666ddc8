#pragma once

#include <QColor>

class QWidget;

namespace windows {

// The colour painted behind `widget` where it paints no background of its own:
// the topmost sibling below it that covers it and fills its background (a filled
// frame, a row, a strip), else its parent's background, and so on up to the
// window.
QColor backdropColour(const QWidget* widget);

// The colour a widget shows where it has no text: its own background when it
// fills one, else its backdrop.
QColor backgroundColour(const QWidget* widget);

// Tells the labels that lie over `backdrop` and paint no background of their own
// that what is behind them changed, so their text is drawn legibly over it again.
void backdropChanged(QWidget* backdrop);

} // namespace windows
