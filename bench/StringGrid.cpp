// The string grid at scale: filling a million rows of ten columns, painting a screen at the
// top and at the bottom, inserting a row in the middle, and the memory a filled cell takes.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <map>
#include <memory>
#include <string>

#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grids.h"

namespace {

constexpr int Columns = 10;

// Shows the protected row operations to the benchmark.
class TBenchGrid : public ui::TStringGrid {
public:
    explicit TBenchGrid(rtl::TComponent* owner) : ui::TStringGrid(owner) {}
    using ui::TCustomGrid::MoveRow;
    using ui::TStringGrid::DeleteRow;
};

std::string CellText(int c, int r) { return "R" + std::to_string(r) + "C" + std::to_string(c); }

// One application with a shown form holding a filled grid, per row count, kept for all runs.
struct TGridEnv {
    ui::TForm* Form = nullptr;
    TBenchGrid* Grid = nullptr;
};

ui::TApplication& App()
{
    static std::unique_ptr<ui::TApplication> app = [] {
        auto a = std::make_unique<ui::TApplication>();
        a->SetBackend(std::make_unique<ui::THeadlessBackend>());
        return a;
    }();
    return *app;
}

TBenchGrid* NewGrid(int rows, ui::TForm*& form)
{
    form = new ui::TForm(&App());
    form->SetBounds(0, 0, 1016, 739);
    auto* grid = new TBenchGrid(form);
    grid->SetParent(form);
    grid->SetAlign(ui::alClient);
    grid->SetColCount(Columns);
    grid->SetRowCount(rows);
    form->Show();
    App().ProcessMessages();
    return grid;
}

void Fill(TBenchGrid& grid)
{
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < Columns; ++c) grid.SetCells(c, r, CellText(c, r));
}

TGridEnv& FilledGrid(int rows)
{
    static std::map<int, TGridEnv> envs;
    TGridEnv& env = envs[rows];
    if (env.Grid == nullptr) {
        env.Grid = NewGrid(rows, env.Form);
        Fill(*env.Grid);
    }
    return env;
}

void PaintScreen(TGridEnv& env)
{
    env.Grid->Invalidate();
    env.Form->PaintPending();
}

void BM_SetAllCells(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    double bytesPerCell = 0;
    double heapPerCell = 0;
    double textPerCell = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ui::TForm* form = nullptr;
        TBenchGrid* grid = NewGrid(rows, form);
        std::size_t heapBefore = mallinfo2().uordblks;
        state.ResumeTiming();
        Fill(*grid);
        state.PauseTiming();
        const ui::TGridCellStore& store = grid->CellStore();
        double cells = static_cast<double>(store.FilledCells());
        bytesPerCell = static_cast<double>(store.MemoryBytes()) / cells;
        heapPerCell = static_cast<double>(mallinfo2().uordblks - heapBefore) / cells;
        textPerCell = static_cast<double>(CellText(Columns / 2, rows / 2).size());
        delete form;
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
    state.counters["cells/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * rows * Columns, benchmark::Counter::kIsRate);
    // Bytes a filled cell takes in the store, and on the heap as the allocator counts it;
    // texts this short live inside the cell entry.
    state.counters["store_bytes/cell"] = bytesPerCell;
    state.counters["heap_bytes/cell"] = heapPerCell;
    state.counters["text_chars/cell"] = textPerCell;
}
BENCHMARK(BM_SetAllCells)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PaintScreenAtTop(benchmark::State& state)
{
    TGridEnv& env = FilledGrid(static_cast<int>(state.range(0)));
    env.Grid->SetTopRow(1);
    for (auto _ : state) PaintScreen(env);
    state.counters["visible_rows"] = env.Grid->VisibleRowCount();
}
BENCHMARK(BM_PaintScreenAtTop)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_PaintScreenAtBottom(benchmark::State& state)
{
    TGridEnv& env = FilledGrid(static_cast<int>(state.range(0)));
    env.Grid->SetTopRow(env.Grid->RowCount() - 1);
    for (auto _ : state) PaintScreen(env);
    state.counters["top_row"] = env.Grid->TopRow();
}
BENCHMARK(BM_PaintScreenAtBottom)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A new row in the middle: the grid grows by one and its new last row moves there. Each
// round also deletes it again, so the grid keeps its size from round to round.
void BM_InsertRowInTheMiddle(benchmark::State& state)
{
    TGridEnv& env = FilledGrid(static_cast<int>(state.range(0)));
    TBenchGrid& grid = *env.Grid;
    const int count = grid.RowCount();
    for (auto _ : state) {
        grid.SetRowCount(count + 1);
        grid.MoveRow(count, count / 2);
        grid.SetCells(1, count / 2, "inserted");
        grid.DeleteRow(count / 2);
        // The window paints between user actions; here too, outside the measured time.
        state.PauseTiming();
        env.Form->PaintPending();
        state.ResumeTiming();
    }
    state.counters["rows"] = grid.RowCount();
}
BENCHMARK(BM_InsertRowInTheMiddle)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond)->Iterations(500);

}  // namespace
