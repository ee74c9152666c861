// The grid button's painting: stepped gradients, flat and raised faces, glyph and caption layout.
#include <algorithm>

#include "grid/core/GridButton.h"
#include "grid/foundation/ExtStyleIF.h"
#include "grid/foundation/ExtXPVS.h"
#include "platform/gfx/FrameControls.h"
#include "platform/rtl/NumberText.h"

namespace grid {

namespace {

constexpr int DropDownWidth = 12;
constexpr int GradientSteps = 16;

int Channel(gfx::TColor rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }

void FrameWith(gfx::TCanvas& canvas, const rtl::TRect& r, gfx::TColor pen)
{
    canvas.Pen().SetColor(pen);
    canvas.Brush().SetStyle(gfx::bsClear);
    canvas.Rectangle(r);
    canvas.Brush().SetStyle(gfx::bsSolid);
}

void RoundFrameWith(gfx::TCanvas& canvas, rtl::TRect r, gfx::TColor pen)
{
    rtl::InflateRect(r, 1, 1);
    canvas.Pen().SetColor(pen);
    canvas.Brush().SetStyle(gfx::bsClear);
    canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 8, 8);
    canvas.Brush().SetStyle(gfx::bsSolid);
}

// A filled rectangle framed in the border colour, or in the fill colour without one.
void FilledFrame(gfx::TCanvas& canvas, const rtl::TRect& r, gfx::TColor fill, gfx::TColor border)
{
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(fill);
    canvas.Pen().SetColor(border != gfx::clNone ? border : fill);
    canvas.Rectangle(r);
}

struct TContentLayout {
    rtl::TPoint GlyphPos;
    rtl::TRect TextBounds;
};

// Positions of glyph and caption in the content rectangle (Layout, Margin, Spacing).
TContentLayout CalcButtonLayout(gfx::TCanvas& canvas, const rtl::TRect& client, const std::string& caption,
                                rtl::TSize glyph, TButtonLayout layout, int margin, int spacing)
{
    rtl::TSize text{0, 0};
    if (!caption.empty()) {
        rtl::TRect measure = rtl::Rect(0, 0, client.Width(), 0);
        canvas.DrawText(caption, measure, gfx::DT_CALCRECT);
        text = {measure.Width(), measure.Height()};
    }
    const int w = client.Width(), h = client.Height();
    TContentLayout out;
    if (caption.empty()) {
        // A lone glyph sits in the middle.
        out.GlyphPos = {(w - glyph.cx + 1) / 2, (h - glyph.cy + 1) / 2};
        out.TextBounds = rtl::Bounds(w / 2, h / 2, 0, 0);
    } else {
        const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
        const int s = horizontal ? w : h;
        const int g = horizontal ? glyph.cx : glyph.cy;
        const int t = horizontal ? text.cx : text.cy;
        if (glyph.cx == 0 || glyph.cy == 0) spacing = 0;
        if (margin == -1) {
            if (spacing == -1) {
                margin = (s - g - t) / 3;
                spacing = margin;
            } else {
                margin = (s - g - t - spacing + 1) / 2;
            }
        } else if (spacing == -1) {
            spacing = (s - margin - g - t) / 2;
        }
        int glyphAt, textAt;
        if (layout == blGlyphLeft || layout == blGlyphTop) {
            glyphAt = margin;
            textAt = margin + g + spacing;
        } else {
            glyphAt = s - margin - g;
            textAt = glyphAt - spacing - t;
        }
        if (horizontal) {
            out.GlyphPos = {glyphAt, (h - glyph.cy + 1) / 2};
            out.TextBounds = rtl::Bounds(textAt, (h - text.cy + 1) / 2, text.cx, text.cy);
        } else {
            out.GlyphPos = {(w - glyph.cx + 1) / 2, glyphAt};
            out.TextBounds = rtl::Bounds((w - text.cx + 1) / 2, textAt, text.cx, text.cy);
        }
    }
    out.GlyphPos.X += client.Left;
    out.GlyphPos.Y += client.Top;
    rtl::OffsetRect(out.TextBounds, client.Left, client.Top);
    return out;
}

}  // namespace

