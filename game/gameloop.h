#pragma once
// The game loop: a game of nquestions questions, the category draw and the
// dispatch of each category to the screen that asks it, through the windows
// the program gives it (GameUi).
#include "base/categories.h"

#include <QList>
#include <QString>
#include <array>

namespace brev {

struct AppContext;

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
    // Opens the screen modally and returns once it (and its score screen) closed.
    virtual Asked openScreen(Screen screen) = 0;
    // Shows the setup screen modally.
    virtual void showSetup() = 0;
    // Offers a final score to the hall of fame; the entry's name is the
    // player's name as the name entry leaves it.
    virtual void enterHof(int adjusted, const QString& game, int percent, int extra) = 0;
    // A message for the player, with OK only.
    virtual void tell(const QString& text) = 0;
};

void playgame(AppContext& ctx, GameUi& ui);
void nextquestion(AppContext& ctx, GameUi& ui);
Asked askquestion(AppContext& ctx, GameUi& ui, int category);

} // namespace brev
