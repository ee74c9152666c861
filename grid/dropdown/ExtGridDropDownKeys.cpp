// The grid drop-down's keys: the key lookup and narrowing for typed characters, the list keys
// of the edit, the keys forwarded from the pop-up grid and the auto-completion of typed text.
#include <algorithm>

#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ExtCustomGridDropDown.h"
#include "grid/dropdown/ListLookup.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Messages.h"

namespace grid {

namespace {

constexpr int PageStep = 10;
constexpr long long MaxCompletedTail = 255;

int Length(const std::string& s)
{
    return static_cast<int>(rtl::Utf8Length(s));
}

bool IsListKey(ui::WORD key)
{
    return key == ui::VK_PRIOR || key == ui::VK_NEXT || key == ui::VK_END || key == ui::VK_HOME ||
           key == ui::VK_UP || key == ui::VK_DOWN;
}

bool AltHeld()
{
    return ui::GetKeyState(ui::VK_MENU) < 0;
}

struct TFlagScope {
    explicit TFlagScope(bool& flag) : Flag(flag) { Flag = true; }
    ~TFlagScope() { Flag = false; }
    bool& Flag;
};

}  // namespace

// --- the key lookup ---

void TCustomExtGridDropDown::SelectLookupTail(const std::string& text)
{
    const int entryLength = Length(FLookupEntry);
    SetSelStart(entryLength);
    SetSelLength(std::max(0, Length(text) - entryLength));
}

// Shows only the rows whose lookup text matches; an empty entry shows every row again.
int TCustomExtGridDropDown::NarrowDownTo(const std::string& entry)
{
    griddropdown::TExtColGrid& grid = *FExtColGrid;
    if (entry.empty()) {
        // Every filter goes, and with them the narrowing's own levels.
        grid.NarrowDown("", FLookupColumn);
        return grid.FixedRows();
    }
    grid.SetFixedRowAlways(true);
    grid.NarrowDown(entry, FLookupColumn);
    if (FStyle == dsDropDown && grid.RowCount() > grid.FixedRows()) {
        const std::string text = grid.Cells(FLookupColumn, grid.FixedRows());
        SetText(text);
        SelectLookupTail(text);
    }
    return grid.FixedRows();
}

int TCustomExtGridDropDown::KeyLookup(char32_t key)
{
    if (FLookupMethod == lmNone || FExtColGrid == nullptr) return -1;
    if (key == ui::VK_BACK && FLookupMethod == lmNarrowDown) {
        // Each Backspace takes the entry's last key and shows the rows of the shorter entry,
        // all of them once it is empty, so the rows shown always match the entry.
        const long long n = static_cast<long long>(rtl::Utf8Length(FLookupEntry));
        if (n > 0) FLookupEntry = rtl::Utf8Copy(FLookupEntry, 1, n - 1);
        const std::string entry = rtl::Trim(FLookupEntry);
        if (entry.empty()) {
            SetText(FLookupEntry);
            SetSelStart(Length(FLookupEntry));
        }
        return NarrowDownTo(entry);
    }
    if (key == ui::VK_BACK) {
        LookupBackspace(*this, FLookupEntry);
        return -1;
    }
    const std::string typed = rtl::Utf8EncodeChar(key);
    if (key != ui::VK_TAB) FLookupEntry += typed;
    const std::string entry = rtl::Trim(FLookupEntry);
    if (FLookupMethod == lmNarrowDown) return NarrowDownTo(entry);

    const int fixed = FExtColGrid->FixedRows();
    std::string found;
    int position = -1;
    auto take = [&]() {
        const int row = FUseItems ? RowOfItem(position) : position;
        FItemIndex = FUseItems ? position : position - fixed;
        FSelRow = row;
        SetText(found);
        return row;
    };
    if (FindLookupRow(entry, found, position)) {
        const int row = take();
        if (FStyle == dsDropDown) SelectLookupTail(found);
        return row;
    }
    if (FStyle == dsDropDown) return -1;
    // A list that cannot be typed in starts over with the last key.
    if (FindLookupRow(typed, found, position)) {
        FLookupEntry = typed;
        return take();
    }
    FLookupEntry.clear();
    return -1;
}

// --- keys of the edit ---

void TCustomExtGridDropDown::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::WM_CHAR) {
        const auto key = static_cast<char32_t>(Message.WParam);
        TExtCustomDropDown::WndProc(Message);
        // Enter, Escape and the other control characters are keys, not lookup text.
        if (key >= 0x20 || key == ui::VK_BACK) KeyLookup(key);
        if (FAutoShowDropDown && key != 0) ShowDropDown();
        return;
    }
    if (Message.Msg != ui::WM_KEYDOWN) {
        TExtCustomDropDown::WndProc(Message);
        return;
    }
    const auto key = static_cast<ui::WORD>(Message.WParam);
    if (key == ui::VK_RETURN && FExtColGrid != nullptr) FExtColGrid->FConfirmSelection = true;
    TExtCustomDropDown::WndProc(Message);
    // A key a handler consumed (a cell editor ending the edit with it) moves nothing; an edit
    // that cannot be typed in marks every key consumed once its handlers saw it.
    if ((Message.WParam == 0 && EditorEnabled()) || !Enabled() || AltHeld()) return;
    ListKey(key, ui::GetKeyState(ui::VK_SHIFT) < 0 ? ui::TShiftState(ui::ssShift) : ui::TShiftState());
}

