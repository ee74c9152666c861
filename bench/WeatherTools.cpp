// Benchmarks of the weather tools on generated cell files, each beside its plain stdio floor on the same data and the ratio.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "app/WeatherConverters.h"
#include "app/WeatherTables.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int Cells = 1104;
constexpr int JoinYears = 60;
constexpr int TableYears = 5;

fs::path BenchRoot()
{
    const fs::path dir = fs::temp_directory_path() / ("tolvek-bench-weather-" + std::to_string(::getpid()));
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

void WriteDayLine(FILE* out, int year, int day, int salt)
{
    std::fprintf(out, "%6d%6d%8.1f%8.1f%8.1f%8.2f%9.2f%9.1f%8d\r\n", year, day, 10.0 + (day + salt) % 20,
                 -2.0 + (day * 7 + salt) % 10, 5.0 + day % 9, (day % 13) / 10.0, 400.0 + day % 300,
                 100.0 + (day * 3) % 200, 28000 + day * 10);
}

void WriteHeader(FILE* out, const char* first)
{
    std::fprintf(out, "%s\r\nheader 2\r\nheader 3\r\nheader 4\r\n", first);
}

// Reads every line of `from` with fgets and writes it to `to` (when given).
void CopyLines(const fs::path& from, FILE* to)
{
    FILE* in = std::fopen(from.c_str(), "rb");
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, in) != nullptr)
        if (to != nullptr) std::fputs(buffer, to);
    std::fclose(in);
}

// 1104 cells of 60 years: FORESEE files from the last day of 1960 and
// CARPATCLIM files with every calendar day.
void BM_JoinForeseeCarpatclim(benchmark::State& state)
{
    const fs::path root = BenchRoot();
    const fs::path grid = root / "drives" / "e" / "Tolvek WEATHER GRID";
    fs::create_directories(grid / "FORESEE" / "wth");
    fs::create_directories(grid / "CARPATCLIM" / "wth");
    for (int cell = 1; cell <= Cells; ++cell) {
        FILE* foresee = std::fopen((grid / "FORESEE" / "wth" / (std::to_string(cell) + ".wth")).c_str(), "wb");
        WriteHeader(foresee, "ALADIN");
        WriteDayLine(foresee, 1960, 365, cell);
        FILE* carpatclim = std::fopen((grid / "CARPATCLIM" / (std::to_string(cell) + ".wth")).c_str(), "wb");
        WriteHeader(carpatclim, "CARPATCLIM");
        for (int year = 1961; year < 1961 + JoinYears; ++year) {
            const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
            for (int day = 1; day <= 365; ++day) WriteDayLine(foresee, year, day, cell);
            for (int day = 1; day <= (leap ? 366 : 365); ++day)
                std::fprintf(carpatclim, "%d.%s %d %.1f %.1f 0.0 %.2f 0.0 %.1f\r\n", year,
                             leap && day == 60 ? "02.29" : "01.01", day, 10.0 + day % 20, -2.0 + day % 10,
                             (day % 13) / 10.0, 100.0 + day % 200);
        }
        std::fclose(foresee);
        std::fclose(carpatclim);
    }
    app::TWeatherToolOptions options;
    options.Root = root.string() + "/";
    double tool = 0;
    double floor = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        app::JoinForeseeCarpatclim(options, {});
        tool = Seconds(start);
        start = Clock::now();
        for (int cell = 1; cell <= Cells; ++cell) {
            FILE* out = std::fopen((grid / "CARPATCLIM" / "wth" / ("floor" + std::to_string(cell) + ".wth")).c_str(), "wb");
            CopyLines(grid / "CARPATCLIM" / (std::to_string(cell) + ".wth"), nullptr);
            CopyLines(grid / "FORESEE" / "wth" / (std::to_string(cell) + ".wth"), out);
            std::fclose(out);
        }
        floor = Seconds(start);
    }
    ReportAgainstFloor(state, tool, floor);
    fs::remove_all(root);
}
BENCHMARK(BM_JoinForeseeCarpatclim)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// 18 series × 1104 cells of 5 projected years each into one table; the floor
// reads every file and writes its lines into one file.
void BM_JoinedWeatherTable(benchmark::State& state)
{
    const fs::path root = BenchRoot();
    const fs::path db = root / "drives" / "e" / "WEATHER_DB";
    for (int series = 1; series <= app::WeatherSeriesCount; ++series) {
        fs::create_directories(db / app::WeatherSeries[series - 1].Folder);
        for (int cell = 1; cell <= Cells; ++cell) {
            std::string name = app::WeatherSeriesFile(series, cell).substr(std::string("e:\\WEATHER_DB\\").size());
            for (char& c : name)
                if (c == '\\') c = '/';
            FILE* out = std::fopen((db / name).c_str(), "wb");
            WriteHeader(out, "series");
            for (int year = 2020; year < 2020 + TableYears; ++year)
                for (int day = 1; day <= 365; ++day) WriteDayLine(out, year, day, cell);
            std::fclose(out);
        }
    }
    app::TWeatherToolOptions options;
    options.Root = root.string() + "/";
    double tool = 0;
    double floor = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        app::WriteJoinedWeatherTable(options, {});
        tool = Seconds(start);
        start = Clock::now();
        FILE* out = std::fopen((db / "floor.csv").c_str(), "wb");
        for (int series = 1; series <= app::WeatherSeriesCount; ++series) {
            for (int cell = 1; cell <= Cells; ++cell) {
                std::string name = app::WeatherSeriesFile(series, cell).substr(std::string("e:\\WEATHER_DB\\").size());
                for (char& c : name)
                    if (c == '\\') c = '/';
                CopyLines(db / name, out);
            }
        }
        std::fclose(out);
        floor = Seconds(start);
    }
    ReportAgainstFloor(state, tool, floor);
    fs::remove_all(root);
}
BENCHMARK(BM_JoinedWeatherTable)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace
