// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as whole processes: Quarvel until its window is exposed, beside a
// minimal window of one eight-page notebook, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>

extern char** environ;

namespace {

// Runs a probe to its end; false when it could not start or failed.
bool runToExit(const std::string& path) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void runProbe(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        if (!runToExit(path)) state.SkipWithError("the probe failed");
    }
}

void BM_StartQuarvel(benchmark::State& state) { runProbe(state, QUARVEL_START_PROBE); }
void BM_StartMinimalWindow(benchmark::State& state) { runProbe(state, QUARVEL_MINIMAL_PROBE); }

// The two, one after the other in each iteration, so that the machine's
// changing load weighs on both alike: the ratio of their total times.
void BM_StartRatio(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    Clock::duration minimal{}, quarvel{};
    for (auto _ : state) {
        auto t0 = Clock::now();
        if (!runToExit(QUARVEL_MINIMAL_PROBE)) state.SkipWithError("the minimal probe failed");
        auto t1 = Clock::now();
        if (!runToExit(QUARVEL_START_PROBE)) state.SkipWithError("the Quarvel probe failed");
        auto t2 = Clock::now();
        minimal += t1 - t0;
        quarvel += t2 - t1;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["minimal_ms"] = std::chrono::duration<double, std::milli>(minimal).count() / n;
    state.counters["quarvel_ms"] = std::chrono::duration<double, std::milli>(quarvel).count() / n;
    state.counters["ratio"] = std::chrono::duration<double>(quarvel) / std::chrono::duration<double>(minimal);
}

BENCHMARK(BM_StartMinimalWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(BM_StartQuarvel)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(BM_StartRatio)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(200);

}  // namespace
