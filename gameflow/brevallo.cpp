// Program entry: command line, the program directory, the main window.
#include "gameflow/main.h"
#include "services/context.h"
#include "services/realseams.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace {

struct Options {
    QString dir;
    std::optional<quint64> seed;
    bool version = false;
};

const char kUsage[] =
    "Usage: brevallo [--dir DIR] [--seed N] [--version]\n"
    "  --dir DIR   use DIR as the program directory (data, settings, log)\n"
    "  --seed N    seed the random draws with N so that a run can be repeated\n"
    "  --version   print the version and exit\n";

// Parses the command line before any window system is needed. Options with
// two dashes are the game's; those with one dash (and their value) are left to Qt.
std::optional<Options> parse(const QStringList& args)
{
    Options o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--version")) {
            o.version = true;
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
    if (options->version) {
        std::printf("Brevallo Game %s\n", brev::kVersion);
        return 0;
    }

    Q_INIT_RESOURCE(brevallo);   // the icon lives in the window library
    QApplication app(argc, argv);
    brev::setupApplication();

    brev::AppContext ctx;
    ctx.dir = options->dir.isEmpty() ? QApplication::applicationDirPath()
                                     : QFileInfo(options->dir).absoluteFilePath();
    if (!QDir(ctx.dir).exists() || !QDir::setCurrent(ctx.dir)) {
        std::fprintf(stderr, "brevallo: the program directory %s does not exist\n", qPrintable(ctx.dir));
        return 2;
    }
    ctx.random = brev::makeRandom(options->seed.value_or(
        static_cast<quint64>(QDateTime::currentMSecsSinceEpoch())));
    ctx.messages = brev::makeMessageBoxes();
    ctx.sound = brev::makeSoundEffects();
    ctx.shell = brev::makeDesktopShell();
    ctx.clock = brev::makeSystemClock();

    brev::main window(ctx);
    if (!window.load())
        return 1;
    window.show();
    return QApplication::exec();
}
