// Progress bars, styled progress bars, range indicators and progress pies drawn in cells from the cell's number.
#include <cmath>
#include <cstdlib>

#include "grid/core/ExtGridGraphicPainter.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/foundation/ExtUtilCellBars.h"
#include "grid/foundation/ExtUtilShapes.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ThemedParts.h"

namespace grid {

namespace {

constexpr int PieSize = 20;
constexpr int ThemeProgressBar = 1;
constexpr int ThemeProgressChunk = 3;

rtl::TRect ShrunkBy(rtl::TRect r, int dx, int dy)
{
    rtl::InflateRect(r, -dx, -dy);
    return r;
}

}  // namespace

// The bar of a ctProgress cell. A text that is no number, or a minimum equal to the
// maximum, has no fraction to show: the bar is drawn empty, without a value text, and
// painting goes on (it never raises).
void TCellGraphicPainter::DrawProgress()
{
    const TControlLook& look = Grid.ControlLook();
    const double scale = Work.Printing ? Work.Scale : Grid.FScaleFactor;
    auto innerOf = [&](const rtl::TRect& r) {
        if (look.ProgressHeight() >= 1)
            return rtl::Rect(r.Left + 2, r.Top + 2, r.Right - 2,
                             r.Top + 2 + static_cast<int>(std::lround(look.ProgressHeight() * scale)));
        return ShrunkBy(r, 2, 2);
    };
    double value = 0;
    const bool shown = CellFloat(value) && Graphic.CellErrFrom() != Graphic.CellErrLen();

    const bool themedStyle = look.ControlStyle() == csWinXP || look.ControlStyle() == csTheme;
    if (themedStyle && gfx::ThemesActive() && look.ProgressXP()) {
        if (gfx::HTHEME theme = gfx::OpenThemeData("Progress")) {
            const rtl::TRect bar = ShrunkBy(R, look.ProgressMarginX(), look.ProgressMarginY());
            gfx::DrawThemeBackground(theme, Canvas, ThemeProgressBar, 0, bar);
            rtl::TRect chunk = innerOf(bar);
            const double percent = shown ? TExtStringGrid::ClampPercent(value) : 0.0;
            chunk.Right = chunk.Left + static_cast<int>(std::lround(percent * chunk.Width() / 100.0));
            gfx::DrawThemeBackground(theme, Canvas, ThemeProgressChunk, 1, chunk);
            gfx::CloseThemeData(theme);
            return;
        }
    }

    const gfx::TColor fill = Graphic.CellBitmapColor();
    const gfx::TColor back = Graphic.CellIconColor();
    gfx::TColor fillText = gfx::ColorToRGB(fill) ^ 0xFFFFFF;
    gfx::TColor backText = gfx::ColorToRGB(back) ^ 0xFFFFFF;
    if (Graphic.CellBoolean()) {
        fillText = static_cast<gfx::TColor>(Graphic.CellIndex());
        backText = static_cast<gfx::TColor>(Graphic.CellAngle());
    }
    const rtl::TRect inner = innerOf(R);
    if (!shown) {
        // 0 of 0 .. 100 with a blank format: no fill and no text.
        DrawTextProgressBar(Canvas, inner, fill, fillText, back, backText, 0, look.ProgressMarginX(),
                            look.ProgressMarginY(), 0, 100, " ", look.ProgressBorderColor(), false);
        return;
    }
    DrawTextProgressBar(Canvas, inner, fill, fillText, back, backText, value, look.ProgressMarginX(),
                        look.ProgressMarginY(), Graphic.CellErrFrom(), Graphic.CellErrLen(), Graphic.CellText(),
                        look.ProgressBorderColor(), false);
}

// The styled bar: the cell's integer as a percentage of its range. Equal bounds or a text
// that is no number draw the bar empty, without percentage.
void TCellGraphicPainter::DrawXPProgress()
{
    const TControlLook& look = Grid.ControlLook();
    const TGridProgressAppearance& a = Grid.ProgressAppearance();
    rtl::TRect r = ShrunkBy(R, look.ProgressMarginX(), look.ProgressMarginY());
    r.Right -= 1;
    r.Bottom -= 1;
    int value = 0;
    const int from = Graphic.CellErrFrom();
    const int to = Graphic.CellErrLen();
    const bool shown = CellInt(value) && to != from;
    const int percent =
        shown ? static_cast<int>(std::lround(std::fabs(static_cast<double>(value) - from) / (to - static_cast<double>(from)) * 100.0))
              : 0;
    TProgressBarLook bar;
    bar.Level0Color = a.Level0Color();
    bar.Level0ColorTo = a.Level0ColorTo();
    bar.Level1Color = a.Level1Color();
    bar.Level1ColorTo = a.Level1ColorTo();
    bar.Level2Color = a.Level2Color();
    bar.Level2ColorTo = a.Level2ColorTo();
    bar.Level3Color = a.Level3Color();
    bar.Level3ColorTo = a.Level3ColorTo();
    bar.Level1Perc = a.Level1Perc();
    bar.Level2Perc = a.Level2Perc();
    bar.BorderColor = a.BorderColor();
    bar.ShowBorder = a.ShowBorder();
    bar.Stacked = a.Stacked();
    bar.ShowPercentage = a.ShowPercentage() && shown;
    bar.Font = &Grid.Font();
    bar.CompleteFontColor = a.CompleteFontColor();
    bar.CompletionSmooth = a.CompletionSmooth();
    bar.ShowGradient = a.ShowGradient();
    bar.Steps = a.Steps();
    // Without an uncomplete colour the rest of the bar keeps the cell's background.
    bar.UnCompleteColor = a.UnCompleteColor() != gfx::clNone ? a.UnCompleteColor() : Canvas.Brush().Color();
    DrawProgressBar(Canvas, r, static_cast<int>(TExtStringGrid::ClampPercent(percent)), bar);
}

// A bar from the middle for the cell's integer; a text that is no number shows no bar.
void TCellGraphicPainter::DrawRangeIndicator()
{
    const TControlLook& look = Grid.ControlLook();
    int value = 0;
    const bool shown = CellInt(value);
    DrawValueBar(Canvas, ShrunkBy(R, look.ProgressMarginX(), look.ProgressMarginY()), shown ? value : 0,
                 Graphic.CellIndex(), shown && Graphic.CellBoolean(), Graphic.CellBitmapColor(),
                 Graphic.CellIconColor());
}

void TCellGraphicPainter::DrawProgressPie()
{
    const int value = static_cast<int>(TExtStringGrid::ClampPercent(Graphic.CellAngle()));
    DrawClockPie(Canvas, rtl::Bounds(G.Left, G.Top, PieSize, PieSize), Graphic.CellBitmapColor(), value, false);
}

}  // namespace grid
