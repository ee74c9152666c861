// Typing into a string grid through real key messages: type-to-edit, validation and the advance on Enter, per key in a 100-row and a 1,000,000-row grid.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"

namespace {

constexpr int Columns = 5;
constexpr int TypedKeys = 10000;

// The same work on plain data: each key writes its character into the current cell,
// compares it with the old text (the validation) and steps to the next cell left to right,
// wrapping to the next row and round to the first one.
double FloorNanosPerKey(int rows)
{
    std::vector<std::string> cells(static_cast<std::size_t>(rows) * Columns);
    int col = 1;
    int row = 1;
    int changed = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int k = 0; k < TypedKeys; ++k) {
        std::string& cell = cells[static_cast<std::size_t>(row) * Columns + col];
        const std::string old = cell;
        cell = std::string(1, static_cast<char>('a' + k % 26));
        if (cell != old) ++changed;
        if (++col == Columns) {
            col = 1;
            if (++row == rows) row = 1;
        }
    }
    const auto stop = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(changed);
    return std::chrono::duration<double, std::nano>(stop - start).count() / TypedKeys;
}

// One iteration types 10,000 characters, each followed by Enter: the character opens the
// cell's editor, Enter validates the value and advances to the next cell.
void BM_TypeToEditValidateAdvance(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    auto app = std::make_unique<ui::TApplication>();
    app->SetBackend(std::make_unique<ui::THeadlessBackend>());
    auto* form = new ui::TForm(app.get());
    form->SetBounds(0, 0, 600, 400);
    auto* g = new grid::TExtStringGrid(form);
    g->SetParent(form);
    g->SetBounds(0, 0, 580, 380);
    g->SetColCount(Columns);
    g->SetRowCount(rows);
    g->SetOptions(g->Options() | ui::goEditing);
    g->Navigation().SetAdvanceOnEnter(true);
    g->Navigation().SetAdvanceAutoEdit(false);
    int validated = 0;
    g->OnCellValidate = [&](rtl::TObject*, int, int, std::string&, bool&) { ++validated; };
    form->Show();
    g->SetFocus();
    double nanos = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (int k = 0; k < TypedKeys; ++k) {
            ui::THeadlessBackend::TypeText(std::string(1, static_cast<char>('a' + k % 26)));
            ui::THeadlessBackend::PressKey(ui::VK_RETURN);
        }
        nanos += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
    }
    benchmark::DoNotOptimize(validated);
    const double perKey = nanos / (static_cast<double>(state.iterations()) * TypedKeys);
    const double floor = FloorNanosPerKey(rows);
    state.SetItemsProcessed(state.iterations() * TypedKeys);
    state.counters["rows"] = rows;
    state.counters["ns_per_key"] = perKey;
    state.counters["floor_ns_per_key"] = floor;
    state.counters["ratio"] = floor > 0 ? perKey / floor : 0;
    state.counters["validated"] = validated;
    app.reset();
}
BENCHMARK(BM_TypeToEditValidateAdvance)->Arg(100)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
