// A canvas on a vector surface (as the printer's PDF pages): same geometry, no pixel reads.
#include <gtest/gtest.h>

#include <cairo-pdf.h>
#include <cairo.h>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "tests/support/TempDir.h"

namespace {

using namespace gfx;

// Draws on a recording surface through the canvas, then replays it onto a bitmap.
template <typename Draw>
void Replay(TBitmap& target, Draw draw)
{
    cairo_rectangle_t extents{0, 0, double(target.Width()), double(target.Height())};
    cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extents);
    {
        TCanvas c(recording, target.Width(), target.Height());
        EXPECT_EQ(c.SurfaceWidth(), target.Width());
        draw(c);
    }
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect(rtl::Rect(0, 0, target.Width(), target.Height()));
    cairo_t* cr = cairo_create(target.Surface());
    cairo_set_source_surface(cr, recording, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    target.Canvas().Changed();
    cairo_surface_destroy(recording);
}

TEST(VectorCanvas, RectanglesAndLinesKeepThePixelRules)
{
    TBitmap b(30, 30);
    Replay(b, [](TCanvas& c) {
        c.Brush().SetColor(clRed);
        c.Rectangle(0, 0, 10, 10);
        c.MoveTo(0, 20);
        c.LineTo(15, 20);
        c.SetClipRect(rtl::Rect(20, 20, 25, 25));
        c.FillRect(rtl::Rect(0, 0, 30, 30));
        EXPECT_EQ(c.Pixels(5, 5), clNone);  // no pixel reads on vector surfaces
        c.DrawFocusRect(rtl::Rect(0, 0, 30, 30));
    });
    TCanvas& r = b.Canvas();
    EXPECT_EQ(r.Pixels(9, 9), clBlack);
    EXPECT_EQ(r.Pixels(10, 10), clWhite);
    EXPECT_EQ(r.Pixels(5, 5), clRed);
    EXPECT_EQ(r.Pixels(14, 20), clBlack);
    EXPECT_EQ(r.Pixels(15, 20), clWhite);
    EXPECT_EQ(r.Pixels(22, 22), clRed);
    EXPECT_EQ(r.Pixels(19, 22), clWhite);
    EXPECT_EQ(r.Pixels(29, 29), clWhite);
}

TEST(VectorCanvas, PdfPageIsWritten)
{
    testsupport::TempDir dir;
    const std::string file = dir.File("page.pdf");
    cairo_surface_t* pdf = cairo_pdf_surface_create(file.c_str(), 595, 842);
    {
        TCanvas c(pdf, 595, 842);
        c.Font().SetSize(12);
        c.TextOut(72, 72, "Printed page");
        c.Rectangle(72, 100, 300, 200);
        rtl::TRect r = rtl::Rect(72, 220, 300, 260);
        c.DrawText("Centred", r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
    cairo_surface_finish(pdf);
    cairo_surface_destroy(pdf);
    const std::string bytes = testsupport::ReadFileBytes(file);
    ASSERT_GT(bytes.size(), 500u);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
}

}  // namespace
