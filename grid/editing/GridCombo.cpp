// The grid's combo cell editor: completion, history, wheel, keys that validate, close and walk to the neighbour cell.
#include "grid/editing/GridCombo.h"

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/editing/GridEditorContract.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/RegisteredMessages.h"

namespace grid {

TGridCombo::TGridCombo(rtl::TComponent* AOwner) : TEsgComboBox(AOwner), FGrid(RequireGrid(AOwner, "TGridCombo"))
{
    SetButtonWidth(16);
    // Completion is the grid's lookup (DoChange), not the platform's own.
    SetAutoComplete(false);
}

void TGridCombo::ReCreate()
{
    if (HandleAllocated()) Invalidate();
}

// Scroll bar expected: an item wider than w − 25 gives w := item + 25; otherwise an item
// wider than w − 5 gives w := item + 8. The list never gets narrower than the combo.
void TGridCombo::SizeDropDownWidth()
{
    int w = Width();
    bool scroll = Items().Count() > DropDownCount();
    gfx::TCanvas& c = FGrid->Canvas();
    for (int i = 0; i < Items().Count(); ++i) {
        int tw = c.TextWidth(Items().Get(i));
        if (scroll) {
            if (tw > w - 25) w = tw + 25;
        } else if (tw > w - 5) {
            w = tw + 8;
        }
    }
    SetDropWidth(w);
}

namespace {

// The first entry that begins with the prefix (an empty prefix matches nothing).
int FindPrefix(const rtl::TStrings& list, const std::string& prefix, bool caseSensitive)
{
    if (prefix.empty()) return -1;
    for (int i = 0; i < list.Count(); ++i) {
        std::string item = caseSensitive ? list.Get(i) : rtl::AnsiUpperCase(list.Get(i));
        if (item.compare(0, prefix.size(), prefix) == 0) return i;
    }
    return -1;
}

std::string CompletedText(const std::string& typed, const std::string& item)
{
    std::size_t prefixChars = rtl::Utf8Length(typed);
    std::string rest = rtl::Utf8Copy(item, static_cast<long long>(prefixChars) + 1, 255);
    return typed + rest;
}

}  // namespace

void TGridCombo::DoChange()
{
    if (!FWorkMode || !FGrid->Lookup()) return;
    bool cs = FGrid->LookupCaseSensitive();
    std::string typed = rtl::Utf8Copy(Text(), 1, SelStart());
    std::string prefix = cs ? typed : rtl::AnsiUpperCase(typed);
    int typedLen = static_cast<int>(rtl::Utf8Length(typed));
    int own = FindPrefix(Items(), prefix, cs);
    if (own >= 0) {
        std::string text = CompletedText(typed, Items().Get(own));
        SetText(text);
        SetItemIndex(own);
        SetSelStart(typedLen);
        SetSelLength(static_cast<int>(rtl::Utf8Length(Text())) - typedLen);
        return;
    }
    int look = FindPrefix(FGrid->LookupItems(), prefix, cs);
    if (look < 0) return;
    SetText(CompletedText(typed, FGrid->LookupItems().Get(look)));
    SetSelStart(typedLen);
    SetSelLength(static_cast<int>(rtl::Utf8Length(Text())) - typedLen);
}

void TGridCombo::DoExit()
{
    std::string t = Text();
    if (FGrid->LookupHistory() && !t.empty() && Items().IndexOf(t) < 0) Items().Add(t);
    EditorExit(*FGrid, [this] { TEsgComboBox::DoExit(); });
}

// Only a change the platform reports (OnChange) reaches the grid's OnEditChange; a text
// set from code does not.
void TGridCombo::Change()
{
    bool reported = false;
    ui::TNotifyEvent user = OnChange;
    OnChange = [&](rtl::TObject* Sender) {
        reported = true;
        if (user) user(Sender);
    };
    TEsgComboBox::Change();
    OnChange = user;
    // Every path of the combo reports the real column, as the wheel and the item events do.
    if (reported && FGrid->OnEditChange) {
        std::string v = Text();
        FGrid->OnEditChange(FGrid, FGrid->RealColIndex(FGrid->Col()), FGrid->Row(), v);
    }
}

void TGridCombo::FireComboEvents()
{
    int idx = ItemIndex();
    std::string sel = idx >= 0 ? Items().Get(idx) : std::string();
    rtl::TObject* obj = idx >= 0 ? Items().Objects(idx) : nullptr;
    int col = FGrid->RealColIndex(FGrid->Col());
    if (FGrid->OnComboChange) FGrid->OnComboChange(FGrid, col, FGrid->Row(), idx, sel);
    if (FGrid->OnComboObjectChange) FGrid->OnComboObjectChange(FGrid, col, FGrid->Row(), idx, sel, obj);
}

void TGridCombo::WndProc(ui::TMessage& Message)
{
    switch (Message.Msg) {
    case ui::CM_WANTSPECIALKEY: {
        TEsgComboBox::WndProc(Message);
        ui::WPARAM k = Message.WParam;
        if (k == ui::VK_RETURN || k == ui::VK_ESCAPE || (k == ui::VK_TAB && FGrid->GridHandlesTab()))
            Message.Result = 1;
        return;
    }
    case ui::WM_MOUSEWHEEL: {
        // Towards the user: the next item; away: the previous one (none before the first).
        int delta = ui::GET_WHEEL_DELTA_WPARAM(Message.WParam);
        if (delta < 0) {
            if (ItemIndex() + 1 < Items().Count()) SetItemIndex(ItemIndex() + 1);
        } else if (ItemIndex() > 0) {
            SetItemIndex(ItemIndex() - 1);
        }
        int idx = ItemIndex();
        std::string sel = idx >= 0 ? Items().Get(idx) : std::string();
        int col = FGrid->RealColIndex(FGrid->Col());
        if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, col, FGrid->Row(), sel);
        FireComboEvents();
        Message.Result = 0;
        return;
    }
    case ui::WM_SETFOCUS:
        TEsgComboBox::WndProc(Message);
        if (!FGrid->Navigation().EditSelectAll() && EditStyle()) {
            SetSelStart(static_cast<int>(rtl::Utf8Length(Text())));
            SetSelLength(0);
        }
        if (FGrid->LButFlg()) {
            rtl::TPoint p;
            ui::GetCursorPos(p);
            p = ScreenToClient(p);
            if (p.X >= 0 && p.X <= Width() && p.Y >= 0 && p.Y <= Height()) {
                int pos = PosAt(p.X, p.Y);
                if (pos >= 0) {
                    SetSelStart(pos);
                    SetSelLength(0);
                    FGrid->SetLButFlg(false);
                }
            }
        }
        return;
    default:
        break;
    }
    TEsgComboBox::WndProc(Message);
}

