#pragma once

#include "store/LinkList.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace store {

// The line-break mark: in a record's text it stands for a line break, in a link
// entry it separates the description from the target.
inline constexpr char kLineBreakMark = '\xAC';

// Link kinds are numbered the same way everywhere: tabs, file line types, lists.
enum class LinkKind : int { Email = 1, Folders = 2, Files = 3, Web = 4 };
inline constexpr int kLinkKindCount = 4;


struct Record {
    std::int16_t Id = 0;
    std::int16_t Parent = 0;  // 0 for a master record, else the master's index
    std::string Status;       // masters: as stored, normally padded to 10 characters
    std::string Content;      // name, mark, note lines separated by the mark
    LinkList Emails;
    LinkList Folders;
    LinkList Files;
    LinkList WebLinks;

    bool isMaster() const { return Parent == 0; }
    LinkList& links(LinkKind kind);
    const LinkList& links(LinkKind kind) const;
    int linkCount() const;
};

// Element 0 is a placeholder that is never shown or written; records are 1 to the
// upper bound, in file order.
using Records = std::vector<Record>;

inline constexpr int kMaxIndex = 32767;

// The store as a fresh load starts it: only the placeholder.
Records emptyRecords();

inline int upperBound(const Records& records) { return static_cast<int>(records.size()) - 1; }

// The file line type ("02".."05") and the tab caption word of a link kind.
std::string_view lineType(LinkKind kind);
std::string_view kindWord(LinkKind kind);

// "email  [3]": the kind word, two blanks and the list's count in brackets.
std::string countCaption(LinkKind kind, int count);

// The name is the text before the first mark; a text without a mark is all name.
std::string_view recordName(std::string_view content);

// The note: everything after the first mark ("" when there is none).
std::string_view recordNote(std::string_view content);

// The description of a link entry is the text before its first mark, the target
// the text after it (later marks stay in the target; no mark: no target).
std::string_view linkDescription(std::string_view entry);
std::string_view linkTarget(std::string_view entry);

// Stored text to display lines (every mark becomes CR LF) and back.
std::string StoredToText(std::string_view stored);
std::string TextToStored(std::string_view text);

// Splits a stored text at every mark (a text without a mark is one piece).
std::vector<std::string_view> splitAtMarks(std::string_view stored);

// Text with leading and trailing blanks removed (blanks only, not tabs).
std::string_view trimBlanks(std::string_view text);

// The status with leading and trailing blanks removed, as every comparison and
// display uses it.
inline std::string_view trimmedStatus(std::string_view status) { return trimBlanks(status); }

// A status as stored: the text padded with blanks to at least 10 characters.
std::string paddedStatus(std::string_view status);

} // namespace store
