#pragma once

#include <random>

namespace kirune {

// The game's one random generator. Seeded from the clock at start; tests seed it themselves.
class Random {
public:
    void Seed(unsigned seed) { engine.seed(seed); }
    // A random whole number from 0 to n.
    int RndUpTo(int n);
    // A random whole number from 1 to n.
    int RndOneTo(int n);

    // A uniform number in [0, 1).
    double Next();

private:
    std::mt19937 engine{1};
};

}  // namespace kirune
