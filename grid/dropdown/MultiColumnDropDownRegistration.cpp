// Registration of the multi-column drop-down with its published properties.
#include "grid/dropdown/MultiColumnDropDownRegistration.h"

#include <string>

#include "grid/dropdown/ExtMultiColumnDropDown.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/ClassRegistry.h"

namespace grid {

namespace {

using ui::TPropValue;
using ui::TReadContext;
using T = TExtMultiColumnDropDown;

gfx::TColor ReadColor(const TPropValue& v, TReadContext& ctx)
{
    gfx::TColor color = 0;
    if (v.Kind == ui::TValueKind::Integer) return static_cast<gfx::TColor>(v.Int);
    if (v.Kind != ui::TValueKind::Ident || !gfx::IdentToColor(v.Str, color))
        ctx.Fail("Invalid property value " + v.ToText() + ": a colour expected");
    return color;
}

ui::TPropertyInfo Color(gfx::TColor (T::*get)() const, void (T::*set)(gfx::TColor))
{
    ui::TPropertyInfo p = ui::ValueProperty<T>(
        [set](T* x, const TPropValue& v, TReadContext& ctx) { (x->*set)(ReadColor(v, ctx)); });
    p.Get = [get](rtl::TComponent* c) { return TPropValue::MakeInt((static_cast<T*>(c)->*get)()); };
    return p;
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

void ReadColumns(multicolumn::TDropDownColumns& columns, const TPropValue& v, TReadContext& ctx)
{
    RequireCollection(v, ctx);
    columns.Clear();
    for (const ui::TCollectionItem& item : v.Items) {
        multicolumn::TDropDownColumn& col = *columns.Add();
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

void ReadItems(multicolumn::TDropDownItems& items, const TPropValue& v, TReadContext& ctx)
{
    RequireCollection(v, ctx);
    items.Clear();
    for (const ui::TCollectionItem& entry : v.Items) {
        multicolumn::TDropDownItem& item = *items.Add();
        for (const ui::TPropItem& p : entry.Props) {
            ctx.Line = p.Line;
            if (p.Name == "ImageIndex") item.SetImageIndex(static_cast<int>(ui::ValueToInt(p.Value, ctx)));
            else if (p.Name == "Tag") item.SetTag(static_cast<int>(ui::ValueToInt(p.Value, ctx)));
            else if (p.Name == "Text.Strings") {
                if (p.Value.Kind != ui::TValueKind::List) ctx.Fail("Invalid property value: a list ( … ) expected");
                for (const TPropValue& line : p.Value.List) item.Text().Add(ui::ValueToString(line, ctx));
            } else {
                ctx.Fail("Property " + p.Name + " does not exist");
            }
        }
    }
}

}  // namespace

void RegisterMultiColumnDropDown(ui::TClassRegistry& registry)
{
    ui::TClassInfo& c = registry.Register<T>("TExtMultiColumnDropDown", "TExtCustomDropDown");
    c.Property("CaseSensitive", Bool(&T::CaseSensitive, &T::SetCaseSensitive));
    c.Property("ColumnSizing", Bool(&T::ColumnSizing, &T::SetColumnSizing));
    c.Property("ColumnSizeWithDropDown", Bool(&T::ColumnSizeWithDropDown, &T::SetColumnSizeWithDropDown));
    c.Property("DropDownAutoWidth", Bool(&T::DropDownAutoWidth, &T::SetDropDownAutoWidth));
    c.Property("DropDownRowHeight", Int(&T::DropDownRowHeight, &T::SetDropDownRowHeight));
    c.Property("FixedLineColor", Color(&T::FixedLineColor, &T::SetFixedLineColor));
    c.Property("LineColor", Color(&T::LineColor, &T::SetLineColor));
    c.Property("HeaderColor", Color(&T::HeaderColor, &T::SetHeaderColor));
    c.Property("HeaderColorTo", Color(&T::HeaderColorTo, &T::SetHeaderColorTo));
    c.Property("HeaderHeight", Int(&T::HeaderHeight, &T::SetHeaderHeight));
    c.Property("HeaderFont.Name", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   x->HeaderFont().SetName(ui::ValueToString(v, ctx));
               }));
    c.Property("HeaderFont.Color", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   x->HeaderFont().SetColor(ReadColor(v, ctx));
               }));
    c.Property("HeaderFont.Height", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   x->HeaderFont().SetHeight(static_cast<int>(ui::ValueToInt(v, ctx)));
               }));
    c.Property("HoverSelect", Bool(&T::HoverSelect, &T::SetHoverSelect));
    c.Property("ItemIndex", Int(&T::ItemIndex, &T::SetItemIndex));
    c.Property("LookupColumn", Int(&T::LookupColumn, &T::SetLookupColumn));
    c.Property("SelectionTextColor", Color(&T::SelectionTextColor, &T::SetSelectionTextColor));
    c.Property("Images", ui::ComponentProperty<T, gfx::TImageList>([](T* x) { return x->Images(); },
                                                                   [](T* x, gfx::TImageList* v) { x->SetImages(v); }));
    c.Property("Columns", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   ReadColumns(x->Columns(), v, ctx);
               }));
    c.Property("Items", ui::ValueProperty<T>([](T* x, const TPropValue& v, TReadContext& ctx) {
                   ReadItems(x->Items(), v, ctx);
               }));
    c.Property("OnSelect", ui::EventProperty(&T::OnSelect));
    c.Property("OnDropDownDrawItem", ui::EventProperty(&T::OnDropDownDrawItem));
    c.Property("OnDropDownGetItemText", ui::EventProperty(&T::OnDropDownGetItemText));
    c.Property("OnDropDownGetItemProp", ui::EventProperty(&T::OnDropDownGetItemProp));
}

}  // namespace grid
