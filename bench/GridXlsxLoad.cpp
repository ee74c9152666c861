// Loading a 100,000 × 10 .xlsx workbook into the grid, beside openpyxl's read-only mode on the same file.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/support/FilledGrid.h"

namespace {

// The reference: openpyxl (the system's python3) reading every value of the same file in
// read-only mode, timed inside the interpreter so that its start-up is not counted. Returns
// seconds, or 0 when openpyxl is not installed.
double OpenpyxlSeconds(const std::string& file)
{
    const std::string cmd =
        "/usr/bin/python3 -c \"import time, openpyxl\n"
        "t = time.perf_counter()\n"
        "wb = openpyxl.load_workbook('" + file + "', read_only=True)\n"
        "n = sum(1 for row in wb.active.iter_rows(values_only=True) for v in row if v is not None)\n"
        "print(time.perf_counter() - t, n)\" 2>/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return 0;
    double seconds = 0;
    long long values = 0;
    if (fscanf(p, "%lf %lld", &seconds, &values) != 2) seconds = 0;
    pclose(p);
    return seconds;
}

void BM_LoadXlsx(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const std::string dir = std::filesystem::temp_directory_path() / "tolvek-bench-xlsx";
    std::filesystem::create_directories(dir);
    const std::string file = dir + "/cells.xlsx";
    benchgrid::FilledGrid(rows)->SaveToXLS(file);
    grid::TExtStringGrid grid(nullptr);
    double gridSeconds = 0, referenceSeconds = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        grid.LoadFromXLS(file);
        const auto t1 = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(t1 - t0).count();
        gridSeconds += seconds;
        referenceSeconds += OpenpyxlSeconds(file);
        state.SetIterationTime(seconds);
    }
    std::filesystem::remove_all(dir);
    const auto n = static_cast<double>(state.iterations());
    state.counters["rows"] = grid.RowCount();
    state.counters["openpyxl_ms"] = referenceSeconds / n * 1000.0;
    state.counters["ratio"] = referenceSeconds > 0 ? gridSeconds / referenceSeconds : 0.0;
    state.counters["goal_ratio"] = 2.0;
}
BENCHMARK(BM_LoadXlsx)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
