// The design-time quick configuration panel: painted pixels, hit test, clicks, and silence at run time.
#include <gtest/gtest.h>

#include <memory>

#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"

using namespace grid;
using ui::THeadlessBackend;

namespace {

// Counts the editing-changed hook.
class TDesignGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    void DesignEditingChanged(bool Editing) override { Editing ? ++On : ++Off; }
    int On = 0;
    int Off = 0;
};

class ExtGridDesignHelperTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(0, 0, 500, 400);
        Grid = new TDesignGrid(Form);
        Grid->SetParent(Form);
        Form->Show();
        gfx::TBitmap bmp(10, 10);
        bmp.Canvas().Font().SetName("Tahoma");
        bmp.Canvas().Font().SetSize(8);
        Lh = bmp.Canvas().TextHeight("gh");
        R = Grid->ClientRect();
    }
    void TearDown() override { App.reset(); }
    gfx::TColor Pixel(int x, int y)
    {
        Form->PaintPending();
        return static_cast<gfx::TColor>(THeadlessBackend::Pixel(Grid, x, y));
    }
    int PanelTop() const { return R.Bottom - (4 * Lh + 18); }
    rtl::TPoint AllowEdit() const { return {R.Right - 150 + 25, R.Bottom - 3 * Lh - 12 + Lh / 2}; }
    rtl::TPoint ColumnNumbers() const { return {R.Right - 150 + 25, R.Bottom - 2 * Lh - 10 + Lh / 2}; }
    rtl::TPoint SetLook() const { return {R.Right - 150 + 10, R.Bottom - Lh - 8 + Lh / 2}; }
    rtl::TPoint Close() const { return {R.Right - 8, R.Bottom - 4 * Lh - 10}; }
    int HitTest(rtl::TPoint p)
    {
        ui::TMessage m{};
        m.LParam = (p.Y << 16) | (p.X & 0xFFFF);
        Grid->CMDesignHitTest(m);
        return static_cast<int>(m.Result);
    }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TDesignGrid* Grid = nullptr;
    int Lh = 0;
    rtl::TRect R{};
};

}  // namespace

TEST_F(ExtGridDesignHelperTest, NeverPaintsOrReactsAtRunTime)
{
    const gfx::TColor before = Pixel(R.Right - 140, PanelTop() + 2);
    EXPECT_NE(before, gfx::ColorToRGB(gfx::clInfoBk));
    EXPECT_EQ(Grid->DesignHelperHitTest(AllowEdit().X, AllowEdit().Y), 1);
    EXPECT_EQ(HitTest(AllowEdit()), 0);
    const auto options = Grid->Options();
    Grid->DesignHelperClick(AllowEdit().X, AllowEdit().Y);
    EXPECT_EQ(Grid->Options(), options);
    EXPECT_EQ(Grid->On + Grid->Off, 0);
}

TEST_F(ExtGridDesignHelperTest, PanelIsPaintedInTheBottomRightCorner)
{
    Grid->SetDesigning(true);
    Grid->Invalidate();
    EXPECT_EQ(Pixel(R.Right - 150, PanelTop() + 5), 0x808080u);
    EXPECT_EQ(Pixel(R.Right - 140, PanelTop() + 2), gfx::ColorToRGB(gfx::clInfoBk));
    EXPECT_EQ(Pixel(R.Right - 75, R.Bottom - 3), gfx::ColorToRGB(gfx::clInfoBk));
    EXPECT_NE(Pixel(R.Right - 152, PanelTop() + 5), 0x808080u);

    Grid->DesignHelperClick(Close().X, Close().Y);
    EXPECT_FALSE(Grid->ShowDesignHelper());
    EXPECT_NE(Pixel(R.Right - 140, PanelTop() + 2), gfx::ColorToRGB(gfx::clInfoBk));
}

TEST_F(ExtGridDesignHelperTest, HitTestFindsEachItemAndAsksForTheClick)
{
    Grid->SetDesigning(true);
    EXPECT_EQ(Grid->DesignHelperHitTest(AllowEdit().X, AllowEdit().Y), 1);
    EXPECT_EQ(Grid->DesignHelperHitTest(ColumnNumbers().X, ColumnNumbers().Y), 2);
    EXPECT_EQ(Grid->DesignHelperHitTest(SetLook().X, SetLook().Y), 3);
    EXPECT_EQ(Grid->DesignHelperHitTest(Close().X, Close().Y), 4);
    EXPECT_EQ(Grid->DesignHelperHitTest(R.Right - 160, SetLook().Y), 255);
    EXPECT_EQ(Grid->DesignHelperHitTest(10, 10), 255);
    EXPECT_EQ(HitTest(SetLook()), 1);
    EXPECT_EQ(HitTest({10, 10}), 0);
}

TEST_F(ExtGridDesignHelperTest, ClicksToggleEditingAndColumnNumbers)
{
    Grid->SetDesigning(true);
    const int width = Form->Width();
    ASSERT_EQ(Grid->Options() & ui::goEditing, 0u);
    Grid->DesignHelperClick(AllowEdit().X, AllowEdit().Y);
    EXPECT_NE(Grid->Options() & ui::goEditing, 0u);
    EXPECT_EQ(Grid->On, 1);
    Grid->DesignHelperClick(AllowEdit().X, AllowEdit().Y);
    EXPECT_EQ(Grid->Options() & ui::goEditing, 0u);
    EXPECT_EQ(Grid->Off, 1);
    const bool numbers = Grid->ShowColNrs();
    Grid->DesignHelperClick(ColumnNumbers().X, ColumnNumbers().Y);
    EXPECT_EQ(Grid->ShowColNrs(), !numbers);
    EXPECT_EQ(Form->Width(), width);
}

TEST_F(ExtGridDesignHelperTest, SetLookOffersTheLooksWithTheCurrentOneChecked)
{
    Grid->SetDesigning(true);
    Grid->DesignHelperClick(SetLook().X, SetLook().Y);
    ui::TPopupMenu* menu = Grid->DesignLookMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->Items().Count(), 9);
    std::vector<std::string> got;
    for (int i = 0; i < 9; ++i) got.push_back(menu->Items().Items(i)->Caption());
    EXPECT_EQ(got, (std::vector<std::string>{"Standard", "Soft", "Classic", "JYX", "ListView", "Office 2007",
                                              "Windows XP", "Windows Vista", "Windows 7"}));
    EXPECT_TRUE(menu->Items().Items(6)->Checked());
    EXPECT_FALSE(menu->Items().Items(0)->Checked());
    menu->Items().Items(4)->Click();
    EXPECT_EQ(Grid->Look(), glListView);
    menu->Items().Items(5)->Click();
    EXPECT_EQ(Grid->Look(), glOffice2007);
    menu->CloseMenu();
    EXPECT_EQ(TExtStringGrid::GetLookCaption(glOffice2007), "Office2007");
    EXPECT_EQ(TExtStringGrid::GetLookCaption(glCustom), "");
}
