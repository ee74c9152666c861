// Painting one 1280 x 1024 screen of mixed cells (text, mini-HTML, check boxes, progress bars, comments) against a screen of plain text cells, at the top and bottom of a 1,000,000-row grid.
#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>
#include <string>

#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"

namespace {

constexpr int Rows = 1000000;
constexpr int Columns = 14;

// The application lives to the end of the process and is never destroyed: its windows
// would otherwise be freed after the process-wide window lists they unregister from.
ui::TApplication& App()
{
    static ui::TApplication* app = [] {
        auto* a = new ui::TApplication;
        a->SetBackend(std::make_unique<ui::THeadlessBackend>());
        return a;
    }();
    return *app;
}

struct TScreen {
    ui::TForm* Form = nullptr;
    grid::TExtStringGrid* Grid = nullptr;
};

// A full-screen grid of Rows rows. Every cell holds text; the mixed grid gives the rows it
// shows at the top and the bottom mini-HTML, check boxes, progress bars and comments in turn
// by column.
TScreen MakeScreen(bool mixed)
{
    TScreen s;
    s.Form = new ui::TForm(&App());
    s.Form->SetBounds(0, 0, 1280, 1024);
    s.Grid = new grid::TExtStringGrid(s.Form);
    s.Grid->SetParent(s.Form);
    s.Grid->SetAlign(ui::alClient);
    s.Grid->SetColCount(Columns);
    s.Grid->SetRowCount(Rows);
    for (int r = 0; r < Rows; ++r) s.Grid->SetCells(r % Columns, r, "R" + std::to_string(r));
    auto fillRows = [&](int from, int to) {
        for (int r = from; r < to; ++r)
            for (int c = 1; c < Columns; ++c) {
                const std::string text = "Cell " + std::to_string(r) + "/" + std::to_string(c);
                if (!mixed) {
                    s.Grid->SetCells(c, r, text);
                    continue;
                }
                switch (c % 5) {
                case 0: s.Grid->SetCells(c, r, "<b>" + text + "</b> <font color=\"clRed\">x</font>"); break;
                case 1: s.Grid->AddCheckBox(c, r, r % 2 == 0, false); break;
                case 2:
                    s.Grid->SetCells(c, r, text);
                    s.Grid->AddComment(c, r, "note");
                    break;
                case 3:
                    s.Grid->SetCells(c, r, std::to_string((r * 7 + c) % 101));
                    s.Grid->AddProgress(c, r, 0x00A000, 0xFFFFFF);
                    break;
                default: s.Grid->SetCells(c, r, text);
                }
            }
    };
    fillRows(1, 60);
    fillRows(Rows - 60, Rows);
    s.Form->Show();
    App().ProcessMessages();
    return s;
}

TScreen& Screen(bool mixed)
{
    static TScreen plain = MakeScreen(false);
    static TScreen mixedScreen = MakeScreen(true);
    return mixed ? mixedScreen : plain;
}

// CPU time of this thread in milliseconds: the figures stay comparable while other
// programs load the machine.
double ThreadMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void PaintOnce(TScreen& s)
{
    s.Grid->Invalidate();
    s.Form->PaintPending();
}

double PlainMilliseconds(int topRow)
{
    TScreen& s = Screen(false);
    s.Grid->SetTopRow(topRow);
    constexpr int Passes = 20;
    const double t0 = ThreadMilliseconds();
    for (int i = 0; i < Passes; ++i) PaintOnce(s);
    return (ThreadMilliseconds() - t0) / Passes;
}

// The mixed screen, with the plain screen at the same rows measured in the same run as
// its floor and the ratio of the two.
void PaintMixed(benchmark::State& state, bool bottom)
{
    TScreen& s = Screen(true);
    const int top = bottom ? Rows - 50 : 1;
    s.Grid->SetTopRow(top);
    const double t0 = ThreadMilliseconds();
    long long passes = 0;
    for (auto _ : state) {
        PaintOnce(s);
        ++passes;
    }
    const double mixedMs = (ThreadMilliseconds() - t0) / double(passes);
    const double plainMs = PlainMilliseconds(top);
    state.counters["plain_ms"] = plainMs;
    state.counters["mixed_ms"] = mixedMs;
    state.counters["ratio"] = plainMs > 0 ? mixedMs / plainMs : 0;
    state.SetLabel("goal: ratio within 1.5");
}

void BM_MixedScreenAtTop(benchmark::State& state) { PaintMixed(state, false); }
BENCHMARK(BM_MixedScreenAtTop)->Unit(benchmark::kMillisecond);

void BM_MixedScreenAtBottom(benchmark::State& state) { PaintMixed(state, true); }
BENCHMARK(BM_MixedScreenAtBottom)->Unit(benchmark::kMillisecond);

void BM_PlainScreenAtTop(benchmark::State& state)
{
    TScreen& s = Screen(false);
    s.Grid->SetTopRow(1);
    for (auto _ : state) PaintOnce(s);
}
BENCHMARK(BM_PlainScreenAtTop)->Unit(benchmark::kMillisecond);

}  // namespace
