#pragma once

#include "store/Record.h"

#include <string>
#include <vector>

namespace store {

// The status list: "|" and then, for every record in index order whose trimmed
// status is not empty and whose stored status does not yet occur anywhere in the
// text built so far (case-sensitive), "|" and the stored status.
std::string buildStatusList(const Records& records);

// The items of the status box, in order: the pieces of the status list whose
// trimmed value is not empty, unchanged (trailing blanks kept).
std::vector<std::string> statusItems(const Records& records);

} // namespace store
