#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace store {

// The key bytes of one password. Every line of an enciphered file is combined with
// the same key sequence from its first character on, so the sequence is computed
// once per password and extended as longer lines come along.
class KeyStream {
public:
    explicit KeyStream(std::string_view password);

    // The first `length` key bytes.
    const std::uint8_t* keys(std::size_t length);

private:
    std::vector<std::uint8_t> keys_;
    std::uint32_t generatorState_ = 0;
};

// A password's cipher for many lines: the hot path of loading and saving.
class LineCipher {
public:
    explicit LineCipher(std::string_view password) : keys_(password) {}

    // Enciphers (or, the same operation, deciphers) bytes in place.
    void apply(char* text, std::size_t length);

    // Appends the comma-separated codes of the enciphered `plain` to `out`.
    // `plain` must not be empty.
    void appendEnciphered(std::string& out, std::string_view plain);

    // Unscrambles and deciphers a stored line into `out` (replacing it).
    void decipherStored(std::string_view stored, std::string& out);

private:
    KeyStream keys_;
    std::vector<char> scratch_;
};

// The single-line routines: encipher (or decipher), scramble to codes, and back.
std::string EncipherLine(std::string_view text, std::string_view password);
std::string ScrambleLine(std::string_view text);
std::string UnscrambleLine(std::string_view text);

} // namespace store
