#pragma once

#include <QColor>
#include <QImage>

class QWidget;

namespace testing_support {

// The WCAG 2.x contrast ratio, read here apart from the program's own routine.
double wcagContrast(const QColor& first, const QColor& second);

// `colour` as it shows over `background` (its alpha blended in).
QColor shownOver(const QColor& colour, const QColor& background);

// What the window shows in `control`'s place, as a picture.
QImage paintedArea(const QWidget* control);

// The colour painted most often in `control`'s place: the background a text is
// read against (the letters cover far less than the rest).
QColor paintedBackground(const QWidget* control);

// The colour most often found in `picture`.
QColor mostCommonColour(const QImage& picture);

} // namespace testing_support
