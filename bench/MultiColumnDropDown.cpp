// The multi-column drop-down with 100,000 items: opening its list (sized and painted) and one
// lookup keystroke in the open list, each beside the same work in plain C++.
#include <benchmark/benchmark.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/Floor.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtMultiColumnDropDown.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"

namespace {

constexpr int ItemCount = 100000;
constexpr int RowHeight = 22;
constexpr int PageRows = 8;

std::string Name(int i)
{
    char text[32];
    std::snprintf(text, sizeof text, "crop%06d", i);
    return text;
}

struct TFilledDropDown {
    std::unique_ptr<ui::TApplication> App;
    grid::TExtMultiColumnDropDown* Drop = nullptr;

    TFilledDropDown()
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        auto* form = new ui::TForm(App.get());
        form->SetBounds(0, 0, 500, 400);
        Drop = new grid::TExtMultiColumnDropDown(form);
        Drop->SetParent(form);
        Drop->SetBounds(10, 10, 150, 21);
        for (const char* header : {"Crop", "Code", "Yield"}) Drop->Columns().Add()->SetHeader(header);
        for (int i = 0; i < ItemCount; ++i) {
            grid::multicolumn::TDropDownItem& item = *Drop->Items().Add();
            item.Text().Add(Name(i));
            item.Text().Add(std::to_string(i % 997));
            item.Text().Add(std::to_string(i % 13) + ".5");
        }
        Drop->EndUpdate();
        form->Show();
        App->ActivateForm(form);
        Drop->SetFocus();
    }
};

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
    for (int i = 0; i < ItemCount; ++i) plain.push_back({Name(i), std::to_string(i % 997), std::to_string(i % 13) + ".5"});
    benchfloor::TPair pair;
    for (auto _ : state) {
        pair = benchfloor::Interleaved(
            5,
            [&] {
                const double s = benchfloor::Seconds([&] {
                    d.Drop->ShowDropDown();
                    d.App->ProcessMessages();
                });
                d.Drop->HideDropDown(false);
                return s;
            },
            [&] { return FloorOpen(plain, ItemCount / 2); });
    }
    if (d.Drop->ColGrid()->RowCount() != ItemCount + 1) state.SkipWithError("the list does not hold every item");
    benchfloor::Report(state, pair, "under 100 ms");
}
BENCHMARK(BM_OpenMultiColumnList)->Unit(benchmark::kMillisecond)->Iterations(1);

// A lookup keystroke in plain C++: the first text that starts with the entry, compared
// without regard to case, over the same texts.
double FloorLookup(const std::vector<std::string>& texts, const std::string& upperEntry)
{
    return benchfloor::Seconds([&] {
        int found = -1;
        for (std::size_t i = 0; i < texts.size() && found < 0; ++i) {
            const std::string& t = texts[i];
            if (t.size() < upperEntry.size()) continue;
            bool same = true;
            for (std::size_t k = 0; k < upperEntry.size() && same; ++k)
                same = static_cast<char>(std::toupper(static_cast<unsigned char>(t[k]))) == upperEntry[k];
            if (same) found = static_cast<int>(i);
        }
        benchmark::DoNotOptimize(found);
    });
}

// One key as a keyboard gives it: down, the character, up (the release runs the completion).
void Key(char ch)
{
    const int vk = ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch;
    ui::THeadlessBackend::KeyDown(vk);
    ui::THeadlessBackend::TypeText(std::string(1, ch));
    ui::THeadlessBackend::KeyUp(vk);
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
            5,
            [&] {
                for (std::size_t k = 0; k + 1 < typed.size(); ++k) Key(typed[k]);
                const double s = benchfloor::Seconds([&] { Key(typed.back()); });
                Key('x');  // nothing starts with x: the entry empties for the next round
                return s;
            },
            [&] { return FloorLookup(texts, "CROP09999"); });
    }
    if (d.Drop->ItemIndex() != 99990) state.SkipWithError("the lookup did not find crop099990");
    benchfloor::Report(state, pair, "under 5 ms");
}
BENCHMARK(BM_LookupKeystroke)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
