#pragma once
// The quotation question: a quotation of one president and five names, one
// of the first four the speaker's. Judging, help and skip are the
// multiple-choice question's.
#include "models/multiplechoicemodel.h"

namespace brev {

// Longest flattened quotation, and longest choice, the tabbed form takes
// without a "* Quote TOO LONG * " marker.
inline constexpr int kTabbedQuoteLimit = 100;
inline constexpr int kTabbedQuoteChoiceLimit = 130;

class QuotationModel : public MultipleChoiceModel {
    Q_DECLARE_TR_FUNCTIONS(brev::QuotationModel)
public:
    using MultipleChoiceModel::MultipleChoiceModel;

    // The multiple-choice draw; the choices are the records' texts for the
    // category and the quotation is the answer record's.
    bool load() override;
    // "MULTQ", the category, the five choices, the question, the quotation,
    // "*****" and " n"; or question " -- " quotation (line breaks written
    // "/ ") TAB choices 1..4 TAB n, with every marker in front of the line.
    QStringList exportLines() const override;
    // The multiple-choice judgement, with the quotation's source on a line
    // of its own under the result.
    Verdict choose(int i) const override;
    QString reviewQuestion() const override { return shownQuestion() + kLineBreak + quotation_; }

    const QString& quotation() const { return quotation_; }

    // The quotation on one line: each line break becomes "/ ".
    static QString flattened(const QString& text);

protected:
    QString choiceFor(int record) const override;

private:
    QString quotation_;
};

} // namespace brev
