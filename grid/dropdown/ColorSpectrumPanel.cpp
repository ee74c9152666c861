// The colour spectrum panel: the picture, its swatches and picking a colour from its pixels.
#include "grid/dropdown/ColorSpectrumPanel.h"

#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/Picture.h"
#include "platform/gfx/Resources.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/ExtCtrls.h"

namespace grid {

namespace {

// The number under which the screen keeps the spectrum's pointer.
constexpr ui::TCursor kPointerCursor = 54;

}  // namespace

TExtColorSpectrumPanel::TExtColorSpectrumPanel(rtl::TComponent* AOwner) : TExtCustomColorSelectorPanel(AOwner)
{
    FSpectrumImage = new ui::TImage(this);
    FSpectrumImage->SetParent(this);
    const gfx::TResource picture = gfx::FindResource("JYX_SPECTRUM", "glyphs");
    if (picture.Found()) FSpectrumImage->Picture().LoadFromBytes(picture.Data, picture.Size);
    FSpectrumImage->SetBounds(0, 0, 128, 128);
    // A ring around a clear centre shows the pointer over the colour it would pick.
    if (ui::ScreenCursor(kPointerCursor) == nullptr)
        ui::SetScreenCursor(kPointerCursor, ui::LoadCursorResource("JYX_POINTER"));
    FSpectrumImage->SetCursor(kPointerCursor);
    FSpectrumImage->OnMouseMove = [this](rtl::TObject*, ui::TShiftState, int x, int y) { ImageMouseMove(x, y); };
    FSpectrumImage->OnMouseDown = [this](rtl::TObject*, ui::TMouseButton, ui::TShiftState, int, int) {
        ImageMouseDown();
    };
    FSpectrumImage->OnMouseUp = [this](rtl::TObject*, ui::TMouseButton, ui::TShiftState, int, int) {
        ShouldHide();
    };
}

void TExtColorSpectrumPanel::UpdateLayout()
{
    SetBounds(Left(), Top(), 150, 174);
    const int imageWidth = FSpectrumImage->Width();
    FSpectrumImage->SetBounds((Width() - imageWidth) / 2, 10, imageWidth, FSpectrumImage->Height());
    const int left = FSpectrumImage->Left();
    const int bottom = FSpectrumImage->Top() + FSpectrumImage->Height();
    FSelectedRect = rtl::Rect(left - 1, bottom + 8, left + imageWidth / 2 - 2, bottom + 28);
    FHotRect = rtl::Rect(FSelectedRect.Right + 4, FSelectedRect.Top, left + imageWidth + 1, FSelectedRect.Bottom);
    FHotColor = gfx::clNone;
    Invalidate();
}

void TExtColorSpectrumPanel::DrawSwatch(gfx::TCanvas& canvas, const rtl::TRect& r, gfx::TColor color)
{
    canvas.Pen().SetColor(0x808080);
    canvas.Brush().SetStyle(gfx::bsClear);
    canvas.Rectangle(r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1);
    canvas.Pen().SetColor(gfx::clWhite);
    // No colour yet (clNone): the swatch stays empty.
    if (color != gfx::clNone) {
        canvas.Brush().SetStyle(gfx::bsSolid);
        canvas.Brush().SetColor(color);
    }
    canvas.Rectangle(r);
    canvas.Brush().SetStyle(gfx::bsSolid);
}

void TExtColorSpectrumPanel::Paint()
{
    TExtCustomColorSelectorPanel::Paint();
    gfx::TCanvas& canvas = Canvas();
    const rtl::TRect image = FSpectrumImage->BoundsRect();
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Brush().SetStyle(gfx::bsClear);
    canvas.Pen().SetColor(gfx::clWhite);
    canvas.Rectangle(image.Left - 1, image.Top - 1, image.Right + 1, image.Bottom + 1);
    canvas.Pen().SetColor(0x808080);
    canvas.Rectangle(image.Left - 2, image.Top - 2, image.Right + 2, image.Bottom + 2);
    DrawSwatch(canvas, FSelectedRect, FSelectedColor);
    DrawSwatch(canvas, FHotRect, FHotColor);
}

void TExtColorSpectrumPanel::ImageMouseMove(int x, int y)
{
    // The colour as shown, read back from the panel's pixels.
    FHotColor = Canvas().Pixels(FSpectrumImage->Left() + x, FSpectrumImage->Top() + y);
    if (Showing()) DrawSwatch(Canvas(), FHotRect, FHotColor);
}

void TExtColorSpectrumPanel::ImageMouseDown()
{
    FSelectedColor = FHotColor;
    if (Showing()) DrawSwatch(Canvas(), FSelectedRect, FSelectedColor);
    if (OnSelect) OnSelect(this);
}

void TExtColorSpectrumPanel::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    TExtCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
    ShouldHide();
}

}  // namespace grid
