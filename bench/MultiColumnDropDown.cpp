// The multi-column drop-down with 100,000 items: opening its list (sized and painted) and one
// lookup keystroke in the open list, each beside the same work in plain C++.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/support/FilledListDropDown.h"
#include "bench/support/Floor.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtMultiColumnDropDown.h"
#include "platform/backend/HeadlessBackend.h"

namespace {

using benchlist::ItemCount;
using benchlist::Name;
using TFilledDropDown = benchlist::TFilledListDropDown<grid::TExtMultiColumnDropDown>;

constexpr int RowHeight = 22;
constexpr int PageRows = 8;

// Opening in plain C++: a row-height table for every row, the row of the selected item, and
// the texts of one page of rows copied out for painting.
double FloorOpen(const std::vector<std::vector<std::string>>& items, int selected)
{
    return benchfloor::Seconds([&] {
        std::vector<int> heights(items.size() + 1, RowHeight);
        std::vector<std::string> page;
        for (int r = selected; r < selected + PageRows && r < static_cast<int>(items.size()); ++r)
            for (const std::string& t : items[static_cast<std::size_t>(r)]) page.push_back(t);
        benchmark::DoNotOptimize(heights.data());
        benchmark::DoNotOptimize(page.data());
    });
}

void BM_OpenMultiColumnList(benchmark::State& state)
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
    if (d.Drop->ColGrid()->RowCount() != ItemCount + 1) state.SkipWithError("the list does not hold every item");
    benchfloor::Report(state, pair, "under 100 ms");
}
BENCHMARK(BM_OpenMultiColumnList)->Unit(benchmark::kMillisecond)->Iterations(1);

// A lookup keystroke in plain C++: the first text that starts with the entry, compared
// without regard to case, over the same texts.
double FloorLookup(const std::vector<std::string>& texts, const std::string& upperEntry)
{
    return benchfloor::Seconds([&] { benchmark::DoNotOptimize(benchlist::FirstStartingWithUpper(texts, upperEntry)); });
}

void BM_LookupKeystroke(benchmark::State& state)
{
    TFilledDropDown d;
    std::vector<std::string> texts;
    for (int i = 0; i < ItemCount; ++i) texts.push_back(Name(i));
    d.Drop->ShowDropDown();
    d.App->ProcessMessages();
    // "crop09999" finds an item near the end: the search walks nearly every item.
    const std::string typed = "crop09999";
    benchfloor::TPair pair;
    for (auto _ : state) {
        pair = benchfloor::Interleaved(
            5, [&] { return benchlist::LastKeySeconds(typed); }, [&] { return FloorLookup(texts, "CROP09999"); });
    }
    if (d.Drop->ItemIndex() != 99990) state.SkipWithError("the lookup did not find crop099990");
    benchfloor::Report(state, pair, "under 5 ms");
}
BENCHMARK(BM_LookupKeystroke)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
