// The grid drop-down's pop-up: making the grid, the ordered steps before opening, filling the
// grid from the items, sizes, width spreading, selection and closing with or without cancel.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "grid/core/GridOptionsSort.h"
#include "grid/dropdown/ColGridPopupSizing.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtCustomGridDropDown.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

constexpr int PopupGridHeight = 180;
constexpr int MinWrappedRowHeight = 24;
constexpr int AutoSizePadding = 4;

rtl::TObject* ItemObject(int item)
{
    return reinterpret_cast<rtl::TObject*>(static_cast<std::intptr_t>(item));
}

ui::TGridOptions WithOption(ui::TGridOptions options, ui::TGridOptions option, bool on)
{
    return on ? options | option : options & ~option;
}

// Clears a flag when the scope ends, also when a handler raises.
struct TFlagScope {
    explicit TFlagScope(bool& flag) : Flag(flag) { Flag = true; }
    ~TFlagScope() { Flag = false; }
    bool& Flag;
};

}  // namespace

void TCustomExtGridDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (FExtColGrid != nullptr || DropDownForm() == nullptr || FItems == nullptr) return;
    FExtColGrid = new griddropdown::TExtColGrid(this);
    FExtColGrid->SetParent(DropDownForm());
    FExtColGrid->SetDropDown(this);
    FExtColGrid->SetBounds(0, 0, FExtColGrid->Width(), PopupGridHeight);
    FExtColGrid->SetColor(DropDownColor());
    FExtColGrid->Navigation().SetHomeEndKey(heFirstLastRow);
    FExtColGrid->MouseActions().SetNoAutoRangeScroll(true);
    SetControl(FExtColGrid);
}

// --- preparing the pop-up ---

void TCustomExtGridDropDown::BeforeDropDown()
{
    DropDownForm()->FCancelOnDeActivate = false;
    TFlagScope preparing(FPreparing);
    griddropdown::TExtColGrid* grid = FExtColGrid;
    if (grid != nullptr) {
        SynchronizeGrid();
        grid->SetColor(DropDownColor());
        TSortSettings& sort = grid->SortSettings();
        sort.SetShow(FSorting != gsNone);
        sort.SetIndexShow(FSorting == gsMultiColumn);
        FBalloonInit = false;
        AttachGridEvents();
        grid->SetComponentStyle(GetComponentStyle());
        grid->SetSelectionColor(SelectionColor());
        grid->SetSelectionColorTo(SelectionColorTo());
        grid->SetSelectionTextColor(FSelectionTextColor);
    }
    if (FUseItems) {
        TExtCustomDropDown::BeforeDropDown();
        if (grid != nullptr) {
            // Rows a narrowing hid would come back beside the new ones: the grid is filled
            // unfiltered and narrowed again by the entry typed so far.
            if (grid->FilterLevel() > 0) grid->RemoveAllFilters();
            grid->SetRowCount(FItems->Count() + 1);
            grid->SetFixedRows(1);
            FillGridFromItems();
            int row = RowOfItem(FItemIndex);
            if (row >= grid->FixedRows() && row <= grid->RowCount() - 1) grid->SetRowEx(row);
            const std::string entry = rtl::Trim(FLookupEntry);
            if (FLookupMethod == lmNarrowDown && !entry.empty()) grid->NarrowDown(entry, FLookupColumn);
        }
    } else if (grid != nullptr) {
        std::string found;
        int row = -1;
        if (!FindLookupRow(GetText(), found, row)) row = grid->FixedRows();
        if (row < grid->RowCount()) grid->SetRow(row);
    }
    if (grid != nullptr && grid->SortSettings().Column() >= 0 && grid->SortSettings().Show()) grid->QSort();
    FOldItemIndex = FItemIndex;
    if (!FUseItems) TExtCustomDropDown::BeforeDropDown();
}

