#include "store/StatusList.h"

#include <unordered_set>

namespace store {

std::string buildStatusList(const Records& records)
{
    std::string list = "|";
    // A status met before is certainly in the text already; only new ones need
    // the substring test, which keeps big files with few statuses fast.
    std::unordered_set<std::string_view> seen;
    for (const Record& record : records) {
        if (trimmedStatus(record.Status).empty() || seen.count(record.Status))
            continue;
        seen.insert(record.Status);
        if (list.find(record.Status) == std::string::npos) {
            list += '|';
            list += record.Status;
        }
    }
    return list;
}

std::vector<std::string> statusItems(const Records& records)
{
    std::vector<std::string> items;
    const std::string list = buildStatusList(records);
    std::size_t start = 0;
    while (start <= list.size()) {
        auto bar = list.find('|', start);
        if (bar == std::string::npos)
            bar = list.size();
        std::string_view piece(list.data() + start, bar - start);
        if (!trimmedStatus(piece).empty())
            items.emplace_back(piece);
        start = bar + 1;
    }
    return items;
}

} // namespace store
