// The nine colour schemes of the main window.

#include "windows/main/DataFrm.h"

#include "windows/controls/ColourSchemes.h"
#include "windows/controls/Colours.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace windows {
namespace {

void paintEdit(QWidget* edit, std::uint32_t background, std::uint32_t text)
{
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Base, fromColourRef(background));
    colours.setColor(QPalette::Text, fromColourRef(text));
    edit->setPalette(colours);
}

} // namespace

void DataFrm::cols_Click(int scheme)
{
    state_.Settings.ColourScheme = static_cast<std::int16_t>(scheme);
    ApplyColourScheme();
    state_.Settings.TypewriterNote = true;
    state_.Settings.SettingsSpare = 1;
    writeSettings();
}

void DataFrm::ApplyColourScheme()
{
    const int scheme = state_.Settings.ColourScheme;
    state_.Shades = schemeShades(scheme, state_.Shades);
    if (isScheme(scheme)) {
        Image4_0->setPixmap(reportPictures_[scheme]);
        Image4_10->setPixmap(reportPictures_[scheme]);
    }
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
        button->setForeColour(shade(3));
    }
    for (auto* rows : {&resA, &resB}) {
        for (TagLabel* row : *rows) {
            row->setBackColour(shade(5));
            row->setForeColour(shade(3));
        }
    }
    for (TagLabel* row : Res) {
        row->setBackColour(shade(5));
        row->setForeColour(shade(3));
    }
    paintEdit(FileNote, noteBackground, shade(3));
    for (TagLabel* row : Subs) {
        row->setBackColour(shade(5));
        row->setForeColour(shade(3));
    }
    for (FrameShape* cell : Shape3) {
        cell->setBorderColour(shade(2));
        cell->setFillColour(shade(4));
    }
    Shape2->setBorderColour(shade(2));
    Shape5->setGeometry(0, 0, width(), height());
    Shape5->setBorderColour(shade(2));
    setSoundPicture();

    // Our layout's own parts: the window, the strip and the other headings follow
    // the scheme's resting colours so that everything stays legible.
    QPalette window = palette();
    window.setColor(QPalette::Window, fromColourRef(shade(5)));
    setPalette(window);
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
    paintEdit(SearchTxt, nine ? shade(1) : shade(5), nine ? shade(2) : shade(1));
    paintEdit(StatusTxt, nine ? shade(1) : shade(5), nine ? shade(2) : shade(1));
    paintEdit(StatusCombo, nine ? shade(1) : shade(5), nine ? shade(2) : shade(1));
}

} // namespace windows
