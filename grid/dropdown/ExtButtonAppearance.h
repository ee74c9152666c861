// The look shared by the buttons of a drop-down's header and footer bars: face and outline
// colours per state, gradient direction and caption font.
#pragma once

#include <functional>
#include <memory>

#include "grid/dropdown/DropDownAppearance.h"

namespace grid {

class TExtButtonAppearance : public rtl::TPersistent {
public:
    TExtButtonAppearance();
    ~TExtButtonAppearance() override;
    TExtButtonAppearance(const TExtButtonAppearance&) = delete;
    TExtButtonAppearance& operator=(const TExtButtonAppearance&) = delete;
    std::string ClassName() const override { return "TExtButtonAppearance"; }
    // Copies the colours and the gradient through the writers; the font is not copied.
    void Assign(const rtl::TPersistent* Source) override;

#define EXT_BUTTON_COLOR(Name)                                  \
    gfx::TColor Name() const { return F##Name; }                \
    void Set##Name(gfx::TColor value) { SetColorField(F##Name, value); }
    EXT_BUTTON_COLOR(Color)
    EXT_BUTTON_COLOR(ColorTo)
    EXT_BUTTON_COLOR(ColorHot)
    EXT_BUTTON_COLOR(ColorHotTo)
    EXT_BUTTON_COLOR(ColorDown)
    EXT_BUTTON_COLOR(ColorDownTo)
    EXT_BUTTON_COLOR(ColorChecked)
    EXT_BUTTON_COLOR(ColorCheckedTo)
    EXT_BUTTON_COLOR(ColorDisabled)
    EXT_BUTTON_COLOR(ColorDisabledTo)
    EXT_BUTTON_COLOR(BorderColor)
    EXT_BUTTON_COLOR(BorderColorHot)
    EXT_BUTTON_COLOR(BorderColorDown)
    EXT_BUTTON_COLOR(BorderColorChecked)
    EXT_BUTTON_COLOR(BorderColorDisabled)
#undef EXT_BUTTON_COLOR
    TGradientDirection Gradient() const { return FGradient; }
    void SetGradient(TGradientDirection value);
    gfx::TFont& Font() const { return *FFont; }
    void SetFont(const gfx::TFont* value);

    std::function<void(rtl::TObject* Sender)> OnChange;

private:
    void SetColorField(gfx::TColor& field, gfx::TColor value);
    gfx::TColor FBorderColor = gfx::clNone;
    gfx::TColor FBorderColorHot = 0x808080;
    gfx::TColor FBorderColorDown = 0x800000;
    gfx::TColor FBorderColorDisabled = 0x808080;
    gfx::TColor FBorderColorChecked = 0xFF0000;
    gfx::TColor FColor = gfx::clNone;
    gfx::TColor FColorTo = gfx::clNone;
    gfx::TColor FColorDown = 0xF5D8CA;
    gfx::TColor FColorDownTo = 0xF9BDA0;
    gfx::TColor FColorHot = 0xF5F0E1;
    gfx::TColor FColorHotTo = 0xF9D2B2;
    gfx::TColor FColorCheckedTo;
    gfx::TColor FColorDisabled = 0xF2F2F2;
    gfx::TColor FColorDisabledTo = gfx::clNone;
    gfx::TColor FColorChecked;
    TGradientDirection FGradient = gdVertical;
    std::unique_ptr<gfx::TFont> FFont;
};

}  // namespace grid
