#pragma once
// What each kind of question is, one row per screen: the name a class report
// gives it and the window slot its size is remembered in. The game's table of
// question kinds (game/questionkinds) pairs each row with the kind's model,
// help, writers and window; the hall-of-fame service reads the rows alone. Plain constants: nothing here fails, and a screen
// without a row (Screen::None, a category outside the table) gets kNoKind.
#include "base/categories.h"
#include "base/state.h"

#include <array>

namespace brev {

struct KindFacts {
    Screen screen;
    const char* reportName; // the kind as a class report names it ("sorting")
    int slot;               // the window slot of its size memory; -1: none
};

// clang-format off
inline constexpr std::array<KindFacts, 7> kKindFacts{{
    {Screen::MultipleChoice, "multiple-choice", SlotMultipleChoice},
    // The quotation screen shares the multiple-choice screen's slot.
    {Screen::Quotation, "quotation", SlotMultipleChoice},
    {Screen::OddOneOut, "odd-one-out", SlotOddOut},
    {Screen::Sorting, "sorting", SlotSort},
    {Screen::Matching, "matching", SlotMatch},
    {Screen::Portraits, "portraits", SlotPortraits},
    // Name Me's window keeps no size.
    {Screen::NameMe, "name-me", -1},
}};
// clang-format on

// What no kind is: the row of Screen::None, with no report name and no slot.
inline constexpr KindFacts kNoKind{Screen::None, "", -1};

// The row of a screen; kNoKind for Screen::None.
constexpr const KindFacts& kindFacts(Screen screen)
{
    for (const KindFacts& facts : kKindFacts)
        if (facts.screen == screen)
            return facts;
    return kNoKind;
}
// The row of a category's screen; kNoKind for a category no screen asks.
constexpr const KindFacts& kindOf(int category)
{
    return kindFacts(screenFor(category));
}

} // namespace brev
