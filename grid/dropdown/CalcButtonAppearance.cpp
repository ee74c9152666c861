// The calculator keypad's button look: defaults, copying and change notification.
#include "grid/dropdown/CalcButtonAppearance.h"

#include "grid/dropdown/DropDownRoutines.h"
#include "platform/gfx/GraphicsObjects.h"

namespace grid {

TButtonAppearance::TButtonAppearance()
    : FColorChecked(ScaleColorChannels(0xF5F0E1, -10, -10, 0)),
      FColorCheckedTo(ScaleColorChannels(0xF9D2B2, -10, -10, 0)),
      FColorDisabled(ScaleColorChannels(0xFFFFFF, -5, -5, -5)),
      FColorDisabledTo(ScaleColorChannels(0xFFFFFF, -5, -5, -5)),
      FFont(std::make_unique<gfx::TFont>())
{
    FFont->SetSize(10);
    FFont->SetStyle({gfx::fsBold});
    FFont->OnChange = [this](rtl::TObject*) { Changed(); };
}

TButtonAppearance::~TButtonAppearance() = default;

void TButtonAppearance::Changed()
{
    if (OnChange) OnChange(this);
}

void TButtonAppearance::SetField(gfx::TColor& field, gfx::TColor value)
{
    if (field == value) return;
    field = value;
    Changed();
}

void TButtonAppearance::SetFont(const gfx::TFont* value)
{
    FFont->Assign(value);
}

void TButtonAppearance::Assign(const rtl::TPersistent* Source)
{
    const auto* s = dynamic_cast<const TButtonAppearance*>(Source);
    if (s == nullptr) return;
    FBorderColor = s->FBorderColor;
    FBorderColorHot = s->FBorderColorHot;
    FBorderColorDown = s->FBorderColorDown;
    FBorderColorChecked = s->FBorderColorChecked;
    FColor = s->FColor;
    FColorTo = s->FColorTo;
    FColorHot = s->FColorHot;
    FColorHotTo = s->FColorHotTo;
    FColorDown = s->FColorDown;
    FColorDownTo = s->FColorDownTo;
    FColorChecked = s->FColorChecked;
    FColorCheckedTo = s->FColorCheckedTo;
    FColorDisabled = s->FColorDisabled;
    FColorDisabledTo = s->FColorDisabledTo;
    FGlowColorHot = s->FGlowColorHot;
    FGlowColorDown = s->FGlowColorDown;
    FShineColor = s->FShineColor;
    FTextColor = s->FTextColor;
    FSpecialTextColor = s->FSpecialTextColor;
    FFont->Assign(s->FFont.get());
    Changed();
}

}  // namespace grid
