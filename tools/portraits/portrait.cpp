// Paints one stylised oval portrait from a Portrait record. All drawing is in
// a 240 x 360 design space; the image is painted at twice that size and
// scaled down for smooth edges.
#include "portrait.h"

#include "paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace media {

namespace {

constexpr double kW = 240.0, kH = 360.0;

// Key points of the head, derived from the record.
struct Head {
    double cx = 120;
    double yEye, yBrow, yCrown, yNose, yMouth, yChin;
    double hwT, hwC, hwJ, hwChin;  // half widths: temple, cheek, jaw, chin
    double eyeDx;
    double yNeckBase;
    QColor skin;
    QPainterPath face;
};

Head makeHead(const Portrait &p)
{
    Head h;
    const double L = p.faceLength, W = p.faceWidth;
    h.yEye = 160;
    h.yBrow = h.yEye - 12;
    h.yCrown = h.yEye - 70 - (L - 1) * 20;
    h.yNose = h.yEye + 33 * L * (1.0 - 0.1 * p.chinUp);
    h.yMouth = h.yNose + 17 * L;
    h.yChin = h.yMouth + 25 * L + p.heft * 3;
    h.hwT = 43 * W;
    h.hwC = 47 * W + p.heft * 3;
    h.hwJ = (34 * p.jaw + p.heft * 8) * W + p.jowls * 4;
    h.hwChin = 11 * p.jaw + p.heft * 6;
    h.eyeDx = 19 * W;
    h.yNeckBase = h.yChin + 24;

    QColor base(0xecc4a2);
    h.skin = mix(base, QColor(0xe2a080), p.ruddy * 0.55);
    if (p.age > 60)
        h.skin = mix(h.skin, QColor(0xd8b8a0), 0.15);
    if (p.tan > 0)
        h.skin = mix(h.skin, QColor(0xc08058), p.tan * 0.6);
    if (p.skinTone > 0)
        h.skin = mix(h.skin, QColor(0x7a4e34), p.skinTone);

    const double cx = h.cx;
    std::vector<QPointF> left = {
        {cx, h.yCrown},
        {cx - h.hwT * 0.72, h.yCrown + 6},
        {cx - h.hwT, h.yCrown + 34},
        {cx - h.hwC, h.yEye + 4},
        {cx - h.hwC * 0.95, h.yNose + 2},
        {cx - h.hwJ - p.jowls * 3, h.yMouth + 6 + p.jowls * 7},
        {cx - h.hwChin - 5, h.yChin - 5},
        {cx, h.yChin},
    };
    h.face = smoothClosed(mirrored(left, cx), 0.9);
    return h;
}

// Strokes that give hair and beards a painted texture: each strand follows
// the direction field dir(point) for a few steps.
template <typename Field>
void strands(QPainter &g, const QPainterPath &clip, const QColor &colour, int count,
             Rng &rng, double step, int steps, Field dir, double width = 0.7)
{
    g.save();
    g.setClipPath(clip, Qt::IntersectClip);
    const QRectF box = clip.boundingRect();
    for (int i = 0; i < count; ++i) {
        QPointF pt(rng.range(box.left(), box.right()), rng.range(box.top(), box.bottom()));
        if (!clip.contains(pt))
            continue;
        QPainterPath s(pt);
        for (int k = 0; k < steps; ++k) {
            QPointF d = dir(pt);
            const double len = std::hypot(d.x(), d.y());
            if (len < 1e-6)
                break;
            pt += d * (step / len);
            s.lineTo(pt);
        }
        const double f = rng.range(0.65, 1.35);
        g.setPen(QPen(withAlpha(shade(colour, f), 110), width * rng.range(0.7, 1.3),
                      Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        g.setBrush(Qt::NoBrush);
        g.drawPath(s);
    }
    g.restore();
}

void fillShaded(QPainter &g, const QPainterPath &path, const QColor &colour)
{
    const QRectF r = path.boundingRect();
    QRadialGradient rg(r.left() + r.width() * 0.35, r.top() + r.height() * 0.3,
                       std::max(r.width(), r.height()) * 0.8);
    rg.setColorAt(0, shade(colour, 1.12));
    rg.setColorAt(0.6, colour);
    rg.setColorAt(1, shade(colour, 0.7));
    g.setPen(Qt::NoPen);
    g.setBrush(rg);
    g.drawPath(path);
}

// ---------------------------------------------------------------- backdrop

QPainterPath ovalPath()
{
    QPainterPath o;
    o.addEllipse(QRectF(12, 12, kW - 24, kH - 24));
    return o;
}

void paintBackdrop(QPainter &g, const Portrait &p, Rng &rng)
{
    QRadialGradient rg(95, 130, 230);
    rg.setColorAt(0, shade(p.backdrop, 1.35));
    rg.setColorAt(0.55, p.backdrop);
    rg.setColorAt(1, shade(p.backdrop, 0.55));
    g.fillRect(QRectF(0, 0, kW, kH), rg);
    // Soft painted blotches.
    g.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const double x = rng.range(0, kW), y = rng.range(0, kH), r = rng.range(15, 50);
        QRadialGradient b(x, y, r);
        const QColor c = rng.next() < 0.5 ? QColor(255, 255, 255) : QColor(0, 0, 0);
        b.setColorAt(0, withAlpha(c, 14));
        b.setColorAt(1, withAlpha(c, 0));
        g.setBrush(b);
        g.drawEllipse(QPointF(x, y), r, r);
    }
}

void paintFrame(QPainter &g, const Portrait &p)
{
    QPainterPath outside;
    outside.addRect(QRectF(0, 0, kW, kH));
    outside = outside.subtracted(ovalPath());
    QLinearGradient dark(0, 0, kW, kH);
    dark.setColorAt(0, mix(shade(p.backdrop, 0.35), QColor(0x1a1410), 0.5));
    dark.setColorAt(1, mix(shade(p.backdrop, 0.25), QColor(0x0e0a08), 0.6));
    g.setPen(Qt::NoPen);
    g.setBrush(dark);
    g.drawPath(outside);
    // Inner shadow along the oval.
    g.save();
    g.setClipPath(ovalPath());
    g.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        g.setPen(QPen(QColor(0, 0, 0, 26 - i * 4), 3));
        g.drawEllipse(QRectF(12 + i * 2, 12 + i * 2, kW - 24 - i * 4, kH - 24 - i * 4));
    }
    g.restore();
    // Gilded ring.
    QLinearGradient gold(0, 0, kW, kH);
    gold.setColorAt(0, QColor(0xf2d68a));
    gold.setColorAt(0.5, QColor(0xb08a3a));
    gold.setColorAt(1, QColor(0x6a4e1e));
    g.setPen(QPen(QBrush(gold), 4));
    g.setBrush(Qt::NoBrush);
    g.drawEllipse(QRectF(11, 11, kW - 22, kH - 22));
    g.setPen(QPen(QColor(255, 240, 200, 90), 1));
    g.drawEllipse(QRectF(9, 9, kW - 18, kH - 18));
}

// ---------------------------------------------------------------- clothing

QPainterPath bodyPath(const Portrait &p, const Head &h)
{
    const double cx = h.cx, yb = h.yNeckBase, s = p.heft * 10;
    std::vector<QPointF> left = {
        {cx, yb - 4},
        {cx - 30 - s, yb + 2},
        {cx - 72 - s, yb + 16},
        {cx - 100 - s, yb + 40},
        {cx - 112 - s, yb + 90},
        {cx - 118 - s, kH + 20},
        {cx, kH + 20},
    };
    return smoothClosed(mirrored(left, cx), 0.6);
}

void paintNeck(QPainter &g, const Portrait &p, const Head &h)
{
    const double cx = h.cx, nw = h.hwJ * 0.7 + p.heft * 4;
    QPainterPath neck;
    neck.moveTo(cx - nw, h.yMouth);
    neck.lineTo(cx - nw - 2, h.yNeckBase + 14);
    neck.quadTo(cx, h.yNeckBase + 24, cx + nw + 2, h.yNeckBase + 14);
    neck.lineTo(cx + nw, h.yMouth);
    neck.closeSubpath();
    QLinearGradient lg(cx - nw, 0, cx + nw, 0);
    lg.setColorAt(0, shade(h.skin, 0.88));
    lg.setColorAt(0.4, shade(h.skin, 0.95));
    lg.setColorAt(1, shade(h.skin, 0.7));
    g.setPen(Qt::NoPen);
    g.setBrush(lg);
    g.drawPath(neck);
    // Shadow under the jaw.
    QLinearGradient sh(0, h.yChin - 4, 0, h.yChin + 16);
    sh.setColorAt(0, QColor(60, 30, 20, 110));
    sh.setColorAt(1, QColor(60, 30, 20, 0));
    g.setBrush(sh);
    g.drawPath(neck);
}

// The opening at the front of the coat, filled with shirt (and waistcoat).
QPainterPath vOpening(const Head &h, double depth, double halfWidth)
{
    QPainterPath v;
    const double cx = h.cx, yb = h.yNeckBase;
    v.moveTo(cx - halfWidth, yb - 6);
    v.lineTo(cx, yb + depth);
    v.lineTo(cx + halfWidth, yb - 6);
    v.closeSubpath();
    return v;
}

void paintLapels(QPainter &g, const Portrait &p, const Head &h, double depth, double halfWidth)
{
    const double cx = h.cx, yb = h.yNeckBase;
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath lap;
        lap.moveTo(cx + side * halfWidth, yb - 6);
        lap.lineTo(cx + side * (halfWidth + 16), yb + 8);
        lap.lineTo(cx + side * (halfWidth + 8), yb + 30);
        lap.lineTo(cx + side * (halfWidth + 26), yb + 44);
        lap.lineTo(cx + side * 6, yb + depth + 6);
        lap.lineTo(cx, yb + depth);
        lap.closeSubpath();
        g.setPen(QPen(shade(p.coat, 0.6), 0.8));
        g.setBrush(shade(p.coat, side < 0 ? 1.18 : 0.95));
        g.drawPath(lap);
    }
}

