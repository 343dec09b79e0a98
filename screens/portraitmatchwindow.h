#pragma once
// The portrait matching screen: four portraits in a two-by-two grid that
// stretches with the window, four coloured name bars on a row below them;
// bars are dragged onto portraits, or clicked and then a portrait clicked
// (or picked up and dropped with Space).
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

    PortraitBox* portraits[4];   // Image1(0..3)

protected:
    void layoutControls() override;
    QRect restingPlace(int k, int p) const override;
    QString targetName(int p) const override;
    void barPressed(int k) override;
    void barClicked(int k) override;
    void barPickedUp(int k) override;
    int dropSound() const override;

private:
    PortraitMatchModel& model_;
};

} // namespace brev
