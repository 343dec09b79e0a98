#pragma once
// The game loop: a game of nquestions questions, the category draw, and for
// each question its model (from the one table of question kinds), its load
// lines, and the window the program gives it (GameUi). Also how a judged
// answer is applied. Nothing here fails; the players' messages go through
// GameUi::tell.
#include "base/categories.h"

#include "base/state.h"

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
struct Verdict;

// Difficulty-adjusted score: score x maxdif / 100 x percent, rounded half to even.
int adjustedScore(int score, int maxdif, int percent);

// The categories a game draws from: the enabled ones of the setup list, and
// with bonus questions the enabled bonus categories.
QList<int> drawnCategories(const std::array<int, kCategories>& catenabled, bool bonusQuestions);

// What became of a question the game loop sent to a screen.
enum class Asked {
    Yes,         // shown to the player (answered or skipped)
    Abandoned,   // too few records for the category: never shown
    LeftOut,     // a bonus category too few records can fill: never shown, not counted
    NoScreen,    // this program has no window for that screen
};

// What the game loop needs from the windows.
class GameUi {
public:
    virtual ~GameUi() = default;
    // Shows the loaded question modally and returns once it (and its score
    // screen) closed.
    virtual Asked ask(QuestionModel& question) = 0;
    // A category of the setup list ran out of records: tells the player and
    // lets them choose others.
    virtual void givenUp(const QString& message) = 0;
    // No category can be drawn: shows the setup screen modally. False when
    // there is no one to ask: the game ends there.
    virtual bool showSetup() = 0;
    // Offers a final score to the hall of fame.
    virtual void enterHof(int adjusted, const QString& game, int percent, int extra) = 0;
    // A message for the player, with OK only.
    virtual void tell(const QString& text) = 0;
};

// What a loaded question writes: in a game its play-log lines, in an export
// its lines to the question file (a tabbed line is counted).
void writeLoadLines(const QuestionModel& question, GameSession& session, GameLog& log, QuestionFile& questionFile);

// Applies a judgement: the running score, the play-log lines, the usage
// counters, then the sound.
void applyVerdict(const Verdict& verdict, GameSession& session, GameLog& log, Sounds& sounds);

// Makes the model of a question (the table of question kinds, makeQuestion).
using QuestionMaker =
    std::function<std::unique_ptr<QuestionModel>(Screen, ItemDraw&, int category, RunMode, int maxdif)>;

class Game {
    Q_DECLARE_TR_FUNCTIONS(brev::Game)
public:
    // settings: the game's conditions and categories (a category that runs
    // out is switched off); session: the running score, counters and mode;
    // log: the play log; questionFile: where an export's lines go; draw: the
    // records drawn for each question; makeModel: the question kinds.
    Game(SettingsStore& settings, GameSession& session, GameLog& log, QuestionFile& questionFile, ItemDraw& draw,
         QuestionMaker makeModel = {});

    // A whole game, its final message and the hall-of-fame offer (playgame).
    void play(GameUi& ui);
    // The game's questions (nextquestion).
    void askQuestions(GameUi& ui);
    // One question of a category (askquestion).
    Asked ask(GameUi& ui, int category);

private:
    int drawCategory();
    // The category ran out of records: switches it off; for a category of the
    // setup list, the message the player must see; a bonus category is left
    // out of the draw for the rest of the run without a word.
    std::optional<QString> giveUp(int category);

    SettingsStore& settings_;
    GameSession& session_;
    GameLog& log_;
    QuestionFile& questionFile_;
    ItemDraw& draw_;
    QuestionMaker makeModel_;
};

} // namespace brev
