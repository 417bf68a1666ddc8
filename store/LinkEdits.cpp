#include "store/LinkEdits.h"


namespace store {
namespace {

bool isLinkKind(int kind) { return kind >= 1 && kind <= kLinkKindCount; }

} // namespace

int linkOwner(const AppState& state)
{
    if (state.CurrentSub >= 0)
        return state.CurrentSub;
    return state.CurrentMaster >= 0 ? state.CurrentMaster : -1;
}

std::string linkRemovalLine(const AppState& state)
{
    const int owner = linkOwner(state);
    if (owner < 1 || owner > upperBound(state.Records) || !isLinkKind(state.CurrentLinkKind))
        return {};
    const auto kind = static_cast<LinkKind>(state.CurrentLinkKind);
    const LinkList& list = state.Records[owner].links(kind);
    if (state.SelectedLinkIndex < 1 || state.SelectedLinkIndex > list.upperBound())
        return {};
    std::string line;
    appendFiveDigits(line, owner);
    appendFiveDigits(line, state.CurrentSub >= 0 ? state.CurrentMaster : 0);
    line += lineType(kind);
    line += list[state.SelectedLinkIndex];
    return line;
}

bool storeLink(AppState& state, std::string entry)
{
    const int owner = linkOwner(state);
    if (owner < 0 || owner > upperBound(state.Records) || !isLinkKind(state.CurrentLinkKind))
        return false;
    LinkList& list = state.Records[owner].links(static_cast<LinkKind>(state.CurrentLinkKind));
    if (!state.EditingLink) {
        list.push_back(std::move(entry));
        return true;
    }
    if (state.SelectedLinkIndex < 1 || state.SelectedLinkIndex > list.upperBound())
        return false;
    list[state.SelectedLinkIndex] = std::move(entry);
    return true;
}

std::vector<std::string> distinctLinks(const Records& records, int kind)
{
    std::vector<std::string> links;
    if (!isLinkKind(kind))
        return links;
    std::string collected;
    for (std::size_t i = 1; i < records.size(); ++i) {
        for (const std::string& entry : records[i].links(static_cast<LinkKind>(kind))) {
            if (collected.find(entry) != std::string::npos)
                continue;
            collected += entry;
            collected += '~';
        }
    }
    // Pieces are cut at every "~", as the list is read back from that text.
    std::size_t start = 0;
    while (start < collected.size()) {
        const std::size_t tilde = collected.find('~', start);
        if (tilde > start)
            links.emplace_back(collected.substr(start, tilde - start));
        start = tilde + 1;
    }
    return links;
}

std::string quickLinkItem(std::string_view entry)
{
    std::string item;
    for (char c : entry) {
        if (c == kLineBreakMark)
            item += " ~ ";
        else
            item += c;
    }
    return item;
}

std::pair<std::string, std::string> splitQuickLinkItem(std::string_view item)
{
    const auto tilde = item.find('~');
    if (tilde == std::string_view::npos)
        return {std::string(), std::string(trimBlanks(item))};
    return {std::string(trimBlanks(item.substr(0, tilde))), std::string(trimBlanks(item.substr(tilde + 1)))};
}

} // namespace store
