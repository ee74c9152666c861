// The pop-up window of a drop-down edit: background, frame and the deactivation state.
#include "grid/dropdown/DropDownForm.h"

#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ExtBars.h"
#include "grid/dropdown/ExtDropDownEdit.h"

namespace grid {

TDropDownForm::TDropDownForm(rtl::TComponent* AOwner, TExtCustomDropDown* dropDown)
    : ui::TPopupWindow(AOwner), FDropDown(dropDown)
{
}

void TDropDownForm::InitializeAndUpdate()
{
    auto link = [this](TExtBar*& bar, bool footer, const TBarAppearance& look) {
        if (bar == nullptr && look.Visible()) {
            bar = footer ? static_cast<TExtBar*>(new TExtFooter(this)) : new TExtHeader(this);
            bar->SetParent(this);
            bar->SetBounds(0, 0, ClientWidth(), look.Height());
        }
        if (bar == nullptr) return;
        bar->SetExtDropDown(FDropDown);
        bar->SetVisible(look.Visible());
        bar->SetBounds(bar->Left(), bar->Top(), bar->Width(), look.Height());
        bar->RebuildButtons();
        bar->OnDrawBackGround = footer ? FDropDown->OnDrawFooter : FDropDown->OnDrawHeader;
        bar->OnGetText = footer ? FDropDown->OnGetFooterText : FDropDown->OnGetHeaderText;
    };
    TExtBar* header = FHeader;
    TExtBar* footer = FFooter;
    link(header, false, FDropDown->DropDownHeader());
    link(footer, true, FDropDown->DropDownFooter());
    FHeader = static_cast<TExtHeader*>(header);
    FFooter = static_cast<TExtFooter*>(footer);
}

rtl::TRect TDropDownForm::LayoutBars()
{
    const int b = FDropDown->DropDownBorderWidth();
    rtl::TRect area = rtl::Rect(b, b, ClientWidth() - b, ClientHeight() - b);
    if (FHeader != nullptr && FHeader->Visible()) {
        FHeader->SetBounds(area.Left, area.Top, area.Width(), FHeader->Height());
        area.Top += FHeader->Height();
    }
    if (FFooter != nullptr && FFooter->Visible()) {
        FFooter->SetBounds(area.Left, area.Bottom - FFooter->Height(), area.Width(), FFooter->Height());
        area.Bottom -= FFooter->Height();
    }
    return area;
}

void TDropDownForm::Resize()
{
    ui::TPopupWindow::Resize();
    FDropDown->RelayoutDropDown();
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
