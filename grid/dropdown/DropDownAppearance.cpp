// Header and footer appearances of a drop-down's pop-up: settings, copies and change hooks.
#include "grid/dropdown/DropDownAppearance.h"

#include "platform/gfx/GraphicsObjects.h"

namespace grid {

namespace {

// The look alone: colours, border colour, font and gradient direction.
void CopyLook(TBarAppearance& to, const TBarAppearance& from)
{
    to.SetColorTo(from.ColorTo());
    to.SetColor(from.Color());
    to.SetBorderColor(from.BorderColor());
    to.SetFont(&from.Font());
    to.SetGradientDirection(from.GradientDirection());
}

// The look and the bar's settings, without the buttons. The caption is stored without telling
// the owner; Visible goes through its writer last but one, so the owner hears of a visibility
// change with the rest already copied.
void CopySettings(TBarAppearance& to, const TBarAppearance& from)
{
    CopyLook(to, from);
    to.TBarAppearance::SetCaption(from.Caption());
    to.SetImageIndex(from.ImageIndex());
    to.SetBorderWidth(from.BorderWidth());
    to.SetHeight(from.Height());
    to.SetVisible(from.Visible());
    to.SetButtonAlignment(from.ButtonAlignment());
}

}  // namespace

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
    CopySettings(*this, *src);
    FButtons.Assign(&src->Buttons());
}

void THeaderAppearance::AssignColors(const rtl::TPersistent* Source)
{
    if (const auto* src = dynamic_cast<const THeaderAppearance*>(Source)) CopyLook(*this, *src);
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
    SetSizeGrip(src->SizeGrip());
    CopySettings(*this, *src);
    FButtons.Assign(&src->Buttons());
}

void TFooterAppearance::AssignColors(const rtl::TPersistent* Source)
{
    if (const auto* src = dynamic_cast<const TFooterAppearance*>(Source)) CopyLook(*this, *src);
}

}  // namespace grid
