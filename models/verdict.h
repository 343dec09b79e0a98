#pragma once
// What judging one answer decided: the points, the record credits, the log
// lines, the sound and the score screen's texts. A screen's model builds it
// without touching anything; applyVerdict makes it happen in one place.
#include <QList>
#include <QString>

namespace brev {

struct AppContext;

struct Credit {
    int record = 0;
    int change = 0;
};

struct LogLine {
    QString text;
    int level = 1;
};

struct Verdict {
    int points = 0;          // won
    int possible = 0;        // at stake
    QList<Credit> credits;   // usage counter changes, in order
    QList<LogLine> log;      // play-log lines
    int sound = -1;          // an Sfx number, or -1 for none
    QString results;         // the score screen's result text
    QString heading;         // the score screen's heading

    bool operator==(const Verdict&) const = default;
};

inline bool operator==(const Credit& a, const Credit& b)
{
    return a.record == b.record && a.change == b.change;
}
inline bool operator==(const LogLine& a, const LogLine& b)
{
    return a.text == b.text && a.level == b.level;
}

// Running score, log lines, usage counters, then the sound.
void applyVerdict(AppContext& ctx, const Verdict& verdict);

} // namespace brev
