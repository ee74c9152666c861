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

void TDropDownEditButton::Paint()
{
    gfx::TCanvas& c = Canvas();
    const int w = Width();
    const int h = Height();
    const bool pressed = FPressed || FDropDown->DroppedDown();
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