void DrawSteppedGradient(gfx::TCanvas& Canvas, gfx::TColor FromColor, gfx::TColor ToColor, bool Horizontal,
                         const rtl::TRect& R, int Steps, gfx::TColor BorderColor)
{
    // Steps 0 counts as 1; so does a negative count, which would divide by a negative size.
    if (Steps < 1) Steps = 1;
    Canvas.Brush().SetStyle(gfx::bsSolid);
    const gfx::TColor from = gfx::ColorToRGB(FromColor), to = gfx::ColorToRGB(ToColor);
    const double size = (Horizontal ? R.Width() : R.Height()) / static_cast<double>(Steps);
    for (int i = 0; i < Steps; ++i) {
        int rgb[3];
        for (int k = 0; k < 3; ++k) {
            const int a = Channel(from, 8 * k), b = Channel(to, 8 * k);
            rgb[k] = a + static_cast<int>(rtl::Round(i * (b - a) / static_cast<double>(Steps)));
        }
        const gfx::TColor color = gfx::RGB(rgb[0], rgb[1], rgb[2]);
        Canvas.Pen().SetColor(color);
        Canvas.Brush().SetColor(color);
        const int start = static_cast<int>(rtl::Round(i * size));
        const int end = start + static_cast<int>(rtl::Round(size)) + 1;
        // Each band overlaps the next by a pixel; the last one is kept inside R rather than
        // painting a pixel beyond it.
        rtl::TRect band = Horizontal ? rtl::Rect(R.Left + start, R.Top, std::min(R.Right, R.Left + end), R.Bottom)
                                     : rtl::Rect(R.Left, R.Top + start, R.Right, std::min(R.Bottom, R.Top + end));
        Canvas.FillRect(band);
    }
    if (BorderColor != gfx::clNone) FrameWith(Canvas, R, BorderColor);
}

void TExtGridButton::PaintFlatFace(gfx::TCanvas& canvas, rtl::TRect& r, bool hot, bool pressed)
{
    if (FBorderDownColor == gfx::clNone || FRounded) rtl::InflateRect(r, -1, -1);
    const bool checkedDown = FStyle == tasCheck && FDown;
    if (!hot) {
        if (checkedDown) {
            if (FColorCheckedTo == gfx::clNone) FilledFrame(canvas, r, FColorChecked, FBorderDownColor);
            else DrawSteppedGradient(canvas, FColorChecked, FColorCheckedTo, false, r, GradientSteps, FBorderDownColor);
        } else {
            if (FColorTo == gfx::clNone) {
                canvas.Brush().SetColor(Color());
                canvas.FillRect(r);
            } else {
                const gfx::TColor border = FRounded ? gfx::clNone : (FDown ? FBorderDownColor : FBorderColor);
                DrawSteppedGradient(canvas, Color(), FColorTo, false, r, GradientSteps, border);
            }
            if (FBorderColor != gfx::clNone) {
                if (FRounded) RoundFrameWith(canvas, r, FBorderColor);
                else FrameWith(canvas, r, FBorderColor);
            }
        }
    } else {
        gfx::TColor from = pressed ? FColorDown : FColorHot;
        gfx::TColor to = pressed ? FColorDownTo : FColorHotTo;
        gfx::TColor border = pressed ? FBorderDownColor : FBorderHotColor;
        if (checkedDown && !FDragging) {
            from = FColorChecked;
            to = FColorCheckedTo;
            border = FBorderDownColor;
        }
        if (to == gfx::clNone) FilledFrame(canvas, r, from, border);
        else DrawSteppedGradient(canvas, from, to, false, r, GradientSteps, FRounded ? gfx::clNone : border);
        if (FRounded) RoundFrameWith(canvas, r, pressed ? FBorderDownColor : FBorderHotColor);
        if (FDropDownButton && border != gfx::clNone) {
            canvas.Pen().SetColor(border);
            canvas.MoveTo(r.Right - DropDownWidth, r.Top);
            canvas.LineTo(r.Right - DropDownWidth, r.Bottom);
        }
    }
    rtl::InflateRect(r, -1, -1);
}

void TExtGridButton::PaintRaisedFace(gfx::TCanvas& canvas, rtl::TRect& r, bool hot, bool pressed)
{
    if (FAutoXPStyle && FIsComCtl6 && IsWindowsXPOrLater() && VisualStylesLibraryLoaded() && IsThemeActive != nullptr &&
        IsThemeActive()) {
        const ui::HWND parent = Parent() != nullptr ? Parent()->Handle() : 0;
        HTHEME theme = OpenThemeData(parent, "button");
        const int state = pressed ? gfx::PBS_PRESSED : hot ? gfx::PBS_HOT : gfx::PBS_NORMAL;
        DrawThemeBackground(theme, &canvas, gfx::BP_PUSHBUTTON, state, &r, nullptr);
        CloseThemeData(theme);
        return;
    }
    rtl::TRect face = r;
    gfx::DrawFrameControl(canvas, face, gfx::DFC_BUTTON, gfx::DFCS_BUTTONPUSH | (pressed ? gfx::DFCS_PUSHED : 0u));
}

