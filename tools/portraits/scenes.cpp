// Name Me stage pictures (a bald eagle drawn in six steps), the main window's
// background and the application icon.
#include "scenes.h"

#include "paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

namespace media {

namespace {

QPainterPath star(QPointF c, double outer, double inner, double turn = 0)
{
    QPainterPath s;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + turn + i * M_PI / 5;
        const double r = i % 2 ? inner : outer;
        const QPointF p = c + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            s.moveTo(p);
        else
            s.lineTo(p);
    }
    s.closeSubpath();
    return s;
}

// ---------------------------------------------------------------- eagle

// Design space 240 x 360; the eagle perches on a branch facing left.
struct EagleParts {
    QPainterPath head, beak, body, wing, tail, branch, feet, claws;
};

EagleParts eagleParts()
{
    EagleParts e;
    e.head = smoothClosed({{92, 100}, {104, 72}, {136, 58}, {168, 70}, {184, 102},
                           {190, 140}, {182, 168}, {150, 176}, {116, 170}, {100, 140},
                           {98, 118}},
                          0.9);
    e.beak = smoothClosed({{100, 92}, {82, 94}, {64, 106}, {56, 124}, {60, 134},
                           {66, 126}, {76, 122}, {92, 126}, {104, 124}},
                          0.8);
    e.body = smoothClosed({{112, 160}, {150, 170}, {186, 160}, {204, 196}, {206, 250},
                           {188, 300}, {156, 312}, {124, 302}, {100, 262}, {96, 208}},
                          0.9);
    e.wing = smoothClosed({{158, 176}, {196, 170}, {214, 206}, {216, 262}, {200, 318},
                           {178, 336}, {168, 310}, {178, 262}, {170, 214}},
                          0.9);
    e.tail = smoothClosed({{148, 300}, {180, 304}, {186, 344}, {168, 354}, {150, 350},
                           {140, 330}},
                          0.9);
    QPainterPath br;
    br.moveTo(8, 318);
    br.cubicTo(70, 304, 150, 318, 236, 296);
    br.lineTo(236, 312);
    br.cubicTo(150, 334, 70, 320, 8, 334);
    br.closeSubpath();
    br.addEllipse(QPointF(196, 300), 4, 3);
    e.branch = br;
    for (double fx : {122.0, 156.0}) {
        QPainterPath f = smoothClosed({{fx - 8, 292}, {fx + 8, 292}, {fx + 10, 312},
                                       {fx - 12, 314}},
                                      0.9);
        e.feet.addPath(f);
        for (int k = 0; k < 3; ++k) {
            const double x = fx - 12 + k * 9;
            QPainterPath c;
            c.moveTo(x, 312);
            c.quadTo(x - 4, 320, x - 1, 326);
            c.lineTo(x + 2, 320);
            c.closeSubpath();
            e.claws.addPath(c);
        }
    }
    return e;
}

void paintEagle(QPainter &g, int level, Rng &rng)
{
    const EagleParts e = eagleParts();
    const QColor paper(0xf2e8d0), pencil(0x5a5046);
    const bool finished = level >= 6;

    // Background: paper while sketching, sky when finished.
    if (finished) {
        QLinearGradient sky(0, 0, 0, 360);
        sky.setColorAt(0, QColor(0x3a6ea8));
        sky.setColorAt(0.6, QColor(0x9cc4e4));
        sky.setColorAt(1, QColor(0xe8d8b0));
        g.fillRect(QRectF(0, 0, 240, 360), sky);
        QRadialGradient sun(70, 60, 120);
        sun.setColorAt(0, QColor(255, 250, 220, 140));
        sun.setColorAt(1, QColor(255, 250, 220, 0));
        g.fillRect(QRectF(0, 0, 240, 360), sun);
        // Distant hills.
        QPainterPath hills;
        hills.moveTo(0, 300);
        hills.cubicTo(60, 270, 120, 290, 240, 262);
        hills.lineTo(240, 360);
        hills.lineTo(0, 360);
        hills.closeSubpath();
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(0x6c8a6a));
        g.drawPath(hills);
    } else {
        g.fillRect(QRectF(0, 0, 240, 360), paper);
        g.setPen(Qt::NoPen);
        for (int i = 0; i < 30; ++i) {
            const double x = rng.range(0, 240), y = rng.range(0, 360), r = rng.range(20, 60);
            QRadialGradient b(x, y, r);
            b.setColorAt(0, QColor(160, 130, 80, 14));
            b.setColorAt(1, QColor(160, 130, 80, 0));
            g.setBrush(b);
            g.drawEllipse(QPointF(x, y), r, r);
        }
        if (level >= 3) {
            // A first wash of sky behind the bird.
            QRadialGradient wash(120, 170, 150);
            wash.setColorAt(0, QColor(120, 170, 220, 90));
            wash.setColorAt(1, QColor(120, 170, 220, 0));
            g.setBrush(wash);
            g.drawEllipse(QPointF(120, 170), 150, 190);
        }
    }

