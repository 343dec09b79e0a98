#include "base/textfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace brev {

namespace {

// The messages, in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brev::TextFile)
};
constexpr qsizetype kShownChars = 40;

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t';
}

// A bare value without the spaces and tabs around it (only those: what the
// reader skips before a value is what it trims after it).
QString withoutSpaces(const QString& value)
{
    qsizetype from = 0;
    qsizetype to = value.size();
    while (from < to && isSpace(value[from]))
        ++from;
    while (to > from && isSpace(value[to - 1]))
        --to;
    return value.sliced(from, to - from);
}
} // namespace

QString latin1Text(const QByteArray& bytes)
{
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    return QString::fromLatin1(bom ? bytes.sliced(3) : bytes);
}

Result<QString> readTextFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return failure(f.errorString());
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return failure(f.errorString());
    return latin1Text(bytes);
}

Problem saveFileAtomically(const QString& path, const QByteArray& bytes)
{
    // Unbuffered, so a full disk or a size limit shows in write() itself; a
    // buffered short write would only surface at commit(), which renames the
    // cut-off file over the old one regardless.
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return f.errorString();
    // A short write is retried, so a second attempt reports the system's reason.
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 n = f.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            break;
        done += n;
    }
    if (done != bytes.size() || !f.flush() || f.error() != QFileDevice::NoError) {
        QString why = f.errorString();
        if (why.isEmpty() || f.error() == QFileDevice::NoError)
            why = Texts::tr("the file could not be written in full");
        f.cancelWriting();
        return why;
    }
    if (!f.commit())
        return f.errorString();
    return std::nullopt;
}

QString storableText(QString text)
{
    for (QChar& c : text) {
        if (c == u'"')
            c = u'\'';
        else if (c.unicode() > 0xFF)
            c = u'?';
    }
    return text;
}

QString shownValue(const QString& value)
{
    if (value.size() <= kShownChars)
        return value;
    return value.left(kShownChars) + QStringLiteral("...");
}

bool ItemReader::atLineEnd() const
{
    return pos_ < text_.size() && (text_[pos_] == u'\r' || text_[pos_] == u'\n');
}

void ItemReader::skipSpaces()
{
    while (pos_ < text_.size() && (text_[pos_] == u' ' || text_[pos_] == u'\t'))
        ++pos_;
}

void ItemReader::skipLineEnd()
{
    if (pos_ < text_.size() && text_[pos_] == u'\r')
        ++pos_;
    if (pos_ < text_.size() && text_[pos_] == u'\n')
        ++pos_;
    ++line_;
}

void ItemReader::skipSeparator()
{
    endedLine_ = pos_ >= text_.size();
    if (pos_ < text_.size()) {
        if (text_[pos_] == u',') {
            ++pos_;
        } else if (atLineEnd()) {
            skipLineEnd();
            endedLine_ = true;
        }
    }
}

std::optional<QString> ItemReader::next(bool number)
{
    skipSpaces();
    itemLine_ = line_;
    if (pos_ >= text_.size()) {
        fault_ = Fault::EndOfText;
        return std::nullopt;
    }

    QString value;
    if (text_[pos_] == u'"') {
        const qsizetype close = text_.indexOf(u'"', pos_ + 1);
        if (close < 0) {
            fault_ = Fault::OpenQuote;
            return std::nullopt;
        }
        value = text_.sliced(pos_ + 1, close - pos_ - 1);
        // A quoted text may span lines: CR LF, CR and LF each end one.
        line_ += value.count(u'\n') + value.count(u'\r') - value.count(QStringLiteral("\r\n"));
        pos_ = close + 1;
        // Anything after the closing quote up to the separator is dropped.
        while (pos_ < text_.size() && text_[pos_] != u',' && !atLineEnd())
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != u',' && !atLineEnd() &&
               !(number && (text_[pos_] == u' ' || text_[pos_] == u'\t')))
            ++pos_;
        value = withoutSpaces(text_.sliced(start, pos_ - start));
        if (number)
            skipSpaces();
    }
    skipSeparator();
    fault_ = Fault::None;
    return value;
}

std::optional<int> ItemReader::nextNumber(int lo, int hi)
{
    const auto item = next(true);
    lastValue_ = item.value_or(QString());
    if (!item)
        return std::nullopt;
    if (item->isEmpty())
        return 0;
    bool ok = false;
    const qlonglong v = item->toLongLong(&ok);
    if (ok && v >= lo && v <= hi)
        return static_cast<int>(v);
    static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]+$"));
    fault_ = whole.match(*item).hasMatch() ? Fault::OutOfRange : Fault::NotANumber;
    return std::nullopt;
}

std::optional<QString> ItemReader::restOfLine()
{
    skipSpaces();
    itemLine_ = line_;
    if (pos_ >= text_.size()) {
        fault_ = Fault::EndOfText;
        return std::nullopt;
    }
    qsizetype lineEnd = pos_;
    while (lineEnd < text_.size() && text_[lineEnd] != u'\r' && text_[lineEnd] != u'\n')
        ++lineEnd;
    const QString line = text_.sliced(pos_, lineEnd - pos_);
    QString value;
    if (line.startsWith(u'"')) {
        const qsizetype close = line.indexOf(u'"', 1);
        value = line.sliced(1, (close < 0 ? line.size() : close) - 1);
    } else {
        value = withoutSpaces(line.left(line.indexOf(u',')));
    }
    pos_ = lineEnd;
    skipSeparator();
    fault_ = Fault::None;
    return value;
}

bool ItemReader::atEnd()
{
    while (pos_ < text_.size()) {
        const QChar c = text_[pos_];
        if (atLineEnd())
            skipLineEnd();
        else if (c == u' ' || c == u'\t' || c == u',' || c == QChar(0x1A))
            ++pos_;
        else
            return false;
    }
    return true;
}

QByteArray freeNumber(qint64 value)
{
    QByteArray out;
    if (value >= 0)
        out += ' ';
    out += QByteArray::number(value);
    out += ' ';
    return out;
}

QByteArray quoted(const QString& text)
{
    return '"' + storableText(text).toLatin1() + '"';
}

} // namespace brev