void TCustomExtGridDropDown::SynchronizeGrid()
{
    griddropdown::TExtColGrid& grid = *FExtColGrid;
    grid.SetColumns(FColumns.get());
    if (grid.ColCount() < FColumns->Count()) grid.SetColCount(FColumns->Count());
    if (FUseItems) grid.SetRowCount(FItems->Count() + 1);
    for (int c = 0; c < FColumns->Count() && c < grid.ColCount(); ++c)
        grid.SetColWidths(c, FColumns->Items(c)->Width());
    grid.SetLineColor(FLineColor);
    grid.SetFixedLineColor(FFixedLineColor);
    grid.SetHeaderColor(FHeaderColor);
    grid.SetHeaderColorTo(FHeaderColorTo);
    grid.SetHeaderHeight(FHeaderHeight);
    grid.SetHeaderFont(FHeaderFont.get());
    grid.SetHoverRow(FHoverRow);
    grid.SetHoverRowColor(FHoverRowColor);
    grid.SetHoverRowColorTo(FHoverRowColorTo);
    grid.SetImages(Images());
    grid.SetDefaultRowHeight(FDropDownRowHeight);
    grid.SetRowHeights(0, FHeaderHeight);
    ui::TGridOptions options = grid.Options();
    options = WithOption(options, ui::goColSizing, FColumnSizing);
    options = WithOption(options, ui::goColMoving, FColumnMoving);
    options = WithOption(options, ui::goRowSizing, FRowSizing);
    options = WithOption(options, ui::goRowMoving, FRowMoving);
    grid.SetOptions(options);
    if (FAutoSizeColumns) {
        if (FUseItems) {
            for (int c = 0; c < grid.Columns().Count(); ++c)
                if (grid.Columns().Items(c)->AutoSize()) AutoSizeColumn(c);
        } else {
            grid.AutoSizeColumns(true, AutoSizePadding);
        }
    }
    SizeWordWrappedRows();
}