void paintClothes(QPainter &g, const Portrait &p, const Head &h)
{
    const double cx = h.cx, yb = h.yNeckBase;
    const QPainterPath body = bodyPath(p, h);
    QLinearGradient coat(cx - 110, yb, cx + 110, kH);
    coat.setColorAt(0, shade(p.coat, 1.45));
    coat.setColorAt(0.45, p.coat);
    coat.setColorAt(1, shade(p.coat, 0.6));
    g.setPen(Qt::NoPen);
    g.setBrush(coat);
    g.drawPath(body);
    // Shoulder highlight.
    g.save();
    g.setClipPath(body);
    QRadialGradient sh(cx - 70, yb + 20, 60);
    sh.setColorAt(0, QColor(255, 255, 255, 30));
    sh.setColorAt(1, QColor(255, 255, 255, 0));
    g.setBrush(sh);
    g.drawRect(QRectF(0, yb - 10, kW, kH));
    g.restore();

    const QColor shirt(0xf4f0e6), shirtShade(0xc8c0b4);
    auto shirtFill = [&](const QPainterPath &path) {
        QLinearGradient lg(cx - 30, 0, cx + 30, 0);
        lg.setColorAt(0, shirt);
        lg.setColorAt(1, shirtShade);
        g.setPen(QPen(QColor(0xa09888), 0.6));
        g.setBrush(lg);
        g.drawPath(path);
    };
    const double nw = h.hwJ * 0.7 + p.heft * 4;

    switch (p.neck) {
    case Neckwear::Jabot: {
        // Waistcoat in the opening, a white neck stock and a lace ruffle.
        QPainterPath v = vOpening(h, 90, 30);
        g.setPen(Qt::NoPen);
        g.setBrush(p.tie.isValid() && p.tie != QColor(0x7a2a2a) ? p.tie : shade(p.coat, 1.5));
        g.drawPath(v);
        // Standing coat collar behind the neck.
        QPainterPath collar;
        collar.moveTo(cx - nw - 14, yb + 8);
        collar.quadTo(cx - nw - 10, yb - 24, cx - nw + 2, yb - 28);
        collar.lineTo(cx + nw - 2, yb - 28);
        collar.quadTo(cx + nw + 10, yb - 24, cx + nw + 14, yb + 8);
        collar.closeSubpath();
        g.setBrush(shade(p.coat, 0.85));
        g.setPen(QPen(shade(p.coat, 0.5), 0.8));
        g.drawPath(collar);
        QPainterPath stock;
        stock.addRoundedRect(QRectF(cx - nw + 2, yb - 16, 2 * nw - 4, 14), 5, 5);
        shirtFill(stock);
        // Ruffle: soft overlapping layers of lace spreading downwards.
        for (int i = 0; i < 5; ++i) {
            const double y = yb - 4 + i * 13, w = 13 + i * 3;
            QPainterPath r;
            r.moveTo(cx - 4, y);
            r.cubicTo(cx - w, y + 2, cx - w - 2, y + 12, cx - w * 0.6, y + 16);
            r.quadTo(cx - w * 0.3, y + 13, cx, y + 17);
            r.quadTo(cx + w * 0.3, y + 13, cx + w * 0.6, y + 16);
            r.cubicTo(cx + w + 2, y + 12, cx + w, y + 2, cx + 4, y);
            r.closeSubpath();
            shirtFill(r);
            g.setPen(QPen(QColor(176, 168, 152, 150), 0.5));
            g.setBrush(Qt::NoBrush);
            for (int k = -2; k <= 2; ++k)
                g.drawLine(QPointF(cx + k * w * 0.18, y + 4), QPointF(cx + k * w * 0.3, y + 14));
        }
        paintLapels(g, p, h, 90, 30);
        break;
    }
    case Neckwear::Stock:
    case Neckwear::Cravat: {
        QPainterPath v = vOpening(h, 80, 26);
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(0x2a2420));  // waistcoat
        g.drawPath(v);
        QPainterPath front = vOpening(h, 60, 14);
        shirtFill(front);
        // Shirt collar rising round the neck.
        const double top = yb - 20 - p.collar * 14;
        QPainterPath band;
        band.addRoundedRect(QRectF(cx - nw - 2, top, 2 * nw + 4, yb - top + 4), 4, 4);
        shirtFill(band);
        // Black stock or cravat wound round the neck.
        const double sTop = top + (p.neck == Neckwear::Stock ? 10 : 12);
        QPainterPath stock;
        stock.addRoundedRect(QRectF(cx - nw - 3, sTop, 2 * nw + 6, yb - sTop + 6), 5, 5);
        g.setPen(Qt::NoPen);
        QLinearGradient sg(cx - nw, 0, cx + nw, 0);
        sg.setColorAt(0, QColor(0x3a3634));
        sg.setColorAt(1, QColor(0x101010));
        g.setBrush(sg);
        g.drawPath(stock);
        if (p.neck == Neckwear::Cravat) {
            // Bow with hanging ends.
            const double y = yb + 4;
            QPainterPath bow;
            bow.moveTo(cx, y);
            bow.lineTo(cx - 20, y - 8);
            bow.quadTo(cx - 24, y + 2, cx - 19, y + 10);
            bow.closeSubpath();
            bow.moveTo(cx, y);
            bow.lineTo(cx + 20, y - 8);
            bow.quadTo(cx + 24, y + 2, cx + 19, y + 10);
            bow.closeSubpath();
            bow.moveTo(cx - 3, y);
            bow.lineTo(cx - 9, y + 26);
            bow.lineTo(cx - 2, y + 24);
            bow.closeSubpath();
            bow.moveTo(cx + 3, y);
            bow.lineTo(cx + 8, y + 27);
            bow.lineTo(cx + 2, y + 24);
            bow.closeSubpath();
            g.setBrush(QColor(0x1c1a1a));
            g.setPen(QPen(QColor(0x4a4644), 0.6));
            g.drawPath(bow);
            g.drawEllipse(QPointF(cx, y), 4, 4);
        } else {
            // Shirt frill below the stock.
            for (int i = 0; i < 3; ++i) {
                QPainterPath r;
                r.addEllipse(QPointF(cx, yb + 12 + i * 12), 6, 6);
                shirtFill(r);
            }
        }
        paintLapels(g, p, h, 80, 26);
        break;
    }
    case Neckwear::StringTie:
    case Neckwear::Bow:
    case Neckwear::Tie: {
        const bool modern = p.neck == Neckwear::Tie;
        const double depth = modern ? 84 : 84, half = modern ? 17 : 24;
        QPainterPath v = vOpening(h, depth, half);
        if (!modern) {
            g.setPen(Qt::NoPen);
            g.setBrush(shade(p.coat, 1.2));  // waistcoat
            g.drawPath(v);
            shirtFill(vOpening(h, depth * 0.55, half * 0.6));
        } else {
            shirtFill(v);
        }
        const double top = yb - 12 - p.collar * 14;
        // Collar band.
        QPainterPath band;
        band.addRoundedRect(QRectF(cx - nw - 2, top, 2 * nw + 4, yb - top + 2), 3, 3);
        shirtFill(band);
        // Collar points turned down (or winged for a bow).
        for (int side = -1; side <= 1; side += 2) {
            QPainterPath pt;
            if (p.neck == Neckwear::Bow) {
                pt.moveTo(cx + side * 2, top + 6);
                pt.lineTo(cx + side * 10, top + 16);
                pt.lineTo(cx + side * 3, top + 14);
            } else {
                pt.moveTo(cx + side * nw + side * 2, top + 4);
                pt.lineTo(cx + side * (nw + 6), yb + 6);
                pt.lineTo(cx + side * 3, yb + 12);
                pt.lineTo(cx + side * 1, top + 10);
            }
            pt.closeSubpath();
            shirtFill(pt);
        }
        if (p.neck == Neckwear::Tie) {
            const double ky = yb + 4;
            QPainterPath tie;
            tie.moveTo(cx - 6, ky);
            tie.lineTo(cx + 6, ky);
            tie.lineTo(cx + 4, ky + 11);
            tie.lineTo(cx + 11, ky + depth - 4);
            tie.lineTo(cx, ky + depth + 8);
            tie.lineTo(cx - 11, ky + depth - 4);
            tie.lineTo(cx - 4, ky + 11);
            tie.closeSubpath();
            QLinearGradient tg(cx - 10, 0, cx + 10, 0);
            tg.setColorAt(0, shade(p.tie, 1.35));
            tg.setColorAt(1, shade(p.tie, 0.8));
            g.setPen(QPen(shade(p.tie, 0.6), 0.6));
            g.setBrush(tg);
            g.drawPath(tie);
            // Woven diagonal stripe.
            g.save();
            g.setClipPath(tie);
            g.setPen(QPen(withAlpha(shade(p.tie, 1.6), 90), 1.4));
            for (double y = ky + 8; y < ky + depth + 20; y += 9)
                g.drawLine(QPointF(cx - 14, y + 6), QPointF(cx + 14, y - 6));
            g.restore();
            g.setPen(QPen(shade(p.tie, 0.5), 0.6));
            g.drawLine(QPointF(cx - 4, ky + 11), QPointF(cx + 4, ky + 11));
        } else {
            // Black bow; the string tie has long narrow ends.
            const double y = yb + (p.neck == Neckwear::Bow ? 0 : 4);
            const double w = p.neck == Neckwear::Bow ? 13 : 11;
            QPainterPath bow;
            bow.moveTo(cx, y);
            bow.lineTo(cx - w, y - 6);
            bow.lineTo(cx - w, y + 6);
            bow.closeSubpath();
            bow.moveTo(cx, y);
            bow.lineTo(cx + w, y - 6);
            bow.lineTo(cx + w, y + 6);
            bow.closeSubpath();
            if (p.neck == Neckwear::StringTie) {
                bow.moveTo(cx - 1, y);
                bow.lineTo(cx - 7, y + 30);
                bow.lineTo(cx - 4, y + 30);
                bow.closeSubpath();
                bow.moveTo(cx + 1, y);
                bow.lineTo(cx + 6, y + 28);
                bow.lineTo(cx + 3, y + 29);
                bow.closeSubpath();
            }
            const QColor bc = p.neck == Neckwear::Bow && p.number > 30 ? p.tie : QColor(0x1a1818);
            g.setPen(QPen(shade(bc, 1.6), 0.5));
            g.setBrush(bc);
            g.drawPath(bow);
            g.drawEllipse(QPointF(cx, y), 2.6, 3.2);
        }
        paintLapels(g, p, h, depth, half);
        break;
    }
    }
}

