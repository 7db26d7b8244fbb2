// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "catalogues/object_search.h"
#include "catalogues/sensors.h"
#include "core/number_format.h"
#include "core/optics.h"
#include "core/parse.h"
#include "setup/setup.h"

using namespace quarvel;

namespace {

// The instrument and sensor results of the parameter page, as one recompute shows them.
void BM_InstrumentResults(benchmark::State& state) {
    const core::SensorValues sensor{768, 512, 9, 9};
    double diameter = 212;
    double focal = 2628;
    for (auto _ : state) {
        benchmark::DoNotOptimize(diameter);
        benchmark::DoNotOptimize(focal);
        std::string texts[] = {
            core::display(core::focalRatio(focal, diameter), 2),
            core::display(core::resolvingPower(0, diameter), 2),
            core::display(core::separatingPower(diameter), 2),
            core::display(core::sensorWidthMm(sensor), 2),
            core::display(core::sensorHeightMm(sensor), 2),
            core::display(core::sensorDiagonalMm(sensor), 2),
            core::display(core::sampling(sensor.pixelWidthUm, focal), 2),
            core::display(core::horizontalFieldArcmin(sensor, focal), 2),
            core::display(core::verticalFieldArcmin(sensor, focal), 2),
        };
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BM_InstrumentResults);

// Every result of one setup, as the pages render them: the default
// configuration with Jupiter's diameter on the date.
void BM_ComputeSetup(benchmark::State& state) {
    setup::Setup s;
    s.instrument.diameterMm = 212;
    s.instrument.focalMm = 2628;
    static_cast<core::SensorValues&>(s.sensor) = {768, 512, 9, 9};
    setup::Options options;
    options.apparentDiameterArcsec = 39.7;
    options.rotationPeriodMinutes = 590;
    for (auto _ : state) {
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(setup::compute(s, options));
    }
}
BENCHMARK(BM_ComputeSetup);

void BM_Fixed(benchmark::State& state) {
    double value = 928.1925;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(core::fixed(value, 5, 2));
    }
}
BENCHMARK(BM_Fixed);

void BM_ParseReal(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(core::parseReal(" 6.45 "));
}
BENCHMARK(BM_ParseReal);

void BM_FindLastSensor(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(catalogues::findSensor("Full frame Nikon 36.3 Mp"));
}
BENCHMARK(BM_FindLastSensor);

std::string shippedObjectsText() {
    std::ifstream file(QUARVEL_SOURCE_DIR "/data/objects/objects.csv", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

const catalogues::ObjectCatalogue& shippedObjects() {
    static const catalogues::ObjectCatalogue objects(catalogues::readObjects("objects.csv", shippedObjectsText()).rows);
    return objects;
}

// What start-up spends on the deep-sky list: reading it and folding its keys.
void BM_ReadObjects(benchmark::State& state) {
    const std::string text = shippedObjectsText();
    for (auto _ : state) {
        const catalogues::ObjectCatalogue objects(catalogues::readObjects("objects.csv", text).rows);
        benchmark::DoNotOptimize(objects.rows().data());
    }
}
BENCHMARK(BM_ReadObjects)->Unit(benchmark::kMillisecond);

// The large nebulae's outlines, read with the catalogue the first time it is needed.
void BM_ReadOutlines(benchmark::State& state) {
    std::ifstream file(QUARVEL_SOURCE_DIR "/data/objects/outlines.csv", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    for (auto _ : state) benchmark::DoNotOptimize(catalogues::readOutlines(text.str()).size());
}
BENCHMARK(BM_ReadOutlines)->Unit(benchmark::kMillisecond);

// One search of the whole list per keystroke, as many rows as a completer shows.
constexpr std::size_t kShownRows = 20;
void BM_ObjectSearch(benchmark::State& state, std::string_view typed, std::size_t limit) {
    const auto& objects = shippedObjects();
    for (auto _ : state) benchmark::DoNotOptimize(objects.search(typed, limit));
}
BENCHMARK_CAPTURE(BM_ObjectSearch, a, "a", kShownRows)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ObjectSearch, an, "an", kShownRows)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ObjectSearch, and, "and", kShownRows)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ObjectSearch, andr, "andr", kShownRows)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ObjectSearch, andro, "andro", kShownRows)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ObjectSearch, sh2_1, "sh2 1", kShownRows)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ObjectSearch, coeur, "coeur", kShownRows)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ObjectSearch, ngc_7, "ngc 7", kShownRows)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ObjectSearch, voile, "voile", kShownRows)->Unit(benchmark::kMicrosecond);
// The slowest case: a letter found in most rows, every match wanted.
BENCHMARK_CAPTURE(BM_ObjectSearch, a_every_match, "a", std::size_t{100000})->Unit(benchmark::kMicrosecond);

// The keystrokes of "andro" and of "ngc 7", one search each.
void BM_ObjectSearchKeystrokes(benchmark::State& state) {
    const auto& objects = shippedObjects();
    for (auto _ : state) {
        for (std::string_view typed : {"a", "an", "and", "andr", "andro", "n", "ng", "ngc", "ngc ", "ngc 7"}) {
            benchmark::DoNotOptimize(objects.search(typed, kShownRows));
        }
    }
}
BENCHMARK(BM_ObjectSearchKeystrokes)->Unit(benchmark::kMicrosecond);

void BM_FindObject(benchmark::State& state) {
    const auto& objects = shippedObjects();
    for (auto _ : state) benchmark::DoNotOptimize(objects.find("Galaxie d'Andromède"));
}
BENCHMARK(BM_FindObject)->Unit(benchmark::kMicrosecond);

}  // namespace
