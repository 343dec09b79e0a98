#pragma once
// The multiple-choice screen, and what it shares with the quotation screen:
// a question label, five answer choices of which one of the first four is
// right, help and skip, judged when a choice is picked.
#include "screens/choicebutton.h"
#include "models/multiplechoicemodel.h"
#include "screens/questionwindow.h"

#include <memory>

class QFrame;
class QLabel;
class QPushButton;

namespace brev {

// The controls and the judging that the multiple-choice and quotation
// screens share; each screen places them and lays them out its own way.
// A mouse-button press on a choice answers, and so does Space on the focused
// choice; moving the selection with the arrow keys judges nothing.
class ChoiceWindow : public QuestionWindow {
    Q_OBJECT
public:
    // Position of the right choice, 0..3.
    int answerSlot() const { return model_->answerSlot(); }
    const MultipleChoiceModel& model() const { return *model_; }

    QFrame* Frame1;
    QLabel* Label1;          // the question
    ChoiceButton* choice[5]; // the five answers
    QPushButton* cmdhelp;    // "help"
    QPushButton* Command1;   // "skip"

protected:
    // labelPoints: the size of the question label's Arial face.
    ChoiceWindow(AppContext& ctx, int clientWidth, int clientHeight, double labelPoints,
                 std::unique_ptr<MultipleChoiceModel> model, QWidget* parent);
    // Draws the question, fills the label and the choices and writes the log
    // or export lines; false when the category ran out (the window then gave
    // the question up).
    bool load();

private:
    void choose(int i);

    std::unique_ptr<MultipleChoiceModel> model_;
};

class MultipleChoiceWindow : public ChoiceWindow {
    Q_OBJECT
public:
    // Builds the window and loads the question.
    explicit MultipleChoiceWindow(AppContext& ctx, QWidget* parent = nullptr);

protected:
    void layoutControls() override;
};

} // namespace brev
