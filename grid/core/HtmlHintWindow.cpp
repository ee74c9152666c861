// The hint window that shows mini-HTML (with the images of a grid's lists) or a unicode-escaped line, kept on the display.
#include "grid/core/HtmlHintWindow.h"

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "grid/foundation/PictureContainer.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"

namespace grid {

namespace {

// The width the text is laid out in before the window takes the text's own size.
constexpr int MeasuringWidth = 1008;
// What the window adds around the text: HTML text, and the single line of a wide text.
constexpr int HtmlExtraWidth = 16;
constexpr int WideExtraWidth = 8;
constexpr int ExtraHeight = 4;
// Distance kept from the display's right and bottom edges.
constexpr int ScreenMargin = 2;

THtmlRenderOptions HintRenderOptions(const gfx::TImageList* images, TPictureContainer* pictures, bool measure)
{
    THtmlRenderOptions o;
    o.ImageList = images;
    o.Pictures = pictures;
    o.MeasureOnly = measure;
    o.ShadowColor = gfx::TColor(0x808080);
    o.AnchorColor = gfx::clBlue;
    return o;
}

}  // namespace

std::string& HintFontName()
{
    static std::string name = "Tahoma";
    return name;
}

ui::THintWindow* NewHTMLHintWindow(rtl::TComponent* AOwner)
{
    return new THTMLHintWindow(AOwner);
}

THTMLHintWindow::THTMLHintWindow(rtl::TComponent* AOwner) : ui::THintWindow(AOwner)
{
    // The window draws its own frame, and casts a shadow on what lies below it.
    FBorderThickness = 0;
    SetDropShadow(true);
}

bool THTMLHintWindow::IsWide() const
{
    return DetectCellTextKind(Caption(), true) == ctkUnicodeEscaped;
}

// A unicode-escaped text is one line in the shared hint font; any other text is laid out by
// the HTML renderer, plain text included.
rtl::TSize THTMLHintWindow::MeasureText(const std::string& hint, int maxWidth)
{
    gfx::TBitmap scratch;
    scratch.SetSize(1, 1);
    gfx::TCanvas& canvas = scratch.Canvas();
    canvas.Font().Assign(&Font());
    if (DetectCellTextKind(hint, true) == ctkUnicodeEscaped) {
        canvas.Font().SetName(HintFontName());
        rtl::TRect r = rtl::Rect(0, 0, 0, 0);
        canvas.DrawText(DecodeUnicodeEscapes(hint), r, gfx::DT_NOPREFIX | gfx::DT_CALCRECT | gfx::DT_SINGLELINE);
        return {r.Width(), r.Height()};
    }
    THtmlRenderResult result;
    RenderHtmlText(canvas, hint, rtl::Rect(0, 0, maxWidth, 0), HintRenderOptions(FImages, FPictureContainer, true),
                   result);
    return {result.ContentWidth, result.ContentHeight};
}

rtl::TRect THTMLHintWindow::CalcHintRect(int maxWidth, const std::string& hint, void* /*data*/)
{
    const rtl::TSize size = MeasureText(hint, maxWidth > 0 ? maxWidth : MeasuringWidth);
    return rtl::Rect(0, 0, size.cx, size.cy);
}

void THTMLHintWindow::ActivateHint(const rtl::TRect& rect, const std::string& hint)
{
    SetCaption(hint);
    const bool wide = IsWide();
    if (wide) FWideCaption = DecodeUnicodeEscapes(hint);
    const rtl::TSize size = MeasureText(hint, MeasuringWidth);
    FTextWidth = size.cx;
    FTextHeight = size.cy;
    rtl::TRect r = rect;
    r.Right = r.Left + FTextWidth + (wide ? WideExtraWidth : HtmlExtraWidth);
    r.Bottom = r.Top + FTextHeight + ExtraHeight;
    // Kept on the display: a window that would stick out moves back inside.
    const int screenRight = ui::Screen().Width();
    const int screenBottom = ui::Screen().Height();
    if (r.Right > screenRight) rtl::OffsetRect(r, screenRight - ScreenMargin - r.Right, 0);
    if (r.Bottom > screenBottom) rtl::OffsetRect(r, 0, screenBottom - ScreenMargin - r.Bottom);
    SetBounds(r.Left, r.Top, r.Width(), r.Height());
    Show();
    Invalidate();
}

void THTMLHintWindow::ActivateHintData(const rtl::TRect& rect, const std::string& hint, void* data)
{
    if (auto* grid = dynamic_cast<TExtStringGrid*>(static_cast<rtl::TObject*>(data))) {
        FImages = dynamic_cast<gfx::TImageList*>(grid->GridImages());
        FPictureContainer = dynamic_cast<TPictureContainer*>(grid->PictureContainer());
    }
    ActivateHint(rect, hint);
}

void THTMLHintWindow::Paint()
{
    gfx::TCanvas& canvas = Canvas();
    const rtl::TRect client = ClientRect();
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.FillRect(client);
    canvas.Pen().SetColor(gfx::cl3DLight);
    canvas.MoveTo(client.Left, client.Bottom - 2);
    canvas.LineTo(client.Left, client.Top);
    canvas.LineTo(client.Right - 1, client.Top);
    canvas.Pen().SetColor(gfx::cl3DDkShadow);
    canvas.MoveTo(client.Left, client.Bottom - 1);
    canvas.LineTo(client.Right - 1, client.Bottom - 1);
    canvas.LineTo(client.Right - 1, client.Top - 1);
    rtl::TRect text = client;
    text.Left += 4;
    text.Right -= 4;
    text.Top += (client.Height() - FTextHeight) / 2;
    text.Bottom = text.Top + FTextHeight + 8;
    canvas.Font().Assign(&Font());
    canvas.Brush().SetStyle(gfx::bsClear);
    if (IsWide()) {
        canvas.Font().SetName(HintFontName());
        canvas.DrawText(FWideCaption, text, gfx::DT_NOPREFIX | gfx::DT_SINGLELINE);
        return;
    }
    THtmlRenderResult result;
    RenderHtmlText(canvas, Caption(), text, HintRenderOptions(FImages, FPictureContainer, false), result);
}

// A new caption only repaints; the window keeps its size.
void THTMLHintWindow::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::CM_TEXTCHANGED) {
        Invalidate();
        return;
    }
    ui::THintWindow::WndProc(Message);
}

}  // namespace grid
