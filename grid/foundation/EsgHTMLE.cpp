// RenderHtmlText: the whole call — set-up, the two passes of each line, line placement and floats, restoring the canvas.
#include "grid/foundation/EsgHTMLE.h"

#include <algorithm>
#include <cmath>

#include "grid/foundation/EsgHTMLELayout.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ThemedParts.h"

namespace grid {

namespace html {

void TRenderContext::ApplyFont(const TFontState& font)
{
    if (HasApplied && Applied == font) return;
    gfx::TFont& f = Canvas.Font();
    if (f.Name() != font.Name) f.SetName(font.Name);
    if (f.Size() != font.Size) f.SetSize(font.Size);
    if (f.Style() != font.Style) f.SetStyle(font.Style);
    if (f.Color() != font.Color) f.SetColor(font.Color);
    if (f.Orientation() != font.Orientation) f.SetOrientation(font.Orientation);
    Applied = font;
    HasApplied = true;
}

int TRenderContext::TextWidth(const TFontState& font, const std::string& run)
{
    ApplyFont(font);
    const std::string shown = ShownText(run);
    if (Opt.TextMeasurer) return Opt.TextMeasurer->TextExtent(Canvas.Font(), shown).cx;
    return Canvas.TextExtent(shown).cx;
}

int TRenderContext::TextHeight(const TFontState& font, const std::string& run)
{
    ApplyFont(font);
    if (Opt.TextMeasurer) return Opt.TextMeasurer->TextExtent(Canvas.Font(), ShownText(run)).cy;
    return Canvas.TextExtent(ShownText(run)).cy;
}

int TRenderContext::GhHeightOf(const TFontState& font)
{
    if (GhHeight >= 0 && GhFont.Name == font.Name && GhFont.Size == font.Size && GhFont.Style == font.Style)
        return GhHeight;
    GhHeight = TextHeight(font, "gh");
    GhFont = font;
    return GhHeight;
}

int TRenderContext::RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

namespace {

TFontState FontStateOf(const gfx::TFont& font)
{
    TFontState s;
    s.Name = font.Name();
    s.Size = font.Size();
    s.Style = font.Style();
    s.Color = font.Color();
    s.Orientation = font.Orientation();
    return s;
}

void ClearResultAtEntry(const THtmlRenderOptions& opt, THtmlRenderResult& res)
{
    res.AnchorRectAtPoint = rtl::TRect{};
    res.ControlRectAtPoint = rtl::TRect{};
    res.ControlValueAtPoint.clear();
    res.ControlTypeAtPoint.clear();
    res.PlainText.clear();
    res.FocusedAnchorRef.clear();
    res.AnchorTitleAtPoint.clear();
    if (!opt.HitTestOnly) res.ControlIDAtPoint.clear();
    res.ContentWidth = 0;
    res.ContentHeight = 0;
    res.AnchorCount = 0;
    res.AnchorIndexAtPoint = -1;
}

// The line's rectangle after alignment and indent.
rtl::TRect PlaceLine(const rtl::TRect& lineRect, const TFlowState& flow, const TLineInfo& line)
{
    rtl::TRect placed = lineRect;
    if (flow.Align == 1) {
        const int left = placed.Right - line.Width;
        if (left > placed.Left) placed.Left = left;
    } else if (flow.Align == 2) {
        const int shift = (placed.Width() - line.Width) / 2;
        if (shift > 0) placed.Left += shift;
    }
    placed.Left += flow.Indent;
    placed.Bottom = placed.Top + line.Height + line.SubOff + line.SupOff;
    return placed;
}

}  // namespace

}  // namespace html

bool RenderHtmlText(gfx::TCanvas& canvas, const std::string& text, const rtl::TRect& bounds,
                    const THtmlRenderOptions& options, THtmlRenderResult& result)
{
    using namespace html;
    ClearResultAtEntry(options, result);

    TRenderContext ctx(canvas, options, result);
    ctx.Bounds = bounds;
    ctx.CallerFont = FontStateOf(canvas.Font());
    ctx.EntryBrushColor = canvas.Brush().Color();
    ctx.Zoom = std::max(1.0, options.Zoom);
    ctx.Dpi = 1.0;  // the canvas works at 96 pixels per inch
    ctx.Themed = gfx::ThemesActive();

    const gfx::TColor entryPenColor = canvas.Pen().Color();
    const int entryPenWidth = canvas.Pen().Width();
    const gfx::TBrushStyle entryBrushStyle = canvas.Brush().Style();
    const int entryBkMode = canvas.BkMode();
    canvas.SetBkMode(gfx::TRANSPARENT);
    canvas.Brush().SetStyle(gfx::bsClear);

    const std::string source = PreprocessHtml(text, HtmlKeepLineBreak());
    TFlowState flow;
    flow.Font = ctx.CallerFont;
    rtl::TRect lineRect = rtl::Rect(bounds.Left + 1, bounds.Top, bounds.Right, bounds.Bottom);
    bool hit = false;
    std::size_t pos = 0;

    while (pos < source.size()) {
        // Measuring pass.
        const TFlowState before = flow;
        TLineInfo line;
        line.Height = ctx.GhHeightOf(flow.Font);
        line.StartGh = line.Height;
        const std::string_view rest = std::string_view(source).substr(pos);
        const std::size_t consumed = LayoutLine(ctx, flow, rest, TPassMode::Measure, lineRect, line);
        const std::string_view lineText = rest.substr(0, consumed);
        pos = line.DropRest ? source.size() : pos + consumed;
        flow.InAnchor = before.InAnchor;
        flow.Href = before.Href;
        flow.Title = before.Title;

        const rtl::TRect placed = PlaceLine(lineRect, flow, line);

        if (!options.MeasureOnly) {
            // Painting or hit-testing pass, from the same state the measuring pass started from.
            flow = before;
            TLineInfo second = line;
            second.AnchorHit = second.ObjectHit = false;
            LayoutLine(ctx, flow, lineText, options.HitTestOnly ? TPassMode::HitTest : TPassMode::Paint, placed, second);
            const int bottom = placed.Bottom - second.ImgOff;
            if (second.AnchorHit && options.PointY > bottom - line.StartGh && options.PointY < placed.Bottom) hit = true;
            if (second.ObjectHit) hit = true;
        }

        // The next line beside or below floating images.
        lineRect.Left = bounds.Left + 1 + ctx.FloatLeftW;
        lineRect.Right = bounds.Right - ctx.FloatRightW;
        if (bounds.Top + ctx.FloatHeight < lineRect.Top) {
            ctx.FloatLeftW = ctx.FloatRightW = 0;
            lineRect.Left = bounds.Left + 1;
            lineRect.Right = bounds.Right;
        }
        if (line.FloatSeen) {
            lineRect.Left = ctx.FloatSavedLeft;
            lineRect.Top = ctx.FloatSavedTop;
        } else {
            const int advance = line.Height + line.SubOff + line.SupOff;
            lineRect.Top += advance;
            result.ContentHeight += advance;
        }
        if (!options.MeasureOnly && lineRect.Top + line.StartGh > bounds.Bottom) break;
        if (consumed == 0 && !line.DropRest) break;  // nothing could be laid out: stop rather than loop
    }

    if (result.ContentHeight == 0) result.ContentHeight = ctx.GhHeightOf(ctx.CallerFont);
    result.AnchorCount = flow.AnchorCount;

    canvas.Pen().SetColor(entryPenColor);
    canvas.Pen().SetWidth(entryPenWidth);
    canvas.Brush().SetColor(ctx.EntryBrushColor);
    canvas.Brush().SetStyle(entryBrushStyle);
    canvas.SetBkMode(entryBkMode);
    ctx.ApplyFont(ctx.CallerFont);
    return hit;
}

bool RenderHtmlText(gfx::TCanvas& Canvas, const std::string& Text, const rtl::TRect& Bounds,
                    const gfx::TImageList* ImageList, int PointX, int PointY, int FocusedAnchor, int HoveredAnchor,
                    int ShadowShift, bool HitTestOnly, bool MeasureOnly, bool ForPrinter, bool KeepTextColor,
                    bool BlinkPhaseOn, bool HoverOnlyStyle, bool WrapWords, bool ControlPressed,
                    const std::string& PressedControlID, double Zoom, gfx::TColor AnchorColor,
                    gfx::TColor HoverBackColor, gfx::TColor HoverTextColor, gfx::TColor ShadowColor,
                    std::string& AnchorAtPoint, std::string& PlainText, std::string& FocusedAnchorRef,
                    std::string& AnchorTitleAtPoint, int& ContentWidth, int& ContentHeight, int& AnchorCount,
                    int& AnchorIndexAtPoint, rtl::TRect& AnchorRectAtPoint, rtl::TRect& ControlRectAtPoint,
                    std::string& ControlIDAtPoint, std::string& ControlValueAtPoint,
                    std::string& ControlTypeAtPoint, THTMLPictureCache* PictureCache, TPictureContainer* Pictures,
                    const void* ThemeWindow, int BiDiMode)
{
    THtmlRenderOptions o;
    o.ImageList = ImageList;
    o.PointX = PointX;
    o.PointY = PointY;
    o.FocusedAnchor = FocusedAnchor;
    o.HoveredAnchor = HoveredAnchor;
    o.ShadowShift = ShadowShift;
    o.HitTestOnly = HitTestOnly;
    o.MeasureOnly = MeasureOnly;
    o.ForPrinter = ForPrinter;
    o.KeepTextColor = KeepTextColor;
    o.BlinkPhaseOn = BlinkPhaseOn;
    o.HoverOnlyStyle = HoverOnlyStyle;
    o.WrapWords = WrapWords;
    o.ControlPressed = ControlPressed;
    o.PressedControlID = PressedControlID;
    o.Zoom = Zoom;
    o.AnchorColor = AnchorColor;
    o.HoverBackColor = HoverBackColor;
    o.HoverTextColor = HoverTextColor;
    o.ShadowColor = ShadowColor;
    o.PictureCache = PictureCache;
    o.Pictures = Pictures;
    o.ThemeWindow = ThemeWindow;
    o.BiDiMode = BiDiMode;
    THtmlRenderResult r;
    r.AnchorAtPoint = AnchorAtPoint;
    r.ControlIDAtPoint = ControlIDAtPoint;
    const bool hit = RenderHtmlText(Canvas, Text, Bounds, o, r);
    AnchorAtPoint = r.AnchorAtPoint;
    PlainText = r.PlainText;
    FocusedAnchorRef = r.FocusedAnchorRef;
    AnchorTitleAtPoint = r.AnchorTitleAtPoint;
    ContentWidth = r.ContentWidth;
    ContentHeight = r.ContentHeight;
    AnchorCount = r.AnchorCount;
    AnchorIndexAtPoint = r.AnchorIndexAtPoint;
    AnchorRectAtPoint = r.AnchorRectAtPoint;
    ControlRectAtPoint = r.ControlRectAtPoint;
    ControlIDAtPoint = r.ControlIDAtPoint;
    ControlValueAtPoint = r.ControlValueAtPoint;
    ControlTypeAtPoint = r.ControlTypeAtPoint;
    return hit;
}

}  // namespace grid
