// Time from opening a question screen to its first paint, under whatever
// platform QT_QPA_PLATFORM names (offscreen when measured headless). The
// window is built (records drawn, texts filled, pictures loaded), shown, and
// the clock stops when its first paint event has been handled.
#include "app/mainwindow.h"
#include "app/program.h"
#include "benchmarks/benchsupport.h"
#include "game/questionkinds.h"
#include "models/questionmodel.h"
#include "screens/questionwindows.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

using brev::bench::Draws;
using brev::bench::Silent;

class NoSound : public brev::SoundPlayer {
public:
    bool play(const QString&) override { return true; }
};
class NoShell : public brev::Shell {
public:
    bool openUrl(const QString&) override { return false; }
};
class Today : public brev::Clock {
public:
    QDate today() override { return QDate::currentDate(); }
};

// Stops when the watched window has painted.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// The shipped records and pictures, copied to a scratch directory: opening a
// question window writes the settings file and the log.
brev::Program& shippedData()
{
    static QTemporaryDir scratch;
    static std::unique_ptr<brev::Program> program;
    if (!program) {
        const QDir data(QStringLiteral(BREV_DATA_DIR));
        for (const QString& name : data.entryList(QDir::Files))
            QFile::copy(data.filePath(name), QDir(scratch.path()).filePath(name));
        brev::Seams seams;
        seams.random = std::make_unique<Draws>();
        seams.messages = std::make_unique<Silent>();
        seams.sound = std::make_unique<NoSound>();
        seams.shell = std::make_unique<NoShell>();
        seams.clock = std::make_unique<Today>();
        program = std::make_unique<brev::Program>(scratch.path(), std::move(seams));
        if (program->readRecords())
            std::abort();
    }
    return *program;
}

// A question of `category` drawn from fresh counters, and its window: the
// records, texts, pictures and the first layout.
struct Opened {
    std::unique_ptr<brev::QuestionModel> question;
    std::unique_ptr<brev::QuestionWindow> window;
};

Opened open(brev::Program& p, int category)
{
    p.session.resetUsage(p.records.loadedRecords());
    Opened o;
    o.question = brev::makeQuestion(brev::screenFor(category), p.draw, category, 1);
    if (!o.question || !o.question->load())
        std::abort();
    o.window = brev::makeWindow(*o.question, p.windowParts(), p.dir, nullptr);
    return o;
}

// Building the window alone.
void build(benchmark::State& state, int category)
{
    brev::Program& p = shippedData();
    // Every opening starts from the same remembered size.
    const auto places = p.settings.settings.windowplaces;
    for (auto _ : state) {
        p.settings.settings.windowplaces = places;
        QElapsedTimer clock;
        clock.start();
        const Opened o = open(p, category);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
}

void firstPaint(benchmark::State& state, int category)
{
    brev::Program& p = shippedData();
    // Every opening starts from the same remembered size.
    const auto places = p.settings.settings.windowplaces;
    static double first = -1; // the first opening in the process
    for (auto _ : state) {
        p.settings.settings.windowplaces = places;
        QElapsedTimer clock;
        clock.start();
        const Opened o = open(p, category);
        QWidget& window = *o.window;
        PaintWatch watch;
        window.installEventFilter(&watch);
        window.show();
        while (!watch.painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        if (first < 0)
            first = double(clock.nsecsElapsed()) / 1e6;
        window.removeEventFilter(&watch);
        window.hide();
    }
    state.counters["first_ms"] = first;
}

// Shows the main window as the game starts: a question screen opens from it
// after the fonts and styles a process resolves once are in place.
std::unique_ptr<brev::MainWindow> mainWindow; // closed before the application ends

void showMainWindow(brev::Program& program)
{
    if (mainWindow)
        return;
    mainWindow = std::make_unique<brev::MainWindow>(program);
    if (!mainWindow->load())
        std::abort();
    PaintWatch watch;
    mainWindow->installEventFilter(&watch);
    mainWindow->show();
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    mainWindow->removeEventFilter(&watch);
    // What the window does once it has painted (its icon), before Play is pressed.
    QCoreApplication::processEvents();
}

// Multiple choice goes first: first_ms is its first opening in a game.
void BM_mchoice_firstPaint(benchmark::State& state)
{
    showMainWindow(shippedData());
    firstPaint(state, 1);
}
BENCHMARK(BM_mchoice_firstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_qmatch_firstPaint(benchmark::State& state)
{
    firstPaint(state, 7);
}
BENCHMARK(BM_qmatch_firstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_imatch_firstPaint(benchmark::State& state)
{
    firstPaint(state, 11);
}
BENCHMARK(BM_imatch_firstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_qmatch_build(benchmark::State& state)
{
    build(state, 7);
}
BENCHMARK(BM_qmatch_build)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_imatch_build(benchmark::State& state)
{
    build(state, 11);
}
BENCHMARK(BM_imatch_build)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    mainWindow.reset();
    return 0;
}
