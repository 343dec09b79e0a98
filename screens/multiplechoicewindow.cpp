#include "screens/multiplechoicewindow.h"

#include "game/questionkinds.h"
#include "models/verdict.h"
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
    {"Frame1", 120, 120, 8295, 6975},  {"Label1", 240, 120, 1065, 345},    {"choice0", 240, 720, 7935, 975},
    {"choice1", 240, 1800, 7935, 975}, {"choice2", 240, 2880, 7935, 975},  {"choice3", 240, 3960, 7935, 975},
    {"choice4", 240, 5160, 7935, 975}, {"cmdhelp", 2880, 6240, 1095, 375}, {"Command1", 4800, 6240, 975, 375},
};
} // namespace

// ---- ChoiceWindow

ChoiceWindow::ChoiceWindow(MultipleChoiceModel& model, const WindowParts& parts, int slot, int clientWidth,
                           int clientHeight, double labelPoints, QWidget* parent)
    : QuestionWindow(parts, slot, tr("Multiple Choice"), clientWidth, clientHeight, kWindowColour, parent),
      model_(model)
{
    frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setFont(designFont(true, 13.5));

    questionLabel = new QLabel(QStringLiteral("Label1"), frame);
    questionLabel->setObjectName(QStringLiteral("Label1"));
    QFont labelFont = designFont(DesignFace::Arial, labelPoints);
    labelFont.setBold(true);
    questionLabel->setFont(labelFont);
    fillBackground(questionLabel, kItemColour);

    const char* designCaptions[5] = {"Option1", "Option2", "Option3", "Option3", "Option3"};
    for (int i = 0; i < 5; ++i) {
        choices[i] = new ChoiceButton(kItemColour, frame);
        choices[i]->setObjectName(QStringLiteral("choice%1").arg(i));
        choices[i]->setText(QString::fromLatin1(designCaptions[i]));
        choices[i]->setFont(designFont(true, 12));
        choices[i]->setCarrySelection(true);
        connect(choices[i], &ChoiceButton::picked, this, [this, i] { choose(i); });
    }

    helpButton = makeButton(frame, "cmdhelp", tr("help"));
    wireHelp(helpButton, kindHelp(model_.screen()));
    skipButton = makeButton(frame, "Command1", tr("skip"));
    wireSkip(skipButton);
}

// The buttons hold their captions, however long the language makes them,
// and keep the design's gap between them.
void ChoiceWindow::widenButtons()
{
    widenButtonRow({helpButton, skipButton});
}

void ChoiceWindow::showQuestion()
{
    for (int i = 0; i < 5; ++i) {
        choices[i]->setAutoExclusive(false);
        choices[i]->setChecked(false);
        choices[i]->setAutoExclusive(true);
        choices[i]->setChoice(i, 5, model_.choiceText(i));
    }
    questionLabel->setText(model_.shownQuestion());
    fitCaption(questionLabel); // a long question in a long language is drawn smaller
    // The keyboard starts on the first choice, its focus mark showing.
    choices[0]->setFocus(Qt::TabFocusReason);
}

void ChoiceWindow::choose(int i)
{
    if (i < 0 || i > 4 || !takeAnswer())
        return;
    choices[i]->setChecked(true);
    finish(model_.choose(i));
}

// ---- mchoice

MultipleChoiceWindow::MultipleChoiceWindow(MultipleChoiceModel& model, const WindowParts& parts,
                                           QWidget* parent)
    : ChoiceWindow(model, parts, kindFacts(Screen::MultipleChoice).slot, kClientWidth, kClientHeight, 11,
                   parent)
{
    setObjectName(QStringLiteral("mchoice"));
    placeControls(this, kLayout);
    widenButtons();
    keepButtonsReachable();
    restoreSize();
    showQuestion();
}

void MultipleChoiceWindow::layoutControls()
{
    const int width = outerWidthTwips(this);
    const int height = layoutHeightTwips();
    // The frame's top starts from the window's own distance from the top of
    // the screen; centring the frame below replaces it.
    frame->move(frame->x(), twips(this, toTwips(this, y()) + 100));
    const int frameWidth = width - 80;
    frame->resize(twips(this, frameWidth), twips(this, height - 50));
    keepFrameInside(frame, this);
    if (isNarrow(frameWidth))
        return;
    const int left = toTwips(this, frame->x()) + 100;
    for (ChoiceButton* c : choices)
        c->setGeometry(twips(this, left), c->y(), twips(this, frameWidth - 400), c->height());
    questionLabel->setGeometry(twips(this, left), questionLabel->y(), twips(this, frameWidth - 400),
                               questionLabel->height());
    rememberSize();
    centreDesignFrame(frame);
}

} // namespace brev
