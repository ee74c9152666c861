// Printing a grid to PDF and previewing it: page counts, bands, repeated fixed cells, header and footer, cancelling.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "grid/core/GridOptionsRecords.h"
#include "platform/gfx/Canvas.h"
#include "platform/print/Printer.h"
#include "tests/grid/GridOnFormTest.h"
#include "tests/support/ShellOutput.h"
#include "tests/support/TempDir.h"

namespace {

std::string Shell(const std::string& command) { return testsupport::ShellOutput(command); }

int PdfPages(const std::string& pdf)
{
    std::smatch m;
    const std::string info = Shell("pdfinfo '" + pdf + "' 2>&1");
    if (!std::regex_search(info, m, std::regex("Pages:\\s+(\\d+)"))) return -1;
    return std::stoi(m[1]);
}

std::string PageText(const std::string& pdf, int page)
{
    const std::string p = std::to_string(page);
    return Shell("pdftotext -layout -f " + p + " -l " + p + " '" + pdf + "' - 2>&1");
}

// A page rasterised by pdftoppm as grey levels (0 black … 255 white).
struct Raster {
    int Width = 0, Height = 0;
    std::vector<unsigned char> Grey;
    int At(int x, int y) const { return Grey[static_cast<std::size_t>(y) * Width + x]; }
};

Raster Rasterise(const std::string& pdf, int page, int dpi, const std::string& stem)
{
    const std::string p = std::to_string(page);
    Shell("pdftoppm -gray -r " + std::to_string(dpi) + " -f " + p + " -l " + p + " -singlefile '" + pdf + "' '" +
        stem + "'");
    Raster r;
    std::ifstream in(stem + ".pgm", std::ios::binary);
    std::string magic;
    int maxval = 0;
    in >> magic >> r.Width >> r.Height >> maxval;
    in.get();
    r.Grey.resize(static_cast<std::size_t>(r.Width) * r.Height);
    in.read(reinterpret_cast<char*>(r.Grey.data()), static_cast<std::streamsize>(r.Grey.size()));
    return r;
}

// x positions of the vertical lines of the table: pixel columns dark over most of the
// middle half of the page (text never is), neighbouring columns counted once.
std::vector<int> VerticalLines(const Raster& r)
{
    std::vector<int> xs;
    bool inRun = false;
    for (int x = 0; x < r.Width; ++x) {
        int dark = 0;
        for (int y = r.Height / 4; y < r.Height * 3 / 4; ++y) dark += r.At(x, y) < 160;
        const bool line = dark > r.Height / 2 * 9 / 10;
        if (line && !inRun) xs.push_back(x);
        inRun = line;
    }
    return xs;
}

class ExtGridPrintTest : public gridtest::GridInAppTest {
protected:
    void SetUp() override
    {
        GridInAppTest::SetUp();
        Pdf = Dir.File("grid.pdf");
        print::Printer().SetFileName(Pdf);
        print::Printer().SetOrientation(print::poPortrait);
        print::Printer().SetPaperSize({2100, 2970});
    }

    // 14 columns of long texts (two page widths) and 160 rows (several page heights), with
    // a fixed row and a fixed column whose texts say so.
    void FillWideAndLong()
    {
        Grid->SetColCount(14);
        Grid->SetRowCount(160);
        Grid->SetFixedRows(1);
        Grid->SetFixedCols(1);
        for (int c = 1; c < 14; ++c) Grid->SetCells(c, 0, "Head" + std::to_string(c));
        for (int r = 1; r < 160; ++r) {
            Grid->SetCells(0, r, "Fix" + std::to_string(r));
            for (int c = 1; c < 14; ++c)
                Grid->SetCells(c, r, "value r" + std::to_string(r) + " c" + std::to_string(c) + " wide");
        }
        grid::TPrintSettings& ps = Grid->PrintSettings();
        ps.SetRepeatFixedRows(true);
        ps.SetRepeatFixedCols(true);
        ps.SetTitleText("Yearly cells");
        ps.SetTitle(grid::ppTopCenter);
        ps.SetPageNr(grid::ppBottomRight);
        ps.SetPagePrefix("Page");
    }

