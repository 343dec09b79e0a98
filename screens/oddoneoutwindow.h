#pragma once
// The odd-one-out screen: four items as option buttons; the player picks the
// one that does not fit. Choosing an item with the mouse or the keyboard
// (Space, or the arrow keys once one is checked) answers at once.
#include "screens/choicebutton.h"
#include "models/oddoneoutmodel.h"
#include "screens/questionwindow.h"

class QFrame;
class QLabel;
class QPushButton;

namespace brev {

class OddOneOutWindow : public QuestionWindow {
    Q_OBJECT
public:
    // Builds the window, captioned with the category's name, and loads the question.
    explicit OddOneOutWindow(AppContext& ctx, QWidget* parent = nullptr);

    const OddOneOutModel& model() const { return model_; }

    QFrame* Frame1;
    QLabel* Label1;           // the pattern
    ChoiceButton* Option1[4]; // the four items
    QPushButton* cmdhelp;     // "Help"
    QPushButton* cmdSkip;     // "Skip"
    QLabel* Label4;           // unused by the screen

protected:
    void layoutControls() override;

private:
    void load();
    void choose(int position);

    OddOneOutModel model_;
};

} // namespace brev
