#pragma once

#include <cstdint>

namespace kirune {

// A small random generator whose numbers are the same on every machine and library (the
// standard distributions are not), so a seed always builds the same puzzle.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1; n > 0.
    int Below(int n) { return int(Next() % std::uint64_t(n)); }

private:
    std::uint64_t state;
};

}  // namespace kirune
