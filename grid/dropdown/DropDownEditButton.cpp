// The drop-down button inside the right edge of a drop-down edit.
#include "grid/dropdown/DropDownEditButton.h"

#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "grid/foundation/ExtStyleIF.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/FrameControls.h"
#include "platform/gfx/ThemedParts.h"

namespace grid {

TDropDownEditButton::TDropDownEditButton(rtl::TComponent* AOwner, TExtCustomDropDown* dropDown)
    : ui::TCustomControl(AOwner), FDropDown(dropDown), FGlyph(std::make_unique<gfx::TBitmap>()),
      FIsWinXP(IsCommonControls6())
{
    FControlStyle = ui::csCaptureMouse | ui::csOpaque;
    SetBounds(0, 0, 16, 25);
}

TDropDownEditButton::~TDropDownEditButton() = default;

void TDropDownEditButton::SetGlyph(const gfx::TBitmap* value)
{
    if (value != nullptr) FGlyph->Assign(value);
    else FGlyph = std::make_unique<gfx::TBitmap>();
    Invalidate();
}

void TDropDownEditButton::SetButtonStyle(TButtonStyle value)
{
    FButtonStyle = value;
    Invalidate();
}

void TDropDownEditButton::SetEtched(bool value)
{
    if (FEtched == value) return;
    FEtched = value;
    Invalidate();
}

void TDropDownEditButton::SetUp(bool value)
{
    FUp = value;
    Invalidate();
}

void TDropDownEditButton::SetColors(gfx::TColor face, gfx::TColor faceHot, gfx::TColor faceDown, gfx::TColor border)
{
    FButtonColor = face;
    FButtonColorHot = faceHot;
    FButtonColorDown = faceDown;
    FButtonBorderColor = border;
    Invalidate();
}

void TDropDownEditButton::SetArrowColors(gfx::TColor arrow, gfx::TColor arrowHot, gfx::TColor arrowDown)
{
    FButtonTextColor = arrow;
    FButtonTextColorHot = arrowHot;
    FButtonTextColorDown = arrowDown;
    Invalidate();
}

void TDropDownEditButton::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::CM_MOUSEENTER || Message.Msg == ui::CM_MOUSELEAVE) {
        FHot = Message.Msg == ui::CM_MOUSEENTER;
        Invalidate();
    }
    ui::TCustomControl::WndProc(Message);
}

bool TDropDownEditButton::PaintedPressed() const
{
    return (FPressed && !FUp) || FDropDown->DroppedDown();
}

void TDropDownEditButton::Paint()
{
    gfx::TCanvas& c = Canvas();
    if (FButtonStyle == bsButton) PaintPushButtonLook(c);
    else PaintArrowLook(c);
}

// The arrow look: colours given, else a glyph, else the themed combo button, else classic.
void TDropDownEditButton::PaintArrowLook(gfx::TCanvas& c)
{
    if (FButtonColor != gfx::clNone) PaintColored(c, PaintedPressed());
    else if (!FGlyph->Empty()) PaintGlyphFace(c);
    else if (FIsWinXP && gfx::ThemesActive()) PaintThemedArrow(c);
    else PaintClassic(c, PaintedPressed());
}

void TDropDownEditButton::PaintGlyphFace(gfx::TCanvas& c)
{
    c.Pen().SetStyle(gfx::psSolid);
    c.Pen().SetColor(0x808080);
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(gfx::clBtnFace);
    c.Rectangle(ClientRect());
    gfx::TBitmap glyph;
    glyph.Assign(FGlyph.get());
    glyph.SetTransparent(true);
    c.Draw(std::max(0, (Width() - glyph.Width()) / 2), std::max(0, (Height() - glyph.Height()) / 2), glyph);
}

