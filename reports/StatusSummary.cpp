#include "reports/StatusSummary.h"

#include "reports/PageHead.h"
#include "reports/PageText.h"
#include "store/Cp1252.h"

namespace reports {
namespace {

bool hasNoStatus(const store::Record& record)
{
    return store::trimmedStatus(record.Status).empty();
}

bool belongsTo(const store::Record& record, const SummaryEntry& entry)
{
    if (entry.listsRecordsWithoutStatus())
        return hasNoStatus(record);
    return store::toUpperCp1252(record.Status) == entry.statusName;
}

void writeSummaryTable(PageText& page, const std::vector<SummaryEntry>& entries)
{
    page.fixedEach(
        "<table width='99%' border='0' cellspacing='1' cellpadding='1' height='592'>", "  <tr>", "    <td height='314'>",
        "      <table width='100%' border='0' cellspacing='0' cellpadding='0' height='282'>", "        <tr>",
        "          <td><b><font color='#000000'><img src='Internet-Shortcut-SZ-icon.jpg' width='48' height='48'></font></b>",
        "            <table width='99%' border='0' cellspacing='0' cellpadding='0'>", "              <tr>",
        "                <td><b><font color='#000000'><font face='Arial, Helvetica, sans-serif' color='#666666' "
        "size='5'>STATUS",
        "                  SUMMARY INFORMATION: </font></font></b></td>", "              </tr>", "            </table>",
        "          </td>", "        </tr>", "        <td>", "          <hr>", "        </td>", "        </tr>",
        "        <tr>", "          <td bgcolor='#FFFFFF' height='39'>",
        "            <table width='99%' border='0' cellspacing='0' cellpadding='0'>", "              <tr>",
        "                <td>",
        "                  <div align='center'><b><font face='Arial, Helvetica, sans-serif'>STATUS</font></b></div>",
        "                </td>", "                <td><b><font face='Arial, Helvetica, sans-serif'>MASTER RECORD",
        "                  COUNT</font></b></td>", "              </tr>");
    for (const SummaryEntry& entry : entries) {
        page.fixedEach("              <tr>", "                <td>");
        page.fixed("                  <div align='center'><font face='Arial, Helvetica, sans-serif'>" + entry.label
                   + "</font></div>");
        page.fixed("                </td>");
        page.fixed("                <td><font face='Arial, Helvetica, sans-serif'>" + std::to_string(entry.count)
                   + "</font></td>");
        page.fixed("              </tr>");
    }
}

void writeListingBlock(PageText& page, const store::Records& records, const SummaryEntry& entry)
{
    page.lineEach("      <table width='99%' border='0' cellspacing='0' cellpadding='0'>", "        <tr>",
                  "          <td colspan='2'>");
    page.line("            <div align='left'><b><font face='Arial, Helvetica, sans-serif' color='#000000'>" + entry.label
              + "</font></b><font face='Arial, Helvetica, sans-serif' color='#000000'></font></div>");
    page.lineEach("          </td>", "        </tr>");
    int number = 0;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const store::Record& record = records[r];
        if (!record.isMaster() || !belongsTo(record, entry))
            continue;
        page.line("        <tr>");
        page.line("          <td width='8%'><font face='Arial, Helvetica, sans-serif'>" + std::to_string(++number)
                  + "</font></td>");
        page.line("          <td width='92%'><font face='Arial, Helvetica, sans-serif'>"
                  + std::string(store::recordName(record.Content)) + "</font></td>");
        page.line("        </tr>");
    }
    page.lineEach("      </table>", "    </td>", "  </tr>", "  <tr>", "    <td>");
}

} // namespace

std::vector<SummaryEntry> summaryEntries(const store::Records& records, const std::vector<std::string>& statusItems)
{
    std::vector<SummaryEntry> entries;
    for (const std::string& item : statusItems) {
        std::string name = store::toUpperCp1252(item);
        std::string label = name + "  ";
        entries.push_back({std::move(name), std::move(label), 0});
    }
    entries.push_back({std::string(), "NO STATUS ", 0});
    const std::size_t itemEntries = entries.size() - 1;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const store::Record& record = records[r];
        if (!record.isMaster())
            continue;
        if (hasNoStatus(record)) {
            ++entries.back().count;
            continue;
        }
        const std::string capitals = store::toUpperCp1252(record.Status);
        for (std::size_t e = 0; e < itemEntries; ++e) {
            if (entries[e].statusName == capitals) {
                ++entries[e].count;
                break;
            }
        }
    }
    return entries;
}

std::string statusSummary(const store::Records& records, const std::vector<std::string>& statusItems,
                          const DateTime& moment)
{
    std::vector<SummaryEntry> entries = summaryEntries(records, statusItems);
    PageText page;
    writePageHead(page, moment);
    writeSummaryTable(page, entries);
    page.lineEach("            </table>", "            <p>&nbsp;</p>", "          </td>", "        </tr>",
                  "        <tr>", "          <td>", "            <hr>", "          </td>", "        </tr>",
                  "      </table>", "      <b><font face='Arial, Helvetica, sans-serif' color='#666666' size='5'>MASTER",
                  "      RECORDS BY STATUS</font></b></td>", "  </tr>", "  <tr>", "    <td>");
    if (entries.back().count == 0)
        entries.pop_back();
    for (const SummaryEntry& entry : entries)
        writeListingBlock(page, records, entry);
    page.lineEach("    <td>&nbsp;</td>", "  </tr>", "</table>", "<p>&nbsp;</p>", "", "</body>", "</html>");
    return page.take();
}

} // namespace reports
