// The pop-up window of a drop-down edit: background, frame and the deactivation state.
#include "grid/dropdown/DropDownForm.h"

#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ExtDropDownEdit.h"

namespace grid {

TDropDownForm::TDropDownForm(rtl::TComponent* AOwner, TExtCustomDropDown* dropDown)
    : ui::TPopupWindow(AOwner), FDropDown(dropDown)
{
}

void TDropDownForm::PaintWindow()
{
    gfx::TCanvas& c = Canvas();
    const int border = FDropDown->DropDownBorderWidth();
    rtl::TRect client = ClientRect();
    rtl::TRect r = rtl::Rect(client.Left + border, client.Top + border, client.Right - border, client.Bottom - border);
    gfx::TColor from = FDropDown->DropDownColor();
    gfx::TColor to = FDropDown->DropDownColorTo();
    if (from != gfx::clNone && to != gfx::clNone) {
        DrawBandedGradient(c, from, to, FDropDown->DropDownGradient() == gdHorizontal, r, 80);
    } else if (from != gfx::clNone) {
        c.Brush().SetColor(from);
        c.FillRect(r);
    }
    if (border >= 1) {
        c.Pen().SetColor(FDropDown->DropDownBorderColor());
        c.Pen().SetWidth(border);
        c.Brush().SetStyle(gfx::bsClear);
        c.Rectangle(client.Left + border / 2, client.Top + border / 2, client.Right, client.Bottom);
        c.Brush().SetStyle(gfx::bsSolid);
        c.Pen().SetWidth(1);
    }
    ui::TPopupWindow::PaintWindow();
}

}  // namespace grid
