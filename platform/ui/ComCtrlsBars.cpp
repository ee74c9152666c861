// The status bar with its panels and the track bar: painting, keys and mouse.
#include <algorithm>

#include "platform/gfx/FrameControls.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/ExtCtrls.h"

namespace ui {

// ===== TStatusPanel / TStatusPanels

void TStatusPanel::SetText(const std::string& value)
{
    if (FText == value) return;
    FText = value;
    FOwner->Invalidate();
}

void TStatusPanel::SetWidth(int value)
{
    FWidth = value;
    FOwner->Invalidate();
}

void TStatusPanel::SetAlignment(TAlignment value)
{
    FAlignment = value;
    FOwner->Invalidate();
}

void TStatusPanel::SetBevel(TStatusPanelBevel value)
{
    FBevel = value;
    FOwner->Invalidate();
}

TStatusPanel& TStatusPanels::Items(int index)
{
    if (index < 0 || index >= Count()) rtl::RaiseListIndexError(index);
    return *FItems[index];
}

TStatusPanel& TStatusPanels::Add()
{
    FItems.push_back(std::make_unique<TStatusPanel>(FOwner));
    FOwner->Invalidate();
    return *FItems.back();
}

void TStatusPanels::Delete(int index)
{
    if (index < 0 || index >= Count()) rtl::RaiseListIndexError(index);
    FItems.erase(FItems.begin() + index);
    FOwner->Invalidate();
}

void TStatusPanels::Clear()
{
    FItems.clear();
    FOwner->Invalidate();
}

// ===== TStatusBar

TStatusBar::TStatusBar(rtl::TComponent* AOwner) : TCustomControl(AOwner), FPanels(this)
{
    SetBounds(0, 0, 200, 19);
    FColor = gfx::clBtnFace;
    FControlStyle |= csOpaque;
    SetAlign(alBottom);
}

void TStatusBar::SetSimplePanel(bool value)
{
    FSimplePanel = value;
    Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& value)
{
    FSimpleText = value;
    Invalidate();
}

void TStatusBar::SetSizeGrip(bool value)
{
    FSizeGrip = value;
    Invalidate();
}

rtl::TRect TStatusBar::PanelRect(int index) const
{
    int x = 0;
    int count = const_cast<TStatusPanels&>(FPanels).Count();
    for (int i = 0; i < count; ++i) {
        int w = const_cast<TStatusPanels&>(FPanels).Items(i).Width();
        // The last panel reaches the right edge.
        int right = i == count - 1 ? std::max(x + w, ClientWidth()) : x + w;
        if (i == index) return rtl::Rect(x, 2, right, ClientHeight());
        x += w + 2;
    }
    return rtl::Rect(0, 0, 0, 0);
}

void TStatusBar::Paint()
{
    gfx::TCanvas& c = Canvas();
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(ClientRect());
    c.Font().Assign(&Font());
    auto drawPanel = [&](rtl::TRect r, const std::string& text, TAlignment align, TStatusPanelBevel bevel) {
        if (bevel != pbNone) DrawBevel(c, r, bevel == pbLowered ? bvLowered : bvRaised, 1);
        r.Left += 2;
        r.Right -= 2;
        unsigned flags = gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_END_ELLIPSIS | gfx::DT_NOPREFIX;
        flags |= align == taCenter ? gfx::DT_CENTER : align == taRightJustify ? gfx::DT_RIGHT : gfx::DT_LEFT;
        DrawControlText(c, text, r, flags, Enabled(), Font().Color());
    };
    if (FSimplePanel) {
        drawPanel(rtl::Rect(0, 2, ClientWidth(), ClientHeight()), FSimpleText, taLeftJustify, pbLowered);
    } else {
        for (int i = 0; i < FPanels.Count(); ++i) {
            TStatusPanel& p = FPanels.Items(i);
            drawPanel(PanelRect(i), p.Text(), p.Alignment(), p.Bevel());
        }
    }
    if (FSizeGrip) {
        // Diagonal grip lines in the lower right corner.
        int w = ClientWidth();
        int h = ClientHeight();
        c.Pen().SetStyle(gfx::psSolid);
        for (int k = 0; k < 3; ++k) {
            int d = 4 + k * 4;
            c.Pen().SetColor(gfx::clBtnHighlight);
            c.MoveTo(w - d - 1, h - 1);
            c.LineTo(w, h - d - 2);
            c.Pen().SetColor(gfx::clBtnShadow);
            c.MoveTo(w - d, h - 1);
            c.LineTo(w, h - d - 1);
            c.MoveTo(w - d + 1, h - 1);
            c.LineTo(w, h - d);
        }
    }
}

// ===== TTrackBar

TTrackBar::TTrackBar(rtl::TComponent* AOwner) : TArrowKeyControl(AOwner)
{
    SetBounds(0, 0, 150, 45);
    FColor = gfx::clBtnFace;
    FTabStop = true;
    FControlStyle |= csOpaque;
    FControlStyle &= ~static_cast<unsigned>(csDoubleClicks);
}

void TTrackBar::SetMin(int value)
{
    FMin = value;
    if (FMax < FMin) FMax = FMin;
    SetPosition(FPosition);
    Invalidate();
}

void TTrackBar::SetMax(int value)
{
    FMax = value;
    if (FMin > FMax) FMin = FMax;
    SetPosition(FPosition);
    Invalidate();
}

void TTrackBar::SetPosition(int value)
{
    if (!HasState(rtl::csLoading)) value = std::clamp(value, FMin, FMax);
    if (value == FPosition) return;
    FPosition = value;
    Invalidate();
    if (OnChange && !HasState(rtl::csLoading)) OnChange(this);
}

void TTrackBar::SetFrequency(int value)
{
    FFrequency = std::max(1, value);
    Invalidate();
}

void TTrackBar::SetOrientation(TTrackBarOrientation value)
{
    if (FOrientation == value) return;
    FOrientation = value;
    if (!HasState(rtl::csLoading)) SetBounds(FLeft, FTop, FHeight, FWidth);
    Invalidate();
}

void TTrackBar::SetTickStyle(TTickStyle value)
{
    FTickStyle = value;
    Invalidate();
}

void TTrackBar::SetTickMarks(TTickMark value)
{
    FTickMarks = value;
    Invalidate();
}

rtl::TRect TTrackBar::ChannelRect() const
{
    if (FOrientation == trHorizontal) return rtl::Rect(8, 8, std::max(9, FWidth - 8), 12);
    return rtl::Rect(8, 8, 12, std::max(9, FHeight - 8));
}

int TTrackBar::PixelOf(int position) const
{
    rtl::TRect ch = ChannelRect();
    int from = (FOrientation == trHorizontal ? ch.Left : ch.Top) + 5;
    int to = (FOrientation == trHorizontal ? ch.Right : ch.Bottom) - 6;
    if (FMax == FMin) return from;
    return from + static_cast<int>(static_cast<long long>(to - from) * (position - FMin) / (FMax - FMin));
}

int TTrackBar::PositionAt(int pixel) const
{
    rtl::TRect ch = ChannelRect();
    int from = (FOrientation == trHorizontal ? ch.Left : ch.Top) + 5;
    int to = (FOrientation == trHorizontal ? ch.Right : ch.Bottom) - 6;
    if (to <= from) return FMin;
    long long span = FMax - FMin;
    long long offset = pixel - from;
    int pos = FMin + static_cast<int>((offset * span + (to - from) / 2) / (to - from));
    return std::clamp(pos, FMin, FMax);
}

rtl::TRect TTrackBar::ThumbRect() const
{
    int p = PixelOf(FPosition);
    if (FOrientation == trHorizontal) return rtl::Rect(p - 5, 2, p + 6, 22);
    return rtl::Rect(2, p - 5, 22, p + 6);
}

void TTrackBar::UserSetPosition(int value)
{
    SetPosition(value);
}

void TTrackBar::Paint()
{
    gfx::TCanvas& c = Canvas();
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(ClientRect());
    rtl::TRect ch = ChannelRect();
    gfx::DrawEdge(c, ch, gfx::EDGE_SUNKEN, gfx::BF_RECT);
    if (FTickStyle == tsAuto) {
        c.Pen().SetStyle(gfx::psSolid);
        c.Pen().SetColor(gfx::clWindowText);
        for (int v = FMin; v <= FMax; v += FFrequency) {
            int p = PixelOf(v);
            if (FOrientation == trHorizontal) {
                c.MoveTo(p, 26);
                c.LineTo(p, v == FMin || v == FMax ? 30 : 28);
            } else {
                c.MoveTo(26, p);
                c.LineTo(v == FMin || v == FMax ? 30 : 28, p);
            }
            if (FMax - FMin > 2000) break;
        }
    }
    rtl::TRect thumb = ThumbRect();
    gfx::DrawFrameControl(c, thumb, gfx::DFC_BUTTON, gfx::DFCS_BUTTONPUSH | (Enabled() ? 0u : gfx::DFCS_INACTIVE));
    if (Focused()) {
        rtl::TRect focus = ClientRect();
        c.DrawFocusRect(focus);
    }
}

void TTrackBar::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_LEFT:
    case VK_UP: UserSetPosition(FPosition - FLineSize); break;
    case VK_RIGHT:
    case VK_DOWN: UserSetPosition(FPosition + FLineSize); break;
    case VK_PRIOR: UserSetPosition(FPosition - FPageSize); break;
    case VK_NEXT: UserSetPosition(FPosition + FPageSize); break;
    case VK_HOME: UserSetPosition(FMin); break;
    case VK_END: UserSetPosition(FMax); break;
    default: break;
    }
}

void TTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    if (CanFocus() && !Focused()) SetFocus();
    rtl::TRect thumb = ThumbRect();
    int along = FOrientation == trHorizontal ? X : Y;
    if (rtl::PtInRect(thumb, {X, Y})) {
        FDragging = true;
        FGrab = along - PixelOf(FPosition);
        return;
    }
    int thumbAt = PixelOf(FPosition);
    UserSetPosition(FPosition + (along < thumbAt ? -FPageSize : FPageSize));
}

void TTrackBar::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FDragging) UserSetPosition(PositionAt((FOrientation == trHorizontal ? X : Y) - FGrab));
    TCustomControl::MouseMove(Shift, X, Y);
}

void TTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) FDragging = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

}  // namespace ui
