#pragma once
// The multiple-choice screen: one question, five answer choices, exactly one
// of the first four right.
#include "screens/core/mchoicemodel.h"
#include "screens/questionwindow.h"

#include <QAbstractButton>
#include <QColor>

class QFrame;
class QLabel;
class QPushButton;

namespace brev {

// An option button whose caption wraps onto several lines. A mouse-button
// press (any button) picks it, and so do Space and Enter on the focused
// choice; moving the selection with the arrow keys checks a choice without
// picking it.
class ChoiceButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit ChoiceButton(QWidget* parent = nullptr);
    void setBackground(const QColor& colour);
    QSize sizeHint() const override;

signals:
    void picked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor background_;
};

class mchoice : public QuestionWindow {
    Q_OBJECT
public:
    // Builds the window and loads the question: draws its records, fills the
    // choices and writes the log or export lines.
    explicit mchoice(AppContext& ctx, QWidget* parent = nullptr);

    // Position of the right choice, 0..3.
    int answerSlot() const { return model_.answerSlot(); }
    const MultipleChoiceModel& model() const { return model_; }

    QFrame* Frame1;
    QLabel* Label1;          // the question
    ChoiceButton* choice[5]; // the five answers
    QPushButton* cmdhelp;    // "help"
    QPushButton* Command1;   // "skip"

protected:
    void layoutControls() override;

private:
    void load();
    void choose(int i);

    MultipleChoiceModel model_;
    bool answered_ = false;
};

} // namespace brev
