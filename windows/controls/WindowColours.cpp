#include "windows/controls/WindowColours.h"

#include "windows/controls/Colours.h"
#include "windows/controls/Legibility.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace windows {
namespace {

bool isTextBox(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget)
        || qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QAbstractItemView*>(widget)
        || qobject_cast<const QComboBox*>(widget);
}

// The parts of a box (a combo box's edit line, a list's viewport) take the box's
// colours; only boxes of their own are painted.
bool isPartOfABox(const QWidget* widget)
{
    for (const QWidget* up = widget->parentWidget(); up && !up->isWindow(); up = up->parentWidget()) {
        if (isTextBox(up))
            return true;
    }
    return false;
}

} // namespace

void paintWindow(QWidget* window, const QColor& background, const QColor& text)
{
    QPalette colours = window->palette();
    colours.setColor(QPalette::Window, background);
    const QColor drawn = legibleText(text, background);
    colours.setColor(QPalette::WindowText, drawn);
    colours.setColor(QPalette::Disabled, QPalette::WindowText, dimmedText(drawn, background));
    colours.setColor(QPalette::Disabled, QPalette::Light, background); // no light etching under disabled text
    window->setPalette(colours);
}

void paintTextBox(QWidget* box, const QColor& background, const QColor& text)
{
    QPalette colours = box->palette();
    const QColor drawn = legibleText(text, background);
    const QColor quiet = dimmedText(drawn, background);
    const QColor selection = legibleText(drawn, background, kMinimumMarkContrast);
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::AlternateBase, QPalette::Button, QPalette::Window})
        colours.setColor(role, background);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        colours.setColor(role, drawn);
    colours.setColor(QPalette::PlaceholderText, quiet);
    colours.setColor(QPalette::Highlight, selection);
    colours.setColor(QPalette::HighlightedText, legibleText(background, selection));
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText, QPalette::PlaceholderText})
        colours.setColor(QPalette::Disabled, role, quiet);
    box->setPalette(colours);
}

void paintTextBox(QWidget* box, std::uint32_t background, std::uint32_t text)
{
    paintTextBox(box, fromColourRef(background), fromColourRef(text));
}

void paintTextBoxes(QWidget* window, const QColor& background, const QColor& text)
{
    for (QWidget* box : window->findChildren<QWidget*>()) {
        if (isTextBox(box) && !isPartOfABox(box) && !box->palette().isBrushSet(QPalette::Active, QPalette::Base))
            paintTextBox(box, background, text);
    }
}

} // namespace windows
