// Tests of the string grid's cell text stage on real pixels: placement, wrapping, lines, mini-HTML, clipping, masks; text measurement and display text.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsFilter.h"
#include "grid/core/SearchPanel.h"
#include "grid/core/GridOptionsSort.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridLists.h"
#include "grid/core/CellGraphics.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Forms.h"

using namespace grid;

namespace {

// The box holding every pixel of a cell that differs from the background (inside its lines).
struct InkBox {
    int Left = 1 << 30, Top = 1 << 30, Right = -1, Bottom = -1, Count = 0;
    bool Empty() const { return Count == 0; }
};

class TextStageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(0, 0, 700, 500);
        Grid = new TExtStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 660, 460);
        Grid->SetColor(gfx::clWhite);
        Grid->SetColWidths(2, 150);
        Grid->SetRowHeights(2, 80);
    }
    void TearDown() override { App.reset(); }
    void Paint()
    {
        Form->Show();
        App->ProcessMessages();
        Grid->Invalidate();
        Form->PaintPending();
    }
    gfx::TColor Pixel(int x, int y) const
    {
        return static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(Grid, x, y)) & 0xFFFFFF;
    }
    // Ink relative to the cell's top-left corner.
    InkBox Ink(int c, int r, gfx::TColor background = gfx::clWhite) const
    {
        rtl::TRect rc = Grid->CellRect(c, r);
        InkBox box;
        for (int x = rc.Left; x < rc.Right - 1; ++x)
            for (int y = rc.Top; y < rc.Bottom - 1; ++y) {
                if (Pixel(x, y) == background) continue;
                ++box.Count;
                box.Left = std::min(box.Left, x - rc.Left);
                box.Right = std::max(box.Right, x - rc.Left);
                box.Top = std::min(box.Top, y - rc.Top);
                box.Bottom = std::max(box.Bottom, y - rc.Top);
            }
        return box;
    }
    // Pixels of the cell close to the colour (text edges are smoothed into the background).
    int CountColour(int c, int r, gfx::TColor colour) const
    {
        rtl::TRect rc = Grid->CellRect(c, r);
        int n = 0;
        for (int x = rc.Left; x < rc.Right; ++x)
            for (int y = rc.Top; y < rc.Bottom; ++y) n += Near(Pixel(x, y), colour);
        return n;
    }
    static bool Near(gfx::TColor a, gfx::TColor b)
    {
        for (int shift : {0, 8, 16})
            if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 90) return false;
        return true;
    }
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtStringGrid* Grid = nullptr;
};

// --- placement by horizontal and vertical alignment

struct PlaceCase {
    ui::TAlignment HA;
    TVAlignment VA;
    char Horizontal;  // 'l', 'c', 'r'
    char Vertical;    // 't', 'c', 'b'
};

class TextPlacementTest : public TextStageTest, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(TextPlacementTest, TextSitsWhereItsAlignmentsPutIt)
{
    const PlaceCase pc = GetParam();
    Grid->SetCells(2, 2, "Wg");
    Grid->OnGetAlignment = [pc](TSender, int r, int c, ui::TAlignment& h, TVAlignment& v) {
        if (r == 2 && c == 2) {
            h = pc.HA;
            v = pc.VA;
        }
    };
    Paint();
    const InkBox b = Ink(2, 2);
    ASSERT_FALSE(b.Empty());
    const int w = 150;
    const int h = 80;
    const int cx = (b.Left + b.Right) / 2;
    const int cy = (b.Top + b.Bottom) / 2;
    switch (pc.Horizontal) {
    case 'l': EXPECT_LE(b.Left, 6); break;
    case 'r': EXPECT_GE(b.Right, w - 8); break;
    default: EXPECT_NEAR(cx, w / 2, 4);
    }
    switch (pc.Vertical) {
    case 't': EXPECT_LE(b.Top, 8); break;
    case 'b': EXPECT_GE(b.Bottom, h - 8); break;
    default: EXPECT_NEAR(cy, h / 2, 5);
    }
}