// Every grid event goes to its forwarding operation; the custom drawing events only when the
// application handles them at this moment, so that the grid's own drawing is not slowed.
void TCustomExtGridDropDown::AttachGridEvents()
{
    griddropdown::TExtColGrid& grid = *FExtColGrid;
    TDropDownForm* form = DropDownForm();
    grid.OnStartBlockFocus = [form](rtl::TObject*) { form->FBlockActivate = true; };
    grid.OnEndBlockFocus = [form](rtl::TObject*) { form->FBlockActivate = false; };
    grid.OnSelect = [this](rtl::TObject*) { GridSelect(); };
    grid.OnAnchorClick = [this](auto&&... a) { GridAnchorClick(a...); };
    grid.OnAnchorEnter = [this](auto&&... a) { GridAnchorEnter(a...); };
    grid.OnAnchorExit = [this](auto&&... a) { GridAnchorExit(a...); };
    grid.OnAnchorHint = [this](auto&&... a) { GridAnchorHint(a...); };
    grid.OnAutoAddRow = [this](auto&&... a) { GridAutoAddRow(a...); };
    grid.OnAutoInsertRow = [this](auto&&... a) { GridAutoInsertRow(a...); };
    grid.OnAutoDeleteRow = [this](auto&&... a) { GridAutoDeleteRow(a...); };
    grid.OnAutoInsertCol = [this](auto&&... a) { GridAutoInsertCol(a...); };
    grid.OnCanAddRow = [this](auto&&... a) { GridCanAddRow(a...); };
    grid.OnCanDeleteRow = [this](auto&&... a) { GridCanDeleteRow(a...); };
    grid.OnCanInsertRow = [this](auto&&... a) { GridCanInsertRow(a...); };
    grid.OnButtonClick = [this](auto&&... a) { GridButtonClick(a...); };
    grid.OnEllipsClick = [this](auto&&... a) { GridEllipsClick(a...); };
    grid.OnCanEditCell = [this](auto&&... a) { GridCanEditCell(a...); };
    grid.OnCheckBoxClick = [this](auto&&... a) {
        if (OnGridCheckBoxClick) OnGridCheckBoxClick(a...);
    };
    grid.OnCustomCompare = [this](auto&&... a) { GridCustomCompare(a...); };
    grid.OnRawCompare = [this](auto&&... a) { GridRawCompare(a...); };
    grid.OnColumnSize = [this](auto&&... a) { GridColumnSize(a...); };
    grid.OnColumnSizing = [this](auto&&... a) { GridColumnSizing(a...); };
    grid.OnEndColumnSize = [this](auto&&... a) { GridEndColumnSize(a...); };
    grid.OnRowSize = [this](auto&&... a) { GridRowSize(a...); };
    grid.OnRowSizing = [this](auto&&... a) { GridRowSizing(a...); };
    grid.OnEndRowSize = [this](auto&&... a) { GridEndRowSize(a...); };
    grid.OnRowMove = [this](auto&&... a) { GridRowMove(a...); };
    grid.OnRowMoving = [this](auto&&... a) { GridRowMoving(a...); };
    grid.OnRowMoved = [this](auto&&... a) { GridRowMoved(a...); };
    grid.OnColumnMove = [this](auto&&... a) { GridColumnMove(a...); };
    grid.OnColumnMoving = [this](auto&&... a) { GridColumnMoving(a...); };
    grid.OnColumnMoved = [this](auto&&... a) { GridColumnMoved(a...); };
    grid.OnGetAlignment = [this](auto&&... a) { GridGetAlignment(a...); };
    grid.OnGetCellColor = [this](auto&&... a) { GridGetCellColor(a...); };
    grid.OnGetCellGradient = [this](auto&&... a) { GridGetCellGradient(a...); };
    grid.OnGetFloatFormat = [this](auto&&... a) { GridGetFloatFormat(a...); };
    grid.OnGetEditorType = [this](auto&&... a) { GridGetEditorType(a...); };
    grid.OnGetEditorProp = [this](auto&&... a) { GridGetEditorProp(a...); };
    grid.OnGetDisplText = [this](auto&&... a) { GridGetDisplText(a...); };
    grid.OnGetFormat = [this](auto&&... a) { GridGetFormat(a...); };
    grid.OnGridHint = [this](auto&&... a) { GridHint(a...); };
    grid.OnCellBalloon = [this](auto&&... a) { GridCellBalloon(a...); };
    grid.OnMouseMove = [this](auto&&... a) { GridMouseMove(a...); };
    grid.OnMouseDown = [this](auto&&... a) { GridMouseDown(a...); };
    grid.OnMouseUp = [this](auto&&... a) { GridMouseUp(a...); };
    grid.OnRightClickCell = [this](auto&&... a) { GridRightClickCell(a...); };
    grid.OnScrollHint = [this](auto&&... a) { GridScrollHint(a...); };
    grid.OnTopLeftChanged = [this](auto&&... a) { GridTopLeftChanged(a...); };
    grid.OnSearchEditChange = [this](auto&&... a) { GridSearchEditChange(a...); };
    grid.OnSpinClick = [this](auto&&... a) { GridSpinClick(a...); };
    grid.SearchFooter().Assign(FSearchFooter.get());
    grid.MouseActions().Assign(FMouseActions.get());
    grid.Navigation().Assign(FNavigation.get());
    grid.Bands().Assign(FBands.get());
    grid.OnCustomCellDraw = nullptr;
    grid.OnCustomCellBkgDraw = nullptr;
    if (OnGridCustomCellDraw) grid.OnCustomCellDraw = [this](auto&&... a) { GridCustomCellDraw(a...); };
    if (OnGridCustomCellBkgDraw) grid.OnCustomCellBkgDraw = [this](auto&&... a) { GridCustomCellBkgDraw(a...); };
    ui::TGridOptions options = grid.Options() | ui::goThumbTracking;
    options = WithOption(options, ui::goRowSelect, FRowSelect);
    options = WithOption(options, ui::goEditing, FGridEditable);
    grid.SetOptions(options);
    grid.SetGridImages(FGridImages);
    grid.OnCanSort = [this](auto&&... a) { GridCanSort(a...); };
    grid.OnClickSort = [this](auto&&... a) { GridClickSort(a...); };
    grid.OnSelectCell = [this](rtl::TObject*, int c, int r, bool& can) { GridSelectCell(c, r, can); };
}