    testsupport::TempDir Dir;
    std::string Pdf;
};

TEST_F(ExtGridPrintTest, WideLongGridPrintsTheCountedPagesInBandsWithRepeatedFixedCellsHeaderAndFooter)
{
    FillWideAndLong();
    int counted = -1;
    Grid->OnPrintStart = [&](rtl::TObject*, int pages, int&, int&) { counted = pages; };
    Grid->Print();

    ASSERT_GT(counted, 3);
    EXPECT_EQ(PdfPages(Pdf), counted);
    EXPECT_EQ(Grid->PrintNrOfPages(), counted);
    // Two bands: pages are numbered page-in-band "-" band.
    const std::string first = PageText(Pdf, 1);
    EXPECT_NE(first.find("Yearly cells"), std::string::npos) << first;
    EXPECT_NE(first.find("Page 1-1"), std::string::npos) << first;
    EXPECT_NE(first.find("Head1"), std::string::npos);
    const std::string second = PageText(Pdf, 2);
    EXPECT_NE(second.find("Page 2-1"), std::string::npos) << second;
    EXPECT_NE(second.find("Head1"), std::string::npos) << "the fixed row repeats on later pages";
    EXPECT_EQ(second.find("value r1 "), std::string::npos);
    const std::string last = PageText(Pdf, counted);
    std::smatch band;
    ASSERT_TRUE(std::regex_search(last, band, std::regex("Page \\d+-(\\d+)"))) << last;
    EXPECT_GE(std::stoi(band[1]), 2);
    EXPECT_NE(last.find("Fix159"), std::string::npos) << "the fixed column repeats in the second band";
    EXPECT_NE(last.find("c13 wide"), std::string::npos);
    EXPECT_EQ(last.find("c1 wide"), std::string::npos);

    // Grid lines: page 2 shows one vertical line per column edge of its band.
    const Raster page = Rasterise(Pdf, 2, 96, Dir.File("p2"));
    ASSERT_GT(page.Width, 700);
    const std::vector<int> lines = VerticalLines(page);
    EXPECT_GE(lines.size(), 4u);

    // On the page itself the title stands above the table and the page number below it: the
    // table's first line runs from its top to its bottom edge, and there is ink beyond both.
    ASSERT_FALSE(lines.empty());
    int top = -1, bottom = -1;
    for (int y = 0; y < page.Height; ++y) {
        if (page.At(lines[0] + 1, y) >= 160 && page.At(lines[0], y) >= 160) continue;
        if (top < 0) top = y;
        bottom = y;
    }
    auto inkBetween = [&](int y0, int y1) {
        int ink = 0;
        for (int y = std::max(0, y0); y < std::min(page.Height, y1); ++y)
            for (int x = 0; x < page.Width; ++x) ink += page.At(x, y) < 160;
        return ink;
    };
    ASSERT_GT(top, 0);
    EXPECT_GT(inkBetween(0, top - 1), 30) << "the title above the table";
    EXPECT_GT(inkBetween(bottom + 2, page.Height), 30) << "the page number below the table";
}

// A column wider than the page prints in a band of its own, clipped to the page, and the
// columns after it start the next band.
TEST_F(ExtGridPrintTest, ColumnWiderThanThePagePrintsAloneClippedToThePage)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(2);
    Grid->SetFixedCols(0);
    Grid->SetCells(0, 0, "narrow");
    std::string wide = "start";
    for (int i = 0; i < 60; ++i) wide += " word" + std::to_string(i);
    Grid->SetCells(1, 0, wide);
    Grid->SetCells(2, 0, "after");
    int counted = 0;
    Grid->OnPrintStart = [&](rtl::TObject*, int pages, int&, int&) { counted = pages; };
    Grid->Print();
    ASSERT_EQ(counted, 3);
    ASSERT_EQ(PdfPages(Pdf), 3);
    const std::string second = PageText(Pdf, 2);
    EXPECT_NE(second.find("start word0"), std::string::npos) << second;
    EXPECT_EQ(second.find("word59"), std::string::npos) << "clipped at the page's edge";
    EXPECT_EQ(second.find("narrow"), std::string::npos);
    EXPECT_EQ(second.find("after"), std::string::npos);
    EXPECT_NE(PageText(Pdf, 3).find("after"), std::string::npos);
}

