// Registration of the base grid and the string grid with their published properties for form descriptions.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "grid/core/ExtGrid.h"
#include "platform/gfx/Bitmap.h"
#include "grid/core/GridOptionsOwned.h"
#include "grid/core/GridOptionsRecords.h"
#include "grid/core/GridUnitRoutines.h"
#include "grid/data/EsgDragDrop.h"
#include "grid/core/GridTypes.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/ClassRegistry.h"

namespace grid {

namespace {

using ui::TClassInfo;
using ui::TPropertyInfo;
using ui::TPropValue;
using ui::TReadContext;

template <typename T>
TPropertyInfo ColorProp(std::function<gfx::TColor(T*)> get, std::function<void(T*, gfx::TColor)> set)
{
    TPropertyInfo p;
    p.Set = [set](rtl::TComponent* c, const TPropValue& v, TReadContext& ctx) {
        gfx::TColor color = 0;
        if (v.Kind == ui::TValueKind::Integer) {
            color = static_cast<gfx::TColor>(v.Int);
        } else if (v.Kind != ui::TValueKind::Ident || !gfx::IdentToColor(v.Str, color)) {
            ctx.Fail("Invalid property value " + v.ToText() + ": a colour expected");
        }
        set(static_cast<T*>(c), color);
    };
    p.Get = [get](rtl::TComponent* c) {
        gfx::TColor color = get(static_cast<T*>(c));
        std::string ident;
        if (gfx::ColorToIdent(color, ident)) return TPropValue::MakeIdent(ident);
        return TPropValue::MakeInt(color);
    };
    return p;
}

// Settings read and written through a getter and setter pair of the string grid.
template <typename V>
using TGetter = V (TExtStringGrid::*)() const;
template <typename V>
using TSetter = void (TExtStringGrid::*)(V);

TPropertyInfo ColorField(TGetter<gfx::TColor> get, TSetter<gfx::TColor> set)
{
    return ColorProp<TExtStringGrid>([get](TExtStringGrid* g) { return (g->*get)(); },
                                     [set](TExtStringGrid* g, gfx::TColor v) { (g->*set)(v); });
}

TPropertyInfo BoolField(TGetter<bool> get, TSetter<bool> set)
{
    return ui::BoolProperty<TExtStringGrid>([get](TExtStringGrid* g) { return (g->*get)(); },
                                            [set](TExtStringGrid* g, bool v) { (g->*set)(v); });
}

TPropertyInfo IntField(TGetter<int> get, TSetter<int> set)
{
    return ui::IntProperty<TExtStringGrid>([get](TExtStringGrid* g) { return static_cast<long long>((g->*get)()); },
                                           [set](TExtStringGrid* g, long long v) { (g->*set)(static_cast<int>(v)); });
}

TPropertyInfo StringField(TGetter<std::string> get, TSetter<std::string> set)
{
    return ui::StringProperty<TExtStringGrid>([get](TExtStringGrid* g) { return (g->*get)(); },
                                              [set](TExtStringGrid* g, const std::string& v) { (g->*set)(v); });
}

template <typename E>
TPropertyInfo EnumField(std::vector<std::pair<std::string, E>> names, TGetter<E> get, TSetter<E> set)
{
    return ui::EnumProperty<TExtStringGrid, E>(std::move(names), [get](TExtStringGrid* g) { return (g->*get)(); },
                                               [set](TExtStringGrid* g, E v) { (g->*set)(v); });
}

template <typename V>
struct TAccess {
    const char* Name;
    TGetter<V> Get;
    TSetter<V> Set;
};

// A string list written as ColumnHeaders.Strings = ( 'a' 'b' ).
TPropertyInfo StringsField(std::function<rtl::TStringList&(TExtStringGrid*)> list)
{
    return ui::ValueProperty<TExtStringGrid>([list](TExtStringGrid* g, const TPropValue& v, TReadContext& ctx) {
        if (v.Kind != ui::TValueKind::List) ctx.Fail("Invalid property value: a list ( … ) expected");
        rtl::TStringList& strings = list(g);
        strings.BeginUpdate();
        strings.Clear();
        for (const TPropValue& item : v.List) strings.Add(ui::ValueToString(item, ctx));
        strings.EndUpdate();
    });
}

// Name, Size, Height, Color, Style and Charset of a font the grid owns.
void FontProperties(TClassInfo& c, const std::string& prefix, std::function<gfx::TFont&(TExtStringGrid*)> font)
{
    using T = TExtStringGrid;
    c.Property(prefix + ".Name", ui::StringProperty<T>([font](T* g) { return font(g).Name(); },
                                                       [font](T* g, const std::string& v) { font(g).SetName(v); }));
    c.Property(prefix + ".Size", ui::IntProperty<T>([font](T* g) { return font(g).Size(); },
                                                    [font](T* g, long long v) { font(g).SetSize(static_cast<int>(v)); }));
    c.Property(prefix + ".Height",
               ui::IntProperty<T>([font](T* g) { return font(g).Height(); },
                                  [font](T* g, long long v) { font(g).SetHeight(static_cast<int>(v)); }));
    c.Property(prefix + ".Color", ColorProp<T>([font](T* g) { return font(g).Color(); },
                                               [font](T* g, gfx::TColor v) { font(g).SetColor(v); }));
    c.Property(prefix + ".Style",
               ui::SetProperty<T>({{"fsBold", 1u}, {"fsItalic", 2u}, {"fsUnderline", 4u}, {"fsStrikeOut", 8u}},
                                  [font](T* g) { return static_cast<unsigned>(font(g).Style().Bits()); },
                                  [font](T* g, unsigned bits) {
                                      font(g).SetStyle(gfx::TFontStyles::FromBits(static_cast<std::uint8_t>(bits)));
                                  }));
    c.Property(prefix + ".Charset", ui::IgnoredProperty());
}


// Properties of an option object the grid owns, written as "Object.Property".
template <typename O>
struct TOptionRegistrar {
    TClassInfo& Class;
    std::string Prefix;
    std::function<O&(TExtStringGrid*)> Object;

