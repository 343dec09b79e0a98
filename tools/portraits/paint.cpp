#include "paint.h"

#include <algorithm>

namespace media {

QColor mix(const QColor &a, const QColor &b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(std::clamp(alpha, 0, 255));
    return c;
}

QColor shade(const QColor &c, double factor)
{
    if (factor < 1.0)
        return mix(c, QColor(0, 0, 0, c.alpha()), 1.0 - factor);
    return mix(c, QColor(255, 255, 255, c.alpha()), factor - 1.0);
}

static QPainterPath catmull(const std::vector<QPointF> &p, bool closed, double tension)
{
    QPainterPath path;
    const int n = int(p.size());
    if (n < 2)
        return path;
    auto at = [&](int i) {
        if (closed)
            return p[size_t((i % n + n) % n)];
        return p[size_t(std::clamp(i, 0, n - 1))];
    };
    path.moveTo(p[0]);
    const int segments = closed ? n : n - 1;
    const double k = tension / 6.0;
    for (int i = 0; i < segments; ++i) {
        const QPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        path.cubicTo(p1 + (p2 - p0) * k, p2 - (p3 - p1) * k, p2);
    }
    if (closed)
        path.closeSubpath();
    return path;
}

QPainterPath smoothClosed(const std::vector<QPointF> &pts, double tension)
{
    return catmull(pts, true, tension);
}

QPainterPath smoothOpen(const std::vector<QPointF> &pts)
{
    return catmull(pts, false, 1.0);
}

std::vector<QPointF> mirrored(const std::vector<QPointF> &left, double cx)
{
    std::vector<QPointF> all = left;
    // Skip the two centre points (first and last), walk back up the right side.
    for (int i = int(left.size()) - 2; i >= 1; --i)
        all.emplace_back(2 * cx - left[size_t(i)].x(), left[size_t(i)].y());
    return all;
}

}  // namespace media
