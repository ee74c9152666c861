// Tests of the string grid's cell drawing pipeline on real pixels: header looks, colours, borders, focus rectangle, user draw events, gallery.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/FooterPanel.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/core/GridOptionsSort.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StyleServices.h"
#include "tests/support/TempDir.h"

using namespace grid;

namespace {

class CellPipelineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(0, 0, 600, 400);
        Grid = new TExtStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 560, 360);
        Grid->SetColor(gfx::clWhite);
    }
    void TearDown() override { App.reset(); }
    void Show()
    {
        Form->Show();
        App->ProcessMessages();
    }
    void Repaint()
    {
        Grid->Invalidate();
        Form->PaintPending();
    }
    gfx::TColor Pixel(int x, int y) const
    {
        return static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(Grid, x, y)) & 0xFFFFFF;
    }
    gfx::TColor CentrePixel(int c, int r) const
    {
        rtl::TRect rc = Grid->CellRect(c, r);
        return Pixel((rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2);
    }
    // Pixels of the cell (inside its lines) that differ from the background colour.
    int Ink(int c, int r, gfx::TColor background) const
    {
        rtl::TRect rc = Grid->CellRect(c, r);
        int ink = 0;
        for (int x = rc.Left + 1; x < rc.Right - 2; ++x)
            for (int y = rc.Top + 1; y < rc.Bottom - 2; ++y) ink += Pixel(x, y) != background;
        return ink;
    }
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtStringGrid* Grid = nullptr;
};

int Brightness(gfx::TColor c) { return int(c & 0xFF) + int((c >> 8) & 0xFF) + int((c >> 16) & 0xFF); }

// --- header looks

struct LookCase {
    TGridLook Look;
    bool Gradient;  // the header runs from light at the top to darker at the bottom
};

class HeaderLookTest : public CellPipelineTest, public ::testing::WithParamInterface<LookCase> {};

TEST_P(HeaderLookTest, FixedCellsShowTheirLooksHeader)
{
    const LookCase lc = GetParam();
    Grid->SetLook(lc.Look);
    Show();
    Repaint();
    rtl::TRect h = Grid->CellRect(2, 0);
    const int x = (h.Left + h.Right) / 2;
    const gfx::TColor top = Pixel(x, h.Top + 3);
    const gfx::TColor bottom = Pixel(x, h.Bottom - 4);
    if (lc.Gradient)
        EXPECT_GT(Brightness(top), Brightness(bottom)) << std::hex << top << " " << bottom;
    else
        EXPECT_EQ(top, bottom) << std::hex << top << " " << bottom;
    // Normal cells keep the grid colour.
    EXPECT_EQ(CentrePixel(2, 2), gfx::clWhite);
}

INSTANTIATE_TEST_SUITE_P(Looks, HeaderLookTest,
                         ::testing::Values(LookCase{glStandard, false}, LookCase{glSoft, false},
                                           LookCase{glClassic, false}, LookCase{glListView, false},
                                           LookCase{glXP, true}, LookCase{glJyx, true}, LookCase{glVista, true},
                                           LookCase{glWin7, true}, LookCase{glOffice2007, true}));

TEST_F(CellPipelineTest, NewGridPaintsItsHeadersAsAWhiteToButtonFaceGradientWhateverTheFixedColour)
{
    Grid->SetFixedColor(gfx::clPurple);
    Grid->SetFlat(true);
    Show();
    Repaint();
    rtl::TRect h = Grid->CellRect(1, 0);
    const int x = (h.Left + h.Right) / 2;
    EXPECT_GT(Brightness(Pixel(x, h.Top + 1)), Brightness(Pixel(x, h.Bottom - 3)));
    EXPECT_NE(Pixel(x, h.Top + 5), gfx::clPurple);
    EXPECT_GE(Brightness(Pixel(x, h.Top + 1)), 3 * 0xF8);
}

TEST_F(CellPipelineTest, SortedColumnHeaderAndActiveCellHeadersTakeTheirOwnColours)
{
    Grid->SortSettings().SetColumn(2);
    Grid->SortSettings().SetHeaderColor(gfx::clLime);
    Grid->SortSettings().SetHeaderColorTo(gfx::clLime);
    Grid->SetActiveCellShow(true);
    Grid->SetActiveCellColor(gfx::clAqua);
    Grid->SetActiveCellColorTo(gfx::clAqua);
    Show();
    Grid->SetRow(3);
    Grid->SetCol(3);
    Repaint();
    EXPECT_EQ(CentrePixel(2, 0), gfx::clLime);
    EXPECT_EQ(CentrePixel(3, 0), gfx::clAqua);  // header of the current column
    EXPECT_EQ(CentrePixel(0, 3), gfx::clAqua);  // header of the current row
    EXPECT_NE(CentrePixel(1, 0), gfx::clLime);
}

TEST_F(CellPipelineTest, HeaderUnderAMovedColumnIsPaintedPressedOnlyWhileTheMoveLasts)
{
    Grid->SetOptions(Grid->Options() | ui::goColMoving);
    Grid->SetJyxGradientDownFrom(gfx::clRed);
    Grid->SetJyxGradientDownTo(gfx::clRed);
    Grid->SetJyxGradientDownBorder(gfx::clRed);
    Show();
    const rtl::TRect from = Grid->CellRect(2, 0);
    const rtl::TRect to = Grid->CellRect(3, 0);
    const int y = (from.Top + from.Bottom) / 2;
    // Dragged by its middle to the left part of the next header: the drag button follows
    // the mouse and leaves the right end of the header under the mouse in view.
    ui::THeadlessBackend::MouseDown(Grid, (from.Left + from.Right) / 2, y);
    for (int x = (from.Left + from.Right) / 2; x <= to.Left + 8; x += 4) ui::THeadlessBackend::MouseMove(Grid, x, y);
    ASSERT_EQ(Grid->GridState(), ui::gsColMoving);
    Repaint();
    EXPECT_EQ(Pixel(to.Right - 6, y), gfx::clRed);
    EXPECT_NE(CentrePixel(4, 0), gfx::clRed);
    ui::THeadlessBackend::MouseUp(Grid, to.Left + 8, y);
    Repaint();
    EXPECT_NE(Pixel(to.Right - 6, y), gfx::clRed);
}

// --- colours of normal cells

struct ColourCase {
    const char* Name;
    std::function<void(TExtStringGrid&)> Setup;
    gfx::TColor Expected;
};

class CellColourTest : public CellPipelineTest, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(CellColourTest, CellTakesTheColourOfItsRule)
{
    Show();
    Grid->SetRow(1);
    Grid->SetCol(1);
    GetParam().Setup(*Grid);
    Repaint();
    EXPECT_EQ(CentrePixel(2, 2), GetParam().Expected) << GetParam().Name << " " << std::hex << CentrePixel(2, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CellColourTest,
    ::testing::Values(
        ColourCase{"own", [](TExtStringGrid& g) { g.CellProperties(2, 2)->SetBrushColor(gfx::clYellow); }, gfx::clYellow},
        ColourCase{"band",
                   [](TExtStringGrid& g) {
                       g.Bands().SetPrimaryColor(gfx::clSilver);
                       g.Bands().SetSecondaryColor(gfx::clAqua);
                       g.Bands().SetPrimaryLength(1);
                       g.Bands().SetSecondaryLength(2);
                       g.Bands().SetActive(true);
                   },
                   gfx::clAqua},
        ColourCase{"auto negative",
                   [](TExtStringGrid& g) {
                       g.AutoColor().NegativeNumber().SetBkgColor(gfx::clRed);
                       g.SetCells(2, 2, "-3");
                   },
                   gfx::clRed},
        ColourCase{"fixed by event",
                   [](TExtStringGrid& g) {
                       g.OnIsFixedCell = [](TSender, int r, int c, bool& f) { f = f || (r == 2 && c == 2); };
                       g.SetLook(glStandard);
                       g.SetFixedColor(gfx::clPurple);
                   },
                   gfx::clPurple},
        ColourCase{"selected",
                   [](TExtStringGrid& g) {
                       g.SetSelectionColor(gfx::clBlue);
                       g.SetOptions(g.Options() | ui::goRangeSelect);
                       g.SetSelection(rtl::TRect{1, 1, 3, 3});
                   },
                   gfx::clBlue},
        ColourCase{"mixed selection",
                   [](TExtStringGrid& g) {
                       g.SetSelectionColor(0x0000FF);
                       g.SetSelectionColorMixer(true);
                       g.CellProperties(2, 2)->SetBrushColor(0x00FF00);
                       g.SetOptions(g.Options() | ui::goRangeSelect);
                       g.SetSelection(rtl::TRect{1, 1, 3, 3});
                   },
                   0x008080}),
    [](const ::testing::TestParamInfo<ColourCase>& info) {
        std::string n = info.param.Name;
        for (char& ch : n)
            if (ch == ' ') ch = '_';
        return n;
    });

TEST(SelectionColourMixing, BlendsByThePercentageAndClampsTheFactor)
{
    struct Case {
        gfx::TColor C1, C2;
        int P;
        gfx::TColor Expected;
    };
    for (const Case& c : {Case{0x0000FF, 0x00FF00, 50, 0x008080}, Case{0x0000FF, 0x00FF00, 0, 0x00FF00},
                          Case{0x0000FF, 0x00FF00, 100, 0x0000FF}, Case{0x0000FF, 0x00FF00, 150, 0x0000FF},
                          Case{gfx::clNone, 0x00FF00, 50, 0x00FF00}, Case{0x0000FF, gfx::clNone, 50, 0x0000FF},
                          Case{0xFFFFFF, 0x000000, 25, 0x404040}})
        EXPECT_EQ(TExtStringGrid::BlendColorsPercent(c.C1, c.C2, c.P), c.Expected) << c.P;

    ui::TApplication app;
    app.SetBackend(std::make_unique<ui::THeadlessBackend>());
    TExtStringGrid g(nullptr);
    g.SetSelectionColorMixerFactor(150);
    EXPECT_EQ(g.SelectionColorMixerFactor(), 100);
    g.SetSelectionColorMixerFactor(-5);
    EXPECT_EQ(g.SelectionColorMixerFactor(), 0);
    // A cell in the grid's own colour takes the selection colour unmixed.
    g.SetSelectionColorMixer(true);
    g.SetSelectionColorMixerFactor(50);
    g.SetSelectionColor(0x0000FF);
    EXPECT_EQ(g.SelectionMixColor(g.Color()), 0x0000FFu);
}

// --- borders, focus rectangle, marks

TEST_F(CellPipelineTest, BorderEventDrawsTheAskedEdgesInItsPensAndPropertyEventChangesOnePen)
{
    Grid->OnGetCellBorder = [](TSender, int r, int c, gfx::TPen* pen, TCellBorders& b) {
        if (r == 2 && c == 2) {
            pen->SetColor(gfx::clRed);
            b = TCellBorders{cbLeft, cbBottom};
        }
    };
    Grid->OnGetCellBorderProp = [](TSender, int r, int c, gfx::TPen*, gfx::TPen*, gfx::TPen*, gfx::TPen* bottom) {
        if (r == 2 && c == 2) bottom->SetColor(gfx::clBlue);
    };
    Show();
    Repaint();
    rtl::TRect rc = Grid->CellRect(2, 2);
    const int midY = (rc.Top + rc.Bottom) / 2;
    const int midX = (rc.Left + rc.Right) / 2;
    bool redLeft = false;
    for (int x = rc.Left; x < rc.Left + 3; ++x) redLeft = redLeft || Pixel(x, midY) == gfx::clRed;
    bool blueBottom = false;
    for (int y = rc.Bottom - 4; y < rc.Bottom; ++y) blueBottom = blueBottom || Pixel(midX, y) == gfx::clBlue;
    EXPECT_TRUE(redLeft);
    EXPECT_TRUE(blueBottom);
    for (int y = rc.Top; y < rc.Top + 3; ++y) EXPECT_NE(Pixel(midX, y), gfx::clRed);
    EXPECT_EQ(Ink(3, 2, gfx::clWhite), 0);
}

TEST_F(CellPipelineTest, FocusRectangleFramesTheCurrentCellOnlyWhileTheGridHasTheFocus)
{
    auto* other = new TExtStringGrid(Form);
    other->SetParent(Form);
    other->SetBounds(0, 365, 100, 30);
    Grid->SetSelectionColor(gfx::clWhite);
    Grid->SetSelectionTextColor(gfx::clBlack);
    Show();
    Grid->SetFocus();
    Grid->SetRow(2);
    Grid->SetCol(2);
    Repaint();
    // The dotted frame runs along the cell's top edge, every other pixel.
    auto frameDots = [&](int c, int r) {
        rtl::TRect rc = Grid->CellRect(c, r);
        int dots = 0;
        for (int x = rc.Left; x < rc.Right - 1; ++x) dots += Pixel(x, rc.Top) != gfx::clWhite;
        return dots;
    };
    EXPECT_GT(frameDots(2, 2), 20);
    EXPECT_EQ(frameDots(3, 2), 0);
    other->SetFocus();
    Repaint();
    EXPECT_EQ(frameDots(2, 2), 0);
    Grid->SetFocus();
    Grid->SetHideFocusRect(true);
    Repaint();
    EXPECT_EQ(frameDots(2, 2), 0);
}

TEST_F(CellPipelineTest, ModifiedRowShowsABarAtTheRightOfItsFirstCell)
{
    Grid->ShowModified().SetEnabled(true);
    Grid->ShowModified().SetColor(gfx::clRed);
    Grid->SetRowModified(3, true);
    Show();
    Repaint();
    rtl::TRect rc = Grid->CellRect(0, 3);
    EXPECT_EQ(Pixel(rc.Right - 4, (rc.Top + rc.Bottom) / 2), gfx::clRed);
    rtl::TRect r4 = Grid->CellRect(0, 4);
    EXPECT_NE(Pixel(r4.Right - 4, (r4.Top + r4.Bottom) / 2), gfx::clRed);
}

TEST_F(CellPipelineTest, RowIndicatorIsDrawnInTheFixedCellOfTheCurrentRowAndTheTextMovesRight)
{
    gfx::TBitmap arrow(8, 8);
    arrow.Canvas().Brush().SetColor(gfx::clRed);
    arrow.Canvas().FillRect(rtl::TRect{0, 0, 8, 8});
    arrow.Canvas().SetPixels(0, 0, gfx::clWhite);  // the transparent colour is taken from this corner
    Grid->RowIndicator().Assign(&arrow);
    Show();
    Grid->SetRow(2);
    Repaint();
    rtl::TRect rc = Grid->CellRect(0, 2);
    EXPECT_EQ(Pixel(rc.Left + 4, rc.Top + 3), gfx::clRed);
    rtl::TRect other = Grid->CellRect(0, 3);
    EXPECT_NE(Pixel(other.Left + 4, other.Top + 3), gfx::clRed);
}

TEST_F(CellPipelineTest, AlwaysVisibleDropDownButtonsShowInNormalCellsOfComboKind)
{
    Grid->SetDefaultEditor(edComboList);
    Show();
    Repaint();
    auto rightInk = [&](int c, int r) {
        rtl::TRect rc = Grid->CellRect(c, r);
        int ink = 0;
        for (int x = rc.Right - 14; x < rc.Right - 3; ++x)
            for (int y = rc.Top + 2; y < rc.Bottom - 2; ++y) ink += Pixel(x, y) != gfx::clWhite;
        return ink;
    };
    EXPECT_EQ(rightInk(2, 3), 0);
    Grid->ControlLook().SetDropDownAlwaysVisible(true);
    Repaint();
    EXPECT_GT(rightInk(2, 3), 30);
    EXPECT_GT(rightInk(3, 5), 30);
    Grid->SetDefaultEditor(edNormal);
    Repaint();
    EXPECT_EQ(rightInk(2, 3), 0);
}

TEST_F(CellPipelineTest, TreeLinesJoinTheRowsOfANodeInTheNodeColumn)
{
    Grid->SetFixedCols(0);
    Grid->CellNode().SetTreeColor(gfx::clRed);
    Grid->AddNode(2, 4);
    Show();
    Repaint();
    auto red = [&](int r) {
        rtl::TRect rc = Grid->CellRect(0, r);
        int n = 0;
        for (int x = rc.Left; x < rc.Right; ++x)
            for (int y = rc.Top; y < rc.Bottom; ++y) n += Pixel(x, y) == gfx::clRed;
        return n;
    };
    EXPECT_GT(red(3), 5);   // rows inside the node
    EXPECT_GT(red(4), 5);
    EXPECT_EQ(red(7), 0);   // a row after it
    EXPECT_EQ(red(1), 0);   // a row before it
    Grid->CellNode().SetShowTree(false);
    Repaint();
    EXPECT_EQ(red(3), 0);
}

// --- user draw events

TEST_F(CellPipelineTest, UserDrawEventsFireInOrderEachPaintingOverThePreviousOne)
{
    Grid->SetCells(2, 2, "WWW");
    Grid->OnGetAlignment = [](TSender, int r, int c, ui::TAlignment& h, TVAlignment&) {
        if (r == 2 && c == 2) h = ui::taRightJustify;
    };
    std::vector<std::string> order;
    auto fill = [](gfx::TCanvas* c, const rtl::TRect& r, gfx::TColor col) {
        c->Brush().SetColor(col);
        c->FillRect(r);
    };
    Grid->OnCustomCellBkgDraw = [&](TSender, gfx::TCanvas* c, int col, int row, ui::TGridDrawState, const rtl::TRect& r,
                                    bool) {
        if (col == 2 && row == 2) {
            order.push_back("bkg");
            fill(c, r, gfx::clRed);
        }
    };
    Grid->OnDrawCell = [&](rtl::TObject*, int col, int row, const rtl::TRect& r, ui::TGridDrawState) {
        if (col == 2 && row == 2) {
            order.push_back("draw");
            fill(&Grid->Canvas(), rtl::TRect{r.Left, r.Top, (r.Left + r.Right) / 2, r.Bottom}, gfx::clLime);
        }
    };
    Grid->OnCustomCellDraw = [&](TSender, gfx::TCanvas* c, int col, int row, ui::TGridDrawState, const rtl::TRect& r,
                                 bool) {
        if (col == 2 && row == 2) {
            order.push_back("custom");
            fill(c, rtl::TRect{r.Left, r.Top, r.Left + 8, r.Bottom}, gfx::clBlue);
        }
    };
    Show();
    order.clear();
    Repaint();
    EXPECT_EQ(order, (std::vector<std::string>{"bkg", "draw", "custom"}));
    rtl::TRect rc = Grid->CellRect(2, 2);
    const int midY = (rc.Top + rc.Bottom) / 2;
    EXPECT_EQ(Pixel(rc.Left + 4, midY), gfx::clBlue);
    EXPECT_EQ(Pixel(rc.Left + 20, midY), gfx::clLime);
    // The text stage ran between the background event and OnDrawCell: its ink shows on the
    // red right half, which OnDrawCell left alone.
    int text = 0;
    int red = 0;
    for (int x = (rc.Left + rc.Right) / 2 + 1; x < rc.Right - 2; ++x)
        for (int y = rc.Top + 1; y < rc.Bottom - 2; ++y) {
            text += Pixel(x, y) != gfx::clRed && Pixel(x, y) != Grid->GridLineColor();
            red += Pixel(x, y) == gfx::clRed;
        }
    EXPECT_GT(text, 0);
    EXPECT_GT(red, 0);
}

TEST_F(CellPipelineTest, NoDefaultDrawDropsTheTextOnlyWhenAUserDrawEventIsAssigned)
{
    Grid->SetCells(2, 2, "WWWW");
    Grid->SetNoDefaultDraw(true);
    Show();
    Repaint();
    EXPECT_GT(Ink(2, 2, gfx::clWhite), 0);
    Grid->OnCustomCellDraw = [](TSender, gfx::TCanvas*, int, int, ui::TGridDrawState, const rtl::TRect&, bool) {};
    Repaint();
    EXPECT_EQ(Ink(2, 2, gfx::clWhite), 0);
}

TEST_F(CellPipelineTest, ZoomFactorChangesTheFontSizeButNeverToZero)
{
    int seen = -1;
    Grid->OnCustomCellDraw = [&](TSender, gfx::TCanvas* c, int col, int row, ui::TGridDrawState, const rtl::TRect&,
                                 bool) {
        if (col == 2 && row == 2) seen = c->Font().Size();
    };
    Grid->Font().SetSize(10);
    Show();
    Grid->Zoom(-10);
    Repaint();
    EXPECT_EQ(seen, 1);
    Grid->Zoom(12);
    Repaint();
    EXPECT_EQ(seen, 12);
}

TEST_F(CellPipelineTest, OnPaintedFiresOnceAfterEveryPaint)
{
    int painted = 0;
    Grid->OnPainted = [&](TSender, gfx::TCanvas*) { ++painted; };
    Show();
    painted = 0;
    Repaint();
    EXPECT_EQ(painted, 1);
}

TEST_F(CellPipelineTest, SortedColumnHeaderShowsItsGlyphBesideTheText)
{
    Grid->SetLook(glStandard);
    Grid->SetCells(2, 0, "A");
    Grid->SortSettings().SetShow(true);
    Grid->SortSettings().SetColumn(2);
    Show();
    Repaint();
    const gfx::TColor face = CentrePixel(4, 0);
    const int withGlyph = Ink(2, 0, face);
    Grid->SortSettings().SetShow(false);
    Repaint();
    EXPECT_GT(withGlyph, Ink(2, 0, face) + 5);
}

// --- background picture and gradient

TEST_F(CellPipelineTest, PlacedBackgroundPictureShowsInTheNormalCellsItCoversOnly)
{
    gfx::TBitmap pic(40, 40);
    pic.Canvas().Brush().SetColor(gfx::clRed);
    pic.Canvas().FillRect(rtl::TRect{0, 0, 40, 40});
    Grid->BackGround().SetBitmap(&pic);
    Grid->BackGround().SetDisplay(bdFixed);
    const rtl::TRect target = Grid->CellRect(2, 2);
    Grid->BackGround().SetLeft(target.Left);
    Grid->BackGround().SetTop(target.Top);
    Show();
    Repaint();
    EXPECT_EQ(Pixel(target.Left + 5, target.Top + 5), gfx::clRed);
    EXPECT_EQ(CentrePixel(4, 4), gfx::clWhite);
    // Placed beyond the grid's width it shows nowhere.
    Grid->BackGround().SetLeft(600);
    Repaint();
    EXPECT_EQ(Pixel(target.Left + 5, target.Top + 5), gfx::clWhite);
}

TEST_F(CellPipelineTest, TiledBackgroundContinuesItsPatternFromCellToCell)
{
    gfx::TBitmap pic(64, 8);
    pic.Canvas().Brush().SetColor(gfx::clRed);
    pic.Canvas().FillRect(rtl::TRect{0, 0, 32, 8});
    pic.Canvas().Brush().SetColor(gfx::clBlue);
    pic.Canvas().FillRect(rtl::TRect{32, 0, 64, 8});
    for (int c = 0; c < Grid->ColCount(); ++c) Grid->SetColWidths(c, 40);
    Grid->BackGround().SetBitmap(&pic);
    Grid->BackGround().SetDisplay(bdTile);
    Show();
    Repaint();
    // Column 1 starts at the bitmap's left edge, column 2 forty pixels into it.
    EXPECT_EQ(Pixel(Grid->CellRect(1, 2).Left + 3, Grid->CellRect(1, 2).Top + 3), gfx::clRed);
    EXPECT_EQ(Pixel(Grid->CellRect(2, 2).Left + 3, Grid->CellRect(2, 2).Top + 3), gfx::clBlue);
}

TEST_F(CellPipelineTest, BackgroundGradientRunsBehindTheCellsAndOverTheAreaOutsideThem)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(3);
    Grid->BackGround().SetDisplay(bdGradientHorz);
    Grid->BackGround().SetColor(gfx::clRed);
    Grid->BackGround().SetColorTo(gfx::clBlue);
    Show();
    Repaint();
    const gfx::TColor outsideLeft = Pixel(10, 300);
    const gfx::TColor outsideRight = Pixel(550, 300);
    EXPECT_GT(gfx::GetRValue(outsideLeft), gfx::GetBValue(outsideLeft));
    EXPECT_GT(gfx::GetBValue(outsideRight), gfx::GetRValue(outsideRight));
    EXPECT_NE(CentrePixel(1, 1), gfx::clWhite);
    // Without an end colour the area outside stays as the platform leaves it.
    Grid->BackGround().SetColorTo(gfx::clNone);
    const gfx::TColor before = Pixel(550, 300);
    Repaint();
    EXPECT_NE(Pixel(550, 300), before);
}

