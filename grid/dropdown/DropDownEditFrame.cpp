// The drop-down edit's frame, its highlighted non-editable value, and the settings of its
// drop-down button.
#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"

namespace grid {

namespace {

constexpr gfx::TColor DisabledFrameColor = 0xC0C0C0;

void Frame(gfx::TCanvas& canvas, rtl::TRect& r, gfx::TColor color)
{
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FrameRect(r);
    rtl::InflateRect(r, -1, -1);
}

// A one-pixel sunken edge: shadow above and left, highlight below and right.
void SunkenOuterEdge(gfx::TCanvas& canvas, rtl::TRect& r)
{
    canvas.Pen().SetStyle(gfx::psSolid);
    canvas.Pen().SetColor(gfx::clBtnShadow);
    canvas.MoveTo(r.Left, r.Bottom - 1);
    canvas.LineTo(r.Left, r.Top);
    canvas.LineTo(r.Right, r.Top);
    canvas.Pen().SetColor(gfx::clBtnHighlight);
    canvas.MoveTo(r.Left, r.Bottom - 1);
    canvas.LineTo(r.Right - 1, r.Bottom - 1);
    canvas.LineTo(r.Right - 1, r.Top - 1);
    rtl::InflateRect(r, -1, -1);
}

}  // namespace

bool TExtCustomDropDown::PaintsOwnBorder() const
{
    return FFlat || FBorderColor != gfx::clNone || FFocusBorderColor != gfx::clNone || (!Enabled() && FDisabledBorder);
}

void TExtCustomDropDown::PaintNonClient(gfx::TCanvas& canvas)
{
    ui::TMaskEdit::PaintNonClient(canvas);
    if (PaintsOwnBorder()) DrawBorder(canvas);
}

void TExtCustomDropDown::DrawBorder(gfx::TCanvas& canvas)
{
    if (HasState(rtl::csDesigning)) return;
    rtl::TRect r = rtl::Rect(0, 0, Width(), Height());
    if (!Enabled() && FDisabledBorder) {
        Frame(canvas, r, DisabledFrameColor);
    } else if (Focused() && FFocusBorderColor != gfx::clNone) {
        Frame(canvas, r, FFocusBorderColor);
    } else if (FBorderColor != gfx::clNone) {
        Frame(canvas, r, FBorderColor);
    } else if (FFocusBorderColor == gfx::clNone) {
        // The flat look: sunken while the pointer is over the edit or it has the focus, else
        // a frame in the colour of what lies around it.
        const bool hot = FMouseInControl || Focused();
        const gfx::TColor around = Parent() != nullptr ? Parent()->Color() : gfx::clBtnFace;
        const gfx::TColor face = hot ? gfx::clBtnFace : around;
        if (hot) SunkenOuterEdge(canvas, r);
        else Frame(canvas, r, face);
        Frame(canvas, r, face);
    }
}

void TExtCustomDropDown::DrawDisabledText()
{
    if (FEditorEnabled || !Focused() || !FFocusDraw || HasState(rtl::csDesigning)) return;
    // The box is laid out in window coordinates; the client canvas sits inside the border.
    const int b = BorderThickness();
    const rtl::TRect box = rtl::Rect(2 - b, 2 - b, Width() - FButtonWidth - 1 - b, Height() - 2 - b);
    gfx::TCanvas& c = Canvas();
    c.Pen().SetStyle(gfx::psSolid);
    c.Pen().SetWidth(1);
    c.Pen().SetColor(gfx::clBlack);
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(gfx::clHighlight);
    c.Rectangle(box);
    c.Font().Assign(&Font());
    c.Font().SetColor(gfx::clHighlightText);
    c.Brush().SetStyle(gfx::bsClear);
    const std::string value = GetText();
    const rtl::TRect text = rtl::Rect(box.Left + 2, box.Top, box.Right - 3, box.Bottom);
    c.TextRect(text, text.Left, text.Top + (text.Height() - c.TextHeight(value)) / 2, value);
}

void TExtCustomDropDown::SetBorderColor(gfx::TColor value)
{
    if (FBorderColor == value) return;
    FBorderColor = value;
    Invalidate();
    if (FButton != nullptr) FButton->Invalidate();
}

void TExtCustomDropDown::SetFocusBorderColor(gfx::TColor value)
{
    FFocusBorderColor = value;
    Invalidate();
}

void TExtCustomDropDown::SetDisabledBorder(bool value)
{
    if (FDisabledBorder == value) return;
    FDisabledBorder = value;
    Invalidate();
}

void TExtCustomDropDown::SetFlat(bool value)
{
    FFlat = value;
    AdjustHeight();
}

void TExtCustomDropDown::SetFocusDraw(bool value)
{
    FFocusDraw = value;
    Invalidate();
}

void TExtCustomDropDown::SetDropDownEnabled(bool value)
{
    FDropDownEnabled = value;
    if (FButton != nullptr) FButton->SetEnabled(value && Enabled());
}

void TExtCustomDropDown::SetDropDownButtonWidth(int value)
{
    FButtonWidth = value;
    if (FButton == nullptr) return;
    FButton->SetBounds(FButton->Left(), FButton->Top(), value, FButton->Height());
    Resize();
    Invalidate();
}

void TExtCustomDropDown::SetDropDownButtonHint(const std::string& value)
{
    if (FButtonHint == value) return;
    FButtonHint = value;
    if (FButton == nullptr) return;
    FButton->SetHint(value);
    FButton->SetShowHint(!value.empty());
}

const gfx::TBitmap& TExtCustomDropDown::DropDownButtonGlyph() const
{
    return FButton->Glyph();
}

void TExtCustomDropDown::SetDropDownButtonGlyph(const gfx::TBitmap* value)
{
    FButton->SetGlyph(value);
}

void TExtCustomDropDown::SetEtched(bool value)
{
    FEtched = value;
    if (FButton != nullptr) FButton->SetEtched(value);
}

void TExtCustomDropDown::SetImages(gfx::TImageList* value)
{
    if (FImages == value) return;
    if (FImages != nullptr) FImages->RemoveFreeNotification(this);
    FImages = value;
    if (FImages != nullptr) FImages->FreeNotification(this);
    Invalidate();
}

void TExtCustomDropDown::SetColorTones(TColorTones ATones)
{
    if (FButton != nullptr)
        FButton->SetColors(ATones.Background.BrushColor, ATones.Hover.BrushColor, ATones.Selected.BrushColor,
                           ATones.Background.BorderColor);
    SetBorderColor(ATones.Background.BorderColor);
}

void TExtCustomDropDown::SetFocusControl(ui::TWinControl* value)
{
    if (FFocusControl == value) return;
    if (FFocusControl != nullptr) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = value;
    if (FFocusControl != nullptr) FFocusControl->FreeNotification(this);
}

}  // namespace grid
