// Registration of the base grid and the string grid with their published properties for form descriptions.
#include "grid/core/ExtGrid.h"
#include "grid/core/GridTypes.h"
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

// A colour kept in a plain member of the string grid.
TPropertyInfo ColorField(gfx::TColor TExtStringGrid::*member)
{
    return ColorProp<TExtStringGrid>([member](TExtStringGrid* g) { return g->*member; },
                                     [member](TExtStringGrid* g, gfx::TColor v) { g->*member = v; });
}

TPropertyInfo BoolField(bool TExtStringGrid::*member)
{
    return ui::BoolProperty<TExtStringGrid>([member](TExtStringGrid* g) { return g->*member; },
                                            [member](TExtStringGrid* g, bool v) { g->*member = v; });
}

TPropertyInfo IntField(int TExtStringGrid::*member)
{
    return ui::IntProperty<TExtStringGrid>([member](TExtStringGrid* g) { return static_cast<long long>(g->*member); },
                                           [member](TExtStringGrid* g, long long v) { g->*member = static_cast<int>(v); });
}

template <typename E>
TPropertyInfo EnumField(std::vector<std::pair<std::string, E>> names, E TExtStringGrid::*member)
{
    return ui::EnumProperty<TExtStringGrid, E>(std::move(names), [member](TExtStringGrid* g) { return g->*member; },
                                               [member](TExtStringGrid* g, E v) { g->*member = v; });
}

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

void RegisterLayout(TClassInfo& c)
{
    using T = TExtStringGrid;
    c.Property("ColCount", ui::IntProperty<T>([](T* g) { return g->ColCount(); },
                                              [](T* g, long long v) { g->SetColCount(static_cast<int>(v)); }));
    c.Property("RowCount", ui::IntProperty<T>([](T* g) { return g->RowCount(); },
                                              [](T* g, long long v) { g->SetRowCount(static_cast<int>(v)); }));
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
    c.Property("FixedFooters", IntField(&T::FixedFooters));
    c.Property("FixedRightCols", IntField(&T::FixedRightCols));
    c.Property("FixedRowAlways", BoolField(&T::FixedRowAlways));
    c.Property("FixedColAlways", BoolField(&T::FixedColAlways));
    c.Property("IntegralHeight", BoolField(&T::IntegralHeight));
    c.Property("AutoSize", BoolField(&T::AutoSizeColumnsOnLoad));
    c.Property("AutoNumAlign", BoolField(&T::AutoNumAlign));
    c.Property("Multilinecells", BoolField(&T::Multilinecells));
    c.Property("SizeWithForm", BoolField(&T::SizeWithForm));
    c.Property("EnhTextSize", BoolField(&T::EnhTextSize));
    c.Property("ScrollBarAlways", ui::EnumProperty<T, TScrollBarAlways>(
                                      {{"saNone", saNone}, {"saVert", saVert}, {"saHorz", saHorz}, {"saBoth", saBoth}},
                                      [](T* g) { return g->ScrollBarAlways(); },
                                      [](T* g, TScrollBarAlways v) { g->SetScrollBarAlways(v); }));
    c.Property("ScrollType", EnumField<TScrollType>({{"ssNormal", ssNormal}, {"ssFlat", ssFlat},
                                                     {"ssEncarta", ssEncarta}, {"ssMetro", ssMetro}},
                                                    &T::ScrollType));
    c.Property("ScrollColor", ColorField(&T::ScrollColor));
    c.Property("ScrollWidth", IntField(&T::ScrollWidth));
    c.Property("ScrollProportional", BoolField(&T::ScrollProportional));
    c.Property("ScrollSynch", BoolField(&T::ScrollSynch));
    c.Property("EnableWheel", BoolField(&T::EnableWheel));
    c.Property("IntelliZoom", BoolField(&T::IntelliZoom));
}

