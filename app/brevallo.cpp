// Program entry: command line, the program directory, the main window; or,
// with --export, the question file without any window.
#include "app/cliexport.h"
#include "app/firstpaintquit.h"
#include "app/mainwindow.h"
#include "app/networkloader.h"
#include "app/program.h"
#include "app/startup.h"
#include "widgets/focusmarks.h"
#include "widgets/fontwarmup.h"
#include "store/language.h"
#include "widgets/realseams.h"
#include "widgets/windownames.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

struct Options {
    QString dir;
    std::optional<quint64> seed;
    bool version = false;
    bool help = false;
    bool quitAfterStart = false;
    bool progress = false;
    std::optional<brev::CommandLineExport> exporting;
};

const char kUsage[] =
    "Usage: brevallo [--dir DIR] [--seed N] [--quit-after-start] [--version] [--help]\n"
    "       brevallo --export online|tabbed [--questions N] [--seed N] [--out FILE] [--dir DIR]\n"
    "       brevallo --progress [--dir DIR]\n"
    "  --dir DIR            use DIR as the program directory (data, settings, log)\n"
    "  --seed N             seed the random draws with N so that a run can be repeated\n"
    "  --quit-after-start   start up, paint the main window, print \"painted\", then quit as Quit does\n"
    "  --export MODE        write a question file without opening a window: online\n"
    "                       (12 question blocks) or tabbed (50 tab-separated lines)\n"
    "  --questions N        ask N questions instead (1 to 32767)\n"
    "  --out FILE           write the file to FILE instead of standard output\n"
    "  --progress           print the player's mastery of each president as a table and exit\n"
    "  --version            print the version and exit\n"
    "  --help               print this help and exit\n";

// A usage fault with its own message; the status is that of any usage fault.
int usageFault(const QString& text)
{
    std::fprintf(stderr, "brevallo: %s\n", qPrintable(text));
    return 2;
}

// An argument not understood: its message, then the usage.
brev::Failure unknownOption(const QString& argument)
{
    QString usage = QString::fromLatin1(kUsage);
    usage.chop(1); // the message ends in a line break of its own
    return brev::failure(QStringLiteral("unknown option '%1'\n").arg(argument) + usage);
}

