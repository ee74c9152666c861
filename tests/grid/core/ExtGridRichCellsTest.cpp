// Rich-text cells of the string grid: RTF in and out of the rich edit, runs painted in cells, rendering on a printer canvas, the grid's rich edits.
#include <gtest/gtest.h>

#include <cairo.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/ExtRichEdit.h"
#include "grid/core/GridOptionsCells.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Forms.h"
#include "platform/ui/RichEdit.h"

namespace {

using grid::TExtStringGrid;

// "black " then "RED" in red: the colour table's first entry is red.
const char* const RedRunRtf =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
    "\\pard\\f0\\fs24 black \\cf1 RED\\cf0\\par}";

TEST(ExtGridRichCells, CellRtfGoesIntoTheRichEditAndComesBackFormatted)
{
    grid::TExtStringGrid grid(nullptr);
    ui::TRichEdit edit(nullptr);
    grid.SetCells(1, 1, "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard\\f0\\fs20 plain \\b bold\\b0\\par}");
    grid.CellToRich(1, 1, edit);
    EXPECT_EQ(edit.Text(), "plain bold");
    EXPECT_TRUE(edit.Document().Formats[6].Style.Contains(gfx::fsBold));

    edit.SetSel(0, 5);
    edit.SetSelStyle(gfx::fsItalic, true);
    grid.RichToCell(2, 1, edit);
    const std::string stored = grid.Cells(2, 1);
    ASSERT_TRUE(ui::IsRtf(stored));
    const ui::TRichText back = ui::RtfToRichText(stored);
    EXPECT_EQ(back.PlainText(), "plain bold");
    EXPECT_TRUE(back.Formats[0].Style.Contains(gfx::fsItalic));
    EXPECT_TRUE(back.Formats[6].Style.Contains(gfx::fsBold));

    grid.SetCells(3, 1, "just text");
    grid.CellToRich(3, 1, edit);
    EXPECT_EQ(edit.Text(), "just text");
    grid.CellToRich(4, 1, edit);  // an empty cell empties the edit
    EXPECT_EQ(edit.Text(), "");
}

TEST(ExtGridRichCells, TheGridsRichEditWantsAGridAsOwner)
{
    ui::TForm form(nullptr);
    EXPECT_THROW(grid::TExtRichEdit edit(&form), rtl::EInvalidCast);
    EXPECT_THROW(grid::TExtRichEdit edit(nullptr), rtl::EInvalidCast);
}

bool Reddish(gfx::TColor c) { return (c & 0xFF) > 160 && ((c >> 8) & 0xFF) < 110 && ((c >> 16) & 0xFF) < 110; }
bool Bluish(gfx::TColor c) { return ((c >> 16) & 0xFF) > 160 && (c & 0xFF) < 110 && ((c >> 8) & 0xFF) < 110; }

class RichCellPaintTest : public ::testing::Test {
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
        Grid->SetColWidths(2, 200);
        Grid->SetRowHeights(2, 40);
        Form->Show();
        App->ProcessMessages();
    }
    void TearDown() override { App.reset(); }
    void Paint()
    {
        Grid->Invalidate();
        Form->PaintPending();
    }
    gfx::TColor Pixel(int x, int y) const
    {
        return static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(Grid, x, y)) & 0xFFFFFF;
    }
    template <typename TTest>
    int Count(int c, int r, TTest test) const
    {
        const rtl::TRect rc = Grid->CellRect(c, r);
        int n = 0;
        for (int x = rc.Left; x < rc.Right; ++x)
            for (int y = rc.Top; y < rc.Bottom; ++y) n += test(Pixel(x, y)) ? 1 : 0;
        return n;
    }
    // The leftmost column of the cell holding a pixel that passes the test (-1: none).
    template <typename TTest>
    int LeftMost(int c, int r, TTest test) const
    {
        const rtl::TRect rc = Grid->CellRect(c, r);
        for (int x = rc.Left; x < rc.Right; ++x)
            for (int y = rc.Top; y < rc.Bottom; ++y)
                if (test(Pixel(x, y))) return x - rc.Left;
        return -1;
    }
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtStringGrid* Grid = nullptr;
};

// The runs are drawn with their colours (the red run to the right of the black one), not as
// the RTF source nor as plain text in the cell's font colour.
TEST_F(RichCellPaintTest, RichTextCellShowsItsRunsInTheirColours)
{
    Grid->SetCells(2, 2, RedRunRtf);
    Paint();
    auto dark = [](gfx::TColor c) { return (c & 0xFF) < 80 && ((c >> 8) & 0xFF) < 80 && ((c >> 16) & 0xFF) < 80; };
    ASSERT_GT(Count(2, 2, Reddish), 20);
    ASSERT_GT(Count(2, 2, dark), 20);
    EXPECT_GT(LeftMost(2, 2, Reddish), LeftMost(2, 2, dark) + 20);
    // The source's control words would make the cell far wider than the cell holds: the ink
    // ends well inside the 200 pixels.
    const rtl::TRect rc = Grid->CellRect(2, 2);
    for (int y = rc.Top; y < rc.Bottom - 1; ++y) EXPECT_FALSE(dark(Pixel(rc.Right - 20, y)));
}

// A selected cell that is not the focused current cell draws its text in SelectionTextColor,
// unless SelectionRTFKeep keeps the text's own colours.
TEST_F(RichCellPaintTest, SelectedRichTextCellTakesTheSelectionTextColourUnlessKept)
{
    Grid->SetCells(2, 2, RedRunRtf);
    Grid->SetSelectionTextColor(gfx::clBlue);
    Grid->SetOptions(Grid->Options() | ui::goRangeSelect);
    Grid->SetSelection(ui::TGridRect{1, 1, 3, 3});  // the cell in its middle is not the current one
    ASSERT_TRUE(Grid->IsCellInSelection(2, 2));
    Paint();
    EXPECT_EQ(Count(2, 2, Reddish), 0);
    EXPECT_GT(Count(2, 2, Bluish), 20);

    Grid->SetSelectionRTFKeep(true);
    Paint();
    EXPECT_GT(Count(2, 2, Reddish), 20);
}

