#include "library/Random.h"

namespace kirune {

double Random::Next() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine); }

int Random::RndUpTo(int n) { return int((n + 1) * Next()); }

int Random::RndOneTo(int n) { return int(n * Next() + 1); }

}  // namespace kirune
