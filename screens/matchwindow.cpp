#include "screens/matchwindow.h"

#include "game/questionkinds.h"
#include "screens/matchwidgets.h"
#include "store/sounds.h"
#include "widgets/windowhelpers.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace brev {

namespace {
constexpr int kClientWidth = 8925;
constexpr int kClientHeight = 6645;
const QColor kDescriptionColour(255, 128, 255);
const QColor kBarColours[5] = {{255, 128, 0}, {255, 0, 255}, {0, 255, 255}, {0, 255, 0}, {255, 255, 0}};
constexpr int kHeadingGap = 60;
// The slot at a description's right end where a placed bar rests.
constexpr int kSlotWidth = 3300;
constexpr int kBarHeight = 435;

// clang-format off
constexpr TwipsPlace kLayout[] = {
    {"Frame1", 75, 75, 8775, 6495},
    {"Label1", 0, 120, 2895, 1455},
    {"Btn1_4", 2760, 0, 4500, 435},
    {"Btn1_3", 3240, 360, 4500, 435},
    {"Btn1_2", 3600, 720, 4500, 435},
    {"Btn1_1", 3840, 1080, 4500, 435},
    {"Btn1_0", 4200, 1440, 4500, 435},
    {"Label2_0", 120, 2040, 8655, 615},
    {"Label2_1", 120, 2790, 8655, 615},
    {"Label2_2", 120, 3645, 8655, 615},
    {"Label2_3", 120, 4560, 8655, 615},
    {"Label2_4", 120, 5400, 8655, 615},
    {"cmdhelp", 1200, 6120, 1095, 375},
    {"Command1", 2880, 6120, 1455, 375},
    {"Command2", 4680, 6120, 1455, 375},
    {"Label4", 7200, 6240, 1200, 255},
};
// clang-format on
} // namespace

MatchWindow::MatchWindow(MatchModel& model, const WindowParts& parts, QWidget* parent)
    : MatchingWindow(model, parts, kindFacts(Screen::Matching).slot, kClientWidth, kClientHeight, true,
                     parent),
      model_(model)
{
    setObjectName(QStringLiteral("qmatch"));

    questionLabel = new QLabel(frame);
    questionLabel->setObjectName(QStringLiteral("Label1"));
    questionLabel->setFont(designFont(false, 13.5));
    questionLabel->setWordWrap(true);
    questionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    makeBars(kBarColours, QString());
    bars[0]->setToolTip(tr("Click and drag this item to its description, below"));
    for (int p = 0; p < 5; ++p) {
        descriptions[p] = new DescriptionLabel(frame);
        descriptions[p]->setObjectName(QStringLiteral("Label2_%1").arg(p));
        QFont font = designFont(false, 12);
        font.setBold(true);
        descriptions[p]->setFont(font);
        fillBackground(descriptions[p], kDescriptionColour);
        addTarget(descriptions[p]);
    }
    descriptions[0]->setToolTip(tr("Drag one of the colored bars to this description"));
    // The keyboard reads the staircase from its top bar down, then the descriptions.
    for (int k = 4; k > 0; --k)
        setTabOrder(bars[k], bars[k - 1]);

    makeButtons(kindHelp(model_.screen()));
    eventLabel = new QLabel(frame);
    eventLabel->setObjectName(QStringLiteral("Label4"));
    eventLabel->hide();

    placeControls(this, kLayout);
    takeHomes();
    for (DescriptionLabel* label : descriptions)
        label->setSlotWidth(twips(this, kSlotWidth));
    // The heading stands beside the staircase of bars, not under its top bar.
    questionLabel->resize(
        std::min(questionLabel->width(), bars[4]->x() - twips(this, kHeadingGap) - questionLabel->x()),
        questionLabel->height());
    restoreSize();
    questionLabel->setText(model_.shownQuestion());
    fitCaption(questionLabel); // a word longer than the heading's width is drawn smaller
    for (int p = 0; p < 5; ++p)
        descriptions[p]->setDescription(model_.shownDescription(p));
    showNames();
    bars[4]->setFocus();
}

void MatchWindow::barPressed(int bar)
{
    eventLabel->setText(model_.pressBar(bar));
}

void MatchWindow::barClicked(int bar)
{
    eventLabel->setText(model_.clickBar(bar));
    playSound(SfxBarClicked);
}

int MatchWindow::dropSound() const
{
    return SfxBarDropped;
}

QRect MatchWindow::restingPlace(int bar, int target) const
{
    Q_UNUSED(bar);
    return descriptions[target]->slotRect(QSize(twips(this, kSlotWidth), twips(this, kBarHeight)));
}

QString MatchWindow::targetName(int target) const
{
    return model_.shownDescription(target);
}

void MatchWindow::showHolding(int target, bool holding)
{
    descriptions[target]->setHolding(holding);
}

void MatchWindow::layoutControls()
{
    const int width = outerWidthTwips(this);
    const int height = layoutHeightTwips();
    frame->resize(twips(this, width - 100), twips(this, height - 100));
    keepFrameInside(frame, this);
    const int frameWidth = toTwips(this, frame->width());
    if (isNarrow(width))
        return;
    const int left = toTwips(this, frame->x()) + 100;
    for (DescriptionLabel* label : descriptions)
        label->setGeometry(twips(this, left), label->y(), twips(this, frameWidth - 400), label->height());
    // Bars on a description stay in its slot as it widens.
    for (int k = 0; k < bars.size(); ++k)
        placeBar(k);
    centreDesignFrame(frame);
    rememberSize();
}

} // namespace brev
