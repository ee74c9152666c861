// Benchmarks of the map drawing, "4M soil selected" and "select 1ha cells", each beside its plain C++ floor on the same data and the ratio.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/CropModelSoil.h"
#include "app/MapDrawing.h"
#include "app/YieldStatistics.h"
#include "platform/gfx/Bitmap.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

fs::path BenchRoot(const char* name)
{
    const fs::path dir = fs::temp_directory_path() / (std::string("tolvek-bench-") + name + "-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir;
}

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void ReportAgainstFloor(benchmark::State& state, double toolSeconds, double floorSeconds)
{
    state.counters["tool_s"] = toolSeconds;
    state.counters["floor_s"] = floorSeconds;
    state.counters["ratio"] = toolSeconds / floorSeconds;
}

// Reads every line of `from` with fgets.
void ReadLines(const fs::path& from)
{
    FILE* in = std::fopen(from.c_str(), "rb");
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, in) != nullptr) benchmark::DoNotOptimize(buffer[0]);
    std::fclose(in);
}

// DRAW of the 1104 cells on the 1000 × 650 picture (goal: under 20 ms); the
// floor fills the same rectangles into a plain pixel array.
void BM_MapDraw(benchmark::State& state)
{
    app::TCellPositions positions{};
    app::TCellClasses classes{};
    for (int cell = 1; cell <= app::MapCellCount; ++cell) {
        positions[static_cast<std::size_t>(cell)] = {20 + ((cell - 1) % 60) * 16, ((cell - 1) / 60) * 22};
        classes[static_cast<std::size_t>(cell)] = 1 + cell % 10;
    }
    gfx::TBitmap picture(app::MapWidth, app::MapHeight);
    std::vector<std::uint32_t> plain(static_cast<std::size_t>(app::MapWidth) * app::MapHeight);
    double tool = 0, floor = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        app::DrawCellMap(picture, positions, classes);
        tool = Seconds(start);
        start = Clock::now();
        std::fill(plain.begin(), plain.end(), 0xF0F0F0u);
        for (int cell = 1; cell <= app::MapCellCount; ++cell) {
            const app::TMapPoint p = positions[static_cast<std::size_t>(cell)];
            for (int y = p.Y; y < p.Y + app::MapCellHeight; ++y)
                for (int x = p.X; x < p.X + app::MapCellWidth; ++x) {
                    const bool edge = x == p.X || y == p.Y || x == p.X + app::MapCellWidth - 1 || y == p.Y + app::MapCellHeight - 1;
                    plain[static_cast<std::size_t>(y) * app::MapWidth + static_cast<std::size_t>(x)] =
                        edge ? 0x808080u : static_cast<std::uint32_t>(classes[static_cast<std::size_t>(cell)]);
                }
        }
        benchmark::DoNotOptimize(plain.data());
        floor = Seconds(start);
    }
    ReportAgainstFloor(state, tool, floor);
    state.counters["goal_s"] = 0.020;
}
BENCHMARK(BM_MapDraw)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// "4M soil selected" over 2,000,000 soil and grid rows with 100,000 selected;
// the floor reads both tables and the selection once and writes the same
// bytes (the files the tool wrote, copied) with plain stdio.
void BM_CropSoilSelected(benchmark::State& state)
{
    const fs::path root = BenchRoot("soilselected");
    constexpr int Rows = 2000000;
    constexpr int Every = Rows / 100000;
    {
        FILE* soil = std::fopen((root / "soil.csv").c_str(), "wb");
        FILE* grid = std::fopen((root / "grid.csv").c_str(), "wb");
        FILE* selection = std::fopen((root / "selection.csv").c_str(), "wb");
        std::fputs("header\r\n", soil);
        std::fputs("header\r\n", grid);
        std::fputs("ID;amount_kgN/ha\r\n", selection);
        for (int id = 1; id <= Rows; ++id) {
            std::fprintf(soil, "%d;150;1.45;2.1;0.5;7.2;40;40;20;45.1;30.2;12.3;1.5;1.8;0.4;7.3;38;42;20;44;31;13;1.55;1.2;0.3;7.4;"
                               "35;45;20;43;32;14;1.6;0.8;0.2;7.5;30;50;20;42;33;15\r\n", id);
            std::fprintf(grid, "%d;1;2;47.%04d;19.%04d;%d\r\n", id, id % 10000, id % 9999, 100 + id % 300);
            if (id % Every == 0) std::fprintf(selection, "%d;12.3\r\n", id);
        }
        std::fclose(soil);
        std::fclose(grid);
        std::fclose(selection);
    }
    app::TCropSoilSelectedOptions options;
    options.Selection = (root / "selection.csv").string();
    options.Writer.SoilTable = (root / "soil.csv").string();
    options.Writer.GridTable1 = (root / "grid.csv").string();
    options.Writer.OutputFolder = (root / "out").string();
    double tool = 0, floor = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        app::MakeCropSoilFilesSelected100m(options);
        tool = Seconds(start);
        start = Clock::now();
        ReadLines(root / "selection.csv");
        ReadLines(root / "soil.csv");
        ReadLines(root / "grid.csv");
        fs::create_directories(root / "floor");
        std::vector<char> bytes(4096);
        for (int id = Every; id <= Rows; id += Every) {
            const std::string name = std::to_string(id) + ".soi";
            FILE* in = std::fopen((root / "out" / name).c_str(), "rb");
            const std::size_t n = std::fread(bytes.data(), 1, bytes.size(), in);
            std::fclose(in);
            FILE* out = std::fopen((root / "floor" / name).c_str(), "wb");
            std::fwrite(bytes.data(), 1, n, out);
            std::fclose(out);
        }
        floor = Seconds(start);
    }
    ReportAgainstFloor(state, tool, floor);
    fs::remove_all(root);
}
BENCHMARK(BM_CropSoilSelected)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// "select 1ha cells" over 5,000,000 rows of six crops and two years; the
// floor reads the input once and writes the six tables' bytes with stdio.
void BM_FertiliserTables(benchmark::State& state)
{
    const fs::path root = BenchRoot("fertiliser");
    const fs::path statistics = root / "drives" / "e" / "TolvekCloud" / "PRODUCTS" / "ALAPADAT" / "STATISTICS";
    fs::create_directories(statistics);
    fs::create_directories(root / "drives" / "e" / "4M100m");
    static const char* const crops[] = {"kukorica", "buza", "arpa", "napraforgo", "repce", "ret es legelo"};
    constexpr int Rows = 5000000;
    {
        FILE* in = std::fopen((statistics / "100m-es_racshoz_mutragya.txt").c_str(), "wb");
        std::fputs("YEAR;ID;CROP;N\r\n", in);
        for (int k = 0; k < Rows; ++k)
            std::fprintf(in, "%d;%d;%s;%d.%03d\r\n", k % 7 == 0 ? 2015 : 2016, 1 + (k * 2) % app::Max100mId, crops[k % 6],
                         100 + k % 50, k % 1000);
        std::fclose(in);
    }
    app::TWeatherToolOptions places;
    places.Root = root.string() + "/";
    double tool = 0, floor = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        app::WriteFertiliserTables(places, {});
        tool = Seconds(start);
        start = Clock::now();
        ReadLines(statistics / "100m-es_racshoz_mutragya.txt");
        for (const char* crop : crops) {
            const fs::path written = root / "drives" / "e" / "4M100m" / (std::string(crop) + "_fertilization_2016.csv");
            FILE* in = std::fopen(written.c_str(), "rb");
            FILE* out = std::fopen((root / (std::string(crop) + ".floor")).c_str(), "wb");
            char buffer[1 << 16];
            std::size_t n;
            while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) std::fwrite(buffer, 1, n, out);
            std::fclose(in);
            std::fclose(out);
        }
        floor = Seconds(start);
    }
    ReportAgainstFloor(state, tool, floor);
    fs::remove_all(root);
}
BENCHMARK(BM_FertiliserTables)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

