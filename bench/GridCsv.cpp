// Loading and saving CSV files of 100,000 and 1,000,000 rows of ten columns with the string grid.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "grid/core/ExtGrid.h"

namespace {

constexpr int Columns = 10;

std::filesystem::path BenchFolder()
{
    const auto dir = std::filesystem::temp_directory_path() / "tolvek_bench_csv";
    std::filesystem::create_directories(dir);
    return dir;
}

std::string CellText(int col, int row)
{
    switch (col % 3) {
    case 0: return std::to_string(row);
    case 1: return std::to_string(row % 977) + "." + std::to_string(col);
    default: return "word" + std::to_string((row * 7 + col) % 1000);
    }
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

std::unique_ptr<grid::TExtStringGrid> FilledGrid(int rows)
{
    auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
    g->SetColCount(Columns);
    g->SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < Columns; ++c) g->SetGridCell(c, r, CellText(c, r));
    return g;
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
