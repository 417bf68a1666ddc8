// The ten command labels of the main window: the link-kind tabs and the commands
// that create, save, delete and date-stamp records. Every change ends in a
// whole-file write; a write that fails keeps the change in the window and says why.

#include "windows/main/DataFrm.h"

#include "store/DataFile.h"
#include "store/StoreError.h"
#include "windows/WindowOwner.h"
#include "windows/controls/Colours.h"
#include "windows/controls/FieldText.h"
#include "windows/controls/Text.h"
#include "windows/start/StartUpFrm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace windows {
namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// The first character that is not a letter in a locale's format: its separator.
QChar separatorOf(const QString& format, QChar fallback)
{
    for (const QChar c : format) {
        if (!c.isLetter())
            return c;
    }
    return fallback;
}

// Blanks off both ends (blanks only, as the status and note boxes are trimmed).
QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

} // namespace

void DataFrm::Label1_Click(int Index)
{
    owner_.unloadNewLinkFrm();
    owner_.unloadBrowseFrm();
    VScroll2->hide();
    Image3->hide();
    for (TagLabel* button : Label1)
        button->setBackColour(shade(4));
    playSound(2);
    switch (Index) {
    case 0: case 1: case 2: case 3: showLinkKind(Index + 1); break;
    case 4: prepareNewMaster(); break;
    case 5: prepareNewSub(); break;
    case 6: saveChanges(); break;
    case 7: deleteRecords(); break;
    case 8: loadNewFile(); break;
    case 9: addDateStamp(); break;
    default: break;
    }
}

void DataFrm::showLinkKind(int kind)
{
    state_.CurrentLinkKind = static_cast<std::int16_t>(kind);
    for (int tab = 0; tab < 4; ++tab)
        setRowChosen(Label1[tab], tab == kind - 1);
    emptyLinkRows();
    Image3->setPixmap(linkKindPictures_[kind]);
    Image3->show();
    ShowLinkRows();
}

void DataFrm::resetTabCaptions()
{
    const char* words[] = {"email", "folders", "files", "web"};
    for (int k = 0; k < 4; ++k)
        Label1[k]->setCaption(QString::fromLatin1(words[k]));
}

void DataFrm::prepareNewMaster()
{
    setTabs(false, shade(3));
    emptyLinkRows();
    state_.CurrentMaster = -1;
    List1.setStringList({});
    for (TagLabel* row : Res)
        row->setCaption(QString());
    emptySubRows();
    resetTabCaptions();
    PendingMaster = true;
    PendingSub = false;
    Timer1.stop();
    SearchTxt->setText(QString());
    FileNote->clear();
    FileNote->setFocus();
}

void DataFrm::prepareNewSub()
{
    if (state_.CurrentMaster == -1)
        return;
    setTabs(false, shade(3));
    emptyLinkRows();
    for (TagLabel* row : Subs)
        setRowChosen(row, false);
    resetTabCaptions();
    PendingMaster = false;
    PendingSub = true;
    Timer1.stop();
    FileNote->clear();
    FileNote->setFocus();
}

// A save reads the note box, so a display still typing is completed first: what
// is saved is always the whole text.
void DataFrm::finishNoteDisplay()
{
    if (!Timer1.isActive())
        return;
    Timer1.stop();
    Label2[5]->hide();
    const QSignalBlocker quiet(FileNote);
    FileNote->setPlainText(boxText(noteText_));
}

void DataFrm::saveChanges()
{
    finishNoteDisplay();
    const QString typed = noteBoxText(FileNote);
    bool changed = true;
    if (PendingMaster)
        changed = createMaster(typed);
    else if (PendingSub)
        changed = createSub(typed);
    else if (state_.CurrentSub >= 0)
        updateSub(typed);
    else if (state_.CurrentMaster >= 0)
        updateMaster(typed);
    else
        changed = false;
    if (!changed)
        return;
    writeStore();
    refillStatusCombo();
}

bool DataFrm::createMaster(const QString& typed)
{
    QString text = trimBlanks(typed);
    {
        const QSignalBlocker quiet(FileNote);
        FileNote->setPlainText(boxText(text));
    }
    while (text.startsWith(kLineBreak))
        text.remove(0, 2);
    if (text.isEmpty() || !roomForAnotherRecord())
        return false;
    if (!text.contains(kLineBreak))
        text += kLineBreak;
    const int index = static_cast<int>(state_.Records.size());
    store::Record& record = state_.Records.emplace_back();
    record.Id = static_cast<std::int16_t>(index);
    record.Parent = 0;
    record.Content = store::TextToStored(fromQString(text));
    record.Status = store::paddedStatus(fromQString(StatusTxt->text()));
    PendingMaster = false;
    PendingSub = false;
    SearchTxt->setText(toQString(store::recordName(record.Content)));
    for (int k = 0; k < 5; ++k) {
        if (Res[k]->Tag == QString::number(index)) {
            Res_Click(k);
            break;
        }
    }
    return true;
}

