// SPDX-License-Identifier: GPL-3.0-or-later
// Solving a 24-megapixel image (6000 x 4000 pixels at 1.5"/px on the
// Pleiades, rendered once by tools/render_star_field) with the setup's hints
// and without any.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "image/image.h"
#include "image/solve.h"

namespace {

const quarvel::image::Image& picture() {
    static const quarvel::image::Image image = [] {
        const std::string path = "/tmp/quarvel-bench-24mp.fits";
        const std::string command = std::string("'") + QUARVEL_RENDER + "' " + path +
                                    " fits 56.75 24.1167 1.5 33.3 0 6000 4000 3.2 moffat 5";
        if (std::system(command.c_str()) != 0) std::abort();
        auto read = quarvel::image::readImage(path);
        std::remove(path.c_str());
        return read;
    }();
    return image;
}

void solve(benchmark::State& state, bool hinted) {
    const auto& image = picture();
    quarvel::image::SolveHints hints;
    if (hinted) {
        hints.arcsecPerPixel = 1.55;
        hints.near = quarvel::sky::Equatorial{56.6, 24.3};
    }
    for (auto _ : state) benchmark::DoNotOptimize(quarvel::image::solveImage(image, "bench", hints));
}

void BM_Solve24MegapixelsHinted(benchmark::State& state) { solve(state, true); }
void BM_Solve24MegapixelsBlind(benchmark::State& state) { solve(state, false); }
BENCHMARK(BM_Solve24MegapixelsHinted)->Unit(benchmark::kSecond)->Iterations(3);
BENCHMARK(BM_Solve24MegapixelsBlind)->Unit(benchmark::kSecond)->Iterations(3);

}  // namespace
