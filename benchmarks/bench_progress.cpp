// The progress file with 100,000 recorded items, all of one player (the
// largest history a player's reads meet): recording one more question (a
// transaction of five items, in games of ten questions; p50, p95 and p99
// reported, target p95 under 2 ms; and the end of a game), the reads that open a Progress window on a store not yet open
// (presidents, categories, games and each president's mastery; target under
// 150 ms), the whole Progress window built with its 45 portraits and shown
// (offscreen; the same target), and what making the store costs at start-up
// (nothing is opened).
// The file is made once, through the store itself, in a temporary folder.
#include "app/progresswindow.h"
#include "rules/mastery.h"
#include "rules/practice.h"
#include "store/progressstore.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kItems = 100000;
constexpr int kPresidents = 45;
constexpr int kQuestionsPerGame = 10;
const QString kPlayer = QStringLiteral("Ann");

QString databaseFile;
QList<brev::PresidentEntry> presidentSet;

// A question of up to five items, as a matching question judges them, about
// random presidents; two points per right item.
brev::JudgedQuestion question(std::mt19937& random, int items)
{
    brev::JudgedQuestion out{int(random() % 18) + 1, 0, 2 * items, {}};
    for (int i = 0; i < items; ++i) {
        const int record = int(random() % kPresidents) + 1;
        const bool right = random() % 3 != 0;
        out.items.append({record, presidentSet[record - 1].name, right, right ? 2 : 0});
        out.points += right ? 2 : 0;
    }
    return out;
}

// Games of ten questions, one to five items each, until kItems are recorded.
bool fill(const QString& file)
{
    brev::ProgressStore store(file);
    std::mt19937 random(7);
    QDateTime when(QDate(2024, 9, 1), QTime(8, 0), Qt::UTC);
    int recorded = 0;
    while (recorded < kItems) {
        if (store.beginGame(kPlayer, when, random() % 4 == 0))
            return false;
        int score = 0, possible = 0;
        for (int q = 0; q < kQuestionsPerGame && recorded < kItems; ++q) {
            const brev::JudgedQuestion asked =
                question(random, std::min(int(random() % 5) + 1, kItems - recorded));
            score += asked.points;
            possible += asked.possible;
            if (store.recordQuestion(asked, when))
                return false;
            recorded += int(asked.items.size());
        }
        if (store.finishGame(kPlayer, score, possible, false, when.addSecs(300)))
            return false;
        when = when.addSecs(3600);
    }
    return true;
}

double percentile(std::vector<double> ms, std::size_t p)
{
    std::sort(ms.begin(), ms.end());
    return ms.empty() ? 0 : ms[std::min(ms.size() - 1, ms.size() * p / 100)];
}

void BM_RecordQuestion(benchmark::State& state)
{
    brev::ProgressStore store(databaseFile);
    const QDateTime when = QDateTime::currentDateTimeUtc();
    if (store.beginGame(kPlayer, when, false)) {
        state.SkipWithError("the progress file cannot be opened");
        return;
    }
    std::mt19937 random(11);
    std::vector<double> ms, finishMs;
    for (auto _ : state) {
        const brev::JudgedQuestion asked = question(random, 5);
        auto start = Clock::now();
        brev::Problem problem = store.recordQuestion(asked, when);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        ms.push_back(seconds * 1000);
        if (ms.size() % kQuestionsPerGame == 0 && !problem) { // a game ends, the next begins
            start = Clock::now();
            problem = store.finishGame(kPlayer, 20, 50, false, when);
            finishMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            problem = problem ? problem : store.beginGame(kPlayer, when, false);
        }
        if (problem) {
            state.SkipWithError(qPrintable(*problem));
            return;
        }
    }
    store.finishGame(kPlayer, 0, 0, true, when);
    state.counters["p50_ms"] = percentile(ms, 50);
    state.counters["p95_ms"] = percentile(ms, 95);
    state.counters["p99_ms"] = percentile(ms, 99);
    state.counters["finish_p95_ms"] = percentile(finishMs, 95);
}

void BM_OpenProgressWindow(benchmark::State& state)
{
    qsizetype games = 0;
    for (auto _ : state) {
        brev::ProgressStore store(databaseFile);
        const auto histories = store.presidentHistories(kPlayer);
        const auto categories = histories ? store.categoryAccuracy(kPlayer) : brev::failure(QString());
        const auto results = categories ? store.gameResults(kPlayer) : brev::failure(QString());
        if (!results) {
            state.SkipWithError("the progress file cannot be read");
            return;
        }
        int levels = 0;
        for (const brev::PresidentEntry& p : presidentSet)
            levels += int(brev::masteryOf(brev::historyOf(*histories, p.record)).level);
        benchmark::DoNotOptimize(levels);
        benchmark::DoNotOptimize(brev::practiceOrder(presidentSet, *histories));
        games = results->size();
    }
    state.counters["games"] = double(games);
}

void BM_ProgressWindowShown(benchmark::State& state)
{
    // range(0): 1 with the portraits, 0 without (the window's own cost).
    QStringList portraits;
    for (int r = 1; state.range(0) && r <= kPresidents; ++r)
        portraits << QDir(QStringLiteral(BREV_DATA_DIR)).filePath(QStringLiteral("brev%1.gif").arg(r));
    for (auto _ : state) {
        brev::ProgressStore store(databaseFile);
        brev::ProgressWindow window(store, kPlayer, presidentSet, portraits);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.presidentGrid->count());
    }
}

void BM_StoreAtStartUp(benchmark::State& state)
{
    for (auto _ : state) {
        brev::ProgressStore store(databaseFile);
        benchmark::DoNotOptimize(store.isOff());
    }
}

} // namespace

BENCHMARK(BM_RecordQuestion)->Iterations(2000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenProgressWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressWindowShown)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreAtStartUp)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir dir;
    databaseFile = dir.filePath(QString::fromLatin1(brev::kProgressFile));
    for (int r = 1; r <= kPresidents; ++r)
        presidentSet.append({r, QStringLiteral("President %1").arg(r)});
    const auto start = Clock::now();
    if (!fill(databaseFile)) {
        std::fprintf(stderr, "bench_progress: the progress file could not be filled\n");
        return 1;
    }
    std::fprintf(stderr, "bench_progress: %d items recorded in %.1f s\n", kItems,
                 std::chrono::duration<double>(Clock::now() - start).count());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
