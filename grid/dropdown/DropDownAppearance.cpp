// Header and footer appearances of a drop-down's pop-up: settings, copies and change hooks.
#include "grid/dropdown/DropDownAppearance.h"

#include "platform/gfx/GraphicsObjects.h"

namespace grid {

// --- buttons ---

void THeaderButton::Changed() const
{
    if (FChanged) FChanged();
}

void THeaderButton::SetCaption(const std::string& value)
{
    if (FCaption == value) return;
    FCaption = value;
    Changed();
}

void THeaderButton::SetEnabled(bool value)
{
    if (FEnabled == value) return;
    FEnabled = value;
    Changed();
}

void THeaderButton::SetWidth(int value)
{
    if (FWidth == value) return;
    FWidth = value;
    Changed();
}

void THeaderButton::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const THeaderButton*>(Source);
    if (src == nullptr || src->ClassName() != ClassName()) {
        rtl::TPersistent::Assign(Source);
        return;
    }
    SetCaption(src->Caption());
    SetImageIndex(src->ImageIndex());
    SetEnabled(src->Enabled());
    SetWidth(src->Width());
    SetHeight(src->Height());
}

void TFooterButton::Assign(const rtl::TPersistent* Source)
{
    THeaderButton::Assign(Source);
    if (const auto* src = dynamic_cast<const TFooterButton*>(Source)) SetModalResult(src->ModalResult());
}

// --- shared part ---

TBarAppearance::TBarAppearance(rtl::TPersistent* AOwner) : FOwner(AOwner), FFont(std::make_unique<gfx::TFont>()) {}

TBarAppearance::~TBarAppearance() = default;

void TBarAppearance::SetFont(const gfx::TFont* value)
{
    FFont->Assign(value);
}

void TBarAppearance::SetVisible(bool value)
{
    if (FVisible == value) return;
    FVisible = value;
    Changed();
}

void TBarAppearance::Changed()
{
    if (FOnChange) FOnChange(this);
}

void TBarAppearance::ButtonsChanged()
{
    if (FOnButtonsChanged) FOnButtonsChanged(this);
}

// --- header ---

THeaderAppearance::THeaderAppearance(rtl::TPersistent* AOwner) : TBarAppearance(AOwner), FButtons(AOwner)
{
    FFont->SetName("Tahoma");
    FButtons.OnChange = [this](rtl::TObject*) { ButtonsChanged(); };
}

void THeaderAppearance::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const THeaderAppearance*>(Source);
    if (src == nullptr) return;
    SetColorTo(src->ColorTo());
    SetColor(src->Color());
    SetBorderColor(src->BorderColor());
    FCaption = src->Caption();
    SetFont(&src->Font());
    SetImageIndex(src->ImageIndex());
    SetBorderWidth(src->BorderWidth());
    SetGradientDirection(src->GradientDirection());
    SetHeight(src->Height());
    SetVisible(src->Visible());
    SetButtonAlignment(src->ButtonAlignment());
    FButtons.Assign(&src->Buttons());
}

void THeaderAppearance::AssignColors(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const THeaderAppearance*>(Source);
    if (src == nullptr) return;
    SetColorTo(src->ColorTo());
    SetColor(src->Color());
    SetBorderColor(src->BorderColor());
    SetFont(&src->Font());
    SetGradientDirection(src->GradientDirection());
}

// --- footer ---

TFooterAppearance::TFooterAppearance(rtl::TPersistent* AOwner) : TBarAppearance(AOwner), FButtons(AOwner)
{
    FButtons.OnChange = [this](rtl::TObject*) { ButtonsChanged(); };
}

void TFooterAppearance::SetCaption(const std::string& value)
{
    FCaption = value;
    Changed();
}

void TFooterAppearance::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TFooterAppearance*>(Source);
    if (src == nullptr) return;
    SetBorderColor(src->BorderColor());
    SetColor(src->Color());
    SetColorTo(src->ColorTo());
    SetGradientDirection(src->GradientDirection());
    SetFont(&src->Font());
    FCaption = src->Caption();  // stored without telling the owner
    SetSizeGrip(src->SizeGrip());
    SetBorderWidth(src->BorderWidth());
    SetHeight(src->Height());
    SetImageIndex(src->ImageIndex());
    SetVisible(src->Visible());
    SetButtonAlignment(src->ButtonAlignment());
    FButtons.Assign(&src->Buttons());
}

void TFooterAppearance::AssignColors(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TFooterAppearance*>(Source);
    if (src == nullptr) return;
    SetBorderColor(src->BorderColor());
    SetColor(src->Color());
    SetColorTo(src->ColorTo());
    SetGradientDirection(src->GradientDirection());
    SetFont(&src->Font());
}

}  // namespace grid
