#pragma once
// Everything the program shares between its windows, created once at start-up.
#include "store/hoflist.h"
#include "store/brevmain.h"
#include "base/seams.h"
#include "base/state.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <memory>
#include <optional>

namespace brev {

struct AppContext : RefData {
    // Seams; the program and the tests install them.
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<Messages> messages;
    std::unique_ptr<SoundPlayer> sound;
    std::unique_ptr<Shell> shell;
    std::unique_ptr<Clock> clock;

    QString dir;                 // the program directory: every file lives here
    QString lb = QStringLiteral("\r\n");
    Settings settings;
    GameState game;

    QString sndlistfile;
    QString hoffile;
    HofTable hof{};           // the hall of fame, entries 1..hofcount
    int hofcount = 0;         // entries in use, 0..30
    std::array<QString, 17> sndfiles{};
    int nameMeBase = 6;
    bool bonusQuestions = false; // the bonus categories join the draw (brevplus.ini)
    bool laterPresidents = true; // the add-on's records join the draw (brevplus.ini)
    bool sizebusy = false;
    std::optional<QString> heldLogLine;   // a question header not yet written
    int heldLogLevel = 0;
    bool logfailed = false;      // the log could not be written once this run
    Problem logProblem;          // that failure, until a window has shown it
    // When set, the log's lines go here instead of "brevquiz.log" (the
    // command-line export collects its file this way).
    QByteArray* logSink = nullptr;

    // A bare file name resolved in the program directory.
    QString path(const QString& name) const;
};

} // namespace brev
