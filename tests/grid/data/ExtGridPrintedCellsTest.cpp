// Printed cells: cell graphics, comment markers, rotated, rich and mini-HTML text, custom cell
// drawing while printing, and the grid's text placement routines.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "grid/core/GridOptionsRecords.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/print/Printer.h"
#include "platform/rtl/StringList.h"
#include "tests/grid/GridOnFormTest.h"
#include "tests/support/ShellOutput.h"
#include "tests/support/TempDir.h"

namespace {

std::string Shell(const std::string& command) { return testsupport::ShellOutput(command); }

// RGB pixels of a page: a PDF page rasterised by pdftoppm, or a canvas drawn by the preview.
struct Rgb {
    int Width = 0, Height = 0;
    std::vector<unsigned char> Px;  // r, g, b per pixel
    const unsigned char* At(int x, int y) const { return &Px[(static_cast<std::size_t>(y) * Width + x) * 3]; }
    bool IsRed(int x, int y) const { return At(x, y)[0] > 200 && At(x, y)[1] < 80 && At(x, y)[2] < 80; }
    bool IsGreen(int x, int y) const { return At(x, y)[0] < 80 && At(x, y)[1] > 100 && At(x, y)[2] < 80; }
    bool IsBlue(int x, int y) const { return At(x, y)[0] < 80 && At(x, y)[1] < 80 && At(x, y)[2] > 200; }
    bool IsInk(int x, int y) const { return At(x, y)[0] + At(x, y)[1] + At(x, y)[2] < 3 * 128; }
    template <typename TPred> int Count(TPred pred) const
    {
        int n = 0;
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x) n += pred(x, y);
        return n;
    }
};

Rgb RasterisePdf(const std::string& pdf, const std::string& stem)
{
    Shell("pdftoppm -r 96 -f 1 -l 1 -singlefile '" + pdf + "' '" + stem + "'");
    Rgb r;
    std::ifstream in(stem + ".ppm", std::ios::binary);
    std::string magic;
    int maxval = 0;
    in >> magic >> r.Width >> r.Height >> maxval;
    in.get();
    r.Px.resize(static_cast<std::size_t>(r.Width) * r.Height * 3);
    in.read(reinterpret_cast<char*>(r.Px.data()), static_cast<std::streamsize>(r.Px.size()));
    return r;
}

// The ink of a rectangle of the page: its bounding box.
struct InkBox {
    int Left = 1 << 30, Top = 1 << 30, Right = -1, Bottom = -1;
    int Width() const { return Right - Left + 1; }
    int Height() const { return Bottom - Top + 1; }
};

class ExtGridPrintedCellsTest : public gridtest::GridInAppTest {
protected:
    void SetUp() override
    {
        GridInAppTest::SetUp();
        Pdf = Dir.File("cells.pdf");
        print::Printer().SetFileName(Pdf);
        print::Printer().SetOrientation(print::poPortrait);
        print::Printer().SetPaperSize({2100, 2970});
        Grid->SetFixedRows(0);
        Grid->SetFixedCols(0);
        Grid->PrintSettings().SetBorders(grid::pbNoborder);
        Grid->PrintSettings().SetCentered(false);
    }

    // The layout's first page drawn at 96 pixels per inch into a white 600 × 400 image.
    Rgb DrawFirstPage()
    {
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 600, 400);
        gfx::TCanvas canvas(s);
        canvas.Brush().SetColor(gfx::clWhite);
        canvas.FillRect({0, 0, 600, 400});
        Grid->PrintDraw(canvas, {0, 0, 600, 400});
        Rgb r;
        r.Width = 600;
        r.Height = 400;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 600; ++x) {
                const gfx::TColor c = canvas.Pixels(x, y);
                r.Px.push_back(static_cast<unsigned char>(c & 0xFF));
                r.Px.push_back(static_cast<unsigned char>((c >> 8) & 0xFF));
                r.Px.push_back(static_cast<unsigned char>((c >> 16) & 0xFF));
            }
        cairo_surface_destroy(s);
        return r;
    }

    static InkBox Ink(const Rgb& page)
    {
        InkBox b;
        for (int y = 0; y < page.Height; ++y)
            for (int x = 0; x < page.Width; ++x)
                if (page.IsInk(x, y)) {
                    b.Left = std::min(b.Left, x);
                    b.Top = std::min(b.Top, y);
                    b.Right = std::max(b.Right, x);
                    b.Bottom = std::max(b.Bottom, y);
                }
        return b;
    }

    std::string PdfText() { return Shell("pdftotext -layout '" + Pdf + "' - 2>&1"); }

    testsupport::TempDir Dir;
    std::string Pdf;
};

