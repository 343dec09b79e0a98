#include "app/program.h"
#include "models/verdict.h"

#include <QDir>

namespace brev {

Program::Program(QString dir_, Seams seams_)
    : dir(std::move(dir_)), seams(std::move(seams_)), random(*seams.random), messages(*seams.messages),
      shell(*seams.shell), clock(*seams.clock), settings(dir),
      log(path(QString::fromLatin1(kLogFile)), settings.settings.loglevel),
      questionFile(path(QString::fromLatin1(kLogFile))), hof(path(QString::fromLatin1(kHofFile))),
      sounds(*seams.sound, settings.settings.soundon, dir), sizes(settings),
      draw(records, session.itemUse, random), progress(path(QString::fromLatin1(kProgressFile))),
      classes(progress, seams.classLink.get())
{
    classes.log = [this](const QString& line) { log.write(line, kPlayLevel); };
}

void Program::sendClassReports()
{
    if (!settings.classCode().isEmpty())
        classes.sendWaiting(settings.hofBaseUrl());
}

void Program::contactClass()
{
    const QString code = settings.classCode();
    if (code.isEmpty())
        return;
    classes.sendWaiting(settings.hofBaseUrl());
    classes.fetchPracticeSet(settings.hofBaseUrl(), code);
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
    Problem problem =
        brev::readAddOn(records, path(QString::fromLatin1(kAddOnFile)), settings.laterPresidents);
    session.resetUsage(records.loadedRecords());
    return problem;
}

} // namespace brev
