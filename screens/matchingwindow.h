#pragma once
// What both matching screens share: coloured name bars, the targets they are
// placed on (descriptions or portraits), Help, Done and Skip, and the moves. A
// bar is dragged onto a target, or clicked and then the target clicked, or
// picked up and dropped with Space; Escape puts a picked-up bar down. A bar is
// drawn where it counts: on the target the board has it on, or at its home
// place; moved on, it leaves its old target, and a target takes one bar, the
// one it held going home. A screen adds its targets, where a bar rests on one,
// its layout and what its moves sound like. Nothing here fails.
#include "models/matchingmodel.h"
#include "screens/questionwindow.h"

#include <QList>
#include <QRect>

class QFrame;
class QPushButton;

namespace brev {

class BarDrag;
class NameBar;

class MatchingWindow : public QuestionWindow {
    Q_OBJECT
public:
    QFrame* frame;           // Frame1
    QList<NameBar*> bars;    // Btn1(0..n-1), the name bars
    QPushButton* helpButton; // cmdhelp, "Help"
    QPushButton* doneButton; // Command1, "Done"
    QPushButton* skipButton; // Command2, "Skip"

    // Where the bar stands while it is on no target.
    QRect home(int bar) const { return home_.value(bar); }

protected:
    // clickPlacing: a click on a bar, then one on a target, places the bar.
    MatchingWindow(MatchingModel& model, const WindowParts& parts, int slot, int clientWidth,
                   int clientHeight, bool clickPlacing, QWidget* parent);

    // The bars (colours in order, one per bar of the model) and the targets,
    // made by the screen in the frame.
    void makeBars(const QColor* colours, const QString& tip);
    void addTarget(QWidget* target);
    // Help, Done and Skip with their tooltips.
    void makeButtons(const QString& help);
    // Takes the bars' current places as their homes; names them from the model.
    void takeHomes();
    void showNames();
    void setHome(int bar, const QRect& place) { home_[bar] = place; }

    // Draws the bar where the board has it.
    void placeBar(int bar);
    // Tells assistive tools what every bar rests on and what every target holds.
    void showPlacements();

    // Where the bar rests on the target: its place and size there.
    virtual QRect restingPlace(int bar, int target) const = 0;
    // How a bar placed on the target tells assistive tools where it is.
    virtual QString targetName(int target) const = 0;
    // The moves: a bar pressed, clicked, picked up by Space (or an
    // accessible action; as a click unless the screen says otherwise), dropped.
    virtual void barPressed(int bar);
    virtual void barClicked(int bar);
    virtual void barPickedUp(int bar) { barClicked(bar); }
    virtual int dropSound() const = 0;
    // A target that holds a bar, or none, as the screen draws it.
    virtual void showHolding(int target, bool holding);
    // Escape puts a picked-up bar down wherever the focus is; with none
    // picked up it skips the question, as "Skip" does.
    void keyPressEvent(QKeyEvent* event) override;

    MatchingModel& matching_;
    BarDrag* drag_;
    QList<QWidget*> targets_;

private:
    void dropOn(int target);
    void done();

    QList<QRect> home_;
};

} // namespace brev
