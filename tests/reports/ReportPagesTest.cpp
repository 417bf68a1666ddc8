// The report pages byte for byte, their file names, and the pieces they are made
// of: the date line and the mail address.

#include "reports/DateLine.h"
#include "reports/EmailGroupPage.h"
#include "reports/MailComposer.h"
#include "reports/MasterReport.h"
#include "reports/StatusSummary.h"
#include "store/StatusList.h"
#include "support/StoreFixtures.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// A page written out in a raw string, one line of the file per line of the text:
// every "\n" becomes the CR LF the file holds.
std::string crlfPage(std::string_view text)
{
    std::string page;
    for (char c : text)
        page += c == '\n' ? std::string_view("\r\n") : std::string_view(&c, 1);
    return page;
}

// Lines of a page, each followed by a blank line (most pages), or by `end`.
std::string pageLines(std::initializer_list<std::string_view> lines, std::string_view end = "\n\n")
{
    std::string text;
    for (std::string_view line : lines)
        text.append(line).append(end);
    return text;
}

// Every page starts with this head; the organiser's own reports go on with the
// white body, the program's name and the date the report was made.
std::string pageTop(const std::string& title)
{
    return "<html>\n\n<head>\n\n<title>" + title + "</title>\n\n"
           "<meta http-equiv='Content-Type' content='text/html; charset=iso-8859-1'>\n\n</head>\n\n";
}

std::string reportTop(const std::string& date)
{
    return pageTop("Brindlecase") + "<body bgcolor='#FFFFFF' text='#000000'>\n\n"
        + "<p><font face='Arial, Helvetica, sans-serif' size='2'>BRINDLECASE - your desktop organiser\n\n- DATE: " + date
        + "\n\n";
}

// ---- the master report ----

const reports::DateTime kMasterMoment{2026, 12, 4, 3, 40, 0};

const std::string kMasterHead = reportTop("04 December 2026, 03:40:00")
    + pageLines({"</font></p>", "<table width='99%' border='1' cellspacing='1' cellpadding='1'>"});

const std::string kMasterTail = pageLines({"</table>", "<p>&nbsp;</p>", "</body>", "</html>"});

// The end of every section, after its grid rows.
const std::string kSectionEnd = pageLines({"            </table>", "          </td>", "        </tr>", "        <tr>",
                                           "          <td>&nbsp;</td>", "        </tr>", "      </table>", "    </td>", "  </tr>"});

// The head of every section: its icon and name, up to the name itself.
std::string sectionHead(std::string_view icon)
{
    return pageLines({"<tr>", "    <td>", "      <table width='100%' border='0' cellspacing='0' cellpadding='0'>", "        <tr>"})
        + std::string(icon);
}

// The link grid's table and its four column heads, with the pictures of the section.
std::string gridHeads(const char* mails, const char* folders, const char* files, const char* web)
{
    std::string heads = pageLines({"            <table width='99%' border='0' cellspacing='0' cellpadding='0'>", "              <tr>"});
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
        + pageLines({"</font></font></b> </td>", "          </tr>", "        </table>", "      </td></tr>", "          <td>",
                     "            <hr>", "          </td>", "        </tr>", "        <tr>", "          <td bgcolor='#FFFFFF'>",
                     "            <p><font face='Arial, Helvetica, sans-serif' color='#666666'>"})
        + "                  <center><b>STATUS:" + status + "</b></center><br>\n\n" + noteLines
        + pageLines({"             </font></p>", "          </td>", "        </tr>", "        <tr>", "          <td>", "            <hr>",
                     "          </td>", "        </tr>", "        <tr>", "          <td>"})
        + gridHeads("Address-Book-icon.jpg", "Briefcase-icon.jpg", "Folder-Dossier-Win-SZ-icon.jpg", "web.gif");
}

std::string subSectionTop(const std::string& name, const std::string& noteLines)
{
    return sectionHead("          <td colspan='2'><b><font color='#000000'><img src='Bloc-Notes-SZ-icon.jpg' width='48' "
                       "height='48'><font face='Arial, Helvetica, sans-serif'>")
        + name
        + pageLines({"</font></font></b> </td>", "        </tr>", "        <tr>",
                     "         <td colspan='2' bgcolor='#000000' height='2'></td>", "        </tr>", "        <tr>",
                     "          <td bgcolor='#FFFFFF' width='4%'>",
                     "            <p><font face='Arial, Helvetica, sans-serif' color='#666666'> <br>", "              </font></p>",
                     "          </td>",
                     "          <td bgcolor='#FFFFFF' width='96%'><font face='Arial, Helvetica, sans-serif' color='#666666'>"})
        + noteLines
        + pageLines({"            </font></td>", "        </tr>", "        <tr>", "          <td>", "          </td>", "        </tr>",
                     "        <tr>", "          <td colspan='2' width='99%'>"})
        + gridHeads("User-icon.jpg", "Folder-Documents-icon.jpg", "Folder-Public-icon.jpg", "Folder-Web-icon.jpg");
}

