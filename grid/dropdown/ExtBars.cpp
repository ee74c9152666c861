// The header and footer bars of a drop-down's pop-up.
#include "grid/dropdown/ExtBars.h"

#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "grid/foundation/EsgHTMLE.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/PopupWindow.h"

namespace grid {

TExtBar::TExtBar(rtl::TComponent* AOwner, bool footer) : ui::TCustomControl(AOwner), FFooter(footer)
{
    if (footer)
        FAppearance = std::make_unique<TFooterAppearance>(this);
    else
        FAppearance = std::make_unique<THeaderAppearance>(this);
    // The private copy's visibility and height follow into the bar.
    FAppearance->FOnChange = [this](rtl::TObject*) {
        SetVisible(FAppearance->Visible());
        SetBounds(Left(), Top(), Width(), FAppearance->Height());
    };
    FControlStyle = ui::csAcceptsControls | ui::csClickEvents | ui::csDoubleClicks | (footer ? ui::csCaptureMouse : 0u);
}

void TExtBar::SetImages(gfx::TImageList* value)
{
    if (FImages == value) return;
    if (FImages != nullptr) FImages->RemoveFreeNotification(this);
    FImages = value;
    if (FImages != nullptr) FImages->FreeNotification(this);
    Invalidate();
}

void TExtBar::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    ui::TCustomControl::Notification(AComponent, Operation);
    if (Operation == rtl::opRemove && AComponent == FImages) SetImages(nullptr);
}

void TExtBar::SetExtDropDown(TExtCustomDropDown* value)
{
    FExtDropDown = value;
    if (value == nullptr) {
        SetImages(nullptr);
        return;
    }
    SetImages(value->Images());
    if (FFooter)
        FAppearance->Assign(&value->DropDownFooter());
    else
        FAppearance->Assign(&value->DropDownHeader());
}

void TExtBar::RebuildButtons()
{
    if (FExtDropDown != nullptr) CreateButtons();
}

void TExtBar::ClearButtons()
{
    for (auto it = FButtonList.rbegin(); it != FButtonList.rend(); ++it) delete *it;
    FButtonList.clear();
}

void TExtBar::CreateButtons()
{
    if (FExtDropDown == nullptr) return;
    ClearButtons();
    const int largest = InnerRect().Height();
    const int count = FFooter ? FExtDropDown->DropDownFooter().Buttons().Count()
                              : FExtDropDown->DropDownHeader().Buttons().Count();
    for (int i = 0; i < count; ++i) {
        const THeaderButton* item = FFooter ? static_cast<const THeaderButton*>(FExtDropDown->DropDownFooter().Buttons().Items(i))
                                            : FExtDropDown->DropDownHeader().Buttons().Items(i);
        auto* button = new TExtButton(this);
        button->SetParent(this);
        button->SetAppearance(&FExtDropDown->ButtonAppearance());
        button->SetCaption(item->Caption());
        button->SetImages(FImages);
        button->SetImageIndex(item->ImageIndex());
        button->SetEnabled(item->Enabled());
        if (FFooter) {
            button->SetExtDropDown(FExtDropDown);
            button->SetModalResult(static_cast<const TFooterButton*>(item)->ModalResult());
        }
        button->FitToContent();
        int width = item->Width() > 0 ? item->Width() : button->Width();
        int height = item->Height() > 0 ? item->Height() : button->Height();
        button->SetBounds(0, 0, width, std::min(height, largest));
        button->SetTag(i);
        button->OnClick = [this](rtl::TObject* sender) { ButtonClicked(sender); };
        FButtonList.push_back(button);
    }
    ArrangeButtons();
}

void TExtBar::ButtonClicked(rtl::TObject* sender)
{
    auto* button = dynamic_cast<TExtButton*>(sender);
    if (button == nullptr || FExtDropDown == nullptr) return;
    const TBarButtonClickEvent& event =
        FFooter ? FExtDropDown->OnDropDownFooterButtonClick : FExtDropDown->OnDropDownHeaderButtonClick;
    if (event) event(FExtDropDown, static_cast<int>(button->Tag()));
}

