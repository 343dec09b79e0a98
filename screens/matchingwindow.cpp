#include "screens/matchingwindow.h"

#include "screens/matchwidgets.h"
#include "store/sounds.h"
#include "widgets/windowhelpers.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>

namespace brev {

MatchingWindow::MatchingWindow(MatchingModel& model, const WindowParts& parts, int slot, int clientWidth,
                               int clientHeight, bool clickPlacing, QWidget* parent)
    : QuestionWindow(parts, slot, tr("Match 'em"), clientWidth, clientHeight, QColor(128, 128, 255), parent),
      matching_(model)
{
    frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setAutoFillBackground(true);
    fillBackground(frame, QColor(128, 128, 255));
    drag_ = new BarDrag(frame, clickPlacing);
    connect(drag_, &BarDrag::barPressed, this, &MatchingWindow::barPressed);
    connect(drag_, &BarDrag::barPickedUp, this, &MatchingWindow::barPickedUp);
    if (clickPlacing)
        connect(drag_, &BarDrag::barClicked, this, &MatchingWindow::barClicked);
    connect(drag_, &BarDrag::dropped, this, &MatchingWindow::dropOn);
}

void MatchingWindow::makeBars(const QColor* colours, const QString& tip)
{
    for (int k = 0; k < matching_.bars(); ++k) {
        auto* bar = new NameBar(colours[k], frame);
        bar->setObjectName(QStringLiteral("Btn1_%1").arg(k));
        QFont font = designFont(false, 13.5);
        font.setBold(true);
        bar->setFont(font);
        if (!tip.isEmpty())
            bar->setToolTip(tip);
        drag_->addBar(bar);
        bars << bar;
    }
}

void MatchingWindow::addTarget(QWidget* target)
{
    drag_->addTarget(target);
    targets_ << target;
}

void MatchingWindow::makeButtons(const QString& help)
{
    const QString readyTip = tr("Click here when you are ready to proceed");
    helpButton = makeButton(frame, "cmdhelp", tr("Help"));
    wireHelp(helpButton, help);
    doneButton = makeButton(frame, "Command1", tr("Done"), readyTip);
    connect(doneButton, &QPushButton::clicked, this, &MatchingWindow::done);
    skipButton = makeButton(frame, "Command2", tr("Skip"), readyTip);
    wireSkip(skipButton);
}

void MatchingWindow::takeHomes()
{
    home_.clear();
    for (const NameBar* bar : bars)
        home_ << bar->geometry();
}

void MatchingWindow::showNames()
{
    for (int k = 0; k < bars.size(); ++k)
        bars[k]->setName(matching_.name(k), matching_.barFontSize());
    showPlacements();
}

void MatchingWindow::barPressed(int bar)
{
    matching_.pickUp(bar);
}

void MatchingWindow::barClicked(int bar)
{
    matching_.pickUp(bar);
}

void MatchingWindow::showHolding(int, bool)
{}

void MatchingWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && drag_->heldBar() >= 0) {
        drag_->putDown();
        return;
    }
    QuestionWindow::keyPressEvent(event);
}

void MatchingWindow::placeBar(int bar)
{
    if (bar < 0 || bar >= home_.size())
        return; // not laid out yet
    NameBar* widget = bars[bar];
    const int target = matching_.targetOf(bar);
    if (target < 0) {
        widget->setGeometry(home_[bar]);
        return;
    }
    widget->setGeometry(restingPlace(bar, target));
    widget->raise();
}

void MatchingWindow::dropOn(int target)
{
    if (answered())
        return;
    const std::optional<int> sentHome = matching_.dropOn(target);
    if (!sentHome)
        return;
    placeBar(matching_.selectedBar());
    // A target shows only the bar it holds: the one it held before goes home.
    if (*sentHome >= 0)
        placeBar(*sentHome);
    showPlacements();
    announce(bars[matching_.selectedBar()]);
    playSound(dropSound());
}

void MatchingWindow::showPlacements()
{
    for (int k = 0; k < bars.size(); ++k) {
        const int p = matching_.targetOf(k);
        bars[k]->setPlacedOn(p < 0 ? QString() : targetName(p));
    }
    for (int p = 0; p < targets_.size(); ++p) {
        const int k = matching_.placedBar(p);
        showHeldName(targets_[p], k < 0 ? QString() : matching_.name(k));
        showHolding(p, k >= 0);
    }
}

void MatchingWindow::done()
{
    if (takeAnswer())
        finish(matching_.judge());
}

} // namespace brev
