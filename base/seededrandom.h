#pragma once
// The game's random numbers: the 64-bit Mersenne Twister, whose outputs the
// C++ standard fixes for every seed, mapped to [0, 1) by our own code rather
// than a standard distribution (whose algorithm each library chooses), so a
// seed repeats a run with every compiler and standard library. Nothing here
// can fail.
#include "base/seams.h"

#include <cstdint>
#include <random>

namespace brev {

// The number in [0, 1) one 64-bit output stands for: the output divided by
// 2^64, rounded to the nearest double (a tie to the even one); an output that
// rounds to 1 gives the largest double below 1.
double unitFromBits(std::uint64_t bits);

class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : gen_(seed) {}
    double uniform() override { return unitFromBits(gen_()); }

private:
    std::mt19937_64 gen_;
};

} // namespace brev
