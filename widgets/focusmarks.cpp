#include "widgets/focusmarks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>

namespace brev {

namespace {

constexpr char kOwnMark[] = "brevOwnFocusMark";
constexpr int kRingWidth = 3;
constexpr char kRingName[] = "brevFocusRing";

// The ring's width, and a ring drawn above the control's neighbours.
class RingStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin)
            return kRingWidth;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_FocusFrame_AboveWidget)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Qt's focus frame (which follows its control's moves and size changes and
// stays out of the accessible tree), painted as a black band two pixels
// wide outside a white line.
class FocusRing : public QFocusFrame {
public:
    explicit FocusRing(QWidget* window) : QFocusFrame(window)
    {
        setObjectName(QString(kRingName));
        auto* style = new RingStyle;
        style->setParent(this);
        setStyle(style);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRect r = rect();
        p.setClipRegion(QRegion(r).subtracted(r.adjusted(kRingWidth, kRingWidth, -kRingWidth, -kRingWidth)));
        p.fillRect(r, Qt::black);
        p.fillRect(r.adjusted(kRingWidth - 1, kRingWidth - 1, 1 - kRingWidth, 1 - kRingWidth), Qt::white);
    }
};

// One ring per window, made a child of it from the start: a ring that moved
// from one window into another would be given a native window of its own in
// the new one (and its new ancestors too), and a native window appearing under
// the pointer while a button is pressed swallows the click.
class FocusFollower : public QObject {
public:
    explicit FocusFollower(QObject* parent) : QObject(parent)
    {
        connect(qApp, &QApplication::focusChanged, this,
                [this](QWidget* old, QWidget* now) { follow(old, now); });
    }

private:
    static FocusRing* ringOf(QWidget* window, bool create)
    {
        if (!window)
            return nullptr;
        auto* ring = window->findChild<FocusRing*>(QString(kRingName));
        if (!ring && create)
            ring = new FocusRing(window);
        return ring;
    }

    static void follow(QWidget* old, QWidget* now)
    {
        if (old && (!now || old->window() != now->window())) {
            if (FocusRing* ring = ringOf(old->window(), false))
                ring->setWidget(nullptr);
        }
        if (!now)
            return;
        const bool ringed =
            !now->isWindow() && !hasOwnFocusMark(now) && now->window()->windowType() != Qt::Popup;
        if (FocusRing* ring = ringOf(now->window(), ringed))
            ring->setWidget(ringed ? now : nullptr);
    }
};
// Enter and Return on a focused push button arrive as Space, press and
// release alike, so the button acts exactly as it does for Space.
class EnterAsSpace : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || !button->hasFocus() || qobject_cast<QCheckBox*>(button) ||
            qobject_cast<QRadioButton*>(button))
            return false;
        QKeyEvent space(event->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                        key->isAutoRepeat());
        QCoreApplication::sendEvent(button, &space);
        return true;
    }
};

} // namespace

void installEnterPressesButtons()
{
    static QPointer<EnterAsSpace> filter;
    if (qApp && !filter) {
        filter = new EnterAsSpace(qApp);
        qApp->installEventFilter(filter);
    }
}

void installFocusRing()
{
    static QPointer<FocusFollower> follower;
    if (qApp && !follower)
        follower = new FocusFollower(qApp);
}

void drawsOwnFocusMark(QWidget* w)
{
    w->setProperty(kOwnMark, true);
}

bool hasOwnFocusMark(const QWidget* w)
{
    return w->property(kOwnMark).toBool();
}

void FocusMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
    if (!(option.state & QStyle::State_HasFocus))
        return;
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(
        QPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text), 1, Qt::DotLine));
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

} // namespace brev
