// Tests of cell graphic drawing on real pixels: check boxes, radio items, bars, stars, comment triangles, rotated text and picture placement.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <filesystem>
#include <functional>

#include "grid/core/CellGraphics.h"
#include "grid/core/CellGraphicsFilePicture.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/foundation/PictureContainer.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/foundation/ExtUtilShapes.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Picture.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/rtl/StringList.h"
#include "tests/grid/core/ExtGridGraphicDrawFixture.h"
#include "tests/support/TempDir.h"

using namespace grid;
using gridtest::Dark;
using gridtest::GraphicDrawTest;
using gridtest::InkBox;
using gridtest::NotWhite;
using gridtest::Surface;

namespace {

constexpr gfx::TColor Fill = 0x0000C0;   // dark red
constexpr gfx::TColor Back = 0xF0E0D0;   // light blue-grey

// Fraction of the bar's middle row filled in Fill, over the span from the first to the
// last pixel of Fill or Back on that row.
double FillFraction(const Surface& s, int y)
{
    int first = -1, last = -1, filled = 0;
    for (int x = 0; x < s.Width(); ++x) {
        const gfx::TColor c = s.At(x, y);
        if (c != Fill && c != Back) continue;
        if (first < 0) first = x;
        last = x;
        if (c == Fill) ++filled;
    }
    if (first < 0) return -1;
    return static_cast<double>(filled) / (last - first + 1);
}

struct TThemesScope {
    explicit TThemesScope(bool on) { gfx::SetThemesActive(on); }
    ~TThemesScope() { gfx::SetThemesActive(false); }
};

}  // namespace

// ---------------------------------------------------------------- check boxes

TEST_F(GraphicDrawTest, CheckBoxShowsItsTickExactlyWhenCheckedInEveryStyle)
{
    struct Case { TControlStyle style; bool themes; };
    const Case cases[] = {{csClassic, false}, {csFlat, false}, {csWinXP, false}, {csBorland, false},
                          {csJyx, false},     {csTheme, false}, {csTheme, true}};
    for (const Case& c : cases) {
        TThemesScope themes(c.themes);
        Grid->ControlLook().SetControlStyle(c.style);
        Grid->AddCheckBox(1, 1, false, false);
        const auto off = Draw(1, 1);
        Grid->AddCheckBox(1, 1, true, false);
        const auto on = Draw(1, 1);
        const rtl::TRect box = InkBox(*off, NotWhite);
        ASSERT_GT(box.Width(), 10) << int(c.style) << " themes " << c.themes;
        // The box stands at the cell's left, one pixel in from the shrunk cell (the framed
        // styles draw their frame one more pixel in).
        EXPECT_TRUE(box.Left >= 2 && box.Left <= 3 && box.Top >= 2 && box.Top <= 3) << int(c.style);
        // The tick: pixels inside the frame that the checked box draws in colours the
        // unchecked box has nowhere inside its frame.
        rtl::TRect inner = box;
        rtl::InflateRect(inner, -2, -2);
        int tick = 0;
        for (int y = inner.Top; y < inner.Bottom; ++y)
            for (int x = inner.Left; x < inner.Right; ++x) {
                const gfx::TColor p = on->At(x, y);
                if (off->Count(inner, [p](gfx::TColor q) { return q == p; }) == 0) ++tick;
            }
        EXPECT_GE(tick, 6) << int(c.style) << " themes " << c.themes;
        EXPECT_EQ(off->Count(inner, Dark), 0) << int(c.style) << " themes " << c.themes;
    }
}

