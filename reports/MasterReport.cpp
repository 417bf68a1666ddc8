#include "reports/MasterReport.h"

#include "reports/PageHead.h"
#include "reports/PageText.h"
#include "reports/RecordText.h"
#include "store/Cp1252.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace reports {
namespace {

constexpr std::string_view kFont = "<font face='Arial, Helvetica, sans-serif'>";

// The pictures over the four link columns: a master record's and a sub record's.
using ColumnHeads = std::array<std::string_view, 4>;
constexpr ColumnHeads kMasterHeads = {
    "                <td width='25%'><img src='Address-Book-icon.jpg' width='48' height='48' alt='emails'></td>",
    "                <td width='25%'><img src='Briefcase-icon.jpg' width='48' height='48' alt='folders'></td>",
    "                <td width='25%'><img src='Folder-Dossier-Win-SZ-icon.jpg' width='48' height='48' alt='files'></td>",
    "                <td width='25%'><img src='web.gif' width='44' height='47' alt='web'></td>",
};
constexpr ColumnHeads kSubHeads = {
    "                <td width='25%'><img src='User-icon.jpg' width='48' height='48' alt='emails'></td>",
    "                <td width='25%'><img src='Folder-Documents-icon.jpg' width='48' height='48' alt='folders'></td>",
    "                <td width='25%'><img src='Folder-Public-icon.jpg' width='48' height='48' alt='files'></td>",
    "                <td width='25%'><img src='Folder-Web-icon.jpg' width='44' height='47' alt='web'></td>",
};

// One cell of the link grid: a link with its description as text and its target as
// href (e-mail addresses behind "mailto:"), or an empty cell for an empty slot.
std::string gridCell(store::LinkKind kind, const std::string& slot)
{
    const bool email = kind == store::LinkKind::Email;
    std::string cell = email ? "                <td width='25%'>" : "                <td width='24%'>";
    if (slot.empty()) {
        cell += kFont;
        cell += "</font></td>";
        return cell;
    }
    cell += email ? "<a href='mailto:" : "<a href='";
    cell += store::linkTarget(slot);
    cell += "'>";
    cell += kFont;
    cell += store::linkDescription(slot);
    cell += "</font></a></td>";
    return cell;
}

// The grid rows: row r holds the r-th entry of each of the four lists, or an empty
// cell where a list is shorter; as many rows as the longest list.
void writeGridRows(PageText& page, const store::Record& record)
{
    static constexpr std::array<store::LinkKind, 4> kKinds = {store::LinkKind::Email, store::LinkKind::Folders,
                                                              store::LinkKind::Files, store::LinkKind::Web};
    int rows = 0;
    for (store::LinkKind kind : kKinds)
        rows = std::max(rows, record.links(kind).upperBound());
    for (int r = 1; r <= rows; ++r) {
        page.fixed("              <tr>");
        for (store::LinkKind kind : kKinds) {
            const store::LinkList& list = record.links(kind);
            page.line(gridCell(kind, r <= list.upperBound() ? list[r] : std::string()));
        }
        page.fixed("              </tr>");
    }
}

void writeNoteLines(PageText& page, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        page.fixed("                  " + line + " <br>");
}

// The link table of a section: column heads, grid rows and the section's end.
void writeLinkTable(PageText& page, std::string_view cellOpening, const ColumnHeads& heads,
                    const store::Record& record)
{
    page.fixedEach("        <tr>", cellOpening, "            <table width='99%' border='0' cellspacing='0' cellpadding='0'>",
                   "              <tr>", heads[0], heads[1], heads[2], heads[3], "              </tr>");
    writeGridRows(page, record);
    page.fixedEach("            </table>", "          </td>", "        </tr>", "        <tr>", "          <td>&nbsp;</td>",
                   "        </tr>", "      </table>", "    </td>", "  </tr>");
}

void writeMasterSection(PageText& page, const store::Record& record, const std::string& name)
{
    page.fixedEach("<tr>", "    <td>", "      <table width='100%' border='0' cellspacing='0' cellpadding='0'>",
                   "        <tr>",
                   "          <td><b><font color='#000000'><img src='Internet-Shortcut-SZ-icon.jpg' width='48' "
                   "height='48'></font></b>",
                   "<table width='99%' border='0' cellspacing='0' cellpadding='0'><tr>");
    page.fixed("                <td><b><font color='#000000'><font face='Arial, Helvetica, sans-serif'>MASTER RECORD: "
               + name + "</font></font></b> </td>");
    page.fixedEach("          </tr>", "        </table>", "      </td></tr>");
    page.fixedEach("          <td>", "            <hr>", "          </td>", "        </tr>");
    page.fixedEach("        <tr>", "          <td bgcolor='#FFFFFF'>",
                   "            <p><font face='Arial, Helvetica, sans-serif' color='#666666'>");
    page.fixed("                  <center><b>STATUS:" + record.Status + "</b></center><br>");
    writeNoteLines(page, recordText(record.Content).noteLines);
    page.fixedEach("             </font></p>", "          </td>", "        </tr>");
    page.fixedEach("        <tr>", "          <td>", "            <hr>", "          </td>", "        </tr>");
    writeLinkTable(page, "          <td>", kMasterHeads, record);
}

void writeSubSection(PageText& page, const store::Record& record)
{
    const RecordText text = recordText(record.Content);
    page.fixedEach("<tr>", "    <td>", "      <table width='100%' border='0' cellspacing='0' cellpadding='0'>",
                   "        <tr>");
    page.fixed("          <td colspan='2'><b><font color='#000000'><img src='Bloc-Notes-SZ-icon.jpg' width='48' "
               "height='48'><font face='Arial, Helvetica, sans-serif'>"
               + text.name + "</font></font></b> </td>");
    page.fixed("        </tr>");
    page.fixedEach("        <tr>", "         <td colspan='2' bgcolor='#000000' height='2'></td>", "        </tr>");
    page.fixedEach("        <tr>", "          <td bgcolor='#FFFFFF' width='4%'>",
                   "            <p><font face='Arial, Helvetica, sans-serif' color='#666666'> <br>",
                   "              </font></p>", "          </td>",
                   "          <td bgcolor='#FFFFFF' width='96%'><font face='Arial, Helvetica, sans-serif' "
                   "color='#666666'>");
    writeNoteLines(page, text.noteLines);
    page.fixedEach("            </font></td>", "        </tr>");
    page.fixedEach("        <tr>", "          <td>", "          </td>", "        </tr>");
    writeLinkTable(page, "          <td colspan='2' width='99%'>", kSubHeads, record);
}

// The record an entry of the sub-item list names, or 0 when it names none.
int subItemRecord(std::string_view entry, const store::Records& records)
{
    const std::string_view index = entry.substr(0, entry.find(','));
    int k = 0;
    const auto parsed = std::from_chars(index.data(), index.data() + index.size(), k);
    if (parsed.ec != std::errc() || parsed.ptr != index.data() + index.size())
        return 0;
    return k >= 1 && k <= store::upperBound(records) ? k : 0;
}

} // namespace

