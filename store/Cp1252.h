#pragma once

#include <string>
#include <string_view>

namespace store {

// Data files, settings and pages hold single-byte Windows-1252 text. These are the
// only conversions between that code page and Unicode; a character the code page
// cannot hold becomes "?". The five bytes the code page leaves undefined map to the
// C1 control characters of the same value, so every byte survives a round trip.

std::u16string cp1252ToUtf16(std::string_view text);
std::string utf16ToCp1252(std::u16string_view text);

std::string cp1252ToUtf8(std::string_view text);
std::string utf8ToCp1252(std::string_view text);

// Text from a file as a message quotes it: UTF-8, with control characters and the
// undefined bytes shown as \xNN, so a message never carries raw file bytes.
std::string cp1252ForMessage(std::string_view text);

// The characters of UTF-8 `text` that the code page cannot hold, each once, in the
// order of their first appearance, as UTF-8 ("" when every character fits).
// A malformed sequence counts as U+FFFD, which the code page cannot hold either.
std::string charactersOutsideCp1252(std::string_view text);

// The lower-case form of one Windows-1252 byte (A-Z, the accented capitals and the
// four capitals in 0x80-0x9F), as the search compares text.
unsigned char lowerCp1252(unsigned char c);
std::string toLowerCp1252(std::string_view text);

// The text in capitals, as the status summary writes statuses: a-z, the accented
// small letters and 0x9A, 0x9C, 0x9E, 0xFF become their capitals.
std::string toUpperCp1252(std::string_view text);

} // namespace store
