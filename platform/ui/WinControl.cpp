// TWinControl: handles, children, alignment, client area, showing, and the handle-based calls.
#include <algorithm>
#include <unordered_map>

#include "platform/ui/Caret.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/MessageHooks.h"
#include "platform/ui/MessageQueue.h"

namespace ui {

namespace {

std::unordered_map<HWND, TWinControl*>& WindowTable()
{
    // Never freed, like the overlay list: a window freed while the statics are destroyed
    // still finds it.
    static auto* table = new std::unordered_map<HWND, TWinControl*>;
    return *table;
}

HWND NextHandle = 0x10000;

}  // namespace

TWinControl::TWinControl(rtl::TComponent* AOwner) : TControl(AOwner)
{
    FHandle = NextHandle;
    NextHandle += 4;
    WindowTable()[FHandle] = this;
    FControlStyle |= csAcceptsControls;
}

TWinControl::~TWinControl()
{
    Destroying();
    TInputRouter::ControlDestroyed(this);
    if (FShowingState && IsTopLevel()) {
        if (TApplication* app = Application(); app != nullptr && app->HasBackend())
            app->Backend().WindowDestroyed(this);
    }
    // A window takes its child windows and controls with it, whoever owns them; each
    // child window sees WM_DESTROY while it is still whole.
    while (!FControls.empty()) {
        TControl* child = FControls.back();
        if (auto* win = dynamic_cast<TWinControl*>(child)) win->DestroyHandle();
        RemoveControl(child);
        delete child;
    }
    StopScrollRepeat();
    DestroySurface();
    CaretWindowDestroyed(FHandle);
    TMessageQueue::Instance().RemoveMessagesFor(FHandle);
    WindowTable().erase(FHandle);
    if (FParent != nullptr) FParent->RemoveControl(this);
}

TWinControl* TWinControl::FindControl(HWND handle)
{
    auto& table = WindowTable();
    auto it = table.find(handle);
    return it == table.end() ? nullptr : it->second;
}

std::vector<TWinControl*> TWinControl::TopLevelWindows()
{
    std::vector<TWinControl*> list;
    for (const auto& [handle, control] : WindowTable()) {
        if (control->Parent() == nullptr) list.push_back(control);
    }
    return list;
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    if (FControlState & csAlignmentNeeded) Realign();
}

TControl* TWinControl::Controls(int index) const
{
    if (index < 0 || index >= ControlCount()) rtl::RaiseListIndexError(index);
    return FControls[static_cast<size_t>(index)];
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c != nullptr; c = c->Parent()) {
        if (c == this) return true;
    }
    return false;
}

void TWinControl::InsertControl(TControl* control)
{
    control->FParent = this;
    // Windowed controls sit above graphic controls in the z-order.
    auto* win = dynamic_cast<TWinControl*>(control);
    if (win != nullptr) {
        FControls.push_back(control);
        FTabList.push_back(win);
    } else {
        auto firstWin = std::find_if(FControls.begin(), FControls.end(),
                                     [](TControl* c) { return dynamic_cast<TWinControl*>(c) != nullptr; });
        FControls.insert(firstWin, control);
    }
    if (control->FParentColor) control->FColor = FColor;
    if (control->FParentFont) control->SetParentFont(true);
    if (control->FParentShowHint) control->FShowHint = FShowHint;
    if (win != nullptr) win->UpdateShowing();
    if (control->FAlign != alNone) Realign();
    control->Invalidate();
}

// Alignment waits until every child has its scaled bounds, so aligned children are placed
// in the scaled client area once; children that take this control's font take the scaled one.
void TWinControl::ChangeScale(int M, int D)
{
    if (M == D || D == 0) return;
    DisableAlign();
    ScaleChildren(M, D);
    TControl::ChangeScale(M, D);
    PassFontToChildren();
    EnableAlign();
}

void TWinControl::ScaleChildren(int M, int D)
{
    const std::vector<TControl*> children = FControls;
    for (TControl* child : children) child->ChangeScale(M, D);
}

void TWinControl::PassFontToChildren()
{
    for (TControl* child : FControls)
        if (child->ParentFont()) child->SetParentFont(true);
}

void TWinControl::RemoveControl(TControl* control)
{
    auto it = std::find(FControls.begin(), FControls.end(), control);
    if (it == FControls.end()) return;
    control->InvalidateControl(true);
    if (TCustomForm* form = GetParentForm(this)) form->ControlRemoving(control);
    FControls.erase(it);
    auto* win = dynamic_cast<TWinControl*>(control);
    if (win != nullptr) FTabList.erase(std::find(FTabList.begin(), FTabList.end(), win));
    control->FParent = nullptr;
    if (win != nullptr && !HasState(rtl::csDestroying) && !win->HasState(rtl::csDestroying)) win->UpdateShowing();
    if (control->FAlign != alNone && !HasState(rtl::csDestroying)) Realign();
}

