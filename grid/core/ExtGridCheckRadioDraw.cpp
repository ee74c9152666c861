// Check boxes and radio buttons drawn in cells, in every control style: glyph bitmaps, theme parts, classic frame controls and drawn boxes.
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "grid/core/ExtGridGraphicPainter.h"
#include "grid/core/GridOptionsLook.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/FrameControls.h"
#include "platform/gfx/Resources.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/rtl/StringList.h"

namespace grid {

namespace {

constexpr int BitmapButtonSize = 16;
constexpr gfx::TColor DisabledTick = 0x808080;
constexpr gfx::TColor WhiteEdge = 0xFFFFFF;

int Scaled(double v) { return static_cast<int>(std::lround(v)); }

const char* CheckGlyphName(TControlStyle style, bool checked, bool enabled)
{
    if (style == csJyx) return checked ? (enabled ? "ESGCHK01" : "ESGCHK03") : (enabled ? "ESGCHK02" : "ESGCHK04");
    return checked ? (enabled ? "ESGCHK05" : "ESGCHK07") : (enabled ? "ESGCHK06" : "ESGCHK08");
}

const char* RadioGlyphName(TControlStyle style, bool checked, bool enabled)
{
    if (style == csJyx) return checked ? (enabled ? "ESGRAD01" : "ESGRAD03") : (enabled ? "ESGRAD02" : "ESGRAD04");
    return checked ? (enabled ? "ESGRAD05" : "ESGRAD07") : (enabled ? "ESGRAD06" : "ESGRAD08");
}

void DrawNamedGlyph(gfx::TCanvas& canvas, int x, int y, const char* name)
{
    if (const gfx::TBitmap* glyph = GlyphBitmap(name)) DrawTransparentBitmap(canvas, x, y, *glyph);
}

void Line(gfx::TCanvas& canvas, int x1, int y1, int x2, int y2)
{
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

int ThemeCheckState(bool checked, bool grayed, bool enabled)
{
    const int base = grayed ? gfx::CBS_MIXEDNORMAL : checked ? gfx::CBS_CHECKEDNORMAL : gfx::CBS_UNCHECKEDNORMAL;
    return enabled ? base : base + 3;
}

void DrawThemePart(gfx::TCanvas& canvas, int part, int state, const rtl::TRect& rect)
{
    gfx::HTHEME theme = gfx::OpenThemeData("button");
    gfx::DrawThemeBackground(theme, canvas, part, state, rect);
    gfx::CloseThemeData(theme);
}

// The raised box of the classic drawn style with its two-pixel tick.
void DrawBorlandCheck(gfx::TCanvas& canvas, const rtl::TRect& r, int s, bool checked, bool enabled,
                      gfx::TColor tickColor)
{
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(enabled ? gfx::clBtnFace : gfx::clBtnShadow);
    canvas.Pen().SetColor(gfx::clBtnFace);
    canvas.Pen().SetWidth(1);
    canvas.Rectangle(r);
    canvas.Pen().SetColor(gfx::clBtnHighlight);
    Line(canvas, r.Left, r.Bottom - 1, r.Left, r.Top);
    Line(canvas, r.Left, r.Top, r.Right, r.Top);
    canvas.Pen().SetColor(gfx::clBtnShadow);
    Line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
    Line(canvas, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
    if (!checked) return;
    canvas.Pen().SetColor(enabled ? tickColor : DisabledTick);
    const int t = r.Top - 1;
    const int b = r.Bottom - 1;
    Line(canvas, r.Left + 2, t + s / 2 + 1, r.Left + 2, b - 1);
    Line(canvas, r.Left + 3, t + s / 2, r.Left + 3, b - 2);
    Line(canvas, r.Left + 2, b - 1, r.Right - 2, t + 3);
    Line(canvas, r.Left + 3, b - 1, r.Right - 1, t + 3);
}

// A diamond button: its edges shaded as pressed when checked, with an inner diamond.
void DrawBorlandRadio(gfx::TCanvas& canvas, int x, int y, bool checked, gfx::TColor dotColor)
{
    const rtl::TPoint left{x + 2, y + 8}, top{x + 8, y + 2}, right{x + 14, y + 8}, bottom{x + 8, y + 14};
    const rtl::TPoint diamond[4] = {left, top, right, bottom};
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(gfx::clBtnFace);
    canvas.Pen().SetColor(gfx::clBtnFace);
    canvas.Polygon(diamond);
    canvas.Pen().SetColor(checked ? 0x808080 : WhiteEdge);
    canvas.MoveTo(bottom.X, bottom.Y);
    canvas.LineTo(left.X, left.Y);
    canvas.LineTo(top.X, top.Y);
    canvas.LineTo(right.X, right.Y);
    canvas.Pen().SetColor(checked ? WhiteEdge : 0x808080);
    canvas.LineTo(bottom.X, bottom.Y);
    canvas.LineTo(left.X, left.Y);
    if (!checked) return;
    const rtl::TPoint inner[4] = {{x + 6, y + 8}, {x + 8, y + 6}, {x + 10, y + 8}, {x + 8, y + 10}};
    canvas.Brush().SetColor(dotColor);
    canvas.Pen().SetColor(dotColor);
    canvas.Polygon(inner);
}

}  // namespace

const gfx::TBitmap* GlyphBitmap(const std::string& name)
{
    // Decoded once per program: the embedded bytes never change.
    static std::map<std::string, std::unique_ptr<gfx::TBitmap>> decoded;
    auto it = decoded.find(name);
    if (it != decoded.end()) return it->second.get();
    std::unique_ptr<gfx::TBitmap> bitmap;
    const gfx::TResource resource = gfx::FindResource(name, "glyphs");
    if (resource.Found()) {
        bitmap = std::make_unique<gfx::TBitmap>();
        bitmap->LoadFromBytes(resource.Data, resource.Size);
        bitmap->SetTransparent(true);
    }
    return decoded.emplace(name, std::move(bitmap)).first->second.get();
}

void DrawTransparentBitmap(gfx::TCanvas& canvas, int x, int y, const gfx::TBitmap& bitmap)
{
    if (bitmap.Empty()) return;
    if (bitmap.Transparent()) {
        bitmap.Draw(canvas, rtl::Bounds(x, y, bitmap.Width(), bitmap.Height()));
        return;
    }
    gfx::TBitmap copy;
    copy.Assign(&bitmap);
    copy.SetTransparent(true);
    copy.Draw(canvas, rtl::Bounds(x, y, copy.Width(), copy.Height()));
}

void TExtStringGrid::DrawCellCheck(gfx::TCanvas& ACanvas, const rtl::TRect& ARect, bool Checked, bool Enabled,
                                   bool Grayed, TControlStyle Style, bool IsTriState, ui::TCheckBoxState State)
{
    const TControlLook& look = ControlLook();
    if (look.NoDisabledCheckRadioLook() || look.CheckAlwaysActive()) Enabled = true;
    if (Style == csTheme && (!FIsComCtl6 || !gfx::ThemesActive())) Style = csClassic;
    if (IsTriState) {
        Checked = State == ui::cbChecked;
        Grayed = State == ui::cbGrayed;
    }
    const int s = Scaled(look.CheckSize() * FScaleFactor);
    switch (Style) {
    case csWinXP:
    case csJyx:
        DrawNamedGlyph(ACanvas, ARect.Left, ARect.Top, CheckGlyphName(Style, Checked, Enabled));
        break;
    case csGlyph: {
        const gfx::TBitmap& glyph = Checked ? look.CheckedGlyph() : look.UnCheckedGlyph();
        DrawTransparentBitmap(ACanvas, ARect.Left, ARect.Top, glyph);
        break;
    }
    case csBorland:
        DrawBorlandCheck(ACanvas, rtl::Bounds(ARect.Left, ARect.Top, s, s), s, Checked, Enabled, look.Color());
        break;
    case csTheme:
        DrawThemePart(ACanvas, gfx::BP_CHECKBOX, ThemeCheckState(Checked, Grayed, Enabled),
                      rtl::Bounds(ARect.Left, ARect.Top, s, s));
        break;
    case csClassic:
    case csFlat:
    default: {
        unsigned state = gfx::DFCS_BUTTONCHECK;
        if (Checked) state |= gfx::DFCS_CHECKED;
        if (Grayed) state |= gfx::DFCS_BUTTON3STATE | gfx::DFCS_CHECKED;
        if (Style == csFlat) state |= gfx::DFCS_FLAT;
        if (!Enabled) state |= gfx::DFCS_INACTIVE;
        rtl::TRect box = rtl::Bounds(ARect.Left + (ARect.Width() - s) / 2, ARect.Top + (ARect.Height() - s) / 2, s, s);
        gfx::DrawFrameControl(ACanvas, box, gfx::DFC_BUTTON, state);
        break;
    }
    }
}

void TExtStringGrid::DrawCellRadio(gfx::TCanvas& ACanvas, const rtl::TRect& ARect, int Count, int Index,
                                   bool SideBySide, bool Disabled, const rtl::TStrings* Items, bool Selected,
                                   int ACol, int ARow, TControlStyle Style, double Scale, bool Upward)
{
    const TControlLook& look = ControlLook();
    if (look.NoDisabledCheckRadioLook() || look.RadioAlwaysActive()) Disabled = false;
    if (Style == csTheme && !gfx::ThemesActive()) Style = csClassic;
    if (Scale <= 0) Scale = 1.0;
    ACanvas.Brush().SetStyle(gfx::bsClear);
    const bool classic = Style == csClassic || Style == csFlat;
    const bool drawn16 = Style == csBorland || Style == csTheme;
    const int d = Upward ? -1 : 1;
    const int lh = ACanvas.TextHeight("gh");
    const int r = look.RadioSize();
    const int size = classic ? Scaled((Style == csFlat ? r + 2 : r) * Scale) : BitmapButtonSize;
    const std::string cellText = Index == -1 && Items != nullptr ? GetCellEx(ACol, ARow) : std::string();
    if (Items != nullptr && Selected && SelectionVisible()) ACanvas.Font().SetColor(SelectionTextColor());
    int sum = 0;
    for (int i = 0; i < Count; ++i) {
        const bool hasCaption = Items != nullptr && i < Items->Count();
        const std::string caption = hasCaption ? Items->Get(i) : std::string();
        const bool checked = Index == i || (Index == -1 && hasCaption && caption == cellText);
        int x, y;
        rtl::TPoint captionAt;
        if (SideBySide) {
            x = classic ? i * r + sum + ARect.Left + 2 : sum + ARect.Left + i * BitmapButtonSize + 2;
            y = ARect.Top + (ARect.Height() - size) / 2;
            if (classic) captionAt = {x + Scaled(r * Scale), y - 2};
            else if (drawn16) captionAt = {x + BitmapButtonSize, y - 2};
            else captionAt = {x + BitmapButtonSize, y + 1};
        } else {
            const int step = classic ? i * lh * d : i * std::max(BitmapButtonSize, lh) * d;
            y = ARect.Top + step + 2;
            x = hasCaption ? ARect.Left + 2 : ARect.Left + (ARect.Width() - size) / 2;
            if (classic) captionAt = {x + Scaled((r + 4) * Scale), y - 2};
            else if (drawn16) captionAt = {ARect.Left + 20, ARect.Top + step};
            else captionAt = {ARect.Left + 18, y + 1};
        }
        // With RadioRange the first caption stands left of its button.
        const bool rangeFirst = look.RadioRange() && SideBySide && i == 0 && hasCaption;
        if (rangeFirst) {
            captionAt.X = x;
            x += ACanvas.TextWidth(caption) + 2;
        }
        switch (Style) {
        case csBorland: DrawBorlandRadio(ACanvas, x, y, checked, look.Color()); break;
        case csTheme: {
            const int state = checked ? (Disabled ? 8 : gfx::RBS_CHECKEDNORMAL) : (Disabled ? 4 : gfx::RBS_UNCHECKEDNORMAL);
            DrawThemePart(ACanvas, gfx::BP_RADIOBUTTON, state, rtl::Bounds(x, y, BitmapButtonSize, BitmapButtonSize));
            break;
        }
        case csWinXP:
        case csJyx: DrawNamedGlyph(ACanvas, x, y, RadioGlyphName(Style, checked, !Disabled)); break;
        case csGlyph:
            DrawTransparentBitmap(ACanvas, x, y, checked ? look.RadioOnGlyph() : look.RadioOffGlyph());
            break;
        case csClassic:
        case csFlat:
        default: {
            unsigned state = gfx::DFCS_BUTTONRADIO;
            if (Style == csFlat) state |= gfx::DFCS_FLAT;
            if (Disabled) state |= gfx::DFCS_INACTIVE;
            if (checked) state |= gfx::DFCS_CHECKED;
            rtl::TRect box = rtl::Bounds(x, y, size, size);
            gfx::DrawFrameControl(ACanvas, box, gfx::DFC_BUTTON, state);
            break;
        }
        }
        ACanvas.Brush().SetStyle(gfx::bsClear);
        if (hasCaption) {
            ACanvas.TextOut(captionAt.X, captionAt.Y, caption);
            sum += ACanvas.TextWidth(caption);
        }
        // The gap between the first caption and its button keeps the next item clear of it.
        if (rangeFirst) sum += 2;
    }
}

// ---------------------------------------------------------------- the cell kinds

void TCellGraphicPainter::DrawCheckKinds()
{
    const TCellType kind = Graphic.CellType();
    const bool enabled = CellEditable();
    const TControlStyle style = Grid.ControlLook().ControlStyle();
    if (kind == ctDataCheckBox || kind == ctVirtCheckBox) {
        std::string checkTrue;
        Grid.GetCheckTrue(Col, Row, checkTrue);
        Grid.DrawCellCheck(Canvas, G, Grid.GetCellEx(Col, Row) == checkTrue, enabled, false, style, false,
                           ui::cbUnchecked);
        return;
    }
    const bool grayed = Graphic.CellAngle() > 0;
    if (kind == ctTriStateCheckBox) {
        Grid.DrawCellCheck(Canvas, G, false, enabled, grayed, style, true, Graphic.CellCheckBoxState());
        return;
    }
    Grid.DrawCellCheck(Canvas, G, Graphic.CellBoolean(), enabled, grayed, style, false, ui::cbUnchecked);
}

void TCellGraphicPainter::DrawRadioButton()
{
    const int size = Grid.ControlLook().RadioSize();
    const rtl::TRect box = rtl::Bounds(G.Left + Grid.XYOffset().X, G.Top, size, size);
    const double scale = Work.Printing ? Work.Scale : Grid.FScaleFactor;
    Grid.DrawCellRadio(Canvas, box, 1, Graphic.CellBoolean() ? 0 : -2, false, !CellEditable(), nullptr, Work.Selected,
                       Col, Row, Grid.ControlLook().ControlStyle(), scale, false);
}

void TCellGraphicPainter::DrawRadioGroup()
{
    const auto* items = dynamic_cast<const rtl::TStrings*>(Graphic.CellBitmap());
    const int count = items != nullptr ? items->Count() : Graphic.CellAngle();
    const double scale = Work.Printing ? Work.Scale : Grid.FScaleFactor;
    Grid.DrawCellRadio(Canvas, R, count, Graphic.CellIndex(), Graphic.CellBoolean(), false, items, Work.Selected, Col,
                       Row, Grid.ControlLook().ControlStyle(), scale, false);
}

}  // namespace grid
