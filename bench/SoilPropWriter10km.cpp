// Benchmark of the whole "MAKE 10km GRID SOIs" action: reading the parameter-set file and writing 1104 soil files.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "app/GlobalTables.h"
#include "app/SoilParamBlocks.h"
#include "app/SoilPropWriter10km.h"

namespace {

namespace fs = std::filesystem;

// A parameter-set file of the whole grid with two hydraulic and two chemical
// sets, values varying by cell as real tables do, and a selector file.
void WriteInputTables(const fs::path& dir) {
    const int cells = app::SoilPropCellCount10km;
    std::ofstream data(dir / app::SoiMakerDataFileName, std::ios::binary);
    data << "id10km;id100m;lat;long;elev;...\r\n;;deg;deg;m;...\r\n";
    for (int cell = 1; cell <= cells; ++cell) {
        data << cell << ';' << 26410 + cell << ";45.8;17.9;" << 80 + cell % 900 << ";1;HU231;11.00;10.31;5;2;"
             << 30 + cell % 271;
        for (int k = 0; k < 4; ++k) data << ';' << "1." << 300 + (cell + k) % 300;
        for (int k = 0; k < 8; ++k) data << ";0.5";
        for (int k = 0; k < 4; ++k) data << ';' << 5 + (cell + k) % 3 << '.' << cell % 10;
        for (int k = 0; k < 4; ++k) data << ";30";
        for (int k = 0; k < 4; ++k) data << ';' << 20 + (cell + 3 * k) % 50 << ".5";
        for (int k = 0; k < 4; ++k) data << ';' << 5 + (cell + 7 * k) % 40;
        data << "\r\n";
    }
    for (const char* set : {"B", "A"}) {
        data << "HYDR_" << set << "\r\nid;x;sat1;sat2;sat3;sat4;fc1;fc2;fc3;fc4;wp1;wp2;wp3;wp4\r\n";
        for (int cell = 1; cell <= cells; ++cell) {
            data << cell << ';' << set;
            for (int k = 0; k < 4; ++k) data << ";0.4" << (cell + k) % 90 + 10;
            for (int k = 0; k < 4; ++k) data << ";0.3" << (cell + k) % 90 + 10;
            for (int k = 0; k < 4; ++k) data << ";0.1" << (cell + k) % 90 + 10;
            data << "\r\n";
        }
    }
    for (const char* set : {"B", "A"}) {
        data << "CHEM_" << set << "\r\n";
        for (int row = 1; row <= app::ChemicalRowCount; ++row) {
            for (int column = 1; column <= 6; ++column) data << (column > 1 ? ";" : "") << "0." << row * 7 + column;
            data << "\r\n";
        }
    }
    std::ofstream selector(dir / app::ChemicalSelectorFileName, std::ios::binary);
    for (int cell = 1; cell <= cells; ++cell) selector << cell << ';' << 1 + cell % 6 << "\r\n";
}

void BM_MakeSoilPropFiles10km(benchmark::State& state) {
    const fs::path dir = fs::temp_directory_path() / ("tolvek-bench-soi-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path previous = fs::current_path();
    fs::current_path(dir);
    WriteInputTables(dir);
    app::FillGlobalTables();

    app::TSoilPropOptions options;
    options.HydraulicSet = "A";
    options.ChemicalSet = "A";
    options.UseChemicalSelector = state.range(0) != 0;
    std::string last;
    for (auto _ : state) {
        app::MakeSoilPropFiles10km(options, [&](const std::string& text) { last = text; });
    }
    state.SetItemsProcessed(state.iterations() * app::SoilPropCellCount10km);
    state.SetLabel(last);

    fs::current_path(previous);
    fs::remove_all(dir);
}
BENCHMARK(BM_MakeSoilPropFiles10km)->Arg(0)->Arg(1)->ArgName("selector")->Unit(benchmark::kMillisecond);

}  // namespace
