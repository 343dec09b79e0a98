#pragma once
// What a question writes to the log or to the question file, read from its
// record (what the question was): the play log's lines as it loads, the
// online block and the tabbed line of an export, and the lines of its
// judgement that each run writes. In an export game the log is the question
// file, and a file that holds a screen's questions takes of their judgements
// only the answers. Nothing here fails.
#include "base/state.h"
#include "models/verdict.h"

#include <QList>
#include <QStringList>

namespace brev {

// Longest flattened quotation, and longest choice, the tabbed form takes
// without a "* Quote TOO LONG * " marker.
inline constexpr int kTabbedQuoteLimit = 100;
inline constexpr int kTabbedQuoteChoiceLimit = 130;
// Longest odd-one-out or matching item the tabbed form takes without a
// "* TOO LONG * " marker.
inline constexpr int kTabbedItemLimit = 60;

// What a game writes to the play log as a question loads, at the play level:
// the screen's header ("Multiple Choice", the category's name, "Sorting: "
// and "Match " with it), then on the sorting and matching screens the
// presidents' names. Nothing for Name Me.
QStringList playLines(const QuestionRecord& record);

// The online block of a loaded question: its form's word ("MULT", "MULTQ",
// "ODDOUT", "SORT", "MATCH", "IMATCH"), the category's name and the written
// question, with the answer. Nothing for Name Me.
//   MULT: the five choices, the question, " n" (the right choice, 1..4).
//   MULTQ: the same with the quotation and "*****" before the answer line.
//   ODDOUT: the question, the four items, " p" (the odd item, 1..3).
//   SORT: the five lines, then their five sort keys.
//   MATCH: the five names, the five descriptions, then per description the
//   number of the bar it belongs to.
//   IMATCH: the four names, then per portrait the number of its bar and its
//   picture file.
QStringList onlineLines(const QuestionRecord& record);

// The tabbed line of a loaded question, or nothing on a screen without one
// (sorting, portraits, Name Me). Length markers go in front of the line.
//   Multiple choice: question TAB choices 1..4 TAB n (see TabbedQuestionLine).
//   Quotation: question " -- " quotation (line breaks written "/ ") TAB
//   choices 1..4 TAB n, with a "* Quote TOO LONG * " for the quotation over
//   100 characters and one per choice over 130.
//   Odd one out: question TAB items 1..4 TAB p, with "* TOO LONG * " per item
//   over 60 characters and "* Question TOO LONG * " for a question over 130.
//   Matching: heading " -- " the first bar's description, TAB the names of
//   the bars of descriptions 1..4, TAB the place of the first bar's
//   description, with the same markers.
QStringList tabbedLines(const QuestionRecord& record);

// Each kind's writers, which its entry in the table of question kinds names
// (game/questionkinds): the play log's lines as it loads, its online block and
// its tabbed line, as described above.
namespace writers {
QStringList choicePlay(const QuestionRecord& record); // multiple choice and quotation alike
QStringList oddOneOutPlay(const QuestionRecord& record);
QStringList sortPlay(const QuestionRecord& record);
QStringList matchPlay(const QuestionRecord& record);
QStringList portraitPlay(const QuestionRecord& record);
QStringList multipleChoiceOnline(const QuestionRecord& record);
QStringList quotationOnline(const QuestionRecord& record);
QStringList oddOneOutOnline(const QuestionRecord& record);
QStringList sortOnline(const QuestionRecord& record);
QStringList matchOnline(const QuestionRecord& record);
QStringList portraitOnline(const QuestionRecord& record);
QStringList multipleChoiceTabbed(const QuestionRecord& record);
QStringList quotationTabbed(const QuestionRecord& record);
QStringList oddOneOutTabbed(const QuestionRecord& record);
QStringList matchTabbed(const QuestionRecord& record);
} // namespace writers

// The quotation on one line: each line break becomes "/ ".
QString flattened(const QString& text);

// The lines of a judgement a run in `mode` writes to its log: in a game all
// of them; in an export whose form writes the question's screen, only the
// Answer lines (no explanation, no "All correct").
QList<LogLine> judgedLines(const Verdict& verdict, RunMode mode);

} // namespace brev
