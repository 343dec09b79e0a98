#include "screens/mchoice.h"

#include "gameflow/gamelog.h"
#include "gameflow/showscor.h"
#include "refdata/brevmain.h"
#include "screens/exportlines.h"
#include "services/cmnfunc.h"
#include "services/context.h"
#include "services/windowhelpers.h"
#include "setup/setup.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>

namespace brev {

namespace {
constexpr int kClientWidth = 8625;
constexpr int kClientHeight = 6975;
constexpr int kNarrow = 3000;
constexpr int kChoiceTops[5] = {720, 1800, 2880, 3960, 5160};
const QColor kWindowColour(192, 255, 192);
const QColor kItemColour(128, 255, 128);

void fillBackground(QWidget* w, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}
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
    emit mousePressed();
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

mchoice::mchoice(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("mchoice"));
    setWindowTitle(QStringLiteral("Multiple Choice"));
    setModal(true);
    fillBackground(this, kWindowColour);
    resize(twips(this, kClientWidth), twips(this, kClientHeight));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    Frame1->setFont(designFont(true, 13.5));
    placeTwips(Frame1, 120, 120, 8295, 6975);

    Label1 = new QLabel(QStringLiteral("Label1"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont labelFont = designFont(false, 11);
    labelFont.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    labelFont.setBold(true);
    Label1->setFont(labelFont);
    fillBackground(Label1, kItemColour);
    placeTwips(Label1, 240, 120, 1065, 345);

    const char* designCaptions[5] = {"Option1", "Option2", "Option3", "Option3", "Option3"};
    for (int i = 0; i < 5; ++i) {
        choice[i] = new ChoiceButton(Frame1);
        choice[i]->setObjectName(QStringLiteral("choice%1").arg(i));
        choice[i]->setText(QString::fromLatin1(designCaptions[i]));
        choice[i]->setFont(designFont(true, 12));
        placeTwips(choice[i], 240, kChoiceTops[i], 7935, 975);
        connect(choice[i], &ChoiceButton::mousePressed, this, [this, i] { choose(i); });
    }

    cmdhelp = new QPushButton(QStringLiteral("help"), Frame1);
    cmdhelp->setObjectName(QStringLiteral("cmdhelp"));
    cmdhelp->setAutoDefault(false);
    placeTwips(cmdhelp, 2880, 6240, 1095, 375);
    connect(cmdhelp, &QPushButton::clicked, this, &mchoice::help);

    Command1 = new QPushButton(QStringLiteral("skip"), Frame1);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);
    placeTwips(Command1, 4800, 6240, 975, 375);
    connect(Command1, &QPushButton::clicked, this, &QDialog::reject);

    load();
}

QString mchoice::categoryName() const
{
    const int c = ctx_.game.category;
    return (c >= 0 && c < int(ctx_.catnames.size())) ? ctx_.catnames[size_t(c)] : QString();
}

void mchoice::load()
{
    sizeform(ctx_, this, SlotMultipleChoice, 1);
    setupform(this);
    sizeChanged();

    GameState& g = ctx_.game;
    const int category = g.category;
    if (g.onlineQuestionMode != 0) {
        writelog(ctx_, QStringLiteral("MULT"), 4, 0);
        writelog(ctx_, categoryName(), 4, 0);
    } else if (g.tabbedQuestionMode == 0) {
        writelog(ctx_, QStringLiteral("Multiple Choice"), 1, 0);
    }

    answerSlot_ = qBound(0, static_cast<int>(ctx_.random->uniform() * 4.0), 3);

    TabbedQuestionLine tabbed;
    for (int i = 0; i < 5; ++i) {
        choice[i]->setAutoExclusive(false);
        choice[i]->setChecked(false);
        choice[i]->setAutoExclusive(true);
        const int record = pickitems(ctx_, i);
        if (record <= 0) {
            exhausted();
            return;
        }
        const QString caption = getquestion(ctx_, 4, record, category);
        choice[i]->setText(caption);
        if (g.onlineQuestionMode != 0)
            writelog(ctx_, caption, 4, 0);
        if (g.tabbedQuestionMode != 0)
            tabbed.addChoice(i, caption);
    }

    Label1->setText(getquestion(ctx_, 5, g.chosen[size_t(answerSlot_)], category));

    if (g.tabbedQuestionMode != 0) {
        writelog(ctx_, tabbed.line(Label1->text(), answerSlot_), 4, 0);
        ++g.questionsWritten;
    }
    if (g.onlineQuestionMode != 0) {
        writelog(ctx_, Label1->text(), 4, 0);
        writelog(ctx_, onlineAnswerLine(answerSlot_), 4, 0);
    }
}

// Too few records for the category: tell the player, switch the category
// off and let them change the selection; the question is not asked.
void mchoice::exhausted()
{
    abandoned_ = true;
    ctx_.game.chosen[0] = 0;
    ctx_.messages->ok(QStringLiteral("Current set doesn't provide enough items for ") + categoryName()
                      + QStringLiteral(". Use another question type or change difficulty level to "
                                       "include more."));
    const int c = ctx_.game.category;
    if (c >= 0 && c < int(ctx_.settings.catenabled.size()))
        ctx_.settings.catenabled[size_t(c)] = 0;
    setup screen(ctx_, this);
    screen.exec();
}

void mchoice::ask()
{
    if (!abandoned_)
        exec();
}

void mchoice::choose(int i)
{
    if (abandoned_ || answered_ || i < 0 || i > 4)
        return;
    answered_ = true;
    choice[i]->setChecked(true);

    GameState& g = ctx_.game;
    showscor score(ctx_, this);
    const QString right = choice[answerSlot_]->text();
    if (i == answerSlot_) {
        score.Text1->setPlainText(QStringLiteral(" Correct, +5 pts"));
        updatestats(ctx_, 5, 5, 0);
        recordanswer(ctx_, g.chosen[size_t(i)], 4);
        playsfx(ctx_, 5);
    } else {
        updatestats(ctx_, 0, 5, 0);
        score.Text1->setPlainText(QStringLiteral("Sorry, the answer was ") + right);
        writelog(ctx_, Label1->text() + QLatin1Char(' ') + right, 1, 0);
        recordanswer(ctx_, g.chosen[size_t(i)], -1);
        recordanswer(ctx_, g.chosen[size_t(answerSlot_)], -1);
        playsfx(ctx_, 8);
    }
    score.scoreCaption();
    score.Label1->setText(QStringLiteral("Results for ") + categoryName());
    score.exec();
    accept();
}

void mchoice::help()
{
    ctx_.messages->ok(QStringLiteral("Click on the best description.") + ctx_.lb
                      + QStringLiteral("Click on skip to move to the next question"));
}

void mchoice::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    sizeChanged();
}

void mchoice::sizeChanged()
{
    const int width = outerWidthTwips(this);
    const int height = outerHeightTwips(this);
    // The frame's top starts from the window's own distance from the top of
    // the screen; centring the frame below replaces it.
    Frame1->move(Frame1->x(), twips(this, toTwips(this, y()) + 100));
    const int frameWidth = width - 80;
    Frame1->resize(twips(this, frameWidth), twips(this, height - 50));
    if (frameWidth < kNarrow)
        return;
    const int left = toTwips(this, Frame1->x()) + 100;
    for (ChoiceButton* c : choice)
        c->setGeometry(twips(this, left), c->y(), twips(this, frameWidth - 400), c->height());
    Label1->setGeometry(twips(this, left), Label1->y(), twips(this, frameWidth - 400),
                        Label1->height());
    sizeform(ctx_, this, SlotMultipleChoice, 0);
    centerframe(Frame1, this);
}

} // namespace brev
