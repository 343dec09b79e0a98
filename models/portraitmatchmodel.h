#pragma once
// The portrait matching question: four names on coloured bars, four
// portraits, the last one always in place. A bar rests on at most one
// portrait, and a portrait holds the bar dropped on it last.
#include "models/matchboard.h"
#include "models/questionmodel.h"
#include "models/verdict.h"

#include <array>

namespace brev {

class PortraitMatchModel : public QuestionModel {
public:
    static constexpr int kBars = 4;

    explicit PortraitMatchModel(AppContext& ctx) : QuestionModel(ctx) {}

    // Draws the four records, names them and shuffles the portraits.
    bool load() override;
    QString logHeader() const override;
    // The online block: "IMATCH", the category, the names, then per portrait
    // position its answer digit and picture file. No tabbed form.
    QStringList exportLines() const override;
    // Also writes the names to the play log.
    void writeLoadLines() override;

    // Bar k (0..3) pressed: it becomes the bar being placed.
    void pressBar(int k);
    // The bar being placed is dropped on portrait p (0..3): it leaves the
    // portrait it was on and takes p. Returns the bar that lost p and goes
    // back to its row (-1 for none); nothing when no bar was touched yet.
    std::optional<int> dropOn(int p) { return board_.drop(p); }
    // "Done": judges every portrait, nothing applied yet.
    Verdict judge() const;

    const QString& name(int k) const { return names_[size_t(k)]; }
    // Picture file name (in the program directory) of portrait position p.
    QString pictureFile(int p) const;
    int imageOrder(int p) const { return board_.order(p); }
    int placedBar(int p) const { return board_.placedBar(p); }
    // The portrait bar k rests on, or -1.
    int portraitOf(int k) const { return board_.targetOf(k); }
    int selectedBar() const { return board_.pickedUp(); }
    int barFontSize() const { return barFontSize_; }

    static QString helpText(const QString& lineBreak);

private:
    std::array<QString, kBars> names_{};
    MatchBoard board_{kBars};
    int barFontSize_ = 18;
};

} // namespace brev
