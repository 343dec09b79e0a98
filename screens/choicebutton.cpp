#include "screens/choicebutton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace brev {

ChoiceButton::ChoiceButton(const QColor& background, QWidget* parent)
    : QAbstractButton(parent), background_(background)
{
    setCheckable(true);
    setAutoExclusive(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ChoiceButton::setBackground(const QColor& colour)
{
    background_ = colour;
    update();
}

void ChoiceButton::setChoice(int index, int count, const QString& text)
{
    setText(text);
    setAccessibleName(tr("Choice %1 of %2: %3").arg(index + 1).arg(count).arg(text));
}

QSize ChoiceButton::sizeHint() const
{
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text()) + 30, 3 * fm.lineSpacing()};
}

void ChoiceButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        QAbstractButton::mousePressEvent(event);
    else
        event->accept();
    emit picked();
}

void ChoiceButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        setChecked(true);
        emit picked();
    }
    QAbstractButton::keyPressEvent(event);
    if (!carrySelection_)
        return;
    if (auto* next = qobject_cast<ChoiceButton*>(QApplication::focusWidget()); next && next != this)
        next->setChecked(true);
}

void ChoiceButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), background_);

    QStyleOptionButton opt;
    opt.initFrom(this);
    const int iw = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &opt, this);
    const int ih = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &opt, this);
    opt.rect = QRect(4, (height() - ih) / 2, iw, ih);
    opt.state |= isChecked() ? QStyle::State_On : QStyle::State_Off;
    if (isDown())
        opt.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &opt, &p, this);

    const QRect textRect = rect().adjusted(iw + 12, 2, -6, -2);
    const QFontMetrics fm(font());
    QString shown = text();
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    if (fm.boundingRect(textRect, flags, shown).height() > textRect.height()) {
        // Too long for the button: as many full lines as fit, the last one elided.
        const int lines = qMax(1, textRect.height() / qMax(1, fm.lineSpacing()));
        shown = fm.elidedText(shown, Qt::ElideRight,
                              lines * textRect.width() - fm.averageCharWidth() * 4 * lines);
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(textRect, flags, shown);
    // The focus mark is the program's ring around the button.
}

} // namespace brev
