// Benchmark of spreadsheet number formats: a million values through each of a few typical formats.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "grid/core/esgxlsfmt.h"

namespace {

constexpr int kCount = 1000000;

// Formats as grid columns use them: money with red negatives, percent,
// scientific, a date with time, elapsed hours, a conditional text.
const char* const kFormats[] = {
    "#,##0.00",
    "#,##0.00;[Red]-#,##0.00",
    "0.0%",
    "0.00E+00",
    "dd/mm/yyyy hh:mm",
    "[h]:mm",
    "[>=1000]\"high\";[<0]\"negative\";0.0",
};

// Values that suit each format: amounts of money, ratios, dates of recent years.
const std::vector<double>& Values() {
    static const std::vector<double> values = [] {
        std::mt19937_64 rng(2026);
        std::uniform_real_distribution<double> dist(-5000.0, 50000.0);
        std::vector<double> v(kCount);
        for (double& x : v) x = dist(rng);
        return v;
    }();
    return values;
}

void BM_ApplyXlsFormat(benchmark::State& state) {
    const std::string format = kFormats[state.range(0)];
    const auto& values = Values();
    state.SetLabel(format);
    std::string text;
    std::size_t bytes = 0;
    for (auto _ : state) {
        for (double v : values) {
            grid::ApplyXlsFormat(v, format, text);
            bytes += text.size();
            benchmark::DoNotOptimize(text);
        }
    }
    state.SetItemsProcessed(state.iterations() * kCount);
    state.counters["bytes"] = benchmark::Counter(static_cast<double>(bytes), benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_ApplyXlsFormat)->DenseRange(0, static_cast<int>(std::size(kFormats)) - 1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
