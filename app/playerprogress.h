#pragma once
// What ties a game to the player's progress file: the current set of
// presidents, the items a judgement is about, games recorded as they are
// played, the practice game's draw and the command line's progress table.
#include "base/problem.h"
#include "game/gameloop.h"
#include "store/itemdraw.h"
#include "store/practice.h"
#include "store/progress.h"

namespace brev {

class Program;
class Records;
class QuestionModel;
struct Verdict;

// The presidents in play (41, or 45 with the later ones), in term order.
QList<PresidentEntry> presidentSet(const Records& records);

// The presidents one judgement is about, each right or wrong: those whose
// usage the judgement credits (right when the credit is positive), or for a
// question without credits (Name Me) the president it asks about.
QList<JudgedItem> judgedItems(const QuestionModel& question, const Verdict& verdict, const Records& records);

// The draw of a practice game: each slot first tries the presidents the
// player knows least, then, when none of them fits, draws as usual.
class PracticeDraw : public ItemDraw {
public:
    PracticeDraw(const Records& records, UsageCounters& usage, RandomSource& random, PracticeFocus focus)
        : ItemDraw(records, usage, random), focus_(std::move(focus))
    {
    }
    int pick(int category, Chosen& chosen, int slot, PickRule rule = PickRule::NewText,
             const std::function<bool(int record)>& suits = {}) override;

private:
    PracticeFocus focus_;
};

// Plays a game in the windows, recording every judged item in the progress
// file; a practice game draws the weakest presidents first. A problem with
// the file is told once and the game goes on without recording.
void playRecordedGame(Program& program, GameUi& ui, GameKind kind);

// The command line's --progress: the player's mastery per president as a
// table, read from the progress file.
Problem readProgressTable(Program& program, QString* table);

} // namespace brev
