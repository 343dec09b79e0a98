#pragma once
// The matching screen: five name bars in a staircase above five
// descriptions, the targets; a placed bar rests in a slot at the right end
// of its description, beside the text. The moves are MatchingWindow's.
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

    QLabel* questionLabel;             // Label1
    DescriptionLabel* descriptions[5]; // Label2(0..4), in display order
    QLabel* eventLabel;                // Label4, the last bar event; kept hidden

protected:
    void layoutControls() override;
    QRect restingPlace(int bar, int target) const override;
    QString targetName(int target) const override;
    void barPressed(int bar) override;
    void barClicked(int bar) override;
    int dropSound() const override;
    void showHolding(int target, bool holding) override;

private:
    MatchModel& model_;
};

} // namespace brev