TEST_F(GraphicDrawTest, DataCheckBoxFollowsTheCellTextAndDisabledBoxesDrawDifferently)
{
    Grid->ControlLook().SetControlStyle(csClassic);
    Grid->AddCheckBox(1, 1, false, true);
    const std::string texts[] = {"Y", "N", "maybe"};
    const bool ticked[] = {true, false, false};
    for (int i = 0; i < 3; ++i) {
        Grid->SetCells(1, 1, texts[i]);
        const auto s = Draw(1, 1);
        rtl::TRect box = InkBox(*s, NotWhite);
        rtl::InflateRect(box, -3, -3);
        EXPECT_EQ(s->Count(box, Dark) > 5, ticked[i]) << texts[i];
    }
    // A cell that may not be edited draws its box inactive (button face instead of the white
    // window colour inside), unless the look keeps check boxes active.
    Grid->SetCells(1, 1, "Y");
    const auto enabled = Draw(1, 1);
    rtl::TRect inner = InkBox(*enabled, NotWhite);
    rtl::InflateRect(inner, -3, -3);
    EXPECT_GT(enabled->CountColor(inner, gfx::clWhite), 10);
    Grid->OnCanEditCell = [](TSender, int, int, bool& can) { can = false; };
    EXPECT_EQ(Draw(1, 1)->CountColor(inner, gfx::clWhite), 0);
    Grid->ControlLook().SetCheckAlwaysActive(true);
    EXPECT_EQ(Draw(1, 1)->CountColor(inner, gfx::clWhite), enabled->CountColor(inner, gfx::clWhite));
}

TEST_F(GraphicDrawTest, CheckBoxWithAnAlignmentEventStandsLeftOfRightAlignedTextButNeverLeftOfTheCell)
{
    // The drawn box fills its rectangle from its first pixel, so its ink shows where it was placed.
    Grid->ControlLook().SetControlStyle(csBorland);
    Grid->OnGetAlignment = [](TSender, int, int, ui::TAlignment& h, TVAlignment&) { h = ui::taRightJustify; };
    Grid->AddCheckBox(1, 1, true, false);
    struct Case { int textWidth; int left; };
    // R = (1, 1, 119, 29), box 15: x = R.right - (tw + 2) - 15 - 1.
    const Case cases[] = {{40, 119 - 42 - 15 - 1}, {0, 119 - 15 - 1}, {200, 2}};
    ASSERT_EQ(Grid->ControlLook().CheckSize(), 15);
    for (const Case& c : cases) {
        TExtStringGrid::TCellGraphicPaint work;
        work.TextWidth = c.textWidth;
        work.TextAlign = ui::taRightJustify;
        EXPECT_EQ(InkBox(*Draw(1, 1, work), NotWhite).Left, c.left) << c.textWidth;
    }
}

TEST_F(GraphicDrawTest, TriStateCheckBoxDrawsItsGrayedStateWithAGreyMarkOnTheButtonFace)
{
    Grid->ControlLook().SetControlStyle(csClassic);
    Grid->AddCheckBox(1, 1, ui::cbGrayed);
    const auto grayed = Draw(1, 1);
    Grid->SetCheckBoxState(1, 1, ui::cbChecked);
    const auto checked = Draw(1, 1);
    Grid->SetCheckBoxState(1, 1, ui::cbUnchecked);
    const auto unchecked = Draw(1, 1);
    rtl::TRect inner = InkBox(*checked, NotWhite);
    rtl::InflateRect(inner, -3, -3);
    const gfx::TColor mark = gfx::ColorToRGB(gfx::clWindowText), greyMark = gfx::ColorToRGB(gfx::clGrayText);
    EXPECT_GE(checked->CountColor(inner, mark), 10);
    EXPECT_EQ(checked->CountColor(inner, greyMark), 0);
    EXPECT_GE(grayed->CountColor(inner, greyMark), 10);
    EXPECT_EQ(grayed->CountColor(inner, mark), 0);
    EXPECT_EQ(grayed->CountColor(inner, gfx::clWhite), 0);
    EXPECT_EQ(unchecked->CountColor(inner, mark) + unchecked->CountColor(inner, greyMark), 0);
}

// ---------------------------------------------------------------- radio items

