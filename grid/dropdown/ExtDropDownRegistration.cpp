// Registration of the drop-down edits with their published properties for form descriptions.
#include "grid/dropdown/ExtDropDownRegistration.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <type_traits>

#include "grid/dropdown/CalculatorRegistration.h"
#include "grid/dropdown/ColorPickerRegistration.h"
#include "grid/dropdown/DateTimePickerRegistration.h"
#include "grid/dropdown/DetailDropDownRegistration.h"
#include "grid/dropdown/ExtControlDropDown.h"
#include "grid/dropdown/ImagePickerRegistration.h"
#include "grid/dropdown/ListDropDownRegistration.h"
#include "grid/dropdown/GridDropDownRegistration.h"
#include "grid/dropdown/MultiColumnDropDownRegistration.h"
#include "grid/dropdown/TimePickerRegistration.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/ClassRegistry.h"

namespace grid {

namespace {

using ui::TClassInfo;
using ui::TPropValue;
using ui::TReadContext;
using T = TExtCustomDropDown;

ui::TPropertyInfo Color(gfx::TColor (T::*get)() const, void (T::*set)(gfx::TColor))
{
    ui::TPropertyInfo p;
    p.Set = [set](rtl::TComponent* c, const TPropValue& v, TReadContext& ctx) {
        gfx::TColor color = 0;
        if (v.Kind == ui::TValueKind::Integer) color = static_cast<gfx::TColor>(v.Int);
        else if (v.Kind != ui::TValueKind::Ident || !gfx::IdentToColor(v.Str, color))
            ctx.Fail("Invalid property value " + v.ToText() + ": a colour expected");
        (static_cast<T*>(c)->*set)(color);
    };
    p.Get = [get](rtl::TComponent* c) {
        const gfx::TColor color = (static_cast<T*>(c)->*get)();
        std::string ident;
        if (gfx::ColorToIdent(color, ident)) return TPropValue::MakeIdent(ident);
        return TPropValue::MakeInt(color);
    };
    return p;
}

gfx::TColor ReadColor(const TPropValue& v, TReadContext& ctx)
{
    gfx::TColor color = 0;
    if (v.Kind == ui::TValueKind::Integer) return static_cast<gfx::TColor>(v.Int);
    if (v.Kind != ui::TValueKind::Ident || !gfx::IdentToColor(v.Str, color))
        ctx.Fail("Invalid property value " + v.ToText() + ": a colour expected");
    return color;
}

// A bitmap's bytes in a description: a 4-byte length followed by the file, or the file alone.
std::string BitmapBytes(const std::string& data)
{
    if (data.size() >= 4) {
        std::uint32_t size = 0;
        std::memcpy(&size, data.data(), 4);
        if (size == data.size() - 4) return data.substr(4);
    }
    return data;
}

ui::TPropertyInfo Int(int (T::*get)() const, void (T::*set)(int))
{
    return ui::IntProperty<T>([get](T* x) { return static_cast<long long>((x->*get)()); },
                              [set](T* x, long long v) { (x->*set)(static_cast<int>(v)); });
}

ui::TPropertyInfo Bool(bool (T::*get)() const, void (T::*set)(bool))
{
    return ui::BoolProperty<T>([get](T* x) { return (x->*get)(); }, [set](T* x, bool v) { (x->*set)(v); });
}

// The buttons of a bar, written as a collection of items with Caption, ImageIndex, Enabled,
// Width, Height (and, in the footer, ModalResult).
template <typename TButtons>
void ReadButtons(TButtons& buttons, const TPropValue& v, TReadContext& ctx)
{
    if (v.Kind != ui::TValueKind::Collection) ctx.Fail("Invalid property value: a collection < … > expected");
    buttons.Clear();
    for (const ui::TCollectionItem& item : v.Items) {
        auto* button = buttons.Add();
        for (const ui::TPropItem& p : item.Props) {
            ctx.Line = p.Line;
            if (p.Name == "Caption") button->SetCaption(ui::ValueToString(p.Value, ctx));
            else if (p.Name == "ImageIndex") button->SetImageIndex(static_cast<int>(ui::ValueToInt(p.Value, ctx)));
            else if (p.Name == "Enabled") button->SetEnabled(ui::ValueToBool(p.Value, ctx));
            else if (p.Name == "Width") button->SetWidth(static_cast<int>(ui::ValueToInt(p.Value, ctx)));
            else if (p.Name == "Height") button->SetHeight(static_cast<int>(ui::ValueToInt(p.Value, ctx)));
            else if constexpr (std::is_same_v<TButtons, TFooterButtons>) {
                if (p.Name == "ModalResult") button->SetModalResult(static_cast<int>(ui::ValueToInt(p.Value, ctx)));
                else ctx.Fail("Property " + p.Name + " does not exist");
            } else {
                ctx.Fail("Property " + p.Name + " does not exist");
            }
        }
    }
}

// Caption, colours, sizes, font and buttons of DropDownHeader or DropDownFooter.
template <typename TAppearance>
void BarProperties(TClassInfo& c, const std::string& prefix, TAppearance& (T::*bar)() const)
{
    auto value = [bar](std::function<void(TAppearance&, const TPropValue&, TReadContext&)> set) {
        return ui::ValueProperty<T>([bar, set](T* x, const TPropValue& v, TReadContext& ctx) { set((x->*bar)(), v, ctx); });
    };
    c.Property(prefix + ".Visible", value([](TAppearance& a, const TPropValue& v, TReadContext& ctx) {
                   a.SetVisible(ui::ValueToBool(v, ctx));
               }));
    c.Property(prefix + ".Caption", value([](TAppearance& a, const TPropValue& v, TReadContext& ctx) {
                   a.SetCaption(ui::ValueToString(v, ctx));
               }));
    c.Property(prefix + ".Height", value([](TAppearance& a, const TPropValue& v, TReadContext& ctx) {
                   a.SetHeight(static_cast<int>(ui::ValueToInt(v, ctx)));
               }));
    c.Property(prefix + ".BorderWidth", value([](TAppearance& a, const TPropValue& v, TReadContext& ctx) {
                   a.SetBorderWidth(static_cast<int>(ui::ValueToInt(v, ctx)));
               }));
    c.Property(prefix + ".ImageIndex", value([](TAppearance& a, const TPropValue& v, TReadContext& ctx) {
                   a.SetImageIndex(static_cast<int>(ui::ValueToInt(v, ctx)));
               }));
    c.Property(prefix + ".Color", value([](TAppearance& a, const TPropValue& v, TReadContext& ctx) {
                   a.SetColor(ReadColor(v, ctx));
               }));
    c.Property(prefix + ".ColorTo", value([](TAppearance& a, const TPropValue& v, TReadContext& ctx) {
                   a.SetColorTo(ReadColor(v, ctx));
               }));
    c.Property(prefix + ".BorderColor", value([](TAppearance& a, const TPropValue& v, TReadContext& ctx) {
                   a.SetBorderColor(ReadColor(v, ctx));
               }));
    c.Property(prefix + ".Font.Name", value([](TAppearance& a, const TPropValue& v, TReadContext& ctx) {
                   a.Font().SetName(ui::ValueToString(v, ctx));
               }));
    c.Property(prefix + ".Font.Color", value([](TAppearance& a, const TPropValue& v, TReadContext& ctx) {
                   a.Font().SetColor(ReadColor(v, ctx));
               }));
    c.Property(prefix + ".Font.Height", value([](TAppearance& a, const TPropValue& v, TReadContext& ctx) {
                   a.Font().SetHeight(static_cast<int>(ui::ValueToInt(v, ctx)));
               }));
    c.Property(prefix + ".GradientDirection", value([](TAppearance& a, const TPropValue& v, TReadContext& ctx) {
                   const std::string d = ui::ValueToIdent(v, ctx);
                   if (d != "gdHorizontal" && d != "gdVertical") ctx.Fail("Invalid property value '" + d + "'");
                   a.SetGradientDirection(d == "gdHorizontal" ? gdHorizontal : gdVertical);
               }));
    c.Property(prefix + ".ButtonAlignment", value([](TAppearance& a, const TPropValue& v, TReadContext& ctx) {
                   const std::string d = ui::ValueToIdent(v, ctx);
                   if (d != "baLeft" && d != "baRight") ctx.Fail("Invalid property value '" + d + "'");
                   a.SetButtonAlignment(d == "baLeft" ? baLeft : baRight);
               }));
    c.Property(prefix + ".Buttons", value([](TAppearance& a, const TPropValue& v, TReadContext& ctx) {
                   ReadButtons(a.Buttons(), v, ctx);
               }));
}

void RegisterCustomDropDown(TClassInfo& c)
{
    c.Property("Text", ui::StringProperty<T>([](T* x) { return x->GetText(); },
                                             [](T* x, const std::string& v) { x->SetText(v); }));
    c.Property("EditorEnabled", Bool(&T::EditorEnabled, &T::SetEditorEnabled));
    c.Property("DropDownWidth", Int(&T::DropDownWidth, &T::SetDropDownWidth));
    c.Property("DropDownHeight", Int(&T::DropDownHeight, &T::SetDropDownHeight));
    c.Property("DropDownBorderWidth", Int(&T::DropDownBorderWidth, &T::SetDropDownBorderWidth));
    c.Property("DropDownColor", Color(&T::DropDownColor, &T::SetDropDownColor));
    c.Property("DropDownColorTo", Color(&T::DropDownColorTo, &T::SetDropDownColorTo));
    c.Property("DropDownBorderColor", Color(&T::DropDownBorderColor, &T::SetDropDownBorderColor));
    c.Property("DropDownSizeable", Bool(&T::DropDownSizeable, &T::SetDropDownSizeable));
    c.Property("DropDownShadow", Bool(&T::DropDownShadow, &T::SetDropDownShadow));
    c.Property("ForceShadow", Bool(&T::ForceShadow, &T::SetForceShadow));
    c.Property("DropPosition", ui::EnumProperty<T, TDropPosition>({{"dpAuto", dpAuto}, {"dpDown", dpDown}, {"dpUp", dpUp}},
                                                                   [](T* x) { return x->DropPosition(); },
                                                                   [](T* x, TDropPosition v) { x->SetDropPosition(v); }));
    c.Property("EmptyText", ui::StringProperty<T>([](T* x) { return x->EmptyText(); },
                                                  [](T* x, const std::string& v) { x->SetEmptyText(v); }));
    c.Property("EmptyTextFocused", Bool(&T::EmptyTextFocused, &T::SetEmptyTextFocused));
    c.Property("EmptyTextStyle", ui::SetProperty<T>({{"fsBold", 1u}, {"fsItalic", 2u}, {"fsUnderline", 4u}, {"fsStrikeOut", 8u}},
                                                    [](T* x) { return static_cast<unsigned>(x->EmptyTextStyle().Bits()); },
                                                    [](T* x, unsigned bits) {
                                                        x->SetEmptyTextStyle(gfx::TFontStyles::FromBits(static_cast<std::uint8_t>(bits)));
                                                    }));
    c.Property("ReturnIsTab", Bool(&T::ReturnIsTab, &T::SetReturnIsTab));
    c.Property("DefaultHandling", Bool(&T::DefaultHandling, &T::SetDefaultHandling));
    c.Property("FocusDraw", Bool(&T::FocusDraw, &T::SetFocusDraw));
    c.Property("Flat", Bool(&T::Flat, &T::SetFlat));
    c.Property("DisabledBorder", Bool(&T::DisabledBorder, &T::SetDisabledBorder));
    c.Property("BorderColor", Color(&T::BorderColor, &T::SetBorderColor));
    c.Property("FocusBorderColor", Color(&T::FocusBorderColor, &T::SetFocusBorderColor));
    c.Property("DropDownEnabled", Bool(&T::DropDownEnabled, &T::SetDropDownEnabled));
    c.Property("DropDownButtonWidth", Int(&T::DropDownButtonWidth, &T::SetDropDownButtonWidth));
    c.Property("DropDownButtonHint", ui::StringProperty<T>([](T* x) { return x->DropDownButtonHint(); },
                                                           [](T* x, const std::string& v) { x->SetDropDownButtonHint(v); }));
    c.Property("DropDownButtonGlyph.Data", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   if (v.Kind != ui::TValueKind::Binary) ctx.Fail("Invalid property value: binary data { … } expected");
                   const std::string bytes = BitmapBytes(v.Str);
                   gfx::TBitmap glyph;
                   try {
                       glyph.LoadFromBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
                   } catch (const std::exception& e) {
                       ctx.Fail(std::string("Invalid glyph: ") + e.what());
                   }
                   x->SetDropDownButtonGlyph(&glyph);
               }));
    c.Property("Etched", Bool(&T::Etched, &T::SetEtched));
    c.Property("Images", ui::ComponentProperty<T, gfx::TImageList>([](T* x) { return x->Images(); },
                                                                   [](T* x, gfx::TImageList* v) { x->SetImages(v); }));
    c.Property("FocusControl", ui::ComponentProperty<T, ui::TWinControl>([](T* x) { return x->FocusControl(); },
                                                                        [](T* x, ui::TWinControl* v) { x->SetFocusControl(v); }));
    // Version reads back the control's own; a written value is ignored.
    c.Property("Version", ui::StringProperty<T>([](T* x) { return x->Version(); }, [](T*, const std::string&) {}));
    {
        using namespace dropdown;
        c.Property("LabelPosition",
                   ui::EnumProperty<T, TLabelPosition>(
                       {{"lpLeftTop", lpLeftTop}, {"lpLeftCenter", lpLeftCenter}, {"lpLeftBottom", lpLeftBottom},
                        {"lpTopLeft", lpTopLeft}, {"lpBottomLeft", lpBottomLeft}, {"lpLeftTopLeft", lpLeftTopLeft},
                        {"lpLeftCenterLeft", lpLeftCenterLeft}, {"lpLeftBottomLeft", lpLeftBottomLeft},
                        {"lpTopCenter", lpTopCenter}, {"lpBottomCenter", lpBottomCenter}, {"lpRightTop", lpRightTop},
                        {"lpRightCenter", lpRightCenter}, {"lpRighBottom", lpRighBottom}, {"lpTopRight", lpTopRight},
                        {"lpBottomRight", lpBottomRight}},
                       [](T* x) { return x->LabelPosition(); }, [](T* x, TLabelPosition v) { x->SetLabelPosition(v); }));
    }
    c.Property("LabelCaption", ui::StringProperty<T>([](T* x) { return x->LabelCaption(); },
                                                     [](T* x, const std::string& v) { x->SetLabelCaption(v); }));
    c.Property("LabelMargin", Int(&T::LabelMargin, &T::SetLabelMargin));
    c.Property("LabelTransparent", Bool(&T::LabelTransparent, &T::SetLabelTransparent));
    c.Property("LabelAlwaysEnabled", Bool(&T::LabelAlwaysEnabled, &T::SetLabelAlwaysEnabled));
    c.Property("OnLabelClick", ui::EventProperty(&T::OnLabelClick));
    c.Property("OnLabelDblClick", ui::EventProperty(&T::OnLabelDblClick));
    BarProperties<THeaderAppearance>(c, "DropDownHeader", &T::DropDownHeader);
    BarProperties<TFooterAppearance>(c, "DropDownFooter", &T::DropDownFooter);
    c.Property("DropDownFooter.SizeGrip", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   x->DropDownFooter().SetSizeGrip(ui::ValueToBool(v, ctx));
               }));
    // The two stored extras: ordinals, and reading stores the field only.
    c.Property("SelectionColorStyle", ui::IntProperty<T>([](T* x) { return static_cast<long long>(x->SelectionColorStyle()); },
                                                         [](T* x, long long v) {
                                                             x->StoreSelectionColorStyle(static_cast<TSelectionColorStyle>(v));
                                                         }));
    c.Property("JyxStyle", ui::IntProperty<T>([](T* x) { return static_cast<long long>(x->GetComponentStyle()); },
                                              [](T* x, long long v) { x->StoreComponentStyle(static_cast<TJyxStyle>(v)); }));
    c.Property("OnBeforeDropDown", ui::EventProperty(&T::OnBeforeDropDown));
    c.Property("OnDropDown", ui::EventProperty(&T::OnDropDown));
    c.Property("OnBeforeDropUp", ui::EventProperty(&T::OnBeforeDropUp));
    c.Property("OnDropUp", ui::EventProperty(&T::OnDropUp));
    c.Property("OnGetDropDownPos", ui::EventProperty(&T::OnGetDropDownPos));
    c.Property("OnDropDownHeaderButtonClick", ui::EventProperty(&T::OnDropDownHeaderButtonClick));
    c.Property("OnDropDownFooterButtonClick", ui::EventProperty(&T::OnDropDownFooterButtonClick));
    c.Property("OnDrawHeader", ui::EventProperty(&T::OnDrawHeader));
    c.Property("OnDrawFooter", ui::EventProperty(&T::OnDrawFooter));
    c.Property("OnGetHeaderText", ui::EventProperty(&T::OnGetHeaderText));
    c.Property("OnGetFooterText", ui::EventProperty(&T::OnGetFooterText));
}

}  // namespace

