// The look shared by the buttons of a drop-down's header and footer bars.
#include "grid/dropdown/ExtButtonAppearance.h"

#include "grid/dropdown/DropDownRoutines.h"
#include "platform/gfx/GraphicsObjects.h"

namespace grid {

TExtButtonAppearance::TExtButtonAppearance()
    : FColorCheckedTo(ScaleColorChannels(0xF9D2B2, -10, -10, 0)),
      FColorChecked(ScaleColorChannels(0xF5F0E1, -10, -10, 0)),
      FFont(std::make_unique<gfx::TFont>())
{
    FFont->SetName("Tahoma");
}

TExtButtonAppearance::~TExtButtonAppearance() = default;

void TExtButtonAppearance::SetColorField(gfx::TColor& field, gfx::TColor value)
{
    if (field == value) return;
    field = value;
    if (OnChange) OnChange(this);
}

void TExtButtonAppearance::SetGradient(TGradientDirection value)
{
    if (FGradient == value) return;
    FGradient = value;
    if (OnChange) OnChange(this);
}

void TExtButtonAppearance::SetFont(const gfx::TFont* value)
{
    FFont->Assign(value);
}

void TExtButtonAppearance::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TExtButtonAppearance*>(Source);
    if (src == nullptr) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    SetColor(src->Color());
    SetColorTo(src->ColorTo());
    SetColorHot(src->ColorHot());
    SetColorHotTo(src->ColorHotTo());
    SetColorDown(src->ColorDown());
    SetColorDownTo(src->ColorDownTo());
    SetColorChecked(src->ColorChecked());
    SetColorCheckedTo(src->ColorCheckedTo());
    SetColorDisabled(src->ColorDisabled());
    SetColorDisabledTo(src->ColorDisabledTo());
    SetBorderColor(src->BorderColor());
    SetBorderColorHot(src->BorderColorHot());
    SetBorderColorDown(src->BorderColorDown());
    SetBorderColorChecked(src->BorderColorChecked());
    SetBorderColorDisabled(src->BorderColorDisabled());
    SetGradient(src->Gradient());
}

}  // namespace grid
