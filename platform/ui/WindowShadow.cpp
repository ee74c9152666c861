// A drop shadow cast by a top-level window onto the window below it.
#include "platform/ui/WindowShadow.h"

#include <cstdint>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Controls.h"

namespace ui {

namespace {

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

void TWindowShadow::Update(const rtl::TRect& casterBounds, TWinControl* host, bool show)
{
    if (!show || host == nullptr) {
        Hide();
        return;
    }
    if (FOverlay == nullptr) {
        FOverlay = std::make_unique<TWindowOverlay>();
        FOverlay->OnPaint = [this](gfx::TCanvas& canvas) {
            const int w = FSize.cx;
            const int h = FSize.cy;
            Darken(canvas, rtl::Rect(w - Offset, 0, w, h));
            Darken(canvas, rtl::Rect(0, h - Offset, w - Offset, h));
        };
    }
    FSize = {casterBounds.Width(), casterBounds.Height()};
    rtl::TRect bounds = casterBounds;
    rtl::OffsetRect(bounds, Offset, Offset);
    FOverlay->SetHost(host->Handle());
    FOverlay->SetScreenBounds(bounds);
    FOverlay->BringToFront();
    FOverlay->SetVisible(true);
    FOverlay->Invalidate();
}

void TWindowShadow::Hide()
{
    if (FOverlay != nullptr) FOverlay->SetVisible(false);
}

}  // namespace ui