INSTANTIATE_TEST_SUITE_P(Alignments, TextPlacementTest,
                         ::testing::Values(PlaceCase{ui::taLeftJustify, vtaTop, 'l', 't'},
                                           PlaceCase{ui::taCenter, vtaCenter, 'c', 'c'},
                                           PlaceCase{ui::taRightJustify, vtaBottom, 'r', 'b'},
                                           PlaceCase{ui::taRightJustify, vtaTop, 'r', 't'},
                                           PlaceCase{ui::taLeftJustify, vtaBottom, 'l', 'b'}));

TEST_F(TextStageTest, TextStandsAtTheTopByDefaultAndVAlignmentMovesIt)
{
    Grid->SetCells(2, 2, "Wg");
    Paint();
    EXPECT_LE(Ink(2, 2).Top, 8);
    Grid->SetVAlignment(vtaBottom);
    Paint();
    EXPECT_GE(Ink(2, 2).Bottom, 80 - 8);
}

// --- lines and wrapping

TEST_F(TextStageTest, WordWrapBreaksALongTextOverLinesInsideTheCell)
{
    const std::string text = "word word word word word word word word";
    Grid->SetCells(2, 2, text);
    Grid->SetWordWrap(true);
    Paint();
    const InkBox wrapped = Ink(2, 2);
    EXPECT_LE(wrapped.Right, 150);
    EXPECT_GT(wrapped.Bottom - wrapped.Top, Grid->Canvas().TextHeight("W") + 2);
    Grid->OnGetWordWrap = [](TSender, int, int, bool& ww) { ww = false; };
    Paint();
    const InkBox single = Ink(2, 2);
    EXPECT_LT(single.Bottom - single.Top, Grid->Canvas().TextHeight("W") + 2);
}

TEST_F(TextStageTest, MultiLineCellsDrawEveryLineAndWithoutThemOnlyTheFirst)
{
    Grid->SetCells(2, 2, "AAAA\rBBBB\rCCCC");
    Grid->OnGetWordWrap = [](TSender, int, int, bool& ww) { ww = false; };
    Paint();
    const int lineHeight = Grid->Canvas().TextHeight("gh");
    EXPECT_LT(Ink(2, 2).Bottom - Ink(2, 2).Top, lineHeight);
    Grid->SetMultilinecells(true);
    Paint();
    const InkBox b = Ink(2, 2);
    EXPECT_GT(b.Bottom - b.Top, 2 * lineHeight);
    // Centred lines are centred as a block.
    Grid->SetVAlignment(vtaCenter);
    Paint();
    const InkBox c = Ink(2, 2);
    EXPECT_NEAR((c.Top + c.Bottom) / 2, 40, 6);
}

// --- mini-HTML through the renderer

TEST_F(TextStageTest, HtmlCellsShowBoldAndColouredRunsInsteadOfTheirTags)
{
    Grid->SetCells(2, 2, "<b>Wide</b>");
    Grid->SetCells(2, 3, "Wide");
    Grid->SetCells(2, 4, "<font color=\"#FF0000\">Wide</font>");
    Paint();
    const InkBox bold = Ink(2, 2);
    const InkBox plain = Ink(2, 3);
    EXPECT_GT(bold.Count, plain.Count);
    // The tags are not shown: the bold text is barely wider than the plain one.
    EXPECT_LT(bold.Right - bold.Left, plain.Right - plain.Left + 12);
    EXPECT_GT(CountColour(2, 4, gfx::clRed), 10);
    EXPECT_EQ(CountColour(2, 3, gfx::clRed), 0);
}

// --- clipping, masks, URLs

TEST_F(TextStageTest, ALongTextNeverDrawsOverItsNeighbour)
{
    Grid->SetColWidths(1, 40);
    Grid->SetCells(1, 2, std::string(300, 'W'));
    Grid->OnGetWordWrap = [](TSender, int, int, bool& ww) { ww = false; };
    Paint();
    EXPECT_GT(Ink(1, 2).Count, 0);
    EXPECT_EQ(Ink(2, 2).Count, 0);
}

