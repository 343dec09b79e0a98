#pragma once
// The run's plain-text log "brevquiz.log" in the program directory: the
// questions asked and the answers missed, line by line. A line is written only
// when its level reaches the threshold (the settings' log level).
//
// Failures: the call that first fails to write the file in a run returns
// the problem, naming the file and the system's reason, for a window to tell;
// later failures stay quiet. Play goes on without the lines that were lost.
#include "base/problem.h"

#include <QString>
#include <optional>

namespace brev {

inline constexpr char kLogFile[] = "brevquiz.log";

class GameLog {
public:
    // path: the log file (empty: lines are dropped, as the command-line
    // export leaves the program's log alone); threshold: the level a line must
    // reach, read at every line (the settings' log level).
    GameLog(QString path, const int& threshold) : path_(std::move(path)), threshold_(threshold) {}

    const QString& path() const { return path_; }
    // Empties the log.
    Problem clear();
    // Appends one line when its level reaches the threshold.
    Problem write(const QString& text, int level);
    // Holds a line back until the next line is written (or flush), so that a
    // question header stays out of the log when the question is never asked;
    // drop forgets it.
    Problem hold(const QString& text, int level);
    Problem flush();
    void drop();

private:
    Problem fail(const QString& reason);

    QString path_;
    const int& threshold_;
    std::optional<QString> held_;
    int heldLevel_ = 0;
    bool failed_ = false;
};

} // namespace brev
