#include "store/FileConversion.h"

#include "store/DataFile.h"
#include "store/LineCipher.h"
#include "store/SafeFile.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <string_view>

namespace fs = std::filesystem;

namespace store {
namespace {

bool endsWith(std::string_view text, std::string_view ending)
{
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

// Every line of `bytes` converted, each followed by CR LF. An empty line stays
// empty (the reader skips it), so a new file converts as well as a full one.
std::string convertLines(std::string_view bytes, Conversion conversion, const std::string& password)
{
    LineCipher cipher(password);
    std::string out;
    out.reserve(conversion == Conversion::Enciphered ? bytes.size() * 4 : bytes.size() / 3);
    std::string plain;
    forEachLine(bytes, [&](std::string_view line) {
        if (!line.empty()) {
            if (conversion == Conversion::Enciphered) {
                cipher.appendEnciphered(out, line);
            } else {
                cipher.decipherStored(line, plain);
                out += plain;
            }
        }
        out += "\r\n";
    });
    return out;
}

// Reads the bytes as the loader reads the file, with the password test on the
// first line of an enciphered file; throws when they do not load.
void requireLoadable(const fs::path& file, std::string_view bytes, Conversion conversion, const std::string& password)
{
    AppState scratch;
    scratch.DataFilePath = file;
    scratch.FileEncrypted = conversion == Conversion::Deciphered;
    scratch.FilePassword = password;
    try {
        forEachLine(bytes, [&](std::string_view line) {
            if (!line.empty())
                DecodeLine(scratch, line);
        });
    } catch (const StoreError& error) {
        if (error.kind() == ErrorKind::WrongPassword)
            throw StoreError(ErrorKind::WrongPassword, wrongPasswordMessage());
        throw StoreError(error.kind(), "The file '" + file.string() + "' does not load as a data file ("
                                           + error.what() + "); nothing was changed.");
    }
}

} // namespace

std::string wrongPasswordMessage()
{
    return "The password does not fit this file; nothing was changed.";
}

fs::path backupPath(const fs::path& file)
{
    return file.parent_path() / ("BackUp_" + file.filename().string());
}

std::string conversionMessage(const ConversionResult& result)
{
    std::string message = result.conversion == Conversion::Enciphered ? "File encrypted." : "File decrypted.";
    if (!result.keptTarget.empty()) {
        const std::string kept = result.keptTarget.filename().string();
        message += " The file " + kept.substr(std::string("BackUp_").size()) + " that was already there is kept as "
                 + kept + ".";
    }
    return message;
}

ConversionResult ConvertDataFile(const fs::path& file, const std::string& password)
{
    const std::string name = file.string();
    Conversion conversion;
    if (endsWith(name, "bcn"))
        conversion = Conversion::Enciphered;
    else if (endsWith(name, "bcy"))
        conversion = Conversion::Deciphered;
    else
        throw StoreError(ErrorKind::File, "'" + name + "' is not a data file (.bcn or .bcy).");

    const std::string original = readWholeFile(file, kMaxEncipheredFileBytes);
    requireLoadable(file, original, conversion, password);
    const std::string converted = convertLines(original, conversion, password);
    const fs::path newPath = name.substr(0, name.size() - 3)
                           + (conversion == Conversion::Enciphered ? "bcy" : "bcn");

    ConversionResult result{conversion, {}};
    std::error_code missing;
    if (fs::exists(newPath, missing))
        result.keptTarget = backupPath(newPath);
    // Every file this writes is checked first, so a refusal leaves the folder as it was.
    for (const fs::path& target : {backupPath(file), newPath, result.keptTarget}) {
        if (!target.empty())
            requireReplaceable(target);
    }

    writeFileSafely(backupPath(file), original);
    if (!result.keptTarget.empty())
        copyFileSafely(newPath, result.keptTarget);
    writeFileSafely(newPath, converted);
    std::error_code error;
    if (!fs::remove(file, error) || error) {
        throw StoreError(ErrorKind::File, "Could not delete the file '" + name + "': "
                                              + (error ? error.message() : "it is gone") + ".");
    }
    return result;
}

} // namespace store
