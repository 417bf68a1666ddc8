#include "tools/ReportCommand.h"

#include "reports/DateLine.h"
#include "reports/EmailGroupPage.h"
#include "reports/MasterReport.h"
#include "reports/PageFile.h"
#include "reports/StatusSummary.h"
#include "store/AppState.h"
#include "store/Cp1252.h"
#include "store/StatusList.h"
#include "store/StoreError.h"
#include "tools/ToolCommands.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <optional>
#include <stdexcept>

namespace fs = std::filesystem;

namespace tools {
namespace {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ReportKind {
    std::string name;
    std::string usage;
    std::string summary;
};

const std::vector<ReportKind>& reportKinds()
{
    static const std::vector<ReportKind> kinds = {
        {"master", "brindlecase-tool report master FILE ID [--password P] [--date YYYY-MM-DDTHH:MM:SS] [--out DIR]",
         "Write the page of master record ID (a sub record's ID reports its master) as DIR/master_NAME.htm and\n"
         "print its path. DIR is the current folder unless given; the date line shows --date or the present\n"
         "local time."},
        {"status", "brindlecase-tool report status FILE [--password P] [--date YYYY-MM-DDTHH:MM:SS] [--out DIR]",
         "Write the status summary as DIR/\"Status Summary.htm\" and print its path. A file without records\n"
         "writes and prints nothing."},
        {"group", "brindlecase-tool report group --out DIR ENTRY...",
         "Write the e-mail group page of the entries (each \"description..address\") as DIR/emailGroup.htm\n"
         "and print its path; its picture is DIR/email.JPG."},
    };
    return kinds;
}

struct Options {
    std::vector<std::string> operands;
    std::optional<std::string> password;
    std::optional<std::string> date;
    std::optional<std::string> out;
    bool help = false;
};

// "--name value" or "--name=value"; false when `word` is not that option.
bool takeOption(const std::string& name, const std::vector<std::string>& words, std::size_t& i,
                std::optional<std::string>& value)
{
    const std::string& word = words[i];
    if (word == name) {
        if (i + 1 == words.size())
            throw UsageError(name + " needs a value");
        value = words[++i];
        return true;
    }
    if (word.rfind(name + "=", 0) == 0) {
        value = word.substr(name.size() + 1);
        return true;
    }
    return false;
}

Options parseOptions(const std::vector<std::string>& words)
{
    Options options;
    bool operandsOnly = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (operandsOnly || word.size() < 2 || word[0] != '-') {
            options.operands.push_back(word);
        } else if (word == "--") {
            operandsOnly = true;
        } else if (word == "--help" || word == "-h") {
            options.help = true;
        } else if (!takeOption("--password", words, i, options.password) && !takeOption("--date", words, i, options.date)
                   && !takeOption("--out", words, i, options.out)) {
            throw UsageError("unknown option '" + word + "'");
        }
    }
    return options;
}

// The number written with exactly `count` digits at `at`, or -1.
int digitsAt(const std::string& text, std::size_t at, std::size_t count)
{
    int value = 0;
    const char* first = text.data() + at;
    const auto parsed = std::from_chars(first, first + count, value);
    const bool digitsOnly = std::all_of(first, first + count, [](char c) { return c >= '0' && c <= '9'; });
    return parsed.ec == std::errc() && digitsOnly ? value : -1;
}

reports::DateTime parseDate(const std::string& text)
{
    if (text.size() == 19 && text[4] == '-' && text[7] == '-' && text[10] == 'T' && text[13] == ':' && text[16] == ':') {
        const reports::DateTime moment{digitsAt(text, 0, 4),  digitsAt(text, 5, 2),  digitsAt(text, 8, 2),
                                       digitsAt(text, 11, 2), digitsAt(text, 14, 2), digitsAt(text, 17, 2)};
        if (reports::isValidDateTime(moment))
            return moment;
    }
    throw UsageError("--date must be a real moment written YYYY-MM-DDTHH:MM:SS, not '" + text + "'");
}

reports::DateTime reportDate(const Options& options)
{
    return options.date ? parseDate(*options.date) : reports::localNow();
}

// The folder made absolute, without "." steps or a separator at its end.
fs::path absoluteFolder(const std::string& folder)
{
    fs::path path = fs::absolute(folder).lexically_normal();
    if (!path.has_filename() && path != path.root_path())
        path = path.parent_path();
    return path;
}

void expectOperands(const Options& options, std::size_t count)
{
    if (options.operands.size() != count)
        throw UsageError("wrong number of arguments");
}

int recordId(const std::string& text)
{
    int id = 0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), id);
    if (parsed.ec != std::errc() || parsed.ptr != text.data() + text.size())
        throw UsageError("ID must be a record number, not '" + text + "'");
    return id;
}