TEST_F(GraphicDrawTest, RadioGroupDotsTheSelectedItemOrTheItemNamedByTheCellText)
{
    Grid->SetRowHeights(1, 70);
    rtl::TStringList items;
    items.Add("alpha");
    items.Add("beta");
    items.Add("gamma");
    struct Case { TControlStyle style; int index; const char* text; int dotted; };
    const Case cases[] = {
        {csClassic, 1, "", 1}, {csClassic, 0, "", 0}, {csClassic, -1, "gamma", 2}, {csClassic, -1, "delta", -1},
        {csWinXP, 2, "", 2},   {csJyx, 1, "", 1},     {csBorland, 0, "", 0},
    };
    for (const Case& c : cases) {
        Grid->ControlLook().SetControlStyle(c.style);
        Grid->AddRadio(1, 1, 0, c.index, &items);
        Grid->SetCells(1, 1, c.text);
        const auto s = Draw(1, 1);
        // Stacked items: one per max(16, line height) (classic: one per line height), from R.top + 2.
        const int lh = s->Canvas().TextHeight("gh");
        const bool classic = c.style == csClassic;
        const int step = classic ? lh : std::max(16, lh);
        const int size = classic ? Grid->ControlLook().RadioSize() : 16;
        for (int i = 0; i < 3; ++i) {
            const int x = 1 + 2 + size / 2;
            const int y = 1 + i * step + 2 + size / 2;
            const rtl::TRect centre = rtl::Rect(x - 1, y - 1, x + 1, y + 1);
            EXPECT_EQ(s->Count(centre, Dark) > 0, i == c.dotted)
                << "style " << int(c.style) << " index " << c.index << " item " << i;
        }
    }
}

TEST_F(GraphicDrawTest, RadioButtonCellIsDottedWhenChecked)
{
    Grid->ControlLook().SetControlStyle(csClassic);
    for (bool state : {false, true}) {
        Grid->AddRadioButton(1, 1, state);
        const auto s = Draw(1, 1);
        const rtl::TRect button = InkBox(*s, NotWhite);
        ASSERT_GT(button.Width(), 6);
        const int cx = (button.Left + button.Right) / 2, cy = (button.Top + button.Bottom) / 2;
        EXPECT_EQ(s->Count(rtl::Rect(cx - 1, cy - 1, cx + 1, cy + 1), Dark) > 0, state);
    }
}

// ---------------------------------------------------------------- bars

TEST_F(GraphicDrawTest, ProgressBarFillsTheFractionOfItsValueAndNeverRaises)
{
    Grid->ControlLook().SetProgressBorderColor(gfx::clNone);
    struct Case { const char* text; int min, max; double fraction; };
    const Case cases[] = {
        {"0", 0, 100, 0.0},   {"50", 0, 100, 0.5},   {"100", 0, 100, 1.0}, {"150", 0, 100, 1.0},
        {"-20", 0, 100, 0.0}, {"abc", 0, 100, 0.0}, {"1.2.3", 0, 100, 0.0}, {"25", 0, 50, 0.5},   {"40", 40, 40, 0.0},
        {"77", 40, 40, 0.0},
    };
    for (const Case& c : cases) {
        // Text colours equal to the bar colours keep the value text out of the count.
        Grid->AddProgressFormatted(1, 1, Fill, Fill, Back, Back, c.max == 100 && c.min == 0 ? "" : "%.0f", c.min,
                                   c.max);
        Grid->SetCells(1, 1, c.text);
        std::unique_ptr<Surface> s;
        ASSERT_NO_THROW(s = Draw(1, 1)) << c.text;
        EXPECT_NEAR(FillFraction(*s, Grid->RowHeights(1) / 2), c.fraction, 0.02)
            << c.text << " of " << c.min << ".." << c.max;
    }
}

TEST_F(GraphicDrawTest, ProgressValueTextIsDrawnInTheGivenColoursButNotForANonNumber)
{
    Grid->AddProgressEx(1, 1, Fill, gfx::clYellow, Back, gfx::clBlack);
    Grid->SetCells(1, 1, "50");
    const auto shown = Draw(1, 1);
    EXPECT_GT(shown->Count(CellBox(1, 1), [](gfx::TColor c) { return c != Fill && c != Back && NotWhite(c); }), 10);
    Grid->SetCells(1, 1, "1.2.3");  // no number: reading it raises
    const auto empty = Draw(1, 1);
    EXPECT_EQ(empty->Count(CellBox(1, 1), [](gfx::TColor c) { return c != Fill && c != Back && NotWhite(c) && c != 0x808080; }), 0);
}

