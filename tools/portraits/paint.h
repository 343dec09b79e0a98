// Small drawing helpers shared by the portrait and scene painters.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <cstdint>
#include <vector>

namespace media {

// Tiny deterministic generator: the same seed gives the same picture on every
// machine and every run (no dependence on the library's generator).
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state(seed * 2654435761u + 12345u) {}
    double next()  // uniform in [0, 1)
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return (state & 0xffffff) / double(0x1000000);
    }
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    std::uint32_t state;
};

// Linear mix of two colours, t = 0 gives a, t = 1 gives b.
QColor mix(const QColor &a, const QColor &b, double t);
QColor withAlpha(QColor c, int alpha);
QColor shade(const QColor &c, double factor);  // < 1 darker, > 1 lighter

// Closed smooth curve through the given points (Catmull-Rom as cubic Beziers).
QPainterPath smoothClosed(const std::vector<QPointF> &pts, double tension = 1.0);
// Open smooth curve through the given points.
QPainterPath smoothOpen(const std::vector<QPointF> &pts);

// Points of one side of a shape mirrored about the vertical line x = cx.
// The input runs from top centre down to bottom centre on the left; the
// result runs round the whole outline.
std::vector<QPointF> mirrored(const std::vector<QPointF> &left, double cx);

}  // namespace media
