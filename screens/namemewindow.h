#pragma once
// The Name Me screen: a portrait, the hidden name and a stage picture that
// grows with every wrong letter. Letters are typed anywhere in the window.
#include "models/namememodel.h"
#include "models/verdict.h"
#include "screens/questionwindow.h"

#include <optional>

class QLabel;
class QPushButton;

namespace brev {

class NameMeWindow : public QuestionWindow {
    Q_OBJECT
public:
    // Builds the window on a loaded question; dir: where the portraits and
    // stage pictures are.
    NameMeWindow(NameMeModel& model, const WindowParts& parts, const QString& dir, QWidget* parent = nullptr);

    const NameMeModel& model() const { return model_; }

    QLabel* instructionLabel; // what to do, the caption's instruction
    QLabel* portrait;         // Image2
    QLabel* stage;            // Image1, the stage picture
    QLabel* warningLabel;     // Label3, under the stage picture
    QLabel* lettersLabel;     // Label1, the wrong letters
    QLabel* nameLabel;        // Label2, the hidden name
    QLabel* triesLabel;       // the tries left in words
    QPushButton* quitButton;  // Command1, "quit"

public slots:
    // "quit", Escape and the close box: leave a name being guessed unscored;
    // after a lost name, show its score screen and close.
    void reject() override;

protected:
    void layoutControls() override {}
    void keyPressEvent(QKeyEvent* event) override;

private:
    void typed(QChar c);
    // The lost name's score screen, once; the window closes after it.
    void showLostScore();
    void showTriesLeft();
    void showName();
    void showStage();
    void showWarning();
    // Names the wrong letters, the tries left and the stage picture for assistive tools.
    void showTries();

    NameMeModel& model_;
    QString dir_;
    std::optional<Verdict> lost_; // the judgement of a lost name, until its score screen
};

} // namespace brev
