// Start-up of the real game against a bare Qt widget window, both run as
// their own processes under the platform QT_QPA_PLATFORM names (offscreen
// unless set; `make bench` also runs it on a private Xvfb server): from the
// start of the process until it has painted its main window and says
// "painted" on its output; its resident memory is read at that moment. Each
// round starts them in turns (the bare window also with a line of text, which
// sets up fonts as the game must); the counters are the medians of all
// rounds, and the game's over the bare window's.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    double paintedMs = 0;  // until the window had painted
    double exitMs = 0;     // until the process had ended
    double residentMb = 0; // when the window had painted
};

[[noreturn]] void fail(const char* program, const char* what)
{
    std::fprintf(stderr, "%s: %s\n", program, what);
    std::exit(1);
}

double residentMb(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// Runs the program to its end. Its output goes through a pipe to catch
// "painted"; what it says on its error output is dropped.
Run run(std::vector<const char*> argv, bool paints = true)
{
    argv.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0)
        fail(argv[0], "no pipe");
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, out[1], 1);
    posix_spawn_file_actions_addclose(&files, out[0]);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &files, nullptr, const_cast<char**>(argv.data()), environ);
    posix_spawn_file_actions_destroy(&files);
    close(out[1]);
    if (spawned != 0)
        fail(argv[0], "cannot be started");

    Run r;
    std::string said;
    char buffer[256];
    ssize_t n = 0;
    pollfd output{out[0], POLLIN, 0};
    for (;;) {
        // A program that hangs is stopped rather than waited for.
        if (poll(&output, 1, 20000) <= 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            fail(argv[0], "said nothing for 20 s and was stopped");
        }
        if ((n = read(out[0], buffer, sizeof buffer)) <= 0)
            break;
        const bool before = said.find("painted\n") == std::string::npos;
        said.append(buffer, size_t(n));
        if (before && said.find("painted\n") != std::string::npos) {
            r.paintedMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            r.residentMb = residentMb(pid);
        }
    }
    close(out[0]);
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(argv[0], "failed; run it by hand to see why");
    r.exitMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (paints && r.paintedMs == 0)
        fail(argv[0], "never said \"painted\"");
    return r;
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
    std::vector<double> game, bare, gameMb, bareMb, gameExit, bareExit, label, labelMb;
    for (auto _ : state) {
        const Run b = run({BARE_EXE});
        const Run l = run({BARE_EXE, "--label"});
        const Run g = run({GAME_EXE, "--dir", dir, "--quit-after-start"});
        game.push_back(g.paintedMs);
        bare.push_back(b.paintedMs);
        gameMb.push_back(g.residentMb);
        bareMb.push_back(b.residentMb);
        gameExit.push_back(g.exitMs);
        bareExit.push_back(b.exitMs);
        label.push_back(l.paintedMs);
        labelMb.push_back(l.residentMb);
        state.SetIterationTime(g.paintedMs / 1e3);
    }
    state.counters["game_ms"] = median(game);
    state.counters["bare_ms"] = median(bare);
    state.counters["time_ratio"] = median(game) / median(bare);
    state.counters["game_MB"] = median(gameMb);
    state.counters["bare_MB"] = median(bareMb);
    state.counters["memory_ratio"] = median(gameMb) / median(bareMb);
    // Against the bare window holding a line of text, which sets up fonts too.
    state.counters["label_time_ratio"] = median(game) / median(label);
    state.counters["label_memory_ratio"] = median(gameMb) / median(labelMb);
    state.counters["game_exit_ms"] = median(gameExit);
    state.counters["bare_exit_ms"] = median(bareExit);
    state.SetLabel(std::getenv("QT_QPA_PLATFORM"));
}
BENCHMARK(BM_startup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(25);

// The libraries loaded before main() are paid by every start, --version included.
void BM_version(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(run({GAME_EXE, "--version"}, false).exitMs / 1e3);
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
