#pragma once
// The odd-one-out question: four presidents' names. Slot 0's record sets the
// pattern (its party or its end-of-term kind), slots 2 and 3 share it and the
// record of slot 1 is the odd one: never one whose end of term also counts as
// the shared one (see isOddEnd), so that one answer is right. Position 3
// always shows slot 3's name.
#include "models/questionmodel.h"
#include "models/verdict.h"

#include <array>

namespace brev {

class OddOneOutModel : public QuestionModel {
    Q_DECLARE_TR_FUNCTIONS(brev::OddOneOutModel)
public:
    using QuestionModel::QuestionModel;

    // Draws the four records, states the pattern and shuffles positions 0..2.
    // False, with nothing drawn, when the records cannot give three of one
    // pattern and an odd one beside them.
    bool load() override;

    // The item at display position p (0..3) clicked.
    Verdict choose(int position) const;
    QString reviewQuestion() const override;
    QString rightAnswer() const override { return items_[size_t(oddPosition())]; }
    // The four names as displayed; the one president asked about is the odd one.
    // Written: the pattern, the four names and the odd one's position.
    QuestionRecord unanswered() const override;

    // The slot of chosen whose item position p shows.
    int slotAt(int position) const { return slotOrder_[size_t(position)]; }
    // The display position of the odd item, 0..2.
    int oddPosition() const;
    const QString& itemText(int position) const { return items_[size_t(position)]; }
    // The question label: the pattern, slot 0's text for the category, as
    // the files write it and as the player sees it (a party is a record's
    // text; an end-of-term kind is translated).
    const QString& question() const { return question_; }
    QString shownQuestion() const { return field(chosen_[0], Wording::Shown); }

    static QString helpText();

private:
    // "Zachary Taylor's party: Whig, not Democratic", in the wording asked for.
    QString patternSentence(Wording wording) const;

    std::array<int, 4> slotOrder_{0, 1, 2, 3};
    std::array<QString, 4> items_{}; // in display order
    QString question_;
};

} // namespace brev
