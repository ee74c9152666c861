// Registration of the grid drop-down with its published properties.
#include "grid/dropdown/GridDropDownRegistration.h"

#include <string>

#include "grid/dropdown/ExtCustomGridDropDown.h"
#include "grid/dropdown/ListDropDownProperties.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/ClassRegistry.h"

namespace grid {

namespace {

using ui::TPropValue;
using ui::TReadContext;
using T = TExtGridDropDown;

template <typename E>
ui::TPropertyInfo Enum(std::vector<std::pair<std::string, E>> names, E (TCustomExtGridDropDown::*get)() const,
                       void (TCustomExtGridDropDown::*set)(E))
{
    return ui::EnumProperty<T, E>(std::move(names), [get](T* x) { return (x->*get)(); },
                                  [set](T* x, E v) { (x->*set)(v); });
}

void RegisterEvents(ui::TClassInfo& c)
{
    c.Property("OnSelect", ui::EventProperty(&T::OnSelect));
    c.Property("OnGridAnchorClick", ui::EventProperty(&T::OnGridAnchorClick));
    c.Property("OnGridAnchorEnter", ui::EventProperty(&T::OnGridAnchorEnter));
    c.Property("OnGridAnchorExit", ui::EventProperty(&T::OnGridAnchorExit));
    c.Property("OnGridAnchorHint", ui::EventProperty(&T::OnGridAnchorHint));
    c.Property("OnGridAutoAddRow", ui::EventProperty(&T::OnGridAutoAddRow));
    c.Property("OnGridInsertRow", ui::EventProperty(&T::OnGridInsertRow));
    c.Property("OnGridDeleteRow", ui::EventProperty(&T::OnGridDeleteRow));
    c.Property("OnGridInsertCol", ui::EventProperty(&T::OnGridInsertCol));
    c.Property("OnGridCanAddRow", ui::EventProperty(&T::OnGridCanAddRow));
    c.Property("OnGridCanDeleteRow", ui::EventProperty(&T::OnGridCanDeleteRow));
    c.Property("OnGridCanInsertRow", ui::EventProperty(&T::OnGridCanInsertRow));
    c.Property("OnGridButtonClick", ui::EventProperty(&T::OnGridButtonClick));
    c.Property("OnGridEllipsClick", ui::EventProperty(&T::OnGridEllipsClick));
    c.Property("OnGridCanEditCell", ui::EventProperty(&T::OnGridCanEditCell));
    c.Property("OnGridCheckBoxClick", ui::EventProperty(&T::OnGridCheckBoxClick));
    c.Property("OnGridCanSort", ui::EventProperty(&T::OnGridCanSort));
    c.Property("OnGridClickSort", ui::EventProperty(&T::OnGridClickSort));
    c.Property("OnGridCustomCompare", ui::EventProperty(&T::OnGridCustomCompare));
    c.Property("OnGridRawCompare", ui::EventProperty(&T::OnGridRawCompare));
    c.Property("OnGridColumnSize", ui::EventProperty(&T::OnGridColumnSize));
    c.Property("OnGridColumnSizing", ui::EventProperty(&T::OnGridColumnSizing));
    c.Property("OnGridEndColumnSize", ui::EventProperty(&T::OnGridEndColumnSize));
    c.Property("OnGridRowSize", ui::EventProperty(&T::OnGridRowSize));
    c.Property("OnGridRowSizing", ui::EventProperty(&T::OnGridRowSizing));
    c.Property("OnGridEndRowSize", ui::EventProperty(&T::OnGridEndRowSize));
    c.Property("OnGridRowMove", ui::EventProperty(&T::OnGridRowMove));
    c.Property("OnGridRowMoving", ui::EventProperty(&T::OnGridRowMoving));
    c.Property("OnGridRowMoved", ui::EventProperty(&T::OnGridRowMoved));
    c.Property("OnGridColumnMove", ui::EventProperty(&T::OnGridColumnMove));
    c.Property("OnGridColumnMoving", ui::EventProperty(&T::OnGridColumnMoving));
    c.Property("OnGridColumnMoved", ui::EventProperty(&T::OnGridColumnMoved));
    c.Property("OnGridCustomCellDraw", ui::EventProperty(&T::OnGridCustomCellDraw));
    c.Property("OnGridCustomCellBkgDraw", ui::EventProperty(&T::OnGridCustomCellBkgDraw));
    c.Property("OnGridGetAlignment", ui::EventProperty(&T::OnGridGetAlignment));
    c.Property("OnGridGetCellColor", ui::EventProperty(&T::OnGridGetCellColor));
    c.Property("OnGridGetCellGradient", ui::EventProperty(&T::OnGridGetCellGradient));
    c.Property("OnGridGetFloatFormat", ui::EventProperty(&T::OnGridGetFloatFormat));
    c.Property("OnGridGetEditorType", ui::EventProperty(&T::OnGridGetEditorType));
    c.Property("OnGridGetEditorProp", ui::EventProperty(&T::OnGridGetEditorProp));
    c.Property("OnGridGetDiplText", ui::EventProperty(&T::OnGridGetDiplText));
    c.Property("OnGridGetFormat", ui::EventProperty(&T::OnGridGetFormat));
    c.Property("OnGridHint", ui::EventProperty(&T::OnGridHint));
    c.Property("OnGridCellBalloon", ui::EventProperty(&T::OnGridCellBalloon));
    c.Property("OnGridMouseMove", ui::EventProperty(&T::OnGridMouseMove));
    c.Property("OnGridMouseDown", ui::EventProperty(&T::OnGridMouseDown));
    c.Property("OnGridMouseUp", ui::EventProperty(&T::OnGridMouseUp));
    c.Property("OnGridKeyDown", ui::EventProperty(&T::OnGridKeyDown));
    c.Property("OnGridKeyUp", ui::EventProperty(&T::OnGridKeyUp));
    c.Property("OnGridKeyPress", ui::EventProperty(&T::OnGridKeyPress));
    c.Property("OnGridRightClickCell", ui::EventProperty(&T::OnGridRightClickCell));
    c.Property("OnGridScrollHint", ui::EventProperty(&T::OnGridScrollHint));
    c.Property("OnGridTopLeftChanged", ui::EventProperty(&T::OnGridTopLeftChanged));
    c.Property("OnGridSearchEditChange", ui::EventProperty(&T::OnGridSearchEditChange));
    c.Property("OnGridSpinClick", ui::EventProperty(&T::OnGridSpinClick));
}

}  // namespace

void RegisterGridDropDown(ui::TClassRegistry& registry)
{
    ui::TClassInfo& c = registry.Register<T>("TExtGridDropDown", "TExtCustomDropDown");
    using B = TCustomExtGridDropDown;
    c.Property("AutoShowDropDown", ListBoolProperty<T>(&B::AutoShowDropDown, &B::SetAutoShowDropDown));
    c.Property("AutoSizeColumns", ListBoolProperty<T>(&B::AutoSizeColumns, &B::SetAutoSizeColumns));
    c.Property("CaseSensitive", ListBoolProperty<T>(&B::CaseSensitive, &B::SetCaseSensitive));
    c.Property("ColumnMoving", ListBoolProperty<T>(&B::ColumnMoving, &B::SetColumnMoving));
    c.Property("ColumnSizing", ListBoolProperty<T>(&B::ColumnSizing, &B::SetColumnSizing));
    c.Property("RowMoving", ListBoolProperty<T>(&B::RowMoving, &B::SetRowMoving));
    c.Property("RowSizing", ListBoolProperty<T>(&B::RowSizing, &B::SetRowSizing));
    c.Property("ColumnSizeWithDropDown",
               ListBoolProperty<T>(&B::ColumnSizeWithDropDown, &B::SetColumnSizeWithDropDown));
    c.Property("DropDownAutoWidth", ListBoolProperty<T>(&B::DropDownAutoWidth, &B::SetDropDownAutoWidth));
    c.Property("DropDownRowHeight", ListIntProperty<T>(&B::DropDownRowHeight, &B::SetDropDownRowHeight));
    c.Property("FixedLineColor", ListColorProperty<T>(&B::FixedLineColor, &B::SetFixedLineColor));
    c.Property("GridEditable", ListBoolProperty<T>(&B::GridEditable, &B::SetGridEditable));
    c.Property("GridImages", ui::ComponentProperty<T, gfx::TImageList>(
                                 [](T* x) { return x->GridImages(); }, [](T* x, gfx::TImageList* v) { x->SetGridImages(v); }));
    c.Property("HeaderColor", ListColorProperty<T>(&B::HeaderColor, &B::SetHeaderColor));
    c.Property("HeaderColorTo", ListColorProperty<T>(&B::HeaderColorTo, &B::SetHeaderColorTo));
    c.Property("HeaderHeight", ListIntProperty<T>(&B::HeaderHeight, &B::SetHeaderHeight));
    RegisterListHeaderFont<T>(c);
    c.Property("HoverRow", ListBoolProperty<T>(&B::HoverRow, &B::SetHoverRow));
    c.Property("HoverRowColor", ListColorProperty<T>(&B::HoverRowColor, &B::SetHoverRowColor));
    c.Property("HoverRowColorTo", ListColorProperty<T>(&B::HoverRowColorTo, &B::SetHoverRowColorTo));
    c.Property("LineColor", ListColorProperty<T>(&B::LineColor, &B::SetLineColor));
    c.Property("LookupColumn", ListIntProperty<T>(&B::LookupColumn, &B::SetLookupColumn));
    c.Property("LookupMethod", Enum<TLookupMethod>({{"lmLookup", lmLookup}, {"lmNarrowDown", lmNarrowDown},
                                                    {"lmNone", lmNone}},
                                                   &B::LookupMethod, &B::SetLookupMethod));
    c.Property("RowSelect", ListBoolProperty<T>(&B::RowSelect, &B::SetRowSelect));
    c.Property("SelectionTextColor", ListColorProperty<T>(&B::SelectionTextColor, &B::SetSelectionTextColor));
    c.Property("Sorting", Enum<TGridSorting>({{"gsNone", gsNone}, {"gsSingleColumn", gsSingleColumn},
                                              {"gsMultiColumn", gsMultiColumn}},
                                             &B::Sorting, &B::SetSorting));
    c.Property("Style", Enum<TDropDownStyle>({{"dsDropDown", dsDropDown}, {"dsDropDownList", dsDropDownList}},
                                             &B::Style, &B::SetStyle));
    c.Property("UseItems", ListBoolProperty<T>(&B::UseItems, &B::SetUseItems));
    c.Property("Columns", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   ReadListColumns(x->Columns(), v, ctx);
               }));
    c.Property("Items", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   ReadListItems(x->Items(), v, ctx);
               }));
    // After the items, so that the edit shows the item's text.
    c.Property("ItemIndex", ListIntProperty<T>(&B::ItemIndex, &B::SetItemIndex));
    RegisterEvents(c);
}

}  // namespace grid
