// Building the HTML document of 100,000 rows of ten columns, plain and with a colour per row.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/support/FilledGrid.h"
#include "grid/core/BaseGrid.h"
#include "grid/core/ExtGrid.h"

namespace {

void BM_SaveToHTMLString(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    auto g = benchgrid::FilledGrid(rows);
    // The second argument gives every 50th row its own background, so the table has many styles.
    if (state.range(1) != 0)
        for (int r = 0; r < rows; r += 50) g->CellProperties(0, r)->SetBrushColor(static_cast<gfx::TColor>(r & 0xFFFFFF));
    for (auto _ : state) {
        std::string text;
        g->SaveToHTMLString("", text);
        benchmark::DoNotOptimize(text.size());
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

}  // namespace

BENCHMARK(BM_SaveToHTMLString)->Args({100000, 0})->Args({100000, 1})->Unit(benchmark::kMillisecond)->Iterations(1);
