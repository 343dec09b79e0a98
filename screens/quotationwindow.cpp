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
    {"Frame1", 0, -120, 8295, 6975},    {"Text1", 120, 360, 8055, 2055},
    {"Label1", 240, 2760, 3345, 2040},  {"choice0", 4560, 2640, 3495, 615},
    {"choice1", 4560, 3360, 3495, 615}, {"choice2", 4560, 4080, 3495, 615},
    {"choice3", 4560, 4800, 3495, 615}, {"choice4", 4560, 5520, 3495, 615},
    {"cmdhelp", 360, 5760, 1095, 375},  {"Command1", 1800, 5760, 975, 375},
};
} // namespace

QuotationWindow::QuotationWindow(QuotationModel& model, const WindowParts& parts, QWidget* parent)
    : ChoiceWindow(model, parts, kindFacts(Screen::Quotation).slot, kClientWidth, kClientHeight, kLabelPoints,
                   parent)
{
    setObjectName(QStringLiteral("quote"));

    quotationBox = new QPlainTextEdit(QStringLiteral("Text1"), frame);
    quotationBox->setObjectName(QStringLiteral("Text1"));
    quotationBox->setFont(designFont(true, 15.75));
    quotationBox->setReadOnly(true);
    quotationBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    quotationBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    quotationBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    quotationBox->setAccessibleName(tr("Quotation"));
    questionLabel->setWordWrap(true);
    questionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    placeControls(this, kLayout);
    widenButtons();
    keepButtonsReachable();
    restoreSize();
    showQuestion();
    QString text = model.quotation();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    quotationBox->setPlainText(text);
}

void QuotationWindow::layoutControls()
{
    const int width = outerWidthTwips(this);
    const int height = layoutHeightTwips();
    if (isNarrow(width))
        return;
    // The frame's top starts from the window's own distance from the top of
    // the screen; centring the frame below replaces it.
    frame->move(frame->x(), twips(this, toTwips(this, y()) + 100));
    const int frameWidth = width - 80;
    frame->resize(twips(this, frameWidth), twips(this, height - 50));
    keepFrameInside(frame, this);
    const int frameLeft = toTwips(this, frame->x());
    quotationBox->setGeometry(twips(this, frameLeft + 200), quotationBox->y(), twips(this, frameWidth - 400),
                              quotationBox->height());
    const int choiceLeft = frameWidth / 2 + frameLeft + 300;
    for (ChoiceButton* c : choices)
        c->setGeometry(twips(this, choiceLeft), c->y(), twips(this, frameWidth / 2 - 600), c->height());
    questionLabel->setGeometry(twips(this, frameLeft + 100), questionLabel->y(),
                               twips(this, frameWidth / 2 - 800), questionLabel->height());
    centreDesignFrame(frame);
    rememberSize();
}

} // namespace brev
