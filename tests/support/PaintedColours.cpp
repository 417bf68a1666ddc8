#include "support/PaintedColours.h"

#include "windows/controls/Legibility.h"

#include <QHash>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace testing_support {

double wcagContrast(const QColor& first, const QColor& second)
{
    return windows::contrastRatio(first, second);
}

QColor shownOver(const QColor& colour, const QColor& background)
{
    const double alpha = colour.alphaF();
    auto mix = [alpha](int front, int back) { return static_cast<int>(std::lround(front * alpha + back * (1 - alpha))); };
    return QColor(mix(colour.red(), background.red()), mix(colour.green(), background.green()),
                  mix(colour.blue(), background.blue()));
}

QImage paintedArea(const QWidget* control, int margin)
{
    QWidget* window = control->window();
    const QRect place(control->mapTo(window, QPoint(0, 0)), control->size());
    return window->grab(place.adjusted(-margin, -margin, margin, margin)).toImage();
}

QColor mostCommonColour(const QImage& picture)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y) | 0xFF000000u];
    }
    const auto most = std::max_element(counts.cbegin(), counts.cend());
    return most == counts.cend() ? QColor() : QColor::fromRgb(most.key());
}

} // namespace testing_support
