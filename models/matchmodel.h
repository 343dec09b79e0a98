#pragma once
// The matching question: five names on coloured bars, five descriptions of
// the field the category asks about, the last one always in place. The
// player drops bars on descriptions; a bar counts where it was dropped last,
// and a description holds one bar (see MatchBoard).
#include "models/matchboard.h"
#include "models/questionmodel.h"
#include "models/verdict.h"

#include <array>

namespace brev {

class MatchModel : public QuestionModel {
public:
    static constexpr int kBars = 5;

    explicit MatchModel(AppContext& ctx) : QuestionModel(ctx) {}

    // Draws the five records, builds the texts and shuffles the descriptions.
    bool load() override;
    QString logHeader() const override;
    // The online block, or the tabbed line (question " -- " first
    // description, four names, answer number, with its length markers).
    QStringList exportLines() const override;
    // Also writes the names to the play log.
    void writeLoadLines() override;

    // Bar k (0..4) pressed or clicked: it becomes the bar being placed.
    // Returns the diagnostic text ("3 mousedown", "3 click").
    QString pressBar(int k);
    QString clickBar(int k);
    // The bar being placed is dropped on description p (0..4). Returns the
    // bar that p held and that goes back to its row (-1 for none); nothing
    // when no bar was touched yet.
    std::optional<int> dropOn(int p) { return board_.drop(p); }
    // "Done": judges every description, nothing applied yet.
    Verdict judge() const;

    const QString& question() const { return question_; }
    const QString& name(int k) const { return names_[size_t(k)]; }
    // Description at display position p.
    const QString& description(int p) const { return descriptions_[size_t(p)]; }
    int descOrder(int p) const { return board_.order(p); }
    int placedBar(int p) const { return board_.placedBar(p); }
    // The description bar k rests on, or -1.
    int descriptionOf(int k) const { return board_.targetOf(k); }
    int selectedBar() const { return board_.pickedUp(); }
    int barFontSize() const { return barFontSize_; }

    static QString helpText(const QString& lineBreak);

private:
    QString question_;
    std::array<QString, kBars> names_{};
    std::array<QString, kBars> answers_{};      // by bar
    std::array<QString, kBars> descriptions_{}; // by display position
    MatchBoard board_{kBars};
    int barFontSize_ = 18;
};

} // namespace brev
