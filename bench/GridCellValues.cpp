// Typed reads over a million-row grid column: AllFloats of every row and DistinctValues of the column, each beside its floor (the same texts parsed with std::from_chars into a vector) and the ratio.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "platform/rtl/StringList.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Rows = 1000000;

// Column 1 holds numbers with two decimals, a few hundred distinct values repeated, the way
// a soil or climate column looks; the same texts are returned for the floor.
std::unique_ptr<grid::TExtStringGrid> MakeGrid(std::vector<std::string>& texts)
{
    auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
    g->SetColCount(2);
    g->SetRowCount(Rows + 1);
    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> value(0, 49999);
    texts.clear();
    texts.reserve(Rows);
    for (int r = 1; r <= Rows; ++r) {
        const int v = value(rng) % 500;
        std::string text = std::to_string(v / 100) + "." + std::to_string(10 + v % 90);
        g->SetGridCell(1, r, text);
        texts.push_back(std::move(text));
    }
    return g;
}

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The floor: the same texts parsed with std::from_chars into a vector of doubles.
double ParseFloor(const std::vector<std::string>& texts)
{
    const auto start = Clock::now();
    std::vector<double> values;
    values.reserve(texts.size());
    for (const std::string& t : texts) {
        double v = 0;
        std::from_chars(t.data(), t.data() + t.size(), v);
        values.push_back(v);
    }
    benchmark::DoNotOptimize(values.data());
    return Seconds(start);
}

void Report(benchmark::State& state, double toolSeconds, double floorSeconds)
{
    state.counters["tool_s"] = toolSeconds;
    state.counters["floor_s"] = floorSeconds;
    state.counters["ratio"] = toolSeconds / floorSeconds;
    state.counters["goal_ratio"] = 3.0;
}

void BM_AllFloatsColumn(benchmark::State& state)
{
    std::vector<std::string> texts;
    auto g = MakeGrid(texts);
    // The best of the runs for both, so that other load on the machine weighs on neither.
    double tool = 1e9, floor = 1e9;
    for (auto _ : state) {
        const auto start = Clock::now();
        double sum = 0;
        for (int r = 1; r <= Rows; ++r) sum += g->AllFloats(1, r);
        benchmark::DoNotOptimize(sum);
        tool = std::min(tool, Seconds(start));
        floor = std::min(floor, ParseFloor(texts));
    }
    Report(state, tool, floor);
    state.SetItemsProcessed(state.iterations() * Rows);
}

void BM_DistinctValuesColumn(benchmark::State& state)
{
    std::vector<std::string> texts;
    auto g = MakeGrid(texts);
    double tool = 1e9, floor = 1e9;
    for (auto _ : state) {
        const auto start = Clock::now();
        auto values = g->DistinctValues(1, false);
        benchmark::DoNotOptimize(values->Count());
        tool = std::min(tool, Seconds(start));
        floor = std::min(floor, ParseFloor(texts));
    }
    Report(state, tool, floor);
    state.SetItemsProcessed(state.iterations() * Rows);
}

}  // namespace

BENCHMARK(BM_AllFloatsColumn)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_DistinctValuesColumn)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
