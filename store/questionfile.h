#pragma once
// The file a question export writes: its date line, then each question's
// block (online form) or tab-separated line (tabbed form), 8-bit text with
// CR LF line ends. In a game with an export switched on it is the log file,
// "brevquiz.log"; on the command line it collects the file in memory.
//
// Failures: the call that first fails to write the file returns the problem,
// naming the file (as the log, which it is) and the system's reason, for the
// caller to tell; later failures stay quiet. The game goes on without the
// lines that were lost.
#include "base/problem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace brev {

class QuestionFile {
public:
    // Lines go to the file at `path`, each appended as it comes.
    explicit QuestionFile(QString path) : path_(std::move(path)) {}
    // Lines go to `buffer`.
    explicit QuestionFile(QByteArray* buffer) : buffer_(buffer) {}

    // Empties the file and writes its first line, the date.
    Problem start(const QString& dateLine);
    // Appends a question's lines.
    Problem add(const QStringList& lines);

private:
    Problem append(const QByteArray& bytes, bool truncate);

    QString path_;
    QByteArray* buffer_ = nullptr;
    bool failed_ = false;
};

} // namespace brev
