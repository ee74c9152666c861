// The grid drop-down with 100,000 items: opening its pop-up (the items copied into its grid,
// sized and painted), a lookup keystroke and a narrow-down keystroke in the open grid, each
// beside the same work in plain C++.
#include <benchmark/benchmark.h>

#include <cctype>
#include <string>
#include <vector>

#include "bench/support/FilledListDropDown.h"
#include "bench/support/Floor.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtCustomGridDropDown.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Keyboard.h"

namespace {

using benchlist::ItemCount;
using benchlist::Key;
using benchlist::Name;
using TFilledDropDown = benchlist::TFilledListDropDown<grid::TExtGridDropDown>;

constexpr int PageRows = 8;

// Opening in plain C++: every item's texts copied into a table of rows with the item's index
// beside them, the row of the selected item found, and one page of rows read for painting.
double FloorOpen(const std::vector<std::vector<std::string>>& items, int selected)
{
    return benchfloor::Seconds([&] {
        std::vector<std::vector<std::string>> rows;
        std::vector<int> itemOfRow;
        rows.reserve(items.size() + 1);
        itemOfRow.reserve(items.size() + 1);
        rows.push_back({"Crop", "Code", "Yield"});
        itemOfRow.push_back(-1);
        for (std::size_t k = 0; k < items.size(); ++k) {
            rows.push_back(items[k]);
            itemOfRow.push_back(static_cast<int>(k));
        }
        int row = 0;
        for (std::size_t r = 1; r < itemOfRow.size() && row == 0; ++r)
            if (itemOfRow[r] == selected) row = static_cast<int>(r);
        std::size_t chars = 0;
        for (int r = row; r < row + PageRows && r < static_cast<int>(rows.size()); ++r)
            for (const std::string& t : rows[static_cast<std::size_t>(r)]) chars += t.size();
        benchmark::DoNotOptimize(chars);
        benchmark::DoNotOptimize(rows.data());
    });
}

void BM_OpenGridDropDown(benchmark::State& state)
{
    TFilledDropDown d;
    d.Drop->SetItemIndex(ItemCount / 2);
    std::vector<std::vector<std::string>> plain;
    for (int i = 0; i < ItemCount; ++i) plain.push_back(benchlist::ItemTexts(i));
    benchfloor::TPair pair;
    for (auto _ : state) {
        pair = benchfloor::Interleaved(
            5, [&] { return d.OpenSeconds(); }, [&] { return FloorOpen(plain, ItemCount / 2); });
    }
    grid::griddropdown::TExtColGrid& grid = *d.Drop->GetColGrid();
    if (grid.RowCount() != ItemCount + 1 || grid.Cells(0, grid.Row()) != Name(ItemCount / 2))
        state.SkipWithError("the grid does not hold every item with the selected one current");
    benchfloor::Report(state, pair, "under 100 ms");
}
BENCHMARK(BM_OpenGridDropDown)->Unit(benchmark::kMillisecond)->Iterations(1);

// A lookup keystroke in plain C++: the first text that starts with the entry, compared without
// regard to case, and the row that shows that item.
double FloorLookup(const std::vector<std::string>& texts, const std::vector<int>& itemOfRow,
                   const std::string& upperEntry)
{
    return benchfloor::Seconds([&] {
        const int found = benchlist::FirstStartingWithUpper(texts, upperEntry);
        int row = -1;
        for (std::size_t r = 0; r < itemOfRow.size() && row < 0; ++r)
            if (itemOfRow[r] == found) row = static_cast<int>(r);
        benchmark::DoNotOptimize(row);
    });
}

void BM_LookupKeystroke(benchmark::State& state)
{
    TFilledDropDown d;
    std::vector<std::string> texts;
    std::vector<int> itemOfRow{-1};
    for (int i = 0; i < ItemCount; ++i) {
        texts.push_back(Name(i));
        itemOfRow.push_back(i);
    }
    d.Drop->ShowDropDown();
    d.App->ProcessMessages();
    // "crop09999" finds an item near the end: the search walks nearly every item.
    const std::string typed = "crop09999";
    benchfloor::TPair pair;
    for (auto _ : state) {
        pair = benchfloor::Interleaved(
            5, [&] { return benchlist::LastKeySeconds(typed); },
            [&] { return FloorLookup(texts, itemOfRow, "CROP09999"); });
    }
    if (d.Drop->ItemIndex() != 99990) state.SkipWithError("the lookup did not find crop099990");
    benchfloor::Report(state, pair, "under 5 ms");
}
BENCHMARK(BM_LookupKeystroke)->Unit(benchmark::kMillisecond)->Iterations(1);

// A narrow-down keystroke in plain C++: the rows whose text holds the entry, compared without
// regard to case, kept in a new list.
double FloorNarrow(const std::vector<std::string>& texts, const std::string& upperEntry)
{
    return benchfloor::Seconds([&] {
        std::vector<int> kept;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            std::string upper = texts[i];
            for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (upper.find(upperEntry) != std::string::npos) kept.push_back(static_cast<int>(i));
        }
        benchmark::DoNotOptimize(kept.data());
    });
}

// The first key narrows all 100,000 rows, the hardest step: every row is tested and most are
// hidden.
void BM_NarrowDownKeystroke(benchmark::State& state)
{
    TFilledDropDown d;
    d.Drop->SetLookupMethod(grid::lmNarrowDown);
    std::vector<std::string> texts;
    for (int i = 0; i < ItemCount; ++i) texts.push_back(Name(i));
    d.Drop->ShowDropDown();
    d.App->ProcessMessages();
    benchfloor::TPair pair;
    for (auto _ : state) {
        pair = benchfloor::Interleaved(
            5,
            [&] {
                const double s = benchfloor::Seconds([&] { Key('9'); });
                // Backspace takes the key off the entry: every row shows again for the next round.
                ui::THeadlessBackend::PressKey(ui::VK_BACK);
                return s;
            },
            [&] { return FloorNarrow(texts, "9"); });
    }
    Key('9');
    grid::griddropdown::TExtColGrid& grid = *d.Drop->GetColGrid();
    // Names holding a 9: 100,000 - 9^5 * 1 = 40,951 of them.
    if (grid.RowCount() - grid.FixedRows() != ItemCount - 59049)
        state.SkipWithError("the narrowed grid does not show exactly the matching rows");
    benchfloor::Report(state, pair, "under 50 ms");
}
BENCHMARK(BM_NarrowDownKeystroke)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
