#include "store/score.h"

#include "base/state.h"

#include <algorithm>
#include <cmath>

namespace brev {

namespace {
constexpr int kCounterMax = 32767;
} // namespace

void updatestats(GameState& g, int points, int maximum)
{
    g.score += points;
    g.possible += maximum;
    if (g.possible > 0)
        g.percent = static_cast<int>(std::floor(g.score * 100.0 / g.possible));
}

void recordanswer(GameState& game, int record, int change)
{
    if (record < 0 || record >= static_cast<int>(game.itemUse.size()))
        return;
    int& use = game.itemUse[size_t(record)];
    use = std::clamp(use + change, 0, kCounterMax);
}

} // namespace brev
