// Benchmarks of number text: fixed-point formatting and float parsing of a million values.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "platform/rtl/NumberText.h"

namespace {

constexpr int kCount = 1000000;

// Values like those of the model files: a few digits before and after the point.
const std::vector<double>& Values() {
    static const std::vector<double> values = [] {
        std::mt19937_64 rng(2026);
        std::uniform_real_distribution<double> dist(-5000.0, 5000.0);
        std::vector<double> v(kCount);
        for (double& x : v) x = dist(rng);
        return v;
    }();
    return values;
}

void BM_FloatToStrFFixed(benchmark::State& state) {
    const auto& values = Values();
    rtl::TFormatSettings fs;
    fs.DecimalSeparator = ',';
    std::size_t bytes = 0;
    for (auto _ : state) {
        for (double v : values) {
            std::string s = rtl::FloatToStrF(v, rtl::ffFixed, 6, 3, fs);
            bytes += s.size();
            benchmark::DoNotOptimize(s);
        }
    }
    state.SetItemsProcessed(state.iterations() * kCount);
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_FloatToStrFFixed)->Unit(benchmark::kMillisecond);

void BM_StrToFloat(benchmark::State& state) {
    const auto& values = Values();
    rtl::TFormatSettings fs;
    fs.DecimalSeparator = ',';
    std::vector<std::string> texts;
    texts.reserve(values.size());
    for (double v : values) texts.push_back(rtl::FloatToStrF(v, rtl::ffFixed, 15, 4, fs));
    for (auto _ : state) {
        double sum = 0;
        for (const std::string& t : texts) sum += rtl::StrToFloat(t, fs);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_StrToFloat)->Unit(benchmark::kMillisecond);

void BM_FormatFloatPattern(benchmark::State& state) {
    const auto& values = Values();
    rtl::TFormatSettings fs;
    for (auto _ : state) {
        for (double v : values) {
            std::string s = rtl::FormatFloat("#,##0.00", v, fs);
            benchmark::DoNotOptimize(s);
        }
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_FormatFloatPattern)->Unit(benchmark::kMillisecond);

}  // namespace
