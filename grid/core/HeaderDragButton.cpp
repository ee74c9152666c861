// Painting of the header drag button: the grid's own cell look, then the caption as text or mini-HTML.
#include "grid/core/HeaderDragButton.h"

#include "grid/core/ExtGrid.h"
#include "grid/foundation/EsgHTMLE.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"

namespace grid {

THeaderDragButton::THeaderDragButton(rtl::TComponent* AOwner) : ui::TCustomControl(AOwner)
{
    SetBorderThickness(1);
    SetColor(gfx::clBtnFace);
}

void THeaderDragButton::Paint()
{
    if (FGrid == nullptr) return;
    gfx::TCanvas& canvas = Canvas();
    rtl::TRect r = ClientRect();
    FGrid->PaintCellExt(canvas, 0, 0, r, 0);
    canvas.SetBkMode(gfx::TRANSPARENT);
    canvas.Font().Assign(&Font());
    const std::string caption = Caption();
    if (caption.find("</") == std::string::npos) {
        canvas.DrawText(caption, r, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_END_ELLIPSIS);
        return;
    }
    THtmlRenderOptions o;
    o.ImageList = dynamic_cast<const gfx::TImageList*>(FGrid->GridImages());
    o.AnchorColor = gfx::clBlue;
    o.HoverBackColor = gfx::clNone;
    o.HoverTextColor = gfx::clNone;
    o.ShadowColor = gfx::clGray;
    o.ShadowShift = 2;
    o.WrapWords = false;
    o.Zoom = 1.0;
    o.ThemeWindow = reinterpret_cast<const void*>(Handle());
    THtmlRenderResult result;
    RenderHtmlText(canvas, caption, r, o, result);
}

}  // namespace grid
