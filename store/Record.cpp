#include "store/Record.h"

namespace store {
namespace {

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t hit = text.find(from); hit != std::string_view::npos;
         hit = text.find(from, start)) {
        out.append(text.substr(start, hit - start));
        out.append(to);
        start = hit + from.size();
    }
    out.append(text.substr(start));
    return out;
}

constexpr std::string_view kMark(&kLineBreakMark, 1);

} // namespace

LinkList& Record::links(LinkKind kind)
{
    switch (kind) {
    case LinkKind::Email: return Emails;
    case LinkKind::Folders: return Folders;
    case LinkKind::Files: return Files;
    case LinkKind::Web: break;
    }
    return WebLinks;
}

const LinkList& Record::links(LinkKind kind) const
{
    return const_cast<Record*>(this)->links(kind);
}

int Record::linkCount() const
{
    return upperBound(Emails) + upperBound(Folders) + upperBound(Files) + upperBound(WebLinks);
}

Records emptyRecords()
{
    return Records(1);
}

std::string_view lineType(LinkKind kind)
{
    static constexpr std::string_view kTypes[] = {"02", "03", "04", "05"};
    return kTypes[static_cast<int>(kind) - 1];
}

std::string_view kindWord(LinkKind kind)
{
    static constexpr std::string_view kWords[] = {"email", "folders", "files", "web"};
    return kWords[static_cast<int>(kind) - 1];
}

std::string countCaption(LinkKind kind, int count)
{
    return std::string(kindWord(kind)) + "  [" + std::to_string(count < 1 ? 0 : count) + "]";
}

std::string_view recordName(std::string_view content)
{
    return content.substr(0, content.find(kLineBreakMark));
}

std::string_view recordNote(std::string_view content)
{
    const auto mark = content.find(kLineBreakMark);
    return mark == std::string_view::npos ? std::string_view() : content.substr(mark + 1);
}

std::string_view linkDescription(std::string_view entry)
{
    return recordName(entry);
}

std::string_view linkTarget(std::string_view entry)
{
    return recordNote(entry);
}

std::string StoredToText(std::string_view stored)
{
    return replaceAll(stored, kMark, "\r\n");
}

std::string TextToStored(std::string_view text)
{
    return replaceAll(text, "\r\n", kMark);
}

std::vector<std::string_view> splitAtMarks(std::string_view stored)
{
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (;;) {
        const auto mark = stored.find(kLineBreakMark, start);
        pieces.push_back(stored.substr(start, mark - start));
        if (mark == std::string_view::npos)
            return pieces;
        start = mark + 1;
    }
}

std::string_view trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string paddedStatus(std::string_view status)
{
    std::string padded(status);
    if (padded.size() < 10)
        padded.append(10 - padded.size(), ' ');
    return padded;
}

} // namespace store
