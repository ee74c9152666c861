// Benchmark of the sorted statistics (median, maximum, 95th percentile) over the shared value buffer.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "app/Unit2.h"

namespace {

// The same pseudo-random values for every run, so figures compare run to run.
const std::vector<double>& Values(int n)
{
    static std::vector<double> values;
    if (static_cast<int>(values.size()) != n) {
        values.resize(static_cast<std::size_t>(n));
        std::uint64_t x = 88172645463325252ull;
        for (double& v : values) {
            x ^= x << 13;
            x ^= x >> 7;
            x ^= x << 17;
            v = static_cast<double>(x % 1000000) / 100.0;  // 0 to 9999.99, with repeats
        }
    }
    return values;
}

// Each iteration refills SharedValues[1..n] (untimed: the statistics sort in
// place) and times one statistic.
template <double (*Statistic)(int)>
void BM_Statistic(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const std::vector<double>& values = Values(n);
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(values.begin(), values.end(), app::SharedValues.begin() + 1);
        state.ResumeTiming();
        benchmark::DoNotOptimize(Statistic(n));
    }
    state.SetItemsProcessed(state.iterations() * n);
}

constexpr int CallerCount = 1104;           // one value per 10 km cell
constexpr int FullBuffer = app::SharedValuesCapacity;  // 2,700,000

BENCHMARK(BM_Statistic<app::SortedMedian>)->Name("SortedMedian")->Arg(CallerCount)->Arg(FullBuffer)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Statistic<app::SortedMax>)->Name("SortedMax")->Arg(CallerCount)->Arg(FullBuffer)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Statistic<app::SortedPercentile95>)->Name("SortedPercentile95")->Arg(CallerCount)->Arg(FullBuffer)
    ->Unit(benchmark::kMillisecond);

}  // namespace
