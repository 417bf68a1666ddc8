// The report buttons: the page of the current master record and the status
// summary, written into the program's folder and opened in the user's browser.

#include "windows/main/DataFrm.h"

#include "platform/Shell.h"
#include "reports/DateLine.h"
#include "reports/MasterReport.h"
#include "reports/PageFile.h"
#include "reports/StatusSummary.h"
#include "windows/controls/Text.h"

#include <QComboBox>

namespace windows {

void DataFrm::Image4_Click(int Index)
{
    if (Index == 0) {
        if (state_.CurrentMaster >= 0)
            writeMasterReport();
    } else if (store::upperBound(state_.Records) >= 1) {
        writeStatusSummary();
    }
}

void DataFrm::writeMasterReport()
{
    const int master = state_.CurrentMaster;
    if (master > store::upperBound(state_.Records))
        return;
    openReportPage(reports::masterReportFileName(reports::reportName(state_.Records, master)),
                   reports::masterReport(state_.Records, master, subItems_, reportMoment()));
}

void DataFrm::writeStatusSummary()
{
    std::vector<std::string> items;
    for (int i = 0; i < StatusCombo->count(); ++i)
        items.push_back(fromQString(StatusCombo->itemText(i)));
    openReportPage(reports::kStatusSummaryFile, reports::statusSummary(state_.Records, items, reportMoment()));
}

// A page that cannot be written is told to the user; the old page, if any, stays
// as it was, and nothing is opened.
void DataFrm::openReportPage(const std::string& fileName, const std::string& page)
{
    std::filesystem::path written;
    try {
        written = reports::writePage(state_.ProgramFolder, fileName, page);
    } catch (const std::exception& error) {
        reportWriteFailure(error, QStringLiteral("The report page was not written; your records are unchanged."));
        return;
    }
    platform::OpenLink(QString::fromStdString(written.string()), services_.launcher, services_.messages, this);
}

reports::DateTime DataFrm::reportMoment()
{
    const QDate date = services_.clock.currentDate();
    const QTime time = services_.clock.currentTime();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

} // namespace windows
