// Handle-based window placement: SetWindowPos, MoveWindow, ShowWindow, WindowFromPoint, ScrollWindow.
#include <algorithm>

#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"

namespace ui {

bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    TWinControl* c = TWinControl::FindControl(hwnd);
    if (c == nullptr) return false;
    if (!(flags & SWP_NOMOVE) || !(flags & SWP_NOSIZE)) {
        int left = (flags & SWP_NOMOVE) ? c->Left() : x;
        int top = (flags & SWP_NOMOVE) ? c->Top() : y;
        int width = (flags & SWP_NOSIZE) ? c->Width() : cx;
        int height = (flags & SWP_NOSIZE) ? c->Height() : cy;
        c->SetBounds(left, top, width, height);
    }
    if (!(flags & SWP_NOZORDER)) {
        if (insertAfter == HWND_BOTTOM) {
            c->SendToBack();
        } else if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST) {
            c->BringToFront();
        }
    }
    if (flags & SWP_SHOWWINDOW) ShowWindow(hwnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNOACTIVATE : SW_SHOW);
    if (flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
    return true;
}

bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint)
{
    TWinControl* c = TWinControl::FindControl(hwnd);
    if (c == nullptr) return false;
    c->SetBounds(x, y, width, height);
    if (repaint) c->Invalidate();
    return true;
}

bool ShowWindow(HWND hwnd, int cmd)
{
    TWinControl* c = TWinControl::FindControl(hwnd);
    if (c == nullptr) return false;
    bool was = c->Visible();
    if (cmd == SW_HIDE) {
        c->SetVisible(false);
        return was;
    }
    auto* form = dynamic_cast<TCustomForm*>(c);
    if (form != nullptr && (cmd == SW_SHOW || cmd == SW_SHOWNORMAL)) {
        form->Show();
    } else {
        c->SetVisible(true);
    }
    return was;
}

HWND WindowFromPoint(const rtl::TPoint& screenPoint)
{
    for (TWinControl* top : TWinControl::TopLevelWindows()) {
        if (!top->Showing() || !rtl::PtInRect(rtl::Bounds(top->Left(), top->Top(), top->Width(), top->Height()), screenPoint))
            continue;
        TWinControl* current = top;
        for (;;) {
            TControl* child = current->ControlAtPos(current->ScreenToClient(screenPoint), true, true, false);
            auto* win = dynamic_cast<TWinControl*>(child);
            if (win == nullptr) break;
            current = win;
        }
        return current->Handle();
    }
    return 0;
}

bool ScrollWindow(HWND hwnd, int /*dx*/, int /*dy*/, const rtl::TRect* scrollRect, const rtl::TRect* clipRect)
{
    TWinControl* c = TWinControl::FindControl(hwnd);
    if (c == nullptr) return false;
    rtl::TRect r = scrollRect != nullptr ? *scrollRect : c->ClientRect();
    if (clipRect != nullptr) {
        rtl::TRect clipped;
        if (!rtl::IntersectRect(clipped, r, *clipRect)) return true;
        r = clipped;
    }
    // The pixels are not moved: the scrolled part is painted again, which gives the same picture.
    c->InvalidateRect(r);
    return true;
}

HWND GetActiveWindow()
{
    TApplication* app = Application();
    if (app == nullptr || app->ActiveForm() == nullptr) return 0;
    return app->ActiveForm()->Handle();
}

}  // namespace ui