// A picture, a progress bar and a checked check box print as the grid paints them; with
// PrintGraphics off they leave empty space, and a data check box never prints its value text.
TEST_F(ExtGridPrintedCellsTest, CellGraphicsPrintOnlyWithPrintGraphics)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(2);
    gfx::TBitmap* bmp = Grid->CreateBitmap(0, 0, false, grid::haLeft, grid::vaTop);
    bmp->SetSize(24, 24);
    bmp->Canvas().Brush().SetColor(gfx::clRed);
    bmp->Canvas().FillRect({0, 0, 24, 24});
    Grid->SetCells(1, 0, "60");
    Grid->AddProgress(1, 0, gfx::clLime, gfx::clWhite);
    Grid->SetCells(2, 0, "1");
    Grid->AddCheckBox(2, 0, true, true);
    Grid->SetColWidths(1, 120);

    Grid->PrintSettings().SetPrintGraphics(true);
    Grid->Print();
    const Rgb on = RasterisePdf(Pdf, Dir.File("on"));
    ASSERT_GT(on.Width, 700);
    // The 24-pixel bitmap prints at its size: 24 × 24 pixels at 96 dpi, give or take the edges.
    const int red = on.Count([&](int x, int y) { return on.IsRed(x, y); });
    EXPECT_NEAR(red, 24 * 24, 24 * 4);
    EXPECT_GT(on.Count([&](int x, int y) { return on.IsGreen(x, y); }), 100) << "the bar's filled part";
    EXPECT_EQ(PdfText().find("60"), std::string::npos) << "the bar shows its value itself, not as cell text";

    Grid->PrintSettings().SetPrintGraphics(false);
    Grid->Print();
    const Rgb off = RasterisePdf(Pdf, Dir.File("off"));
    EXPECT_EQ(off.Count([&](int x, int y) { return off.IsRed(x, y) || off.IsGreen(x, y); }), 0);
    EXPECT_EQ(off.Count([&](int x, int y) { return off.IsInk(x, y); }), 0) << "no value texts, no graphics";
}

// The check box is drawn by the grid's own painter: checked and unchecked boxes differ on paper.
TEST_F(ExtGridPrintedCellsTest, CheckedAndUncheckedBoxesPrintDifferently)
{
    Grid->SetColCount(1);
    Grid->SetRowCount(1);
    Grid->PrintSettings().SetPrintGraphics(true);
    Grid->AddCheckBox(0, 0, false, false);
    const Rgb unchecked = DrawFirstPage();
    Grid->SetCheckBoxState(0, 0, true);
    const Rgb checked = DrawFirstPage();
    const int a = unchecked.Count([&](int x, int y) { return unchecked.IsInk(x, y); });
    const int b = checked.Count([&](int x, int y) { return checked.IsInk(x, y); });
    EXPECT_GT(a, 8) << "the box's frame";
    EXPECT_GT(b, a + 5) << "the tick: " << a << " against " << b;
}

TEST_F(ExtGridPrintedCellsTest, CommentMarkerPrintsOnlyWithPrintComments)
{
    Grid->SetColCount(2);
    Grid->SetRowCount(2);
    Grid->SetCells(0, 0, "noted");
    Grid->AddComment(0, 0, "a remark");
    const Rgb with = DrawFirstPage();
    const int red = with.Count([&](int x, int y) { return with.IsRed(x, y); });
    // A triangle with 8-pixel sides.
    EXPECT_GE(red, 20);
    EXPECT_LE(red, 64);
    // It sits in the cell's top-right corner: right of the cell's text.
    const InkBox text = Ink(with);
    int redLeft = 1 << 30;
    for (int y = 0; y < with.Height; ++y)
        for (int x = 0; x < with.Width; ++x)
            if (with.IsRed(x, y)) redLeft = std::min(redLeft, x);
    EXPECT_GT(redLeft, text.Left + 10);

    Grid->PrintSettings().SetPrintComments(false);
    const Rgb without = DrawFirstPage();
    EXPECT_EQ(without.Count([&](int x, int y) { return without.IsRed(x, y); }), 0);
}

