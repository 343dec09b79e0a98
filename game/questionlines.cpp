#include "game/questionlines.h"

#include "base/categories.h"
#include "game/questionkinds.h"
#include "models/exportlines.h"

namespace brev {

namespace {

const QString kQuoteTooLong = QStringLiteral("* Quote TOO LONG * ");
const QString kQuestionTooLong = QStringLiteral("* Question TOO LONG * ");
const QString kTooLong = QStringLiteral("* TOO LONG * ");

QStringList numbered(const QList<int>& numbers)
{
    QStringList out;
    for (const int n : numbers)
        out << QString::number(n);
    return out;
}

QString quotationLine(const WrittenQuestion& w)
{
    const QString quote = flattened(w.quotation);
    QString line = w.question + QStringLiteral(" -- ") + quote + QLatin1Char('\t');
    QString markers;
    for (const QString& choice : w.choices.mid(0, 4)) {
        line += choice + QLatin1Char('\t');
        if (choice.size() > kTabbedQuoteChoiceLimit)
            markers += kQuoteTooLong;
    }
    line += QString::number(w.answer + 1);
    if (quote.size() > kTabbedQuoteLimit)
        markers.prepend(kQuoteTooLong);
    return markers + line;
}

QString oddOneOutLine(const WrittenQuestion& w)
{
    QString line = w.question;
    if (line.size() > kTabbedQuestionLimit)
        line.prepend(kQuestionTooLong);
    for (const QString& item : w.choices) {
        if (item.size() > kTabbedItemLimit)
            line.prepend(kTooLong);
        line += QLatin1Char('\t') + item;
    }
    return line + QLatin1Char('\t') + QString::number(w.answer + 1);
}

QString matchingLine(const WrittenQuestion& w)
{
    const int firstBarAt = int(w.barAt.indexOf(0));
    QString line = w.question + QStringLiteral(" -- ") + w.choices.value(firstBarAt);
    if (line.size() > kTabbedQuestionLimit)
        line = kQuestionTooLong + line;
    for (int p = 0; p + 1 < w.barAt.size(); ++p) {
        const QString& name = w.names.at(w.barAt.at(p));
        if (name.size() > kTabbedChoiceLimit)
            line = kTooLong + line;
        line += QLatin1Char('\t') + name;
    }
    const int answer = firstBarAt + 1 < int(w.barAt.size()) ? firstBarAt + 1 : 0;
    return line + QLatin1Char('\t') + QString::number(answer);
}

} // namespace

namespace writers {

QStringList choicePlay(const QuestionRecord&)
{
    return {QStringLiteral("Multiple Choice")};
}

QStringList oddOneOutPlay(const QuestionRecord& record)
{
    return {categoryName(record.category)};
}

QStringList sortPlay(const QuestionRecord& record)
{
    return QStringList{QStringLiteral("Sorting: ") + categoryName(record.category)} + record.written.names;
}

QStringList matchPlay(const QuestionRecord& record)
{
    return QStringList{categoryName(record.category)} + record.written.names;
}

QStringList portraitPlay(const QuestionRecord& record)
{
    return QStringList{QStringLiteral("Match ") + categoryName(record.category)} + record.written.names;
}

QStringList multipleChoiceOnline(const QuestionRecord& record)
{
    const WrittenQuestion& w = record.written;
    return QStringList{QStringLiteral("MULT"), categoryName(record.category)} + w.choices +
           QStringList{w.question, onlineAnswerLine(w.answer)};
}

QStringList quotationOnline(const QuestionRecord& record)
{
    const WrittenQuestion& w = record.written;
    return QStringList{QStringLiteral("MULTQ"), categoryName(record.category)} + w.choices +
           QStringList{w.question, w.quotation, QStringLiteral("*****"), onlineAnswerLine(w.answer)};
}

QStringList oddOneOutOnline(const QuestionRecord& record)
{
    const WrittenQuestion& w = record.written;
    return QStringList{QStringLiteral("ODDOUT"), categoryName(record.category), w.question} + w.choices +
           QStringList{onlineAnswerLine(w.answer)};
}

QStringList sortOnline(const QuestionRecord& record)
{
    const WrittenQuestion& w = record.written;
    return QStringList{QStringLiteral("SORT"), categoryName(record.category)} + w.choices +
           numbered(w.sortKeys);
}

QStringList matchOnline(const QuestionRecord& record)
{
    const WrittenQuestion& w = record.written;
    QList<int> bars;
    for (const int bar : w.barAt)
        bars << bar + 1;
    return QStringList{QStringLiteral("MATCH"), categoryName(record.category)} + w.names + w.choices +
           numbered(bars);
}

QStringList portraitOnline(const QuestionRecord& record)
{
    const WrittenQuestion& w = record.written;
    QStringList block{QStringLiteral("IMATCH"), categoryName(record.category)};
    block << w.names;
    for (qsizetype p = 0; p < w.barAt.size(); ++p)
        block << QString::number(w.barAt.at(p) + 1) << w.pictures.value(p);
    return block;
}

QStringList multipleChoiceTabbed(const QuestionRecord& record)
{
    const WrittenQuestion& w = record.written;
    TabbedQuestionLine tabbed;
    for (int i = 0; i < int(w.choices.size()); ++i)
        tabbed.addChoice(i, w.choices.at(i));
    return {tabbed.line(w.question, w.answer)};
}

QStringList quotationTabbed(const QuestionRecord& record)
{
    return {quotationLine(record.written)};
}

QStringList oddOneOutTabbed(const QuestionRecord& record)
{
    return {oddOneOutLine(record.written)};
}

QStringList matchTabbed(const QuestionRecord& record)
{
    return {matchingLine(record.written)};
}

} // namespace writers

namespace {
QStringList written(LineWriter QuestionKind::*form, const QuestionRecord& record)
{
    const QuestionKind* kind = questionKind(record.screen);
    return kind && kind->*form ? (kind->*form)(record) : QStringList{};
}
} // namespace

QStringList playLines(const QuestionRecord& record)
{
    return written(&QuestionKind::playLines, record);
}

QStringList onlineLines(const QuestionRecord& record)
{
    return written(&QuestionKind::onlineLines, record);
}

QStringList tabbedLines(const QuestionRecord& record)
{
    return written(&QuestionKind::tabbedLines, record);
}

QString flattened(const QString& text)
{
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("/ "));
    // A lone carriage return or line feed would break the line just as well.
    line.replace(QLatin1Char('\r'), QStringLiteral("/ "));
    line.replace(QLatin1Char('\n'), QStringLiteral("/ "));
    return line;
}

QList<LogLine> judgedLines(const Verdict& verdict, RunMode mode)
{
    if (!writtenIn(verdict.record.category, mode))
        return verdict.log;
    QList<LogLine> lines;
    for (const LogLine& line : verdict.log)
        if (line.kind == LineKind::Answer)
            lines << line;
    return lines;
}

} // namespace brev
