// Registration of the image picker with its published properties for form descriptions.
#include "grid/dropdown/ImagePickerRegistration.h"

#include <cstdint>
#include <string>

#include "grid/dropdown/ExtImagePicker.h"
#include "platform/gfx/Picture.h"
#include "platform/ui/ClassRegistry.h"

namespace grid {

namespace {

using T = TExtImagePickerDropDown;
using ui::TPropValue;
using ui::TReadContext;

ui::TPropertyInfo Int(int (T::*get)() const, void (T::*set)(int))
{
    return ui::IntProperty<T>([get](T* x) { return static_cast<long long>((x->*get)()); },
                              [set](T* x, long long v) { (x->*set)(static_cast<int>(v)); });
}

// A picture's data in a description: the graphic's class name as a short string, then the
// picture file; the format is taken from the file itself.
void ReadPictureData(gfx::TPicture& picture, const TPropValue& v, TReadContext& ctx)
{
    if (v.Kind != ui::TValueKind::Binary) ctx.Fail("Invalid property value: binary data { … } expected");
    std::size_t start = 0;
    const std::string& data = v.Str;
    const auto n = data.empty() ? 0u : static_cast<unsigned char>(data[0]);
    if (n > 0 && n < 64 && data.size() > n && data[1] == 'T') start = 1 + n;
    picture.LoadFromBytes(reinterpret_cast<const std::uint8_t*>(data.data() + start), data.size() - start);
}

// The items, written as a collection of items with Caption, ImageIndex, Hint and Image.Data.
void ReadItems(TImageItems& items, const TPropValue& v, TReadContext& ctx)
{
    if (v.Kind != ui::TValueKind::Collection) ctx.Fail("Invalid property value: a collection < … > expected");
    items.Clear();
    for (const ui::TCollectionItem& source : v.Items) {
        TImageItem* item = items.Add();
        for (const ui::TPropItem& p : source.Props) {
            ctx.Line = p.Line;
            if (p.Name == "Caption") item->SetCaption(ui::ValueToString(p.Value, ctx));
            else if (p.Name == "ImageIndex") item->SetImageIndex(static_cast<int>(ui::ValueToInt(p.Value, ctx)));
            else if (p.Name == "Hint") item->SetHint(ui::ValueToString(p.Value, ctx));
            else if (p.Name == "Image.Data") ReadPictureData(item->Image(), p.Value, ctx);
            else ctx.Fail("Property " + p.Name + " does not exist");
        }
    }
}

}  // namespace

void RegisterImagePickerClasses(ui::TClassRegistry& registry)
{
    ui::TClassInfo& c = registry.Register<T>("TExtImagePickerDropDown", "TExtCustomDropDown");
    c.Property("Columns", Int(&T::Columns, &T::SetColumns));
    c.Property("Items", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   ReadItems(x->Items(), v, ctx);
               }));
    c.Property("ItemIndex", Int(&T::ItemIndex, &T::SetItemIndex));
    c.Property("Layout", ui::EnumProperty<T, TItemLayout>({{"ilCaptionLeft", ilCaptionLeft},
                                                           {"ilCaptionRight", ilCaptionRight},
                                                           {"ilCaptionTop", ilCaptionTop},
                                                           {"ilCaptionBottom", ilCaptionBottom}},
                                                          [](T* x) { return x->Layout(); },
                                                          [](T* x, TItemLayout v) { x->SetLayout(v); }));
    c.Property("OnSelect", ui::EventProperty(&T::OnSelect));
    c.Property("OnDrawSelectedImage", ui::EventProperty(&T::OnDrawSelectedImage));
    c.Property("OnDrawItem", ui::EventProperty(&T::OnDrawItem));
}

}  // namespace grid
