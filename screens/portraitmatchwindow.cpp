#include "screens/portraitmatchwindow.h"

#include "screens/matchwidgets.h"
#include "store/cmnfunc.h"
#include "store/context.h"
#include "widgets/windowhelpers.h"

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
const QColor kBackground(128, 128, 255);
const QColor kBarColours[4] = {{255, 128, 0}, {255, 0, 255}, {0, 255, 255}, {0, 255, 0}};
const QString kReadyTip = QStringLiteral("Click here when you are ready to proceed");

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

PortraitMatchWindow::PortraitMatchWindow(AppContext& ctx, QWidget* parent)
    : QuestionWindow(ctx, SlotPortraits, QStringLiteral("Match 'em"), kClientWidth, kClientHeight,
                     kBackground, parent),
      model_(ctx)
{
    setObjectName(QStringLiteral("imatch"));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    Frame1->setAutoFillBackground(true);
    fillBackground(Frame1, kBackground);

    drag_ = new BarDrag(Frame1, false);
    for (int p = 0; p < 4; ++p) {
        Image1[p] = new PortraitBox(Frame1);
        Image1[p]->setObjectName(QStringLiteral("Image1_%1").arg(p));
        Image1[p]->setAccessibleName(QStringLiteral("Portrait %1 of 4").arg(p + 1));
        drag_->addTarget(Image1[p]);
    }
    for (int k = 0; k < 4; ++k) {
        Btn1[k] = new NameBar(kBarColours[k], Frame1);
        Btn1[k]->setObjectName(QStringLiteral("Btn1_%1").arg(k));
        QFont font = designFont(false, 13.5);
        font.setBold(true);
        Btn1[k]->setFont(font);
        Btn1[k]->setToolTip(QStringLiteral("Click and drag this item to its description, below"));
        drag_->addBar(Btn1[k]);
    }

    cmdhelp = makeButton(Frame1, "cmdhelp", QStringLiteral("Help"));
    wireHelp(cmdhelp, PortraitMatchModel::helpText(ctx_.lb));
    Command1 = makeButton(Frame1, "Command1", QStringLiteral("Done"), kReadyTip);
    connect(Command1, &QPushButton::clicked, this, &PortraitMatchWindow::done);
    Command2 = makeButton(Frame1, "Command2", QStringLiteral("Skip"), kReadyTip);
    wireSkip(Command2);

    auto pressed = [this](int k) {
        model_.pressBar(k);
        playsfx(ctx_, SfxBarPickedUp);
    };
    connect(drag_, &BarDrag::barPressed, this, pressed);
    connect(drag_, &BarDrag::barPickedUp, this, pressed);
    connect(drag_, &BarDrag::dropped, this, &PortraitMatchWindow::dropOn);

    placeControls(this, kLayout);
    for (int k = 0; k < 4; ++k)
        home_[k] = Btn1[k]->pos();
    restoreSize();
    load();
}

void PortraitMatchWindow::load()
{
    if (!model_.load()) {
        abandon();
        return;
    }
    for (int k = 0; k < 4; ++k)
        Btn1[k]->setName(model_.name(k), model_.barFontSize());
    for (int p = 0; p < 4; ++p)
        Image1[p]->setPicture(ctx_.path(model_.pictureFile(p)));
    loaded_ = true;
    showPlacements();
    model_.writeLoadLines();
    // The keyboard starts on the first bar: a bar is picked up before a portrait is chosen.
    Btn1[0]->setFocus();
}

void PortraitMatchWindow::placeBar(int k)
{
    NameBar* bar = Btn1[k];
    const int p = loaded_ ? model_.portraitOf(k) : -1;
    if (p < 0) {
        bar->move(home_[k]);
        return;
    }
    const QRect image = Image1[p]->geometry();
    bar->move(image.x() + image.width() / 2 - bar->width() / 2,
              image.y() + image.height() - bar->height() - twips(this, 10));
    bar->raise();
}

void PortraitMatchWindow::dropOn(int p)
{
    if (answered())
        return;
    const std::optional<int> sentHome = model_.dropOn(p);
    if (!sentHome)
        return;
    placeBar(model_.selectedBar());
    // A portrait shows only the bar it holds: the one it held before goes home.
    if (*sentHome >= 0)
        placeBar(*sentHome);
    showPlacements();
    announce(Btn1[model_.selectedBar()]);
    playsfx(ctx_, SfxBarClicked);
}

void PortraitMatchWindow::showPlacements()
{
    for (int k = 0; k < 4; ++k) {
        const int p = loaded_ ? model_.portraitOf(k) : -1;
        Btn1[k]->setPlacedOn(p < 0 ? QString() : Image1[p]->accessibleName());
    }
    for (int p = 0; p < 4; ++p) {
        const int k = loaded_ ? model_.placedBar(p) : -1;
        showHeldName(Image1[p], k < 0 ? QString() : model_.name(k));
    }
}

void PortraitMatchWindow::done()
{
    if (takeAnswer())
        showResults(model_.judge());
}

void PortraitMatchWindow::layoutControls()
{
    const int height = outerHeightTwips(this);
    if (height < kRelayoutHeight)
        return;
    Frame1->resize(twips(this, outerWidthTwips(this) - 100), twips(this, height - 100));
    keepFrameInside(Frame1, this);
    const int frameWidth = toTwips(this, Frame1->width());
    const int frameHeight = toTwips(this, Frame1->height());
    const int imageHeight = (frameHeight - 2100) / 2;
    const int span = frameWidth - kBarWidth / 2;
    const int buttonTop = twips(this, frameHeight - 850);
    cmdhelp->move(twips(this, 500), buttonTop);
    Command1->move(twips(this, span / 3 + 500), buttonTop);
    Command2->move(twips(this, 2 * span / 3 + 500), buttonTop);
    const int frameLeft = toTwips(this, Frame1->x());
    // The home row's steps are a quarter of the span apart: a bar wider than
    // its step is narrowed so that no name hides under its neighbour.
    const int barWidth = std::min(kBarWidth, span / 4 - kBarGap);
    for (int k = 0; k < 4; ++k) {
        Btn1[k]->resize(twips(this, barWidth), Btn1[k]->height());
        home_[k] = QPoint(twips(this, frameLeft + 300 + k * span / 4), twips(this, frameHeight - 1400));
        Image1[k]->resize(twips(this, imageHeight * 2 / 3), twips(this, imageHeight));
    }
    Image1[2]->move(Image1[2]->x(), Image1[0]->y() + Image1[0]->height() + twips(this, 200));
    Image1[3]->move(twips(this, frameWidth / 2), Image1[2]->y());
    Image1[1]->move(twips(this, frameWidth / 2), Image1[1]->y());
    // Bars on a portrait follow it; the others rest on the new home row.
    for (int k = 0; k < 4; ++k)
        placeBar(k);
    centerframe(Frame1, this);
    rememberSize();
}

} // namespace brev