// --- disabled rows, visual styles, themed headers, the floating footer

TEST_F(CellPipelineTest, DisabledRowsAndADisabledGridDrawTheirTextInTheDisabledFontColour)
{
    for (int r = 0; r < 5; ++r)
        for (int c = 1; c < 3; ++c) Grid->SetCells(c, r, "WWWW");
    Grid->SetDisabledFontColor(gfx::clRed);
    Show();
    Grid->SetRow(1);
    Repaint();
    Grid->SetRowEnabled(3, false);  // repaints the row
    Form->PaintPending();
    auto redInk = [&](int c, int r) {
        const rtl::TRect rc = Grid->CellRect(c, r);
        int n = 0;
        for (int x = rc.Left + 1; x < rc.Right - 2; ++x)
            for (int y = rc.Top + 1; y < rc.Bottom - 2; ++y) {
                const gfx::TColor p = Pixel(x, y);
                n += (p & 0xFF) > 0xC0 && ((p >> 8) & 0xFF) < 0x60 && ((p >> 16) & 0xFF) < 0x60;
            }
        return n;
    };
    EXPECT_GT(redInk(2, 3), 10);
    EXPECT_EQ(redInk(2, 4), 0);
    EXPECT_GT(Ink(2, 4, gfx::clWhite), 10) << "an enabled row keeps its black text";
    EXPECT_EQ(redInk(2, 2), 0);
    // Without UseDisabledFont a disabled row looks like any other.
    Grid->SetUseDisabledFont(false);
    Repaint();
    EXPECT_EQ(redInk(2, 3), 0);
    // A disabled grid greys every cell, headers included.
    Grid->SetUseDisabledFont(true);
    Grid->SetEnabled(false);  // repaints the grid
    Form->PaintPending();
    for (int r : {0, 2, 4}) EXPECT_GT(redInk(2, r), 10) << "row " << r;
}

