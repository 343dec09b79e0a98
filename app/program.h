#pragma once
// Everything one run of the program owns, made at start-up: the seams and
// the objects each window, model and function is handed what it needs from.
// Only start-up and this top floor see it whole; below, every piece receives
// its own inputs.
//
//   records       the president records (read-only but for the editor's difficulty)
//   settings      brev.INI and brevplus.ini, the player's settings
//   session       the running score, the usage counters, the export mode
//   log           the play log brevquiz.log
//   questionFile  the file an export writes (in a game, the log file)
//   hof           the hall of fame and brev.hof
//   sounds        the sound list and its effects
//   sizes         the question windows' size memory
//   draw          the item draw over records, usage counters and random source
//   progress      the player's progress file brevprogress.sqlite (opened when first used)
//   classes       the class reports' sender, over the progress file's outbox
#include "base/classlink.h"
#include "base/seams.h"
#include "screens/questionwindow.h"
#include "store/gamelog.h"
#include "rules/gamesession.h"
#include "store/hoflist.h"
#include "store/classreporter.h"
#include "rules/itemdraw.h"
#include "store/progressstore.h"
#include "store/questionfile.h"
#include "store/records.h"
#include "store/settingsstore.h"
#include "store/sounds.h"
#include "store/windowsizes.h"

#include <QStringList>
#include <memory>

namespace brev {

// The seams a run works through; the program makes real ones, tests their own.
struct Seams {
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<Messages> messages;
    std::unique_ptr<SoundPlayer> sound;
    std::unique_ptr<Shell> shell;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<ClassLink> classLink; // none: no class report is ever sent
};

class Program {
public:
    // dir: the program directory, where every file lives.
    Program(QString dir, Seams seams);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    const QString dir;
    Seams seams;
    RandomSource& random;
    Messages& messages;
    Shell& shell;
    Clock& clock;

    SettingsStore settings;
    Records records;
    GameSession session;
    GameLog log;
    QuestionFile questionFile;
    HallOfFame hof;
    Sounds sounds;
    WindowSizes sizes;
    ItemDraw draw;
    ProgressStore progress;
    ClassReporter classes;

    // A bare file name resolved in the program directory.
    QString path(const QString& name) const;
    WindowParts windowParts() { return {messages, sounds, sizes}; }
    // Sends the class reports waiting, when the player has a class code.
    void sendClassReports();
    // Sends them and asks for the class's practice set (after start-up's first paint).
    void contactClass();

    // The first step of a game's start-up: the play mode on and the settings
    // read (the hall of fame's hof.load() follows).
    Problem loadSettings();
    // Reads brev.dat (and makes the usage counters); its problem stops the game.
    Problem readRecords();
    // Reads the add-on, in play as brevplus.ini says; its problem is told
    // and the game goes on with brev.dat's records.
    Problem readAddOn();
};

} // namespace brev
