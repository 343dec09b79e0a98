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
    // Builds the window on a loaded question, captioned with the category's name.
    OddOneOutWindow(OddOneOutModel& model, const WindowParts& parts, QWidget* parent = nullptr);

    const OddOneOutModel& model() const { return model_; }

    QFrame* frame;           // Frame1
    QLabel* patternLabel;    // Label1, the pattern
    ChoiceButton* items[4];  // Option1(0..3), the four items
    QPushButton* helpButton; // cmdhelp, "Help"
    QPushButton* skipButton; // cmdSkip, "Skip"
    QLabel* unusedLabel;     // Label4, unused by the screen

protected:
    void layoutControls() override;

private:
    void choose(int position);

    OddOneOutModel& model_;
};

} // namespace brev
