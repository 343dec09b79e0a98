#include "screens/multiplechoicewindow.h"

#include "models/verdict.h"
#include "store/context.h"
#include "widgets/windowhelpers.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace brev {

namespace {
const QColor kWindowColour(192, 255, 192);
const QColor kItemColour(128, 255, 128);

constexpr int kClientWidth = 8625;
constexpr int kClientHeight = 6975;
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

// ---- ChoiceWindow

ChoiceWindow::ChoiceWindow(AppContext& ctx, int clientWidth, int clientHeight, double labelPoints,
                           std::unique_ptr<MultipleChoiceModel> model, QWidget* parent)
    : QuestionWindow(ctx, SlotMultipleChoice, QStringLiteral("Multiple Choice"), clientWidth,
                     clientHeight, kWindowColour, parent),
      model_(std::move(model))
{
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    Frame1->setFont(designFont(true, 13.5));

    Label1 = new QLabel(QStringLiteral("Label1"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont labelFont = designFont(DesignFace::Arial, labelPoints);
    labelFont.setBold(true);
    Label1->setFont(labelFont);
    fillBackground(Label1, kItemColour);

    const char* designCaptions[5] = {"Option1", "Option2", "Option3", "Option3", "Option3"};
    for (int i = 0; i < 5; ++i) {
        choice[i] = new ChoiceButton(kItemColour, Frame1);
        choice[i]->setObjectName(QStringLiteral("choice%1").arg(i));
        choice[i]->setText(QString::fromLatin1(designCaptions[i]));
        choice[i]->setFont(designFont(true, 12));
        choice[i]->setCarrySelection(true);
        connect(choice[i], &ChoiceButton::picked, this, [this, i] { choose(i); });
    }

    cmdhelp = makeButton(Frame1, "cmdhelp", QStringLiteral("help"));
    wireHelp(cmdhelp, MultipleChoiceModel::helpText(ctx_.lb));
    Command1 = makeButton(Frame1, "Command1", QStringLiteral("skip"));
    wireSkip(Command1);
}

bool ChoiceWindow::load()
{
    if (!model_->load()) {
        abandon();
        return false;
    }
    for (int i = 0; i < 5; ++i) {
        choice[i]->setAutoExclusive(false);
        choice[i]->setChecked(false);
        choice[i]->setAutoExclusive(true);
        choice[i]->setChoice(i, 5, model_->choiceText(i));
    }
    Label1->setText(model_->question());
    model_->writeLoadLines();
    // The keyboard starts on the first choice, its focus mark showing.
    choice[0]->setFocus(Qt::TabFocusReason);
    return true;
}

void ChoiceWindow::choose(int i)
{
    if (i < 0 || i > 4 || !takeAnswer())
        return;
    choice[i]->setChecked(true);
    showResults(model_->choose(i));
}

// ---- mchoice

MultipleChoiceWindow::MultipleChoiceWindow(AppContext& ctx, QWidget* parent)
    : ChoiceWindow(ctx, kClientWidth, kClientHeight, 11, std::make_unique<MultipleChoiceModel>(ctx),
                   parent)
{
    setObjectName(QStringLiteral("mchoice"));
    placeControls(this, kLayout);
    keepButtonsReachable();
    restoreSize();
    load();
}

void MultipleChoiceWindow::layoutControls()
{
    const int width = outerWidthTwips(this);
    const int height = outerHeightTwips(this);
    // The frame's top starts from the window's own distance from the top of
    // the screen; centring the frame below replaces it.
    Frame1->move(Frame1->x(), twips(this, toTwips(this, y()) + 100));
    const int frameWidth = width - 80;
    Frame1->resize(twips(this, frameWidth), twips(this, height - 50));
    keepFrameInside(Frame1, this);
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
