// Painting a screen of the string grid: plain cells, cells with property objects and merged blocks, at the top and bottom of grids of growing row counts.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"

namespace {

constexpr int Columns = 10;

ui::TApplication& App()
{
    static std::unique_ptr<ui::TApplication> app = [] {
        auto a = std::make_unique<ui::TApplication>();
        a->SetBackend(std::make_unique<ui::THeadlessBackend>());
        return a;
    }();
    return *app;
}

struct TGridEnv {
    ui::TForm* Form = nullptr;
    grid::TExtStringGrid* Grid = nullptr;
};

// A filled grid whose every tenth row has coloured cells and a merged block of 3 x 2.
TGridEnv& FilledGrid(int rows)
{
    static std::map<int, TGridEnv> envs;
    TGridEnv& env = envs[rows];
    if (env.Grid != nullptr) return env;
    env.Form = new ui::TForm(&App());
    env.Form->SetBounds(0, 0, 1016, 739);
    env.Grid = new grid::TExtStringGrid(env.Form);
    env.Grid->SetParent(env.Form);
    env.Grid->SetAlign(ui::alClient);
    env.Grid->SetColCount(Columns);
    env.Grid->SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < Columns; ++c) env.Grid->SetCells(c, r, "R" + std::to_string(r) + "C" + std::to_string(c));
    for (int r = 1; r + 1 < rows; r += 10) {
        env.Grid->CellProperties(5, r)->SetBrushColor(gfx::clYellow);
        env.Grid->MergeCells(1, r, 3, 2);
    }
    env.Form->Show();
    App().ProcessMessages();
    return env;
}

void PaintScreen(TGridEnv& env)
{
    env.Grid->Invalidate();
    env.Form->PaintPending();
}

void BM_GridPaintScreenAtTop(benchmark::State& state)
{
    TGridEnv& env = FilledGrid(static_cast<int>(state.range(0)));
    env.Grid->SetTopRow(1);
    for (auto _ : state) PaintScreen(env);
    state.counters["visible_rows"] = env.Grid->VisibleRowCount();
}
BENCHMARK(BM_GridPaintScreenAtTop)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_GridPaintScreenAtBottom(benchmark::State& state)
{
    TGridEnv& env = FilledGrid(static_cast<int>(state.range(0)));
    env.Grid->SetTopRow(env.Grid->RowCount() - 1);
    for (auto _ : state) PaintScreen(env);
    state.counters["top_row"] = env.Grid->TopRow();
}
BENCHMARK(BM_GridPaintScreenAtBottom)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Without fixed columns the node column is a normal one: the painter asks once per pass
// whether the grid has nodes (the node column has no horizontal lines).
void BM_GridPaintScreenNoFixedColumn(benchmark::State& state)
{
    TGridEnv& env = FilledGrid(static_cast<int>(state.range(0)));
    env.Grid->SetFixedCols(0);
    env.Grid->SetTopRow(1);
    for (auto _ : state) PaintScreen(env);
    env.Grid->SetFixedCols(1);
}
BENCHMARK(BM_GridPaintScreenNoFixedColumn)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
