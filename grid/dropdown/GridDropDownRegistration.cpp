// Registration of the grid drop-down with its published properties.
#include "grid/dropdown/GridDropDownRegistration.h"

#include <string>

#include "grid/dropdown/ExtCustomGridDropDown.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/ClassRegistry.h"

namespace grid {

namespace {

using ui::TPropValue;
using ui::TReadContext;
using T = TExtGridDropDown;

gfx::TColor ReadColor(const TPropValue& v, TReadContext& ctx)
{
    gfx::TColor color = 0;
    if (v.Kind == ui::TValueKind::Integer) return static_cast<gfx::TColor>(v.Int);
    if (v.Kind != ui::TValueKind::Ident || !gfx::IdentToColor(v.Str, color))
        ctx.Fail("Invalid property value " + v.ToText() + ": a colour expected");
    return color;
}

ui::TPropertyInfo Color(gfx::TColor (TCustomExtGridDropDown::*get)() const,
                        void (TCustomExtGridDropDown::*set)(gfx::TColor))
{
    ui::TPropertyInfo p = ui::ValueProperty<T>(
        [set](T* x, const TPropValue& v, TReadContext& ctx) { (x->*set)(ReadColor(v, ctx)); });
    p.Get = [get](rtl::TComponent* c) { return TPropValue::MakeInt((static_cast<T*>(c)->*get)()); };
    return p;
}

ui::TPropertyInfo Int(int (TCustomExtGridDropDown::*get)() const, void (TCustomExtGridDropDown::*set)(int))
{
    return ui::IntProperty<T>([get](T* x) { return static_cast<long long>((x->*get)()); },
                              [set](T* x, long long v) { (x->*set)(static_cast<int>(v)); });
}

ui::TPropertyInfo Bool(bool (TCustomExtGridDropDown::*get)() const, void (TCustomExtGridDropDown::*set)(bool))
{
    return ui::BoolProperty<T>([get](T* x) { return (x->*get)(); }, [set](T* x, bool v) { (x->*set)(v); });
}

void RequireCollection(const TPropValue& v, TReadContext& ctx)
{
    if (v.Kind != ui::TValueKind::Collection) ctx.Fail("Invalid property value: a collection < … > expected");
}

ui::TAlignment ReadAlignment(const TPropValue& v, TReadContext& ctx)
{
    const std::string a = ui::ValueToIdent(v, ctx);
    if (a == "taLeftJustify") return ui::taLeftJustify;
    if (a == "taRightJustify") return ui::taRightJustify;
    if (a == "taCenter") return ui::taCenter;
    ctx.Fail("Invalid property value '" + a + "'");
    return ui::taLeftJustify;
}

void ReadColumns(griddropdown::TDropDownColumns& columns, const TPropValue& v, TReadContext& ctx)
{
    RequireCollection(v, ctx);
    columns.Clear();
    for (const ui::TCollectionItem& item : v.Items) {
        griddropdown::TDropDownColumn& col = *columns.Add();
        for (const ui::TPropItem& p : item.Props) {
            ctx.Line = p.Line;
            if (p.Name == "Wordwrap") col.SetWordwrap(ui::ValueToBool(p.Value, ctx));
            else if (p.Name == "Width") col.SetWidth(static_cast<int>(ui::ValueToInt(p.Value, ctx)));
            else if (p.Name == "AutoSize") col.SetAutoSize(ui::ValueToBool(p.Value, ctx));
            else if (p.Name == "Header") col.SetHeader(ui::ValueToString(p.Value, ctx));
            else if (p.Name == "Alignment") col.SetAlignment(ReadAlignment(p.Value, ctx));
            else if (p.Name == "Color") col.SetColor(ReadColor(p.Value, ctx));
            else if (p.Name == "ColumnType") {
                const std::string t = ui::ValueToIdent(p.Value, ctx);
                if (t != "ctText" && t != "ctImage") ctx.Fail("Invalid property value '" + t + "'");
                col.SetColumnType(t == "ctText" ? ctText : ctImage);
            } else if (p.Name == "Font.Name") col.Font().SetName(ui::ValueToString(p.Value, ctx));
            else if (p.Name == "Font.Color") col.Font().SetColor(ReadColor(p.Value, ctx));
            else if (p.Name == "Font.Height") col.Font().SetHeight(static_cast<int>(ui::ValueToInt(p.Value, ctx)));
            else if (p.Name == "Ellipsis") col.SetEllipsis(ui::ValueToBool(p.Value, ctx));
            else ctx.Fail("Property " + p.Name + " does not exist");
        }
    }
}

void ReadItems(griddropdown::TDropDownItems& items, const TPropValue& v, TReadContext& ctx)
{
    RequireCollection(v, ctx);
    items.Clear();
    for (const ui::TCollectionItem& entry : v.Items) {
        griddropdown::TDropDownItem& item = *items.Add();
        for (const ui::TPropItem& p : entry.Props) {
            ctx.Line = p.Line;
            if (p.Name == "ImageIndex") {
                item.SetImageIndex(static_cast<int>(ui::ValueToInt(p.Value, ctx)));
            } else if (p.Name == "Text.Strings") {
                if (p.Value.Kind != ui::TValueKind::List) ctx.Fail("Invalid property value: a list ( … ) expected");
                for (const TPropValue& line : p.Value.List) item.Text().Add(ui::ValueToString(line, ctx));
            } else {
                ctx.Fail("Property " + p.Name + " does not exist");
            }
        }
    }
}

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
    c.Property("AutoShowDropDown", Bool(&B::AutoShowDropDown, &B::SetAutoShowDropDown));
    c.Property("AutoSizeColumns", Bool(&B::AutoSizeColumns, &B::SetAutoSizeColumns));
    c.Property("CaseSensitive", Bool(&B::CaseSensitive, &B::SetCaseSensitive));
    c.Property("ColumnMoving", Bool(&B::ColumnMoving, &B::SetColumnMoving));
    c.Property("ColumnSizing", Bool(&B::ColumnSizing, &B::SetColumnSizing));
    c.Property("RowMoving", Bool(&B::RowMoving, &B::SetRowMoving));
    c.Property("RowSizing", Bool(&B::RowSizing, &B::SetRowSizing));
    c.Property("ColumnSizeWithDropDown", Bool(&B::ColumnSizeWithDropDown, &B::SetColumnSizeWithDropDown));
    c.Property("DropDownAutoWidth", Bool(&B::DropDownAutoWidth, &B::SetDropDownAutoWidth));
    c.Property("DropDownRowHeight", Int(&B::DropDownRowHeight, &B::SetDropDownRowHeight));
    c.Property("FixedLineColor", Color(&B::FixedLineColor, &B::SetFixedLineColor));
    c.Property("GridEditable", Bool(&B::GridEditable, &B::SetGridEditable));
    c.Property("GridImages", ui::ComponentProperty<T, gfx::TImageList>(
                                 [](T* x) { return x->GridImages(); }, [](T* x, gfx::TImageList* v) { x->SetGridImages(v); }));
    c.Property("HeaderColor", Color(&B::HeaderColor, &B::SetHeaderColor));
    c.Property("HeaderColorTo", Color(&B::HeaderColorTo, &B::SetHeaderColorTo));
    c.Property("HeaderHeight", Int(&B::HeaderHeight, &B::SetHeaderHeight));
    c.Property("HeaderFont.Name", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   x->HeaderFont().SetName(ui::ValueToString(v, ctx));
               }));
    c.Property("HeaderFont.Color", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   x->HeaderFont().SetColor(ReadColor(v, ctx));
               }));
    c.Property("HeaderFont.Height", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   x->HeaderFont().SetHeight(static_cast<int>(ui::ValueToInt(v, ctx)));
               }));
    c.Property("HoverRow", Bool(&B::HoverRow, &B::SetHoverRow));
    c.Property("HoverRowColor", Color(&B::HoverRowColor, &B::SetHoverRowColor));
    c.Property("HoverRowColorTo", Color(&B::HoverRowColorTo, &B::SetHoverRowColorTo));
    c.Property("LineColor", Color(&B::LineColor, &B::SetLineColor));
    c.Property("LookupColumn", Int(&B::LookupColumn, &B::SetLookupColumn));
    c.Property("LookupMethod", Enum<TLookupMethod>({{"lmLookup", lmLookup}, {"lmNarrowDown", lmNarrowDown},
                                                    {"lmNone", lmNone}},
                                                   &B::LookupMethod, &B::SetLookupMethod));
    c.Property("RowSelect", Bool(&B::RowSelect, &B::SetRowSelect));
    c.Property("SelectionTextColor", Color(&B::SelectionTextColor, &B::SetSelectionTextColor));
    c.Property("Sorting", Enum<TGridSorting>({{"gsNone", gsNone}, {"gsSingleColumn", gsSingleColumn},
                                              {"gsMultiColumn", gsMultiColumn}},
                                             &B::Sorting, &B::SetSorting));
    c.Property("Style", Enum<TDropDownStyle>({{"dsDropDown", dsDropDown}, {"dsDropDownList", dsDropDownList}},
                                             &B::Style, &B::SetStyle));
    c.Property("UseItems", Bool(&B::UseItems, &B::SetUseItems));
    c.Property("Columns", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   ReadColumns(x->Columns(), v, ctx);
               }));
    c.Property("Items", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   ReadItems(x->Items(), v, ctx);
               }));
    // After the items, so that the edit shows the item's text.
    c.Property("ItemIndex", Int(&B::ItemIndex, &B::SetItemIndex));
    RegisterEvents(c);
}

}  // namespace grid
