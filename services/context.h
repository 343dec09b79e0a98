#pragma once
// Everything the program shares between its windows, created once at start-up.
#include "gameflow/trivia.h"
#include "refdata/brevmain.h"
#include "services/seams.h"

#include <QString>
#include <array>
#include <memory>

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
    std::array<QString, 17> sndfiles{};
    int nameMeBase = 6;
    bool sizebusy = false;
    bool logfailed = false;      // the player has been told that the log cannot be written

    // A bare file name resolved in the program directory.
    QString path(const QString& name) const;
};

} // namespace brev
