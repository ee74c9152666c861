// Saving the string grid as XML and loading it back, 100,000 and 1,000,000 rows of ten columns; loading should grow linearly with the rows.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/FilledGrid.h"
#include "bench/support/Floor.h"
#include "grid/core/ExtGrid.h"

namespace {

std::string XmlFile(int rows)
{
    const auto dir = std::filesystem::temp_directory_path() / "tolvek_bench_xml";
    std::filesystem::create_directories(dir);
    return (dir / ("rows" + std::to_string(rows) + ".xml")).string();
}

// The floor of a load: the file read with stdio and the text between every '>' and the next
// '<' kept as one string.
double PlainLoad(const std::string& file)
{
    std::vector<std::string> texts;
    const double seconds = benchfloor::Seconds([&] {
        std::FILE* f = std::fopen(file.c_str(), "rb");
        std::string data;
        char buffer[1 << 16];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) data.append(buffer, n);
        std::fclose(f);
        std::size_t pos = 0;
        while ((pos = data.find('>', pos)) != std::string::npos) {
            const std::size_t end = data.find('<', pos + 1);
            if (end == std::string::npos) break;
            if (end > pos + 1) texts.emplace_back(data, pos + 1, end - pos - 1);
            pos = end;
        }
    });
    benchmark::DoNotOptimize(texts.data());
    return seconds;
}

void BM_SaveToXML(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    auto g = benchgrid::FilledGrid(rows);
    const std::string file = XmlFile(rows);
    for (auto _ : state) {
        g->SaveToXML(file, "list", "rec", nullptr, true);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

void BM_LoadFromXML(benchmark::State& state)
{
    static std::map<int, double> perRowAt;
    const int rows = static_cast<int>(state.range(0));
    const std::string file = XmlFile(rows);
    benchgrid::FilledGrid(rows)->SaveToXML(file, "list", "rec", nullptr, true);
    benchfloor::TPair pair;
    for (auto _ : state) {
        pair = benchfloor::Interleaved(
            3,
            [&] {
                auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
                const double s = benchfloor::Seconds([&] { g->LoadFromXML(file); });
                benchmark::DoNotOptimize(g->RowCount());
                return s;
            },
            [&] { return PlainLoad(file); });
    }
    perRowAt[rows] = pair.Work / rows;
    benchfloor::Report(state, pair, "linear: time per row at 1,000,000 within 1.5x of at 100,000");
    state.counters["us_per_row"] = pair.Work / rows * 1e6;
    if (perRowAt.count(100000) != 0) state.counters["growth_vs_100k"] = perRowAt[rows] / perRowAt[100000];
}

}  // namespace

BENCHMARK(BM_SaveToXML)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LoadFromXML)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
