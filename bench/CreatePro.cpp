// Benchmark of "Create PRO" over a fertilisation table of 1,000,000 rows and a grid table of 1,000,000 cells.
#include "app/CropModelFertilisation.h"
#include "app/CropModelProject.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int Rows = 1000000;

// The maize table holds 1,000,000 fields (every other 100 m id, so half of
// them are not in the grid table and take the unknown code); the other crops'
// tables hold a header line only. The grid table lists ids 1 … 1,000,000.
void WriteInputs(const fs::path& dir)
{
    fs::create_directories(dir / "in");
    for (const char* crop : app::CropNames2016) {
        std::ofstream table(dir / "in" / (std::string(crop) + "_fertilization_2016.csv"), std::ios::binary);
        table << "id100m;N\r\n";
        if (std::string(crop) != "kukorica") continue;
        for (int i = 1; i <= Rows; ++i) table << 2 * i - 1 << ';' << 100 + i % 80 << "\r\n";
    }
    std::ofstream grid(dir / "grid1.csv", std::ios::binary);
    grid << "id100m;id1km;id10km;lat;long;elev;landuse\r\n";
    for (int id = 1; id <= Rows; ++id)
        grid << id << ';' << id / 100 << ';' << 1 + id % 1104 << ";46.1234;18.5678;" << 100 + id % 700 << ";1\r\n";
}

void BM_CreateProjectFiles_MillionRows(benchmark::State& state)
{
    const fs::path dir = fs::temp_directory_path() / ("tolvek-bench-pro-" + std::to_string(::getpid()));
    WriteInputs(dir);
    app::TCreateProOptions options;
    options.FertilisationFolder = (dir / "in").string();
    options.GridTable1 = (dir / "grid1.csv").string();
    options.OutputFolder = (dir / "project").string();
    std::int64_t tasks = 0;
    for (auto _ : state) tasks = app::CreateProjectFiles(options);
    state.counters["task lines"] = static_cast<double>(tasks);
    state.SetItemsProcessed(state.iterations() * tasks);
    fs::remove_all(dir);
}

BENCHMARK(BM_CreateProjectFiles_MillionRows)->Unit(benchmark::kMillisecond);

}  // namespace
