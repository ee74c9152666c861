// Sparse cell store of the string grid and the per-axis size lists of every grid.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Object.h"

namespace ui {

// A row's cells by physical column: the texts in one array sized to the row's width (a
// short text lives inside its string without a heap block), the rarely used objects in a
// second array made only when the row gets one. A cell is filled when it has a text or an
// object.
class TGridRowCells {
public:
    TGridRowCells() = default;
    TGridRowCells(TGridRowCells&&) noexcept = default;
    TGridRowCells& operator=(TGridRowCells&&) noexcept = default;

    int Width() const { return static_cast<int>(FTexts.size()); }
    // The text of column p, or nullptr beyond the row's width.
    const std::string* TextAt(int p) const { return p < Width() ? &FTexts[static_cast<std::size_t>(p)] : nullptr; }
    rtl::TObject* ObjectAt(int p) const
    {
        return FObjects != nullptr && p < static_cast<int>(FObjects->size()) ? (*FObjects)[static_cast<std::size_t>(p)]
                                                                             : nullptr;
    }
    bool Filled(int p) const { return (p < Width() && !FTexts[static_cast<std::size_t>(p)].empty()) || ObjectAt(p); }
    // The text slot of column p; a row too narrow widens to at least minWidth columns.
    std::string& TextSlot(int p, int minWidth);
    // Setting an object widens the texts too: every filled cell has a text slot.
    void SetObjectAt(int p, rtl::TObject* value);
    // Empties column p (its text's heap block is given back).
    void ClearAt(int p);
    std::size_t FilledCount() const;
    std::size_t MemoryBytes() const;

private:
    void Widen(int width);
    std::vector<std::string> FTexts;
    std::unique_ptr<std::vector<rtl::TObject*>> FObjects;
};

// Rows kept in chunks with their start indexes, so that inserting, deleting and moving a
// row costs the size of one chunk plus the number of chunks, never the number of rows.
class TGridRowSequence {
public:
    int Size() const { return FSize; }
    // Row i (i < Size()).
    TGridRowCells& At(int i);
    const TGridRowCells& At(int i) const;
    // Appends empty rows until there are n.
    void EnsureSize(int n);
    void Insert(int i, TGridRowCells&& row);
    TGridRowCells Erase(int i);
    // Rows [i, i + n) taken out as one block (i + n <= Size()), and a block put in before row i.
    std::vector<TGridRowCells> EraseRange(int i, int n);
    void InsertRange(int i, std::vector<TGridRowCells>&& rows);
    // Row left + k becomes the old row order[k]: order holds each of left..left + n - 1 once.
    void Permute(int left, const std::vector<int>& order);
    template <typename F>
    void ForEach(F&& f)
    {
        for (auto& chunk : FChunks)
            for (auto& row : chunk) f(row);
    }
    template <typename F>
    void ForEach(F&& f) const
    {
        for (const auto& chunk : FChunks)
            for (const auto& row : chunk) f(row);
    }
    std::size_t ChunkCount() const { return FChunks.size(); }
    // Rows from..to (inclusive, clipped to Size()) in order, chunk by chunk: f(index, row).
    template <typename F>
    void ForEachIn(int from, int to, F&& f) const
    {
        to = std::min(to, FSize - 1);
        if (from < 0 || from > to) return;
        for (std::size_t k = static_cast<std::size_t>(Locate(from)); k < FChunks.size() && FStarts[k] <= to; ++k) {
            const auto& chunk = FChunks[k];
            const int first = std::max(from, FStarts[k]) - FStarts[k];
            const int last = std::min(to - FStarts[k], static_cast<int>(chunk.size()) - 1);
            for (int i = first; i <= last; ++i) f(FStarts[k] + i, chunk[static_cast<std::size_t>(i)]);
        }
    }
    template <typename F>
    void ForEachIn(int from, int to, F&& f)
    {
        to = std::min(to, FSize - 1);
        if (from < 0 || from > to) return;
        for (std::size_t k = static_cast<std::size_t>(Locate(from)); k < FChunks.size() && FStarts[k] <= to; ++k) {
            auto& chunk = FChunks[k];
            const int first = std::max(from, FStarts[k]) - FStarts[k];
            const int last = std::min(to - FStarts[k], static_cast<int>(chunk.size()) - 1);
            for (int i = first; i <= last; ++i) f(FStarts[k] + i, chunk[static_cast<std::size_t>(i)]);
        }
    }

private:
    static constexpr int kChunk = 512;
    int Locate(int i) const;
    void Restart(std::size_t fromChunk);
    // Chunk k takes in chunk k + 1 when both fit in one.
    void JoinIfSmall(std::size_t k);
    std::vector<std::vector<TGridRowCells>> FChunks;
    std::vector<int> FStarts;
    int FSize = 0;
};

// Text and one object per cell. Cells may be written anywhere at or above index 0, whatever
// the grid's size; rows and columns are moved through the row sequence and a column map
// (logical column -> physical column), so whole-row and whole-column operations cost what
// the rows concerned hold. Negative indexes raise the list index error.
class TGridCellStore {
public:
    const std::string& Text(int c, int r) const;
    rtl::TObject* Object(int c, int r) const;
    // A row written for the first time is made rowWidth columns wide at once (the grid's
    // column count), so that filling a row allocates once.
    void SetText(int c, int r, const std::string& value, int rowWidth = 0);
    void SetText(int c, int r, std::string&& value, int rowWidth = 0);
    void SetObject(int c, int r, rtl::TObject* value);

