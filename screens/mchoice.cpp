#include "screens/mchoice.h"

#include "screens/core/verdict.h"
#include "services/context.h"
#include "services/windowhelpers.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>

namespace brev {

namespace {
constexpr int kClientWidth = 8625;
constexpr int kClientHeight = 6975;
const QColor kWindowColour(192, 255, 192);
const QColor kItemColour(128, 255, 128);

constexpr TwipsPlace kLayout[] = {
    {"Frame1", 120, 120, 8295, 6975},
    {"Label1", 240, 120, 1065, 345},
    {"choice0", 240, 720, 7935, 975},
    {"choice1", 240, 1800, 7935, 975},
    {"choice2", 240, 2880, 7935, 975},
    {"choice3", 240, 3960, 7935, 975},
    {"choice4", 240, 5160, 7935, 975},
    {"cmdhelp", 2880, 6240, 1095, 375},
    {"Command1", 4800, 6240, 975, 375},
};
} // namespace

// ---- ChoiceButton

ChoiceButton::ChoiceButton(QWidget* parent) : QAbstractButton(parent), background_(kItemColour)
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
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat()) {
        setChecked(true);
        event->accept();
        emit picked();
        return;
    }
    QAbstractButton::keyPressEvent(event);
    // The arrow keys carry the selection to the choice they move to.
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
        shown = fm.elidedText(shown, Qt::ElideRight, lines * textRect.width() - fm.averageCharWidth() * 4 * lines);
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(textRect, flags, shown);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = textRect.adjusted(-3, 0, 3, 0);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

// ---- mchoice

mchoice::mchoice(AppContext& ctx, QWidget* parent)
    : QuestionWindow(ctx, SlotMultipleChoice, QStringLiteral("Multiple Choice"), kClientWidth,
                     kClientHeight, kWindowColour, parent),
      model_(ctx)
{
    setObjectName(QStringLiteral("mchoice"));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    Frame1->setFont(designFont(true, 13.5));

    Label1 = new QLabel(QStringLiteral("Label1"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont labelFont = designFont(DesignFace::Arial, 11);
    labelFont.setBold(true);
    Label1->setFont(labelFont);
    fillBackground(Label1, kItemColour);

    const char* designCaptions[5] = {"Option1", "Option2", "Option3", "Option3", "Option3"};
    for (int i = 0; i < 5; ++i) {
        choice[i] = new ChoiceButton(Frame1);
        choice[i]->setObjectName(QStringLiteral("choice%1").arg(i));
        choice[i]->setText(QString::fromLatin1(designCaptions[i]));
        choice[i]->setFont(designFont(true, 12));
        connect(choice[i], &ChoiceButton::picked, this, [this, i] { choose(i); });
    }

    cmdhelp = makeButton(Frame1, "cmdhelp", QStringLiteral("help"));
    wireHelp(cmdhelp, MultipleChoiceModel::helpText(ctx_.lb));
    Command1 = makeButton(Frame1, "Command1", QStringLiteral("skip"));
    wireSkip(Command1);

    placeControls(this, kLayout);
    restoreSize();
    load();
}

void mchoice::load()
{
    if (!model_.load()) {
        abandon();
        return;
    }
    for (int i = 0; i < 5; ++i) {
        choice[i]->setAutoExclusive(false);
        choice[i]->setChecked(false);
        choice[i]->setAutoExclusive(true);
        choice[i]->setText(model_.choiceText(i));
    }
    Label1->setText(model_.question());
    model_.writeLoadLines();
}

void mchoice::choose(int i)
{
    if (abandoned() || answered_ || i < 0 || i > 4)
        return;
    answered_ = true;
    choice[i]->setChecked(true);
    showResults(model_.choose(i));
}

void mchoice::layoutControls()
{
    const int width = outerWidthTwips(this);
    const int height = outerHeightTwips(this);
    // The frame's top starts from the window's own distance from the top of
    // the screen; centring the frame below replaces it.
    Frame1->move(Frame1->x(), twips(this, toTwips(this, y()) + 100));
    const int frameWidth = width - 80;
    Frame1->resize(twips(this, frameWidth), twips(this, height - 50));
    if (isNarrow(frameWidth))
        return;
    const int left = toTwips(this, Frame1->x()) + 100;
    for (ChoiceButton* c : choice)
        c->setGeometry(twips(this, left), c->y(), twips(this, frameWidth - 400), c->height());
    Label1->setGeometry(twips(this, left), Label1->y(), twips(this, frameWidth - 400),
                        Label1->height());
    rememberSize();
    centerframe(Frame1, this);
}

} // namespace brev
