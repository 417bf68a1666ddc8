#include "windows/controls/HoverColours.h"

namespace windows {
namespace {
std::uint32_t shade(const store::AppState& state, int n) { return state.Shades[static_cast<std::size_t>(n - 1)]; }
bool blackAndWhite(const store::AppState& state) { return state.Settings.ColourScheme == 9; }
} // namespace

void showResting(TagLabel* label, const store::AppState& state)
{
    label->setHovered(false);
    if (blackAndWhite(state)) {
        label->setBackColour(shade(state, 1));
        label->setForeColour(shade(state, 2));
    } else {
        label->setBackColour(shade(state, 5));
    }
}

void showHovered(TagLabel* label, const store::AppState& state)
{
    label->setHovered(true);
    if (blackAndWhite(state)) {
        label->setBackColour(shade(state, 2));
        label->setForeColour(shade(state, 1));
    } else {
        label->setBackColour(shade(state, 4));
    }
}

void showRestingBackground(TagLabel* label, const store::AppState& state)
{
    label->setBackColour(shade(state, 5));
}

void showHoveredBackground(TagLabel* label, const store::AppState& state)
{
    label->setBackColour(shade(state, 4));
}

} // namespace windows