// High collar points of the 1820s-50s rise beside the jaw, in front of it.
void paintCollarPoints(QPainter &g, const Portrait &p, const Head &h)
{
    if (p.neck != Neckwear::Stock && p.neck != Neckwear::Cravat)
        return;
    const double cx = h.cx, yb = h.yNeckBase;
    const double reach = (p.neck == Neckwear::Stock ? 16 : 4) + p.collar * 8;
    const double nw = h.hwJ * 0.7 + p.heft * 4;
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath pt;
        pt.moveTo(cx + side * 5, yb - 8);
        pt.lineTo(cx + side * (nw + 5), yb - 4);
        pt.quadTo(cx + side * (nw + 4), h.yChin - reach * 0.4, cx + side * (h.hwJ - 3), h.yChin - reach);
        pt.quadTo(cx + side * (h.hwChin + 4), h.yChin - reach * 0.3, cx + side * 9, h.yChin + 2);
        pt.closeSubpath();
        QLinearGradient lg(cx - nw, 0, cx + nw, 0);
        lg.setColorAt(0, QColor(0xf6f2ea));
        lg.setColorAt(1, QColor(0xc4bcb0));
        g.setPen(QPen(QColor(0x9a9284), 0.6));
        g.setBrush(lg);
        g.drawPath(pt);
    }
}

// ---------------------------------------------------------------- head

void paintEars(QPainter &g, const Portrait &p, const Head &h)
{
    const double es = p.earSize;
    const double ey = (h.yEye + h.yNose) / 2 + 2;
    for (int side = -1; side <= 1; side += 2) {
        const double x = h.cx + side * (h.hwC - 1);
        QRectF r(x - 7 * es, ey - 17 * es, 14 * es, 34 * es);
        r.translate(side * 3 * es, 0);
        QRadialGradient rg(r.center(), r.height() * 0.6);
        rg.setColorAt(0, mix(h.skin, QColor(0xd08070), 0.25));
        rg.setColorAt(1, shade(mix(h.skin, QColor(0xd08070), 0.3), side < 0 ? 0.9 : 0.75));
        g.setPen(QPen(shade(h.skin, 0.6), 0.6));
        g.setBrush(rg);
        g.drawEllipse(r);
        g.setPen(QPen(withAlpha(shade(h.skin, 0.55), 160), 1.1));
        g.setBrush(Qt::NoBrush);
        QRectF in = r.adjusted(3 * es, 5 * es, -3 * es, -8 * es);
        g.drawArc(in, side < 0 ? 60 * 16 : -60 * 16, side < 0 ? 180 * 16 : 180 * 16);
    }
}