void TDropDownEditButton::PaintThemedArrow(gfx::TCanvas& c)
{
    const bool usable = Enabled() && FDropDown->Enabled() && !FDropDown->ReadOnly();
    gfx::HTHEME theme = gfx::OpenThemeData("combobox");
    rtl::TRect r = ClientRect();
    if (HasLocaleInfoEx()) {
        r.Left += 1;
    } else {
        rtl::InflateRect(r, 1, 1);
        r.Left += 2;
    }
    int part = gfx::CP_DROPDOWNBUTTON;
    if (IsWindows10() || IsWindowsVistaTo8()) {
        c.Pen().SetColor(gfx::clWindow);
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(gfx::clWindow);
        c.Rectangle(r);
        part = gfx::CP_DROPDOWNBUTTONRIGHT;
        r.Right += 1;
        r.Top -= 1;
        r.Bottom += 1;
    }
    int state = gfx::CBXS_NORMAL;
    if (!usable) state = gfx::CBXS_DISABLED;
    else if (PaintedPressed()) state = gfx::CBXS_PRESSED;
    else if (FHot) state = gfx::CBXS_HOT;
    gfx::DrawThemeBackground(theme, c, part, state, r);
    gfx::CloseThemeData(theme);
}

// The push-button look: themed, flat with a raised or etched edge, or the classic button.
void TDropDownEditButton::PaintPushButtonLook(gfx::TCanvas& c)
{
    c.Font().Assign(&FDropDown->Font());
    if (FIsWinXP && gfx::ThemesActive()) PaintThemedPushButton(c);
    else PaintFlatPushButton(c);
}

void TDropDownEditButton::PaintThemedPushButton(gfx::TCanvas& c)
{
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(gfx::clBtnFace);
    c.FillRect(ClientRect());
    int state = gfx::PBS_NORMAL;
    if (!Enabled()) state = gfx::PBS_DISABLED;
    else if (FPressed && !FUp) state = gfx::PBS_PRESSED;
    else if (FHot) state = gfx::PBS_HOT;
    gfx::HTHEME theme = gfx::OpenThemeData("button");
    gfx::DrawThemeBackground(theme, c, gfx::BP_PUSHBUTTON, state, rtl::Rect(0, 0, Width() + 1, Height() + 1));
    gfx::CloseThemeData(theme);
    rtl::TRect inner = ClientRect();
    rtl::InflateRect(inner, -2, -2);
    PaintGlyphAndCaption(c, inner, Caption().empty());
}

void TDropDownEditButton::PaintFlatPushButton(gfx::TCanvas& c)
{
    const bool down = FPressed && !FUp;
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(gfx::clBtnFace);
    c.FillRect(ClientRect());
    rtl::TRect edge = rtl::Rect(0, 0, Width() + 1, Height() + 1);
    if (FDropDown->Flat()) {
        // Flat: an etched or raised edge, flattened while down; the glyph's background takes
        // the face colour.
        gfx::DrawEdge(c, edge, FEtched ? gfx::EDGE_ETCHED : gfx::EDGE_RAISED,
                      gfx::BF_RECT | (down ? gfx::BF_FLAT : 0u));
        if (!FGlyph->Empty()) {
            rtl::TRect r = ClientRect();
            rtl::InflateRect(r, -3, -3);
            const rtl::TRect at = rtl::Bounds(r.Left + std::max(0, (r.Width() - FGlyph->Width()) / 2),
                                              r.Top + std::max(0, (r.Height() - FGlyph->Height()) / 2),
                                              std::min(FGlyph->Width(), r.Width()), std::min(FGlyph->Height(), r.Height()));
            DrawTransparentBitmap(c, *FGlyph, gfx::clBtnFace, at);
        }
        rtl::TRect text = ClientRect();
        rtl::InflateRect(text, -3, -1);
        c.Brush().SetStyle(gfx::bsClear);
        c.DrawText(Caption(), text, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_CENTER);
        c.Brush().SetStyle(gfx::bsSolid);
        return;
    }
    // The classic button: raised, sunken while down.
    gfx::DrawEdge(c, edge, down ? gfx::EDGE_SUNKEN : gfx::EDGE_RAISED, gfx::BF_RECT);
    rtl::TRect inner = ClientRect();
    rtl::InflateRect(inner, -2, -2);
    PaintGlyphAndCaption(c, inner, Caption().empty());
}

