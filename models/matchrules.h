#pragma once
// Rules the two matching screens share: the bar font size that follows the
// longest name, and the shuffle that keeps the last position in place.
#include <QStringList>

#include <array>
#include <functional>
#include <span>

namespace brev {

// Name lengths past which the bar font drops to 14, 12 and 10 points.
using FontSteps = std::array<int, 3>;
inline constexpr FontSteps kMatchFontSteps{18, 25, 32};
inline constexpr FontSteps kPortraitFontSteps{16, 19, 23};

// 18 points, or the smallest step that the longest name reaches.
int barFontSize(const QStringList& names, const FontSteps& steps);

// Twenty draws j = floor(r x (n - 1)); each j > 0 swaps positions j - 1 and j.
// The last position never takes part.
// uniform gives the draws' numbers in [0, 1).
void shuffleKeepingLast(const std::function<double()>& uniform, std::span<int> order);

} // namespace brev