void TCustomExtGridDropDown::FillGridFromItems()
{
    griddropdown::TExtColGrid& grid = *FExtColGrid;
    if (grid.DropDown() != this) return;
    const int columns = FColumns->Count();
    if (columns > 0 && grid.ColCount() != columns) grid.SetColCount(columns);
    grid.BeginUpdate();
    for (int c = 0; c < columns; ++c) grid.SetCells(c, 0, FColumns->Items(c)->Header());
    grid.SetObjects(0, 0, ItemObject(-1));
    if (FItems->Count() > 0) grid.SetRowCount(grid.FixedRows() + FItems->Count());
    for (int k = 0; k < FItems->Count(); ++k) {
        const griddropdown::TDropDownItem& item = *FItems->Items(k);
        const int row = k + 1;
        for (int c = 0; c < columns; ++c) {
            grid.SetCells(c, row, item.ColumnText(c));
            if (FColumns->Items(c)->ColumnType() == ctImage)
                grid.AddImageIdx(c, row, item.ImageIndex(), haLeft, vaCenter);
        }
        grid.SetObjects(0, row, ItemObject(k));
    }
    grid.EndUpdate();
}

// The column takes the width of its widest item text with the image part; the header is not
// measured.
void TCustomExtGridDropDown::AutoSizeColumn(int column)
{
    griddropdown::TExtColGrid& grid = *FExtColGrid;
    if (grid.Parent() != DropDownForm()) return;
    gfx::TCanvas& canvas = DropDownForm()->Canvas();
    griddropdown::TDropDownColumn& col = *grid.Columns().Items(column);
    canvas.Font().Assign(&col.Font());
    gfx::TImageList* images = grid.Images();
    int width = 0;
    for (int r = 1; r < grid.RowCount() && r - 1 < FItems->Count(); ++r)
        width = std::max(width, ItemCellWidth(canvas, col, *FItems->Items(r - 1), column, images));
    col.SetWidth(width);
    grid.SetColWidths(column, width);
}

// Without items every row shows the grid's own cells.
void TCustomExtGridDropDown::SizeWordWrappedRows()
{
    griddropdown::TExtColGrid& grid = *FExtColGrid;
    if (grid.Parent() != DropDownForm()) return;
    const int lastRow = FUseItems ? std::min(grid.RowCount() - 1, FItems->Count()) : grid.RowCount() - 1;
    SizeWrappedColGridRows(grid, DropDownForm()->Canvas(), lastRow, MinWrappedRowHeight,
                           [this](int row) { return FUseItems ? FItems->Items(row - 1) : nullptr; });
}

// --- opening ---

void TCustomExtGridDropDown::DoShowDropDown()
{
    TExtCustomDropDown::DoShowDropDown();
    griddropdown::TExtColGrid* grid = FExtColGrid;
    if (grid == nullptr) return;
    TFlagScope preparing(FPreparing);
    if (!FUseItems)
        while (FColumns->Count() < grid->ColCount()) FColumns->Add();
    if (!DroppedDown()) return;
    SpreadColumnWidths();
    ScrollCurrentRowIntoView();
    if (FSelRow < grid->FixedRows()) FSelRow = grid->FixedRows();
    grid->SetTabStop(true);
    if (grid->CanFocus()) grid->SetFocus();
}

void TCustomExtGridDropDown::ScrollCurrentRowIntoView()
{
    griddropdown::TExtColGrid& grid = *FExtColGrid;
    const int visible = grid.VisibleRowCount();
    if (visible + grid.FixedRows() >= grid.RowCount()) return;
    if (grid.Row() >= grid.TopRow() + visible || grid.Row() < grid.TopRow()) grid.SetTopRow(grid.Row());
    if (grid.SearchFooter().Visible() && grid.Row() > grid.TopRow() + visible - 2)
        grid.SetTopRow(std::min(grid.TopRow() + 2, grid.RowCount() - 1));
}

