// The look of the calculator keypad's buttons: colours by state, font and caption colours.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/gfx/Color.h"
#include "platform/rtl/Object.h"

namespace gfx {
class TFont;
}

namespace grid {

// The keypad paints with the font, TextColor and SpecialTextColor; the state colours are
// kept, copied and follow the component style. Every setter that changes a value fires
// OnChange.
class TButtonAppearance : public rtl::TPersistent {
public:
    TButtonAppearance();
    ~TButtonAppearance() override;
    TButtonAppearance(const TButtonAppearance&) = delete;
    TButtonAppearance& operator=(const TButtonAppearance&) = delete;
    std::string ClassName() const override { return "TButtonAppearance"; }
    // Copies every colour, the font, TextColor and SpecialTextColor.
    void Assign(const rtl::TPersistent* Source) override;

#define CALC_BUTTON_COLOR(Name)                               \
    gfx::TColor Name() const { return F##Name; }              \
    void Set##Name(gfx::TColor value) { SetField(F##Name, value); }
    CALC_BUTTON_COLOR(BorderColor)
    CALC_BUTTON_COLOR(BorderColorHot)
    CALC_BUTTON_COLOR(BorderColorDown)
    CALC_BUTTON_COLOR(BorderColorChecked)
    CALC_BUTTON_COLOR(Color)
    CALC_BUTTON_COLOR(ColorTo)
    CALC_BUTTON_COLOR(ColorHot)
    CALC_BUTTON_COLOR(ColorHotTo)
    CALC_BUTTON_COLOR(ColorDown)
    CALC_BUTTON_COLOR(ColorDownTo)
    CALC_BUTTON_COLOR(ColorChecked)
    CALC_BUTTON_COLOR(ColorCheckedTo)
    CALC_BUTTON_COLOR(ColorDisabled)
    CALC_BUTTON_COLOR(ColorDisabledTo)
    CALC_BUTTON_COLOR(GlowColorHot)
    CALC_BUTTON_COLOR(GlowColorDown)
    CALC_BUTTON_COLOR(ShineColor)
    CALC_BUTTON_COLOR(TextColor)
    CALC_BUTTON_COLOR(SpecialTextColor)
#undef CALC_BUTTON_COLOR

    gfx::TFont& Font() const { return *FFont; }
    void SetFont(const gfx::TFont* value);

    std::function<void(rtl::TObject* Sender)> OnChange;

private:
    void SetField(gfx::TColor& field, gfx::TColor value);
    void Changed();

    gfx::TColor FBorderColor = 0;
    gfx::TColor FBorderColorHot = 0;
    gfx::TColor FBorderColorDown = 0;
    gfx::TColor FBorderColorChecked = 0xFF0000;
    gfx::TColor FColor = 0x9A915F;
    gfx::TColor FColorTo = 0xB0A170;
    gfx::TColor FColorHot = 0x9F6F1C;
    gfx::TColor FColorHotTo = 0xD5C244;
    gfx::TColor FColorDown = 0x4B2F08;
    gfx::TColor FColorDownTo = 0xADB514;
    gfx::TColor FColorChecked;
    gfx::TColor FColorCheckedTo;
    gfx::TColor FColorDisabled;
    gfx::TColor FColorDisabledTo;
    gfx::TColor FGlowColorHot = 0xD5C244;
    gfx::TColor FGlowColorDown = 0xD5C244;
    gfx::TColor FShineColor = 0xFFFFFF;
    gfx::TColor FTextColor = 0;
    gfx::TColor FSpecialTextColor = 128;
    std::unique_ptr<gfx::TFont> FFont;
};

}  // namespace grid
