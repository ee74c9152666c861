// Sorting the string grid: a million rows of three columns by a numeric and by a text column, and undoing the sort.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsSort.h"

namespace {

// Fills column 0 with row numbers, column 1 with numbers and column 2 with words, in a
// shuffled order that is the same for every run.
std::unique_ptr<grid::TExtStringGrid> MakeGrid(int rows)
{
    auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
    g->SetColCount(3);
    g->SetRowCount(rows + 1);
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> number(0, 5000000);
    static const char* const syllables[] = {"ka", "lo", "mi", "ne", "so", "tu", "va", "ze"};
    for (int r = 1; r <= rows; ++r) {
        g->SetGridCell(0, r, std::to_string(r));
        g->SetGridCell(1, r, std::to_string(number(rng)) + "." + std::to_string(r % 100));
        std::string word;
        for (int i = 0; i < 4; ++i) word += syllables[rng() % 8];
        g->SetGridCell(2, r, word);
    }
    return g;
}

void SortByColumn(benchmark::State& state, int column)
{
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto g = MakeGrid(rows);
        state.ResumeTiming();
        g->Sort(column, grid::sdAscending);
        benchmark::DoNotOptimize(g->Swaps());
        state.PauseTiming();
        g.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

void BM_SortNumericColumn(benchmark::State& state) { SortByColumn(state, 1); }
void BM_SortTextColumn(benchmark::State& state) { SortByColumn(state, 2); }

void BM_SortThenUnSort(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto g = MakeGrid(rows);
        g->Sort(2, grid::sdAscending);
        state.ResumeTiming();
        g->QUnSort();
        state.PauseTiming();
        g.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

}  // namespace

BENCHMARK(BM_SortNumericColumn)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SortTextColumn)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SortThenUnSort)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