// One row of the link grid: an e-mail cell (25%) and three others (24%), each a
// link (text, then target) or, without a text, an empty cell.
using Cell = std::pair<const char*, std::string>;
std::string gridRow(const Cell& mail, const Cell& folder, const Cell& file, const Cell& web)
{
    std::string row = "              <tr>\n\n";
    for (const Cell* cell : {&mail, &folder, &file, &web}) {
        const std::string font = "<font face='Arial, Helvetica, sans-serif'>" + std::string(cell->first ? cell->first : "") + "</font>";
        row += std::string("                <td width='") + (cell == &mail ? "25%" : "24%") + "'>"
            + (cell->first ? "<a href='" + cell->second + "'>" + font + "</a>" : font) + "</td>\n";
    }
    return row + "              </tr>\n\n";
}


// Three e-mails and one folder on the master; a sub record whose web list is the
// longest; a sub record without any line break, after another master's sub record.
TEST(MasterReport, WholePageWithUnevenListsColonsAndSubRecordsInStoreOrder)
{
    store::AppState state;
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

    const std::string expected = kMasterHead
        + masterSectionTop("Plan  2026", "Open      ", "                  first & <b>line</b> <br>\n\n                   <br>\n\n"
                                                      "                  last <br>\n\n")
        + gridRow({"Ann", "mailto:ann@example.org"}, {"Shed", "/home/me/shed"}, {}, {})
        + gridRow({"Bob", "mailto:bob@example.org"}, {}, {}, {}) + gridRow({"Cy", "mailto:cy@example.org"}, {}, {}, {})
        + kSectionEnd + subSectionTop("Seeds: spring", "                  buy early <br>\n\n")
        + gridRow({}, {"Box", "/home/me/box"}, {}, {"Shop", "https://shop.example/?a=1&b=2"})
        + gridRow({}, {}, {}, {"Map", "https://map.example"}) + kSectionEnd + subSectionTop("Tools", "") + kSectionEnd + kMasterTail;
    EXPECT_EQ(reports::masterReport(state.Records, plan, subItems, kMasterMoment), crlfPage(expected));
}

// Slashes become blanks (the report's name has lost its colons already) and the
// name becomes UTF-8; 255 bytes at most with "master_" and ".htm", so 244 bytes of
// name, cut between characters: a two- or three-byte character that would straddle
// the limit is left out whole.
TEST(MasterReportFileName, SlashesBecomeBlanksAndALongNameIsCutBetweenCharacters)
{
    const std::string a242(242, 'a'), a243(243, 'a');
    std::string euros; // three bytes each in UTF-8: 81 fit
    for (int i = 0; i < 81; ++i)
        euros += "\u20AC";
    const std::pair<std::string, std::string> cut[] = {
        {"Plan  2026/27 caf\xE9 \x80", "Plan  2026 27 caf\u00E9 \u20AC"}, {"", ""}, {a243 + "\xE9\xE9", a243},
        {std::string(300, 'a'), std::string(244, 'a')}, {a242 + "\xE9", a242 + "\u00E9"}, {a242 + "\x80", a242},
        {std::string(100, '\x80'), euros},
    };
    for (const auto& [name, kept] : cut)
        EXPECT_EQ(reports::masterReportFileName(name), "master_" + kept + ".htm") << name.size();
}

// ---- the status summary ----

const reports::DateTime kSummaryMoment{2027, 1, 9, 17, 5, 3};

// A status of four letters is stored with six blanks; its label adds two more.
const std::string kOpen = "OPEN" + std::string(8, ' ');
const std::string kDone = "DONE" + std::string(8, ' ');

