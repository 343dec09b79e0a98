#pragma once
// What judging one answer decided: the record of the question (with its
// points), the usage credits, the log lines, the sound and the score screen's
// texts. A screen's model builds it without touching anything; the game loop
// applies it in one place.
#include "models/questionrecord.h"

#include <QList>
#include <QString>

namespace brev {

// Log levels: play lines, question headers and wrong-answer explanations.
inline constexpr int kPlayLevel = 1;
inline constexpr int kExplainLevel = 2;

struct Credit {
    int record = 0;
    int change = 0;
    bool operator==(const Credit&) const = default;
};
// How a record's usage counter moves when the player picks or places it
// rightly, and when wrongly (choice, matching and odd-one-out questions).
inline constexpr int kRightCredit = 4;
inline constexpr int kWrongCredit = -1;

// What a judgement's log line tells, for the writer that chooses which lines
// its file takes.
enum class LineKind {
    Answer,      // a wrong answer with the right one, or a pair out of order
    Explanation, // why a pick or a pair was wrong
    AllCorrect,  // every place or pair right
};

struct LogLine {
    QString text;
    int level = kPlayLevel;
    LineKind kind = LineKind::Answer;
    bool operator==(const LogLine&) const = default;
};

struct Verdict {
    QuestionRecord record; // what was asked and answered, the points won and possible
    QList<Credit> credits; // usage counter changes, in order: the draw's bookkeeping
    QList<LogLine> log;    // the judgement's log lines, in the files' wording
    int sound = -1;        // an Sfx number, or -1 for none
    QString results;       // the score screen's result text, listing what the record holds
    QString heading;       // the score screen's heading

    bool operator==(const Verdict&) const = default;
};

} // namespace brev
