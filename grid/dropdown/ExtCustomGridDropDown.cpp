// The grid drop-down: construction, settings, the items and the lookup list, the link between
// grid rows and items, and the item index.
#include "grid/dropdown/ExtCustomGridDropDown.h"

#include <cstdint>

#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ListDropDownStyles.h"
#include "grid/dropdown/ListLookup.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/StrUtils.h"

namespace grid {

// Whether `text` begins with `foldedPrefix`, which is already upper-cased unless case counts.
// ASCII is folded byte by byte so that a lookup over many rows allocates nothing; a text with
// other characters is folded by the locale's rules.
TCustomExtGridDropDown::TCustomExtGridDropDown(rtl::TComponent* AOwner)
    : TExtCustomDropDown(AOwner),
      FColumns(std::make_unique<griddropdown::TDropDownColumns>(this)),
      FHeaderFont(std::make_unique<gfx::TFont>()),
      FLookupItems(std::make_unique<rtl::TStringList>()),
      FSearchFooter(std::make_unique<TSearchFooter>(this, false)),
      FBands(std::make_unique<TBands>()),
      FNavigation(std::make_unique<TNavigation>()),
      FMouseActions(std::make_unique<TMouseActions>(this))
{
    FItems = CreateItems(this);
    // The base made the pop-up window before this class existed: the grid goes into it now.
    CreateDropDownForm();
    FNavigation->SetHomeEndKey(heFirstLastRow);
    SetDropDownColor(gfx::clWhite);
    SetDropDownHeight(200);
    SetAutoSelect(true);
    ApplySelectionColorStyle(scOffice2007);
}

TCustomExtGridDropDown::~TCustomExtGridDropDown() = default;

std::unique_ptr<griddropdown::TDropDownItems> TCustomExtGridDropDown::CreateItems(rtl::TPersistent* AOwner)
{
    return std::make_unique<griddropdown::TDropDownItems>(AOwner);
}

void TCustomExtGridDropDown::SetHeaderFont(const gfx::TFont* value)
{
    FHeaderFont->Assign(value);
}

void TCustomExtGridDropDown::SetStyle(TDropDownStyle value)
{
    FStyle = value;
    SetEditorEnabled(value == dsDropDown);
}

void TCustomExtGridDropDown::SetGridImages(gfx::TImageList* value)
{
    if (FGridImages != nullptr) FGridImages->RemoveFreeNotification(this);
    FGridImages = value;
    if (FGridImages != nullptr) FGridImages->FreeNotification(this);
}

void TCustomExtGridDropDown::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    TExtCustomDropDown::Notification(AComponent, Operation);
    if (Operation != rtl::opRemove) return;
    if (AComponent == FExtColGrid) FExtColGrid = nullptr;
    if (AComponent != nullptr && AComponent == FGridImages) {
        FGridImages = nullptr;
        if (FExtColGrid != nullptr) FExtColGrid->SetGridImages(nullptr);
    }
}

void TCustomExtGridDropDown::SetComponentStyle(TJyxStyle AStyle)
{
    ApplyListTableStyle(*this, AStyle);
}

void TCustomExtGridDropDown::ApplySelectionColorStyle(TSelectionColorStyle style)
{
    if (std::optional<TListLineColors> lines = ListLineColorsOf(style)) {
        FLineColor = lines->LineColor;
        FFixedLineColor = lines->FixedLineColor;
    }
    TExtCustomDropDown::ApplySelectionColorStyle(style);
}

void TCustomExtGridDropDown::Loaded()
{
    TExtCustomDropDown::Loaded();
    RebuildLookupList();
    if (FExtColGrid != nullptr && FUseItems) FillGridFromItems();
}

// --- items and the lookup list ---

std::string TCustomExtGridDropDown::ItemLookupText(int item) const
{
    return FItems->Items(item)->ColumnText(FLookupColumn);
}

void TCustomExtGridDropDown::RebuildLookupList()
{
    RebuildListLookup(*FLookupItems, *FItems, FLookupColumn);
}

// --- rows and items ---

int TCustomExtGridDropDown::ItemOfRow(int row) const
{
    if (FExtColGrid == nullptr || row >= FExtColGrid->RowCount()) return row;
    return static_cast<int>(reinterpret_cast<std::intptr_t>(FExtColGrid->Objects(0, row)));
}

int TCustomExtGridDropDown::RowOfItem(int item) const
{
    if (FExtColGrid != nullptr)
        for (int r = FExtColGrid->FixedRows(); r < FExtColGrid->RowCount(); ++r)
            if (ItemOfRow(r) == item) return r;
    return FItemIndex;
}

int TCustomExtGridDropDown::IndexOfRow(int row) const
{
    if (FUseItems) return ItemOfRow(row);
    return FExtColGrid != nullptr ? row - FExtColGrid->FixedRows() : row;
}

void TCustomExtGridDropDown::SetItemIndex(int Value)
{
    if (FUseItems) {
        if (Value >= FItems->Count()) return;
        FItemIndex = Value;
        SetText(Value >= 0 && FLookupColumn >= 0 ? ItemLookupText(Value) : std::string());
        return;
    }
    if (FExtColGrid == nullptr) {
        FItemIndex = Value;
        return;
    }
    // An index that names no data row is ignored: reading its lookup cell would address a
    // row past the grid's last one.
    const int row = FExtColGrid->FixedRows() + Value;
    if (Value == FItemIndex || row >= FExtColGrid->RowCount()) return;
    FItemIndex = Value;
    SetText(Value < 0 ? std::string() : FExtColGrid->Cells(FLookupColumn, row));
}

bool TCustomExtGridDropDown::FindLookupRow(const std::string& S, std::string& FoundText, int& Position) const
{
    Position = -1;
    FoundText.clear();
    const std::string folded = NormalizeCase(S, FCaseSensitive);
    if (folded.empty()) return false;
    if (FUseItems) {
        for (int i = 0; i < FItems->Count(); ++i) {
            const std::string text = ItemLookupText(i);
            if (!StartsWithFolded(text, folded, FCaseSensitive)) continue;
            FoundText = text;
            Position = i;
            return true;
        }
        return false;
    }
    if (FExtColGrid == nullptr) return false;
    for (int r = FExtColGrid->FixedRows(); r < FExtColGrid->RowCount(); ++r) {
        const std::string text = FExtColGrid->Cells(FLookupColumn, r);
        if (!StartsWithFolded(text, folded, FCaseSensitive)) continue;
        FoundText = text;
        Position = r;
        return true;
    }
    return false;
}

}  // namespace grid
