// Hints: the hint window and the application's timing of when it shows and hides.
#include <algorithm>

#include "platform/ui/Clock.h"
#include "platform/ui/Forms.h"
#include "platform/ui/WindowOverlays.h"

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

THintWindow* NewPlainHintWindow(rtl::TComponent* AOwner)
{
    return new THintWindow(AOwner);
}

rtl::TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint, void* /*data*/)
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

void THintWindow::ActivateHintData(const rtl::TRect& rect, const std::string& hint, void* /*data*/)
{
    ActivateHint(rect, hint);
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

// A control asks for its hint when it shows ShowHint, even with an empty Hint: its answer to
// CM_HINTSHOW may supply the text (a grid's cell hints). Within the same control, leaving
// the area its answer named (CursorRect) starts the next hint afresh.
void TApplication::HintMouseMove(TControl* control, const rtl::TPoint& screenPos)
{
    FHintPos = screenPos;
    if (control == FHintControl && control != nullptr) {
        if (!FHintCursorRectSet || rtl::PtInRect(FHintCursorRect, control->ScreenToClient(screenPos))) return;
    } else if (control == FHintControl) {
        return;
    }
    bool wasShown = FHintWindow != nullptr && FHintWindow->Visible();
    CancelHint();
    FHintControl = control;
    FHintCursorRectSet = false;
    FHint = control != nullptr ? GetLongHint(control->Hint()) : std::string();
    if (OnHint) OnHint(this);
    if (!FShowHint || control == nullptr || !control->ShowHint()) return;
    // Moving from one hint to the next shows the next one almost at once.
    FHintShowAt = GetTickCount64() + (wasShown ? 50 : FHintPause);
}

void TApplication::CancelHint()
{
    FHintShowAt = -1;
    FHintHideAt = -1;
    if (FHintWindow != nullptr && FHintWindow->Visible()) FHintWindow->Hide();
}

// The window of the asked class, made anew when the class differs from the last one's.
THintWindow& TApplication::HintWindowOf(THintWindowClass windowClass)
{
    if (windowClass == nullptr) windowClass = FHintWindowClass;
    if (FHintWindow != nullptr && FHintWindowMadeBy != windowClass) {
        THintWindow* old = FHintWindow;
        FHintWindow = nullptr;
        old->Hide();
        delete old;
    }
    if (FHintWindow == nullptr) {
        FHintWindow = windowClass(this);
        FHintWindowMadeBy = windowClass;
    }
    return *FHintWindow;
}

// Fills the hint record, lets the control answer CM_HINTSHOW and shows what it settled on.
void TApplication::ShowHintNow()
{
    THintInfo info;
    info.HintControl = FHintControl;
    info.HintWindowClass = FHintWindowClass;
    info.HintPos = {FHintPos.X, FHintPos.Y + 20};
    info.HintMaxWidth = 300;
    info.HintColor = FHintColor;
    info.CursorRect = FHintControl->ClientRect();
    info.CursorPos = FHintControl->ScreenToClient(FHintPos);
    info.HintStr = GetShortHint(FHintControl->Hint());
    const bool refused = FHintControl->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
    FHintCursorRect = info.CursorRect;
    FHintCursorRectSet = true;
    if (refused || info.HintStr.empty()) return;
    THintWindow& window = HintWindowOf(info.HintWindowClass);
    window.SetColor(info.HintColor);
    rtl::TRect r = window.CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
    rtl::OffsetRect(r, info.HintPos.X, info.HintPos.Y);
    window.ActivateHintData(r, info.HintStr, info.HintData);
    FHintHideAt = GetTickCount64() + FHintHidePause;
}

bool TApplication::HintTick()
{
    std::int64_t now = GetTickCount64();
    if (FHintShowAt >= 0 && now >= FHintShowAt) {
        FHintShowAt = -1;
        if (FHintControl == nullptr) return false;
        ShowHintNow();
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
