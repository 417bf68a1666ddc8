#pragma once

#include "support/WindowHarness.h"

#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// One top-level window, reached the way a person reaches it and left showing as
// many of its texts at once as it can (a record chosen, its links listed, a list
// item selected, long names that do not fit).
struct WindowLoader {
    std::string name;
    std::function<QWidget*(WindowHarness&)> load;
};

// Every window the window owner can load. A new window is added here, and the
// legibility, name and scaling tests check it too.
const std::vector<WindowLoader>& everyWindow();

// The main window with master "Garden" chosen (two sub records, links of every
// kind) and its e-mail links listed; opened on first use.
QWidget* mainWindowWithRecord(WindowHarness& harness);

// Writes the settings file of `scheme` (1 to 9), the sound on or off; 0 writes none.
void chooseScheme(WindowHarness& harness, int scheme, bool soundOn = false);

} // namespace testing_support
