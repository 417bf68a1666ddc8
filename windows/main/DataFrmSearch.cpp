// The search box, the status filter and the window side of loading a file.

#include "windows/main/DataFrm.h"

#include "store/DataFile.h"
#include "store/DataFileLock.h"
#include "store/Search.h"
#include "store/StatusList.h"
#include "windows/WindowOwner.h"
#include "windows/controls/Text.h"
#include "windows/start/StartUpFrm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace windows {
namespace {

class WindowLoadReporter : public store::LoadReporter {
public:
    WindowLoadReporter(platform::MessageBoxes& messages, QWidget* parent) : messages_(messages), parent_(parent) {}
    void loadFailed(const std::string& message, const std::string&) override
    {
        messages_.information(parent_, QStringLiteral("Brindlecase"), QString::fromStdString(message));
    }
    void loadedCutShort(const std::string& message) override
    {
        messages_.information(parent_, QStringLiteral("Brindlecase"), QString::fromStdString(message));
    }

private:
    platform::MessageBoxes& messages_;
    QWidget* parent_;
};

QStringList toStringList(const std::vector<std::string>& entries)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::string& entry : entries)
        list.push_back(toQString(entry));
    return list;
}

} // namespace

bool DataFrm::LoadDataFile(const std::filesystem::path& path)
{
    WindowLoadReporter reporter(services_.messages, this);
    if (!store::LoadDataFile(state_, path, reporter)) {
        StartUpFrm& start = owner_.startUp();
        start.setEnabled(true);
        start.show();
        owner_.unloadDataFrm();
        return false;
    }
    claimDataFile(path);
    refillStatusCombo();
    SearchTxt->setText(QStringLiteral(" "));
    SearchTxt->setText(QString());
    return true;
}

// A file opened for writing carries this instance's lock, and the temporaries of
// saves that a crash cut short are cleared; a read-only file is not claimed.
void DataFrm::claimDataFile(const std::filesystem::path& path)
{
    if (state_.ReadOnly) {
        state_.Lock.reset();
        return;
    }
    if (state_.Lock && state_.Lock->dataFile() == path)
        return;
    state_.Lock.reset();
    store::removeStaleSaves(path);
    state_.Lock = std::make_unique<store::DataFileLock>(path);
}

void DataFrm::refillStatusCombo()
{
    const QString shown = StatusCombo->currentText();
    StatusCombo->clear();
    for (const std::string& item : store::statusItems(state_.Records))
        StatusCombo->addItem(toQString(item));
    StatusCombo->setEditText(shown);
}

void DataFrm::clearDisplay()
{
    PendingMaster = false;
    PendingSub = false;
    state_.CurrentMaster = -1;
    state_.CurrentSub = -1;
    List1.setStringList({});
    Timer1.stop();
    noteText_.clear();
    FileNote->clear();
    StatusTxt->clear();
    setTabs(false, shade(5));
    emptyLinkRows();
    emptySubRows();
    for (int i : {5, 6, 7})
        Label1[i]->setEnabled(false);
    for (TagLabel* row : Res) {
        row->setCaption(QString());
        row->Tag = QStringLiteral("-1");
        setRowChosen(row, false);
        row->setBackColour(shade(5));
    }
    Label2[5]->hide();
    restoreListColours(); // no row keeps a hover colour once it is emptied
    VScroll1->hide();
    VScroll2->hide();
    VScroll3->hide();
}

void DataFrm::SearchTxt_Change()
{
    const QString typed = SearchTxt->text();
    if (typed.isEmpty())
        return;
    Image3->hide();
    clearDisplay();
    List1.setStringList(toStringList(store::FindMasters(state_.Records, fromQString(typed))));
    showMasterRows();
}

void DataFrm::StatusCombo_Click()
{
    ActivateCombo();
}

void DataFrm::ActivateCombo()
{
    const std::string status = fromQString(StatusCombo->currentText());
    clearDisplay();
    SearchTxt->setText(QString());
    List1.setStringList(toStringList(store::FilterByStatus(state_.Records, status)));
    showMasterRows();
}

void DataFrm::StatusTxt_Change()
{
    if (!Timer1.isActive())
        Label1[6]->setEnabled(true);
}

} // namespace windows
