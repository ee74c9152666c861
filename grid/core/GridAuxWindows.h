// Column-move arrows and the focus window: pop-ups that the grid's top-level window paints as overlays.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "grid/core/GridTypes.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/WindowOverlays.h"

namespace grid {

// A pop-up window of the grid. As on the platform it was made for, its bounds are screen
// coordinates and it is never a child of another control; shaped and layered windows do
// not exist here, so the top-level window of its owner (the grid) paints it over its
// controls as an overlay. It takes no input.
template <class TBase>
class TOverlayPopup : public TBase {
public:
    explicit TOverlayPopup(rtl::TComponent* AOwner) : TBase(AOwner)
    {
        FOverlay.OnPaint = [this](gfx::TCanvas& canvas) { PaintOverlay(canvas); };
        FOverlay.SetScreenBounds(this->BoundsRect());
    }

    void SetVisible(bool value) override
    {
        TBase::SetVisible(value);
        if (value) {
            UpdateHost();
            FOverlay.BringToFront();
        }
        FOverlay.SetVisible(this->Visible());
    }
    void Invalidate() override { FOverlay.Invalidate(); }
    // The overlay that stands for the window (its place on the screen and its host).
    const ui::TWindowOverlay& Overlay() const { return FOverlay; }

protected:
    // Never a window of its own on the screen.
    bool TopLevelMayShow() const override { return false; }
    void BoundsChanged(const rtl::TRect& oldBounds) override
    {
        TBase::BoundsChanged(oldBounds);
        FOverlay.SetScreenBounds(this->BoundsRect());
    }
    // Paints the window with the origin at its top-left corner.
    virtual void PaintOverlay(gfx::TCanvas& canvas) = 0;

private:
    // The host is looked up when the window shows: the grid may get its parent after
    // it created its pop-ups.
    void UpdateHost()
    {
        auto* ownerControl = dynamic_cast<ui::TControl*>(this->Owner());
        ui::TWinControl* top = ownerControl != nullptr ? ownerControl->TopLevelWindow() : nullptr;
        FOverlay.SetHost(top != nullptr ? top->Handle() : 0);
    }

    ui::TWindowOverlay FOverlay;
};

// A small arrow marking where a dragged column or row will be dropped. Only the arrow's
// outline (its window region) is ever visible, filled with the window colour.
class TArrowWindow : public TOverlayPopup<ui::TPanel> {
public:
    using TArrowPoints = std::array<rtl::TPoint, 7>;

    explicit TArrowWindow(rtl::TComponent* AOwner, TArrowDirection direction = arrUp);
    std::string ClassName() const override { return "TArrowWindow"; }

    TArrowDirection Dir() const { return FDir; }
    // The seven points of the outline, from the window's top-left corner.
    const TArrowPoints& Arrow() const { return FArrow; }
    // The outline of an arrow of a direction.
    static TArrowPoints ArrowOutline(TArrowDirection direction);
    // Moves the arrow's top-left corner to the screen point (X, Y) and shows or hides it.
    void PlaceAt(int X, int Y, bool Show = true)
    {
        SetBounds(X, Y, Width(), Height());
        SetVisible(Show);
    }

protected:
    void PaintOverlay(gfx::TCanvas& canvas) override;

private:
    TArrowDirection FDir;
    TArrowPoints FArrow;
};

// The window that shows a soft glow around the cell being edited. It never takes the focus.
// Until it gets layered content it shows as a plain rectangle in its colour.
class TGridFocusWindow : public TOverlayPopup<ui::TCustomControl> {
public:
    explicit TGridFocusWindow(rtl::TComponent* AOwner);
    ~TGridFocusWindow() override;
    std::string ClassName() const override { return "TGridFocusWindow"; }

    // Layered content: a picture with premultiplied per-pixel alpha, drawn at the window's
    // top-left corner with a constant alpha over it; the window takes the picture's size.
    void SetLayeredContent(const gfx::TBitmap& picture, std::uint8_t constantAlpha);
    bool HasLayeredContent() const { return FContent != nullptr; }
    std::uint8_t ConstantAlpha() const { return FConstantAlpha; }

    // The window region (window coordinates): only its pixels are seen.
    void SetWindowRegion(const gfx::TRegion& region);
    // Back to the whole window.
    void ClearWindowRegion();
    bool HasWindowRegion() const { return FHasRegion; }
    const gfx::TRegion& WindowRegion() const { return FRegion; }

protected:
    void PaintOverlay(gfx::TCanvas& canvas) override;

private:
    std::unique_ptr<gfx::TBitmap> FContent;
    std::uint8_t FConstantAlpha = 255;
    gfx::TRegion FRegion;
    bool FHasRegion = false;
};

}  // namespace grid
