#pragma once
// What each kind of question is, one row per screen: the name a class report
// gives it, the export forms it can be written in, and the window slot its
// size is remembered in. The game's table of question kinds (game/questionkinds)
// pairs each row with the kind's model and window; the hall-of-fame service
// reads the rows alone. Plain constants: nothing here fails, and a screen
// without a row (Screen::None, a category outside the table) gets kNoKind.
#include "base/categories.h"
#include "base/state.h"

#include <array>

namespace brev {

struct KindFacts {
    Screen screen;
    const char* reportName;   // the kind as a class report names it ("sorting")
    bool onlineForm;          // writes a block in an online question file
    bool tabbedForm;          // writes a tab-separated line in a tabbed export
    int slot;                 // the window slot of its size memory; -1: none
};

// clang-format off
inline constexpr std::array<KindFacts, 7> kKindFacts{{
    {Screen::MultipleChoice, "multiple-choice", true, true, SlotMultipleChoice},
    // The quotation screen shares the multiple-choice screen's slot.
    {Screen::Quotation, "quotation", true, true, SlotMultipleChoice},
    {Screen::OddOneOut, "odd-one-out", true, true, SlotOddOut},
    {Screen::Sorting, "sorting", true, false, SlotSort},
    {Screen::Matching, "matching", true, true, SlotMatch},
    {Screen::Portraits, "portraits", true, false, SlotPortraits},
    // Name Me has no form in a question file, and its window keeps no size.
    {Screen::NameMe, "name-me", false, false, -1},
}};
// clang-format on

// What no kind is: the row of Screen::None, with no report name, no form and
// no slot.
inline constexpr KindFacts kNoKind{Screen::None, "", false, false, -1};

// The row of a screen; kNoKind for Screen::None.
constexpr const KindFacts& kindFacts(Screen screen)
{
    for (const KindFacts& facts : kKindFacts)
        if (facts.screen == screen)
            return facts;
    return kNoKind;
}
// The row of a category's screen; kNoKind for a category no screen asks.
constexpr const KindFacts& kindOf(int category) { return kindFacts(screenFor(category)); }

} // namespace brev
