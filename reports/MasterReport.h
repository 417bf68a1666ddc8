#pragma once

#include "reports/DateLine.h"
#include "store/Record.h"

#include <string>
#include <vector>

namespace reports {

// The sub-item list of a master record as the main window keeps it: one entry per
// sub record in store order, its index, a comma and its name; then one empty slot.
std::vector<std::string> subItemList(const store::Records& records, int master);

// The name of the master record as its page names it: every ":" turned into a blank.
std::string reportName(const store::Records& records, int master);

// The page of master record `master` (its name, status, note and link grid), then
// a section for every sub record named in `subItems`, in list order. An entry whose
// index (the text before its first comma) names no record is left out, as is an
// empty entry. Windows-1252 bytes, exactly as they go into the file.
std::string masterReport(const store::Records& records, int master, const std::vector<std::string>& subItems,
                         const DateTime& moment);

// "master_" + the report name + ".htm" as a file name of this system: "/" (which no
// file name can hold) becomes a blank too, the text is turned into UTF-8, and a name
// longer than the file system takes (255 bytes) is cut between two characters.
std::string masterReportFileName(std::string_view reportName);

inline constexpr std::size_t kMaxFileNameBytes = 255;

} // namespace reports
