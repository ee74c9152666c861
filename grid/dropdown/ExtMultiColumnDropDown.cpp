// The multi-column drop-down: settings, items and the lookup list, key lookup, the keys of the
// edit and the auto-completion of typed text.
#include "grid/dropdown/ExtMultiColumnDropDown.h"

#include <algorithm>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ListDropDownStyles.h"
#include "grid/dropdown/ListLookup.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

constexpr int PageStep = 10;
constexpr std::size_t MaxCompletedLength = 255;

// Whether a released key is one that types: not a modifier, a navigation, function or
// editing-control key.
bool TypesText(ui::WORD key)
{
    if (key >= ui::VK_SHIFT && key <= ui::VK_MENU) return false;
    if (key >= ui::VK_PRIOR && key <= ui::VK_DOWN) return false;
    if (key >= ui::VK_F1 && key <= ui::VK_F1 + 23) return false;
    return key != ui::VK_TAB && key != ui::VK_RETURN && key != ui::VK_ESCAPE && key != ui::VK_INSERT &&
           key != ui::VK_DELETE && key != ui::VK_CAPITAL;
}

}  // namespace

TExtMultiColumnDropDown::TExtMultiColumnDropDown(rtl::TComponent* AOwner)
    : TExtCustomDropDown(AOwner),
      FItems(std::make_unique<multicolumn::TDropDownItems>(this)),
      FColumns(std::make_unique<multicolumn::TDropDownColumns>(this)),
      FHeaderFont(std::make_unique<gfx::TFont>()),
      FLookupItems(std::make_unique<rtl::TStringList>())
{
    // The base made the pop-up window before this class existed: the list goes into it now.
    CreateDropDownForm();
    SetDropDownColor(gfx::clWhite);
    SetDropDownHeight(200);
    SetAutoSelect(true);
    ApplySelectionColorStyle(scOffice2007);
}

TExtMultiColumnDropDown::~TExtMultiColumnDropDown() = default;

void TExtMultiColumnDropDown::Assign(const rtl::TPersistent* Source)
{
    TExtCustomDropDown::Assign(Source);
    const auto* src = dynamic_cast<const TExtMultiColumnDropDown*>(Source);
    if (src == nullptr || src == this) return;
    FCaseSensitive = src->FCaseSensitive;
    FDropDownAutoWidth = src->FDropDownAutoWidth;
    FDropDownRowHeight = src->FDropDownRowHeight;
    FLineColor = src->FLineColor;
    FFixedLineColor = src->FFixedLineColor;
    FColumnSizing = src->FColumnSizing;
    FColumnSizeWithDropDown = src->FColumnSizeWithDropDown;
    FColumns->Assign(src->FColumns.get());
    FHeaderColor = src->FHeaderColor;
    FHeaderColorTo = src->FHeaderColorTo;
    FHeaderHeight = src->FHeaderHeight;
    FHeaderFont->Assign(src->FHeaderFont.get());
    FLookupColumn = src->FLookupColumn;
    FSelectionTextColor = src->FSelectionTextColor;
    FItems->Assign(src->FItems.get());
    FItemIndex = src->FItemIndex;
}

void TExtMultiColumnDropDown::SetHeaderFont(const gfx::TFont* value)
{
    FHeaderFont->Assign(value);
}

void TExtMultiColumnDropDown::SetImages(gfx::TImageList* value)
{
    if (FImages != nullptr) FImages->RemoveFreeNotification(this);
    FImages = value;
    if (FImages != nullptr) FImages->FreeNotification(this);
}

void TExtMultiColumnDropDown::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    TExtCustomDropDown::Notification(AComponent, Operation);
    if (Operation != rtl::opRemove || AComponent != FImages) return;
    FImages = nullptr;
    if (FExtColGrid != nullptr) FExtColGrid->SetImages(nullptr);
}

