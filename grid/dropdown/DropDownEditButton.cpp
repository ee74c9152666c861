// The drop-down button inside the right edge of a drop-down edit.
#include "grid/dropdown/DropDownEditButton.h"

#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/gfx/Canvas.h"

namespace grid {

TDropDownEditButton::TDropDownEditButton(rtl::TComponent* AOwner, TExtCustomDropDown* dropDown)
    : ui::TCustomControl(AOwner), FDropDown(dropDown)
{
    FControlStyle = ui::csCaptureMouse | ui::csOpaque;
    SetBounds(0, 0, 16, 25);
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

void TDropDownEditButton::Paint()
{
    gfx::TCanvas& c = Canvas();
    const bool pressed = FPressed || FDropDown->DroppedDown();
    if (FButtonColor != gfx::clNone) PaintColored(c, pressed);
    else PaintClassic(c, pressed);
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