std::vector<std::string> subItemList(const store::Records& records, int master)
{
    std::vector<std::string> items;
    for (int k = 1; k <= store::upperBound(records); ++k) {
        if (records[k].Parent == master)
            items.push_back(std::to_string(k) + "," + std::string(store::recordName(records[k].Content)));
    }
    items.emplace_back();
    return items;
}

std::string reportName(const store::Records& records, int master)
{
    std::string name = recordText(records.at(static_cast<std::size_t>(master)).Content).name;
    std::replace(name.begin(), name.end(), ':', ' ');
    return name;
}

std::string masterReport(const store::Records& records, int master, const std::vector<std::string>& subItems,
                         const DateTime& moment)
{
    PageText page;
    writePageHead(page, moment);
    page.fixed("</font></p>");
    page.fixed("<table width='99%' border='1' cellspacing='1' cellpadding='1'>");
    writeMasterSection(page, records.at(static_cast<std::size_t>(master)), reportName(records, master));
    for (const std::string& entry : subItems) {
        if (const int k = entry.empty() ? 0 : subItemRecord(entry, records))
            writeSubSection(page, records[k]);
    }
    page.fixedEach("</table>", "<p>&nbsp;</p>", "</body>", "</html>");
    return page.take();
}

std::string masterReportFileName(std::string_view reportName)
{
    std::string name(reportName);
    std::replace(name.begin(), name.end(), '/', ' ');
    std::replace(name.begin(), name.end(), '\0', ' ');
    name = store::cp1252ToUtf8(name);
    static constexpr std::string_view kPrefix = "master_";
    static constexpr std::string_view kSuffix = ".htm";
    const std::size_t room = kMaxFileNameBytes - kPrefix.size() - kSuffix.size();
    if (name.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut; // never inside a character: back to the start of the one that does not fit
        name.resize(cut);
    }
    return std::string(kPrefix) + name + std::string(kSuffix);
}

} // namespace reports
