// Hiding rows of the string grid: a filter level over half of a large grid and undoing it, contracting and expanding a node.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"

namespace {

std::unique_ptr<grid::TExtStringGrid> MakeGrid(int rows)
{
    auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
    g->SetColCount(3);
    g->SetRowCount(rows + 1);
    for (int r = 1; r <= rows; ++r) {
        g->SetGridCell(0, r, std::to_string(r));
        g->SetGridCell(1, r, std::to_string(r % 977));
        g->SetGridCell(2, r, "w" + std::to_string(r % 31));
    }
    return g;
}

// Every second row goes into one filter level, then the level is undone.
void BM_FilterLevelHideAndShow(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto g = MakeGrid(rows);
        grid::TIntList list(-1, -1);
        for (int r = 1; r <= rows; r += 2) list.Add(r);
        state.ResumeTiming();
        g->HideRowList(list);
        g->UnHideRowList();
        benchmark::DoNotOptimize(g->RowCount());
        state.PauseTiming();
        g.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

// A node over a thousand rows in the middle of the grid, contracted and expanded again.
void BM_NodeContractExpand(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    auto g = MakeGrid(rows);
    g->AddNode(rows / 2, 1000);
    for (auto _ : state) {
        g->ContractNode(rows / 2);
        g->ExpandNode(rows / 2);
        benchmark::DoNotOptimize(g->RowCount());
    }
}

}  // namespace

BENCHMARK(BM_FilterLevelHideAndShow)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_NodeContractExpand)->Arg(1000000)->Unit(benchmark::kMillisecond);
