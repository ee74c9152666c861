// The multi-column drop-down's pop-up: making and filling the list, opening, sizes, width
// spreading, closing with or without cancel, and the painting of each cell.
#include <algorithm>
#include <cmath>

#include "grid/dropdown/ColGridPopupSizing.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtMultiColumnDropDown.h"
#include "grid/foundation/ExtUtilGradients.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

constexpr int MinWrappedRowHeight = 24;
constexpr int HeaderGradientSteps = 80;

}  // namespace

void TExtMultiColumnDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (FExtColGrid != nullptr || DropDownForm() == nullptr || FItems == nullptr) return;
    FExtColGrid = new multicolumn::TExtColGrid(this);
    FExtColGrid->SetParent(DropDownForm());
    FExtColGrid->SetDropDown(this);
    FExtColGrid->SetBounds(0, 0, FExtColGrid->Width(), 180);
    FExtColGrid->SetColor(DropDownColor());
    SetControl(FExtColGrid);
}

void TExtMultiColumnDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    DropDownForm()->FCancelOnDeActivate = false;
    FShowing = true;
    if (FExtColGrid != nullptr) {
        PrepareGrid();
        multicolumn::TExtColGrid& grid = *FExtColGrid;
        grid.SetOptions(grid.Options() | ui::goThumbTracking);
        grid.SetColor(DropDownColor());
        grid.OnSelectCell = [this](rtl::TObject*, int c, int r, bool& can) { GridSelectCell(c, r, can); };
        grid.OnSelect = [this](rtl::TObject*) { GridSelect(); };
        const int row = FItemIndex + 1;
        grid.SetRow(row >= grid.FixedRows() && row < grid.RowCount() ? row : 1);
    }
    FOldItemIndex = FItemIndex;
}

void TExtMultiColumnDropDown::PrepareGrid()
{
    multicolumn::TExtColGrid& grid = *FExtColGrid;
    grid.SetDropDown(this);
    grid.SetColumns(FColumns.get());
    grid.SetColCount(std::max(1, FColumns->Count()));
    const int rows = FItems->Count() + 1;
    if (rows < 2) {
        grid.SetRowCount(2);
    } else {
        grid.SetFixedRows(1);
        grid.SetRow(1);
        grid.SetRowCount(rows);
    }
    for (int c = 0; c < FColumns->Count(); ++c) grid.SetColWidths(c, FColumns->Items(c)->Width());
    grid.SetLineColor(FLineColor);
    grid.SetFixedLineColor(FFixedLineColor);
    grid.SetHeaderColor(FHeaderColor);
    grid.SetHeaderColorTo(FHeaderColorTo);
    grid.SetHeaderHeight(FHeaderHeight);
    grid.SetHeaderFont(FHeaderFont.get());
    grid.SetImages(FImages);
    grid.SetOptions(FColumnSizing ? grid.Options() | ui::goColSizing : grid.Options() & ~ui::goColSizing);
    for (int c = 0; c < FColumns->Count(); ++c)
        if (FColumns->Items(c)->AutoSize()) AutoSizeColumn(c);
    grid.SetDefaultRowHeight(FDropDownRowHeight);
    SizeWordWrappedRows();
    grid.SetRowHeights(0, std::max(1, FHeaderHeight));
}

// The column's width becomes that of its widest text (header or item, with the image part).
void TExtMultiColumnDropDown::AutoSizeColumn(int column)
{
    if (FExtColGrid->Parent() != DropDownForm()) return;
    gfx::TCanvas& canvas = DropDownForm()->Canvas();
    multicolumn::TDropDownColumn& col = *FExtColGrid->Columns().Items(column);
    canvas.Font().Assign(&col.Font());
    int width = col.Header().empty() ? 0 : SingleLineTextWidth(canvas, col.Header()) + 6;
    if (FItems->Count() == 0) return;
    gfx::TImageList* images = FExtColGrid->Images();
    for (int i = 0; i < FItems->Count(); ++i)
        width = std::max(width, ItemCellWidth(canvas, col, *FItems->Items(i), column, images));
    col.SetWidth(width);
    FExtColGrid->SetColWidths(column, width);
}

void TExtMultiColumnDropDown::SizeWordWrappedRows()
{
    multicolumn::TExtColGrid& grid = *FExtColGrid;
    if (grid.Parent() != DropDownForm()) return;
    SizeWrappedColGridRows(grid, DropDownForm()->Canvas(), std::min(grid.RowCount() - 1, FItems->Count()),
                           MinWrappedRowHeight, [this](int row) { return FItems->Items(row - 1); });
}