// The report head without the "</font></p>" after its date, then the summary table
// up to its header row: every line followed by a blank line.
const std::string kSummaryTop = reportTop("09 January 2027, 17:05:03")
    + pageLines({"<table width='99%' border='0' cellspacing='1' cellpadding='1' height='592'>", "  <tr>", "    <td height='314'>",
                 "      <table width='100%' border='0' cellspacing='0' cellpadding='0' height='282'>", "        <tr>",
                 "          <td><b><font color='#000000'><img src='Internet-Shortcut-SZ-icon.jpg' width='48' height='48'></font></b>",
                 "            <table width='99%' border='0' cellspacing='0' cellpadding='0'>", "              <tr>",
                 "                <td><b><font color='#000000'><font face='Arial, Helvetica, sans-serif' color='#666666' size='5'>STATUS",
                 "                  SUMMARY INFORMATION: </font></font></b></td>", "              </tr>", "            </table>",
                 "          </td>", "        </tr>", "        <td>", "          <hr>", "        </td>", "        </tr>", "        <tr>",
                 "          <td bgcolor='#FFFFFF' height='39'>",
                 "            <table width='99%' border='0' cellspacing='0' cellpadding='0'>", "              <tr>",
                 "                <td>",
                 "                  <div align='center'><b><font face='Arial, Helvetica, sans-serif'>STATUS</font></b></div>",
                 "                </td>", "                <td><b><font face='Arial, Helvetica, sans-serif'>MASTER RECORD",
                 "                  COUNT</font></b></td>", "              </tr>"});

// From here on no blank lines.
const std::string kListingStart =
    pageLines({"            </table>", "            <p>&nbsp;</p>", "          </td>", "        </tr>", "        <tr>", "          <td>",
               "            <hr>", "          </td>", "        </tr>", "      </table>",
               "      <b><font face='Arial, Helvetica, sans-serif' color='#666666' size='5'>MASTER",
               "      RECORDS BY STATUS</font></b></td>", "  </tr>", "  <tr>", "    <td>"}, "\n");

const std::string kSummaryEnd = pageLines({"    <td>&nbsp;</td>", "  </tr>", "</table>", "<p>&nbsp;</p>", "", "</body>", "</html>"}, "\n");

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

// Sub records appear nowhere; masters without status get the "NO STATUS" block;
// a status is counted and listed in capitals with its padding, accented small
// letters under their capitals. A status holding "|" splits into two items that
// match no record: the record is counted and listed nowhere. A "=" is part of the
// label. A status "no status" lists the records without status under its own block
// too. "Open" and "OPEN" are two items: the records of both count in the first,
// the second counts 0 and lists the same records again.
TEST(StatusSummary, WholePageWithNoStatusBlockOddStatusesAndStatusesDifferingInLetterCase)
{
    store::AppState state;
    addMaster(state, "Open", "Garden\xAC" "note");
    addSub(state, 1, "Seeds\xAC");
    addMaster(state, "", "Loose end\xAC");
    addMaster(state, "Done", "Car\xAC");
    addMaster(state, "Open", "Roof");
    addMaster(state, "a|b", "Split\xAC");
    addMaster(state, "x=1", "Equals\xAC");
    addMaster(state, "no status", "Named\xAC");
    addMaster(state, "OPEN", "Shed\xAC");
    addMaster(state, "caf\xE9", "Corner\xAC");
    const std::string b = "B" + std::string(9, ' '), x = "X=1" + std::string(9, ' '), named = "NO STATUS   ";
    const std::string cafe = "CAF\xC9" + std::string(8, ' ');
    const std::vector<std::string> open{"Garden", "Roof", "Shed"};
    const std::string counts = countRow(kOpen, "3") + countRow(kDone, "1") + countRow("A  ", "0") + countRow(b, "0")
        + countRow(x, "1") + countRow(named, "1") + countRow(kOpen, "0") + countRow(cafe, "1") + countRow("NO STATUS ", "1");
    const std::string blocks = block(kOpen, open) + block(kDone, {"Car"}) + block("A  ", {}) + block(b, {}) + block(x, {"Equals"})
        + block(named, {"Loose end"}) + block(kOpen, open) + block(cafe, {"Corner"}) + block("NO STATUS ", {"Loose end"});
    const std::string page = reports::statusSummary(state.Records, store::statusItems(state.Records), kSummaryMoment);
    EXPECT_EQ(page, crlfPage(kSummaryTop + counts + kListingStart + blocks + kSummaryEnd));
}

// ---- the e-mail group page, the date line, the mail address ----

const std::string kGroupTop = pageTop("email group")
    + "<body bgcolor='#333333' text='#000000' leftmargin='10' topmargin='5' marginwidth='0' marginheight='0'>\n\n";

const std::string kGroupEnd = pageLines({"  <tr>", "    <td colspan='2'>", "      <hr>", "    </td>", "</table>", "</body>", "</html>"});

std::string pictureLink(const std::string& mail, const std::string& picture)
{
    return "<p><a href='" + mail + "'><img src='" + picture + "' width='87' height='85' border='0'></a>\n\n"
           "  <font face='Arial, Helvetica, sans-serif' color='#FF9900'>email group</font>\n\n</p>\n\n"
           "<table width='98%' border='0' cellspacing='0' cellpadding='0'>\n\n";
}