TControl* TWinControl::ControlAtPos(const rtl::TPoint& pos, bool AllowDisabled, bool AllowWinControls,
                                    bool AllLevels) const
{
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (!c->Visible() || (!AllowDisabled && !c->Enabled())) continue;
        auto* win = dynamic_cast<TWinControl*>(c);
        if (win != nullptr && !AllowWinControls) continue;
        if (!rtl::PtInRect(c->BoundsRect(), pos)) continue;
        if (AllLevels && win != nullptr) {
            rtl::TPoint inner = win->ParentToClient(pos, const_cast<TWinControl*>(this));
            if (rtl::PtInRect(win->ClientRect(), inner)) {
                if (TControl* deeper = win->ControlAtPos(inner, AllowDisabled, AllowWinControls, true))
                    return deeper;
            }
        }
        return c;
    }
    return nullptr;
}

void TWinControl::EnableAlign()
{
    if (FAlignLevel > 0) --FAlignLevel;
    if (FAlignLevel == 0) Realign();
}

void TWinControl::Realign()
{
    if (FAlignLevel > 0 || HasState(rtl::csLoading) || HasState(rtl::csDestroying)) {
        FControlState |= csAlignmentNeeded;
        return;
    }
    FControlState &= ~static_cast<unsigned>(csAlignmentNeeded);
    ++FAlignLevel;
    rtl::TRect rect = ClientRect();
    AlignControls(nullptr, rect);
    --FAlignLevel;
}

void TWinControl::AlignControls(TControl* /*AControl*/, rtl::TRect& Rect)
{
    static const TAlign order[] = {alTop, alBottom, alLeft, alRight, alClient};
    for (TAlign align : order) {
        std::vector<TControl*> list;
        for (TControl* c : FControls) {
            if (c->Align() == align && c->Visible()) list.push_back(c);
        }
        std::stable_sort(list.begin(), list.end(), [align](TControl* a, TControl* b) {
            switch (align) {
            case alTop: return a->Top() < b->Top();
            case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
            case alLeft: return a->Left() < b->Left();
            case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
            default: return false;
            }
        });
        for (TControl* c : list) {
            int w = c->Width();
            int h = c->Height();
            switch (align) {
            case alTop:
                c->SetBounds(Rect.Left, Rect.Top, Rect.Width(), h);
                Rect.Top += h;
                break;
            case alBottom:
                c->SetBounds(Rect.Left, Rect.Bottom - h, Rect.Width(), h);
                Rect.Bottom -= h;
                break;
            case alLeft:
                c->SetBounds(Rect.Left, Rect.Top, w, Rect.Height());
                Rect.Left += w;
                break;
            case alRight:
                c->SetBounds(Rect.Right - w, Rect.Top, w, Rect.Height());
                Rect.Right -= w;
                break;
            case alClient:
                c->SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
                break;
            default:
                break;
            }
        }
    }
}

rtl::TRect TWinControl::NonClientInsets() const
{
    rtl::TRect insets{FBorderThickness, FBorderThickness, FBorderThickness, FBorderThickness};
    if (FScrollBars[1].Shown) insets.Right += 17;
    if (FScrollBars[0].Shown) insets.Bottom += 17;
    return insets;
}

void TWinControl::SetBorderThickness(int value)
{
    if (FBorderThickness == value) return;
    FBorderThickness = value;
    Realign();
    Perform(CM_BORDERCHANGED, 0, 0);
    Invalidate();
}

rtl::TRect TWinControl::ClientRect() const
{
    rtl::TRect in = NonClientInsets();
    int w = std::max(0, FWidth - in.Left - in.Right);
    int h = std::max(0, FHeight - in.Top - in.Bottom);
    return rtl::Rect(0, 0, w, h);
}

void TWinControl::SetClientWidth(int value)
{
    rtl::TRect in = NonClientInsets();
    SetWidth(value + in.Left + in.Right);
}

void TWinControl::SetClientHeight(int value)
{
    rtl::TRect in = NonClientInsets();
    SetHeight(value + in.Top + in.Bottom);
}

rtl::TPoint TWinControl::ClientOrigin() const
{
    rtl::TPoint p = TControl::ClientOrigin();
    rtl::TRect in = NonClientInsets();
    return {p.X + in.Left, p.Y + in.Top};
}

