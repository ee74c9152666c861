// Tests of the floating footer panel: painted pixels per footer style, the footer template, cell hit-testing, clicks and hint requests.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/grid/GridOnFormTest.h"
#include "grid/core/ExtGrid.h"
#include "grid/foundation/ExtUtilColors.h"
#include "grid/core/FooterPanel.h"
#include "grid/core/GridOptionsCells.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Forms.h"

using namespace grid;

namespace {

constexpr gfx::TColor Yellow = 0x00FFFF;
constexpr gfx::TColor Lime = 0x00FF00;
constexpr gfx::TColor Red = 0x0000FF;
constexpr gfx::TColor White = 0xFFFFFF;
constexpr gfx::TColor Gray = 0x808080;

class FooterPanelTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        MakeGridOnForm(true, 600);
        Grid->SetBounds(0, 0, 500, 300);
        Grid->SetColCount(5);
        Grid->SetColor(gfx::clWhite);
        Grid->FloatingFooter().SetColor(gfx::clYellow);
        Grid->FloatingFooter().SetVisible(true);
    }
    TFooterPanel& Panel() { return *Grid->FooterPanel(); }
    void Show()
    {
        Form->Show();
        App->ProcessMessages();
        Grid->Invalidate();
        Form->PaintPending();
    }
    gfx::TColor Pixel(int x, int y) { return static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(&Panel(), x, y)) & 0xFFFFFF; }
    // Whether any pixel of the rectangle differs from the colour.
    bool HasOtherThan(const rtl::TRect& r, gfx::TColor color)
    {
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (Pixel(x, y) != color) return true;
        return false;
    }
};

TEST_F(FooterPanelTest, ThePanelSitsAtTheGridsBottomOnceTheWindowExists)
{
    Show();
    EXPECT_EQ(Panel().Parent(), Grid);
    EXPECT_TRUE(Panel().Visible());
    EXPECT_EQ(Panel().Height(), 22);
    EXPECT_EQ(Panel().Top() + Panel().Height(), Grid->ClientHeight());
    Grid->FloatingFooter().SetVisible(false);
    EXPECT_FALSE(Panel().Visible());
    EXPECT_EQ(Panel().Height(), 0);
    Grid->FloatingFooter().SetVisible(true);
    EXPECT_TRUE(Panel().Visible());
    EXPECT_EQ(Panel().Height(), 21);
}

TEST_F(FooterPanelTest, LastRowFooterPaintsItsCellsAndTheGridColourBeyondThem)
{
    // Five columns of 64: the footer cells end at 320. A raised look without the header
    // gradient, so the footer colour shows inside the frames.
    Grid->SetLook(glSoft);
    Grid->SetCells(3, Grid->RowCount() - 1, "8888");
    Grid->OnGetCellColor = [](TSender, int ARow, int ACol, ui::TGridDrawState AState, gfx::TBrush* ABrush, gfx::TFont*) {
        if (ACol == 2 && AState == ui::gdFixed && ARow == 9) ABrush->SetColor(gfx::clLime);
    };
    Show();
    EXPECT_EQ(Pixel(100, 10), Yellow);
    EXPECT_EQ(Pixel(160, 10), Lime);
    EXPECT_EQ(Pixel(330, 10), White);
    EXPECT_TRUE(HasOtherThan(rtl::TRect{194, 2, 254, 20}, Yellow));  // the text of column 3
    EXPECT_FALSE(HasOtherThan(rtl::TRect{258, 2, 318, 20}, Yellow));  // column 4 is empty
    // Frames: a fixed horizontal line on top, the right edges of the scrolling columns
    // (where the soft look's 3D edge draws its dark line over the grey frame), a white left
    // edge in the raised looks.
    EXPECT_EQ(Pixel(100, 0), Grid->GridLineColor() & 0xFFFFFF);
    EXPECT_EQ(Pixel(127, 10), HalveColorIntensity(gfx::ColorToRGB(Grid->FixedColor())));
    EXPECT_EQ(Pixel(64, 10), White);
}

