#include "services/textfile.h"

#include <QFile>
#include <QSaveFile>

namespace brev {

std::optional<QString> readTextFile(const QString& path, QString* error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = f.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        if (error)
            *error = f.errorString();
        return std::nullopt;
    }
    return QString::fromLatin1(bytes);
}

QString saveFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return f.errorString();
    if (f.write(bytes) != bytes.size()) {
        const QString why = f.errorString();
        f.cancelWriting();
        return why;
    }
    if (!f.commit())
        return f.errorString();
    return {};
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

std::optional<QString> ItemReader::next(bool number)
{
    skipSpaces();
    if (pos_ >= text_.size())
        return std::nullopt;

    QString value;
    if (text_[pos_] == u'"') {
        ++pos_;
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != u'"' && text_[pos_] != u'\r'
               && text_[pos_] != u'\n')
            ++pos_;
        value = text_.mid(start, pos_ - start);
        if (pos_ < text_.size() && text_[pos_] == u'"')
            ++pos_;
        // Anything after the closing quote up to the separator is dropped.
        while (pos_ < text_.size() && text_[pos_] != u',' && !atLineEnd())
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != u',' && !atLineEnd()
               && !(number && (text_[pos_] == u' ' || text_[pos_] == u'\t')))
            ++pos_;
        value = text_.mid(start, pos_ - start).trimmed();
        if (number)
            skipSpaces();
    }
    if (pos_ < text_.size()) {
        if (text_[pos_] == u',')
            ++pos_;
        else if (atLineEnd())
            skipLineEnd();
    }
    return value;
}

std::optional<int> ItemReader::nextNumber(int lo, int hi, QString* bad)
{
    const auto item = next(true);
    if (!item) {
        if (bad)
            bad->clear();
        return std::nullopt;
    }
    if (item->isEmpty())
        return 0;
    bool ok = false;
    const qlonglong v = item->toLongLong(&ok);
    if (!ok || v < lo || v > hi) {
        if (bad)
            *bad = *item;
        return std::nullopt;
    }
    return static_cast<int>(v);
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
    return '"' + text.toLatin1() + '"';
}

} // namespace brev
