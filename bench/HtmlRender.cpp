// Benchmark: measuring and painting 10,000 short HTML cell texts, as a grid does for a screen of cells and for autosizing.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "grid/foundation/EsgHTMLE.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace {

constexpr int kCells = 10000;

std::vector<std::string> CellTexts()
{
    static const char* patterns[] = {
        "<B>Cell %d</B>",
        "Value <FONT COLOR=\"clRed\">%d</FONT> kg",
        "<A HREF=\"row%d\">open</A> details",
        "<I>note</I> %d &amp; more",
        "<FONT SIZE=\"3\" FACE=\"Arial\">%d</FONT><BR>second line",
        "<U>%d</U> <S>old</S> new",
    };
    std::vector<std::string> texts;
    texts.reserve(kCells);
    for (int i = 0; i < kCells; ++i) {
        std::string t = patterns[i % std::size(patterns)];
        t.replace(t.find("%d"), 2, std::to_string(i));
        texts.push_back(std::move(t));
    }
    return texts;
}

void BM_MeasureHtmlCells(benchmark::State& state)
{
    const std::vector<std::string> texts = CellTexts();
    gfx::TBitmap bitmap(160, 40);
    grid::THtmlRenderOptions options;
    options.MeasureOnly = true;
    grid::THtmlRenderResult result;
    for (auto _ : state) {
        long long height = 0;
        for (const std::string& t : texts) {
            grid::RenderHtmlText(bitmap.Canvas(), t, rtl::Rect(0, 0, 150, 1000), options, result);
            height += result.ContentHeight;
        }
        benchmark::DoNotOptimize(height);
    }
    state.SetItemsProcessed(state.iterations() * kCells);
}

void BM_PaintHtmlCells(benchmark::State& state)
{
    const std::vector<std::string> texts = CellTexts();
    // A screen of 40 rows by 10 columns of 120 x 20 cells, painted over and over.
    gfx::TBitmap bitmap(1200, 800);
    grid::THtmlRenderOptions options;
    grid::THtmlRenderResult result;
    for (auto _ : state) {
        for (int i = 0; i < kCells; ++i) {
            const int cell = i % 400;
            const rtl::TRect r = rtl::Bounds((cell % 10) * 120, (cell / 10) * 20, 120, 20);
            grid::RenderHtmlText(bitmap.Canvas(), texts[static_cast<std::size_t>(i)], r, options, result);
        }
    }
    state.SetItemsProcessed(state.iterations() * kCells);
}

}  // namespace

BENCHMARK(BM_MeasureHtmlCells)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintHtmlCells)->Unit(benchmark::kMillisecond);