TEST_F(TextStageTest, EnhancedTextSizeEndsACutSingleLineWithAnEllipsis)
{
    Grid->SetCells(1, 2, std::string(40, 'W'));
    Grid->OnGetWordWrap = [](TSender, int, int, bool& ww) { ww = false; };
    Paint();
    const InkBox cut = Ink(1, 2);
    Grid->SetEnhTextSize(true);
    Paint();
    const InkBox ellipsis = Ink(1, 2);
    // The dots at the end hold much less ink than the letters they replace.
    EXPECT_LT(ellipsis.Count, cut.Count - 20);
    EXPECT_GT(ellipsis.Count, 0);
}

TEST_F(TextStageTest, PasswordCellsShowOneMaskCharacterPerCharacter)
{
    Grid->SetCells(2, 2, "secret");
    Grid->SetCells(2, 3, "******");
    Grid->OnIsPasswordCell = [](TSender, int r, int c, bool& p) { p = r == 2 && c == 2; };
    Paint();
    EXPECT_EQ(Ink(2, 2).Count, Ink(2, 3).Count);
    EXPECT_EQ(Ink(2, 2).Right, Ink(2, 3).Right);
}

TEST_F(TextStageTest, UrlsShowWithoutTheirSchemeUnderlinedInTheUrlColour)
{
    Grid->SetCells(2, 2, "http://x.org");
    Grid->SetCells(2, 3, "x.org");
    Grid->SetURLShow(true);
    Grid->SetURLColor(gfx::clBlue);
    Paint();
    EXPECT_GT(CountColour(2, 2, gfx::clBlue), 10);
    EXPECT_NEAR(Ink(2, 2).Right, Ink(2, 3).Right, 2);
    Grid->SetURLFull(true);
    Paint();
    EXPECT_GT(Ink(2, 2).Right, Ink(2, 3).Right + 10);
}

TEST_F(TextStageTest, NoImageAndTextHidesTheTextOfCellsWithAGraphicOnly)
{
    Grid->SetCells(2, 2, "WWW");
    Grid->SetCells(2, 3, "WWW");
    Grid->AddComment(2, 2, "note");
    Grid->SetNoImageAndText(true);
    Paint();
    EXPECT_GT(Ink(2, 3).Count, 0);
    rtl::TRect rc = Grid->CellRect(2, 2);
    int ink = 0;
    for (int x = rc.Left + 1; x < rc.Left + 60; ++x)
        for (int y = rc.Top + 1; y < rc.Bottom - 2; ++y) ink += Pixel(x, y) != gfx::clWhite;
    EXPECT_EQ(ink, 0);
}

TEST_F(TextStageTest, SelectedCellTextTakesTheSelectionTextColour)
{
    Grid->SetCells(2, 2, "WWW");
    Grid->SetSelectionColor(gfx::clNavy);
    Grid->SetSelectionTextColor(gfx::clYellow);
    Paint();
    Grid->SetRow(2);
    Grid->SetCol(2);
    Paint();
    EXPECT_GT(CountColour(2, 2, gfx::clYellow), 10);
}

TEST_F(TextStageTest, SearchFooterHighlightsEveryOccurrenceOfTheSearchTextInNormalCells)
{
    Grid->SetCells(2, 2, "aabbcc");
    Grid->SetCells(2, 3, "aaaacc");
    Grid->SetCells(2, 0, "bb");
    Grid->SearchFooter().SetVisible(true);
    Grid->SearchFooter().SetAlwaysHighLight(true);
    Paint();
    ASSERT_NE(Grid->SearchPanel(), nullptr);
    const gfx::TColor mark = gfx::ColorToRGB(gfx::clHighlight);
    EXPECT_EQ(CountColour(2, 2, mark), 0);  // nothing searched yet
    Grid->SearchPanel()->EditControl()->SetText("bb");
    Paint();
    EXPECT_GT(CountColour(2, 2, mark), 20);
    EXPECT_EQ(CountColour(2, 3, mark), 0);
    EXPECT_EQ(CountColour(2, 0, mark), 0);  // header cells are not searched
    // The grid's highlight colour marks the matches.
    Grid->SetHighlightColor(gfx::clLime);
    Paint();
    EXPECT_GT(CountColour(2, 2, gfx::clLime), 20);
    Grid->SetHighlightColor(gfx::clHighlight);
}

