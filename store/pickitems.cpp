// Random choice of the records for one question.
#include "store/pickitems.h"

#include "store/texts.h"

#include "store/brevmain.h"

#include "store/context.h"

#include "base/peoplelists.h"

#include <algorithm>

namespace brev {

namespace {

constexpr int kDrawsPerLevel = 100;
constexpr int kLevelStep = 2;
constexpr int kLevelLimit = 5000;
constexpr int kCounterMax = 32767;
const QString kSpace = QStringLiteral(" ");

// The extra condition a record must meet for the current category.
bool passesCheck(AppContext& ctx, const President& p, int category)
{
    switch (categoryRow(category).check) {
    case DrawCheck::None: return true;
    case DrawCheck::TermKnown: return p.termKey >= 1;
    case DrawCheck::BirthKnown: return p.birthKey >= 1;
    case DrawCheck::ViceNamed: return p.vice.size() >= 5;
    case DrawCheck::WifeNamed: return p.wife.size() >= 5;
    case DrawCheck::CourtNamed: return p.court >= kSpace;
    case DrawCheck::HasPortrait: return p.image >= kSpace;
    case DrawCheck::HasQuotation: return p.quotation > kSpace;
    case DrawCheck::OneWayEnded: return !p.servedApart();
    case DrawCheck::Unlisted: break;
    }
    ctx.messages->ok(QStringLiteral("No special check for %1 %2")
                         .arg(category)
                         .arg(isCategory(category) ? ctx.catnames[size_t(category)] : QString()));
    return true;
}

// Two items of one question are one answer when their texts are equal, or,
// for a field that lists people, when they name one person.
bool sameItem(const QString& a, const QString& b, int category)
{
    return a == b || (listsPeople(categoryRow(category).field) && sharePerson(a, b));
}

} // namespace

bool suitsCategory(AppContext& ctx, int record, int category)
{
    if (record < 1 || record > ctx.nrecords)
        return false;
    return passesCheck(ctx, ctx.presidents[record], category) && getpstr(ctx, record, category) > kSpace;
}

int pickitems(AppContext& ctx, int slot, PickRule rule, const std::function<bool(int)>& suits)
{
    if (slot < 0 || slot >= static_cast<int>(ctx.game.chosen.size()) || ctx.nrecords < 1
        || static_cast<int>(ctx.game.itemUse.size()) <= ctx.nrecords)
        return 0;
    const int category = ctx.game.category;
    const auto& chosen = ctx.game.chosen;
    int level = 1;
    int draws = 0;
    int result = -1;
    while (result < 0) {
        const double r = ctx.random->uniform();
        const int n = std::clamp(static_cast<int>(r * ctx.nrecords), 0, ctx.nrecords - 1) + 1;
        const President& p = ctx.presidents[n];
        if (passesCheck(ctx, p, category) && ctx.game.itemUse[n] < level) {
            const QString text = getpstr(ctx, n, category);
            if (text > kSpace && (!suits || suits(n))) {
                bool fits = true;
                if (rule == PickRule::NewText) {
                    for (int k = 0; k < slot; ++k)
                        if (sameItem(getpstr(ctx, chosen[k], category), text, category))
                            fits = false;
                } else {
                    fits = slot > 0 && getpstr(ctx, chosen[0], category) == text
                           && std::find(chosen.begin(), chosen.begin() + slot, n) == chosen.begin() + slot;
                }
                if (fits) {
                    result = n;
                    ctx.game.chosen[slot] = n;
                    ctx.game.itemUse[n] = std::min(kCounterMax, ctx.game.itemUse[n] + (slot == 0 ? 10 : 1));
                }
            }
        }
        if (++draws > kDrawsPerLevel) {
            level += kLevelStep;
            draws = 0;
        }
        if (level > kLevelLimit)
            result = 0;
    }
    return result;
}

} // namespace brev
