// The hint window's drop shadow: a darkened band along its right and bottom edges, painted by the window below it.
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Forms.h"
#include "platform/ui/WindowOverlays.h"

namespace ui {

namespace {

constexpr int ShadowOffset = 4;
constexpr std::uint8_t ShadowAlpha = 72;

// Darkens a rectangle of the canvas by blending black over it.
void Darken(gfx::TCanvas& canvas, const rtl::TRect& r)
{
    if (rtl::IsRectEmpty(r)) return;
    gfx::TBitmap black;
    black.SetSize(r.Width(), r.Height());
    black.Canvas().Brush().SetColor(gfx::clBlack);
    black.Canvas().FillRect(rtl::Rect(0, 0, r.Width(), r.Height()));
    canvas.AlphaBlend(r, black.Canvas(), rtl::Rect(0, 0, r.Width(), r.Height()), ShadowAlpha, false);
}

}  // namespace

THintWindow::~THintWindow() = default;

void THintWindow::SetDropShadow(bool value)
{
    if (FDropShadow == value) return;
    FDropShadow = value;
    UpdateShadow();
}

void THintWindow::WndProc(TMessage& Message)
{
    TCustomControl::WndProc(Message);
    if (Message.Msg == CM_VISIBLECHANGED) UpdateShadow();
}

void THintWindow::BoundsChanged(const rtl::TRect& oldBounds)
{
    TCustomControl::BoundsChanged(oldBounds);
    UpdateShadow();
}

// The shadow is the window's rectangle moved down and right; the window hides all of it
// but the band along its right and bottom edges, which the window below darkens. It lies
// on the window of the control whose hint shows.
void THintWindow::UpdateShadow()
{
    TApplication* app = Application();
    TControl* owner = app != nullptr ? app->HintControl() : nullptr;
    TWinControl* host = owner != nullptr ? owner->TopLevelWindow() : nullptr;
    if (!FDropShadow || !Visible() || host == nullptr) {
        if (FShadow != nullptr) FShadow->SetVisible(false);
        return;
    }
    if (FShadow == nullptr) {
        FShadow = std::make_unique<TWindowOverlay>();
        FShadow->OnPaint = [this](gfx::TCanvas& canvas) {
            const int w = Width();
            const int h = Height();
            Darken(canvas, rtl::Rect(w - ShadowOffset, 0, w, h));
            Darken(canvas, rtl::Rect(0, h - ShadowOffset, w - ShadowOffset, h));
        };
    }
    rtl::TRect bounds = BoundsRect();
    rtl::OffsetRect(bounds, ShadowOffset, ShadowOffset);
    FShadow->SetHost(host->Handle());
    FShadow->SetScreenBounds(bounds);
    FShadow->BringToFront();
    FShadow->SetVisible(true);
    FShadow->Invalidate();
}

}  // namespace ui