void TCustomExtGridDropDown::UpdateDropDownSize()
{
    TExtCustomDropDown::UpdateDropDownSize();
    if (!FDropDownAutoWidth || FExtColGrid == nullptr || DropDownForm() == nullptr) return;
    FitPopupToColGrid(*FExtColGrid, *DropDownForm(), DropDownBorderWidth());
}

// Whole rows below the header row, fixed or sizeable alike.
void TCustomExtGridDropDown::AdaptDropDownHeight(int& height)
{
    const int bars = (DropDownHeader().Visible() ? DropDownHeader().Height() : 0) +
                     (DropDownFooter().Visible() ? DropDownFooter().Height() : 0);
    const int rowHeight = std::max(1, FDropDownRowHeight);
    height = ((height - bars - FHeaderHeight - 2) / rowHeight) * rowHeight + bars + FHeaderHeight + 6;
}

void TCustomExtGridDropDown::UpdateDropDownLayout()
{
    if (FExtColGrid != nullptr && Control() != FExtColGrid) SetControl(FExtColGrid);
    TExtCustomDropDown::UpdateDropDownLayout();
}

void TCustomExtGridDropDown::SpreadColumnWidths()
{
    if (!FColumnSizeWithDropDown || FExtColGrid == nullptr || FColumns->Count() == 0) return;
    // The width inside the pop-up's frame: spreading the frame's pixels too would make the
    // columns wider than the grid, which then scrolls sideways as the row moves.
    const int available = DropDownForm()->Width() - 2 * DropDownBorderWidth();
    SpreadColGridWidths(*FExtColGrid, *FColumns, available);
}

// --- selection and closing ---

void TCustomExtGridDropDown::GridSelectCell(int ACol, int ARow, bool& /*CanSelect*/)
{
    FNodeCell = false;
    griddropdown::TExtColGrid& grid = *FExtColGrid;
    if (ACol == 0 && grid.IsNode(ARow)) {
        FNodeCell = true;
        return;
    }
    FSelRow = ARow;
    if (FPreparing) return;
    if (FUseItems) {
        SetItemIndex(ItemOfRow(ARow));
        return;
    }
    SetText(grid.Cells(FLookupColumn, ARow));
    SetItemIndex(ARow - grid.FixedRows());
}

void TCustomExtGridDropDown::GridSelect()
{
    if (FNodeCell) return;
    // Enter or a click ends the typed lookup.
    FLookupEntry.clear();
    griddropdown::TExtColGrid& grid = *FExtColGrid;
    if (grid.FConfirmSelection) SetItemIndex(IndexOfRow(grid.Row()));
    if (!FGridEditable) HideDropDown(false);
    if (OnSelect) OnSelect(this);
}

void TCustomExtGridDropDown::DoHideDropDown(bool cancel)
{
    if (DropDownForm() != nullptr && DropDownForm()->Visible()) {
        if (cancel) {
            SetItemIndex(FOldItemIndex);
        } else {
            if (FExtColGrid != nullptr && FExtColGrid->FConfirmSelection) SetItemIndex(IndexOfRow(FSelRow));
            FOldItemIndex = FItemIndex;
            if (FExtColGrid != nullptr) FExtColGrid->FConfirmSelection = false;
        }
    }
    TExtCustomDropDown::DoHideDropDown(cancel);
}

void TCustomExtGridDropDown::DoEnter()
{
    TExtCustomDropDown::DoEnter();
    if (FExtColGrid != nullptr && !FExtColGrid->FilterActive() && FLookupMethod == lmNarrowDown)
        FExtColGrid->RemoveAllFilters();
    FLookupEntry.clear();
}

}  // namespace grid