void paintFace(QPainter &g, const Portrait &p, const Head &h)
{
    const double cx = h.cx;
    g.setPen(QPen(shade(h.skin, 0.7), 0.6));
    g.setBrush(h.skin);
    g.drawPath(h.face);

    g.save();
    g.setClipPath(h.face);
    g.setPen(Qt::NoPen);
    // Light from the upper left.
    QRadialGradient light(cx - 14, h.yEye - 16, 90);
    light.setColorAt(0, QColor(255, 244, 230, 90));
    light.setColorAt(0.5, QColor(255, 244, 230, 20));
    light.setColorAt(1, QColor(255, 244, 230, 0));
    g.setBrush(light);
    g.drawRect(QRectF(0, 0, kW, kH));
    QLinearGradient side(cx - 10, 0, cx + h.hwC + 4, 0);
    side.setColorAt(0, QColor(90, 40, 30, 0));
    side.setColorAt(1, QColor(90, 40, 30, 95));
    g.setBrush(side);
    g.drawRect(QRectF(cx - 10, 0, kW, kH));
    QLinearGradient edge(0, h.yMouth, 0, h.yChin + 4);
    edge.setColorAt(0, QColor(90, 40, 30, 0));
    edge.setColorAt(1, QColor(90, 40, 30, 60));
    g.setBrush(edge);
    g.drawRect(QRectF(0, h.yMouth, kW, kH));
    // Cheeks.
    for (int s = -1; s <= 1; s += 2) {
        QRadialGradient ck(cx + s * 24, h.yNose + 2, 18);
        ck.setColorAt(0, QColor(220, 90, 80, int(25 + p.ruddy * 55)));
        ck.setColorAt(1, QColor(220, 90, 80, 0));
        g.setBrush(ck);
        g.drawEllipse(QPointF(cx + s * 24, h.yNose + 2), 18, 18);
    }
    // Cheeks pushed up by a crinkled smile.
    if (p.squint > 0) {
        for (int s = -1; s <= 1; s += 2) {
            const QPointF c0(cx + s * 22, h.yNose - 4);
            QRadialGradient ap(c0, 13);
            ap.setColorAt(0, QColor(255, 236, 220, int(70 * p.squint)));
            ap.setColorAt(1, QColor(255, 236, 220, 0));
            g.setBrush(ap);
            g.drawEllipse(c0, 13, 10);
        }
    }
    // The shaved beard showing through: shadow over lip, chin and jaw.
    if (p.stubble > 0) {
        QPainterPath area;
        area.moveTo(cx - h.hwC - 4, h.yNose - 2);
        area.cubicTo(cx - 24, h.yNose + 4, cx - 14, h.yNose - 1, cx - 8, h.yNose + 1);
        area.quadTo(cx, h.yNose + 3, cx + 8, h.yNose + 1);
        area.cubicTo(cx + 14, h.yNose - 1, cx + 24, h.yNose + 4, cx + h.hwC + 4, h.yNose - 2);
        area.lineTo(cx + h.hwC + 4, kH);
        area.lineTo(cx - h.hwC - 4, kH);
        area.closeSubpath();
        QLinearGradient sg(0, h.yNose - 2, 0, h.yMouth + 4);
        sg.setColorAt(0, QColor(60, 70, 100, 0));
        sg.setColorAt(1, QColor(60, 70, 100, int(50 * p.stubble)));
        g.setBrush(sg);
        g.drawPath(area);
        // Fine dots of beard, from a generator of their own so that the rest
        // of the picture stays as it was.
        Rng dots(std::uint32_t(p.number * 131 + 7));
        const QRectF box = area.boundingRect().intersected(h.face.boundingRect());
        g.setBrush(QColor(40, 44, 60, int(24 * p.stubble)));
        for (int i = 0; i < 700; ++i) {
            const QPointF d(dots.range(box.left(), box.right()), dots.range(box.top(), box.bottom()));
            if (area.contains(d) && d.y() > h.yNose + 4)
                g.drawEllipse(d, 0.45, 0.45);
        }
    }
    // Hollow cheeks for lean, long faces.
    if (p.heft < 0.12) {
        for (int s = -1; s <= 1; s += 2) {
            QRadialGradient hc(cx + s * (h.hwC - 12), h.yMouth - 2, 14);
            hc.setColorAt(0, QColor(90, 40, 30, 45));
            hc.setColorAt(1, QColor(90, 40, 30, 0));
            g.setBrush(hc);
            g.drawEllipse(QPointF(cx + s * (h.hwC - 12), h.yMouth - 2), 14, 18);
        }
    }
    // Eye sockets.
    for (int s = -1; s <= 1; s += 2) {
        QRadialGradient so(cx + s * h.eyeDx, h.yEye - 2, 14);
        so.setColorAt(0, QColor(110, 60, 50, 55));
        so.setColorAt(1, QColor(110, 60, 50, 0));
        g.setBrush(so);
        g.drawEllipse(QPointF(cx + s * h.eyeDx, h.yEye - 2), 15, 12);
    }
    // Bald crown shine.
    QRadialGradient shine(cx - 12, h.yCrown + 14, 18);
    shine.setColorAt(0, QColor(255, 255, 255, 60));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    g.setBrush(shine);
    g.drawEllipse(QPointF(cx - 12, h.yCrown + 14), 22, 14);

    // Lines of age.
    const double age = std::clamp((p.age - 44) / 26.0, 0.0, 1.0);
    g.setBrush(Qt::NoBrush);
    const QColor line = QColor(110, 60, 45);
    if (age > 0.1) {
        g.setPen(QPen(withAlpha(line, int(30 + 50 * age)), 0.9));
        for (int i = 0; i < 3; ++i) {
            const double y = h.yBrow - 12 - i * 6;
            g.drawArc(QRectF(cx - 22 + i * 2, y, 44 - i * 4, 8), 30 * 16, 120 * 16);
        }
        // Crow's feet.
        for (int s = -1; s <= 1; s += 2) {
            const double x = cx + s * (h.eyeDx + 11);
            for (int i = -1; i <= 1; ++i)
                g.drawLine(QPointF(x, h.yEye + i * 2.5), QPointF(x + s * 5, h.yEye + i * 4));
        }
    }
    if (p.squint > 0) {
        // Deep crinkles fanning out from the outer corners of the eyes.
        g.setPen(QPen(withAlpha(line, int(60 + 80 * p.squint)), 1.0, Qt::SolidLine, Qt::RoundCap));
        for (int s = -1; s <= 1; s += 2) {
            const double x = cx + s * (h.eyeDx + 10);
            for (int i = -1; i <= 2; ++i) {
                QPainterPath c;
                c.moveTo(x, h.yEye + i * 2.2);
                c.quadTo(x + s * 4, h.yEye + i * 3.5, x + s * 8, h.yEye + i * 5 - 1);
                g.drawPath(c);
            }
            // Fold under the eye.
            QPainterPath u;
            u.moveTo(cx + s * (h.eyeDx - 7), h.yEye + 7);
            u.quadTo(cx + s * h.eyeDx, h.yEye + 10, cx + s * (h.eyeDx + 9), h.yEye + 5);
            g.drawPath(u);
        }
    }
    // Folds from nose to mouth, stronger with age and a smile.
    g.setPen(QPen(withAlpha(line, int(40 + 60 * age + 50 * std::max(0.0, p.smile))), 1.2));
    for (int s = -1; s <= 1; s += 2) {
        QPainterPath f;
        const double mw = 13 + 3 * p.smile;
        f.moveTo(cx + s * (9 * p.noseWidth + 2), h.yNose - 4);
        f.quadTo(cx + s * (mw + 6), h.yNose + 6, cx + s * (mw + 4), h.yMouth + 5);
        g.drawPath(f);
    }
    // Jowls hanging beside the mouth down past the jaw line.
    if (p.jowls > 0) {
        g.setPen(QPen(withAlpha(line, int(50 + 70 * p.jowls)), 1.3, Qt::SolidLine, Qt::RoundCap));
        for (int s = -1; s <= 1; s += 2) {
            QPainterPath j;
            const double mx = cx + s * (13 * p.mouthWidth + 5);
            j.moveTo(mx, h.yMouth + 4);
            j.quadTo(mx + s * 4, h.yChin - 6, mx + s * 10, h.yChin + 2);
            g.drawPath(j);
            QRadialGradient jg(cx + s * (h.hwJ - 6), h.yMouth + 10, 16);
            jg.setColorAt(0, QColor(90, 40, 30, int(40 * p.jowls)));
            jg.setColorAt(1, QColor(90, 40, 30, 0));
            g.setPen(Qt::NoPen);
            g.setBrush(jg);
            g.drawEllipse(QPointF(cx + s * (h.hwJ - 6), h.yMouth + 10), 16, 16);
            g.setBrush(Qt::NoBrush);
            g.setPen(QPen(withAlpha(line, int(50 + 70 * p.jowls)), 1.3, Qt::SolidLine, Qt::RoundCap));
        }
    }
    // Heavy jowls and a second chin.
    if (p.heft > 0.4) {
        g.setPen(QPen(withAlpha(line, int(60 * p.heft)), 1.2));
        for (int s = -1; s <= 1; s += 2) {
            QPainterPath j;
            j.moveTo(cx + s * (h.hwJ - 6), h.yMouth + 2);
            j.quadTo(cx + s * (h.hwJ - 4), h.yChin - 8, cx + s * (h.hwChin + 6), h.yChin - 3);
            g.drawPath(j);
        }
    }
    g.restore();
    if (p.heft > 0.4) {
        QPainterPath dc;
        dc.moveTo(cx - h.hwChin - 10, h.yChin - 3);
        dc.quadTo(cx, h.yChin + 10 + p.heft * 4, cx + h.hwChin + 10, h.yChin - 3);
        g.setPen(QPen(withAlpha(line, int(70 * p.heft)), 1.2));
        g.setBrush(Qt::NoBrush);
        g.drawPath(dc);
    }
}

void paintEyes(QPainter &g, const Portrait &p, const Head &h)
{
    const double cx = h.cx, ey = h.yEye;
    const double open = 4.9 * (1.0 - 0.22 * std::max(0.0, p.smile)) * (1.0 - 0.35 * p.squint);
    const double age = std::clamp((p.age - 44) / 26.0, 0.0, 1.0);
    for (int s = -1; s <= 1; s += 2) {
        const double ex = cx + s * h.eyeDx;
        QPainterPath eye;
        eye.moveTo(ex - s * 9, ey + 0.5);  // inner corner
        eye.cubicTo(ex - s * 5, ey - open * 1.25, ex + s * 4, ey - open * 1.3, ex + s * 9.5, ey - 0.2);
        eye.cubicTo(ex + s * 4, ey + open * 0.9, ex - s * 4, ey + open * 0.95, ex - s * 9, ey + 0.5);
        eye.closeSubpath();
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(0xf2ece4));
        g.drawPath(eye);
        g.save();
        g.setClipPath(eye);
        QRadialGradient ir(ex, ey + 0.2, 4.4);
        ir.setColorAt(0, shade(p.eyes, 1.25));
        ir.setColorAt(0.8, p.eyes);
        ir.setColorAt(1, shade(p.eyes, 0.5));
        g.setBrush(ir);
        g.drawEllipse(QPointF(ex, ey + 0.2), 4.4, 4.4);
        g.setBrush(QColor(0x141010));
        g.drawEllipse(QPointF(ex, ey + 0.2), 1.7, 1.7);
        g.setBrush(QColor(255, 255, 255, 220));
        g.drawEllipse(QPointF(ex - 1.3, ey - 1.2), 0.9, 0.9);
        // Shadow of the upper lid on the eyeball.
        QLinearGradient lid(0, ey - open, 0, ey + 1);
        lid.setColorAt(0, QColor(60, 30, 20, 110));
        lid.setColorAt(1, QColor(60, 30, 20, 0));
        g.setBrush(lid);
        g.drawRect(QRectF(ex - 10, ey - 8, 20, 9));
        g.restore();
        // Upper lid line and crease.
        QPainterPath up;
        up.moveTo(ex - s * 9, ey + 0.5);
        up.cubicTo(ex - s * 5, ey - open * 1.25, ex + s * 4, ey - open * 1.3, ex + s * 9.5, ey - 0.2);
        g.setBrush(Qt::NoBrush);
        g.setPen(QPen(QColor(0x3a2218), 1.3, Qt::SolidLine, Qt::RoundCap));
        g.drawPath(up);
        g.setPen(QPen(withAlpha(QColor(0x6a3a2a), 90), 0.8));
        g.drawPath(up.translated(0, -2.6));
        QPainterPath low;
        low.moveTo(ex - s * 7, ey + 1.5);
        low.quadTo(ex, ey + open + 1.2, ex + s * 8, ey + 0.5);
        g.setPen(QPen(withAlpha(QColor(0x6a3a2a), 80), 0.7));
        g.drawPath(low);
        if (age > 0.2) {
            g.setPen(QPen(withAlpha(QColor(0x7a4a3a), int(70 * age)), 0.8));
            QPainterPath bag;
            bag.moveTo(ex - s * 6, ey + 4.5);
            bag.quadTo(ex, ey + 8.5, ex + s * 7, ey + 3.5);
            g.drawPath(bag);
        }
    }
}

