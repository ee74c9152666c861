// Inserting and removing rows in the middle of string grids of up to a million rows, with and without cell property objects, against plain vectors.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/Floor.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"

namespace {

constexpr int Columns = 5;
constexpr int Rows = 1000000;

std::string CellText(int c, int r) { return std::to_string(r * Columns + c); }

std::unique_ptr<grid::TExtStringGrid> MakeGrid(bool withProperties, int rows = Rows)
{
    auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
    g->SetColCount(Columns);
    g->SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < Columns; ++c) g->SetCells(c, r, CellText(c, r));
    if (withProperties)
        for (int r = 0; r < rows; r += 100) g->CellProperties(1, r);
    return g;
}

// The same cells as rows of strings, the plain way to hold a table.
std::vector<std::vector<std::string>> PlainRows(int rows)
{
    std::vector<std::vector<std::string>> table(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < Columns; ++c) table[static_cast<std::size_t>(r)].push_back(CellText(c, r));
    return table;
}

// The same cells in one vector of strings, row after row.
std::vector<std::string> PlainCells(int rows)
{
    std::vector<std::string> cells;
    cells.reserve(static_cast<std::size_t>(rows) * Columns);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < Columns; ++c) cells.push_back(CellText(c, r));
    return cells;
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

// One row in and out at the middle, property objects on every 100th row, at 10k, 100k and
// 1M rows; the floor does the same to rows of strings in a vector. Per operation the grid
// should cost the same at every size.
void BM_OneRowInsertRemoveFlat(benchmark::State& state)
{
    static std::map<int, double> perOpAt;
    const int rows = static_cast<int>(state.range(0));
    constexpr int Ops = 50;
    auto g = MakeGrid(true, rows);
    auto plain = PlainRows(rows);
    benchfloor::TPair pair;
    for (auto _ : state) {
        pair = benchfloor::Interleaved(
            3,
            [&] {
                return benchfloor::Seconds([&] {
                    for (int i = 0; i < Ops; ++i) {
                        g->InsertRows(rows / 2, 1);
                        g->RemoveRows(rows / 2, 1);
                    }
                }) / (2 * Ops);
            },
            [&] {
                return benchfloor::Seconds([&] {
                    for (int i = 0; i < Ops; ++i) {
                        plain.insert(plain.begin() + rows / 2, std::vector<std::string>(Columns));
                        plain.erase(plain.begin() + rows / 2);
                    }
                }) / (2 * Ops);
            });
    }
    perOpAt[rows] = pair.Work;
    benchfloor::Report(state, pair, "flat: per operation within 2x of the 10k-row figure");
    state.counters["us_per_op"] = pair.Work * 1e6;
    if (perOpAt.count(10000) != 0) state.counters["growth_vs_10k"] = pair.Work / perOpAt[10000];
}
BENCHMARK(BM_OneRowInsertRemoveFlat)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

// 100,000 rows in and out at the middle of a million; the floor moves the same strings in
// one std::vector.
void BM_BlockInsertRemove(benchmark::State& state)
{
    constexpr int Block = 100000;
    auto g = MakeGrid(true);
    auto plain = PlainCells(Rows);
    const auto at = static_cast<std::ptrdiff_t>(Rows / 2) * Columns;
    benchfloor::TPair pair;
    for (auto _ : state) {
        pair = benchfloor::Interleaved(
            3,
            [&] {
                return benchfloor::Seconds([&] {
                    g->InsertRows(Rows / 2, Block);
                    g->RemoveRows(Rows / 2, Block);
                });
            },
            [&] {
                return benchfloor::Seconds([&] {
                    plain.insert(plain.begin() + at, static_cast<std::size_t>(Block) * Columns, std::string());
                    plain.erase(plain.begin() + at, plain.begin() + at + static_cast<std::ptrdiff_t>(Block) * Columns);
                });
            });
    }
    benchmark::DoNotOptimize(g->RowCount());
    benchfloor::Report(state, pair, "ratio <= 5");
}
BENCHMARK(BM_BlockInsertRemove)->Unit(benchmark::kMillisecond)->Iterations(1);

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
