// Benchmarks of the soil tools on generated tables, each beside its plain stdio floor on the same data and the ratio.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/IdTable.h"
#include "app/SoilDbCheck.h"
#include "app/SoilGrid100m.h"
#include "app/SoilTableRepairs.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int SoilRows = 1000000;
constexpr int GridRows = 2000000;

fs::path BenchFolder()
{
    const fs::path dir = fs::temp_directory_path() / ("tolvek-bench-soiltools-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir;
}

// A soil table of a million rows, values varying by row, a few of them zero or
// negative so that the check writes log lines.
void WriteSoilTable(const fs::path& file)
{
    FILE* out = std::fopen(file.c_str(), "wb");
    std::fputs("id100m;soildepth;...\r\n", out);
    for (int row = 1; row <= SoilRows; ++row) {
        std::fprintf(out, "%d;%d", row * 11, row % 97 == 0 ? 0 : 50 + row % 150);
        for (int layer = 0; layer < 4; ++layer) {
            const int sand = (row + 17 * layer) % 96;
            const int silt = (100 - sand) * 2 / 3;
            std::fprintf(out, ";1.%02d;%d.%d;0.%d;7.%d;%d;%d;%d;4%d.%d;%d.%d;%d.%d", row % 60 + 20, row % 4,
                         row % 10, row % 7, row % 9, sand, silt, 100 - sand - silt, row % 10, row % 7,
                         22 + row % 15, row % 10, 8 + row % 9, (row + 3) % 10);
        }
        std::fputs("\r\n", out);
    }
    std::fclose(out);
}

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The floor of the two streaming tools: every line of the file read with fgets.
double ReadLinesWithStdio(const fs::path& file)
{
    const auto start = Clock::now();
    FILE* in = std::fopen(file.c_str(), "rb");
    char buffer[4096];
    long long lines = 0;
    while (std::fgets(buffer, sizeof buffer, in) != nullptr) ++lines;
    std::fclose(in);
    benchmark::DoNotOptimize(lines);
    return Seconds(start);
}

// A second floor for a tool that writes a table as large as it reads: every
// line read with fgets and written to another file with fputs.
double CopyLinesWithStdio(const fs::path& file, const fs::path& copy)
{
    const auto start = Clock::now();
    FILE* in = std::fopen(file.c_str(), "rb");
    FILE* out = std::fopen(copy.c_str(), "wb");
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, in) != nullptr) std::fputs(buffer, out);
    std::fclose(in);
    std::fclose(out);
    return Seconds(start);
}

void ReportAgainstFloor(benchmark::State& state, double toolSeconds, double floorSeconds)
{
    state.counters["tool_s"] = toolSeconds;
    state.counters["floor_s"] = floorSeconds;
    state.counters["ratio"] = toolSeconds / floorSeconds;
}

app::TSoilTableOptions SoilOptions()
{
    app::TSoilTableOptions options;
    options.Folder = BenchFolder().string() + "/";
    return options;
}