void paintBrows(QPainter &g, const Portrait &p, const Head &h, Rng &rng)
{
    const double cx = h.cx;
    const double stern = std::max(0.0, -p.smile) * 4;
    const double w = 2.2 * p.browWeight;
    for (int s = -1; s <= 1; s += 2) {
        const double ex = cx + s * h.eyeDx;
        QPainterPath b;
        b.moveTo(ex - s * 9, h.yBrow + 2 + stern);
        b.quadTo(ex + s * 1, h.yBrow - 4 + stern * 0.3, ex + s * 12, h.yBrow + 1.5);
        g.setBrush(Qt::NoBrush);
        g.setPen(QPen(withAlpha(p.brows, 200), w, Qt::SolidLine, Qt::RoundCap));
        g.drawPath(b);
        // Individual hairs.
        g.setPen(QPen(withAlpha(shade(p.brows, 0.8), 160), 0.6));
        for (int i = 0; i < int(10 * p.browWeight); ++i) {
            const double t = rng.next();
            const QPointF a = b.pointAtPercent(t);
            g.drawLine(a + QPointF(-s * 1.5, w * 0.5), a + QPointF(s * 2.5, -w * 0.6));
        }
    }
}

void paintNose(QPainter &g, const Portrait &p, const Head &h)
{
    const double cx = h.cx, nw = p.noseWidth;
    const double tip = h.yNose - 3 + (p.noseLength - 1) * 14;
    g.setBrush(Qt::NoBrush);
    // Shadow along the shaded side of the bridge.
    QPainterPath bridge;
    bridge.moveTo(cx + 4, h.yEye + 1);
    bridge.quadTo(cx + 5 * nw, (h.yEye + tip) / 2, cx + 7 * nw, tip - 3);
    g.setPen(QPen(QColor(120, 60, 45, 70), 3.5, Qt::SolidLine, Qt::RoundCap));
    g.drawPath(bridge);
    // Highlight down the lit side.
    QPainterPath hl;
    hl.moveTo(cx - 1.5, h.yEye + 4);
    hl.quadTo(cx - 2.5, (h.yEye + tip) / 2, cx - 2, tip - 5);
    g.setPen(QPen(QColor(255, 245, 235, 60), 2.5, Qt::SolidLine, Qt::RoundCap));
    g.drawPath(hl);
    if (p.noseTip > 0) {
        // Ski-slope: the bridge dips, and the tip turns up into a round ball
        // lit from above.
        QPainterPath dip;
        dip.moveTo(cx + 3, (h.yEye + tip) / 2 - 2);
        dip.quadTo(cx + 2, tip - 9, cx + 6 * nw, tip - 7);
        g.setPen(QPen(QColor(120, 60, 45, int(80 * p.noseTip)), 2.0, Qt::SolidLine, Qt::RoundCap));
        g.drawPath(dip);
    }
    // Tip and wings.
    const double tipR = 4.2 * nw * p.noseBulb;
    QRadialGradient tg(cx - 1.5, tip - 2, tipR * 1.4);
    tg.setColorAt(0, QColor(255, 240, 225, 80));
    tg.setColorAt(1, QColor(255, 240, 225, 0));
    g.setPen(Qt::NoPen);
    g.setBrush(tg);
    g.drawEllipse(QPointF(cx - 1, tip - 1.5), tipR * 1.3, tipR * 1.1);
    if (p.noseWidth > 1.15) {
        g.setBrush(QColor(200, 90, 80, 40));
        g.drawEllipse(QPointF(cx, tip - 1), tipR * 1.2, tipR);
    }
    if (p.noseBulb > 1.1 || p.noseTip > 0) {
        // Outline of a round, fleshy tip.
        g.setPen(QPen(QColor(120, 60, 45, 90), 1.0, Qt::SolidLine, Qt::RoundCap));
        g.setBrush(Qt::NoBrush);
        g.drawArc(QRectF(cx - tipR * 1.1, tip - 1 - tipR * 1.6, tipR * 2.2, tipR * 2.2),
                  -20 * 16, -140 * 16);
        g.setPen(Qt::NoPen);
    }
    g.setPen(QPen(QColor(120, 60, 45, 150), 1.0, Qt::SolidLine, Qt::RoundCap));
    g.setBrush(Qt::NoBrush);
    for (int s = -1; s <= 1; s += 2) {
        QPainterPath wing;
        wing.moveTo(cx + s * 6 * nw, tip - 6);
        wing.quadTo(cx + s * 10.5 * nw, tip - 2, cx + s * 7 * nw, tip + 1.5);
        g.drawPath(wing);
    }
    QPainterPath under;
    under.moveTo(cx - 5 * nw, tip + 1.5);
    under.quadTo(cx, tip + 4.5, cx + 5 * nw, tip + 1.5);
    g.setPen(QPen(QColor(110, 50, 40, 110), 1.0));
    g.drawPath(under);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(60, 25, 20, 170));
    // A raised chin or an upturned tip shows more of the nostrils.
    const double nh = 1.2 * (1.0 + 1.2 * p.chinUp + 0.8 * p.noseTip);
    g.drawEllipse(QPointF(cx - 3.6 * nw, tip + 1.2), 2.2 * nw, nh);
    g.drawEllipse(QPointF(cx + 3.6 * nw, tip + 1.2), 2.2 * nw, nh);
}

