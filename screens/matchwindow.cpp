#include "screens/matchwindow.h"

#include "screens/matchwidgets.h"
#include "store/cmnfunc.h"
#include "store/context.h"
#include "widgets/windowhelpers.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace brev {

namespace {
constexpr int kClientWidth = 8925;
constexpr int kClientHeight = 6645;
const QColor kBackground(128, 128, 255);
const QColor kDescriptionColour(255, 128, 255);
const QColor kBarColours[5] = {{255, 128, 0}, {255, 0, 255}, {0, 255, 255}, {0, 255, 0}, {255, 255, 0}};
constexpr int kHeadingGap = 60;
// The slot at a description's right end where a placed bar rests.
constexpr int kSlotWidth = 3300;
const QString kReadyTip = QStringLiteral("Click here when you are ready to proceed");

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

MatchWindow::MatchWindow(AppContext& ctx, QWidget* parent)
    : QuestionWindow(ctx, SlotMatch, QStringLiteral("Match 'em"), kClientWidth, kClientHeight, kBackground,
                     parent),
      model_(ctx)
{
    setObjectName(QStringLiteral("qmatch"));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    Frame1->setAutoFillBackground(true);
    fillBackground(Frame1, kBackground);

    Label1 = new QLabel(Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(designFont(false, 13.5));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    drag_ = new BarDrag(Frame1, true);
    for (int k = 0; k < 5; ++k) {
        Btn1[k] = new NameBar(kBarColours[k], Frame1);
        Btn1[k]->setObjectName(QStringLiteral("Btn1_%1").arg(k));
        QFont font = designFont(false, 13.5);
        font.setBold(true);
        Btn1[k]->setFont(font);
        drag_->addBar(Btn1[k]);
    }
    Btn1[0]->setToolTip(QStringLiteral("Click and drag this item to its description, below"));
    for (int p = 0; p < 5; ++p) {
        Label2[p] = new DescriptionLabel(Frame1);
        Label2[p]->setObjectName(QStringLiteral("Label2_%1").arg(p));
        QFont font = designFont(false, 12);
        font.setBold(true);
        Label2[p]->setFont(font);
        fillBackground(Label2[p], kDescriptionColour);
        drag_->addTarget(Label2[p]);
    }
    Label2[0]->setToolTip(QStringLiteral("Drag one of the colored bars to this description"));
    // The keyboard reads the staircase from its top bar down, then the descriptions.
    for (int k = 4; k > 0; --k)
        setTabOrder(Btn1[k], Btn1[k - 1]);

    cmdhelp = makeButton(Frame1, "cmdhelp", QStringLiteral("Help"));
    wireHelp(cmdhelp, MatchModel::helpText(ctx_.lb));
    Command1 = makeButton(Frame1, "Command1", QStringLiteral("Done"), kReadyTip);
    connect(Command1, &QPushButton::clicked, this, &MatchWindow::done);
    Command2 = makeButton(Frame1, "Command2", QStringLiteral("Skip"), kReadyTip);
    wireSkip(Command2);
    Label4 = new QLabel(Frame1);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->hide();

    connect(drag_, &BarDrag::barPressed, this, [this](int k) { Label4->setText(model_.pressBar(k)); });
    auto clicked = [this](int k) {
        Label4->setText(model_.clickBar(k));
        playsfx(ctx_, SfxBarClicked);
    };
    connect(drag_, &BarDrag::barClicked, this, clicked);
    connect(drag_, &BarDrag::barPickedUp, this, clicked);
    connect(drag_, &BarDrag::dropped, this, &MatchWindow::dropOn);

    placeControls(this, kLayout);
    for (int k = 0; k < 5; ++k)
        home_[k] = Btn1[k]->geometry();
    for (DescriptionLabel* label : Label2)
        label->setSlotWidth(twips(this, kSlotWidth));
    // The heading stands beside the staircase of bars, not under its top bar.
    Label1->resize(std::min(Label1->width(), Btn1[4]->x() - twips(this, kHeadingGap) - Label1->x()),
                   Label1->height());
    restoreSize();
    load();
}

void MatchWindow::load()
{
    if (!model_.load()) {
        abandon();
        return;
    }
    Label1->setText(model_.question());
    for (int k = 0; k < 5; ++k) {
        Btn1[k]->setName(model_.name(k), model_.barFontSize());
        Label2[k]->setDescription(model_.description(k));
    }
    showPlacements();
    model_.writeLoadLines();
    Btn1[4]->setFocus();
}

void MatchWindow::dropOn(int p)
{
    if (answered())
        return;
    const std::optional<int> sentHome = model_.dropOn(p);
    if (!sentHome)
        return;
    placeBar(model_.selectedBar());
    if (*sentHome >= 0)
        placeBar(*sentHome);
    showPlacements();
    announce(Btn1[model_.selectedBar()]);
    playsfx(ctx_, SfxBarDropped);
}

void MatchWindow::placeBar(int k)
{
    NameBar* bar = Btn1[k];
    const int p = model_.descriptionOf(k);
    if (home_[k].isNull())
        return;   // not laid out yet
    if (p < 0) {
        bar->setGeometry(home_[k]);
        return;
    }
    bar->setGeometry(Label2[p]->slotRect(QSize(twips(this, kSlotWidth), home_[k].height())));
    bar->raise();
}

void MatchWindow::showPlacements()
{
    for (int k = 0; k < 5; ++k) {
        QStringList on;
        for (int p = 0; p < 5; ++p) {
            if (model_.placedBar(p) == k)
                on << model_.description(p);
        }
        Btn1[k]->setPlacedOn(on.join(QStringLiteral("; ")));
    }
    for (int p = 0; p < 5; ++p) {
        const int k = model_.placedBar(p);
        showHeldName(Label2[p], k < 0 ? QString() : model_.name(k));
        Label2[p]->setHolding(k >= 0);
    }
}

void MatchWindow::done()
{
    if (takeAnswer())
        showResults(model_.judge());
}

void MatchWindow::layoutControls()
{
    const int width = outerWidthTwips(this);
    const int height = outerHeightTwips(this);
    Frame1->resize(twips(this, width - 100), twips(this, height - 100));
    keepFrameInside(Frame1, this);
    const int frameWidth = toTwips(this, Frame1->width());
    if (isNarrow(width))
        return;
    const int left = toTwips(this, Frame1->x()) + 100;
    for (DescriptionLabel* label : Label2)
        label->setGeometry(twips(this, left), label->y(), twips(this, frameWidth - 400), label->height());
    // Bars on a description stay in its slot as it widens.
    for (int k = 0; k < 5; ++k)
        placeBar(k);
    centerframe(Frame1, this);
    rememberSize();
}

} // namespace brev
