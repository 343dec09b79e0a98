#pragma once
// What a question writes to the log or to the question file, read from what
// the question was: the lines of a judgement that each run writes. In an
// export game the log is the question file, and a file that holds a screen's
// questions takes of their judgements only the answers. Nothing here fails.
#include "base/state.h"
#include "models/verdict.h"

#include <QList>

namespace brev {

// The lines of a judgement a run in `mode` writes to its log: in a game all
// of them; in an export whose form writes the question's screen, only the
// Answer lines (no explanation, no "All correct").
QList<LogLine> judgedLines(const Verdict& verdict, RunMode mode);

} // namespace brev
