#pragma once
// The matching screen: five coloured name bars in a staircase, five
// descriptions below them; bars are dragged (or clicked, then a description
// clicked) onto descriptions, where they rest in a slot at the right end,
// beside the text. A bar shows where it counts: moved on, it leaves its
// description; a description takes one bar, and the one it held goes home.
#include "models/matchmodel.h"
#include "screens/questionwindow.h"

class QFrame;
class QLabel;
class QPushButton;

namespace brev {

class BarDrag;
class DescriptionLabel;
class NameBar;

class MatchWindow : public QuestionWindow {
    Q_OBJECT
public:
    // Builds the window and loads the question: draws its records, fills the
    // bars and descriptions and writes the log or export lines.
    explicit MatchWindow(AppContext& ctx, QWidget* parent = nullptr);

    const MatchModel& model() const { return model_; }

    QFrame* Frame1;
    QLabel* Label1;              // the question
    NameBar* Btn1[5];            // the name bars
    DescriptionLabel* Label2[5]; // the descriptions, in display order
    QPushButton* cmdhelp;        // "Help"
    QPushButton* Command1;       // "Done"
    QPushButton* Command2;       // "Skip"
    QLabel* Label4;              // the last bar event; kept hidden

protected:
    void layoutControls() override;

private:
    void load();
    void dropOn(int p);
    // Draws bar k where the model has it: in the slot of its description, or
    // at its place in the staircase.
    void placeBar(int k);
    // Tells assistive tools what every bar rests on and what every description holds.
    void showPlacements();
    void done();

    MatchModel model_;
    BarDrag* drag_;
    QRect home_[5];   // each bar's place in the staircase
};

} // namespace brev
