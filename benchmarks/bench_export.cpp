// The command-line export end to end, as a teacher runs it: one process
// `brevallo --export tabbed --questions 50` from start to exit, reading the
// shipped records and settings and writing the file. Target: under 0.3 s.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_exportTabbed50(benchmark::State& state)
{
    QTemporaryDir dir;
    for (const char* name : {"brev.dat", "brev.INI"}) {
        const QString file = QString::fromLatin1(name);
        if (!QFile::copy(QStringLiteral(BREV_DATA_DIR "/") + file, dir.filePath(file))) {
            state.SkipWithError("the shipped files cannot be copied");
            return;
        }
    }
    const QString out = dir.filePath(QStringLiteral("questions.txt"));
    quint64 seed = 1;
    for (auto _ : state) {
        QProcess p;
        QElapsedTimer timer;
        timer.start();
        p.start(QStringLiteral(BREV_EXE), {"--dir", dir.path(), "--export", "tabbed", "--questions", "50",
                                           "--seed", QString::number(seed++), "--out", out});
        if (!p.waitForFinished(30000) || p.exitCode() != 0) {
            state.SkipWithError("the export failed");
            return;
        }
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
}

} // namespace

BENCHMARK(BM_exportTabbed50)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // QProcess needs it
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