// The grid's current row becomes the row that shows the new item: stepping from the current
// row instead would land on another item once the application set the item or a sort moved it.
void TCustomExtGridDropDown::MoveSelection(int index)
{
    SetItemIndex(index);
    if (FExtColGrid == nullptr) return;
    griddropdown::TExtColGrid& grid = *FExtColGrid;
    const int row = FUseItems ? RowOfItem(index) : index + grid.FixedRows();
    if (row >= grid.FixedRows() && row < grid.RowCount()) grid.SetRow(row);
    FSelRow = grid.Row();
}

// PageUp, PageDown, Up, Down, Home and End move the item and the grid's row together.
bool TCustomExtGridDropDown::ListKey(ui::WORD key, ui::TShiftState shift)
{
    if (!IsListKey(key)) return false;
    FLookupEntry.clear();
    const int fixed = FExtColGrid != nullptr ? FExtColGrid->FixedRows() : 0;
    const int count = FUseItems ? FItems->Count() : (FExtColGrid != nullptr ? FExtColGrid->RowCount() - fixed : 0);
    if (count <= 0) return true;
    const int last = count - 1;
    const bool steps = key != ui::VK_END && key != ui::VK_HOME;
    if (FItemIndex < 0 && steps) {
        MoveSelection(0);
        return true;
    }
    switch (key) {
    case ui::VK_PRIOR: MoveSelection(std::max(0, FItemIndex - PageStep)); break;
    case ui::VK_NEXT: MoveSelection(std::min(last, FItemIndex + PageStep)); break;
    case ui::VK_UP:
        if (FItemIndex > 0) MoveSelection(FItemIndex - 1);
        break;
    case ui::VK_DOWN:
        if (FItemIndex < last) MoveSelection(FItemIndex + 1);
        break;
    case ui::VK_END:
        if (!(shift & ui::ssShift) && FStyle == dsDropDownList) MoveSelection(last);
        break;
    case ui::VK_HOME:
        if (!(shift & ui::ssShift) && FStyle == dsDropDownList) MoveSelection(0);
        break;
    default: break;
    }
    return true;
}

void TCustomExtGridDropDown::SelectNextItem()
{
    TExtCustomDropDown::SelectNextItem();
    ListKey(ui::VK_DOWN, {});
}

void TCustomExtGridDropDown::SelectPreviousItem()
{
    TExtCustomDropDown::SelectPreviousItem();
    ListKey(ui::VK_UP, {});
}

void TCustomExtGridDropDown::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    griddropdown::TExtColGrid* grid = FExtColGrid;
    const bool gridEditing = grid != nullptr && (grid->Options() & ui::goEditing) && grid->EditorMode();
    if (gridEditing && Key == ui::VK_RETURN && !(Shift & ui::ssShift)) {
        grid->HideInplaceEdit();
        SetText(grid->Cells(FLookupColumn, grid->Row()));
        FItemIndex = IndexOfRow(grid->Row());
        Key = 0;
        return;
    }
    if (FLookupColumn < 0 || FItems->Count() == 0) {
        TExtCustomDropDown::KeyDown(Key, Shift);
        return;
    }
    workmode = Key != ui::VK_BACK && Key != ui::VK_ESCAPE && Key != ui::VK_DELETE;
    if (Key == ui::VK_RETURN) {
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
    if (escape || IsListKey(Key) || Key == ui::VK_LEFT || Key == ui::VK_RIGHT) FLookupEntry.clear();
    TExtCustomDropDown::KeyDown(Key, Shift);
    if (escape) FItemIndex = FLookupItems->IndexOf(GetText());
}