// A style that colours fixed and selected cells and gives nothing else.
class TTealStyle : public ui::TStyleServices {
public:
    static constexpr gfx::TColor FixedFill = 0x808000;
    static constexpr gfx::TColor SelectedFill = 0x800080;
    bool Enabled() const override { return true; }
    std::string Name() const override { return "Teal"; }
    bool GetElementColor(ui::TStyleGridCell cell, ui::TStyleElementColor element, gfx::TColor& color) const override
    {
        if (element != ui::TStyleElementColor::Fill) return false;
        if (cell == ui::TStyleGridCell::Fixed) color = FixedFill;
        else if (cell == ui::TStyleGridCell::Selected) color = SelectedFill;
        else return false;
        return true;
    }
};

// The system's own style again when a test ends, whatever it checked.
struct TStyleGuard {
    ~TStyleGuard() { ui::SetStyleServices(nullptr); }
};

TEST_F(CellPipelineTest, AnActiveStyleDrawsFixedAndSelectedCellsAsItsElements)
{
    TStyleGuard guard;
    Grid->SetOptions(Grid->Options() | ui::goRangeSelect);
    Show();
    ui::SetStyleServices(std::make_unique<TTealStyle>());
    Grid->CellProperties(3, 3)->SetBrushColor(gfx::clYellow);  // given after the style recoloured the cells
    Grid->SetSelection(rtl::TRect{1, 1, 2, 2});
    Repaint();
    EXPECT_EQ(CentrePixel(2, 0), TTealStyle::FixedFill) << "a header, not the look's gradient";
    EXPECT_EQ(CentrePixel(0, 3), TTealStyle::FixedFill);
    EXPECT_EQ(CentrePixel(2, 2), TTealStyle::SelectedFill);
    EXPECT_EQ(CentrePixel(3, 3), gfx::clYellow) << "a cell's own colour stays";
    EXPECT_EQ(CentrePixel(4, 4), gfx::clWhite);
    // A grid that does not follow the style paints as before.
    Grid->SetUseStyleServices(false);
    Repaint();
    EXPECT_NE(CentrePixel(2, 0), TTealStyle::FixedFill);
    EXPECT_NE(CentrePixel(2, 2), TTealStyle::SelectedFill);
}

