#pragma once

#include "store/AppState.h"
#include "windows/controls/TagLabel.h"

namespace windows {

// The hover rule of the main and start windows' rows and buttons. At rest: the
// background shade 5, or in the black-and-white scheme shade 1 with text in
// shade 2. Under the pointer: the background shade 4, or in black and white the
// two swapped. A hovered label is also underlined, as in some schemes the two
// backgrounds are hard to tell apart.
void showResting(TagLabel* label, const store::AppState& state);
void showHovered(TagLabel* label, const store::AppState& state);

// The password window's rule, the same in every scheme: the background shade 5 at
// rest and shade 4 under the pointer; the text keeps its colour.
void showRestingBackground(TagLabel* label, const store::AppState& state);
void showHoveredBackground(TagLabel* label, const store::AppState& state);

} // namespace windows
