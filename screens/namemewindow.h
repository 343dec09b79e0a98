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
    // Builds the window and draws the president; a category without a
    // record closes unasked.
    explicit NameMeWindow(AppContext& ctx, QWidget* parent = nullptr);

    const NameMeModel& model() const { return model_; }

    QLabel* Image2;          // the portrait
    QLabel* Image1;          // the stage picture
    QLabel* Label3;          // the warning under the stage picture
    QLabel* Label1;          // the wrong letters
    QLabel* Label2;          // the hidden name
    QPushButton* Command1;   // "quit"

protected:
    void layoutControls() override {}
    void keyPressEvent(QKeyEvent* event) override;

private:
    void typed(QChar c);
    void showName();
    void showStage();
    // Names the wrong letters, the tries left and the stage picture for assistive tools.
    void showTries();

    NameMeModel model_;
};

} // namespace brev
