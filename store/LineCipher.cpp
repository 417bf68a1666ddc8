#include "store/LineCipher.h"

#include "store/Cp1252.h"
#include "store/LegacyNumbers.h"
#include "store/LegacyRandom.h"
#include "store/StoreError.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
                     "'" + cp1252ForMessage(piece) + "' is not a character code");
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

#if defined(__SSE2__)
// Reads four pieces at once when the sixteen bytes at p are four codes of three
// digits, each with its comma, and none above 255; their values go to `codes`,
// the first in the low byte. Anything else is left to the piece-by-piece road.
bool isFourThreeDigitPieces(const char* p, std::uint32_t& codes)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i commaPlaces = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    const __m128i values = _mm_sub_epi8(bytes, _mm_set1_epi8('0'));
    const __m128i nine = _mm_set1_epi8(9);
    const __m128i isDigit = _mm_cmpeq_epi8(_mm_max_epu8(values, nine), nine);
    const __m128i isComma = _mm_cmpeq_epi8(bytes, _mm_set1_epi8(','));
    const __m128i fits = _mm_or_si128(_mm_andnot_si128(commaPlaces, isDigit), _mm_and_si128(commaPlaces, isComma));
    if (_mm_movemask_epi8(fits) != 0xFFFF)
        return false;

    // Widen the digits to 16 bits and weigh them 100, 10, 1 (the comma 0).
    const __m128i digits = _mm_andnot_si128(commaPlaces, values);
    const __m128i zero = _mm_setzero_si128();
    const __m128i weights = _mm_setr_epi16(100, 10, 1, 0, 100, 10, 1, 0);
    const __m128i low = _mm_madd_epi16(_mm_unpacklo_epi8(digits, zero), weights);
    const __m128i high = _mm_madd_epi16(_mm_unpackhi_epi8(digits, zero), weights);
    // Each piece is now two 32-bit halves; add them and line the four sums up.
    const __m128i lowSums = _mm_shuffle_epi32(_mm_add_epi32(low, _mm_srli_epi64(low, 32)), _MM_SHUFFLE(3, 1, 2, 0));
    const __m128i highSums = _mm_shuffle_epi32(_mm_add_epi32(high, _mm_srli_epi64(high, 32)), _MM_SHUFFLE(3, 1, 2, 0));
    const __m128i sums = _mm_unpacklo_epi64(lowSums, highSums);
    if (_mm_movemask_epi8(_mm_cmpgt_epi32(sums, _mm_set1_epi32(255))) != 0)
        return false;
    const __m128i words = _mm_packs_epi32(sums, sums);
    codes = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(words, words)));
    return true;
}
#else
bool isFourThreeDigitPieces(const char*, std::uint32_t&)
{
    return false;
}
#endif

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
        std::uint32_t four = 0;
        while (end - p >= 16 && isFourThreeDigitPieces(p, four)) {
            if (key) {
                std::uint32_t keyBytes;
                std::memcpy(&keyBytes, key + count, 4);
                four ^= keyBytes;
            }
            std::memcpy(dest + count, &four, 4);
            count += 4;
            p += 16;
        }
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
