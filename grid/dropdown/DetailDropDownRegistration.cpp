// Registration of the detail drop-down with its published properties for form descriptions.
#include "grid/dropdown/DetailDropDownRegistration.h"

#include <cstdint>
#include <functional>
#include <string>

#include "grid/dropdown/CaptionedItemsProperties.h"
#include "grid/dropdown/ExtDetailDropDown.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/ui/ClassRegistry.h"

namespace grid {

namespace {

using T = TExtDetailDropDown;
using ui::TPropValue;
using ui::TReadContext;

ui::TPropertyInfo Int(int (T::*get)() const, void (T::*set)(int))
{
    return ui::IntProperty<T>([get](T* x) { return static_cast<long long>((x->*get)()); },
                              [set](T* x, long long v) { (x->*set)(static_cast<int>(v)); });
}

// Name, Size, Height, Color and Style of CaptionFont or NotesFont.
void FontProperties(ui::TClassInfo& c, const std::string& prefix, gfx::TFont& (T::*font)() const)
{
    c.Property(prefix + ".Name", ui::StringProperty<T>([font](T* x) { return (x->*font)().Name(); },
                                                       [font](T* x, const std::string& v) { (x->*font)().SetName(v); }));
    c.Property(prefix + ".Size", ui::IntProperty<T>([font](T* x) { return (x->*font)().Size(); },
                                                    [font](T* x, long long v) { (x->*font)().SetSize(static_cast<int>(v)); }));
    c.Property(prefix + ".Height",
               ui::IntProperty<T>([font](T* x) { return (x->*font)().Height(); },
                                  [font](T* x, long long v) { (x->*font)().SetHeight(static_cast<int>(v)); }));
    c.Property(prefix + ".Color", ui::ColorProperty<T>([font](T* x) { return (x->*font)().Color(); },
                                                       [font](T* x, gfx::TColor v) { (x->*font)().SetColor(v); }));
    c.Property(prefix + ".Style",
               ui::SetProperty<T>({{"fsBold", 1u}, {"fsItalic", 2u}, {"fsUnderline", 4u}, {"fsStrikeOut", 8u}},
                                  [font](T* x) { return static_cast<unsigned>((x->*font)().Style().Bits()); },
                                  [font](T* x, unsigned bits) {
                                      (x->*font)().SetStyle(gfx::TFontStyles::FromBits(static_cast<std::uint8_t>(bits)));
                                  }));
}

// Notes and Tag of a detail item; false for any other name.
bool ReadDetailItemProperty(TDetailItem& item, const ui::TPropItem& p, TReadContext& ctx)
{
    if (p.Name == "Notes") item.SetNotes(ui::ValueToString(p.Value, ctx));
    else if (p.Name == "Tag") item.SetTag(static_cast<int>(ui::ValueToInt(p.Value, ctx)));
    else return false;
    return true;
}

}  // namespace

void RegisterDetailDropDown(ui::TClassRegistry& registry)
{
    ui::TClassInfo& c = registry.Register<T>("TExtDetailDropDown", "TExtCustomDropDown");
    c.Property("Items", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   ReadCaptionedItems(x->Items(), v, ctx, ReadDetailItemProperty);
               }));
    // Written after Items, as the items it names must exist.
    c.Property("ItemIndex", Int(&T::ItemIndex, &T::SetItemIndex));
    c.Property("ItemHeight", Int(&T::ItemHeight, &T::SetItemHeight));
    c.Property("Layout", CaptionLayoutProperty<T>());
    c.Property("ImageVAlign", ui::EnumProperty<T, ui::TTextLayout>(
                                  {{"tlTop", ui::tlTop}, {"tlCenter", ui::tlCenter}, {"tlBottom", ui::tlBottom}},
                                  [](T* x) { return x->ImageVAlign(); },
                                  [](T* x, ui::TTextLayout v) { x->SetImageVAlign(v); }));
    FontProperties(c, "CaptionFont", &T::CaptionFont);
    FontProperties(c, "NotesFont", &T::NotesFont);
    c.Property("OnSelect", ui::EventProperty(&T::OnSelect));
    c.Property("OnDrawSelectedImage", ui::EventProperty(&T::OnDrawSelectedImage));
}

}  // namespace grid
