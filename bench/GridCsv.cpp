// Loading and saving CSV files of 100,000 and 1,000,000 rows of ten columns with the string grid, against writing and reading the same bytes with stdio.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/FilledGrid.h"
#include "bench/support/Floor.h"
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

// The floor of a save: the same cells, held as plain strings, written with stdio.
double PlainSave(const std::vector<std::string>& cells, const std::string& file)
{
    return benchfloor::Seconds([&] {
        std::FILE* f = std::fopen(file.c_str(), "wb");
        for (std::size_t i = 0; i < cells.size(); ++i) {
            std::fwrite(cells[i].data(), 1, cells[i].size(), f);
            if ((i + 1) % Columns == 0) std::fwrite("\r\n", 1, 2, f);
            else std::fputc(',', f);
        }
        std::fclose(f);
    });
}

// The floor of a load: the file read with stdio line by line and split on the separator
// into one string per cell.
double PlainLoad(const std::string& file)
{
    std::vector<std::string> cells;
    const double seconds = benchfloor::Seconds([&] {
        std::FILE* f = std::fopen(file.c_str(), "rb");
        char* line = nullptr;
        std::size_t capacity = 0;
        ssize_t n;
        while ((n = getline(&line, &capacity, f)) > 0) {
            while (n > 0 && (line[n - 1] == '\n' || line[n - 1] == '\r')) --n;
            const char* start = line;
            const char* end = line + n;
            for (const char* p = line; p <= end; ++p) {
                if (p == end || *p == ',') {
                    cells.emplace_back(start, p);
                    start = p + 1;
                }
            }
        }
        std::free(line);
        std::fclose(f);
    });
    benchmark::DoNotOptimize(cells.data());
    return seconds;
}

void BM_LoadFromCSV(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const std::string file = CsvFile(rows);
    benchfloor::TPair pair;
    for (auto _ : state) {
        pair = benchfloor::Interleaved(
            3,
            [&] {
                auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
                g->SetDelimiter(",");
                const double s = benchfloor::Seconds([&] { g->LoadFromCSV(file); });
                benchmark::DoNotOptimize(g->RowCount());
                return s;
            },
            [&] { return PlainLoad(file); });
    }
    benchfloor::Report(state, pair, "ratio <= 2 at 1,000,000 rows");
}

void BM_SaveToCSV(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    auto g = FilledGrid(rows);
    g->SetDelimiter(",");
    std::vector<std::string> cells;
    cells.reserve(static_cast<std::size_t>(rows) * Columns);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < Columns; ++c) cells.push_back(CellText(c, r));
    const std::string file = (BenchFolder() / "saved.csv").string();
    const std::string floorFile = (BenchFolder() / "saved_floor.csv").string();
    benchfloor::TPair pair;
    for (auto _ : state) {
        pair = benchfloor::Interleaved(
            3, [&] { return benchfloor::Seconds([&] { g->SaveToCSV(file); }); },
            [&] { return PlainSave(cells, floorFile); });
    }
    state.counters["same_size"] = std::filesystem::file_size(file) == std::filesystem::file_size(floorFile);
    benchfloor::Report(state, pair, "ratio <= 2 at 1,000,000 rows");
}

}  // namespace

BENCHMARK(BM_LoadFromCSV)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SaveToCSV)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
