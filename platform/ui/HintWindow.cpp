// Hints: the hint window and the application's timing of when it shows and hides.
#include <algorithm>

#include "platform/ui/Clock.h"
#include "platform/ui/Forms.h"

namespace ui {

std::string GetShortHint(const std::string& hint)
{
    auto bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string GetLongHint(const std::string& hint)
{
    auto bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

THintWindow::THintWindow(rtl::TComponent* AOwner) : TCustomControl(AOwner)
{
    FVisible = false;
    FColor = gfx::clInfoBk;
    FBorderThickness = 1;
    Font().SetColor(gfx::clInfoText);
}

rtl::TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint)
{
    gfx::TCanvas measure;
    measure.Font().Assign(&Font());
    rtl::TRect r = rtl::Rect(0, 0, maxWidth, 0);
    measure.DrawText(hint, r, gfx::DT_CALCRECT | gfx::DT_LEFT | gfx::DT_WORDBREAK | gfx::DT_NOPREFIX);
    r.Right += 6;
    r.Bottom += 2;
    return r;
}

void THintWindow::ActivateHint(const rtl::TRect& rect, const std::string& hint)
{
    SetCaption(hint);
    SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
    Show();
    Invalidate();
}

void THintWindow::Paint()
{
    rtl::TRect r = ClientRect();
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(r);
    r.Left += 2;
    r.Top += 1;
    Canvas().Font().SetColor(gfx::clInfoText);
    Canvas().Brush().SetStyle(gfx::bsClear);
    Canvas().DrawText(Caption(), r, gfx::DT_LEFT | gfx::DT_WORDBREAK | gfx::DT_NOPREFIX);
}

void TApplication::HintMouseMove(TControl* control, const rtl::TPoint& screenPos)
{
    FHintPos = screenPos;
    if (control == FHintControl) return;
    bool wasShown = FHintWindow != nullptr && FHintWindow->Visible();
    CancelHint();
    FHintControl = control;
    FHint = control != nullptr ? GetLongHint(control->Hint()) : std::string();
    if (OnHint) OnHint(this);
    if (!FShowHint || control == nullptr || !control->ShowHint() || control->Hint().empty()) return;
    // Moving from one hint to the next shows the next one almost at once.
    FHintShowAt = GetTickCount64() + (wasShown ? 50 : FHintPause);
}

void TApplication::CancelHint()
{
    FHintShowAt = -1;
    FHintHideAt = -1;
    if (FHintWindow != nullptr && FHintWindow->Visible()) FHintWindow->Hide();
}

bool TApplication::HintTick()
{
    std::int64_t now = GetTickCount64();
    if (FHintShowAt >= 0 && now >= FHintShowAt) {
        FHintShowAt = -1;
        if (FHintControl == nullptr) return false;
        if (FHintWindow == nullptr) FHintWindow = new THintWindow(this);
        std::string text = GetShortHint(FHintControl->Hint());
        rtl::TRect r = FHintWindow->CalcHintRect(300, text);
        rtl::OffsetRect(r, FHintPos.X, FHintPos.Y + 20);
        FHintWindow->ActivateHint(r, text);
        FHintHideAt = now + FHintHidePause;
        return true;
    }
    if (FHintHideAt >= 0 && now >= FHintHideAt) {
        FHintHideAt = -1;
        if (FHintWindow != nullptr) FHintWindow->Hide();
        return true;
    }
    return false;
}

}  // namespace ui
