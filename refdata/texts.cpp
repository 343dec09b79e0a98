// Category names, end-of-term texts, and the texts and sort keys that the
// question screens show for a record.
#include "refdata/texts.h"

#include "refdata/brevmain.h"

#include "services/context.h"

namespace brev {

namespace {

bool validRecord(int r) { return r >= 0 && r < kTableSlots; }
bool validCategory(int k) { return k >= 0 && k < kCategories; }

} // namespace

void setcategories(AppContext& ctx)
{
    ctx.endkinds = {QStringLiteral("Served term"), QStringLiteral("Died in office"),
                    QStringLiteral("Assassinated"), QStringLiteral("Lost try at re-election"),
                    QString()};
    static const char* const names[kCategories] = {
        "Name",
        "When did this president serve?",
        "Who was this president's Vice President?",
        "When was this president born?",
        "Match Presidents and terms",
        "Match Vice Presidents",
        "Match First Ladies and Presidents",
        "Match Birthplaces",
        "Match Sec'ys of State",
        "Match Sec'ys of War/Defense",
        "Match Att'ys General",
        "Portraits ",
        "Sort by birthdate",
        "Sort First Ladies by term",
        "Sort Vice Presidents",
        "Sort by term served",
        "Sort Sec'ys of State",
        "Sort Sec'ys of War/Defense",
        "Sort Att'ys General",
        "",
        "Who didn't belong to this party? ",
        "Name Me",
        "Sort Supreme Court appointments",
        "Match Supreme Court appointments",
        "Match End of terms",
        "Who didn't finish this term this way? ",
        "Match Political opponents ",
        "Match Homes",
        "",
        "Who said it?",
    };
    for (int k = 0; k < kCategories; ++k)
        ctx.catnames[k] = QString::fromLatin1(names[k]);
}

QString getpstr(AppContext& ctx, int r, int k)
{
    if (!validRecord(r) || !validCategory(k))
        return {};
    const President& p = ctx.presidents[r];
    switch (k) {
    case 0: case 11: case 12: case 15: case 21: case kQuoteCategory: return p.name;
    case 1: case 4: return p.term;
    case 2: case 5: case 14: return p.vice;
    case 3: return p.birth;
    case 6: case 13: return p.wife;
    case 7: return p.birthplace;
    case 8: case 16: return p.secState;
    case 9: case 17: return p.secWar;
    case 10: case 18: return p.attnGen;
    case 20: return p.party;
    case 22: case 23: return p.court;
    case 24: case 25:
        return p.endKind >= 0 && p.endKind <= 4 ? ctx.endkinds[p.endKind] : QString();
    case 26: return p.opponent;
    case 27: return p.home;
    default:
        ctx.messages->ok(QStringLiteral("No getpstr for %1%2").arg(k).arg(ctx.catnames[k]));
        return {};
    }
}

QString getquestion(AppContext& ctx, TextKind kind, int b, int c)
{
    const int k = ctx.game.category;
    if (!validCategory(k) || !validRecord(b))
        return {};
    switch (kind) {
    case TextKind::SortTitle:
        return k == 12 ? ctx.catnames[k] : ctx.catnames[k] + QStringLiteral(", in order of Presidency");
    case TextKind::Item:
        return c != 0 ? getpstr(ctx, b, k) : getpstr(ctx, b, 0);
    case TextKind::SortedPair:
        if (!validRecord(c))
            return {};
        return getquestion(ctx, TextKind::Item, b, k) + u' ' + QString::number(getsortval(ctx, b, k))
            + QStringLiteral(" > ") + getquestion(ctx, TextKind::Item, c, k) + u' '
            + QString::number(getsortval(ctx, c, k));
    case TextKind::Answer:
        if (k == 0 || k == 13 || k == 19 || k == 21 || k == 28)
            return QStringLiteral(" *** need L_PARAM for %1%2").arg(k).arg(ctx.catnames[k]);
        if (k == kQuoteCategory)
            return ctx.presidents[b].spare3;
        return getpstr(ctx, b, k);
    case TextKind::Question: {
        const QString& name = ctx.presidents[b].name;
        if (k == 1)
            return QStringLiteral("When did ") + name + QStringLiteral(" serve?");
        if (k == 2)
            return QStringLiteral("Who served as Vice President under ") + name + u'?';
        if (k == 3)
            return QStringLiteral("When was ") + name + QStringLiteral(" born?");
        if (k == kQuoteCategory)
            return QStringLiteral("Who said this?");
        return ctx.catnames[k];
    }
    default:
        return {};
    }
}

int getsortval(AppContext& ctx, int r, int k)
{
    if (!validRecord(r))
        return 0;
    switch (k) {
    case 12: return ctx.presidents[r].birthKey;
    case 13: case 14: case 15: case 16: case 17: case 18: case 22: return ctx.presidents[r].termKey;
    default:
        ctx.messages->ok(QStringLiteral("getsortval not defined%1").arg(k));
        return 0;
    }
}

} // namespace brev
