#pragma once

#include <filesystem>
#include <string>

namespace store {

enum class Conversion { Enciphered, Deciphered };

struct ConversionResult {
    Conversion conversion;
    // Where the file of the other extension that was already there is kept
    // ("BackUp_" + its name); empty when there was none.
    std::filesystem::path keptTarget;
};

// Converts a whole data file between its plain (".bcn") and enciphered (".bcy")
// form with `password`: the file must first load as a data file with the password
// (the reader's password test for ".bcy"); then the backup "BackUp_" + file name is
// written beside it, a file of the other extension that is already there is kept as
// "BackUp_" + its own name, every line is converted, the file of the other extension
// is written and the source is deleted. The extension must be "bcn" or "bcy" in
// lower case. Throws StoreError; when the file does not load (WrongPassword for a
// password that does not fit) nothing is changed on disk.
ConversionResult ConvertDataFile(const std::filesystem::path& file, const std::string& password);

// "BackUp_" + the file's name, in the file's folder.
std::filesystem::path backupPath(const std::filesystem::path& file);

// "File encrypted." / "File decrypted.", and where an existing file of the other
// extension was kept.
std::string conversionMessage(const ConversionResult& result);

// "The password does not fit this file; nothing was changed."
std::string wrongPasswordMessage();

} // namespace store
