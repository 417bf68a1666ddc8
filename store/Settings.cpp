#include "store/Settings.h"

#include "store/LegacyNumbers.h"
#include "store/SafeFile.h"
#include "store/StoreError.h"
#include "store/TextLines.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace store {
namespace {

// The file's lines, each cut at its first comma (the legacy reader stops a value
// there).
std::vector<std::string> readValueLines(const fs::path& file)
{
    const std::string bytes = readWholeFile(file, kMaxSettingsFileBytes);
    std::vector<std::string> lines;
    forEachLine(bytes, [&](std::string_view line) { lines.emplace_back(line.substr(0, line.find(','))); });
    return lines;
}

std::optional<double> numberValue(std::string_view line)
{
    const LeadingNumber number = readFirstNumber(line);
    if (!number.digitsFound)
        return std::nullopt;
    return number.value;
}

std::optional<std::int16_t> int16Value(std::string_view line)
{
    const auto number = numberValue(line);
    if (!number)
        return std::nullopt;
    try {
        return roundToInt16(*number);
    } catch (const StoreError&) {
        return std::nullopt;
    }
}

bool equalsIgnoringCase(std::string_view text, std::string_view word)
{
    if (text.size() != word.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != word[i])
            return false;
    }
    return true;
}

// Line 3: True or False in any letter case, or a number (non-zero is True).
std::optional<bool> looseBoolean(std::string_view line)
{
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::string_view word = line.substr(first, line.find_last_not_of(" \t") - first + 1);
    if (equalsIgnoringCase(word, "true"))
        return true;
    if (equalsIgnoringCase(word, "false"))
        return false;
    const auto number = numberValue(word);
    if (!number)
        return std::nullopt;
    return *number != 0;
}

bool isFile(const fs::path& file)
{
    std::error_code error;
    return fs::is_regular_file(file, error);
}

// A number as the legacy writer printed it: a blank for the sign of a positive
// value, the digits, and a trailing blank.
std::string printedNumber(double value)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.7g", value);
    std::string printed = value >= 0 ? " " : "";
    printed += text;
    printed += ' ';
    return printed;
}

} // namespace

fs::path settingsPath(const fs::path& programFolder)
{
    return programFolder / kSettingsFileName;
}

bool readMainSettings(const fs::path& file, Settings& settings)
{
    if (!isFile(file))
        return false;
    std::vector<std::string> lines;
    try {
        lines = readValueLines(file);
    } catch (const StoreError&) {
        return false;
    }
    lines.resize(6, std::string());
    // Each value is applied in file order; the first damaged line ends the reading
    // and the rest keep what they held.
    const auto left = numberValue(lines[0]);
    if (!left)
        return true;
    settings.Left = static_cast<float>(*left);
    const auto top = numberValue(lines[1]);
    if (!top)
        return true;
    settings.Top = static_cast<float>(*top);
    const auto sound = looseBoolean(lines[2]);
    if (!sound)
        return true;
    settings.SoundOn = *sound;
    settings.TypewriterNote = lines[3] == "True";
    const auto spare = int16Value(lines[4]);
    if (!spare)
        return true;
    settings.SettingsSpare = *spare;
    if (const auto scheme = int16Value(lines[5]))
        settings.ColourScheme = *scheme;
    return true;
}

bool readStartSettings(const fs::path& file, Settings& settings)
{
    if (!isFile(file))
        return false;
    std::vector<std::string> lines;
    try {
        lines = readValueLines(file);
    } catch (const StoreError&) {
        return false;
    }
    lines.resize(6, std::string());
    const auto spare = int16Value(lines[4]);
    if (!spare)
        return true;
    settings.SettingsSpare = *spare;
    if (const auto scheme = int16Value(lines[5]))
        settings.ColourScheme = *scheme;
    return true;
}

void writeSettings(const fs::path& file, const Settings& settings)
{
    std::string text;
    text += printedNumber(settings.Left) + "\r\n";
    text += printedNumber(settings.Top) + "\r\n";
    text += settings.SoundOn ? "True\r\n" : "False\r\n";
    text += settings.TypewriterNote ? "True\r\n" : "False\r\n";
    text += printedNumber(settings.SettingsSpare) + "\r\n";
    text += printedNumber(settings.ColourScheme) + "\r\n";
    writeFileSafely(file, text);
}

} // namespace store
