// Time from opening a question screen to its first paint, under whatever
// platform QT_QPA_PLATFORM names (offscreen when measured headless). The
// window is built (records drawn, texts filled, pictures loaded), shown, and
// the clock stops when its first paint event has been handled.
#include "app/mainwindow.h"
#include "benchmarks/benchsupport.h"
#include "store/brevmain.h"
#include "store/texts.h"
#include "screens/portraitmatchwindow.h"
#include "screens/multiplechoicewindow.h"
#include "screens/matchwindow.h"
#include "store/context.h"

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
brev::AppContext& shippedData()
{
    static QTemporaryDir scratch;
    static brev::AppContext ctx;
    if (ctx.nrecords == 0) {
        const QDir data(QStringLiteral(BREV_DATA_DIR));
        for (const QString& name : data.entryList(QDir::Files))
            QFile::copy(data.filePath(name), QDir(scratch.path()).filePath(name));
        ctx.dir = scratch.path();
        ctx.random = std::make_unique<Draws>();
        ctx.messages = std::make_unique<Silent>();
        brev::setcategories(ctx);
        if (brev::initdata(ctx))
            std::abort();
    }
    return ctx;
}

// Building the window alone: records, texts, pictures, the first layout.
template <typename Window> void build(benchmark::State& state, int category)
{
    brev::AppContext& ctx = shippedData();
    ctx.game.category = category;
    // Every opening starts from the same remembered size.
    const auto places = ctx.settings.windowplaces;
    for (auto _ : state) {
        std::fill(ctx.game.itemUse.begin(), ctx.game.itemUse.end(), 0);
        ctx.settings.windowplaces = places;
        QElapsedTimer clock;
        clock.start();
        Window window(ctx);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
}

template <typename Window> void firstPaint(benchmark::State& state, int category)
{
    brev::AppContext& ctx = shippedData();
    ctx.game.category = category;
    // Every opening starts from the same remembered size.
    const auto places = ctx.settings.windowplaces;
    static double first = -1;   // the first opening in the process
    for (auto _ : state) {
        std::fill(ctx.game.itemUse.begin(), ctx.game.itemUse.end(), 0);
        ctx.settings.windowplaces = places;
        QElapsedTimer clock;
        clock.start();
        Window window(ctx);
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
std::unique_ptr<brev::MainWindow> mainWindow;   // closed before the application ends

void showMainWindow(brev::AppContext& ctx)
{
    if (mainWindow)
        return;
    mainWindow = std::make_unique<brev::MainWindow>(ctx);
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
    firstPaint<brev::MultipleChoiceWindow>(state, 1);
}
BENCHMARK(BM_mchoice_firstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_qmatch_firstPaint(benchmark::State& state)
{
    firstPaint<brev::MatchWindow>(state, 7);
}
BENCHMARK(BM_qmatch_firstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_imatch_firstPaint(benchmark::State& state)
{
    firstPaint<brev::PortraitMatchWindow>(state, 11);
}
BENCHMARK(BM_imatch_firstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_qmatch_build(benchmark::State& state)
{
    build<brev::MatchWindow>(state, 7);
}
BENCHMARK(BM_qmatch_build)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_imatch_build(benchmark::State& state)
{
    build<brev::PortraitMatchWindow>(state, 11);
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
