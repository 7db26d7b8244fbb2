// SPDX-License-Identifier: GPL-3.0-or-later
// computeApparentDiameter for each object, beside its floor: the same number
// of A * cos(B + C * tau) terms summed in one plain loop over a flat array.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "ephem/ephemeris.h"
#include "ephem/vsop87_terms.h"
#include "night/night.h"
#include "night/plan.h"

using namespace quarvel::ephem;

namespace {

constexpr EphemerisDate kDate{6, 12, 2026};

std::vector<VsopTerm> termsOf(int body) {
    std::vector<VsopTerm> terms;
    for (int series = 0; series < kSeriesCount; ++series) {
        const VsopTerm* first = kSeriesTerms[static_cast<std::size_t>(series)] + kTermStart[body][series];
        terms.insert(terms.end(), first, first + kTermCount[body][series]);
    }
    return terms;
}

// The terms one call evaluates: the Earth's always, the planet's for a planet,
// and eleven more for the Moon's distance.
std::vector<VsopTerm> floorTerms(Body body) {
    std::vector<VsopTerm> terms = termsOf(kEarthSeries);
    if (const int series = factsOf(body).vsopSeries; series >= 0) {
        const auto planet = termsOf(series);
        terms.insert(terms.end(), planet.begin(), planet.end());
    }
    if (body == Body::Moon) terms.insert(terms.end(), 11, VsopTerm{1.0f, 0.5f, 2.0f});
    return terms;
}

void BM_ApparentDiameter(benchmark::State& state) {
    const auto object = static_cast<Body>(state.range(0));
    ApparentDiameter result;
    EphemerisDate date = kDate;
    for (auto _ : state) {
        benchmark::DoNotOptimize(date);
        computeApparentDiameter(date, object, result);
        benchmark::DoNotOptimize(result);
    }
    state.counters["terms"] = static_cast<double>(floorTerms(object).size());
}

void BM_Floor(benchmark::State& state) {
    const auto terms = floorTerms(static_cast<Body>(state.range(0)));
    double tau = timeArguments(julianDay(kDate.day, kDate.month, kDate.year)).tau;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tau);
        double sum = 0;
        for (const auto& t : terms) {
            sum += static_cast<double>(t.a) * std::cos(static_cast<double>(t.b) + static_cast<double>(t.c) * tau);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["terms"] = static_cast<double>(terms.size());
}

// Objects 0 Sun to 4 Saturn.
BENCHMARK(BM_ApparentDiameter)->DenseRange(0, 4);
BENCHMARK(BM_Floor)->DenseRange(0, 4);

}  // namespace

// A night's curves for the "Nuit" page: a target's and the Moon's altitude
// every five minutes from 18h to 6h UTC at Paris.
namespace {

void BM_NightCurves(benchmark::State& state) {
    const quarvel::night::Site paris{"Paris", 48.85, 2.35, 60};
    const quarvel::sky::Equatorial m31{10.6848, 41.2691};
    const double dusk = quarvel::night::julianDateUtc(2026, 12, 8, 18);
    double sum = 0;
    for (auto _ : state) {
        const auto target = quarvel::night::altitudeCurve(m31, paris, dusk);
        const auto moon = quarvel::night::moonAltitudeCurve(paris, dusk);
        for (int i = 0; i <= 144; ++i) sum += target(dusk + i / 288.0) + moon(dusk + i / 288.0);
    }
    benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_NightCurves)->Unit(benchmark::kMillisecond);

// The "Nuit" page's year: a target's dark hours above 30° month by month.
void BM_YearTable(benchmark::State& state) {
    const quarvel::night::Site paris{"Paris", 48.85, 2.35, 60};
    const quarvel::sky::Equatorial m31{10.6848, 41.2691};
    double sum = 0;
    for (auto _ : state) {
        for (const double hours : quarvel::night::monthlyDarkHours(m31, paris, 2026, 30)) sum += hours;
    }
    benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_YearTable)->Unit(benchmark::kMillisecond);

}  // namespace