TEST_F(TextStageTest, SelectionRectangleFramesTheSelectionInItsColour)
{
    Grid->SetSelectionRectangle(true);
    Grid->SetSelectionRectangleColor(gfx::clRed);
    Grid->SetOptions(Grid->Options() | ui::goRangeSelect);
    Paint();
    Grid->SetSelection(rtl::TRect{1, 1, 2, 3});
    Paint();
    const rtl::TRect topLeft = Grid->CellRect(1, 1);
    const rtl::TRect bottomRight = Grid->CellRect(2, 3);
    auto redNear = [&](int x0, int x1, int y0, int y1) {
        int n = 0;
        for (int x = x0; x <= x1; ++x)
            for (int y = y0; y <= y1; ++y) n += Pixel(x, y) == gfx::clRed;
        return n;
    };
    const int midY = (topLeft.Top + topLeft.Bottom) / 2;
    EXPECT_GT(redNear(topLeft.Left - 1, topLeft.Left + 1, midY, midY), 0);                       // left edge
    EXPECT_GT(redNear((bottomRight.Left + bottomRight.Right) / 2, (bottomRight.Left + bottomRight.Right) / 2,
                      bottomRight.Bottom - 3, bottomRight.Bottom),
              0);                                                                                  // bottom edge
    const rtl::TRect inner = Grid->CellRect(1, 2);
    EXPECT_EQ(redNear(inner.Left + 4, inner.Right - 4, inner.Top + 3, inner.Bottom - 3), 0);       // no fill inside
    const rtl::TRect outside = Grid->CellRect(4, 4);
    EXPECT_EQ(redNear(outside.Left, outside.Right - 1, outside.Top, outside.Bottom - 1), 0);
}

TEST_F(TextStageTest, SortIndexGlyphsShowForEveryListedColumnOnlyWithIndexShow)
{
    Grid->SetLook(glStandard);  // flat header faces
    Grid->SortIndexes().AddIndex(1, true);
    Grid->SortIndexes().AddIndex(2, true);
    Grid->SortIndexes().AddIndex(3, false);
    Grid->SortSettings().SetShow(true);
    Grid->SortSettings().SetIndexShow(true);
    Grid->SortSettings().SetIndexColor(gfx::clYellow);
    Paint();
    for (int c : {1, 2, 3}) EXPECT_GT(CountColour(c, 0, gfx::clYellow), 10) << c;
    EXPECT_EQ(CountColour(4, 0, gfx::clYellow), 0);
    // Without IndexShow only the first listed column shows a (plain) glyph.
    Grid->SortSettings().SetIndexShow(false);
    Paint();
    for (int c : {1, 2, 3}) EXPECT_EQ(CountColour(c, 0, gfx::clYellow), 0) << c;
    const gfx::TColor face = Pixel(Grid->CellRect(4, 0).Left + 20, Grid->CellRect(4, 0).Top + 12);
    EXPECT_GT(Ink(1, 0, face).Count, Ink(3, 0, face).Count + 5);
}

TEST_F(TextStageTest, RotatedCellsMeasureTheirTextTurned)
{
    Grid->OnGetWordWrap = [](TSender, int, int, bool& ww) { ww = false; };
    Grid->SetCells(2, 2, "Rotated text");
    const rtl::TPoint plain = Grid->GetCellTextSize(2, 2);
    Grid->CreateCellGraphic(2, 2)->SetAngle(90);
    const rtl::TPoint turned = Grid->GetCellTextSize(2, 2);
    EXPECT_EQ(turned.X, plain.Y + 12);
    EXPECT_EQ(turned.Y, plain.X + 12);
}