void TGridCombo::KeyPress(char32_t& Key)
{
    int before = ItemIndex();
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
    if (Key == 27) Key = 0;
    if (Key == U'\r' && OnReturnKey) OnReturnKey(this);
    if (Key == U'\r' || Key == U'\t') Key = 0;
    TEsgComboBox::KeyPress(Key);
    if (ItemIndex() != before) FireComboEvents();
}

void TGridCombo::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    using namespace ui;
    bool special = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
                   Key == VK_UP || Key == VK_DOWN;
    if (!special && FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
    bool listStyle = !EditStyle();
    bool closing = listStyle || DroppedDown();
    bool handled;
    if (closing)
        handled = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_LEFT || Key == VK_RIGHT;
    else
        handled = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
                  Key == VK_END || Key == VK_UP || Key == VK_DOWN;
    if ((Shift & ssAlt) != 0 && Key == VK_DOWN) handled = false;
    FWorkMode = !(Key == VK_BACK || Key == VK_DELETE);
    // The key goes to the grid, which moves; nothing more is done for it here, so the
    // editor text never lands in the cell the grid moved to.
    if ((Key == VK_UP || Key == VK_DOWN) && !DroppedDown() && !FGrid->Navigation().ComboGetUpDown()) {
        FGrid->HideInplaceEdit();
        bool alwaysEdit = FGrid->Navigation().AlwaysEdit();
        FGrid->Navigation().SetAlwaysEdit(false);
        FGrid->SetFocus();
        FGrid->Navigation().SetAlwaysEdit(alwaysEdit);
        FGrid->Perform(WM_KEYDOWN, Key, 0);
        Key = 0;
        return;
    }
    if (!handled) {
        TEsgComboBox::KeyDown(Key, Shift);
        return;
    }
    FGrid->SetNewCellText(Text());
    if (Key == VK_ESCAPE) {
        std::string cur = FGrid->GetCurrentCell();
        SetText(cur);
        int i = Items().IndexOf(cur);
        if (i >= 0) SetItemIndex(i);
        FGrid->HideInplaceEdit();
        FGrid->SetFocus();
        return;
    }
    if (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        FGrid->SetCurrentCell(Text());
        if (!FGrid->ValidateCell(Text())) {
            SetText(FGrid->NewCellText());
            if (EditStyle()) SelectAll();
            Invalidate();
            Key = 0;
            FGrid->SetNoAutoAdvance(true);
            return;
        }
        if (listStyle) SelectItem(FGrid->GetCurrentCell());
        else SetText(FGrid->GetCurrentCell());
    }
    if (Key == VK_TAB && FGrid->GridHandlesTab()) {
        if (DroppedDown()) SetDroppedDown(false);
        FGrid->SetCurrentCell(Text());
        if (!FGrid->ValidateCell(Text())) {
            SetText(FGrid->NewCellText());
            SetSelStart(static_cast<int>(rtl::Utf8Length(Text())));
            Invalidate();
            Key = 0;
            return;
        }
        std::string cur = FGrid->GetCurrentCell();
        if (cur != Text()) {
            if (listStyle) SetItemIndex(Items().IndexOf(cur));
            else SetText(cur);
        }
        if ((FGrid->Options() & goTabs) != 0) {
            if (!listStyle || ItemIndex() >= 0) {
                FGrid->HideInplaceEdit();
                FGrid->SetFocus();
            }
            FGrid->NavigateFromEditor((Shift & ssShift) != 0);
            return;
        }
        PostMessage(FGrid->Handle(), WM_KEYDOWN, VK_TAB, 0);
    }
    if (closing) {
        bool direct = FGrid->MouseActions().DirectComboClose();
        FGrid->MouseActions().SetDirectComboClose(false);
        FGrid->HideInplaceEdit();
        FGrid->SetCellFromEditor(FGrid->RealColIndex(FGrid->Col()), FGrid->Row(), FGrid->NewCellText());
        FGrid->MouseActions().SetDirectComboClose(direct);
        if (Key == VK_LEFT || Key == VK_RIGHT) FGrid->Perform(WM_KEYDOWN, Key, 0);
        if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN)
            Key = 0;
    } else if (Key == VK_END) {
        TEsgComboBox::KeyDown(Key, Shift);
        return;
    }
    FGrid->DoneInplaceEdit(Key, Shift);
    Key = 0;
    if (FGrid->Navigation().AdvanceOnEnter() && FGrid->Navigation().AdvanceAutoEdit())
        PostMessage(FGrid->Handle(), RegisterWindowMessage("GridEditShow"), 0, 0);
    TEsgComboBox::KeyDown(Key, Shift);
}