// Visual themes on while a test runs.
struct TThemesOn {
    TThemesOn() { gfx::SetThemesActive(true); }
    ~TThemesOn() { gfx::SetThemesActive(false); }
};

TEST_F(CellPipelineTest, ListViewHeadersUnderVisualThemesAreHeaderItemsHotUnderTheCursor)
{
    Grid->SetLook(glListView);
    Show();
    Repaint();
    EXPECT_EQ(CentrePixel(2, 0), gfx::ColorToRGB(gfx::clBtnFace)) << "classic list-view header";
    TThemesOn themes;
    Repaint();
    const gfx::TColor normal = 0xFFFFFF, hot = gfx::RGB(217, 235, 249), pressed = gfx::RGB(188, 220, 244);
    EXPECT_EQ(CentrePixel(2, 0), normal);
    const rtl::TRect h = Grid->CellRect(2, 0);
    EXPECT_EQ(Pixel((h.Left + h.Right) / 2, h.Top), gfx::clWhite) << "the white line along the top";
    ui::THeadlessBackend::MouseMove(Grid, (h.Left + h.Right) / 2, (h.Top + h.Bottom) / 2);
    Repaint();
    EXPECT_EQ(CentrePixel(2, 0), hot);
    EXPECT_EQ(CentrePixel(3, 0), normal);
    ui::THeadlessBackend::MouseDown(Grid, (h.Left + h.Right) / 2, (h.Top + h.Bottom) / 2);
    Repaint();
    EXPECT_EQ(CentrePixel(2, 0), pressed);
    ui::THeadlessBackend::MouseUp(Grid, (h.Left + h.Right) / 2, (h.Top + h.Bottom) / 2);
    // Flat list-view headers keep the base painter's fill.
    Grid->SetFlat(true);
    Repaint();
    EXPECT_NE(CentrePixel(3, 0), normal);
}