TEST_F(ExtGridPrintTest, HtmlCellsPrintTheirTextWithoutTags)
{
    Grid->SetColCount(2);
    Grid->SetRowCount(2);
    Grid->SetCells(0, 1, "<b>Bold</b> and <i>slanted</i> words");
    Grid->SetCells(1, 1, "plain");
    Grid->Print();
    const std::string text = PageText(Pdf, 1);
    EXPECT_NE(text.find("Bold and slanted words"), std::string::npos) << text;
    EXPECT_EQ(text.find("<b>"), std::string::npos) << text;
    EXPECT_NE(text.find("plain"), std::string::npos) << text;
}

// A cell merged over three rows prints as one rectangle: its column shows two row lines
// fewer than the column beside it.
TEST_F(ExtGridPrintTest, CellMergedOverThreeRowsPrintsWithoutInnerBorders)
{
    Grid->SetColCount(2);
    Grid->SetRowCount(6);
    Grid->SetFixedRows(0);
    Grid->SetFixedCols(0);
    Grid->SetCells(0, 1, "m");
    Grid->MergeCells(0, 1, 1, 3);
    Grid->PrintSettings().SetCentered(false);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 400, 400);
    gfx::TCanvas canvas(s);
    canvas.Brush().SetColor(gfx::clWhite);
    canvas.FillRect({0, 0, 400, 400});
    Grid->PrintDraw(canvas, {0, 0, 400, 400});
    Raster r;
    r.Width = r.Height = 400;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x) r.Grey.push_back(static_cast<unsigned char>(canvas.Pixels(x, y) & 0xFF));
    cairo_surface_destroy(s);
    std::vector<int> edges;
    for (int x = 0; x < 400; ++x)
        if (r.At(x, 50) < 128 && (x == 0 || r.At(x - 1, 50) >= 128)) edges.push_back(x);
    ASSERT_EQ(edges.size(), 3u);
    auto rowLines = [&](int x) {
        int n = 0;
        for (int y = 0; y < 400; ++y) n += r.At(x, y) < 128 && (y == 0 || r.At(x, y - 1) >= 128);
        return n;
    };
    EXPECT_EQ(rowLines(edges[1] - 3), 7 - 2);
    EXPECT_EQ(rowLines(edges[2] - 3), 7);
}

TEST_F(ExtGridPrintTest, PageNumbersWithSeparatorAndOffset)
{
    Grid->SetColCount(2);
    Grid->SetRowCount(4);
    grid::TPrintSettings& ps = Grid->PrintSettings();
    ps.SetPageNr(grid::ppBottomCenter);
    ps.SetPageNumberOffset(10);
    // One row per page through the new-page event: 4 pages numbered 11/4 … 14/4.
    Grid->OnPrintNewPage = [](rtl::TObject*, int, bool& newPage) { newPage = true; };
    Grid->Print();
    ASSERT_EQ(PdfPages(Pdf), 4);
    EXPECT_NE(PageText(Pdf, 2).find("12/4"), std::string::npos) << PageText(Pdf, 2);

    ps.SetPageNumberOffset(0);
    Grid->OnPrintNewPage = nullptr;
    Grid->Print();
    ASSERT_EQ(PdfPages(Pdf), 1);
    const std::string only = PageText(Pdf, 1);
    EXPECT_NE(only.find("1"), std::string::npos);
    EXPECT_EQ(only.find("/"), std::string::npos) << "a single page carries no page count";
}