void TExtMultiColumnDropDown::DoShowDropDown()
{
    if (!Enabled() || ReadOnly()) return;
    FOrgIndex = FItemIndex;
    TExtCustomDropDown::DoShowDropDown();
    if (FExtColGrid != nullptr && DroppedDown()) {
        multicolumn::TExtColGrid& grid = *FExtColGrid;
        grid.SetHoverSelect(FHoverSelect);
        SpreadColumnWidths();
        if (grid.RowCount() > 1) {
            int row = FItemIndex + 1;
            if (FItemIndex < 0 || row >= grid.RowCount()) row = 1;
            grid.SetRow(row);
            rtl::TRect cell = grid.CellRect(grid.FixedCols(), row);
            if (cell.Left < 1 && cell.Top < 1) grid.SetTopRow(std::max(1, row - grid.VisibleRowCount() + 1));
        }
    }
    FShowing = false;
}

void TExtMultiColumnDropDown::UpdateDropDownSize()
{
    TExtCustomDropDown::UpdateDropDownSize();
    if (!FDropDownAutoWidth || FExtColGrid == nullptr || DropDownForm() == nullptr) return;
    FitPopupToColGrid(*FExtColGrid, *DropDownForm(), DropDownBorderWidth());
}

void TExtMultiColumnDropDown::AdaptDropDownHeight(int& height)
{
    if (DropDownSizeable()) return;
    const int bars = (DropDownHeader().Visible() ? DropDownHeader().Height() : 0) +
                     (DropDownFooter().Visible() ? DropDownFooter().Height() : 0);
    const int rowHeight = std::max(1, FDropDownRowHeight);
    height = ((height - bars - FHeaderHeight - 2) / rowHeight) * rowHeight + bars + FHeaderHeight + 2;
}

void TExtMultiColumnDropDown::UpdateDropDownLayout()
{
    if (FExtColGrid != nullptr && Control() != FExtColGrid) SetControl(FExtColGrid);
    TExtCustomDropDown::UpdateDropDownLayout();
}

void TExtMultiColumnDropDown::SpreadColumnWidths()
{
    if (!FColumnSizeWithDropDown || FExtColGrid == nullptr || FColumns->Count() == 0) return;
    const int available = DropDownForm()->Width();
    SpreadColGridWidths(*FExtColGrid, *FColumns, available);
}

void TExtMultiColumnDropDown::DoHideDropDown(bool cancel)
{
    if (DropDownForm() == nullptr || !DropDownForm()->Visible()) {
        TExtCustomDropDown::DoHideDropDown(cancel);
        return;
    }
    TExtCustomDropDown::DoHideDropDown(cancel);
    if (!cancel) {
        if (FExtColGrid != nullptr && FExtColGrid->FConfirmSelection) SetItemIndex(FExtColGrid->Row() - 1);
        FOldItemIndex = FItemIndex;
    } else if (FItemIndex != FOldItemIndex) {
        SetItemIndex(FOldItemIndex);
    }
}

void TExtMultiColumnDropDown::GridSelectCell(int /*ACol*/, int ARow, bool& /*CanSelect*/)
{
    // The row of the item already chosen (a lookup moving the list to its find) changes
    // nothing: setting the text again would drop the selected completion.
    if (FExtColGrid->FMouseWheelSelection || FShowing || ARow - 1 == FItemIndex) return;
    SetItemIndex(ARow - 1);
}

void TExtMultiColumnDropDown::GridSelect()
{
    if (FExtColGrid->FConfirmSelection) SetItemIndex(FExtColGrid->Row() - 1);
    HideDropDown(false);
    if (OnSelect) OnSelect(this);
}

// --- painting ---

