#pragma once
// The running score of a game and the usage counters that answers move.
namespace brev {

struct GameState;

// Adds a question's points to the running score and works out the percentage
// (rounded down; unchanged while nothing was possible).
void updatestats(GameState& game, int points, int maximum);
// Moves a record's usage counter by change, kept within 0..32767; a record
// outside the table is ignored.
void recordanswer(GameState& game, int record, int change);

} // namespace brev