    auto fill = [&](const QPainterPath &p, const QColor &c, bool shaded) {
        if (shaded) {
            const QRectF r = p.boundingRect();
            QLinearGradient lg(r.topLeft(), r.bottomRight());
            lg.setColorAt(0, shade(c, 1.25));
            lg.setColorAt(0.5, c);
            lg.setColorAt(1, shade(c, 0.7));
            g.setBrush(lg);
        } else {
            g.setBrush(c);
        }
        g.setPen(Qt::NoPen);
        g.drawPath(p);
    };
    const QColor brown(0x5a3a22), darkBrown(0x3a2414), white(0xf8f6f0), yellow(0xf0b830),
        bark(0x7a6450);

    if (level >= 4) {
        if (level >= 5)
            fill(e.tail, white, finished);  // behind the branch
        fill(e.branch, bark, finished);
        fill(e.body, brown, finished);
        fill(e.wing, darkBrown, finished);
    }
    if (level >= 5) {
        fill(e.feet, yellow, finished);
        fill(e.claws, QColor(0x201810), false);
        // The white head and the eye come last: every stage before the
        // finished one is plainly unfinished.
        if (finished)
            fill(e.head, white, finished);
        fill(e.beak, yellow, finished);
    }
    if (finished) {
        // Feathers on body and wing.
        g.save();
        g.setClipPath(e.body.united(e.wing));
        for (int i = 0; i < 140; ++i) {
            const double x = rng.range(96, 216), y = rng.range(170, 336);
            g.setPen(QPen(withAlpha(rng.next() < 0.5 ? QColor(0x8a6040) : QColor(0x24160c), 140), 1.0));
            g.setBrush(Qt::NoBrush);
            g.drawArc(QRectF(x - 6, y - 4, 12, 8), 200 * 16, 140 * 16);
        }
        g.setPen(QPen(withAlpha(QColor(0x1a0e06), 160), 1.2));
        for (int k = 0; k < 5; ++k) {
            const double y = 230 + k * 20;
            g.drawLine(QPointF(184 - k * 2, y), QPointF(200 - k * 3, y + 30));
        }
        g.restore();
        // Soft shading where the white head meets the dark body.
        g.save();
        g.setClipPath(e.head);
        QLinearGradient hs(0, 140, 0, 176);
        hs.setColorAt(0, QColor(180, 170, 160, 0));
        hs.setColorAt(1, QColor(120, 110, 100, 120));
        g.fillRect(QRectF(90, 140, 110, 40), hs);
        g.setPen(QPen(QColor(200, 196, 188, 160), 0.8));
        for (int i = 0; i < 40; ++i) {
            const double x = rng.range(110, 186), y = rng.range(76, 170);
            g.drawLine(QPointF(x, y), QPointF(x + 5, y + 3));
        }
        g.restore();
        // Beak: mouth line and nostril.
        g.setPen(QPen(QColor(0x8a5a10), 1.2));
        g.setBrush(Qt::NoBrush);
        QPainterPath ml;
        ml.moveTo(100, 118);
        ml.quadTo(84, 116, 70, 124);
        g.drawPath(ml);
        g.setBrush(QColor(0x6a4410));
        g.setPen(Qt::NoPen);
        g.drawEllipse(QPointF(88, 104), 2.2, 1.5);
    }
    if (finished) {
        // Fierce eye under a heavy brow.
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(0xf0c020));
        g.drawEllipse(QPointF(114, 98), 6, 5);
        g.setBrush(QColor(0x100800));
        g.drawEllipse(QPointF(113, 98), 2.8, 2.8);
        g.setBrush(QColor(255, 255, 255, 220));
        g.drawEllipse(QPointF(112, 97), 1, 1);
        g.setPen(QPen(QColor(0x403020), 2.2, Qt::SolidLine, Qt::RoundCap));
        g.drawLine(QPointF(103, 92), QPointF(124, 90));
    }

    // Outlines: pencil while sketching, fine ink when finished.
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(finished ? QColor(0x2a1c10) : pencil, finished ? 0.9 : 1.4,
                  Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (level >= 2) {
        g.drawPath(e.head.united(e.beak));
        g.drawPath(e.body);
    } else {
        g.drawPath(e.head);
    }
    if (level >= 3) {
        g.drawPath(e.wing);
        g.drawPath(e.tail);
        g.drawPath(e.branch);
        g.drawPath(e.feet);
        g.drawPath(e.claws);
    }
    if (!finished) {
        // Construction marks of the sketch.
        g.setPen(QPen(withAlpha(pencil, 70), 0.8, Qt::DashLine));
        g.drawEllipse(QPointF(140, 118), 50, 56);
        if (level >= 2)
            g.drawLine(QPointF(150, 60), QPointF(150, 340));
    }
}

}  // namespace

