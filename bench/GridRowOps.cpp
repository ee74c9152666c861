// Inserting and removing rows in the middle of a million-row string grid, with and without cell property objects.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"

namespace {

constexpr int Columns = 5;
constexpr int Rows = 1000000;

std::unique_ptr<grid::TExtStringGrid> MakeGrid(bool withProperties)
{
    auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
    g->SetColCount(Columns);
    g->SetRowCount(Rows);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c) g->SetCells(c, r, std::to_string(r * Columns + c));
    if (withProperties)
        for (int r = 0; r < Rows; r += 100) g->CellProperties(1, r);
    return g;
}

// One iteration inserts RCount rows at the middle and removes them again.
void BM_InsertRemoveMiddle(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    auto g = MakeGrid(state.range(1) != 0);
    for (auto _ : state) {
        g->InsertRows(Rows / 2, count);
        g->RemoveRows(Rows / 2, count);
    }
    state.SetItemsProcessed(state.iterations() * count * 2);
}
BENCHMARK(BM_InsertRemoveMiddle)->Args({1, 0})->Args({100, 0})->Args({1, 1})->Unit(benchmark::kMicrosecond);

// Removing every tenth row of the lower half through one row list.
void BM_RemoveRowListEveryTenth(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto g = MakeGrid(false);
        grid::TIntList list(-1, -1);
        for (int r = Rows / 2; r < Rows; r += 10) list.Add(r);
        state.ResumeTiming();
        g->RemoveRowList(list);
        benchmark::DoNotOptimize(g->RowCount());
        state.PauseTiming();
        g.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RemoveRowListEveryTenth)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
