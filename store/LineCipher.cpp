#include "store/LineCipher.h"

#include "store/LegacyNumbers.h"
#include "store/LegacyRandom.h"
#include "store/StoreError.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

namespace store {
namespace {

// "000," .. "255,": the scrambled form of every code, comma included.
constexpr std::array<std::array<char, 4>, 256> makeCodeTable()
{
    std::array<std::array<char, 4>, 256> table{};
    for (int c = 0; c < 256; ++c) {
        table[c] = {static_cast<char>('0' + c / 100), static_cast<char>('0' + c / 10 % 10),
                    static_cast<char>('0' + c % 10), ','};
    }
    return table;
}
constexpr auto kCodeTable = makeCodeTable();

// The generator state from which the key bytes of a password's lines are drawn.
std::uint32_t keyStartState(std::string_view password)
{
    LegacyRandom random;
    random.seedNegative(-1.0f);
    random.randomize(static_cast<double>(static_cast<std::int32_t>(password.size())));
    std::int64_t sum = 0;
    for (std::size_t i = 1; i <= password.size(); ++i) {
        const int key = random.nextByte();
        const int code = static_cast<unsigned char>(password[i - 1]);
        sum += (code ^ key) ^ static_cast<int>(i % 256);
        if (sum > std::numeric_limits<std::int32_t>::max())
            throw StoreError(ErrorKind::Overflow, "the password is too long");
    }
    random.seedNegative(-1.0f);
    random.randomize(static_cast<double>(static_cast<std::int32_t>(sum)));
    return random.state();
}

void throwBadCode(std::string_view piece)
{
    throw StoreError(ErrorKind::InvalidArgument,
                     "'" + std::string(piece) + "' is not a character code");
}

char codeToChar(std::string_view piece)
{
    const std::int32_t code = toInt32(piece);
    if (code < 0 || code > 255)
        throwBadCode(piece);
    return static_cast<char>(code);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// True when the four bytes at p are three digits and a comma, the form every
// writer gives a code; `code` is then their value.
bool isThreeDigitPiece(const char* p, int& code)
{
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    const std::uint32_t bytes = v; // p[0] is the low byte on the machines we build for
    const bool digits = (bytes & 0x00F0F0F0u) == 0x00303030u && ((bytes + 0x00060606u) & 0x00F0F0F0u) == 0x00303030u;
    if (!digits || (bytes >> 24) != ',')
        return false;
    code = static_cast<int>((bytes & 0xF) * 100 + ((bytes >> 8) & 0xF) * 10 + ((bytes >> 16) & 0xF));
    return true;
}

// Unscrambles `stored` into `dest`, combining each code with its key byte when
// `key` is given; returns the number of characters. Pieces of three digits take
// the fast road, any other width goes through the general conversion.
std::size_t unscramble(std::string_view stored, char* dest, const std::uint8_t* key)
{
    if (stored.empty())
        return 0;
    if (stored.back() == ',')
        codeToChar(std::string_view()); // a trailing comma: an empty last piece
    const char* p = stored.data();
    const char* const end = p + stored.size();
    std::size_t count = 0;
    auto put = [&](int code) {
        if (code > 255)
            throwBadCode(std::to_string(code));
        dest[count] = static_cast<char>(key ? code ^ key[count] : code);
        ++count;
    };
    for (;;) {
        int code = 0;
        while (end - p >= 4 && isThreeDigitPiece(p, code)) {
            put(code);
            p += 4;
        }
        if (p == end)
            return count;
        if (end - p == 3 && isDigit(p[0]) && isDigit(p[1]) && isDigit(p[2])) { // the last code
            put((p[0] - '0') * 100 + (p[1] - '0') * 10 + (p[2] - '0'));
            return count;
        }
        const char* comma = static_cast<const char*>(std::memchr(p, ',', static_cast<std::size_t>(end - p)));
        const char* pieceEnd = comma ? comma : end;
        put(static_cast<unsigned char>(codeToChar(std::string_view(p, static_cast<std::size_t>(pieceEnd - p)))));
        if (!comma)
            return count;
        p = comma + 1;
    }
}

// The most characters a stored line can give: a digit and a comma each.
std::size_t maxCodes(std::string_view stored)
{
    return stored.size() / 2 + 1;
}

} // namespace

KeyStream::KeyStream(std::string_view password) : generatorState_(keyStartState(password)) {}

const std::uint8_t* KeyStream::keys(std::size_t length)
{
    if (keys_.size() < length) {
        std::size_t have = keys_.size();
        keys_.resize(std::max(length, have * 2));
        std::uint32_t state = generatorState_;
        for (std::size_t i = have; i < keys_.size(); ++i) {
            state = (state * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
            keys_[i] = static_cast<std::uint8_t>(state >> 16);
        }
        generatorState_ = state;
    }
    return keys_.data();
}

void LineCipher::apply(char* text, std::size_t length)
{
    const std::uint8_t* key = keys_.keys(length);
    for (std::size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>(static_cast<std::uint8_t>(text[i]) ^ key[i]);
}

void LineCipher::appendEnciphered(std::string& out, std::string_view plain)
{
    if (plain.empty())
        throw StoreError(ErrorKind::InvalidArgument, "an empty line cannot be scrambled");
    const std::uint8_t* key = keys_.keys(plain.size());
    const std::size_t start = out.size();
    out.resize(start + plain.size() * 4);
    char* dest = out.data() + start;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        std::memcpy(dest, kCodeTable[static_cast<std::uint8_t>(plain[i]) ^ key[i]].data(), 4);
        dest += 4;
    }
    out.pop_back(); // no comma after the last code
}

void LineCipher::decipherStored(std::string_view stored, std::string& out)
{
    const std::size_t most = maxCodes(stored);
    if (scratch_.size() < most)
        scratch_.resize(std::max(most, scratch_.size() * 2));
    const std::size_t count = unscramble(stored, scratch_.data(), keys_.keys(most));
    out.assign(scratch_.data(), count);
}

std::string EncipherLine(std::string_view text, std::string_view password)
{
    std::string result(text);
    LineCipher(password).apply(result.data(), result.size());
    return result;
}

std::string ScrambleLine(std::string_view text)
{
    if (text.empty())
        throw StoreError(ErrorKind::InvalidArgument, "an empty line cannot be scrambled");
    std::string out(text.size() * 4, ',');
    for (std::size_t i = 0; i < text.size(); ++i)
        std::memcpy(&out[i * 4], kCodeTable[static_cast<std::uint8_t>(text[i])].data(), 4);
    out.pop_back();
    return out;
}

std::string UnscrambleLine(std::string_view text)
{
    std::string out(maxCodes(text), '\0');
    out.resize(unscramble(text, out.data(), nullptr));
    return out;
}

} // namespace store
