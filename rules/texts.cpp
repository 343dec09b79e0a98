// The texts and sort keys that questions show for a record.
#include "rules/texts.h"

#include "base/categories.h"
#include "store/records.h"

#include <QCoreApplication>

namespace brev {

namespace {

// The headings of the sorting questions that sort in order of presidency,
// each one whole text for the translators: the category's name and ", in
// order of Presidency".
inline constexpr char kSortTitleContext[] = "brev::SortTitles";
[[maybe_unused]] constexpr const char* kSortTitles[] = {
    QT_TRANSLATE_NOOP("brev::SortTitles", "Sort First Ladies by term, in order of Presidency"),
    QT_TRANSLATE_NOOP("brev::SortTitles", "Sort Vice Presidents, in order of Presidency"),
    QT_TRANSLATE_NOOP("brev::SortTitles", "Sort by term served, in order of Presidency"),
    QT_TRANSLATE_NOOP("brev::SortTitles", "Sort Sec'ys of State, in order of Presidency"),
    QT_TRANSLATE_NOOP("brev::SortTitles", "Sort Sec'ys of War/Defense, in order of Presidency"),
    QT_TRANSLATE_NOOP("brev::SortTitles", "Sort Att'ys General, in order of Presidency"),
    QT_TRANSLATE_NOOP("brev::SortTitles", "Sort Supreme Court appointments, in order of Presidency"),
};

QString sortTitle(int category, Wording wording)
{
    if (categoryRow(category).sortKey == SortKey::Birth)
        return categoryName(category, wording);
    const QString title = categoryName(category) + QStringLiteral(", in order of Presidency");
    if (wording == Wording::Written)
        return title;
    return QCoreApplication::translate(kSortTitleContext, title.toLatin1().constData());
}

// A slot of the table: a record, or one of the empty slots around them.
bool validRecord(const Records& records, int record)
{
    return record >= 0 && record < int(records.presidents.size());
}

QString fieldOf(const President& p, Field field, Wording wording)
{
    switch (field) {
    case Field::Name: return p.name;
    case Field::Term: return p.term;
    case Field::Vice: return p.vice;
    case Field::Birth: return p.birth;
    case Field::Wife: return p.wife;
    case Field::Birthplace: return p.birthplace;
    case Field::SecState: return p.secState;
    case Field::SecWar: return p.secWar;
    case Field::AttnGen: return p.attnGen;
    case Field::Party: return p.party;
    case Field::Court: return p.court;
    case Field::EndKind: return endKindText(p.endKind, wording);
    case Field::Opponent: return p.opponent;
    case Field::Home: return p.home;
    case Field::None: break;
    }
    return {};
}

} // namespace

QString fieldText(const Records& records, int record, int category, Wording wording)
{
    if (!validRecord(records, record) || !isCategory(category))
        return {};
    return fieldOf(records.presidents[size_t(record)], categoryRow(category).field, wording);
}

QString questionText(const Records& records, int category, TextKind kind, int record, int other,
                     Wording wording)
{
    if (!isCategory(category) || !validRecord(records, record))
        return {};
    const Category& row = categoryRow(category);
    switch (kind) {
    case TextKind::SortTitle: return sortTitle(category, wording);
    case TextKind::Item:
        return other != 0 ? fieldText(records, record, category, wording)
                          : fieldText(records, record, 0, wording);
    case TextKind::SortedPair:
        if (!validRecord(records, other))
            return {};
        return questionText(records, category, TextKind::Item, record, category, wording) + u' ' +
               QString::number(sortKey(records, record, category)) + QStringLiteral(" > ") +
               questionText(records, category, TextKind::Item, other, category, wording) + u' ' +
               QString::number(sortKey(records, other, category));
    case TextKind::Answer:
        switch (row.answer) {
        case AnswerText::Missing:
            return QStringLiteral(" *** need L_PARAM for %1%2").arg(category).arg(categoryName(category));
        case AnswerText::Quotation: return records.presidents[size_t(record)].quotation;
        case AnswerText::Field: break;
        }
        return fieldText(records, record, category, wording);
    case TextKind::Question:
        if (!row.question)
            return categoryName(category, wording);
        if (const QString question = worded(kCategoryContext, row.question, wording);
            question.contains(QLatin1String("%1")))
            return question.arg(records.presidents[size_t(record)].name);
        else
            return question;
    default: return {};
    }
}

int sortKey(const Records& records, int record, int category)
{
    if (!validRecord(records, record))
        return 0;
    switch (categoryRow(category).sortKey) {
    case SortKey::Birth: return records.presidents[size_t(record)].birthKey;
    case SortKey::Term: return records.presidents[size_t(record)].termKey;
    case SortKey::None: break;
    }
    return 0;
}

} // namespace brev
