// Painting a screen of grid cells: fill, frame and one line of text per cell, per frame.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace {

constexpr int SurfaceWidth = 1016;
constexpr int SurfaceHeight = 739;
constexpr int CellCount = 10000;

// 10,000 cells of 64 × 18 pixels laid over the surface row by row; once the surface is
// full the next cells start again at the top (as repeated paints of a scrolled grid).
struct TCellLayout {
    std::vector<rtl::TRect> Rects;
    std::vector<std::string> Texts;
    TCellLayout()
    {
        const int w = 64, h = 18, cols = SurfaceWidth / w, rows = SurfaceHeight / h;
        for (int i = 0; i < CellCount; ++i) {
            const int slot = i % (cols * rows);
            Rects.push_back(rtl::Bounds((slot % cols) * w, (slot / cols) * h, w, h));
            Texts.push_back(std::to_string(1000 + (i * 7) % 9000) + "." + std::to_string(i % 100));
        }
    }
};

void PaintFrame(gfx::TCanvas& c, const TCellLayout& cells)
{
    for (int i = 0; i < CellCount; ++i) {
        rtl::TRect r = cells.Rects[i];
        c.Brush().SetColor(i % 2 ? gfx::clWindow : gfx::clInfoBk);
        c.FillRect(r);
        c.Brush().SetColor(gfx::clBtnShadow);
        c.FrameRect(r);
        c.Brush().SetStyle(gfx::bsClear);
        rtl::InflateRect(r, -2, -1);
        c.DrawText(cells.Texts[i], r, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_RIGHT | gfx::DT_END_ELLIPSIS);
    }
}

void BM_PaintCellFrame(benchmark::State& state)
{
    gfx::TBitmap surface(SurfaceWidth, SurfaceHeight);
    const TCellLayout cells;
    for (auto _ : state) {
        PaintFrame(surface.Canvas(), cells);
        benchmark::DoNotOptimize(surface.ScanLine(0));
    }
    state.counters["cells"] = CellCount;
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PaintCellFrame)->Unit(benchmark::kMillisecond);

void BM_MeasureCellTexts(benchmark::State& state)
{
    gfx::TCanvas canvas;
    const TCellLayout cells;
    for (auto _ : state) {
        long long total = 0;
        for (const std::string& t : cells.Texts) total += canvas.TextWidth(t);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_MeasureCellTexts)->Unit(benchmark::kMillisecond);

}  // namespace
