#pragma once

#include <array>
#include <cstdint>

namespace windows {

using SchemeShades = std::array<std::uint32_t, 5>;

// The swatch palette of scheme N (1 to 9): element 0 is the light swatch that no
// one reads, elements 1 to 5 are the shades 1 to 5.
const std::array<std::uint32_t, 6>& schemePalette(int scheme);

// True for the schemes 1 to 9; any other number names no scheme.
inline bool isScheme(int scheme) { return scheme >= 1 && scheme <= 9; }

// Shades 1 to 5 of scheme N; `current` is kept when N names no scheme.
SchemeShades schemeShades(int scheme, const SchemeShades& current);

// The scheme the windows wear until the user picks one: green, legible
// throughout. Nothing is written to the settings for it.
inline constexpr int kFirstLookScheme = 5;

// The scheme the windows are drawn in for the stored number: the stored scheme,
// or the first-look scheme when the number names none (no settings file yet).
inline int schemeInUse(int stored) { return isScheme(stored) ? stored : kFirstLookScheme; }

} // namespace windows
