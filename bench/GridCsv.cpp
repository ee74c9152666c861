// Loading and saving CSV files of 100,000 and 1,000,000 rows of ten columns with the string grid.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "bench/support/FilledGrid.h"
#include "grid/core/ExtGrid.h"

namespace {

using benchgrid::CellText;
using benchgrid::Columns;
using benchgrid::FilledGrid;

std::filesystem::path BenchFolder()
{
    const auto dir = std::filesystem::temp_directory_path() / "tolvek_bench_csv";
    std::filesystem::create_directories(dir);
    return dir;
}

// A CSV file of rows × ten columns, written once per size.
std::string CsvFile(int rows)
{
    const auto path = BenchFolder() / ("rows" + std::to_string(rows) + ".csv");
    if (!std::filesystem::exists(path)) {
        std::ofstream out(path, std::ios::binary);
        for (int r = 0; r < rows; ++r) {
            std::string line;
            for (int c = 0; c < Columns; ++c) {
                if (c > 0) line += ',';
                line += CellText(c, r);
            }
            line += "\r\n";
            out << line;
        }
    }
    return path.string();
}

void BM_LoadFromCSV(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const std::string file = CsvFile(rows);
    for (auto _ : state) {
        state.PauseTiming();
        auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
        g->SetDelimiter(",");
        state.ResumeTiming();
        g->LoadFromCSV(file);
        benchmark::DoNotOptimize(g->RowCount());
        state.PauseTiming();
        g.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

void BM_SaveToCSV(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    auto g = FilledGrid(rows);
    const std::string file = (BenchFolder() / "saved.csv").string();
    for (auto _ : state) {
        g->SaveToCSV(file);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

}  // namespace

BENCHMARK(BM_LoadFromCSV)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SaveToCSV)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
