#include "store/LegacyNumbers.h"

#include "store/Cp1252.h"
#include "store/StoreError.h"

#include <cmath>
#include <string>

namespace store {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

int digitValue(char c, int radix)
{
    int value = -1;
    if (isDigit(c))
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < radix ? value : -1;
}

// Reads digits of the given radix at text[pos]; blanks are skipped when asked.
// Returns the number of digits read.
int readDigits(std::string_view text, std::size_t& pos, int radix, bool skipBlanks, double& value)
{
    int count = 0;
    while (pos < text.size()) {
        if (skipBlanks && isBlank(text[pos])) {
            ++pos;
            continue;
        }
        const int digit = digitValue(text[pos], radix);
        if (digit < 0)
            break;
        value = value * radix + digit;
        ++count;
        ++pos;
    }
    return count;
}

// &H and &O numbers are 16-bit when they fit in 16 bits, else 32-bit, and wrap to
// negative like the two's complement they stand for.
double wrapRadixValue(double value)
{
    if (value <= 0xFFFF)
        return value > 0x7FFF ? value - 0x10000 : value;
    if (value <= 0xFFFFFFFFu)
        return value > 0x7FFFFFFF ? value - 4294967296.0 : value;
    return value;
}

struct Parsed {
    double value = 0;
    bool digitsFound = false;
    std::size_t end = 0;
};

// Parses one number at text[pos]; `lenient` skips blanks inside it.
Parsed parseNumber(std::string_view text, std::size_t pos, bool lenient)
{
    Parsed result;
    auto skip = [&] {
        while (lenient && pos < text.size() && isBlank(text[pos]))
            ++pos;
    };
    if (pos + 1 < text.size() && text[pos] == '&') {
        const char radixChar = text[pos + 1];
        const int radix = (radixChar == 'H' || radixChar == 'h') ? 16
                        : (radixChar == 'O' || radixChar == 'o') ? 8 : 0;
        if (radix != 0) {
            pos += 2;
            double value = 0;
            result.digitsFound = readDigits(text, pos, radix, lenient, value) > 0;
            result.value = wrapRadixValue(value);
            result.end = pos;
            return result;
        }
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
        skip();
    }
    // Collect the plain decimal text and let the library do the rounding right.
    std::string digits;
    int intDigits = 0, fracDigits = 0;
    while (pos < text.size()) {
        if (lenient && isBlank(text[pos])) { ++pos; continue; }
        if (!isDigit(text[pos])) break;
        digits += text[pos++];
        ++intDigits;
    }
    if (pos < text.size() && text[pos] == '.') {
        digits += '.';
        ++pos;
        while (pos < text.size()) {
            if (lenient && isBlank(text[pos])) { ++pos; continue; }
            if (!isDigit(text[pos])) break;
            digits += text[pos++];
            ++fracDigits;
        }
    }
    result.digitsFound = intDigits + fracDigits > 0;
    if (result.digitsFound && pos < text.size()
        && (text[pos] == 'E' || text[pos] == 'e' || text[pos] == 'D' || text[pos] == 'd')) {
        std::size_t expPos = pos + 1;
        std::string exponent = "e";
        if (expPos < text.size() && (text[expPos] == '+' || text[expPos] == '-'))
            exponent += text[expPos++];
        const std::size_t expDigitsStart = expPos;
        while (expPos < text.size() && isDigit(text[expPos]))
            exponent += text[expPos++];
        if (expPos > expDigitsStart) {
            digits += exponent;
            pos = expPos;
        }
    }
    if (result.digitsFound)
        result.value = std::strtod(digits.c_str(), nullptr);
    if (negative)
        result.value = -result.value;
    result.end = pos;
    return result;
}

double strictNumber(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    const Parsed parsed = parseNumber(text, start, false);
    std::size_t end = parsed.end;
    while (end < text.size() && (text[end] == ' ' || text[end] == '\t'))
        ++end;
    if (!parsed.digitsFound || end != text.size())
        throw StoreError(ErrorKind::Conversion,
                         "'" + cp1252ForMessage(text) + "' is not a number");
    return parsed.value;
}

double roundedInRange(double value, double low, double high)
{
    const double rounded = std::nearbyint(value); // half to even
    if (!(rounded >= low && rounded <= high))
        throw StoreError(ErrorKind::Overflow, "the number " + std::to_string(value)
                                                  + " is out of range");
    return rounded;
}

} // namespace

LeadingNumber readLeadingNumber(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    const Parsed parsed = parseNumber(text, pos, true);
    return {parsed.value, parsed.digitsFound};
}

LeadingNumber readFirstNumber(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    const Parsed parsed = parseNumber(text, pos, false);
    return {parsed.value, parsed.digitsFound};
}

std::int16_t roundToInt16(double value)
{
    return static_cast<std::int16_t>(roundedInRange(value, -32768, 32767));
}

std::int16_t toInt16(std::string_view text)
{
    return roundToInt16(strictNumber(text));
}

std::int32_t toInt32(std::string_view text)
{
    return static_cast<std::int32_t>(roundedInRange(strictNumber(text), -2147483648.0, 2147483647.0));
}

} // namespace store
