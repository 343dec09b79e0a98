#pragma once
// The texts and sort keys that questions show for a record: the field a
// category asks about, a question's sentence, a record's answer, the reason two
// sorted records stand in the wrong order. Screens never read record fields
// themselves. Nothing here fails: a record or category outside the tables,
// or a category without the field or key asked for, gives empty text or 0
// (no category a game draws is without them).
#include "base/categories.h"

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
// design's getpstr). Record texts read the same in every wording; an
// end-of-term kind is the game's own text and is translated when Shown.
QString fieldText(const Records& records, int r, int k, Wording wording = Wording::Written);
// A text of a question of category k about record b (c: a second record, or
// 0 for the name in an Item) (the design's getquestion): as the files write
// it, or as the player sees it (the category's name, the question's sentence
// and a sorting title translated, the records' texts in it as they are).
QString questionText(const Records& records, int k, TextKind kind, int b, int c,
                     Wording wording = Wording::Written);
// The number by which a sorting category k orders record r (getsortval).
int sortKey(const Records& records, int r, int k);

} // namespace brev
