// In-cell painters of the grid utilities: value bars, text progress bars and clock pies.
#include "grid/foundation/ExtUtilCellBars.h"

#include "platform/gfx/Canvas.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/NumberText.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace grid {

namespace {

constexpr gfx::TColor ClockGrey = 0x808080;

// True when the format holds a "d" (else a "u") directly after one of % * . 0-9: an
// integer directive.
bool IsIntegerFormat(const std::string& format)
{
    auto directiveAfterFlag = [&format](char type) {
        const std::size_t at = format.find(type);
        if (at == std::string::npos || at == 0) return false;
        const char before = format[at - 1];
        return before == '%' || before == '*' || before == '.' || (before >= '0' && before <= '9');
    };
    return format.find('d') != std::string::npos ? directiveAfterFlag('d') : directiveAfterFlag('u');
}

}  // namespace

void DrawValueBar(gfx::TCanvas& canvas, const rtl::TRect& rect, int value, int maximum, bool showValue,
                  gfx::TColor negativeColor, gfx::TColor positiveColor)
{
    rtl::TRect r = rect;
    rtl::InflateRect(r, -2, -2);
    const int half = r.Width() / 2;
    const int centre = r.Left + half;
    // A maximum of 0 or less gives no range: no bar, rather than a division by zero.
    if (maximum > 0) {
        value = std::clamp(value, -maximum, maximum);
        const int w = static_cast<int>(rtl::Round(static_cast<double>(half) * value / maximum));
        if (w != 0 && r.Height() > 0) {
            const gfx::TColor color = value < 0 ? negativeColor : positiveColor;
            canvas.Pen().SetColor(color);
            canvas.Pen().SetStyle(gfx::psSolid);
            canvas.Pen().SetWidth(1);
            canvas.Brush().SetColor(color);
            canvas.Brush().SetStyle(gfx::bsSolid);
            if (w < 0)
                canvas.Rectangle(centre + w, r.Top, centre, r.Bottom);
            else
                canvas.Rectangle(centre, r.Top, centre + w, r.Bottom);
        }
    }
    if (!showValue) return;
    canvas.Brush().SetStyle(gfx::bsClear);
    const std::string text = rtl::IntToStr(value);
    canvas.DrawText(text, r, gfx::DT_CENTER | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
}

void DrawTextProgressBar(gfx::TCanvas& canvas, const rtl::TRect& rect, gfx::TColor fillColor,
                         gfx::TColor fillFontColor, gfx::TColor restColor, gfx::TColor restFontColor,
                         double value, int marginX, int marginY, double minimum, double maximum,
                         const std::string& format, gfx::TColor borderColor, bool textOffset)
{
    const gfx::TColor callerBrush = canvas.Brush().Color();
    std::string text;
    long long fraction;
    const long long rounded = rtl::Round(value);
    if (format.empty()) {
        text = rtl::IntToStr(rounded) + "%";
        fraction = rounded;
    } else {
        text = IsIntegerFormat(format) ? rtl::Format(format, {rounded}) : rtl::Format(format, {value});
        // An empty range gives no fraction to compute: the bar is full once the value
        // reaches it and empty before, never a division by zero.
        if (maximum == minimum)
            fraction = value >= maximum ? 100 : 0;
        else
            fraction = rtl::Round((value - minimum) * 100 / (maximum - minimum));
    }
    fraction = std::clamp<long long>(fraction, 0, 100);

    rtl::TRect r = rect;
    rtl::InflateRect(r, -marginX, -marginY);
    const int split = r.Left + static_cast<int>(rtl::Round(static_cast<double>(r.Width()) * fraction / 100.0));
    const rtl::TSize extent = canvas.TextExtent(text);
    const int k = textOffset ? -1 : 1;
    const int x = r.Left + (r.Width() - extent.cx) / 2;
    const int y = r.Top + (r.Height() - k * extent.cy) / 2;

    auto part = [&](const rtl::TRect& area, gfx::TColor back, gfx::TColor fore) {
        if (area.Right <= area.Left || area.Bottom <= area.Top) return;
        canvas.Pen().SetColor(back);
        canvas.Brush().SetColor(back);
        canvas.Brush().SetStyle(gfx::bsSolid);
        canvas.Font().SetColor(fore);
        canvas.TextRect(area, x, y, text);
    };
    part(rtl::Rect(r.Left, r.Top, split, r.Bottom), fillColor, fillFontColor);
    part(rtl::Rect(split, r.Top, r.Right, r.Bottom), restColor, restFontColor);

    rtl::TRect frame = r;
    rtl::InflateRect(frame, 1, 1);
    if (borderColor != gfx::clNone) {
        canvas.Brush().SetColor(borderColor);
        canvas.FrameRect(frame);
    }
    rtl::InflateRect(frame, 1, 1);
    canvas.Brush().SetColor(callerBrush);
    canvas.FrameRect(frame);
}

void DrawClockPie(gfx::TCanvas& canvas, const rtl::TRect& rect, gfx::TColor color, int value, bool upward)
{
    const int w = rect.Width();
    const int h = rect.Height();
    const int cx = rect.Left + w / 2;
    const int cy = rect.Top + h / 2;
    canvas.Pen().SetColor(ClockGrey);
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Ellipse(rect);
    canvas.MoveTo(cx, rect.Top);
    canvas.LineTo(cx, cy);

    const double angle = value / 100.0 * 2 * std::numbers::pi;
    canvas.MoveTo(cx, cy);
    canvas.LineTo(cx + static_cast<int>(rtl::Round((w + 1) * 0.5 * std::sin(angle))),
                  cy - static_cast<int>(rtl::Round((h + 1) * 0.5 * std::cos(angle))));
    if (value == 0) return;
    canvas.Brush().SetColor(color);
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.FloodFill(cx + 1, upward ? rect.Top - 2 : rect.Top + 2, ClockGrey, gfx::fsBorder);
}

}  // namespace grid
