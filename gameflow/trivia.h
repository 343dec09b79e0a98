#pragma once
// Settings file, game state, running score and the game loop.
#include "services/state.h"

#include <QString>

namespace brev {

struct AppContext;
struct RefData;

// The file's text for the given settings, byte for byte.
QByteArray settingsText(const Settings& s);

// Reads "brev.INI". A missing file leaves the defaults; a file that ends early
// or holds a value that is not a number keeps what was read before that point,
// leaves the rest at their defaults and says so through the message seam.
void loadsettings(AppContext& ctx);
// Replaces "brev.INI" only once the new contents are complete on disk; on failure
// the old file stays and the system's error text is shown. Returns success.
bool savesettings(AppContext& ctx);
// The first steps of start-up: line break, export mode off, Name Me base,
// settings, file names, the hall of fame, category table.
void startup(AppContext& ctx);

// Running score and usage counters.
void updatestats(GameState& game, int points, int maximum, int unused = 0);
void recordanswer(RefData& data, int record, int change);

// Difficulty-adjusted score: score x maxdif / 100 x percent, rounded half to even.
int adjustedScore(int score, int maxdif, int percent);

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
    // Offers a final score to the hall of fame.
    virtual void enterHof(int adjusted, const QString& game, int percent, const QString& name,
                          int flag) = 0;
};

void playgame(AppContext& ctx, GameUi& ui);
void nextquestion(AppContext& ctx, GameUi& ui);
Asked askquestion(AppContext& ctx, GameUi& ui, int category);

} // namespace brev
