#pragma once
// The random choice of the records for one question.
namespace brev {

struct AppContext;

// Draws a record for one slot of the question in progress and stores it in
// chosen[slot]: 1..nrecords, or 0 when the search gives up.
int pickitems(AppContext& ctx, int slot);

} // namespace brev
