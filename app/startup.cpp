#include "app/startup.h"

#include "base/progdir.h"
#include "base/seededrandom.h"
#include "base/systemclock.h"
#include "store/language.h"
#include "store/settingsstore.h"

#include <QDateTime>
#include <QStandardPaths>

namespace brev {

Result<std::unique_ptr<Program>> startProgram(const StartOptions& options, Seams seams)
{
    useLanguageSetting(QString()); // the system's, until the program directory names one
    const QString dir = chooseProgramDir({options.dirOption, options.exeDir,
                                          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)});
    if (const Problem problem = prepareProgramDir(dir, options.shippedDir))
        return failure(*problem);
    useLanguageSetting(SettingsStore(dir).language());
    seams.random = std::make_unique<SeededRandom>(
        options.seed.value_or(static_cast<quint64>(QDateTime::currentMSecsSinceEpoch())));
    seams.clock = std::make_unique<SystemClock>();
    return std::make_unique<Program>(dir, std::move(seams));
}

} // namespace brev
