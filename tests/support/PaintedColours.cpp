#include "support/PaintedColours.h"

#include <QHash>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace testing_support {
namespace {

double luminance(const QColor& colour)
{
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.red()) + 0.7152 * channel(rgb.green()) + 0.0722 * channel(rgb.blue());
}

} // namespace

double wcagContrast(const QColor& first, const QColor& second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor shownOver(const QColor& colour, const QColor& background)
{
    const double alpha = colour.alphaF();
    auto mix = [alpha](int front, int back) { return static_cast<int>(std::lround(front * alpha + back * (1 - alpha))); };
    return QColor(mix(colour.red(), background.red()), mix(colour.green(), background.green()),
                  mix(colour.blue(), background.blue()));
}

QImage paintedArea(const QWidget* control)
{
    QWidget* window = control->window();
    const QRect place(control->mapTo(window, QPoint(0, 0)), control->size());
    return window->grab(place).toImage();
}

QColor paintedBackground(const QWidget* control)
{
    return mostCommonColour(paintedArea(control));
}

QColor mostCommonColour(const QImage& picture)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y) | 0xFF000000u];
    }
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    }
    return QColor::fromRgb(best);
}

} // namespace testing_support
