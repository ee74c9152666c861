// The string grid's windows around its cells: creation, thin scroll controls, scroll type, flat scroll bars and the button form.
#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridChrome.h"
#include "platform/ui/Controls.h"

namespace grid {

namespace {

constexpr int AuxScrollBarWidth = 17;
constexpr int MetroThickness = 6;
constexpr int ButtonFormWidth = 200;
constexpr int ButtonFormHeight = 22;

std::unique_ptr<TScrollControl> NewScrollControl(TExtStringGrid* grid, TScrollDirection direction)
{
    auto c = std::make_unique<TScrollControl>(grid);
    c->SetDirection(direction);
    c->SetParent(grid);
    if (direction == sdVertical) {
        c->SetWidth(MetroThickness);
        c->SetAlign(ui::alRight);
    } else {
        c->SetHeight(MetroThickness);
        c->SetAlign(ui::alBottom);
    }
    c->SetVisible(true);
    return c;
}

}  // namespace

// The thin scroll controls start as nil; the run-time windows exist only outside design.
void TExtStringGrid::CreateChromeObjects()
{
    FChrome = std::make_unique<TExtGridChromeObjects>();
    if (HasState(rtl::csDesigning)) return;
    TExtGridChromeObjects& c = *FChrome;
    c.MoveButton = std::make_unique<THeaderDragButton>(this);
    c.MoveButton->SetGrid(this);
    c.MoveButton->SetParent(this);
    c.MoveButton->SetEnabled(false);
    c.MoveButton->SetVisible(false);
    c.ScrollBar = std::make_unique<ui::TScrollBar>(this);
    c.ScrollBar->OnMouseLeave = [this](rtl::TObject*) {
        if (FChrome->ScrollBar != nullptr) FChrome->ScrollBar->SetVisible(false);
    };
    c.PaintScrollBar = std::make_unique<ui::TScrollBar>(this);
    c.ButtonForm = std::make_unique<TNoActiveForm>(this);
    c.ButtonForm->SetEnabled(true);
    c.ButtonForm->SetBounds(c.ButtonForm->Left(), c.ButtonForm->Top(), ButtonFormWidth, ButtonFormHeight);
    c.ButtonForm->OnMouseLeave = [this](rtl::TObject*) { HideButtonForm(); };
}

// Window creation: thin scroll controls for ssMetro, the auxiliary scroll bars as hidden
// vertical children of the grid, and the flat scroll bars for the other looks.
void TExtStringGrid::CreateChromeWindowParts()
{
    if (HasState(rtl::csDesigning)) return;
    if (FScrollType == ssMetro) CreateMetroScrollControls();
    for (ui::TScrollBar* bar : {FChrome->ScrollBar.get(), FChrome->PaintScrollBar.get()}) {
        if (bar == nullptr) continue;
        bar->SetVisible(false);
        bar->SetParent(this);
        bar->SetTabStop(false);
        bar->SetKind(ui::sbVertical);
        bar->SetWidth(AuxScrollBarWidth);
    }
    if (FScrollType != ssNormal && !HasState(rtl::csLoading)) InitFlatScrollBars();
}

void TExtStringGrid::CreateMetroScrollControls()
{
    if (FChrome->vscrlctrl == nullptr) FChrome->vscrlctrl = NewScrollControl(this, sdVertical);
    if (FChrome->hscrlctrl == nullptr) FChrome->hscrlctrl = NewScrollControl(this, sdHorizontal);
}

void TExtStringGrid::FreeMetroScrollControls()
{
    FChrome->vscrlctrl.reset();
    FChrome->hscrlctrl.reset();
}

TScrollControl* TExtStringGrid::vscrlctrl() const { return FChrome->vscrlctrl.get(); }
TScrollControl* TExtStringGrid::hscrlctrl() const { return FChrome->hscrlctrl.get(); }
ui::TScrollBar* TExtStringGrid::CellScrollBar() const { return FChrome->ScrollBar.get(); }
ui::TScrollBar* TExtStringGrid::PaintScrollBar() const { return FChrome->PaintScrollBar.get(); }
THeaderDragButton* TExtStringGrid::MoveButton() const { return FChrome->MoveButton.get(); }
TNoActiveForm* TExtStringGrid::ButtonForm() const { return FChrome->ButtonForm.get(); }

// The flat looks (ssFlat, ssEncarta) need the flat scroll bar functions of the platform's
// common controls, looked up at run time; this platform has none, so the flat flag stays
// off and the platform scroll bars keep their own look.
void TExtStringGrid::SetScrollType(TScrollType v)
{
    if (v == FScrollType) return;
    FScrollType = v;
    if (v == ssFlat || v == ssEncarta) InitFlatScrollBars();
    else DoneFlatScrollBars();
    if (!HandleAllocated()) return;
    if (v == ssMetro) {
        CreateMetroScrollControls();
        SetScrollBars(ui::ssNone);
    } else if (FChrome->vscrlctrl != nullptr || FChrome->hscrlctrl != nullptr) {
        FreeMetroScrollControls();
        SetScrollBars(ui::ssBoth);
    }
}

void TExtStringGrid::InitFlatScrollBars() { FFlatScrollBars = false; }
void TExtStringGrid::DoneFlatScrollBars() { FFlatScrollBars = false; }

void TExtStringGrid::HideButtonForm()
{
    TNoActiveForm* form = ButtonForm();
    if (form != nullptr) ui::ShowWindow(form->Handle(), ui::SW_HIDE);
}

}  // namespace grid
