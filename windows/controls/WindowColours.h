#pragma once

#include <QColor>

#include <cstdint>

class QWidget;

namespace windows {

// A window's background and the colour of its plain texts, drawn legibly over it.
void paintWindow(QWidget* window, const QColor& background, const QColor& text);

// A box that shows text (a line edit, a note box, a list, a combo box): its
// background and its text drawn legibly over it. Hints and disabled text are
// quieter but stay legible; a selection is shown inverted, and the focus outline
// stands out from the background.
void paintTextBox(QWidget* box, const QColor& background, const QColor& text);
void paintTextBox(QWidget* box, std::uint32_t background, std::uint32_t text);

// Every box of `window` whose colours nobody has set yet gets `background` and
// `text` (black on white unless given).
void paintTextBoxes(QWidget* window, const QColor& background = Qt::white, const QColor& text = Qt::black);

} // namespace windows
