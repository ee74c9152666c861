// The draw grid's events, and the string grid: cells in the sparse store, rows and columns as lists.
#include "platform/ui/Grids.h"

namespace ui {

// --- TCustomDrawGrid ---

void TCustomDrawGrid::DrawCell(int ACol, int ARow, const rtl::TRect& ARect, TGridDrawState AState)
{
    if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TCustomDrawGrid::SelectCell(int ACol, int ARow)
{
    bool canSelect = true;
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, canSelect);
    return canSelect;
}

void TCustomDrawGrid::TopLeftChanged()
{
    TCustomGrid::TopLeftChanged();
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TCustomDrawGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomDrawGrid::RowMoved(int FromIndex, int ToIndex)
{
    if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

std::string TCustomDrawGrid::GetEditMask(int ACol, int ARow)
{
    std::string mask;
    if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, mask);
    return mask;
}

std::string TCustomDrawGrid::GetEditText(int ACol, int ARow)
{
    std::string text;
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
    return text;
}

void TCustomDrawGrid::SetEditText(int ACol, int ARow, const std::string& Value)
{
    if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

// --- TStringGrid ---

TStringGrid::TStringGrid(rtl::TComponent* AOwner) : TCustomDrawGrid(AOwner) {}

TStringGrid::~TStringGrid() = default;

void TStringGrid::SetCells(int ACol, int ARow, const std::string& Value)
{
    FCells.SetText(ACol, ARow, Value, ColCount());
    if (ACol >= ColCount() || ARow >= RowCount()) return;
    InvalidateCell(ACol, ARow);
    // A cell written while it is being edited shows its new text in the editor.
    if (!FEditUpdate && FInplaceEdit != nullptr && FInplaceEdit->Visible() && ACol == Col() && ARow == Row())
        FInplaceEdit->UpdateContents();
}

void TStringGrid::PermuteRowCells(int ALeft, const std::vector<int>& AOrder)
{
    FCells.PermuteRows(ALeft, AOrder);
    Invalidate();
    if (!FEditUpdate && FInplaceEdit != nullptr && FInplaceEdit->Visible() && Row() >= ALeft &&
        Row() < ALeft + static_cast<int>(AOrder.size()))
        FInplaceEdit->UpdateContents();
}

void TStringGrid::SetObjects(int ACol, int ARow, rtl::TObject* Value)
{
    FCells.SetObject(ACol, ARow, Value);
}

rtl::TStrings& TStringGrid::Rows(int ARow)
{
    if (ARow < 0) rtl::RaiseListIndexError(ARow);
    auto& view = FRowViews[ARow];
    if (!view) view = std::make_unique<TStringGridStrings>(this, true, ARow);
    return *view;
}

rtl::TStrings& TStringGrid::Cols(int ACol)
{
    if (ACol < 0) rtl::RaiseListIndexError(ACol);
    auto& view = FColViews[ACol];
    if (!view) view = std::make_unique<TStringGridStrings>(this, false, ACol);
    return *view;
}

void TStringGrid::DrawCell(int ACol, int ARow, const rtl::TRect& ARect, TGridDrawState AState)
{
    if (DefaultDrawing()) {
        const std::string& text = FCells.Text(ACol, ARow);
        if (!text.empty()) Canvas().TextRect(ARect, ARect.Left + 2, ARect.Top + 2, text);
    }
    TCustomDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

std::string TStringGrid::GetEditText(int ACol, int ARow)
{
    std::string text = FCells.Text(ACol, ARow);
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
    return text;
}

void TStringGrid::SetEditText(int ACol, int ARow, const std::string& Value)
{
    FEditUpdate = true;
    try {
        SetCells(ACol, ARow, Value);
    } catch (...) {
        FEditUpdate = false;
        throw;
    }
    FEditUpdate = false;
    TCustomDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    FCells.MoveCol(FromIndex, ToIndex);
    TCustomDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex)
{
    FCells.MoveRow(FromIndex, ToIndex);
    TCustomDrawGrid::RowMoved(FromIndex, ToIndex);
}

// A deleted row's cells go with it: moved to the end and dropped there, so that growing the
// grid again does not bring them back.
void TStringGrid::DeleteRow(int ARow)
{
    TCustomDrawGrid::DeleteRow(ARow);
    FCells.ClearRow(RowCount());
}

void TStringGrid::RowsMoved(int FromIndex, int Count, int ToIndex)
{
    FCells.MoveRowBlock(FromIndex, Count, ToIndex);
}

void TStringGrid::DeleteRows(int ARow, int Count)
{
    TCustomDrawGrid::DeleteRows(ARow, Count);
    for (int r = RowCount(); r < RowCount() + Count; ++r) FCells.ClearRow(r);
}

void TStringGrid::DeleteColumn(int ACol)
{
    TCustomDrawGrid::DeleteColumn(ACol);
    FCells.DeleteCol(ColCount());
    FCells.InsertCol(ColCount());
}

// --- TStringGridStrings ---

std::string TStringGridStrings::Get(int index) const
{
    if (index < 0) rtl::RaiseStringListIndexError(index);
    return FGrid->Cells(CellCol(index), CellRow(index));
}

int TStringGridStrings::GetCount() const { return FIsRow ? FGrid->ColCount() : FGrid->RowCount(); }

void TStringGridStrings::Put(int index, const std::string& s)
{
    if (index < 0) rtl::RaiseStringListIndexError(index);
    FGrid->SetCells(CellCol(index), CellRow(index), s);
}

rtl::TObject* TStringGridStrings::GetObject(int index) const
{
    if (index < 0) rtl::RaiseStringListIndexError(index);
    return FGrid->Objects(CellCol(index), CellRow(index));
}

void TStringGridStrings::PutObject(int index, rtl::TObject* object)
{
    if (index < 0) rtl::RaiseStringListIndexError(index);
    FGrid->SetObjects(CellCol(index), CellRow(index), object);
}

int TStringGridStrings::Add(const std::string& s) { return AddObject(s, nullptr); }

int TStringGridStrings::AddObject(const std::string& s, rtl::TObject* object)
{
    int index = 0;
    while (!FGrid->CellText(CellCol(index), CellRow(index)).empty() ||
           FGrid->Objects(CellCol(index), CellRow(index)) != nullptr)
        ++index;
    Put(index, s);
    if (object != nullptr) PutObject(index, object);
    return index;
}

void TStringGridStrings::Insert(int index, const std::string& s) { Put(index, s); }

void TStringGridStrings::Delete(int index)
{
    Put(index, "");
    PutObject(index, nullptr);
}

void TStringGridStrings::Clear()
{
    for (int i = 0; i < GetCount(); ++i) Delete(i);
}

}  // namespace ui
