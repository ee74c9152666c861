// The grid engine's mouse: selecting cells and ranges, sizing and moving columns and rows.
#include <algorithm>

#include "platform/ui/Grids.h"

namespace ui {

namespace {
// How far from a line between fixed cells the mouse may be to size the cell before it.
constexpr int SizingMargin = 3;
}  // namespace

void TCustomGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                                  TGridDrawInfo& FixedInfo)
{
    State = gsNormal;
    Index = -1;
    CalcDrawInfo(FixedInfo);
    // Column borders are taken in the fixed rows, row borders in the fixed columns.
    auto find = [&](const TGridAxisDrawInfo& axis, const TGridAxisSizes& sizes, int pos, int& index, int& line) {
        long long start = 0;
        auto test = [&](int i) {
            long long border = start + sizes.Size(i);
            start = border + axis.EffectiveLineWidth;
            if (pos >= border - SizingMargin && pos < start + SizingMargin) {
                index = i;
                line = static_cast<int>(border);
                return true;
            }
            return false;
        };
        for (int i = 0; i < axis.FixedCellCount && start < axis.GridExtent; ++i)
            if (test(i)) return true;
        for (int i = axis.FirstGridCell; i < axis.GridCellCount && start < axis.GridExtent; ++i)
            if (test(i)) return true;
        return false;
    };
    int line = 0;
    if ((FOptions & goColSizing) && Y >= 0 && Y < FixedInfo.Vert.FixedBoundary &&
        find(FixedInfo.Horz, FColWidths, X, Index, line)) {
        State = gsColSizing;
        SizingPos = line;
        SizingOfs = line - X;
        return;
    }
    if ((FOptions & goRowSizing) && X >= 0 && X < FixedInfo.Horz.FixedBoundary &&
        find(FixedInfo.Vert, FRowHeights, Y, Index, line)) {
        State = gsRowSizing;
        SizingPos = line;
        SizingOfs = line - Y;
    }
}

