#pragma once
// Seams for the benchmarks: the same draws on every run, and messages that
// nobody has to answer.
#include "base/seededrandom.h"

namespace brev::bench {

class Draws : public SeededRandom {
public:
    Draws() : SeededRandom(42) {}
};

class Silent : public Messages {
public:
    void ok(const QString&) override {}
    bool yesNo(const QString&) override { return true; }
};

} // namespace brev::bench
