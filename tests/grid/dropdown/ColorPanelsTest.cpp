// The colour cube and the colour spectrum on a headless form: cell centres and colours, hit
// tests, the hint, outlines on pixels; the spectrum's layout, hot colour and selection.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "grid/dropdown/ColorCubePanel.h"
#include "grid/dropdown/ColorSpectrumPanel.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

constexpr std::int32_t kBackground = 0xF0F0F0;

class ColorPanelsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(100, 100, 400, 300);
        Form->SetColor(kBackground);
        Cube = new TExtColorCubePanel(Form);
        Cube->SetParent(Form);
        Cube->SetParentColor(true);
        Cube->SetBounds(0, 0, 182, 160);
        Cube->OnSelect = [this](rtl::TObject* sender) { Events.push_back(sender); };
        Spectrum = new TExtColorSpectrumPanel(Form);
        Spectrum->SetParent(Form);
        Spectrum->SetParentColor(true);
        Spectrum->SetLeft(200);
        Spectrum->UpdateLayout();
        Spectrum->OnSelect = [this](rtl::TObject* sender) { Events.push_back(sender); };
        Form->Show();
        App->ActivateForm(Form);
        App->ProcessMessages();
    }

    std::int32_t CubePixel(rtl::TPoint p) const { return THeadlessBackend::Pixel(Cube, p.X, p.Y); }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtColorCubePanel* Cube = nullptr;
    TExtColorSpectrumPanel* Spectrum = nullptr;
    std::vector<rtl::TObject*> Events;
};

TEST_F(ColorPanelsTest, CubeCellsHaveTheirCentresColoursAndHitAreas)
{
    struct Cell {
        int number;
        rtl::TPoint centre;
        gfx::TColor color;
    };
    const Cell cells[] = {
        {1, {55, 20}, 0x663300},  {7, {127, 20}, 0x660000},  {8, {49, 30}, 0x666600},
        {64, {91, 80}, 0xFFFFFF}, {71, {25, 90}, 0x006633},  {127, {127, 140}, 0x2100A5},
    };
    for (const Cell& c : cells) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(Cube->CellCentre(c.number), c.centre);
        EXPECT_EQ(Cube->GetCubeCellColor(c.number), c.color);
        EXPECT_EQ(Cube->CellAtPos(c.centre.X, c.centre.Y), c.number);
        EXPECT_EQ(CubePixel(c.centre), static_cast<std::int32_t>(c.color));
    }
    EXPECT_EQ(Cube->CellAtPos(55, 26), 1);   // 6 pixels below the centre
    EXPECT_EQ(Cube->CellAtPos(55, 13), -1);  // 7 pixels above it
    EXPECT_EQ(Cube->CellAtPos(61, 20), 1);   // halfway to cell 2 belongs to the lower number
    EXPECT_EQ(Cube->CellAtPos(0, 0), -1);
    EXPECT_EQ(CubePixel({1, 1}), kBackground);
}

TEST_F(ColorPanelsTest, CubeCellNumbersOutsideTheCubeAreIgnored)
{
    for (int cell : {0, -1, 128, 1000}) {
        Cube->SetCubeCellColor(cell, gfx::clRed);
        EXPECT_EQ(Cube->GetCubeCellColor(cell), gfx::clNone) << cell;
    }
    Cube->SetCubeCellColor(5, gfx::clRed);
    EXPECT_EQ(Cube->GetCubeCellColor(5), gfx::clRed);
    Cube->InitCube();  // every opening starts from the standard colours
    EXPECT_EQ(Cube->GetCubeCellColor(5), 0x990000u);
}

