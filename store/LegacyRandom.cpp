#include "store/LegacyRandom.h"

#include <bit>

namespace store {
namespace {
constexpr std::uint32_t kMask = 0xFFFFFF;
constexpr std::uint32_t kMultiplier = 0x43FD43FD;
constexpr std::uint32_t kIncrement = 0xC39EC3;
} // namespace

void LegacyRandom::step()
{
    state_ = (state_ * kMultiplier + kIncrement) & kMask;
}

float LegacyRandom::next()
{
    step();
    return static_cast<float>(state_) / 16777216.0f;
}

std::uint8_t LegacyRandom::nextByte()
{
    step();
    return static_cast<std::uint8_t>(state_ >> 16);
}

float LegacyRandom::seedNegative(float argument)
{
    const auto bits = std::bit_cast<std::uint32_t>(argument);
    state_ = (bits + (bits >> 24)) & kMask;
    return next();
}

void LegacyRandom::randomize(double number)
{
    const auto high = static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(number) >> 32);
    const std::uint32_t middle = ((high & 0xFFFF) ^ (high >> 16)) << 8;
    state_ = ((state_ & 0xFF0000FF) | middle) & kMask;
}

} // namespace store
