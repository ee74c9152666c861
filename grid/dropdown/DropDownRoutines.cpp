// Drawing and text routines shared by the drop-down family.
#include "grid/dropdown/DropDownRoutines.h"

#include <algorithm>
#include <cmath>

#include "grid/foundation/EsgHTMLE.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/ScreenModel.h"
#include "platform/ui/SystemProfile.h"

namespace grid {

namespace {

// Nearest integer, ties to even (the rounding of the class library's Round).
int Nearest(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

int Channel(gfx::TColor c, int shift)
{
    return static_cast<int>((c >> shift) & 0xFF);
}

}  // namespace

char ThousandSeparatorChar()
{
    return rtl::FormatSettings.ThousandSeparator;
}

char DecimalSeparatorChar()
{
    return rtl::FormatSettings.DecimalSeparator;
}

namespace {

int ZeroHeightAt(int pixelsPerInch)
{
    gfx::TBitmap bitmap;
    bitmap.SetSize(1, 1);
    gfx::TCanvas& canvas = bitmap.Canvas();
    canvas.Font().SetHeight(-((9 * pixelsPerInch + 36) / 72));
    return canvas.TextHeight("0");
}

}  // namespace

void GetWindowsVersion(int& major, int& minor)
{
    ui::SystemProfile().GetVersion(major, minor);
}

bool IsWindows10()
{
    int major = 0, minor = 0;
    GetWindowsVersion(major, minor);
    return major == 10;
}

bool IsWindowsVistaTo8()
{
    int major = 0, minor = 0;
    GetWindowsVersion(major, minor);
    return major == 6;
}

void DrawTransparentBitmap(gfx::TCanvas& canvas, const gfx::TBitmap& bitmap, gfx::TColor color, const rtl::TRect& rect)
{
    if (bitmap.Empty()) return;
    gfx::TBitmap copy;
    copy.Assign(&bitmap);
    gfx::TCanvas& c = copy.Canvas();
    const gfx::TColor key = c.Pixels(0, 0);
    const gfx::TColor replacement = gfx::ColorToRGB(color);
    for (int y = 0; y < copy.Height(); ++y)
        for (int x = 0; x < copy.Width(); ++x)
            if (c.Pixels(x, y) == key) c.SetPixels(x, y, replacement);
    canvas.StretchDraw(rect, copy);
}

void DrawImageAndText(gfx::TCanvas& canvas, const rtl::TRect& rect, const std::string& text, int imageIndex,
                      const gfx::TImageList* images)
{
    rtl::TRect r = rect;
    unsigned flags = gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_END_ELLIPSIS;
    if (imageIndex >= 0 && images != nullptr) {
        images->Draw(canvas, r.Left + 4, r.Top + (r.Height() - images->Height()) / 2, imageIndex);
        r.Left += images->Width() + 8;
    } else {
        flags |= gfx::DT_CENTER;
    }
    canvas.DrawText(text, r, flags);
}

double GetDpiScale(int pixelsPerInch)
{
    if (pixelsPerInch == 96) return 1.0;
    const int base = ZeroHeightAt(96);
    return base > 0 ? static_cast<double>(ZeroHeightAt(pixelsPerInch)) / base : 1.0;
}

double GetDpiScale()
{
    return GetDpiScale(ui::ScreenPixelsPerInch());
}

void DrawBandedGradient(gfx::TCanvas& canvas, gfx::TColor from, gfx::TColor to, bool horizontal,
                        const rtl::TRect& rect, int steps)
{
    if (steps <= 0) steps = 1;
    gfx::TColor a = gfx::ColorToRGB(from);
    gfx::TColor b = gfx::ColorToRGB(to);
    double band = horizontal ? (rect.Right - 1 - rect.Left) / static_cast<double>(steps)
                             : (rect.Bottom - 1 - rect.Top) / static_cast<double>(steps);
    for (int i = 0; i < steps; ++i) {
        int ch[3];
        for (int k = 0; k < 3; ++k) {
            int start = Channel(a, 8 * k);
            ch[k] = start + Nearest(i * (Channel(b, 8 * k) - start) / static_cast<double>(steps));
        }
        gfx::TColor c = gfx::RGB(ch[0], ch[1], ch[2]);
        canvas.Pen().SetColor(c);
        canvas.Brush().SetColor(c);
        int offset = Nearest(i * band);
        int extent = Nearest(band) + 1;
        if (horizontal)
            canvas.Rectangle(rect.Left + offset, rect.Top, rect.Left + offset + extent, rect.Bottom);
        else
            canvas.Rectangle(rect.Left, rect.Top + offset, rect.Right, rect.Top + offset + extent);
    }
}

gfx::TColor MixColors(gfx::TColor a, gfx::TColor b, int percent)
{
    if (percent >= 100) return a;
    if (percent <= 0) return b;
    a = gfx::ColorToRGB(a);
    b = gfx::ColorToRGB(b);
    double p = percent / 100.0;
    int ch[3];
    for (int k = 0; k < 3; ++k) ch[k] = Nearest(p * Channel(a, 8 * k) + (1 - p) * Channel(b, 8 * k));
    return gfx::RGB(ch[0], ch[1], ch[2]);
}

gfx::TColor ScaleColorChannels(gfx::TColor color, int dR, int dG, int dB)
{
    color = gfx::ColorToRGB(color);
    const int deltas[3] = {dR, dG, dB};
    int ch[3];
    for (int k = 0; k < 3; ++k) {
        int c = Channel(color, 8 * k);
        ch[k] = c == 0 ? std::max(deltas[k], 0) : Nearest(std::min(100 + deltas[k], 100) / 100.0 * c);
        ch[k] = std::clamp(ch[k], 0, 255);
    }
    return gfx::RGB(ch[0], ch[1], ch[2]);
}

void DrawGradientRect(gfx::TCanvas& canvas, const rtl::TRect& rect, gfx::TColor color, bool horizontal,
                      int penWidth, gfx::TColor outline, gfx::TColor endColor)
{
    if (endColor != gfx::clNone) {
        DrawBandedGradient(canvas, color, endColor, !horizontal, rect, 80);
    } else if (color != gfx::clNone) {
        canvas.Brush().SetColor(color);
        canvas.FillRect(rect);
    }
    if (outline == gfx::clNone || penWidth <= 0) return;
    canvas.Pen().SetColor(outline);
    canvas.Pen().SetWidth(penWidth);
    canvas.Brush().SetStyle(gfx::bsClear);
    canvas.Rectangle(rect);
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Pen().SetWidth(1);
}

rtl::TSize MeasureText(gfx::TCanvas& canvas, const std::string& text)
{
    if (text.empty()) return {0, 0};
    return canvas.TextExtent(text);
}

std::string FitTextWithEllipsis(const TTextMeasurer& measure, const std::string& text, int width, bool ellipsis)
{
    if (measure(text) <= width) return text;
    std::u32string wide = rtl::Utf8Decode(text);
    for (std::size_t cut = 1; cut <= wide.size(); ++cut) {
        std::string candidate = rtl::Utf8Encode(wide.substr(0, wide.size() - cut));
        if (ellipsis) candidate += "...";
        if (measure(candidate) < width) return candidate;
    }
    return text;
}

std::string FitTextWithEllipsis(gfx::TCanvas& canvas, const std::string& text, int width, bool ellipsis)
{
    return FitTextWithEllipsis([&](const std::string& t) { return MeasureText(canvas, t).cx; }, text, width,
                               ellipsis);
}

rtl::TSize DrawHtmlText(gfx::TCanvas& canvas, const std::string& html, const rtl::TRect& rect,
                        const gfx::TImageList* images, bool draw)
{
    THtmlRenderOptions options;
    options.ImageList = images;
    options.WrapWords = false;
    options.MeasureOnly = !draw;
    options.AnchorColor = 0xFF0000;
    options.ShadowColor = 0x808080;
    THtmlRenderResult result;
    RenderHtmlText(canvas, html, rect, options, result);
    return {result.ContentWidth, result.ContentHeight};
}

bool IsSeparatorChar(char32_t ch)
{
    return ch == U',' || ch == U'-' || ch == U';';
}

bool IsTypeAheadKey(unsigned key)
{
    return key == ' ' || (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z');
}

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsHexLetter(char c)
{
    return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Digits, "-", "," and ".", with no thousand separator first nor closer than three
// positions after the previous one.
bool IsFloatText(const std::string& text)
{
    char ts = ThousandSeparatorChar();
    int lastSeparator = -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (!IsDigit(c) && c != '-' && c != ',' && c != '.') return false;
        if (ts != '\0' && c == ts) {
            if (i == 0) return false;
            if (lastSeparator >= 0 && static_cast<int>(i) - lastSeparator < 4) return false;
            lastSeparator = static_cast<int>(i);
        }
    }
    return true;
}

}  // namespace

TEditNumberClass ClassifyEditNumber(const std::string& text)
{
    if (text.empty()) return encNotANumber;
    if (std::count(text.begin(), text.end(), '-') > 1) return encNotANumber;
    if (std::count(text.begin(), text.end(), DecimalSeparatorChar()) > 1) return encNotANumber;
    if (std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c) || c == '-'; })) return encInteger;
    if (IsFloatText(text)) return encFloat;
    if (std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c) || c == '-' || IsHexLetter(c); }))
        return encHexadecimal;
    return encNotANumber;
}

std::string StripThousandSeparators(const std::string& text)
{
    char ts = ThousandSeparatorChar();
    if (ts == '\0') return text;
    std::string result;
    for (char c : text)
        if (c != ts) result += c;
    return result;
}

long long HexToInt(const std::string& text)
{
    long long value = 0;
    for (char c : text) {
        int digit = 0;
        if (IsDigit(c)) digit = c - '0';
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        value = value * 16 + digit;
    }
    return value;
}

std::string NormalizeCase(const std::string& text, bool caseSensitive)
{
    return caseSensitive ? text : rtl::AnsiUpperCase(text);
}

}  // namespace grid