TEST_F(GraphicDrawTest, StyledProgressBarFillsItsPercentageOfTheRange)
{
    TGridProgressAppearance& a = Grid->ProgressAppearance();
    a.SetUnCompleteColor(Back);
    a.SetShowPercentage(false);
    a.SetShowGradient(false);
    a.SetLevel0Color(Fill);
    a.SetLevel0ColorTo(Fill);
    a.SetLevel1Color(Fill);
    a.SetLevel1ColorTo(Fill);
    a.SetLevel2Color(Fill);
    a.SetLevel2ColorTo(Fill);
    a.SetLevel3Color(Fill);
    a.SetLevel3ColorTo(Fill);
    struct Case { const char* text; int min, max; double fraction; };
    const Case cases[] = {{"100", 0, 200, 0.5}, {"0", 0, 200, 0.0}, {"200", 0, 200, 1.0},
                          {"7", 7, 7, 0.0},     {"x", 0, 200, 0.0}, {"300", 0, 200, 1.0}};
    for (const Case& c : cases) {
        Grid->AddExtProgress(1, 1, c.min, c.max);
        Grid->SetCells(1, 1, c.text);
        std::unique_ptr<Surface> s;
        ASSERT_NO_THROW(s = Draw(1, 1)) << c.text;
        EXPECT_NEAR(FillFraction(*s, Grid->RowHeights(1) / 2), c.fraction, 0.04) << c.text;
    }
}

TEST_F(GraphicDrawTest, RangeIndicatorGrowsFromTheMiddleTowardsTheSignOfTheValue)
{
    const gfx::TColor neg = 0x0000FF, pos = 0x00A000;
    Grid->AddRangeIndicator(1, 1, 100, neg, pos, false);
    struct Case { const char* text; gfx::TColor color; bool right; };
    const Case cases[] = {{"50", pos, true}, {"-100", neg, false}, {"zz", gfx::clNone, true}};
    for (const Case& c : cases) {
        Grid->SetCells(1, 1, c.text);
        const auto s = Draw(1, 1);
        if (c.color == gfx::clNone) {
            EXPECT_EQ(s->Count(CellBox(1, 1), NotWhite), 0) << c.text;
            continue;
        }
        const rtl::TRect ink = InkBox(*s, [&](gfx::TColor p) { return p == c.color; });
        const int middle = Grid->ColWidths(1) / 2;
        if (c.right) EXPECT_GE(ink.Left, middle - 1) << c.text;
        else EXPECT_LE(ink.Right, middle + 1) << c.text;
        EXPECT_GT(ink.Width(), 20) << c.text;
    }
}

// ---------------------------------------------------------------- stars

TEST_F(GraphicDrawTest, RatingShowsFullHalfAndEmptyStarsForTheCellValue)
{
    const gfx::TColor full = 0x0000FF, empty = 0xC0C0C0;
    Grid->AddRating(1, 1, 5, full, empty);
    struct Case { const char* text; const char* stars; };  // F full, H half, E empty
    const Case cases[] = {{"2.7", "FFHEE"}, {"5", "FFFFF"}, {"0", "EEEEE"}, {"0.5", "HEEEE"}, {"none", "EEEEE"}};
    for (const Case& c : cases) {
        Grid->SetCells(1, 1, c.text);
        const auto s = Draw(1, 1);
        for (int i = 0; i < 5; ++i) {
            const int x = 2 + 18 * i;  // G.left = R.left + 1 with the full width
            const rtl::TRect leftHalf = rtl::Rect(x + 3, 2 + 6, x + 8, 2 + 12);
            const rtl::TRect rightHalf = rtl::Rect(x + 9, 2 + 6, x + 13, 2 + 12);
            const char want = c.stars[i];
            const gfx::TColor leftColour = want == 'E' ? empty : full;
            const gfx::TColor rightColour = want == 'F' ? full : empty;
            EXPECT_GT(s->CountColor(leftHalf, leftColour), 5) << c.text << " star " << i + 1;
            EXPECT_GT(s->CountColor(rightHalf, rightColour), 3) << c.text << " star " << i + 1;
        }
    }
}

// ---------------------------------------------------------------- comment marker

