#pragma once
// The question categories, one row each: the name the player sees, the record
// field a question asks about, the screen that asks it, the check a record
// must pass to be drawn, the key a sorting question orders by, and whether the
// player picks it on the setup list or it comes with bonus questions. Every
// question about what a category is reads this table; adding a category is
// one row here plus its texts.
#include <QCoreApplication>
#include <QString>

#include <array>
#include <cstddef>

namespace brev {

inline constexpr int kCategories = 30; // categories 0..29

// The screens a question is asked on.
enum class Screen { None, MultipleChoice, Matching, Portraits, Sorting, OddOneOut, NameMe, Quotation };

// The record field a category asks about: the text its items show.
enum class Field {
    None,
    Name,
    Term,
    Vice,
    Birth,
    Wife,
    Birthplace,
    SecState,
    SecWar,
    AttnGen,
    Party,
    Court,
    EndKind,
    Opponent,
    Home,
};

// Which form of a text: as the files write it (the game's English, always the
// same, so that a file reads alike in every language), or as the player sees
// it (in the language of the installed catalogue).
enum class Wording { Written, Shown };

// The English text of a table (a category's name, an end-of-term kind) in the
// wording asked for: Shown looks it up in the catalogue under `context`.
inline QString worded(const char* context, const char* english, Wording wording)
{
    if (wording == Wording::Shown && english && *english)
        return QCoreApplication::translate(context, english);
    return QString::fromLatin1(english);
}

// How a president's term ended (a record's endKind): the texts a question
// shows; kind 4 (resigned) has none.
inline constexpr char kEndKindContext[] = "brev::EndKinds";
inline constexpr std::array<const char*, 6> kEndKinds{
    QT_TRANSLATE_NOOP("brev::EndKinds", "Served term"),
    QT_TRANSLATE_NOOP("brev::EndKinds", "Died in office"),
    QT_TRANSLATE_NOOP("brev::EndKinds", "Assassinated"),
    QT_TRANSLATE_NOOP("brev::EndKinds", "Lost try at re-election"),
    "",
    QT_TRANSLATE_NOOP("brev::EndKinds", "In office")};
inline QString endKindText(int kind, Wording wording = Wording::Written)
{
    return kind >= 0 && kind < int(kEndKinds.size())
               ? worded(kEndKindContext, kEndKinds[std::size_t(kind)], wording)
               : QString();
}
inline constexpr int kServedTerm = 0;
inline constexpr int kDiedInOffice = 1;
inline constexpr int kAssassinated = 2;
inline constexpr int kLostReelection = 3;
inline constexpr int kInOffice = 5;
// Whether a president whose term ended in `odd` is the one answer to "who
// didn't finish this term this way?" beside three whose terms ended in
// `shared`: not when his end also counts as the shared one (a president who
// lost re-election served his term to its end; an assassinated one died in
// office), nor when the shared "way" is a term still running.
constexpr bool isOddEnd(int shared, int odd)
{
    return odd != shared && shared != kInOffice && !(shared == kServedTerm && odd == kLostReelection) &&
           !(shared == kDiedInOffice && odd == kAssassinated);
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
    case Field::Opponent: return true;
    default: return false;
    }
}

// What a record must hold to be drawn for the category.
enum class DrawCheck {
    Unlisted,     // no check is defined: drawing says so and lets the record pass
    None,         // every record may be drawn
    TermKnown,    // termKey >= 1
    BirthKnown,   // birthKey >= 1
    ViceNamed,    // vice of at least 5 characters
    WifeNamed,    // wife of at least 5 characters
    CourtNamed,   // court not below a single space
    HasPortrait,  // image not below a single space
    HasQuotation, // a quotation above a single space
    OneWayEnded,  // served in one period: its end of term tells how every term ended
};

// The number a sorting question orders the records by.
enum class SortKey { None, Birth, Term };

// How a category comes into a game.
enum class Listing {
    Unused, // never drawn
    Listed, // on the setup list, chosen by the player and stored in brev.INI
    Bonus,  // drawn only with bonus questions
};

// How the answer text of a record reads for the category: its field, its
// quotation, or a note that the category has no answer text.
enum class AnswerText { Field, Quotation, Missing };

struct Category {
    const char* name;
    Field field;
    Screen screen;
    DrawCheck check;
    SortKey sortKey;
    Listing listing;
    AnswerText answer;
    const char* question; // the question about a record, %1 its name; nullptr: the name
};

