#pragma once
// The matching question: five names on coloured bars, five descriptions of
// the field the category asks about, the last one always in place. The
// player drops bars on descriptions; a bar counts where it was dropped last,
// and a description holds one bar.
#include "models/matchingmodel.h"

#include <array>

namespace brev {

class MatchModel : public MatchingModel {
    Q_DECLARE_TR_FUNCTIONS(brev::MatchModel)
public:
    static constexpr int kBars = 5;

    MatchModel(ItemDraw& draw, int category, RunMode mode)
        : MatchingModel(draw, category, mode, kBars, kMatchFontSteps)
    {
    }

    // The category's name.
    QString logHeader() const override { return categoryName(); }
    // The online block, or the tabbed line (question " -- " first
    // description, four names, answer number, with its length markers).
    QStringList exportLines() const override;

    // Bar k pressed or clicked: the diagnostic text ("3 mousedown", "3 click").
    QString pressBar(int k);
    QString clickBar(int k);

    // The heading as the files write it, and as the player sees it.
    const QString& question() const { return question_; }
    QString shownQuestion() const { return text(TextKind::Question, 0, category(), Wording::Shown); }
    // Description at display position p, as the files write it and as the
    // player sees it (the records' texts alike; an end-of-term kind translated).
    const QString& description(int p) const { return descriptions_[size_t(p)]; }
    QString shownDescription(int p) const;
    int descOrder(int p) const { return order(p); }
    // The description bar k rests on, or -1.
    int descriptionOf(int k) const { return targetOf(k); }

    static QString helpText();

protected:
    void showTargets() override;
    // "name = description": the bar's name and its own description.
    QString wrongPairLine(int placed, int p, Wording wording) const override;
    QString unplacedLine(int k) const override { return wrongPairLine(k, -1, Wording::Shown); }
    QString targetText(int p) const override { return shownDescription(p); }
    QString reviewQuestion() const override { return shownQuestion(); }
    void finish(Verdict& v, int correct) const override;
    int possible() const override { return 10; }

private:
    QString question_;
    std::array<QString, kBars> answers_{};      // by bar
    std::array<QString, kBars> descriptions_{}; // by display position
};

} // namespace brev
