#pragma once
// The draw of a practice game: the presidents a player knows least come first.
// The ordinary game's draw does not use any of this.
#include "store/progress.h"

#include <QList>
#include <QSet>

namespace brev {

class RandomSource;

// The records of the current set (term order) as a practice game takes them:
// unseen presidents first, then the lower mastery level, the fewer mastery
// points, the more misses among the latest answers. Presidents alike in all
// of that keep term order, or are shuffled among themselves when `ties` is
// given (which is then asked once per president, in term order).
QList<int> practiceOrder(const QList<PresidentEntry>& set, const QList<PresidentHistory>& histories,
                         RandomSource* ties = nullptr);

// How many presidents of the front of that order a practice game aims at.
inline constexpr int kPracticeFocus = 10;

// The presidents a practice game aims at: the first `size` of a practice order.
class PracticeFocus {
public:
    explicit PracticeFocus(const QList<int>& order, int size = kPracticeFocus);

    // Whether a record is one of them: the check for a slot that must hold one.
    bool contains(int record) const { return focus_.contains(record); }
    // How many of a question's records must be among them: the majority,
    // 1 of 1 or 2, 2 of 3 or 4, 3 of 5 or 6.
    static int needed(int records) { return (records + 1) / 2; }
    // Whether the records drawn for one question suit practice.
    bool suits(const QList<int>& drawn) const;
    const QList<int>& records() const { return records_; }

private:
    QList<int> records_;
    QSet<int> focus_;
};

} // namespace brev
