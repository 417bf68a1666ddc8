#pragma once

#include "reports/DateLine.h"
#include "store/Record.h"

#include <string>
#include <vector>

namespace reports {

inline constexpr char kStatusSummaryFile[] = "Status Summary.htm";

// One line of the summary: the label shown and the number of master records
// counted for it, kept apart so that a "=" in a status is just part of the label.
struct SummaryEntry {
    std::string statusName; // the status box item in capitals; empty for "NO STATUS"
    std::string label;      // statusName and two blanks, or "NO STATUS "
    int count = 0;
    bool listsRecordsWithoutStatus() const { return label.rfind("NO STATUS", 0) == 0; }
};

// One entry per status box item, then "NO STATUS ". Each master record counts once:
// without a status for the last entry, otherwise for the first entry whose status
// name equals its status in capitals (none when no item matches).
std::vector<SummaryEntry> summaryEntries(const store::Records& records, const std::vector<std::string>& statusItems);

// The status summary page: the counts per status, then the names of the master
// records per status. `statusItems` are the items of the status box, as stored
// (padded with blanks). Windows-1252 bytes, exactly as they go into the file.
std::string statusSummary(const store::Records& records, const std::vector<std::string>& statusItems,
                          const DateTime& moment);

} // namespace reports
