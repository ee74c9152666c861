// Sizing of the table inside the pop-up of a list drop-down, for both list families' grids.
#pragma once

#include <algorithm>
#include <cmath>

#include "grid/dropdown/DropDownForm.h"
#include "platform/rtl/Types.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/StdCtrlsEdit.h"

namespace grid {

// The width the grid's columns take, with a vertical scroll bar's width when not every row
// is in view.
template <typename TGrid>
int ColGridContentWidth(const TGrid& grid)
{
    int width = 0;
    for (int c = 0; c < grid.ColCount(); ++c) width += grid.ColWidths(c);
    if (grid.VisibleRowCount() + grid.FixedRows() != grid.RowCount()) width += ui::GetSystemMetrics(ui::SM_CXVSCROLL);
    return width;
}

// Makes the grid exactly as wide as its columns and the pop-up as wide as the grid within its
// border of borderWidth on each side.
template <typename TGrid>
void FitPopupToColGrid(TGrid& grid, TDropDownForm& form, int borderWidth)
{
    // The visible row count needs the grid at its pop-up height first.
    grid.SetAlign(ui::alNone);
    const rtl::TRect area = form.LayoutBars();
    grid.SetBounds(area.Left, area.Top, grid.Width(), std::max(0, area.Height()));
    const int width = ColGridContentWidth(grid);
    grid.SetBounds(grid.Left(), grid.Top(), width, grid.Height());
    form.SetBounds(form.Left(), form.Top(), width + 2 * borderWidth, form.Height());
}

// Spreads the available width, less a vertical scroll bar when not every row is in view,
// over the grid's columns in proportion to the described columns' widths; the rounding carry
// keeps the sum within one pixel of the available width.
template <typename TGrid, typename TColumns>
void SpreadColGridWidths(TGrid& grid, const TColumns& columns, int available)
{
    grid.SetScrollBars(ui::ssVertical);
    int total = 1;
    for (int c = 0; c < columns.Count(); ++c) total += columns.Items(c)->Width();
    if (grid.VisibleRowCount() < grid.RowCount() - grid.FixedRows())
        available -= ui::GetSystemMetrics(ui::SM_CXVSCROLL);
    const double ratio = static_cast<double>(available) / total;
    double carry = 0;
    for (int c = 0; c < grid.ColCount() && c < columns.Count(); ++c) {
        const double exact = columns.Items(c)->Width() * ratio;
        int w = static_cast<int>(std::nearbyint(exact));
        carry += exact - w;
        if (carry > 1) {
            ++w;
            carry -= 1;
        }
        grid.SetColWidths(c, w);
    }
}

}  // namespace grid
