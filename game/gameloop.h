#pragma once
// The game loop: a game of nquestions questions, the category draw, and for
// each question its model (from the one table of question kinds), its load
// lines, and the window the program gives it (GameUi). Also how a judged
// answer is applied. Nothing here fails; the players' messages go through
// GameUi::tell.
#include "base/categories.h"
#include "base/problem.h"

#include "base/state.h"
#include "models/verdict.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace brev {

class GameLog;
class ItemDraw;
class QuestionFile;
class QuestionModel;
class SettingsStore;
class Sounds;
struct GameSession;

// Difficulty-adjusted score: score x maxdif / 100 x percent, rounded half to even.
int adjustedScore(int score, int maxdif, int percent);

// The categories a game draws from: the enabled ones of the setup list, and
// with bonus questions the enabled bonus categories.
QList<int> drawnCategories(const std::array<int, kCategories>& catenabled, bool bonusQuestions);

// What became of a question the game loop sent to a screen.
enum class Asked {
    Yes,       // shown to the player (answered or skipped)
    Abandoned, // too few records for the category: never shown
    LeftOut,   // a bonus category too few records can fill: never shown, not counted
    NoScreen,  // this program has no window for that screen
};

// Where a question stands in its game: number of count.
struct QuestionPosition {
    int number = 1;
    int count = 1;
};

// What the player did with a question shown to him.
struct Answered {
    Answered(Asked asked = Asked::Yes) : asked(asked) {}
    Asked asked;
    std::optional<Verdict> verdict; // the judgement the game applied; none when skipped
    bool endGame = false;           // the player ended the game after it
};

// One question of a game as the review after it lists it: its place in the
// game and its record.
struct ReviewEntry {
    int number = 0;
    QuestionRecord record;
};

// The review as plain text, for copying and printing: one block per question.
QString reviewText(const QList<ReviewEntry>& entries);
// How a question went, in words: right, partly right, wrong or skipped.
QString markText(Mark mark);
// How many questions of the review went each way, in words (for a screen reader).
QString reviewSummary(const QList<ReviewEntry>& entries);

// What a game is: an ordinary one, or practice (its draw favours the
// presidents the player knows least, and it never enters the hall of fame).
enum class GameKind { Ordinary, Practice };

// Applies the turn of a judged question (the game loop's): the running
// score, log, usage credits, sound, progress and review, all at once.
using ApplyTurn = std::function<void(const Verdict& verdict)>;

// What the game loop needs from the windows.
class GameUi {
public:
    virtual ~GameUi() = default;
    // Shows the loaded question modally and returns once it (and its score
    // screen) closed. The window hands its judgement to applyTurn while it is
    // still open, before the score screen that shows the running score after it.
    virtual Answered ask(QuestionModel& question, const QuestionPosition& at, const ApplyTurn& applyTurn) = 0;
    // A category of the setup list ran out of records: tells the player and
    // lets them choose others.
    virtual void givenUp(const QString& message) = 0;
    // No category can be drawn: shows the setup screen modally. False when
    // there is no one to ask: the game ends there.
    virtual bool showSetup() = 0;
    // Offers a final score (adjusted for the difficulty) and its percentage
    // to the hall of fame.
    virtual void enterHof(int adjusted, int percent) = 0;
    // A message for the player, with OK only.
    virtual void tell(const QString& text) = 0;
    // After the final message: the game's questions, what the player answered
    // and what was right.
    virtual void review(const QList<ReviewEntry>&) {}
};

// Where each judged question of a game goes (the player's progress): called
// once per answered question, with its record.
using AnswerRecorder = std::function<void(const QuestionRecord& record)>;

// What a loaded question writes: in a game its play-log lines, in an export
// its lines to the question file (a tabbed line is counted). Returns the
// problem of a file that cannot be written.
Problem writeLoadLines(const QuestionModel& question, GameSession& session, GameLog& log,
                       QuestionFile& questionFile);

// Makes the model of a question (the table of question kinds, makeQuestion).
using QuestionMaker =
    std::function<std::unique_ptr<QuestionModel>(Screen, ItemDraw&, int category, int maxdif)>;

class Game {
    Q_DECLARE_TR_FUNCTIONS(brev::Game)
public:
    // settings: the game's conditions and categories (a category that runs
    // out is switched off); session: the running score, counters and mode;
    // log: the play log; questionFile: where an export's lines go; draw: the
    // records drawn for each question; sounds: the effect a judgement plays
    // (none without); makeModel: the question kinds.
    Game(SettingsStore& settings, GameSession& session, GameLog& log, QuestionFile& questionFile,
         ItemDraw& draw, Sounds* sounds = nullptr, QuestionMaker makeModel = {});

    // A whole game, its final message, the review and the hall-of-fame offer;
    // a practice game has no hall-of-fame offer and says so.
    void play(GameUi& ui, GameKind kind = GameKind::Ordinary);
    // Each answered question goes to record as well.
    void recordAnswers(AnswerRecorder record) { record_ = std::move(record); }
    // The questions of the game played last, in order.
    const QList<ReviewEntry>& reviewed() const { return review_; }
    // The player ended the game played last before its last question.
    bool endedEarly() const { return endedEarly_; }
    // The game's questions, one category drawn for each.
    void askQuestions(GameUi& ui);
    // One question of a category; number: its place in the game.
    Answered ask(GameUi& ui, int category, int number = 1);
    // A loaded question: its load lines, then its window; the judgement the
    // window hands back is applied as the question's turn, and a question
    // left unjudged is reviewed as skipped.
    Answered present(GameUi& ui, QuestionModel& question, const QuestionPosition& at);

private:
    // Applies one judged question: the running score, the log lines, the
    // usage credits, the sound; in a game (not an export) also the progress
    // and the review. Returns the problem of a log that cannot be written.
    Problem applyTurn(const Verdict& verdict, int number);
    int drawCategory();
    // The category ran out of records: switches it off; for a category of the
    // setup list, the message the player must see; a bonus category is left
    // out of the draw for the rest of the run without a word.
    Problem giveUp(int category);

    SettingsStore& settings_;
    GameSession& session_;
    GameLog& log_;
    QuestionFile& questionFile_;
    ItemDraw& draw_;
    Sounds* sounds_;
    QuestionMaker makeModel_;
    AnswerRecorder record_;
    QList<ReviewEntry> review_;
    bool endedEarly_ = false;
};

} // namespace brev
