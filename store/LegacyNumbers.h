#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace store {

// The two ways the data and settings files turn text into numbers.
//
// Leading-number reading: blanks, tabs and line feeds are skipped, then an optional
// sign, digits with an optional fraction and exponent (or &H hex / &O octal) are
// taken and the rest is ignored. Blanks inside the digits are skipped too. A text
// that starts with no number reads as 0; `digitsFound` tells the two cases apart.
struct LeadingNumber {
    double value = 0;
    bool digitsFound = false;
};
LeadingNumber readLeadingNumber(std::string_view text);

// Settings reading: blanks before the number are skipped, and the number ends at
// the first character that cannot continue it, a blank included (" 100 200" is 100).
LeadingNumber readFirstNumber(std::string_view text);

// Strict conversion: the whole text, blanks around it allowed, must be one number;
// a fraction is rounded half to even. Throws StoreError (Conversion) for text that
// is not a number and (Overflow) for a value outside the target range.
std::int16_t toInt16(std::string_view text);
std::int32_t toInt32(std::string_view text);

// A number already read, rounded half to even into 16 bits; Overflow when outside.
std::int16_t roundToInt16(double value);

} // namespace store