void RegisterLook(TClassInfo& c)
{
    using T = TExtStringGrid;
    c.Property("Look", ui::EnumProperty<T, TGridLook>(
                           {{"glStandard", glStandard}, {"glSoft", glSoft}, {"glClassic", glClassic}, {"glXP", glXP},
                            {"glJyx", glJyx}, {"glListView", glListView}, {"glVista", glVista}, {"glWin7", glWin7},
                            {"glOffice2007", glOffice2007}, {"glTerminal", glTerminal}, {"glCustom", glCustom}},
                           [](T* g) { return g->Look(); }, [](T* g, TGridLook v) { g->SetLook(v); }));
    c.Property("BorderColor", ColorProp<T>([](T* g) { return g->BorderColor(); },
                                           [](T* g, gfx::TColor v) { g->SetBorderColor(v); }));
    FontProperties(c, "FixedFont", [](T* g) -> gfx::TFont& { return g->FixedFont(); });
    FontProperties(c, "ActiveCellFont", [](T* g) -> gfx::TFont& { return g->ActiveCellFont(); });
    for (auto [name, member] : std::initializer_list<std::pair<const char*, bool T::*>>{
             {"Flat", &T::Flat}, {"AutoThemeAdapt", &T::AutoThemeAdapt}, {"ShowDesignHelper", &T::ShowDesignHelper},
             {"ActiveCellShow", &T::ActiveCellShow}, {"SelectionColorMixer", &T::SelectionColorMixer},
             {"SelectionRectangle", &T::SelectionRectangle}, {"SelectionResizer", &T::SelectionResizer},
             {"SelectionRTFKeep", &T::SelectionRTFKeep}, {"ShowSelection", &T::ShowSelection},
             {"AutoHideSelection", &T::AutoHideSelection}, {"ShowFocusedSelectionColor", &T::ShowFocusedSelectionColor},
             {"UseSelectionTextColor", &T::UseSelectionTextColor}, {"HideFocusRect", &T::HideFocusRect},
             {"Hovering", &T::Hovering}, {"URLShow", &T::URLShow}, {"URLShowInText", &T::URLShowInText},
             {"URLUnderlineOnHover", &T::URLUnderlineOnHover}, {"URLFull", &T::URLFull}, {"URLEdit", &T::URLEdit},
             {"HintShowCells", &T::HintShowCells}, {"HintShowLargeText", &T::HintShowLargeText},
             {"HintShowSizing", &T::HintShowSizing}, {"HTMLHint", &T::HTMLHint},
             {"HTMLKeepLineBreak", &T::HTMLKeepLineBreak}, {"AnchorHint", &T::AnchorHint},
             {"UseInternalHintClass", &T::UseInternalHintClass}, {"EnableHTML", &T::EnableHTML},
             {"EnableBlink", &T::EnableBlink}, {"ExcelStyleDecimalSeparator", &T::ExcelStyleDecimalSeparator}})
        c.Property(name, BoolField(member));
    for (auto [name, member] : std::initializer_list<std::pair<const char*, gfx::TColor T::*>>{
             {"ActiveCellColor", &T::ActiveCellColor}, {"ActiveCellColorTo", &T::ActiveCellColorTo},
             {"DisabledFontColor", &T::DisabledFontColor}, {"HighlightColor", &T::HighlightColor},
             {"HighlightTextColor", &T::HighlightTextColor}, {"SelectionColor", &T::SelectionColor},
             {"SelectionColorTo", &T::SelectionColorTo}, {"SelectionMirrorColor", &T::SelectionMirrorColor},
             {"SelectionMirrorColorTo", &T::SelectionMirrorColorTo}, {"SelectionTextColor", &T::SelectionTextColor},
             {"URLColor", &T::URLColor}, {"HintColor", &T::HintColor}})
        c.Property(name, ColorField(member));
    c.Property("SelectionColorMixerFactor", IntField(&T::SelectionColorMixerFactor));
    c.Property("HintShowLargeTextPos", EnumField<THintShowLargeTextPos>({{"hpCell", hpCell}, {"hpCursor", hpCursor}},
                                                                       &T::HintShowLargeTextPos));
    c.Property("HoverFixedCells", EnumField<THoverFixedCells>({{"hfNone", hfNone}, {"hfFixedRows", hfFixedRows},
                                                               {"hfFixedColumns", hfFixedColumns}, {"hfAll", hfAll}},
                                                              &T::HoverFixedCells));
}

void RegisterEditingAndData(TClassInfo& c)
{
    using T = TExtStringGrid;
    c.Property("DefaultEditor", EnumField<TEditorType>(EnumIdentPairs<TEditorType>(), &T::DefaultEditor));
    for (auto [name, member] : std::initializer_list<std::pair<const char*, bool T::*>>{
             {"EditWithTags", &T::EditWithTags}, {"EnhRowColMove", &T::EnhRowColMove}, {"Lookup", &T::Lookup},
             {"LookupCaseSensitive", &T::LookupCaseSensitive}, {"LookupHistory", &T::LookupHistory},
             {"OemConvert", &T::OemConvert}, {"FilterActive", &T::FilterActive},
             {"FilterNormalCellsOnly", &T::FilterNormalCellsOnly}, {"AutoFilterUpdate", &T::AutoFilterUpdate},
             {"FilterDropDownAuto", &T::FilterDropDownAuto}, {"FilterDropDownMultiCol", &T::FilterDropDownMultiCol},
             {"FilterDropDownCheck", &T::FilterDropDownCheck}})
        c.Property(name, BoolField(member));
    c.Property("MaxEditLength", IntField(&T::MaxEditLength));
    c.Property("MaxComboLength", IntField(&T::MaxComboLength));
    c.Property("FilterDropDownRow", IntField(&T::FilterDropDownRow));
    c.Property("FilterDropDownClear",
               ui::StringProperty<T>([](T* g) { return g->FilterDropDownClear; },
                                     [](T* g, const std::string& v) { g->FilterDropDownClear = v; }));
    c.Property("ValidChars", ui::StringProperty<T>([](T* g) { return g->ValidChars; },
                                                   [](T* g, const std::string& v) { g->ValidChars = v; }));
    c.Property("InvalidEntryTitle", ui::StringProperty<T>([](T* g) { return g->InvalidEntryTitle; },
                                                          [](T* g, const std::string& v) { g->InvalidEntryTitle = v; }));
    c.Property("InvalidEntryText", ui::StringProperty<T>([](T* g) { return g->InvalidEntryText; },
                                                         [](T* g, const std::string& v) { g->InvalidEntryText = v; }));
    c.Property("InvalidEntryIcon", EnumField<TInvalidEntryIcon>(
                                       {{"ieNone", ieNone}, {"ieInfo", ieInfo}, {"ieWarning", ieWarning}, {"ieError", ieError}},
                                       &T::InvalidEntryIcon));
    c.Property("FloatFormat", ui::StringProperty<T>([](T* g) { return g->FloatFormat(); },
                                                    [](T* g, const std::string& v) { g->SetFloatFormat(v); }));
    c.Property("FormatType", EnumField<TFormatType>({{"ftVCL", ftVCL}, {"ftExcel", ftExcel}}, &T::FormatType));
    // The version is the component's own; a stored value is read and ignored.
    c.Property("Version", ui::StringProperty<T>([](T* g) { return g->Version(); }, [](T*, const std::string&) {}));
    c.Property("OnResize", ui::EventProperty(&T::OnResize));
    c.Property("OnCellsChanged", ui::EventProperty(&T::OnCellsChanged));
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
}

void RegisterExtGridClasses() { RegisterExtGridClasses(ui::TClassRegistry::Instance()); }

}  // namespace grid
