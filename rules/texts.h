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
    SortTitle = 1,  // the heading of a sorting question
    Item = 2,       // one item: the record's name (other = 0) or the asked field
    SortedPair = 3, // why two records stand in the wrong order
    Answer = 4,     // the answer text of a record for the category
    Question = 5,   // the question text about a record
};

// The text of the field that the category asks about, for the record. Record
// texts read the same in every wording; an end-of-term kind is the game's own
// text and is translated when Shown. Empty for a record or category that does
// not exist.
QString fieldText(const Records& records, int record, int category, Wording wording = Wording::Written);
// A text of a question of the category about the record (other: a second
// record, or 0 for the name in an Item): as the files write it, or as the
// player sees it (the category's name, the question's sentence and a sorting
// title translated, the records' texts in it as they are).
QString questionText(const Records& records, int category, TextKind kind, int record, int other,
                     Wording wording = Wording::Written);
// The number by which a sorting category orders the record (0 for a record
// that does not exist or a category that does not sort).
int sortKey(const Records& records, int record, int category);

} // namespace brev