void BM_SoilDbErrCheck(benchmark::State& state)
{
    const fs::path table = BenchFolder() / app::SoilDbTableName;
    WriteSoilTable(table);
    double tool = 0;
    double floor = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        app::CheckSoilDatabase(SoilOptions(), {});
        tool = Seconds(start);
        floor = ReadLinesWithStdio(table);
    }
    ReportAgainstFloor(state, tool, floor);
    state.SetItemsProcessed(state.iterations() * SoilRows);
    fs::remove_all(BenchFolder());
}
BENCHMARK(BM_SoilDbErrCheck)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_AdjustDwc(benchmark::State& state)
{
    const fs::path base = BenchFolder() / app::SoilDbBaseTableName;
    WriteSoilTable(base);
    double tool = 0;
    double floor = 0;
    double copyFloor = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        app::AdjustWaterCapacity(SoilOptions(), {});
        tool = Seconds(start);
        floor = ReadLinesWithStdio(base);
        copyFloor = CopyLinesWithStdio(base, BenchFolder() / "copy.csv");
    }
    ReportAgainstFloor(state, tool, floor);
    state.counters["copy_floor_s"] = copyFloor;
    state.counters["copy_ratio"] = tool / copyFloor;
    state.SetItemsProcessed(state.iterations() * SoilRows);
    fs::remove_all(BenchFolder());
}
BENCHMARK(BM_AdjustDwc)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// Two million grid rows in 100 m id order over all 199,255 1 km cells, about
// ten consecutive rows per cell as the grid gives them.
void BM_CellsByFiles(benchmark::State& state)
{
    const fs::path folder = BenchFolder() / "grid";
    fs::create_directories(folder);
    const std::string header = "ID100m;ID1km;ID10km;x;y;elev;bd30;sand30";
    std::vector<std::string> fileBytes(app::Max1kmId + 1, header + "\r\n");
    {
        FILE* out = std::fopen((folder / app::SoilGrid100mName).c_str(), "wb");
        std::fprintf(out, "%s\r\n", header.c_str());
        char row[160];
        for (long long i = 0; i < GridRows; ++i) {
            const int cell = static_cast<int>(i * app::Max1kmId / GridRows) + 1;
            const int length = std::snprintf(row, sizeof row, "%lld;%d;%d;5%lld;2%lld;%lld;1.4%lld;%lld\r\n", i * 5 + 1,
                                             cell, cell / 181 + 1, i % 1000, i % 777, 90 + i % 400, i % 10, i % 90);
            std::fwrite(row, 1, static_cast<std::size_t>(length), out);
            fileBytes[static_cast<std::size_t>(cell)].append(row, static_cast<std::size_t>(length));
        }
        std::fclose(out);
    }
    app::TSoilGridOptions options;
    options.Folder = folder.string() + "/";
    // Both write into a new, empty folder of that name: overwriting existing
    // files, or creating files right after deleting as many, costs the file
    // system far more than the writing itself, so the tool's files are moved
    // aside (not deleted) before the floor writes its own.
    double tool = 0;
    double floor = 0;
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fs::create_directories(folder / "byFILEs_1km");
        state.ResumeTiming();
        auto start = Clock::now();
        app::SplitGridByCellFiles(options, {});
        tool = Seconds(start);

        state.PauseTiming();
        fs::rename(folder / "byFILEs_1km", folder / ("tool-run-" + std::to_string(++run)));
        fs::create_directories(folder / "byFILEs_1km");
        state.ResumeTiming();
        start = Clock::now();
        for (int cell = 1; cell <= app::Max1kmId; ++cell) {
            const std::string name = (folder / "byFILEs_1km" / (std::to_string(cell) + ".csv")).string();
            FILE* out = std::fopen(name.c_str(), "wb");
            const std::string& bytes = fileBytes[static_cast<std::size_t>(cell)];
            std::fwrite(bytes.data(), 1, bytes.size(), out);
            std::fclose(out);
        }
        floor = Seconds(start);
        state.PauseTiming();
        fs::rename(folder / "byFILEs_1km", folder / ("floor-run-" + std::to_string(run)));
        state.ResumeTiming();
    }
    ReportAgainstFloor(state, tool, floor);
    state.SetItemsProcessed(state.iterations() * GridRows);
    fs::remove_all(BenchFolder());
}
BENCHMARK(BM_CellsByFiles)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// An id table of the largest size with a million ids filled by 8-character texts.
void BM_IdTableMemory(benchmark::State& state)
{
    constexpr int Size = 11259791;
    constexpr int Filled = 1000000;
    std::size_t bytes = 0;
    for (auto _ : state) {
        app::TIdTable table(Size);
        for (int k = 0; k < Filled; ++k) {
            const int id = static_cast<int>((static_cast<long long>(k) * 11 + 7) % Size) + 1;
            table.Set(id, std::to_string(id) + ";0." + std::to_string(k % 100));
        }
        bytes = table.MemoryBytes();
        benchmark::DoNotOptimize(table.Get(7));
    }
    state.counters["MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
    state.counters["limit_MB"] = 100;
    if (bytes >= 100u * 1024 * 1024) state.SkipWithError("id table holds 100 MB or more");
}
BENCHMARK(BM_IdTableMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
