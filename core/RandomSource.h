#pragma once

#include <cstdint>

// The one pseudo-random generator behind every chance event of the game: the animals of a
// new game, the cell rolled each round and the cells sprayed with insecticide.
// A linear congruential generator whose whole state is one 32-bit seed, so a seed
// reproduces a game exactly.
class RandomSource {
public:
    // Seeds from a fast-running clock (the low 32 bits of a nanosecond counter), so two
    // program runs play different games.
    void seedFromClock();

    // Advances the state once, whatever n is, and returns floor(state * n / 2^32): the
    // result comes from the top bits of the state, not from a remainder. 0 for n = 0 or 1.
    std::uint32_t nextBelow(std::uint32_t n)
    {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((std::uint64_t{seed_} * n) >> 32);
    }

    std::uint32_t seed() const { return seed_; }
    void setSeed(std::uint32_t seed) { seed_ = seed; }

private:
    std::uint32_t seed_ = 0;
};