TEST_F(CellPipelineTest, FloatingFooterCellsShowTheFootersColourWhateverTheHeaderLook)
{
    Grid->FloatingFooter().SetColor(gfx::clYellow);
    Grid->FloatingFooter().SetVisible(true);
    Show();
    Repaint();
    ui::TControl* panel = Grid->FooterPanel();
    const rtl::TRect c = Grid->CellRect(2, 1);
    const int x = (c.Left + c.Right) / 2;
    for (int y : {3, 10, 17})
        EXPECT_EQ(static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(panel, x, y)) & 0xFFFFFF, gfx::clYellow) << y;
    const rtl::TRect h = Grid->CellRect(2, 0);
    EXPECT_GT(Brightness(Pixel(x, h.Top + 3)), Brightness(Pixel(x, h.Bottom - 4))) << "the headers keep the gradient";
}

// --- gallery: one picture per look

TEST_F(CellPipelineTest, GalleryWritesOnePicturePerLook)
{
    const std::filesystem::path dir = testsupport::BuildDir() / "screenshots";
    std::filesystem::create_directories(dir);
    for (int c = 0; c < 5; ++c) Grid->SetCells(c, 0, "Head " + std::to_string(c));
    Grid->SetCells(1, 1, "plain");
    Grid->SetCells(2, 1, "<b>bold</b> <font color=\"clRed\">red</font>");
    Grid->SetCells(3, 2, "12.5");
    Grid->SetRowModified(2, true);
    Grid->ShowModified().SetEnabled(true);
    Show();
    const std::pair<TGridLook, const char*> looks[] = {
        {glStandard, "standard"}, {glSoft, "soft"},   {glClassic, "classic"}, {glJyx, "jyx"},
        {glXP, "xp"},             {glListView, "listview"}, {glVista, "vista"}, {glWin7, "win7"},
        {glOffice2007, "office2007"}};
    for (const auto& [look, name] : looks) {
        Grid->SetLook(look);
        Repaint();
        const std::filesystem::path file = dir / (std::string("grid-look-") + name + ".png");
        std::filesystem::remove(file);
        gfx::TCanvas image(Form->Surface());
        image.SaveToPngFile(file.string());
        EXPECT_GT(std::filesystem::file_size(file), 500u) << name;
    }
    // The list-view look under visual themes, and a visual style's fixed and selected cells.
    Grid->SetLook(glListView);
    auto save = [&](const char* name) {
        Repaint();
        const std::filesystem::path file = dir / name;
        std::filesystem::remove(file);
        gfx::TCanvas(Form->Surface()).SaveToPngFile(file.string());
        EXPECT_GT(std::filesystem::file_size(file), 500u) << name;
    };
    {
        TThemesOn themes;
        save("grid-look-listview-themed.png");
    }
    TStyleGuard guard;
    Grid->SetLook(glXP);
    Grid->SetOptions(Grid->Options() | ui::goRangeSelect);
    ui::SetStyleServices(std::make_unique<TTealStyle>());
    Grid->SetSelection(rtl::TRect{1, 1, 3, 2});
    save("grid-visual-style.png");
}

}  // namespace

