#include "screens/portraitmatchwindow.h"

#include "game/questionkinds.h"
#include "screens/matchwidgets.h"
#include "store/sounds.h"
#include "widgets/windowhelpers.h"

#include <QDir>
#include <QFrame>
#include <QPushButton>

#include <algorithm>

namespace brev {

namespace {
constexpr int kClientWidth = 8880;
constexpr int kClientHeight = 6735;
// Windows lower than this keep their layout.
constexpr int kRelayoutHeight = 4000;
constexpr int kBarWidth = 3105; // design width of Btn1(0)
constexpr int kBarGap = 45;
const QColor kBarColours[4] = {{255, 128, 0}, {255, 0, 255}, {0, 255, 255}, {0, 255, 0}};

// clang-format off
constexpr TwipsPlace kLayout[] = {
    {"Frame1", 50, 0, 8775, 6735},
    {"Image1_0", 720, 240, 3615, 2415},
    {"Image1_1", 5040, 240, 3615, 2415},
    {"Image1_2", 720, 3000, 3615, 2415},
    {"Image1_3", 5040, 3000, 3615, 2415},
    {"Btn1_0", 5640, 5520, 3105, 570},
    {"Btn1_1", 4320, 5520, 3100, 570},
    {"Btn1_2", 2280, 5520, 3100, 570},
    {"Btn1_3", 120, 5520, 3100, 570},
    {"cmdhelp", 2520, 6120, 1095, 375},
    {"Command1", 4080, 6120, 1500, 375},
    {"Command2", 6120, 6120, 1455, 375},
};
// clang-format on
} // namespace

PortraitMatchWindow::PortraitMatchWindow(PortraitMatchModel& model, const WindowParts& parts,
                                         const QString& dir, QWidget* parent)
    : MatchingWindow(model, parts, kindFacts(Screen::Portraits).slot, kClientWidth, kClientHeight, true,
                     parent),
      model_(model)
{
    setObjectName(QStringLiteral("imatch"));

    for (int p = 0; p < 4; ++p) {
        portraits[p] = new PortraitBox(frame);
        portraits[p]->setObjectName(QStringLiteral("Image1_%1").arg(p));
        portraits[p]->setAccessibleName(tr("Portrait %1 of 4").arg(p + 1));
        addTarget(portraits[p]);
    }
    makeBars(kBarColours, tr("Click and drag this item to its description, below"));
    makeButtons(kindHelp(model_.screen()));

    placeControls(this, kLayout);
    takeHomes();
    restoreSize();
    for (int p = 0; p < 4; ++p)
        portraits[p]->setPicture(QDir(dir).filePath(model_.pictureFile(p)));
    showNames();
    // The keyboard starts on the first bar: a bar is picked up before a portrait is chosen.
    bars[0]->setFocus();
}

void PortraitMatchWindow::barPressed(int bar)
{
    model_.pickUp(bar);
    playSound(SfxBarPickedUp);
}

void PortraitMatchWindow::barClicked(int bar)
{
    // The press before the click has picked the bar up and sounded.
    model_.pickUp(bar);
}

void PortraitMatchWindow::barPickedUp(int bar)
{
    barPressed(bar);
}

int PortraitMatchWindow::dropSound() const
{
    return SfxBarClicked;
}

QRect PortraitMatchWindow::restingPlace(int bar, int target) const
{
    // On the portrait's lower edge, centred.
    const QRect image = portraits[target]->geometry();
    const QSize size = bars[bar]->size();
    return QRect(image.x() + image.width() / 2 - size.width() / 2,
                 image.y() + image.height() - size.height() - twips(this, 10), size.width(), size.height());
}

QString PortraitMatchWindow::targetName(int target) const
{
    return portraits[target]->accessibleName();
}

void PortraitMatchWindow::layoutControls()
{
    const int height = layoutHeightTwips();
    if (height < kRelayoutHeight)
        return;
    frame->resize(twips(this, outerWidthTwips(this) - 100), twips(this, height - 100));
    keepFrameInside(frame, this);
    const int frameWidth = toTwips(this, frame->width());
    const int frameHeight = toTwips(this, frame->height());
    const int imageHeight = (frameHeight - 2100) / 2;
    const int span = frameWidth - kBarWidth / 2;
    const int buttonTop = twips(this, frameHeight - 850);
    helpButton->move(twips(this, 500), buttonTop);
    doneButton->move(twips(this, span / 3 + 500), buttonTop);
    skipButton->move(twips(this, 2 * span / 3 + 500), buttonTop);
    const int frameLeft = toTwips(this, frame->x());
    // The home row's steps are a quarter of the span apart: a bar wider than
    // its step is narrowed so that no name hides under its neighbour.
    const int barWidth = std::min(kBarWidth, span / 4 - kBarGap);
    for (int k = 0; k < 4; ++k) {
        bars[k]->resize(twips(this, barWidth), bars[k]->height());
        setHome(k, QRect(twips(this, frameLeft + 300 + k * span / 4), twips(this, frameHeight - 1400),
                         bars[k]->width(), bars[k]->height()));
        portraits[k]->resize(twips(this, imageHeight * 2 / 3), twips(this, imageHeight));
    }
    portraits[2]->move(portraits[2]->x(), portraits[0]->y() + portraits[0]->height() + twips(this, 200));
    portraits[3]->move(twips(this, frameWidth / 2), portraits[2]->y());
    portraits[1]->move(twips(this, frameWidth / 2), portraits[1]->y());
    // Bars on a portrait follow it; the others rest on the new home row.
    for (int k = 0; k < 4; ++k)
        placeBar(k);
    centreDesignFrame(frame);
    rememberSize();
}

} // namespace brev
