#include "reports/PageTestText.h"
#include "reports/StatusSummary.h"
#include "store/StatusList.h"
#include "support/StoreFixtures.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const reports::DateTime kMoment{2027, 1, 9, 17, 5, 3};

// `text` followed by `blanks` blanks.
std::string blanked(const std::string& text, std::size_t blanks)
{
    return text + std::string(blanks, ' ');
}

// A status of four letters is stored with six blanks; its label adds two more.
const std::string kOpen = blanked("OPEN", 8);
const std::string kDone = blanked("DONE", 8);

// The report head without the "</font></p>" after its date, then the summary table
// up to its header row: every line followed by a blank line.
const std::string kTop = reportTop("09 January 2027, 17:05:03")
    + spaced({"<table width='99%' border='0' cellspacing='1' cellpadding='1' height='592'>", "  <tr>", "    <td height='314'>",
              "      <table width='100%' border='0' cellspacing='0' cellpadding='0' height='282'>", "        <tr>",
              "          <td><b><font color='#000000'><img src='Internet-Shortcut-SZ-icon.jpg' width='48' height='48'></font></b>",
              "            <table width='99%' border='0' cellspacing='0' cellpadding='0'>", "              <tr>",
              "                <td><b><font color='#000000'><font face='Arial, Helvetica, sans-serif' color='#666666' size='5'>STATUS",
              "                  SUMMARY INFORMATION: </font></font></b></td>", "              </tr>", "            </table>",
              "          </td>", "        </tr>", "        <td>", "          <hr>", "        </td>", "        </tr>", "        <tr>",
              "          <td bgcolor='#FFFFFF' height='39'>", "            <table width='99%' border='0' cellspacing='0' cellpadding='0'>",
              "              <tr>", "                <td>",
              "                  <div align='center'><b><font face='Arial, Helvetica, sans-serif'>STATUS</font></b></div>",
              "                </td>", "                <td><b><font face='Arial, Helvetica, sans-serif'>MASTER RECORD",
              "                  COUNT</font></b></td>", "              </tr>"});

// From here on no blank lines.
const std::string kListingStart =
    packed({"            </table>", "            <p>&nbsp;</p>", "          </td>", "        </tr>", "        <tr>", "          <td>",
            "            <hr>", "          </td>", "        </tr>", "      </table>",
            "      <b><font face='Arial, Helvetica, sans-serif' color='#666666' size='5'>MASTER",
            "      RECORDS BY STATUS</font></b></td>", "  </tr>", "  <tr>", "    <td>"});

const std::string kEnd = packed({"    <td>&nbsp;</td>", "  </tr>", "</table>", "<p>&nbsp;</p>", "", "</body>", "</html>"});

std::string countRow(const std::string& label, const std::string& count)
{
    const std::string font = "<font face='Arial, Helvetica, sans-serif'>";
    return "              <tr>\n\n                <td>\n\n                  <div align='center'>" + font + label
        + "</font></div>\n\n                </td>\n\n                <td>" + font + count + "</font></td>\n\n              </tr>\n\n";
}

std::string block(const std::string& label, const std::vector<std::string>& names)
{
    const std::string font = "<font face='Arial, Helvetica, sans-serif'>";
    std::string text = "      <table width='99%' border='0' cellspacing='0' cellpadding='0'>\n        <tr>\n"
                       "          <td colspan='2'>\n            <div align='left'><b><font face='Arial, Helvetica, "
                       "sans-serif' color='#000000'>" + label + "</font></b><font face='Arial, Helvetica, sans-serif' "
                       "color='#000000'></font></div>\n          </td>\n        </tr>\n";
    for (std::size_t i = 0; i < names.size(); ++i)
        text += "        <tr>\n          <td width='8%'>" + font + std::to_string(i + 1) + "</font></td>\n          "
                "<td width='92%'>" + font + names[i] + "</font></td>\n        </tr>\n";
    return text + "      </table>\n    </td>\n  </tr>\n  <tr>\n    <td>\n";
}

class StatusSummaryTest : public ::testing::Test {
protected:
    void expectPage(const std::string& counts, const std::string& blocks)
    {
        const std::string page = reports::statusSummary(state.Records, store::statusItems(state.Records), kMoment);
        EXPECT_EQ(page, crlfPage(kTop + counts + kListingStart + blocks + kEnd));
    }
    store::AppState state;
};

// Sub records appear nowhere; masters without status get the "NO STATUS" block;
// a status is counted and listed in capitals with its padding. A status holding
// "|" splits into two items that match no record: the record is counted and listed
// nowhere. A "=" is part of the label. A status "no status" lists the records
// without status under its own block too.
TEST_F(StatusSummaryTest, WholePageWithNoStatusBlockAndOddStatuses)
{
    addMaster(state, "Open", "Garden\xAC" "note");
    addSub(state, 1, "Seeds\xAC");
    addMaster(state, "", "Loose end\xAC");
    addMaster(state, "Done", "Car\xAC");
    addMaster(state, "Open", "Roof");
    addMaster(state, "a|b", "Split\xAC");
    addMaster(state, "x=1", "Equals\xAC");
    addMaster(state, "no status", "Named\xAC");
    const std::string b = blanked("B", 9), x = blanked("X=1", 9), named = blanked("NO STATUS", 3);
    expectPage(countRow(kOpen, "2") + countRow(kDone, "1") + countRow("A  ", "0") + countRow(b, "0") + countRow(x, "1")
                   + countRow(named, "1") + countRow("NO STATUS ", "1"),
               block(kOpen, {"Garden", "Roof"}) + block(kDone, {"Car"}) + block("A  ", {}) + block(b, {})
                   + block(x, {"Equals"}) + block(named, {"Loose end"}) + block("NO STATUS ", {"Loose end"}));
}

// Every master has a status: the table still shows NO STATUS with 0, the listing
// has no NO STATUS block. "Open" and "OPEN" are two status box items; all records
// count in the first entry (twelve: numbered 1 to 12), the second counts 0 and
// lists the same records again.
TEST_F(StatusSummaryTest, StatusesDifferingOnlyInLetterCaseShareTheFirstEntryAndNoStatusBlockIsDropped)
{
    std::vector<std::string> names;
    for (int i = 1; i <= 12; ++i)
        addMaster(state, i == 2 ? "OPEN" : "Open", names.emplace_back("Job " + std::to_string(i)) + "\xAC");
    expectPage(countRow(kOpen, "12") + countRow(kOpen, "0") + countRow("NO STATUS ", "0"), block(kOpen, names) + block(kOpen, names));
}

// Only blanks are trimmed: a status of a tab or a no-break space is a status.
// Accented small letters count under their capitals.
TEST_F(StatusSummaryTest, TrimmingTakesBlanksOnlyAndCapitalsFollowTheCodePage)
{
    for (const char* status : {"\t", "\xA0", "   ", "caf\xE9"})
        addMaster(state, status, "R\xAC");
    const auto entries = reports::summaryEntries(state.Records, {blanked("\t", 9), blanked("\xA0", 9), blanked("CAF\xC9", 6)});
    ASSERT_EQ(entries.size(), 4u);
    for (const auto& entry : entries)
        EXPECT_EQ(entry.count, 1) << entry.label;
    EXPECT_EQ(entries[2].label, blanked("CAF\xC9", 8));
}

} // namespace
