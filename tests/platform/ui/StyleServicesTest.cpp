// Drawing of a visual style's grid-cell elements: fill and border where the style gives them, nothing under the system's style.
#include <gtest/gtest.h>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/StyleServices.h"

namespace {

// Fixed cells get a fill and a border, selected cells only a fill; normal cells nothing.
class TTwoPartStyle : public ui::TStyleServices {
public:
    bool Enabled() const override { return true; }
    std::string Name() const override { return "Two part"; }
    bool GetElementColor(ui::TStyleGridCell cell, ui::TStyleElementColor element, gfx::TColor& color) const override
    {
        using ui::TStyleElementColor;
        using ui::TStyleGridCell;
        if (cell == TStyleGridCell::Fixed && element == TStyleElementColor::Fill) color = 0x00FF00;
        else if (cell == TStyleGridCell::Fixed && element == TStyleElementColor::Border) color = 0x0000FF;
        else if (cell == TStyleGridCell::Selected && element == TStyleElementColor::Fill) color = 0xFF0000;
        else if (cell == TStyleGridCell::Selected && element == TStyleElementColor::Border) color = gfx::clNone;
        else return false;
        return true;
    }
};

gfx::TColor At(const gfx::TBitmap& b, int x, int y) { return b.Canvas().Pixels(x, y) & 0xFFFFFF; }

TEST(StyleServices, ElementsDrawTheirFillAndBorderOnlyWhereTheStyleGivesThem)
{
    struct Case {
        ui::TStyleGridCell Cell;
        gfx::TColor Inside, Edge;
    };
    const TTwoPartStyle style;
    const ui::TStyleServices system;
    const Case cases[] = {{ui::TStyleGridCell::Fixed, 0x00FF00, 0x0000FF},
                          {ui::TStyleGridCell::Selected, 0xFF0000, 0xFF0000},
                          {ui::TStyleGridCell::Normal, 0xFFFFFF, 0xFFFFFF}};
    for (const Case& c : cases) {
        for (const ui::TStyleServices* s : {static_cast<const ui::TStyleServices*>(&style), &system}) {
            gfx::TBitmap b(20, 20);
            b.Canvas().Brush().SetColor(gfx::clWhite);
            b.Canvas().FillRect(rtl::TRect{0, 0, 20, 20});
            b.Canvas().Brush().SetColor(gfx::clYellow);
            s->DrawElement(b.Canvas(), c.Cell, rtl::TRect{2, 2, 12, 12});
            const bool styled = s == &style;
            EXPECT_EQ(At(b, 6, 6), styled ? c.Inside : 0xFFFFFF) << static_cast<int>(c.Cell);
            EXPECT_EQ(At(b, 2, 6), styled ? c.Edge : 0xFFFFFF) << static_cast<int>(c.Cell);
            EXPECT_EQ(At(b, 11, 11), styled ? c.Edge : 0xFFFFFF) << static_cast<int>(c.Cell);
            EXPECT_EQ(At(b, 12, 12), 0xFFFFFFu) << "the right and bottom edges are outside";
            EXPECT_EQ(b.Canvas().Brush().Color(), gfx::clYellow) << "the caller's brush is kept";
        }
    }
}

}  // namespace
