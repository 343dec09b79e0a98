#include "screens/oddoneoutwindow.h"

#include "models/verdict.h"
#include "store/context.h"
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
    {"Frame1", -120, -120, 9135, 5775},
    {"Label1", 360, 240, 6375, 855},
    {"Option1_0", 1800, 1200, 3615, 615},
    {"Option1_1", 1800, 2040, 3615, 615},
    {"Option1_2", 1800, 2880, 3255, 615},
    {"Option1_3", 1800, 3840, 3615, 615},
    {"cmdhelp", 1800, 4680, 1095, 375},
    {"cmdSkip", 3960, 4680, 1455, 375},
    {"Label4", 5280, 4440, 3375, 255},
};

QString captionOf(const AppContext& ctx)
{
    const int c = ctx.game.category;
    return c >= 0 && c < int(ctx.catnames.size()) ? ctx.catnames[size_t(c)] : QString();
}
} // namespace

OddOneOutWindow::OddOneOutWindow(AppContext& ctx, QWidget* parent)
    : QuestionWindow(ctx, SlotOddOut, captionOf(ctx), kClientWidth, kClientHeight, Qt::white, parent),
      model_(ctx)
{
    setObjectName(QStringLiteral("qoddout"));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    fillBackground(Frame1, kFrameColour);

    Label1 = new QLabel(Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(designFont(false, 18));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fillBackground(Label1, kFrameColour);

    for (int p = 0; p < 4; ++p) {
        Option1[p] = new ChoiceButton(kItemColour, Frame1);
        Option1[p]->setObjectName(QStringLiteral("Option1_%1").arg(p));
        Option1[p]->setFont(designFont(false, 13.5));
        connect(Option1[p], &ChoiceButton::clicked, this, [this, p] { choose(p); });
    }

    cmdhelp = makeButton(Frame1, "cmdhelp", QStringLiteral("Help"));
    wireHelp(cmdhelp, OddOneOutModel::helpText());
    cmdSkip = makeButton(Frame1, "cmdSkip", QStringLiteral("Skip"),
                         QStringLiteral("Click here when you are ready to proceed"));
    wireSkip(cmdSkip);

    Label4 = new QLabel(QStringLiteral("Label4"), Frame1);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->hide();   // the screen never uses it; its design text is not for players

    placeControls(this, kLayout);
    restoreSize();
    load();
}

void OddOneOutWindow::load()
{
    if (!model_.load()) {
        abandon();
        return;
    }
    for (int p = 0; p < 4; ++p)
        Option1[p]->setChoice(p, 4, model_.itemText(p));
    Label1->setText(model_.question());
    model_.writeLoadLines();
}

void OddOneOutWindow::choose(int position)
{
    if (position < 0 || position > 3 || !takeAnswer())
        return;
    Option1[position]->setChecked(true);
    showResults(model_.choose(position));
}

void OddOneOutWindow::layoutControls()
{
    const int height = outerHeightTwips(this);
    if (height < kMinLayoutHeight)
        return;
    if (!isMaximized())
        rememberSize();
    const int frameWidth = outerWidthTwips(this) - 100;
    Frame1->resize(twips(this, frameWidth), twips(this, height - 100));
    keepFrameInside(Frame1, this);
    const int left = toTwips(this, Frame1->x()) + 400;
    for (ChoiceButton* option : Option1)
        option->setGeometry(twips(this, left), option->y(), twips(this, frameWidth - 1000), option->height());
    Label1->setGeometry(Option1[0]->x(), Label1->y(), Option1[0]->width(), Label1->height());
    centerframe(Frame1, this);
}

} // namespace brev
