#pragma once
// What one run of the program changes as games are played: the running score
// of the game in progress, how each record has been used (the draw prefers the
// least used), the bonus categories left out of the draw, and the export mode.
// One owner (the program); the game loop and the windows that judge answers
// change it. Nothing here fails.
#include "base/categories.h"
#include "base/state.h"

#include <array>
#include <vector>

namespace brev {

// How often each record was drawn and answered, slots 0..the records loaded.
using UsageCounters = std::vector<int>;

struct GameSession {
    RunMode mode = RunMode::Play;
    int score = 0;
    int possible = 0;
    int percent = 0;
    int questionsWritten = 0; // tab-separated lines of a tabbed export
    // Bonus categories the records cannot fill: out of the draw for the rest of the run.
    std::array<bool, kCategories> bonusLeftOut{};
    UsageCounters itemUse;

    bool exporting() const { return mode != RunMode::Play; }
    // Counters for records 0..records, all 0.
    void resetUsage(int records) { itemUse.assign(size_t(records + 1), 0); }
    // A new game's running score: 0 of 0, no percentage yet.
    void startGame() { score = possible = percent = 0; }
    // Adds a question's points to the running score and works out the
    // percentage (rounded down; unchanged while nothing was possible).
    void addPoints(int points, int maximum);
    // Moves a record's usage counter by change, kept within 0..32767; a record
    // outside the table is ignored.
    void credit(int record, int change);
};

} // namespace brev