// Left at the start or Right at the end of an edit-style text walks to the neighbour cell.
void TGridCombo::CursorWalk(ui::WORD& Key)
{
    using namespace ui;
    int len = static_cast<int>(rtl::Utf8Length(Text()));
    TNavigation& nav = FGrid->Navigation();
    if (Key == VK_LEFT && SelStart() == 0) {
        Key = 0;
        int col = FGrid->Col();
        if (col > FGrid->FixedCols() && FGrid->HasCellControl(col - 1, FGrid->Row())) {
            if (FGrid->ValidateCell(Text())) {
                FGrid->HideInplaceEdit();
                FGrid->SetCol(col - 1);
            }
            return;
        }
        FGrid->SetFocus();
        TAdvanceDirection dir = nav.AdvanceDirection();
        nav.SetAdvanceDirection(adLeftRight);
        FGrid->AdvanceEdit(FGrid->Col(), FGrid->Row(), true, false, false, true, true);
        nav.SetAdvanceDirection(dir);
        if (nav.CursorWalkAlwaysEdit()) FGrid->ShowInplaceEdit();
        return;
    }
    if (Key == VK_RIGHT && SelStart() == len) {
        Key = 0;
        int col = FGrid->Col();
        int s = std::max(0, FGrid->CellSpan(col, FGrid->Row()).X);
        if (col < FGrid->ColCount() - FGrid->FixedRightCols() - 1 &&
            FGrid->HasCellControl(col + s + 1, FGrid->Row())) {
            if (FGrid->ValidateCell(Text())) {
                FGrid->HideInplaceEdit();
                FGrid->SetCol(col + s + 1);
            }
            return;
        }
        FGrid->SetFocus();
        TAdvanceDirection dir = nav.AdvanceDirection();
        if (dir == adTopBottom || dir == adTopBottomInCol) nav.SetAdvanceDirection(adLeftRight);
        FGrid->AdvanceEdit(FGrid->Col(), FGrid->Row(), true, false, true, true, true);
        nav.SetAdvanceDirection(dir);
        if (nav.CursorWalkAlwaysEdit()) FGrid->ShowInplaceEdit();
    }
}

void TGridCombo::KeyUp(ui::WORD& Key, ui::TShiftState Shift)
{
    if (EditStyle() && FGrid->Navigation().CursorWalkEditor() && SelLength() == 0 &&
        (Shift & (ui::ssShift | ui::ssCtrl | ui::ssAlt)) == 0)
        CursorWalk(Key);
    FGrid->SetNoAutoAdvance(false);
    if (Key != ui::VK_RETURN) TEsgComboBox::KeyUp(Key, Shift);
    DoChange();
}

}  // namespace grid
