// Cell-edit undo and redo: a record of cell-text changes replayed on the linked grid.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "grid/core/GridEvents.h"
#include "platform/rtl/Component.h"

namespace grid {

class TBaseGrid;

// One recorded change, or a sequence marker (Col and Row -1, empty texts).
class TUndoRedoItem : public rtl::TPersistent {
public:
    std::string ClassName() const override { return "TUndoRedoItem"; }
    int Row() const { return FRow; }
    void SetRow(int v) { FRow = v; }
    int Col() const { return FCol; }
    void SetCol(int v) { FCol = v; }
    // The text after the change.
    const std::string& Value() const { return FValue; }
    void SetValue(const std::string& v) { FValue = v; }
    // The text before the change.
    const std::string& OrigValue() const { return FOrigValue; }
    void SetOrigValue(const std::string& v) { FOrigValue = v; }
    bool SequenceStart() const { return FSequenceStart; }
    void SetSequenceStart(bool v) { FSequenceStart = v; }
    bool SequenceStop() const { return FSequenceStop; }
    void SetSequenceStop(bool v) { FSequenceStop = v; }
    bool IsMarker() const { return FSequenceStart || FSequenceStop; }

private:
    int FRow = -1;
    int FCol = -1;
    std::string FValue;
    std::string FOrigValue;
    bool FSequenceStart = false;
    bool FSequenceStop = false;
};

// The record: items in the order of registration, owned.
class TUndoRedoCollection : public rtl::TPersistent {
public:
    std::string ClassName() const override { return "TUndoRedoCollection"; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TUndoRedoItem& Items(int index) const { return *FItems.at(static_cast<std::size_t>(index)); }
    TUndoRedoItem& Add();
    void Delete(int index);
    // Frees the items from index on.
    void Truncate(int index);
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TUndoRedoItem>> FItems;
};

// Records cell-text changes and undoes and redoes them on the linked grid. Items
// 0 .. Level() - 1 are done, the rest undone. The history is linear: recording anything
// after an undo discards the undone items, so a later Undo never rewrites them.
class TExtGridUndoRedo : public rtl::TComponent {
public:
    explicit TExtGridUndoRedo(rtl::TComponent* AOwner);
    ~TExtGridUndoRedo() override;
    std::string ClassName() const override { return "TExtGridUndoRedo"; }

    virtual void RegisterChange(int ACol, int ARow, const std::string& OldValue, const std::string& NewValue);
    virtual void StartSequence();
    virtual void StopSequence();

    void Undo();
    void Redo();
    void Reset();
    bool CanUndo() const { return FLevel > 0; }
    bool CanRedo() const { return FLevel < FItems->Count(); }

    int Level() const { return FLevel; }
    TUndoRedoCollection& Items() { return *FItems; }
    TBaseGrid* Grid() const { return FGrid; }
    // Links the grid (not owned); its going away unlinks it. TBaseGrid::SetUndoRedo calls this.
    void SetGrid(TBaseGrid* AGrid);
    // Greatest number of items kept; 0 or less keeps all.
    int MaxLevel() const { return FMaxLevel; }
    void SetMaxLevel(int v) { FMaxLevel = v; }

    TExtGridUndoRedoEvent OnUndo;
    TExtGridUndoRedoEvent OnRedo;

protected:
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;

private:
    TUndoRedoItem& Append();
    void AppendMarker(bool start);
    // Writes the item's old (undo) or new (redo) text and makes its cell current.
    void ApplyStep(const TUndoRedoItem& item, bool undo, bool viaCheckBox);
    void MakeCurrent(int col, int row);

    std::unique_ptr<TUndoRedoCollection> FItems;
    TBaseGrid* FGrid = nullptr;
    int FLevel = 0;
    int FMaxLevel = 0;
};

}  // namespace grid
