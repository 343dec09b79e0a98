#pragma once
// The command-line export: the same question file a game in an export mode
// writes, made without any window or display and without touching the
// program directory's log.
#include "game/questionexport.h"

#include <QString>
#include <optional>

namespace brev {

struct CommandLineExport {
    ExportMode mode = ExportMode::Online;
    int questions = 0;           // 0: the mode's own count (12 or 50)
    std::optional<quint64> seed; // none: seeded from the clock
    QString out;                 // empty: standard output
    QString dir;                 // the --dir value, empty when none was given
};

// Reads the data and settings of the program directory, runs the export and
// writes the file. Returns the exit status: 0 on success, 1 with a message on
// standard error when the data or settings cannot be read, the export cannot
// be made or the file cannot be written.
int runCommandLineExport(const CommandLineExport& options, const QString& exeDir, const QString& shippedDir);

// --progress: the player's mastery per president as a table on standard
// output, read from the progress file without writing it. Returns the exit
// status: 0, or 1 with a message on standard error.
int runProgressReport(const QString& dirOption, const QString& exeDir, const QString& shippedDir);

} // namespace brev