// Text turned by 90 degrees runs upward; three lines stand side by side, one line height apart.
TEST_F(ExtGridPrintedCellsTest, RotatedTextPrintsTurnedWithLinesSideBySide)
{
    Grid->SetColCount(1);
    Grid->SetRowCount(1);
    Grid->SetMultilinecells(true);
    Grid->AddRotated(0, 0, 90, "ROTATED TEXT");
    const InkBox one = Ink(DrawFirstPage());
    ASSERT_GT(one.Right, 0);
    EXPECT_GT(one.Height(), 3 * one.Width()) << "a single turned line is tall and narrow";

    Grid->AddRotated(0, 0, 90, "ROTATED TEXT\nROTATED TEXT\nROTATED TEXT");
    const InkBox three = Ink(DrawFirstPage());
    EXPECT_NEAR(three.Height(), one.Height(), 2);
    EXPECT_GT(three.Width(), 2 * one.Width());
    EXPECT_LT(three.Width(), 4 * one.Width() + 12);
}

TEST_F(ExtGridPrintedCellsTest, RichAndHtmlTextsPrintWithoutTheirMarkup)
{
    Grid->SetColCount(2);
    Grid->SetRowCount(2);
    Grid->SetCells(0, 0, "{\\rtf1\\ansi {\\b Heavy} words\\par second paragraph}");
    Grid->SetCells(1, 0, "plain neighbour");
    grid::TPrintSettings& ps = Grid->PrintSettings();
    ps.TitleLines()->Add("<b>Annual</b> <i>cells</i>");
    ps.SetTitle(grid::ppTopLeft);
    Grid->Print();
    const std::string text = PdfText();
    EXPECT_NE(text.find("Heavy words"), std::string::npos) << text;
    EXPECT_NE(text.find("second paragraph"), std::string::npos) << text;
    EXPECT_EQ(text.find("rtf1"), std::string::npos) << text;
    EXPECT_NE(text.find("Annual cells"), std::string::npos) << "the mini-HTML title" << text;
    EXPECT_EQ(text.find("<b>"), std::string::npos) << text;
    // The title stands above the cells.
    EXPECT_LT(text.find("Annual cells"), text.find("Heavy words"));
}

// A rich cell prints its runs in their own colours and sizes, as the screen shows them.
TEST_F(ExtGridPrintedCellsTest, RichCellsPrintTheirRunsInTheirColoursAndSizes)
{
    Grid->SetColCount(1);
    Grid->SetRowCount(2);
    Grid->SetColWidths(0, 300);
    Grid->SetRowHeights(0, 60);
    Grid->SetRowHeights(1, 60);
    Grid->SetCells(0, 0, "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}{\\cf1\\fs40 RED} black\\par}");
    Grid->SetCells(0, 1, "{\\rtf1\\ansi{\\fs16 small}\\par}");
    Grid->Print();
    const Rgb page = RasterisePdf(Pdf, Dir.File("rich"));
    EXPECT_GT(page.Count([&](int x, int y) { return page.IsRed(x, y); }), 40) << "the red run is red on paper";
    const std::string text = PdfText();
    EXPECT_NE(text.find("RED black"), std::string::npos) << text;
    EXPECT_NE(text.find("small"), std::string::npos) << text;
}

// A plain multi-line title keeps its first line beside the other items of its position.
TEST_F(ExtGridPrintedCellsTest, PlainTitleFirstLineJoinsThePageNumber)
{
    Grid->SetColCount(1);
    Grid->SetRowCount(1);
    Grid->SetCells(0, 0, "x");
    grid::TPrintSettings& ps = Grid->PrintSettings();
    ps.TitleLines()->Add("Crop report");
    ps.TitleLines()->Add("second title line");
    ps.SetTitle(grid::ppTopLeft);
    ps.SetPageNr(grid::ppTopLeft);
    Grid->Print();
    const std::string text = PdfText();
    EXPECT_NE(text.find("Crop report 1"), std::string::npos) << text;
    EXPECT_NE(text.find("second title line"), std::string::npos) << text;
}

