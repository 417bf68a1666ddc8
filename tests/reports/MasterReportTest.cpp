#include "reports/MasterReport.h"
#include "reports/PageTestText.h"
#include "support/StoreFixtures.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const reports::DateTime kMoment{2026, 12, 4, 3, 40, 0};

const std::string kHead = reportTop("04 December 2026, 03:40:00")
    + spaced({"</font></p>", "<table width='99%' border='1' cellspacing='1' cellpadding='1'>"});

const std::string kTail = spaced({"</table>", "<p>&nbsp;</p>", "</body>", "</html>"});

// The end of every section, after its grid rows.
const std::string kSectionEnd = spaced({"            </table>", "          </td>", "        </tr>", "        <tr>",
                                        "          <td>&nbsp;</td>", "        </tr>", "      </table>", "    </td>", "  </tr>"});

// The head of every section: its icon and name, up to the name itself.
std::string sectionHead(std::string_view icon)
{
    return spaced({"<tr>", "    <td>", "      <table width='100%' border='0' cellspacing='0' cellpadding='0'>", "        <tr>"})
        + std::string(icon);
}

// The link grid's table and its four column heads, with the pictures of the section.
std::string gridHeads(const char* mails, const char* folders, const char* files, const char* web)
{
    std::string heads = spaced({"            <table width='99%' border='0' cellspacing='0' cellpadding='0'>", "              <tr>"});
    for (const auto& [icon, alt] : {std::pair{mails, "emails"}, {folders, "folders"}, {files, "files"}, {web, "web"}})
        heads += "                <td width='25%'><img src='" + std::string(icon)
            + (icon == web ? "' width='44' height='47'" : "' width='48' height='48'") + " alt='" + alt + "'></td>\n\n";
    return heads + "              </tr>\n\n";
}

std::string masterSectionTop(const std::string& heading, const std::string& status, const std::string& noteLines)
{
    return sectionHead("          <td><b><font color='#000000'><img src='Internet-Shortcut-SZ-icon.jpg' width='48' height='48'>"
                       "</font></b>\n\n<table width='99%' border='0' cellspacing='0' cellpadding='0'><tr>\n\n"
                       "                <td><b><font color='#000000'><font face='Arial, Helvetica, sans-serif'>MASTER RECORD: ")
        + heading
        + spaced({"</font></font></b> </td>", "          </tr>", "        </table>", "      </td></tr>", "          <td>",
                  "            <hr>", "          </td>", "        </tr>", "        <tr>", "          <td bgcolor='#FFFFFF'>",
                  "            <p><font face='Arial, Helvetica, sans-serif' color='#666666'>"})
        + "                  <center><b>STATUS:" + status + "</b></center><br>\n\n" + noteLines
        + spaced({"             </font></p>", "          </td>", "        </tr>", "        <tr>", "          <td>",
                  "            <hr>", "          </td>", "        </tr>", "        <tr>", "          <td>"})
        + gridHeads("Address-Book-icon.jpg", "Briefcase-icon.jpg", "Folder-Dossier-Win-SZ-icon.jpg", "web.gif");
}

std::string subSectionTop(const std::string& name, const std::string& noteLines)
{
    return sectionHead("          <td colspan='2'><b><font color='#000000'><img src='Bloc-Notes-SZ-icon.jpg' width='48' "
                       "height='48'><font face='Arial, Helvetica, sans-serif'>")
        + name
        + spaced({"</font></font></b> </td>", "        </tr>", "        <tr>",
                  "         <td colspan='2' bgcolor='#000000' height='2'></td>", "        </tr>", "        <tr>",
                  "          <td bgcolor='#FFFFFF' width='4%'>",
                  "            <p><font face='Arial, Helvetica, sans-serif' color='#666666'> <br>", "              </font></p>",
                  "          </td>",
                  "          <td bgcolor='#FFFFFF' width='96%'><font face='Arial, Helvetica, sans-serif' color='#666666'>"})
        + noteLines
        + spaced({"            </font></td>", "        </tr>", "        <tr>", "          <td>", "          </td>", "        </tr>",
                  "        <tr>", "          <td colspan='2' width='99%'>"})
        + gridHeads("User-icon.jpg", "Folder-Documents-icon.jpg", "Folder-Public-icon.jpg", "Folder-Web-icon.jpg");
}

// One row of the link grid: an e-mail cell (25%) and three others (24%), each a
// link (text, then target) or, without a text, an empty cell.
struct Cell {
    const char* text = nullptr;
    std::string href;
};
std::string gridRow(const Cell& mail, const Cell& folder, const Cell& file, const Cell& web)
{
    std::string row = "              <tr>\n\n";
    for (const Cell* cell : {&mail, &folder, &file, &web}) {
        const std::string font = "<font face='Arial, Helvetica, sans-serif'>" + std::string(cell->text ? cell->text : "") + "</font>";
        row += std::string("                <td width='") + (cell == &mail ? "25%" : "24%") + "'>"
            + (cell->text ? "<a href='" + cell->href + "'>" + font + "</a>" : font) + "</td>\n";
    }
    return row + "              </tr>\n\n";
}

