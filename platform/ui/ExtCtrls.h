// Panels and images: TPanel with bevels and caption, TImage showing a picture.
#pragma once

#include <memory>

#include "platform/gfx/Picture.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace ui {

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TBorderStyle { bsNoneBorder, bsSingleBorder };

// A container with raised or lowered bevels and a centred caption.
class TPanel : public TCustomControl {
public:
    explicit TPanel(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TPanel"; }
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout VerticalAlignment() const { return FLayout; }
    void SetVerticalAlignment(TTextLayout value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);
    // The client area without the bevels and border: where aligned children go.
    void AlignControls(TControl* AControl, rtl::TRect& Rect) override;

protected:
    void Paint() override;
    void WndProc(TMessage& Message) override;
    int BevelSize() const;

private:
    TBevelCut FBevelOuter = bvRaised;
    TBevelCut FBevelInner = bvNone;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TBorderStyle FBorderStyle = bsNoneBorder;
    TAlignment FAlignment = taCenter;
    TTextLayout FLayout = tlCenter;
    bool FShowCaption = true;
};

// A picture on the form: drawn at its size, centred, or stretched (keeping its
// proportions when asked); clicks and hints come from the control layer.
class TImage : public TGraphicControl {
public:
    explicit TImage(rtl::TComponent* AOwner);
    ~TImage() override;
    std::string ClassName() const override { return "TImage"; }
    gfx::TPicture& Picture() { return *FPicture; }
    void SetPicture(const gfx::TPicture& value) { FPicture->Assign(&value); }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Proportional() const { return FProportional; }
    void SetProportional(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    // Where the picture is drawn, in client coordinates.
    rtl::TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged();
    std::unique_ptr<gfx::TPicture> FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FProportional = false;
    bool FTransparent = false;
    bool FAutoSize = false;
    bool FInChange = false;
};

// Draws a bevel (raised or lowered edge of the given width) and shrinks the rectangle by it.
void DrawBevel(gfx::TCanvas& canvas, rtl::TRect& rect, TBevelCut cut, int width);

}  // namespace ui
