#include "store/FileConversion.h"

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

} // namespace

fs::path backupPath(const fs::path& file)
{
    return file.parent_path() / ("BackUp_" + file.filename().string());
}

std::string conversionMessage(Conversion conversion)
{
    return conversion == Conversion::Enciphered ? "File encrypted." : "File decrypted.";
}

Conversion ConvertDataFile(const fs::path& file, const std::string& password)
{
    const std::string name = file.string();
    Conversion conversion;
    if (endsWith(name, "bcn"))
        conversion = Conversion::Enciphered;
    else if (endsWith(name, "bcy"))
        conversion = Conversion::Deciphered;
    else
        throw StoreError(ErrorKind::File, "'" + name + "' is not a data file (.bcn or .bcy).");

    const std::string original = readWholeFile(file);
    const std::string converted = convertLines(original, conversion, password);
    const fs::path newPath = name.substr(0, name.size() - 3)
                           + (conversion == Conversion::Enciphered ? "bcy" : "bcn");

    writeFileSafely(backupPath(file), original);
    writeFileSafely(newPath, converted);
    std::error_code error;
    if (!fs::remove(file, error) || error) {
        throw StoreError(ErrorKind::File, "Could not delete the file '" + name + "': "
                                              + (error ? error.message() : "it is gone") + ".");
    }
    return conversion;
}

} // namespace store
