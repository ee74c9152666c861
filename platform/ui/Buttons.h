// The speed button: a flat or raised tool button with a glyph and caption, optionally staying down.
#pragma once

#include <memory>

#include "platform/gfx/Bitmap.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace ui {

// A button without a window: it never takes the focus. Buttons of one parent sharing a
// GroupIndex above 0 stay down one at a time; AllowAllUp lets the down one come up again.
class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(rtl::TComponent* AOwner);
    ~TSpeedButton() override;
    std::string ClassName() const override { return "TSpeedButton"; }
    gfx::TBitmap& Glyph() { return *FGlyph; }
    void SetGlyph(const gfx::TBitmap& value) { FGlyph->Assign(&value); Invalidate(); }
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value) { FNumGlyphs = value < 1 ? 1 : value; Invalidate(); }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value) { FFlat = value; Invalidate(); }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    bool Down() const { return FDown; }
    void SetDown(bool value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value) { FAllowAllUp = value; }
    // Shown pressed: the left button went down on it and the mouse is over it.
    bool Pressed() const { return FPressed; }
    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Dispatch(TMessage& Message) override;

private:
    std::unique_ptr<gfx::TBitmap> FGlyph;
    int FNumGlyphs = 1;
    bool FFlat = false;
    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FPressed = false;
    bool FMouseDown = false;
};

}  // namespace ui