TEST_F(TextStageTest, EmptyFilterEditCellsShowTheirFilterTypeCaptionInGreyBesideTheTypeGlyph)
{
    Grid->FilterEdit().SetRow(0);
    Grid->FilterEdit().SetEnabled(true);
    Paint();
    // Left: the type glyph; right of it: the caption "Contains" (the type of a column
    // without filter) in grey, on the filter edit's white.
    auto ink = [&](int x0, int x1) {
        const rtl::TRect rc = Grid->CellRect(2, 0);
        int n = 0;
        int grey = 0;
        for (int x = rc.Left + x0; x < rc.Left + x1; ++x)
            for (int y = rc.Top + 2; y < rc.Bottom - 3; ++y) {
                const gfx::TColor p = Pixel(x, y);
                n += p != gfx::clWhite;
                grey += gfx::GetRValue(p) == gfx::GetGValue(p) && gfx::GetGValue(p) == gfx::GetBValue(p) &&
                        gfx::GetRValue(p) < 0xD0;
            }
        return std::pair<int, int>{n, grey};
    };
    EXPECT_GT(ink(0, 18).first, 10);
    EXPECT_GT(ink(22, 140).second, 10);
    // A type beyond the captions shows no caption.
    rtl::TStringList two;
    two.Add("Starts with");
    two.Add("Ends with");
    Grid->FilterEdit().SetTypeNames(&two);
    Paint();
    EXPECT_EQ(ink(22, 140).first, 0);
    EXPECT_GT(ink(0, 18).first, 10);
}

TEST_F(TextStageTest, ScrollBarCellsShowTheirBarAndScrollTheirText)
{
    Grid->SetCells(2, 2, "W\rW\rW\rW\rW\rW\rW");
    Grid->SetMultilinecells(true);
    Grid->AddScrollBar(2, 2, false);
    Paint();
    const rtl::TRect rc = Grid->CellRect(2, 2);
    const int barX = rc.Right - 9;
    EXPECT_NE(Pixel(barX, (rc.Top + rc.Bottom) / 2), gfx::clWhite);
    // The highest ink of the text, left of the bar.
    auto textTop = [&]() {
        for (int y = rc.Top; y < rc.Bottom - 1; ++y)
            for (int x = rc.Left; x < rc.Right - 20; ++x)
                if (Pixel(x, y) != gfx::clWhite) return y - rc.Top;
        return -1;
    };
    EXPECT_GT(textTop(), 2);
    Grid->SetScrollPosition(2, 2, 10);
    Paint();
    // The text starts 10 pixels higher: its first line is cut at the cell's top.
    EXPECT_EQ(textTop(), 0);
    // A page as large as the range needs no bar.
    Grid->SetScrollProp(2, 2, TExtStringGrid::TScrollProp{100, 100});
    Grid->SetScrollPosition(2, 2, 0);
    Paint();
    EXPECT_EQ(Pixel(barX, (rc.Top + rc.Bottom) / 2), gfx::clWhite);
}

// --- alignment and display text

TEST_F(TextStageTest, AutoNumAlignRightAlignsNumbersAndIgnoresTheCellsOwnAlignment)
{
    rtl::FormatSettings.DecimalSeparator = '.';
    Grid->SetAutoNumAlign(true);
    struct Case {
        const char* Text;
        ui::TAlignment Expected;
    };
    for (const Case& c : {Case{" 1.5E3 ", ui::taRightJustify}, Case{" 42 ", ui::taRightJustify},
                          Case{"12abc", ui::taLeftJustify}, Case{"", ui::taLeftJustify}}) {
        Grid->SetCells(2, 2, c.Text);
        EXPECT_EQ(Grid->GetCellAutoAlignment(2, 2).first, c.Expected) << c.Text;
    }
    Grid->CellProperties(2, 3)->SetAlignment(ui::taCenter);
    Grid->SetCells(2, 3, "abc");
    EXPECT_EQ(Grid->GetCellAutoAlignment(2, 3).first, ui::taLeftJustify);
    Grid->SetAutoNumAlign(false);
    EXPECT_EQ(Grid->GetCellAutoAlignment(2, 3).first, ui::taCenter);
    EXPECT_EQ(Grid->GetCellAutoAlignment(2, 3).second, vtaTop);
}

