// The drop-down edit's caption label: made on first use, placed beside the edit, following it.
#include "grid/dropdown/ExtDropDownEdit.h"

#include <cmath>

#include "grid/dropdown/DropDownRoutines.h"

#include "platform/gfx/GraphicsObjects.h"
#include "platform/ui/Messages.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace grid {

namespace {

using namespace dropdown;

struct TLabelPlace {
    int Top;
    int Left;
};

// The label's top-left corner for a position: T, L, H and Wd are the edit's top, left,
// height and width, h and w the label's, W the caption's measured width, M the margin.
// Halves truncate toward zero.
TLabelPlace PlaceLabel(TLabelPosition position, int T, int L, int H, int Wd, int h, int w, int W, int M)
{
    switch (position) {
    case lpLeftTop: return {T, L - W - M};
    case lpLeftCenter: return {T + (H - h) / 2, L - W - M};
    case lpLeftBottom: return {T + H - h, L - W - M};
    case lpTopLeft: return {T - h - M, L};
    case lpBottomLeft: return {T + H + M, L};
    case lpLeftTopLeft: return {T, L - M};
    case lpLeftCenterLeft: return {T + (H - h) / 2, L - M};
    case lpLeftBottomLeft: return {T + H - h, L - M};
    case lpTopCenter: return {T - h - M, L + (Wd - w) / 2};
    case lpBottomCenter: return {T + H + M, L + (Wd - w) / 2};
    case lpRightTop: return {T, L + Wd + M};
    case lpRightCenter: return {T + (H - h) / 2, L + Wd + M};
    case lpRighBottom: return {T + H - h, L + Wd + M};
    case lpTopRight: return {T - h - M, L + Wd - w};
    case lpBottomRight: return {T + H + M, L + Wd - w};
    }
    return {T, L};
}

}  // namespace

std::string TExtCustomDropDown::LabelCaption() const
{
    return FLabel != nullptr ? FLabel->Text() : std::string();
}

void TExtCustomDropDown::SetLabelCaption(const std::string& value)
{
    if (FLabel == nullptr) {
        FLabel = new ui::TLabel(this);
        FLabel->SetParent(Parent());
        FLabel->OnClick = [this](rtl::TObject*) { LabelClick(this); };
        FLabel->OnDblClick = [this](rtl::TObject*) { LabelDblClick(this); };
        FLabel->SetVisible(Visible());
        FLabel->SetEnabled(Enabled() || FLabelAlwaysEnabled);
    }
    FLabel->SetText(value);
    UpdateLabel();
}

void TExtCustomDropDown::SetLabelPosition(dropdown::TLabelPosition value)
{
    FLabelPosition = value;
    UpdateLabel();
}

void TExtCustomDropDown::SetLabelMargin(int value)
{
    FLabelMargin = value;
    UpdateLabel();
}

void TExtCustomDropDown::SetLabelTransparent(bool value)
{
    FLabelTransparent = value;
    UpdateLabel();
}

void TExtCustomDropDown::SetLabelAlwaysEnabled(bool value)
{
    FLabelAlwaysEnabled = value;
    if (FLabel != nullptr) FLabel->SetEnabled(Enabled() || value);
}

void TExtCustomDropDown::SetLabelFont(const gfx::TFont* value)
{
    FLabelFont->Assign(value);  // the font's change hook places the label again
    FLblFntHeight = FLabelFont->Height();
}

void TExtCustomDropDown::CreateWnd()
{
    ui::TMaskEdit::CreateWnd();
    RescaleLabelFont();
    UpdateLabel();
}

// At run time, with its own font and a caption, the label's font height is the height at
// 96 pixels per inch scaled to the screen, so a window created again never scales it twice.
void TExtCustomDropDown::RescaleLabelFont()
{
    if (HasState(rtl::csDesigning) || ParentFont() || FLabel == nullptr || LabelCaption().empty() || FLblUpdate)
        return;
    FLblUpdate = true;
    FLabelFont->SetHeight(static_cast<int>(std::lround(FLblFntHeight * GetDpiScale())));
    FLblUpdate = false;
}

void TExtCustomDropDown::LabelClick(rtl::TObject*)
{
    if (OnLabelClick) OnLabelClick(this);
}

void TExtCustomDropDown::LabelDblClick(rtl::TObject*)
{
    if (OnLabelDblClick) OnLabelDblClick(this);
}

void TExtCustomDropDown::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    ui::TMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    UpdateLabel();
}

void TExtCustomDropDown::SetParent(ui::TWinControl* AParent)
{
    ui::TMaskEdit::SetParent(AParent);
    if (FLabel != nullptr) FLabel->SetParent(AParent);
    UpdateLabel();
}

void TExtCustomDropDown::Loaded()
{
    ui::TMaskEdit::Loaded();
    FParentFnt = ParentFont();
    FLblFntHeight = FLabelFont->Height();
    if (FLabel != nullptr && !FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
    UpdateLabel();
}

// Transparency and font, then the place: the caption is measured on one line while the
// parent has a window, else counted as 0 wide.
void TExtCustomDropDown::UpdateLabel()
{
    if (FLabel == nullptr) return;
    FLabel->SetTransparent(FLabelTransparent);
    FLabel->Font().Assign(FParentFnt ? &Font() : FLabelFont.get());
    FLabel->AdjustBounds();
    // The label sizes itself to its caption on one line.
    const int measured = Parent() != nullptr && Parent()->HandleAllocated() ? FLabel->Width() : 0;
    const TLabelPlace place = PlaceLabel(FLabelPosition, Top(), Left(), Height(), Width(), FLabel->Height(),
                                         FLabel->Width(), measured, FLabelMargin);
    FLabel->SetBounds(place.Left, place.Top, FLabel->Width(), FLabel->Height());
}

}  // namespace grid
