#pragma once

#include <cstdint>
#include <filesystem>

namespace store {

// The user's preferences and the main window's position, kept in "settings.txt" in
// the program's folder: six lines, Left, Top (twips), SoundOn, TypewriterNote,
// SettingsSpare and ColourScheme.
struct Settings {
    double Left = 0;
    double Top = 0;
    bool SoundOn = false;
    bool TypewriterNote = false;
    std::int16_t SettingsSpare = 0;
    std::int16_t ColourScheme = 0;
};

inline constexpr const char* kSettingsFileName = "settings.txt";

std::filesystem::path settingsPath(const std::filesystem::path& programFolder);

// The main window's reading: all six lines. Values the file does not give (it is
// missing, short, or a line is damaged) keep what `settings` held, so the caller
// fills in the designed position first. Returns false when no file was found.
bool readMainSettings(const std::filesystem::path& file, Settings& settings);

// The start window's reading: lines 1 to 4 are skipped, lines 5 and 6 set
// SettingsSpare and ColourScheme.
bool readStartSettings(const std::filesystem::path& file, Settings& settings);

// Writes the six lines, replacing the file safely. Throws StoreError (File).
void writeSettings(const std::filesystem::path& file, const Settings& settings);

} // namespace store
