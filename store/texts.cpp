// Category names, end-of-term texts, and the texts and sort keys that the
// question screens show for a record.
#include "store/texts.h"

#include "store/brevmain.h"

#include "store/context.h"

namespace brev {

namespace {

// A slot of the table: a record, or one of the empty slots around them.
bool validRecord(const AppContext& ctx, int r) { return r >= 0 && r < int(ctx.presidents.size()); }

QString fieldText(const AppContext& ctx, const President& p, Field field)
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
    case Field::EndKind:
        return p.endKind >= 0 && p.endKind < int(ctx.endkinds.size()) ? ctx.endkinds[size_t(p.endKind)] : QString();
    case Field::Opponent: return p.opponent;
    case Field::Home: return p.home;
    case Field::None: break;
    }
    return {};
}

} // namespace

void setcategories(AppContext& ctx)
{
    ctx.endkinds = {QStringLiteral("Served term"), QStringLiteral("Died in office"),
                    QStringLiteral("Assassinated"), QStringLiteral("Lost try at re-election"),
                    QString(), QStringLiteral("In office")};
    for (int k = 0; k < kCategories; ++k)
        ctx.catnames[size_t(k)] = QString::fromLatin1(kCategoryTable[size_t(k)].name);
}

QString getpstr(AppContext& ctx, int r, int k)
{
    if (!validRecord(ctx, r) || !isCategory(k))
        return {};
    const Field field = categoryRow(k).field;
    if (field == Field::None) {
        ctx.messages->ok(QStringLiteral("No getpstr for %1%2").arg(k).arg(ctx.catnames[size_t(k)]));
        return {};
    }
    return fieldText(ctx, ctx.presidents[size_t(r)], field);
}

QString getquestion(AppContext& ctx, TextKind kind, int b, int c)
{
    const int k = ctx.game.category;
    if (!isCategory(k) || !validRecord(ctx, b))
        return {};
    const Category& row = categoryRow(k);
    switch (kind) {
    case TextKind::SortTitle:
        return row.sortKey == SortKey::Birth ? ctx.catnames[size_t(k)]
                                             : ctx.catnames[size_t(k)] + QStringLiteral(", in order of Presidency");
    case TextKind::Item:
        return c != 0 ? getpstr(ctx, b, k) : getpstr(ctx, b, 0);
    case TextKind::SortedPair:
        if (!validRecord(ctx, c))
            return {};
        return getquestion(ctx, TextKind::Item, b, k) + u' ' + QString::number(getsortval(ctx, b, k))
            + QStringLiteral(" > ") + getquestion(ctx, TextKind::Item, c, k) + u' '
            + QString::number(getsortval(ctx, c, k));
    case TextKind::Answer:
        switch (row.answer) {
        case AnswerText::Missing:
            return QStringLiteral(" *** need L_PARAM for %1%2").arg(k).arg(ctx.catnames[size_t(k)]);
        case AnswerText::Quotation:
            return ctx.presidents[size_t(b)].quotation;
        case AnswerText::Field:
            break;
        }
        return getpstr(ctx, b, k);
    case TextKind::Question:
        if (!row.question)
            return ctx.catnames[size_t(k)];
        if (const QString question = QString::fromLatin1(row.question); question.contains(QLatin1String("%1")))
            return question.arg(ctx.presidents[size_t(b)].name);
        else
            return question;
    default:
        return {};
    }
}

int getsortval(AppContext& ctx, int r, int k)
{
    if (!validRecord(ctx, r))
        return 0;
    switch (categoryRow(k).sortKey) {
    case SortKey::Birth: return ctx.presidents[size_t(r)].birthKey;
    case SortKey::Term: return ctx.presidents[size_t(r)].termKey;
    case SortKey::None: break;
    }
    ctx.messages->ok(QStringLiteral("getsortval not defined%1").arg(k));
    return 0;
}

} // namespace brev
