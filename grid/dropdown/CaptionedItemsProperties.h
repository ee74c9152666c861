// Reading the items and the layout of the image picker and the detail drop-down from a form
// description.
#pragma once

#include "grid/dropdown/ItemSelector.h"
#include "platform/ui/ClassRegistry.h"

namespace grid {

// Items = < item … end … >: the items are replaced by those described. Caption and ImageIndex
// are read here; ReadExtra(item, p, ctx) reads the settings a family's items add and answers
// false for other names, which fail the read.
template <typename TItems, typename TReadExtra>
void ReadCaptionedItems(TItems& items, const ui::TPropValue& v, ui::TReadContext& ctx, TReadExtra ReadExtra)
{
    if (v.Kind != ui::TValueKind::Collection) ctx.Fail("Invalid property value: a collection < … > expected");
    items.Clear();
    for (const ui::TCollectionItem& entry : v.Items) {
        auto* item = items.Add();
        for (const ui::TPropItem& p : entry.Props) {
            ctx.Line = p.Line;
            if (p.Name == "Caption") item->SetCaption(ui::ValueToString(p.Value, ctx));
            else if (p.Name == "ImageIndex") item->SetImageIndex(static_cast<int>(ui::ValueToInt(p.Value, ctx)));
            else if (!ReadExtra(*item, p, ctx)) ctx.Fail("Property " + p.Name + " does not exist");
        }
    }
}

// Layout: where the caption stands beside the image.
template <typename T>
ui::TPropertyInfo CaptionLayoutProperty()
{
    return ui::EnumProperty<T, TItemLayout>({{"ilCaptionLeft", ilCaptionLeft},
                                             {"ilCaptionRight", ilCaptionRight},
                                             {"ilCaptionTop", ilCaptionTop},
                                             {"ilCaptionBottom", ilCaptionBottom}},
                                            [](T* x) { return x->Layout(); },
                                            [](T* x, TItemLayout v) { x->SetLayout(v); });
}

}  // namespace grid
