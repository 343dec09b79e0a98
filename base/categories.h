#pragma once
// The question categories, one row each: the name the player sees, the record
// field a question asks about, the screen that asks it, the check a record
// must pass to be drawn, the key a sorting question orders by, and whether the
// player picks it on the setup list or it comes with bonus questions. Every
// question about "what is category k" reads this table; adding a category is
// one row here plus its texts.
#include <QString>

#include <array>
#include <cstddef>

namespace brev {

inline constexpr int kCategories = 30;   // categories 0..29

// The screens a question is asked on.
enum class Screen { None, MultipleChoice, Matching, Portraits, Sorting, OddOneOut, NameMe, Quotation };

// The record field a category asks about (its pattern text, getpstr).
enum class Field {
    None, Name, Term, Vice, Birth, Wife, Birthplace, SecState, SecWar, AttnGen, Party, Court, EndKind,
    Opponent, Home,
};

// How a president's term ended (a record's endKind): the texts a question
// shows; kind 4 (resigned) has none.
inline constexpr std::array<const char*, 6> kEndKinds{"Served term", "Died in office", "Assassinated",
                                                      "Lost try at re-election", "", "In office"};
inline QString endKindText(int kind)
{
    return kind >= 0 && kind < int(kEndKinds.size()) ? QString::fromLatin1(kEndKinds[std::size_t(kind)]) : QString();
}

// Fields whose texts list people: two items of one question never name the
// same person.
constexpr bool listsPeople(Field f)
{
    switch (f) {
    case Field::Vice:
    case Field::Wife:
    case Field::SecState:
    case Field::SecWar:
    case Field::AttnGen:
    case Field::Court:
    case Field::Opponent:
        return true;
    default:
        return false;
    }
}

// What a record must hold to be drawn for the category.
enum class DrawCheck {
    Unlisted,       // no check is defined: drawing says so and lets the record pass
    None,           // every record may be drawn
    TermKnown,      // termKey >= 1
    BirthKnown,     // birthKey >= 1
    ViceNamed,      // vice of at least 5 characters
    WifeNamed,      // wife of at least 5 characters
    CourtNamed,     // court not below a single space
    HasPortrait,    // image not below a single space
    HasQuotation,   // a quotation above a single space
    OneWayEnded,    // served in one period: its end of term tells how every term ended
};

// The number a sorting question orders the records by.
enum class SortKey { None, Birth, Term };

// How a category comes into a game.
enum class Listing {
    Unused,   // never drawn
    Listed,   // on the setup list, chosen by the player and stored in brev.INI
    Bonus,    // drawn only with bonus questions
};

// How the answer text of a record reads for the category (getquestion's answer).
enum class AnswerText { Field, Quotation, Missing };

struct Category {
    const char* name;
    Field field;
    Screen screen;
    DrawCheck check;
    SortKey sortKey;
    Listing listing;
    AnswerText answer;
    const char* question;   // the question about a record, %1 its name; nullptr: the name
};

// clang-format off
inline constexpr std::array<Category, kCategories> kCategoryTable{{
    /*  0 */ {"Name", Field::Name, Screen::None, DrawCheck::Unlisted, SortKey::None, Listing::Unused, AnswerText::Missing, nullptr},
    /*  1 */ {"When did this president serve?", Field::Term, Screen::MultipleChoice, DrawCheck::None, SortKey::None, Listing::Listed, AnswerText::Field, "When did %1 serve?"},
    /*  2 */ {"Who was this president's Vice President?", Field::Vice, Screen::MultipleChoice, DrawCheck::ViceNamed, SortKey::None, Listing::Listed, AnswerText::Field, "Who served as Vice President under %1?"},
    /*  3 */ {"When was this president born?", Field::Birth, Screen::MultipleChoice, DrawCheck::None, SortKey::None, Listing::Listed, AnswerText::Field, "When was %1 born?"},
    /*  4 */ {"Match Presidents and terms", Field::Term, Screen::Matching, DrawCheck::TermKnown, SortKey::None, Listing::Listed, AnswerText::Field, nullptr},
    /*  5 */ {"Match Vice Presidents", Field::Vice, Screen::Matching, DrawCheck::ViceNamed, SortKey::None, Listing::Listed, AnswerText::Field, nullptr},
    /*  6 */ {"Match First Ladies and Presidents", Field::Wife, Screen::Matching, DrawCheck::WifeNamed, SortKey::None, Listing::Listed, AnswerText::Field, nullptr},
    /*  7 */ {"Match Birthplaces", Field::Birthplace, Screen::Matching, DrawCheck::None, SortKey::None, Listing::Listed, AnswerText::Field, nullptr},
    /*  8 */ {"Match Sec'ys of State", Field::SecState, Screen::Matching, DrawCheck::None, SortKey::None, Listing::Listed, AnswerText::Field, nullptr},
    /*  9 */ {"Match Sec'ys of War/Defense", Field::SecWar, Screen::Matching, DrawCheck::None, SortKey::None, Listing::Listed, AnswerText::Field, nullptr},
    /* 10 */ {"Match Att'ys General", Field::AttnGen, Screen::Matching, DrawCheck::None, SortKey::None, Listing::Listed, AnswerText::Field, nullptr},
    /* 11 */ {"Portraits ", Field::Name, Screen::Portraits, DrawCheck::HasPortrait, SortKey::None, Listing::Listed, AnswerText::Field, nullptr},
    /* 12 */ {"Sort by birthdate", Field::Name, Screen::Sorting, DrawCheck::BirthKnown, SortKey::Birth, Listing::Listed, AnswerText::Field, nullptr},
    /* 13 */ {"Sort First Ladies by term", Field::Wife, Screen::Sorting, DrawCheck::WifeNamed, SortKey::Term, Listing::Listed, AnswerText::Missing, nullptr},
    /* 14 */ {"Sort Vice Presidents", Field::Vice, Screen::Sorting, DrawCheck::ViceNamed, SortKey::Term, Listing::Listed, AnswerText::Field, nullptr},
    /* 15 */ {"Sort by term served", Field::Name, Screen::Sorting, DrawCheck::None, SortKey::Term, Listing::Listed, AnswerText::Field, nullptr},
    /* 16 */ {"Sort Sec'ys of State", Field::SecState, Screen::Sorting, DrawCheck::None, SortKey::Term, Listing::Listed, AnswerText::Field, nullptr},
    /* 17 */ {"Sort Sec'ys of War/Defense", Field::SecWar, Screen::Sorting, DrawCheck::None, SortKey::Term, Listing::Listed, AnswerText::Field, nullptr},
    /* 18 */ {"Sort Att'ys General", Field::AttnGen, Screen::Sorting, DrawCheck::None, SortKey::Term, Listing::Listed, AnswerText::Field, nullptr},
    /* 19 */ {"", Field::None, Screen::None, DrawCheck::Unlisted, SortKey::None, Listing::Unused, AnswerText::Missing, nullptr},
    /* 20 */ {"Who didn't belong to this party? ", Field::Party, Screen::OddOneOut, DrawCheck::None, SortKey::None, Listing::Bonus, AnswerText::Field, nullptr},
    /* 21 */ {"Name Me", Field::Name, Screen::NameMe, DrawCheck::HasPortrait, SortKey::None, Listing::Bonus, AnswerText::Missing, nullptr},
    /* 22 */ {"Sort Supreme Court appointments", Field::Court, Screen::Sorting, DrawCheck::CourtNamed, SortKey::Term, Listing::Bonus, AnswerText::Field, nullptr},
    /* 23 */ {"Match Supreme Court appointments", Field::Court, Screen::Matching, DrawCheck::None, SortKey::None, Listing::Bonus, AnswerText::Field, nullptr},
    // Five different end-of-term kinds never exist: no bonus draw.
    /* 24 */ {"Match End of terms", Field::EndKind, Screen::Matching, DrawCheck::OneWayEnded, SortKey::None, Listing::Unused, AnswerText::Field, nullptr},
    /* 25 */ {"Who didn't finish this term this way? ", Field::EndKind, Screen::OddOneOut, DrawCheck::OneWayEnded, SortKey::None, Listing::Bonus, AnswerText::Field, nullptr},
    /* 26 */ {"Match Political opponents ", Field::Opponent, Screen::Matching, DrawCheck::None, SortKey::None, Listing::Bonus, AnswerText::Field, nullptr},
    /* 27 */ {"Match Homes", Field::Home, Screen::Matching, DrawCheck::None, SortKey::None, Listing::Bonus, AnswerText::Field, nullptr},
    /* 28 */ {"", Field::None, Screen::None, DrawCheck::Unlisted, SortKey::None, Listing::Unused, AnswerText::Missing, nullptr},
    /* 29 */ {"Who said it?", Field::Name, Screen::Quotation, DrawCheck::HasQuotation, SortKey::None, Listing::Bonus, AnswerText::Quotation, "Who said this?"},
}};
// clang-format on

// "Who said it?": a quotation of the president, asked on the quotation screen.
inline constexpr int kQuoteCategory = 29;
// The setup list shows categories kFirstListedCategory..kLastListedCategory;
// brev.INI stores the choices of categories 0..kLastListedCategory.
inline constexpr int kFirstListedCategory = 1;
inline constexpr int kLastListedCategory = 18;
inline constexpr int kStoredCategories = kLastListedCategory + 1;

constexpr bool isCategory(int k) { return k >= 0 && k < kCategories; }
// The row of a category; category 0's row for a number outside the table.
constexpr const Category& categoryRow(int k) { return kCategoryTable[std::size_t(isCategory(k) ? k : 0)]; }
constexpr Screen screenFor(int k) { return isCategory(k) ? kCategoryTable[std::size_t(k)].screen : Screen::None; }
// The name the player sees ("Match Vice Presidents"); empty outside the table.
inline QString categoryName(int k) { return isCategory(k) ? QString::fromLatin1(categoryRow(k).name) : QString(); }
constexpr bool isListedCategory(int k) { return isCategory(k) && categoryRow(k).listing == Listing::Listed; }

namespace detail {
constexpr std::size_t countBonus()
{
    std::size_t n = 0;
    for (const Category& c : kCategoryTable)
        n += c.listing == Listing::Bonus ? 1 : 0;
    return n;
}
constexpr auto bonusCategories()
{
    std::array<int, countBonus()> out{};
    std::size_t i = 0;
    for (int k = 0; k < kCategories; ++k)
        if (kCategoryTable[std::size_t(k)].listing == Listing::Bonus)
            out[i++] = k;
    return out;
}
} // namespace detail

// The categories bonus questions add to the draw, in order.
inline constexpr auto kBonusCategories = detail::bonusCategories();

// Whether the category's screen writes a tab-separated line in a tabbed export.
constexpr bool hasTabbedForm(int k)
{
    switch (screenFor(k)) {
    case Screen::MultipleChoice:
    case Screen::Quotation:
    case Screen::OddOneOut:
    case Screen::Matching:
        return true;
    default:
        return false;
    }
}
// Whether the category's screen writes a block in an online question file.
constexpr bool hasOnlineForm(int k) { return screenFor(k) != Screen::NameMe; }

} // namespace brev
