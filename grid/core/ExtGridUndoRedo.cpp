// Cell-edit undo and redo: recording changes and sequences, replaying them on the grid.
#include "grid/core/ExtGridUndoRedo.h"

#include "grid/core/BaseGrid.h"

namespace grid {

TUndoRedoItem& TUndoRedoCollection::Add()
{
    FItems.push_back(std::make_unique<TUndoRedoItem>());
    return *FItems.back();
}

void TUndoRedoCollection::Delete(int index)
{
    FItems.erase(FItems.begin() + index);
}

void TUndoRedoCollection::Truncate(int index)
{
    if (index < Count()) FItems.resize(static_cast<std::size_t>(index));
}

TExtGridUndoRedo::TExtGridUndoRedo(rtl::TComponent* AOwner)
    : rtl::TComponent(AOwner), FItems(std::make_unique<TUndoRedoCollection>())
{
}

TExtGridUndoRedo::~TExtGridUndoRedo() = default;

void TExtGridUndoRedo::SetGrid(TBaseGrid* AGrid)
{
    if (FGrid == AGrid) return;
    if (FGrid != nullptr) RemoveFreeNotification(FGrid);
    FGrid = AGrid;
    if (FGrid != nullptr) FGrid->FreeNotification(this);
}

void TExtGridUndoRedo::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    rtl::TComponent::Notification(AComponent, Operation);
    if (Operation == rtl::opRemove && FGrid != nullptr && AComponent == static_cast<rtl::TComponent*>(FGrid))
        FGrid = nullptr;
}

// A linear history: whatever is recorded after an undo replaces the undone items, so a
// later Undo cannot walk back into them and write their old texts over newer edits.
TUndoRedoItem& TExtGridUndoRedo::Append()
{
    FItems->Truncate(FLevel);
    TUndoRedoItem& item = FItems->Add();
    FLevel = FItems->Count();
    return item;
}

void TExtGridUndoRedo::RegisterChange(int ACol, int ARow, const std::string& OldValue, const std::string& NewValue)
{
    FItems->Truncate(FLevel);
    if (FMaxLevel > 0) {
        // Evicting the oldest until there is room keeps the record within MaxLevel even
        // when the limit was lowered after recording.
        while (FItems->Count() >= FMaxLevel && FItems->Count() > 0) FItems->Delete(0);
        FLevel = FItems->Count();
    }
    TUndoRedoItem& item = Append();
    item.SetCol(ACol);
    item.SetRow(ARow);
    item.SetValue(NewValue);
    item.SetOrigValue(OldValue);
}

void TExtGridUndoRedo::AppendMarker(bool start)
{
    TUndoRedoItem& item = Append();
    item.SetSequenceStart(start);
    item.SetSequenceStop(!start);
}

void TExtGridUndoRedo::StartSequence() { AppendMarker(true); }

void TExtGridUndoRedo::StopSequence() { AppendMarker(false); }

// Items name the column the cell is stored at, which is its displayed column (a hidden
// column's cells lie beyond ColCount and cannot be made current).
void TExtGridUndoRedo::MakeCurrent(int col, int row)
{
    if (col >= 0 && col < FGrid->ColCount()) FGrid->SetCol(col);
    if (row >= 0 && row < FGrid->RowCount()) FGrid->SetRow(row);
}

void TExtGridUndoRedo::ApplyStep(const TUndoRedoItem& item, bool undo, bool viaCheckBox)
{
    const std::string& text = undo ? item.OrigValue() : item.Value();
    const TExtGridUndoRedoEvent& event = undo ? OnUndo : OnRedo;
    if (event) event(this, FGrid, item.Col(), item.Row(), FGrid->GetCellEx(item.Col(), item.Row()), text);
    if (viaCheckBox && FGrid->CellHasCheckBox(item.Col(), item.Row()))
        FGrid->SetCheckBoxValue(item.Col(), item.Row(), text);
    else
        FGrid->SetCellEx(item.Col(), item.Row(), text);
    MakeCurrent(item.Col(), item.Row());
}

void TExtGridUndoRedo::Undo()
{
    if (FGrid == nullptr || FLevel <= 0 || FLevel > FItems->Count()) return;
    const TUndoRedoItem& target = FItems->Items(FLevel - 1);
    --FLevel;
    if (target.SequenceStop()) {
        // The whole sequence back to its start marker (or to the start of the record when
        // the marker was evicted).
        while (FLevel > 0) {
            const TUndoRedoItem& item = FItems->Items(FLevel - 1);
            --FLevel;
            if (item.SequenceStart()) break;
            if (!item.IsMarker()) ApplyStep(item, true, false);
        }
        FGrid->Invalidate();
        return;
    }
    // A start marker with no change after it is stepped over without writing any cell
    // (its -1 coordinates name no cell).
    if (target.SequenceStart()) return;
    ApplyStep(target, true, true);
    FGrid->RepaintCell(FGrid->Col(), target.Row());
}

void TExtGridUndoRedo::Redo()
{
    if (FGrid == nullptr || FLevel < 0 || FLevel >= FItems->Count()) return;
    const TUndoRedoItem& target = FItems->Items(FLevel);
    ++FLevel;
    if (target.SequenceStart()) {
        // Every change up to the stop marker, or to the end of the record for a sequence
        // not yet closed (its last change is written too).
        while (FLevel < FItems->Count()) {
            const TUndoRedoItem& item = FItems->Items(FLevel);
            ++FLevel;
            if (item.SequenceStop()) break;
            if (!item.IsMarker()) ApplyStep(item, false, false);
        }
        FGrid->Invalidate();
        return;
    }
    // A stop marker with no change before it is stepped over without writing any cell.
    if (target.SequenceStop()) return;
    ApplyStep(target, false, false);
    FGrid->RepaintCell(FGrid->Col(), FGrid->Row());
}

void TExtGridUndoRedo::Reset()
{
    FItems->Clear();
    FLevel = 0;
}

// Linking from the grid's side also points the component at the grid, and each side
// hears of the other going away.
void TBaseGrid::SetUndoRedo(TExtGridUndoRedo* v)
{
    if (FUndoRedo == v) return;
    TExtGridUndoRedo* old = FUndoRedo;
    FUndoRedo = v;
    if (old != nullptr) {
        RemoveFreeNotification(old);
        if (old->Grid() == this) old->SetGrid(nullptr);
    }
    if (v != nullptr) {
        v->FreeNotification(this);
        v->SetGrid(this);
    }
}

}  // namespace grid
