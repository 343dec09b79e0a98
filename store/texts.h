#pragma once
// The category table and the texts and sort keys of records as questions
// show them. Screens never read record fields themselves.
#include <QString>

namespace brev {

struct AppContext;

// The kinds of text getquestion builds.
enum class TextKind {
    SortTitle = 1,    // the heading of a sorting question
    Item = 2,         // one item: the record's name (c = 0) or the asked field
    SortedPair = 3,   // why two records stand in the wrong order
    Answer = 4,       // the answer text of a record for the current category
    Question = 5,     // the question text about a record
};

// Fills catnames and endkinds.
void setcategories(AppContext& ctx);
// The text of the field that category k asks about, for record r.
QString getpstr(AppContext& ctx, int r, int k);
// A text of the current question; a kind outside the five gives empty text.
QString getquestion(AppContext& ctx, TextKind kind, int b, int c);
// The number by which a sorting category orders records.
int getsortval(AppContext& ctx, int r, int k);

} // namespace brev
