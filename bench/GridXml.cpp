// Saving the string grid as XML and loading it back, 100,000 and 1,000,000 rows of ten columns.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench/support/FilledGrid.h"
#include "grid/core/ExtGrid.h"

namespace {

std::string XmlFile(int rows)
{
    const auto dir = std::filesystem::temp_directory_path() / "tolvek_bench_xml";
    std::filesystem::create_directories(dir);
    return (dir / ("rows" + std::to_string(rows) + ".xml")).string();
}

void BM_SaveToXML(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    auto g = benchgrid::FilledGrid(rows);
    const std::string file = XmlFile(rows);
    for (auto _ : state) {
        g->SaveToXML(file, "list", "rec", nullptr, true);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

void BM_LoadFromXML(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const std::string file = XmlFile(rows);
    benchgrid::FilledGrid(rows)->SaveToXML(file, "list", "rec", nullptr, true);
    for (auto _ : state) {
        state.PauseTiming();
        auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
        state.ResumeTiming();
        g->LoadFromXML(file);
        benchmark::DoNotOptimize(g->RowCount());
        state.PauseTiming();
        g.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

}  // namespace

BENCHMARK(BM_SaveToXML)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LoadFromXML)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
