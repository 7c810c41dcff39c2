// Start-up, two ways.
//
// BM_StartUpProcess is start-up from nothing: a new process of kestrum_startup_probe
// (loading Qt, the platform plugin, the font database and the translations, building
// the window, showing it and painting the six dials) until it exits. The time is the
// wall time from spawn to exit; counters give the probe's own time from main() to
// the painted window and its peak resident memory (ru_maxrss of the child).
//
// BM_StartUpWindow is the window alone inside this process, where QApplication, the
// font database and the glyph caches are already warm after the first iteration:
// construct, show, wait for the six dials' paints. Tearing the window down is not timed.

#include "PaintedWindow.h"
#include "window/UnitKestrum.h"

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

extern char** environ;

namespace {

struct TProbeRun {
    bool Ok = false;
    double Seconds = 0;        // spawn to exit
    double PaintedMs = 0;      // the probe's own main() to painted window
    double PeakResidentMb = 0;
};

TProbeRun RunProbe(const std::string& Path)
{
    TProbeRun run;
    int out[2];
    if (pipe(out) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    // Qt's start-up chatter (a missing XDG_RUNTIME_DIR) is not ours to show.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::string program = Path;
    char* argv[] = {program.data(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return run;
    }
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    long peakKb = 0;
    run.Ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
             std::sscanf(text.c_str(), "%lf %ld", &run.PaintedMs, &peakKb) == 2;
    run.PeakResidentMb = static_cast<double>(usage.ru_maxrss) / 1024;
    return run;
}

void BM_StartUpProcess(benchmark::State& state)
{
    const std::string probe =
        (QCoreApplication::applicationDirPath() + QStringLiteral("/kestrum_startup_probe")).toStdString();
    if (!QFile::exists(QString::fromStdString(probe))) {
        state.SkipWithError("kestrum_startup_probe not built next to the benchmarks");
        return;
    }
    double paintedMs = 0, peakMb = 0;
    for (auto _ : state) {
        const TProbeRun run = RunProbe(probe);
        if (!run.Ok) {
            state.SkipWithError("the probe did not show a painted window");
            return;
        }
        state.SetIterationTime(run.Seconds);
        paintedMs += run.PaintedMs;
        peakMb = std::max(peakMb, run.PeakResidentMb);
    }
    state.counters["main_to_painted_ms"] = paintedMs / static_cast<double>(state.iterations());
    state.counters["peak_rss_MB"] = peakMb;
}

void BM_StartUpWindow(benchmark::State& state)
{
    for (auto _ : state) {
        auto form = std::make_unique<TFormKestrum>();
        if (!ShowPainted(*form)) {
            state.SkipWithError("the window did not paint its dials");
            return;
        }
        state.PauseTiming();
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(BM_StartUpProcess)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpWindow)->Unit(benchmark::kMillisecond);
