#include "models/matchboard.h"

#include <algorithm>

namespace brev {

MatchBoard::MatchBoard(int bars) : order_(size_t(std::max(bars, 0))), placed_(size_t(std::max(bars, 0)))
{
    clear();
}

void MatchBoard::clear()
{
    for (int p = 0; p < size(); ++p) {
        order_[size_t(p)] = p;
        placed_[size_t(p)] = -1;
    }
    picked_ = -1;
}

void MatchBoard::pickUp(int bar)
{
    if (valid(bar))
        picked_ = bar;
}

std::optional<int> MatchBoard::drop(int p)
{
    if (!valid(p) || picked_ < 0)
        return std::nullopt;
    const int displaced = placed_[size_t(p)] == picked_ ? -1 : placed_[size_t(p)];
    std::replace(placed_.begin(), placed_.end(), picked_, -1);
    placed_[size_t(p)] = picked_;
    return displaced;
}

int MatchBoard::targetOf(int bar) const
{
    const auto it = std::find(placed_.begin(), placed_.end(), bar);
    return bar >= 0 && it != placed_.end() ? int(it - placed_.begin()) : -1;
}

int MatchBoard::rightPairs() const
{
    int n = 0;
    for (int p = 0; p < size(); ++p)
        n += rightAt(p) ? 1 : 0;
    return n;
}

} // namespace brev