void TExtMultiColumnDropDown::SetComponentStyle(TJyxStyle AStyle)
{
    ApplyListTableStyle(*this, AStyle);
}

void TExtMultiColumnDropDown::ApplySelectionColorStyle(TSelectionColorStyle style)
{
    if (std::optional<TListLineColors> lines = ListLineColorsOf(style)) {
        FLineColor = lines->LineColor;
        FFixedLineColor = lines->FixedLineColor;
    }
    TExtCustomDropDown::ApplySelectionColorStyle(style);
}

// --- items and the lookup list ---

std::string TExtMultiColumnDropDown::LookupText(int item) const
{
    return FItems->Items(item)->ColumnText(FLookupColumn);
}

void TExtMultiColumnDropDown::RebuildLookupList()
{
    RebuildListLookup(*FLookupItems, *FItems, FLookupColumn);
}

void TExtMultiColumnDropDown::SetLookupColumn(int value)
{
    FLookupColumn = value;
    FLookupItems->Clear();
    RebuildLookupList();
}

void TExtMultiColumnDropDown::Loaded()
{
    TExtCustomDropDown::Loaded();
    RebuildLookupList();
}

int TExtMultiColumnDropDown::GetItemIndex(const std::string& Value) const
{
    return FItems->IndexInColumn(FLookupColumn, Value);
}

void TExtMultiColumnDropDown::SetItemIndex(int Value)
{
    if (Value >= FItems->Count()) return;
    FItemIndex = Value;
    if (Value >= 0 && FLookupColumn >= 0) SetText(LookupText(Value));
    else SetText("");
}

int TExtMultiColumnDropDown::FindItemStartingWith(const std::string& foldedEntry) const
{
    if (FExtColGrid == nullptr) return -1;
    for (int i = 0; i < FItems->Count(); ++i) {
        const multicolumn::TDropDownItem& item = *FItems->Items(i);
        if (!item.HasColumnText(FLookupColumn)) continue;
        if (StartsWithFolded(item.Text().Strings(FLookupColumn), foldedEntry, FCaseSensitive)) return i;
    }
    return -1;
}

int TExtMultiColumnDropDown::LookupKey(char32_t key)
{
    if (key == ui::VK_BACK) {
        LookupBackspace(*this, FLookupEntry);
        return -1;
    }
    const std::string typed = rtl::Utf8EncodeChar(key);
    if (key != ui::VK_TAB) FLookupEntry += typed;
    int found = FindItemStartingWith(NormalizeCase(FLookupEntry, FCaseSensitive));
    if (found >= 0) {
        FItemIndex = found;
        const std::string text = LookupText(found);
        SetText(text);
        const int entryLength = static_cast<int>(rtl::Utf8Length(FLookupEntry));
        SetSelStart(entryLength);
        SetSelLength(static_cast<int>(rtl::Utf8Length(text)) - entryLength);
        return found;
    }
    found = FindItemStartingWith(NormalizeCase(typed, FCaseSensitive));
    if (found < 0) {
        FLookupEntry.clear();
        return -1;
    }
    FItemIndex = found;
    const std::string text = LookupText(found);
    SetText(text);
    FLookupEntry = typed;
    // As for a longer entry, the part after the typed key is selected.
    SetSelStart(1);
    SetSelLength(static_cast<int>(rtl::Utf8Length(text)) - 1);
    return found;
}

// --- keys of the edit ---

void TExtMultiColumnDropDown::WndProc(ui::TMessage& Message)
{
    if (Message.Msg != ui::WM_KEYDOWN) {
        TExtCustomDropDown::WndProc(Message);
        return;
    }
    const auto key = static_cast<ui::WORD>(Message.WParam);
    TExtCustomDropDown::WndProc(Message);
    // A key a handler consumed (a cell editor ending the edit with it) steps nothing.
    if (Message.WParam == 0 || !Enabled() || ReadOnly() || ui::GetKeyState(ui::VK_MENU) < 0) return;
    SecondaryListKeys(key);
}

