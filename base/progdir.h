#pragma once
// Where the program keeps its files, and getting that folder ready at start-up.
//
// A development build keeps everything beside its executable. An installed game
// keeps each player's files in a per-user folder, filled at the first start from
// the installed copy of the shipped files. A failure is returned as a message
// naming the folder or file; nothing the player already has is ever replaced.
#include "base/problem.h"

#include <QString>

namespace brev {

struct ProgramDirPlaces {
    QString chosen;  // the --dir value, empty when none was given
    QString exeDir;  // the executable's own directory
    QString userDir; // the per-user data directory
};

// The chosen directory when there is one; else the executable's directory when it
// holds brev.dat and can be written; else the per-user directory.
QString chooseProgramDir(const ProgramDirPlaces& places);

// Creates dir when it is missing, checks that a file can be written in it and
// copies into it each file of shippedDir it lacks (none when shippedDir is empty
// or missing). Returns the message for the player when any step fails.
Problem prepareProgramDir(const QString& dir, const QString& shippedDir);

} // namespace brev
