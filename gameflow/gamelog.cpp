#include "gameflow/gamelog.h"

#include "services/context.h"

#include <QFile>

namespace brev {

void newlog(AppContext& ctx)
{
    QFile f(ctx.path(QString::fromLatin1(kLogFile)));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.close();
}

void writelog(AppContext& ctx, const QString& text, int level, int box)
{
    if (level < ctx.settings.loglevel)
        return;
    // Opened and closed for every line, so the file is complete after each call.
    QFile f(ctx.path(QString::fromLatin1(kLogFile)));
    if (f.open(QIODevice::WriteOnly | QIODevice::Append)) {
        f.write(text.toLatin1() + "\r\n");
        f.close();
    }
    if (box == 1)
        ctx.messages->ok(text);
}

} // namespace brev
