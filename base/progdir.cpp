#include "base/progdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace brev {

namespace {

// The messages, in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brev::ProgramDir)
};

// Asks the file system itself: permission bits say nothing about read-only mounts.
bool canWrite(const QString& dir)
{
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".brevallo-XXXXXX")));
    return probe.open();
}

bool sameDir(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

QString chooseProgramDir(const ProgramDirPlaces& places)
{
    if (!places.chosen.isEmpty())
        return QFileInfo(places.chosen).absoluteFilePath();
    if (QFileInfo(QDir(places.exeDir).filePath(QStringLiteral("brev.dat"))).isFile() &&
        canWrite(places.exeDir))
        return places.exeDir;
    return places.userDir;
}

Problem prepareProgramDir(const QString& dir, const QString& shippedDir)
{
    const QString shown = QDir::toNativeSeparators(dir);
    if (!QFileInfo(dir).isDir() && !QDir().mkpath(dir))
        return Texts::tr("The folder %1 for the game's files cannot be created.").arg(shown);
    if (!canWrite(dir))
        return Texts::tr("The folder %1 for the game's files cannot be written to.").arg(shown);
    if (shippedDir.isEmpty() || !QFileInfo(shippedDir).isDir() || sameDir(dir, shippedDir))
        return std::nullopt;
    const QDir from(shippedDir);
    const QDir to(dir);
    for (const QString& name : from.entryList(QDir::Files | QDir::Readable, QDir::Name)) {
        const QString target = to.filePath(name);
        if (QFileInfo::exists(target))
            continue;
        if (!QFile::copy(from.filePath(name), target))
            return Texts::tr("The file %1 cannot be copied into the folder %2.")
                .arg(QDir::toNativeSeparators(from.filePath(name)), shown);
        // The installed copies are read-only for the player; their own copies are not.
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }
    return std::nullopt;
}

} // namespace brev
