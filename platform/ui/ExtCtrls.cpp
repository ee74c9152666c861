// Panels with bevels and captions; images with picture, stretch, centring and proportions.
#include "platform/ui/ExtCtrls.h"

#include <algorithm>

#include "platform/gfx/Graphic.h"

namespace ui {

void DrawBevel(gfx::TCanvas& canvas, rtl::TRect& rect, TBevelCut cut, int width)
{
    if (cut == bvNone) return;
    if (cut == bvSpace) {
        rtl::InflateRect(rect, -width, -width);
        return;
    }
    gfx::TColor topLeft = cut == bvRaised ? gfx::clBtnHighlight : gfx::clBtnShadow;
    gfx::TColor bottomRight = cut == bvRaised ? gfx::clBtnShadow : gfx::clBtnHighlight;
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);
    // A bevel wider than the rectangle fills it: the rings stop once nothing
    // is left, and the rest of the width is taken at once.
    int i = 0;
    for (; i < width && rect.Left < rect.Right && rect.Top < rect.Bottom; ++i) {
        canvas.Pen().SetColor(topLeft);
        canvas.MoveTo(rect.Left, rect.Bottom - 1);
        canvas.LineTo(rect.Left, rect.Top);
        canvas.LineTo(rect.Right - 1, rect.Top);
        canvas.Pen().SetColor(bottomRight);
        canvas.LineTo(rect.Right - 1, rect.Bottom - 1);
        canvas.LineTo(rect.Left - 1, rect.Bottom - 1);
        rtl::InflateRect(rect, -1, -1);
    }
    if (i < width) rtl::InflateRect(rect, -(width - i), -(width - i));
}

// ===== TPanel

// Bevel and border widths are kept within a size no screen reaches, so the
// frame's sum stays far from the integer range.
constexpr int MaxFrameWidth = 0x7FFF;

TPanel::TPanel(rtl::TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 185, 41);
    FColor = gfx::clBtnFace;
    FControlStyle |= csAcceptsControls | csOpaque;
}

int TPanel::BevelSize() const
{
    int size = FBorderWidth + (FBorderStyle == bsSingleBorder ? 1 : 0);
    if (FBevelOuter != bvNone) size += FBevelWidth;
    if (FBevelInner != bvNone) size += FBevelWidth;
    return size;
}

void TPanel::AlignControls(TControl* AControl, rtl::TRect& Rect)
{
    int b = BevelSize();
    rtl::InflateRect(Rect, -b, -b);
    TCustomControl::AlignControls(AControl, Rect);
}

void TPanel::SetBevelOuter(TBevelCut value)
{
    FBevelOuter = value;
    Realign();
    Invalidate();
}

void TPanel::SetBevelInner(TBevelCut value)
{
    FBevelInner = value;
    Realign();
    Invalidate();
}

void TPanel::SetBevelWidth(int value)
{
    FBevelWidth = std::clamp(value, 1, MaxFrameWidth);
    Realign();
    Invalidate();
}

void TPanel::SetBorderWidth(int value)
{
    FBorderWidth = std::clamp(value, 0, MaxFrameWidth);
    Realign();
    Invalidate();
}

void TPanel::SetBorderStyle(TBorderStyle value)
{
    FBorderStyle = value;
    Realign();
    Invalidate();
}

void TPanel::SetAlignment(TAlignment value)
{
    FAlignment = value;
    Invalidate();
}

void TPanel::SetVerticalAlignment(TTextLayout value)
{
    FLayout = value;
    Invalidate();
}

void TPanel::SetShowCaption(bool value)
{
    FShowCaption = value;
    Invalidate();
}

void TPanel::Paint()
{
    gfx::TCanvas& c = Canvas();
    rtl::TRect r = ClientRect();
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(r);
    if (FBorderStyle == bsSingleBorder) {
        c.Brush().SetColor(gfx::clWindowFrame);
        c.FrameRect(r);
        rtl::InflateRect(r, -1, -1);
    }
    DrawBevel(c, r, FBevelOuter, FBevelWidth);
    rtl::InflateRect(r, -FBorderWidth, -FBorderWidth);
    DrawBevel(c, r, FBevelInner, FBevelWidth);
    if (!FShowCaption || Caption().empty()) return;
    unsigned flags = gfx::DT_SINGLELINE | gfx::DT_EXPANDTABS;
    flags |= FAlignment == taCenter ? gfx::DT_CENTER : FAlignment == taRightJustify ? gfx::DT_RIGHT : gfx::DT_LEFT;
    flags |= FLayout == tlCenter ? gfx::DT_VCENTER : FLayout == tlBottom ? gfx::DT_BOTTOM : gfx::DT_TOP;
    c.Font().Assign(&Font());
    DrawControlText(c, Caption(), r, flags, Enabled(), Font().Color());
}

void TPanel::WndProc(TMessage& Message)
{
    TCustomControl::WndProc(Message);
    if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_ENABLEDCHANGED) Invalidate();
}

// ===== TImage

TImage::TImage(rtl::TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<gfx::TPicture>())
{
    SetBounds(0, 0, 105, 105);
    FPicture->OnChange = [this](rtl::TObject*) { PictureChanged(); };
}

TImage::~TImage()
{
    FPicture->OnChange = nullptr;
}

void TImage::PictureChanged()
{
    if (FInChange) return;
    FInChange = true;
    if (gfx::TGraphic* g = FPicture->Graphic(); g != nullptr && g->Transparent() != FTransparent)
        g->SetTransparent(FTransparent);
    FInChange = false;
    if (FAutoSize && !FPicture->Empty()) SetBounds(FLeft, FTop, FPicture->Width(), FPicture->Height());
    Invalidate();
}

void TImage::SetStretch(bool value)
{
    FStretch = value;
    Invalidate();
}

void TImage::SetCenter(bool value)
{
    FCenter = value;
    Invalidate();
}

void TImage::SetProportional(bool value)
{
    FProportional = value;
    Invalidate();
}

void TImage::SetTransparent(bool value)
{
    FTransparent = value;
    PictureChanged();
}

void TImage::SetAutoSize(bool value)
{
    FAutoSize = value;
    PictureChanged();
}

rtl::TRect TImage::DestRect() const
{
    int w = FPicture->Width();
    int h = FPicture->Height();
    int cw = FWidth;
    int ch = FHeight;
    if (w <= 0 || h <= 0) return rtl::Rect(0, 0, 0, 0);
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional) {
            // Scale to fit, keeping the aspect ratio.
            if (static_cast<long long>(cw) * h > static_cast<long long>(ch) * w) {
                w = static_cast<int>(static_cast<long long>(w) * ch / h);
                h = ch;
            } else {
                h = static_cast<int>(static_cast<long long>(h) * cw / w);
                w = cw;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    int x = FCenter ? (cw - w) / 2 : 0;
    int y = FCenter ? (ch - h) / 2 : 0;
    return rtl::Bounds(x, y, w, h);
}

void TImage::Paint()
{
    gfx::TCanvas& c = Canvas();
    if (FPicture->Empty()) return;
    c.StretchDraw(DestRect(), *FPicture->Graphic());
}

}  // namespace ui
