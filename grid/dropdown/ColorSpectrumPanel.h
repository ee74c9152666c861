// The colour spectrum: a 128 x 128 spectrum picture with swatches of the colour under the
// pointer and of the selected colour.
#pragma once

#include <string>

#include "grid/dropdown/ColorSelectorPanel.h"
#include "platform/gfx/Color.h"

namespace ui {
class TImage;
}

namespace grid {

class TExtColorSpectrumPanel : public TExtCustomColorSelectorPanel {
public:
    explicit TExtColorSpectrumPanel(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TExtColorSpectrumPanel"; }

    gfx::TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(gfx::TColor value) { FSelectedColor = value; }
    gfx::TColor HotColor() const { return FHotColor; }
    // Sizes the panel, places the picture and the two swatches and clears the hot colour.
    void UpdateLayout();
    ui::TImage* SpectrumImage() const { return FSpectrumImage; }
    const rtl::TRect& HotRect() const { return FHotRect; }
    const rtl::TRect& SelectedRect() const { return FSelectedRect; }

    ui::TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;

private:
    void DrawSwatch(gfx::TCanvas& canvas, const rtl::TRect& r, gfx::TColor color);
    void ImageMouseMove(int x, int y);
    void ImageMouseDown();

    ui::TImage* FSpectrumImage = nullptr;
    gfx::TColor FHotColor = gfx::clNone;
    gfx::TColor FSelectedColor = 0xFFFFFF;
    rtl::TRect FHotRect{};
    rtl::TRect FSelectedRect{};
};

}  // namespace grid
