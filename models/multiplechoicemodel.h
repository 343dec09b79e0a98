#pragma once
// The multiple-choice question: five answer choices, exactly one of the first
// four right. The template that the other question models follow, and the
// base of the quotation question, which differs only in its texts.
#include "models/questionmodel.h"
#include "models/verdict.h"

#include <array>

namespace brev {

class MultipleChoiceModel : public QuestionModel {
    Q_DECLARE_TR_FUNCTIONS(brev::MultipleChoiceModel)
public:
    using QuestionModel::QuestionModel;

    // Draws the right choice's position, then the five records.
    bool load() override;

    // Choice i (0..4) pressed: the judgement, nothing applied yet.
    virtual Verdict choose(int i) const;
    QString reviewQuestion() const override { return shownQuestion(); }
    QString rightAnswer() const override { return choices_[size_t(answerSlot_)]; }
    // The five choices; the one president asked about is the right choice's.
    // Written: the question, the five choices and the right one's position.
    QuestionRecord unanswered() const override;

    int answerSlot() const { return answerSlot_; }
    const QString& choiceText(int i) const { return choices_[size_t(i)]; }
    // The question as the files write it, and as the player sees it.
    const QString& question() const { return question_; }
    QString shownQuestion() const;

    static QString helpText();

protected:
    // The caption of the choice that shows the record.
    virtual QString choiceFor(int record) const;

    int answerSlot_ = 0;
    std::array<QString, 5> choices_{};
    QString question_;
};

} // namespace brev