TEST_F(GraphicDrawTest, CommentTriangleMarksTheTopRightCornerInItsColour)
{
    Grid->ControlLook().SetCommentColor(gfx::clBlue);
    Grid->SetComment(1, 1, "note");
    auto s = Draw(1, 1);
    // Corners (113, 0), (118, 0), (118, 5) of the 120 × 30 cell: R.right + 2 - 8 with R.right = 119.
    EXPECT_EQ(s->At(116, 1), gfx::clBlue);
    EXPECT_EQ(s->At(117, 0), gfx::clBlue);
    EXPECT_EQ(s->At(112, 4), gfx::clWhite);
    EXPECT_EQ(InkBox(*s, NotWhite), rtl::Rect(113, 0, 119, 6));

    // A check box's first comment takes the control look's colour, not black; a comment
    // replaced keeps the colour its graphic has; clNone draws no marker.
    Grid->AddCheckBox(2, 1, false, false);
    Grid->SetComment(2, 1, "checked?");
    s = Draw(2, 1);
    EXPECT_EQ(s->At(Grid->ColWidths(2) - 4, 1), gfx::clBlue);
    Grid->GetCellGraphic(2, 1)->SetCommentColor(gfx::clLime);
    Grid->SetComment(2, 1, "checked twice?");
    s = Draw(2, 1);
    EXPECT_EQ(s->At(Grid->ColWidths(2) - 4, 1), gfx::clLime);
    Grid->GetCellGraphic(2, 1)->SetCommentColor(gfx::clNone);
    s = Draw(2, 1);
    EXPECT_EQ(s->At(Grid->ColWidths(2) - 4, 1), gfx::clWhite);
}

// ---------------------------------------------------------------- rotated text

TEST_F(GraphicDrawTest, RotatedTextInksAlongItsAngleInsideTheCell)
{
    Grid->SetColWidths(1, 60);
    Grid->SetRowHeights(1, 100);
    Grid->Font().SetColor(gfx::clBlack);
    Grid->AddRotated(1, 1, 0, "Rotated");
    const rtl::TRect flat = InkBox(*Draw(1, 1), Dark);
    EXPECT_GT(flat.Width(), flat.Height());

    Grid->AddRotated(1, 1, 90, "Rotated");
    TExtStringGrid::TCellGraphicPaint work;
    work.TextVAlign = vtaBottom;
    const rtl::TRect up = InkBox(*Draw(1, 1, work), Dark);
    EXPECT_GT(up.Height(), up.Width() * 2);
    EXPECT_GE(up.Bottom, 100 - 12);  // bottom-aligned
    work.TextVAlign = vtaTop;
    const rtl::TRect upTop = InkBox(*Draw(1, 1, work), Dark);
    EXPECT_LE(upTop.Top, 12);
    EXPECT_EQ(upTop.Height(), up.Height());

    // Reading downwards at 270 degrees: right-aligned ink hugs the right edge.
    Grid->AddRotated(1, 1, -90, "Rotated");
    work.TextAlign = ui::taRightJustify;
    const rtl::TRect down = InkBox(*Draw(1, 1, work), Dark);
    EXPECT_GT(down.Height(), down.Width() * 2);
    EXPECT_GE(down.Right, 60 - 8);
    EXPECT_GE(down.Left, 1);
}

// ---------------------------------------------------------------- pictures

TEST_F(GraphicDrawTest, BitmapIsPlacedByItsHorizontalAndVerticalAlignment)
{
    gfx::TBitmap red(10, 10);
    red.Canvas().Brush().SetColor(gfx::clRed);
    red.Canvas().FillRect(rtl::Rect(0, 0, 10, 10));
    // Cell 120 × 30, R = (1, 1, 119, 29).
    struct Case { TCellHAlign h; TCellVAlign v; int textWidth; ui::TAlignment ta; int x, y; };
    const Case cases[] = {
        {haLeft, vaTop, 0, ui::taLeftJustify, 2, 2},
        {haRight, vaBottom, 0, ui::taLeftJustify, 119 - 10 - 1, 29 - 10 - 1},
        {haCenter, vaCenter, 0, ui::taLeftJustify, 1 + (118 - 10) / 2, 1 + (28 - 10) / 2},
        {haBeforeText, vaUnderText, 30, ui::taRightJustify, 119 - 32 - 10, 29 - 10},
        {haBeforeText, vaTop, 30, ui::taCenter, 1 + (118 - 32 - 10) / 2, 2},
        {haAfterText, vaAboveText, 30, ui::taLeftJustify, 1 + 32, 2},
        {haAfterText, vaTop, 30, ui::taCenter, 1 + 32 + (118 - 32 - 10) / 2, 2},
        {haAfterText, vaTop, 30, ui::taRightJustify, 119 - 10 - 1, 2},
    };
    for (const Case& c : cases) {
        Grid->AddBitmap(1, 1, &red, false, c.h, c.v);
        TExtStringGrid::TCellGraphicPaint work;
        work.TextWidth = c.textWidth;
        work.TextAlign = c.ta;
        EXPECT_EQ(InkBox(*Draw(1, 1, work), gridtest::Reddish), rtl::Bounds(c.x, c.y, 10, 10))
            << int(c.h) << "/" << int(c.v) << " ta " << int(c.ta);
    }
}

