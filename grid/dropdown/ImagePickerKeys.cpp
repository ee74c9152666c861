// The image picker's keys and wheel: picking the hot item with Enter, moving the choice by
// pages, rows and items, and the type-ahead search over the captions.
#include <algorithm>

#include "grid/dropdown/ExtImagePicker.h"

#include "grid/dropdown/DropDownRoutines.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Timers.h"

namespace grid {

bool TExtImagePickerDropDown::HandleOpenEnter(ui::WORD key)
{
    if (key != ui::VK_RETURN || !Enabled() || !DroppedDown() || FItemSelector == nullptr) return false;
    const int hot = FItemSelector->ItemHot();
    if (hot < 0) return false;
    // A pick: the choice is made and the pop-up closes.
    FItemSelector->SetItemIndex(hot);
    return true;
}

void TExtImagePickerDropDown::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    const bool enterHandled = HandleOpenEnter(Key);
    TExtCustomDropDown::KeyDown(Key, Shift);
    if (!Enabled() || (Shift & ui::ssAlt) != 0) return;
    HandleKey(Key, enterHandled);
}

void TExtImagePickerDropDown::HandleKey(ui::WORD key, bool enterHandled)
{
    const bool open = DroppedDown() && FItemSelector != nullptr;
    switch (key) {
    case ui::VK_RETURN:
        if (!enterHandled && OnSelect) OnSelect(this);
        return;
    case ui::VK_PRIOR:
    case ui::VK_NEXT:
        if (FItemSelector != nullptr) PageKey(key);
        return;
    case ui::VK_HOME:
    case ui::VK_END:
        if (!open) {
            if (key == ui::VK_HOME) SelectFirst();
            else SelectLast();
            return;
        }
        FInternalCall = true;
        if (key == ui::VK_HOME) FItemSelector->SelectFirst();
        else FItemSelector->SelectLast();
        FInternalCall = false;
        return;
    case ui::VK_LEFT:
    case ui::VK_RIGHT:
        if (!open || EditorEnabled()) return;
        FInternalCall = true;
        if (key == ui::VK_LEFT) FItemSelector->SelectPrevious();
        else FItemSelector->SelectNext();
        FInternalCall = false;
        return;
    case ui::VK_UP:
    case ui::VK_DOWN:
        if (open) ColumnKey(key);
        else if (key == ui::VK_UP) SelectPrevious();
        else SelectNext();
        return;
    default: break;
    }
    if (ui::GetKeyState(ui::VK_CONTROL) < 0 || FItemSelector == nullptr) return;
    TypeAhead(key);
}

// Up and Down on the open pop-up: a row up or down, that is Columns items.
void TExtImagePickerDropDown::ColumnKey(ui::WORD key)
{
    const int selected = FItemSelector->ItemIndex();
    const int target = selected < 0 ? 0 : selected + (key == ui::VK_UP ? -FColumns : FColumns);
    if (target < 0 || target >= FItemSelector->Items().Count()) return;
    SelectInSelector(target);
}

void TExtImagePickerDropDown::PageKey(ui::WORD key)
{
    if (!DroppedDown()) SyncClosedSelector();
    else if (FItemSelector->Items().Count() != FItems->Count()) PrepareSelector();
    const int n = FItemSelector->GetVisibleItemCount();
    if (n <= 0) return;
    const int selected = FItemSelector->ItemIndex();
    const int target = key == ui::VK_PRIOR ? std::max(0, selected - n) : std::min(selected + n, FItems->Count() - 1);
    if (target < 0 || target >= FItemSelector->Items().Count()) return;
    SelectInSelector(target);
}

void TExtImagePickerDropDown::TypeAhead(ui::WORD key)
{
    if (!IsTypeAheadKey(key)) return;
    // A picker filled in code, or changed since it last opened, searches its current items.
    if (!DroppedDown()) SyncClosedSelector();
    FCurSearch += static_cast<char>(key);
    FInternalCall = true;
    FItemSelector->LookupItem(FCurSearch);
    FInternalCall = false;
    FItemSelector->ScrollItemInView(FItemSelector->ItemIndex());
    // Later keys do not restart the timer: the search text lives 500 ms from its first key.
    FKeyTimer->SetEnabled(true);
}

void TExtImagePickerDropDown::SelectNextItem()
{
    if (!Enabled() || ReadOnly() || FItemSelector == nullptr) return;
    if (DroppedDown()) {
        FItemSelector->HotNext();
        return;
    }
    SyncClosedSelector();
    FInternalCall = true;
    FItemSelector->SelectNext();
    FInternalCall = false;
}

void TExtImagePickerDropDown::SelectPreviousItem()
{
    if (!Enabled() || ReadOnly() || FItemSelector == nullptr) return;
    if (DroppedDown()) {
        FItemSelector->HotPrevious();
        return;
    }
    SyncClosedSelector();
    FInternalCall = true;
    FItemSelector->SelectPrevious();
    FInternalCall = false;
}

}  // namespace grid
