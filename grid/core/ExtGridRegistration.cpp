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
