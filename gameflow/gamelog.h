#pragma once
// The run's plain-text log "brevquiz.log", also the question export file.
#include <QString>

namespace brev {

struct AppContext;
inline constexpr char kLogFile[] = "brevquiz.log";

// Empties the log.
void newlog(AppContext& ctx);
// Appends one line when level reaches the threshold; box 1 also shows it.
void writelog(AppContext& ctx, const QString& text, int level, int box = 0);

} // namespace brev