QImage paintEagleStage(int stage, int width, int height)
{
    QImage img(width * 2, height * 2, QImage::Format_RGB32);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.scale(width * 2 / 240.0, height * 2 / 360.0);
    Rng rng(std::uint32_t(1776 + stage));
    paintEagle(g, 7 - stage, rng);
    g.end();
    return img.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// ---------------------------------------------------------------- background

QImage paintBackground(int width, int height)
{
    const double W = 720, H = 840;
    QImage img(width, height, QImage::Format_RGB32);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.scale(width / W, height / H);
    Rng rng(1789);

    QLinearGradient paper(0, 0, 0, H);
    paper.setColorAt(0, QColor(0xf5ecd6));
    paper.setColorAt(1, QColor(0xe4d2ac));
    g.fillRect(QRectF(0, 0, W, H), paper);
    g.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        const double x = rng.range(0, W), y = rng.range(0, H), r = rng.range(40, 140);
        QRadialGradient b(x, y, r);
        b.setColorAt(0, QColor(150, 110, 60, 12));
        b.setColorAt(1, QColor(150, 110, 60, 0));
        g.setBrush(b);
        g.drawEllipse(QPointF(x, y), r, r);
    }

    // Faint stripes down the right-hand side.
    for (int i = 0; i < 7; ++i) {
        const double y = 230 + i * 80;
        g.setBrush(QColor(178, 34, 52, 18));
        g.drawRect(QRectF(530, y, 176, 40));
    }

    // Faint dome of the Capitol behind the lower right.
    {
        const QColor ink(90, 70, 50, 38);
        g.setBrush(ink);
        const double cx = 560, base = 800;
        QPainterPath cap;
        cap.addRect(QRectF(cx - 150, base - 60, 300, 60));          // wings
        cap.addRect(QRectF(cx - 70, base - 100, 140, 100));         // centre block
        cap.addRect(QRectF(cx - 52, base - 150, 104, 50));          // drum
        QPainterPath dome;
        dome.moveTo(cx - 48, base - 150);
        dome.cubicTo(cx - 46, base - 230, cx + 46, base - 230, cx + 48, base - 150);
        dome.closeSubpath();
        cap.addPath(dome);
        cap.addRect(QRectF(cx - 8, base - 250, 16, 30));            // lantern
        cap.addEllipse(QPointF(cx, base - 256), 6, 6);
        g.drawPath(cap.simplified());
        g.setBrush(QColor(245, 236, 214, 60));
        for (int k = -5; k <= 5; ++k)
            g.drawRect(QRectF(cx + k * 12 - 3, base - 92, 6, 80));  // columns
        g.setBrush(ink);
        g.drawRect(QRectF(cx - 200, base, 400, 8));
    }

    // Blue canton of stars at the top right.
    const QRectF canton(466, 14, 240, 190);
    QLinearGradient navy(canton.topLeft(), canton.bottomRight());
    navy.setColorAt(0, QColor(0x2a3e72));
    navy.setColorAt(1, QColor(0x16224a));
    g.setBrush(navy);
    g.drawRect(canton);
    g.setBrush(QColor(0xf4f0e4));
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < (row % 2 ? 5 : 6); ++col) {
            const double x = canton.left() + 22 + col * 40 + (row % 2 ? 20 : 0);
            const double y = canton.top() + 24 + row * 36;
            g.drawPath(star(QPointF(x, y), 11, 4.4));
        }

    // Frame: navy border with a gold line inside.
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(QColor(0x1a2650), 28));
    g.drawRect(QRectF(0, 0, W, H));
    g.setPen(QPen(QColor(0xc9a24a), 3));
    g.drawRect(QRectF(20, 20, W - 40, H - 40));
    g.setPen(QPen(QColor(201, 162, 74, 120), 1));
    g.drawRect(QRectF(27, 27, W - 54, H - 54));
    // A short gold rule under the title area.
    QLinearGradient rule(40, 0, 420, 0);
    rule.setColorAt(0, QColor(201, 162, 74, 200));
    rule.setColorAt(1, QColor(201, 162, 74, 0));
    g.setPen(QPen(QBrush(rule), 2));
    g.drawLine(QPointF(40, 222), QPointF(420, 222));
    g.end();
    return img;
}

