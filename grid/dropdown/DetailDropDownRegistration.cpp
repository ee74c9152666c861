// Registration of the detail drop-down with its published properties for form descriptions.
#include "grid/dropdown/DetailDropDownRegistration.h"

#include <cstdint>
#include <functional>
#include <string>

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

// The items, written as a collection of items with Caption, ImageIndex, Notes and Tag.
void ReadItems(TDetailItems& items, const TPropValue& v, TReadContext& ctx)
{
    if (v.Kind != ui::TValueKind::Collection) ctx.Fail("Invalid property value: a collection < … > expected");
    items.Clear();
    for (const ui::TCollectionItem& entry : v.Items) {
        TDetailItem* item = items.Add();
        for (const ui::TPropItem& p : entry.Props) {
            ctx.Line = p.Line;
            if (p.Name == "Caption") item->SetCaption(ui::ValueToString(p.Value, ctx));
            else if (p.Name == "ImageIndex") item->SetImageIndex(static_cast<int>(ui::ValueToInt(p.Value, ctx)));
            else if (p.Name == "Notes") item->SetNotes(ui::ValueToString(p.Value, ctx));
            else if (p.Name == "Tag") item->SetTag(static_cast<int>(ui::ValueToInt(p.Value, ctx)));
            else ctx.Fail("Property " + p.Name + " does not exist");
        }
    }
}

}  // namespace

void RegisterDetailDropDown(ui::TClassRegistry& registry)
{
    ui::TClassInfo& c = registry.Register<T>("TExtDetailDropDown", "TExtCustomDropDown");
    c.Property("Items", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   ReadItems(x->Items(), v, ctx);
               }));
    // Written after Items, as the items it names must exist.
    c.Property("ItemIndex", Int(&T::ItemIndex, &T::SetItemIndex));
    c.Property("ItemHeight", Int(&T::ItemHeight, &T::SetItemHeight));
    c.Property("Layout", ui::EnumProperty<T, TItemLayout>({{"ilCaptionLeft", ilCaptionLeft},
                                                           {"ilCaptionRight", ilCaptionRight},
                                                           {"ilCaptionTop", ilCaptionTop},
                                                           {"ilCaptionBottom", ilCaptionBottom}},
                                                          [](T* x) { return x->Layout(); },
                                                          [](T* x, TItemLayout v) { x->SetLayout(v); }));
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