// clang-format off
inline constexpr std::array<Category, kCategories> kCategoryTable{{
    /*  0 */ {"Name", Field::Name, Screen::None, DrawCheck::Unlisted, SortKey::None, Listing::Unused, AnswerText::Missing, nullptr},
    /*  1 */ {QT_TRANSLATE_NOOP("brev::Categories", "When did this president serve?"), Field::Term, Screen::MultipleChoice, DrawCheck::None, SortKey::None, Listing::Listed, AnswerText::Field, QT_TRANSLATE_NOOP("brev::Categories", "When did %1 serve?")},
    /*  2 */ {QT_TRANSLATE_NOOP("brev::Categories", "Who was this president's Vice President?"), Field::Vice, Screen::MultipleChoice, DrawCheck::ViceNamed, SortKey::None, Listing::Listed, AnswerText::Field, QT_TRANSLATE_NOOP("brev::Categories", "Who served as Vice President under %1?")},
    /*  3 */ {QT_TRANSLATE_NOOP("brev::Categories", "When was this president born?"), Field::Birth, Screen::MultipleChoice, DrawCheck::None, SortKey::None, Listing::Listed, AnswerText::Field, QT_TRANSLATE_NOOP("brev::Categories", "When was %1 born?")},
    /*  4 */ {QT_TRANSLATE_NOOP("brev::Categories", "Match Presidents and terms"), Field::Term, Screen::Matching, DrawCheck::TermKnown, SortKey::None, Listing::Listed, AnswerText::Field, nullptr},
    /*  5 */ {QT_TRANSLATE_NOOP("brev::Categories", "Match Vice Presidents"), Field::Vice, Screen::Matching, DrawCheck::ViceNamed, SortKey::None, Listing::Listed, AnswerText::Field, nullptr},
    /*  6 */ {QT_TRANSLATE_NOOP("brev::Categories", "Match First Ladies and Presidents"), Field::Wife, Screen::Matching, DrawCheck::WifeNamed, SortKey::None, Listing::Listed, AnswerText::Field, nullptr},
    /*  7 */ {QT_TRANSLATE_NOOP("brev::Categories", "Match Birthplaces"), Field::Birthplace, Screen::Matching, DrawCheck::None, SortKey::None, Listing::Listed, AnswerText::Field, nullptr},
    /*  8 */ {QT_TRANSLATE_NOOP("brev::Categories", "Match Sec'ys of State"), Field::SecState, Screen::Matching, DrawCheck::None, SortKey::None, Listing::Listed, AnswerText::Field, nullptr},
    /*  9 */ {QT_TRANSLATE_NOOP("brev::Categories", "Match Sec'ys of War/Defense"), Field::SecWar, Screen::Matching, DrawCheck::None, SortKey::None, Listing::Listed, AnswerText::Field, nullptr},
    /* 10 */ {QT_TRANSLATE_NOOP("brev::Categories", "Match Att'ys General"), Field::AttnGen, Screen::Matching, DrawCheck::None, SortKey::None, Listing::Listed, AnswerText::Field, nullptr},
    /* 11 */ {QT_TRANSLATE_NOOP("brev::Categories", "Portraits "), Field::Name, Screen::Portraits, DrawCheck::HasPortrait, SortKey::None, Listing::Listed, AnswerText::Field, nullptr},
    /* 12 */ {QT_TRANSLATE_NOOP("brev::Categories", "Sort by birthdate"), Field::Name, Screen::Sorting, DrawCheck::BirthKnown, SortKey::Birth, Listing::Listed, AnswerText::Field, nullptr},
    /* 13 */ {QT_TRANSLATE_NOOP("brev::Categories", "Sort First Ladies by term"), Field::Wife, Screen::Sorting, DrawCheck::WifeNamed, SortKey::Term, Listing::Listed, AnswerText::Missing, nullptr},
    /* 14 */ {QT_TRANSLATE_NOOP("brev::Categories", "Sort Vice Presidents"), Field::Vice, Screen::Sorting, DrawCheck::ViceNamed, SortKey::Term, Listing::Listed, AnswerText::Field, nullptr},
    /* 15 */ {QT_TRANSLATE_NOOP("brev::Categories", "Sort by term served"), Field::Name, Screen::Sorting, DrawCheck::None, SortKey::Term, Listing::Listed, AnswerText::Field, nullptr},
    /* 16 */ {QT_TRANSLATE_NOOP("brev::Categories", "Sort Sec'ys of State"), Field::SecState, Screen::Sorting, DrawCheck::None, SortKey::Term, Listing::Listed, AnswerText::Field, nullptr},
    /* 17 */ {QT_TRANSLATE_NOOP("brev::Categories", "Sort Sec'ys of War/Defense"), Field::SecWar, Screen::Sorting, DrawCheck::None, SortKey::Term, Listing::Listed, AnswerText::Field, nullptr},
    /* 18 */ {QT_TRANSLATE_NOOP("brev::Categories", "Sort Att'ys General"), Field::AttnGen, Screen::Sorting, DrawCheck::None, SortKey::Term, Listing::Listed, AnswerText::Field, nullptr},
    /* 19 */ {"", Field::None, Screen::None, DrawCheck::Unlisted, SortKey::None, Listing::Unused, AnswerText::Missing, nullptr},
    /* 20 */ {QT_TRANSLATE_NOOP("brev::Categories", "Who didn't belong to this party? "), Field::Party, Screen::OddOneOut, DrawCheck::None, SortKey::None, Listing::Bonus, AnswerText::Field, nullptr},
    /* 21 */ {QT_TRANSLATE_NOOP("brev::Categories", "Name Me"), Field::Name, Screen::NameMe, DrawCheck::HasPortrait, SortKey::None, Listing::Bonus, AnswerText::Missing, nullptr},
    /* 22 */ {QT_TRANSLATE_NOOP("brev::Categories", "Sort Supreme Court appointments"), Field::Court, Screen::Sorting, DrawCheck::CourtNamed, SortKey::Term, Listing::Bonus, AnswerText::Field, nullptr},
    /* 23 */ {QT_TRANSLATE_NOOP("brev::Categories", "Match Supreme Court appointments"), Field::Court, Screen::Matching, DrawCheck::None, SortKey::None, Listing::Bonus, AnswerText::Field, nullptr},
    // Five different end-of-term kinds never exist: no bonus draw.
    /* 24 */ {QT_TRANSLATE_NOOP("brev::Categories", "Match End of terms"), Field::EndKind, Screen::Matching, DrawCheck::OneWayEnded, SortKey::None, Listing::Unused, AnswerText::Field, nullptr},
    /* 25 */ {QT_TRANSLATE_NOOP("brev::Categories", "Who didn't finish this term this way? "), Field::EndKind, Screen::OddOneOut, DrawCheck::OneWayEnded, SortKey::None, Listing::Bonus, AnswerText::Field, nullptr},
    /* 26 */ {QT_TRANSLATE_NOOP("brev::Categories", "Match Political opponents "), Field::Opponent, Screen::Matching, DrawCheck::None, SortKey::None, Listing::Bonus, AnswerText::Field, nullptr},
    /* 27 */ {QT_TRANSLATE_NOOP("brev::Categories", "Match Homes"), Field::Home, Screen::Matching, DrawCheck::None, SortKey::None, Listing::Bonus, AnswerText::Field, nullptr},
    /* 28 */ {"", Field::None, Screen::None, DrawCheck::Unlisted, SortKey::None, Listing::Unused, AnswerText::Missing, nullptr},
    /* 29 */ {QT_TRANSLATE_NOOP("brev::Categories", "Who said it?"), Field::Name, Screen::Quotation, DrawCheck::HasQuotation, SortKey::None, Listing::Bonus, AnswerText::Quotation, QT_TRANSLATE_NOOP("brev::Categories", "Who said this?")},
}};
// clang-format on