// ---------------------------------------------------------------- icon

QImage paintIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.scale(size / 256.0, size / 256.0);

    QPainterPath disc;
    disc.addEllipse(QPointF(128, 128), 120, 120);
    QRadialGradient navy(100, 90, 170);
    navy.setColorAt(0, QColor(0x34508e));
    navy.setColorAt(1, QColor(0x141e44));
    g.setPen(Qt::NoPen);
    g.setBrush(navy);
    g.drawPath(disc);
    // Stripes across the lower part.
    g.save();
    g.setClipPath(disc);
    for (int i = 0; i < 5; ++i) {
        g.setBrush(i % 2 ? QColor(0xf4f0e4) : QColor(0xb22234));
        g.drawRect(QRectF(0, 190 + i * 14, 256, 14));
    }
    // Portrait silhouette: head and shoulders.
    QPainterPath bust;
    bust.addEllipse(QPointF(128, 122), 34, 42);
    QPainterPath neck;
    neck.addRect(QRectF(112, 140, 32, 40));
    bust = bust.united(neck);
    QPainterPath shoulders;
    shoulders.moveTo(50, 256);
    shoulders.cubicTo(56, 190, 96, 172, 128, 172);
    shoulders.cubicTo(160, 172, 200, 190, 206, 256);
    shoulders.closeSubpath();
    bust = bust.united(shoulders);
    g.setBrush(QColor(0xf4ead0));
    g.drawPath(bust);
    g.setBrush(QColor(0x141e44));
    QPainterPath collar;
    collar.moveTo(112, 176);
    collar.lineTo(128, 214);
    collar.lineTo(144, 176);
    collar.closeSubpath();
    g.drawPath(collar);
    g.restore();
    // Gold ring and star.
    QLinearGradient gold(0, 0, 256, 256);
    gold.setColorAt(0, QColor(0xf6dc8e));
    gold.setColorAt(1, QColor(0xa07a28));
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(QBrush(gold), 10));
    g.drawPath(disc);
    g.setPen(QPen(QColor(0x6a4e16), 2));
    g.setBrush(gold);
    g.drawPath(star(QPointF(128, 52), 34, 14));
    g.end();
    return img;
}

}  // namespace media
