#pragma once

namespace store {

template <typename LineSink>
void forEachRecordLine(const Record& record, int id, int parent, LineSink&& sink)
{
    std::string line;
    line.reserve(64 + record.Content.size());
    appendFiveDigits(line, id);
    appendFiveDigits(line, parent);
    const std::size_t keyLength = line.size();
    line += "01";
    if (parent == 0) {
        line += record.Status;
        if (record.Status.size() < 10)
            line.append(10 - record.Status.size(), ' ');
    }
    line += record.Content;
    sink(std::string_view(line));
    for (int kind = 1; kind <= kLinkKindCount; ++kind) {
        for (const std::string& entry : record.links(static_cast<LinkKind>(kind))) {
            line.resize(keyLength);
            line += lineType(static_cast<LinkKind>(kind));
            line += entry;
            sink(std::string_view(line));
        }
    }
}

} // namespace store
