#include "reports/EmailGroupPage.h"

#include "reports/PageText.h"

namespace reports {
namespace {

// The program folder as it goes into the picture's "file:" address. The page is
// Windows-1252 while the folder's name is UTF-8 bytes, so every byte outside ASCII
// is written as a %XX escape, which the browser turns back into the same bytes; so
// are the few characters that would end the address or the attribute early.
std::string folderInAddress(const std::filesystem::path& folder)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : folder.string()) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || byte < 0x20 || c == '%' || c == '#' || c == '?' || c == '\'') {
            text += '%';
            text += kHex[byte >> 4];
            text += kHex[byte & 0x0F];
        } else {
            text += c;
        }
    }
    return text;
}

} // namespace

std::string_view groupDescription(std::string_view entry)
{
    return entry.substr(0, entry.find(".."));
}

std::string_view groupAddress(std::string_view entry)
{
    const std::size_t dots = entry.find("..");
    return dots == std::string_view::npos ? std::string_view() : entry.substr(dots + 2);
}

std::string groupMailAddress(const std::vector<std::string>& group)
{
    std::string address = "mailto:";
    for (std::size_t i = 1; i < group.size(); ++i) {
        address += groupAddress(group[i]);
        address += ';';
    }
    address.pop_back(); // the ";" after the last address (with no member: the colon)
    return address;
}

std::string emailGroupPage(const std::vector<std::string>& group, const std::filesystem::path& programFolder)
{
    PageText page;
    page.fixedEach("<html>", "<head>", "<title>email group</title>",
                   "<meta http-equiv='Content-Type' content='text/html; charset=iso-8859-1'>", "</head>",
                   "<body bgcolor='#333333' text='#000000' leftmargin='10' topmargin='5' marginwidth='0' "
                   "marginheight='0'>");
    page.fixed("<p><a href='" + groupMailAddress(group) + "'><img src='file:" + folderInAddress(programFolder) + "/"
               + kEmailGroupPicture + "' width='87' height='85' border='0'></a>");
    page.fixedEach("  <font face='Arial, Helvetica, sans-serif' color='#FF9900'>email group</font>", "</p>",
                   "<table width='98%' border='0' cellspacing='0' cellpadding='0'>");
    for (std::size_t i = 1; i < group.size(); ++i) {
        page.fixedEach("  <tr>", "    <td colspan='2'>", "      <hr>", "    </td>", "  </tr>", "  <tr>");
        page.fixed("    <td width='33%'><font face='Arial, Helvetica, sans-serif' color='#CCCCCC'>" + std::to_string(i)
                   + ".</font></td>");
        page.fixed("    <td width='67%'><font face='Arial, Helvetica, sans-serif' color='#CCCCCC'>"
                   + std::string(groupDescription(group[i])) + "</font></td>");
        page.fixedEach("  </tr>", "  <tr>");
    }
    page.fixedEach("  <tr>", "    <td colspan='2'>", "      <hr>", "    </td>", "</table>", "</body>", "</html>");
    return page.take();
}

} // namespace reports