void TCustomExtGridDropDown::KeyPress(char32_t& Key)
{
    if (Key == ui::VK_RETURN && ReturnIsTab()) {
        Key = 0;
        return;
    }
    TExtCustomDropDown::KeyPress(Key);
}

void TCustomExtGridDropDown::KeyUp(ui::WORD& Key, ui::TShiftState Shift)
{
    if (!(Key == ui::VK_RETURN && ReturnIsTab())) TExtCustomDropDown::KeyUp(Key, Shift);
    griddropdown::TExtColGrid* grid = FExtColGrid;
    const bool gridEditing = grid != nullptr && (grid->Options() & ui::goEditing) && grid->EditorMode();
    if (gridEditing && Key == ui::VK_RETURN && !(Shift & ui::ssShift)) {
        if (grid->Col() == FLookupColumn) HideDropDown(false);
        else grid->HideInplaceEdit();
    }
    if (!FItemChange) return;
    SetItemIndex(FItemIdx);
    SetSelStart(FItemSel);
    SetSelLength(std::max(0, Length(GetText()) - FItemSel));
    FItemChange = false;
}

// --- auto-completion ---

void TCustomExtGridDropDown::Change()
{
    FItemChange = false;
    TExtCustomDropDown::Change();
    // Setting the completed text runs this change again: that change only reports the new
    // text, so the completion ends with the text it set.
    if (FCompleting || FDesignTime || !workmode) return;
    CompleteFromLookupList();
}

void TCustomExtGridDropDown::CompleteFromLookupList()
{
    const std::string text = GetText();
    SetModifiedFlag(!text.empty());
    const std::string typed = rtl::Utf8Copy(text, 1, SelStart());
    const std::string prefix = NormalizeCase(typed, FMatchCase);
    const long long prefixLength = static_cast<long long>(rtl::Utf8Length(prefix));
    if (!prefix.empty()) {
        for (int i = 0; i < FLookupItems->Count(); ++i) {
            const std::string& entry = FLookupItems->Strings(i);
            if (!StartsWithFolded(entry, prefix, FMatchCase)) continue;
            const std::string completed =
                rtl::Utf8Copy(text, 1, prefixLength) + rtl::Utf8Copy(entry, prefixLength + 1, MaxCompletedTail);
            const int before = FItemIndex;
            TFlagScope completing(FCompleting);
            SetText(completed);
            if (i != before) Change();
            FItemIndex = i;
            FItemIdx = i;
            FItemSel = static_cast<int>(prefixLength);
            FItemChange = true;
            SetSelStart(FItemSel);
            SetSelLength(Length(completed) - FItemSel);
            return;
        }
    }
    if (typed.empty()) return;
    TFlagScope completing(FCompleting);
    SetText(typed);
    SetSelStart(Length(typed));
}

// --- keys of the pop-up grid ---

void TCustomExtGridDropDown::DropDownControlKeyDown(ui::WORD& key, ui::TShiftState shift)
{
    const bool alt = (shift & ui::ssAlt) != 0;
    if (!IsListKey(key) || alt) TExtCustomDropDown::DropDownControlKeyDown(key, shift);
    GridKeyDown(key, shift);
}

void TCustomExtGridDropDown::DropDownControlKeyUp(ui::WORD& key, ui::TShiftState shift)
{
    if (IsListKey(key) && !(shift & ui::ssAlt)) FLookupEntry.clear();
    else TExtCustomDropDown::DropDownControlKeyUp(key, shift);
    GridKeyUp(key, shift);
}

void TCustomExtGridDropDown::DropDownControlKeyPress(char32_t& key)
{
    griddropdown::TExtColGrid* grid = FExtColGrid;
    if (EndsListLookup(key, grid != nullptr && (grid->Options() & ui::goEditing))) {
        FLookupEntry.clear();
    } else if (grid != nullptr) {
        const int row = KeyLookup(key);
        if (row < grid->FixedRows() || row >= grid->RowCount()) {
            FLookupEntry.clear();
        } else {
            if (grid->VisibleRowCount() + grid->FixedRows() < grid->RowCount()) grid->SetTopRow(row);
            grid->MoveColRow(0, row, true, true);
            grid->RepaintRow(row);
        }
    }
    GridKeyPress(key);
}

}  // namespace grid
