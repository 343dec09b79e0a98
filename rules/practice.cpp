#include "rules/practice.h"

#include "rules/mastery.h"
#include "base/seams.h"

#include <algorithm>
#include <tuple>

namespace brev {

QList<int> practiceOrder(const QList<PresidentEntry>& set, const QList<PresidentHistory>& histories,
                         RandomSource* ties)
{
    struct Place {
        int record;
        std::tuple<int, int, int, double> weakness; // smaller first
    };
    QList<Place> places;
    places.reserve(set.size());
    for (const PresidentEntry& p : set) {
        const Mastery m = masteryOf(historyOf(histories, p.record));
        const double shuffle = ties ? ties->uniform() : 0.0;
        places.append({p.record, {int(m.level), m.points, m.right - m.counted, shuffle}});
    }
    std::stable_sort(places.begin(), places.end(),
                     [](const Place& a, const Place& b) { return a.weakness < b.weakness; });
    QList<int> order;
    order.reserve(places.size());
    for (const Place& p : places)
        order.append(p.record);
    return order;
}

PracticeFocus::PracticeFocus(const QList<int>& order, int size) : records_(order.mid(0, std::max(size, 0)))
{
    focus_ = QSet<int>(records_.begin(), records_.end());
}

bool PracticeFocus::suits(const QList<int>& drawn) const
{
    const auto inFocus = std::count_if(drawn.begin(), drawn.end(), [this](int r) { return contains(r); });
    return inFocus >= needed(int(drawn.size()));
}

} // namespace brev
