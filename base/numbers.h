#pragma once
// Small number rules the windows share: the clamp a number box applies,
// twips (1/1440 inch, the unit of the design's positions and sizes) against
// pixels at a logical DPI, and a game's percentage. Nothing here fails.
#include <cmath>

namespace brev {

// Clamps value to lower, then to upper: upper wins when the bounds cross.
constexpr int clampNumber(int value, int lower, int upper)
{
    if (value < lower)
        value = lower;
    if (value > upper)
        value = upper;
    return value;
}

inline int twipsToPixels(int twips, double dpi)
{
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

inline int pixelsToTwips(int pixels, double dpi)
{
    return dpi > 0 ? static_cast<int>(std::lround(pixels * 1440.0 / dpi)) : 0;
}

// A game's score as a share of the possible points, in whole per cent
// rounded down, as the game shows and keeps it; 0 when nothing was possible.
inline int scorePercent(int score, int possible)
{
    return possible > 0 ? static_cast<int>(std::floor(score * 100.0 / possible)) : 0;
}

} // namespace brev