// A printer canvas of 600 dots per inch takes XYRTFOffset (2, 3) as 12 and 18 device
// pixels, and the text at six and a quarter times its screen size.
TEST_F(RichCellPaintTest, RenderingOnAPrinterCanvasScalesTheIndentAndTheText)
{
    Grid->SetCells(1, 1, RedRunRtf);
    struct TInk {
        int Left = 1 << 30, Top = 1 << 30, Right = -1;
    };
    auto render = [&](int ppi, rtl::TPoint offset) {
        Grid->SetXYRTFOffset(offset);
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 2400, 600);
        gfx::TCanvas canvas(s);
        canvas.Brush().SetColor(gfx::clWhite);
        canvas.FillRect({0, 0, 2400, 600});
        Grid->RenderCellRTF(1, 1, canvas, rtl::TRect{0, 0, 2400, 600}, ppi);
        TInk ink;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 2400; ++x) {
                if ((canvas.Pixels(x, y) & 0xFFFFFF) == gfx::clWhite) continue;
                ink.Left = std::min(ink.Left, x);
                ink.Top = std::min(ink.Top, y);
                ink.Right = std::max(ink.Right, x);
            }
        cairo_surface_destroy(s);
        return ink;
    };
    const TInk plain = render(600, {0, 0});
    const TInk shifted = render(600, {2, 3});
    EXPECT_EQ(shifted.Left - plain.Left, 12);
    EXPECT_EQ(shifted.Top - plain.Top, 18);
    const TInk screen = render(96, {0, 0});
    const double scale = double(plain.Right - plain.Left) / (screen.Right - screen.Left);
    EXPECT_GT(scale, 5.5);
    EXPECT_LT(scale, 7.0);
}

TEST_F(RichCellPaintTest, RichTextCellMeasuresAsItsTextNotItsSource)
{
    Grid->SetCells(1, 1, RedRunRtf);
    Grid->SetCells(1, 2, "black RED");
    const rtl::TPoint rich = Grid->CalcCellTextSize(Grid->Canvas(), 1, 1, true);
    const rtl::TPoint plain = Grid->CalcCellTextSize(Grid->Canvas(), 1, 2, true);
    EXPECT_GT(rich.X, plain.X / 2);
    EXPECT_LT(rich.X, plain.X * 2);
    EXPECT_GT(rich.Y, 10);
}

// The in-place rich editor is driven by real keys: caret moves and typing change its
// selection, each change fires OnRichEditSelectionChange with the grid as sender.
TEST_F(RichCellPaintTest, InplaceRichEditorSelectionChangesFireTheGridEvent)
{
    std::vector<rtl::TObject*> senders;
    Grid->OnRichEditSelectionChange = [&](rtl::TObject* sender) { senders.push_back(sender); };
    grid::TExtRichEdit& edit = Grid->InplaceRichEdit();
    // Only the hidden converter draws over what lies beneath it.
    EXPECT_FALSE(edit.Transparent());
    EXPECT_TRUE(Grid->RichEdit().Transparent());
    edit.SetBounds(10, 10, 200, 30);
    edit.SetVisible(true);
    edit.SetFocus();
    ui::THeadlessBackend::TypeText("ab");
    EXPECT_EQ(edit.Text(), "ab");
    ASSERT_EQ(senders.size(), 2u);
    EXPECT_EQ(senders[0], Grid);
    ui::THeadlessBackend::PressKey(ui::VK_HOME);
    EXPECT_EQ(senders.size(), 3u);
    ui::THeadlessBackend::PressKey(ui::VK_HOME);  // already there: no change, no event
    EXPECT_EQ(senders.size(), 3u);
    ui::THeadlessBackend::PressKey(ui::VK_RIGHT);
    EXPECT_EQ(senders.size(), 4u);
    EXPECT_EQ(edit.SelStart(), 1);
}

// While SizeWhileTyping.Height is on, the in-place rich editor grows the current row to its
// text (requested height + 10) and reports the new size; locked, it leaves the row alone.
TEST_F(RichCellPaintTest, InplaceRichEditorGrowsTheRowToItsTextUnlessLocked)
{
    Grid->SizeWhileTyping().SetHeight(true);
    Grid->SetRowHeights(1, 24);
    std::vector<int> sized;
    Grid->OnEndRowSize = [&](rtl::TObject*, int row) { sized.push_back(row); };
    grid::TExtRichEdit& edit = Grid->InplaceRichEdit();
    const rtl::TRect cell = Grid->CellRect(Grid->Col(), Grid->Row());
    edit.SetBounds(cell.Left, cell.Top, cell.Right - cell.Left, cell.Bottom - cell.Top);
    edit.SetVisible(true);
    edit.SetFocus();

    edit.LockResize();
    ui::THeadlessBackend::TypeText("one\rtwo\rthree");
    EXPECT_EQ(Grid->RowHeights(1), 24);
    EXPECT_TRUE(sized.empty());

    edit.UnlockResize();
    ui::THeadlessBackend::TypeText("\rfour");
    const int requested = edit.RequestedSize().cy;
    EXPECT_GT(requested, 4 * 12);
    EXPECT_EQ(Grid->RowHeights(1), requested + 10);
    EXPECT_EQ(edit.Height(), requested + 9);
    ASSERT_FALSE(sized.empty());
    EXPECT_EQ(sized.back(), 1);
}

}  // namespace
