#pragma once

#include "store/AppState.h"
#include "store/DataFile.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace store {

// The link owner: the record whose links are shown and changed, CurrentSub when
// it is 0 or more, else CurrentMaster; -1 when neither is set.
int linkOwner(const AppState& state);

// The exact data file line of the selected link (SelectedLinkIndex in the owner's
// list of CurrentLinkKind), or "" when there is no owner, no such kind or entry.
std::string linkRemovalLine(const AppState& state);

// Adds `entry` at the end of the owner's list of CurrentLinkKind, or, when
// EditingLink, puts it in place of entry SelectedLinkIndex. Returns false when
// there is no owner, the kind is not 1 to 4, or the index to replace is gone.
bool storeLink(AppState& state, std::string entry);

// Every distinct link of `kind` in store order, each entry once: an entry that
// occurs anywhere in the text collected so far is left out.
std::vector<std::string> distinctLinks(const Records& records, int kind);

// A quick link list item: the entry with every line-break mark shown as " ~ ".
std::string quickLinkItem(std::string_view entry);

// The description and target of a quick link item: the text before and after its
// first "~", blanks around each removed; an item without "~" is all target.
std::pair<std::string, std::string> splitQuickLinkItem(std::string_view item);

} // namespace store
