#include "store/Search.h"

#include "store/Cp1252.h"

#include <charconv>
#include <cstring>

namespace store {
namespace {

// True when the lower-case form of `haystack` contains `needle`, which is already
// lower case. Candidates for the first letter are found with memchr for each of
// its case forms, so the common case scans at memory speed.
class CaseFoldedFinder {
public:
    explicit CaseFoldedFinder(std::string_view lowerNeedle) : needle_(lowerNeedle)
    {
        const auto first = static_cast<unsigned char>(needle_[0]);
        for (int c = 0; c < 256; ++c) {
            if (lowerCp1252(static_cast<unsigned char>(c)) == first)
                firstForms_.push_back(static_cast<char>(c));
        }
    }

    bool foundIn(std::string_view haystack) const
    {
        if (haystack.size() < needle_.size())
            return false;
        const char* const last = haystack.data() + (haystack.size() - needle_.size());
        for (char form : firstForms_) {
            const char* p = haystack.data();
            while (p <= last) {
                p = static_cast<const char*>(std::memchr(p, form, static_cast<std::size_t>(last - p) + 1));
                if (!p)
                    break;
                if (restMatches(p))
                    return true;
                ++p;
            }
        }
        return false;
    }

private:
    bool restMatches(const char* p) const
    {
        for (std::size_t i = 1; i < needle_.size(); ++i) {
            if (lowerCp1252(static_cast<unsigned char>(p[i])) != static_cast<unsigned char>(needle_[i]))
                return false;
        }
        return true;
    }

    std::string needle_;
    std::vector<char> firstForms_;
};

} // namespace

std::string resultEntry(int index, const Record& record)
{
    const std::string_view name = recordName(record.Content);
    std::string entry = std::to_string(index);
    entry.reserve(entry.size() + 1 + name.size());
    entry += '-';
    entry += name;
    return entry;
}

ResultEntryParts splitResultEntry(std::string_view entry)
{
    const auto dash = entry.find('-');
    ResultEntryParts parts;
    const std::string_view number = entry.substr(0, dash);
    int value = 0;
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec == std::errc())
        parts.index = value;
    parts.text = dash == std::string_view::npos ? std::string_view() : entry.substr(dash + 1);
    return parts;
}

std::vector<std::string> FindMasters(const Records& records, std::string_view text)
{
    std::vector<std::string> results;
    if (text.empty())
        return results;
    const CaseFoldedFinder finder(toLowerCp1252(text));
    for (std::size_t k = 1; k < records.size(); ++k) {
        const Record& record = records[k];
        if (record.Parent == 0 && finder.foundIn(record.Content))
            results.push_back(resultEntry(static_cast<int>(k), record));
    }
    return results;
}

std::vector<std::string> FilterByStatus(const Records& records, std::string_view status)
{
    std::vector<std::string> results;
    for (std::size_t k = 1; k < records.size(); ++k) {
        if (records[k].Status == status)
            results.push_back(resultEntry(static_cast<int>(k), records[k]));
    }
    return results;
}

} // namespace store
