#pragma once

#include <QColor>

#include <cstdint>

namespace windows {

// The contrast every drawn text must reach against what is behind it.
inline constexpr double kMinimumTextContrast = 4.5;

// The contrast a state mark (a focus frame, a filled cell, a swatch's edge) must
// reach against what is next to it.
inline constexpr double kMinimumMarkContrast = 3.0;

// Relative luminance of a colour, 0 (black) to 1 (white), as the WCAG 2.x formula
// defines it (sRGB channels linearised, weighted 0.2126, 0.7152, 0.0722).
double relativeLuminance(const QColor& colour);

// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double contrastRatio(const QColor& first, const QColor& second);

// The colour to draw `text` in over `background`: the colour itself when it reaches
// `minimum` contrast; otherwise the same hue and saturation with only its lightness
// moved, by the smallest step that reaches `minimum`. The schemes' stored colours
// never change: every window draws its texts through this one function.
QColor legibleText(const QColor& text, const QColor& background, double minimum = kMinimumTextContrast);

// The same for colours kept as 0x00BBGGRR values.
QColor legibleText(std::uint32_t text, std::uint32_t background);

// A quieter form of `text` for hints and disabled captions: moved part of the way
// towards the background, yet still legible over it.
QColor dimmedText(const QColor& text, const QColor& background);

} // namespace windows