int reportMaster(const Options& options, std::ostream& out, std::ostream& err)
{
    expectOperands(options, 2);
    const int id = recordId(options.operands[1]);
    const reports::DateTime moment = reportDate(options);
    store::AppState state;
    if (!loadToolFile(state, options.operands[0], options.password, err))
        return kExitFileError;
    if (id < 1 || id > store::upperBound(state.Records))
        throw UsageError("the file has no record " + std::to_string(id));
    // A click on a sub record keeps its master current.
    const store::Record& record = state.Records[id];
    const int master = record.isMaster() ? id : record.Parent;
    if (master < 1 || master > store::upperBound(state.Records))
        throw UsageError("record " + std::to_string(id) + " has no master record");
    const std::string page =
        reports::masterReport(state.Records, master, reports::subItemList(state.Records, master), moment);
    const std::string name = reports::masterReportFileName(reports::reportName(state.Records, master));
    out << reports::writePage(absoluteFolder(options.out.value_or(".")), name, page).string() << "\n";
    return kExitOk;
}

int reportStatus(const Options& options, std::ostream& out, std::ostream& err)
{
    expectOperands(options, 1);
    const reports::DateTime moment = reportDate(options);
    store::AppState state;
    if (!loadToolFile(state, options.operands[0], options.password, err))
        return kExitFileError;
    if (store::upperBound(state.Records) < 1)
        return kExitOk;
    const std::string page = reports::statusSummary(state.Records, store::statusItems(state.Records), moment);
    out << reports::writePage(absoluteFolder(options.out.value_or(".")), reports::kStatusSummaryFile, page).string()
        << "\n";
    return kExitOk;
}

int reportGroup(const Options& options, std::ostream& out, std::ostream&)
{
    if (!options.out)
        throw UsageError("--out is required");
    if (options.operands.empty())
        throw UsageError("at least one ENTRY is needed");
    if (options.password || options.date)
        throw UsageError("a group page takes neither --password nor --date");
    std::vector<std::string> group{std::string()};
    for (const std::string& entry : options.operands)
        group.push_back(store::utf8ToCp1252(entry));
    const fs::path folder = absoluteFolder(*options.out);
    const std::string page = reports::emailGroupPage(group, folder);
    out << reports::writePage(folder, reports::kEmailGroupFile, page).string() << "\n";
    return kExitOk;
}

int runKind(const ReportKind& kind, const Options& options, std::ostream& out, std::ostream& err)
{
    if (kind.name == "master")
        return reportMaster(options, out, err);
    if (kind.name == "status")
        return reportStatus(options, out, err);
    return reportGroup(options, out, err);
}

void printReportUsage(std::ostream& stream)
{
    stream << "Usage:\n";
    for (const ReportKind& kind : reportKinds())
        stream << "  " << kind.usage << "\n";
}

} // namespace

void printReportOverview(std::ostream& stream)
{
    for (const ReportKind& kind : reportKinds())
        stream << "  " << kind.usage << "\n";
    stream << "      Write a report page (pages are Windows-1252) and print its path.\n";
}

int runReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        printReportUsage(out);
        return kExitOk;
    }
    const auto& kinds = reportKinds();
    const auto kind = std::find_if(kinds.begin(), kinds.end(),
                                   [&](const ReportKind& k) { return !args.empty() && k.name == args[0]; });
    if (kind == kinds.end()) {
        if (!args.empty())
            err << "brindlecase-tool report: unknown page '" << args[0] << "' (master, status or group)\n";
        printReportUsage(err);
        return kExitUsage;
    }
    try {
        const Options options = parseOptions({args.begin() + 1, args.end()});
        if (options.help) {
            out << "Usage: " << kind->usage << "\n" << kind->summary << "\n";
            return kExitOk;
        }
        return runKind(*kind, options, out, err);
    } catch (const UsageError& error) {
        err << "brindlecase-tool report " << kind->name << ": " << error.what() << "\nUsage: " << kind->usage << "\n";
        return kExitUsage;
    } catch (const store::StoreError& error) {
        err << error.what() << "\n";
        return kExitFileError;
    }
}

} // namespace tools