    void InsertRow(int r);
    void DeleteRow(int r);
    void MoveRow(int from, int to);
    // The count rows at from move as one block to start at row to (as if each were moved in
    // turn); the rows between shift to make room.
    void MoveRowBlock(int from, int count, int to);
    void InsertCol(int c);
    void DeleteCol(int c);
    void MoveCol(int from, int to);
    void ClearRow(int r);
    void Clear();
    // Row left + k receives the cells of the old row order[k] (order holds each of
    // left..left + n - 1 once): whole rows move, no cell is copied.
    void PermuteRows(int left, const std::vector<int>& order);
    // Columns the store has mapped: no cell lies at or beyond this logical column.
    int MappedCols() const { return static_cast<int>(FColMap.size()); }
    // The cells of column c in rows from..to (both >= 0), in row order: f(row, text, object).
    // Rows the store never held are skipped; a scan costs no look-up per row.
    template <typename F>
    void ScanColumn(int c, int from, int to, F&& f) const
    {
        CheckIndex(c, from);
        const int p = PhysicalCol(c);
        if (p < 0) return;
        FRows.ForEachIn(from, to, [&](int r, const TGridRowCells& row) {
            if (row.Filled(p)) f(r, *row.TextAt(p), row.ObjectAt(p));
        });
    }

    // Rows the store has room for (one beyond the last row ever written, at least).
    int RowExtent() const { return FRows.Size(); }
    // Filled cells and the bytes the store uses for them (texts' heap parts included).
    std::size_t FilledCells() const;
    std::size_t MemoryBytes() const;

private:
    static void CheckIndex(int c, int r);
    const TGridRowCells* FindRow(int c, int r, int& p) const;
    int PhysicalCol(int c) const { return c < static_cast<int>(FColMap.size()) ? FColMap[c] : -1; }
    int MapCol(int c);
    int NewPhysicalCol();

    TGridRowSequence FRows;
    std::vector<int> FColMap;
    std::vector<int> FFreeCols;
    int FNextPhysical = 0;
};

// Sizes of the columns (or rows) of a grid: a default size and, once any size differs, one
// size per index with a Fenwick tree of their sums, so that the offset of a cell costs
// O(log n) whatever the count.
class TGridAxisSizes {
public:
    int Count() const { return FCount; }
    void SetCount(int n);
    int Default() const { return FDefault; }
    // Sets the default and gives every index that size.
    void SetDefault(int value);
    int Size(int i) const { return FSizes.empty() ? FDefault : FSizes[i]; }
    void SetSize(int i, int value);
    // Sum of the sizes of indexes [0, i).
    long long Offset(int i) const;
    void Move(int from, int to);
    // The count sizes at from move as one block to start at index to.
    void MoveBlock(int from, int count, int to);
    void Delete(int i);
    bool AllDefault() const { return FSizes.empty(); }

private:
    void Build() const;
    int FCount = 0;
    int FDefault = 0;
    std::vector<int> FSizes;
    mutable std::vector<long long> FTree;
    mutable bool FTreeValid = false;
};

}  // namespace ui