TEST_F(TextStageTest, FloatFormatEventFormatsNumbersAndAFailingFormatKeepsTheText)
{
    rtl::FormatSettings.DecimalSeparator = '.';
    Grid->SetCells(2, 2, "3.7");
    Grid->SetCells(2, 3, "abc");
    EXPECT_EQ(Grid->GetFormattedCell(2, 2), "3.7");  // no event: the text as stored
    std::string format = "%.3f";
    Grid->OnGetFloatFormat = [&](TSender, int, int, bool&, std::string& f) { f = format; };
    EXPECT_EQ(Grid->GetFormattedCell(2, 2), "3.700");
    EXPECT_EQ(Grid->GetFormattedCell(2, 3), "abc");
    format = "%d";
    EXPECT_EQ(Grid->GetFormattedCell(2, 2), "4");
    format = "%s";
    EXPECT_EQ(Grid->GetFormattedCell(2, 2), "3.7");
    Grid->OnGetFloatFormat = [](TSender, int, int, bool& isFloat, std::string&) { isFloat = false; };
    EXPECT_EQ(Grid->GetFormattedCell(2, 2), "3.7");
    // The painted cell shows the formatted text.
    Grid->OnGetFloatFormat = nullptr;
    Grid->SetCells(2, 4, "3.700");
    Paint();
    EXPECT_LT(Ink(2, 2).Right, Ink(2, 4).Right);
    format = "%.3f";
    Grid->OnGetFloatFormat = [&](TSender, int, int, bool&, std::string& f) { f = format; };
    Paint();
    EXPECT_EQ(Ink(2, 2).Right, Ink(2, 4).Right);
    EXPECT_EQ(Ink(2, 2).Count, Ink(2, 4).Count);
}

TEST_F(TextStageTest, TextSizeCountsLinesWrapsAndMeasuresHtmlWithoutTags)
{
    Grid->OnGetWordWrap = [](TSender, int, int, bool& ww) { ww = false; };
    const int h = Grid->Canvas().TextHeight("gh");
    Grid->SetCells(2, 2, "AB\rCD");
    EXPECT_EQ(Grid->GetCellTextSize(2, 2).Y, h);
    Grid->SetMultilinecells(true);
    EXPECT_EQ(Grid->GetCellTextSize(2, 2).Y, 2 * h);
    Grid->SetCells(2, 3, "");
    EXPECT_EQ(Grid->GetCellTextSize(2, 3), (rtl::TPoint{0, 0}));
    Grid->SetCells(2, 4, "<b>x</b>");
    Grid->SetCells(3, 4, "<b>x</b><b></b><i></i><u></u>");
    EXPECT_EQ(Grid->GetCellTextSize(2, 4).X, Grid->GetCellTextSize(3, 4).X);
    EXPECT_LT(Grid->GetCellTextSize(2, 4).X, Grid->Canvas().TextWidth("<b>x</b>"));
    // A wrapped text is as high as its lines in the cell's width; unbounded it is one line.
    Grid->OnGetWordWrap = nullptr;
    Grid->SetWordWrap(true);
    Grid->SetCells(2, 5, "word word word word word word word word word");
    EXPECT_GT(Grid->GetCellTextSize(2, 5).Y, h);
    EXPECT_EQ(Grid->GetCellTextSize(2, 5, true).Y, h);
}

}  // namespace
