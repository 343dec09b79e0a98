#pragma once
// The quotation question: a quotation of one president and five names, one
// of the first four the speaker's. Judging, help and skip are the
// multiple-choice question's.
#include "models/multiplechoicemodel.h"

namespace brev {

class QuotationModel : public MultipleChoiceModel {
    Q_DECLARE_TR_FUNCTIONS(brev::QuotationModel)
public:
    using MultipleChoiceModel::MultipleChoiceModel;

    // The multiple-choice draw; the choices are the records' texts for the
    // category and the quotation is the answer record's.
    bool load() override;
    // The multiple-choice record; written, with the quotation as well.
    QuestionRecord unanswered() const override;
    // The multiple-choice judgement, with the quotation's source on a line
    // of its own under the result.
    Verdict choose(int i) const override;
    QString reviewQuestion() const override { return shownQuestion() + kLineBreak + quotation_; }

    const QString& quotation() const { return quotation_; }

protected:
    QString choiceFor(int record) const override;

private:
    QString quotation_;
};

} // namespace brev
