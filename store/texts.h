#pragma once
// The texts and sort keys that questions show for a record: the field a
// category asks about, a question's sentence, a record's answer, the reason two
// sorted records stand in the wrong order. Screens never read record fields
// themselves. Nothing here fails: a record or category outside the tables,
// or a category without the field or key asked for, gives empty text or 0
// (no category a game draws is without them).
#include <QString>

namespace brev {

class Records;

// The kinds of text a question asks for.
enum class TextKind {
    SortTitle = 1,    // the heading of a sorting question
    Item = 2,         // one item: the record's name (c = 0) or the asked field
    SortedPair = 3,   // why two records stand in the wrong order
    Answer = 4,       // the answer text of a record for the category
    Question = 5,     // the question text about a record
};

// The text of the field that category k asks about, for record r (the
// design's getpstr).
QString fieldText(const Records& records, int r, int k);
// A text of a question of category k about record b (c: a second record, or
// 0 for the name in an Item) (the design's getquestion).
QString questionText(const Records& records, int k, TextKind kind, int b, int c);
// The number by which a sorting category k orders record r (getsortval).
int sortKey(const Records& records, int r, int k);

} // namespace brev
