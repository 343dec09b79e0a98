// Program entry: command line, the program directory, the main window.
#include "gameflow/main.h"
#include "services/context.h"
#include "services/progdir.h"
#include "services/realseams.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>
#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace {

struct Options {
    QString dir;
    std::optional<quint64> seed;
    bool version = false;
    bool help = false;
    bool quitAfterStart = false;
};

const char kUsage[] =
    "Usage: brevallo [--dir DIR] [--seed N] [--quit-after-start] [--version] [--help]\n"
    "  --dir DIR            use DIR as the program directory (data, settings, log)\n"
    "  --seed N             seed the random draws with N so that a run can be repeated\n"
    "  --quit-after-start   start up, paint the main window, print \"painted\", then quit as Quit does\n"
    "  --version            print the version and exit\n"
    "  --help               print this help and exit\n";

// Parses the command line before any window system is needed. Options with
// two dashes are the game's; those with one dash (and their value) are left to Qt.
std::optional<Options> parse(const QStringList& args)
{
    Options o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--version")) {
            o.version = true;
        } else if (a == QLatin1String("--help")) {
            o.help = true;
        } else if (a == QLatin1String("--quit-after-start")) {
            o.quitAfterStart = true;
        } else if (a == QLatin1String("--dir") && i + 1 < args.size()) {
            o.dir = args[++i];
        } else if (a == QLatin1String("--seed") && i + 1 < args.size()) {
            bool ok = false;
            o.seed = args[++i].toULongLong(&ok);
            if (!ok)
                return std::nullopt;
        } else if (a.startsWith(u'-') && !a.startsWith(QLatin1String("--")) && a.size() > 1) {
            if (i + 1 < args.size() && !args[i + 1].startsWith(u'-'))
                ++i;
        } else {
            return std::nullopt;
        }
    }
    return o;
}

// Closes the window it watches, as Quit does, once the window has painted,
// and says "painted" on the output at that moment (the start-up benchmark
// times it).
class FirstPaintQuit : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !closing_) {
            closing_ = true;
            // Once the whole window, its controls included, is painted.
            auto* window = static_cast<QWidget*>(watched);
            QTimer::singleShot(0, window, [window] {
                std::fputs("painted\n", stdout);
                std::fflush(stdout);
                window->close();
            });
        }
        return false;
    }

private:
    bool closing_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    const auto options = parse(raw);
    if (!options) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (options->help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options->version) {
        std::printf("Brevallo Game %s\n", brev::kVersion);
        return 0;
    }

    Q_INIT_RESOURCE(brevallo);   // the icon lives in the window library
    QApplication app(argc, argv);
    brev::setupApplication();

    brev::AppContext ctx;
    ctx.messages = brev::makeMessageBoxes();
    const QString exeDir = QApplication::applicationDirPath();
    ctx.dir = brev::chooseProgramDir(
        {options->dir, exeDir, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)});
    // An installed game finds the shipped files at the same place relative to its executable.
    const QString shipped = QDir(exeDir).filePath(QStringLiteral(BREV_SHIPPED_DIR));
    auto error = brev::prepareProgramDir(ctx.dir, shipped);
    if (!error && !QDir::setCurrent(ctx.dir))
        error = QStringLiteral("The folder %1 for the game's files cannot be opened.").arg(ctx.dir);
    if (error) {
        std::fprintf(stderr, "brevallo: %s\n", qPrintable(*error));
        ctx.messages->ok(*error + ctx.lb + ctx.lb + QStringLiteral("Brevallo Game cannot start without it."));
        return 1;
    }
    ctx.random = brev::makeRandom(options->seed.value_or(
        static_cast<quint64>(QDateTime::currentMSecsSinceEpoch())));
    // The sound library lies beside the executable in the build, in the
    // library folder when installed.
    ctx.sound = brev::makeSoundEffects({exeDir, QDir(exeDir).filePath(QStringLiteral(BREV_LIBRARY_DIR))});
    ctx.shell = brev::makeDesktopShell();
    ctx.clock = brev::makeSystemClock();

    brev::main window(ctx);
    if (!window.load())
        return 1;
    window.show();
    FirstPaintQuit quit;
    if (options->quitAfterStart)
        window.installEventFilter(&quit);
    return QApplication::exec();
}
