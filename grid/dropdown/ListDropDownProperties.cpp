// Readers shared by the registrations of the two list drop-down families.
#include "grid/dropdown/ListDropDownProperties.h"

#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/StringList.h"

namespace grid {

namespace {

ui::TAlignment ReadAlignment(const ui::TPropValue& v, ui::TReadContext& ctx)
{
    const std::string a = ui::ValueToIdent(v, ctx);
    if (a == "taLeftJustify") return ui::taLeftJustify;
    if (a == "taRightJustify") return ui::taRightJustify;
    if (a == "taCenter") return ui::taCenter;
    ctx.Fail("Invalid property value '" + a + "'");
    return ui::taLeftJustify;
}

TColumnType ReadColumnType(const ui::TPropValue& v, ui::TReadContext& ctx)
{
    const std::string t = ui::ValueToIdent(v, ctx);
    if (t != "ctText" && t != "ctImage") ctx.Fail("Invalid property value '" + t + "'");
    return t == "ctText" ? ctText : ctImage;
}

}  // namespace

gfx::TColor ReadListColor(const ui::TPropValue& v, ui::TReadContext& ctx)
{
    gfx::TColor color = 0;
    if (v.Kind == ui::TValueKind::Integer) return static_cast<gfx::TColor>(v.Int);
    if (v.Kind != ui::TValueKind::Ident || !gfx::IdentToColor(v.Str, color))
        ctx.Fail("Invalid property value " + v.ToText() + ": a colour expected");
    return color;
}

void RequireListCollection(const ui::TPropValue& v, ui::TReadContext& ctx)
{
    if (v.Kind != ui::TValueKind::Collection) ctx.Fail("Invalid property value: a collection < … > expected");
}

void ReadListColumnProperty(TListDropDownColumn& col, const ui::TPropItem& p, ui::TReadContext& ctx)
{
    if (p.Name == "Wordwrap") col.SetWordwrap(ui::ValueToBool(p.Value, ctx));
    else if (p.Name == "Width") col.SetWidth(static_cast<int>(ui::ValueToInt(p.Value, ctx)));
    else if (p.Name == "AutoSize") col.SetAutoSize(ui::ValueToBool(p.Value, ctx));
    else if (p.Name == "Header") col.SetHeader(ui::ValueToString(p.Value, ctx));
    else if (p.Name == "Alignment") col.SetAlignment(ReadAlignment(p.Value, ctx));
    else if (p.Name == "Color") col.SetColor(ReadListColor(p.Value, ctx));
    else if (p.Name == "ColumnType") col.SetColumnType(ReadColumnType(p.Value, ctx));
    else if (p.Name == "Font.Name") col.Font().SetName(ui::ValueToString(p.Value, ctx));
    else if (p.Name == "Font.Color") col.Font().SetColor(ReadListColor(p.Value, ctx));
    else if (p.Name == "Font.Height") col.Font().SetHeight(static_cast<int>(ui::ValueToInt(p.Value, ctx)));
    else if (p.Name == "Ellipsis") col.SetEllipsis(ui::ValueToBool(p.Value, ctx));
    else ctx.Fail("Property " + p.Name + " does not exist");
}

bool ReadListItemProperty(TListDropDownItem& item, const ui::TPropItem& p, ui::TReadContext& ctx)
{
    if (p.Name == "ImageIndex") {
        item.SetImageIndex(static_cast<int>(ui::ValueToInt(p.Value, ctx)));
        return true;
    }
    if (p.Name != "Text.Strings") return false;
    if (p.Value.Kind != ui::TValueKind::List) ctx.Fail("Invalid property value: a list ( … ) expected");
    for (const ui::TPropValue& line : p.Value.List) item.Text().Add(ui::ValueToString(line, ctx));
    return true;
}

}  // namespace grid
