// Saving and loading 100,000 rows of ten columns through the string grid's binary cell stream, and pasting them as clipboard text.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/support/FilledGrid.h"
#include "grid/core/ExtGrid.h"
#include "platform/rtl/Streams.h"

namespace {

using benchgrid::CellText;
using benchgrid::Columns;
using benchgrid::FilledGrid;

void BM_SaveRectToBinStream(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    auto g = FilledGrid(rows);
    for (auto _ : state) {
        rtl::TMemoryStream ms;
        g->SaveRectToBinStream(rtl::Rect(0, 0, Columns - 1, rows - 1), ms, false);
        benchmark::DoNotOptimize(ms.Size());
    }
    state.SetItemsProcessed(state.iterations() * rows * Columns);
}

void BM_LoadAtPointFromBinStream(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    auto source = FilledGrid(rows);
    rtl::TMemoryStream ms;
    source->SaveRectToBinStream(rtl::Rect(0, 0, Columns - 1, rows - 1), ms, false);
    for (auto _ : state) {
        state.PauseTiming();
        auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
        g->SetColCount(Columns);
        g->SetRowCount(rows);
        ms.SetPosition(0);
        state.ResumeTiming();
        g->LoadAtPointFromBinStream(rtl::TPoint{0, 0}, ms);
        benchmark::DoNotOptimize(g->RowCount());
        state.PauseTiming();
        g.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows * Columns);
}

void BM_PasteText(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    std::string text;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            if (c > 0) text += '\t';
            text += CellText(c, r);
        }
        text += "\r\n";
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
        g->SetOptions(g->Options() | ui::goEditing);
        g->SetColCount(Columns);
        g->SetRowCount(rows + 1);
        state.ResumeTiming();
        int outRows = 0;
        int outCols = 0;
        benchmark::DoNotOptimize(g->PasteText(0, 0, text, outRows, outCols));
        state.PauseTiming();
        g.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows * Columns);
}

}  // namespace

BENCHMARK(BM_SaveRectToBinStream)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LoadAtPointFromBinStream)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PasteText)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
