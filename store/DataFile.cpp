#include "store/DataFile.h"

#include "store/Cp1252.h"
#include "store/LegacyNumbers.h"
#include "store/LineCipher.h"
#include "store/SafeFile.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace fs = std::filesystem;

namespace store {
namespace {

bool allDigits(const char* text, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    return true;
}

int digitsValue(const char* text, std::size_t count)
{
    int value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

std::int16_t checkedInt16(int value)
{
    if (value > 32767)
        throw StoreError(ErrorKind::Overflow, "the number " + std::to_string(value) + " is out of range");
    return static_cast<std::int16_t>(value);
}

// Columns `first` (counted from 1) and on, `count` of them, as far as the line goes.
std::string_view columns(std::string_view line, std::size_t first, std::size_t count = std::string_view::npos)
{
    if (first > line.size())
        return {};
    return line.substr(first - 1, count);
}

struct LineKey {
    std::int16_t id;
    std::int16_t parent;
    std::int16_t type;
};

// Columns 1-5 take their leading number; columns 6-10 and 11-12 must be numbers.
// Lines written by the program are all digits there and take the short road.
LineKey readKey(std::string_view line)
{
    if (line.size() >= 12 && allDigits(line.data(), 12)) {
        return {checkedInt16(digitsValue(line.data(), 5)),
                checkedInt16(digitsValue(line.data() + 5, 5)),
                static_cast<std::int16_t>(digitsValue(line.data() + 10, 2))};
    }
    const std::int16_t id = roundToInt16(readLeadingNumber(columns(line, 1, 5)).value);
    const std::int16_t parent = toInt16(columns(line, 6, 5));
    const std::int16_t type = toInt16(columns(line, 11, 2));
    return {id, parent, type};
}

// Decodes the lines of one load into a store; holds the cipher and a scratch
// buffer so that a big enciphered file costs no allocation per line.
class LineDecoder {
public:
    explicit LineDecoder(AppState& state) : state_(state)
    {
        if (state.FileEncrypted)
            cipher_ = std::make_unique<LineCipher>(state.FilePassword);
    }

    void decode(std::string_view stored)
    {
        std::string_view line = stored;
        if (cipher_) {
            cipher_->decipherStored(stored, plain_);
            line = plain_;
            if (!state_.PasswordAccepted) {
                if (line.substr(0, 5) != "00001")
                    throw StoreError(ErrorKind::WrongPassword, "the password does not open the file");
                state_.PasswordAccepted = true;
            }
        }
        store(line);
    }

private:
    void store(std::string_view line)
    {
        const LineKey key = readKey(line);
        Records& records = state_.Records;
        if (upperBound(records) < key.id)
            records.emplace_back();
        if (key.id < 0 || key.id > upperBound(records)) {
            throw StoreError(ErrorKind::Subscript,
                             "record " + std::to_string(key.id) + " comes before record "
                                 + std::to_string(upperBound(records)));
        }
        Record& record = records[key.id];
        record.Id = key.id;
        record.Parent = key.parent;
        switch (key.type) {
        case 1:
            if (key.parent != 0) {
                record.Status.clear();
                record.Content.assign(columns(line, 13));
            } else {
                record.Status.assign(columns(line, 13, 10));
                record.Content.assign(columns(line, 23));
            }
            break;
        case 2: case 3: case 4: case 5:
            record.links(static_cast<LinkKind>(key.type - 1)).emplace_back(columns(line, 13));
            break;
        default:
            break;
        }
    }

    AppState& state_;
    std::unique_ptr<LineCipher> cipher_;
    std::string plain_;
};

// A line the reader would not give back as written is refused before anything
// reaches the file: a record index outside 1 to 32767 (its key would not be five
// digits) or a CR or LF inside a field (it would split the line in two).
void requireWritableLine(const AppState& state, std::string_view line)
{
    std::string cause;
    if (line.size() < 12 || !allDigits(line.data(), 12) || line.substr(0, 5) == "00000")
        cause = "a record index in the line '" + cp1252ForMessage(line.substr(0, 12))
              + "' is outside what a data file can hold (1 to 32,767)";
    else if (std::memchr(line.data(), '\r', line.size()) || std::memchr(line.data(), '\n', line.size()))
        cause = "record " + std::to_string(digitsValue(line.data(), 5))
              + " holds a line break inside a field, which would corrupt the file";
    if (!cause.empty())
        throw StoreError(ErrorKind::File, saveFailureMessage(state.DataFilePath, cause + "; nothing was written"));
}

void writeLine(AppState& state, std::string_view line)
{
    requireWritableLine(state, line);
    std::string& out = state.OutStream->buffer();
    if (state.OutCipher)
        state.OutCipher->appendEnciphered(out, line);
    else
        out.append(line);
    out.append("\r\n");
    state.OutStream->flushIfFull();
}

void requireOutput(const AppState& state)
{
    if (!state.OutStream)
        throw StoreError(ErrorKind::File, "the data file is not open for writing");
}

// Runs `write` between OpenOutput and CloseOutput; any failure drops the
// unfinished file and passes on.
template <typename Write>
void writeWholeFile(AppState& state, Write&& write)
{
    OpenOutput(state);
    try {
        write();
        CloseOutput(state);
    } catch (...) {
        AbortOutput(state);
        throw;
    }
}

std::uint64_t sizeLimit(const AppState& state)
{
    return state.FileEncrypted ? kMaxEncipheredFileBytes : kMaxDataFileBytes;
}

void reloadWrittenFile(AppState& state)
{
    state.Records = emptyRecords();
    LineDecoder decoder(state);
    forEachFileLine(state.DataFilePath, sizeLimit(state), [&](std::string_view line) { decoder.decode(line); });
}

} // namespace

void appendFiveDigits(std::string& out, int value)
{
    if (value < 0) {
        out += '-';
        value = -value;
    }
    char digits[5];
    for (int i = 4; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    if (value > 0)
        out += std::to_string(value); // more than five digits: all of them
    out.append(digits, 5);
}

std::string loadErrorMessage(const fs::path& dataFilePath)
{
    return "File load error. The file '" + dataFilePath.string() + "' has reported errors.";
}

std::string cutShortMessage(const fs::path& dataFilePath)
{
    return "The file '" + dataFilePath.string()
         + "' ends in the middle of a line, so it has probably been cut short (by a full disk, a crash or a "
           "copy that did not finish). It is open as far as it goes: check its last record, and look for a "
           "backup copy before you save over it.";
}

bool LoadDataFile(AppState& state, const fs::path& path, LoadReporter& reporter)
{
    state.Records = emptyRecords();
    state.PasswordAccepted = false;
    state.OnDisk = DiskStamp();
    bool lastLineEnded = true;
    try {
        LineDecoder decoder(state);
        lastLineEnded = forEachFileLine(
            path, sizeLimit(state),
            [&](std::string_view line) {
                if (!line.empty())
                    decoder.decode(line);
            },
            &state.OnDisk);
    } catch (const std::exception& error) {
        state.LoadFailed = true;
        state.OnDisk = DiskStamp();
        // A file that could not be read at all (a folder, a pipe, too large, not
        // allowed) says so; a file whose lines are damaged gets the load error.
        const auto* storeError = dynamic_cast<const StoreError*>(&error);
        const bool unreadable = storeError && storeError->kind() == ErrorKind::File;
        reporter.loadFailed(unreadable ? error.what() : loadErrorMessage(state.DataFilePath), error.what());
        return false;
    }
    state.LoadFailed = false;
    if (!lastLineEnded)
        reporter.loadedCutShort(cutShortMessage(state.DataFilePath));
    return true;
}

void DecodeLine(AppState& state, std::string_view line)
{
    LineDecoder(state).decode(line);
}

void OpenOutput(AppState& state)
{
    AbortOutput(state);
    state.OutStream = std::make_unique<SafeFileWriter>(state.DataFilePath);
    if (state.FileEncrypted)
        state.OutCipher = std::make_unique<LineCipher>(state.FilePassword);
}

void WriteOutLine(AppState& state, std::string& line)
{
    requireOutput(state);
    requireWritableLine(state, line);
    if (state.OutCipher) {
        std::string written;
        state.OutCipher->appendEnciphered(written, line);
        line = std::move(written);
    }
    std::string& out = state.OutStream->buffer();
    out.append(line);
    out.append("\r\n");
    state.OutStream->flushIfFull();
}

void CloseOutput(AppState& state)
{
    requireOutput(state);
    std::unique_ptr<SafeFileWriter> stream = std::move(state.OutStream);
    state.OutCipher.reset();
    stream->commit();
    state.OnDisk = stampOf(stream->writtenInfo(), stream->writtenHash());
}

void AbortOutput(AppState& state)
{
    state.OutStream.reset();
    state.OutCipher.reset();
}

void SaveDataFile(AppState& state)
{
    SaveDataFileWithout(state, {});
}

void SaveDataFileWithout(AppState& state, std::string_view removalLine)
{
    writeWholeFile(state, [&] {
        for (std::size_t i = 1; i < state.Records.size(); ++i) {
            const Record& record = state.Records[i];
            bool recordLine = true;
            forEachRecordLine(record, record.Id, record.Parent, [&](std::string_view line) {
                if (recordLine || removalLine.empty() || line != removalLine)
                    writeLine(state, line);
                recordLine = false;
            });
        }
    });
}

void DeleteAndReload(AppState& state)
{
    const int target = state.CurrentSub > -1 ? state.CurrentSub : state.CurrentMaster;
    if (target < 1)
        return;
    const Records& records = state.Records;
    const std::size_t count = records.size();

    // removedBefore[i]: removed records with an index lower than i.
    std::vector<bool> removed(count, false);
    std::vector<int> removedBefore(count + 1, 0);
    for (std::size_t i = 1; i < count; ++i) {
        removed[i] = records[i].Id == target || records[i].Parent == target;
        removedBefore[i + 1] = removedBefore[i] + (removed[i] ? 1 : 0);
    }
    auto removedBelow = [&](int index) {
        return removedBefore[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(count)))];
    };

    writeWholeFile(state, [&] {
        int removedSoFar = 0;
        for (std::size_t i = 1; i < count; ++i) {
            if (removed[i]) {
                ++removedSoFar;
                continue;
            }
            const Record& record = records[i];
            const int newId = record.Id - removedSoFar;
            const int newParent = record.Parent == 0 ? 0 : record.Parent - removedBelow(record.Parent);
            forEachRecordLine(record, newId, newParent,
                              [&](std::string_view line) { writeLine(state, line); });
        }
    });
    reloadWrittenFile(state);
}

void CopyDataFile(const AppState& state, const fs::path& target)
{
    copyFileSafely(state.DataFilePath, target);
}

} // namespace store
