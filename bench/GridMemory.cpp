// Memory of the string grid's cells: bytes per cell of a million-row, ten-column grid with
// texts only, and with one property object per cell; and the time to fill it against a vector of strings.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/support/Floor.h"
#include "grid/core/ExtGrid.h"

namespace {

constexpr int Columns = 10;
constexpr int Rows = 1000000;

std::string CellText(int c, int r) { return "R" + std::to_string(r) + "C" + std::to_string(c); }

std::size_t HeapInUse() { return mallinfo2().uordblks; }

void FillTexts(grid::TExtStringGrid& g)
{
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c) g.SetCells(c, r, CellText(c, r));
}

void FillProperties(grid::TExtStringGrid& g)
{
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c) g.CellProperties(c, r);
}

// Heap bytes per cell that filling the grid adds (grid set-up excluded).
void BM_GridBytesPerCellTexts(benchmark::State& state)
{
    double perCell = 0;
    for (auto _ : state) {
        auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
        g->SetColCount(Columns);
        g->SetRowCount(Rows);
        std::size_t before = HeapInUse();
        FillTexts(*g);
        perCell = static_cast<double>(HeapInUse() - before) / (static_cast<double>(Rows) * Columns);
        g.reset();
    }
    state.counters["bytes_per_cell"] = perCell;
}
BENCHMARK(BM_GridBytesPerCellTexts)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_GridBytesPerCellTextsAndProperties(benchmark::State& state)
{
    double perCell = 0;
    double propertiesPerCell = 0;
    for (auto _ : state) {
        auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
        g->SetColCount(Columns);
        g->SetRowCount(Rows);
        std::size_t before = HeapInUse();
        FillTexts(*g);
        std::size_t texts = HeapInUse();
        FillProperties(*g);
        double cells = static_cast<double>(Rows) * Columns;
        perCell = static_cast<double>(HeapInUse() - before) / cells;
        propertiesPerCell = static_cast<double>(HeapInUse() - texts) / cells;
        g.reset();
    }
    state.counters["bytes_per_cell"] = perCell;
    state.counters["property_bytes_per_cell"] = propertiesPerCell;
    state.counters["sizeof_TCellProperties"] = sizeof(grid::TCellProperties);
}
BENCHMARK(BM_GridBytesPerCellTextsAndProperties)->Unit(benchmark::kMillisecond)->Iterations(1);

// Ten million short texts into the grid's cells; the floor pushes the same texts into one
// reserved std::vector<std::string>.
void BM_FillTenMillionShortTexts(benchmark::State& state)
{
    benchfloor::TPair pair;
    double perCell = 0;
    for (auto _ : state) {
        pair = benchfloor::Interleaved(
            3,
            [&] {
                auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
                g->SetColCount(Columns);
                g->SetRowCount(Rows);
                const std::size_t before = HeapInUse();
                const double s = benchfloor::Seconds([&] { FillTexts(*g); });
                perCell = static_cast<double>(HeapInUse() - before) / (static_cast<double>(Rows) * Columns);
                return s;
            },
            [&] {
                std::vector<std::string> cells;
                const double s = benchfloor::Seconds([&] {
                    cells.reserve(static_cast<std::size_t>(Rows) * Columns);
                    for (int r = 0; r < Rows; ++r)
                        for (int c = 0; c < Columns; ++c) cells.push_back(CellText(c, r));
                });
                benchmark::DoNotOptimize(cells.data());
                return s;
            });
    }
    state.counters["bytes_per_cell"] = perCell;
    benchfloor::Report(state, pair, "ratio <= 1.5 and under 40 bytes per cell");
}
BENCHMARK(BM_FillTenMillionShortTexts)->Unit(benchmark::kMillisecond)->Iterations(1);

// Reading every cell through the grid's accessor, the most used operation of the family.
void BM_GetCellExOverAMillionRows(benchmark::State& state)
{
    static std::unique_ptr<grid::TExtStringGrid> g = [] {
        auto grid = std::make_unique<grid::TExtStringGrid>(nullptr);
        grid->SetColCount(Columns);
        grid->SetRowCount(Rows);
        FillTexts(*grid);
        return grid;
    }();
    std::size_t total = 0;
    for (auto _ : state) {
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Columns; ++c) total += g->GetCellEx(c, r).size();
    }
    benchmark::DoNotOptimize(total);
}
BENCHMARK(BM_GetCellExOverAMillionRows)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
