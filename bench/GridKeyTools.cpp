// Benchmarks of the grid-key tools on generated data: the 10 km representative search beside its plain stdio floor, the spatial data file's peak memory.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/GridKeyTables.h"
#include "app/RepresentativeSubcells.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int Cells = 1104;
constexpr int RowsPerCell = 10000;
constexpr int SpatialRows = 2000000;

fs::path BenchFolder()
{
    const fs::path dir = fs::temp_directory_path() / ("tolvek-bench-gridkeys-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir;
}

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// 1104 cell files of 10,000 grid rows each, 47 columns, profiles varying by row.
void WriteCellFiles(const fs::path& folder)
{
    fs::create_directories(folder);
    for (int cell = 1; cell <= Cells; ++cell) {
        FILE* out = std::fopen((folder / (std::to_string(cell) + ".csv")).c_str(), "wb");
        std::fputs("ID100m;ID1km;ID10km;x;y;elev;a;b;c;d\r\n", out);
        for (int r = 0; r < RowsPerCell; ++r) {
            const long long id = static_cast<long long>(cell) * RowsPerCell + r;
            std::fprintf(out, "%lld;%d;%d;5;2;%d;1;1;1;1", id, cell * 100 + r % 100, cell, 90 + r % 400);
            for (int layer = 1; layer <= 4; ++layer)
                std::fprintf(out, ";1.%d;%d.%d;0.4;7.1;%d;%d;%d;4%d.%d;2%d.%d;1%d", r % 9, r % 5, r % 10, 20 + r % 60,
                             30 + r % 20, 10 + r % 25, r % 10, r % 7, r % 10, r % 3, r % 9);
            std::fputs("\r\n", out);
        }
        std::fclose(out);
    }
}

// The floor: every line of every cell file read with fgets.
double ReadCellFilesWithStdio(const fs::path& folder)
{
    const auto start = Clock::now();
    char buffer[4096];
    long long lines = 0;
    for (int cell = 1; cell <= Cells; ++cell) {
        FILE* in = std::fopen((folder / (std::to_string(cell) + ".csv")).c_str(), "rb");
        while (std::fgets(buffer, sizeof buffer, in) != nullptr) ++lines;
        std::fclose(in);
    }
    benchmark::DoNotOptimize(lines);
    return Seconds(start);
}

void BM_RepresentativeSearch10km(benchmark::State& state)
{
    const fs::path folder = BenchFolder();
    WriteCellFiles(folder / "byFILEs");
    app::TGridKeyOptions options;
    options.Folder = folder.string() + "/";
    double tool = 0;
    double floor = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        app::FindRepresentatives10km(options, {});
        tool = Seconds(start);
        floor = ReadCellFilesWithStdio(folder / "byFILEs");
    }
    state.counters["tool_s"] = tool;
    state.counters["floor_s"] = floor;
    state.counters["ratio"] = tool / floor;
    state.counters["goal_ratio"] = 3;
    state.SetItemsProcessed(state.iterations() * Cells * RowsPerCell);
    fs::remove_all(folder);
}
BENCHMARK(BM_RepresentativeSearch10km)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// The four inputs of the spatial data file, 2,000,000 rows each, ids spread
// over the whole id range in a shuffled order.
void WriteSpatialInputs(const fs::path& folder)
{
    FILE* cc = std::fopen((folder / "CarpatClim GRID IDs.csv").c_str(), "wb");
    std::fputs("idx;ccid\r\n", cc);
    for (int r = 1; r <= Cells; ++r) std::fprintf(cc, "%d;%d\r\n", r, 5000 + r);
    std::fclose(cc);
    const auto idOf = [](long long k) { return (k * 7919) % app::SpatialIdTableSize + 1; };
    FILE* coordinates = std::fopen((folder / "koordinatak.txt").c_str(), "wb");
    FILE* elevation = std::fopen((folder / "elevation.txt").c_str(), "wb");
    FILE* nuts = std::fopen((folder / "nuts3.txt").c_str(), "wb");
    std::fputs("a;id;cell;id1km;lat;long\r\n", coordinates);
    std::fputs("a;id;b;c;elev\r\n", elevation);
    std::fputs("a;id;b;c;nuts\r\n", nuts);
    for (long long k = 0; k < SpatialRows; ++k) {
        const long long id = idOf(k);
        std::fprintf(coordinates, "%lld;%lld;%lld;%lld;4%lld.%06lld;1%lld.%06lld\r\n", k, id, k % Cells + 1, id / 55,
                     k % 9, (k * 37) % 1000000, k % 9, (k * 53) % 1000000);
        std::fprintf(elevation, "%lld;%lld;b;c;%lld\r\n", k, idOf(SpatialRows - 1 - k), 80 + k % 900);
        std::fprintf(nuts, "%lld;%lld;b;c;HU%lld\r\n", k, id, 100 + k % 300);
    }
    std::fclose(coordinates);
    std::fclose(elevation);
    std::fclose(nuts);
}

// Runs the tool in a child process so that its peak resident size is its own.
void BM_SpatialDataFileMemory(benchmark::State& state)
{
    const fs::path folder = BenchFolder();
    WriteSpatialInputs(folder);
    double peakMb = 0;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const pid_t child = ::fork();
        if (child == 0) {
            app::TGridKeyOptions options;
            options.Folder = folder.string() + "/";
            try {
                app::MakeSpatialDataFile(options, {});
            } catch (...) {
                ::_exit(1);
            }
            ::_exit(0);
        }
        int status = 0;
        rusage usage{};
        ::wait4(child, &status, 0, &usage);
        seconds = Seconds(start);
        peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the spatial data file failed");
    }
    state.counters["tool_s"] = seconds;
    state.counters["peak_MB"] = peakMb;
    state.counters["limit_MB"] = 300;
    if (peakMb >= 300) state.SkipWithError("the spatial data file took 300 MB or more");
    fs::remove_all(folder);
}
BENCHMARK(BM_SpatialDataFileMemory)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace
