#include "reports/RecordText.h"

#include "store/Record.h"

namespace reports {

RecordText recordText(std::string_view content)
{
    const std::string display = store::StoredToText(content);
    const std::string_view text(display);
    RecordText result;
    std::size_t end = text.find("\r\n");
    result.name = text.substr(0, end);
    while (end != std::string_view::npos) {
        const std::size_t start = end + 2;
        end = text.find("\r\n", start);
        result.noteLines.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    }
    return result;
}

} // namespace reports
