#include "rules/gamesession.h"
#include "base/numbers.h"

#include <algorithm>

namespace brev {

namespace {
constexpr int kCounterMax = 32767;
} // namespace

void GameSession::addPoints(int points, int maximum)
{
    score += points;
    possible += maximum;
    if (possible > 0)
        percent = scorePercent(score, possible);
}

void GameSession::credit(int record, int change)
{
    if (record < 0 || record >= static_cast<int>(itemUse.size()))
        return;
    int& use = itemUse[size_t(record)];
    use = std::clamp(use + change, 0, kCounterMax);
}

} // namespace brev
