// Registration of the draw grid and the string grid with their published properties.
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/Grids.h"

namespace ui {

namespace {

const std::vector<std::pair<std::string, unsigned>> OptionNames = {
    {"goFixedVertLine", goFixedVertLine},
    {"goFixedHorzLine", goFixedHorzLine},
    {"goVertLine", goVertLine},
    {"goHorzLine", goHorzLine},
    {"goRangeSelect", goRangeSelect},
    {"goDrawFocusSelected", goDrawFocusSelected},
    {"goRowSizing", goRowSizing},
    {"goColSizing", goColSizing},
    {"goRowMoving", goRowMoving},
    {"goColMoving", goColMoving},
    {"goEditing", goEditing},
    {"goTabs", goTabs},
    {"goRowSelect", goRowSelect},
    {"goAlwaysShowEditor", goAlwaysShowEditor},
    {"goThumbTracking", goThumbTracking},
};

void RegisterCustomGrid(TClassRegistry& r)
{
    using T = TCustomGrid;
    auto toInt = [](long long v) { return static_cast<int>(v); };
    TClassInfo& c = r.RegisterAbstract<TCustomGrid>("TCustomGrid", "TCustomControl");
    c.Property("ColCount", IntProperty<T>([](T* x) { return x->ColCount(); },
                                          [toInt](T* x, long long v) { x->SetColCount(toInt(v)); }));
    c.Property("RowCount", IntProperty<T>([](T* x) { return x->RowCount(); },
                                          [toInt](T* x, long long v) { x->SetRowCount(toInt(v)); }));
    c.Property("FixedCols", IntProperty<T>([](T* x) { return x->FixedCols(); },
                                           [toInt](T* x, long long v) { x->SetFixedCols(toInt(v)); }));
    c.Property("FixedRows", IntProperty<T>([](T* x) { return x->FixedRows(); },
                                           [toInt](T* x, long long v) { x->SetFixedRows(toInt(v)); }));
    c.Property("DefaultColWidth", IntProperty<T>([](T* x) { return x->DefaultColWidth(); },
                                                 [toInt](T* x, long long v) { x->SetDefaultColWidth(toInt(v)); }));
    c.Property("DefaultRowHeight", IntProperty<T>([](T* x) { return x->DefaultRowHeight(); },
                                                  [toInt](T* x, long long v) { x->SetDefaultRowHeight(toInt(v)); }));
    c.Property("GridLineWidth", IntProperty<T>([](T* x) { return x->GridLineWidth(); },
                                               [toInt](T* x, long long v) { x->SetGridLineWidth(toInt(v)); }));
    c.Property("Options", SetProperty<T>(OptionNames, [](T* x) { return x->Options(); },
                                         [](T* x, unsigned v) { x->SetOptions(v); }));
    c.Property("DefaultDrawing", BoolProperty<T>([](T* x) { return x->DefaultDrawing(); },
                                                 [](T* x, bool v) { x->SetDefaultDrawing(v); }));
    c.Property("ScrollBars",
               EnumProperty<T, TScrollStyle>({{"ssNone", ssNone}, {"ssHorizontal", ssHorizontal},
                                              {"ssVertical", ssVertical}, {"ssBoth", ssBoth}},
                                             [](T* x) { return x->ScrollBars(); },
                                             [](T* x, TScrollStyle v) { x->SetScrollBars(v); }));
    c.Property("BorderStyle",
               EnumProperty<T, TFormBorderStyle>({{"bsNone", bsNone}, {"bsSingle", bsSingle}},
                                                 [](T* x) { return x->BorderStyle(); },
                                                 [](T* x, TFormBorderStyle v) { x->SetBorderStyle(v); }));
    c.Property("FixedColor", ColorProperty<T>([](T* x) { return x->FixedColor(); },
                                               [](T* x, gfx::TColor v) { x->SetFixedColor(v); }));
}

void RegisterDrawGridEvents(TClassInfo& c)
{
    using T = TCustomDrawGrid;
    c.Property("OnDrawCell", EventProperty(&T::OnDrawCell));
    c.Property("OnSelectCell", EventProperty(&T::OnSelectCell));
    c.Property("OnGetEditMask", EventProperty(&T::OnGetEditMask));
    c.Property("OnGetEditText", EventProperty(&T::OnGetEditText));
    c.Property("OnSetEditText", EventProperty(&T::OnSetEditText));
    c.Property("OnColumnMoved", EventProperty(&T::OnColumnMoved));
    c.Property("OnRowMoved", EventProperty(&T::OnRowMoved));
    c.Property("OnTopLeftChanged", EventProperty(&T::OnTopLeftChanged));
}

}  // namespace

void RegisterGridClasses(TClassRegistry& registry)
{
    if (registry.Find("TStringGrid") != nullptr) return;
    RegisterCustomGrid(registry);
    RegisterDrawGridEvents(registry.RegisterAbstract<TCustomDrawGrid>("TCustomDrawGrid", "TCustomGrid"));
    registry.Register<TDrawGrid>("TDrawGrid", "TCustomDrawGrid");
    registry.Register<TStringGrid>("TStringGrid", "TCustomDrawGrid");
}

void RegisterGridClasses() { RegisterGridClasses(TClassRegistry::Instance()); }

}  // namespace ui
