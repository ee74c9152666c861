// Readers and property makers shared by the registrations of the two list drop-down families.
#pragma once

#include <string>

#include "grid/dropdown/ListDropDownColumn.h"
#include "grid/dropdown/ListDropDownItem.h"
#include "platform/gfx/Color.h"
#include "platform/ui/ClassRegistry.h"

namespace grid {

// A colour written as a number or as a colour identifier such as clWindow.
gfx::TColor ReadListColor(const ui::TPropValue& v, ui::TReadContext& ctx);
void RequireListCollection(const ui::TPropValue& v, ui::TReadContext& ctx);
// One setting of a column description; a name columns do not have fails the read.
void ReadListColumnProperty(TListDropDownColumn& col, const ui::TPropItem& p, ui::TReadContext& ctx);
// ImageIndex or Text.Strings of an item description; false for any other name.
bool ReadListItemProperty(TListDropDownItem& item, const ui::TPropItem& p, ui::TReadContext& ctx);

// Columns = < item … end … >: the columns are replaced by those described.
template <typename TColumns>
void ReadListColumns(TColumns& columns, const ui::TPropValue& v, ui::TReadContext& ctx)
{
    RequireListCollection(v, ctx);
    columns.Clear();
    for (const ui::TCollectionItem& entry : v.Items) {
        auto& col = *columns.Add();
        for (const ui::TPropItem& p : entry.Props) {
            ctx.Line = p.Line;
            ReadListColumnProperty(col, p, ctx);
        }
    }
}

// Items = < item … end … >: the items are replaced by those described. ReadExtra(item, p, ctx)
// reads the settings a family's items add to the shared ones and answers false for other names.
template <typename TItems, typename TReadExtra>
void ReadListItems(TItems& items, const ui::TPropValue& v, ui::TReadContext& ctx, TReadExtra ReadExtra)
{
    RequireListCollection(v, ctx);
    items.Clear();
    for (const ui::TCollectionItem& entry : v.Items) {
        auto& item = *items.Add();
        for (const ui::TPropItem& p : entry.Props) {
            ctx.Line = p.Line;
            if (ReadListItemProperty(item, p, ctx) || ReadExtra(item, p, ctx)) continue;
            ctx.Fail("Property " + p.Name + " does not exist");
        }
    }
}

template <typename TItems>
void ReadListItems(TItems& items, const ui::TPropValue& v, ui::TReadContext& ctx)
{
    ReadListItems(items, v, ctx, [](auto&, const ui::TPropItem&, ui::TReadContext&) { return false; });
}

// Published properties of class T through getters and setters that T or one of its bases has.
template <typename T, typename B>
ui::TPropertyInfo ListColorProperty(gfx::TColor (B::*get)() const, void (B::*set)(gfx::TColor))
{
    ui::TPropertyInfo p = ui::ValueProperty<T>([set](T* x, const ui::TPropValue& v, ui::TReadContext& ctx) {
        (x->*set)(ReadListColor(v, ctx));
    });
    p.Get = [get](rtl::TComponent* c) { return ui::TPropValue::MakeInt((static_cast<T*>(c)->*get)()); };
    return p;
}

template <typename T, typename B>
ui::TPropertyInfo ListIntProperty(int (B::*get)() const, void (B::*set)(int))
{
    return ui::IntProperty<T>([get](T* x) { return static_cast<long long>((x->*get)()); },
                              [set](T* x, long long v) { (x->*set)(static_cast<int>(v)); });
}

template <typename T, typename B>
ui::TPropertyInfo ListBoolProperty(bool (B::*get)() const, void (B::*set)(bool))
{
    return ui::BoolProperty<T>([get](T* x) { return (x->*get)(); }, [set](T* x, bool v) { (x->*set)(v); });
}

// HeaderFont.Name, HeaderFont.Color and HeaderFont.Height of a class with HeaderFont().
template <typename T>
void RegisterListHeaderFont(ui::TClassInfo& c)
{
    c.Property("HeaderFont.Name", ui::ValueProperty<T>([](T* x, const ui::TPropValue& v, ui::TReadContext& ctx) {
                   x->HeaderFont().SetName(ui::ValueToString(v, ctx));
               }));
    c.Property("HeaderFont.Color", ui::ValueProperty<T>([](T* x, const ui::TPropValue& v, ui::TReadContext& ctx) {
                   x->HeaderFont().SetColor(ReadListColor(v, ctx));
               }));
    c.Property("HeaderFont.Height", ui::ValueProperty<T>([](T* x, const ui::TPropValue& v, ui::TReadContext& ctx) {
                   x->HeaderFont().SetHeight(static_cast<int>(ui::ValueToInt(v, ctx)));
               }));
}

}  // namespace grid
