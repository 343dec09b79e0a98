#pragma once
// The Name Me screen: a portrait, the hidden name and a stage picture that
// grows with every wrong letter. Letters are typed anywhere in the window.
#include "models/namememodel.h"
#include "screens/questionwindow.h"

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

    QLabel* instructionLabel;   // what to do, the caption's instruction
    QLabel* portrait;           // Image2
    QLabel* stage;              // Image1, the stage picture
    QLabel* warningLabel;       // Label3, under the stage picture
    QLabel* lettersLabel;       // Label1, the wrong letters
    QLabel* nameLabel;          // Label2, the hidden name
    QPushButton* quitButton;    // Command1, "quit"

protected:
    void layoutControls() override {}
    void keyPressEvent(QKeyEvent* event) override;

private:
    void typed(QChar c);
    void showName();
    void showStage();
    void showWarning();
    // Names the wrong letters, the tries left and the stage picture for assistive tools.
    void showTries();

    NameMeModel& model_;
    QString dir_;
};

} // namespace brev
