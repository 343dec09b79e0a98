#pragma once
// The matching question: five names on bars, five descriptions of the field
// the category asks about (see MatchingModel for what both matching screens
// share).
#include "models/matchingmodel.h"

#include <array>

namespace brev {

class MatchModel : public MatchingModel {
    Q_DECLARE_TR_FUNCTIONS(brev::MatchModel)
public:
    static constexpr int kBars = 5;

    MatchModel(ItemDraw& draw, int category) : MatchingModel(draw, category, kBars, kMatchFontSteps) {}

    // Bar k pressed or clicked: the diagnostic text ("3 mousedown", "3 click").
    QString pressBar(int bar);
    QString clickBar(int bar);

    // The heading as the files write it, and as the player sees it.
    const QString& question() const { return question_; }
    QString shownQuestion() const { return text(TextKind::Question, 0, category(), Wording::Shown); }
    // Description at display position p, as the files write it and as the
    // player sees it (the records' texts alike; an end-of-term kind translated).
    const QString& description(int p) const { return descriptions_[size_t(p)]; }
    QString shownDescription(int p) const;
    // Written as well: the heading and the descriptions.
    QuestionRecord unanswered() const override;

    static QString helpText();

protected:
    void showTargets() override;
    // "name = description": the bar's name and its own description.
    QString wrongPairLine(int placed, int p, Wording wording) const override;
    QString unplacedLine(int bar) const override { return wrongPairLine(bar, -1, Wording::Shown); }
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