bool TExtBar::SizeGripShows() const
{
    if (!FFooter || FExtDropDown == nullptr) return false;
    return static_cast<const TFooterAppearance&>(*FAppearance).SizeGrip() && FExtDropDown->DropDownSizeable();
}

rtl::TRect TExtBar::InnerRect() const
{
    rtl::TRect r = ClientRect();
    if (!FFooter) return rtl::Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 3);
    return rtl::Rect(r.Left + 2, r.Top + 2, r.Right - (SizeGripShows() ? 14 : 2), r.Bottom - 2);
}

void TExtBar::ArrangeButtons()
{
    const rtl::TRect inner = InnerRect();
    int x = FAppearance->ButtonAlignment() == baRight ? inner.Right : inner.Left;
    for (TExtButton* b : FButtonList) {
        int top = std::max(inner.Top, (inner.Bottom - b->Height()) / 2);
        if (FAppearance->ButtonAlignment() == baRight) {
            x -= b->Width();
            b->SetBounds(x, top, b->Width(), b->Height());
        } else {
            b->SetBounds(x, top, b->Width(), b->Height());
            x += b->Width();
        }
    }
}

void TExtBar::Resize()
{
    ui::TCustomControl::Resize();
    ArrangeButtons();
}

void TExtBar::Paint()
{
    gfx::TCanvas& c = Canvas();
    rtl::TRect r = ClientRect();
    if (OnDrawBackGround) {
        OnDrawBackGround(this, c, r);
        return;
    }
    const TBarAppearance& a = *FAppearance;
    PaintBackground(c, r);
    PaintBorder(c, r);
    const int bw = a.BorderWidth();
    rtl::TRect content = rtl::Rect(r.Left + bw, r.Top + bw, r.Right - bw, r.Bottom - bw);
    PaintImage(c, content);
    PaintCaption(c, content);
    if (SizeGripShows()) PaintSizeGrip(c, r);
}

void TExtBar::PaintBackground(gfx::TCanvas& c, const rtl::TRect& r)
{
    const TBarAppearance& a = *FAppearance;
    if (a.ColorTo() == gfx::clNone) {
        if (a.Color() != gfx::clNone) {
            c.Brush().SetColor(a.Color());
            c.FillRect(r);
        }
    } else {
        DrawBandedGradient(c, a.Color(), a.ColorTo(), a.GradientDirection() == gdHorizontal, r, 80);
    }
}

void TExtBar::PaintBackgroundInto(gfx::TCanvas& canvas, const rtl::TRect& area)
{
    gfx::TBitmap image(Width(), Height());
    rtl::TRect all = ClientRect();
    PaintBackground(image.Canvas(), all);
    PaintBorder(image.Canvas(), all);
    canvas.CopyRect(rtl::Rect(0, 0, area.Width(), area.Height()), image.Canvas(), area);
}

