#include "fuzz/fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace brev::fuzz {

namespace {

class CountedMessages : public Messages {
public:
    void ok(const QString&) override { ++shown; }
    bool yesNo(const QString&) override
    {
        ++shown;
        return true;
    }
    int shown = 0;
};

class SilentSound : public SoundPlayer {
public:
    bool play(const QString&) override { return true; }
};

class FixedRandom : public RandomSource {
public:
    double uniform() override { return 0.5; }
};

class NoShell : public Shell {
public:
    bool openUrl(const QString&) override { return false; }
};

class FixedClock : public Clock {
public:
    QDate today() override { return {2026, 12, 7}; }
};

const QString& directory()
{
    // In memory where the system offers it (saves sync their files to disk),
    // removed when the harness ends.
    static const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                                                     : QDir::tempPath();
    static QTemporaryDir dir(base + QStringLiteral("/brevfuzz-XXXXXX"));
    static const QString path = dir.path();
    return path;
}

} // namespace

std::unique_ptr<AppContext> freshContext()
{
    auto ctx = std::make_unique<AppContext>();
    ctx->dir = directory();
    ctx->messages = std::make_unique<CountedMessages>();
    ctx->sound = std::make_unique<SilentSound>();
    ctx->random = std::make_unique<FixedRandom>();
    ctx->shell = std::make_unique<NoShell>();
    ctx->clock = std::make_unique<FixedClock>();
    ctx->sndlistfile = QString::fromLatin1(kSoundListFile);
    ctx->hoffile = QString::fromLatin1(kHofFile);
    return ctx;
}

int messagesShown(const AppContext& ctx)
{
    return static_cast<const CountedMessages&>(*ctx.messages).shown;
}

void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile f(directory() + u'/' + name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        broken("the harness can write its own files");
}

QByteArray readFile(const QString& name)
{
    QFile f(directory() + u'/' + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void removeFile(const QString& name)
{
    QFile::remove(directory() + u'/' + name);
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
