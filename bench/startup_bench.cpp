// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as whole processes: Quarvel until its window is exposed, beside a
// minimal window of one eight-page notebook, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

extern char** environ;

namespace {

// Runs a probe to its end; false when it could not start or failed.
bool runToExit(const std::string& path, const std::string& configFolder = {}) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    char* argv[] = {const_cast<char*>(path.c_str()), const_cast<char*>(configFolder.c_str()), nullptr};
    if (configFolder.empty()) argv[1] = nullptr;
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

// Two start-ups, one after the other in each iteration, so that the
// machine's changing load weighs on both alike: their mean times and the
// ratio of the second's total to the first's.
void alternate(benchmark::State& state, const std::function<bool()>& first, const std::function<bool()>& second,
               const std::string& firstName, const std::string& secondName) {
    using Clock = std::chrono::steady_clock;
    Clock::duration firstTotal{}, secondTotal{};
    for (auto _ : state) {
        auto t0 = Clock::now();
        if (!first()) state.SkipWithError("a probe failed");
        auto t1 = Clock::now();
        if (!second()) state.SkipWithError("a probe failed");
        auto t2 = Clock::now();
        firstTotal += t1 - t0;
        secondTotal += t2 - t1;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters[firstName + "_ms"] = std::chrono::duration<double, std::milli>(firstTotal).count() / n;
    state.counters[secondName + "_ms"] = std::chrono::duration<double, std::milli>(secondTotal).count() / n;
    state.counters["ratio"] = std::chrono::duration<double>(secondTotal) / std::chrono::duration<double>(firstTotal);
}

void BM_StartRatio(benchmark::State& state) {
    alternate(
        state, [] { return runToExit(QUARVEL_MINIMAL_PROBE); }, [] { return runToExit(QUARVEL_START_PROBE); },
        "minimal", "quarvel");
}

// A configuration folder, with the user's equipment file of `rows` rows when
// rows > 0: sensors, cameras of those sensors and telescopes, a third each.
std::string configFolder(int rows) {
    char pattern[] = "/tmp/quarvel-bench-XXXXXX";
    const std::string folder = mkdtemp(pattern);
    if (rows == 0) return folder;
    std::ofstream out(folder + "/Quarvel-equipements.ini", std::ios::binary);
    for (int i = 0; i < rows; ++i) {
        if (i % 3 == 0) {
            out << "[Capteur Capteur " << i << "]\r\nLargeurPixels=" << 1000 + i
                << "\r\nHauteurPixels=800\r\nTaillePixelX=3.76\r\nTaillePixelY=3.76\r\n";
        } else if (i % 3 == 1) {
            out << "[Cam\xE9ra Cam\xE9ra " << i << "]\r\nCapteur=Capteur " << i - 1 << "\r\n";
        } else {
            out << "[T\xE9lescope T\xE9lescope " << i << "]\r\nDiam\xE8tre=" << 100 + i << "\r\nFocale=1000\r\n";
        }
    }
    return folder;
}

// Start-up with the shipped rows alone and with 1,000 of the user's rows
// besides, alternately: the ratio of their total times.
void BM_StartUserRowsRatio(benchmark::State& state) {
    const std::string plain = configFolder(0);
    const std::string many = configFolder(1000);
    alternate(
        state, [&] { return runToExit(QUARVEL_START_PROBE, plain); },
        [&] { return runToExit(QUARVEL_START_PROBE, many); }, "shipped", "with_user_rows");
    std::filesystem::remove_all(plain);
    std::filesystem::remove_all(many);
}

BENCHMARK(BM_StartMinimalWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(BM_StartQuarvel)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(BM_StartRatio)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(200);
BENCHMARK(BM_StartUserRowsRatio)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(200);

}  // namespace
