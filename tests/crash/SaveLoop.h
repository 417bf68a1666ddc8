#pragma once

#include <string>

// What the save loop writes in its generation `generation`: the loop and the test
// that kills it agree on these texts; the test frames them into file bytes itself.
namespace save_loop {

inline constexpr int kRecords = 4000; // about 400 KB a save

// The text of record `index` (counted from 1).
inline std::string recordText(int index, int generation)
{
    return "Record " + std::to_string(index) + " of generation " + std::to_string(generation) + " "
         + std::string(static_cast<std::size_t>(40 + index % 50), static_cast<char>('a' + generation % 26));
}

// A report page of that generation: only the page writer is under test, so the
// loop and the test share its text.
inline std::string pageText(int generation)
{
    std::string page = "<html><body>\r\n";
    for (int index = 1; index <= kRecords; ++index)
        page += "<p>" + recordText(index, generation) + "</p>\r\n";
    return page + "</body></html>\r\n";
}

} // namespace save_loop
