// Registration of the colour picker with its published properties for form descriptions.
#include "grid/dropdown/ColorPickerRegistration.h"

#include "grid/dropdown/ExtColorPicker.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/ui/ClassRegistry.h"

namespace grid {

namespace {

using T = TExtColorPickerDropDown;
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

ui::TPropertyInfo Int(int (T::*get)() const, void (T::*set)(int))
{
    return ui::IntProperty<T>([get](T* x) { return static_cast<long long>((x->*get)()); },
                              [set](T* x, long long v) { (x->*set)(static_cast<int>(v)); });
}

ui::TPropertyInfo Color(void (T::*set)(gfx::TColor))
{
    return ui::ValueProperty<T>([set](T* x, const TPropValue& v, TReadContext& ctx) { (x->*set)(ReadColor(v, ctx)); });
}

// The named colours, written as a collection of items with Caption, Color and Hint.
void ReadColors(TColorItems& colors, const TPropValue& v, TReadContext& ctx)
{
    if (v.Kind != ui::TValueKind::Collection) ctx.Fail("Invalid property value: a collection < … > expected");
    colors.Clear();
    for (const ui::TCollectionItem& item : v.Items) {
        TColorItem* color = colors.Add();
        for (const ui::TPropItem& p : item.Props) {
            ctx.Line = p.Line;
            if (p.Name == "Caption") color->SetCaption(ui::ValueToString(p.Value, ctx));
            else if (p.Name == "Color") color->SetColor(ReadColor(p.Value, ctx));
            else if (p.Name == "Hint") color->SetHint(ui::ValueToString(p.Value, ctx));
            else ctx.Fail("Property " + p.Name + " does not exist");
        }
    }
}

}  // namespace

void RegisterColorPickerClasses(ui::TClassRegistry& registry)
{
    ui::TClassInfo& c = registry.Register<T>("TExtColorPickerDropDown", "TExtCustomDropDown");
    c.Property("ColorSelectionStyle",
               ui::EnumProperty<T, TColorSelectionStyle>(
                   {{"csList", csList}, {"csDiscrete", csDiscrete}, {"csColorCube", csColorCube}, {"csSpectrum", csSpectrum}},
                   [](T* x) { return x->ColorSelectionStyle(); },
                   [](T* x, TColorSelectionStyle v) { x->SetColorSelectionStyle(v); }));
    c.Property("ColorValueText",
               ui::EnumProperty<T, TColorValueText>(
                   {{"cvtNone", cvtNone}, {"cvtHex", cvtHex}, {"cvtWebName", cvtWebName}, {"cvtRGB", cvtRGB},
                    {"cvtHTML", cvtHTML}},
                   [](T* x) { return x->ColorValueText(); }, [](T* x, TColorValueText v) { x->SetColorValueText(v); }));
    c.Property("Layout", ui::EnumProperty<T, TItemLayout>({{"ilCaptionLeft", ilCaptionLeft},
                                                           {"ilCaptionRight", ilCaptionRight},
                                                           {"ilCaptionTop", ilCaptionTop},
                                                           {"ilCaptionBottom", ilCaptionBottom}},
                                                          [](T* x) { return x->Layout(); },
                                                          [](T* x, TItemLayout v) { x->SetLayout(v); }));
    c.Property("Colors", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   ReadColors(x->Colors(), v, ctx);
               }));
    c.Property("ItemIndex", Int(&T::ItemIndex, &T::SetItemIndex));
    c.Property("Columns", Int(&T::Columns, &T::SetColumns));
    c.Property("ColorBoxWidth", Int(&T::ColorBoxWidth, &T::SetColorBoxWidth));
    c.Property("ColorBoxHeight", Int(&T::ColorBoxHeight, &T::SetColorBoxHeight));
    c.Property("ColorBoxBorderColor", Color(&T::SetColorBoxBorderColor));
    c.Property("ShowText", ui::BoolProperty<T>([](T* x) { return x->ShowText(); },
                                               [](T* x, bool v) { x->SetShowText(v); }));
    c.Property("OnSelect", ui::EventProperty(&T::OnSelect));
    c.Property("OnDrawSelectedColor", ui::EventProperty(&T::OnDrawSelectedColor));
    c.Property("OnDrawColor", ui::EventProperty(&T::OnDrawColor));
}

}  // namespace grid
