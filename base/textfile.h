#pragma once
// Reading and writing the program's 8-bit text files: values separated by
// commas and line ends, texts in double quotes, numbers in free form.
#include "base/problem.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace brev {

// A file's bytes as Latin-1 text, without a leading UTF-8 byte-order mark.
QString latin1Text(const QByteArray& bytes);
// Reads a whole file as Latin-1 text. The problem is the system's reason
// alone: the caller says which file and what it is for.
Result<QString> readTextFile(const QString& path);
// Replaces a file with the given bytes once they are complete on disk; on
// failure the old file stays as it was. The problem is the system's reason.
Problem saveFileAtomically(const QString& path, const QByteArray& bytes);

// A text as the files can hold it: a double quote becomes an apostrophe and a
// character beyond Latin-1 a question mark. Texts entering the program from the
// player or a file pass through here, so what is written reads back the same.
QString storableText(QString text);
// A value as a message quotes it: at most a short prefix, marked when cut.
QString shownValue(const QString& value);

// Walks the values of a file one by one.
class ItemReader {
public:
    explicit ItemReader(QString text) : text_(std::move(text)) {}

    // Why the last value could not be read.
    enum class Fault { None, EndOfText, OpenQuote, NotANumber, OutOfRange };

    // The next value: a quoted text up to its closing quote (line ends
    // included), or a bare value up to the next comma or line end (for numbers
    // also a space), without its surrounding spaces. Nothing when the text has
    // ended or ends inside a quoted value (fault() tells which).
    std::optional<QString> next(bool number = false);
    // The next value read as a whole number in [lo, hi]; an empty value is 0.
    // Nothing when the text has ended or the value is not such a number
    // (lastValue() holds it; fault() tells which).
    std::optional<int> nextNumber(int lo, int hi);
    // The value nextNumber read last, as written; empty when the text had ended.
    const QString& lastValue() const { return lastValue_; }
    // The rest of the current line as one value: a text in double quotes up to
    // its closing quote on that line, otherwise up to a comma. Whatever else the
    // line holds is skipped. Nothing when the text has ended.
    std::optional<QString> restOfLine();
    // True when nothing but separators, spaces and an end-of-file mark is left.
    bool atEnd();
    // Whether the last value ended at a line end or the end of the text.
    bool endedLine() const { return endedLine_; }
    Fault fault() const { return fault_; }
    // The line the current position is on, and the line the last value began on.
    int line() const { return line_; }
    int itemLine() const { return itemLine_; }

private:
    void skipSpaces();
    void skipLineEnd();
    bool atLineEnd() const;
    void skipSeparator();

    QString text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    int itemLine_ = 1;
    bool endedLine_ = false;
    Fault fault_ = Fault::None;
    QString lastValue_;
};

// A number the way the settings file writes it: a space or minus sign, the
// digits, a space.
QByteArray freeNumber(qint64 value);
// A text in double quotes (made storable first).
QByteArray quoted(const QString& text);

} // namespace brev