class MasterReportTest : public ::testing::Test {
protected:
    store::AppState state;
};

// Three e-mails and one folder on the master; a sub record whose web list is the
// longest; a sub record without any line break, after another master's sub record.
TEST_F(MasterReportTest, WholePageWithUnevenListsColonsAndSubRecordsInStoreOrder)
{
    const int plan = addMaster(state, "Open", "Plan: 2026\xAC" "first & <b>line</b>\xAC\xAC" "last");
    for (const char* mail : {"Ann\xAC" "ann@example.org", "Bob\xAC" "bob@example.org", "Cy\xAC" "cy@example.org"})
        state.Records[plan].Emails.push_back(mail);
    state.Records[plan].Folders.push_back("Shed\xAC" "/home/me/shed");
    const int seeds = addSub(state, plan, "Seeds: spring\xAC" "buy early");
    state.Records[seeds].Folders.push_back("Box\xAC" "/home/me/box");
    state.Records[seeds].WebLinks.push_back("Shop\xAC" "https://shop.example/?a=1&b=2");
    state.Records[seeds].WebLinks.push_back("Map\xAC" "https://map.example");
    addSub(state, addMaster(state, "Done", "Other\xAC"), "Not mine\xAC");
    addSub(state, plan, "Tools");
    const auto subItems = reports::subItemList(state.Records, plan);
    EXPECT_EQ(subItems, (std::vector<std::string>{"2,Seeds: spring", "5,Tools", ""})); // one empty slot after

    const std::string expected = kHead
        + masterSectionTop("Plan  2026", "Open      ", "                  first & <b>line</b> <br>\n\n                   <br>\n\n"
                                                      "                  last <br>\n\n")
        + gridRow({"Ann", "mailto:ann@example.org"}, {"Shed", "/home/me/shed"}, {}, {})
        + gridRow({"Bob", "mailto:bob@example.org"}, {}, {}, {}) + gridRow({"Cy", "mailto:cy@example.org"}, {}, {}, {})
        + kSectionEnd + subSectionTop("Seeds: spring", "                  buy early <br>\n\n")
        + gridRow({}, {"Box", "/home/me/box"}, {}, {"Shop", "https://shop.example/?a=1&b=2"})
        + gridRow({}, {}, {}, {"Map", "https://map.example"}) + kSectionEnd + subSectionTop("Tools", "") + kSectionEnd + kTail;
    EXPECT_EQ(reports::masterReport(state.Records, plan, subItems, kMoment), crlfPage(expected));
}

// An entry without a mark is all description with an empty target; an entry that
// is the mark alone is a link with empty href and text; an empty entry is an empty
// cell. Sub-item entries that name no record are passed over. A name followed by
// one mark gives one empty note line; an empty status is written as its ten blanks;
// Windows-1252 bytes pass unchanged.
TEST_F(MasterReportTest, OddLinkEntriesAndSubItems)
{
    const int m = addMaster(state, "", "Caf\xE9\xAC");
    for (const char* file : {"no mark", "\xAC", ""})
        state.Records[m].Files.push_back(file);
    state.Records[m].WebLinks.push_back("a\xAC" "b\xAC" "c");
    const std::string page = reports::masterReport(state.Records, m, {"9,Gone", "x,Bad", "", ""}, kMoment);
    const std::string expected = kHead + masterSectionTop("Caf\xE9", "          ", "                   <br>\n\n")
        + gridRow({}, {}, {"no mark", ""}, {"a", "b\xAC" "c"}) + gridRow({}, {}, {"", ""}, {}) + gridRow({}, {}, {}, {})
        + kSectionEnd + kTail;
    EXPECT_EQ(page, crlfPage(expected));
}

// Colons and slashes become blanks and the name becomes UTF-8; 255 bytes at most
// with "master_" and ".htm", so 244 bytes of name, cut between characters: a two-
// or three-byte character that would straddle the limit is left out whole.
TEST(MasterReportFileName, ColonsAndSlashesBecomeBlanksAndALongNameIsCutBetweenCharacters)
{
    store::AppState state;
    const int m = addMaster(state, "", "Plan: 2026/27 caf\xE9 \x80\xAC" "note: not in the name");
    EXPECT_EQ(reports::reportName(state.Records, m), "Plan  2026/27 caf\xE9 \x80");
    EXPECT_EQ(reports::masterReportFileName(reports::reportName(state.Records, m)), "master_Plan  2026 27 caf\u00E9 \u20AC.htm");
    const std::string a242(242, 'a'), a243(243, 'a');
    std::string euros; // three bytes each in UTF-8: 81 fit
    for (int i = 0; i < 81; ++i)
        euros += "\u20AC";
    const std::pair<std::string, std::string> cut[] = {
        {"", ""}, {std::string(300, 'a'), std::string(244, 'a')}, {a243 + "\xE9\xE9", a243},
        {a242 + "\xE9", a242 + "\u00E9"}, {a242 + "\x80", a242}, {std::string(100, '\x80'), euros},
    };
    for (const auto& [name, kept] : cut)
        EXPECT_EQ(reports::masterReportFileName(name), "master_" + kept + ".htm") << name.size();
}

} // namespace
