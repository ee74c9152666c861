// Benchmark of "4M": the crop-model soil files of the 1104 cells of the 10 km grid, from a generated soil grid.
#include "app/CropModelSoil.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

fs::path BenchFolder(const char* name)
{
    return fs::temp_directory_path() / ("tolvek-bench-4m-" + std::to_string(::getpid()) + "-" + name);
}

// A 10 km soil grid of 1104 rows: ids, site, depth and four horizons of ten
// columns each, values varying by cell as real tables do.
fs::path WriteSoilGrid(const fs::path& dir)
{
    fs::create_directories(dir);
    const fs::path file = dir / "10km_SOIL_GRID.csv";
    std::ofstream out(file, std::ios::binary);
    out << "id10km;id100m;id1km;lat;long;elev;landuse;nuts3;soildepth";
    for (int c = 10; c <= 49; ++c) out << ";c" << c;
    out << "\r\n";
    for (int cell = 1; cell <= 1104; ++cell) {
        out << cell << ';' << 26410 + cell * 7 << ';' << 2641 + cell << ";4" << 5 + cell % 4 << '.' << cell % 10
            << ";1" << 6 + cell % 7 << '.' << cell % 9 << ';' << 80 + cell % 900 << ";1;HU231;" << 30 + cell % 271;
        for (int h = 0; h < 4; ++h) {
            out << ';' << 1300 + (cell + h) % 300 << ';' << h << '.' << cell % 10 << ";0.1;6.8;"
                << 20 + (cell + h) % 60 << ";30;" << 5 + (cell + 3 * h) % 40 << ';' << 40 + cell % 10 << ".5;"
                << 25 + h << '.' << cell % 10 << ';' << 10 + h << ".2";
        }
        out << "\r\n";
    }
    return file;
}

void BM_CropSoilFiles10km_Overwrite(benchmark::State& state)
{
    const fs::path dir = BenchFolder("overwrite");
    app::TCropSoil10kmOptions options;
    options.SoilGrid = WriteSoilGrid(dir).string();
    options.OutputFolder = (dir / "soil").string();
    app::MakeCropSoilFiles10km(options);  // the files of the previous run are there
    int files = 0;
    for (auto _ : state) files = app::MakeCropSoilFiles10km(options);
    state.counters["files"] = files;
    state.SetItemsProcessed(state.iterations() * files);
    fs::remove_all(dir);
}

// Into a fresh, empty folder each time (the first run).
void BM_CropSoilFiles10km_FreshFolder(benchmark::State& state)
{
    const fs::path dir = BenchFolder("fresh");
    app::TCropSoil10kmOptions options;
    options.SoilGrid = WriteSoilGrid(dir).string();
    options.OutputFolder = (dir / "soil").string();
    int files = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(dir / "soil");
        state.ResumeTiming();
        files = app::MakeCropSoilFiles10km(options);
    }
    state.counters["files"] = files;
    state.SetItemsProcessed(state.iterations() * files);
    fs::remove_all(dir);
}

BENCHMARK(BM_CropSoilFiles10km_Overwrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CropSoilFiles10km_FreshFolder)->Unit(benchmark::kMillisecond);

}  // namespace