// PageUp, PageDown, Up, Down, Home and End step through the items, closed or open.
bool TExtMultiColumnDropDown::SecondaryListKeys(ui::WORD key)
{
    const int count = FItems->Count();
    if (count == 0) return false;
    const int last = count - 1;
    const bool none = FItemIndex < 0;
    switch (key) {
    case ui::VK_PRIOR:
        if (none) SelectStepped(0);
        else if (FItemIndex > 0) SelectStepped(std::max(0, FItemIndex - PageStep));
        return true;
    case ui::VK_NEXT:
        if (none) SelectStepped(0);
        else if (FItemIndex < last) SelectStepped(std::min(last, FItemIndex + PageStep));
        return true;
    case ui::VK_UP:
        if (none) SelectStepped(0);
        else if (FItemIndex > 0) SelectStepped(FItemIndex - 1);
        return true;
    case ui::VK_DOWN:
        if (none) SelectStepped(0);
        else if (FItemIndex < last) SelectStepped(FItemIndex + 1);
        return true;
    case ui::VK_HOME:
        if (!EditorEnabled() && FItemIndex != 0) SelectStepped(0);
        return true;
    case ui::VK_END:
        if (!EditorEnabled() && FItemIndex != last) SelectStepped(last);
        return true;
    default: return false;
    }
}

void TExtMultiColumnDropDown::SelectStepped(int index)
{
    SetItemIndex(index);
    if (OnSelect) OnSelect(this);
}

void TExtMultiColumnDropDown::SelectNextItem()
{
    if (!Enabled() || ReadOnly()) return;
    SecondaryListKeys(ui::VK_DOWN);
}

void TExtMultiColumnDropDown::SelectPreviousItem()
{
    if (!Enabled() || ReadOnly()) return;
    SecondaryListKeys(ui::VK_UP);
}

void TExtMultiColumnDropDown::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    if (FLookupColumn < 0 || FItems->Count() == 0) {
        TExtCustomDropDown::KeyDown(Key, Shift);
        return;
    }
    if (Key == ui::VK_RETURN && !ReadOnly()) {
        const int at = FLookupItems->IndexOf(GetText());
        if (at >= 0) {
            SetText(FLookupItems->Strings(at));
            FItemIndex = at;
            Change();
        }
        if (ReturnIsTab()) {
            ui::PostMessage(Handle(), ui::WM_KEYDOWN, ui::VK_TAB, 0);
            Key = 0;
            return;
        }
    }
    const bool escape = Key == ui::VK_ESCAPE;
    TExtCustomDropDown::KeyDown(Key, Shift);
    if (escape) SetItemIndex(FOrgIndex);
}

void TExtMultiColumnDropDown::KeyPress(char32_t& Key)
{
    if (Key == ui::VK_RETURN && ReturnIsTab()) {
        Key = 0;
        return;
    }
    TExtCustomDropDown::KeyPress(Key);
}

void TExtMultiColumnDropDown::Change()
{
    FItemChange = false;
    TExtCustomDropDown::Change();
}

void TExtMultiColumnDropDown::KeyUp(ui::WORD& Key, ui::TShiftState Shift)
{
    if (Key == ui::VK_RETURN && ReturnIsTab()) return;
    TExtCustomDropDown::KeyUp(Key, Shift);
    if (Key == ui::VK_BACK) return;
    if (FLookupColumn < 0 || FItems->Count() == 0) return;
    // Only keys that put characters into the text complete it: completing on the release of
    // an arrow would swap a chosen item for an earlier one its text is the start of, and on
    // the release of Delete would put back the tail just deleted.
    if (!TypesText(Key)) return;
    CompleteFromLookupList();
}

