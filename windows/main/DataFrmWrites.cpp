// Writing the data file from the main window, with the guards around it: a write
// that fails keeps the change in the window and says why, a file removed while open
// is not silently created again, a file changed outside the program is not silently
// overwritten, a file opened read-only is never written, a store at the format's
// limit takes no new record, and a change that could not be saved is not dropped
// without asking.

#include "windows/main/DataFrm.h"

#include "store/DataFile.h"
#include "store/DiskStamp.h"
#include "windows/controls/FieldText.h"
#include "windows/controls/Text.h"

#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include <filesystem>

namespace windows {

void DataFrm::reportWriteFailure(const std::exception& error, const QString& consequence)
{
    services_.messages.information(this, QStringLiteral("Brindlecase"),
                                   QString::fromStdString(error.what()) + QStringLiteral("\n\n") + consequence);
}

// Writes the whole store. A failure leaves the file on disk as it was and the
// change in memory and on screen; "save changes" stays available to try again.
void DataFrm::writeStore()
{
    bool written = false;
    if (mayWriteDataFile()) {
        try {
            store::SaveDataFile(state_);
            written = true;
        } catch (const std::exception& error) {
            reportWriteFailure(error, QStringLiteral("Your change is kept in the window. Click \"save changes\" again "
                                                     "once the cause is put right."));
        }
    }
    unsavedChange_ = !written;
    if (!written) {
        finishNoteDisplay();
        Label1[6]->setEnabled(true);
    }
}

// A data file that has gone from disk since it was opened (moved, deleted, its
// drive unplugged) is created again only when the user says so; one that another
// program changed since it was loaded or last written here is overwritten only when
// the user says so; one opened read-only is not written at all.
bool DataFrm::mayWriteDataFile()
{
    const QString path = QString::fromStdString(state_.DataFilePath.string());
    if (state_.ReadOnly) {
        services_.messages.information(
            this, QStringLiteral("Brindlecase"),
            QStringLiteral("The file '%1' is open read-only, because another Brindlecase had it open. Nothing was "
                           "saved; your change is kept in the window.\n\nTo change the file, close the other "
                           "Brindlecase and open the file again.")
                .arg(path));
        return false;
    }
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(state_.DataFilePath, error)))
        return mayOverwriteOutsideChange();
    const int answer = services_.messages.ask(
        this, QStringLiteral("Brindlecase"),
        QStringLiteral("The file '%1' is no longer there: it was moved or deleted while it was open.\n\n"
                       "Create it again with the records shown here?")
            .arg(path),
        {QStringLiteral("Create it again"), QStringLiteral("Cancel")});
    return answer == 0;
}

// The common case costs one stat: the file looks as it did after the last load or
// write. Otherwise the user chooses; "Reload" takes the file as it now is and keeps
// the typed text in the note box to copy, nothing is written.
bool DataFrm::mayOverwriteOutsideChange()
{
    if (store::compareWithDisk(state_.DataFilePath, state_.OnDisk) != store::DiskChange::Changed)
        return true;
    const QString path = QString::fromStdString(state_.DataFilePath.string());
    const int answer = services_.messages.ask(
        this, QStringLiteral("Brindlecase"),
        QStringLiteral("The file '%1' was changed by another program (an editor, a sync tool or another "
                       "Brindlecase) since it was opened or last saved here.\n\nSaving now would overwrite that "
                       "change. Reload the file as it is now (the text you typed stays in the note box, to copy), "
                       "overwrite it with the records shown here, or cancel?")
            .arg(path),
        {QStringLiteral("Reload"), QStringLiteral("Overwrite"), QStringLiteral("Cancel")});
    const bool overwrite = answer == 1;
    if (answer == 0)
        reloadKeepingNote();
    return overwrite;
}

// Loads the file again into a scratch store first, so a file that no longer loads
// leaves this window, its records and the typed text as they were.
void DataFrm::reloadKeepingNote()
{
    store::AppState fresh;
    fresh.DataFilePath = state_.DataFilePath;
    fresh.FileEncrypted = state_.FileEncrypted;
    fresh.FilePassword = state_.FilePassword;
    struct Reporter : store::LoadReporter {
        std::string message;
        void loadFailed(const std::string& text, const std::string&) override { message = text; }
        void loadedCutShort(const std::string& text) override { message = text; }
    } reporter;
    if (!store::LoadDataFile(fresh, fresh.DataFilePath, reporter)) {
        services_.messages.information(this, QStringLiteral("Brindlecase"),
                                       QString::fromStdString(reporter.message)
                                           + QStringLiteral("\n\nThe records shown here were kept; nothing was saved."));
        return;
    }
    finishNoteDisplay(); // the whole text, not as far as the typewriter got
    const QString typed = noteBoxText(FileNote);
    state_.Records = std::move(fresh.Records);
    state_.OnDisk = fresh.OnDisk;
    refillStatusCombo();
    SearchTxt->setText(QStringLiteral(" "));
    SearchTxt->setText(QString());
    const QSignalBlocker quiet(FileNote); // with no record chosen the box would empty itself
    FileNote->setPlainText(typed);
    if (!reporter.message.empty())
        services_.messages.information(this, QStringLiteral("Brindlecase"), QString::fromStdString(reporter.message));
}

// Before the window goes (another file, shut-down): a change whose save failed is
// saved again, dropped or kept, as the user chooses.
bool DataFrm::mayDropUnsavedChange()
{
    if (!unsavedChange_)
        return true;
    const QString path = QString::fromStdString(state_.DataFilePath.string());
    const int answer = services_.messages.ask(
        this, QStringLiteral("Brindlecase"),
        QStringLiteral("Your last change could not be saved to the file '%1'. It is still in the window.\n\n"
                       "Save it now, or discard it?")
            .arg(path),
        {QStringLiteral("Save again"), QStringLiteral("Discard it"), QStringLiteral("Cancel")});
    if (answer == 0) {
        writeStore();
        return !unsavedChange_;
    }
    return answer == 1;
}

// A data file holds at most 32,767 records: one more would need an index that its
// lines cannot carry. The typed text stays in the note box.
bool DataFrm::roomForAnotherRecord()
{
    if (store::upperBound(state_.Records) < store::kMaxIndex)
        return true;
    services_.messages.information(
        this, QStringLiteral("Brindlecase"),
        QStringLiteral("This file already holds %1 records, the most a data file can hold, so no record was "
                       "added. Your text is still in the note box.")
            .arg(QLocale(QLocale::English).toString(store::kMaxIndex)));
    return false;
}

} // namespace windows