// The cell under a point; past an edge of the client area, the cell just beyond it (so a
// drag there scrolls), kept inside the scrollable cells.
TGridCoord TCustomGrid::ClampedCellAt(int X, int Y) const
{
    rtl::TRect client = GetClientRect();
    int col = ColumnAt(std::max(0, std::min(X, client.Right - 1)));
    int row = RowAt(std::max(0, std::min(Y, client.Bottom - 1)));
    if (col < 0) col = ColCount() - 1;
    if (row < 0) row = RowCount() - 1;
    if (X >= client.Right) col = std::min(col + 1, ColCount() - 1);
    if (Y >= client.Bottom) row = std::min(row + 1, RowCount() - 1);
    if (X < FixedWidth() && col < FFixedCols) col = FTopLeft.X - 1;
    if (Y < FixedHeight() && row < FFixedRows) row = FTopLeft.Y - 1;
    col = std::max(FFixedCols, std::min(col, ColCount() - 1));
    row = std::max(FFixedRows, std::min(row, RowCount() - 1));
    return {col, row};
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FClickedCurrent = false;
    // The second press of a double click on the current cell (the first one made it
    // current) opens the cell's editor.
    if (Button == mbLeft && (Shift & ssDouble) && (FOptions & goEditing) && MouseCoord(X, Y) == FCurrent &&
        FCurrent.X >= FFixedCols && FCurrent.Y >= FFixedRows)
        ShowEditor();
    if (Button != mbLeft || (Shift & ssDouble)) {
        TCustomControl::MouseDown(Button, Shift, X, Y);
        return;
    }
    bool wasFocused = Focused();
    if (!wasFocused && CanFocus()) SetFocus();
    TGridDrawInfo info;
    TGridState sizing = gsNormal;
    CalcSizingState(X, Y, sizing, FSizingIndex, FSizingPos, FSizingOfs, info);
    if (sizing != gsNormal) {
        HideEditor();
        FGridState = sizing;
        TCustomControl::MouseDown(Button, Shift, X, Y);
        return;
    }
    TGridCoord cell = MouseCoord(X, Y);
    if (cell.X >= 0) {
        bool inFixedRow = cell.Y < FFixedRows;
        bool inFixedCol = cell.X < FFixedCols;
        if (inFixedRow && !inFixedCol && (FOptions & goColMoving)) {
            HideEditor();
            FGridState = gsColMoving;
            FMoveIndex = FMovePos = cell.X;
            InvalidateCell(cell.X, cell.Y);
        } else if (inFixedCol && !inFixedRow && (FOptions & goRowMoving)) {
            HideEditor();
            FGridState = gsRowMoving;
            FMoveIndex = FMovePos = cell.Y;
            InvalidateCell(cell.X, cell.Y);
        } else if (!inFixedRow && !inFixedCol) {
            FClickedCurrent = wasFocused && cell == FCurrent && !(Shift & ssShift);
            bool extend = (Shift & ssShift) && (FOptions & goRangeSelect);
            MoveColRow(cell.X, cell.Y, !extend, true);
            FGridState = gsSelecting;
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    switch (FGridState) {
    case gsSelecting: {
        TGridCoord cell = ClampedCellAt(X, Y);
        if (!(cell == FCurrent)) {
            FClickedCurrent = false;
            MoveColRow(cell.X, cell.Y, !(FOptions & goRangeSelect), true);
        }
        break;
    }
    case gsColSizing:
        if (FSizingIndex >= 0 && FSizingIndex < ColCount())
            SetColWidths(FSizingIndex, static_cast<int>(X + FSizingOfs - ColLeft(FSizingIndex)));
        break;
    case gsRowSizing:
        if (FSizingIndex >= 0 && FSizingIndex < RowCount())
            SetRowHeights(FSizingIndex, static_cast<int>(Y + FSizingOfs - RowTop(FSizingIndex)));
        break;
    case gsColMoving: {
        int col = ColumnAt(std::max(0, X));
        if (col < 0) col = ColCount() - 1;
        FMovePos = std::max(FFixedCols, std::min(col, ColCount() - 1));
        break;
    }
    case gsRowMoving: {
        int row = RowAt(std::max(0, Y));
        if (row < 0) row = RowCount() - 1;
        FMovePos = std::max(FFixedRows, std::min(row, RowCount() - 1));
        break;
    }
    default: break;
    }
    TCustomControl::MouseMove(Shift, X, Y);
    ShowSizingCursor(X, Y);
}

// Over a line that can be dragged, and while dragging it, the splitter cursor shows.
void TCustomGrid::ShowSizingCursor(int X, int Y)
{
    TApplication* app = Application();
    if (app == nullptr || !app->HasBackend()) return;
    TGridState state = FGridState;
    if (state == gsNormal) {
        TGridDrawInfo info;
        int index = 0, pos = 0, ofs = 0;
        CalcSizingState(X, Y, state, index, pos, ofs, info);
    }
    if (state == gsColSizing) app->Backend().SetCursorShape(crHSplit);
    else if (state == gsRowSizing) app->Backend().SetCursorShape(crVSplit);
}

void TCustomGrid::FinishDrag(int X, int Y)
{
    TGridState state = FGridState;
    FGridState = gsNormal;
    if (state == gsColMoving) InvalidateRect(BoxRect(FMoveIndex, 0, FMoveIndex, FFixedRows - 1));
    if (state == gsRowMoving) InvalidateRect(BoxRect(0, FMoveIndex, FFixedCols - 1, FMoveIndex));
    switch (state) {
    case gsColMoving:
        if (FMovePos != FMoveIndex) MoveColumn(FMoveIndex, FMovePos);
        break;
    case gsRowMoving:
        if (FMovePos != FMoveIndex) MoveRow(FMoveIndex, FMovePos);
        break;
    case gsSelecting:
        // A second press on the current cell of a focused grid opens the editor.
        if (FClickedCurrent && (FOptions & goEditing) && MouseCoord(X, Y) == FCurrent) ShowEditor();
        break;
    default: break;
    }
    FClickedCurrent = false;
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) FinishDrag(X, Y);
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

}  // namespace ui
