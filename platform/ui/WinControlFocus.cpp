// TWinControl: keyboard focus, tab order, and key messages with dialog-key handling.
#include <algorithm>

#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/InputRouter.h"

namespace ui {

bool TWinControl::CanFocus() const
{
    TCustomForm* form = GetParentForm(this);
    if (form == nullptr) return false;
    for (const TControl* c = this; c != form; c = c->Parent()) {
        if (c == nullptr || !c->Visible() || !c->Enabled()) return false;
    }
    return form->Enabled();
}

bool TWinControl::Focused() const
{
    return FocusedControl() == this;
}

void TWinControl::SetFocus()
{
    TCustomForm* form = GetParentForm(this);
    if (form == nullptr) throw rtl::EInvalidOperation("Control '" + Name() + "' has no parent window");
    form->FocusControl(this);
}

int TWinControl::TabOrder() const
{
    if (FParent == nullptr) return -1;
    auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value)
{
    if (FParent == nullptr) return;
    auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    int count = static_cast<int>(list.size());
    if (value < 0 || value > count) value = count;
    list.insert(list.begin() + value, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* child : FTabList) {
        list.push_back(child);
        child->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    int count = static_cast<int>(list.size());
    auto it = std::find(list.begin(), list.end(), CurControl);
    int start = it == list.end() ? (GoForward ? count - 1 : 0) : static_cast<int>(it - list.begin());
    int i = start;
    for (int n = 0; n < count; ++n) {
        i = GoForward ? (i + 1) % count : (i - 1 + count) % count;
        TWinControl* c = list[static_cast<size_t>(i)];
        if (c == CurControl) break;
        if (!c->CanFocus()) continue;
        if (CheckTabStop && !c->TabStop()) continue;
        if (CheckParent && c->Parent() != this) continue;
        return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop)
{
    TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, false);
    if (next != nullptr) next->SetFocus();
}

void TWinControl::DoEnter()
{
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit) OnExit(this);
}

void TWinControl::WMSetFocus(TMessage& /*Message*/)
{
    if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage& /*Message*/) {}

void TWinControl::KeyDown(WORD& Key, TShiftState Shift)
{
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyPress(char32_t& Key)
{
    if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift)
{
    if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

// The form sees keys first when its KeyPreview is on; a key it sets to 0 goes no further.
bool TWinControl::DoKeyDown(TMessage& Message)
{
    TShiftState shift = KeyDataToShiftState(Message.LParam);
    WORD key = static_cast<WORD>(Message.WParam);
    TCustomForm* form = GetParentForm(this);
    if (form != nullptr && form != this && form->KeyPreview()) {
        form->KeyDown(key, shift);
        if (key == 0) return true;
    }
    KeyDown(key, shift);
    Message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& Message)
{
    char32_t key = static_cast<char32_t>(Message.WParam);
    TCustomForm* form = GetParentForm(this);
    if (form != nullptr && form != this && form->KeyPreview()) {
        form->KeyPress(key);
        if (key == 0) return true;
    }
    KeyPress(key);
    Message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& Message)
{
    TShiftState shift = KeyDataToShiftState(Message.LParam);
    WORD key = static_cast<WORD>(Message.WParam);
    TCustomForm* form = GetParentForm(this);
    if (form != nullptr && form != this && form->KeyPreview()) {
        form->KeyUp(key, shift);
        if (key == 0) return true;
    }
    KeyUp(key, shift);
    Message.WParam = key;
    return key == 0;
}

// Tab, arrows, Return and Escape go to the form as dialog keys (focus moves, default and
// cancel buttons) unless the control says through WM_GETDLGCODE that it wants them.
void TWinControl::WMKeyDown(TMessage& Message)
{
    int key = static_cast<int>(Message.WParam);
    LRESULT mask = 0;
    switch (key) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
    default: break;
    }
    if (mask != 0 && Perform(CM_WANTSPECIALKEY, static_cast<WPARAM>(key), 0) == 0 &&
        (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0) {
        TCustomForm* form = GetParentForm(this);
        if (form != nullptr && form->Perform(CM_DIALOGKEY, static_cast<WPARAM>(key), Message.LParam) != 0) {
            Message.Result = 1;
            return;
        }
    }
    DoKeyDown(Message);  // a key set to 0 still gets its character, as on the platform
}

void TWinControl::WMKeyUp(TMessage& Message)
{
    if (DoKeyUp(Message)) Message.Result = 1;
}

void TWinControl::WMChar(TMessage& Message)
{
    if (DoKeyPress(Message)) Message.Result = 1;
}

TWinControl* FocusedControl()
{
    return TInputRouter::Focus();
}

HWND GetFocus()
{
    TWinControl* c = TInputRouter::Focus();
    return c == nullptr ? 0 : c->Handle();
}

// Moves the focus straight to the window, as the platform call does; the form's
// record of its active control follows through WM_SETFOCUS.
HWND SetFocus(HWND hwnd)
{
    HWND old = GetFocus();
    TWinControl* c = TWinControl::FindControl(hwnd);
    if (c != nullptr) TInputRouter::ChangeFocus(c);
    return old;
}

}  // namespace ui
