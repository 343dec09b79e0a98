#include "app/cliexport.h"

#include "store/texts.h"
#include "store/context.h"
#include "store/settingsfile.h"
#include "store/plussettings.h"
#include "base/progdir.h"
#include "widgets/realseams.h"
#include "base/textfile.h"

#include <QDateTime>
#include <QFile>
#include <QStandardPaths>

#include <cstdio>

namespace brev {

namespace {

// Messages go to standard error, one line each; a question is answered "no".
class StderrMessages : public Messages {
public:
    void ok(const QString& text) override
    {
        QString line = text;
        line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        std::fprintf(stderr, "brevallo: %s\n", line.toLocal8Bit().constData());
    }
    bool yesNo(const QString& text) override
    {
        ok(text);
        return false;
    }
};

int fail(const QString& text)
{
    std::fprintf(stderr, "brevallo: %s\n", text.toLocal8Bit().constData());
    return 1;
}

bool writeStandardOutput(const QByteArray& bytes)
{
    const size_t written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return std::fflush(stdout) == 0 && written == size_t(bytes.size());
}

} // namespace

int runCommandLineExport(const CommandLineExport& options, const QString& exeDir, const QString& shippedDir)
{
    AppContext ctx;
    ctx.messages = std::make_unique<StderrMessages>();
    ctx.dir = chooseProgramDir(
        {options.dir, exeDir, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)});
    if (const auto error = prepareProgramDir(ctx.dir, shippedDir))
        return fail(*error);
    ctx.random = makeRandom(options.seed.value_or(static_cast<quint64>(QDateTime::currentMSecsSinceEpoch())));
    ctx.clock = makeSystemClock();
    ctx.lb = QStringLiteral("\r\n");
    ctx.nameMeBase = 6;

    // The export draws from the player's categories: without the settings file it
    // has nothing to go by, and a damaged one is not guessed around.
    const QString settingsFile = ctx.path(QString::fromLatin1(kSettingsFile));
    if (!QFile::exists(settingsFile))
        return fail(QStringLiteral("%1 is missing: the export takes its question categories from it.")
                        .arg(settingsFile));
    if (const auto problem = loadsettings(ctx)) {
        ctx.messages->ok(*problem);
        return fail(QStringLiteral("No questions were exported."));
    }
    // "Bonus questions" draws as in a game.
    setBonusQuestions(ctx, loadBonusQuestions(ctx));
    setcategories(ctx);
    if (const auto error = initdata(ctx))
        return fail(*error);
    // The presidents after 1993 as in a game: a damaged add-on is reported
    // and the export goes on without it.
    ctx.messages->show(readAddOn(ctx, QString::fromLatin1(kAddOnFile), loadLaterPresidents(ctx)));

    const int questions = options.questions > 0 ? options.questions : exportQuestionLimit(options.mode);
    const ExportResult result = exportQuestions(ctx, options.mode, questions);
    if (!result.error.isEmpty())
        return fail(result.error);

    if (options.out.isEmpty()) {
        if (!writeStandardOutput(result.file))
            return fail(QStringLiteral("the questions could not be written to standard output."));
        return 0;
    }
    if (const auto why = saveFileAtomically(options.out, result.file))
        return fail(QStringLiteral("%1 cannot be written: %2").arg(options.out, *why));
    return 0;
}

} // namespace brev
