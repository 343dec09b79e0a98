#pragma once
// Settings file, game state, running score and the game loop.
#include <QString>
#include <array>

namespace brev {

struct AppContext;

// Remembered state and outer size (twips) of one question window.
struct WindowPlace {
    int state = 0;           // 0 normal, 1 minimised, 2 maximised
    qint32 backcolor = 0;    // kept, never applied
    int height = 0;
    int width = 0;
};

inline constexpr int kWindowSlots = 11;   // slots 0..10; 0..9 are stored
inline constexpr int kCategories = 29;    // categories 0..28; 0..18 are stored

// Window slots of the question windows.
enum WindowSlot { SlotMultipleChoice = 0, SlotSort = 1, SlotMatch = 2, SlotScore = 3,
                  SlotOddOut = 7, SlotPortraits = 8 };

struct Settings {
    int mindif = 1;
    bool mindifIsText = false;   // the setup screen stores its box's text, written without spaces
    int maxdif = 1;
    int nquestions = 5;
    int loglevel = 0;
    int reserved1 = 0;
    int soundon = 0;
    QString playername;
    QString playeremail;
    QString bgpicture;
    std::array<WindowPlace, kWindowSlots> windowplaces{};
    std::array<int, kCategories> catenabled{};
};

struct GameState {
    int category = 0;
    std::array<int, 6> chosen{};
    int score = 0;
    int possible = 0;
    int percent = 0;
    int onlineQuestionMode = 0;
    int tabbedQuestionMode = 0;
    int questionsWritten = 0;
};

// Settings file "brev.INI" in the program directory.
inline constexpr char kSettingsFile[] = "brev.INI";
inline constexpr char kSoundListFile[] = "brevsnd.dat";
inline constexpr char kHofFile[] = "brev.hof";
inline constexpr char kVersion[] = "2.11";
inline constexpr char kTitle[] = "Brevallo Game";

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
void updatestats(AppContext& ctx, int points, int maximum, int unused = 0);
void recordanswer(AppContext& ctx, int record, int change);

// Difficulty-adjusted score: score x maxdif / 100 x percent, rounded half to even.
int adjustedScore(int score, int maxdif, int percent);

// The question screens a category is asked on.
enum class Screen { None, MultipleChoice, Matching, Portraits, Sorting, OddOneOut, NameMe };
Screen screenFor(int category);

// What the game loop needs from the windows.
class GameUi {
public:
    virtual ~GameUi() = default;
    // Opens the screen modally and returns once it (and its score screen) closed;
    // false when this program has no window for that screen.
    virtual bool openScreen(Screen screen) = 0;
    // Shows the setup screen modally.
    virtual void showSetup() = 0;
    // Offers a final score to the hall of fame.
    virtual void enterHof(int adjusted, const QString& game, int percent, const QString& name,
                          int flag) = 0;
};

void playgame(AppContext& ctx, GameUi& ui);
void nextquestion(AppContext& ctx, GameUi& ui);
void askquestion(AppContext& ctx, GameUi& ui, int category);

} // namespace brev
