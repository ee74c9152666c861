// Sort settings and filter conditions of the string grid: setters, copying, the sort-state text and the condition list.
#include "grid/core/GridOptionsSort.h"

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "platform/gfx/Bitmap.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"

namespace grid {

TSortSettings::TSortSettings(TExtStringGrid* AGrid)
    : FGrid(AGrid),
      FUpGlyph(std::make_unique<gfx::TBitmap>()),
      FDownGlyph(std::make_unique<gfx::TBitmap>()),
      FIndexUpGlyph(std::make_unique<gfx::TBitmap>()),
      FIndexDownGlyph(std::make_unique<gfx::TBitmap>())
{
}

TSortSettings::~TSortSettings() = default;

void TSortSettings::SetShow(bool v)
{
    if (v == FShow) return;
    FShow = v;
    if (FGrid != nullptr) FGrid->Invalidate();
}

void TSortSettings::RepaintHeaderRow()
{
    if (FGrid != nullptr && FGrid->FixedRows() > 0) FGrid->InvalidateRow(FGrid->FixedRows() - 1);
}

void TSortSettings::StoreHeaderColor(gfx::TColor& field, gfx::TColor v)
{
    if (field == v) return;
    field = v;
    RepaintHeaderRow();
}

void TSortSettings::SetHeaderColor(gfx::TColor v) { StoreHeaderColor(FHeaderColor, v); }
void TSortSettings::SetHeaderColorTo(gfx::TColor v) { StoreHeaderColor(FHeaderColorTo, v); }
void TSortSettings::SetHeaderMirrorColor(gfx::TColor v) { StoreHeaderColor(FHeaderMirrorColor, v); }
void TSortSettings::SetHeaderMirrorColorTo(gfx::TColor v) { StoreHeaderColor(FHeaderMirrorColorTo, v); }

void TSortSettings::SetRow(int v)
{
    if (FGrid != nullptr && v > FGrid->FixedRows())
        throw rtl::Exception("Sort row should be smaller than number of fixed rows");
    FRow = v;
}

void TSortSettings::SetUpGlyph(const gfx::TBitmap* v) { FUpGlyph->Assign(v); }
void TSortSettings::SetDownGlyph(const gfx::TBitmap* v) { FDownGlyph->Assign(v); }
void TSortSettings::SetIndexUpGlyph(const gfx::TBitmap* v) { FIndexUpGlyph->Assign(v); }
void TSortSettings::SetIndexDownGlyph(const gfx::TBitmap* v) { FIndexDownGlyph->Assign(v); }

void TSortSettings::Remove()
{
    FColumn = -1;
    if (FGrid == nullptr) return;
    FGrid->SortIndexes().Clear();
    RepaintHeaderRow();
}

std::string TSortSettings::SaveToString() const
{
    if (FIndexShow) return "i;" + (FGrid != nullptr ? FGrid->SortIndexes().SaveToString() : std::string());
    return (FDirection == sdDescending ? "d" : "u") + std::to_string(FColumn);
}

void TSortSettings::LoadFromString(const std::string& S)
{
    if (S.empty()) return;
    SetShow(true);
    if (S.size() < 2) throw rtl::Exception("Invalid sort settings specifier");
    if (S.find("i;") != std::string::npos) {
        FIndexShow = true;
        std::string rest = S.substr(2);
        if (rest.empty() || FGrid == nullptr) return;
        FGrid->SortIndexes().LoadFromString(rest);
        if (OnSortRequest) OnSortRequest(true);
        return;
    }
    FIndexShow = false;
    FDirection = S.find('u') != std::string::npos ? sdAscending : sdDescending;
    int column = 0;
    if (!rtl::TryStrToInt(S.substr(1), column)) return;
    FColumn = column;
    if (OnSortRequest) OnSortRequest(false);
}

void TSortSettings::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TSortSettings*>(Source);
    if (src == nullptr) return;
    FAutoSortForGrouping = src->FAutoSortForGrouping;
    FAutoColumnMerge = src->FAutoColumnMerge;
    FDefaultFormat = src->FDefaultFormat;
    FColumn = src->FColumn;
    FShow = src->FShow;
    FIndexShow = src->FIndexShow;
    FIndexColor = src->FIndexColor;
    FFull = src->FFull;
    FSingleColumn = src->FSingleColumn;
    FIgnoreBlanks = src->FIgnoreBlanks;
    FBlankPos = src->FBlankPos;
    FAutoFormat = src->FAutoFormat;
    FDirection = src->FDirection;
    FUpGlyph->Assign(src->FUpGlyph.get());
    FDownGlyph->Assign(src->FDownGlyph.get());
    FIndexUpGlyph->Assign(src->FIndexUpGlyph.get());
    FIndexDownGlyph->Assign(src->FIndexDownGlyph.get());
    FIndexSortKey = src->FIndexSortKey;
    FInitSortDirection = src->FInitSortDirection;
    FFixedCols = src->FFixedCols;
    FNormalCellsOnly = src->FNormalCellsOnly;
    FRow = src->FRow;
    FUndoSort = src->FUndoSort;
    FHeaderColor = src->FHeaderColor;
    FHeaderColorTo = src->FHeaderColorTo;
    FHeaderMirrorColor = src->FHeaderMirrorColor;
    FHeaderMirrorColorTo = src->FHeaderMirrorColorTo;
}

