// Window scroll bars: the SetScrollInfo family, geometry, and thumb tracking with the mouse.
#include <algorithm>

#include "platform/ui/Controls.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/ScrollBarGeometry.h"
#include "platform/ui/Timers.h"

namespace ui {

namespace {

constexpr int ArrowSize = 17;
constexpr unsigned ScrollRepeatDelay = 400;    // first repeat after holding this long
constexpr unsigned ScrollRepeatInterval = 50;  // then one step each

TScrollBarState* StateOf(HWND hwnd, int bar, TWinControl** owner = nullptr)
{
    TWinControl* c = TWinControl::FindControl(hwnd);
    if (c == nullptr || (bar != SB_HORZ && bar != SB_VERT)) return nullptr;
    if (owner != nullptr) *owner = c;
    return &c->ScrollBarState(bar);
}

int ClampPos(const TScrollBarState& s, int pos)
{
    return std::clamp(pos, s.Min, std::max(s.Min, ScrollMaxPos(s)));
}

void UpdateShown(TWinControl* c, TScrollBarState& s, bool disableNoScroll)
{
    bool needed = s.Max > s.Min && (s.Page == 0 || static_cast<long long>(s.Page) <= s.Max - s.Min);
    bool shown = needed || (disableNoScroll && s.Shown);
    if (shown != s.Shown) {
        s.Shown = shown;
        c->Realign();
        c->Perform(WM_SIZE, SIZE_RESTORED, MAKELPARAM(c->ClientWidth(), c->ClientHeight()));
    }
}

}  // namespace

int ScrollMaxPos(const TScrollBarState& s)
{
    if (s.Page == 0) return s.Max;
    return std::max(s.Min, s.Max - static_cast<int>(s.Page) + 1);
}

TScrollBarGeometry ComputeScrollBarGeometry(const rtl::TRect& bar, bool vertical, const TScrollBarState& s, int pos)
{
    TScrollBarGeometry g;
    g.Vertical = vertical;
    g.Bar = bar;
    int length = vertical ? bar.Height() : bar.Width();
    int arrow = std::min(ArrowSize, length / 2);
    if (vertical) {
        g.FirstArrow = rtl::Rect(bar.Left, bar.Top, bar.Right, bar.Top + arrow);
        g.LastArrow = rtl::Rect(bar.Left, bar.Bottom - arrow, bar.Right, bar.Bottom);
    } else {
        g.FirstArrow = rtl::Rect(bar.Left, bar.Top, bar.Left + arrow, bar.Bottom);
        g.LastArrow = rtl::Rect(bar.Right - arrow, bar.Top, bar.Right, bar.Bottom);
    }
    g.TrackStart = (vertical ? bar.Top : bar.Left) + arrow;
    g.TrackLength = length - 2 * arrow;
    long long range = static_cast<long long>(s.Max) - s.Min + 1;
    int maxPos = ScrollMaxPos(s);
    if (range <= 1 || maxPos <= s.Min || g.TrackLength < 8 || !s.Enabled) return g;
    int thumb = s.Page == 0 ? ArrowSize
                            : static_cast<int>(static_cast<long long>(g.TrackLength) * s.Page / range);
    g.ThumbLength = std::clamp(thumb, 8, g.TrackLength);
    int travel = g.TrackLength - g.ThumbLength;
    int offset = static_cast<int>(static_cast<long long>(travel) * (std::clamp(pos, s.Min, maxPos) - s.Min) /
                                  (maxPos - s.Min));
    int start = g.TrackStart + offset;
    g.Thumb = vertical ? rtl::Rect(bar.Left, start, bar.Right, start + g.ThumbLength)
                       : rtl::Rect(start, bar.Top, start + g.ThumbLength, bar.Bottom);
    return g;
}

int ScrollPosFromThumb(const TScrollBarGeometry& g, const TScrollBarState& s, int thumbStart)
{
    int travel = g.TrackLength - g.ThumbLength;
    int maxPos = ScrollMaxPos(s);
    if (travel <= 0) return s.Min;
    int offset = std::clamp(thumbStart - g.TrackStart, 0, travel);
    return s.Min + static_cast<int>((static_cast<long long>(offset) * (maxPos - s.Min) + travel / 2) / travel);
}

void TWinControl::StopScrollRepeat()
{
    if (FScrollRepeatTimer != 0) KillTimer(0, FScrollRepeatTimer);
    FScrollRepeatTimer = 0;
    FScrollRepeatBar = -1;
}

// One repeated step, while the mouse stays over the arrow or on the track's side of the thumb.
void TWinControl::ScrollRepeatStep()
{
    int bar = FScrollRepeatBar;
    if (bar < 0) return;
    if (FScrollRepeatTimer != 0) KillTimer(0, FScrollRepeatTimer);
    FScrollRepeatTimer = SetTimer(0, 0, ScrollRepeatInterval, [this](HWND, UINT, UINT_PTR, unsigned) {
        ScrollRepeatStep();
    });
    rtl::TPoint screen;
    GetCursorPos(screen);
    rtl::TRect in = NonClientInsets();
    rtl::TPoint c = ScreenToClient(screen);
    rtl::TPoint p{c.X + in.Left, c.Y + in.Top};
    const TScrollBarState& s = ScrollBarState(bar);
    TScrollBarGeometry g = ComputeScrollBarGeometry(ScrollBarRect(bar), bar == SB_VERT, s, s.Pos);
    int along = bar == SB_VERT ? p.Y : p.X;
    int thumbStart = bar == SB_VERT ? g.Thumb.Top : g.Thumb.Left;
    int thumbEnd = bar == SB_VERT ? g.Thumb.Bottom : g.Thumb.Right;
    bool over = false;
    switch (FScrollRepeatCode) {
    case SB_LINEUP: over = rtl::PtInRect(g.FirstArrow, p); break;
    case SB_LINEDOWN: over = rtl::PtInRect(g.LastArrow, p); break;
    case SB_PAGEUP: over = rtl::PtInRect(g.Bar, p) && along < thumbStart; break;
    case SB_PAGEDOWN: over = rtl::PtInRect(g.Bar, p) && along >= thumbEnd; break;
    default: break;
    }
    if (over) Perform(bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(FScrollRepeatCode, 0), 0);
}

rtl::TRect TWinControl::ScrollBarRect(int bar) const
{
    const TScrollBarState& s = ScrollBarState(bar);
    if (!s.Shown) return {};
    int b = FBorderThickness;
    bool other = ScrollBarState(bar == SB_VERT ? SB_HORZ : SB_VERT).Shown;
    if (bar == SB_VERT)
        return rtl::Rect(FWidth - b - ArrowSize, b, FWidth - b, FHeight - b - (other ? ArrowSize : 0));
    return rtl::Rect(b, FHeight - b - ArrowSize, FWidth - b - (other ? ArrowSize : 0), FHeight - b);
}

// Arrow clicks scroll a line, track clicks a page, and dragging the thumb reports
// SB_THUMBTRACK positions, then SB_THUMBPOSITION and SB_ENDSCROLL on release.
bool TWinControl::ScrollBarMouse(TMessage& Message)
{
    if (!FScrollBars[0].Shown && !FScrollBars[1].Shown && FScrollTracking < 0 && FScrollRepeatBar < 0) return false;
    if (FScrollRepeatBar >= 0) {
        if (Message.Msg == WM_LBUTTONUP) {
            UINT msg = FScrollRepeatBar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
            StopScrollRepeat();
            SetCaptureControl(nullptr);
            Perform(msg, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
        }
        return true;
    }
    rtl::TRect in = NonClientInsets();
    // Message coordinates are client coordinates; scroll bars live in window coordinates.
    rtl::TPoint p{GET_X_LPARAM(Message.LParam) + in.Left, GET_Y_LPARAM(Message.LParam) + in.Top};
    if (FScrollTracking >= 0) {
        int bar = FScrollTracking;
        TScrollBarState& s = ScrollBarState(bar);
        UINT msg = bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
        TScrollBarGeometry g = ComputeScrollBarGeometry(ScrollBarRect(bar), bar == SB_VERT, s, s.Pos);
        int along = bar == SB_VERT ? p.Y : p.X;
        if (Message.Msg == WM_MOUSEMOVE) {
            int pos = ScrollPosFromThumb(g, s, along - FScrollGrabOffset);
            if (pos != s.TrackPos) {
                s.TrackPos = pos;
                Invalidate();
                Perform(msg, MAKEWPARAM(SB_THUMBTRACK, pos), 0);
            }
            return true;
        }
        if (Message.Msg == WM_LBUTTONUP) {
            FScrollTracking = -1;
            s.Tracking = false;
            SetCaptureControl(nullptr);
            Perform(msg, MAKEWPARAM(SB_THUMBPOSITION, s.TrackPos), 0);
            Perform(msg, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
            Invalidate();
            return true;
        }
        return true;
    }
    for (int bar : {SB_VERT, SB_HORZ}) {
        rtl::TRect r = ScrollBarRect(bar);
        if (!rtl::PtInRect(r, p)) continue;
        if (Message.Msg != WM_LBUTTONDOWN && Message.Msg != WM_LBUTTONDBLCLK) return true;
        TScrollBarState& s = ScrollBarState(bar);
        UINT msg = bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
        TScrollBarGeometry g = ComputeScrollBarGeometry(r, bar == SB_VERT, s, s.Pos);
        int along = bar == SB_VERT ? p.Y : p.X;
        int code = -1;
        if (rtl::PtInRect(g.FirstArrow, p)) {
            code = SB_LINEUP;
        } else if (rtl::PtInRect(g.LastArrow, p)) {
            code = SB_LINEDOWN;
        } else if (!rtl::IsRectEmpty(g.Thumb) && rtl::PtInRect(g.Thumb, p)) {
            FScrollTracking = bar;
            FScrollGrabOffset = along - (bar == SB_VERT ? g.Thumb.Top : g.Thumb.Left);
            s.Tracking = true;
            s.TrackPos = s.Pos;
            SetCaptureControl(this);
            return true;
        } else if (!rtl::IsRectEmpty(g.Thumb)) {
            code = along < (bar == SB_VERT ? g.Thumb.Top : g.Thumb.Left) ? SB_PAGEUP : SB_PAGEDOWN;
        }
        if (code >= 0) {
            // Held down, the arrow or track repeats its step until the button goes up.
            FScrollRepeatBar = bar;
            FScrollRepeatCode = code;
            SetCaptureControl(this);
            Perform(msg, MAKEWPARAM(code, 0), 0);
            if (FScrollRepeatBar >= 0)
                FScrollRepeatTimer = SetTimer(0, 0, ScrollRepeatDelay, [this](HWND, UINT, UINT_PTR, unsigned) {
                    ScrollRepeatStep();
                });
        }
        return true;
    }
    return false;
}

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO& info, bool redraw)
{
    TWinControl* c = nullptr;
    TScrollBarState* s = StateOf(hwnd, bar, &c);
    if (s == nullptr) return 0;
    if (info.fMask & SIF_RANGE) {
        s->Min = info.nMin;
        s->Max = std::max(info.nMin, info.nMax);
    }
    if (info.fMask & SIF_PAGE) {
        long long span = static_cast<long long>(s->Max) - s->Min + 1;
        s->Page = static_cast<UINT>(std::min<long long>(info.nPage, span));
    }
    if (info.fMask & SIF_POS) s->Pos = info.nPos;
    s->Pos = ClampPos(*s, s->Pos);
    UpdateShown(c, *s, (info.fMask & SIF_DISABLENOSCROLL) != 0);
    if (redraw) c->Invalidate();
    return s->Pos;
}

bool GetScrollInfo(HWND hwnd, int bar, SCROLLINFO& info)
{
    TScrollBarState* s = StateOf(hwnd, bar);
    if (s == nullptr) return false;
    if (info.fMask & SIF_RANGE) {
        info.nMin = s->Min;
        info.nMax = s->Max;
    }
    if (info.fMask & SIF_PAGE) info.nPage = s->Page;
    if (info.fMask & SIF_POS) info.nPos = s->Pos;
    if (info.fMask & SIF_TRACKPOS) info.nTrackPos = s->Tracking ? s->TrackPos : s->Pos;
    return true;
}

int SetScrollPos(HWND hwnd, int bar, int pos, bool redraw)
{
    TScrollBarState* s = StateOf(hwnd, bar);
    if (s == nullptr) return 0;
    int old = s->Pos;
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = pos;
    SetScrollInfo(hwnd, bar, info, redraw);
    return old;
}

int GetScrollPos(HWND hwnd, int bar)
{
    TScrollBarState* s = StateOf(hwnd, bar);
    return s == nullptr ? 0 : s->Pos;
}

bool SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, bool redraw)
{
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    info.nMin = minPos;
    info.nMax = maxPos;
    if (StateOf(hwnd, bar) == nullptr) return false;
    SetScrollInfo(hwnd, bar, info, redraw);
    return true;
}

bool GetScrollRange(HWND hwnd, int bar, int& minPos, int& maxPos)
{
    TScrollBarState* s = StateOf(hwnd, bar);
    if (s == nullptr) return false;
    minPos = s->Min;
    maxPos = s->Max;
    return true;
}

bool ShowScrollBar(HWND hwnd, int bar, bool show)
{
    TWinControl* c = TWinControl::FindControl(hwnd);
    if (c == nullptr) return false;
    bool changed = false;
    for (int b : {SB_HORZ, SB_VERT}) {
        if (bar != b && bar != SB_BOTH) continue;
        TScrollBarState& s = c->ScrollBarState(b);
        if (s.Shown != show) {
            s.Shown = show;
            changed = true;
        }
    }
    if (changed) {
        c->Realign();
        c->Perform(WM_SIZE, SIZE_RESTORED, MAKELPARAM(c->ClientWidth(), c->ClientHeight()));
        c->Invalidate();
    }
    return true;
}

bool EnableScrollBar(HWND hwnd, int bar, bool enable)
{
    TWinControl* c = TWinControl::FindControl(hwnd);
    if (c == nullptr) return false;
    for (int b : {SB_HORZ, SB_VERT}) {
        if (bar == b || bar == SB_BOTH) c->ScrollBarState(b).Enabled = enable;
    }
    c->Invalidate();
    return true;
}

}  // namespace ui
