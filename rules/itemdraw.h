#pragma once
// The random choice of the records for one question: for each slot a
// record that suits the category, whose text differs from the
// items placed before it and which has been used least. The draw owns nothing:
// it reads the records, moves the usage counters and takes its numbers from
// the random source it is given. A question's shuffles take their numbers
// from the same source, in order. Nothing here fails: a slot that cannot be
// filled gives record 0.
#include "rules/gamesession.h"

#include <array>
#include <functional>

namespace brev {

class Records;
class RandomSource;

// The records placed in one question, slot 0 the one it is about.
using Chosen = std::array<int, 6>;

// What the text of a drawn record must be against the slots filled before it.
enum class PickRule {
    NewText,         // differs from every earlier slot's text and, for a field that
                     // lists people, names none of their people; in a sorting
                     // question of such a field, it stands in one order against
                     // each of them at every president's year either item fits
    SameTextAsFirst, // equals slot 0's text, on a record no earlier slot holds
};

class ItemDraw {
public:
    ItemDraw(const Records& records, UsageCounters& usage, RandomSource& random)
        : records_(records), usage_(usage), random_(random)
    {}
    virtual ~ItemDraw() = default;
    ItemDraw(const ItemDraw&) = delete;
    ItemDraw& operator=(const ItemDraw&) = delete;

    // Draws a record for `slot` of a question of `category` whose earlier
    // slots hold `chosen`, and stores it in chosen[slot]: 1..records in play,
    // or 0 when the search gives up. A record must pass the category's check,
    // have a text for it, meet the rule and, when given, `suits`.
    virtual int pick(int category, Chosen& chosen, int slot, PickRule rule = PickRule::NewText,
                     const std::function<bool(int record)>& suits = {});
    // Whether a record can stand in a question of the category at all: it
    // passes the category's check and has a text for it.
    bool suitsCategory(int record, int category) const;
    // The next number of the draw's random source, in [0, 1).
    virtual double uniform();

    const Records& records() const { return records_; }
    UsageCounters& usage() { return usage_; }

private:
    const Records& records_;
    UsageCounters& usage_;
    RandomSource& random_;
};

} // namespace brev
