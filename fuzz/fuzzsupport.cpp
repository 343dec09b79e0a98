#include "fuzz/fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace brev::fuzz {

const QString& directory()
{
    // In memory where the system offers it (saves sync their files to disk),
    // removed when the harness ends.
    static const QString base =
        QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static QTemporaryDir dir(base + QStringLiteral("/brevfuzz-XXXXXX"));
    static const QString kept = dir.path();
    return kept;
}

QString path(const QString& name)
{
    return directory() + u'/' + name;
}

void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile f(path(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        broken("the harness can write its own files");
}

QByteArray readFile(const QString& name)
{
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void removeFile(const QString& name)
{
    QFile::remove(path(name));
}

QByteArray bytesOf(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

void broken(const char* rule)
{
    std::fprintf(stderr, "Broken rule: %s\n", rule);
    std::abort();
}

} // namespace brev::fuzz
