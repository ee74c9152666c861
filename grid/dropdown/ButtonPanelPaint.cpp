// Painting the calculator keypad: the themed push-button face of each button, its picture and
// its caption in the text or special text colour.
#include <algorithm>

#include "grid/dropdown/ButtonPanel.h"
#include "grid/foundation/ETXPVS.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Picture.h"

namespace grid {

namespace {

constexpr int ButtonPart = 1;
constexpr int StateNormal = 1, StateHot = 2, StatePressed = 3, StateDisabled = 4;

bool ThemesUsable()
{
    return etxpvs::IsThemeActive != nullptr && etxpvs::IsThemeActive() && etxpvs::OpenThemeData != nullptr &&
           etxpvs::DrawThemeBackground != nullptr && etxpvs::CloseThemeData != nullptr;
}

}  // namespace

void TCustomButtonPanel::Paint()
{
    gfx::TCanvas& c = Canvas();
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(ClientRect());
    if (FreeStanding()) {
        c.Brush().SetStyle(gfx::bsClear);
        c.Pen().SetColor(gfx::clBlack);
        c.Pen().SetStyle(gfx::psSolid);
        c.Rectangle(ClientRect());
    }
    for (int i = 0; i < FButtons->Count(); ++i)
        if (i != FButtonHot) DrawButton(i, c);
    if (FButtonHot >= 0 && FButtonHot < FButtons->Count()) DrawButton(FButtonHot, c);
}

void TCustomButtonPanel::DrawButton(int index, gfx::TCanvas& canvas)
{
    if (index < 0 || index >= FButtons->Count()) return;
    const rtl::TRect r = FButtons->Items(index)->Rect();
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(r);
    DrawButtonFace(index, canvas, r);
    const rtl::TRect content = rtl::Rect(r.Left + FButtonOffSetX, r.Top + FButtonOffSetY, r.Right - FButtonOffSetX,
                                         r.Bottom - FButtonOffSetY);
    DrawButtonContent(index, canvas, content);
}

// Without visual styles the button is only its brush fill and caption.
void TCustomButtonPanel::DrawButtonFace(int index, gfx::TCanvas& canvas, const rtl::TRect& r)
{
    if (!ThemesUsable()) return;
    HTHEME theme = etxpvs::OpenThemeData(Handle(), "button");
    if (theme == nullptr) return;
    int state = StateNormal;
    if (!Enabled()) state = StateDisabled;
    else if (index == FButtonDown) state = StatePressed;
    else if (index == FButtonHot) state = StateHot;
    etxpvs::DrawThemeBackground(theme, &canvas, ButtonPart, state, &r, nullptr);
    etxpvs::CloseThemeData(theme);
}

void TCustomButtonPanel::DrawButtonContent(int index, gfx::TCanvas& canvas, const rtl::TRect& r)
{
    const TCalcButtonItem& item = *FButtons->Items(index);
    const bool listImage = item.ImageIndex() >= 0 && FImages != nullptr;
    const bool picture = !listImage && !item.Image().Empty();
    rtl::TSize image{};
    if (listImage) image = {FImages->Width(), FImages->Height()};
    else if (picture) image = {item.Image().Width(), item.Image().Height()};
    const bool hasImage = image.cx > 0;

    canvas.Font().Assign(&FButtonAppearance->Font());
    canvas.Font().SetColor(item.Special() ? FButtonAppearance->SpecialTextColor() : FButtonAppearance->TextColor());
    canvas.Brush().SetStyle(gfx::bsClear);
    const rtl::TSize text =
        item.Caption().empty() ? rtl::TSize{} : rtl::TSize{canvas.TextWidth(item.Caption()), canvas.TextHeight(item.Caption())};
    const int gap = hasImage && text.cx > 0 ? FCaptionGap : 0;

    rtl::TPoint imageAt{r.Left, r.Top + (r.Height() - image.cy) / 2};
    rtl::TRect textRect = r;
    unsigned align = gfx::DT_CENTER;
    switch (FButtonLayout) {
    case ilCaptionRight:
        textRect.Left = r.Left + image.cx + gap;
        if (hasImage) align = gfx::DT_LEFT;
        break;
    case ilCaptionLeft:
        imageAt.X = std::min(r.Left + text.cx + gap, r.Right - image.cx);
        textRect.Right = imageAt.X - gap;
        if (hasImage) align = gfx::DT_LEFT;
        break;
    case ilCaptionTop:
    case ilCaptionBottom: {
        const int top = r.Top + (r.Height() - image.cy - gap - text.cy) / 2;
        imageAt.X = r.Left + (r.Width() - image.cx) / 2;
        const bool captionFirst = FButtonLayout == ilCaptionTop;
        imageAt.Y = captionFirst ? top + text.cy + gap : top;
        textRect.Top = captionFirst ? top : top + image.cy + gap;
        textRect.Bottom = textRect.Top + text.cy;
        break;
    }
    }
    if (listImage) FImages->Draw(canvas, imageAt.X, imageAt.Y, item.ImageIndex(), item.Enabled());
    else if (picture && item.Image().Graphic() != nullptr) canvas.Draw(imageAt.X, imageAt.Y, *item.Image().Graphic());
    if (item.Caption().empty()) return;
    canvas.DrawText(item.Caption(), textRect, align | gfx::DT_SINGLELINE | gfx::DT_VCENTER);
}

}  // namespace grid
