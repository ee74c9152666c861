// Drawing and text routines shared by the drop-down family: banded gradients, colour mixing,
// number classification of edit values and text fitting.
#pragma once

#include <functional>
#include <string>

#include "platform/gfx/Color.h"
#include "platform/rtl/Types.h"

namespace gfx {
class TBitmap;
class TCanvas;
class TImageList;
}

namespace grid {

char ThousandSeparatorChar();
char DecimalSeparatorChar();
// 1.0 at 96 pixels per inch; else the height of "0" in a 9-point font at the given screen
// resolution over its height at 96. The first form asks the screen.
double GetDpiScale();
double GetDpiScale(int pixelsPerInch);

// Major and minor version of the system this program runs on, as the system profile
// answers it (10.0 unless a test installed another profile).
void GetWindowsVersion(int& major, int& minor);
bool IsWindows10();
bool IsWindowsVistaTo8();

// Fills the rectangle with `steps` solid bands from one colour to the other (0 steps = 1).
void DrawBandedGradient(gfx::TCanvas& canvas, gfx::TColor from, gfx::TColor to, bool horizontal,
                        const rtl::TRect& rect, int steps);
// P % of A and (100 - P) % of B per channel.
gfx::TColor MixColors(gfx::TColor a, gfx::TColor b, int percent);
// Each channel scaled by (100 + d) / 100 (at most 1); a zero channel becomes max(d, 0).
gfx::TColor ScaleColorChannels(gfx::TColor color, int dR, int dG, int dB);
// 80 inverted bands to `endColor`, else a solid fill; then the outline when it has a colour.
void DrawGradientRect(gfx::TCanvas& canvas, const rtl::TRect& rect, gfx::TColor color, bool horizontal,
                      int penWidth, gfx::TColor outline, gfx::TColor endColor);

// The bitmap with every pixel of its top-left pixel's colour replaced by `color`, copied into
// the rectangle.
void DrawTransparentBitmap(gfx::TCanvas& canvas, const gfx::TBitmap& bitmap, gfx::TColor color,
                           const rtl::TRect& rect);
// Image `imageIndex` of the list 4 pixels from the left, vertically centred, and the text
// after it (image width + 8), single-line, vertically centred, cut with an ellipsis; the text
// is centred horizontally only when no image was drawn.
void DrawImageAndText(gfx::TCanvas& canvas, const rtl::TRect& rect, const std::string& text, int imageIndex,
                      const gfx::TImageList* images);

// Width and height of a single-line text, zero for an empty one.
rtl::TSize MeasureText(gfx::TCanvas& canvas, const std::string& text);
using TTextMeasurer = std::function<int(const std::string& text)>;
// The text when it fits the width; else the longest shortening (with "..." when asked) narrower
// than the width; the text itself when none is.
std::string FitTextWithEllipsis(const TTextMeasurer& measure, const std::string& text, int width, bool ellipsis);
std::string FitTextWithEllipsis(gfx::TCanvas& canvas, const std::string& text, int width, bool ellipsis);

// Lays out one line of mini-HTML at the rectangle's top-left (no word wrap), drawing it when
// `draw` is set; returns the text's width and height.
rtl::TSize DrawHtmlText(gfx::TCanvas& canvas, const std::string& html, const rtl::TRect& rect,
                        const gfx::TImageList* images, bool draw);

bool IsSeparatorChar(char32_t ch);
// Keys that stand for a character of a caption in a type-ahead search: space, digits and
// letters. Modifiers, function and editing keys would only spoil the search text.
bool IsTypeAheadKey(unsigned key);
// Number kinds of an edit value.
enum TEditNumberClass { encInteger = 0, encFloat = 1, encNotANumber = 2, encHexadecimal = 5 };
TEditNumberClass ClassifyEditNumber(const std::string& text);
std::string StripThousandSeparators(const std::string& text);
// Value of a hexadecimal text; a character outside 0-9, A-F, a-f counts 0.
long long HexToInt(const std::string& text);
std::string NormalizeCase(const std::string& text, bool caseSensitive);

}  // namespace grid
