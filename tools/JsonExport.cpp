#include "tools/JsonExport.h"

#include "store/Cp1252.h"

#include <nlohmann/json.hpp>

namespace tools {
namespace {

using nlohmann::ordered_json;

std::string utf8(std::string_view text)
{
    return store::cp1252ToUtf8(text);
}

ordered_json noteLines(std::string_view content)
{
    ordered_json lines = ordered_json::array();
    if (content.find(store::kLineBreakMark) == std::string_view::npos)
        return lines;
    for (std::string_view line : store::splitAtMarks(store::recordNote(content)))
        lines.push_back(utf8(line));
    return lines;
}

ordered_json linkPairs(const store::LinkList& list)
{
    ordered_json pairs = ordered_json::array();
    for (const std::string& entry : list) {
        pairs.push_back({{"description", utf8(store::linkDescription(entry))},
                         {"target", utf8(store::linkTarget(entry))}});
    }
    return pairs;
}

} // namespace

std::string exportJson(const store::AppState& state)
{
    ordered_json records = ordered_json::array();
    for (std::size_t i = 1; i < state.Records.size(); ++i) {
        const store::Record& record = state.Records[i];
        records.push_back({
            {"index", i},
            {"parent", record.Parent},
            {"status", utf8(store::trimmedStatus(record.Status))},
            {"name", utf8(store::recordName(record.Content))},
            {"note", noteLines(record.Content)},
            {"emails", linkPairs(record.Emails)},
            {"folders", linkPairs(record.Folders)},
            {"files", linkPairs(record.Files)},
            {"web", linkPairs(record.WebLinks)},
        });
    }
    ordered_json document = {
        {"file", state.DataFilePath.string()},
        {"encrypted", state.FileEncrypted},
        {"records", std::move(records)},
    };
    return document.dump(2, ' ', false, ordered_json::error_handler_t::replace) + "\n";
}

} // namespace tools
