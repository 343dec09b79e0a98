#include "store/gamelog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <utility>

namespace brev {

namespace {
// The messages, in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brev::GameLog)
};
} // namespace

Problem GameLog::fail(const QString& reason)
{
    if (std::exchange(failed_, true))
        return std::nullopt;
    return Texts::tr("The log file %1 cannot be written: %2").arg(QDir::toNativeSeparators(path_), reason) +
           QStringLiteral("\r\n") + Texts::tr("The game goes on without it.");
}

Problem GameLog::clear()
{
    if (path_.isEmpty())
        return std::nullopt;
    QFile f(path_);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(f.errorString());
    return std::nullopt;
}

Problem GameLog::write(const QString& text, int level)
{
    Problem problem = flush();
    if (level < threshold_ || path_.isEmpty())
        return problem;
    // Opened and closed for every line, so the file is complete after each call.
    QFile f(path_);
    const QByteArray line = text.toLatin1() + "\r\n";
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append) || f.write(line) != line.size() || !f.flush())
        return problem ? problem : fail(f.errorString());
    return problem;
}

Problem GameLog::hold(const QString& text, int level)
{
    Problem problem = flush();
    held_ = text;
    heldLevel_ = level;
    return problem;
}

Problem GameLog::flush()
{
    if (!held_)
        return std::nullopt;
    const QString line = *std::exchange(held_, std::nullopt);
    return write(line, heldLevel_);
}

void GameLog::drop()
{
    held_.reset();
}

} // namespace brev
