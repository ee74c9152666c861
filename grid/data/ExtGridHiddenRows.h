// The string grid's hidden-row store: one record per hidden row with its texts, cell objects, height and filter level.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/StringList.h"

namespace grid {

// One hidden row. Items holds one line per real column (hidden columns included) in real
// column order: the cell's text with the object of its slot (the cell's property object,
// which the record keeps while the row is hidden).
class TGridItem : public rtl::TObject {
public:
    TGridItem() = default;
    std::string ClassName() const override { return "TGridItem"; }
    int Idx() const { return FIdx; }
    void SetIdx(int v) { FIdx = v; }
    int Height() const { return FHeight; }
    void SetHeight(int v) { FHeight = v; }
    int Level() const { return FLevel; }
    void SetLevel(int v) { FLevel = v; }
    // Made by HideRowList: only such records are shown again when a filter level is undone.
    bool FilterRecord() const { return FFilterRecord; }
    void SetFilterRecord(bool v) { FFilterRecord = v; }
    rtl::TStringList& Items() { return FItems; }
    const rtl::TStringList& Items() const { return FItems; }
    // The list copies the given lines (objects included).
    void SetItems(const rtl::TStrings& Value) { FItems.Assign(&Value); }

private:
    int FIdx = 0;
    int FHeight = 0;
    int FLevel = 0;
    bool FFilterRecord = false;
    rtl::TStringList FItems;
};

// FGridItems with the lookup and the filter level. Records of rows hidden by HideRows and
// the node operations stand in ascending Idx order; HideRowList appends one level at a time.
// Freeing the store frees the cell property objects its records still hold.
struct TExtGridHiddenRows {
    TExtGridHiddenRows() = default;
    TExtGridHiddenRows(const TExtGridHiddenRows&) = delete;
    TExtGridHiddenRows& operator=(const TExtGridHiddenRows&) = delete;
    ~TExtGridHiddenRows();
    std::vector<std::unique_ptr<TGridItem>> Items;
    // FHiddenRowLookup: sorted Idx values of all records; valid only while LookupValid.
    std::vector<int> Lookup;
    bool LookupValid = false;
    int FilterLevel = 0;
    // Frees the property objects (with the graphics the grid owns) a record holds.
    static void FreeItemObjects(TGridItem& Item);
};

// The empty store a new grid starts with.
std::unique_ptr<TExtGridHiddenRows> CreateHiddenRowStore();

}  // namespace grid
