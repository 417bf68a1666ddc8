#include "windows/controls/ColourSchemes.h"

#include "windows/controls/Colours.h"

namespace windows {
namespace {

using Palette = std::array<std::uint32_t, 6>;

const std::array<Palette, 9> kPalettes = {{
    {colourRef(255, 255, 255), colourRef(224, 224, 224), colourRef(192, 192, 192), colourRef(128, 128, 128),
     colourRef(64, 64, 64), colourRef(0, 0, 0)},
    {colourRef(255, 192, 192), colourRef(255, 128, 128), colourRef(255, 0, 0), colourRef(192, 0, 0),
     colourRef(128, 0, 0), colourRef(64, 0, 0)},
    {colourRef(255, 224, 192), colourRef(255, 192, 128), colourRef(255, 128, 0), colourRef(192, 64, 0),
     colourRef(128, 64, 0), colourRef(128, 64, 64)},
    {colourRef(255, 255, 192), colourRef(255, 255, 128), colourRef(255, 255, 0), colourRef(192, 192, 0),
     colourRef(128, 128, 0), colourRef(64, 64, 0)},
    {colourRef(192, 255, 192), colourRef(128, 255, 128), colourRef(0, 255, 0), colourRef(0, 192, 0),
     colourRef(0, 128, 0), colourRef(0, 64, 0)},
    {colourRef(192, 255, 255), colourRef(128, 255, 255), colourRef(0, 255, 255), colourRef(0, 192, 192),
     colourRef(0, 128, 128), colourRef(0, 64, 64)},
    {colourRef(192, 192, 255), colourRef(128, 128, 255), colourRef(0, 0, 255), colourRef(0, 0, 192),
     colourRef(0, 0, 128), colourRef(0, 0, 64)},
    {colourRef(255, 192, 255), colourRef(255, 128, 255), colourRef(255, 0, 255), colourRef(192, 0, 192),
     colourRef(128, 0, 128), colourRef(64, 0, 64)},
    // Black and white: one large white swatch; its shades are fixed.
    {kWhite, kWhite, kBlack, kBlack, kBlack, kWhite},
}};

} // namespace

const std::array<std::uint32_t, 6>& schemePalette(int scheme)
{
    return kPalettes.at(static_cast<std::size_t>(scheme - 1));
}

SchemeShades schemeShades(int scheme, const SchemeShades& current)
{
    if (!isScheme(scheme))
        return current;
    const Palette& palette = schemePalette(scheme);
    return {palette[1], palette[2], palette[3], palette[4], palette[5]};
}

} // namespace windows
