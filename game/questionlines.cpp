#include "game/questionlines.h"

#include "base/categories.h"

namespace brev {

namespace {

// Whether the export in `mode` writes questions of the category.
bool formWrites(int category, RunMode mode)
{
    switch (mode) {
    case RunMode::Play: return false;
    case RunMode::OnlineExport: return hasOnlineForm(category);
    case RunMode::TabbedExport: return hasTabbedForm(category);
    }
    return false;
}

} // namespace

QList<LogLine> judgedLines(const Verdict& verdict, RunMode mode)
{
    if (!formWrites(verdict.record.category, mode))
        return verdict.log;
    QList<LogLine> lines;
    for (const LogLine& line : verdict.log)
        if (line.kind == LineKind::Answer)
            lines << line;
    return lines;
}

} // namespace brev
