#pragma once
// Start-up, one for the game and the command line: the program directory
// chosen and filled from the shipped files, the language its settings name,
// the seeded random source and the clock, and the Program over them. Fails
// with the message naming the folder when the program directory cannot be
// used; it shows nothing itself.
#include "app/program.h"
#include "base/problem.h"

#include <QString>
#include <memory>
#include <optional>

namespace brev {

struct StartOptions {
    QString dirOption;           // --dir, empty when none was given
    QString exeDir;              // the executable's folder
    QString shippedDir;          // the shipped files
    std::optional<quint64> seed; // --seed; none: seeded from the clock
};

// seams: the caller's messages, sound and shell; the random source and the
// clock are made here.
Result<std::unique_ptr<Program>> startProgram(const StartOptions& options, Seams seams);

} // namespace brev
