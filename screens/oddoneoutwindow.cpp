#include "screens/oddoneoutwindow.h"

#include "game/questionkinds.h"
#include "models/verdict.h"
#include "widgets/windowhelpers.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace brev {

namespace {
constexpr int kClientWidth = 7155;
constexpr int kClientHeight = 5220;
constexpr int kMinLayoutHeight = 3000;
const QColor kFrameColour(255, 192, 128);
const QColor kItemColour(192, 192, 255);

constexpr TwipsPlace kLayout[] = {
    {"Frame1", -120, -120, 9135, 5775},   {"Label1", 360, 240, 6375, 855},
    {"Option1_0", 1800, 1200, 3615, 615}, {"Option1_1", 1800, 2040, 3615, 615},
    {"Option1_2", 1800, 2880, 3255, 615}, {"Option1_3", 1800, 3840, 3615, 615},
    {"cmdhelp", 1800, 4680, 1095, 375},   {"cmdSkip", 3960, 4680, 1455, 375},
    {"Label4", 5280, 4440, 3375, 255},
};
} // namespace

OddOneOutWindow::OddOneOutWindow(OddOneOutModel& model, const WindowParts& parts, QWidget* parent)
    : QuestionWindow(parts, kindFacts(Screen::OddOneOut).slot, model.categoryName(Wording::Shown),
                     kClientWidth, kClientHeight, Qt::white, parent),
      model_(model)
{
    setObjectName(QStringLiteral("qoddout"));

    frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    fillBackground(frame, kFrameColour);

    patternLabel = new QLabel(frame);
    patternLabel->setObjectName(QStringLiteral("Label1"));
    patternLabel->setFont(designFont(false, 18));
    patternLabel->setWordWrap(true);
    patternLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fillBackground(patternLabel, kFrameColour);

    for (int p = 0; p < 4; ++p) {
        items[p] = new ChoiceButton(kItemColour, frame);
        items[p]->setObjectName(QStringLiteral("Option1_%1").arg(p));
        items[p]->setFont(designFont(false, 13.5));
        connect(items[p], &ChoiceButton::clicked, this, [this, p] { choose(p); });
    }

    helpButton = makeButton(frame, "cmdhelp", tr("Help"));
    wireHelp(helpButton, kindHelp(model_.screen()));
    skipButton = makeButton(frame, "cmdSkip", tr("Skip"), tr("Click here when you are ready to proceed"));
    wireSkip(skipButton);

    unusedLabel = new QLabel(QStringLiteral("Label4"), frame);
    unusedLabel->setObjectName(QStringLiteral("Label4"));
    unusedLabel->hide(); // the screen never uses it; its design text is not for players

    placeControls(this, kLayout);
    restoreSize();
    for (int p = 0; p < 4; ++p)
        items[p]->setChoice(p, 4, model_.itemText(p));
    patternLabel->setText(model_.shownQuestion());
}

void OddOneOutWindow::choose(int position)
{
    if (position < 0 || position > 3 || !takeAnswer())
        return;
    items[position]->setChecked(true);
    finish(model_.choose(position));
}

void OddOneOutWindow::layoutControls()
{
    const int height = layoutHeightTwips();
    if (height < kMinLayoutHeight)
        return;
    if (!isMaximized())
        rememberSize();
    const int frameWidth = outerWidthTwips(this) - 100;
    frame->resize(twips(this, frameWidth), twips(this, height - 100));
    keepFrameInside(frame, this);
    const int left = toTwips(this, frame->x()) + 400;
    for (ChoiceButton* option : items)
        option->setGeometry(twips(this, left), option->y(), twips(this, frameWidth - 1000), option->height());
    patternLabel->setGeometry(items[0]->x(), patternLabel->y(), items[0]->width(), patternLabel->height());
    centreDesignFrame(frame);
}

} // namespace brev