    void Bool(const char* name, bool (O::*get)() const, void (O::*set)(bool))
    {
        auto obj = Object;
        Class.Property(Prefix + name, ui::BoolProperty<TExtStringGrid>([obj, get](TExtStringGrid* g) { return (obj(g).*get)(); },
                                                                       [obj, set](TExtStringGrid* g, bool v) { (obj(g).*set)(v); }));
    }
    void Color(const char* name, gfx::TColor (O::*get)() const, void (O::*set)(gfx::TColor))
    {
        auto obj = Object;
        Class.Property(Prefix + name, ColorProp<TExtStringGrid>([obj, get](TExtStringGrid* g) { return (obj(g).*get)(); },
                                                                [obj, set](TExtStringGrid* g, gfx::TColor v) { (obj(g).*set)(v); }));
    }
    template <typename I>
    void Int(const char* name, I (O::*get)() const, void (O::*set)(I))
    {
        auto obj = Object;
        Class.Property(Prefix + name,
                       ui::IntProperty<TExtStringGrid>([obj, get](TExtStringGrid* g) { return static_cast<long long>((obj(g).*get)()); },
                                                       [obj, set](TExtStringGrid* g, long long v) { (obj(g).*set)(static_cast<I>(v)); }));
    }
    void Text(const char* name, std::string (O::*get)() const, void (O::*set)(std::string))
    {
        auto obj = Object;
        Class.Property(Prefix + name, ui::StringProperty<TExtStringGrid>([obj, get](TExtStringGrid* g) { return (obj(g).*get)(); },
                                                                         [obj, set](TExtStringGrid* g, const std::string& v) { (obj(g).*set)(v); }));
    }
    template <typename E>
    void Enum(const char* name, std::vector<std::pair<std::string, E>> names, E (O::*get)() const, void (O::*set)(E))
    {
        auto obj = Object;
        Class.Property(Prefix + name, ui::EnumProperty<TExtStringGrid, E>(std::move(names),
                                                                          [obj, get](TExtStringGrid* g) { return (obj(g).*get)(); },
                                                                          [obj, set](TExtStringGrid* g, E v) { (obj(g).*set)(v); }));
    }
};

template <typename O>
TOptionRegistrar<O> Options(TClassInfo& c, const char* name, O& (TExtStringGrid::*object)() const)
{
    return TOptionRegistrar<O>{c, std::string(name) + ".", [object](TExtStringGrid* g) -> O& { return (g->*object)(); }};
}

void RegisterControlLook(TClassInfo& c)
{
    using O = TControlLook;
    auto r = Options(c, "ControlLook", &TExtStringGrid::ControlLook);
    r.Enum<TControlStyle>("ControlStyle", {{"csClassic", csClassic}, {"csFlat", csFlat}, {"csWinXP", csWinXP},
                                           {"csBorland", csBorland}, {"csJyx", csJyx}, {"csGlyph", csGlyph}, {"csTheme", csTheme}},
                          &O::ControlStyle, &O::SetControlStyle);
    r.Int("CheckSize", &O::CheckSize, &O::SetCheckSize);
    r.Int("RadioSize", &O::RadioSize, &O::SetRadioSize);
    r.Int("DropDownButtonWidth", &O::DropDownButtonWidth, &O::SetDropDownButtonWidth);
    r.Int("DropDownCount", &O::DropDownCount, &O::SetDropDownCount);
    r.Int("HintMaxWidth", &O::HintMaxWidth, &O::SetHintMaxWidth);
    r.Int("ProgressMarginX", &O::ProgressMarginX, &O::SetProgressMarginX);
    r.Int("ProgressMarginY", &O::ProgressMarginY, &O::SetProgressMarginY);
    r.Int("ProgressHeight", &O::ProgressHeight, &O::SetProgressHeight);
    r.Bool("CheckAlwaysActive", &O::CheckAlwaysActive, &O::SetCheckAlwaysActive);
    r.Bool("RadioAlwaysActive", &O::RadioAlwaysActive, &O::SetRadioAlwaysActive);
    r.Bool("RadioRange", &O::RadioRange, &O::SetRadioRange);
    r.Bool("NoDisabledCheckRadioLook", &O::NoDisabledCheckRadioLook, &O::SetNoDisabledCheckRadioLook);
    r.Bool("NoDisabledButtonLook", &O::NoDisabledButtonLook, &O::SetNoDisabledButtonLook);
    r.Bool("FlatButton", &O::FlatButton, &O::SetFlatButton);
    r.Bool("ButtonPrefix", &O::ButtonPrefix, &O::SetButtonPrefix);
    r.Bool("DropDownAlwaysVisible", &O::DropDownAlwaysVisible, &O::SetDropDownAlwaysVisible);
    r.Bool("SpinButtonsAlwaysVisible", &O::SpinButtonsAlwaysVisible, &O::SetSpinButtonsAlwaysVisible);
    r.Bool("FixedDropDownButton", &O::FixedDropDownButton, &O::SetFixedDropDownButton);
    r.Bool("ProgressXP", &O::ProgressXP, &O::SetProgressXP);
    r.Color("Color", &O::Color, &O::SetColor);
    r.Color("CommentColor", &O::CommentColor, &O::SetCommentColor);
    r.Color("ProgressBorderColor", &O::ProgressBorderColor, &O::SetProgressBorderColor);
    r.Color("FixedGradientFrom", &O::FixedGradientFrom, &O::SetFixedGradientFrom);
    r.Color("FixedGradientTo", &O::FixedGradientTo, &O::SetFixedGradientTo);
    r.Color("FixedGradientMirrorFrom", &O::FixedGradientMirrorFrom, &O::SetFixedGradientMirrorFrom);
    r.Color("FixedGradientMirrorTo", &O::FixedGradientMirrorTo, &O::SetFixedGradientMirrorTo);
    r.Color("FixedGradientHoverFrom", &O::FixedGradientHoverFrom, &O::SetFixedGradientHoverFrom);
    r.Color("FixedGradientHoverTo", &O::FixedGradientHoverTo, &O::SetFixedGradientHoverTo);
    r.Color("FixedGradientHoverMirrorFrom", &O::FixedGradientHoverMirrorFrom, &O::SetFixedGradientHoverMirrorFrom);
    r.Color("FixedGradientHoverMirrorTo", &O::FixedGradientHoverMirrorTo, &O::SetFixedGradientHoverMirrorTo);
    r.Color("FixedGradientHoverBorder", &O::FixedGradientHoverBorder, &O::SetFixedGradientHoverBorder);
    r.Color("FixedGradientDownFrom", &O::FixedGradientDownFrom, &O::SetFixedGradientDownFrom);
    r.Color("FixedGradientDownTo", &O::FixedGradientDownTo, &O::SetFixedGradientDownTo);
    r.Color("FixedGradientDownMirrorFrom", &O::FixedGradientDownMirrorFrom, &O::SetFixedGradientDownMirrorFrom);
    r.Color("FixedGradientDownMirrorTo", &O::FixedGradientDownMirrorTo, &O::SetFixedGradientDownMirrorTo);
    r.Color("FixedGradientDownBorder", &O::FixedGradientDownBorder, &O::SetFixedGradientDownBorder);
}

void RegisterSortAndFilter(TClassInfo& c)
{
    {
        using O = TSortSettings;
        auto r = Options(c, "SortSettings", &TExtStringGrid::SortSettings);
        std::vector<std::pair<std::string, TSortDirection>> dirs{{"sdAscending", sdAscending}, {"sdDescending", sdDescending}};
        r.Int("Column", &O::Column, &O::SetColumn);
        r.Enum("Direction", dirs, &O::Direction, &O::SetDirection);
        r.Enum("InitSortDirection", dirs, &O::InitSortDirection, &O::SetInitSortDirection);
        r.Bool("Show", &O::Show, &O::SetShow);
        r.Bool("IndexShow", &O::IndexShow, &O::SetIndexShow);
        r.Color("IndexColor", &O::IndexColor, &O::SetIndexColor);
        r.Enum<TIndexSortKey>("IndexSortKey", {{"ikShift", ikShift}, {"ikCtrl", ikCtrl}}, &O::IndexSortKey, &O::SetIndexSortKey);
        r.Int("Row", &O::Row, &O::SetRow);
        r.Bool("Full", &O::Full, &O::SetFull);
        r.Bool("SingleColumn", &O::SingleColumn, &O::SetSingleColumn);
        r.Bool("IgnoreBlanks", &O::IgnoreBlanks, &O::SetIgnoreBlanks);
        r.Enum<TSortBlankPosition>("BlankPos", {{"blFirst", blFirst}, {"blLast", blLast}}, &O::BlankPos, &O::SetBlankPos);
        r.Bool("AutoFormat", &O::AutoFormat, &O::SetAutoFormat);
        r.Enum("DefaultFormat", EnumIdentPairs<TSortStyle>(), &O::DefaultFormat, &O::SetDefaultFormat);
        r.Bool("IgnoreCase", &O::IgnoreCase, &O::SetIgnoreCase);
        r.Bool("NormalCellsOnly", &O::NormalCellsOnly, &O::SetNormalCellsOnly);
        r.Bool("FixedCols", &O::FixedCols, &O::SetFixedCols);
        r.Bool("UndoSort", &O::UndoSort, &O::SetUndoSort);
        r.Bool("AutoColumnMerge", &O::AutoColumnMerge, &O::SetAutoColumnMerge);
        r.Bool("AutoSortForGrouping", &O::AutoSortForGrouping, &O::SetAutoSortForGrouping);
        r.Bool("SortOnVirtualCells", &O::SortOnVirtualCells, &O::SetSortOnVirtualCells);
        r.Color("HeaderColor", &O::HeaderColor, &O::SetHeaderColor);
        r.Color("HeaderColorTo", &O::HeaderColorTo, &O::SetHeaderColorTo);
        r.Color("HeaderMirrorColor", &O::HeaderMirrorColor, &O::SetHeaderMirrorColor);
        r.Color("HeaderMirrorColorTo", &O::HeaderMirrorColorTo, &O::SetHeaderMirrorColorTo);
    }
    {
        using O = TFilterDropDown;
        auto r = Options(c, "FilterDropDown", &TExtStringGrid::FilterDropDown);
        r.Bool("AutoSize", &O::AutoSize, &O::SetAutoSize);
        r.Int("Width", &O::Width, &O::SetWidth);
        r.Int("Height", &O::Height, &O::SetHeight);
        r.Bool("ColumnWidth", &O::ColumnWidth, &O::SetColumnWidth);
        r.Color("Color", &O::Color, &O::SetColor);
        r.Text("TextChecked", &O::TextChecked, &O::SetTextChecked);
        r.Text("TextUnChecked", &O::TextUnChecked, &O::SetTextUnChecked);
        r.Bool("CaseSensitive", &O::CaseSensitive, &O::SetCaseSensitive);
        r.Bool("Sorted", &O::Sorted, &O::SetSorted);
        r.Bool("IgnoreHTML", &O::IgnoreHTML, &O::SetIgnoreHTML);
        r.Enum<TFilterMethod>("Method", {{"fmExpression", fmExpression}, {"fmLiteral", fmLiteral}}, &O::Method, &O::SetMethod);
        FontProperties(c, "FilterDropDown.Font", [](TExtStringGrid* g) -> gfx::TFont& { return g->FilterDropDown().Font(); });
    }
    {
        using O = TFilterEdit;
        auto r = Options(c, "FilterEdit", &TExtStringGrid::FilterEdit);
        r.Bool("Enabled", &O::Enabled, &O::SetEnabled);
        r.Int("Row", &O::Row, &O::SetRow);
        r.Enum<TFilterDropDownColumns>("Columns", {{"fdNormal", fdNormal}, {"fdAll", fdAll}}, &O::Columns, &O::SetColumns);
        r.Color("Color", &O::Color, &O::SetColor);
        r.Bool("CaseSensitive", &O::CaseSensitive, &O::SetCaseSensitive);
    }
}

void RegisterGroupingAndDisplay(TClassInfo& c)
{
    {
        using O = TGrouping;
        auto r = Options(c, "Grouping", &TExtStringGrid::Grouping);
        r.Bool("MergeHeader", &O::MergeHeader, &O::SetMergeHeader);
        r.Bool("MergeSummary", &O::MergeSummary, &O::SetMergeSummary);
        r.Bool("Summary", &O::Summary, &O::SetSummary);
        r.Color("HeaderColor", &O::HeaderColor, &O::SetHeaderColor);
        r.Color("HeaderColorTo", &O::HeaderColorTo, &O::SetHeaderColorTo);
        r.Color("HeaderTextColor", &O::HeaderTextColor, &O::SetHeaderTextColor);
        r.Bool("HeaderUnderline", &O::HeaderUnderline, &O::SetHeaderUnderline);
        r.Color("HeaderLineColor", &O::HeaderLineColor, &O::SetHeaderLineColor);
        r.Int("HeaderLineWidth", &O::HeaderLineWidth, &O::SetHeaderLineWidth);
        r.Color("SummaryColor", &O::SummaryColor, &O::SetSummaryColor);
        r.Color("SummaryColorTo", &O::SummaryColorTo, &O::SetSummaryColorTo);
        r.Color("SummaryTextColor", &O::SummaryTextColor, &O::SetSummaryTextColor);
        r.Bool("SummaryLine", &O::SummaryLine, &O::SetSummaryLine);
        r.Color("SummaryLineColor", &O::SummaryLineColor, &O::SetSummaryLineColor);
        r.Int("SummaryLineWidth", &O::SummaryLineWidth, &O::SetSummaryLineWidth);
        r.Bool("ShowGroupCount", &O::ShowGroupCount, &O::SetShowGroupCount);
        r.Text("GroupCountFormat", &O::GroupCountFormat, &O::SetGroupCountFormat);
        r.Bool("AutoSelectGroup", &O::AutoSelectGroup, &O::SetAutoSelectGroup);
        r.Bool("AutoCheckGroup", &O::AutoCheckGroup, &O::SetAutoCheckGroup);
    }
    {
        using O = TBackGround;
        auto r = Options(c, "BackGround", &TExtStringGrid::BackGround);
        r.Enum<TBackGroundDisplay>("Display", {{"bdTile", bdTile}, {"bdFixed", bdFixed}, {"bdGradientHorz", bdGradientHorz},
                                               {"bdGradientVert", bdGradientVert}}, &O::Display, &O::SetDisplay);
        r.Enum<TBackGroundCells>("Cells", {{"bcNormal", bcNormal}, {"bcFixed", bcFixed}, {"bcAll", bcAll}}, &O::Cells, &O::SetCells);
        r.Int("Top", &O::Top, &O::SetTop);
        r.Int("Left", &O::Left, &O::SetLeft);
        r.Color("Color", &O::Color, &O::SetColor);
        r.Color("ColorTo", &O::ColorTo, &O::SetColorTo);
    }
    {
        using O = TFloatingFooter;
        auto r = Options(c, "FloatingFooter", &TExtStringGrid::FloatingFooter);
        r.Bool("Visible", &O::Visible, &O::SetVisible);
        r.Enum<TFooterStyle>("FooterStyle", {{"fsFixedLastRow", fsFixedLastRow}, {"fsColumnPreview", fsColumnPreview},
                                             {"fsCustomPreview", fsCustomPreview}, {"fsCustomPaint", fsCustomPaint}},
                             &O::FooterStyle, &O::SetFooterStyle);
        r.Color("Color", &O::Color, &O::SetColor);
        r.Color("BorderColor", &O::BorderColor, &O::SetBorderColor);
        r.Int("Column", &O::Column, &O::SetColumn);
        r.Bool("ShowHint", &O::ShowHint, &O::SetShowHint);
        r.Bool("CalculateHiddenRows", &O::CalculateHiddenRows, &O::SetCalculateHiddenRows);
        auto obj = r.Object;
        c.Property("FloatingFooter.CustomTemplate",
                   ui::StringProperty<TExtStringGrid>([obj](TExtStringGrid* g) { return obj(g).CustomTemplate(); },
                                                      [obj](TExtStringGrid* g, const std::string& v) { obj(g).SetCustomTemplate(v); }));
    }
    {
        using O = TCellNode;
        auto r = Options(c, "CellNode", &TExtStringGrid::CellNode);
        r.Color("Color", &O::Color, &O::SetColor);
        r.Bool("ExpandOne", &O::ExpandOne, &O::SetExpandOne);
        r.Enum<TNodeType>("NodeType", {{"cnFlat", cnFlat}, {"cn3D", cn3D}, {"cnGlyph", cnGlyph}, {"cnLeaf", cnLeaf}, {"cnXP", cnXP}},
                          &O::NodeType, &O::SetNodeType);
        r.Color("NodeColor", &O::NodeColor, &O::SetNodeColor);
        r.Int("NodeColumn", &O::NodeColumn, &O::SetNodeColumn);
        r.Int("NodeIndent", &O::NodeIndent, &O::SetNodeIndent);
        r.Bool("ShowTree", &O::ShowTree, &O::SetShowTree);
        r.Bool("ShowTreeFull", &O::ShowTreeFull, &O::SetShowTreeFull);
        r.Color("TreeColor", &O::TreeColor, &O::SetTreeColor);
    }
    {
        using O = TSizeWhileTyping;
        auto r = Options(c, "SizeWhileTyping", &TExtStringGrid::SizeWhileTyping);
        r.Bool("Height", &O::Height, &O::SetHeight);
        r.Bool("Width", &O::Width, &O::SetWidth);
    }
    {
        using O = THoverButtons;
        auto r = Options(c, "HoverButtons", &TExtStringGrid::HoverButtons);
        r.Bool("Enabled", &O::Enabled, &O::SetEnabled);
        r.Int("Column", &O::Column, &O::SetColumn);
        r.Enum<THoverButtonPosition>("Position", {{"hbLeftFromColumnLeft", hbLeftFromColumnLeft},
                                                  {"hbRightFromColumnLeft", hbRightFromColumnLeft},
                                                  {"hbLeftFromColumnRight", hbLeftFromColumnRight},
                                                  {"hbRightFromColumnRight", hbRightFromColumnRight}},
                                     &O::Position, &O::SetPosition);
        r.Enum<THoverRows>("Rows", {{"hrAll", hrAll}, {"hrNormal", hrNormal}}, &O::Rows, &O::SetRows);
        r.Bool("MoveActiveRow", &O::MoveActiveRow, &O::SetMoveActiveRow);
    }
}

void RegisterSmallSettings(TClassInfo& c)
{
    {
        using O = TDragDropSettings;
        auto r = Options(c, "DragDropSettings", &TExtStringGrid::DragDropSettings);
        r.Bool("OleDropTarget", &O::OleDropTarget, &O::SetOleDropTarget);
        for (const auto& [name, get, set] : std::initializer_list<std::tuple<const char*, bool (O::*)() const, void (O::*)(bool)>>{
                 {"OleDropSource", &O::OleDropSource, &O::SetOleDropSource}, {"OleAcceptFiles", &O::OleAcceptFiles, &O::SetOleAcceptFiles},
                 {"OleAcceptText", &O::OleAcceptText, &O::SetOleAcceptText}, {"OleAcceptURLs", &O::OleAcceptURLs, &O::SetOleAcceptURLs},
                 {"OleEntireRows", &O::OleEntireRows, &O::SetOleEntireRows}, {"OleInsertRows", &O::OleInsertRows, &O::SetOleInsertRows},
                 {"OleAppendRows", &O::OleAppendRows, &O::SetOleAppendRows}, {"OleRemoveRows", &O::OleRemoveRows, &O::SetOleRemoveRows},
                 {"OleCopyAlways", &O::OleCopyAlways, &O::SetOleCopyAlways}, {"OleColumnDragDrop", &O::OleColumnDragDrop, &O::SetOleColumnDragDrop},
                 {"OleColumnReorder", &O::OleColumnReorder, &O::SetOleColumnReorder}, {"OleColumnsOnly", &O::OleColumnsOnly, &O::SetOleColumnsOnly},
                 {"OleDropRTF", &O::OleDropRTF, &O::SetOleDropRTF}, {"ShowCells", &O::ShowCells, &O::SetShowCells}})
            r.Bool(name, get, set);
    }
    {
        using O = TBalloonSettings;
        auto r = Options(c, "Balloon", &TExtStringGrid::Balloon);
        r.Bool("Enable", &O::Enable, &O::SetEnable);
        r.Bool("ShowCell", &O::ShowCell, &O::SetShowCell);
        r.Color("TextColor", &O::TextColor, &O::SetTextColor);
        r.Color("BackgroundColor", &O::BackgroundColor, &O::SetBackgroundColor);
        r.Int("InitialDelay", &O::InitialDelay, &O::SetInitialDelay);
        r.Int("ReshowDelay", &O::ReshowDelay, &O::SetReshowDelay);
        r.Int("AutoHideDelay", &O::AutoHideDelay, &O::SetAutoHideDelay);
        r.Int("Transparency", &O::Transparency, &O::SetTransparency);
    }
    {
        using O = TShowModified;
        auto r = Options(c, "ShowModified", &TExtStringGrid::ShowModified);
        r.Bool("Enabled", &O::Enabled, &O::SetEnabled);
        r.Color("Color", &O::Color, &O::SetColor);
    }
    {
        auto r = Options(c, "DragScrollOptions", &TExtStringGrid::DragScrollOptions);
        r.Bool("Active", &TDragScrollOptions::Active, &TDragScrollOptions::SetActive);
        TOptionRegistrar<TDragScrollDelays> d{c, "DragScrollOptions.Delays.",
                                              [](TExtStringGrid* g) -> TDragScrollDelays& { return g->DragScrollOptions().Delays(); }};
        d.Int("InitialDelay", &TDragScrollDelays::InitialDelay, &TDragScrollDelays::SetInitialDelay);
        d.Int("RepeatDelay", &TDragScrollDelays::RepeatDelay, &TDragScrollDelays::SetRepeatDelay);
        using M = TDragScrollMargins;
        TOptionRegistrar<M> m{c, "DragScrollOptions.Margins.", [](TExtStringGrid* g) -> M& { return g->DragScrollOptions().Margins(); }};
        m.Int("TopMargin", &M::TopMargin, &M::SetTopMargin);
        m.Int("BottomMargin", &M::BottomMargin, &M::SetBottomMargin);
        m.Int("LeftMargin", &M::LeftMargin, &M::SetLeftMargin);
        m.Int("RightMargin", &M::RightMargin, &M::SetRightMargin);
    }
    {
        using O = TGridProgressAppearance;
        auto r = Options(c, "ProgressAppearance", &TExtStringGrid::ProgressAppearance);
        for (const auto& [name, get, set] : std::initializer_list<std::tuple<const char*, gfx::TColor (O::*)() const, void (O::*)(gfx::TColor)>>{
                 {"CompleteColor", &O::CompleteColor, &O::SetCompleteColor}, {"CompleteFontColor", &O::CompleteFontColor, &O::SetCompleteFontColor},
                 {"UnCompleteColor", &O::UnCompleteColor, &O::SetUnCompleteColor}, {"UnCompleteFontColor", &O::UnCompleteFontColor, &O::SetUnCompleteFontColor},
                 {"Level0Color", &O::Level0Color, &O::SetLevel0Color}, {"Level0ColorTo", &O::Level0ColorTo, &O::SetLevel0ColorTo},
                 {"Level1Color", &O::Level1Color, &O::SetLevel1Color}, {"Level1ColorTo", &O::Level1ColorTo, &O::SetLevel1ColorTo},
                 {"Level2Color", &O::Level2Color, &O::SetLevel2Color}, {"Level2ColorTo", &O::Level2ColorTo, &O::SetLevel2ColorTo},
                 {"Level3Color", &O::Level3Color, &O::SetLevel3Color}, {"Level3ColorTo", &O::Level3ColorTo, &O::SetLevel3ColorTo},
                 {"BorderColor", &O::BorderColor, &O::SetBorderColor}})
            r.Color(name, get, set);
        r.Int("Level1Perc", &O::Level1Perc, &O::SetLevel1Perc);
        r.Int("Level2Perc", &O::Level2Perc, &O::SetLevel2Perc);
        r.Int("Steps", &O::Steps, &O::SetSteps);
        r.Bool("ShowBorder", &O::ShowBorder, &O::SetShowBorder);
        r.Bool("Stacked", &O::Stacked, &O::SetStacked);
        r.Bool("ShowPercentage", &O::ShowPercentage, &O::SetShowPercentage);
        r.Bool("CompletionSmooth", &O::CompletionSmooth, &O::SetCompletionSmooth);
        r.Bool("ShowGradient", &O::ShowGradient, &O::SetShowGradient);
    }
    {
        for (const char* which : {"NegativeNumber", "PositiveNumber"}) {
            bool negative = std::string(which) == "NegativeNumber";
            TOptionRegistrar<TColorSetting> r{c, std::string("AutoColor.") + which + ".",
                                              [negative](TExtStringGrid* g) -> TColorSetting& {
                                                  return negative ? g->AutoColor().NegativeNumber() : g->AutoColor().PositiveNumber();
                                              }};
            r.Color("TextColor", &TColorSetting::TextColor, &TColorSetting::SetTextColor);
            r.Color("BkgColor", &TColorSetting::BkgColor, &TColorSetting::SetBkgColor);
        }
    }
}

void RegisterBaseGrid(ui::TClassRegistry& r)
{
    using T = TBaseGrid;
    TClassInfo& c = r.RegisterAbstract<TBaseGrid>("TBaseGrid", "TObjStringGrid");
    c.Property("ActiveRowShow", ui::BoolProperty<T>([](T* g) { return g->ActiveRowShow(); },
                                                    [](T* g, bool v) { g->SetActiveRowShow(v); }));
    c.Property("ActiveRowColor", ColorProp<T>([](T* g) { return g->ActiveRowColor(); },
                                              [](T* g, gfx::TColor v) { g->SetActiveRowColor(v); }));
    c.Property("DefaultDrawing", ui::BoolProperty<T>([](T* g) { return g->DefaultDrawing(); },
                                                     [](T* g, bool v) { g->SetDefaultDrawing(v); }));
    c.Property("GridLineWidth", ui::IntProperty<T>([](T* g) { return g->GridLineWidth(); },
                                                   [](T* g, long long v) { g->SetGridLineWidth(static_cast<int>(v)); }));
    c.Property("GridLineColor", ColorProp<T>([](T* g) { return g->GridLineColor(); },
                                             [](T* g, gfx::TColor v) { g->SetGridLineColor(v); }));
    c.Property("GridFixedLineColor", ColorProp<T>([](T* g) { return g->GridFixedLineColor(); },
                                                  [](T* g, gfx::TColor v) { g->SetGridFixedLineColor(v); }));
    c.Property("HoverRow", ui::BoolProperty<T>([](T* g) { return g->HoverRow(); },
                                               [](T* g, bool v) { g->SetHoverRow(v); }));
    c.Property("HoverRowColor", ColorProp<T>([](T* g) { return g->HoverRowColor(); },
                                             [](T* g, gfx::TColor v) { g->SetHoverRowColor(v); }));
    c.Property("HoverRowColorTo", ColorProp<T>([](T* g) { return g->HoverRowColorTo(); },
                                               [](T* g, gfx::TColor v) { g->SetHoverRowColorTo(v); }));
    std::vector<std::pair<std::string, unsigned>> hoverCells;
    auto idents = EnumIdents<THoverRowCell>();
    for (std::size_t i = 0; i < idents.size(); ++i) hoverCells.emplace_back(idents[i], 1u << i);
    c.Property("HoverRowCells", ui::SetProperty<T>(hoverCells, [](T* g) { return unsigned(g->HoverRowCells().Bits()); },
                                                   [](T* g, unsigned v) {
                                                       g->SetHoverRowCells(THoverRowCells::FromBits(std::uint8_t(v)));
                                                   }));
    c.Property("OnGetDisplText", ui::EventProperty(&T::OnGetDisplText));
    c.Property("OnGetDisplWideText", ui::EventProperty(&T::OnGetDisplWideText));
}

// The most rows or columns a form description may give a grid. The grid keeps
// books per row and per column, so a damaged description's count of billions
// is refused with the reader's error instead of allocating gigabytes.
constexpr long long MaxDescribedCount = 1000000;

int DescribedCount(long long value)
{
    if (value > MaxDescribedCount)
        throw rtl::Exception("Invalid property value " + std::to_string(value) + ": at most " +
                             std::to_string(MaxDescribedCount) + " expected");
    return static_cast<int>(std::max<long long>(value, std::numeric_limits<int>::min()));
}

void RegisterLayout(TClassInfo& c)
{
    using T = TExtStringGrid;
    c.Property("ColCount", ui::IntProperty<T>([](T* g) { return g->ColCount(); },
                                              [](T* g, long long v) { g->SetColCount(DescribedCount(v)); }));
    c.Property("RowCount", ui::IntProperty<T>([](T* g) { return g->RowCount(); },
                                              [](T* g, long long v) { g->SetRowCount(DescribedCount(v)); }));
    c.Property("FixedRowHeight", ui::IntProperty<T>([](T* g) { return g->FixedRowHeight(); },
                                                    [](T* g, long long v) { g->SetFixedRowHeight(int(v)); }));
    c.Property("FixedColWidth", ui::IntProperty<T>([](T* g) { return g->FixedColWidth(); },
                                                   [](T* g, long long v) { g->SetFixedColWidth(int(v)); }));
    c.Property("WordWrap", ui::BoolProperty<T>([](T* g) { return g->WordWrap(); },
                                               [](T* g, bool v) { g->SetWordWrap(v); }));
    c.Property("DefaultAlignment", ui::EnumProperty<T, ui::TAlignment>(
                                       {{"taLeftJustify", ui::taLeftJustify}, {"taRightJustify", ui::taRightJustify},
                                        {"taCenter", ui::taCenter}},
                                       [](T* g) { return g->DefaultAlignment(); },
                                       [](T* g, ui::TAlignment v) { g->SetDefaultAlignment(v); }));
    c.Property("VAlignment", ui::EnumProperty<T, TVAlignment>(EnumIdentPairs<TVAlignment>(),
                                                              [](T* g) { return g->VAlignment(); },
                                                              [](T* g, TVAlignment v) { g->SetVAlignment(v); }));
    c.Property("ColumnHeaders.Strings", StringsField([](T* g) -> rtl::TStringList& { return g->ColumnHeaders(); }));
    c.Property("RowHeaders.Strings", StringsField([](T* g) -> rtl::TStringList& { return g->RowHeaders(); }));
    c.Property("FixedFooters", IntField(&T::FixedFooters, &T::SetFixedFooters));
    c.Property("FixedRightCols", IntField(&T::FixedRightCols, &T::SetFixedRightCols));
    c.Property("FixedRowAlways", BoolField(&T::FixedRowAlways, &T::SetFixedRowAlways));
    c.Property("FixedColAlways", BoolField(&T::FixedColAlways, &T::SetFixedColAlways));
    c.Property("IntegralHeight", BoolField(&T::IntegralHeight, &T::SetIntegralHeight));
    c.Property("AutoSize", BoolField(&T::AutoSizeColumnsOnLoad, &T::SetAutoSizeColumnsOnLoad));
    c.Property("AutoNumAlign", BoolField(&T::AutoNumAlign, &T::SetAutoNumAlign));
    c.Property("Multilinecells", BoolField(&T::Multilinecells, &T::SetMultilinecells));
    c.Property("SizeWithForm", BoolField(&T::SizeWithForm, &T::SetSizeWithForm));
    c.Property("EnhTextSize", BoolField(&T::EnhTextSize, &T::SetEnhTextSize));
    c.Property("ScrollBarAlways", ui::EnumProperty<T, TScrollBarAlways>(
                                      {{"saNone", saNone}, {"saVert", saVert}, {"saHorz", saHorz}, {"saBoth", saBoth}},
                                      [](T* g) { return g->ScrollBarAlways(); },
                                      [](T* g, TScrollBarAlways v) { g->SetScrollBarAlways(v); }));
    c.Property("ScrollType", EnumField<TScrollType>({{"ssNormal", ssNormal}, {"ssFlat", ssFlat},
                                                     {"ssEncarta", ssEncarta}, {"ssMetro", ssMetro}},
                                                    &T::ScrollType, &T::SetScrollType));
    c.Property("ScrollColor", ColorField(&T::ScrollColor, &T::SetScrollColor));
    c.Property("ScrollWidth", IntField(&T::ScrollWidth, &T::SetScrollWidth));
    c.Property("ScrollProportional", BoolField(&T::ScrollProportional, &T::SetScrollProportional));
    c.Property("ScrollSynch", BoolField(&T::ScrollSynch, &T::SetScrollSynch));
    c.Property("EnableWheel", BoolField(&T::EnableWheel, &T::SetEnableWheel));
    c.Property("IntelliZoom", BoolField(&T::IntelliZoom, &T::SetIntelliZoom));
    c.Property("UseStyleServices", BoolField(&T::UseStyleServices, &T::SetUseStyleServices));
}

void RegisterLook(TClassInfo& c)
{
    using T = TExtStringGrid;
    c.Property("Look", ui::EnumProperty<T, TGridLook>(
                           {{"glStandard", glStandard}, {"glSoft", glSoft}, {"glClassic", glClassic}, {"glJyx", glJyx},
                            {"glXP", glXP}, {"glListView", glListView}, {"glVista", glVista}, {"glWin7", glWin7},
                            {"glOffice2007", glOffice2007}, {"glCustom", glCustom}},
                           [](T* g) { return g->Look(); }, [](T* g, TGridLook v) { g->SetLook(v); }));
    c.Property("BorderColor", ColorProp<T>([](T* g) { return g->BorderColor(); },
                                           [](T* g, gfx::TColor v) { g->SetBorderColor(v); }));
    FontProperties(c, "FixedFont", [](T* g) -> gfx::TFont& { return g->FixedFont(); });
    FontProperties(c, "ActiveCellFont", [](T* g) -> gfx::TFont& { return g->ActiveCellFont(); });
    for (const auto& a : std::initializer_list<TAccess<bool>>{
             {"Flat", &T::Flat, &T::SetFlat}, {"AutoThemeAdapt", &T::AutoThemeAdapt, &T::SetAutoThemeAdapt}, {"ShowDesignHelper", &T::ShowDesignHelper, &T::SetShowDesignHelper},
             {"ActiveCellShow", &T::ActiveCellShow, &T::SetActiveCellShow}, {"SelectionColorMixer", &T::SelectionColorMixer, &T::SetSelectionColorMixer},
             {"SelectionRectangle", &T::SelectionRectangle, &T::SetSelectionRectangle}, {"SelectionResizer", &T::SelectionResizer, &T::SetSelectionResizer},
             {"SelectionRTFKeep", &T::SelectionRTFKeep, &T::SetSelectionRTFKeep}, {"ShowSelection", &T::ShowSelection, &T::SetShowSelection},
             {"AutoHideSelection", &T::AutoHideSelection, &T::SetAutoHideSelection}, {"ShowFocusedSelectionColor", &T::ShowFocusedSelectionColor, &T::SetShowFocusedSelectionColor},
             {"UseSelectionTextColor", &T::UseSelectionTextColor, &T::SetUseSelectionTextColor}, {"HideFocusRect", &T::HideFocusRect, &T::SetHideFocusRect},
             {"Hovering", &T::Hovering, &T::SetHovering}, {"URLShow", &T::URLShow, &T::SetURLShow}, {"URLShowInText", &T::URLShowInText, &T::SetURLShowInText},
             {"URLUnderlineOnHover", &T::URLUnderlineOnHover, &T::SetURLUnderlineOnHover}, {"URLFull", &T::URLFull, &T::SetURLFull}, {"URLEdit", &T::URLEdit, &T::SetURLEdit},
             {"HintShowCells", &T::HintShowCells, &T::SetHintShowCells}, {"HintShowLargeText", &T::HintShowLargeText, &T::SetHintShowLargeText},
             {"HintShowSizing", &T::HintShowSizing, &T::SetHintShowSizing}, {"HTMLHint", &T::HTMLHint, &T::SetHTMLHint},
             {"HTMLKeepLineBreak", &T::HTMLKeepLineBreak, &T::SetHTMLKeepLineBreak}, {"AnchorHint", &T::AnchorHint, &T::SetAnchorHint},
             {"UseInternalHintClass", &T::UseInternalHintClass, &T::SetUseInternalHintClass}, {"EnableHTML", &T::EnableHTML, &T::SetEnableHTML},
             {"EnableBlink", &T::EnableBlink, &T::SetEnableBlink}, {"ExcelStyleDecimalSeparator", &T::ExcelStyleDecimalSeparator, &T::SetExcelStyleDecimalSeparator}})
        c.Property(a.Name, BoolField(a.Get, a.Set));
    for (const auto& a : std::initializer_list<TAccess<gfx::TColor>>{
             {"ActiveCellColor", &T::ActiveCellColor, &T::SetActiveCellColor}, {"ActiveCellColorTo", &T::ActiveCellColorTo, &T::SetActiveCellColorTo},
             {"DisabledFontColor", &T::DisabledFontColor, &T::SetDisabledFontColor}, {"HighlightColor", &T::HighlightColor, &T::SetHighlightColor},
             {"HighlightTextColor", &T::HighlightTextColor, &T::SetHighlightTextColor}, {"SelectionColor", &T::SelectionColor, &T::SetSelectionColor},
             {"SelectionColorTo", &T::SelectionColorTo, &T::SetSelectionColorTo}, {"SelectionMirrorColor", &T::SelectionMirrorColor, &T::SetSelectionMirrorColor},
             {"SelectionMirrorColorTo", &T::SelectionMirrorColorTo, &T::SetSelectionMirrorColorTo}, {"SelectionTextColor", &T::SelectionTextColor, &T::SetSelectionTextColor},
             {"URLColor", &T::URLColor, &T::SetURLColor}, {"HintColor", &T::HintColor, &T::SetHintColor}})
        c.Property(a.Name, ColorField(a.Get, a.Set));
    c.Property("SelectionColorMixerFactor", IntField(&T::SelectionColorMixerFactor, &T::SetSelectionColorMixerFactor));
    c.Property("HintShowLargeTextPos", EnumField<THintShowLargeTextPos>({{"hpCell", hpCell}, {"hpCursor", hpCursor}},
                                                                       &T::HintShowLargeTextPos, &T::SetHintShowLargeTextPos));
    c.Property("HoverFixedCells", EnumField<THoverFixedCells>({{"hfNone", hfNone}, {"hfAll", hfAll},
                                                               {"hfFixedRows", hfFixedRows}, {"hfFixedColumns", hfFixedColumns}},
                                                              &T::HoverFixedCells, &T::SetHoverFixedCells));
}

void RegisterEditingAndData(TClassInfo& c)
{
    using T = TExtStringGrid;
    c.Property("DefaultEditor", EnumField<TEditorType>(EnumIdentPairs<TEditorType>(), &T::DefaultEditor, &T::SetDefaultEditor));
    for (const auto& a : std::initializer_list<TAccess<bool>>{
             {"EditWithTags", &T::EditWithTags, &T::SetEditWithTags}, {"EnhRowColMove", &T::EnhRowColMove, &T::SetEnhRowColMove}, {"Lookup", &T::Lookup, &T::SetLookup},
             {"LookupCaseSensitive", &T::LookupCaseSensitive, &T::SetLookupCaseSensitive}, {"LookupHistory", &T::LookupHistory, &T::SetLookupHistory},
             {"OemConvert", &T::OemConvert, &T::SetOemConvert}, {"FilterActive", &T::FilterActive, &T::SetFilterActive},
             {"FilterNormalCellsOnly", &T::FilterNormalCellsOnly, &T::SetFilterNormalCellsOnly}, {"AutoFilterUpdate", &T::AutoFilterUpdate, &T::SetAutoFilterUpdate},
             {"FilterDropDownAuto", &T::FilterDropDownAuto, &T::SetFilterDropDownAuto}, {"FilterDropDownMultiCol", &T::FilterDropDownMultiCol, &T::SetFilterDropDownMultiCol},
             {"FilterDropDownCheck", &T::FilterDropDownCheck, &T::SetFilterDropDownCheck}})
        c.Property(a.Name, BoolField(a.Get, a.Set));
    c.Property("MaxEditLength", IntField(&T::MaxEditLength, &T::SetMaxEditLength));
    c.Property("MaxComboLength", IntField(&T::MaxComboLength, &T::SetMaxComboLength));
    c.Property("FilterDropDownRow", IntField(&T::FilterDropDownRow, &T::SetFilterDropDownRow));
    c.Property("FilterDropDownClear", StringField(&T::FilterDropDownClear, &T::SetFilterDropDownClear));
    c.Property("ValidChars", StringField(&T::ValidChars, &T::SetValidChars));
    c.Property("InvalidEntryTitle", StringField(&T::InvalidEntryTitle, &T::SetInvalidEntryTitle));
    c.Property("InvalidEntryText", StringField(&T::InvalidEntryText, &T::SetInvalidEntryText));
    c.Property("InvalidEntryIcon", EnumField<TInvalidEntryIcon>(
                                       {{"ieNone", ieNone}, {"ieInfo", ieInfo}, {"ieWarning", ieWarning}, {"ieError", ieError}},
                                       &T::InvalidEntryIcon, &T::SetInvalidEntryIcon));
    c.Property("FloatFormat", ui::StringProperty<T>([](T* g) { return g->FloatFormat(); },
                                                    [](T* g, const std::string& v) { g->SetFloatFormat(v); }));
    c.Property("FormatType", EnumField<TFormatType>({{"ftVCL", ftVCL}, {"ftExcel", ftExcel}}, &T::FormatType, &T::SetFormatType));
    // The version is the component's own; a stored value is read and ignored.
    c.Property("Version", ui::StringProperty<T>([](T* g) { return g->Version(); }, [](T*, const std::string&) {}));
    c.Property("OnResize", ui::EventProperty(&T::OnResize));
    c.Property("OnCellsChanged", ui::EventProperty(&T::OnCellsChanged));
}

void RegisterPublishedSettings(TClassInfo& c)
{
    using T = TExtStringGrid;
    c.Property("IntelliPan", EnumField<TIntelliPan>({{"ipVertical", ipVertical}, {"ipHorizontal", ipHorizontal},
                                                     {"ipBoth", ipBoth}, {"ipNone", ipNone}},
                                                    &T::IntelliPan, &T::SetIntelliPan));
    c.Property("FilterType", EnumField<TGridFilterType>({{"ftHide", ftHide}, {"ftSuppress", ftSuppress}},
                                                        &T::FilterType, &T::SetFilterType));
    c.Property("FilterDropDownColumns", EnumField<TFilterDropDownColumns>({{"fdNormal", fdNormal}, {"fdAll", fdAll}},
                                                                          &T::FilterDropDownColumns,
                                                                          &T::SetFilterDropDownColumns));
    c.Property("FilterDropDownCheckUnCheckAll",
               BoolField(&T::FilterDropDownCheckUnCheckAll, &T::SetFilterDropDownCheckUnCheckAll));
    c.Property("FixedAsButtons", BoolField(&T::FixedAsButtons, &T::SetFixedAsButtons));
    c.Property("PopupToolBarMode", EnumField<TPopupToolBarMode>({{"tbActiveCell", tbActiveCell}, {"tbSelection", tbSelection}},
                                                                &T::PopupToolBarMode, &T::SetPopupToolBarMode));
    c.Property("ScrollHints", EnumField<TScrollHintType>({{"shNone", shNone}, {"shHorizontal", shHorizontal},
                                                          {"shVertical", shVertical}, {"shBoth", shBoth}},
                                                         &T::ScrollHints, &T::SetScrollHints));
    using TLink = std::pair<const char*, std::pair<rtl::TComponent* (T::*)() const, void (T::*)(rtl::TComponent*)>>;
    for (const TLink& l : std::initializer_list<TLink>{
             {"FixedDropDownMenu", {&T::FixedDropDownMenu, &T::SetFixedDropDownMenu}},
             {"PopupToolBar", {&T::PopupToolBar, &T::SetPopupToolBar}},
             {"GridImages", {&T::GridImages, &T::SetGridImages}},
             {"PictureContainer", {&T::PictureContainer, &T::SetPictureContainer}},
             {"CellChecker", {&T::CellChecker, &T::SetCellChecker}}}) {
        auto get = l.second.first;
        auto set = l.second.second;
        c.Property(l.first, ui::ComponentProperty<T, rtl::TComponent>([get](T* g) { return (g->*get)(); },
                                                                      [set](T* g, rtl::TComponent* v) { (g->*set)(v); }));
    }
    c.Property("LookupItems.Strings", StringsField([](T* g) -> rtl::TStringList& { return g->LookupItems(); }));
    // The row indicator picture: the stored bitmap, after its 4-byte length when one leads it.
    c.Property("RowIndicator.Data", ui::ValueProperty<T>([](T* g, const TPropValue& v, TReadContext& ctx) {
                   if (v.Kind != ui::TValueKind::Binary) ctx.Fail("Invalid property value: binary data { … } expected");
                   std::string bytes = v.Str;
                   std::uint32_t size = 0;
                   if (bytes.size() >= 4) std::memcpy(&size, bytes.data(), 4);
                   if (bytes.size() >= 4 && size == bytes.size() - 4) bytes.erase(0, 4);
                   g->RowIndicator().LoadFromBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
               }));
    auto bands = [](T* g) -> TBands& { return g->Bands(); };
    TOptionRegistrar<TBands> b{c, "Bands.", bands};
    b.Bool("Active", &TBands::Active, &TBands::SetActive);
    b.Color("PrimaryColor", &TBands::PrimaryColor, &TBands::SetPrimaryColor);
    b.Color("SecondaryColor", &TBands::SecondaryColor, &TBands::SetSecondaryColor);
    b.Int("PrimaryLength", &TBands::PrimaryLength, &TBands::SetPrimaryLength);
    b.Int("SecondaryLength", &TBands::SecondaryLength, &TBands::SetSecondaryLength);
}

// Settings of the option objects the grid owns and copies by value, written as "Object.Property".
void RegisterOwnedRecords(TClassInfo& c)
{
    using T = TExtStringGrid;
    {
        TOptionRegistrar<TSearchFooter> r{c, "SearchFooter.", [](T* g) -> TSearchFooter& { return g->SearchFooter(); }};
        r.Bool("AlwaysHighLight", &TSearchFooter::AlwaysHighLight, &TSearchFooter::SetAlwaysHighLight);
        r.Bool("IgnoreHTML", &TSearchFooter::IgnoreHTML, &TSearchFooter::SetIgnoreHTML);
        r.Bool("IgnoreAccents", &TSearchFooter::IgnoreAccents, &TSearchFooter::SetIgnoreAccents);
        r.Text("ResultFormat", &TSearchFooter::ResultFormat, &TSearchFooter::SetResultFormat);
        r.Bool("SearchActiveColumnOnly", &TSearchFooter::SearchActiveColumnOnly, &TSearchFooter::SetSearchActiveColumnOnly);
        r.Int("SearchColumn", &TSearchFooter::SearchColumn, &TSearchFooter::SetSearchColumn);
        r.Bool("SearchMatchStart", &TSearchFooter::SearchMatchStart, &TSearchFooter::SetSearchMatchStart);
        r.Bool("SearchFixedCells", &TSearchFooter::SearchFixedCells, &TSearchFooter::SetSearchFixedCells);
        r.Bool("SearchHiddenRows", &TSearchFooter::SearchHiddenRows, &TSearchFooter::SetSearchHiddenRows);
        r.Color("SearchErrorColor", &TSearchFooter::SearchErrorColor, &TSearchFooter::SetSearchErrorColor);
        r.Bool("SearchFromFocusCell", &TSearchFooter::SearchFromFocusCell, &TSearchFooter::SetSearchFromFocusCell);
        r.Enum<THighlightType>("HighLight", {{"hMatchingText", hMatchingText}, {"hFullCell", hFullCell}},
                               &TSearchFooter::HighLight, &TSearchFooter::SetHighLight);
        r.Enum<TSearchDirection>("SearchDirection", {{"sdTopBottom", sdTopBottom}, {"sdLeftRight", sdLeftRight}},
                                 &TSearchFooter::SearchDirection, &TSearchFooter::SetSearchDirection);
        r.Enum<TSearchType>("SearchType", {{"stSearch", stSearch}, {"stNarrowDown", stNarrowDown}},
                            &TSearchFooter::SearchType, &TSearchFooter::SetSearchType);
    }
    {
        TOptionRegistrar<TNavigation> r{c, "Navigation.", [](T* g) -> TNavigation& { return g->Navigation(); }};
        r.Bool("AllowInsertRow", &TNavigation::AllowInsertRow, &TNavigation::SetAllowInsertRow);
        r.Bool("AllowDeleteRow", &TNavigation::AllowDeleteRow, &TNavigation::SetAllowDeleteRow);
        r.Bool("AdvanceOnEnter", &TNavigation::AdvanceOnEnter, &TNavigation::SetAdvanceOnEnter);
        r.Bool("AutoGotoWhenSorted", &TNavigation::AutoGotoWhenSorted, &TNavigation::SetAutoGotoWhenSorted);
        r.Bool("AutoGotoIncremental", &TNavigation::AutoGotoIncremental, &TNavigation::SetAutoGotoIncremental);
        r.Bool("AutoComboDropSize", &TNavigation::AutoComboDropSize, &TNavigation::SetAutoComboDropSize);
        r.Bool("AutoComboSelect", &TNavigation::AutoComboSelect, &TNavigation::SetAutoComboSelect);
        r.Bool("AllowClipboardShortCuts", &TNavigation::AllowClipboardShortCuts, &TNavigation::SetAllowClipboardShortCuts);
        r.Bool("AllowRTFClipboard", &TNavigation::AllowRTFClipboard, &TNavigation::SetAllowRTFClipboard);
        r.Bool("AllowSmartClipboard", &TNavigation::AllowSmartClipboard, &TNavigation::SetAllowSmartClipboard);
        r.Bool("AllowClipboardAlways", &TNavigation::AllowClipboardAlways, &TNavigation::SetAllowClipboardAlways);
        r.Bool("AllowClipboardColGrow", &TNavigation::AllowClipboardColGrow, &TNavigation::SetAllowClipboardColGrow);
        r.Bool("AllowClipboardRowGrow", &TNavigation::AllowClipboardRowGrow, &TNavigation::SetAllowClipboardRowGrow);
        r.Bool("CopyHTMLTagsToClipboard", &TNavigation::CopyHTMLTagsToClipboard, &TNavigation::SetCopyHTMLTagsToClipboard);
        r.Bool("AdvanceAutoEdit", &TNavigation::AdvanceAutoEdit, &TNavigation::SetAdvanceAutoEdit);
        r.Bool("CursorWalkEditor", &TNavigation::CursorWalkEditor, &TNavigation::SetCursorWalkEditor);
        r.Bool("CursorWalkAlwaysEdit", &TNavigation::CursorWalkAlwaysEdit, &TNavigation::SetCursorWalkAlwaysEdit);
        r.Bool("MoveRowOnSort", &TNavigation::MoveRowOnSort, &TNavigation::SetMoveRowOnSort);
        r.Bool("KeepScrollOnSort", &TNavigation::KeepScrollOnSort, &TNavigation::SetKeepScrollOnSort);
        r.Bool("ImproveMaskSel", &TNavigation::ImproveMaskSel, &TNavigation::SetImproveMaskSel);
        r.Bool("AlwaysEdit", &TNavigation::AlwaysEdit, &TNavigation::SetAlwaysEdit);
        r.Bool("LineFeedOnEnter", &TNavigation::LineFeedOnEnter, &TNavigation::SetLineFeedOnEnter);
        r.Bool("KeepHorizScroll", &TNavigation::KeepHorizScroll, &TNavigation::SetKeepHorizScroll);
        r.Bool("AllowFmtClipboard", &TNavigation::AllowFmtClipboard, &TNavigation::SetAllowFmtClipboard);
        r.Bool("TabToNextAtEnd", &TNavigation::TabToNextAtEnd, &TNavigation::SetTabToNextAtEnd);
        r.Bool("EditSelectAll", &TNavigation::EditSelectAll, &TNavigation::SetEditSelectAll);
        r.Bool("SkipFixedCells", &TNavigation::SkipFixedCells, &TNavigation::SetSkipFixedCells);
        r.Bool("SkipDisabledRows", &TNavigation::SkipDisabledRows, &TNavigation::SetSkipDisabledRows);
        r.Bool("AllowCtrlEnter", &TNavigation::AllowCtrlEnter, &TNavigation::SetAllowCtrlEnter);
        r.Bool("AppendOnArrowDown", &TNavigation::AppendOnArrowDown, &TNavigation::SetAppendOnArrowDown);
        r.Bool("LeftRightRowSelect", &TNavigation::LeftRightRowSelect, &TNavigation::SetLeftRightRowSelect);
        r.Bool("MoveScrollOnly", &TNavigation::MoveScrollOnly, &TNavigation::SetMoveScrollOnly);
        r.Bool("ComboGetUpDown", &TNavigation::ComboGetUpDown, &TNavigation::SetComboGetUpDown);
        r.Bool("AdvanceOnEnterLoop", &TNavigation::AdvanceOnEnterLoop, &TNavigation::SetAdvanceOnEnterLoop);
        r.Bool("AdvanceSkipReadOnlyCells", &TNavigation::AdvanceSkipReadOnlyCells, &TNavigation::SetAdvanceSkipReadOnlyCells);
        r.Bool("CursorMoveRows", &TNavigation::CursorMoveRows, &TNavigation::SetCursorMoveRows);
        r.Bool("AllowEditButtonCells", &TNavigation::AllowEditButtonCells, &TNavigation::SetAllowEditButtonCells);
        r.Bool("MoveRowOnScroll", &TNavigation::MoveRowOnScroll, &TNavigation::SetMoveRowOnScroll);
        const std::vector<std::pair<std::string, TAdvanceDirection>> directions{
            {"adLeftRight", adLeftRight}, {"adTopBottom", adTopBottom}, {"adLeftRightInRow", adLeftRightInRow},
            {"adTopBottomInCol", adTopBottomInCol}};
        r.Enum<TAdvanceDirection>("AdvanceDirection", directions, &TNavigation::AdvanceDirection,
                                  &TNavigation::SetAdvanceDirection);
        r.Enum<TAdvanceDirection>("TabAdvanceDirection", directions, &TNavigation::TabAdvanceDirection,
                                  &TNavigation::SetTabAdvanceDirection);
        r.Enum<TClipboardPasteAction>("ClipboardPasteAction", {{"paReplace", paReplace}, {"paInsert", paInsert}},
                                      &TNavigation::ClipboardPasteAction, &TNavigation::SetClipboardPasteAction);
        r.Enum<TClipboardCutAction>("ClipboardCutAction", {{"caClear", caClear}, {"caRemove", caRemove}},
                                    &TNavigation::ClipboardCutAction, &TNavigation::SetClipboardCutAction);
        r.Enum<TInsertPosition>("InsertPosition", {{"pInsertBefore", pInsertBefore}, {"pInsertAfter", pInsertAfter}},
                                &TNavigation::InsertPosition, &TNavigation::SetInsertPosition);
        r.Enum<THomeEndAction>("HomeEndKey", {{"heFirstLastColumn", heFirstLastColumn}, {"heFirstLastRow", heFirstLastRow},
                                              {"heFirstLastCell", heFirstLastCell}, {"heDefault", heDefault}},
                               &TNavigation::HomeEndKey, &TNavigation::SetHomeEndKey);
        r.Enum<TCursorAdvance>("CursorAdvance", {{"caDefault", caDefault}, {"caSnake", caSnake}, {"caLoop", caLoop}},
                               &TNavigation::CursorAdvance, &TNavigation::SetCursorAdvance);
        r.Enum<TToggleTriStateCheck>("ToggleTriStateCheck", {{"tsAllStates", tsAllStates}, {"tsCheckUnCheck", tsCheckUnCheck}},
                                     &TNavigation::ToggleTriStateCheck, &TNavigation::SetToggleTriStateCheck);
    }
    {
        TOptionRegistrar<TMouseActions> r{c, "MouseActions.", [](T* g) -> TMouseActions& { return g->MouseActions(); }};
        r.Bool("ColSelect", &TMouseActions::ColSelect, &TMouseActions::SetColSelect);
        r.Bool("RowSelect", &TMouseActions::RowSelect, &TMouseActions::SetRowSelect);
        r.Bool("AllSelect", &TMouseActions::AllSelect, &TMouseActions::SetAllSelect);
        r.Bool("DirectEdit", &TMouseActions::DirectEdit, &TMouseActions::SetDirectEdit);
        r.Bool("DirectComboDrop", &TMouseActions::DirectComboDrop, &TMouseActions::SetDirectComboDrop);
        r.Bool("DirectComboClose", &TMouseActions::DirectComboClose, &TMouseActions::SetDirectComboClose);
        r.Bool("DirectDateClose", &TMouseActions::DirectDateClose, &TMouseActions::SetDirectDateClose);
        r.Bool("DirectDateDrop", &TMouseActions::DirectDateDrop, &TMouseActions::SetDirectDateDrop);
        r.Bool("AllColumnSize", &TMouseActions::AllColumnSize, &TMouseActions::SetAllColumnSize);
        r.Bool("AllRowSize", &TMouseActions::AllRowSize, &TMouseActions::SetAllRowSize);
        r.Bool("CaretPositioning", &TMouseActions::CaretPositioning, &TMouseActions::SetCaretPositioning);
        r.Bool("SizeFixedCol", &TMouseActions::SizeFixedCol, &TMouseActions::SetSizeFixedCol);
        r.Bool("SizeFixedRow", &TMouseActions::SizeFixedRow, &TMouseActions::SetSizeFixedRow);
        r.Bool("RangeSelectAndEdit", &TMouseActions::RangeSelectAndEdit, &TMouseActions::SetRangeSelectAndEdit);
        r.Bool("NoAutoRangeScroll", &TMouseActions::NoAutoRangeScroll, &TMouseActions::SetNoAutoRangeScroll);
        r.Bool("PreciseCheckBoxCheck", &TMouseActions::PreciseCheckBoxCheck, &TMouseActions::SetPreciseCheckBoxCheck);
        r.Bool("PreciseNodeClick", &TMouseActions::PreciseNodeClick, &TMouseActions::SetPreciseNodeClick);
        r.Bool("CheckAllCheck", &TMouseActions::CheckAllCheck, &TMouseActions::SetCheckAllCheck);
        r.Bool("NodeAllExpandContract", &TMouseActions::NodeAllExpandContract, &TMouseActions::SetNodeAllExpandContract);
        r.Bool("MoveRowOnNodeClick", &TMouseActions::MoveRowOnNodeClick, &TMouseActions::SetMoveRowOnNodeClick);
        r.Bool("RowSelectPersistent", &TMouseActions::RowSelectPersistent, &TMouseActions::SetRowSelectPersistent);
        r.Bool("SelectOnRightClick", &TMouseActions::SelectOnRightClick, &TMouseActions::SetSelectOnRightClick);
        r.Bool("NoScrollOnPartialRow", &TMouseActions::NoScrollOnPartialRow, &TMouseActions::SetNoScrollOnPartialRow);
        r.Bool("NoScrollOnPartialCol", &TMouseActions::NoScrollOnPartialCol, &TMouseActions::SetNoScrollOnPartialCol);
        r.Int("WheelIncrement", &TMouseActions::WheelIncrement, &TMouseActions::SetWheelIncrement);
        r.Bool("AutoSizeColOnDblClick", &TMouseActions::AutoSizeColOnDblClick, &TMouseActions::SetAutoSizeColOnDblClick);
        r.Bool("DisjunctRowSelectNoCtrl", &TMouseActions::DisjunctRowSelectNoCtrl, &TMouseActions::SetDisjunctRowSelectNoCtrl);
        r.Bool("DisjunctColSelectNoCtrl", &TMouseActions::DisjunctColSelectNoCtrl, &TMouseActions::SetDisjunctColSelectNoCtrl);
        r.Bool("TouchScroll", &TMouseActions::TouchScroll, &TMouseActions::SetTouchScroll);
        r.Bool("AutoFocus", &TMouseActions::AutoFocus, &TMouseActions::SetAutoFocus);
        r.Int("PartialScrollDelta", &TMouseActions::PartialScrollDelta, &TMouseActions::SetPartialScrollDelta);
        r.Bool("ToggleNodeOnDblClick", &TMouseActions::ToggleNodeOnDblClick, &TMouseActions::SetToggleNodeOnDblClick);
        const std::vector<std::pair<std::string, TGridFixedCellEdit>> edits{
            {"fceNone", fceNone}, {"fceDblClick", fceDblClick}, {"fceLeftClick", fceLeftClick},
            {"fceRightClick", fceRightClick}};
        const std::vector<std::pair<std::string, TGridFixedCellEditor>> editors{
            {"fceEdit", fceEdit}, {"fceComboEdit", fceComboEdit}, {"fceComboList", fceComboList}};
        r.Enum<TGridFixedCellEdit>("FixedRowsEdit", edits, &TMouseActions::FixedRowsEdit, &TMouseActions::SetFixedRowsEdit);
        r.Enum<TGridFixedCellEdit>("FixedColsEdit", edits, &TMouseActions::FixedColsEdit, &TMouseActions::SetFixedColsEdit);
        r.Enum<TGridFixedCellEditor>("FixedRowsEditor", editors, &TMouseActions::FixedRowsEditor,
                                     &TMouseActions::SetFixedRowsEditor);
        r.Enum<TGridFixedCellEditor>("FixedColsEditor", editors, &TMouseActions::FixedColsEditor,
                                     &TMouseActions::SetFixedColsEditor);
        r.Enum<TWheelAction>("WheelAction", {{"waMoveSelection", waMoveSelection}, {"waScroll", waScroll}},
                             &TMouseActions::WheelAction, &TMouseActions::SetWheelAction);
        r.Enum<TWheelActive>("WheelActive", {{"waFocus", waFocus}, {"waMouseOver", waMouseOver}},
                             &TMouseActions::WheelActive, &TMouseActions::SetWheelActive);
    }
    {
        TOptionRegistrar<TSyncGrid> r{c, "SyncGrid.", [](T* g) -> TSyncGrid& { return g->SyncGrid(); }};
        r.Bool("ScrollHorizontal", &TSyncGrid::ScrollHorizontal, &TSyncGrid::SetScrollHorizontal);
        r.Bool("ScrollVertical", &TSyncGrid::ScrollVertical, &TSyncGrid::SetScrollVertical);
        r.Bool("SelectionRow", &TSyncGrid::SelectionRow, &TSyncGrid::SetSelectionRow);
        r.Bool("SelectionColumn", &TSyncGrid::SelectionColumn, &TSyncGrid::SetSelectionColumn);
        r.Bool("MoveRow", &TSyncGrid::MoveRow, &TSyncGrid::SetMoveRow);
        r.Bool("MoveColumn", &TSyncGrid::MoveColumn, &TSyncGrid::SetMoveColumn);
    }
    {
        TOptionRegistrar<TFocusHelper> r{c, "FocusHelper.", [](T* g) -> TFocusHelper& { return g->FocusHelper(); }};
        r.Bool("Enabled", &TFocusHelper::Enabled, &TFocusHelper::SetEnabled);
    }
    {
        TOptionRegistrar<TColumnSize> r{c, "ColumnSize.", [](T* g) -> TColumnSize& { return g->ColumnSize(); }};
        r.Bool("Save", &TColumnSize::Save, &TColumnSize::SetSave);
        r.Text("Key", &TColumnSize::Key, &TColumnSize::SetKey);
        r.Text("Section", &TColumnSize::Section, &TColumnSize::SetSection);
        r.Int("StretchColumn", &TColumnSize::StretchColumn, &TColumnSize::SetStretchColumn);
        r.Bool("SynchWithGrid", &TColumnSize::SynchWithGrid, &TColumnSize::SetSynchWithGrid);
        r.Bool("SynchNormalCellsOnly", &TColumnSize::SynchNormalCellsOnly, &TColumnSize::SetSynchNormalCellsOnly);
        r.Enum<TColumnSizeLocation>("Location", {{"clRegistry", clRegistry}, {"clIniFile", clIniFile}},
                                    &TColumnSize::Location, &TColumnSize::SetLocation);
    }
    {
        TOptionRegistrar<THTMLSettings> r{c, "HTMLSettings.", [](T* g) -> THTMLSettings& { return g->HTMLSettings(); }};
        r.Bool("AutoPreview", &THTMLSettings::AutoPreview, &THTMLSettings::SetAutoPreview);
        r.Bool("ConvertSpecialChars", &THTMLSettings::ConvertSpecialChars, &THTMLSettings::SetConvertSpecialChars);
        r.Bool("NonBreakingText", &THTMLSettings::NonBreakingText, &THTMLSettings::SetNonBreakingText);
        r.Bool("SaveColor", &THTMLSettings::SaveColor, &THTMLSettings::SetSaveColor);
        r.Bool("SaveFonts", &THTMLSettings::SaveFonts, &THTMLSettings::SetSaveFonts);
        r.Text("FooterFile", &THTMLSettings::FooterFile, &THTMLSettings::SetFooterFile);
        r.Text("HeaderFile", &THTMLSettings::HeaderFile, &THTMLSettings::SetHeaderFile);
        r.Int("BorderSize", &THTMLSettings::BorderSize, &THTMLSettings::SetBorderSize);
        r.Int("CellSpacing", &THTMLSettings::CellSpacing, &THTMLSettings::SetCellSpacing);
        r.Int("CellPadding", &THTMLSettings::CellPadding, &THTMLSettings::SetCellPadding);
        r.Text("TableStyle", &THTMLSettings::TableStyle, &THTMLSettings::SetTableStyle);
        r.Text("PrefixTag", &THTMLSettings::PrefixTag, &THTMLSettings::SetPrefixTag);
        r.Text("SuffixTag", &THTMLSettings::SuffixTag, &THTMLSettings::SetSuffixTag);
        r.Text("Summary", &THTMLSettings::Summary, &THTMLSettings::SetSummary);
        r.Text("HeaderText", &THTMLSettings::HeaderText, &THTMLSettings::SetHeaderText);
        r.Text("FooterText", &THTMLSettings::FooterText, &THTMLSettings::SetFooterText);
        r.Int("Width", &THTMLSettings::Width, &THTMLSettings::SetWidth);
        r.Bool("XHTML", &THTMLSettings::XHTML, &THTMLSettings::SetXHTML);
        r.Bool("ExportImages", &THTMLSettings::ExportImages, &THTMLSettings::SetExportImages);
        r.Text("ImageBaseName", &THTMLSettings::ImageBaseName, &THTMLSettings::SetImageBaseName);
        r.Text("ImageFolder", &THTMLSettings::ImageFolder, &THTMLSettings::SetImageFolder);
    }
    {
        TOptionRegistrar<TPrintSettings> r{c, "PrintSettings.", [](T* g) -> TPrintSettings& { return g->PrintSettings(); }};
        r.Text("PageNumSep", &TPrintSettings::PageNumSep, &TPrintSettings::SetPageNumSep);
        r.Text("DateFormat", &TPrintSettings::DateFormat, &TPrintSettings::SetDateFormat);
        r.Text("TitleText", &TPrintSettings::TitleText, &TPrintSettings::SetTitleText);
        r.Color("BorderColor", &TPrintSettings::BorderColor, &TPrintSettings::SetBorderColor);
        r.Bool("Centered", &TPrintSettings::Centered, &TPrintSettings::SetCentered);
        r.Bool("RepeatFixedRows", &TPrintSettings::RepeatFixedRows, &TPrintSettings::SetRepeatFixedRows);
        r.Bool("RepeatFixedCols", &TPrintSettings::RepeatFixedCols, &TPrintSettings::SetRepeatFixedCols);
        r.Int("FooterSize", &TPrintSettings::FooterSize, &TPrintSettings::SetFooterSize);
        r.Int("HeaderSize", &TPrintSettings::HeaderSize, &TPrintSettings::SetHeaderSize);
        r.Int("LeftSize", &TPrintSettings::LeftSize, &TPrintSettings::SetLeftSize);
        r.Int("RightSize", &TPrintSettings::RightSize, &TPrintSettings::SetRightSize);
        r.Int("ColumnSpacing", &TPrintSettings::ColumnSpacing, &TPrintSettings::SetColumnSpacing);
        r.Int("RowSpacing", &TPrintSettings::RowSpacing, &TPrintSettings::SetRowSpacing);
        r.Int("TitleSpacing", &TPrintSettings::TitleSpacing, &TPrintSettings::SetTitleSpacing);
        r.Text("PagePrefix", &TPrintSettings::PagePrefix, &TPrintSettings::SetPagePrefix);
        r.Text("PageSuffix", &TPrintSettings::PageSuffix, &TPrintSettings::SetPageSuffix);
        r.Int("FixedHeight", &TPrintSettings::FixedHeight, &TPrintSettings::SetFixedHeight);
        r.Int("FixedWidth", &TPrintSettings::FixedWidth, &TPrintSettings::SetFixedWidth);
        r.Bool("UseFixedHeight", &TPrintSettings::UseFixedHeight, &TPrintSettings::SetUseFixedHeight);
        r.Bool("UseFixedWidth", &TPrintSettings::UseFixedWidth, &TPrintSettings::SetUseFixedWidth);
        r.Bool("NoAutoSize", &TPrintSettings::NoAutoSize, &TPrintSettings::SetNoAutoSize);
        r.Bool("NoAutoSizeRow", &TPrintSettings::NoAutoSizeRow, &TPrintSettings::SetNoAutoSizeRow);
        r.Bool("PrintGraphics", &TPrintSettings::PrintGraphics, &TPrintSettings::SetPrintGraphics);
        r.Text("JobName", &TPrintSettings::JobName, &TPrintSettings::SetJobName);
        r.Int("PageNumberOffset", &TPrintSettings::PageNumberOffset, &TPrintSettings::SetPageNumberOffset);
        r.Int("MaxPagesOffset", &TPrintSettings::MaxPagesOffset, &TPrintSettings::SetMaxPagesOffset);
        r.Bool("UseDisplayFont", &TPrintSettings::UseDisplayFont, &TPrintSettings::SetUseDisplayFont);
        r.Bool("UseDefaultOrientation", &TPrintSettings::UseDefaultOrientation, &TPrintSettings::SetUseDefaultOrientation);
        r.Bool("FixedCellsAlways", &TPrintSettings::FixedCellsAlways, &TPrintSettings::SetFixedCellsAlways);
        r.Bool("PrintComments", &TPrintSettings::PrintComments, &TPrintSettings::SetPrintComments);
        r.Bool("ScaleHeader", &TPrintSettings::ScaleHeader, &TPrintSettings::SetScaleHeader);
        r.Bool("ScaleFooter", &TPrintSettings::ScaleFooter, &TPrintSettings::SetScaleFooter);
        const std::vector<std::pair<std::string, TPrintPosition>> positions{
            {"ppNone", ppNone}, {"ppTopLeft", ppTopLeft}, {"ppTopRight", ppTopRight}, {"ppTopCenter", ppTopCenter},
            {"ppBottomLeft", ppBottomLeft}, {"ppBottomRight", ppBottomRight}, {"ppBottomCenter", ppBottomCenter}};
        r.Enum<TPrintPosition>("Time", positions, &TPrintSettings::Time, &TPrintSettings::SetTime);
        r.Enum<TPrintPosition>("Date", positions, &TPrintSettings::Date, &TPrintSettings::SetDate);
        r.Enum<TPrintPosition>("PageNr", positions, &TPrintSettings::PageNr, &TPrintSettings::SetPageNr);
        r.Enum<TPrintPosition>("Title", positions, &TPrintSettings::Title, &TPrintSettings::SetTitle);
        r.Enum<TPrintBorders>("Borders", {{"pbNoborder", pbNoborder}, {"pbSingle", pbSingle}, {"pbDouble", pbDouble},
                                          {"pbVertical", pbVertical}, {"pbHorizontal", pbHorizontal}, {"pbAround", pbAround},
                                          {"pbAroundVertical", pbAroundVertical},
                                          {"pbAroundHorizontal", pbAroundHorizontal}, {"pbCustom", pbCustom}},
                              &TPrintSettings::Borders, &TPrintSettings::SetBorders);
        r.Enum<gfx::TPenStyle>("BorderStyle", {{"psSolid", gfx::psSolid}, {"psDash", gfx::psDash}, {"psDot", gfx::psDot},
                                               {"psDashDot", gfx::psDashDot}, {"psDashDotDot", gfx::psDashDotDot},
                                               {"psClear", gfx::psClear}, {"psInsideFrame", gfx::psInsideFrame}},
                               &TPrintSettings::BorderStyle, &TPrintSettings::SetBorderStyle);
        r.Enum<TPrinterOrientation>("Orientation", {{"poPortrait", poPortrait}, {"poLandscape", poLandscape}},
                                    &TPrintSettings::Orientation, &TPrintSettings::SetOrientation);
        r.Enum<TFitToPage>("FitToPage", {{"fpNever", fpNever}, {"fpGrow", fpGrow}, {"fpShrink", fpShrink},
                                         {"fpAlways", fpAlways}, {"fpCustom", fpCustom}},
                           &TPrintSettings::FitToPage, &TPrintSettings::SetFitToPage);
    }
}

#define GRID_EVENT(Name) c.Property(#Name, ui::EventProperty(&T::Name))

void RegisterEvents(TClassInfo& c)
{
    using T = TExtStringGrid;
    GRID_EVENT(OnGetCellColor);
    GRID_EVENT(OnGetCellPrintColor);
    GRID_EVENT(OnGetCellGradient);
    GRID_EVENT(OnGetCellBorder);
    GRID_EVENT(OnGetCellPrintBorder);
    GRID_EVENT(OnGetCellBorderProp);
    GRID_EVENT(OnGetAlignment);
    GRID_EVENT(OnGetFormat);
    GRID_EVENT(OnGetFloatFormat);
    GRID_EVENT(OnCustomCellDraw);
    GRID_EVENT(OnCustomCellBkgDraw);
    GRID_EVENT(OnGridHint);
    GRID_EVENT(OnAnchorHint);
    GRID_EVENT(OnScrollHint);
    GRID_EVENT(OnCellBalloon);
    GRID_EVENT(OnGetEditorType);
    GRID_EVENT(OnCanEditCell);
    GRID_EVENT(OnEllipsClick);
    GRID_EVENT(OnButtonClick);
    GRID_EVENT(OnCheckBoxClick);
    GRID_EVENT(OnCheckBoxChange);
    GRID_EVENT(OnCheckBoxCanToggle);
    GRID_EVENT(OnSpinClick);
    GRID_EVENT(OnClickCell);
    GRID_EVENT(OnRightClickCell);
    GRID_EVENT(OnDblClickCell);
    GRID_EVENT(OnFixedCellClick);
    GRID_EVENT(OnAnchorClick);
    GRID_EVENT(OnAnchorEnter);
    GRID_EVENT(OnAnchorExit);
    GRID_EVENT(OnExpandClick);
    GRID_EVENT(OnCanAddCol);
    GRID_EVENT(OnCanAddRow);
    GRID_EVENT(OnAutoAddRow);
    GRID_EVENT(OnCanInsertRow);
    GRID_EVENT(OnAutoInsertRow);
    GRID_EVENT(OnAutoInsertCol);
    GRID_EVENT(OnCanDeleteRow);
    GRID_EVENT(OnAutoDeleteRow);
    GRID_EVENT(OnColumnSize);
    GRID_EVENT(OnColumnSizing);
    GRID_EVENT(OnRowSize);
    GRID_EVENT(OnRowSizing);
    GRID_EVENT(OnEndColumnSize);
    GRID_EVENT(OnUpdateColumnSize);
    GRID_EVENT(OnEndRowSize);
    GRID_EVENT(OnClickSort);
    GRID_EVENT(OnCanSort);
    GRID_EVENT(OnCustomCompare);
    GRID_EVENT(OnRawCompare);
    GRID_EVENT(OnSearchEditChange);
    GRID_EVENT(OnAutoAdvance);
    GRID_EVENT(OnBeforeContractNode);
    GRID_EVENT(OnBeforeExpandNode);
    GRID_EVENT(OnBeforeFilter);
    GRID_EVENT(OnCanClickCell);
    GRID_EVENT(OnCanShowFixedDropDown);
    GRID_EVENT(OnCellChanging);
    GRID_EVENT(OnCellValidate);
    GRID_EVENT(OnCellValidateWide);
    GRID_EVENT(OnCheckBoxMouseUp);
    GRID_EVENT(OnClipboardAfterPasteCell);
    GRID_EVENT(OnClipboardAfterPasteWideCell);
    GRID_EVENT(OnClipboardBeforePasteCell);
    GRID_EVENT(OnClipboardBeforePasteWideCell);
    GRID_EVENT(OnClipboardCopy);
    GRID_EVENT(OnClipboardCopyDone);
    GRID_EVENT(OnClipboardCut);
    GRID_EVENT(OnClipboardCutDone);
    GRID_EVENT(OnClipboardPaste);
    GRID_EVENT(OnClipboardPasteDone);
    GRID_EVENT(OnColChanging);
    GRID_EVENT(OnColDisjunctSelect);
    GRID_EVENT(OnColDisjunctSelected);
    GRID_EVENT(OnColorSelect);
    GRID_EVENT(OnColorSelected);
    GRID_EVENT(OnColumnCalc);
    GRID_EVENT(OnColumnMove);
    GRID_EVENT(OnColumnMoving);
    GRID_EVENT(OnComboChange);
    GRID_EVENT(OnComboCloseUp);
    GRID_EVENT(OnComboDropDown);
    GRID_EVENT(OnComboObjectChange);
    GRID_EVENT(OnContractNode);
    GRID_EVENT(OnControlClick);
    GRID_EVENT(OnControlComboList);
    GRID_EVENT(OnControlComboSelect);
    GRID_EVENT(OnControlEditDone);
    GRID_EVENT(OnCreatedFloatingFooter);
    GRID_EVENT(OnCreatedSearchFooter);
    GRID_EVENT(OnCustomCellSize);
    GRID_EVENT(OnCustomFilter);
    GRID_EVENT(OnCustomStrToDate);
    GRID_EVENT(OnDatePickerCloseUp);
    GRID_EVENT(OnDatePickerDropDown);
    GRID_EVENT(OnDateSpinClick);
    GRID_EVENT(OnDateTimeChange);
    GRID_EVENT(OnDragScroll);
    GRID_EVENT(OnDropDownFooterButtonClick);
    GRID_EVENT(OnDropDownHeaderButtonClick);
    GRID_EVENT(OnEditCellDone);
    GRID_EVENT(OnEditChange);
    GRID_EVENT(OnEditingDone);
    GRID_EVENT(OnExpandNode);
    GRID_EVENT(OnFileProgress);
    GRID_EVENT(OnFilterCheck);
    GRID_EVENT(OnFilterCheckClick);
    GRID_EVENT(OnFilterCheckMouseDown);
    GRID_EVENT(OnFilterClose);
    GRID_EVENT(OnFilterDone);
    GRID_EVENT(OnFilterEditDone);
    GRID_EVENT(OnFilterEditUpdate);
    GRID_EVENT(OnFilterProgress);
    GRID_EVENT(OnFilterSelect);
    GRID_EVENT(OnFilterShow);
    GRID_EVENT(OnFitToPage);
    GRID_EVENT(OnFixedDropDownClick);
    GRID_EVENT(OnFixedEdit);
    GRID_EVENT(OnFloatSpinClick);
    GRID_EVENT(OnFooterCalc);
    GRID_EVENT(OnFooterPaint);
    GRID_EVENT(OnGetCellCursor);
    GRID_EVENT(OnGetCheckFalse);
    GRID_EVENT(OnGetCheckTrue);
    GRID_EVENT(OnGetColumnFilter);
    GRID_EVENT(OnGetEditorProp);
    GRID_EVENT(OnGetWordWrap);
    GRID_EVENT(OnGridWideHint);
    GRID_EVENT(OnGroupCalc);
    GRID_EVENT(OnHasComboBox);
    GRID_EVENT(OnHasEditBtn);
    GRID_EVENT(OnHasFilterEdit);
    GRID_EVENT(OnHasSpinEdit);
    GRID_EVENT(OnHoverButtonClick);
    GRID_EVENT(OnHoverButtonsShow);
    GRID_EVENT(OnImageSelect);
    GRID_EVENT(OnImageSelected);
    GRID_EVENT(OnIntelliZoom);
    GRID_EVENT(OnIsFixedCell);
    GRID_EVENT(OnIsPasswordCell);
    GRID_EVENT(OnLoadCell);
    GRID_EVENT(OnOleDrag);
    GRID_EVENT(OnOleDragOver);
    GRID_EVENT(OnOleDragStart);
    GRID_EVENT(OnOleDragStop);
    GRID_EVENT(OnOleDrop);
    GRID_EVENT(OnOleDropCol);
    GRID_EVENT(OnOleDropFile);
    GRID_EVENT(OnOleDropFiles);
    GRID_EVENT(OnOleDropURL);
    GRID_EVENT(OnOleDropped);
    GRID_EVENT(OnPainted);
    GRID_EVENT(OnPrintCancel);
    GRID_EVENT(OnPrintDone);
    GRID_EVENT(OnPrintGetPageNum);
    GRID_EVENT(OnPrintNewPage);
    GRID_EVENT(OnPrintPage);
    GRID_EVENT(OnPrintPageDone);
    GRID_EVENT(OnPrintSetColumnWidth);
    GRID_EVENT(OnPrintSetRowHeight);
    GRID_EVENT(OnPrintStart);
    GRID_EVENT(OnRadioButtonClick);
    GRID_EVENT(OnRadioClick);
    GRID_EVENT(OnRadioMouseUp);
    GRID_EVENT(OnRatingChange);
    GRID_EVENT(OnRichEditSelectionChange);
    GRID_EVENT(OnRowChanging);
    GRID_EVENT(OnRowDisjunctSelect);
    GRID_EVENT(OnRowDisjunctSelected);
    GRID_EVENT(OnRowMove);
    GRID_EVENT(OnRowMoving);
    GRID_EVENT(OnRowUpdate);
    GRID_EVENT(OnSaveCell);
    GRID_EVENT(OnScrollCell);
    GRID_EVENT(OnSearchFooterAction);
    GRID_EVENT(OnSearchFooterClose);
    GRID_EVENT(OnSearchFooterSearchEnd);
    GRID_EVENT(OnSelectionChanged);
    GRID_EVENT(OnSelectionResize);
    GRID_EVENT(OnSelectionResized);
    GRID_EVENT(OnTimeSpinClick);
    GRID_EVENT(OnUnitChanged);
}

#undef GRID_EVENT

}  // namespace

void RegisterExtGridClasses(ui::TClassRegistry& registry)
{
    if (registry.Find("TExtStringGrid") != nullptr) return;
    ui::RegisterGridClasses(registry);
    registry.Register<TObjStringGrid>("TObjStringGrid", "TStringGrid");
    RegisterBaseGrid(registry);
    TClassInfo& c = registry.Register<TExtStringGrid>("TExtStringGrid", "TBaseGrid");
    RegisterLayout(c);
    RegisterLook(c);
    RegisterEditingAndData(c);
    RegisterEvents(c);
    RegisterPublishedSettings(c);
    RegisterOwnedRecords(c);
    RegisterControlLook(c);
    RegisterSortAndFilter(c);
    RegisterGroupingAndDisplay(c);
    RegisterSmallSettings(c);
}

// The grid unit's start-up: OLE for drag and drop, the thread's hook that keeps a shown
// focus window over its cell, and the classes form descriptions may name.
void RegisterExtGridClasses()
{
    InitializeOle();
    InstallFocusWindowHook();
    RegisterExtGridClasses(ui::TClassRegistry::Instance());
}

}  // namespace grid
