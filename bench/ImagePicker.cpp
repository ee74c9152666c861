// The image picker over a folder of 1,000 small PNG files: loading the folder into the picker,
// and painting a page of its open pop-up, each beside the same work in plain C++.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "bench/support/Floor.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtImagePicker.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageCodecs.h"
#include "platform/gfx/Picture.h"
#include "platform/ui/Forms.h"

namespace {

constexpr int FileCount = 1000;
constexpr int Side = 16;

// A folder of FileCount PNG files of 16 x 16 pixels, each of its own colour; removed at the end.
struct TPngFolder {
    std::filesystem::path Path;
    std::vector<std::string> Files;

    TPngFolder()
    {
        Path = std::filesystem::temp_directory_path() / ("tolvek-imagepicker-" + std::to_string(::getpid()));
        std::filesystem::create_directories(Path);
        for (int i = 0; i < FileCount; ++i) {
            const std::uint32_t rgb = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
            const std::vector<std::uint32_t> pixels(Side * Side, 0xFF000000u | rgb);
            std::vector<std::uint8_t> bytes;
            gfx::EncodePng(Side, Side, pixels.data(), Side, bytes);
            char name[32];
            std::snprintf(name, sizeof name, "tile%04d.png", i);
            const std::filesystem::path file = Path / name;
            std::FILE* f = std::fopen(file.c_str(), "wb");
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
            Files.push_back(file.string());
        }
    }
    ~TPngFolder() { std::filesystem::remove_all(Path); }
    std::string Pattern() const { return (Path / "*.png").string(); }
};

struct TPickerForm {
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    grid::TExtImagePickerDropDown* Picker = nullptr;

    TPickerForm()
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(0, 0, 500, 400);
        Picker = new grid::TExtImagePickerDropDown(Form);
        Picker->SetParent(Form);
        Picker->SetBounds(10, 10, 150, 24);
        Form->Show();
        App->ActivateForm(Form);
    }
};

// Loading in plain C++: every file decoded by the platform's picture loader into a vector.
double FloorLoad(const std::vector<std::string>& files)
{
    return benchfloor::Seconds([&] {
        std::vector<gfx::TPicture> pictures(files.size());
        for (std::size_t i = 0; i < files.size(); ++i) pictures[i].LoadFromFile(files[i]);
        benchmark::DoNotOptimize(pictures.data());
    });
}

void BM_LoadFolderOf1000Pngs(benchmark::State& state)
{
    TPngFolder folder;
    TPickerForm p;
    benchfloor::TPair pair;
    for (auto _ : state) {
        pair = benchfloor::Interleaved(
            5,
            [&] {
                p.Picker->Items().Clear();
                return benchfloor::Seconds([&] { p.Picker->AddImagesFromFolder(folder.Pattern(), true); });
            },
            [&] { return FloorLoad(folder.Files); });
    }
    if (p.Picker->Items().Count() != FileCount || p.Picker->Items().Items(FileCount - 1)->Image().Width() != Side)
        state.SkipWithError("the picker does not hold every picture");
    benchfloor::Report(state, pair, "under 1 s");
}
BENCHMARK(BM_LoadFolderOf1000Pngs)->Unit(benchmark::kMillisecond)->Iterations(1);

// Painting a page in plain C++: the visible items' pictures blitted onto a bitmap of the
// pop-up's size at the places the pop-up shows them.
double FloorPaint(const std::vector<std::unique_ptr<gfx::TPicture>>& pictures, const std::vector<rtl::TRect>& places, int w, int h)
{
    gfx::TBitmap target(w, h);
    return benchfloor::Seconds([&] {
        gfx::TCanvas& canvas = target.Canvas();
        canvas.Brush().SetColor(0xFFFFFF);
        canvas.FillRect(rtl::Rect(0, 0, w, h));
        for (std::size_t i = 0; i < places.size(); ++i)
            canvas.Draw(places[i].Left, places[i].Top, *pictures[i]->Graphic());
        benchmark::DoNotOptimize(canvas.Pixels(1, 1));
    });
}

void BM_PaintOpenPickerPage(benchmark::State& state)
{
    TPngFolder folder;
    TPickerForm p;
    p.Picker->SetColumns(4);
    p.Picker->SetDropDownHeight(300);
    p.Picker->AddImagesFromFolder(folder.Pattern(), true);
    p.Picker->SetItemIndex(FileCount / 2);
    p.Picker->ShowDropDown();
    p.App->ProcessMessages();
    grid::TDropDownForm* popup = p.Picker->DropDownForm();
    grid::TExtCustomItemSelector* selector = p.Picker->ItemSelector();
    // The page shown: the items whose places lie in the selector's visible part.
    std::vector<std::unique_ptr<gfx::TPicture>> pictures;
    std::vector<rtl::TRect> places;
    const grid::TCustomItemSelector* panel = selector->SelectorPanel();
    for (int i = 0; i < selector->Items().Count(); ++i) {
        rtl::TRect r = panel->GetItemRect(i);
        r.Top += panel->Top();
        r.Bottom += panel->Top();
        if (r.Bottom <= 0 || r.Top >= selector->ClientHeight()) continue;
        pictures.push_back(std::make_unique<gfx::TPicture>());
        pictures.back()->Assign(&p.Picker->Items().Items(i)->Image());
        places.push_back(r);
    }
    benchfloor::TPair pair;
    for (auto _ : state) {
        pair = benchfloor::Interleaved(
            25,
            [&] {
                popup->Invalidate();
                return benchfloor::Seconds([&] { popup->PaintPending(); });
            },
            [&] { return FloorPaint(pictures, places, popup->Width(), popup->Height()); });
    }
    if (!p.Picker->DroppedDown() || places.empty()) state.SkipWithError("the pop-up shows no page of pictures");
    state.counters["page_items"] = static_cast<double>(places.size());
    benchfloor::Report(state, pair, "under 2 ms");
}
BENCHMARK(BM_PaintOpenPickerPage)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