bool DataFrm::createSub(QString typed)
{
    if (typed.isEmpty() || !roomForAnotherRecord())
        return false;
    const int index = static_cast<int>(state_.Records.size());
    if (!typed.contains(kLineBreak)) {
        typed += kLineBreak;
        const QSignalBlocker quiet(FileNote);
        FileNote->appendPlainText(QString());
    }
    store::Record& record = state_.Records.emplace_back();
    record.Id = static_cast<std::int16_t>(index);
    record.Parent = state_.CurrentMaster;
    record.Content = store::TextToStored(fromQString(typed));
    PendingMaster = false;
    PendingSub = false;
    state_.CurrentSub = static_cast<std::int16_t>(index);

    FileNote->clear();
    noteText_ = toQString(store::StoredToText(record.Content));
    emptySubRows();
    // The sub rows list the master of the highlighted result row; with none
    // highlighted (the rows were paged), the master the new record belongs to.
    int master = state_.CurrentMaster;
    for (TagLabel* row : Res) {
        if (!row->text().isEmpty() && row->foreColour() == kWhite) {
            master = row->Tag.toInt();
            break;
        }
    }
    typewriterPosition_ = 1;
    Timer1.start();
    int filled = 0;
    for (int i = 1; i <= store::upperBound(state_.Records) && filled < 15; ++i) {
        if (state_.Records[i].Parent != master)
            continue;
        Subs[filled]->setCaption(toQString(store::recordName(state_.Records[i].Content)));
        Subs[filled]->Tag = QString::number(i);
        if (i == state_.CurrentSub)
            setRowChosen(Subs[filled], true);
        ++filled;
    }
    for (int kind = 1; kind <= 4; ++kind) {
        setCountCaption(kind, 0);
        Label1[kind - 1]->setEnabled(true);
    }
    return true;
}

void DataFrm::updateSub(const QString& typed)
{
    store::Record& record = state_.Records[state_.CurrentSub];
    record.Content = store::TextToStored(fromQString(typed));
    for (int k = 0; k < 15; ++k) {
        if (Subs[k]->Tag == QString::number(state_.CurrentSub)) {
            Subs[k]->setCaption(toQString(store::recordName(record.Content)));
            Subs_Click(k);
            break;
        }
    }
}

void DataFrm::updateMaster(const QString& typed)
{
    const int index = state_.CurrentMaster;
    store::Record& record = state_.Records[index];
    record.Content = store::TextToStored(fromQString(typed));
    record.Status = store::paddedStatus(fromQString(StatusTxt->text()));
    SearchTxt->setText(toQString(store::recordName(record.Content)));
    for (int k = 0; k < 5; ++k) {
        if (Res[k]->Tag == QString::number(index)) {
            Res_Click(k);
            break;
        }
    }
}

bool DataFrm::DeleteAndReload()
{
    if (!mayWriteDataFile())
        return false;
    store::DeleteAndReload(state_);
    unsavedChange_ = false;
    const QString searched = SearchTxt->text();
    if (!searched.isEmpty()) {
        SearchTxt->setText(QString());
        SearchTxt->setText(searched);
    } else if (!StatusCombo->currentText().isEmpty()) {
        ActivateCombo();
    }
    return true;
}

void DataFrm::deleteRecords()
{
    try {
        if (!DeleteAndReload())
            return;
    } catch (const std::exception& error) {
        reportWriteFailure(error, QStringLiteral("Nothing was deleted."));
        return;
    }
    refillStatusCombo();
    SearchTxt->setText(QStringLiteral(" "));
    SearchTxt->setText(QString());
}

void DataFrm::loadNewFile()
{
    if (!mayDropUnsavedChange())
        return;
    services_.tray.remove();
    owner_.startUp().show();
    owner_.unloadDataFrm();
}

void DataFrm::addDateStamp()
{
    FileNote->setFocus();
    const QLocale locale = QLocale::system();
    const QChar dateSeparator = separatorOf(locale.dateFormat(QLocale::ShortFormat), QLatin1Char('/'));
    const QChar timeSeparator = separatorOf(locale.timeFormat(QLocale::LongFormat), QLatin1Char(':'));
    const QDate date = services_.clock.currentDate();
    const QTime time = services_.clock.currentTime();
    const QString stamp = date.toString(QStringLiteral("dd'%1'MM'%1'yy").arg(dateSeparator))
                        + QStringLiteral(" [")
                        + time.toString(QStringLiteral("hh'%1'mm'%1'ss").arg(timeSeparator))
                        + QStringLiteral("] - ");
    // Appended where the text ends, so the text before it stays exactly as it was.
    QTextCursor end(FileNote->document());
    end.movePosition(QTextCursor::End);
    end.insertText(QLatin1Char('\n') + stamp);
    FileNote->moveCursor(QTextCursor::End);
}

} // namespace windows
