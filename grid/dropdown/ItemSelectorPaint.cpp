// Painting of the item selector's panel: item backgrounds for hot and selected items, images
// or colour boxes and mini-HTML captions in the four layouts.
#include <algorithm>

#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ItemSelector.h"
#include "grid/foundation/ExtUtilGradients.h"
#include "platform/gfx/Graphic.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Picture.h"

namespace grid {

namespace {

// The colours one item is painted with.
struct TItemLook {
    gfx::TColor Outline, Top, Bottom, Edge;
    gfx::TColor From = gfx::clNone, To = gfx::clNone, MirrorFrom = gfx::clNone, MirrorTo = gfx::clNone;
};

void ApplyState(TItemLook& look, gfx::TColor from, gfx::TColor to, gfx::TColor mirrorFrom, gfx::TColor mirrorTo,
                gfx::TColor border)
{
    look.From = from;
    look.To = to;
    look.MirrorFrom = mirrorFrom;
    look.MirrorTo = mirrorTo;
    if (border == gfx::clNone) return;
    look.Outline = border;
    look.Top = look.Bottom = look.Edge = gfx::clNone;
}

}  // namespace

void TCustomItemSelector::Paint()
{
    ui::TCustomControl::Paint();
    // Only the items in the scrolled box's view are drawn: a long list paints one page.
    rtl::TRect view = ClientRect();
    if (Parent() != nullptr)
        view = rtl::Rect(-Left(), -Top(), -Left() + Parent()->ClientWidth(), -Top() + Parent()->ClientHeight());
    for (int i = 0; i < Items().Count(); ++i) {
        const rtl::TRect& r = Items().Items(i)->ItemRect();
        if (r.Bottom <= view.Top || r.Top >= view.Bottom || r.Right <= view.Left || r.Left >= view.Right) continue;
        DrawItem(i, Canvas());
    }
}

void TCustomItemSelector::DrawItem(int index, gfx::TCanvas& canvas)
{
    if (!InRange(index)) return;
    const rtl::TRect r = Items().Items(index)->ItemRect();
    if (r.Left < 0 && r.Right < 0) return;
    DrawItemBackground(index, canvas, r);
    if (FExtItemSelector->OnDrawItem) {
        FExtItemSelector->OnDrawItem(this, canvas, r, index);
        return;
    }
    DrawItemContent(index, canvas, r);
}

void TCustomItemSelector::DrawItemBackground(int index, gfx::TCanvas& canvas, const rtl::TRect& r)
{
    const TItemAppearance& a = FExtItemSelector->ItemAppearance();
    const bool hot = index == FItemHot;
    const bool selected = index == FItemIndex;
    TItemLook look{a.BorderColor(), a.BorderColorTop(), a.BorderColorBottom(), a.EdgeColor()};
    if (hot) ApplyState(look, a.ColorHot(), a.ColorHotTo(), a.ColorMirrorHot(), a.ColorMirrorHotTo(), a.BorderColorHot());
    if (selected)
        ApplyState(look, a.ColorSelected(), a.ColorSelectedTo(), a.ColorMirrorSelected(), a.ColorMirrorSelectedTo(),
                   a.BorderColorSelected());
    if (!hot && !selected) {
        canvas.Brush().SetStyle(gfx::bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(r);
    } else if (look.Top != gfx::clNone) {
        DrawRoundedSelectionRect(canvas, look.From, look.To, look.MirrorFrom, look.MirrorTo, look.Top, look.Bottom,
                                 look.Outline, look.Edge, Color(), r, selWhole);
    } else {
        DrawGradientRect(canvas, r, look.From, true, 1, look.Outline, look.To);
    }
}

void TCustomItemSelector::DrawItemContent(int index, gfx::TCanvas& canvas, const rtl::TRect& r)
{
    const TSelectorItem& item = *Items().Items(index);
    const TItemAppearance& a = FExtItemSelector->ItemAppearance();
    const bool colorBox = SelectorType() == stColor;
    const gfx::TGraphic* picture = !colorBox && !item.Image().Empty() ? item.Image().Graphic() : nullptr;
    const bool listImage = !colorBox && picture == nullptr && Images() != nullptr && item.ImageIndex() >= 0;
    int w = 0;
    int h = 0;
    if (colorBox) {
        w = ColorBoxWidth();
        h = ColorBoxHeight();
    } else if (picture != nullptr) {
        w = picture->Width();
        h = picture->Height();
    } else if (listImage) {
        w = Images()->Width();
        h = Images()->Height();
    }

    rtl::TRect c = rtl::Rect(r.Left + FItemOffSetX, r.Top + FItemOffSetY, r.Right - FItemOffSetX,
                             r.Bottom - FItemOffSetY);
    rtl::TRect p = c;
    canvas.Font().Assign(&a.Font());
    if (index == FItemHot) canvas.Font().SetColor(a.ColorHotText());
    if (index == FItemIndex) canvas.Font().SetColor(a.ColorSelectedText());
    canvas.Brush().SetStyle(gfx::bsClear);

    // The image (or colour box) with its top-left corner at (x, y).
    auto drawImage = [&](int x, int y) {
        if (colorBox) {
            canvas.Brush().SetStyle(gfx::bsSolid);
            canvas.Pen().SetColor(gfx::clBlack);
            canvas.Pen().SetWidth(1);
            canvas.Brush().SetColor(item.Color());
            canvas.Rectangle(x, y, x + w, y + h);
            canvas.Brush().SetStyle(gfx::bsClear);
        } else if (picture != nullptr) {
            canvas.Draw(x, y, *picture);
        } else if (listImage) {
            Images()->Draw(canvas, x, y, item.ImageIndex(), item.Enabled());
        }
    };
    auto centredTop = [&]() { return colorBox ? p.Top : p.Top + (p.Height() - h) / 2; };
    const std::string& caption = item.Caption();
    // Measures the caption in c, centres c on it vertically and draws it; returns its width.
    auto drawCentredCaption = [&]() {
        const rtl::TSize text = DrawHtmlText(canvas, caption, c, Images(), false);
        if (c.Height() > text.cy) c.Top += (c.Height() - text.cy) / 2;
        DrawHtmlText(canvas, caption, c, Images(), true);
        return text.cx;
    };

    switch (ItemLayout()) {
    case ilCaptionLeft:
        if (!caption.empty()) {
            c.Right -= w;
            const int textWidth = drawCentredCaption();
            p.Left = c.Left + textWidth + FCaptionGap;
        }
        drawImage(p.Left, centredTop());
        break;
    case ilCaptionRight:
        if (colorBox || picture != nullptr || listImage) {
            drawImage(p.Left, centredTop());
            c.Left = p.Left + w + FCaptionGap;
        }
        if (!caption.empty()) drawCentredCaption();
        break;
    case ilCaptionTop:
        if (!caption.empty()) {
            c.Bottom -= h;
            const rtl::TSize text = DrawHtmlText(canvas, caption, c, Images(), true);
            p.Top = c.Top + text.cy + FCaptionGap;
        } else {
            p.Top += (p.Height() - h) / 2;
        }
        p.Left += (p.Width() - w) / 2;
        drawImage(p.Left, p.Top);
        break;
    case ilCaptionBottom:
        if (caption.empty()) p.Top += (p.Height() - h) / 2;
        p.Left += (p.Width() - w) / 2;
        drawImage(p.Left, p.Top);
        c.Top = p.Top + h + FCaptionGap;
        if (!caption.empty()) DrawHtmlText(canvas, caption, c, Images(), true);
        break;
    }
    canvas.Brush().SetStyle(gfx::bsSolid);
}

}  // namespace grid