// Each page end reports the next row, the position reached, the page and its size, then asks
// whether to cancel; a cancel keeps the pages already printed and prints no more.
TEST_F(ExtGridPrintTest, PageDoneReportsRowPositionAndPageThenCancelStopsAfterThatPage)
{
    Grid->SetColCount(2);
    Grid->SetRowCount(6);
    for (int r = 0; r < 6; ++r) Grid->SetCells(1, r, "row" + std::to_string(r));
    // Pages of one, two and three rows.
    Grid->OnPrintNewPage = [](rtl::TObject*, int row, bool& newPage) { newPage = row == 1 || row == 3; };
    struct Done { int LastRow, Offset, Page, W, H; };
    std::vector<Done> done;
    std::vector<std::string> order;
    int pageW = 0, pageH = 0, cancelAt = 0;
    Grid->OnPrintPage = [&](rtl::TObject*, gfx::TCanvas*, int page, int w, int h) {
        order.push_back("page " + std::to_string(page));
        pageW = w;
        pageH = h;
    };
    Grid->OnPrintPageDone = [&](rtl::TObject*, gfx::TCanvas* canvas, int lastRow, int offset, int page, int w, int h) {
        EXPECT_NE(canvas, nullptr);
        done.push_back({lastRow, offset, page, w, h});
        order.push_back("done " + std::to_string(page));
    };
    Grid->OnPrintCancel = [&](rtl::TObject*, int page, bool& cancel) {
        order.push_back("cancel? " + std::to_string(page));
        cancel = page == cancelAt;
    };

    Grid->Print();
    ASSERT_EQ(PdfPages(Pdf), 3);
    EXPECT_EQ(order, (std::vector<std::string>{"page 1", "done 1", "cancel? 1", "page 2", "done 2", "cancel? 2",
                                               "page 3", "done 3", "cancel? 3"}));
    ASSERT_EQ(done.size(), 3u);
    const int lastRows[] = {1, 3, 6};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(done[i].LastRow, lastRows[i]) << i;
        EXPECT_EQ(done[i].Page, i + 1);
        EXPECT_EQ(done[i].W, pageW);
        EXPECT_EQ(done[i].H, pageH);
        EXPECT_LT(done[i].Offset, 0) << "below the page's top edge";
        EXPECT_GT(done[i].Offset, pageH) << "above its bottom edge";
    }
    // One, two and three equal rows: the position reached steps down by one row each page.
    EXPECT_LT(done[1].Offset, done[0].Offset);
    EXPECT_EQ(done[0].Offset - done[1].Offset, done[1].Offset - done[2].Offset);

    cancelAt = 2;
    done.clear();
    Grid->Print();
    EXPECT_EQ(PdfPages(Pdf), 2);
    EXPECT_EQ(done.size(), 2u);
    EXPECT_NE(PageText(Pdf, 2).find("row2"), std::string::npos);
    EXPECT_EQ(PageText(Pdf, 2).find("row3"), std::string::npos);
}

// With custom fitting the handler sees the factor that would fit the page, and may change it
// or refuse it.
TEST_F(ExtGridPrintTest, FitToPageHandlerSeesTheFitFactorAndMayChangeOrRefuseIt)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(2);
    Grid->SetFixedRows(0);
    Grid->SetFixedCols(0);
    for (int c = 0; c < 3; ++c) Grid->SetCells(c, 0, "x");
    int width = 0;
    Grid->OnPrintSetColumnWidth = [&](rtl::TObject*, int c, int& w) {
        if (c == 0) width = w;
    };
    Grid->PrintSettings().SetFitToPage(grid::fpNever);
    Grid->Print();
    const int natural = width;
    Grid->PrintSettings().SetFitToPage(grid::fpAlways);
    Grid->Print();
    const int fitted = width;
    ASSERT_GT(fitted, natural * 10);

    Grid->PrintSettings().SetFitToPage(grid::fpCustom);
    double seen = 0;
    struct Case { double Set; bool Allow; int Expected; };
    for (Case k : {Case{0, true, fitted}, Case{2.0, true, natural * 2}, Case{2.0, false, natural}}) {
        Grid->OnFitToPage = [&](rtl::TObject*, double& factor, bool& allow) {
            seen = factor;
            if (k.Set != 0) factor = k.Set;
            allow = k.Allow;
        };
        Grid->Print();
        EXPECT_EQ(width, k.Expected) << k.Set << " " << k.Allow;
        EXPECT_EQ(static_cast<int>(natural * seen), fitted) << "the handler is offered the fitting factor";
        EXPECT_EQ(PdfPages(Pdf), 1);
    }
}

// Page numbers are made knowing the page and the band of columns they belong to.
TEST_F(ExtGridPrintTest, PageNumberEventGetsThePageAndItsBand)
{
    FillWideAndLong();
    std::vector<std::pair<int, int>> asked;
    Grid->OnPrintGetPageNum = [&](rtl::TObject*, int page, int band, std::string& text) {
        asked.emplace_back(page, band);
        text = "P" + std::to_string(page) + "B" + std::to_string(band);
    };
    Grid->Print();
    const int pages = PdfPages(Pdf);
    ASSERT_GT(pages, 3);
    ASSERT_EQ(asked.size(), static_cast<std::size_t>(pages));
    EXPECT_EQ(asked.front(), std::make_pair(1, 1));
    for (std::size_t i = 1; i < asked.size(); ++i) {
        EXPECT_EQ(asked[i].first, static_cast<int>(i) + 1);
        EXPECT_GE(asked[i].second, asked[i - 1].second) << "bands follow each other";
    }
    const int lastBand = asked.back().second;
    EXPECT_GE(lastBand, 2);
    EXPECT_NE(PageText(Pdf, 1).find("Page P1B1"), std::string::npos) << PageText(Pdf, 1);
    const std::string last = PageText(Pdf, pages);
    EXPECT_NE(last.find("Page P" + std::to_string(pages) + "B" + std::to_string(lastBand)), std::string::npos)
        << last;
}

TEST_F(ExtGridPrintTest, JobCancelledInPrintStartWritesNoFileAndKeepsAnEarlierOne)
{
    FillWideAndLong();
    for (auto range : {std::pair{0, 3}, std::pair{1, 0}, std::pair{3, 2}}) {
        std::filesystem::remove(Pdf);
        Grid->OnPrintStart = [range](rtl::TObject*, int, int& from, int& to) {
            from = range.first;
            to = range.second;
        };
        Grid->Print();
        EXPECT_FALSE(std::filesystem::exists(Pdf)) << range.first << ".." << range.second;
        EXPECT_FALSE(print::Printer().Printing());
    }
    { std::ofstream(Pdf) << "earlier"; }
    Grid->Print();
    std::ifstream in(Pdf);
    std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(kept, "earlier");
}

TEST_F(ExtGridPrintTest, PageRangeFromPrintStartPrintsOnlyThosePages)
{
    FillWideAndLong();
    Grid->OnPrintStart = [](rtl::TObject*, int, int& from, int& to) {
        from = 2;
        to = 3;
    };
    Grid->Print();
    ASSERT_EQ(PdfPages(Pdf), 2);
    EXPECT_NE(PageText(Pdf, 1).find("Page 2-1"), std::string::npos) << PageText(Pdf, 1);
}

TEST_F(ExtGridPrintTest, PrintingIntoAnOpenDocumentAddsPagesAndLeavesItOpen)
{
    Grid->SetColCount(2);
    Grid->SetRowCount(3);
    print::Printer().BeginDoc();
    Grid->Print();
    Grid->Print();
    EXPECT_TRUE(print::Printer().Printing());
    print::Printer().EndDoc();
    // The second grid starts on a new sheet only when the application asks for one; both
    // runs draw on the open document's pages.
    EXPECT_GE(PdfPages(Pdf), 1);
}

TEST_F(ExtGridPrintTest, PageGeometryAndFontMapping)
{
    // Letter paper at the printer's 300 pixels per inch is 2550 × 3300 pixels: 2159 × 2794 units.
    print::Printer().SetPaperSize({2159, 2794});
    Grid->SetColCount(2);
    Grid->SetRowCount(2);
    Grid->Print();
    EXPECT_EQ(print::Printer().PageWidth(), 2550);
    EXPECT_EQ(print::Printer().PageHeight(), 3300);
    EXPECT_EQ(Grid->PrintPageRect(), (rtl::TRect{0, 0, 2159, -2794}));
    EXPECT_EQ(Grid->MapFontHeight(10), -35);
    EXPECT_EQ(Grid->MapFontSize(35), 9);
}

TEST_F(ExtGridPrintTest, FastPrintReportsTheLargestPageCountAndPreviewOne)
{
    Grid->SetColCount(2);
    Grid->SetRowCount(3);
    Grid->SetFastPrint(true);
    int reported = 0;
    Grid->OnPrintStart = [&](rtl::TObject*, int pages, int&, int&) { reported = pages; };
    Grid->Print();
    EXPECT_EQ(reported, 2147483647);
    EXPECT_EQ(PdfPages(Pdf), 1);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 200, 200);
    gfx::TCanvas canvas(s);
    Grid->PrintPreview(canvas, {0, 0, 200, 200});
    cairo_surface_destroy(s);
    EXPECT_EQ(reported, 1);
}