void TFilterData::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TFilterData*>(Source);
    if (src == nullptr) return;
    FColumn = src->FColumn;
    FCondition = src->FCondition;
    FCaseSensitive = src->FCaseSensitive;
    FData = src->FData;
    FPrefix = src->FPrefix;
    FSuffix = src->FSuffix;
    FOperation = src->FOperation;
    FMethod = src->FMethod;
    FEnabled = src->FEnabled;
    FRemoveAccented = src->FRemoveAccented;
    FFilterType = src->FFilterType;
    FFriendlyName = src->FFriendlyName;
}

void TFilterData::BuildCondition(const std::string& V)
{
    std::string v = V.find(' ') != std::string::npos ? "\"" + V + "\"" : V;
    switch (FFilterType) {
    case ftStartsWith: FCondition = v + "*"; break;
    case ftEndsWith: FCondition = "*" + v; break;
    case ftContains: FCondition = "*" + v + "*"; break;
    case ftNotContains: FCondition = "!*" + v + "*"; break;
    case ftEqual: FCondition = v; break;
    case ftNotEqual: FCondition = "!" + v; break;
    case ftLargerThan: FCondition = ">" + v; break;
    case ftSmallerThan: FCondition = "<" + v; break;
    case ftClear:
    case ftNone: break;
    }
}

TFilter::TFilter(TExtStringGrid* AGrid) : FGrid(AGrid) {}

TFilter::~TFilter() = default;

void TFilter::Update(int column)
{
    if (OnUpdate) OnUpdate(column);
}

TFilterData& TFilter::Items(int i) const
{
    if (i < 0 || i >= Count()) rtl::RaiseListIndexError(i);
    return *FItems[static_cast<std::size_t>(i)];
}

void TFilter::SetItems(int i, const TFilterData* v)
{
    Items(i).Assign(v);
    Update(0);
}

TFilterData& TFilter::Add()
{
    FItems.push_back(std::make_unique<TFilterData>());
    TFilterData& item = *FItems.back();
    item.SetOperation(FItems.size() == 1 ? foNONE : foAND);
    Update(0);
    return item;
}

TFilterData& TFilter::Insert(int)
{
    FItems.push_back(std::make_unique<TFilterData>());
    Update(0);
    return *FItems.back();
}

void TFilter::Delete(int i)
{
    Items(i);
    FItems.erase(FItems.begin() + i);
    Update(0);
}

void TFilter::Clear()
{
    FItems.clear();
    Update(0);
}

TFilterData& TFilter::GetColFilter(int column)
{
    for (auto& item : FItems)
        if (item->Column() == column) return *item;
    TFilterData& item = Add();
    item.SetColumn(static_cast<std::int16_t>(column));
    return item;
}

bool TFilter::HasFilter(int column) const
{
    return std::any_of(FItems.begin(), FItems.end(), [column](const auto& item) { return item->Column() == column; });
}

bool TFilter::HasOtherFilter(int column) const
{
    return std::any_of(FItems.begin(), FItems.end(), [column](const auto& item) { return item->Column() != column; });
}

TFilterType TFilter::HasFilterType(int column) const
{
    for (const auto& item : FItems)
        if (item->Column() == column) return item->FilterType();
    return ftContains;
}

void TFilter::RemoveColumnFilter(int column)
{
    for (int i = Count() - 1; i >= 0; --i)
        if (FItems[static_cast<std::size_t>(i)]->Column() == column) FItems.erase(FItems.begin() + i);
    Update(column);
}

void TFilter::Assign(const rtl::TPersistent* Source)
{
    const auto* src = dynamic_cast<const TFilter*>(Source);
    if (src == nullptr || src == this) return;
    FItems.clear();
    for (const auto& item : src->FItems) {
        FItems.push_back(std::make_unique<TFilterData>());
        FItems.back()->Assign(item.get());
    }
    Update(0);
}

}  // namespace grid
