// The note box with its typewriter display, and the small buttons of the side
// strip: sound, transparency, reports, help, the file menu and hide.

#include "windows/main/DataFrm.h"

#include "store/Record.h"
#include "windows/WindowOwner.h"
#include "windows/controls/ColourSchemes.h"
#include "windows/controls/Text.h"
#include "windows/preview/PreviewFrm.h"

#include <QApplication>
#include <QPlainTextEdit>

namespace windows {

void DataFrm::startNoteDisplay(const std::string& storedText)
{
    noteText_ = toQString(store::StoredToText(storedText));
    typewriterPosition_ = 1;
    Timer1.start();
}

// The note text keeps CR LF as the record holds it, and the typewriter counts its
// characters that way; the box shows each line break as one character.
void DataFrm::Timer1_Timer()
{
    Label2[5]->show();
    FileNote->setFocus();
    if (!state_.Settings.TypewriterNote) {
        FileNote->setPlainText(boxText(noteText_));
        Timer1.stop();
        return;
    }
    if (typewriterPosition_ >= 1 && typewriterPosition_ <= noteText_.size()) {
        const QChar next = noteText_.at(typewriterPosition_ - 1);
        if (next != QLatin1Char('\r')) {
            QTextCursor end = FileNote->textCursor();
            end.movePosition(QTextCursor::End);
            end.insertText(QString(next));
            FileNote->setTextCursor(end);
        }
    }
    ++typewriterPosition_;
    if (typewriterPosition_ >= noteText_.size()) {
        Label2[5]->hide();
        FileNote->setPlainText(boxText(noteText_));
        FileNote->moveCursor(QTextCursor::End);
        Timer1.stop();
    }
}

bool DataFrm::FileNote_KeyPress(int)
{
    if (!Timer1.isActive())
        return false;
    typewriterPosition_ = static_cast<int>(noteText_.size()) - 1;
    playSound(3);
    return true;
}

void DataFrm::FileNote_Change()
{
    if (!PendingMaster && !PendingSub && state_.CurrentMaster == -1 && state_.CurrentSub == -1) {
        if (!FileNote->document()->isEmpty()) {
            const QSignalBlocker quiet(FileNote);
            FileNote->clear();
        }
    }
    if (!Timer1.isActive())
        Label1[6]->setEnabled(true);
}

void DataFrm::setSoundPicture()
{
    const int scheme = schemeInUse(state_.Settings.ColourScheme);
    Image2->setPixmap(state_.Settings.SoundOn ? playPictures_[scheme] : pausePictures_[scheme]);
    Image2->setAccessibleName(state_.Settings.SoundOn ? QStringLiteral("sound on") : QStringLiteral("sound off"));
}

void DataFrm::Image2_Click()
{
    state_.Settings.SoundOn = !state_.Settings.SoundOn;
    setSoundPicture();
    writeSettings();
}

void DataFrm::Label3_Click(int Index)
{
    state_.TransparencyLevel = 255 - 10 * Index;
    platform::SetWindowOpacity(this, state_.TransparencyLevel);
    fillTransparencyCells(Index);
}

void DataFrm::Image7_Click()
{
    previewHelpPage(owner_);
}

void DataFrm::Label8_Click()
{
    previewAboutPage(owner_);
}

void DataFrm::Image1_Click()
{
    Label6->show();
    Label8->show();
    Label6->raise();
    Label8->raise();
}

void DataFrm::Label6_Click()
{
    if (!mayDropUnsavedChange())
        return;
    services_.tray.remove();
    QApplication::quit();
}

void DataFrm::Label4_Click()
{
    if (services_.tray.isShown())
        hide();
    else
        showMinimized(); // no tray to come back from: the task bar does it
}

} // namespace windows
