// The drop-down edit: painting an open 300 x 200 pop-up with header, footer and buttons, and a
// keystroke through the money filter with its live thousand separators.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtBars.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Forms.h"

namespace {

constexpr int PopupWidth = 300;
constexpr int PopupHeight = 200;
constexpr int Keys = 20000;

struct TOpenDropDown {
    std::unique_ptr<ui::TApplication> App;
    grid::TExtDropDown* Edit = nullptr;

    TOpenDropDown()
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        auto* form = new ui::TForm(App.get());
        form->SetBounds(0, 0, 400, 300);
        Edit = new grid::TExtDropDown(form);
        Edit->SetParent(form);
        Edit->SetBounds(10, 10, 150, 21);
        form->Show();
        App->ActivateForm(form);
        Edit->SetFocus();
    }
};

// The same pixels in plain C++: 80 bands over the background, two bars of 80 bands, and
// three button faces, written into a 32-bit buffer.
double FloorMicrosPerPaint(int paints)
{
    std::vector<std::uint32_t> pixels(PopupWidth * PopupHeight);
    auto fillBands = [&](int top, int height, std::uint32_t from, std::uint32_t to) {
        for (int i = 0; i < 80; ++i) {
            std::uint32_t c = from + (to - from) * static_cast<std::uint32_t>(i) / 80u;
            int y0 = top + i * height / 80;
            int y1 = top + (i + 1) * height / 80;
            for (int y = y0; y < y1; ++y)
                for (int x = 0; x < PopupWidth; ++x) pixels[static_cast<std::size_t>(y) * PopupWidth + x] = c;
        }
    };
    const auto start = std::chrono::steady_clock::now();
    for (int p = 0; p < paints; ++p) {
        fillBands(0, PopupHeight, 0xF3E5DA, 0xF0DED0);
        fillBands(1, 22, 0xFFEFE3, 0xFFD2AF);
        fillBands(PopupHeight - 23, 22, 0xFFEFE3, 0xFFD2AF);
        for (int b = 0; b < 3; ++b)
            for (int y = PopupHeight - 20; y < PopupHeight - 4; ++y)
                for (int x = 200 + b * 30; x < 228 + b * 30; ++x) pixels[static_cast<std::size_t>(y) * PopupWidth + x] = 0xEBFDFF;
        benchmark::DoNotOptimize(pixels.data());
    }
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() / paints;
}

void BM_PaintOpenPopupWithBars(benchmark::State& state)
{
    TOpenDropDown d;
    d.Edit->SetDropDownWidth(PopupWidth);
    d.Edit->SetDropDownHeight(PopupHeight);
    d.Edit->DropDownHeader().SetCaption("<b>Crop</b> of the cell");
    d.Edit->DropDownFooter().SetCaption("3 choices");
    for (const char* caption : {"OK", "Cancel", "Retry"}) d.Edit->DropDownFooter().Buttons().Add()->SetCaption(caption);
    d.Edit->ShowDropDown();
    grid::TDropDownForm* popup = d.Edit->DropDownForm();
    d.App->ProcessMessages();
    int paints = 0;
    double micros = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        popup->Invalidate();
        popup->Header()->Invalidate();
        popup->Footer()->Invalidate();
        for (int i = 0; i < popup->Footer()->ButtonCount(); ++i) popup->Footer()->Button(i)->Invalidate();
        d.App->ProcessMessages();
        micros += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
        ++paints;
    }
    const double perPaint = micros / paints;
    const double floor = FloorMicrosPerPaint(200);
    state.counters["us_per_paint"] = perPaint;
    state.counters["floor_us_per_paint"] = floor;
    state.counters["ratio"] = floor > 0 ? perPaint / floor : 0;
    state.counters["budget_us"] = 2000;
}
BENCHMARK(BM_PaintOpenPopupWithBars)->Unit(benchmark::kMillisecond)->Iterations(200);

// The same work in plain C++: insert the digit at the end and rewrite the integer part with
// a separator every three digits.
double FloorNanosPerMoneyKey()
{
    std::string digits;
    std::string shown;
    const auto start = std::chrono::steady_clock::now();
    for (int k = 0; k < Keys; ++k) {
        if (digits.size() == 9) digits.clear();
        digits += static_cast<char>('1' + k % 9);
        shown.clear();
        for (std::size_t i = 0; i < digits.size(); ++i) {
            if (i > 0 && (digits.size() - i) % 3 == 0) shown += ',';
            shown += digits[i];
        }
        benchmark::DoNotOptimize(shown.data());
    }
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() / Keys;
}

void BM_MoneyKeystroke(benchmark::State& state)
{
    rtl::FormatSettings.DecimalSeparator = '.';
    rtl::FormatSettings.ThousandSeparator = ',';
    TOpenDropDown d;
    d.Edit->SetEditType(grid::etMoney);
    d.Edit->SetTextDirect("");
    ui::THeadlessBackend::TypeText("123456789");
    if (d.Edit->Text() != "123,456,789") state.SkipWithError("the money filter did not format 123456789");
    double nanos = 0;
    long long keys = 0;
    for (auto _ : state) {
        d.Edit->SetTextDirect("");
        const auto start = std::chrono::steady_clock::now();
        for (int k = 0; k < Keys; ++k) {
            if (k % 9 == 0) d.Edit->SetTextDirect("");
            ui::THeadlessBackend::TypeText(std::string(1, static_cast<char>('1' + k % 9)));
        }
        nanos += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
        keys += Keys;
    }
    benchmark::DoNotOptimize(d.Edit->Text());
    const double perKey = nanos / static_cast<double>(keys);
    const double floor = FloorNanosPerMoneyKey();
    state.counters["ns_per_key"] = perKey;
    state.counters["floor_ns_per_key"] = floor;
    state.counters["ratio"] = floor > 0 ? perKey / floor : 0;
    state.counters["budget_ns"] = 50000;
}
BENCHMARK(BM_MoneyKeystroke)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
