#pragma once
// The multiple-choice screen, and what it shares with the quotation screen:
// a question label, five answer choices of which one of the first four is
// right, help and skip, judged when a choice is picked.
#include "models/multiplechoicemodel.h"
#include "screens/choicebutton.h"
#include "screens/questionwindow.h"

class QFrame;
class QLabel;
class QPushButton;

namespace brev {

// The controls and the judging that the multiple-choice and quotation
// screens share; each screen places them and lays them out its own way.
// A mouse-button press on a choice answers, and so does Space (or Enter) on
// the focused choice; moving the selection with the arrow keys judges nothing.
class ChoiceWindow : public QuestionWindow {
    Q_OBJECT
public:
    // Position of the right choice, 0..3.
    int answerSlot() const { return model_.answerSlot(); }
    const MultipleChoiceModel& model() const { return model_; }

    QFrame* frame;            // Frame1
    QLabel* questionLabel;    // Label1
    ChoiceButton* choices[5]; // choice(0..4), the five answers
    QPushButton* helpButton;  // cmdhelp, "help"
    QPushButton* skipButton;  // Command1, "skip"

protected:
    // model: loaded; slot: the kind's window slot; labelPoints: the size of
    // the question label's Arial face.
    ChoiceWindow(MultipleChoiceModel& model, const WindowParts& parts, int slot, int clientWidth,
                 int clientHeight, double labelPoints, QWidget* parent);
    // Fills the label and the choices from the model.
    void showQuestion();
    // Help and skip as wide as their captions; call after placing them.
    void widenButtons();

private:
    void choose(int i);

    MultipleChoiceModel& model_;
};

class MultipleChoiceWindow : public ChoiceWindow {
    Q_OBJECT
public:
    // Builds the window on a loaded question.
    MultipleChoiceWindow(MultipleChoiceModel& model, const WindowParts& parts, QWidget* parent = nullptr);

protected:
    void layoutControls() override;
};

} // namespace brev
