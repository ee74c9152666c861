// The caption label of the date-and-time picker: created on first caption, placed by its position beside the picker.
#include "grid/dropdown/ExtDateTimePicker.h"

#include "platform/ui/StdCtrlsButtons.h"

namespace grid {

void TExtDateTimePicker::SetLabelCaption(const std::string& Value)
{
    FLabelCaption = Value;
    if (FLabel == nullptr) {
        FLabel = new ui::TLabel(this);
        FLabel->OnClick = [this](rtl::TObject*) {
            if (OnLabelClick) OnLabelClick(this);
        };
        FLabel->OnDblClick = [this](rtl::TObject*) {
            if (OnLabelDblClick) OnLabelDblClick(this);
        };
    }
    FLabel->SetText(Value);
    UpdateLabel();
}

void TExtDateTimePicker::Loaded()
{
    TCustomDateTimePicker::Loaded();
    if (FLabel != nullptr && !FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
    FParentFnt = ParentFont();
    UpdateLabel();
}

void TExtDateTimePicker::SetLabelPosition(dropdown::TLabelPosition Value)
{
    FLabelPosition = Value;
    UpdateLabel();
}

void TExtDateTimePicker::SetLabelMargin(int Value)
{
    FLabelMargin = Value;
    UpdateLabel();
}

void TExtDateTimePicker::SetLabelTransparent(bool Value)
{
    FLabelTransparent = Value;
    UpdateLabel();
}

void TExtDateTimePicker::SetLabelAlwaysEnabled(bool Value)
{
    FLabelAlwaysEnabled = Value;
    if (FLabel != nullptr) FLabel->SetEnabled(Value || Enabled());
}

void TExtDateTimePicker::SetParent(ui::TWinControl* AParent)
{
    TCustomDateTimePicker::SetParent(AParent);
    if (FLabel != nullptr) FLabel->SetParent(AParent);
    UpdateLabel();
}

void TExtDateTimePicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomDateTimePicker::SetBounds(ALeft, ATop, AWidth, AHeight);
    UpdateLabel();
}

// The label's top-left by position (tw the caption's width, a 2 for a single border).
void TExtDateTimePicker::UpdateLabel()
{
    if (FLabel == nullptr) return;
    if (FLabel->Parent() != Parent()) FLabel->SetParent(Parent());
    FLabel->SetTransparent(FLabelTransparent);
    FLabel->Font().Assign(FParentFnt ? &Font() : FLabelFont.get());
    // With FocusLabel the caption is bold while the picker has the focus.
    if (FFocusLabel && Focused()) {
        gfx::TFontStyles style = FLabel->Font().Style();
        style.Include(gfx::fsBold);
        FLabel->Font().SetStyle(style);
    }
    gfx::TCanvas measure;
    measure.Font().Assign(&FLabel->Font());
    int tw = measure.TextWidth(FLabelCaption);
    int a = BorderStyle() == ui::bsSingle ? 2 : 0;
    int L = Left(), T = Top(), W = Width(), H = Height();
    int lw = FLabel->Width(), lh = FLabel->Height(), m = FLabelMargin;
    int x = L, y = T;
    using namespace dropdown;
    switch (FLabelPosition) {
    case lpLeftTop: x = L - tw - m; y = T; break;
    case lpLeftCenter: x = L - tw - m; y = T + (H - a - lh) / 2; break;
    case lpLeftBottom: x = L - tw - m; y = T + H - lh; break;
    case lpTopLeft: x = L; y = T - lh - m; break;
    case lpBottomLeft: x = L; y = T + H + m; break;
    case lpLeftTopLeft: x = L - m; y = T; break;
    case lpLeftCenterLeft: x = L - m; y = T + (H - a - lh) / 2; break;
    case lpLeftBottomLeft: x = L - m; y = T + H - lh; break;
    case lpTopCenter: x = L + (W - lw) / 2; y = T - lh - m; break;
    case lpBottomCenter: x = L + (W - lw) / 2; y = T + H + m; break;
    case lpRightTop: x = L + W + m; y = T; break;
    case lpRightCenter: x = L + W + m; y = T + (H - a - lh) / 2; break;
    case lpRighBottom: x = L + W + m; y = T + H - lh; break;
    case lpTopRight: x = L + W - lw; y = T - lh - m; break;
    case lpBottomRight: x = L + W - lw; y = T + H + m; break;
    }
    FLabel->SetBounds(x, y, lw, lh);
    FLabel->SetVisible(Visible());
}

}  // namespace grid
