// Registration of the image list for form descriptions: size and the images kept as binary data.
#include "platform/gfx/ImageList.h"
#include "platform/gfx/ImageListStream.h"
#include "platform/ui/ClassRegistry.h"

namespace ui {

void RegisterImageList(TClassRegistry& r)
{
    using T = gfx::TImageList;
    TClassInfo& c = r.Register<T>("TImageList", "TComponent");
    c.Property("Width", IntProperty<T>([](T* x) { return x->Width(); },
                                       [](T* x, long long v) { x->SetWidth(static_cast<int>(v)); }));
    c.Property("Height", IntProperty<T>([](T* x) { return x->Height(); },
                                        [](T* x, long long v) { x->SetHeight(static_cast<int>(v)); }));
    c.Property("Bitmap", ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   if (v.Kind != TValueKind::Binary) ctx.Fail("Invalid property value: binary data { … } expected");
                   try {
                       gfx::ReadImageListStream(*x, reinterpret_cast<const std::uint8_t*>(v.Str.data()), v.Str.size());
                   } catch (const rtl::Exception& e) {
                       ctx.Fail(e.Message());
                   }
               }));
    // Settings of the platform's list that change nothing in our drawing.
    for (const char* name : {"AllocBy", "BkColor", "BlendColor", "DrawingStyle", "ImageType", "Masked", "ShareImages",
                             "ColorDepth", "Scaled"})
        c.Property(name, IgnoredProperty());
}

}  // namespace ui
