// The grid engine's construction, dimensions, sizes, options and current cell with selection.
#include "platform/ui/Grids.h"

#include <algorithm>
#include <vector>

#include "platform/ui/ScreenModel.h"

namespace ui {

namespace {
const char* const SIndexOutOfRange = "Grid index out of range";
const char* const SFixedColTooBig = "Fixed column count must be less than column count";
const char* const SFixedRowTooBig = "Fixed row count must be less than row count";

// One column width or row height; an index outside the axis raises the list index error.
int AxisSize(const TGridAxisSizes& sizes, int index)
{
    if (index < 0 || index >= sizes.Count()) rtl::RaiseListIndexError(index);
    return sizes.Size(index);
}

// Stores one size (negative ones as 0); true when it changed.
bool StoreAxisSize(TGridAxisSizes& sizes, int index, int value)
{
    value = std::max(0, value);
    if (AxisSize(sizes, index) == value) return false;
    sizes.SetSize(index, value);
    return true;
}
}  // namespace

TCustomGrid::TCustomGrid(rtl::TComponent* AOwner) : TCustomControl(AOwner)
{
    FColWidths.SetDefault(64);
    FRowHeights.SetDefault(24);
    FColWidths.SetCount(5);
    FRowHeights.SetCount(5);
    FControlStyle |= csOpaque | csDoubleClicks | csCaptureMouse | csClickEvents;
    SetTabStop(true);
    SetColor(gfx::clWindow);
    SetBorderThickness(2);
    SetBounds(0, 0, 320, 120);
}

// The editor is owned (and freed) as a component; from here on it must not call back.
TCustomGrid::~TCustomGrid()
{
    if (FInplaceEdit != nullptr) FInplaceEdit->SetGrid(nullptr);
}

// --- dimensions ---

void TCustomGrid::SetColCount(int value) { SetAxisCount(FColWidths, FFixedCols, value); }

void TCustomGrid::SetRowCount(int value) { SetAxisCount(FRowHeights, FFixedRows, value); }

void TCustomGrid::SetAxisCount(TGridAxisSizes& sizes, int& fixed, int value)
{
    if (value < 1) value = 1;
    if (value == sizes.Count()) return;
    int oldCols = ColCount();
    int oldRows = RowCount();
    if (value <= fixed) fixed = value - 1;
    sizes.SetCount(value);
    ClampCurrent();
    SizeChanged(oldCols, oldRows);
    LayoutChanged();
}

void TCustomGrid::SetFixedCols(int value) { SetAxisFixed(FFixedCols, ColCount(), SFixedColTooBig, value); }

void TCustomGrid::SetFixedRows(int value) { SetAxisFixed(FFixedRows, RowCount(), SFixedRowTooBig, value); }

void TCustomGrid::SetAxisFixed(int& fixed, int count, const char* tooBig, int value)
{
    if (value < 0) throw EInvalidGridOperation(SIndexOutOfRange);
    if (value >= count) throw EInvalidGridOperation(tooBig);
    if (value == fixed) return;
    fixed = value;
    ClampCurrent();
    LayoutChanged();
}

// After the counts change: the top-left cell, the scroll range, the picture and the editor follow.
void TCustomGrid::LayoutChanged()
{
    ClampTopLeft();
    UpdateScrollRange();
    Invalidate();
    InvalidateEditor();
}

// Keeps the current cell, the anchor and the top-left cell inside the scrollable cells.
void TCustomGrid::ClampCurrent()
{
    auto clamp = [](int v, int lo, int hi) { return std::max(lo, std::min(v, hi)); };
    int lastCol = ColCount() - 1;
    int lastRow = RowCount() - 1;
    FCurrent.X = clamp(FCurrent.X, FFixedCols, lastCol);
    FCurrent.Y = clamp(FCurrent.Y, FFixedRows, lastRow);
    FAnchor.X = clamp(FAnchor.X, FFixedCols, lastCol);
    FAnchor.Y = clamp(FAnchor.Y, FFixedRows, lastRow);
    FTopLeft.X = clamp(FTopLeft.X, FFixedCols, lastCol);
    FTopLeft.Y = clamp(FTopLeft.Y, FFixedRows, lastRow);
}

void TCustomGrid::SizeChanged(int /*OldColCount*/, int /*OldRowCount*/) {}

// --- sizes ---

void TCustomGrid::SetDefaultColWidth(int value)
{
    FColWidths.SetDefault(std::max(0, value));
    ColWidthsChanged();
    Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(int value)
{
    FRowHeights.SetDefault(std::max(0, value));
    RowHeightsChanged();
    Invalidate();
}

int TCustomGrid::ColWidths(int index) const { return AxisSize(FColWidths, index); }

void TCustomGrid::SetColWidths(int index, int value)
{
    if (!StoreAxisSize(FColWidths, index, value)) return;
    ColWidthsChanged();
    Invalidate();
}

int TCustomGrid::RowHeights(int index) const { return AxisSize(FRowHeights, index); }

void TCustomGrid::SetRowHeights(int index, int value)
{
    if (!StoreAxisSize(FRowHeights, index, value)) return;
    RowHeightsChanged();
    Invalidate();
}

void TCustomGrid::ChangeScale(int M, int D)
{
    TCustomControl::ChangeScale(M, D);
    if (M == D || D == 0) return;
    ScaleAxis(FColWidths, M, D);
    ScaleAxis(FRowHeights, M, D);
    ColWidthsChanged();
    RowHeightsChanged();
    Invalidate();
}

// The default scales, and each size set apart from it scales on its own.
void TCustomGrid::ScaleAxis(TGridAxisSizes& sizes, int M, int D)
{
    std::vector<int> own;
    if (!sizes.AllDefault())
        for (int i = 0; i < sizes.Count(); ++i) own.push_back(sizes.Size(i));
    sizes.SetDefault(std::max(0, MulDiv(sizes.Default(), M, D)));
    for (int i = 0; i < static_cast<int>(own.size()); ++i) sizes.SetSize(i, std::max(0, MulDiv(own[i], M, D)));
}

void TCustomGrid::SetGridLineWidth(int value)
{
    value = std::max(0, value);
    if (value == FGridLineWidth) return;
    FGridLineWidth = value;
    ColWidthsChanged();
    RowHeightsChanged();
    Invalidate();
}

void TCustomGrid::ColWidthsChanged()
{
    ClampTopLeft();
    UpdateScrollRange();
    InvalidateEditor();
}

void TCustomGrid::RowHeightsChanged()
{
    ClampTopLeft();
    UpdateScrollRange();
    InvalidateEditor();
}

// --- behaviour and look ---

void TCustomGrid::SetOptions(TGridOptions value)
{
    if (value == FOptions) return;
    if (value & goRowSelect) value &= ~goAlwaysShowEditor;
    FOptions = value;
    if (!(FOptions & goEditing)) HideEditor();
    if (FOptions & goRowSelect) FAnchor.X = ColCount() - 1;
    ClampTopLeft();
    UpdateScrollRange();
    Invalidate();
    if (FOptions & goAlwaysShowEditor) UpdateEdit();
}

void TCustomGrid::SetDefaultDrawing(bool value)
{
    if (value == FDefaultDrawing) return;
    FDefaultDrawing = value;
    Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle value)
{
    if (value == FScrollBars) return;
    FScrollBars = value;
    UpdateScrollRange();
    Invalidate();
}

void TCustomGrid::SetBorderStyle(TFormBorderStyle value)
{
    if (value == FBorderStyle) return;
    FBorderStyle = value;
    SetBorderThickness(value == bsNone ? 0 : 2);
    UpdateScrollRange();
}

void TCustomGrid::SetFixedColor(gfx::TColor value)
{
    if (value == FFixedColor) return;
    FFixedColor = value;
    Invalidate();
}

void TCustomGrid::SetGridLineColor(gfx::TColor value)
{
    if (value == FGridLineColor) return;
    FGridLineColor = value;
    Invalidate();
}

// --- current cell and selection ---

TGridRect TCustomGrid::Selection() const
{
    TGridRect r{std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y), std::max(FAnchor.X, FCurrent.X),
                std::max(FAnchor.Y, FCurrent.Y)};
    if (FOptions & goRowSelect) {
        r.Left = FFixedCols;
        r.Right = ColCount() - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& value)
{
    TGridRect old = Selection();
    auto clamp = [](int v, int lo, int hi) { return std::max(lo, std::min(v, hi)); };
    FAnchor = {clamp(value.Left, FFixedCols, ColCount() - 1), clamp(value.Top, FFixedRows, RowCount() - 1)};
    FCurrent = {clamp(value.Right, FFixedCols, ColCount() - 1), clamp(value.Bottom, FFixedRows, RowCount() - 1)};
    InvalidateSelectionChange(old);
    ScrollIntoView(FCurrent.X, FCurrent.Y);
}

void TCustomGrid::SetCol(int value)
{
    if (value != FCurrent.X) MoveColRow(value, FCurrent.Y, true, true);
}

void TCustomGrid::SetRow(int value)
{
    if (value != FCurrent.Y) MoveColRow(FCurrent.X, value, true, true);
}

void TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        throw EInvalidGridOperation(SIndexOutOfRange);
    if (!SelectCell(ACol, ARow)) return;
    TGridRect old = Selection();
    TGridCoord oldCurrent = FCurrent;
    bool moved = oldCurrent.X != ACol || oldCurrent.Y != ARow;
    if (moved && !(FOptions & goAlwaysShowEditor)) HideEditor();
    else if (moved) UpdateText();
    FCurrent = {ACol, ARow};
    if (MoveAnchor || !(FOptions & goRangeSelect)) FAnchor = FCurrent;
    if (FOptions & goRowSelect) FAnchor.X = ColCount() - 1;
    InvalidateSelectionChange(old);
    InvalidateCell(oldCurrent.X, oldCurrent.Y);
    InvalidateCell(ACol, ARow);
    if (Show) ScrollIntoView(ACol, ARow);
    if (moved && (FOptions & goAlwaysShowEditor)) UpdateEdit();
}

void TCustomGrid::InvalidateSelectionChange(const TGridRect& oldSel)
{
    TGridRect now = Selection();
    if (now == oldSel) return;
    InvalidateRect(BoxRect(oldSel.Left, oldSel.Top, oldSel.Right, oldSel.Bottom));
    InvalidateRect(BoxRect(now.Left, now.Top, now.Right, now.Bottom));
}

bool TCustomGrid::SelectCell(int /*ACol*/, int /*ARow*/) { return true; }

void TCustomGrid::TopLeftChanged() {}

// --- repainting ---

void TCustomGrid::InvalidateCell(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
    // A grid nobody sees, or one whose redrawing is off during an update, has nothing to
    // mark: the cell's rectangle is not worth working out.
    if (!Showing() || RedrawSuppressed()) return;
    rtl::TRect r = BoxRect(ACol, ARow, ACol, ARow);
    // The line after the cell belongs to it: the focus rectangle may touch it.
    r.Right += LineWidthX();
    r.Bottom += LineWidthY();
    InvalidateRect(r);
}

void TCustomGrid::InvalidateCol(int ACol)
{
    InvalidateRect(BoxRect(ACol, 0, ACol, RowCount() - 1));
}

void TCustomGrid::InvalidateRow(int ARow)
{
    InvalidateRect(BoxRect(0, ARow, ColCount() - 1, ARow));
}

// --- moving and deleting columns and rows ---

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex) return;
    if (FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() || ToIndex >= ColCount())
        throw EInvalidGridOperation(SIndexOutOfRange);
    HideEditor();
    FColWidths.Move(FromIndex, ToIndex);
    ColumnMoved(FromIndex, ToIndex);
    ColWidthsChanged();
    Invalidate();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex) return;
    if (FromIndex < 0 || ToIndex < 0 || FromIndex >= RowCount() || ToIndex >= RowCount())
        throw EInvalidGridOperation(SIndexOutOfRange);
    HideEditor();
    FRowHeights.Move(FromIndex, ToIndex);
    RowMoved(FromIndex, ToIndex);
    RowHeightsChanged();
    Invalidate();
}

