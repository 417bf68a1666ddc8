#pragma once

#include <QString>

class QLineEdit;
class QPlainTextEdit;

namespace windows {

// A one-line box whose text becomes a field of a data file line (a status, a link's
// description or target). A line break in a field would split the line and corrupt
// the file, so every run of line breaks and other control characters typed or
// pasted into the box becomes one blank as it arrives: what the box shows is what
// is stored.
void keepOnOneLine(QLineEdit* box);

// `text` as such a box keeps it.
QString oneLineText(const QString& text);

// What to do with the control characters of a box's text.
enum class ControlCharacters { LeftOut, Kept };

// The note box's text as a record takes it: its line breaks as CR LF and every other
// character exactly as shown (a no-break space stays one, unlike the box's own
// plain-text reading); control characters other than the tab are left out unless
// `controls` keeps them (a text file shown whole keeps every byte it holds).
QString noteBoxText(const QPlainTextEdit* box, ControlCharacters controls = ControlCharacters::LeftOut);

} // namespace windows
