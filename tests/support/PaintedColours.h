#pragma once

#include <QColor>
#include <QImage>

class QWidget;

namespace testing_support {

// The WCAG 2.x contrast ratio (the program's routine, checked against published
// values by LegibilityTest).
double wcagContrast(const QColor& first, const QColor& second);

// `colour` as it shows over `background` (its alpha blended in).
QColor shownOver(const QColor& colour, const QColor& background);

// What the window shows in `control`'s place, widened by `margin` on every side.
QImage paintedArea(const QWidget* control, int margin = 0);

// The colour most often found in `picture`: in a control's place, the background
// its letters are read against.
QColor mostCommonColour(const QImage& picture);

} // namespace testing_support