const gfx::TBitmap* TExtGridButton::GlyphToDraw(bool pressed) const
{
    if (FGlyph->Empty()) return nullptr;
    if (!Enabled()) return FGlyphDisabled->Empty() ? FGlyph.get() : FGlyphDisabled.get();
    if (FMouseInControl) {
        if (!pressed && !FGlyphHot->Empty() && !Designing()) return FGlyphHot.get();
        if (pressed && !FGlyphDown->Empty()) return FGlyphDown.get();
        return FGlyph.get();
    }
    if (pressed && !FGlyphDown->Empty()) return FGlyphDown.get();
    return FGlyph.get();
}

void TExtGridButton::PaintContent(gfx::TCanvas& canvas, const rtl::TRect& r, rtl::TPoint offset, bool hot,
                                  bool liftGlyph)
{
    const bool pressed = FState == bsDown || FState == bsExclusive;
    canvas.Font().Assign(&Font());
    const rtl::TSize glyphSize = FGlyph->Empty() ? rtl::TSize{0, 0} : rtl::TSize{FGlyph->Width(), FGlyph->Height()};
    const std::string caption = FShowCaption ? Caption() : std::string();
    TContentLayout layout = CalcButtonLayout(canvas, r, caption, glyphSize, FLayout, FMargin, FSpacing);
    rtl::TPoint glyphAt{layout.GlyphPos.X + offset.X, layout.GlyphPos.Y + offset.Y};
    rtl::TRect text = layout.TextBounds;
    rtl::OffsetRect(text, offset.X, offset.Y);
    if (liftGlyph) rtl::OffsetRect(text, 1, 1);  // only the glyph lifts

    if (const gfx::TBitmap* glyph = GlyphToDraw(pressed)) {
        if (hot && FShaded && Enabled() && !pressed && !FGlyphShade->Empty()) {
            const int shift = caption.empty() ? 0 : 2;
            canvas.Draw(glyphAt.X + shift, glyphAt.Y + shift, *FGlyphShade);
        }
        canvas.Draw(glyphAt.X, glyphAt.Y, *glyph);
    }
    if (caption.empty()) return;
    canvas.Brush().SetStyle(gfx::bsClear);
    const unsigned flags = gfx::DT_CENTER | gfx::DT_VCENTER;
    if (!Enabled()) {
        rtl::TRect shadow = text;
        rtl::OffsetRect(shadow, 1, 1);
        canvas.Font().SetColor(gfx::clBtnHighlight);
        canvas.DrawText(caption, shadow, flags);
        canvas.Font().SetColor(gfx::clBtnShadow);
    }
    canvas.DrawText(caption, text, flags);
    canvas.Brush().SetStyle(gfx::bsSolid);
}

void TExtGridButton::Paint()
{
    if (Enabled() && FState == bsDisabled) {
        FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    } else if (!Enabled()) {
        FState = bsDisabled;
        FDragging = false;
    }
    if (FStyle == tasCheck && FDown) FState = bsDown;

    gfx::TCanvas& canvas = Canvas();
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Brush().SetStyle(gfx::bsSolid);
    rtl::TRect r = ClientRect();
    const bool hot = FMouseInControl && Enabled() && !Designing();
    const bool pressed = FState == bsDown || FState == bsExclusive;
    if (FFlat) PaintFlatFace(canvas, r, hot, pressed);
    else PaintRaisedFace(canvas, r, hot, pressed);

    rtl::TPoint offset{0, 0};
    bool liftGlyph = false;
    if (pressed) {
        if (FState == bsExclusive && (!FFlat || !hot)) {
            rtl::TRect fill = r;
            rtl::InflateRect(fill, 1, 1);
            if (FColorCheckedTo == gfx::clNone) {
                canvas.Brush().SetColor(FColorChecked);
                canvas.FillRect(fill);
            } else {
                DrawSteppedGradient(canvas, FColorChecked, FColorCheckedTo, false, fill, GradientSteps,
                                    FDown ? FBorderDownColor : FBorderColor);
            }
        }
        if (!FFlat && !Designing()) offset = {1, 1};
    } else if (FFlat && hot && FShaded) {
        offset = {-1, -1};
        liftGlyph = true;
    }

    if (FDropDownButton) {
        const int mid = (r.Top + r.Bottom) / 2;
        const rtl::TPoint triangle[3] = {{r.Right - 8, mid - 1}, {r.Right - 4, mid - 1}, {r.Right - 6, mid + 1}};
        canvas.Pen().SetColor(Font().Color());
        canvas.Brush().SetColor(Font().Color());
        canvas.Polygon(triangle);
        r.Right -= DropDownWidth;
    }
    PaintContent(canvas, r, offset, hot, liftGlyph);
}

}  // namespace grid
