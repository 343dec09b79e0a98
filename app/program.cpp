#include "app/program.h"

#include <QDir>

namespace brev {

Program::Program(QString dir_, Seams seams_)
    : dir(std::move(dir_)), seams(std::move(seams_)), random(*seams.random), messages(*seams.messages),
      shell(*seams.shell), clock(*seams.clock), settings(dir), log(path(QString::fromLatin1(kLogFile)), settings.settings.loglevel),
      questionFile(path(QString::fromLatin1(kLogFile))), hof(path(QString::fromLatin1(kHofFile))),
      sounds(*seams.sound, settings.settings.soundon, dir), sizes(settings), draw(records, session.itemUse, random),
      progress(path(QString::fromLatin1(kProgressFile)))
{
}

QString Program::path(const QString& name) const
{
    if (dir.isEmpty() || QDir::isAbsolutePath(name))
        return name;
    return QDir(dir).filePath(name);
}

Problem Program::loadSettings()
{
    session.mode = RunMode::Play;
    return settings.load();
}

Problem Program::readRecords()
{
    if (auto error = brev::readRecords(records, path(QString::fromLatin1(kDataFile))))
        return error;
    session.resetUsage(records.loadedRecords());
    return std::nullopt;
}

Problem Program::readAddOn()
{
    Problem problem = brev::readAddOn(records, path(QString::fromLatin1(kAddOnFile)), settings.laterPresidents);
    session.resetUsage(records.loadedRecords());
    return problem;
}

} // namespace brev
