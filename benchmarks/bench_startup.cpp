// Start-up of the real game against a bare Qt widget window, both run as their
// own processes under the platform QT_QPA_PLATFORM names (offscreen unless
// set): from the start of the process until it has painted its main window
// and quit. Each round starts both, in turns; the counters are the medians of
// all rounds and their ratios, time and peak resident memory.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double seconds = 0;
    double residentMb = 0;
};

// Runs the program to its end; aborts the benchmark when it fails.
Run run(std::vector<const char*> argv)
{
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    posix_spawn_file_actions_t quiet;   // what the program prints is not the benchmark's
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed =
        posix_spawn(&pid, argv[0], &quiet, nullptr, const_cast<char**>(argv.data()), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (failed)
        std::abort();
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed; run it by hand to see why\n", argv[0]);
        std::abort();
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return {took.count(), double(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// A program directory of its own, filled with the shipped files.
const QByteArray& programDir()
{
    static QTemporaryDir scratch;
    static QByteArray path;
    if (path.isEmpty()) {
        const QDir data(QStringLiteral(BREV_DATA_DIR));
        for (const QString& name : data.entryList(QDir::Files))
            QFile::copy(data.filePath(name), QDir(scratch.path()).filePath(name));
        path = QFile::encodeName(scratch.path());
    }
    return path;
}

void BM_startup(benchmark::State& state)
{
    const char* dir = programDir().constData();
    std::vector<double> game, bare, gameMb, bareMb;
    for (auto _ : state) {
        const Run b = run({BARE_EXE});
        const Run g = run({GAME_EXE, "--dir", dir, "--quit-after-start"});
        game.push_back(g.seconds * 1e3);
        bare.push_back(b.seconds * 1e3);
        gameMb.push_back(g.residentMb);
        bareMb.push_back(b.residentMb);
        state.SetIterationTime(g.seconds);
    }
    state.counters["game_ms"] = median(game);
    state.counters["bare_ms"] = median(bare);
    state.counters["time_ratio"] = median(game) / median(bare);
    state.counters["game_MB"] = median(gameMb);
    state.counters["bare_MB"] = median(bareMb);
    state.counters["memory_ratio"] = median(gameMb) / median(bareMb);
}
BENCHMARK(BM_startup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(25);

// The libraries loaded before main() are paid by every start, --version included.
void BM_version(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(run({GAME_EXE, "--version"}).seconds);
}
BENCHMARK(BM_version)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(25);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
