#include "screens/scorewindow.h"

#include "store/context.h"
#include "widgets/windowhelpers.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace brev {

namespace {
constexpr int kClientWidth = 7530;
constexpr int kClientHeight = 5265;

// The ok button and the score line keep their design distance from the
// frame's bottom edge, and the results box takes the height above them.
constexpr int kOkRowFromBottom = 4935 - 3960;
constexpr int kGapAboveOkRow = 3960 - (1940 + 1815);
constexpr int kSmallestResults = 615;

constexpr TwipsPlace kLayout[] = {
    {"Frame1", 120, 120, 7215, 4935},
    {"Label1", 120, 240, 6975, 855},
    {"Text1", 120, 1940, 6855, 1815},
    {"Command1", 120, 3960, 1215, 615},
    {"Label2", 1680, 3960, 5295, 615},
};
} // namespace

ScoreWindow::ScoreWindow(AppContext& ctx, QWidget* parent)
    : QuestionWindow(ctx, SlotScore, QStringLiteral("Score"), kClientWidth, kClientHeight, QColor(),
                     parent)
{
    setObjectName(QStringLiteral("showscor"));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);

    const QFont big = designFont(false, 13.5);
    Label1 = new QLabel(Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(big);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Text1 = new QPlainTextEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(big);
    Text1->setReadOnly(true);
    Text1->setAccessibleName(QStringLiteral("Results"));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setWordWrapMode(QTextOption::WordWrap);   // lines break between words only

    Command1 = new QPushButton(QStringLiteral("ok"), Frame1);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QStringLiteral("Click here when  ready to proceed"));
    Command1->setAutoDefault(false);   // no default button: Enter does not close the screen
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    Label2 = new QLabel(Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(big);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    placeControls(this, kLayout);
    // Never so low that the ok row leaves the window.
    setMinimumHeight(twips(this, 120 + 1940 + kSmallestResults + kGapAboveOkRow + kOkRowFromBottom + 120));
    restoreSize();
    scoreCaption();
    // The keyboard starts on "ok"; the results are one Shift+Tab away.
    Command1->setFocus();
}

void ScoreWindow::scoreCaption()
{
    const GameState& g = ctx_.game;
    Label2->setText(QStringLiteral("Current score: ") + QString::number(g.score)
                    + QStringLiteral(" of ") + QString::number(g.possible) + QStringLiteral("  (")
                    + QString::number(g.percent) + QStringLiteral("%)"));
}

void ScoreWindow::showEvent(QShowEvent* event)
{
    QuestionWindow::showEvent(event);
    // The result's last line (the points) is in view; earlier lines scroll above it.
    Text1->moveCursor(QTextCursor::End);
    Text1->ensureCursorVisible();
    setAccessibleDescription(Label1->text() + QStringLiteral(". ") + Label2->text());
    announce(Label1);
    announce(Label2);
}

void ScoreWindow::layoutControls()
{
    rememberSize();
    const int outerWidth = outerWidthTwips(this);
    const int outerHeight = outerHeightTwips(this);
    Frame1->resize(twips(this, outerWidth - 100), twips(this, outerHeight - 100));
    keepFrameInside(Frame1, this, Frame1->x());
    if (isNarrow(outerWidth))
        return;
    const int frameLeft = toTwips(this, Frame1->x());
    const int frameWidth = toTwips(this, Frame1->width());
    const int okTop = std::max(toTwips(this, Text1->y()) + kSmallestResults + kGapAboveOkRow,
                               toTwips(this, Frame1->height()) - kOkRowFromBottom);
    Command1->move(Command1->x(), twips(this, okTop));
    Label2->move(Label2->x(), twips(this, okTop));
    Text1->setGeometry(twips(this, frameLeft + 100), Text1->y(), twips(this, frameWidth - 400),
                       twips(this, okTop - kGapAboveOkRow) - Text1->y());
}

} // namespace brev