// Glyph (transparent) and caption of the push-button look, moved by (1, 1) while down: the
// glyph after 2 pixels when there is a caption, else centred; the caption centred without a
// glyph, else after it, left aligned and one pixel higher.
void TDropDownEditButton::PaintGlyphAndCaption(gfx::TCanvas& c, const rtl::TRect& inner, bool centredGlyph)
{
    const int shift = FPressed && !FUp ? 1 : 0;
    int glyphWidth = 0;
    if (!FGlyph->Empty()) {
        gfx::TBitmap glyph;
        glyph.Assign(FGlyph.get());
        glyph.SetTransparent(true);
        glyphWidth = glyph.Width();
        const int x = centredGlyph ? inner.Left + (inner.Width() - glyph.Width()) / 2 : inner.Left + 2;
        const int y = inner.Top + (inner.Height() - glyph.Height()) / 2;
        c.Draw(x + shift, y + shift, glyph);
    }
    if (Caption().empty()) return;
    c.Brush().SetStyle(gfx::bsClear);
    if (glyphWidth == 0) {
        rtl::TRect text = ClientRect();
        rtl::InflateRect(text, -3, -1);
        rtl::OffsetRect(text, shift, shift);
        c.DrawText(Caption(), text, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_CENTER);
    } else {
        rtl::TRect text = rtl::Rect(inner.Left + 2 + glyphWidth + 2, inner.Top - 1, inner.Right, inner.Bottom - 1);
        c.DrawText(Caption(), text, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_LEFT);
    }
    c.Brush().SetStyle(gfx::bsSolid);
}

void TDropDownEditButton::PaintColored(gfx::TCanvas& c, bool pressed)
{
    // A state colour of none falls back to the normal one, an arrow colour of none to black.
    auto pick = [](gfx::TColor state, gfx::TColor normal) { return state != gfx::clNone ? state : normal; };
    gfx::TColor face = FButtonColor;
    gfx::TColor arrow = pick(FButtonTextColor, gfx::clBlack);
    if (pressed) {
        face = pick(FButtonColorDown, face);
        arrow = pick(FButtonTextColorDown, arrow);
    } else if (FHot) {
        face = pick(FButtonColorHot, face);
        arrow = pick(FButtonTextColorHot, arrow);
    }
    c.Pen().SetStyle(gfx::psSolid);
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(FDropDown->Color());
    c.FillRect(rtl::Rect(0, 0, 2, Height()));
    c.Brush().SetColor(face);
    c.FillRect(rtl::Rect(2, 0, Width(), Height()));
    if (FDropDown->BorderColor() != gfx::clNone) {
        c.Pen().SetColor(FDropDown->BorderColor());
        c.MoveTo(0, 0);
        c.LineTo(0, Height());
    }
    c.Pen().SetColor(arrow);
    c.Brush().SetColor(arrow);
    const rtl::TPoint triangle[] = {{5, 7}, {11, 7}, {8, 10}};
    c.Polygon(triangle);
}

void TDropDownEditButton::PaintClassic(gfx::TCanvas& c, bool pressed)
{
    const int w = Width();
    const int h = Height();
    c.Brush().SetColor(gfx::clBtnFace);
    c.FillRect(ClientRect());
    // Classic look: a light edge at the top and left (dark when pressed), the arrow below.
    c.Pen().SetColor(pressed ? gfx::clBtnShadow : gfx::clBtnFace);
    c.MoveTo(w - 2, 0);
    c.LineTo(0, 0);
    c.LineTo(0, h - 1);
    c.Pen().SetColor(pressed ? gfx::clBtnShadow : gfx::clWhite);
    c.MoveTo(w - 3, 1);
    c.LineTo(1, 1);
    c.LineTo(1, h - 2);
    c.Pen().SetColor(gfx::clBtnShadow);
    c.MoveTo(w - 1, 0);
    c.LineTo(w - 1, h - 1);
    c.LineTo(-1, h - 1);
    const gfx::TColor arrow = Enabled() ? gfx::clBlack : gfx::clGrayText;
    c.Pen().SetColor(arrow);
    c.Brush().SetColor(arrow);
    const rtl::TPoint triangle[] = {{5, 7}, {11, 7}, {8, 10}};
    c.Polygon(triangle);
}

void TDropDownEditButton::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != ui::mbLeft) return;
    FPressed = true;
    Invalidate();
}

void TDropDownEditButton::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != ui::mbLeft) return;
    FPressed = false;
    Invalidate();
    if (FDropDown->TabStop() && FDropDown->CanFocus() && !FDropDown->Focused()) FDropDown->SetFocus();
    FDropDown->OpenFromButton();
}

}  // namespace grid