TEST_F(GraphicDrawTest, TransparentBitmapLeavesItsBackgroundColourOut)
{
    gfx::TBitmap ring(8, 8);
    ring.Canvas().Brush().SetColor(gfx::clYellow);  // the bottom-left colour is the transparent one
    ring.Canvas().FillRect(rtl::Rect(0, 0, 8, 8));
    ring.Canvas().Brush().SetColor(gfx::clRed);
    ring.Canvas().FillRect(rtl::Rect(2, 2, 6, 6));
    Grid->AddBitmap(1, 1, &ring, true, haLeft, vaTop);
    const auto s = Draw(1, 1);
    EXPECT_EQ(s->CountColor(CellBox(1, 1), gfx::clYellow), 0);
    EXPECT_EQ(InkBox(*s, gridtest::Reddish), rtl::Bounds(4, 4, 4, 4));
    Grid->AddBitmap(1, 1, &ring, false, haLeft, vaTop);
    EXPECT_EQ(Draw(1, 1)->CountColor(CellBox(1, 1), gfx::clYellow), 64 - 16);
}

TEST_F(GraphicDrawTest, PictureIsStretchedIntoItsFittedSizeOrDrawnAtItsOwn)
{
    gfx::TPicture* picture = Grid->CreatePicture(1, 1, false, Stretch, 0, haLeft, vaTop);
    gfx::TBitmap blue(4, 4);
    blue.Canvas().Brush().SetColor(gfx::clBlue);
    blue.Canvas().FillRect(rtl::Rect(0, 0, 4, 4));
    picture->SetGraphic(&blue);
    // Stretched into the cell less the text offsets: 120 - 1 - 4 by 30 - 1 - 4.
    const rtl::TRect stretched = InkBox(*Draw(1, 1), gridtest::Bluish);
    EXPECT_EQ(stretched.Width(), 115);
    EXPECT_EQ(stretched.Height(), 25);
    gfx::TPicture own;
    own.SetGraphic(&blue);
    Grid->AddPicture(1, 1, &own, false, noStretch, 0, haRight, vaTop);
    EXPECT_EQ(InkBox(*Draw(1, 1), gridtest::Bluish), rtl::Bounds(119 - 4 - 1, 2, 4, 4));
}

TEST_F(GraphicDrawTest, FilePictureAndDataPictureDrawTheirPictureAtTheGraphicsPlace)
{
    testsupport::TempDir dir;
    gfx::TBitmap green(6, 5);
    green.Canvas().Brush().SetColor(gfx::clLime);
    green.Canvas().FillRect(rtl::Rect(0, 0, 6, 5));
    green.SaveToPngFile(dir.File("green.png"));
    TFilePicture* file = Grid->CreateFilePicture(1, 1, false, noStretch, 0, haRight, vaTop);
    file->SetFilename(dir.File("green.png"));
    const auto lime = [](gfx::TColor c) { return c == gfx::clLime; };
    EXPECT_EQ(InkBox(*Draw(1, 1), lime), rtl::Bounds(119 - 6 - 1, 2, 6, 5));
    // A missing file draws nothing and raises nothing.
    file->SetFilename(dir.File("gone.png"));
    std::filesystem::remove(dir.File("green.png"));
    EXPECT_EQ(InkBox(*Draw(1, 1), lime), rtl::TRect{});

    // Container bitmaps draw without their bottom-left colour: keep it out of the lime.
    green.Canvas().SetPixels(0, 4, gfx::clYellow);
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items().Add();
    item->SetName("leaf");
    item->SetPicture(&green);
    Grid->SetPictureContainer(&container);
    Grid->AddDataPicture(2, 1, "leaf", haLeft, vaBottom);
    EXPECT_EQ(InkBox(*Draw(2, 1), lime), rtl::Bounds(2, 29 - 5 - 1, 6, 5));
    Grid->SetCells(2, 1, "no such picture");
    EXPECT_EQ(InkBox(*Draw(2, 1), lime), rtl::TRect{});
    Grid->SetPictureContainer(nullptr);
}

