// The nine colour schemes of the main window.

#include "windows/main/DataFrm.h"

#include "windows/controls/Backdrop.h"
#include "windows/controls/ColourSchemes.h"
#include "windows/controls/Colours.h"
#include "windows/controls/Legibility.h"
#include "windows/controls/WindowColours.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace windows {

void DataFrm::cols_Click(int scheme)
{
    state_.Settings.ColourScheme = static_cast<std::int16_t>(scheme);
    ApplyColourScheme();
    state_.Settings.TypewriterNote = true;
    state_.Settings.SettingsSpare = 1;
    writeSettings();
}

// Without a chosen scheme (no settings file yet) the window wears the first-look
// scheme; the stored number stays as it is until the user picks one.
void DataFrm::ApplyColourScheme()
{
    const int scheme = schemeInUse(state_.Settings.ColourScheme);
    state_.Shades = schemeShades(scheme, state_.Shades);
    Image4_0->setPixmap(reportPictures_[scheme]);
    Image4_10->setPixmap(reportPictures_[scheme]);
    const bool nine = scheme == 9;
    const std::uint32_t headings = nine ? shade(2) : kWhite;
    for (TagLabel* heading : {settingsLbl, Label2[0], Label2[3]})
        heading->setForeColour(headings);
    Shape2->setFillColour(nine ? shade(1) : kBlack);
    const std::uint32_t noteBackground = nine ? shade(1) : kBlack;
    for (FrameShape* line : Line2)
        line->setBorderColour(nine ? shade(2) : shade(1));
    for (FrameShape* line : Line1)
        line->setBorderColour(nine ? shade(2) : shade(1));
    for (FrameShape* frame : Shape1)
        frame->setBorderColour(shade(2));
    for (TagLabel* button : Label1) {
        button->setBackColour(shade(4));
        setRowChosen(button, false);
    }
    for (auto* rows : {&resA, &resB}) {
        for (TagLabel* row : *rows) {
            row->setBackColour(shade(5));
            setRowChosen(row, false);
        }
    }
    for (TagLabel* row : Res) {
        row->setBackColour(shade(5));
        setRowChosen(row, false);
    }
    paintTextBox(FileNote, noteBackground, shade(3));
    for (TagLabel* row : Subs) {
        row->setBackColour(shade(5));
        setRowChosen(row, false);
    }
    for (FrameShape* cell : Shape3)
        cell->setBorderColour(shade(2));
    fillTransparencyCells(-1);
    Shape2->setBorderColour(shade(2));
    Shape5->setGeometry(0, 0, width(), height());
    Shape5->setBorderColour(shade(2));
    setSoundPicture();

    // Our layout's own parts: the window, the strip and the other headings follow
    // the scheme's resting colours so that everything stays legible.
    paintWindow(this, fromColourRef(shade(5)), fromColourRef(shade(3)));
    instruction->setBackColour(shade(4));
    instruction->setAutoFillBackground(true);
    for (TagLabel* label : {Label5, Label9, Label10})
        label->setForeColour(shade(1));
    for (int i : {1, 2, 4, 5})
        Label2[i]->setForeColour(shade(3));
    for (TagLabel* item : {Label7})
        item->setForeColour(headings);
    for (TagLabel* item : {Label4, Label6, Label8}) {
        item->setBackColour(shade(4));
        item->setForeColour(nine ? shade(1) : shade(3));
    }
    for (QWidget* box : std::initializer_list<QWidget*>{SearchTxt, StatusTxt, StatusCombo})
        paintTextBox(box, nine ? shade(1) : shade(5), nine ? shade(2) : shade(1));
}

// Cells 0 to `last` filled in shade 2, the others empty in shade 4. Where the two
// fills look alike (both black in black and white) an empty cell is drawn as an
// outline only, and a filled one always stands out from an empty one.
void DataFrm::fillTransparencyCells(int last)
{
    const QColor full = fromColourRef(shade(2));
    const bool alike = contrastRatio(full, fromColourRef(shade(4))) < kMinimumMarkContrast;
    const QColor emptyLooks = alike ? backdropColour(Shape3[0]) : fromColourRef(shade(4));
    const QColor fullLooks = legibleText(full, emptyLooks, kMinimumMarkContrast);
    for (int i = 0; i < 10; ++i) {
        const bool filled = i <= last;
        Shape3[i]->setFillColour(filled ? shade(2) : shade(4));
        Shape3[i]->setHollow(!filled && alike);
        Shape3[i]->setDrawnFill(filled ? fullLooks : QColor());
    }
}

} // namespace windows
