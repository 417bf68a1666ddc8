#include "windows/controls/Legibility.h"

#include "windows/controls/Colours.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace windows {
namespace {

double linearChannel(int value)
{
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

QColor withLightness(const QColor& colour, double lightness)
{
    QColor hsl = colour.toHsl();
    return QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), static_cast<float>(lightness));
}

// The lightness nearest to `from`, between `from` and `limit`, that reaches
// `minimum`; none when even `limit` does not.
std::optional<double> nearestLegibleLightness(const QColor& text, const QColor& background, double from,
                                              double limit, double minimum)
{
    if (contrastRatio(withLightness(text, limit), background) < minimum)
        return std::nullopt;
    double failing = from;
    double passing = limit;
    for (int step = 0; step < 24; ++step) {
        const double middle = (failing + passing) / 2;
        if (contrastRatio(withLightness(text, middle), background) >= minimum)
            passing = middle;
        else
            failing = middle;
    }
    return passing;
}

} // namespace

double relativeLuminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearChannel(rgb.red()) + 0.7152 * linearChannel(rgb.green())
         + 0.0722 * linearChannel(rgb.blue());
}

double contrastRatio(const QColor& first, const QColor& second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor legibleText(const QColor& text, const QColor& background, double minimum)
{
    if (contrastRatio(text, background) >= minimum)
        return text;
    const double lightness = text.toHsl().lightnessF();
    const std::optional<double> lighter = nearestLegibleLightness(text, background, lightness, 1.0, minimum);
    const std::optional<double> darker = nearestLegibleLightness(text, background, lightness, 0.0, minimum);
    double chosen = 0;
    if (lighter && darker)
        chosen = (*lighter - lightness) <= (lightness - *darker) ? *lighter : *darker;
    else if (lighter || darker)
        chosen = lighter ? *lighter : *darker;
    else // no background is that close to both ends; the stronger end wins
        chosen = relativeLuminance(background) < 0.18 ? 1.0 : 0.0;
    // Drawn colours have 8-bit channels: step on until the rounded colour passes too.
    const double direction = chosen >= lightness ? 1.0 : -1.0;
    QColor drawn = QColor(withLightness(text, chosen).rgb());
    while (contrastRatio(drawn, background) < minimum && chosen > 0.0 && chosen < 1.0) {
        chosen = std::clamp(chosen + direction / 255.0, 0.0, 1.0);
        drawn = QColor(withLightness(text, chosen).rgb());
    }
    return drawn;
}

QColor legibleText(std::uint32_t text, std::uint32_t background)
{
    return legibleText(fromColourRef(text), fromColourRef(background));
}

QColor dimmedText(const QColor& text, const QColor& background)
{
    const QColor from = legibleText(text, background).toRgb();
    const QColor to = background.toRgb();
    auto mix = [](int a, int b) { return (a * 55 + b * 45) / 100; };
    const QColor halfway(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
    return legibleText(halfway, background);
}

} // namespace windows
