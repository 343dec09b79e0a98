#pragma once
// The portrait matching screen: four portraits, the targets, in a two-by-two
// grid that stretches with the window, and four name bars on a row below
// them. The moves are MatchingWindow's; pressing a bar picks it up at once.
#include "models/portraitmatchmodel.h"
#include "screens/matchingwindow.h"

namespace brev {

class PortraitBox;

class PortraitMatchWindow : public MatchingWindow {
    Q_OBJECT
public:
    // Builds the window on a loaded question; dir: where the portraits are.
    PortraitMatchWindow(PortraitMatchModel& model, const WindowParts& parts, const QString& dir,
                        QWidget* parent = nullptr);

    const PortraitMatchModel& model() const { return model_; }

    PortraitBox* portraits[4]; // Image1(0..3)

protected:
    void layoutControls() override;
    QRect restingPlace(int bar, int target) const override;
    QString targetName(int target) const override;
    void barPressed(int bar) override;
    void barClicked(int bar) override;
    void barPickedUp(int bar) override;
    int dropSound() const override;

private:
    PortraitMatchModel& model_;
};

} // namespace brev