void TWinControl::BoundsChanged(const rtl::TRect& oldBounds)
{
    bool resized = oldBounds.Width() != FWidth || oldBounds.Height() != FHeight;
    if (IsTopLevel() && FShowingState && resized) {
        CreateSurface();
    }
    if (IsTopLevel() && FShowingState) {
        if (TApplication* app = Application(); app != nullptr && app->HasBackend())
            app->Backend().WindowChanged(this);
    }
    Invalidate();
    if (FParent != nullptr && FAlign != alNone) FParent->Realign();
    if (resized) {
        Realign();
        Perform(WM_SIZE, SIZE_RESTORED, MAKELPARAM(ClientWidth(), ClientHeight()));
        Resize();
    }
    SendMessage(FHandle, WM_WINDOWPOSCHANGED, 0, 0);
}

bool TWinControl::Showing() const
{
    return FShowingState;
}

void TWinControl::SetVisible(bool value)
{
    if (FVisible == value) return;
    TControl::SetVisible(value);
    UpdateShowing();
}

void TWinControl::SetEnabled(bool value)
{
    if (FEnabled == value) return;
    TControl::SetEnabled(value);
    if (!value && Focused()) {
        if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(this, false);
    }
}

void TWinControl::SetParent(TWinControl* AParent)
{
    if (FParent == AParent) return;
    bool wasTop = IsTopLevel() && FShowingState;
    if (wasTop) {
        if (TApplication* app = Application(); app != nullptr && app->HasBackend())
            app->Backend().WindowHidden(this);
        DestroySurface();
        FShowingState = false;
    }
    TControl::SetParent(AParent);
    UpdateShowing();
}

void TWinControl::HandleNeeded()
{
    if (FWindowCreated || FWindowDestroyed) return;
    FWindowCreated = true;
    CreateWnd();
}

void TWinControl::CreateWnd()
{
    Perform(WM_CREATE, 0, 0);
}

void TWinControl::DestroyHandle()
{
    if (FWindowDestroyed) return;
    FWindowDestroyed = true;
    if (FWindowCreated) {
        Perform(WM_DESTROY, 0, 0);
        DestroyWnd();
    }
    for (TWinControl* child : std::vector<TWinControl*>(FTabList)) child->DestroyHandle();
}

void TWinControl::UpdateShowing()
{
    bool showing = FVisible && (FParent == nullptr ? TopLevelMayShow() : FParent->Showing());
    if (showing && !FWindowCreated) HandleNeeded();
    if (showing == FShowingState) return;
    FShowingState = showing;
    ShowingChanged();
    for (TWinControl* child : FTabList) child->UpdateShowing();
    if (!showing && !HasState(rtl::csDestroying)) {
        TWinControl* focused = FocusedControl();
        if (focused != nullptr && ContainsControl(focused)) {
            if (TCustomForm* form = GetParentForm(this); form != nullptr && form != this)
                form->DefocusControl(focused, false);
        }
    }
}

bool TWinControl::TopLevelMayShow() const
{
    return true;
}

void TWinControl::ShowingChanged()
{
    if (!IsTopLevel()) {
        if (FShowingState) Invalidate();
        return;
    }
    TApplication* app = Application();
    bool backend = app != nullptr && app->HasBackend();
    if (FShowingState) {
        CreateSurface();
        if (backend) app->Backend().WindowShown(this);
    } else {
        if (backend) app->Backend().WindowHidden(this);
        DestroySurface();
    }
}

void TWinControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        WMKeyDown(Message);
        return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        WMKeyUp(Message);
        return;
    case WM_CHAR:
        WMChar(Message);
        return;
    case WM_SETFOCUS:
        WMSetFocus(Message);
        return;
    case WM_KILLFOCUS:
        WMKillFocus(Message);
        return;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_FONTCHANGED:
        // Children that take the parent's font follow it.
        for (TControl* c : std::vector<TControl*>(FControls)) {
            if (c->ParentFont()) c->SetParentFont(true);
        }
        return;
    case CM_COLORCHANGED:
        for (TControl* c : std::vector<TControl*>(FControls)) {
            if (!c->ParentColor()) continue;
            c->SetParentColor(true);
            c->Perform(CM_COLORCHANGED, 0, 0);
        }
        return;
    case WM_NCPAINT:
        if (FNonClientCanvas != nullptr) PaintNonClient(*FNonClientCanvas);
        return;
    case WM_SETREDRAW:
        // While redraw is off, invalidations of the window and its children are dropped.
        FRedrawOff = Message.WParam == 0;
        return;
    case CM_EXIT:
        DoExit();
        return;
    case WM_PAINT: {
        gfx::TRegion region = FPaintRegion != nullptr ? *FPaintRegion : gfx::TRegion(VisibleClientRectInWindow());
        PaintHandler(region);
        return;
    }
    case WM_SYSCHAR: {
        // Unhandled, a system character is offered as an accelerator to the controls of
        // the window it was typed in.
        TWinControl* top = this;
        while (top->Parent() != nullptr) top = top->Parent();
        Message.Result = top->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam);
        return;
    }
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
        // Offered to the children until one takes it.
        for (TControl* c : std::vector<TControl*>(FControls)) {
            Message.Result = c->Perform(Message.Msg, Message.WParam, Message.LParam);
            if (Message.Result != 0) return;
        }
        return;
    default:
        break;
    }
    if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST && ScrollBarMouse(Message)) return;
    TControl::Dispatch(Message);
}

// --- handle-based calls ---

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessageQueue& queue = TMessageQueue::Instance();
    if (!queue.IsOwnerThread()) {
        LRESULT result = 0;
        queue.InvokeAndWait([&] {
            TWinControl* target = TWinControl::FindControl(hwnd);
            if (target == nullptr) return;
            CallWndProcHooks(hwnd, msg, wParam, lParam, false);
            result = target->Perform(msg, wParam, lParam);
        });
        return result;
    }
    TWinControl* target = TWinControl::FindControl(hwnd);
    if (target == nullptr) return 0;
    CallWndProcHooks(hwnd, msg, wParam, lParam, true);
    return target->Perform(msg, wParam, lParam);
}

bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessageQueue& queue = TMessageQueue::Instance();
    if (hwnd != 0 && queue.IsOwnerThread() && TWinControl::FindControl(hwnd) == nullptr) return false;
    queue.Post({hwnd, msg, wParam, lParam});
    return true;
}

void PostQuitMessage(int exitCode)
{
    TMessageQueue::Instance().Post({0, WM_QUIT, static_cast<WPARAM>(exitCode), 0});
}

bool IsWindow(HWND hwnd)
{
    return TWinControl::FindControl(hwnd) != nullptr;
}

bool IsWindowVisible(HWND hwnd)
{
    TWinControl* c = TWinControl::FindControl(hwnd);
    return c != nullptr && c->Showing();
}

bool IsWindowEnabled(HWND hwnd)
{
    TWinControl* c = TWinControl::FindControl(hwnd);
    return c != nullptr && c->Enabled();
}

bool InvalidateRect(HWND hwnd, const rtl::TRect* rect, bool /*erase*/)
{
    TWinControl* c = TWinControl::FindControl(hwnd);
    if (c == nullptr) return false;
    if (rect == nullptr) {
        c->Invalidate();
    } else {
        c->InvalidateRect(*rect);
    }
    return true;
}

bool UpdateWindow(HWND hwnd)
{
    TWinControl* c = TWinControl::FindControl(hwnd);
    if (c == nullptr) return false;
    c->Update();
    return true;
}

bool GetClientRect(HWND hwnd, rtl::TRect& rect)
{
    TWinControl* c = TWinControl::FindControl(hwnd);
    if (c == nullptr) return false;
    rect = c->ClientRect();
    return true;
}

bool GetWindowRect(HWND hwnd, rtl::TRect& rect)
{
    TWinControl* c = TWinControl::FindControl(hwnd);
    if (c == nullptr) return false;
    rtl::TRect in = c->NonClientInsets();
    rtl::TPoint o = c->ClientOrigin();
    rect = rtl::Bounds(o.X - in.Left, o.Y - in.Top, c->Width(), c->Height());
    return true;
}

bool ClientToScreen(HWND hwnd, rtl::TPoint& p)
{
    TWinControl* c = TWinControl::FindControl(hwnd);
    if (c == nullptr) return false;
    p = c->ClientToScreen(p);
    return true;
}

bool ScreenToClient(HWND hwnd, rtl::TPoint& p)
{
    TWinControl* c = TWinControl::FindControl(hwnd);
    if (c == nullptr) return false;
    p = c->ScreenToClient(p);
    return true;
}

HWND GetParent(HWND hwnd)
{
    TWinControl* c = TWinControl::FindControl(hwnd);
    if (c == nullptr || c->Parent() == nullptr) return 0;
    return c->Parent()->Handle();
}

}  // namespace ui
