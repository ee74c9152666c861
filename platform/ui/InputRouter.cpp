// Input routing: focus, capture, hit testing, double clicks, enter/leave and key translation.
#include "platform/ui/InputRouter.h"

#include <cstdlib>

#include "platform/ui/Clock.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"

namespace ui {

namespace {

TWinControl* FocusControlPtr = nullptr;
TControl* CaptureControlPtr = nullptr;
TControl* HoveredControl = nullptr;

struct TLastClick {
    TControl* Target = nullptr;
    TMouseButton Button = mbLeft;
    std::int64_t Time = 0;
    rtl::TPoint Pos;
    bool Valid = false;
} LastClick;

// The scan code (bits 16 to 23 of a key message's data) of the key last pressed, carried on
// to the character its text input produces. Only the keypad's decimal key is told apart:
// receivers look at its scan code to type the locale's decimal separator.
constexpr LPARAM KeypadDecimalScanCode = 0x53;
LPARAM PendingScanCode = 0;

LPARAM ScanCodeOf(int vk) { return vk == VK_DECIMAL ? KeypadDecimalScanCode : 0; }

// Runs one delivery; an exception escaping it goes to the application's error box.
template <typename F>
void Deliver(F&& f)
{
    try {
        f();
    } catch (...) {
        if (TApplication* app = Application()) {
            app->HandleException(nullptr);
        } else {
            throw;
        }
    }
}

WPARAM MouseKeys()
{
    WPARAM keys = 0;
    if (GetKeyState(VK_LBUTTON) < 0) keys |= MK_LBUTTON;
    if (GetKeyState(VK_RBUTTON) < 0) keys |= MK_RBUTTON;
    if (GetKeyState(VK_MBUTTON) < 0) keys |= MK_MBUTTON;
    if (GetKeyState(VK_SHIFT) < 0) keys |= MK_SHIFT;
    if (GetKeyState(VK_CONTROL) < 0) keys |= MK_CONTROL;
    return keys;
}

bool TopAcceptsInput(TWinControl* top)
{
    if (top == nullptr || !top->Showing() || !top->Enabled()) return false;
    TApplication* app = Application();
    if (app == nullptr) return true;
    // While a form is modal, only it and windows that are not forms (pop-ups, hints) take input.
    TCustomForm* modal = app->ModalForm();
    auto* form = dynamic_cast<TCustomForm*>(top);
    return modal == nullptr || form == nullptr || form == modal;
}

// The shape shown over a control: the screen's cursor when set, else the control's own,
// else the first parent's that sets one.
void UpdateCursor(TControl* control)
{
    TApplication* app = Application();
    if (app == nullptr || !app->HasBackend()) return;
    TCursor cursor = Screen().Cursor();
    for (TControl* c = control; c != nullptr && cursor == crDefault; c = c->Parent()) cursor = c->Cursor();
    app->Backend().SetCursorShape(cursor == crDefault ? crArrow : cursor);
}

void UpdateHover(TControl* target)
{
    if (target == HoveredControl) return;
    TControl* old = HoveredControl;
    HoveredControl = target;
    if (old != nullptr) old->Perform(CM_MOUSELEAVE, 0, 0);
    if (target != nullptr && HoveredControl == target) target->Perform(CM_MOUSEENTER, 0, 0);
}

// The character Alt with this key types: a letter (lower case unless Shift is held) or a digit.
char32_t SystemCharOf(int vk)
{
    if (vk >= '0' && vk <= '9') return static_cast<char32_t>(vk);
    if (vk < 'A' || vk > 'Z') return 0;
    return static_cast<char32_t>(GetKeyState(VK_SHIFT) < 0 ? vk : vk - 'A' + 'a');
}

}  // namespace

TWinControl* TInputRouter::Focus()
{
    return FocusControlPtr;
}

void TInputRouter::ChangeFocus(TWinControl* control)
{
    TWinControl* old = FocusControlPtr;
    if (old == control) return;
    FocusControlPtr = control;
    if (old != nullptr) old->Perform(WM_KILLFOCUS, control != nullptr ? static_cast<WPARAM>(control->Handle()) : 0, 0);
    if (control != nullptr && FocusControlPtr == control)
        control->Perform(WM_SETFOCUS, old != nullptr ? static_cast<WPARAM>(old->Handle()) : 0, 0);
}

TControl* TInputRouter::Capture()
{
    return CaptureControlPtr;
}

void TInputRouter::SetCapture(TControl* control)
{
    TControl* old = CaptureControlPtr;
    if (old == control) return;
    CaptureControlPtr = control;
    if (old != nullptr) {
        auto* win = dynamic_cast<TWinControl*>(control);
        old->Perform(WM_CAPTURECHANGED, 0, win != nullptr ? win->Handle() : 0);
    }
}

TControl* TInputRouter::Hovered()
{
    return HoveredControl;
}

void TInputRouter::RefreshCursor()
{
    TControl* c = CaptureControlPtr != nullptr ? CaptureControlPtr : HoveredControl;
    UpdateCursor(c);
}

void TInputRouter::ControlDestroyed(TControl* control)
{
    if (FocusControlPtr == control) FocusControlPtr = nullptr;
    if (CaptureControlPtr == control) CaptureControlPtr = nullptr;
    if (HoveredControl == control) HoveredControl = nullptr;
    if (LastClick.Target == control) LastClick = {};
    if (TApplication* app = Application()) app->ControlDestroyed(control);
}

void TInputRouter::Reset()
{
    FocusControlPtr = nullptr;
    CaptureControlPtr = nullptr;
    HoveredControl = nullptr;
    LastClick = {};
    PendingScanCode = 0;
    ResetKeyboardState();
}

TControl* TInputRouter::HitTest(TWinControl* top, const rtl::TPoint& screenPoint)
{
    TWinControl* current = top;
    for (;;) {
        rtl::TPoint cp = current->ScreenToClient(screenPoint);
        TControl* child = current->ControlAtPos(cp, true, true, false);
        if (child == nullptr || !child->Enabled()) return current;
        auto* win = dynamic_cast<TWinControl*>(child);
        if (win == nullptr) return child;
        current = win;
    }
}

void TInputRouter::MouseButton(TWinControl* top, TMouseButton button, bool down, int x, int y)
{
    static const int vks[] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};
    rtl::TPoint screen{top->Left() + x, top->Top() + y};
    SetCursorPosState(screen);
    SetKeyDown(vks[button], down);
    if (!TopAcceptsInput(top) && CaptureControlPtr == nullptr) return;
    Deliver([&] {
        TApplication* app = Application();
        if (down && app != nullptr) {
            app->CancelHint();
            // A form asked first may refuse activation by the mouse (a pop-up of buttons).
            if (auto* form = dynamic_cast<TCustomForm*>(top)) {
                LRESULT answer = form->Perform(WM_MOUSEACTIVATE);
                if (answer != MA_NOACTIVATE && answer != MA_NOACTIVATEANDEAT) app->ActivateForm(form);
            }
        }
        TControl* target = CaptureControlPtr != nullptr ? CaptureControlPtr : HitTest(top, screen);
        if (target == nullptr) return;
        UINT msg;
        static const UINT downs[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
        static const UINT ups[] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};
        static const UINT dbls[] = {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK};
        if (down) {
            std::int64_t now = GetTickCount64();
            bool dbl = LastClick.Valid && LastClick.Target == target && LastClick.Button == button &&
                       now - LastClick.Time <= GetDoubleClickTime() &&
                       std::abs(screen.X - LastClick.Pos.X) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
                       std::abs(screen.Y - LastClick.Pos.Y) <= GetSystemMetrics(SM_CYDOUBLECLK) &&
                       (target->ControlStyle() & csDoubleClicks) != 0;
            msg = dbl ? dbls[button] : downs[button];
            LastClick = dbl ? TLastClick{} : TLastClick{target, button, now, screen, true};
        } else {
            msg = ups[button];
        }
        rtl::TPoint cp = target->ScreenToClient(screen);
        target->Perform(msg, MouseKeys(), MAKELPARAM(cp.X, cp.Y));
    });
}

