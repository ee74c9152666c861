// Registration of the calculator drop-down and its keypad with their published properties.
#include "grid/dropdown/CalculatorRegistration.h"

#include "grid/dropdown/ButtonPanel.h"
#include "grid/dropdown/ExtCalculatorDropdown.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/ui/ClassRegistry.h"

namespace grid {

namespace {

using T = TExtCalculatorDropdown;
using ui::TPropValue;
using ui::TReadContext;

gfx::TColor ReadColor(const TPropValue& v, TReadContext& ctx)
{
    gfx::TColor color = 0;
    if (v.Kind == ui::TValueKind::Integer) return static_cast<gfx::TColor>(v.Int);
    if (v.Kind != ui::TValueKind::Ident || !gfx::IdentToColor(v.Str, color))
        ctx.Fail("Invalid property value " + v.ToText() + ": a colour expected");
    return color;
}

using TAppearanceColor = void (TButtonAppearance::*)(gfx::TColor);

struct TAppearanceProperty {
    const char* Name;
    TAppearanceColor Set;
};

// The published colours of the keypad's look.
const TAppearanceProperty AppearanceColors[] = {
    {"BorderColor", &TButtonAppearance::SetBorderColor},
    {"BorderColorHot", &TButtonAppearance::SetBorderColorHot},
    {"BorderColorDown", &TButtonAppearance::SetBorderColorDown},
    {"Color", &TButtonAppearance::SetColor},
    {"ColorTo", &TButtonAppearance::SetColorTo},
    {"ColorHot", &TButtonAppearance::SetColorHot},
    {"ColorHotTo", &TButtonAppearance::SetColorHotTo},
    {"ColorDown", &TButtonAppearance::SetColorDown},
    {"ColorDownTo", &TButtonAppearance::SetColorDownTo},
    {"GlowColorHot", &TButtonAppearance::SetGlowColorHot},
    {"GlowColorDown", &TButtonAppearance::SetGlowColorDown},
    {"ShineColor", &TButtonAppearance::SetShineColor},
    {"TextColor", &TButtonAppearance::SetTextColor},
    {"SpecialTextColor", &TButtonAppearance::SetSpecialTextColor},
};

template <typename C>
void AppearanceProperties(ui::TClassInfo& c, const std::string& prefix, TButtonAppearance& (C::*appearance)() const)
{
    for (const TAppearanceProperty& p : AppearanceColors) {
        const TAppearanceColor set = p.Set;
        c.Property(prefix + "." + p.Name, ui::ValueProperty<C>([appearance, set](C* x, const TPropValue& v, TReadContext& ctx) {
                       ((x->*appearance)().*set)(ReadColor(v, ctx));
                   }));
    }
}

}  // namespace

void RegisterCalculatorClasses(ui::TClassRegistry& registry)
{
    ui::TClassInfo& c = registry.Register<T>("TExtCalculatorDropdown", "TExtCustomDropDown");
    c.Property("Precision", ui::IntProperty<T>([](T* x) { return static_cast<long long>(x->Precision()); },
                                               [](T* x, long long v) { x->SetPrecision(static_cast<int>(v)); }));
    c.Property("ShowThousandSeparator", ui::BoolProperty<T>([](T* x) { return x->ShowThousandSeparator(); },
                                                            [](T* x, bool v) { x->SetShowThousandSeparator(v); }));
    AppearanceProperties<T>(c, "CalcButtonAppearance", &T::CalcButtonAppearance);

    using P = TCustomButtonPanel;
    ui::TClassInfo& panel = registry.Register<P>("TCustomButtonPanel", "TCustomControl");
    panel.Property("ButtonLayout", ui::EnumProperty<P, TItemLayout>({{"ilCaptionLeft", ilCaptionLeft},
                                                                    {"ilCaptionRight", ilCaptionRight},
                                                                    {"ilCaptionTop", ilCaptionTop},
                                                                    {"ilCaptionBottom", ilCaptionBottom}},
                                                                   [](P* x) { return x->ButtonLayout(); },
                                                                   [](P* x, TItemLayout v) { x->SetButtonLayout(v); }));
    panel.Property("ButtonPanelType", ui::EnumProperty<P, TButtonPanelType>(
                                          {{"plCalculator", plCalculator}, {"plCustom", plCustom}},
                                          [](P* x) { return x->ButtonPanelType(); },
                                          [](P* x, TButtonPanelType v) { x->SetButtonPanelType(v); }));
    AppearanceProperties<P>(panel, "ButtonAppearance", &P::ButtonAppearance);
}

}  // namespace grid
