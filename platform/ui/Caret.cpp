// The thread's caret: created for a window, moved, shown and hidden, inverted on the window image.
#include "platform/ui/Caret.h"

#include <cairo.h>

#include <algorithm>

#include "platform/ui/Clock.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"

namespace ui {

namespace {

TCaretState Caret;
std::int64_t NextBlink = 0;

TWinControl* OwnerTop()
{
    TWinControl* owner = TWinControl::FindControl(Caret.Owner);
    return owner == nullptr ? nullptr : owner->TopLevelWindow();
}

// Inverts the caret's pixels on the owner's window image, inside the owner's visible client area.
void Invert()
{
    TWinControl* owner = TWinControl::FindControl(Caret.Owner);
    if (owner == nullptr) return;
    TWinControl* top = owner->TopLevelWindow();
    if (top == nullptr || top->Surface() == nullptr) return;
    rtl::TPoint o = owner->ClientOriginInWindow();
    rtl::TRect r = Caret.Rect;
    rtl::OffsetRect(r, o.X, o.Y);
    rtl::TRect clipped;
    if (!rtl::IntersectRect(clipped, r, owner->VisibleClientRectInWindow())) return;
    cairo_surface_t* s = top->Surface();
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    int w = cairo_image_surface_get_width(s);
    int h = cairo_image_surface_get_height(s);
    for (int y = std::max(0, clipped.Top); y < std::min(h, clipped.Bottom); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = std::max(0, clipped.Left); x < std::min(w, clipped.Right); ++x) row[x] ^= 0x00FFFFFFu;
    }
    cairo_surface_mark_dirty(s);
}

bool ShouldDraw()
{
    return Caret.Owner != 0 && Caret.HideLevel == 0 && Caret.BlinkOn;
}

void Present()
{
    TWinControl* top = OwnerTop();
    if (top == nullptr || top->Surface() == nullptr) return;
    TWinControl* owner = TWinControl::FindControl(Caret.Owner);
    rtl::TPoint o = owner->ClientOriginInWindow();
    rtl::TRect r = Caret.Rect;
    rtl::OffsetRect(r, o.X, o.Y);
    if (TApplication* app = Application(); app != nullptr && app->HasBackend()) app->Backend().Present(top, r);
}

// Takes the caret off the image, applies a change, and puts it back when it should show.
template <typename F>
void Change(F&& change)
{
    bool wasDrawn = Caret.Drawn;
    if (Caret.Drawn) {
        Invert();
        Caret.Drawn = false;
    }
    change();
    if (ShouldDraw()) {
        Invert();
        Caret.Drawn = true;
    }
    if (wasDrawn || Caret.Drawn) Present();
}

}  // namespace

bool CreateCaret(HWND hwnd, void* /*bitmap*/, int width, int height)
{
    if (TWinControl::FindControl(hwnd) == nullptr) return false;
    DestroyCaret();
    Caret.Owner = hwnd;
    Caret.Rect = rtl::Bounds(0, 0, std::max(1, width), std::max(1, height));
    Caret.HideLevel = 1;
    Caret.BlinkOn = true;
    Caret.Drawn = false;
    NextBlink = GetTickCount64() + GetCaretBlinkTime();
    return true;
}

bool DestroyCaret()
{
    if (Caret.Owner == 0) return false;
    Change([] { Caret.Owner = 0; });
    Caret = TCaretState{};
    return true;
}

bool SetCaretPos(int x, int y)
{
    if (Caret.Owner == 0) return false;
    Change([x, y] {
        Caret.Rect = rtl::Bounds(x, y, Caret.Rect.Width(), Caret.Rect.Height());
        Caret.BlinkOn = true;
        NextBlink = GetTickCount64() + GetCaretBlinkTime();
    });
    return true;
}

bool GetCaretPos(rtl::TPoint& point)
{
    if (Caret.Owner == 0) return false;
    point = Caret.Rect.TopLeft();
    return true;
}

bool ShowCaret(HWND hwnd)
{
    if (Caret.Owner == 0 || (hwnd != 0 && hwnd != Caret.Owner)) return false;
    if (Caret.HideLevel == 0) return true;
    Change([] {
        --Caret.HideLevel;
        Caret.BlinkOn = true;
        NextBlink = GetTickCount64() + GetCaretBlinkTime();
    });
    return true;
}

bool HideCaret(HWND hwnd)
{
    if (Caret.Owner == 0 || (hwnd != 0 && hwnd != Caret.Owner)) return false;
    Change([] { ++Caret.HideLevel; });
    return true;
}

unsigned GetCaretBlinkTime()
{
    return 530;
}

const TCaretState& CaretState()
{
    return Caret;
}

void CaretBeforePaint(TWinControl* topLevel)
{
    if (Caret.Drawn && OwnerTop() == topLevel) {
        Invert();
        Caret.Drawn = false;
    }
}

void CaretAfterPaint(TWinControl* topLevel)
{
    if (!Caret.Drawn && ShouldDraw() && OwnerTop() == topLevel) {
        Invert();
        Caret.Drawn = true;
    }
}

bool CaretBlinkTick()
{
    if (Caret.Owner == 0 || Caret.HideLevel != 0) return false;
    std::int64_t now = GetTickCount64();
    if (now < NextBlink) return false;
    NextBlink = now + GetCaretBlinkTime();
    Change([] { Caret.BlinkOn = !Caret.BlinkOn; });
    return true;
}

std::int64_t CaretNextBlinkDue()
{
    return Caret.Owner != 0 && Caret.HideLevel == 0 ? NextBlink : -1;
}

void CaretWindowDestroyed(HWND hwnd)
{
    if (hwnd != 0 && hwnd == Caret.Owner) {
        Caret.Drawn = false;
        Caret = TCaretState{};
    }
}

void CaretSurfaceGone(TWinControl* topLevel)
{
    if (Caret.Drawn && OwnerTop() == topLevel) Caret.Drawn = false;
}

}  // namespace ui