void TInputRouter::MouseMove(TWinControl* top, int x, int y)
{
    rtl::TPoint screen{top->Left() + x, top->Top() + y};
    SetCursorPosState(screen);
    if (!TopAcceptsInput(top) && CaptureControlPtr == nullptr) return;
    Deliver([&] {
        TControl* hit = HitTest(top, screen);
        UpdateHover(hit);
        TControl* target = CaptureControlPtr != nullptr ? CaptureControlPtr : hit;
        if (target == nullptr) return;
        UpdateCursor(target);
        rtl::TPoint cp = target->ScreenToClient(screen);
        target->Perform(WM_MOUSEMOVE, MouseKeys(), MAKELPARAM(cp.X, cp.Y));
        if (TApplication* app = Application()) app->HintMouseMove(hit, screen);
    });
}

void TInputRouter::MouseWheel(TWinControl* top, int delta, int x, int y)
{
    rtl::TPoint screen{top->Left() + x, top->Top() + y};
    if (!TopAcceptsInput(top)) return;
    Deliver([&] {
        // The wheel goes to the focused control, as on the platform; without focus to the control under the mouse.
        TControl* target = FocusControlPtr != nullptr ? static_cast<TControl*>(FocusControlPtr) : HitTest(top, screen);
        if (target == nullptr) return;
        target->Perform(WM_MOUSEWHEEL, MAKEWPARAM(static_cast<int>(MouseKeys()), delta),
                        MAKELPARAM(screen.X, screen.Y));
    });
}

