// HTML-formatted cell text holding bytes that are not UTF-8: painted with replacement characters, the rest of the text kept.
#include <gtest/gtest.h>

#include <string>

#include "grid/foundation/EsgHTMLE.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace {

// The HTML text painted with the real text layout into a white 240 × 40 bitmap, as pixels.
std::string Painted(const std::string& html)
{
    gfx::TBitmap bmp(240, 40);
    gfx::TCanvas& c = bmp.Canvas();
    c.Brush().SetColor(gfx::clWhite);
    c.FillRect(rtl::Rect(0, 0, 240, 40));
    c.Font().SetColor(gfx::clBlack);
    grid::THtmlRenderOptions options;
    grid::THtmlRenderResult result;
    grid::RenderHtmlText(c, html, rtl::Rect(2, 2, 238, 38), options, result);
    std::string pixels;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 240; ++x) pixels += std::to_string(c.Pixels(x, y)) + ",";
    return pixels;
}

// A cell text saved in the code page (0xE9 is "é" there) and shown without conversion.
TEST(EsgHTMLEUtf8, CodePageBytesInFormattedTextArePaintedAsReplacementCharacters)
{
    const std::string raw = Painted("<b>caf\xE9</b> <i>au lait</i>");
    EXPECT_EQ(raw, Painted("<b>caf\xEF\xBF\xBD</b> <i>au lait</i>"));
    EXPECT_NE(raw, Painted("<b>caf</b> <i>au lait</i>"));
    EXPECT_NE(raw, Painted(""));
}

}  // namespace
