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

void GameLog::fail(const QString& reason)
{
    if (std::exchange(failed_, true))
        return;
    problem_ = Texts::tr("The log file %1 cannot be written: %2").arg(QDir::toNativeSeparators(path_), reason)
               + QStringLiteral("\r\n") + Texts::tr("The game goes on without it.");
}

void GameLog::clear()
{
    if (path_.isEmpty())
        return;
    QFile f(path_);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(f.errorString());
}

void GameLog::write(const QString& text, int level)
{
    flush();
    if (level < threshold_ || path_.isEmpty())
        return;
    // Opened and closed for every line, so the file is complete after each call.
    QFile f(path_);
    const QByteArray line = text.toLatin1() + "\r\n";
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append) || f.write(line) != line.size() || !f.flush())
        fail(f.errorString());
}

void GameLog::hold(const QString& text, int level)
{
    flush();
    held_ = text;
    heldLevel_ = level;
}

void GameLog::flush()
{
    if (!held_)
        return;
    const QString line = *std::exchange(held_, std::nullopt);
    write(line, heldLevel_);
}

void GameLog::drop()
{
    held_.reset();
}

Problem GameLog::takeProblem()
{
    return std::exchange(problem_, std::nullopt);
}

} // namespace brev
