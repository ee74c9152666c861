// Push buttons, bit buttons and expand buttons drawn in cells, with their caption and glyph.
#include <algorithm>
#include <variant>

#include "grid/core/ExtGridGraphicPainter.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/foundation/ExtUtilThemedButtons.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ThemedParts.h"

namespace grid {

namespace {

constexpr int ExpandButtonSize = 13;

// An expand button shows a chevron pointing up when expanded (CellVar differs from false).
bool ExpandedVar(const TCellVariant& v)
{
    if (std::holds_alternative<std::monostate>(v)) return false;
    if (const bool* b = std::get_if<bool>(&v)) return *b;
    return true;
}

void DrawChevron(gfx::TCanvas& canvas, const rtl::TRect& r, bool expanded)
{
    canvas.Pen().SetColor(gfx::clBlack);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(gfx::psSolid);
    if (expanded) {
        canvas.MoveTo(r.Right - 10, r.Top + 8);
        canvas.LineTo(r.Right - 7, r.Top + 5);
        canvas.LineTo(r.Right - 3, r.Top + 9);
    } else {
        canvas.MoveTo(r.Right - 10, r.Top + 5);
        canvas.LineTo(r.Right - 7, r.Top + 8);
        canvas.LineTo(r.Right - 3, r.Top + 4);
    }
}

}  // namespace

void TCellGraphicPainter::DrawButtonKinds()
{
    const TControlLook& look = Grid.ControlLook();
    const bool expand = Graphic.CellType() == ctExpand;
    if (expand) G = rtl::Rect(R.Right - ExpandButtonSize, R.Top, R.Right, R.Top + ExpandButtonSize);
    // Where the button was painted, for the mouse handling: y offset × 65536 + x offset.
    Graphic.SetCellValue(static_cast<double>(G.Top - Cell.Top) * 65536.0 + (G.Left - Cell.Left));

    const bool enabled = look.NoDisabledButtonLook() || CellEditable();
    int buttonLook = look.FlatButton() ? bglFlat : gfx::ThemesActive() ? bglThemed : bglClassic;
    // A tone set whose background is neither black nor "no colour" counts as set.
    const gfx::TColor toneBack = Grid.ColorTones().Background.BrushColor;
    if (Grid.Flat() && toneBack != gfx::clNone && toneBack != 0) buttonLook = bglTones;
    int state = Graphic.CellBoolean() ? bgsDown : bgsNormal;
    if (!enabled && !expand) state = bgsDisabled;

    DrawThemedButton(Canvas, Grid.Handle(), G, buttonLook, state, Grid.ColorTones(), look.ButtonPrefix(), "");
    rtl::TRect r = G;
    if (state == bgsDown) rtl::OffsetRect(r, 1, 1);
    if (expand) {
        DrawChevron(Canvas, R, ExpandedVar(Graphic.CellVar()));
        return;
    }

    const auto* glyph = dynamic_cast<const gfx::TBitmap*>(Graphic.CellBitmap());
    const std::string& caption = Graphic.CellText();
    if (Graphic.CellType() == ctBitButton && glyph != nullptr && !glyph->Empty()) {
        int dy = (r.Height() - glyph->Height()) / 2;
        if (dy < 1) dy = 3;
        const int free = r.Width() - glyph->Width();
        if (!caption.empty() || free <= 0) {
            DrawTransparentBitmap(Canvas, r.Left + 3, r.Top + dy, *glyph);
            r.Left += glyph->Width() + 4;
        } else {
            DrawTransparentBitmap(Canvas, r.Left + free / 2, r.Top + dy, *glyph);
        }
    }
    if (caption.empty()) return;
    unsigned flags = caption.find('\r') != std::string::npos ? gfx::DT_WORDBREAK : gfx::DT_SINGLELINE;
    flags |= gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_END_ELLIPSIS;
    if (!look.ButtonPrefix()) flags |= gfx::DT_NOPREFIX;
    r.Left += 1;
    Canvas.Brush().SetStyle(gfx::bsClear);
    if (buttonLook == bglTones) Canvas.Font().SetColor(ToneOfState(Grid.ColorTones(), state).TextColor);
    Canvas.DrawText(caption, r, flags);
}

}  // namespace grid
