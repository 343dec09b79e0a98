#include "store/gamelog.h"

#include "store/context.h"

#include <QDir>
#include <QFile>
#include <utility>

namespace brev {

namespace {

// The first failure of a run is kept for the windows to tell the player which
// file and why; later ones stay quiet. Play goes on either way, without the
// lines that were lost.
void reportFailure(AppContext& ctx, const QFile& f)
{
    if (ctx.logfailed)
        return;
    ctx.logfailed = true;
    ctx.logProblem = QStringLiteral("The log file ") + QDir::toNativeSeparators(f.fileName())
                     + QStringLiteral(" cannot be written: ") + f.errorString() + ctx.lb
                     + QStringLiteral("The game goes on without it.");
}

} // namespace

void newlog(AppContext& ctx)
{
    if (ctx.logSink) {
        ctx.logSink->clear();
        return;
    }
    QFile f(ctx.path(QString::fromLatin1(kLogFile)));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        reportFailure(ctx, f);
}

void writelog(AppContext& ctx, const QString& text, int level)
{
    flushlog(ctx);
    if (level < ctx.settings.loglevel)
        return;
    if (ctx.logSink) {
        ctx.logSink->append(text.toLatin1() + "\r\n");
        return;
    }
    // Opened and closed for every line, so the file is complete after each call.
    QFile f(ctx.path(QString::fromLatin1(kLogFile)));
    const QByteArray line = text.toLatin1() + "\r\n";
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append) || f.write(line) != line.size() || !f.flush())
        reportFailure(ctx, f);
}

void holdlog(AppContext& ctx, const QString& text, int level)
{
    flushlog(ctx);
    ctx.heldLogLine = text;
    ctx.heldLogLevel = level;
}

void flushlog(AppContext& ctx)
{
    if (!ctx.heldLogLine)
        return;
    const QString line = *std::exchange(ctx.heldLogLine, std::nullopt);
    writelog(ctx, line, ctx.heldLogLevel);
}

Problem takeLogProblem(AppContext& ctx)
{
    return std::exchange(ctx.logProblem, std::nullopt);
}

void droplog(AppContext& ctx)
{
    ctx.heldLogLine.reset();
}

} // namespace brev
