// The keys, focus and change reporting that every drop-down cell editor of the grid shares.
#pragma once

#include <functional>
#include <string>

#include "platform/ui/Events.h"
#include "platform/ui/Messages.h"

namespace ui {
class TCustomEdit;
class TWinControl;
}  // namespace ui

namespace grid {

class TExtStringGrid;
class TExtCustomDropDown;

// What an editor lends the shared key handling: the value it stores and validates, the text
// setter used when storing and restoring, and its parent control's own key-down handling.
struct TDropDownEditorKeys {
    std::function<std::string()> Value;
    std::function<void(const std::string&)> SetText;
    std::function<void(ui::WORD&, ui::TShiftState)> ParentKeyDown;
    // The keys that end or move the edit; the shared set when not given.
    std::function<bool(ui::WORD)> IsNavigation;
    // A key that stays with the open pop-up instead of ending the edit; none when not given.
    std::function<bool(ui::WORD)> KeepWhileDropped;
    // Whether Up and Down store and validate like Enter before the edit ends.
    bool ValidateUpDown = true;
};

// The keys that end or move an edit: Tab, Enter, Escape, PageUp, PageDown, End, Up and Down.
// Alt+Down is not among them: the drop-down opens with it.
bool IsDropDownNavigationKey(ui::WORD Key);

// Tab, Enter, Escape, PageUp, PageDown, End, Up and Down store and validate the value or
// restore it, then end the edit and move as the grid does; every other key goes to the
// parent's handling. A refused value stays in the editor and the grid does not advance.
void DropDownEditorKeyDown(TExtStringGrid& Grid, TExtCustomDropDown& Editor, const TDropDownEditorKeys& Keys,
                           ui::WORD& Key, ui::TShiftState Shift);

// Whether an editor asks for a special key itself: Tab when the grid moves with it, and Enter
// and Escape for an editor that wants them.
bool DropDownEditorWantsKey(TExtStringGrid& Grid, ui::WORD Key, bool WantsReturnAndEscape);

// The grid's OnKeyPress sees every character; Escape, Enter and Tab never reach the edit.
void DropDownEditorKeyPress(TExtStringGrid& Grid, ui::TWinControl& Editor, char32_t& Key);

// Every text change reaches the grid's OnEditChange for its current cell.
void DropDownEditorChanged(TExtStringGrid& Grid, const std::string& Text);

// An edit opened by a click on its cell puts the caret at the clicked character, which
// CharAt gives for a client point (-1 for none).
void PlaceCaretAtClick(TExtStringGrid& Grid, ui::TCustomEdit& Editor, const std::function<int(int, int)>& CharAt);

}  // namespace grid