// The filter button shows in the header of the filter drop-down row once the column has
// filter entries, at the header's top-right corner where a release opens the list.
TEST_F(CellPipelineTest, HeadersOfColumnsWithFilterEntriesShowTheFilterButton)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(4);
    for (int r = 1; r < 4; ++r) Grid->SetCells(1, r, "v" + std::to_string(r));
    Show();
    const rtl::TRect h = Grid->CellRect(1, 0);
    const auto corner = [&] {
        std::vector<gfx::TColor> pixels;
        for (int x = h.Right - 16; x < h.Right - 1; ++x)
            for (int y = h.Top + 1; y < std::min(h.Top + 16, h.Bottom - 1); ++y) pixels.push_back(Pixel(x, y));
        return pixels;
    };
    const std::vector<gfx::TColor> plain = corner();
    Grid->SetFilterDropDownAuto(true);
    Repaint();
    const std::vector<gfx::TColor> withButton = corner();
    int changed = 0;
    for (std::size_t i = 0; i < plain.size(); ++i) changed += plain[i] != withButton[i];
    EXPECT_GT(changed, 10);
    // A normal row never carries it.
    const rtl::TRect cell = Grid->CellRect(1, 3);
    EXPECT_EQ(Pixel(cell.Right - 8, cell.Top + 4), gfx::clWhite);
}
