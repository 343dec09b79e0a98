#include "models/quotationmodel.h"

#include "store/records.h"

namespace brev {

bool QuotationModel::load()
{
    if (!MultipleChoiceModel::load())
        return false;
    quotation_ = text(TextKind::Answer, chosen_[size_t(answerSlot_)], category());
    return true;
}

Verdict QuotationModel::choose(int i) const
{
    Verdict v = MultipleChoiceModel::choose(i);
    const int speaker = chosen_[size_t(answerSlot_)];
    const QString source =
        records().isRecord(speaker) ? records().presidents[size_t(speaker)].quotationSource : QString();
    if (!source.trimmed().isEmpty())
        v.results += kLineBreak + tr("Source: %1").arg(source);
    return v;
}

QString QuotationModel::choiceFor(int record) const
{
    return field(record);
}

QuestionRecord QuotationModel::unanswered() const
{
    QuestionRecord r = MultipleChoiceModel::unanswered();
    r.written.quotation = quotation_;
    return r;
}

} // namespace brev
