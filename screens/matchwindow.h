#pragma once
// The matching screen: five coloured name bars in a staircase, five
// descriptions below them; bars are dragged (or clicked, then a description
// clicked) onto descriptions, where they rest in a slot at the right end,
// beside the text. A bar shows where it counts: moved on, it leaves its
// description; a description takes one bar, and the one it held goes home.
#include "models/matchmodel.h"
#include "screens/matchingwindow.h"

class QLabel;

namespace brev {

class DescriptionLabel;

class MatchWindow : public MatchingWindow {
    Q_OBJECT
public:
    // Builds the window on a loaded question.
    MatchWindow(MatchModel& model, const WindowParts& parts, QWidget* parent = nullptr);

    const MatchModel& model() const { return model_; }

    QLabel* questionLabel;                 // Label1
    DescriptionLabel* descriptions[5];     // Label2(0..4), in display order
    QLabel* eventLabel;                    // Label4, the last bar event; kept hidden

protected:
    void layoutControls() override;
    QRect restingPlace(int k, int p) const override;
    QString targetName(int p) const override;
    void barPressed(int k) override;
    void barClicked(int k) override;
    int dropSound() const override;
    void showHolding(int p, bool holding) override;

private:
    MatchModel& model_;
};

} // namespace brev
