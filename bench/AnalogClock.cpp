// The analog clock at 180 × 180: a live tick (the cached face copied, the hands drawn over it) and a full repaint (face, marks, numbers and AM/PM box into the cache, then the hands).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "bench/support/Floor.h"
#include "grid/dropdown/ExtWatch.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/rtl/DateTime.h"
#include "platform/ui/Forms.h"

namespace {

constexpr int Side = 180;
constexpr int Reps = 200;

struct TClockForm {
    std::unique_ptr<ui::TApplication> App;
    grid::TExtWatch* Watch = nullptr;

    TClockForm()
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        auto* form = new ui::TForm(App.get());
        form->SetBounds(0, 0, 220, 220);
        Watch = new grid::TExtWatch(form);
        Watch->SetParent(form);
        Watch->SetBounds(0, 0, Side, Side);
        Watch->SetTime(rtl::EncodeTime(10, 8, 0, 0));
        Watch->Settings().SetAuto(true);  // the live clock draws the second hand too
        form->Show();
        App->ProcessMessages();
    }
};

// The same pixels in plain C++: copy a 180 × 180 face and draw three straight hands of
// widths 4, 3 and 1 by stepping along them.
double FloorTick(std::vector<std::uint32_t>& face, std::vector<std::uint32_t>& frame)
{
    return benchfloor::Seconds([&] {
        frame = face;
        const double angles[] = {0.5, 2.1, 4.0};
        const double lengths[] = {40, 56, 72};
        const int widths[] = {4, 3, 1};
        for (int h = 0; h < 3; ++h) {
            for (int t = -8; t <= lengths[h]; ++t) {
                int x = 90 + static_cast<int>(std::lround(std::sin(angles[h]) * t));
                int y = 90 - static_cast<int>(std::lround(std::cos(angles[h]) * t));
                for (int w = 0; w < widths[h]; ++w)
                    for (int v = 0; v < widths[h]; ++v) frame[static_cast<std::size_t>((y + v) * Side + x + w)] = 0xFF000000u;
            }
        }
        benchmark::DoNotOptimize(frame.data());
    });
}

// Plain C++ for the full face: fill, 80 bands of the border ring test per pixel, 72 marks.
double FloorFullPaint(std::vector<std::uint32_t>& face)
{
    return benchfloor::Seconds([&] {
        for (int y = 0; y < Side; ++y)
            for (int x = 0; x < Side; ++x) {
                double dx = x - 90, dy = y - 90, r = std::sqrt(dx * dx + dy * dy);
                face[static_cast<std::size_t>(y * Side + x)] = r < 76 ? 0xFFFFFFFFu : r < 80 ? 0xFF000000u : 0xFFF0F0F0u;
            }
        for (int m = 0; m < 60; ++m)
            for (int t = 70; t < 78; ++t) {
                int x = 90 + static_cast<int>(std::lround(std::sin(m * 0.10472) * t));
                int y = 90 - static_cast<int>(std::lround(std::cos(m * 0.10472) * t));
                face[static_cast<std::size_t>(y * Side + x)] = 0xFF808080u;
            }
        benchmark::DoNotOptimize(face.data());
    });
}

void BM_ClockLiveTick(benchmark::State& state)
{
    TClockForm clock;
    gfx::TBitmap target(Side, Side);
    std::vector<std::uint32_t> face(Side * Side, 0xFFFFFFFFu), frame;
    benchfloor::TPair pair;
    for (auto _ : state) {
        pair = benchfloor::Interleaved(
            Reps, [&] { return benchfloor::Seconds([&] { clock.Watch->PaintHandsFrame(target.Canvas()); }); },
            [&] { return FloorTick(face, frame); });
    }
    benchfloor::Report(state, pair, "a live tick of a 180 x 180 clock under 0.5 ms");
}
BENCHMARK(BM_ClockLiveTick)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ClockFullRepaint(benchmark::State& state)
{
    TClockForm clock;
    gfx::TBitmap target(Side, Side);
    std::vector<std::uint32_t> face(Side * Side), frame;
    benchfloor::TPair pair;
    for (auto _ : state) {
        pair = benchfloor::Interleaved(
            Reps,
            [&] {
                return benchfloor::Seconds([&] {
                    clock.Watch->PaintFaceCache();
                    clock.Watch->PaintHandsFrame(target.Canvas());
                });
            },
            [&] { return FloorFullPaint(face) + FloorTick(face, frame); });
    }
    benchfloor::Report(state, pair, "a full repaint of a 180 x 180 clock under 5 ms");
}
BENCHMARK(BM_ClockFullRepaint)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