TEST_F(ExtGridPrintedCellsTest, CustomCellDrawIsCalledWhilePrintingAndItsDrawingReachesThePage)
{
    Grid->SetColCount(2);
    Grid->SetRowCount(2);
    Grid->SetCells(1, 1, "owner drawn");
    int calls = 0;
    bool allPrinting = true;
    Grid->OnCustomCellDraw = [&](rtl::TObject*, gfx::TCanvas* canvas, int col, int row, ui::TGridDrawState,
                                 const rtl::TRect& rect, bool printing) {
        ++calls;
        allPrinting = allPrinting && printing;
        if (col != 1 || row != 1) return;
        canvas->Brush().SetColor(gfx::clBlue);
        canvas->FillRect({rect.Left + 2, rect.Top + 2, rect.Left + 12, rect.Top + 12});
    };
    Grid->Print();
    EXPECT_EQ(calls, 4);
    EXPECT_TRUE(allPrinting);
    const Rgb page = RasterisePdf(Pdf, Dir.File("custom"));
    // 10 × 10 device pixels at 300 dpi: about 3 × 3 at 96.
    EXPECT_GE(page.Count([&](int x, int y) { return page.IsBlue(x, y); }), 4);
}

TEST_F(ExtGridPrintedCellsTest, TotalOffsetsAndLinesInRow)
{
    Grid->UpdateXYOffset(2, 3);
    EXPECT_EQ(Grid->TotalXOffset(), 4);
    EXPECT_EQ(Grid->TotalYOffset(), 6);
    Grid->SetXYOffsetTopLeftOnly(true);
    EXPECT_EQ(Grid->TotalXOffset(), 2);
    EXPECT_EQ(Grid->TotalYOffset(), 3);

    Grid->SetColCount(3);
    Grid->SetRowCount(2);
    Grid->SetCells(0, 1, "one");
    Grid->SetCells(1, 1, "a\r\nb\r\nc");
    Grid->SetCells(2, 1, "x\r\ny");
    Grid->SetMultilinecells(false);
    EXPECT_EQ(Grid->MaxLinesInRow(1), 1);
    Grid->SetMultilinecells(true);
    EXPECT_EQ(Grid->MaxLinesInRow(1), 3);
    EXPECT_EQ(Grid->MaxLinesInRow(0), 1);
}

// Where text turned by an angle starts so that its turned block (w = 40, h = 10) lies in the
// rectangle 0, 0, 100, 50 by the alignments.
TEST_F(ExtGridPrintedCellsTest, AlignTextRectPlacesTheStartOfRotatedText)
{
    struct Case {
        int Angle;
        ui::TAlignment HA;
        grid::TVAlignment VA;
        rtl::TPoint Start;
    };
    const Case cases[] = {
        {0, ui::taLeftJustify, grid::vtaTop, {0, 0}},
        {0, ui::taRightJustify, grid::vtaBottom, {60, 40}},
        {0, ui::taCenter, grid::vtaCenter, {30, 20}},
        // Upward: the block is 10 wide and 40 high, the start at its bottom-left.
        {90, ui::taLeftJustify, grid::vtaTop, {0, 40}},
        {90, ui::taRightJustify, grid::vtaTop, {90, 40}},
        // Upside down: the start at the block's bottom-right.
        {180, ui::taLeftJustify, grid::vtaTop, {40, 10}},
        // Downward: the start at the block's top-right.
        {270, ui::taLeftJustify, grid::vtaBottom, {10, 10}},
    };
    for (const Case& c : cases) {
        const double a = c.Angle * 3.14159265358979 / 180.0;
        auto abs = [](double v) { return static_cast<int>(std::lround(std::fabs(v))); };
        rtl::TRect r{0, 0, 100, 50};
        Grid->AlignTextRect(r, c.HA, c.VA, abs(40 * std::cos(a)), abs(40 * std::sin(a)), abs(10 * std::cos(a)),
                            abs(10 * std::sin(a)), c.Angle);
        EXPECT_EQ(r.Left, c.Start.X) << c.Angle << " " << c.HA << " " << c.VA;
        EXPECT_EQ(r.Top, c.Start.Y) << c.Angle << " " << c.HA << " " << c.VA;
    }
    rtl::TRect r{10, 10, 110, 60};
    rtl::TSize size;
    Grid->DrawAlignedText(r, size, grid::vtaTop, ui::taLeftJustify, "Text", 0);
    EXPECT_EQ(size, Grid->Canvas().TextExtent("Textw"));
    EXPECT_EQ(r.Left, 12) << "the rectangle shrinks by 2";
    EXPECT_EQ(r.Top, 12);
}

}  // namespace
