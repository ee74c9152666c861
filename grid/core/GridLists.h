// Small containers of the grid: integer lists, sort keys, controls placed in cells, line-wise string lists.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "grid/core/GridEvents.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Messages.h"

namespace ui {
class TControl;
}

namespace grid {

// A list of 32-bit integers that may belong to a cell and tells that cell when it
// changes. The grid keeps its row and column books in such lists; a multi-image cell
// graphic keeps its image indices in one. Indices outside the list raise
// rtl::EListError "List index out of bounds (%d)" and change nothing.
class TIntList : public rtl::TObject {
public:
    // Col/Row: the cell the list belongs to (0/0 or -1/-1 for none). Every list takes
    // the next number of a process-wide creation counter that starts at 0.
    TIntList(int Col, int Row);
    std::string ClassName() const override { return "TIntList"; }

    int Count() const { return static_cast<int>(FItems.size()); }
    // Empties the list without an OnChange.
    void Clear() { FItems.clear(); }
    // Position of the first item equal to Value, or -1.
    int IndexOf(int Value) const;

    // Appends, then fires OnChange; returns the new item's index.
    int Add(int Value);
    // Removes the item at Index, then fires OnChange.
    void Delete(int Index);
    // Inserts at Index (0 .. Count) without OnChange.
    void Insert(int Index, int Value);
    // Inserts into a list in ascending order, keeping it ascending; an empty list takes
    // the value through Add (OnChange fires), otherwise no OnChange.
    void Insert(int Value);
    // Deletes the first item equal to Value (OnChange fires), or does nothing.
    void DeleteValue(int Value);
    bool HasValue(int Value) const { return IndexOf(Value) >= 0; }
    // Binary searches of a list in ascending order: an index of an equal item or -1, and
    // the position at which Value keeps the list ascending.
    int SortedIndexOf(int Value) const;
    int SortedPosOf(int Value) const;

    // Items[Index]; writing replaces the item, then fires OnChange.
    int GetInteger(int Index) const;
    void SetInteger(int Index, int Value);
    int Items(int Index) const { return GetInteger(Index); }
    void SetItems(int Index, int Value) { SetInteger(Index, Value); }
    int operator[](int Index) const { return GetInteger(Index); }
    const std::vector<int>& Values() const { return FItems; }

    // The items as decimal numbers joined by "," without blanks ("" for an empty list).
    std::string StrValue() const;
    // Clears the list (no event) and adds every piece of the comma text (commas or blanks
    // separate, double quotes group) as an integer, OnChange firing for each. A piece that
    // is not an integer raises rtl::EConvertError; the items before it stay.
    void SetStrValue(const std::string& Value);

    int Col() const { return FCol; }
    int Row() const { return FRow; }
    int Tag() const { return FTag; }

    // Fired after Add, Delete and an Items write, with the list as sender and its cell.
    TImageChangeEvent OnChange;

protected:
    void Changed();
    void CheckIndex(int Index, int Limit) const;

private:
    std::vector<int> FItems;
    int FCol;
    int FRow;
    int FTag;
};

// The keys of a multi-column sort. Each item holds a column in bits 0 to 30 and the
// direction in bit 31 (set: descending, so a descending key is negative).
class TSortIndexList : public TIntList {
public:
    TSortIndexList(int Col = -1, int Row = -1) : TIntList(Col, Row) {}
    std::string ClassName() const override { return "TSortIndexList"; }

    void AddIndex(int ColumnIndex, bool Ascending);
    // Position of the first key of that column, or -1.
    int FindIndex(int ColumnIndex) const;
    // Flips the direction of the first key of that column; nothing when absent.
    void ToggleIndex(int ColumnIndex);

    int GetSortColumns(int i) const;
    void SetSortColumns(int i, int Value);
    // True when key i is ascending.
    bool GetSortDirections(int i) const;
    void SetSortDirections(int i, bool Value);
    int SortColumns(int i) const { return GetSortColumns(i); }
    bool SortDirections(int i) const { return GetSortDirections(i); }

    // "u3;d5": u or d for the direction, then the column (low 16 bits), joined by ";".
    std::string SaveToString() const;
    // Clears the list and reads keys back; pieces shorter than two characters are
    // skipped, a first character other than "u" means descending, and a column text that
    // is not a number counts as column 0.
    void LoadFromString(const std::string& s);
};

// A control placed in a cell (column X, row Y). The item does not own the control.
class TControlItem : public rtl::TObject {
public:
    TControlItem(int X, int Y, ui::TControl* AObject) : FX(X), FY(Y), FObject(AObject) {}
    std::string ClassName() const override { return "TControlItem"; }
    int X() const { return FX; }
    int Y() const { return FY; }
    ui::TControl* Control() const { return FObject; }

private:
    int FX;
    int FY;
    ui::TControl* FObject;
};

// The controls placed in cells. The list owns its items, never the controls.
class TControlList : public rtl::TObject {
public:
    TControlList();
    ~TControlList() override;
    TControlList(const TControlList&) = delete;
    TControlList& operator=(const TControlList&) = delete;
    std::string ClassName() const override { return "TControlList"; }

    int Count() const { return static_cast<int>(FItems.size()); }
    void AddControl(int X, int Y, ui::TControl* AObject);
    // Index of the first item placed at cell (X, Y), or -1.
    int ControlIndex(int X, int Y) const;
    // Item i; an index outside the list raises rtl::EListError.
    TControlItem* GetControl(int i) const;
    TControlItem* Control(int i) const { return GetControl(i); }
    // True when an item's control is a windowed control with that window handle; asking
    // for the handle creates the window of a control that has none yet.
    bool HasHandle(ui::HWND Handle) const;
    // Frees item i and removes it from the list.
    void RemoveControl(int i);
    // Frees every item and empties the list.
    void ClearControls();

private:
    std::vector<std::unique_ptr<TControlItem>> FItems;
};

// A string list read and written line by line, holding the whole file: the text-format
// imports and exports read and write their lines through it.
class TFileStringList : public rtl::TStringList {
public:
    std::string ClassName() const override { return "TFileStringList"; }

    // Read pointer to the first line, pending text cleared.
    void Reset();
    bool Eof() const { return fp >= Count(); }
    // The line at the read pointer, which then advances; at Eof raises
    // rtl::EStringListError "List index out of bounds (%d)".
    void ReadLn(std::string& s);
    // Appends to the pending text of the line being written.
    void Write(const std::string& s);
    // Adds the pending text followed by s as a new line and clears the pending text.
    void WriteLn(const std::string& s);

private:
    int fp = 0;
    std::string cache;
};

}  // namespace grid