TEST_F(ColorPanelsTest, CubeOutlinesTheHotAndSelectedCellsAndShowsTheChannels)
{
    const rtl::TPoint c = Cube->CellCentre(1);
    THeadlessBackend::MouseMove(Cube, c.X, c.Y + 1);
    App->ProcessMessages();
    EXPECT_EQ(Cube->HotIndex(), 1);
    EXPECT_EQ(Cube->Hint(), "Red: 0,  Green: 51,  Blue: 102");
    EXPECT_EQ(CubePixel({c.X - 5, c.Y}), 0x0000FF);    // outer outline (5, 3) in red
    EXPECT_EQ(CubePixel({c.X - 4, c.Y}), 0xFFFFFF);    // inner outline (4, 2) in white
    EXPECT_EQ(CubePixel({c.X - 3, c.Y}), 0x663300);    // the cell inside the outlines

    const rtl::TPoint d = Cube->CellCentre(64);
    THeadlessBackend::MouseMove(Cube, d.X, d.Y);
    App->ProcessMessages();
    EXPECT_EQ(Cube->Hint(), "Red: 255,  Green: 255,  Blue: 255");
    EXPECT_EQ(CubePixel({c.X - 5, c.Y}), 0x663300);    // the old hot cell lost its outline
    EXPECT_EQ(CubePixel({c.X - 4, c.Y}), 0x663300);

    // Out of the cube: the hint empties, the last hot cell keeps its outline.
    THeadlessBackend::MouseMove(Cube, 2, 2);
    App->ProcessMessages();
    EXPECT_EQ(Cube->Hint(), "");
    EXPECT_EQ(Cube->HotIndex(), 64);
    EXPECT_EQ(CubePixel({d.X - 5, d.Y}), 0x0000FF);

    const rtl::TPoint e = Cube->CellCentre(127);
    THeadlessBackend::Click(Cube, e.X, e.Y);
    App->ProcessMessages();
    EXPECT_EQ(Cube->SelectedIndex(), 127);
    EXPECT_EQ(Cube->SelectedColor(), 0x2100A5u);
    EXPECT_EQ(Events, std::vector<rtl::TObject*>{Cube});
    EXPECT_EQ(CubePixel({e.X - 5, e.Y}), 0x000000);    // selected: black outer outline

    Cube->SetSelectedColor(0x123456);
    EXPECT_EQ(Cube->SelectedIndex(), -1);
    Cube->SetSelectedColor(0xFFFFFF);
    EXPECT_EQ(Cube->SelectedIndex(), 64);
}

TEST_F(ColorPanelsTest, SpectrumLaysOutThePictureAndTwoSwatches)
{
    EXPECT_EQ(Spectrum->Width(), 150);
    EXPECT_EQ(Spectrum->Height(), 174);
    EXPECT_EQ(Spectrum->SpectrumImage()->BoundsRect(), rtl::Rect(11, 10, 139, 138));
    EXPECT_EQ(Spectrum->SelectedRect(), rtl::Rect(10, 146, 73, 166));
    EXPECT_EQ(Spectrum->HotRect(), rtl::Rect(77, 146, 140, 166));
    EXPECT_EQ(Spectrum->HotColor(), gfx::clNone);
    auto pixel = [this](int x, int y) { return THeadlessBackend::Pixel(Spectrum, x, y); };
    // The picture: white along the top, the pure hues at mid-height, black at the bottom.
    EXPECT_EQ(pixel(11, 10), 0xFFFFFF);
    EXPECT_EQ(pixel(11 + 64, 137), 0x000000);
    EXPECT_GE(pixel(11, 10 + 63) & 0xFF, 0xF0);              // red at the left edge
    EXPECT_LT((pixel(11, 10 + 63) >> 8) & 0xFF, 0x10);
    EXPECT_GE((pixel(11 + 42, 10 + 63) >> 8) & 0xFF, 0xF0);  // green a third across
    EXPECT_LT(pixel(11 + 42, 10 + 63) & 0xFF, 0x10);
    EXPECT_EQ(pixel(10, 9), 0xFFFFFF);                   // white outline around the picture
    EXPECT_EQ(pixel(9, 8), 0x808080);
    EXPECT_EQ(pixel(30, 156), 0xFFFFFF);                 // the selected swatch: white by default
    EXPECT_EQ(pixel(9, 145), 0x808080);
    EXPECT_EQ(pixel(100, 156), kBackground);             // no hot colour yet
}

TEST_F(ColorPanelsTest, SpectrumTakesTheColourUnderThePointerAndSelectsOnPress)
{
    ui::TImage* image = Spectrum->SpectrumImage();
    auto pixel = [this](int x, int y) { return THeadlessBackend::Pixel(Spectrum, x, y); };
    const std::int32_t shown = pixel(image->Left() + 80, image->Top() + 50);
    THeadlessBackend::MouseMove(image, 80, 50);
    App->ProcessMessages();
    EXPECT_EQ(static_cast<std::int32_t>(Spectrum->HotColor()), shown);
    EXPECT_EQ(pixel(100, 156), shown);

    std::vector<rtl::TObject*> hides;
    Spectrum->FOnShouldHide = [&](rtl::TObject* sender) { hides.push_back(sender); };
    THeadlessBackend::Click(image, 80, 50);
    App->ProcessMessages();
    EXPECT_EQ(static_cast<std::int32_t>(Spectrum->SelectedColor()), shown);
    EXPECT_EQ(pixel(30, 156), shown);
    EXPECT_EQ(Events, std::vector<rtl::TObject*>{Spectrum});
    EXPECT_EQ(hides, std::vector<rtl::TObject*>{Spectrum});

    Spectrum->UpdateLayout();  // each opening starts without a hot colour
    EXPECT_EQ(Spectrum->HotColor(), gfx::clNone);
}

}  // namespace
