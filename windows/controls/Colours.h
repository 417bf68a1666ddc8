#pragma once

#include <QColor>

#include <cstdint>

namespace windows {

// Colours are kept as the platform's 0x00BBGGRR values, red in the low byte.
inline QColor fromColourRef(std::uint32_t value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

inline constexpr std::uint32_t colourRef(int red, int green, int blue)
{
    return static_cast<std::uint32_t>(red) | (static_cast<std::uint32_t>(green) << 8)
         | (static_cast<std::uint32_t>(blue) << 16);
}

inline constexpr std::uint32_t kWhite = colourRef(255, 255, 255);
inline constexpr std::uint32_t kBlack = 0;

// Sizes given in twips: 15 twips to a pixel at 96 dots per inch.
inline constexpr int twipsToPixels(double twips) { return static_cast<int>(twips / 15.0); }
inline constexpr double pixelsToTwips(int pixels) { return pixels * 15.0; }

} // namespace windows
