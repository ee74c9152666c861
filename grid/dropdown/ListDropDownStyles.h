// The table colours that a component style gives the list drop-downs.
#pragma once

#include <optional>

#include "grid/dropdown/ExtDropDownEdit.h"

namespace grid {

// One style's colours of the pop-up table. A HeaderFontColor of clNone leaves the header font
// as it is; a SelectionColor of clNone keeps the colours the selection colour style sets.
struct TListTableStyle {
    TJyxStyle Style;
    gfx::TColor HeaderColor;
    gfx::TColor HeaderColorTo;
    TSelectionColorStyle SelectionStyle;
    gfx::TColor HeaderFontColor;
    gfx::TColor LineColor;
    gfx::TColor FixedLineColor;
    gfx::TColor SelectionColor;
    gfx::TColor SelectionTextColor;
};

// The row of a style; none for tsCustom, which changes nothing.
std::optional<TListTableStyle> FindListTableStyle(TJyxStyle style);

// Line colours a selection colour style brings to the list drop-downs; none for scCustom.
struct TListLineColors {
    gfx::TColor LineColor;
    gfx::TColor FixedLineColor;
};
std::optional<TListLineColors> ListLineColorsOf(TSelectionColorStyle style);

// Applies a style to a list drop-down: the drop-down edit's own look, then the table row with
// the selection colour style run before the row's line colours are stored. `Control` needs the
// list drop-downs' colour setters.
template <typename TControl>
void ApplyListTableStyle(TControl& control, TJyxStyle style)
{
    control.TExtCustomDropDown::SetComponentStyle(style);
    std::optional<TListTableStyle> row = FindListTableStyle(style);
    if (!row) return;
    control.SetHeaderColor(row->HeaderColor);
    control.SetHeaderColorTo(row->HeaderColorTo);
    control.ApplySelectionColorStyle(row->SelectionStyle);
    if (row->HeaderFontColor != gfx::clNone) control.HeaderFont().SetColor(row->HeaderFontColor);
    control.SetLineColor(row->LineColor);
    control.SetFixedLineColor(row->FixedLineColor);
    if (row->SelectionColor != gfx::clNone) {
        control.SetSelectionColor(row->SelectionColor);
        control.SetSelectionColorTo(row->SelectionColor);
    }
    control.SetSelectionTextColor(row->SelectionTextColor);
}

}  // namespace grid
