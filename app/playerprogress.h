#pragma once
// What ties a game to the player's progress file: the current set of
// presidents, the rows a judged question leaves, games recorded as they are
// played, the practice game's draw and the command line's progress table.
#include "base/problem.h"
#include "game/gameloop.h"
#include "rules/itemdraw.h"
#include "rules/practice.h"
#include "store/progress.h"

namespace brev {

class Program;
class Records;
struct QuestionRecord;

// The presidents in play (41, or 45 with the later ones), in term order.
QList<PresidentEntry> presidentSet(const Records& records);

// What the progress file keeps of a judged question: its category and
// points, and the presidents it asked about, each once, right or wrong as the
// record says, with his name as the records hold it and an even share of the
// points among the right ones. Presidents outside the set in play are left out.
JudgedQuestion judgedQuestion(const QuestionRecord& record, const Records& records);

// The draw of a practice game: each slot first tries the presidents the
// player knows least, then, when none of them fits, draws as usual.
class PracticeDraw : public ItemDraw {
public:
    PracticeDraw(const Records& records, UsageCounters& usage, RandomSource& random, PracticeFocus focus)
        : ItemDraw(records, usage, random), focus_(std::move(focus))
    {}
    int pick(int category, Chosen& chosen, int slot, PickRule rule = PickRule::NewText,
             const std::function<bool(int record)>& suits = {}) override;

private:
    PracticeFocus focus_;
};

// The practice order with a class's practice set first: the set's
// presidents in play, weakest first, then the others as the order has them.
QList<int> classPracticeOrder(const QList<int>& order, const QList<int>& classSet);

// The class's practice set as the progress file last knew it, only the
// presidents in play; empty without a class code or a set.
QList<int> classPracticeSet(Program& program);

// Plays a game in the windows, recording every judged question in the
// progress file, the game under the player's name as it stands at its end
// (the one entered for the hall of fame, or the one known); a practice game
// draws the weakest presidents first, those of the class's practice set
// before all others. With a class code, the game's report goes into the
// progress file's outbox as the game is finished there, and every waiting
// report is sent. A problem with the file is told once and the game goes on
// without recording.
void playRecordedGame(Program& program, GameUi& ui, GameKind kind);

// The command line's --progress: the player's mastery per president as a
// table, read from the progress file.
Result<QString> readProgressTable(Program& program);

} // namespace brev
