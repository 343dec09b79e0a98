#pragma once
// What both matching screens share: coloured name bars, the targets they are
// dropped on (descriptions or portraits), the one drag of the bars, Help,
// Done and Skip, and a bar drawn where it counts: on the target the board
// has it on, or at its home place. A screen adds its targets, where a bar
// rests on one, its layout and what its moves sound like.
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
    QFrame* frame;              // Frame1
    QList<NameBar*> bars;       // Btn1(0..n-1), the name bars
    QPushButton* helpButton;    // cmdhelp, "Help"
    QPushButton* doneButton;    // Command1, "Done"
    QPushButton* skipButton;    // Command2, "Skip"

    // Where bar k stands while it is on no target.
    QRect home(int k) const { return home_.value(k); }

protected:
    // clickPlacing: a click on a bar, then one on a target, places the bar.
    MatchingWindow(MatchingModel& model, const WindowParts& parts, int slot, int clientWidth, int clientHeight,
                   bool clickPlacing, QWidget* parent);

    // The bars (colours in order, one per bar of the model) and the targets,
    // made by the screen in the frame.
    void makeBars(const QColor* colours, const QString& tip);
    void addTarget(QWidget* target);
    // Help, Done and Skip with their tooltips.
    void makeButtons(const QString& help);
    // Takes the bars' current places as their homes; names them from the model.
    void takeHomes();
    void showNames();
    void setHome(int k, const QRect& place) { home_[k] = place; }

    // Draws bar k where the board has it.
    void placeBar(int k);
    // Tells assistive tools what every bar rests on and what every target holds.
    void showPlacements();

    // Where bar k rests on target p: its place and size there.
    virtual QRect restingPlace(int k, int p) const = 0;
    // How a bar placed on target p tells assistive tools where it is.
    virtual QString targetName(int p) const = 0;
    // The moves: a bar pressed, clicked, picked up by Space (or an
    // accessible action; as a click unless the screen says otherwise), dropped.
    virtual void barPressed(int k);
    virtual void barClicked(int k);
    virtual void barPickedUp(int k) { barClicked(k); }
    virtual int dropSound() const = 0;
    // A target that holds a bar, or none, as the screen draws it.
    virtual void showHolding(int p, bool holding);
    // Escape puts a picked-up bar down wherever the focus is; with none
    // picked up it skips the question, as "Skip" does.
    void keyPressEvent(QKeyEvent* event) override;

    MatchingModel& matching_;
    BarDrag* drag_;
    QList<QWidget*> targets_;

private:
    void dropOn(int p);
    void done();

    QList<QRect> home_;
};

} // namespace brev
