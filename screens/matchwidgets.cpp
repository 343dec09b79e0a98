#include "screens/matchwidgets.h"

#include "widgets/focusmarks.h"
#include "widgets/windowhelpers.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace brev {

namespace {

// A dashed black line on a white one: it shows on the bright bar and
// description colours and on dark pictures alike.
void drawFocusMark(QPainter& p, const QRect& r)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    const QRect line = r.adjusted(0, 0, -1, -1);
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(line);
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawRect(line);
    p.restore();
}

// Space, Enter and Return press a bar or a target.
bool isPressKey(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// Bars, descriptions and portraits as assistive tools see them: a bar is a
// button named by its name, a target names what it holds; pressing a bar
// picks it up and pressing a target drops the picked-up bar there, as Space
// does.
class DragPieceAccessible : public QAccessibleWidget {
public:
    DragPieceAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* bar = qobject_cast<const NameBar*>(widget());
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (bar)
                return bar->text();
            if (const auto* label = qobject_cast<const QLabel*>(widget()))
                return label->text();
        }
        if (t == QAccessible::Description && bar) {
            QStringList parts;
            if (bar->held())
                parts << NameBar::tr("Picked up");
            if (!bar->placedOn().isEmpty())
                parts << NameBar::tr("Placed on \"%1\"").arg(bar->placedOn());
            if (parts.isEmpty())
                parts << NameBar::tr("Not placed");
            return parts.join(QStringLiteral(", "));
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (const auto* bar = qobject_cast<const NameBar*>(widget()))
            s.pressed = bar->held();
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    QString localizedActionDescription(const QString& action) const override
    {
        if (action != pressAction())
            return QAccessibleWidget::localizedActionDescription(action);
        return qobject_cast<const NameBar*>(widget()) ? NameBar::tr("Pick up")
                                                      : BarDrag::tr("Drop the picked-up bar here");
    }

    void doAction(const QString& action) override
    {
        BarDrag* drag = BarDrag::of(widget());
        if (action != pressAction() || !drag || !widget()->isEnabled())
            return;
        if (const int k = drag->barIndex(widget()); k >= 0)
            drag->pickUp(k);
        else if (const int p = drag->targetIndex(widget()); p >= 0)
            drag->dropOnTarget(p);
    }
};

QAccessibleInterface* dragPieceFactory(const QString& className, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (!w)
        return nullptr;
    if (className == QLatin1String("brev::NameBar"))
        return new DragPieceAccessible(w, QAccessible::Button);
    if (className == QLatin1String("brev::DescriptionLabel"))
        return new DragPieceAccessible(w, QAccessible::Button);
    if (className == QLatin1String("brev::PortraitBox"))
        return new DragPieceAccessible(w, QAccessible::Graphic);
    return nullptr;
}

void installDragPieceFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(dragPieceFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

// ---- NameBar

NameBar::NameBar(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour)
{
    installDragPieceFactory();
    setFocusPolicy(Qt::StrongFocus);
    drawsOwnFocusMark(this);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void NameBar::setText(const QString& text)
{
    text_ = text;
    update();
}

void NameBar::setName(const QString& name, int pointSize)
{
    QFont sized = font();
    sized.setPointSize(pointSize);
    setFont(sized);
    setText(name);
}

void showHeldName(QWidget* target, const QString& name)
{
    target->setAccessibleDescription(name.isEmpty() ? BarDrag::tr("Empty")
                                                    : BarDrag::tr("Holds %1").arg(name));
}

void NameBar::setHeld(bool held)
{
    if (held == held_)
        return;
    held_ = held;
    update();
    QAccessible::State changed;
    changed.pressed = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void NameBar::setPlacedOn(const QString& where)
{
    if (where == placedOn_)
        return;
    placedOn_ = where;
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

QRect NameBar::drawName(QPainter& p, const QRect& r) const
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
                QRect drawn;
                p.drawText(r, flags, text_, &drawn);
                return drawn;
            }
        }
    }
    shown.setPointSizeF(7);
    p.setFont(shown);
    QRect drawn;
    p.drawText(r, Qt::AlignCenter, QFontMetrics(shown).elidedText(text_, Qt::ElideRight, r.width()), &drawn);
    return drawn;
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
    const QRect drawn = drawName(p, textRect);
    if (held_) {
        // Picked up and waiting for a target: a heavy outline.
        p.setPen(QPen(Qt::black, 2));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    if (hasFocus()) {
        // Around the name, never across it: as wide as the name and a little
        // more, as high as the bar inside its bevel (and the heavy outline).
        const QRect inside = rect().adjusted(3, 3, -3, -3);
        const QRect around(drawn.left() - 6, inside.top(), drawn.width() + 12, inside.height());
        drawFocusMark(p, around & inside);
    }
}

// ---- DescriptionLabel

DescriptionLabel::DescriptionLabel(QWidget* parent) : QLabel(parent)
{
    installDragPieceFactory();
    setFocusPolicy(Qt::StrongFocus);
    drawsOwnFocusMark(this);
    // Room for the focus mark between the edge and the text (two lines
    // still fit the design height).
    setContentsMargins(3, 1, 3, 1);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
}

void DescriptionLabel::setSlotWidth(int width)
{
    slotWidth_ = width;
    setContentsMargins(3, 1, 3 + (width > 0 ? width + 6 : 0), 1);
    fitText();
}

QRect DescriptionLabel::slotRect(const QSize& bar) const
{
    const QRect slot(width() - 3 - slotWidth_, 0, slotWidth_, height());
    QRect r(QPoint(), bar);
    r.moveCenter(slot.center());
    return r.translated(pos());
}

void DescriptionLabel::setDescription(const QString& text)
{
    if (designed_ == QFont())
        designed_ = font();
    setText(text);
    fitText();
}

void DescriptionLabel::setHolding(bool holding)
{
    holding_ = holding;
    update();
}

void DescriptionLabel::fitText()
{
    if (designed_ == QFont() || text().isEmpty())
        return;
    setFont(fittedFont(designed_, text(), contentsRect().size(), true, 8));
}

void DescriptionLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fitText();
}

void DescriptionLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    QPainter p(this);
    if (slotWidth_ > 0 && !holding_) {
        // The empty slot, where a dropped bar will rest.
        p.setPen(QPen(QColor(96, 32, 96), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(slotRect(QSize(slotWidth_, height() - 8)).translated(-pos()).adjusted(0, 0, -1, -1));
    }
    if (hasFocus())
        drawFocusMark(p, rect());
}

// ---- PortraitBox

PortraitBox::PortraitBox(QWidget* parent) : QWidget(parent)
{
    installDragPieceFactory();
    setFocusPolicy(Qt::StrongFocus);
    drawsOwnFocusMark(this);
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
        drawFocusMark(p, rect().adjusted(2, 2, -2, -2));
    }
}

// ---- BarDrag

BarDrag::BarDrag(QWidget* area, bool clickPlacing) : QObject(area), area_(area), clickPlacing_(clickPlacing)
{}

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

BarDrag* BarDrag::of(const QWidget* w)
{
    QWidget* area = w ? w->parentWidget() : nullptr;
    if (!area)
        return nullptr;
    for (auto* drag : area->findChildren<BarDrag*>(Qt::FindDirectChildrenOnly)) {
        if (drag->barIndex(w) >= 0 || drag->targetIndex(w) >= 0)
            return drag;
    }
    return nullptr;
}

int BarDrag::barIndex(const QWidget* w) const
{
    for (int k = 0; k < bars_.size(); ++k) {
        if (bars_[k] == w)
            return k;
    }
    return -1;
}

int BarDrag::targetIndex(const QWidget* w) const
{
    return int(targets_.indexOf(const_cast<QWidget*>(w)));
}

void BarDrag::pickUp(int bar)
{
    if (dragging_ >= 0 || bar < 0 || bar >= bars_.size())
        return;
    hold(bar);
    bars_[bar]->raise();
    emit barPickedUp(bar);
}

bool BarDrag::dropOnTarget(int target)
{
    if (held_ < 0 || target < 0 || target >= targets_.size())
        return false;
    hold(-1);
    emit dropped(target);
    return true;
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

void BarDrag::hold(int bar)
{
    if (held_ >= 0 && held_ < bars_.size())
        bars_[held_]->setHeld(false);
    held_ = bar;
    if (bar >= 0)
        bars_[bar]->setHeld(true);
}

bool BarDrag::barEvent(int bar, QEvent* event)
{
    NameBar* widget = bars_[bar];
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton)
            return true;
        // A drag whose release never came (the window lost the mouse) ends here.
        if (dragging_ >= 0)
            bars_[dragging_]->move(startPos_);
        hold(-1);
        dragging_ = bar;
        moved_ = false;
        pressGlobal_ = e->globalPosition().toPoint();
        startPos_ = widget->pos();
        widget->raise();
        widget->setFocus(Qt::MouseFocusReason);
        emit barPressed(bar);
        return true;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (dragging_ != bar)
            return true;
        const QPoint delta = e->globalPosition().toPoint() - pressGlobal_;
        if (!moved_ && delta.manhattanLength() < QApplication::startDragDistance())
            return true;
        moved_ = true;
        widget->move(startPos_ + delta);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton || dragging_ != bar)
            return true;
        dragging_ = -1;
        if (!moved_) {
            if (clickPlacing_)
                hold(bar);
            emit barClicked(bar);
            return true;
        }
        const int target = targetAt(e->globalPosition().toPoint());
        widget->move(startPos_);
        if (target >= 0)
            emit dropped(target);
        return true;
    }
    case QEvent::MouseButtonDblClick: return true;
    case QEvent::KeyPress: {
        auto* e = static_cast<QKeyEvent*>(event);
        if (isPressKey(e) && !e->isAutoRepeat() && dragging_ < 0) {
            pickUp(bar);
            return true;
        }
        if (e->key() == Qt::Key_Escape && held_ >= 0) {
            hold(-1);
            return true;
        }
        return false;
    }
    default: return false;
    }
}

bool BarDrag::targetEvent(int target, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton && clickPlacing_ && held_ >= 0) {
            hold(-1);
            emit dropped(target);
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* e = static_cast<QKeyEvent*>(event);
        if (isPressKey(e) && !e->isAutoRepeat() && dropOnTarget(target))
            return true;
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
