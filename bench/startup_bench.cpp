// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as whole processes: Quarvel until its window is exposed, beside a
// minimal window of one eight-page notebook, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

extern char** environ;

namespace {

void runToExit(benchmark::State& state, const std::string& path) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (auto _ : state) {
        char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start the probe");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the probe failed");
    }
}

void BM_StartQuarvel(benchmark::State& state) { runToExit(state, QUARVEL_START_PROBE); }
void BM_StartMinimalWindow(benchmark::State& state) { runToExit(state, QUARVEL_MINIMAL_PROBE); }

BENCHMARK(BM_StartMinimalWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(BM_StartQuarvel)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

}  // namespace
