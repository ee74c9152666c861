// A drop-down control serving as a grid cell editor: keys, typed characters, text changes and focus loss handed back to its grid.
#pragma once

#include <string>

#include "grid/editing/GridDropDownEditorKeys.h"
#include "grid/editing/GridEditorContract.h"
#include "platform/ui/Messages.h"

namespace rtl {
class TComponent;
}

namespace grid {

class TExtStringGrid;

// TBase is one of the drop-down controls. The editor's owner is its grid: keys that end or
// move the edit store and validate or restore the value and move as the grid does, every
// text change reaches the grid's OnEditChange, every character its OnKeyPress (once), and
// losing the focus stores the value. A descendant says what differs: the value the cell takes,
// how a stored text comes back into the control, which keys end the edit, and whether the
// control handles characters ahead of its input filter.
template <typename TBase>
class TGridCellDropDown : public TBase {
public:
    // The owner must be a TExtStringGrid; any other raises EInvalidCast naming EditorClass.
    TGridCellDropDown(rtl::TComponent* AOwner, const char* EditorClass)
        : TBase(AOwner), FGrid(RequireGrid(AOwner, EditorClass))
    {
    }

    // What the cell takes when the edit closes.
    virtual std::string Value() const { return this->Text(); }

    // Closes an open pop-up keeping what it shows, and gives what the cell takes.
    std::string CloseForStoring()
    {
        if (this->DroppedDown()) this->HideDropDown(false);
        return Value();
    }

protected:
    TExtStringGrid& Grid() const { return *FGrid; }

    // Puts a stored or restored cell text back into the control.
    virtual void ShowStoredText(const std::string& text) { this->SetTextDirect(text); }
    // The keys that end or move the edit.
    virtual bool IsNavigationKey(ui::WORD Key) const { return IsDropDownNavigationKey(Key); }
    // Whether Up and Down store and validate like Enter before the edit ends.
    virtual bool ValidatesUpDown() const { return true; }
    // A key that stays with the open pop-up instead of ending the edit.
    virtual bool KeepsKeyWhileDropped(ui::WORD) const { return false; }
    // Escape is about to end the edit: the control drops what the edit changed in it.
    virtual void EscapePressed() {}
    // Enter is about to end the edit: an open pop-up may take its hot item first.
    virtual void EnterPressed() {}
    // The control's own handling of a key that does not end the edit.
    virtual void ParentKeyDown(ui::WORD& Key, ui::TShiftState Shift) { TBase::KeyDown(Key, Shift); }
    // Whether the control handles typed characters itself ahead of its input filter (keys that
    // the filter would drop, such as the calculator's operators). The grid's OnKeyPress then sees
    // each character as it arrives, ahead of that handling, so it also sees the characters the
    // control consumes; otherwise it sees them as they reach KeyPress, past the filter.
    virtual bool HandlesCharactersAheadOfFilter() const { return false; }

    void Change() override
    {
        TBase::Change();
        DropDownEditorChanged(*FGrid, this->Text());
    }

    void KeyPress(char32_t& Key) override
    {
        if (!HandlesCharactersAheadOfFilter()) DropDownEditorKeyPress(*FGrid, *this, Key);
        TBase::KeyPress(Key);
    }

    void DoExit() override
    {
        EditorExit(*FGrid, [this] { TBase::DoExit(); });
    }

    void WndProc(ui::TMessage& Message) override
    {
        if (Message.Msg == ui::WM_CHAR && CharacterConsumedAheadOfFilter(Message)) return;
        // The key asked about, as it came: the control's own handling may clear it.
        const auto key = static_cast<ui::WORD>(Message.WParam);
        TBase::WndProc(Message);
        if (Message.Msg == ui::WM_SETFOCUS && FCaretAtClick)
            PlaceCaretAtClick(*FGrid, *this, [this](int x, int y) { return this->PosAt(x, y); });
        if (Message.Msg == ui::CM_WANTSPECIALKEY && DropDownEditorWantsKey(*FGrid, key, FWantsReturnAndEscape))
            Message.Result = 1;
    }

    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override
    {
        if (Key == ui::VK_ESCAPE && IsNavigationKey(Key)) EscapePressed();
        if (Key == ui::VK_RETURN && IsNavigationKey(Key)) EnterPressed();
        TDropDownEditorKeys keys;
        keys.Value = [this] { return Value(); };
        keys.SetText = [this](const std::string& text) { ShowStoredText(text); };
        keys.ParentKeyDown = [this](ui::WORD& key, ui::TShiftState shift) { ParentKeyDown(key, shift); };
        keys.IsNavigation = [this](ui::WORD key) { return IsNavigationKey(key); };
        keys.KeepWhileDropped = [this](ui::WORD key) { return KeepsKeyWhileDropped(key); };
        keys.ValidateUpDown = ValidatesUpDown();
        DropDownEditorKeyDown(*FGrid, *this, keys, Key, Shift);
    }

    // Whether Enter and Escape are the editor's own keys rather than its form's.
    bool FWantsReturnAndEscape = false;
    // Whether an edit opened by a click puts the caret at the clicked character.
    bool FCaretAtClick = false;

private:
    // A typed character as it arrives, for a control that handles characters ahead of its
    // filter: the grid's OnKeyPress sees it, and Escape, Enter and Tab, or a character the
    // handler set to 0, go no further. Returns whether the character was consumed.
    bool CharacterConsumedAheadOfFilter(ui::TMessage& Message)
    {
        if (!HandlesCharactersAheadOfFilter()) return false;
        auto key = static_cast<char32_t>(Message.WParam);
        DropDownEditorKeyPress(*FGrid, *this, key);
        Message.WParam = key;
        if (key != 0) return false;
        Message.Result = 1;
        return true;
    }

    TExtStringGrid* FGrid;
};

}  // namespace grid