void RegisterDropDownClasses(ui::TClassRegistry& registry)
{
    if (registry.Find("TExtDropDown") != nullptr) return;
    RegisterCustomDropDown(registry.RegisterAbstract<TExtCustomDropDown>("TExtCustomDropDown", "TCustomEdit"));
    registry.Register<TExtDropDown>("TExtDropDown", "TExtCustomDropDown");
    TClassInfo& control = registry.Register<TExtControlDropDown>("TExtControlDropDown", "TExtDropDown");
    control.Property("Control", ui::ComponentProperty<TExtControlDropDown, ui::TControl>(
                                    [](TExtControlDropDown* x) { return x->Control(); },
                                    [](TExtControlDropDown* x, ui::TControl* v) { x->SetControl(v); }));
    RegisterListDropDownClasses(registry);
    RegisterMultiColumnDropDown(registry);
    RegisterGridDropDown(registry);
    RegisterColorPickerClasses(registry);
    RegisterImagePickerClasses(registry);
    RegisterDateTimePickerClasses(registry);
    RegisterTimePickerDropDown(registry);
    RegisterDetailDropDown(registry);
    RegisterCalculatorClasses(registry);
}

void RegisterDropDownClasses()
{
    RegisterDropDownClasses(ui::TClassRegistry::Instance());
}

}  // namespace grid
