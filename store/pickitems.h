#pragma once
// The random choice of the records for one question.
#include <functional>

namespace brev {

struct AppContext;

// What the text of a drawn record must be against the slots filled before it.
enum class PickRule {
    NewText,          // differs from every earlier slot's text and, for a field that
                      // lists people, names none of their people
    SameTextAsFirst,  // equals slot 0's text, on a record no earlier slot holds
};

// Draws a record for one slot of the question in progress and stores it in
// chosen[slot]: 1..nrecords, or 0 when the search gives up. A record must pass
// the category's check, have a text for the category, meet the rule and, when
// given, `suits`.
int pickitems(AppContext& ctx, int slot, PickRule rule = PickRule::NewText,
              const std::function<bool(int record)>& suits = {});

// Whether a record can stand in a question of the category at all: it passes
// the category's check and has a text for it.
bool suitsCategory(AppContext& ctx, int record, int category);

} // namespace brev