void TCustomGrid::MoveRows(int FromIndex, int Count, int ToIndex)
{
    if (FromIndex == ToIndex || Count <= 0) return;
    if (FromIndex < 0 || ToIndex < 0 || FromIndex + Count > RowCount() || ToIndex + Count > RowCount())
        throw EInvalidGridOperation(SIndexOutOfRange);
    HideEditor();
    FRowHeights.MoveBlock(FromIndex, Count, ToIndex);
    RowsMoved(FromIndex, Count, ToIndex);
    RowHeightsChanged();
    Invalidate();
}

void TCustomGrid::RowsMoved(int /*FromIndex*/, int /*Count*/, int /*ToIndex*/) {}

void TCustomGrid::ColumnMoved(int /*FromIndex*/, int /*ToIndex*/) {}
void TCustomGrid::RowMoved(int /*FromIndex*/, int /*ToIndex*/) {}

void TCustomGrid::DeleteColumn(int ACol)
{
    if (ACol < 0 || ACol >= ColCount()) throw EInvalidGridOperation(SIndexOutOfRange);
    MoveColumn(ACol, ColCount() - 1);
    SetColCount(ColCount() - 1);
}

void TCustomGrid::DeleteRow(int ARow)
{
    if (ARow < 0 || ARow >= RowCount()) throw EInvalidGridOperation(SIndexOutOfRange);
    MoveRow(ARow, RowCount() - 1);
    SetRowCount(RowCount() - 1);
}

void TCustomGrid::DeleteRows(int ARow, int Count)
{
    if (Count <= 0) return;
    if (ARow < 0 || ARow + Count > RowCount()) throw EInvalidGridOperation(SIndexOutOfRange);
    MoveRows(ARow, Count, RowCount() - Count);
    SetRowCount(RowCount() - Count);
}

}  // namespace ui