void TInputRouter::MouseLeftWindow(TWinControl* /*top*/)
{
    Deliver([] {
        UpdateHover(nullptr);
        if (TApplication* app = Application()) app->HintMouseMove(nullptr, {});
    });
}

void TInputRouter::Key(int vk, bool down)
{
    SetKeyDown(vk, down);
    Deliver([&] {
        TApplication* app = Application();
        if (down && app != nullptr) app->CancelHint();
        TWinControl* target = FocusControlPtr;
        if (target == nullptr && app != nullptr) target = app->ActiveForm();
        if (target == nullptr) return;
        bool alt = GetKeyState(VK_MENU) < 0;
        bool ctrl = GetKeyState(VK_CONTROL) < 0;
        const LPARAM scan = ScanCodeOf(vk);
        PendingScanCode = down ? scan : 0;
        LPARAM keyData = 1 | (scan << 16) | (alt ? AltMask : 0) | (down ? 0 : static_cast<LPARAM>(0xC0000000u));
        UINT msg = down ? (alt && !ctrl ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt && !ctrl ? WM_SYSKEYUP : WM_KEYUP);
        LRESULT taken = target->Perform(msg, static_cast<WPARAM>(vk), keyData);
        if (!down || taken != 0) return;
        if (alt) {
            // Alt with a letter or digit types a system character: the accelerator of a
            // caption. Alt with Ctrl (AltGr) types nothing here.
            if (char32_t sys = ctrl ? 0 : SystemCharOf(vk); sys != 0)
                target->Perform(WM_SYSCHAR, static_cast<WPARAM>(sys), keyData | AltMask);
            return;
        }
        char32_t ch = 0;
        if (vk == VK_RETURN || vk == VK_ESCAPE || vk == VK_BACK || vk == VK_TAB) {
            ch = static_cast<char32_t>(vk == VK_ESCAPE ? 27 : vk);
        } else if (ctrl && vk >= 'A' && vk <= 'Z') {
            ch = static_cast<char32_t>(vk - 'A' + 1);
        }
        if (ch != 0) Char(ch);
    });
}

void TInputRouter::Char(char32_t ch)
{
    Deliver([&] {
        TWinControl* target = FocusControlPtr;
        if (target == nullptr) {
            if (TApplication* app = Application()) target = app->ActiveForm();
        }
        const LPARAM keyData = 1 | (PendingScanCode << 16);
        PendingScanCode = 0;
        if (target == nullptr) return;
        target->Perform(WM_CHAR, static_cast<WPARAM>(ch), keyData);
    });
}

void TInputRouter::WindowActivated(TWinControl* top)
{
    Deliver([&] {
        TApplication* app = Application();
        auto* form = dynamic_cast<TCustomForm*>(top);
        if (app == nullptr || form == nullptr) return;
        if (TCustomForm* modal = app->ModalForm(); modal != nullptr && modal != form) return;
        app->ActivateForm(form);
    });
}

void TInputRouter::CloseRequested(TWinControl* top)
{
    Deliver([&] { top->Perform(WM_CLOSE, 0, 0); });
}

TControl* GetCaptureControl()
{
    return TInputRouter::Capture();
}

void SetCaptureControl(TControl* control)
{
    TInputRouter::SetCapture(control);
}

HWND GetCapture()
{
    auto* win = dynamic_cast<TWinControl*>(TInputRouter::Capture());
    return win != nullptr ? win->Handle() : 0;
}

HWND SetCapture(HWND hwnd)
{
    HWND old = GetCapture();
    TInputRouter::SetCapture(TWinControl::FindControl(hwnd));
    return old;
}

bool ReleaseCapture()
{
    TInputRouter::SetCapture(nullptr);
    return true;
}

}  // namespace ui
