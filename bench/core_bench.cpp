// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

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

}  // namespace
