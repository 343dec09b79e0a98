#pragma once
// Seams for the benchmarks: the same draws on every run, and messages that
// nobody has to answer.
#include "base/seams.h"

#include <random>

namespace brev::bench {

class Draws : public RandomSource {
public:
    double uniform() override { return dist_(gen_); }

private:
    std::mt19937_64 gen_{42};
    std::uniform_real_distribution<double> dist_{0.0, 1.0};
};

class Silent : public Messages {
public:
    void ok(const QString&) override {}
    bool yesNo(const QString&) override { return true; }
};

} // namespace brev::bench
