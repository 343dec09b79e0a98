#pragma once
// The run's plain-text log "brevquiz.log", also the question export file.
#include "base/problem.h"

#include <QString>

namespace brev {

struct AppContext;
inline constexpr char kLogFile[] = "brevquiz.log";

// Empties the log.
void newlog(AppContext& ctx);
// Appends one line when level reaches the threshold.
void writelog(AppContext& ctx, const QString& text, int level);
// Holds a line back until the next line is written (or flushlog), so that a
// question header stays out of the log when the question is never asked;
// droplog forgets it.
void holdlog(AppContext& ctx, const QString& text, int level);
void flushlog(AppContext& ctx);
void droplog(AppContext& ctx);
// The run's first failure to write the log (the file and why), once; the
// windows show it. Later failures are not reported again.
Problem takeLogProblem(AppContext& ctx);

} // namespace brev
