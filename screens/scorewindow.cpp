#include "screens/scorewindow.h"

#include "rules/gamesession.h"
#include "widgets/windowhelpers.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>

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
// The questions-left row: as high as the ok row, below it.
constexpr int kRowHeight = 615;
constexpr int kRowGap = 120;
// Between the results box and the points line under it.
constexpr int kPointsGap = 60;

constexpr TwipsPlace kLayout[] = {
    {"Frame1", 120, 120, 7215, 4935},   {"Label1", 120, 240, 6975, 855},   {"Text1", 120, 1940, 6855, 1815},
    {"Command1", 120, 3960, 1215, 615}, {"Label2", 1680, 3960, 5295, 615},
};

} // namespace

ScoreWindow::ScoreWindow(const GameSession& session, QWidget* parent) : QDialog(parent), session_(session)
{
    setObjectName(QStringLiteral("showscor"));
    setWindowTitle(tr("Score"));
    setModal(true);
    resize(twips(this, kClientWidth), twips(this, kClientHeight));

    frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);

    const QFont big = designFont(false, 13.5);
    headingLabel = new QLabel(frame);
    headingLabel->setObjectName(QStringLiteral("Label1"));
    headingLabel->setFont(big);
    headingLabel->setWordWrap(true);
    headingLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    resultsBox = new QPlainTextEdit(frame);
    resultsBox->setObjectName(QStringLiteral("Text1"));
    resultsBox->setFont(big);
    resultsBox->setReadOnly(true);
    resultsBox->setAccessibleName(tr("Results"));
    resultsBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    resultsBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    resultsBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    resultsBox->setWordWrapMode(QTextOption::WordWrap); // lines break between words only

    okButton = new QPushButton(tr("ok"), frame);
    okButton->setObjectName(QStringLiteral("Command1"));
    okButton->setToolTip(tr("Click here when  ready to proceed"));
    okButton->setAutoDefault(false); // no default button: Enter does not close the screen by itself
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    scoreLabel = new QLabel(frame);
    scoreLabel->setObjectName(QStringLiteral("Label2"));
    scoreLabel->setFont(big);
    scoreLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    pointsLabel = new QLabel(frame);
    pointsLabel->setObjectName(QStringLiteral("pointsLabel"));
    pointsLabel->setFont(big);
    pointsLabel->setWordWrap(true);
    pointsLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pointsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pointsLabel->hide();

    placeControls(this, kLayout);
    // Never so low that the ok row leaves the window.
    setMinimumHeight(twips(this, 120 + 1940 + kSmallestResults + kGapAboveOkRow + kOkRowFromBottom + 120));
    centreOnScreen(this);
    laidOut_ = true;
    layoutControls();
    showRunningScore();
    // The keyboard starts on "ok"; the results are one Shift+Tab away.
    okButton->setFocus();
}

void ScoreWindow::setResults(const QString& heading, const QString& results)
{
    headingLabel->setText(heading);
    QStringList lines = results.split(QRegularExpression(QStringLiteral("\r\n|\n")));
    QString points;
    if (lines.size() > 1 && lines.last().trimmed().startsWith(QStringLiteral("***")))
        points = lines.takeLast();
    resultsBox->setPlainText(lines.join(u'\n'));
    pointsLabel->setText(points);
    pointsLabel->setVisible(!points.isEmpty());
    layoutControls();
}

QString ScoreWindow::resultsText() const
{
    const QString box = resultsBox->toPlainText();
    return pointsLabel->text().isEmpty() ? box : box + u'\n' + pointsLabel->text();
}

void ScoreWindow::showRunningScore()
{
    scoreLabel->setText(tr("Current score: %1 of %2  (%3%)")
                            .arg(session_.score)
                            .arg(session_.possible)
                            .arg(session_.percent));
    scoreLabel->setFont(designFont(false, 13.5));
    fitCaption(scoreLabel); // smaller when a language makes the line longer than its place
}

