#pragma once

#include <string>
#include <string_view>

namespace reports {

// A report page as it is written, one fragment per write. Every write ends its
// line with CR LF; a fixed fragment also carries a CR LF of its own, so an empty
// line follows it. Text is taken as it stands (Windows-1252 bytes, nothing escaped).
class PageText {
public:
    // The fragment, its own CR LF and the line end of the write.
    void fixed(std::string_view fragment)
    {
        bytes_.append(fragment);
        bytes_.append("\r\n\r\n");
    }

    // The fragment and the line end of the write only.
    void line(std::string_view fragment)
    {
        bytes_.append(fragment);
        bytes_.append("\r\n");
    }

    template <typename... Fragments>
    void fixedEach(const Fragments&... fragments)
    {
        (fixed(fragments), ...);
    }

    template <typename... Fragments>
    void lineEach(const Fragments&... fragments)
    {
        (line(fragments), ...);
    }

    std::string take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

} // namespace reports