void TExtBar::PaintBorder(gfx::TCanvas& c, const rtl::TRect& r)
{
    const TBarAppearance& a = *FAppearance;
    if (a.BorderColor() == gfx::clNone || a.BorderWidth() <= 0) return;
    c.Pen().SetColor(a.BorderColor());
    c.Pen().SetWidth(a.BorderWidth());
    // Without a pop-up frame of its own the bar closes its outline on every side.
    const bool ownFrame = FExtDropDown == nullptr || FExtDropDown->DropDownBorderWidth() <= 0 ||
                          FExtDropDown->DropDownBorderColor() == gfx::clNone;
    if (!FFooter) {
        c.MoveTo(r.Left, r.Bottom - 1);
        c.LineTo(r.Right, r.Bottom - 1);
        if (ownFrame) {
            c.MoveTo(r.Left, r.Bottom - 1);
            c.LineTo(r.Left, r.Top);
            c.LineTo(r.Right, r.Top);
            c.LineTo(r.Right, r.Bottom - 1);
        }
    } else {
        c.MoveTo(r.Left, r.Top);
        c.LineTo(r.Right, r.Top);
        if (ownFrame) {
            c.MoveTo(r.Left, r.Top);
            c.LineTo(r.Left, r.Bottom);
            c.LineTo(r.Right, r.Bottom);
            c.LineTo(r.Right, r.Top);
        }
    }
    c.Pen().SetWidth(1);
    c.Brush().SetStyle(gfx::bsClear);
    c.Pen().SetColor(MixColors(a.BorderColor(), gfx::clWhite, 20));
    if (FFooter)
        c.Rectangle(r.Left, r.Top + a.BorderWidth(), r.Right, r.Bottom);
    else
        c.Rectangle(r.Left, r.Top, r.Right, r.Bottom - a.BorderWidth());
    c.Brush().SetStyle(gfx::bsSolid);
}

// The bar's image at the left of the content, vertically centred; the caption follows it.
void TExtBar::PaintImage(gfx::TCanvas& c, rtl::TRect& content)
{
    const int index = FAppearance->ImageIndex();
    if (index < 0 || FImages == nullptr) return;
    FImages->Draw(c, content.Left + 4, content.Top + (content.Height() - FImages->Height()) / 2, index);
    content.Left += 4 + FImages->Width() + 4;
}

void TExtBar::PaintCaption(gfx::TCanvas& c, rtl::TRect content)
{
    std::string text = FAppearance->Caption();
    if (OnGetText) OnGetText(this, text);
    if (text.empty()) return;
    if (!FButtonList.empty()) content.Right = FButtonList.back()->Left() - 2;
    c.Font().Assign(&FAppearance->Font());
    THtmlRenderOptions options;
    options.PointX = 0;
    options.PointY = 0;
    options.HoveredAnchor = 0;
    options.ShadowShift = 1;
    options.WrapWords = true;
    options.Zoom = 0;
    options.AnchorColor = 0xFF0000;
    options.ShadowColor = 0x808080;
    options.MeasureOnly = true;
    THtmlRenderResult measured;
    RenderHtmlText(c, text, content, options, measured);
    if (content.Height() > measured.ContentHeight) content.Top += (content.Height() - measured.ContentHeight) / 2;
    options.MeasureOnly = false;
    THtmlRenderResult drawn;
    RenderHtmlText(c, text, content, options, drawn);
}

void TExtBar::PaintSizeGrip(gfx::TCanvas& c, const rtl::TRect& r)
{
    const int bw = FAppearance->BorderWidth();
    const int l = r.Right - bw - 16;
    const int b = r.Bottom;
    const rtl::TPoint squares[] = {{l + 4, b - 5}, {l + 8, b - 5}, {l + 12, b - 5},
                                   {l + 12, b - 9}, {l + 12, b - 13}, {l + 8, b - 9}};
    for (const rtl::TPoint& p : squares) {
        c.Brush().SetColor(gfx::clWhite);
        c.FillRect(rtl::Rect(p.X + 1, p.Y + 1, p.X + 3, p.Y + 3));
        c.Brush().SetColor(FAppearance->BorderColor());
        c.FillRect(rtl::Rect(p.X, p.Y, p.X + 2, p.Y + 2));
    }
}

void TExtBar::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    if (Button == ui::mbLeft && SizeGripShows() && X > Width() - 12 && Y > Height() - 15) {
        // The pop-up sizes itself from its bottom-right corner.
        ui::SetCaptureControl(nullptr);
        if (ui::TWinControl* popup = Parent())
            popup->Perform(ui::TPopupWindow::NcLeftButtonDown, ui::TPopupWindow::HitBottomRight, 0);
        return;
    }
    ui::TCustomControl::MouseDown(Button, Shift, X, Y);
}

}  // namespace grid
