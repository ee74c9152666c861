// Sort settings and the collection of filter conditions of the string grid.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/core/GridOptions.h"
#include "grid/core/GridTypes.h"
#include "platform/gfx/Color.h"
#include "platform/rtl/Object.h"

namespace gfx {
class TBitmap;
}

namespace grid {

class TExtStringGrid;

enum TSortDirection : std::uint8_t { sdAscending, sdDescending };
enum TIndexSortKey : std::uint8_t { ikShift, ikCtrl };
enum TSortBlankPosition : std::uint8_t { blFirst, blLast };

// How the grid sorts and how the sort state shows in the header. Assign copies straight
// into the fields (no repaint, no check of Row); SortOnVirtualCells and IgnoreCase are not
// copied.
class TSortSettings : public rtl::TPersistent {
public:
    // AGrid may be nil: the settings then only store values.
    explicit TSortSettings(TExtStringGrid* AGrid);
    ~TSortSettings() override;
    TSortSettings(const TSortSettings&) = delete;
    TSortSettings& operator=(const TSortSettings&) = delete;
    std::string ClassName() const override { return "TSortSettings"; }
    void Assign(const rtl::TPersistent* Source) override;

    // Stores a change and repaints.
    bool Show() const { return FShow; }
    void SetShow(bool v);
    // Store a change and repaint row FixedRows - 1 when the grid has fixed rows.
    gfx::TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(gfx::TColor v);
    gfx::TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(gfx::TColor v);
    gfx::TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
    void SetHeaderMirrorColor(gfx::TColor v);
    gfx::TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
    void SetHeaderMirrorColorTo(gfx::TColor v);
    // A row beyond the grid's fixed rows raises "Sort row should be smaller than number of
    // fixed rows".
    int Row() const { return FRow; }
    void SetRow(int v);
    // Owned glyphs: the setters copy the bitmap.
    gfx::TBitmap& UpGlyph() const { return *FUpGlyph; }
    void SetUpGlyph(const gfx::TBitmap* v);
    gfx::TBitmap& DownGlyph() const { return *FDownGlyph; }
    void SetDownGlyph(const gfx::TBitmap* v);
    gfx::TBitmap& IndexUpGlyph() const { return *FIndexUpGlyph; }
    void SetIndexUpGlyph(const gfx::TBitmap* v);
    gfx::TBitmap& IndexDownGlyph() const { return *FIndexDownGlyph; }
    void SetIndexDownGlyph(const gfx::TBitmap* v);

    void ToggleDirection() { FDirection = FDirection == sdAscending ? sdDescending : sdAscending; }
    // No sorted column: Column -1, the grid's sort index list cleared, the header row repainted.
    void Remove();
    // "i;" and the sort index list's text with IndexShow, else "u" or "d" and Column.
    std::string SaveToString() const;
    // Reads a text written by SaveToString: sets Show, then the index list or the direction
    // and column, and asks for a sort through OnSortRequest (indexed: by the index list).
    // A text of one character raises "Invalid sort settings specifier".
    void LoadFromString(const std::string& S);
    std::function<void(bool indexed)> OnSortRequest;

    GRID_PLAIN_PROPERTY(int, Column, -1)
    GRID_PLAIN_PROPERTY(TSortDirection, Direction, sdAscending)
    GRID_PLAIN_PROPERTY(TSortDirection, InitSortDirection, sdAscending)
    GRID_PLAIN_PROPERTY(bool, IndexShow, false)
    GRID_PLAIN_PROPERTY(gfx::TColor, IndexColor, gfx::clYellow)
    GRID_PLAIN_PROPERTY(TIndexSortKey, IndexSortKey, ikShift)
    GRID_PLAIN_PROPERTY(bool, Full, true)
    GRID_PLAIN_PROPERTY(bool, SingleColumn, false)
    GRID_PLAIN_PROPERTY(bool, IgnoreBlanks, false)
    GRID_PLAIN_PROPERTY(TSortBlankPosition, BlankPos, blFirst)
    GRID_PLAIN_PROPERTY(bool, AutoFormat, true)
    GRID_PLAIN_PROPERTY(TSortStyle, DefaultFormat, ssAutomatic)
    GRID_PLAIN_PROPERTY(bool, IgnoreCase, false)
    GRID_PLAIN_PROPERTY(bool, NormalCellsOnly, false)
    GRID_PLAIN_PROPERTY(bool, FixedCols, false)
    GRID_PLAIN_PROPERTY(bool, UndoSort, false)
    GRID_PLAIN_PROPERTY(bool, AutoColumnMerge, false)
    GRID_PLAIN_PROPERTY(bool, AutoSortForGrouping, true)
    GRID_PLAIN_PROPERTY(bool, SortOnVirtualCells, true)

private:
    void RepaintHeaderRow();
    void StoreHeaderColor(gfx::TColor& field, gfx::TColor v);

