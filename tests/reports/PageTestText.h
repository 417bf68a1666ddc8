#pragma once

#include <string>
#include <string_view>

namespace testing_support {

// A page written out in a raw string, one line of the file per line of the text:
// every "\n" becomes the CR LF the file holds.
inline std::string crlfPage(std::string_view text)
{
    std::string page;
    for (char c : text) {
        if (c == '\n')
            page += "\r\n";
        else
            page += c;
    }
    return page;
}

} // namespace testing_support