void paintMouth(QPainter &g, const Portrait &p, const Head &h)
{
    const double cx = h.cx, y = h.yMouth;
    const double s = p.smile,
                 mw = (13 + 2.5 * std::max(0.0, s) - 1.5 * std::max(0.0, -s)) * p.mouthWidth;
    const double cornerY = y - 3.5 * s;
    const QColor lip = mix(h.skin, QColor(0xb06058), 0.45);
    // Philtrum shadow.
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(120, 60, 45, 40));
    g.drawEllipse(QPointF(cx, y - 7), 2.5, 4);
    if (p.teeth) {
        const double open = 4 + 3 * s;
        QPainterPath m;
        m.moveTo(cx - mw, cornerY);
        m.cubicTo(cx - mw * 0.5, y - 2.5, cx + mw * 0.5, y - 2.5, cx + mw, cornerY);
        m.cubicTo(cx + mw * 0.5, y + open + 2, cx - mw * 0.5, y + open + 2, cx - mw, cornerY);
        m.closeSubpath();
        g.setBrush(QColor(0x5a2020));
        g.setPen(QPen(mix(lip, QColor(0x401818), 0.5), 1.3));
        g.drawPath(m);
        g.save();
        g.setClipPath(m);
        QLinearGradient tg(cx - mw, 0, cx + mw, 0);
        tg.setColorAt(0, QColor(0xc8c0b0));
        tg.setColorAt(0.4, QColor(0xf6f2e8));
        tg.setColorAt(1, QColor(0xb8b0a0));
        g.setPen(Qt::NoPen);
        g.setBrush(tg);
        g.drawRect(QRectF(cx - mw, y - 4, 2 * mw, open * 0.7 + 3));
        g.setPen(QPen(QColor(160, 150, 136, 110), 0.4));
        for (int i = -2; i <= 2; ++i)
            g.drawLine(QPointF(cx + i * 4.2, y - 2), QPointF(cx + i * 4.2, y + open * 0.4));
        g.restore();
        // Lower lip.
        QPainterPath ll;
        ll.moveTo(cx - mw * 0.8, cornerY + 2);
        ll.cubicTo(cx - mw * 0.4, y + open + 4.5, cx + mw * 0.4, y + open + 4.5, cx + mw * 0.8, cornerY + 2);
        g.setBrush(Qt::NoBrush);
        g.setPen(QPen(withAlpha(lip, 200), 2.2, Qt::SolidLine, Qt::RoundCap));
        g.drawPath(ll);
        return;
    }
    const double thin = (p.smile < -0.25 ? 0.6 : 1.0) * p.lips;
    QPainterPath upper;
    upper.moveTo(cx - mw, cornerY);
    upper.cubicTo(cx - mw * 0.6, y - 3.5 * thin, cx - 3, y - 4 * thin, cx, y - 2.8 * thin);
    upper.cubicTo(cx + 3, y - 4 * thin, cx + mw * 0.6, y - 3.5 * thin, cx + mw, cornerY);
    upper.cubicTo(cx + mw * 0.5, y + 1.5 * s, cx - mw * 0.5, y + 1.5 * s, cx - mw, cornerY);
    upper.closeSubpath();
    g.setBrush(shade(lip, 0.85));
    g.setPen(Qt::NoPen);
    g.drawPath(upper);
    QPainterPath lower;
    lower.moveTo(cx - mw, cornerY);
    lower.cubicTo(cx - mw * 0.5, y + 1.5 * s, cx + mw * 0.5, y + 1.5 * s, cx + mw, cornerY);
    lower.cubicTo(cx + mw * 0.5, y + 5.5 * thin, cx - mw * 0.5, y + 5.5 * thin, cx - mw, cornerY);
    lower.closeSubpath();
    QLinearGradient lg(0, y, 0, y + 5);
    lg.setColorAt(0, lip);
    lg.setColorAt(1, shade(lip, 1.1));
    g.setBrush(lg);
    g.drawPath(lower);
    QPainterPath line;
    line.moveTo(cx - mw - 0.5, cornerY - 0.3);
    line.cubicTo(cx - mw * 0.5, y + 1.5 * s, cx + mw * 0.5, y + 1.5 * s, cx + mw + 0.5, cornerY - 0.3);
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(QColor(0x4a2218), 1.1, Qt::SolidLine, Qt::RoundCap));
    g.drawPath(line);
    // Shadow under the lower lip.
    g.setPen(QPen(QColor(110, 55, 40, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(cx - 5, y + 8.5), QPointF(cx + 5, y + 8.5));
}

// ---------------------------------------------------------------- hair

struct HairShapes {
    QPainterPath top;   // in front of the head
    QPainterPath back;  // behind the head and ears
};

HairShapes hairShapes(const Portrait &p, const Head &h, Rng &rng)
{
    HairShapes out;
    const double cx = h.cx, v = p.volume;
    const double yHL = h.yBrow - 24 - p.recede * 30;
    const double tempY = yHL + 10 - p.recede * 10;
    const double sideBottom = p.whiskers == Whiskers::Sideburns ? h.yEye + 26
                              : p.hairLength < 0.25              ? h.yEye - 2
                                                                 : h.yEye + 6;

    // Back mass: hair behind the head reaching down towards the collar.
    if (p.hairLength > 0.05 || p.style == HairStyle::Fringe) {
        const double bottom = h.yEye + 10 + p.hairLength * (h.yNeckBase - h.yEye - 10);
        const double wide = h.hwC + 2 + v * 6;
        const double top = p.recede > 0.6 ? h.yCrown + 16 : h.yCrown - 4 - v * 18;
        std::vector<QPointF> left = {
            {cx, top},
            {cx - wide * 0.8, top + 8},
            {cx - wide, h.yEye - 10},
            {cx - wide + 2, bottom - 10},
            {cx - wide * 0.6, bottom},
            {cx, bottom + 2},
        };
        out.back = smoothClosed(mirrored(left, cx), 0.9);
    }

    if (p.style == HairStyle::Fringe) {
        // Hair only at the sides (and a few wisps over the crown).
        for (int s = -1; s <= 1; s += 2) {
            const double out_ = h.hwT + 4 + v * 20;
            std::vector<QPointF> pts = {
                {cx + s * (h.hwT - 8), h.yEye - 38},
                {cx + s * (out_ - 2), h.yEye - 30 - v * 6},
                {cx + s * (out_ + v * 6), h.yEye - 12},
                {cx + s * (h.hwC + 2 + v * 12), h.yEye + 8},
                {cx + s * (h.hwC - 2), h.yEye + 10 + (p.whiskers == Whiskers::Sideburns ? 16 : 0)},
                {cx + s * (h.hwT - 1), h.yEye - 12},
            };
            QPainterPath side = smoothClosed(pts, 0.8);
            if (v > 0.7) {
                // Wild tufts sticking out.
                for (int i = 0; i < 9; ++i) {
                    const double y = h.yEye - 34 + i * 5;
                    const double x = cx + s * (out_ + rng.range(0, 10));
                    QPainterPath t;
                    t.moveTo(cx + s * (h.hwT + 2), y - 3);
                    t.quadTo(x, y - rng.range(4, 10), x + s * rng.range(2, 8), y + rng.range(-6, 4));
                    t.quadTo(x - s * 4, y + 2, cx + s * (h.hwT + 2), y + 4);
                    side = side.united(t);
                }
            }
            out.top = out.top.united(side);
        }
        return out;
    }

    double crown = h.yCrown - 4 - v * 24;
    double outer = h.hwT + 4 + v * 9;
    if (p.style == HairStyle::Upswept)
        crown -= v * 14;
    if (p.style == HairStyle::Pompadour)
        crown -= v * 8;
    if (p.style == HairStyle::Wig || p.style == HairStyle::Natural)
        outer += 4;

    // Hairline across the forehead, from the left temple to the right.
    const double px = cx + p.partSide * h.hwT * 0.5;
    std::vector<QPointF> line;
    switch (p.style) {
    case HairStyle::SidePart:
    case HairStyle::Tousled:
    case HairStyle::Curly:
    case HairStyle::Pompadour: {
        const double sweep = p.style == HairStyle::Pompadour ? -4 : 4 + v * 6;
        // The hair falls away from the part over the other side of the brow.
        for (int i = 0; i <= 6; ++i) {
            const double t = i / 6.0;
            const double x = cx - h.hwT * 0.82 + t * h.hwT * 1.64;
            const double away = (x - px) * -p.partSide;  // > 0 on the far side
            double y = yHL + 10 - 10 * std::cos((t - 0.5) * 2.6);
            if (away > 0)
                y += sweep * std::min(1.0, away / 30.0);
            if (std::abs(x - px) < 10)
                y -= 3;
            line.emplace_back(x, y);
        }
        break;
    }
    case HairStyle::MiddlePart:
        line = {{cx - h.hwT * 0.82, tempY + 2}, {cx - h.hwT * 0.4, yHL + 4},
                {cx - 3, yHL}, {cx, yHL - 4}, {cx + 3, yHL},
                {cx + h.hwT * 0.4, yHL + 4}, {cx + h.hwT * 0.82, tempY + 2}};
        break;
    default:
        line = {{cx - h.hwT * 0.82, tempY + 10},
                {cx - h.hwT * 0.45, yHL + 6},
                {cx, yHL + p.peak * 12},
                {cx + h.hwT * 0.45, yHL + 6},
                {cx + h.hwT * 0.82, tempY + 10}};
        if (p.peak > 0) {
            line[1].ry() -= p.peak * 9;
            line[3].ry() -= p.peak * 9;
        }
        break;
    }
    // Locks falling on the forehead.
    if (p.style == HairStyle::Tousled || p.style == HairStyle::Curly)
        for (size_t i = 1; i + 1 < line.size(); ++i)
            line[i].ry() += (i % 2 ? 5 : 0) * v;

    std::vector<QPointF> pts;
    pts.emplace_back(cx - h.hwC + 3, sideBottom);
    pts.emplace_back(cx - outer, h.yEye - 26);
    pts.emplace_back(cx - outer + 3 - v * 3, h.yCrown + 16 - v * 10);
    pts.emplace_back(cx - h.hwT * 0.62, crown + 9);
    pts.emplace_back(cx, crown);
    pts.emplace_back(cx + h.hwT * 0.62, crown + 9);
    pts.emplace_back(cx + outer - 3 + v * 3, h.yCrown + 16 - v * 10);
    pts.emplace_back(cx + outer, h.yEye - 26);
    pts.emplace_back(cx + h.hwC - 3, sideBottom);
    pts.emplace_back(cx + h.hwT - 4, h.yEye - 14);
    for (auto it = line.rbegin(); it != line.rend(); ++it)
        pts.push_back(*it);
    pts.emplace_back(cx - h.hwT + 4, h.yEye - 14);
    out.top = smoothClosed(pts, p.style == HairStyle::Curly ? 0.7 : 0.85);

    if (p.style == HairStyle::Curly) {
        // Scalloped outline of curls.
        for (int i = 0; i < 16; ++i) {
            const double t = i / 15.0;
            const QPointF a = out.top.pointAtPercent(0.06 + t * 0.42);
            const double r = rng.range(4, 7);
            QPainterPath c;
            c.addEllipse(a, r, r);
            out.top = out.top.united(c);
        }
    }
    if (p.style == HairStyle::Upswept) {
        // Crest brushed up and back above the forehead.
        QPainterPath crest;
        crest.moveTo(cx - h.hwT * 0.8, yHL + 6);
        crest.cubicTo(cx - h.hwT * 0.7, crown - 14, cx + h.hwT * 0.3, crown - 18, cx + h.hwT * 0.9, crown + 10);
        crest.lineTo(cx + h.hwT * 0.8, yHL + 6);
        crest.closeSubpath();
        out.top = out.top.united(crest);
    }
    return out;
}

void paintHair(QPainter &g, const Portrait &p, const Head &h, const HairShapes &hs, Rng &rng,
               bool back)
{
    const QPainterPath &path = back ? hs.back : hs.top;
    if (path.isEmpty())
        return;
    const double cx = h.cx;
    QColor c = p.hair;
    if (back)
        c = shade(c, 0.8);
    g.save();
    if (!back && p.recede > 0.65 && p.style != HairStyle::Fringe && p.style != HairStyle::Wig)
        g.setOpacity(0.55);  // thin hair combed over a bald crown
    fillShaded(g, path, c);
    // Sheen on top.
    g.save();
    g.setClipPath(path);
    QRadialGradient sheen(cx - 14, h.yCrown - 4, 40);
    sheen.setColorAt(0, QColor(255, 255, 255, 55));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    g.setPen(Qt::NoPen);
    g.setBrush(sheen);
    g.drawRect(QRectF(0, 0, kW, kH));
    g.restore();

    const QPointF part(cx + p.partSide * h.hwT * 0.5, h.yBrow - 30 - p.recede * 20);
    const QPointF below(cx, h.yEye + 20);
    auto field = [&](QPointF pt) -> QPointF {
        switch (p.style) {
        case HairStyle::SidePart:
        case HairStyle::Pompadour: {
            QPointF d = pt - part;
            if ((pt.x() - part.x()) * p.partSide > 0)
                return QPointF(p.partSide, 0.5);
            return QPointF(d.x(), d.y() * 0.3 + 2);
        }
        case HairStyle::MiddlePart:
            return QPointF(pt.x() < cx ? -1 : 1, 0.6);
        case HairStyle::Tousled:
        case HairStyle::Curly: {
            const QPointF d = pt - part;
            return QPointF(d.x() + 8 * std::sin(pt.y() * 0.35), d.y() * 0.4 + 4 * std::cos(pt.x() * 0.3));
        }
        case HairStyle::Fringe:
            return QPointF(pt.x() < cx ? -0.3 : 0.3, 1);
        default:
            return pt - below;
        }
    };
    const int count = back ? 160 : 420;
    strands(g, path, c, count, rng, 3.0, 6, field);
    strands(g, path, shade(c, 1.25), count / 3, rng, 3.0, 5, field, 0.5);
    g.restore();

    if (!back && p.style == HairStyle::Wig) {
        // Horizontal rolls above each ear.
        for (int s = -1; s <= 1; s += 2) {
            for (int i = 0; i < 2; ++i) {
                const QPointF c0(cx + s * (h.hwT + 3 + p.volume * 4), h.yEye - 20 + i * 12);
                QPainterPath roll;
                roll.addRoundedRect(QRectF(c0.x() - 12, c0.y() - 5.5, 24, 11), 5.5, 5.5);
                QLinearGradient rg(0, c0.y() - 6, 0, c0.y() + 6);
                rg.setColorAt(0, shade(p.hair, 1.1));
                rg.setColorAt(0.6, p.hair);
                rg.setColorAt(1, shade(p.hair, 0.7));
                g.setPen(QPen(shade(p.hair, 0.65), 0.6));
                g.setBrush(rg);
                g.drawPath(roll);
                g.setPen(QPen(withAlpha(shade(p.hair, 0.6), 140), 0.7));
                g.setBrush(Qt::NoBrush);
                g.drawArc(QRectF(c0.x() - 6, c0.y() - 3, 12, 6), 0, 180 * 16);
            }
        }
    }
    if (!back && p.style == HairStyle::Curly) {
        g.save();
        g.setClipPath(path);
        g.setBrush(Qt::NoBrush);
        for (int i = 0; i < 50; ++i) {
            const QRectF r = path.boundingRect();
            const QPointF c0(rng.range(r.left(), r.right()), rng.range(r.top(), r.bottom()));
            g.setPen(QPen(withAlpha(shade(p.hair, rng.range(1.3, 1.8)), 120), 0.8));
            g.drawArc(QRectF(c0.x() - 3, c0.y() - 3, 6, 6), int(rng.range(0, 360)) * 16, 220 * 16);
        }
        g.restore();
    }
    if (!back && p.style == HairStyle::SidePart) {
        // The parting itself.
        g.setPen(QPen(withAlpha(shade(h.skin, 0.9), 150), 0.9));
        g.drawLine(part + QPointF(0, 10 + p.recede * 6), part + QPointF(-p.partSide * 4, -20));
    }
}

// ---------------------------------------------------------------- beards

QPainterPath beardPath(const Portrait &p, const Head &h)
{
    const double cx = h.cx, L = p.beardLength;
    std::vector<QPointF> outer = {
        {cx - h.hwT - 1, h.yEye - 4},
        {cx - h.hwC - 3, h.yNose},
        {cx - h.hwJ - 4, h.yMouth + 8},
        {cx - h.hwChin - 10 - L * 0.15, h.yChin + L * 0.55},
        {cx, h.yChin + L + 3},
        {cx + h.hwChin + 10 + L * 0.15, h.yChin + L * 0.55},
        {cx + h.hwJ + 4, h.yMouth + 8},
        {cx + h.hwC + 3, h.yNose},
        {cx + h.hwT + 1, h.yEye - 4},
    };
    std::vector<QPointF> inner;
    if (p.beard == Beard::ChinCurtain) {
        inner = {{cx + h.hwC - 2, h.yNose - 4}, {cx + h.hwJ - 7, h.yMouth + 2},
                 {cx + 12, h.yMouth + 11}, {cx, h.yMouth + 12},
                 {cx - 12, h.yMouth + 11}, {cx - h.hwJ + 7, h.yMouth + 2},
                 {cx - h.hwC + 2, h.yNose - 4}};
    } else {
        inner = {{cx + h.hwT - 5, h.yEye + 4}, {cx + h.hwC - 14, h.yNose - 2},
                 {cx + 17, h.yNose + 8}, {cx, h.yNose + 6},
                 {cx - 17, h.yNose + 8}, {cx - h.hwC + 14, h.yNose - 2},
                 {cx - h.hwT + 5, h.yEye + 4}};
    }
    std::vector<QPointF> all = outer;
    all.insert(all.end(), inner.begin(), inner.end());
    QPainterPath b = smoothClosed(all, 0.8);
    if (p.beard == Beard::Full) {
        // Let the lower lip show through.
        QPainterPath lipGap;
        lipGap.addEllipse(QPointF(cx, h.yMouth + 2.5), 11, 4.5);
        b = b.subtracted(lipGap);
    }
    return b;
}

QPainterPath whiskerPath(const Portrait &p, const Head &h)
{
    QPainterPath all;
    const double cx = h.cx, w = 4 + p.volume * 6;
    for (int s = -1; s <= 1; s += 2) {
        std::vector<QPointF> pts = {
            {cx + s * (h.hwT - 2), h.yEye - 14},
            {cx + s * (h.hwC + 3 + w * 0.5), h.yEye + 8},
            {cx + s * (h.hwJ + 5 + w), h.yMouth + 10},
            {cx + s * (h.hwJ - 2), h.yMouth + 18},
            {cx + s * (h.hwJ - 10 - w), h.yMouth + 4},
            {cx + s * (h.hwC - 12 - w * 0.5), h.yNose},
            {cx + s * (h.hwT - 8), h.yEye},
        };
        all = all.united(smoothClosed(pts, 0.8));
    }
    return all;
}

QPainterPath moustachePath(const Portrait &p, const Head &h)
{
    const double cx = h.cx, y = h.yMouth;
    const double tip = h.yNose - 3 + (p.noseLength - 1) * 14;
    double mw = 15, droop = 3, thick = 6;
    if (p.moustache == Moustache::Walrus) {
        mw = 19;
        droop = 6;
        thick = 9;
    }
    QPainterPath m;
    if (p.moustache == Moustache::Handlebar) {
        mw = 18;
        std::vector<QPointF> pts = {
            {cx, tip + 3},         {cx - 10, tip + 3},   {cx - mw, y - 4},
            {cx - mw - 8, y - 9},  {cx - mw - 5, y - 3}, {cx - 10, y - 0.5},
            {cx, y - 2},           {cx + 10, y - 0.5},   {cx + mw + 5, y - 3},
            {cx + mw + 8, y - 9},  {cx + mw, y - 4},     {cx + 10, tip + 3},
        };
        return smoothClosed(pts, 0.8);
    }
    std::vector<QPointF> pts = {
        {cx, tip + 3},
        {cx - 9, tip + 2},
        {cx - mw, y - thick * 0.5 + droop * 0.3},
        {cx - mw - 3, y + droop},
        {cx - mw + 2, y + droop + 1},
        {cx - 10, y - 1 + droop * 0.4},
        {cx, y - 1 + droop * 0.3},
        {cx + 10, y - 1 + droop * 0.4},
        {cx + mw - 2, y + droop + 1},
        {cx + mw + 3, y + droop},
        {cx + mw, y - thick * 0.5 + droop * 0.3},
        {cx + 9, tip + 2},
    };
    m = smoothClosed(pts, 0.8);
    return m;
}

void paintFacialHair(QPainter &g, const Portrait &p, const Head &h, Rng &rng)
{
    const double cx = h.cx;
    const QColor c = p.hair;
    if (p.beard != Beard::None) {
        const QPainterPath b = beardPath(p, h);
        fillShaded(g, b, c);
        strands(g, b, c, 500, rng, 2.5, 6, [&](QPointF pt) {
            return QPointF((pt.x() - cx) * 0.02, 1);
        });
        strands(g, b, shade(c, 1.3), 150, rng, 2.5, 5, [&](QPointF pt) {
            return QPointF((pt.x() - cx) * 0.03, 1);
        }, 0.5);
    }
    if (p.whiskers == Whiskers::MuttonChops) {
        const QPainterPath w = whiskerPath(p, h);
        fillShaded(g, w, c);
        strands(g, w, c, 300, rng, 2.5, 6, [&](QPointF pt) {
            return QPointF((pt.x() - cx) * 0.03, 1);
        });
    }
    if (p.moustache != Moustache::None) {
        const QPainterPath m = moustachePath(p, h);
        fillShaded(g, m, shade(c, 0.95));
        strands(g, m, c, 220, rng, 2.0, 5, [&](QPointF pt) {
            const double dx = pt.x() - cx;
            return QPointF(dx < 0 ? -1 : 1, 0.5 + std::abs(dx) * 0.01);
        }, 0.6);
    }
}

// ---------------------------------------------------------------- glasses

void paintGlasses(QPainter &g, const Portrait &p, const Head &h)
{
    if (p.glasses == Glasses::None)
        return;
    const double cx = h.cx, ey = h.yEye + 0.5;
    double rx = 10, ry = 8, width = 1.0;
    QColor rim(0x2a2a2a);
    if (p.glasses == Glasses::PinceNez) {
        rx = 9.5;
        ry = 7.5;
        width = 1.0;
    } else if (p.glasses == Glasses::Round) {
        rx = 11;
        ry = 10;
        width = 1.8;
        rim = QColor(0x3a2e26);
    } else {
        rx = 11;
        ry = 8.5;
        width = 0.9;
        rim = QColor(0x9a8450);
    }
    for (int s = -1; s <= 1; s += 2) {
        const QPointF c0(cx + s * h.eyeDx, ey);
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(220, 235, 255, 40));
        g.drawEllipse(c0, rx, ry);
        g.setPen(QPen(QColor(255, 255, 255, 120), 1.2, Qt::SolidLine, Qt::RoundCap));
        g.setBrush(Qt::NoBrush);
        g.drawArc(QRectF(c0.x() - rx + 2.5, c0.y() - ry + 2, 2 * rx - 5, 2 * ry - 4), 100 * 16, 50 * 16);
        g.setPen(QPen(rim, width));
        g.drawEllipse(c0, rx, ry);
        if (p.glasses != Glasses::PinceNez) {
            // Temple arms back to the ears.
            g.drawLine(QPointF(c0.x() + s * rx, ey - 2), QPointF(cx + s * (h.hwC + 1), ey - 4));
        }
    }
    // Bridge.
    QPainterPath br;
    br.moveTo(cx - h.eyeDx + rx, ey - 1);
    br.quadTo(cx, ey - 6, cx + h.eyeDx - rx, ey - 1);
    g.setPen(QPen(rim, width));
    g.drawPath(br);
    if (p.glasses == Glasses::PinceNez) {
        // Cord hanging from the lens.
        QPainterPath cord;
        cord.moveTo(cx + h.eyeDx + rx, ey);
        cord.cubicTo(cx + h.hwC + 6, h.yMouth, cx + h.hwC - 6, h.yNeckBase, cx + h.hwC + 16, h.yNeckBase + 40);
        g.setPen(QPen(QColor(0x1a1a1a), 0.9));
        g.drawPath(cord);
    }
}