void TExtMultiColumnDropDown::CompleteFromLookupList()
{
    const std::string text = GetText();
    SetModifiedFlag(!text.empty());
    const int caret = SelStart();
    const std::string typed = rtl::Utf8Copy(text, 1, caret);
    const std::string prefix = NormalizeCase(typed, FCaseSensitive);
    const auto prefixLength = static_cast<long long>(rtl::Utf8Length(prefix));
    for (int i = 0; i < FLookupItems->Count() && !prefix.empty(); ++i) {
        const std::string entry = FLookupItems->Strings(i);
        if (!StartsWithFolded(entry, prefix, FCaseSensitive)) continue;
        std::string completed = rtl::Utf8Copy(text, 1, prefixLength) +
                                rtl::Utf8Copy(entry, prefixLength + 1, static_cast<long long>(MaxCompletedLength));
        if (rtl::Utf8Length(completed) > MaxCompletedLength)
            completed = rtl::Utf8Copy(completed, 1, static_cast<long long>(MaxCompletedLength));
        FItemIndex = i;
        if (FExtColGrid != nullptr && i + FExtColGrid->FixedRows() < FExtColGrid->RowCount())
            FExtColGrid->SetRow(i + FExtColGrid->FixedRows());
        // Setting the text runs Change, which clears a pending completion: the completion is
        // recorded after it, and Change itself never completes, so the change ends there.
        SetText(completed);
        FItemIdx = i;
        FItemSel = static_cast<int>(prefixLength);
        FItemChange = true;
        // The entry keeps what was typed, not the completed text, so that the next key typed
        // in the open list extends the search instead of restarting it.
        FLookupEntry = typed;
        SetSelStart(static_cast<int>(prefixLength));
        SetSelLength(static_cast<int>(rtl::Utf8Length(completed)) - static_cast<int>(prefixLength));
        return;
    }
    if (!typed.empty()) {
        SetText(typed);
        SetSelStart(static_cast<int>(rtl::Utf8Length(typed)));
    }
    if (FItemChange) {
        SetItemIndex(FItemIdx);
        SetSelStart(FItemSel);
        SetSelLength(static_cast<int>(rtl::Utf8Length(GetText())) - FItemSel);
        FItemChange = false;
    }
}

// --- keys of the open list ---

namespace {

bool ListKey(ui::WORD key)
{
    return key == ui::VK_PRIOR || key == ui::VK_NEXT || key == ui::VK_UP || key == ui::VK_DOWN;
}

}  // namespace

void TExtMultiColumnDropDown::DropDownControlKeyDown(ui::WORD& key, ui::TShiftState shift)
{
    if (ListKey(key) && !(shift & ui::ssAlt)) return;
    Perform(ui::WM_KEYDOWN, key, 0);
    if (key == ui::VK_TAB) {
        HideDropDown(false);
        SelectAll();
        key = 0;
    }
}

void TExtMultiColumnDropDown::DropDownControlKeyUp(ui::WORD& key, ui::TShiftState shift)
{
    if (ListKey(key) && !(shift & ui::ssAlt)) return;
    Perform(ui::WM_KEYUP, key, 0);
}

void TExtMultiColumnDropDown::DropDownControlKeyPress(char32_t& key)
{
    if (EndsListLookup(key, FExtColGrid != nullptr && (FExtColGrid->Options() & ui::goEditing))) {
        FLookupEntry.clear();
        return;
    }
    const int found = LookupKey(key);
    if (found < 0) {
        FLookupEntry.clear();
        return;
    }
    SelectGridRow(found);
}

void TExtMultiColumnDropDown::SelectGridRow(int item)
{
    if (FExtColGrid == nullptr) return;
    multicolumn::TExtColGrid& grid = *FExtColGrid;
    const int row = item + grid.FixedRows();
    if (row >= grid.RowCount()) return;
    if (row >= grid.TopRow() + grid.VisibleRowCount() || row < grid.TopRow()) grid.SetTopRow(row);
    grid.MoveColRow(0, row, true, true);
}

}  // namespace grid