TEST_F(FooterPanelTest, CellColourOfTheLastRowFillsItsFooterCell)
{
    // A raised XP look paints its header gradient over the fixed footer cells; flat, the
    // footer colour shows.
    Grid->SetFlat(true);
    Grid->GetCellProperties(1, Grid->RowCount() - 1)->SetBrushColor(gfx::clLime);
    Show();
    EXPECT_EQ(Pixel(100, 10), Lime);
    EXPECT_EQ(Pixel(160, 10), Yellow);
}

TEST_F(FooterPanelTest, BorderColourDrawsALineAlongTheFooterCellsOnly)
{
    Grid->FloatingFooter().SetBorderColor(gfx::clRed);
    Show();
    EXPECT_EQ(Pixel(5, 0), Red);
    EXPECT_EQ(Pixel(319, 0), Red);
    EXPECT_NE(Pixel(330, 0), Red);
}

TEST_F(FooterPanelTest, FooterPaintEventReplacesTheTextOfScrollingColumns)
{
    Grid->SetLook(glSoft);  // the fixed column shows the footer colour, not a header gradient
    std::vector<int> painted;
    Grid->OnFooterPaint = [&](TSender, int AColumn, gfx::TCanvas* Canvas, const rtl::TRect& R) {
        painted.push_back(AColumn);
        Canvas->Brush().SetColor(gfx::clRed);
        Canvas->FillRect(R);
    };
    Show();
    painted.clear();
    Panel().Invalidate();
    Form->PaintPending();
    EXPECT_EQ(painted, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(Pixel(100, 10), Red);
    EXPECT_EQ(Pixel(30, 10), Yellow);
}

TEST_F(FooterPanelTest, ColumnPreviewShowsOneColumnOfTheCurrentRowInAFrame)
{
    Grid->FloatingFooter().SetFooterStyle(fsColumnPreview);
    Grid->FloatingFooter().SetColumn(2);
    Grid->SetCells(2, Grid->Row(), "WWWW");
    Show();
    EXPECT_EQ(Pixel(0, 10), White);        // left edge
    EXPECT_EQ(Pixel(100, 0), White);       // top edge
    EXPECT_EQ(Pixel(319, 10), Gray);       // right edge
    EXPECT_EQ(Pixel(100, Panel().ClientHeight() - 1), Gray);
    EXPECT_EQ(Pixel(200, 10), Yellow);
    EXPECT_TRUE(HasOtherThan(rtl::TRect{1, 1, 60, Panel().ClientHeight() - 1}, Yellow));
}

TEST_F(FooterPanelTest, CustomPaintLeavesTheWholePanelToTheEvent)
{
    Grid->FloatingFooter().SetFooterStyle(fsCustomPaint);
    Grid->FloatingFooter().SetColumn(3);
    int column = -1;
    rtl::TRect area{};
    Grid->OnFooterPaint = [&](TSender, int AColumn, gfx::TCanvas* Canvas, const rtl::TRect& R) {
        column = AColumn;
        area = R;
        Canvas->Brush().SetColor(gfx::clLime);
        Canvas->FillRect(R);
    };
    Show();
    EXPECT_EQ(column, 3);
    EXPECT_EQ(area, (rtl::TRect{0, 0, Panel().ClientWidth(), Panel().ClientHeight()}));
    EXPECT_EQ(Pixel(Panel().ClientWidth() - 2, 10), Lime);
}

TEST_F(FooterPanelTest, CustomPreviewFillsItsTemplateFromTheCurrentRow)
{
    Grid->FloatingFooter().SetFooterStyle(fsCustomPreview);
    Grid->FloatingFooter().SetCustomTemplate("<#1>");
    Show();
    EXPECT_FALSE(HasOtherThan(rtl::TRect{2, 3, 300, 18}, Yellow));
    Grid->SetCells(1, Grid->Row(), "<b>MMMM</b>");
    Show();
    EXPECT_TRUE(HasOtherThan(rtl::TRect{2, 3, 300, 18}, Yellow));
}

struct TemplateCase {
    const char* Template;
    const char* Expected;
};

class FooterTemplateTable : public ::testing::TestWithParam<TemplateCase> {};

TEST_P(FooterTemplateTable, TagsBecomeTheTextsOfTheCurrentRow)
{
    TExtStringGrid grid(nullptr);
    grid.SetCells(0, grid.Row(), "A");
    grid.SetCells(2, grid.Row(), "C");
    grid.SetCells(2, grid.Row() + 1, "not this row");
    EXPECT_EQ(grid.FooterPanel()->BuildFooterTemplate(GetParam().Template), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Templates, FooterTemplateTable,
                         ::testing::Values(TemplateCase{"x<#0>y", "xAy"}, TemplateCase{"<#2>-<#2>", "C-C"},
                                           TemplateCase{"<#a>z", "z"}, TemplateCase{"<#>z", "z"},
                                           TemplateCase{"plain", "plain"}, TemplateCase{"<#4>", ""},
                                           TemplateCase{"tail <#2", "tail "}, TemplateCase{"a <#0>> b", "a A> b"}));

TEST_F(FooterPanelTest, PointsMapToTheLastRowAndTheColumnWhoseWidthsReachThem)
{
    struct Case {
        int X;
        int Col;
    };
    for (Case c : {Case{-5, 0}, Case{0, 0}, Case{1, 0}, Case{64, 0}, Case{65, 1}, Case{320, 4}, Case{900, 4}}) {
        int row = -1;
        int col = -1;
        Panel().MouseToCell(c.X, 7, row, col);
        EXPECT_EQ(row, Grid->RowCount() - 1) << c.X;
        EXPECT_EQ(col, c.Col) << c.X;
    }
}

TEST_F(FooterPanelTest, ClickOnTheFooterIsAClickOnTheGridsLastRow)
{
    Show();
    std::vector<std::string> log;
    Grid->OnClick = [&](TSender s) { log.push_back(s == Grid ? "click" : "click from elsewhere"); };
    Grid->OnClickCell = [&](TSender, int ARow, int ACol) {
        log.push_back("cell " + std::to_string(ACol) + "," + std::to_string(ARow));
    };
    for (int x : {100, 450}) {
        Panel().Perform(ui::WM_LBUTTONDOWN, ui::MK_LBUTTON, ui::MAKELPARAM(x, 5));
        Panel().Perform(ui::WM_LBUTTONUP, 0, ui::MAKELPARAM(x, 5));
    }
    EXPECT_EQ(log, (std::vector<std::string>{"click", "cell 1,9", "click", "cell 4,9"}));
}

TEST_F(FooterPanelTest, HintRequestsAskTheGridForTheColumnUnderTheCursor)
{
    std::vector<int> asked;
    Grid->OnGridHint = [&](TSender, int ARow, int ACol, std::string& hint) {
        asked.push_back(ACol);
        EXPECT_EQ(ARow, Grid->RowCount() - 1);
        hint = "total";
    };
    std::string hint;
    EXPECT_EQ(Panel().HintShow(100, hint), 1);  // ShowHint off: no hint shown
    EXPECT_EQ(Panel().LastHintX(), -1);
    Grid->FloatingFooter().SetShowHint(true);
    hint.clear();
    EXPECT_EQ(Panel().HintShow(100, hint), 0);
    EXPECT_EQ(hint, "total");
    EXPECT_EQ(Panel().LastHintX(), 1);
    hint.clear();
    EXPECT_EQ(Panel().HintShow(900, hint), 0);  // beyond the last column: no column hint
    EXPECT_EQ(hint, "");
    EXPECT_EQ(Panel().LastHintX(), -1);
    EXPECT_EQ(asked, (std::vector<int>{1, 1}));
}

TEST(FooterPanelOwner, APanelNeedsAGridAsOwner)
{
    EXPECT_THROW(TFooterPanel(nullptr), rtl::EInvalidCast);
    rtl::TComponent other(nullptr);
    EXPECT_THROW(TFooterPanel{&other}, rtl::EInvalidCast);
}

}  // namespace
