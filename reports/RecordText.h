#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace reports {

// A record's text as the pages show it, taken from its display text (every mark
// turned into CR LF): the name is the text up to the first CR LF, the note lines
// the rest split at every CR LF. A text without a line break is all name and has
// no note line; a name followed by one line break has one empty note line.
struct RecordText {
    std::string name;
    std::vector<std::string> noteLines;
};

RecordText recordText(std::string_view content);

} // namespace reports