// ---------------------------------------------------------------- nodes

TEST_F(GraphicDrawTest, NodeGlyphShowsItsStateAndOnlyTheBoxLooksCarryTheCommentMarker)
{
    Grid->SetRowCount(6);
    Grid->AddNode(1, 3);
    Grid->SetComment(0, 1, "node note");
    Grid->GetCellGraphic(0, 1)->SetCommentColor(gfx::clBlue);
    const int w = Grid->ColWidths(0);
    const auto blue = [](gfx::TColor c) { return c == gfx::clBlue; };
    struct Case { TNodeType type; bool marker; };
    const Case cases[] = {{cnLeaf, false}, {cnXP, false}, {cnFlat, true}, {cn3D, true}};
    for (const Case& c : cases) {
        Grid->CellNode().SetNodeType(c.type);
        const auto s = Draw(0, 1);
        EXPECT_EQ(s->Count(rtl::Rect(w - 8, 0, w, 6), blue) > 0, c.marker) << int(c.type);
        EXPECT_GT(s->Count(rtl::Rect(0, 0, w - 8, Grid->RowHeights(1)), NotWhite), 10) << int(c.type);
    }

    // The flat box: a minus when expanded, a plus when contracted, in the node colour.
    Grid->CellNode().SetNodeType(cnFlat);
    Grid->CellNode().SetNodeColor(gfx::clRed);
    const int h = Grid->RowHeights(1);
    // Box left: cell left + level 1 × 12 - 12 / 2 - 4 + 4; top: (h - 8) / 2.
    const int bx = 12 - 6 - 4 + 4, by = (h - 8) / 2;
    auto expanded = Draw(0, 1);
    EXPECT_EQ(expanded->At(bx + 4, by + 4), gfx::clRed);  // the minus
    EXPECT_NE(expanded->At(bx + 4, by + 2), gfx::clRed);  // no bar
    Grid->ContractNode(1);
    auto contracted = Draw(0, 1);
    EXPECT_EQ(contracted->At(bx + 4, by + 2), gfx::clRed);
    EXPECT_EQ(contracted->At(bx + 2, by + 4), gfx::clRed);
}

// ---------------------------------------------------------------- shapes and pies

TEST_F(GraphicDrawTest, ShapeIsFilledInItsColourInsideItsSquareBesideTheText)
{
    // Square of row height - 2 × 2 = 26, centred in R = (1, 1, 119, 29): x = 47, y = 2.
    const rtl::TRect square = rtl::Bounds(47, 2, 26, 26);
    for (TCellShape shape : {csRectangle, csCircle, csDiamond, csSquare}) {
        Grid->AddShape(1, 1, shape, gfx::clYellow, gfx::clBlack, haCenter, vaCenter);
        auto s = Draw(1, 1);
        EXPECT_EQ(s->At(59, 14), gfx::clYellow) << int(shape);
        const rtl::TRect ink = InkBox(*s, NotWhite);
        EXPECT_TRUE(ink.Left >= square.Left && ink.Top >= square.Top && ink.Right <= square.Right &&
                    ink.Bottom <= square.Bottom)
            << int(shape);
        EXPECT_GT(s->CountColor(square, gfx::clBlack), 10) << int(shape);
        Grid->SetShapeColor(1, 1, gfx::clAqua);
        EXPECT_EQ(Draw(1, 1)->At(59, 14), gfx::clAqua) << int(shape);
    }
}

TEST_F(GraphicDrawTest, ProgressPieGrowsWithItsValueClampedToAFullTurn)
{
    const gfx::TColor pie = 0x008000;
    struct Case { int value; double share; };  // share of the full pie's pixels
    const Case cases[] = {{0, 0.0}, {25, 0.25}, {50, 0.5}, {100, 1.0}, {150, 1.0}, {-10, 0.0}};
    Grid->AddProgressPie(1, 1, pie, 100);
    const int full = Draw(1, 1)->CountColor(rtl::Bounds(2, 2, 20, 20), pie);
    ASSERT_GT(full, 150);
    for (const Case& c : cases) {
        Grid->SetProgressPie(1, 1, c.value);
        const auto s = Draw(1, 1);
        EXPECT_NEAR(static_cast<double>(s->CountColor(rtl::Bounds(2, 2, 20, 20), pie)) / full, c.share, 0.06)
            << c.value;
        EXPECT_EQ(s->CountColor(rtl::Rect(22, 0, 120, 30), pie), 0) << c.value;  // 20 × 20 at G's corner
    }
}

