// Registration of the image picker with its published properties for form descriptions.
#include "grid/dropdown/ImagePickerRegistration.h"

#include <cstdint>
#include <string>

#include "grid/dropdown/CaptionedItemsProperties.h"
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

// Hint and Image.Data of an image item; false for any other name.
bool ReadImageItemProperty(TImageItem& item, const ui::TPropItem& p, TReadContext& ctx)
{
    if (p.Name == "Hint") item.SetHint(ui::ValueToString(p.Value, ctx));
    else if (p.Name == "Image.Data") ReadPictureData(item.Image(), p.Value, ctx);
    else return false;
    return true;
}

}  // namespace

void RegisterImagePickerClasses(ui::TClassRegistry& registry)
{
    ui::TClassInfo& c = registry.Register<T>("TExtImagePickerDropDown", "TExtCustomDropDown");
    c.Property("Columns", Int(&T::Columns, &T::SetColumns));
    c.Property("Items", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   ReadCaptionedItems(x->Items(), v, ctx, ReadImageItemProperty);
               }));
    c.Property("ItemIndex", Int(&T::ItemIndex, &T::SetItemIndex));
    c.Property("Layout", CaptionLayoutProperty<T>());
    c.Property("OnSelect", ui::EventProperty(&T::OnSelect));
    c.Property("OnDrawSelectedImage", ui::EventProperty(&T::OnDrawSelectedImage));
    c.Property("OnDrawItem", ui::EventProperty(&T::OnDrawItem));
}

}  // namespace grid
