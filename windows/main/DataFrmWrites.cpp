// Writing the data file from the main window, with the guards around it: a write
// that fails keeps the change in the window and says why, a file removed while open
// is not silently created again, a store at the format's limit takes no new record,
// and a change that could not be saved is not dropped without asking.

#include "windows/main/DataFrm.h"

#include "store/DataFile.h"
#include "windows/controls/Text.h"

#include <QLocale>

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
// drive unplugged) is created again only when the user says so.
bool DataFrm::mayWriteDataFile()
{
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(state_.DataFilePath, error)))
        return true;
    const QString path = QString::fromStdString(state_.DataFilePath.string());
    const int answer = services_.messages.ask(
        this, QStringLiteral("Brindlecase"),
        QStringLiteral("The file '%1' is no longer there: it was moved or deleted while it was open.\n\n"
                       "Create it again with the records shown here?")
            .arg(path),
        {QStringLiteral("Create it again"), QStringLiteral("Cancel")});
    return answer == 0;
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