// ---------------------------------------------------------------- extras

// A dark naval cloak thrown over the shoulders, open at the front over the
// suit, with a rolled velvet collar and a chain clasp.
void paintCape(QPainter &g, const Portrait &p, const Head &h)
{
    if (!p.cape)
        return;
    const double cx = h.cx, yb = h.yNeckBase, s = p.heft * 10;
    const double nw = h.hwJ * 0.7 + p.heft * 4;
    const QColor cloth(0x161a26);
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath c;
        c.moveTo(cx + side * (nw + 4), yb - 6);
        c.cubicTo(cx + side * (60 + s), yb - 2, cx + side * (104 + s), yb + 24,
                  cx + side * (122 + s), yb + 80);
        c.lineTo(cx + side * (126 + s), kH + 20);
        c.lineTo(cx + side * 52, kH + 20);
        c.cubicTo(cx + side * 40, yb + 90, cx + side * 34, yb + 40, cx + side * (nw + 10), yb + 6);
        c.closeSubpath();
        QLinearGradient cg(cx + side * 30, yb, cx + side * 120, kH);
        cg.setColorAt(0, shade(cloth, side < 0 ? 1.12 : 1.04));
        cg.setColorAt(1, shade(cloth, 0.75));
        g.setPen(QPen(shade(cloth, 0.5), 0.8));
        g.setBrush(cg);
        g.drawPath(c);
        // Folds falling from the shoulder.
        g.setPen(QPen(QColor(0, 0, 0, 90), 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            QPainterPath f;
            const double x0 = cx + side * (62 + i * 18);
            f.moveTo(x0, yb + 22 + i * 8);
            f.quadTo(x0 + side * 6, yb + 80, x0 + side * 2, kH);
            g.drawPath(f);
        }
        // Rolled collar standing round the neck.
        QPainterPath col;
        col.moveTo(cx + side * (nw - 2), yb - 20);
        col.quadTo(cx + side * (nw + 18), yb - 22, cx + side * (nw + 30), yb + 4);
        col.quadTo(cx + side * (nw + 16), yb + 10, cx + side * (nw + 6), yb + 8);
        col.closeSubpath();
        g.setPen(QPen(QColor(0x050608), 0.8));
        g.setBrush(QColor(0x0c0d12));
        g.drawPath(col);
    }
    // Chain clasp across the chest.
    g.setPen(QPen(QColor(0xc8a850), 1.3));
    g.setBrush(Qt::NoBrush);
    for (int i = -3; i <= 3; ++i)
        g.drawEllipse(QPointF(cx + i * 6.5, yb + 14 + std::abs(i) * -0.6), 3.2, 2.0);
    g.setBrush(QColor(0xd8b860));
    for (int side = -1; side <= 1; side += 2)
        g.drawEllipse(QPointF(cx + side * 24, yb + 12), 3.8, 3.8);
}