// Parses the command line before any window system is needed. Options with
// two dashes are the game's; those with one dash (and their value) are left to Qt.
// A bad or missing value, or an argument not understood, gives the message to
// print (for the latter, with the usage).
brev::Result<Options> parse(const QStringList& args)
{
    // Qt's own options (-platform xcb, -style ...) go to the application object.
    QStringList ours{args.value(0)};
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a.startsWith(u'-') && !a.startsWith(QLatin1String("--")) && a.size() > 1) {
            if (i + 1 < args.size() && !args[i + 1].startsWith(u'-'))
                ++i;
            continue;
        }
        ours << a;
    }
    const QCommandLineOption dirOption(QStringLiteral("dir"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QString(), QStringLiteral("N"));
    const QCommandLineOption exportOption(QStringLiteral("export"), QString(), QStringLiteral("MODE"));
    const QCommandLineOption questionsOption(QStringLiteral("questions"), QString(), QStringLiteral("N"));
    const QCommandLineOption outOption(QStringLiteral("out"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption quitOption(QStringLiteral("quit-after-start"));
    const QCommandLineOption versionOption(QStringLiteral("version"));
    const QCommandLineOption progressOption(QStringLiteral("progress"));
    const QCommandLineOption helpOption(QStringLiteral("help"));
    QCommandLineParser parser;
    parser.addOptions({dirOption, seedOption, exportOption, questionsOption, outOption, quitOption,
                       versionOption, progressOption, helpOption});
    if (!parser.parse(ours)) {
        const QStringList flags =
            quitOption.names() + versionOption.names() + progressOption.names() + helpOption.names();
        const auto valuedFlag = std::find_if(ours.cbegin(), ours.cend(), [&flags](const QString& a) {
            return a.startsWith(QLatin1String("--")) && a.contains(u'=') &&
                   flags.contains(a.section(u'=', 0, 0).mid(2));
        });
        if (!parser.unknownOptionNames().isEmpty())
            return unknownOption(QStringLiteral("--") + parser.unknownOptionNames().constFirst());
        if (valuedFlag != ours.cend())
            return brev::failure(QStringLiteral("%1 takes no value").arg(valuedFlag->section(u'=', 0, 0)));
        // the one other fault: a valued option came last
        return brev::failure(QStringLiteral("%1 needs a value").arg(ours.constLast()));
    }
    if (!parser.positionalArguments().isEmpty())
        return unknownOption(parser.positionalArguments().constFirst());
    Options o;
    o.version = parser.isSet(versionOption);
    o.help = parser.isSet(helpOption);
    o.quitAfterStart = parser.isSet(quitOption);
    o.progress = parser.isSet(progressOption);
    o.dir = parser.value(dirOption);
    if (parser.isSet(seedOption)) {
        bool ok = false;
        o.seed = parser.value(seedOption).toULongLong(&ok);
        if (!ok) {
            return brev::failure(
                QStringLiteral("--seed takes a whole number, not \"%1\"").arg(parser.value(seedOption)));
        }
    }
    if (parser.isSet(exportOption)) {
        const QString mode = parser.value(exportOption);
        if (mode != QLatin1String("online") && mode != QLatin1String("tabbed")) {
            return brev::failure(QStringLiteral("--export takes online or tabbed, not \"%1\"").arg(mode));
        }
        o.exporting = brev::CommandLineExport{};
        o.exporting->mode =
            mode == QLatin1String("online") ? brev::ExportMode::Online : brev::ExportMode::Tabbed;
    }
    int questions = 0;
    if (parser.isSet(questionsOption)) {
        bool ok = false;
        questions = parser.value(questionsOption).toInt(&ok);
        if (!ok || questions < 1 || questions > 32767) {
            return brev::failure(
                QStringLiteral("--questions takes a whole number from 1 to 32767, not \"%1\"")
                    .arg(parser.value(questionsOption)));
        }
    }
    const QString out = parser.value(outOption);
    if (parser.isSet(outOption) && out.isEmpty()) {
        return brev::failure(QStringLiteral("--out needs a file name"));
    }
    if ((parser.isSet(questionsOption) || parser.isSet(outOption)) && !o.exporting) {
        return brev::failure(QStringLiteral("--questions and --out go with --export"));
    }
    if (o.progress && o.exporting) {
        return brev::failure(QStringLiteral("--progress and --export cannot go together"));
    }
    if (o.exporting) {
        o.exporting->questions = questions;
        o.exporting->out = out;
        o.exporting->seed = o.seed;
        o.exporting->dir = o.dir;
    }
    return o;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    const auto options = parse(raw);
    if (!options)
        return usageFault(*options.problem());
    if (options->help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options->version) {
        std::printf("Brevallo Game %s\n", brev::kVersion);
        return 0;
    }
    // An installed game finds the shipped files at the same place relative to its executable.
    const auto shippedDir = [](const QString& exeDir) {
        return QDir(exeDir).filePath(QStringLiteral(BREV_SHIPPED_DIR));
    };
    if (options->progress) {
        QCoreApplication core(argc, argv); // no window system
        QCoreApplication::setApplicationName(QStringLiteral("brevallo"));
        const QString exeDir = QCoreApplication::applicationDirPath();
        return brev::runProgressReport(options->dir, exeDir, shippedDir(exeDir));
    }
    if (options->exporting) {
        QCoreApplication core(argc, argv); // no window system
        QCoreApplication::setApplicationName(QStringLiteral("brevallo"));
        const QString exeDir = QCoreApplication::applicationDirPath();
        return brev::runCommandLineExport(*options->exporting, exeDir, shippedDir(exeDir));
    }

    Q_INIT_RESOURCE(brevallo);    // the icon lives in the window library
    const brev::FontWarmUp fonts; // meanwhile the window system connects
    QApplication app(argc, argv);
    brev::setupApplication();
    brev::installFocusRing();
    brev::installLatin1WindowNames();
    brev::installEnterPressesButtons();

    const QString exeDir = QApplication::applicationDirPath();
    brev::Seams seams;
    seams.messages = brev::makeMessageBoxes();
    // The sound library lies beside the executable in the build, in the
    // library folder when installed.
    seams.sound = brev::makeSoundEffects({exeDir, QDir(exeDir).filePath(QStringLiteral(BREV_LIBRARY_DIR))});
    seams.shell = brev::makeDesktopShell();
    // The class reports' network library lies beside the sound library.
    seams.classLink =
        brev::makeNetworkLink({exeDir, QDir(exeDir).filePath(QStringLiteral(BREV_LIBRARY_DIR))});
    auto started =
        brev::startProgram({options->dir, exeDir, shippedDir(exeDir), options->seed}, std::move(seams));
    brev::Problem error = started.problem();
    if (!error && !QDir::setCurrent((*started)->dir))
        error =
            QCoreApplication::translate("brevallo", "The folder %1 for the game's files cannot be opened.")
                .arg((*started)->dir);
    if (error) {
        std::fprintf(stderr, "brevallo: %s\n", qPrintable(*error));
        brev::makeMessageBoxes()->ok(*error + brev::kLineBreak + brev::kLineBreak +
                                     QCoreApplication::translate("brevallo",
                                                                 "Brevallo Game cannot start without it.",
                                                                 "it: the folder"));
        return 1;
    }
    brev::Program& program = **started;

    brev::MainWindow window(program);
    if (!window.load())
        return 1;
    window.show();
    brev::FirstPaintQuit quit;
    if (options->quitAfterStart)
        window.installEventFilter(&quit);
    return QApplication::exec();
}
