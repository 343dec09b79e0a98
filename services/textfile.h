#pragma once
// Reading and writing the program's 8-bit text files: values separated by
// commas and line ends, texts in double quotes, numbers in free form.
#include <QByteArray>
#include <QString>
#include <optional>

namespace brev {

// Reads a whole file as Latin-1 text; nothing when it cannot be opened
// (the reason goes to *error).
std::optional<QString> readTextFile(const QString& path, QString* error = nullptr);
// Replaces a file with the given bytes once they are complete on disk.
// Returns an empty string on success, otherwise the system's error text.
QString saveFileAtomically(const QString& path, const QByteArray& bytes);

// Walks the values of a file one by one.
class ItemReader {
public:
    explicit ItemReader(QString text) : text_(std::move(text)) {}

    // The next value: a quoted text up to its closing quote, or a bare value up
    // to the next comma or line end (for numbers also a space), without its
    // surrounding spaces. Nothing when the text has ended.
    std::optional<QString> next(bool number = false);
    // The next value read as a whole number in [lo, hi]; an empty value is 0.
    // Nothing when the text has ended (*bad left empty) or the value is not
    // such a number (*bad holds it).
    std::optional<int> nextNumber(int lo, int hi, QString* bad = nullptr);
    int line() const { return line_; }

private:
    void skipSpaces();
    void skipLineEnd();
    bool atLineEnd() const;

    QString text_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

// A number the way the settings file writes it: a space or minus sign, the
// digits, a space.
QByteArray freeNumber(qint64 value);
// A text in double quotes.
QByteArray quoted(const QString& text);

} // namespace brev