TEST_F(GraphicDrawTest, GlyphStyleDrawsTheLooksOwnCheckAndRadioGlyphs)
{
    auto glyph = [](gfx::TColor inner) {
        auto b = std::make_unique<gfx::TBitmap>(12, 12);
        b->Canvas().Brush().SetColor(gfx::clFuchsia);  // bottom-left: left out
        b->Canvas().FillRect(rtl::Rect(0, 0, 12, 12));
        b->Canvas().Brush().SetColor(inner);
        b->Canvas().FillRect(rtl::Rect(2, 2, 10, 10));
        return b;
    };
    Grid->ControlLook().SetControlStyle(csGlyph);
    Grid->ControlLook().SetCheckedGlyph(glyph(gfx::clGreen).get());
    Grid->ControlLook().SetUnCheckedGlyph(glyph(gfx::clMaroon).get());
    Grid->ControlLook().SetRadioOnGlyph(glyph(gfx::clNavy).get());
    Grid->ControlLook().SetRadioOffGlyph(glyph(gfx::clOlive).get());
    const auto only = [](gfx::TColor want) { return [want](gfx::TColor c) { return c == want; }; };
    struct Case { std::function<void()> add; gfx::TColor shown; };
    const Case cases[] = {
        {[&] { Grid->AddCheckBox(1, 1, true, false); }, gfx::clGreen},
        {[&] { Grid->AddCheckBox(1, 1, false, false); }, gfx::clMaroon},
        {[&] { Grid->AddRadioButton(1, 1, true); }, gfx::clNavy},
        {[&] { Grid->AddRadioButton(1, 1, false); }, gfx::clOlive},
    };
    for (const Case& c : cases) {
        c.add();
        const auto s = Draw(1, 1);
        EXPECT_EQ(InkBox(*s, only(c.shown)).Width(), 8);
        EXPECT_EQ(s->CountColor(CellBox(1, 1), gfx::clFuchsia), 0);
    }
}

TEST_F(GraphicDrawTest, RotatedLinesStandSideBySideAcrossTheReadingDirection)
{
    Grid->SetColWidths(1, 80);
    Grid->SetRowHeights(1, 100);
    Grid->Font().SetColor(gfx::clBlack);
    Grid->AddRotated(1, 1, 90, "Alpha\nBeta");
    Grid->SetMultilinecells(false);
    const rtl::TRect one = InkBox(*Draw(1, 1), Dark);
    Grid->SetMultilinecells(true);
    const rtl::TRect two = InkBox(*Draw(1, 1), Dark);
    const int lineHeight = Draw(1, 1)->Canvas().TextHeight("gh");
    // One line reads "Alpha\nBeta" as one run; two lines stand a line height apart.
    EXPECT_GT(one.Height(), two.Height());
    EXPECT_GE(two.Width(), lineHeight);
    EXPECT_LT(one.Width(), lineHeight);
}

TEST_F(GraphicDrawTest, RadioRangePutsTheFirstCaptionLeftOfItsButton)
{
    // The drawn diamonds dot the checked item in the look's colour: a colour no caption has.
    Grid->ControlLook().SetControlStyle(csBorland);
    Grid->ControlLook().SetColor(gfx::clLime);
    rtl::TStringList items;
    items.Add("lo");
    items.Add("hi");
    Grid->AddRadio(1, 1, 1, 0, &items);
    const auto dotX = [&] { return InkBox(*Draw(1, 1), [](gfx::TColor c) { return c == gfx::clLime; }).Left; };
    const int plain = dotX();
    Grid->ControlLook().SetRadioRange(true);
    const int ranged = dotX();
    const int captionWidth = Draw(1, 1)->Canvas().TextWidth("lo");
    ASSERT_GT(plain, 0);
    EXPECT_EQ(ranged, plain + captionWidth + 2);
    // The second item's button stays clear of the first.
    Grid->SetRadioIdx(1, 1, 1);
    EXPECT_GE(dotX(), ranged + 16);
}
