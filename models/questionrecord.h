#pragma once
// What one question was, as the game keeps it once the player is done with
// it: its kind and category, what it asked and showed, each president it
// asked about with the player's answer and the right one, and the points.
// The model that judged the question builds it; the game loop applies the
// turn from it, and the log, the question file, the review, the progress file
// and the score screen's lines all read it. Plain values; nothing here fails.
#include "base/categories.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace brev {

// How a question went, from its points.
enum class Mark {
    Right,       // every point possible won
    PartlyRight, // some of them
    Wrong,       // none
    Skipped,     // left without an answer
};

// One president a question asked about, each once, in the question's order.
struct AskedItem {
    int record = 0; // his record number
    QString shown;  // what the question showed for him: a bar's name, a sort line, the question
    QString given;  // the player's answer for him, as shown; empty when he gave none
    QString right;  // the right answer for him
    bool correct = false;
    bool operator==(const AskedItem&) const = default;
};

// The question as the files write it: the records' own words, untranslated,
// in the order the question shows them. Empty on a screen the files never
// write (Name Me).
struct WrittenQuestion {
    QString question;     // the question; an odd-one-out's pattern; a matching question's heading
    QString quotation;    // a quotation question's quotation
    QStringList choices;  // in display order: the choices, the items, the sorting lines, the descriptions
    int answer = -1;      // the display position of the right choice or of the odd item
    QStringList names;    // the presidents' names: on each bar, or on each sorting line
    QList<int> sortKeys;  // a sorting question's sort key of each line
    QList<int> barAt;     // a matching question's bar whose president each target shows
    QStringList pictures; // a portrait question's picture file of each target
    bool operator==(const WrittenQuestion&) const = default;
};

struct QuestionRecord {
    Screen screen = Screen::None;
    int category = 0;
    QString question;       // as the screen asked it
    QStringList shown;      // the choices or targets, in the order displayed
    QList<AskedItem> items; // the presidents asked about
    QString given;          // the whole answer as the review lists it, one line per pair or place
    QString right;          // the whole right answer, likewise
    int points = 0;         // won; 0 when skipped
    int possible = 0;       // at stake in the running score; 0 when skipped
    bool skipped = false;
    WrittenQuestion written; // what the log and the question file write of it

    Mark mark() const
    {
        if (skipped)
            return Mark::Skipped;
        if (possible > 0 && points >= possible)
            return Mark::Right;
        return points > 0 ? Mark::PartlyRight : Mark::Wrong;
    }
    bool operator==(const QuestionRecord&) const = default;
};

} // namespace brev
