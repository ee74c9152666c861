// Benchmark of "MAKE 10km GRID INIs" (1104 files) against writing the same bytes with plain stdio and rename.
#include "app/GlobalTables.h"
#include "app/IniMaker10km.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

fs::path BenchFolder(const char* name)
{
    return fs::temp_directory_path() /
           ("tolvek-bench-ini10km-" + std::to_string(::getpid()) + "-" + name);
}

// The bytes of the 1104 files as the action writes them with the page's
// defaults, read back once: the stdio floor writes exactly these.
const std::vector<std::string>& ReferenceFiles()
{
    static const std::vector<std::string> files = [] {
        const fs::path folder = BenchFolder("reference");
        app::FillGlobalTables();
        app::MakeGridInis10km(app::DefaultIniMaker10kmOptions(), app::BaseTable10km, folder.string());
        std::vector<std::string> bytes;
        for (int n = 1; n <= app::CellCount10km; ++n) {
            std::ifstream in(folder / (std::to_string(n) + ".ini"), std::ios::binary);
            std::ostringstream out;
            out << in.rdbuf();
            bytes.push_back(out.str());
        }
        fs::remove_all(folder);
        return bytes;
    }();
    return files;
}

// The floor writes the same bytes the same way as the action: each file to a
// hidden temporary file in the same folder, closed, then renamed over the
// old file, so an earlier file is never lost.
void WriteWithStdio(const fs::path& folder, const std::vector<std::string>& files)
{
    fs::create_directories(folder);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string base = std::to_string(i + 1) + ".ini";
        const std::string name = (folder / base).string();
        const std::string temp = (folder / ("." + base + "." + std::to_string(::getpid()) + ".tmp")).string();
        std::FILE* f = std::fopen(temp.c_str(), "wbx");
        if (!f) std::abort();
        if (std::fwrite(files[i].data(), 1, files[i].size(), f) != files[i].size()) std::abort();
        if (std::fclose(f) != 0) std::abort();
        if (std::rename(temp.c_str(), name.c_str()) != 0) std::abort();
    }
}

void SetCounters(benchmark::State& state)
{
    std::size_t bytes = 0;
    for (const std::string& f : ReferenceFiles()) bytes += f.size();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["files"] = static_cast<double>(ReferenceFiles().size());
}

// The whole action, overwriting the files of the previous run (the usual case).
void BM_MakeGridInis10km_Overwrite(benchmark::State& state)
{
    ReferenceFiles();
    const app::TIniMaker10kmOptions options = app::DefaultIniMaker10kmOptions();
    const fs::path folder = BenchFolder("action");
    for (auto _ : state)
        benchmark::DoNotOptimize(app::MakeGridInis10km(options, app::BaseTable10km, folder.string()));
    fs::remove_all(folder);
    SetCounters(state);
}

void BM_StdioFloor_Overwrite(benchmark::State& state)
{
    const auto& files = ReferenceFiles();
    const fs::path folder = BenchFolder("stdio");
    for (auto _ : state) WriteWithStdio(folder, files);
    fs::remove_all(folder);
    SetCounters(state);
}

// Both again into a fresh, empty folder each time (the first run).
void BM_MakeGridInis10km_FreshFolder(benchmark::State& state)
{
    ReferenceFiles();
    const app::TIniMaker10kmOptions options = app::DefaultIniMaker10kmOptions();
    const fs::path folder = BenchFolder("action-fresh");
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(folder);
        state.ResumeTiming();
        benchmark::DoNotOptimize(app::MakeGridInis10km(options, app::BaseTable10km, folder.string()));
    }
    fs::remove_all(folder);
    SetCounters(state);
}

void BM_StdioFloor_FreshFolder(benchmark::State& state)
{
    const auto& files = ReferenceFiles();
    const fs::path folder = BenchFolder("stdio-fresh");
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(folder);
        state.ResumeTiming();
        WriteWithStdio(folder, files);
    }
    fs::remove_all(folder);
    SetCounters(state);
}

BENCHMARK(BM_MakeGridInis10km_Overwrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdioFloor_Overwrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeGridInis10km_FreshFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdioFloor_FreshFolder)->Unit(benchmark::kMillisecond);

}  // namespace
