// Classic 3D edges and frame controls in the system colours.
#include "platform/gfx/FrameControls.h"

#include <algorithm>

#include "platform/gfx/Canvas.h"

namespace gfx {

using rtl::TRect;

namespace {

void HLine(TCanvas& c, int x1, int x2, int y, TColor color)
{
    c.Brush().SetColor(color);
    c.FillRect({x1, y, x2, y + 1});
}

void VLine(TCanvas& c, int x, int y1, int y2, TColor color)
{
    c.Brush().SetColor(color);
    c.FillRect({x, y1, x + 1, y2});
}

// One ring of an edge: top-left in `light`, bottom-right in `dark`.
void Ring(TCanvas& c, TRect& r, unsigned flags, TColor topLeft, TColor bottomRight)
{
    if (flags & BF_TOP) HLine(c, r.Left, r.Right, r.Top, topLeft);
    if (flags & BF_LEFT) VLine(c, r.Left, r.Top, r.Bottom, topLeft);
    if (flags & BF_BOTTOM) HLine(c, r.Left, r.Right, r.Bottom - 1, bottomRight);
    if (flags & BF_RIGHT) VLine(c, r.Right - 1, r.Top, r.Bottom, bottomRight);
    if (flags & BF_TOP) ++r.Top;
    if (flags & BF_LEFT) ++r.Left;
    if (flags & BF_BOTTOM) --r.Bottom;
    if (flags & BF_RIGHT) --r.Right;
}

}  // namespace

bool DrawEdge(TCanvas& canvas, TRect& rect, unsigned edge, unsigned flags)
{
    if (edge & ~0x0Fu) return false;
    const TBrushStyle style = canvas.Brush().Style();
    const TColor color = canvas.Brush().Color();
    TRect r = rect;
    if (flags & (BF_FLAT | BF_MONO)) {
        const TColor frame = (flags & BF_MONO) ? clWindowFrame : clBtnShadow;
        if (edge & BDR_OUTER) Ring(canvas, r, flags, frame, frame);
        if (edge & BDR_INNER) Ring(canvas, r, flags, (flags & BF_MONO) ? clWindow : clBtnFace, (flags & BF_MONO) ? clWindow : clBtnFace);
    } else {
        if (edge & BDR_RAISEDOUTER) Ring(canvas, r, flags, (flags & BF_SOFT) ? clBtnHighlight : cl3DLight, cl3DDkShadow);
        else if (edge & BDR_SUNKENOUTER) Ring(canvas, r, flags, (flags & BF_SOFT) ? cl3DDkShadow : clBtnShadow, clBtnHighlight);
        if (edge & BDR_RAISEDINNER) Ring(canvas, r, flags, (flags & BF_SOFT) ? cl3DLight : clBtnHighlight, clBtnShadow);
        else if (edge & BDR_SUNKENINNER) Ring(canvas, r, flags, (flags & BF_SOFT) ? clBtnShadow : cl3DDkShadow, cl3DLight);
    }
    if (flags & BF_MIDDLE) {
        canvas.Brush().SetColor((flags & BF_MONO) ? clWindow : clBtnFace);
        canvas.FillRect(r);
    }
    canvas.Brush().SetColor(color);
    canvas.Brush().SetStyle(style);
    if (flags & BF_ADJUST) rect = r;
    return true;
}

void DrawArrowGlyph(TCanvas& canvas, const TRect& rect, unsigned direction, int color)
{
    const int size = std::max(2, std::min(rect.Width(), rect.Height()) / 3);
    const int cx = rect.Left + rect.Width() / 2, cy = rect.Top + rect.Height() / 2;
    canvas.Brush().SetColor(color);
    // Rows of a triangle from its tip (row 0, one pixel) to its base, one
    // pixel longer at each side per row; the tip points the arrow's way.
    for (int i = 0; i < size; ++i) {
        const int half = i;
        switch (direction) {
        case DFCS_SCROLLUP: canvas.FillRect({cx - half, cy - size / 2 + i, cx + half + 1, cy - size / 2 + i + 1}); break;
        case DFCS_SCROLLLEFT: canvas.FillRect({cx - size / 2 + i, cy - half, cx - size / 2 + i + 1, cy + half + 1}); break;
        case DFCS_SCROLLRIGHT: canvas.FillRect({cx + size / 2 - i, cy - half, cx + size / 2 - i + 1, cy + half + 1}); break;
        default: canvas.FillRect({cx - half, cy + size / 2 - i, cx + half + 1, cy + size / 2 - i + 1}); break;
        }
    }
}

bool DrawFrameControl(TCanvas& canvas, TRect& rect, unsigned type, unsigned state)
{
    const TColor brush = canvas.Brush().Color();
    const TBrushStyle brushStyle = canvas.Brush().Style();
    const bool flat = (state & DFCS_FLAT) != 0;
    const bool pushed = (state & DFCS_PUSHED) != 0;
    const bool inactive = (state & DFCS_INACTIVE) != 0;
    bool known = true;
    TRect r = rect;
    auto button = [&]() {
        if (flat) {
            canvas.Brush().SetColor(clBtnShadow);
            canvas.FrameRect(r);
            rtl::InflateRect(r, -1, -1);
        } else {
            DrawEdge(canvas, r, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST | (pushed ? 0u : BF_SOFT));
        }
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(r);
    };
    if (type == DFC_BUTTON && (state & 0xFF) == DFCS_BUTTONPUSH) {
        button();
    } else if (type == DFC_BUTTON && ((state & 0xFF) == DFCS_BUTTONCHECK || (state & 0xFF) == DFCS_BUTTON3STATE)) {
        const int size = std::min({13, r.Width(), r.Height()});
        TRect box = rtl::Bounds(r.Left + (r.Width() - size) / 2, r.Top + (r.Height() - size) / 2, size, size);
        if (flat) {
            canvas.Brush().SetColor(clBtnShadow);
            canvas.FrameRect(box);
            rtl::InflateRect(box, -1, -1);
        } else {
            DrawEdge(canvas, box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        }
        // A three-state box in its third state shows a grey mark on the button face.
        const bool grayed = (state & 0xFF) == DFCS_BUTTON3STATE;
        canvas.Brush().SetColor(inactive || pushed || grayed ? clBtnFace : clWindow);
        canvas.FillRect(box);
        if (state & DFCS_CHECKED) {
            // A check mark: three pixels thick, down then up.
            const TColor mark = inactive || grayed ? clGrayText : clWindowText;
            canvas.Brush().SetColor(mark);
            const int x0 = box.Left + (box.Width() - 7) / 2, y0 = box.Top + (box.Height() - 7) / 2 + 2;
            for (int i = 0; i < 7; ++i) {
                const int y = i < 3 ? y0 + i : y0 + 4 - i;
                canvas.FillRect({x0 + i, y, x0 + i + 1, y + 3});
            }
        }
    } else if (type == DFC_BUTTON && (state & 0xFF) == DFCS_BUTTONRADIO) {
        const int size = std::min({12, r.Width(), r.Height()});
        const TRect box = rtl::Bounds(r.Left + (r.Width() - size) / 2, r.Top + (r.Height() - size) / 2, size, size);
        canvas.Pen().SetColor(clBtnShadow);
        canvas.Pen().SetWidth(1);
        canvas.Pen().SetStyle(psSolid);
        canvas.Brush().SetColor(inactive || pushed ? clBtnFace : clWindow);
        canvas.Ellipse(box);
        if (state & DFCS_CHECKED) {
            canvas.Pen().SetColor(inactive ? clGrayText : clWindowText);
            canvas.Brush().SetColor(inactive ? clGrayText : clWindowText);
            TRect dot = box;
            rtl::InflateRect(dot, -(size / 3), -(size / 3));
            canvas.Ellipse(dot);
        }
    } else if (type == DFC_SCROLL) {
        button();
        TRect glyph = r;
        if (pushed && !flat) rtl::OffsetRect(glyph, 1, 1);
        const unsigned dir = (state & 0xFF) == DFCS_SCROLLCOMBOBOX ? DFCS_SCROLLDOWN : (state & 0x0F);
        if (inactive) {
            TRect shadow = glyph;
            rtl::OffsetRect(shadow, 1, 1);
            DrawArrowGlyph(canvas, shadow, dir, clBtnHighlight);
        }
        DrawArrowGlyph(canvas, glyph, dir, inactive ? clBtnShadow : clBtnText);
    } else {
        known = false;
    }
    canvas.Brush().SetColor(brush);
    canvas.Brush().SetStyle(brushStyle);
    if (known && (state & DFCS_ADJUSTRECT)) rtl::InflateRect(rect, -2, -2);
    return known;
}

}  // namespace gfx
