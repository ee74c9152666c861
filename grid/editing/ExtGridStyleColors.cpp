// Colours of the grid from the application's active visual style, and their reset to the grid's own.
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "platform/ui/StyleServices.h"

namespace grid {

namespace {

// A style colour counts only when the style gives one other than "no colour".
bool StyleColor(ui::TStyleGridCell cell, ui::TStyleElementColor element, gfx::TColor& color)
{
    gfx::TColor c = 0;
    if (!ui::StyleServices().GetElementColor(cell, element, c) || c == gfx::clNone) return false;
    color = c;
    return true;
}

}  // namespace

void TExtStringGrid::SetUseStyleServices(bool Value)
{
    if (FUseStyleServices == Value) return;
    FUseStyleServices = Value;
    // While a form description is read the switch is only stored: resetting the colours
    // then would throw away the colours read before it; loading applies the style at its end.
    if (!HasState(rtl::csLoading)) ApplyStyleServiceColors(true);
}

// A grid only follows a style whose elements include the client area; this grid has no
// style-element switches of its own, so the client area is always styled.
void TExtStringGrid::ApplyStyleServiceColors(bool Reset)
{
    using ui::TStyleElementColor;
    using ui::TStyleGridCell;
    FUseVCLStyles = false;
    const bool use = FUseStyleServices;
    const ui::TStyleServices& style = ui::StyleServices();
    gfx::TColor c = 0;
    if (style.Enabled() && FUseStyleServices && style.Name() != "Windows") {
        FUseVCLStyles = use;
        if (use) {
            if (StyleColor(TStyleGridCell::Normal, TStyleElementColor::Fill, c)) SetColor(c);
            if (StyleColor(TStyleGridCell::Normal, TStyleElementColor::Border, c)) SetGridLineColor(c);
            if (StyleColor(TStyleGridCell::Fixed, TStyleElementColor::Border, c)) SetGridFixedLineColor(c);
            SetOptions(Options() & ~(ui::goFixedVertLine | ui::goFixedHorzLine));
            if (StyleColor(TStyleGridCell::Normal, TStyleElementColor::Text, c)) Font().SetColor(c);
        }
        if (StyleColor(TStyleGridCell::Selected, TStyleElementColor::Text, c)) SetSelectionTextColor(c);
        if (StyleColor(TStyleGridCell::Fixed, TStyleElementColor::Text, c)) FixedFont().SetColor(c);
        if (StyleColor(TStyleGridCell::Fixed, TStyleElementColor::Fill, c)) {
            SearchFooter().SetColor(c);
            SearchFooter().SetColorTo(c);
        }
    } else if (Reset) {
        SetColor(gfx::clWindow);
        SetGridLineColor(0xC0C0C0);
        SetGridFixedLineColor(0x808080);
        SetOptions(Options() | ui::goFixedVertLine | ui::goFixedHorzLine);
        Font().SetColor(0);
    }
    // Cells with their own properties take the style's colours only while a style is in
    // use: going back to the system's style keeps the colours a program gave its cells.
    if (!Reset || !FUseVCLStyles) return;
    for (int r = 0; r < RowCount(); ++r)
        for (int col = 0; col < TotalColCount(); ++col) {
            if (!HasCellProperties(col, r)) continue;
            TCellProperties* p = GetCellPropsDirect(col, r);
            p->SetBrushColor(Color());
            p->SetFontColor(Font().Color());
        }
}

}  // namespace grid
