// Sizing of the table inside the pop-up of a list drop-down, for both list families' grids.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ListDropDownColumn.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
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

// The width of a text on one line in the canvas's font.
inline int SingleLineTextWidth(gfx::TCanvas& canvas, const std::string& text)
{
    rtl::TRect box{0, 0, 1000, 500};
    canvas.DrawText(text, box, gfx::DT_CALCRECT | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
    return box.Width();
}

// The width an item's cell takes in a column, in the canvas's font: the item's image and its
// margin in an image column, then the text on one line and its margin.
template <typename TColumn, typename TItem>
int ItemCellWidth(gfx::TCanvas& canvas, const TColumn& col, const TItem& item, int column,
                  const gfx::TImageList* images)
{
    int width = col.ColumnType() == ctImage && item.ImageIndex() >= 0 && images != nullptr ? images->Width() + 4 : 0;
    const std::string text = item.ColumnText(column);
    if (!text.empty()) width += SingleLineTextWidth(canvas, text) + 6;
    return width;
}

// Gives each row its height from its word-wrapped columns: the tallest wrapped text or item
// image among them, at least minHeight. itemOf(row) is the row's item, or nullptr for a row
// that shows the grid's own cells; rows 1 to lastRow are sized. Nothing changes when no column
// wraps.
template <typename TGrid, typename TItemOf>
void SizeWrappedColGridRows(TGrid& grid, gfx::TCanvas& canvas, int lastRow, int minHeight, TItemOf itemOf)
{
    const auto& columns = grid.Columns();
    bool anyWrap = false;
    for (int c = 0; c < columns.Count(); ++c) anyWrap = anyWrap || columns.Items(c)->Wordwrap();
    if (!anyWrap) return;
    gfx::TImageList* images = grid.Images();
    for (int r = 1; r <= lastRow; ++r) {
        const auto* item = itemOf(r);
        int h = minHeight;
        for (int c = 0; c < columns.Count(); ++c) {
            const auto& col = *columns.Items(c);
            if (!col.Wordwrap()) continue;
            int part = col.ColumnType() == ctImage && item != nullptr && item->ImageIndex() >= 0 && images != nullptr
                           ? images->Height() + 6
                           : 0;
            const std::string text = item != nullptr ? item->ColumnText(c) : grid.Cells(c, r);
            if (!text.empty()) {
                canvas.Font().Assign(&col.Font());
                rtl::TRect box{0, 0, col.Width(), 500};
                canvas.DrawText(text, box, gfx::DT_CALCRECT | gfx::DT_WORDBREAK | gfx::DT_NOPREFIX);
                part = std::max(part, box.Height() + 6);
            }
            h = std::max(h, part);
        }
        grid.SetRowHeights(r, h);
    }
}

}  // namespace grid