std::string member(const std::string& number, const std::string& description)
{
    return "  <tr>\n\n    <td colspan='2'>\n\n      <hr>\n\n    </td>\n\n  </tr>\n\n  <tr>\n\n"
           "    <td width='33%'><font face='Arial, Helvetica, sans-serif' color='#CCCCCC'>"
        + number + ".</font></td>\n\n    <td width='67%'><font face='Arial, Helvetica, sans-serif' color='#CCCCCC'>"
        + description + "</font></td>\n\n  </tr>\n\n  <tr>\n\n";
}

// The same address twice stands twice; an entry without ".." is all description
// and adds an empty address; only the first ".." separates; text is not escaped.
// The folder's UTF-8 bytes and the characters that would end the picture's address
// early are written as %XX, so the page stays Windows-1252 and the picture is found.
TEST(EmailGroupPage, SeveralMembersDuplicatesAndOddEntries)
{
    const std::vector<std::string> group{"", "Bob..bob@example.org", "Bob..bob@example.org", "Caf\xE9 & co",
                                         "A..b..c@example.org"};
    const std::string page = reports::emailGroupPage(group, "/home/J\u00F6rg/it's #1?50%");
    EXPECT_EQ(page, crlfPage(kGroupTop
                             + pictureLink("mailto:bob@example.org;bob@example.org;;b..c@example.org",
                                           "file:/home/J%C3%B6rg/it%27s %231%3F50%25/email.JPG")
                             + member("1", "Bob") + member("2", "Bob") + member("3", "Caf\xE9 & co") + member("4", "A")
                             + kGroupEnd));
}

// Every month's name; February 29 only in leap years, which skip the centuries
// not divisible by 400.
TEST(DateLine, EnglishMonthsAndValidDatesOnly)
{
    const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(reports::dateLine({2026, m, 10, 12, 0, 5}), "10 " + std::string(months[m - 1]) + " 2026, 12:00:05");
    const std::pair<reports::DateTime, bool> moments[] = {
        {{2028, 2, 29, 0, 0, 0}, true}, {{2000, 2, 29, 0, 0, 0}, true}, {{2026, 2, 29, 0, 0, 0}, false},
        {{2100, 2, 29, 0, 0, 0}, false}, {{2026, 4, 31, 0, 0, 0}, false}, {{2026, 1, 1, 24, 0, 0}, false},
    };
    for (const auto& [moment, valid] : moments)
        EXPECT_EQ(reports::isValidDateTime(moment), valid) << moment.year << "-" << moment.month << "-" << moment.day;
}

// Parts in their fixed order, "?" before the first present one; only the body is
// escaped (every "&", blank, CR LF, lone CR and lone LF; not "%" nor bytes beyond
// ASCII) and ends in a line break; an attachment is quoted with its blanks.
TEST(MailComposer, PresentPartsComeInTheirFixedOrderAndOnlyTheBodyIsEscaped)
{
    const std::pair<reports::MailParts, const char*> cases[] = { // to, subject, body, CC, BCC, attachment
        {{}, "mailto:"},
        {{"ann@example.org", "Weekly plan", "", "", "", ""}, "mailto:ann@example.org?Subject=Weekly plan"},
        {{"", "", "", "bob@example.org", "", ""}, "mailto:?CC=bob@example.org"},
        {{"ann@example.org", "Plan", "hi", "bob@example.org", "eve@example.org", "/home/ann/notes.bcn"},
         "mailto:ann@example.org?Subject=Plan&Body=hi%0D%0A&CC=bob@example.org&BCC=eve@example.org"
         "&Attacth=\"/home/ann/notes.bcn\""},
        {{"", "", "a\r\n\r\nb && c  d\re\nf\n\rg 100% caf\xE9", "", "", ""},
         "mailto:?Body=a%0D%0A%0D%0Ab%20%26%26%20c%20%20d%0De%0Af%0A%0Dg%20100%%20caf\xE9%0D%0A"},
        {{"a b@example.org", "Tom & Jerry\r\n", "", "c d", "", ""}, "mailto:a b@example.org?Subject=Tom & Jerry\r\n&CC=c d"},
        {{"", "", "", "", "", "C:\\My Files\\notes 2.bcn"}, "mailto:?Attacth=\"C:\\My Files\\notes 2.bcn\""},
    };
    for (const auto& [mail, address] : cases)
        EXPECT_EQ(reports::composeMailAddress(mail), address);
}

} // namespace
