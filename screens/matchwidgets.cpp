#include "screens/matchwidgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace brev {

namespace {

void drawFocusMark(QWidget* w, QPainter& p, const QRect& r)
{
    QStyleOptionFocusRect focus;
    focus.initFrom(w);
    focus.rect = r;
    focus.backgroundColor = w->palette().color(QPalette::Window);
    w->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, w);
    // The style's dotted mark is faint on bright colours: add a plain one.
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

} // namespace

// ---- NameBar

NameBar::NameBar(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void NameBar::setText(const QString& text)
{
    text_ = text;
    update();
}

void NameBar::setHeld(bool held)
{
    held_ = held;
    update();
}

void NameBar::drawName(QPainter& p, const QRect& r) const
{
    // A name wider than a narrowed bar is drawn smaller, then on two lines,
    // and cut short only below 7 points.
    QFont shown = font();
    const int wrap = Qt::AlignCenter | Qt::TextWordWrap;
    auto fits = [&](int flags) {
        const QRect need = QFontMetrics(shown).boundingRect(r, flags, text_);
        return need.width() <= r.width() && need.height() <= r.height();
    };
    for (shown = font(); shown.pointSizeF() >= 7; shown.setPointSizeF(shown.pointSizeF() - 0.5)) {
        for (int flags : {int(Qt::AlignCenter), wrap}) {
            if (fits(flags)) {
                p.setFont(shown);
                p.drawText(r, flags, text_);
                return;
            }
        }
    }
    shown.setPointSizeF(7);
    p.setFont(shown);
    p.drawText(r, Qt::AlignCenter, QFontMetrics(shown).elidedText(text_, Qt::ElideRight, r.width()));
}

void NameBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QPalette pal = palette();
    pal.setColor(QPalette::Button, colour_);
    qDrawWinButton(&p, rect(), pal, held_, nullptr);
    p.fillRect(rect().adjusted(2, 2, -2, -2), colour_);
    const QRect textRect = rect().adjusted(4, 2, -4, -2).translated(held_ ? QPoint(1, 1) : QPoint());
    p.setPen(Qt::black);
    drawName(p, textRect);
    if (held_) {
        // Picked up and waiting for a target: a heavy outline.
        p.setPen(QPen(Qt::black, 2));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    if (hasFocus())
        drawFocusMark(this, p, rect().adjusted(4, 4, -4, -4));
}

// ---- DescriptionLabel

DescriptionLabel::DescriptionLabel(QWidget* parent) : QLabel(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
}

void DescriptionLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter p(this);
        drawFocusMark(this, p, rect().adjusted(1, 1, -1, -1));
    }
}

// ---- PortraitBox

PortraitBox::PortraitBox(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

bool PortraitBox::setPicture(const QString& path)
{
    picture_ = QPixmap(path);
    update();
    return !picture_.isNull();
}

void PortraitBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!picture_.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), picture_);
    } else {
        p.fillRect(rect(), QColor(224, 224, 224));
        p.setPen(QPen(Qt::black, 2));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
        p.setPen(QPen(QColor(160, 160, 160), 1));
        p.drawRect(rect().adjusted(8, 8, -9, -9));
    }
    if (hasFocus()) {
        // A light band under the mark, so that it shows on dark pictures too.
        p.setPen(QPen(Qt::white, 3));
        p.drawRect(rect().adjusted(2, 2, -3, -3));
        drawFocusMark(this, p, rect().adjusted(2, 2, -2, -2));
    }
}

// ---- BarDrag

BarDrag::BarDrag(QWidget* area, bool clickPlacing) : QObject(area), area_(area), clickPlacing_(clickPlacing)
{
}

void BarDrag::addBar(NameBar* bar)
{
    bars_ << bar;
    bar->installEventFilter(this);
}

void BarDrag::addTarget(QWidget* target)
{
    targets_ << target;
    target->installEventFilter(this);
}

bool BarDrag::eventFilter(QObject* watched, QEvent* event)
{
    for (int k = 0; k < bars_.size(); ++k) {
        if (watched == bars_[k])
            return barEvent(k, event);
    }
    for (int p = 0; p < targets_.size(); ++p) {
        if (watched == targets_[p])
            return targetEvent(p, event);
    }
    return false;
}

void BarDrag::hold(int k)
{
    if (held_ >= 0 && held_ < bars_.size())
        bars_[held_]->setHeld(false);
    held_ = k;
    if (k >= 0)
        bars_[k]->setHeld(true);
}

bool BarDrag::barEvent(int k, QEvent* event)
{
    NameBar* bar = bars_[k];
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton)
            return true;
        // A drag whose release never came (the window lost the mouse) ends here.
        if (dragging_ >= 0)
            bars_[dragging_]->move(startPos_);
        hold(-1);
        dragging_ = k;
        moved_ = false;
        pressGlobal_ = e->globalPosition().toPoint();
        startPos_ = bar->pos();
        bar->raise();
        bar->setFocus(Qt::MouseFocusReason);
        emit barPressed(k);
        return true;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (dragging_ != k)
            return true;
        const QPoint delta = e->globalPosition().toPoint() - pressGlobal_;
        if (!moved_ && delta.manhattanLength() < QApplication::startDragDistance())
            return true;
        moved_ = true;
        bar->move(startPos_ + delta);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton || dragging_ != k)
            return true;
        dragging_ = -1;
        if (!moved_) {
            if (clickPlacing_)
                hold(k);
            emit barClicked(k);
            return true;
        }
        const int target = targetAt(e->globalPosition().toPoint());
        bar->move(startPos_);
        if (target >= 0)
            emit dropped(target);
        return true;
    }
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::KeyPress: {
        auto* e = static_cast<QKeyEvent*>(event);
        if (e->key() == Qt::Key_Space && !e->isAutoRepeat() && dragging_ < 0) {
            hold(k);
            bar->raise();
            emit barPickedUp(k);
            return true;
        }
        if (e->key() == Qt::Key_Escape && held_ >= 0) {
            hold(-1);
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

bool BarDrag::targetEvent(int p, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton && clickPlacing_ && held_ >= 0) {
            hold(-1);
            emit dropped(p);
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* e = static_cast<QKeyEvent*>(event);
        if (e->key() == Qt::Key_Space && !e->isAutoRepeat() && held_ >= 0) {
            hold(-1);
            emit dropped(p);
            return true;
        }
        if (e->key() == Qt::Key_Escape && held_ >= 0) {
            hold(-1);
            return true;
        }
    }
    return false;
}

int BarDrag::targetAt(const QPoint& globalPos) const
{
    const QPoint at = area_->mapFromGlobal(globalPos);
    for (int p = 0; p < targets_.size(); ++p) {
        if (targets_[p]->geometry().contains(at))
            return p;
    }
    return -1;
}

} // namespace brev
