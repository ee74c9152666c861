// Reading and writing a 100 MB text file through TTextFile against plain stdio on the same bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/rtl/CodePage.h"
#include "platform/rtl/TextFile.h"

namespace {

constexpr long long kTargetBytes = 100LL * 1024 * 1024;

// A cycle of table lines like the workbench's soil and weather tables, some
// with Hungarian letters, in UTF-8 (for the runtime layer) and in the code
// page with CR LF (the bytes on disk, for stdio).
struct Corpus {
    std::vector<std::string> utf8;
    std::vector<std::string> onDisk;
    long long lineCount = 0;
    std::string readFile;
    std::string writeFile;

    Corpus()
    {
        const char* crops[] = {"őszi búza", "kukorica", "napraforgó", "árpa", "lucerna", "cukorrépa"};
        for (int i = 0; i < 997; ++i) {
            std::string line = std::to_string(100000 + i * 37) + ";" + crops[i % 6] + ";" +
                               std::to_string(i % 90) + "." + std::to_string(i % 10) + ";12.5;" +
                               std::to_string(i * 3 % 1000) + ";°C;47.512;19.043;loam;" +
                               std::to_string(i % 7);
            utf8.push_back(line);
            onDisk.push_back(rtl::Utf8ToWin1250(line) + "\r\n");
        }
        const std::string dir = std::filesystem::temp_directory_path().string();
        readFile = dir + "/tolvek-bench-read-" + std::to_string(::getpid()) + ".txt";
        writeFile = dir + "/tolvek-bench-write-" + std::to_string(::getpid()) + ".txt";
        FILE* f = std::fopen(readFile.c_str(), "wb");
        long long bytes = 0;
        while (bytes < kTargetBytes) {
            const std::string& line = onDisk[lineCount % onDisk.size()];
            std::fwrite(line.data(), 1, line.size(), f);
            bytes += static_cast<long long>(line.size());
            ++lineCount;
        }
        std::fclose(f);
    }
    ~Corpus()
    {
        std::remove(readFile.c_str());
        std::remove(writeFile.c_str());
    }
    long long FileBytes() const { return static_cast<long long>(std::filesystem::file_size(readFile)); }
};

Corpus& TheCorpus()
{
    static Corpus corpus;
    return corpus;
}

void BM_ReadStdio(benchmark::State& state)
{
    Corpus& c = TheCorpus();
    char buffer[4096];
    for (auto _ : state) {
        FILE* f = std::fopen(c.readFile.c_str(), "rb");
        long long lines = 0;
        while (std::fgets(buffer, sizeof buffer, f) != nullptr)
            ++lines;
        std::fclose(f);
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * c.FileBytes());
}

void BM_ReadTextFile(benchmark::State& state)
{
    Corpus& c = TheCorpus();
    std::string line;
    for (auto _ : state) {
        rtl::TTextFile f(c.readFile);
        f.Reset();
        long long lines = 0;
        do {
            f.ReadLn(line);
            ++lines;
        } while (!f.Eof());
        f.Close();
        if (lines != c.lineCount)
            state.SkipWithError("wrong line count");
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * c.FileBytes());
}

void BM_WriteStdio(benchmark::State& state)
{
    Corpus& c = TheCorpus();
    for (auto _ : state) {
        FILE* f = std::fopen(c.writeFile.c_str(), "wb");
        for (long long i = 0; i < c.lineCount; ++i)
            std::fputs(c.onDisk[i % c.onDisk.size()].c_str(), f);
        std::fclose(f);
    }
    state.SetBytesProcessed(state.iterations() * c.FileBytes());
}

void BM_WriteTextFile(benchmark::State& state)
{
    Corpus& c = TheCorpus();
    for (auto _ : state) {
        rtl::TTextFile f(c.writeFile);
        f.Rewrite();
        for (long long i = 0; i < c.lineCount; ++i)
            f.WriteLn(c.utf8[i % c.utf8.size()]);
        f.Close();
    }
    if (std::filesystem::file_size(c.writeFile) != static_cast<std::uintmax_t>(c.FileBytes()))
        state.SkipWithError("written file differs in size");
    state.SetBytesProcessed(state.iterations() * c.FileBytes());
}

}  // namespace

BENCHMARK(BM_ReadStdio)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ReadTextFile)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WriteStdio)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WriteTextFile)->Unit(benchmark::kMillisecond)->Iterations(5);