// The preview draws the page PreviewPage selects with the same layout as the printed job:
// at 96 pixels per inch its grid lines stand where those of the rasterised PDF page stand.
TEST_F(ExtGridPrintTest, PreviewPageMatchesThePdfPageAtTheSameResolution)
{
    FillWideAndLong();
    Grid->Print();
    ASSERT_GT(PdfPages(Pdf), 2);
    const Raster pdf = Rasterise(Pdf, 2, 96, Dir.File("pdf2"));

    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pdf.Width, pdf.Height);
    gfx::TCanvas canvas(s);
    canvas.Brush().SetColor(gfx::clWhite);
    canvas.FillRect({0, 0, pdf.Width, pdf.Height});
    bool previewFlag = false;
    Grid->OnPrintPage = [&](rtl::TObject*, gfx::TCanvas*, int, int, int) { previewFlag = Grid->IsPrintPreview(); };
    Grid->SetPreviewPage(2);
    Grid->PrintPreview(canvas, {0, 0, pdf.Width, pdf.Height});
    EXPECT_TRUE(previewFlag);
    EXPECT_FALSE(Grid->IsPrintPreview());

    Raster preview;
    preview.Width = pdf.Width;
    preview.Height = pdf.Height;
    for (int y = 0; y < pdf.Height; ++y)
        for (int x = 0; x < pdf.Width; ++x) {
            const gfx::TColor c = canvas.Pixels(x, y);
            preview.Grey.push_back(static_cast<unsigned char>(((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF)) / 3));
        }
    cairo_surface_destroy(s);

    const std::vector<int> a = VerticalLines(pdf), b = VerticalLines(preview);
    ASSERT_GE(a.size(), 4u);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) EXPECT_NEAR(a[i], b[i], 1) << "line " << i;
    // The first vertical line crosses the rows at the same heights: the row grid lines.
    auto rowLines = [&](const Raster& r) {
        std::vector<int> ys;
        for (int y = 1; y < r.Height; ++y)
            if (r.At(a[0] + 2, y) < 160 && r.At(a[0] + 2, y - 1) >= 160) ys.push_back(y);
        return ys;
    };
    const std::vector<int> pdfRows = rowLines(pdf), previewRows = rowLines(preview);
    ASSERT_GT(pdfRows.size(), 20u);
    ASSERT_EQ(pdfRows.size(), previewRows.size());
    for (std::size_t i = 0; i < pdfRows.size(); ++i) EXPECT_NEAR(pdfRows[i], previewRows[i], 1) << "row line " << i;
    // A page past the last one draws nothing.
    cairo_surface_t* blank = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 100, 100);
    gfx::TCanvas empty(blank);
    empty.Brush().SetColor(gfx::clWhite);
    empty.FillRect({0, 0, 100, 100});
    Grid->PrintPreview(empty, {0, 0, 100, 100});
    Grid->SetPreviewPage(Grid->PrintNrOfPages() + 1);
    empty.FillRect({0, 0, 100, 100});
    Grid->PrintPreview(empty, {0, 0, 100, 100});
    int dark = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) dark += (empty.Pixels(x, y) & 0xFF) < 128;
    cairo_surface_destroy(blank);
    EXPECT_EQ(dark, 0);
}

TEST_F(ExtGridPrintTest, FitToPageShrinksOnlyWithShrinkAndGrowsOnlyWithGrow)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(2);
    Grid->SetFixedRows(0);
    Grid->SetFixedCols(0);
    for (int c = 0; c < 3; ++c) Grid->SetCells(c, 0, "x");
    int narrow = 0;
    Grid->OnPrintSetColumnWidth = [&](rtl::TObject*, int c, int& w) {
        if (c == 0) narrow = w;
    };
    struct Case { grid::TFitToPage Fit; bool Grows; };
    Grid->PrintSettings().SetFitToPage(grid::fpNever);
    Grid->Print();
    const int natural = narrow;
    for (Case k : {Case{grid::fpShrink, false}, Case{grid::fpGrow, true}, Case{grid::fpAlways, true}}) {
        Grid->PrintSettings().SetFitToPage(k.Fit);
        Grid->Print();
        if (k.Grows) EXPECT_GT(narrow, natural * 10) << int(k.Fit);
        else EXPECT_EQ(narrow, natural) << int(k.Fit);
    }
}

}  // namespace
