#include "models/quotationmodel.h"

#include "models/exportlines.h"
#include "store/records.h"

namespace brev {

namespace {
const QString kQuoteTooLong = QStringLiteral("* Quote TOO LONG * ");
} // namespace

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
    const QString source = records().isRecord(speaker) ? records().presidents[size_t(speaker)].quotationSource : QString();
    if (!source.trimmed().isEmpty())
        v.results += kLineBreak + tr("Source: %1").arg(source);
    return v;
}

QString QuotationModel::choiceFor(int record) const
{
    return field(record);
}

QString QuotationModel::flattened(const QString& text)
{
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("/ "));
    // A lone carriage return or line feed would break the line just as well.
    line.replace(QLatin1Char('\r'), QStringLiteral("/ "));
    line.replace(QLatin1Char('\n'), QStringLiteral("/ "));
    return line;
}

QStringList QuotationModel::exportLines() const
{
    if (mode() == RunMode::OnlineExport) {
        QStringList block{QStringLiteral("MULTQ"), categoryName()};
        for (const QString& choice : choices_)
            block << choice;
        block << question_ << quotation_ << QStringLiteral("*****") << onlineAnswerLine(answerSlot_);
        return block;
    }
    if (mode() == RunMode::TabbedExport) {
        const QString quote = flattened(quotation_);
        QString line = question_ + QStringLiteral(" -- ") + quote + QLatin1Char('\t');
        QString markers;
        for (int i = 0; i < 4; ++i) {
            line += choices_[size_t(i)] + QLatin1Char('\t');
            if (choices_[size_t(i)].size() > kTabbedQuoteChoiceLimit)
                markers += kQuoteTooLong;
        }
        line += QString::number(answerSlot_ + 1);
        if (quote.size() > kTabbedQuoteLimit)
            markers.prepend(kQuoteTooLong);
        return {markers + line};
    }
    return {};
}

} // namespace brev
