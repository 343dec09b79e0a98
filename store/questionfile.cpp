#include "store/questionfile.h"

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

Problem QuestionFile::append(const QByteArray& bytes, bool truncate)
{
    if (buffer_) {
        if (truncate)
            buffer_->clear();
        buffer_->append(bytes);
        return std::nullopt;
    }
    QFile f(path_);
    const auto mode = QIODevice::WriteOnly | (truncate ? QIODevice::Truncate : QIODevice::Append);
    if ((f.open(mode) && f.write(bytes) == bytes.size() && f.flush()) || std::exchange(failed_, true))
        return std::nullopt;
    // In a game the question file is the log, and the player hears of it as the log.
    return Texts::tr("The log file %1 cannot be written: %2")
               .arg(QDir::toNativeSeparators(path_), f.errorString()) +
           QStringLiteral("\r\n") + Texts::tr("The game goes on without it.");
}

Problem QuestionFile::start(const QString& dateLine)
{
    return append(dateLine.toLatin1() + "\r\n", true);
}

Problem QuestionFile::add(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes.isEmpty() ? std::nullopt : append(bytes, false);
}

} // namespace brev