    TExtStringGrid* FGrid;
    bool FShow = false;
    int FRow = 0;
    gfx::TColor FHeaderColor = gfx::clNone;
    gfx::TColor FHeaderColorTo = gfx::clNone;
    gfx::TColor FHeaderMirrorColor = gfx::clNone;
    gfx::TColor FHeaderMirrorColorTo = gfx::clNone;
    std::unique_ptr<gfx::TBitmap> FUpGlyph;
    std::unique_ptr<gfx::TBitmap> FDownGlyph;
    std::unique_ptr<gfx::TBitmap> FIndexUpGlyph;
    std::unique_ptr<gfx::TBitmap> FIndexDownGlyph;
};

enum TFilterCells : std::uint8_t { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum TFilterOperation : std::uint8_t { foSHORT, foNONE, foAND, foXOR, foOR };
enum TFilterMethod : std::uint8_t { fmExpression, fmLiteral };
enum TFilterType : std::uint8_t { ftStartsWith, ftEndsWith, ftContains, ftNotContains, ftEqual, ftNotEqual,
                                  ftLargerThan, ftSmallerThan, ftClear, ftNone };

// One filter condition.
class TFilterData : public rtl::TPersistent {
public:
    TFilterData() = default;
    std::string ClassName() const override { return "TFilterData"; }
    void Assign(const rtl::TPersistent* Source) override;

    GRID_PLAIN_PROPERTY(std::int16_t, Column, 0)
    GRID_PLAIN_PROPERTY(std::string, Condition, "")
    GRID_PLAIN_PROPERTY(bool, CaseSensitive, true)
    GRID_PLAIN_PROPERTY(TFilterCells, Data, fcVirtual)
    GRID_PLAIN_PROPERTY(std::string, Prefix, "")
    GRID_PLAIN_PROPERTY(std::string, Suffix, "")
    GRID_PLAIN_PROPERTY(TFilterOperation, Operation, foSHORT)
    GRID_PLAIN_PROPERTY(TFilterMethod, Method, fmExpression)
    GRID_PLAIN_PROPERTY(bool, Enabled, true)
    GRID_PLAIN_PROPERTY(bool, RemoveAccented, false)
    GRID_PLAIN_PROPERTY(TFilterType, FilterType, ftStartsWith)
    GRID_PLAIN_PROPERTY(std::string, FriendlyName, "")
public:
    // Condition from FilterType and a value (quoted when it holds a blank); ftClear and
    // ftNone leave Condition as it is.
    void BuildCondition(const std::string& V);
};

// The grid's filter conditions. OnUpdate runs after every change of the collection (the
// grid repaints its row 0, or a filter column's header cell after RemoveColumnFilter).
class TFilter : public rtl::TPersistent {
public:
    explicit TFilter(TExtStringGrid* AGrid);
    ~TFilter() override;
    TFilter(const TFilter&) = delete;
    TFilter& operator=(const TFilter&) = delete;
    std::string ClassName() const override { return "TFilter"; }
    // Copies the conditions of another TFilter.
    void Assign(const rtl::TPersistent* Source) override;
    TExtStringGrid* Owner() const { return FGrid; }

    int Count() const { return static_cast<int>(FItems.size()); }
    TFilterData& Items(int i) const;
    void SetItems(int i, const TFilterData* v);
    // Operation foNONE for the first item, foAND for the others.
    TFilterData& Add();
    // Appended at the end, Operation left alone.
    TFilterData& Insert(int index);
    void Delete(int i);
    void Clear();
    // The column's first item, added when it has none.
    TFilterData& GetColFilter(int column);
    bool HasFilter(int column) const;
    bool HasOtherFilter(int column) const;
    // ftContains when the column has no item.
    TFilterType HasFilterType(int column) const;
    void RemoveColumnFilter(int column);

    std::function<void(int column)> OnUpdate;

private:
    void Update(int column);

    TExtStringGrid* FGrid;
    std::vector<std::unique_ptr<TFilterData>> FItems;
};

}  // namespace grid
