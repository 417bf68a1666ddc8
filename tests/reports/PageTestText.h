#pragma once

#include <string>
#include <string_view>

namespace testing_support {

// A page written out in a raw string, one line of the file per line of the text:
// every "\n" becomes the CR LF the file holds.
inline std::string crlfPage(std::string_view text)
{
    std::string page;
    for (char c : text)
        page += c == '\n' ? std::string_view("\r\n") : std::string_view(&c, 1);
    return page;
}

// Lines of a page, each followed by a blank line (spaced) or not (packed).
inline std::string joinedLines(std::initializer_list<std::string_view> lines, std::string_view end)
{
    std::string text;
    for (std::string_view line : lines)
        text.append(line).append(end);
    return text;
}
inline std::string spaced(std::initializer_list<std::string_view> lines) { return joinedLines(lines, "\n\n"); }
inline std::string packed(std::initializer_list<std::string_view> lines) { return joinedLines(lines, "\n"); }

// Every page starts with this head; the organiser's own reports go on with the
// white body, the program's name and the date the report was made.
inline std::string pageTop(const std::string& title)
{
    return "<html>\n\n<head>\n\n<title>" + title + "</title>\n\n"
           "<meta http-equiv='Content-Type' content='text/html; charset=iso-8859-1'>\n\n</head>\n\n";
}

inline std::string reportTop(const std::string& date)
{
    return pageTop("Brindlecase") + "<body bgcolor='#FFFFFF' text='#000000'>\n\n"
        + "<p><font face='Arial, Helvetica, sans-serif' size='2'>BRINDLECASE - your desktop organiser\n\n- DATE: " + date
        + "\n\n";
}

} // namespace testing_support
