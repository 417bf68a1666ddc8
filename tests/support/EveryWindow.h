#pragma once

#include "support/WindowHarness.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// One top-level window, reached the way a person reaches it, and left showing as
// many of its texts at once as it can (a record chosen, its links listed, a list
// item selected, a box filled in).
struct WindowLoader {
    std::string name;
    std::function<QWidget*(WindowHarness&)> load;
};

// Every window the window owner can load. A new window is added here, and the
// legibility, name and keyboard tests check it too.
const std::vector<WindowLoader>& everyWindow();

// The main window with a record chosen (master "Garden", with sub records and
// links of every kind) and its e-mail links listed; opened on first use.
QWidget* mainWindowWithRecord(WindowHarness& harness);

// The settings file of `scheme` (1 to 9); 0 writes none.
void chooseScheme(WindowHarness& harness, int scheme);

} // namespace testing_support
