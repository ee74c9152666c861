// The colour picker's keys: picking the hot item with Enter, moving the selection in the
// list or the palette, and the type-ahead search over the colour captions.
#include <algorithm>

#include "grid/dropdown/ColorBoxSelector.h"
#include "grid/dropdown/ExtColorPicker.h"
#include "grid/dropdown/DropDownRoutines.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Timers.h"

namespace grid {

bool TExtColorPickerDropDown::Popped() const
{
    return DroppedDown();
}

bool TExtColorPickerDropDown::HandleOpenEnter(ui::WORD key)
{
    if (key != ui::VK_RETURN || !Popped() || !Enabled()) return false;
    if (FColorSelectionStyle == csList && FItemSelector != nullptr && FItemSelector->ItemHot() >= 0) {
        FItemSelector->SetItemIndex(FItemSelector->ItemHot());
        return true;
    }
    if (FColorSelectionStyle == csDiscrete && FColorSelector != nullptr && FColorSelector->ItemHot() >= 0) {
        FColorSelector->SetItemIndex(FColorSelector->ItemHot());
        return true;
    }
    return false;
}

void TExtColorPickerDropDown::SelectListItemInternally(int index)
{
    FInternalCall = true;
    FItemSelector->SetItemIndex(index);
    FInternalCall = false;
}

void TExtColorPickerDropDown::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    const bool enterHandled = HandleOpenEnter(Key);
    TExtCustomDropDown::KeyDown(Key, Shift);
    if ((Shift & ui::ssAlt) != 0 || !Enabled()) return;
    if (FColorSelectionStyle == csList && FItemSelector != nullptr) HandleListKey(Key, enterHandled);
    else if (FColorSelectionStyle == csDiscrete && FColorSelector != nullptr) HandleDiscreteKey(Key, enterHandled);
}

void TExtColorPickerDropDown::HandleListKey(ui::WORD key, bool enterHandled)
{
    const bool open = Popped();
    const int last = FColors->Count() - 1;
    switch (key) {
    case ui::VK_RETURN:
        if (!enterHandled && OnSelect) OnSelect(this);
        return;
    case ui::VK_PRIOR:
    case ui::VK_NEXT: {
        if (FItemSelector->Items().Count() != FColors->Count()) UpdateColorList();
        const int n = FItemSelector->GetVisibleItemCount();
        if (n == 0) return;
        const int current = FItemSelector->ItemIndex();
        const int target = key == ui::VK_PRIOR ? std::max(current - n, 0) : std::min(current + n, last);
        SelectListItemInternally(target);
        FItemSelector->ScrollItemInView(target);
        return;
    }
    case ui::VK_HOME:
    case ui::VK_END:
        if (open) {
            FInternalCall = true;
            if (key == ui::VK_HOME) FItemSelector->SelectFirst();
            else FItemSelector->SelectLast();
            FInternalCall = false;
        } else {
            SetItemIndex(key == ui::VK_HOME ? 0 : last);
        }
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
    case ui::VK_DOWN: {
        const int step = key == ui::VK_UP ? -1 : 1;
        if (open) {
            const int current = FItemSelector->ItemIndex();
            const int target = current < 0 ? 0 : current + step * FColumns;
            if (target < 0 || target > last) return;
            SelectListItemInternally(target);
            FItemSelector->ScrollItemInView(target);
            return;
        }
        const int target = FItemIndex < 0 ? 0 : FItemIndex + step;
        if (target >= 0 && target <= last) SetItemIndex(target);
        return;
    }
    default: break;
    }
    if (ui::GetKeyState(ui::VK_CONTROL) < 0 || !IsTypeAheadKey(key)) return;
    TypeAhead(key);
}

void TExtColorPickerDropDown::TypeAhead(ui::WORD key)
{
    // A picker filled in code (or changed since) searches its current colours, open or not.
    if (ColorListOutOfDate()) UpdateColorList();
    FCurSearch += static_cast<char>(key);
    FInternalCall = true;
    FItemSelector->LookupItem(FCurSearch);
    FInternalCall = false;
    SetItemIndex(FItemSelector->ItemIndex());
    // Later keys do not restart the timer: the search text lives 500 ms from its first key.
    FKeyTimer->SetEnabled(true);
}

void TExtColorPickerDropDown::HandleDiscreteKey(ui::WORD key, bool enterHandled)
{
    FInternalCall = true;
    FColorSelector->HandleKey(key, EditorEnabled(), Popped());
    FInternalCall = false;
    if (key == ui::VK_RETURN && !enterHandled && OnSelect) OnSelect(this);
}

}  // namespace grid
