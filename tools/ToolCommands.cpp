#include "tools/ToolCommands.h"

#include "store/Cp1252.h"
#include "store/DataFile.h"
#include "store/FileConversion.h"
#include "store/PasswordRules.h"
#include "store/Search.h"
#include "store/StoreError.h"
#include "tools/JsonExport.h"
#include "tools/PrintableText.h"
#include "tools/ReportCommand.h"

#include <charconv>
#include <functional>
#include <optional>
#include <sstream>

namespace tools {
namespace {

struct Invocation {
    std::vector<std::string> operands;
    std::optional<std::string> password;
};

using Handler = std::function<int(const Invocation&, std::ostream&, std::ostream&)>;

// Whether a command needs --password. A password that is being set (enciphering)
// must not be empty; one that opens a file may be, as old files can have one.
enum class Password { Optional, Required, RequiredToSet };

struct Command {
    std::string name;
    std::vector<std::string> operandNames;
    Password password;
    std::string summary;
    Handler run;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string usageLine(const Command& command)
{
    std::string line = "brindlecase-tool " + command.name;
    for (const auto& operand : command.operandNames)
        line += " " + operand;
    line += command.password == Password::Optional ? " [--password P]" : " --password P";
    return line;
}

class ErrReporter : public store::LoadReporter {
public:
    explicit ErrReporter(std::ostream& err) : err_(err) {}
    void loadFailed(const std::string& message, const std::string& cause) override
    {
        err_ << message << "\n";
        if (cause != message) // a file that could not be read at all says so once
            err_ << "(" << cause << ")\n";
    }
    void loadedCutShort(const std::string& message) override { err_ << "Warning: " << message << "\n"; }

private:
    std::ostream& err_;
};

bool endsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// Opens FILE the way the start window does: "bcy" at the end means enciphered.
bool load(store::AppState& state, const Invocation& invocation, std::ostream& err)
{
    state.DataFilePath = invocation.operands.at(0);
    state.FileEncrypted = endsWith(invocation.operands[0], "bcy");
    state.FilePassword = store::utf8ToCp1252(invocation.password.value_or(""));
    ErrReporter reporter(err);
    return store::LoadDataFile(state, state.DataFilePath, reporter);
}

int check(const Invocation& invocation, std::ostream& out, std::ostream& err)
{
    store::AppState state;
    if (!load(state, invocation, err))
        return kExitFileError;
    int masters = 0, subs = 0, links = 0;
    for (std::size_t i = 1; i < state.Records.size(); ++i) {
        (state.Records[i].isMaster() ? masters : subs) += 1;
        links += state.Records[i].linkCount();
    }
    out << "masters " << masters << ", subs " << subs << ", links " << links << "\n";
    return kExitOk;
}

int resave(const Invocation& invocation, std::ostream&, std::ostream& err)
{
    store::AppState state;
    if (!load(state, invocation, err))
        return kExitFileError;
    store::SaveDataFile(state);
    return kExitOk;
}

int search(const Invocation& invocation, std::ostream& out, std::ostream& err)
{
    store::AppState state;
    if (!load(state, invocation, err))
        return kExitFileError;
    const std::string text = store::utf8ToCp1252(invocation.operands.at(1));
    for (const std::string& entry : store::FindMasters(state.Records, text))
        out << store::cp1252ToUtf8(entry) << "\n";
    return kExitOk;
}

int parseRecordId(const std::string& text)
{
    int id = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), id);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        throw UsageError("ID must be a record number, not '" + text + "'");
    return id;
}

int remove(const Invocation& invocation, std::ostream&, std::ostream& err)
{
    const int id = parseRecordId(invocation.operands.at(1));
    store::AppState state;
    if (!load(state, invocation, err))
        return kExitFileError;
    if (id < 1 || id > store::upperBound(state.Records))
        throw UsageError("the file has no record " + std::to_string(id));
    // As a row click selects: a sub record with its master, a master alone.
    const store::Record& record = state.Records[id];
    state.CurrentMaster = static_cast<std::int16_t>(record.isMaster() ? id : record.Parent);
    state.CurrentSub = static_cast<std::int16_t>(record.isMaster() ? -1 : id);
    store::DeleteAndReload(state);
    return kExitOk;
}

Handler convert(store::Conversion wanted)
{
    return [wanted](const Invocation& invocation, std::ostream& out, std::ostream& err) {
        const std::string& file = invocation.operands.at(0);
        const bool plain = wanted == store::Conversion::Enciphered;
        if (!endsWith(file, plain ? "bcn" : "bcy")) {
            err << "'" << file << "' is not " << (plain ? "a plain data file (.bcn)" : "an enciphered data file (.bcy)")
                << ".\n";
            return kExitFileError;
        }
        if (plain) {
            const std::string problem = store::newPasswordProblem(*invocation.password);
            if (!problem.empty()) {
                err << problem << "\n";
                return kExitUsage;
            }
        }
        // The file must load with the password first: a damaged file or a wrong
        // password stops here instead of deciphering into nonsense.
        store::AppState state;
        if (!load(state, invocation, err))
            return kExitFileError;
        const auto done = store::ConvertDataFile(file, store::utf8ToCp1252(*invocation.password));
        out << store::conversionMessage(done) << "\n";
        return kExitOk;
    };
}

int exportStore(const Invocation& invocation, std::ostream& out, std::ostream& err)
{
    store::AppState state;
    if (!load(state, invocation, err))
        return kExitFileError;
    out << exportJson(state);
    return kExitOk;
}

const std::vector<Command>& commands()
{
    static const std::vector<Command> table = {
        {"check", {"FILE"}, Password::Optional, "Load FILE and count its records and links.", check},
        {"resave", {"FILE"}, Password::Optional, "Load FILE and write it back in the program's own form.", resave},
        {"search", {"FILE", "TEXT"}, Password::Optional,
         "List the master records whose text contains TEXT (any letter case), as index-name.", search},
        {"delete", {"FILE", "ID"}, Password::Optional,
         "Delete record ID (a master with its sub records) and renumber the rest.", remove},
        {"encrypt", {"FILE"}, Password::RequiredToSet, "Encipher a plain .bcn file into a .bcy file (backup kept).",
         convert(store::Conversion::Enciphered)},
        {"decrypt", {"FILE"}, Password::Required, "Decipher a .bcy file into a plain .bcn file (backup kept).",
         convert(store::Conversion::Deciphered)},
        {"export", {"FILE"}, Password::Optional, "Print the whole store as JSON.", exportStore},
    };
    return table;
}

void printOverview(std::ostream& stream)
{
    stream << "Usage: brindlecase-tool COMMAND ARGS... (COMMAND --help for details)\n"
              "A .bcy file is enciphered and opens with --password; other files are plain.\n"
              "Exit status: 0 done, 1 a file could not be loaded or converted, 2 usage error.\n\n"
              "Commands:\n";
    for (const Command& command : commands())
        stream << "  " << usageLine(command) << "\n      " << command.summary << "\n";
    printReportOverview(stream);
}

// Parses the words after the command name. Returns nullopt when help was asked.
std::optional<Invocation> parse(const Command& command, const std::vector<std::string>& words)
{
    Invocation invocation;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--help" || word == "-h")
            return std::nullopt;
        if (word == "--password") {
            if (i + 1 == words.size())
                throw UsageError("--password needs a value");
            invocation.password = words[++i];
        } else if (word.rfind("--password=", 0) == 0) {
            invocation.password = word.substr(11);
        } else if (word.size() > 1 && word[0] == '-' && word != "-") {
            throw UsageError("unknown option '" + word + "'");
        } else {
            invocation.operands.push_back(word);
        }
    }
    if (invocation.operands.size() != command.operandNames.size())
        throw UsageError("wrong number of arguments");
    if (command.password != Password::Optional && !invocation.password)
        throw UsageError("--password is required");
    if (command.password == Password::RequiredToSet && invocation.password->empty())
        throw UsageError("the new password must not be empty");
    return invocation;
}

int dispatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        printOverview(err);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printOverview(out);
        return kExitOk;
    }
    if (args[0] == "report")
        return runReport({args.begin() + 1, args.end()}, out, err);
    const auto& table = commands();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const Command& command) { return command.name == args[0]; });
    if (found == table.end()) {
        err << "brindlecase-tool: unknown command '" << args[0] << "'\n\n";
        printOverview(err);
        return kExitUsage;
    }
    const Command& command = *found;
    try {
        const auto invocation = parse(command, {args.begin() + 1, args.end()});
        if (!invocation) {
            out << "Usage: " << usageLine(command) << "\n" << command.summary << "\n";
            return kExitOk;
        }
        return command.run(*invocation, out, err);
    } catch (const UsageError& error) {
        err << "brindlecase-tool " << command.name << ": " << error.what() << "\nUsage: " << usageLine(command)
            << "\n";
        return kExitUsage;
    } catch (const store::StoreError& error) {
        err << error.what() << "\n";
        return kExitFileError;
    }
}

} // namespace

bool loadToolFile(store::AppState& state, const std::string& file, const std::optional<std::string>& password,
                  std::ostream& err)
{
    return load(state, Invocation{{file}, password}, err);
}

int runTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::ostringstream printed;
    std::ostringstream messages;
    const int status = dispatch(args, printed, messages);
    out << printableUtf8(printed.str());
    err << printableUtf8(messages.str());
    return status;
}

} // namespace tools
