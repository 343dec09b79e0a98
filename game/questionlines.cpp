#include "game/questionlines.h"

#include "base/categories.h"
#include "base/kindfacts.h"
#include "models/exportlines.h"

namespace brev {

namespace {

const QString kQuoteTooLong = QStringLiteral("* Quote TOO LONG * ");
const QString kQuestionTooLong = QStringLiteral("* Question TOO LONG * ");
const QString kTooLong = QStringLiteral("* TOO LONG * ");

// Whether the export in `mode` writes questions of the category.
bool formWrites(int category, RunMode mode)
{
    switch (mode) {
    case RunMode::Play: return false;
    case RunMode::OnlineExport: return kindOf(category).onlineForm;
    case RunMode::TabbedExport: return kindOf(category).tabbedForm;
    }
    return false;
}

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

QStringList playLines(const QuestionRecord& record)
{
    const QString category = categoryName(record.category);
    switch (record.screen) {
    case Screen::MultipleChoice:
    case Screen::Quotation: return {QStringLiteral("Multiple Choice")};
    case Screen::OddOneOut: return {category};
    case Screen::Sorting: return QStringList{QStringLiteral("Sorting: ") + category} + record.written.names;
    case Screen::Matching: return QStringList{category} + record.written.names;
    case Screen::Portraits: return QStringList{QStringLiteral("Match ") + category} + record.written.names;
    case Screen::NameMe:
    case Screen::None: break;
    }
    return {};
}

QStringList onlineLines(const QuestionRecord& record)
{
    const WrittenQuestion& w = record.written;
    const QString category = categoryName(record.category);
    switch (record.screen) {
    case Screen::MultipleChoice:
        return QStringList{QStringLiteral("MULT"), category} + w.choices
               + QStringList{w.question, onlineAnswerLine(w.answer)};
    case Screen::Quotation:
        return QStringList{QStringLiteral("MULTQ"), category} + w.choices
               + QStringList{w.question, w.quotation, QStringLiteral("*****"), onlineAnswerLine(w.answer)};
    case Screen::OddOneOut:
        return QStringList{QStringLiteral("ODDOUT"), category, w.question} + w.choices
               + QStringList{onlineAnswerLine(w.answer)};
    case Screen::Sorting:
        return QStringList{QStringLiteral("SORT"), category} + w.choices + numbered(w.sortKeys);
    case Screen::Matching: {
        QList<int> bars;
        for (const int bar : w.barAt)
            bars << bar + 1;
        return QStringList{QStringLiteral("MATCH"), category} + w.names + w.choices + numbered(bars);
    }
    case Screen::Portraits: {
        QStringList block{QStringLiteral("IMATCH"), category};
        block << w.names;
        for (qsizetype p = 0; p < w.barAt.size(); ++p)
            block << QString::number(w.barAt.at(p) + 1) << w.pictures.value(p);
        return block;
    }
    case Screen::NameMe:
    case Screen::None: break;
    }
    return {};
}

QStringList tabbedLines(const QuestionRecord& record)
{
    const WrittenQuestion& w = record.written;
    switch (record.screen) {
    case Screen::MultipleChoice: {
        TabbedQuestionLine tabbed;
        for (int i = 0; i < int(w.choices.size()); ++i)
            tabbed.addChoice(i, w.choices.at(i));
        return {tabbed.line(w.question, w.answer)};
    }
    case Screen::Quotation: return {quotationLine(w)};
    case Screen::OddOneOut: return {oddOneOutLine(w)};
    case Screen::Matching: return {matchingLine(w)};
    case Screen::Sorting:
    case Screen::Portraits:
    case Screen::NameMe:
    case Screen::None: break;
    }
    return {};
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
    if (!formWrites(verdict.record.category, mode))
        return verdict.log;
    QList<LogLine> lines;
    for (const LogLine& line : verdict.log)
        if (line.kind == LineKind::Answer)
            lines << line;
    return lines;
}

} // namespace brev
