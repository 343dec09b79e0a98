#include "screens/quotationwindow.h"

#include "widgets/windowhelpers.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>

namespace brev {

namespace {
constexpr int kClientWidth = 8625;
constexpr int kClientHeight = 6345;
constexpr double kLabelPoints = 15.75;

constexpr TwipsPlace kLayout[] = {
    {"Frame1", 0, -120, 8295, 6975},
    {"Text1", 120, 360, 8055, 2055},
    {"Label1", 240, 2760, 3345, 2040},
    {"choice0", 4560, 2640, 3495, 615},
    {"choice1", 4560, 3360, 3495, 615},
    {"choice2", 4560, 4080, 3495, 615},
    {"choice3", 4560, 4800, 3495, 615},
    {"choice4", 4560, 5520, 3495, 615},
    {"cmdhelp", 360, 5760, 1095, 375},
    {"Command1", 1800, 5760, 975, 375},
};
} // namespace

QuotationWindow::QuotationWindow(AppContext& ctx, QWidget* parent)
    : ChoiceWindow(ctx, kClientWidth, kClientHeight, kLabelPoints,
                   std::make_unique<QuotationModel>(ctx), parent)
{
    setObjectName(QStringLiteral("quote"));

    Text1 = new QPlainTextEdit(QStringLiteral("Text1"), Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(designFont(true, 15.75));
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setAccessibleName(QStringLiteral("Quotation"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    placeControls(this, kLayout);
    keepButtonsReachable();
    restoreSize();
    if (load()) {
        QString text = static_cast<const QuotationModel&>(model()).quotation();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        Text1->setPlainText(text);
    }
}

void QuotationWindow::layoutControls()
{
    const int width = outerWidthTwips(this);
    const int height = outerHeightTwips(this);
    if (isNarrow(width))
        return;
    // The frame's top starts from the window's own distance from the top of
    // the screen; centring the frame below replaces it.
    Frame1->move(Frame1->x(), twips(this, toTwips(this, y()) + 100));
    const int frameWidth = width - 80;
    Frame1->resize(twips(this, frameWidth), twips(this, height - 50));
    keepFrameInside(Frame1, this);
    const int frameLeft = toTwips(this, Frame1->x());
    Text1->setGeometry(twips(this, frameLeft + 200), Text1->y(), twips(this, frameWidth - 400),
                       Text1->height());
    const int choiceLeft = frameWidth / 2 + frameLeft + 300;
    for (ChoiceButton* c : choice)
        c->setGeometry(twips(this, choiceLeft), c->y(), twips(this, frameWidth / 2 - 600), c->height());
    Label1->setGeometry(twips(this, frameLeft + 100), Label1->y(), twips(this, frameWidth / 2 - 800),
                        Label1->height());
    centerframe(Frame1, this);
    rememberSize();
}

} // namespace brev
