// Registration of the multi-column drop-down with its published properties.
#include "grid/dropdown/MultiColumnDropDownRegistration.h"

#include <string>

#include "grid/dropdown/ExtMultiColumnDropDown.h"
#include "grid/dropdown/ListDropDownProperties.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/ClassRegistry.h"

namespace grid {

namespace {

using ui::TPropValue;
using ui::TReadContext;
using T = TExtMultiColumnDropDown;

}  // namespace

void RegisterMultiColumnDropDown(ui::TClassRegistry& registry)
{
    ui::TClassInfo& c = registry.Register<T>("TExtMultiColumnDropDown", "TExtCustomDropDown");
    c.Property("CaseSensitive", ListBoolProperty<T>(&T::CaseSensitive, &T::SetCaseSensitive));
    c.Property("ColumnSizing", ListBoolProperty<T>(&T::ColumnSizing, &T::SetColumnSizing));
    c.Property("ColumnSizeWithDropDown",
               ListBoolProperty<T>(&T::ColumnSizeWithDropDown, &T::SetColumnSizeWithDropDown));
    c.Property("DropDownAutoWidth", ListBoolProperty<T>(&T::DropDownAutoWidth, &T::SetDropDownAutoWidth));
    c.Property("DropDownRowHeight", ListIntProperty<T>(&T::DropDownRowHeight, &T::SetDropDownRowHeight));
    c.Property("FixedLineColor", ListColorProperty<T>(&T::FixedLineColor, &T::SetFixedLineColor));
    c.Property("LineColor", ListColorProperty<T>(&T::LineColor, &T::SetLineColor));
    c.Property("HeaderColor", ListColorProperty<T>(&T::HeaderColor, &T::SetHeaderColor));
    c.Property("HeaderColorTo", ListColorProperty<T>(&T::HeaderColorTo, &T::SetHeaderColorTo));
    c.Property("HeaderHeight", ListIntProperty<T>(&T::HeaderHeight, &T::SetHeaderHeight));
    RegisterListHeaderFont<T>(c);
    c.Property("HoverSelect", ListBoolProperty<T>(&T::HoverSelect, &T::SetHoverSelect));
    c.Property("ItemIndex", ListIntProperty<T>(&T::ItemIndex, &T::SetItemIndex));
    c.Property("LookupColumn", ListIntProperty<T>(&T::LookupColumn, &T::SetLookupColumn));
    c.Property("SelectionTextColor", ListColorProperty<T>(&T::SelectionTextColor, &T::SetSelectionTextColor));
    c.Property("Images", ui::ComponentProperty<T, gfx::TImageList>([](T* x) { return x->Images(); },
                                                                   [](T* x, gfx::TImageList* v) { x->SetImages(v); }));
    c.Property("Columns", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   ReadListColumns(x->Columns(), v, ctx);
               }));
    c.Property("Items", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   ReadListItems(x->Items(), v, ctx, [](multicolumn::TDropDownItem& item, const ui::TPropItem& p,
                                                          TReadContext& ctx) {
                       if (p.Name != "Tag") return false;
                       item.SetTag(static_cast<int>(ui::ValueToInt(p.Value, ctx)));
                       return true;
                   });
               }));
    c.Property("OnSelect", ui::EventProperty(&T::OnSelect));
    c.Property("OnDropDownDrawItem", ui::EventProperty(&T::OnDropDownDrawItem));
    c.Property("OnDropDownGetItemText", ui::EventProperty(&T::OnDropDownGetItemText));
    c.Property("OnDropDownGetItemProp", ui::EventProperty(&T::OnDropDownGetItemProp));
}

}  // namespace grid