void ScoreWindow::showQuestionsLeft(int left)
{
    if (!questionsLeftLabel) {
        questionsLeftLabel = new QLabel(frame);
        questionsLeftLabel->setObjectName(QStringLiteral("questionsLeftLabel"));
        questionsLeftLabel->setFont(designFont(false, 13.5));
        questionsLeftLabel->setWordWrap(true);
        questionsLeftLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        endGameButton = new QPushButton(tr("End game"), frame);
        endGameButton->setObjectName(QStringLiteral("endGameButton"));
        endGameButton->setToolTip(tr("End the game here: the final score counts the questions asked so far"));
        endGameButton->setAutoDefault(false);
        connect(endGameButton, &QPushButton::clicked, this, [this] {
            endGame_ = true;
            accept();
        });
        setTabOrder(okButton, endGameButton);
        leftRow_ = kRowHeight + kRowGap;
        setMinimumHeight(minimumHeight() + twips(this, leftRow_));
        resize(width(), height() + twips(this, leftRow_));
    }
    questionsLeftLabel->setText(left > 1    ? tr("%n questions left", "", left)
                                : left == 1 ? tr("One question left")
                                            : tr("That was the last question."));
    endGameButton->setVisible(left > 0);
    layoutControls();
}

void ScoreWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The results open at their first line; the points line stands under them.
    resultsBox->moveCursor(QTextCursor::Start);
    resultsBox->verticalScrollBar()->setValue(0);
    QString description = headingLabel->text() + QStringLiteral(". ");
    if (!pointsLabel->text().isEmpty())
        description += pointsLabel->text() + QStringLiteral(". ");
    description += scoreLabel->text();
    if (questionsLeftLabel)
        description += QStringLiteral(". ") + questionsLeftLabel->text();
    setAccessibleDescription(description);
    announce(headingLabel);
    if (!pointsLabel->text().isEmpty())
        announce(pointsLabel);
    announce(scoreLabel);
    if (questionsLeftLabel)
        announce(questionsLeftLabel);
}

void ScoreWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (laidOut_)
        layoutControls();
}

void ScoreWindow::layoutControls()
{
    const int outerWidth = outerWidthTwips(this);
    const int outerHeight = outerHeightTwips(this);
    frame->resize(twips(this, outerWidth - 100), twips(this, outerHeight - 100));
    keepFrameInside(frame, this, frame->x());
    if (isNarrow(outerWidth))
        return;
    const int frameLeft = toTwips(this, frame->x());
    const int frameWidth = toTwips(this, frame->width());
    const int boxWidth = frameWidth - 400;
    // The points line takes the room it needs under the box, on as many lines as it wraps to.
    const int pointsRow =
        pointsLabel->text().isEmpty()
            ? 0
            : toTwips(this, pointsLabel->heightForWidth(twips(this, boxWidth))) + kPointsGap;
    const int okTop = std::max(toTwips(this, resultsBox->y()) + kSmallestResults + pointsRow + kGapAboveOkRow,
                               toTwips(this, frame->height()) - kOkRowFromBottom - leftRow_);
    okButton->move(okButton->x(), twips(this, okTop));
    scoreLabel->move(scoreLabel->x(), twips(this, okTop));
    if (questionsLeftLabel) {
        const int rowTop = twips(this, okTop + kRowHeight + kRowGap);
        const int buttonWidth = std::max(okButton->width(), endGameButton->sizeHint().width());
        endGameButton->setGeometry(okButton->x(), rowTop, buttonWidth, okButton->height());
        const int labelLeft = std::max(scoreLabel->x(), endGameButton->geometry().right() + twips(this, 120));
        questionsLeftLabel->setGeometry(labelLeft, rowTop, frame->width() - labelLeft - twips(this, 120),
                                        twips(this, kRowHeight));
    }
    const int boxBottom = twips(this, okTop - kGapAboveOkRow - pointsRow);
    resultsBox->setGeometry(twips(this, frameLeft + 100), resultsBox->y(), twips(this, boxWidth),
                            boxBottom - resultsBox->y());
    if (pointsRow > 0)
        pointsLabel->setGeometry(resultsBox->x(), boxBottom + twips(this, kPointsGap), resultsBox->width(),
                                 twips(this, pointsRow - kPointsGap));
}

} // namespace brev
