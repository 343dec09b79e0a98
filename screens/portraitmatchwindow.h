#pragma once
// The portrait matching screen: four portraits in a two-by-two grid that
// stretches with the window, four coloured name bars on a row below them;
// bars are dragged onto portraits.
#include "models/portraitmatchmodel.h"
#include "screens/questionwindow.h"

#include <QPoint>

class QFrame;
class QPushButton;

namespace brev {

class BarDrag;
class NameBar;
class PortraitBox;

class PortraitMatchWindow : public QuestionWindow {
    Q_OBJECT
public:
    // Builds the window and loads the question: draws its records, fills the
    // bars and portraits and writes the log or export lines.
    explicit PortraitMatchWindow(AppContext& ctx, QWidget* parent = nullptr);

    const PortraitMatchModel& model() const { return model_; }
    // Where bar k rests when it is on no portrait.
    QPoint home(int k) const { return home_[k]; }

    QFrame* Frame1;
    PortraitBox* Image1[4]; // the portraits
    NameBar* Btn1[4];       // the name bars
    QPushButton* cmdhelp;   // "Help"
    QPushButton* Command1;  // "Done"
    QPushButton* Command2;  // "Skip"

protected:
    void layoutControls() override;

private:
    void load();
    void dropOn(int p);
    // Tells assistive tools what every bar rests on and what every portrait holds.
    void showPlacements();
    void done();
    // Puts bar k on the portrait it is recorded for, or home.
    void placeBar(int k);

    PortraitMatchModel model_;
    BarDrag* drag_;
    QPoint home_[4];
    bool loaded_ = false;
};

} // namespace brev
