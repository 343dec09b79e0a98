#pragma once
// The score screen: the result of one question and the running score.
#include "screens/questionwindow.h"

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace brev {

class ScoreWindow : public QuestionWindow {
    Q_OBJECT
public:
    explicit ScoreWindow(AppContext& ctx, QWidget* parent = nullptr);

    // Label2 := "Current score: " score " of " possible "  (" percent "%)".
    void scoreCaption();

    QFrame* Frame1;
    QLabel* Label1;
    QPlainTextEdit* Text1;
    QPushButton* Command1;
    QLabel* Label2;

protected:
    void layoutControls() override;
    // Speaks the judgement and the running score as the window opens.
    void showEvent(QShowEvent* event) override;
};

} // namespace brev
