#pragma once

#include "store/Record.h"

#include <string>
#include <string_view>
#include <vector>

namespace store {

// One entry of the result list: the record index, "-", the record's name
// ("12-Garden"). The part before the first "-" is the index, the rest is shown.
std::string resultEntry(int index, const Record& record);

// Splits a result entry into its index and shown text.
struct ResultEntryParts {
    int index = -1;
    std::string_view text;
};
ResultEntryParts splitResultEntry(std::string_view entry);

// The search box: every master record whose text (name and note, marks included)
// contains `text`, ignoring letter case, in store order. An empty text finds nothing.
std::vector<std::string> FindMasters(const Records& records, std::string_view text);

// The status filter: every record, master or sub, whose stored status equals
// `status` exactly, in store order.
std::vector<std::string> FilterByStatus(const Records& records, std::string_view status);

} // namespace store
