// Random choice of the records for one question.
#include "rules/itemdraw.h"

#include "base/peoplelists.h"
#include "base/seams.h"
#include "store/records.h"
#include "rules/texts.h"

#include <algorithm>
#include <utility>

namespace brev {

namespace {

constexpr int kDrawsPerLevel = 100;
constexpr int kLevelStep = 2;
constexpr int kLevelLimit = 5000;
constexpr int kCounterMax = 32767;
const QString kSpace = QStringLiteral(" ");

// The extra condition a record must meet for the category. A category without
// a check is never drawn (the table test keeps it so); its records all pass.
bool passesCheck(const President& p, int category)
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
    return true;
}

// Two items of one question are one answer when their texts are equal, or,
// for a field that lists people, when they name one person.
bool sameItem(const QString& a, const QString& b, int category)
{
    return a == b || (listsPeople(categoryRow(category).field) && sharePerson(a, b));
}

// A sorting question in order of presidency whose items list people: an item
// also fits the year of another president whose record names all its people
// (John J. Crittenden was attorney general in 1841 and in 1850).
bool itemsFitOtherYears(int category)
{
    const Category& row = categoryRow(category);
    return row.sortKey == SortKey::Term && listsPeople(row.field);
}

// The earliest and the latest year record r's item fits: its own, and that of
// every other record in play that names all its people.
std::pair<int, int> yearsFitted(const Records& records, int r, int category)
{
    const QString people = fieldText(records, r, category);
    std::pair<int, int> years(sortKey(records, r, category), sortKey(records, r, category));
    for (int other = 1; other <= records.inPlay(); ++other) {
        if (other != r && namesEvery(fieldText(records, other, category), people)) {
            const int year = sortKey(records, other, category);
            years = {std::min(years.first, year), std::max(years.second, year)};
        }
    }
    return years;
}

// Whether two items of a sorting question stand in one order at every year
// they fit. Items of one year are in order either way round; otherwise the
// earlier may not fit a year at or after any the later fits, where the two
// would stand level or the other way round.
bool orderCertain(const Records& records, int a, int b, int category)
{
    if (sortKey(records, a, category) == sortKey(records, b, category))
        return true;
    if (sortKey(records, a, category) > sortKey(records, b, category))
        std::swap(a, b);
    return yearsFitted(records, a, category).second < yearsFitted(records, b, category).first;
}

} // namespace

bool ItemDraw::suitsCategory(int record, int category) const
{
    if (record < 1 || record > records_.inPlay())
        return false;
    return passesCheck(records_.presidents[size_t(record)], category) &&
           fieldText(records_, record, category) > kSpace;
}

double ItemDraw::uniform()
{
    return random_.uniform();
}

int ItemDraw::pick(int category, Chosen& chosen, int slot, PickRule rule,
                   const std::function<bool(int)>& suits)
{
    const int records = records_.inPlay();
    if (slot < 0 || slot >= static_cast<int>(chosen.size()) || records < 1 ||
        static_cast<int>(usage_.size()) <= records)
        return 0;
    int level = 1;
    int draws = 0;
    int result = -1;
    while (result < 0) {
        const double r = random_.uniform();
        const int n = std::clamp(static_cast<int>(r * records), 0, records - 1) + 1;
        const President& p = records_.presidents[size_t(n)];
        if (passesCheck(p, category) && usage_[size_t(n)] < level) {
            const QString text = fieldText(records_, n, category);
            if (text > kSpace && (!suits || suits(n))) {
                bool fits = true;
                if (rule == PickRule::NewText) {
                    for (int k = 0; k < slot; ++k)
                        if (sameItem(fieldText(records_, chosen[size_t(k)], category), text, category))
                            fits = false;
                    for (int k = 0; k < slot && fits && itemsFitOtherYears(category); ++k)
                        fits = orderCertain(records_, chosen[size_t(k)], n, category);
                } else {
                    fits = slot > 0 && fieldText(records_, chosen[0], category) == text &&
                           std::find(chosen.begin(), chosen.begin() + slot, n) == chosen.begin() + slot;
                }
                if (fits) {
                    result = n;
                    chosen[size_t(slot)] = n;
                    usage_[size_t(n)] = std::min(kCounterMax, usage_[size_t(n)] + (slot == 0 ? 10 : 1));
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
