// The stand-alone scroll bar control: arrows, track and thumb, keyboard and mouse scrolling.
#include <algorithm>

#include "platform/gfx/FrameControls.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace ui {

TScrollBar::TScrollBar(rtl::TComponent* AOwner) : TArrowKeyControl(AOwner)
{
    SetBounds(0, 0, 121, 17);
    FColor = gfx::clBtnFace;
    FTabStop = true;
    FControlStyle |= csOpaque;
    FControlStyle &= ~static_cast<unsigned>(csDoubleClicks);
}

void TScrollBar::SetKind(TScrollBarKind value)
{
    if (FKind == value) return;
    FKind = value;
    if (!HasState(rtl::csLoading)) SetBounds(FLeft, FTop, FHeight, FWidth);
    Invalidate();
}

void TScrollBar::SetParams(int position, int min, int max)
{
    if (max < min) max = min;
    int limit = FPageSize > 0 ? std::max(min, max - FPageSize + 1) : max;
    position = std::clamp(position, min, limit);
    bool changed = position != FPosition;
    FMin = min;
    FMax = max;
    FPosition = position;
    Invalidate();
    if (changed && OnChange && !HasState(rtl::csLoading)) OnChange(this);
}

void TScrollBar::SetPageSize(int value)
{
    FPageSize = std::max(0, value);
    SetParams(FPosition, FMin, FMax);
}

TScrollBar::TParts TScrollBar::Parts() const
{
    TParts p;
    bool vert = FKind == sbVertical;
    int length = vert ? FHeight : FWidth;
    int thick = vert ? FWidth : FHeight;
    int arrow = std::min(thick, length / 2);
    int trackLen = std::max(0, length - 2 * arrow);
    int range = FMax - FMin + 1;
    int page = FPageSize > 0 ? FPageSize : std::max(1, range / 10);
    int thumbLen = range > 0 ? std::max(8, trackLen * std::min(page, range) / std::max(range, 1)) : trackLen;
    thumbLen = std::min(thumbLen, trackLen);
    int span = FMax - FMin - (FPageSize > 0 ? FPageSize - 1 : 0);
    int thumbPos = span > 0 ? (trackLen - thumbLen) * (FPosition - FMin) / span : 0;
    auto make = [&](int from, int len) { return vert ? rtl::Bounds(0, from, thick, len) : rtl::Bounds(from, 0, len, thick); };
    p.First = make(0, arrow);
    p.Last = make(length - arrow, arrow);
    p.Track = make(arrow, trackLen);
    p.Thumb = Enabled() && FMax > FMin ? make(arrow + thumbPos, thumbLen) : rtl::TRect{};
    return p;
}

int TScrollBar::PosFromPixel(int pixel) const
{
    TParts p = Parts();
    bool vert = FKind == sbVertical;
    int trackLen = vert ? p.Track.Height() : p.Track.Width();
    int thumbLen = vert ? p.Thumb.Height() : p.Thumb.Width();
    int span = FMax - FMin - (FPageSize > 0 ? FPageSize - 1 : 0);
    if (trackLen <= thumbLen) return FMin;
    return FMin + (pixel - (vert ? p.Track.Top : p.Track.Left)) * span / (trackLen - thumbLen);
}

void TScrollBar::Scroll(TScrollCode code, int pos)
{
    int value = FPosition;
    switch (code) {
    case scLineUp: value -= FSmallChange; break;
    case scLineDown: value += FSmallChange; break;
    case scPageUp: value -= FLargeChange; break;
    case scPageDown: value += FLargeChange; break;
    case scTop: value = FMin; break;
    case scBottom: value = FMax; break;
    case scTrack:
    case scPosition: value = pos; break;
    default: break;
    }
    value = std::clamp(value, FMin, FMax);
    if (OnScroll) OnScroll(this, code, value);
    SetPosition(value);
}

void TScrollBar::Paint()
{
    gfx::TCanvas& c = Canvas();
    TParts p = Parts();
    bool vert = FKind == sbVertical;
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(gfx::clScrollBar);
    c.FillRect(ClientRect());
    unsigned inactive = Enabled() && FMax > FMin ? 0 : gfx::DFCS_INACTIVE;
    rtl::TRect first = p.First;
    rtl::TRect last = p.Last;
    gfx::DrawFrameControl(c, first, gfx::DFC_SCROLL, (vert ? gfx::DFCS_SCROLLUP : gfx::DFCS_SCROLLLEFT) | inactive);
    gfx::DrawFrameControl(c, last, gfx::DFC_SCROLL, (vert ? gfx::DFCS_SCROLLDOWN : gfx::DFCS_SCROLLRIGHT) | inactive);
    if (!rtl::IsRectEmpty(p.Thumb)) {
        rtl::TRect thumb = p.Thumb;
        gfx::DrawFrameControl(c, thumb, gfx::DFC_BUTTON, gfx::DFCS_BUTTONPUSH);
        if (Focused()) {
            rtl::TRect focus = p.Thumb;
            rtl::InflateRect(focus, -3, -3);
            c.DrawFocusRect(focus);
        }
    }
}

void TArrowKeyControl::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
        TCustomControl::WndProc(Message);
        Invalidate();
        return;
    default:
        break;
    }
    TCustomControl::WndProc(Message);
}

void TScrollBar::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_LEFT:
    case VK_UP: Scroll(scLineUp, 0); break;
    case VK_RIGHT:
    case VK_DOWN: Scroll(scLineDown, 0); break;
    case VK_PRIOR: Scroll(scPageUp, 0); break;
    case VK_NEXT: Scroll(scPageDown, 0); break;
    case VK_HOME: Scroll(scTop, 0); break;
    case VK_END: Scroll(scBottom, 0); break;
    default: return;
    }
    Scroll(scEndScroll, 0);
}

void TScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (CanFocus() && !Focused()) SetFocus();
    TParts p = Parts();
    rtl::TPoint pt{X, Y};
    bool vert = FKind == sbVertical;
    if (rtl::PtInRect(p.First, pt)) Scroll(scLineUp, 0);
    else if (rtl::PtInRect(p.Last, pt)) Scroll(scLineDown, 0);
    else if (rtl::PtInRect(p.Thumb, pt)) {
        FDragging = true;
        FGrab = vert ? Y - p.Thumb.Top : X - p.Thumb.Left;
    } else if (rtl::PtInRect(p.Track, pt)) {
        bool before = vert ? Y < p.Thumb.Top : X < p.Thumb.Left;
        Scroll(before ? scPageUp : scPageDown, 0);
    }
}

void TScrollBar::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FDragging) Scroll(scTrack, PosFromPixel((FKind == sbVertical ? Y : X) - FGrab));
    TCustomControl::MouseMove(Shift, X, Y);
}

void TScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (FDragging && Button == mbLeft) {
        FDragging = false;
        Scroll(scPosition, FPosition);
    }
    if (Button == mbLeft) Scroll(scEndScroll, 0);
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

}  // namespace ui
