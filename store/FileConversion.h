#pragma once

#include <filesystem>
#include <string>

namespace store {

enum class Conversion { Enciphered, Deciphered };

// Converts a whole data file between its plain (".bcn") and enciphered (".bcy")
// form with `password`: the backup "BackUp_" + file name is written beside it, every
// line is converted, the file of the other extension is written (replacing one
// that exists) and the source is deleted. The extension must be "bcn" or "bcy" in
// lower case. A wrong password while deciphering is not detected: the backup then
// holds the only enciphered copy. Throws StoreError; nothing is changed on disk
// when a line cannot be converted.
Conversion ConvertDataFile(const std::filesystem::path& file, const std::string& password);

// "BackUp_" + the file's name, in the file's folder.
std::filesystem::path backupPath(const std::filesystem::path& file);

// "File encrypted." / "File decrypted."
std::string conversionMessage(Conversion conversion);

} // namespace store
