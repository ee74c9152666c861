// Test helper: a real pixel surface to paint on, with pixel queries and a screenshot for people to look at.
#pragma once

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "tests/support/TempDir.h"

#include <functional>
#include <string>

namespace gridtest {

class Surface {
public:
    Surface(int width, int height, gfx::TColor background = gfx::clWhite) : FBitmap(width, height)
    {
        Canvas().Brush().SetColor(background);
        Canvas().Brush().SetStyle(gfx::bsSolid);
        Canvas().FillRect(rtl::Rect(0, 0, width, height));
    }
    gfx::TCanvas& Canvas() { return FBitmap.Canvas(); }
    gfx::TColor At(int x, int y) const { return FBitmap.Canvas().Pixels(x, y); }
    int Width() const { return FBitmap.Width(); }
    int Height() const { return FBitmap.Height(); }
    // Number of pixels of the rectangle for which `test` holds.
    int Count(const rtl::TRect& area, const std::function<bool(gfx::TColor)>& test) const
    {
        int n = 0;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                if (test(At(x, y))) ++n;
        return n;
    }
    int CountColor(const rtl::TRect& area, gfx::TColor color) const
    {
        return Count(area, [color](gfx::TColor c) { return c == color; });
    }
    // True when every pixel outside `box` still has the colour `background`.
    bool UntouchedOutside(const rtl::TRect& box, gfx::TColor background = gfx::clWhite) const
    {
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x)
                if (!rtl::PtInRect(box, {x, y}) && At(x, y) != background) return false;
        return true;
    }
    void Save(const std::string& name) const
    {
        FBitmap.SaveToPngFile((testsupport::BuildDir() / name).string());
    }

private:
    gfx::TBitmap FBitmap;
};

// A pixel in which the red channel clearly dominates (anti-aliased red text included).
inline bool Reddish(gfx::TColor c)
{
    return gfx::GetRValue(c) > 140 && gfx::GetGValue(c) < 110 && gfx::GetBValue(c) < 110;
}
inline bool Bluish(gfx::TColor c)
{
    return gfx::GetBValue(c) > 140 && gfx::GetRValue(c) < 110 && gfx::GetGValue(c) < 110;
}

}  // namespace gridtest
