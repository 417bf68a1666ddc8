#pragma once

#include <cstdint>

namespace store {

// The pseudo-random generator of the run time that wrote the first enciphered data
// files. Enciphered files can be exchanged with existing installations only if this
// generator is reproduced exactly: a 24-bit linear congruential state, reseeded from
// the bit pattern of its argument.
class LegacyRandom {
public:
    static constexpr std::uint32_t kStartState = 0x050000;

    // The next value of the sequence, in [0, 1), exact in single precision.
    float next();

    // The next key byte: the next value times 256, truncated.
    std::uint8_t nextByte();

    // Rnd with a negative argument: sets the state from the argument alone, then
    // returns the next value.
    float seedNegative(float argument);

    // Randomize: folds the number into the middle bits of the current state.
    void randomize(double number);

    std::uint32_t state() const { return state_; }

private:
    void step();
    std::uint32_t state_ = kStartState;
};

} // namespace store
