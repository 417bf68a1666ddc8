#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace reports {

inline constexpr char kEmailGroupFile[] = "emailGroup.htm";
inline constexpr char kEmailGroupPicture[] = "email.JPG";

// An entry of the e-mail group is "description..address": the description is the
// text before the first "..", the address the text after it. An entry without ".."
// is all description, with an empty address.
std::string_view groupDescription(std::string_view entry);
std::string_view groupAddress(std::string_view entry);

// "mailto:" and every member's address, separated by ";".
std::string groupMailAddress(const std::vector<std::string>& group);

// The e-mail group page: the picture link that starts one mail to every member,
// then the members numbered from 1. `group` holds the empty placeholder at 0 and
// the entries from 1; the picture is "email.JPG" in `programFolder`.
std::string emailGroupPage(const std::vector<std::string>& group, const std::filesystem::path& programFolder);

} // namespace reports