// A long cigarette holder clenched at the corner of a smile, pointing up and
// out, with a wisp of smoke.
void paintHolder(QPainter &g, const Portrait &p, const Head &h)
{
    if (!p.holder)
        return;
    const double mw = (13 + 2.5 * std::max(0.0, p.smile)) * p.mouthWidth;
    const QPointF a(h.cx + mw * 0.55, h.yMouth + 1), b(h.cx + 74, h.yMouth - 30);
    const QPointF dir = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    g.setPen(QPen(QColor(0x1a1410), 2.6, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(a, b);
    g.setPen(QPen(QColor(255, 255, 255, 70), 0.8, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(a + QPointF(0, -0.8), b + QPointF(0, -0.8));
    const QPointF c = b + dir * 16;
    g.setPen(QPen(QColor(0xf2eee4), 3.2, Qt::SolidLine, Qt::FlatCap));
    g.drawLine(b, c);
    g.setPen(QPen(QColor(0xd04a20), 3.2, Qt::SolidLine, Qt::FlatCap));
    g.drawLine(c, c + dir * 2);
    QPainterPath smoke(c + dir * 3);
    smoke.cubicTo(c + QPointF(8, -14), c + QPointF(-6, -24), c + QPointF(4, -40));
    smoke.cubicTo(c + QPointF(12, -52), c + QPointF(0, -60), c + QPointF(6, -72));
    g.setPen(QPen(QColor(235, 235, 240, 90), 2.2, Qt::SolidLine, Qt::RoundCap));
    g.setBrush(Qt::NoBrush);
    g.drawPath(smoke);
}

}  // namespace

QImage paintPortrait(const Portrait &p, int width, int height)
{
    const int scale = 2;
    QImage img(width * scale, height * scale, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.scale(width * scale / kW, height * scale / kH);

    Rng rng(std::uint32_t(p.number * 7919 + 17));
    const Head h = makeHead(p);

    g.save();
    g.setClipPath(ovalPath());
    paintBackdrop(g, p, rng);
    // The sitter fills the oval a little more than the design space suggests.
    g.translate(kW / 2, 170);
    g.scale(1.12, 1.12);
    g.translate(-kW / 2, -170);
    const HairShapes hs = hairShapes(p, h, rng);
    // The head may be tipped a little about the chin.
    auto tipHead = [&] {
        g.save();
        if (p.tilt != 0) {
            g.translate(h.cx, h.yChin);
            g.rotate(p.tilt);
            g.translate(-h.cx, -h.yChin);
        }
    };
    tipHead();
    paintHair(g, p, h, hs, rng, true);
    g.restore();
    paintNeck(g, p, h);
    paintClothes(g, p, h);
    paintCape(g, p, h);
    tipHead();
    paintEars(g, p, h);
    paintFace(g, p, h);
    paintEyes(g, p, h);
    paintBrows(g, p, h, rng);
    paintNose(g, p, h);
    paintMouth(g, p, h);
    paintCollarPoints(g, p, h);
    paintFacialHair(g, p, h, rng);
    paintHair(g, p, h, hs, rng, false);
    paintGlasses(g, p, h);
    paintHolder(g, p, h);
    g.restore();
    g.restore();
    paintFrame(g, p);
    g.end();
    return img.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace media
