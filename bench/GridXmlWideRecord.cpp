// Loading one XML record of 100,000 attributes into the string grid, against reading the same attributes in plain C++.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string WideRecordFile(int attributes)
{
    const auto dir = std::filesystem::temp_directory_path() / "tolvek_bench_xml_wide";
    std::filesystem::create_directories(dir);
    const std::string file = (dir / ("attributes" + std::to_string(attributes) + ".xml")).string();
    std::ofstream out(file, std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<list>\r\n<rec";
    for (int i = 0; i < attributes; ++i) out << " a" << i << "=\"v" << i << "\"";
    out << "/>\r\n</list>\r\n";
    return file;
}

// The floor: the file read, its attributes split into names and values, each name checked
// against the ones before it through a set, and the values kept as the cells of one row.
std::size_t PlainAttributeRead(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::pair<std::string, std::string>> attributes;
    std::unordered_set<std::string> names;
    std::size_t pos = text.find("<rec") + 4;
    const std::size_t end = text.find("/>", pos);
    while (true) {
        const std::size_t eq = text.find('=', pos);
        if (eq == std::string::npos || eq > end) break;
        std::size_t nameStart = text.find_first_not_of(' ', pos);
        std::string name = text.substr(nameStart, eq - nameStart);
        const std::size_t close = text.find('"', eq + 2);
        std::string value = text.substr(eq + 2, close - eq - 2);
        if (!names.insert(name).second) break;
        attributes.emplace_back(std::move(name), std::move(value));
        pos = close + 1;
    }
    std::vector<std::string> cells;
    cells.reserve(attributes.size());
    for (auto& [name, value] : attributes) cells.push_back(std::move(value));
    return cells.size();
}

void BM_LoadFromXML_WideRecord(benchmark::State& state)
{
    static ui::TApplication* app = [] {
        auto* a = new ui::TApplication();
        a->SetBackend(std::make_unique<ui::THeadlessBackend>());
        return a;
    }();
    benchmark::DoNotOptimize(app);
    const int attributes = static_cast<int>(state.range(0));
    const std::string file = WideRecordFile(attributes);
    double gridSeconds = 0;
    double floorSeconds = 0;
    for (auto _ : state) {
        auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
        const auto t0 = Clock::now();
        g->LoadFromXML(file);
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(PlainAttributeRead(file));
        const auto t2 = Clock::now();
        if (g->ColCount() < attributes) state.SkipWithError("the record did not load whole");
        gridSeconds += std::chrono::duration<double>(t1 - t0).count();
        floorSeconds += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["floor_ms"] = floorSeconds / n * 1000.0;
    state.counters["ratio"] = floorSeconds > 0 ? gridSeconds / floorSeconds : 0.0;
    state.SetItemsProcessed(state.iterations() * attributes);
}

}  // namespace

BENCHMARK(BM_LoadFromXML_WideRecord)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
