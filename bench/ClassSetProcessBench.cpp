// A class set of sixty sheets, each with its key (120 pages), written by the built
// program as a teacher's script runs it: `kestrum --pdf FILE --sheets 60 --answers each`,
// a whole process from spawn to exit. The time is wall time; the counters are pages
// written per second and the size of the file.
//
// Set KESTRUM_BASELINE to another build's kestrum to time it in the same run, beside
// this one, on the same machine and under the same load.

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int ClassSetPages = 120;

void RunClassSet(benchmark::State& State, const QString& Program)
{
    QTemporaryDir dir;
    if (!dir.isValid() || !QFileInfo(Program).isExecutable()) {
        State.SkipWithError("no program to run or no place for the file");
        return;
    }
    const QString path = dir.filePath(QStringLiteral("class.pdf"));
    const QStringList arguments{QStringLiteral("--pdf"), path, QStringLiteral("--sheets"),
                                QStringLiteral("60"), QStringLiteral("--answers"), QStringLiteral("each")};
    double seconds = 0;
    for (auto _ : State) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        process.start(Program, arguments);
        const bool finished = process.waitForFinished(60000);
        const double run = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            State.SkipWithError("the program did not write the class set");
            return;
        }
        State.SetIterationTime(run);
        seconds += run;
    }
    State.counters["pages_per_s"] = ClassSetPages * static_cast<double>(State.iterations()) / seconds;
    State.counters["pdf_KB"] = static_cast<double>(QFileInfo(path).size()) / 1024;
}

void BM_ClassSet60WithKeysProcess(benchmark::State& state)
{
    RunClassSet(state, QStringLiteral(KESTRUM_PROGRAM));
}

// Registered only when there is another build to compare with.
const bool BaselineRegistered = [] {
    const QString baseline = qEnvironmentVariable("KESTRUM_BASELINE");
    if (baseline.isEmpty())
        return false;
    benchmark::RegisterBenchmark("BM_ClassSet60WithKeysProcessBaseline",
                                 [baseline](benchmark::State& state) { RunClassSet(state, baseline); })
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace

BENCHMARK(BM_ClassSet60WithKeysProcess)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