void TExtMultiColumnDropDown::DrawGridCell(int ACol, int ARow, rtl::TRect ARect, bool selected)
{
    multicolumn::TExtColGrid& grid = *FExtColGrid;
    gfx::TCanvas& canvas = grid.Canvas();
    if (OnDropDownDrawItem) {
        OnDropDownDrawItem(this, ACol, ARow, canvas, ARect);
        return;
    }
    const int cols = grid.ColCount();
    const int segment = cols == 1 ? selWhole : ACol == 0 ? selLeftEnd : ACol == cols - 1 ? selRightEnd : selMiddle;
    const bool header = ARow < grid.FixedRows();
    const multicolumn::TDropDownColumns& columns = grid.Columns();
    const bool defined = ACol < columns.Count() && ACol >= grid.FixedCols();
    std::string text = grid.Cells(ACol, ARow);
    gfx::TColor color = grid.Color();
    ui::TAlignment alignment = ui::taLeftJustify;
    bool wrap = false;
    bool ellipsis = false;
    int imageIndex = -1;
    const gfx::TFont* font = &grid.HeaderFont();
    if (defined) {
        const multicolumn::TDropDownColumn& col = *columns.Items(ACol);
        color = col.Color();
        alignment = col.Alignment();
        wrap = col.Wordwrap();
        ellipsis = col.Ellipsis();
        font = &col.Font();
        if (!header && ARow - 1 < FItems->Count()) {
            const multicolumn::TDropDownItem& item = *FItems->Items(ARow - 1);
            if (col.ColumnType() == ctImage) imageIndex = item.ImageIndex();
            if (item.HasColumnText(ACol)) text = item.Text().Strings(ACol);
        }
    }
    if (OnDropDownGetItemText) OnDropDownGetItemText(this, ACol, ARow, text);

    if (header) {
        text = defined ? columns.Items(ACol)->Header() : std::string();
        imageIndex = -1;
        if (grid.HeaderColor() == gfx::clNone || grid.HeaderColorTo() == gfx::clNone) {
            canvas.Brush().SetColor(grid.HeaderColor());
            canvas.FillRect(ARect);
        } else {
            DrawGradientBackground(canvas, grid.HeaderColor(), true, ARect, HeaderGradientSteps, grid.HeaderColorTo());
        }
    } else if (selected) {
        DrawSelectionBackground(canvas, ARect, segment, color);
    } else {
        canvas.Pen().SetWidth(1);
        canvas.Pen().SetColor(color);
        canvas.Brush().SetColor(color);
        canvas.FillRect(ARect);
    }

    // Lines: the bottom and right edge of the cell, inside its rectangle.
    const int lineWidth = header ? 1 : grid.GridLineWidth();
    const int o = header ? 1 : (grid.GridLineWidth() + 1) / 2;
    if (header) canvas.Pen().SetColor(grid.FixedLineColor());
    else if (grid.GridLineWidth() > 0) canvas.Pen().SetColor(grid.LineColor());
    canvas.Pen().SetWidth(std::max(1, lineWidth));
    const ui::TGridOptions options = grid.Options();
    if (lineWidth > 0 && (options & (header ? ui::goFixedHorzLine : ui::goHorzLine))) {
        canvas.MoveTo(ARect.Left - o + 1, ARect.Bottom - o);
        canvas.LineTo(ARect.Right - o + 1, ARect.Bottom - o);
    }
    if (lineWidth > 0 && (options & (header ? ui::goFixedVertLine : ui::goVertLine))) {
        canvas.MoveTo(ARect.Right - o, ARect.Bottom - o);
        canvas.LineTo(ARect.Right - o, ARect.Top - o);
    }
    const int inset = grid.GridLineWidth();
    rtl::TRect r{ARect.Left + inset, ARect.Top + inset, ARect.Right - inset, ARect.Bottom - inset};

    int textLeft = r.Left + 2;
    gfx::TImageList* images = grid.Images();
    if (images != nullptr && imageIndex >= 0) {
        const int top = images->Height() < r.Height() ? r.Top + (r.Height() - images->Height()) / 2 : r.Top;
        images->Draw(canvas, r.Left + 2, top, imageIndex);
        textLeft = r.Left + images->Width() + 4;
    }
    if (text.empty()) return;
    canvas.SetBkMode(gfx::TRANSPARENT);
    canvas.Font().Assign(header ? &grid.HeaderFont() : font);
    if (selected && !header) canvas.Font().SetColor(FSelectionTextColor);
    unsigned flags = (wrap ? gfx::DT_WORDBREAK | gfx::DT_EDITCONTROL : gfx::DT_SINGLELINE) | gfx::DT_NOPREFIX |
                     gfx::DT_EXPANDTABS | gfx::DT_VCENTER;
    if (alignment == ui::taRightJustify) flags |= gfx::DT_RIGHT;
    else if (alignment == ui::taCenter) flags |= gfx::DT_CENTER;
    if (ellipsis) flags |= gfx::DT_END_ELLIPSIS;
    rtl::TRect textRect{textLeft, r.Top, r.Right, r.Bottom};
    canvas.DrawText(text, textRect, flags);
}

}  // namespace grid
