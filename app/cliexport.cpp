#include "app/cliexport.h"

#include "app/playerprogress.h"
#include "app/program.h"
#include "app/startup.h"
#include "base/textfile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
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

// The export plays no sound and opens no web page.
class Silence : public SoundPlayer {
public:
    bool play(const QString&) override { return false; }
};
class NoShell : public Shell {
public:
    bool openUrl(const QString&) override { return false; }
};

// The export's messages, in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brev::CommandLineExport)
};

int fail(const QString& text)
{
    std::fprintf(stderr, "brevallo: %s\n", text.toLocal8Bit().constData());
    return 1;
}

// Writes the bytes to standard output. The problem is the system's reason
// alone: the caller says what it was writing.
Problem writeStandardOutput(const QByteArray& bytes)
{
    errno = 0;
    const size_t written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    if (std::fflush(stdout) == 0 && written == size_t(bytes.size()))
        return std::nullopt;
    return qt_error_string(errno);
}

// The program directory and its objects for a run without windows;
// none (with the reason on standard error) when the directory cannot be used.
std::unique_ptr<Program> programWithoutWindows(const QString& dirOption, const QString& exeDir,
                                               const QString& shippedDir, std::optional<quint64> seed)
{
    Seams seams;
    seams.messages = std::make_unique<StderrMessages>();
    seams.sound = std::make_unique<Silence>();
    seams.shell = std::make_unique<NoShell>();
    auto started = startProgram({dirOption, exeDir, shippedDir, seed}, std::move(seams));
    if (!started) {
        fail(*started.problem());
        return nullptr;
    }
    return std::move(*started);
}

} // namespace

int runProgressReport(const QString& dirOption, const QString& exeDir, const QString& shippedDir)
{
    const std::unique_ptr<Program> program =
        programWithoutWindows(dirOption, exeDir, shippedDir, std::nullopt);
    if (!program)
        return 1;
    Program& p = *program;
    // The player's name and the "Presidents after 1993" tick; a missing
    // settings file means the default player and set.
    if (QFile::exists(p.path(QString::fromLatin1(kSettingsFile))))
        if (const auto problem = p.settings.load())
            return fail(*problem);
    if (const auto error = p.readRecords())
        return fail(*error);
    p.messages.show(p.readAddOn());
    const Result<QString> table = readProgressTable(p);
    if (!table)
        return fail(*table.problem());
    if (writeStandardOutput(table->toUtf8()))
        return fail(Texts::tr("the table could not be written to standard output."));
    return 0;
}

int runCommandLineExport(const CommandLineExport& options, const QString& exeDir, const QString& shippedDir)
{
    const std::unique_ptr<Program> program =
        programWithoutWindows(options.dir, exeDir, shippedDir, options.seed);
    if (!program)
        return 1;
    Program& p = *program;

    // The export draws from the player's categories: without the settings file it
    // has nothing to go by, and a damaged one is not guessed around.
    const QString settingsFile = p.path(QString::fromLatin1(kSettingsFile));
    if (!QFile::exists(settingsFile))
        return fail(
            Texts::tr("%1 is missing: the export takes its question categories from it.").arg(settingsFile));
    if (const auto problem = p.settings.load()) { // "Bonus questions" draws as in a game
        p.messages.ok(*problem);
        return fail(Texts::tr("No questions were exported."));
    }
    if (const auto error = p.readRecords())
        return fail(*error);
    // The presidents after 1993 as in a game: a damaged add-on is reported
    // and the export goes on without it.
    p.messages.show(p.readAddOn());

    const int questions = options.questions > 0 ? options.questions : exportQuestionLimit(options.mode);
    const Result<QByteArray> file =
        exportQuestions(options.mode, questions, p.records, p.settings, p.session, p.random, p.clock.today(),
                        [&p](const QString& text) { p.messages.ok(text); });
    if (!file)
        return fail(*file.problem());

    if (options.out.isEmpty()) {
        if (writeStandardOutput(*file))
            return fail(Texts::tr("the questions could not be written to standard output."));
        return 0;
    }
    if (const auto why = saveFileAtomically(options.out, *file))
        return fail(Texts::tr("%1 cannot be written: %2").arg(options.out, *why));
    return 0;
}

} // namespace brev