// "Who said it?": a quotation of the president, asked on the quotation screen.
inline constexpr int kQuoteCategory = 29;
// The setup list shows categories kFirstListedCategory..kLastListedCategory;
// brev.INI stores the choices of categories 0..kLastListedCategory.
inline constexpr int kFirstListedCategory = 1;
inline constexpr int kLastListedCategory = 18;
inline constexpr int kStoredCategories = kLastListedCategory + 1;

constexpr bool isCategory(int category)
{
    return category >= 0 && category < kCategories;
}
// The row of a category; category 0's row for a number outside the table.
constexpr const Category& categoryRow(int category)
{
    return kCategoryTable[std::size_t(isCategory(category) ? category : 0)];
}
// The screen that asks the category's questions; Screen::None outside the table.
constexpr Screen screenFor(int category)
{
    return isCategory(category) ? kCategoryTable[std::size_t(category)].screen : Screen::None;
}
// A category's name ("Match Vice Presidents"), as the files write it or as the
// player sees it; empty outside the table.
inline constexpr char kCategoryContext[] = "brev::Categories";
inline QString categoryName(int category, Wording wording = Wording::Written)
{
    return isCategory(category) ? worded(kCategoryContext, categoryRow(category).name, wording) : QString();
}
constexpr bool isListedCategory(int category)
{
    return isCategory(category) && categoryRow(category).listing == Listing::Listed;
}

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

} // namespace brev
