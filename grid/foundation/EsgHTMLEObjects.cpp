// Objects of the mini-HTML renderer: images, body backgrounds, system icons and inline form controls.
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "grid/foundation/EsgHTMLELayout.h"
#include "grid/foundation/PictureContainer.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/FrameControls.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

namespace grid {

void DrawSystemIcon(gfx::TCanvas& canvas, int x, int y, int& width, int& height, double scale, bool print,
                    bool draw, bool large, const std::string& name)
{
    // Our desktop has no shell image list: every file and icon number shows the generic
    // document icon, folders the generic folder icon, in the list's small or large size.
    const int size = large ? 32 : 16;
    width = height = size;
    if (!draw) return;
    std::error_code ec;
    const bool folder = !name.empty() && std::filesystem::is_directory(rtl::MapPath(name), ec);
    gfx::TBitmap icon(size, size);
    gfx::TCanvas& c = icon.Canvas();
    c.Brush().SetColor(gfx::clWhite);
    c.FillRect(rtl::Rect(0, 0, size, size));
    c.Pen().SetColor(gfx::clGray);
    c.Brush().SetColor(folder ? gfx::RGB(255, 214, 90) : gfx::clWhite);
    if (folder) c.Rectangle(1, size / 4, size - 1, size - 2);
    else c.Rectangle(size / 5, 1, size - size / 5, size - 1);
    icon.SetTransparent(true);
    if (print) {
        const int w = static_cast<int>(std::lround(size * scale));
        const int h = static_cast<int>(std::lround(size * scale));
        canvas.StretchDraw(rtl::Rect(x, y, x + w, y + h), icon);
    } else {
        canvas.Draw(x, y, icon);
    }
}

namespace html {

namespace {

enum class TFloatSide { None, Left, Right };

// The picture an image source names: by name in the container, by URL in the cache (loaded
// on first use).
THTMLPicture* FindPicture(TRenderContext& ctx, const std::string& src)
{
    if (src.find(':') == std::string::npos) {
        return ctx.Opt.Pictures ? ctx.Opt.Pictures->FindPicture(src) : nullptr;
    }
    if (src.find("://") == std::string::npos || !ctx.Opt.PictureCache) return nullptr;
    THTMLPictureCache& cache = *ctx.Opt.PictureCache;
    if (!cache.FindPicture(src)) {
        THTMLPicture* p = cache.AddPicture();
        p->SetAsynch(false);
        p->LoadFromURL(src);
    }
    return cache.FindPicture(src);
}

bool StartsNoCase(std::string_view text, std::string_view prefix) { return HtmlFindNoCase(text.substr(0, prefix.size()), prefix) == 0; }

// The object's place on the line: hit test and fit. Returns false when the line is full.
bool FitObject(TRenderContext& ctx, TFlowState& flow, const rtl::TRect& rect, TLineInfo& line, TLineCursor& cur,
               int advance, int height, int gap, bool anchorOnly, const TControlTag* control)
{
    if (cur.Mode != TPassMode::Measure) {
        const int x = ctx.Opt.PointX - rect.Left;
        const bool under = x > cur.XAdv && x < cur.XAdv + advance && ctx.Opt.PointY > rect.Top &&
                           ctx.Opt.PointY < rect.Top + height;
        if (anchorOnly) {
            if (under && flow.InAnchor && !flow.Href.empty()) {
                line.ObjectHit = true;
                ctx.Res.AnchorAtPoint = flow.Href;
                ctx.Res.AnchorTitleAtPoint = flow.Title;
            }
        } else if (under || (ctx.Opt.HitTestOnly && !ctx.Res.ControlIDAtPoint.empty() &&
                             ctx.Res.ControlIDAtPoint == control->ID)) {
            line.ObjectHit = true;
            ctx.Res.AnchorAtPoint = "ctrl";
            ctx.Res.ControlRectAtPoint = rtl::Bounds(rect.Left + cur.XAdv, rect.Top, advance, height);
            ctx.Res.ControlValueAtPoint = control->Value;
            ctx.Res.ControlIDAtPoint = control->ID;
            ctx.Res.ControlTypeAtPoint = control->Type;
        }
    }
    cur.TrailingBlank = 0;
    if (cur.Mode == TPassMode::Measure && rect.Width() < cur.XAdv + advance && advance < rect.Width()) {
        cur.Full = true;
        cur.MadeFull = true;
        return false;
    }
    cur.XAdv += advance + gap;
    cur.CurLeft += advance + gap;
    line.Height = std::max(line.Height, height);
    return true;
}

struct TObjectSize {
    int Advance = 0;
    int Height = 0;
    int DrawnW = 0;
    int DrawnH = 0;
};

TObjectSize ImageListImage(TRenderContext& ctx, std::string_view src, int x, int y, bool painting)
{
    TObjectSize s;
    const gfx::TImageList* list = ctx.Opt.ImageList;
    const int index = HtmlLeadingNumber(src.substr(4));
    if (!list || index >= list->Count()) return s;
    s.Advance = s.DrawnW = TRenderContext::RoundEven(list->Width() * ctx.Dpi);
    s.Height = s.DrawnH = TRenderContext::RoundEven(list->Height() * ctx.Dpi);
    if (!painting) return s;
    if (!ctx.Opt.ForPrinter) {
        list->Draw(ctx.Canvas, x, y, index, true);
    } else {
        gfx::TBitmap bitmap;
        list->GetBitmap(index, bitmap);
        ctx.Canvas.StretchDraw(rtl::Bounds(x, y, TRenderContext::RoundEven(list->Width() * ctx.Zoom),
                                           TRenderContext::RoundEven(list->Height() * ctx.Zoom)),
                               bitmap);
    }
    return s;
}

TObjectSize PictureImage(TRenderContext& ctx, THTMLPicture* picture, int wAttr, int hAttr, int x, int y,
                         bool painting)
{
    TObjectSize s;
    // A picture that loaded but did not decode has size 0 and counts as absent, so a
    // single WIDTH or HEIGHT never divides by zero.
    if (!picture || picture->Empty() || picture->Width() <= 0 || picture->Height() <= 0) return s;
    const int pw = picture->Width();
    const int ph = picture->Height();
    const bool sized = wAttr > 0 || hAttr > 0;
    if (wAttr > 0 && hAttr > 0) {
        s.DrawnW = wAttr;
        s.DrawnH = hAttr;
    } else if (wAttr > 0) {
        s.DrawnW = wAttr;
        s.DrawnH = TRenderContext::RoundEven(static_cast<long double>(ph) * wAttr / pw);
    } else if (hAttr > 0) {
        s.DrawnW = TRenderContext::RoundEven(static_cast<long double>(pw) * hAttr / ph);
        s.DrawnH = hAttr;
    } else {
        s.DrawnW = TRenderContext::RoundEven(pw * ctx.Dpi);
        s.DrawnH = TRenderContext::RoundEven(ph * ctx.Dpi);
    }
    if (painting) {
        gfx::TCanvas& c = ctx.Canvas;
        if (sized) {
            picture->SetStretch(true);
        } else if (picture->FrameCount() > 1) {
            // The animation's whole area is cleared first; the frame shown is drawn at the
            // draw position (each decoded frame already sits at its own place in the area).
            c.Pen().SetColor(ctx.EntryBrushColor);
            c.Brush().SetStyle(gfx::bsSolid);
            c.Brush().SetColor(ctx.EntryBrushColor);
            c.FillRect(rtl::Bounds(x, y, pw, ph));
            c.Brush().SetStyle(gfx::bsClear);
        }
        picture->Draw(c, rtl::Bounds(x, y, s.DrawnW, s.DrawnH));
    }
    s.Advance = sized ? s.DrawnW : TRenderContext::RoundEven(pw * ctx.Dpi);
    s.Height = sized ? s.DrawnH : TRenderContext::RoundEven(ph * ctx.Dpi);
    return s;
}

}  // namespace

void LayoutImage(TRenderContext& ctx, TFlowState& flow, std::string_view tagText, const rtl::TRect& rect,
                 TLineInfo& line, TLineCursor& cur)
{
    const std::string up = HtmlUpperAscii(tagText);
    const int x = cur.CurLeft;
    const int y = rect.Top;
    // The source keeps its case, so that file paths resolve on a case-sensitive file system;
    // prefixes and container names are compared without case.
    const std::string src = QuotedValue(tagText, "SRC");
    bool found = false;
    std::string_view v = ValueAfter(up, "WIDTH", &found);
    const int wAttr = found ? TRenderContext::RoundEven(HtmlLeadingNumber(v) * ctx.Dpi) : 0;
    v = ValueAfter(up, "HEIGHT", &found);
    const int hAttr = found ? TRenderContext::RoundEven(HtmlLeadingNumber(v) * ctx.Dpi) : 0;
    const std::string align = QuotedValue(up, "ALIGN", &found);
    const bool hasAlign = found;
    const std::string side = QuotedValue(up, "FLOAT");
    const TFloatSide floatSide = side == "LEFT" ? TFloatSide::Left : side == "RIGHT" ? TFloatSide::Right : TFloatSide::None;
    const bool wrap = HtmlFindNoCase(up, "WRAP") != std::string::npos;
    const bool painting = cur.Painting();

    TObjectSize s;
    if (StartsNoCase(src, "IDX:")) {
        s = ImageListImage(ctx, src, x, y, painting);
    } else if (StartsNoCase(src, "SSYS:") || StartsNoCase(src, "LSYS:")) {
        int w = 0, h = 0;
        DrawSystemIcon(ctx.Canvas, x, y, w, h, ctx.Zoom, ctx.Opt.ForPrinter, painting, StartsNoCase(src, "LSYS:"),
                       src.substr(5));
        s.Advance = s.DrawnW = TRenderContext::RoundEven(w * ctx.Dpi);
        s.Height = s.DrawnH = TRenderContext::RoundEven(h * ctx.Dpi);
    } else {
        s = PictureImage(ctx, FindPicture(ctx, src), wAttr, hAttr, x, y, painting);
    }

    if (!FitObject(ctx, flow, rect, line, cur, s.Advance, s.Height, 2, true, nullptr)) return;

    const int t = ctx.GhHeightOf(flow.Font);
    if (hasAlign && align.rfind("TOP", 0) == 0) line.ImgOff = std::max(0, line.Height - t);
    else if (hasAlign && align.rfind("MIDDLE", 0) == 0) line.ImgOff = std::max(0, line.Height - t) / 2;
    if (wrap) {
        line.Height = t;
        line.ImgOff = 0;
    }
    if (floatSide != TFloatSide::None) {
        line.ImgOff = std::max(0, line.Height - t);
        if (floatSide == TFloatSide::Left) ctx.FloatLeftW = s.DrawnW + 2;
        else ctx.FloatRightW = s.DrawnW + 2;
        ctx.FloatHeight = s.DrawnH;
        line.Height = t;  // the text runs beside the floating image
        line.ImgOff = 0;
        if (floatSide == TFloatSide::Right) cur.XAdv = std::max(cur.XAdv, rect.Width());
    }
}

void PaintBody(TRenderContext& ctx, TFlowState& flow, std::string_view tagText)
{
    gfx::TCanvas& c = ctx.Canvas;
    const std::string up = HtmlUpperAscii(tagText);
    bool found = false;
    const std::string background = QuotedValue(tagText, "BACKGROUND", &found);
    if (found && !background.empty()) {
        THTMLPicture* p = FindPicture(ctx, background);
        if (p && !p->Empty() && p->Width() > 0 && p->Height() > 0) {
            const int level = c.SaveState();
            const rtl::TRect area = rtl::Rect(ctx.Bounds.Left + 1, ctx.Bounds.Top, ctx.Bounds.Right, ctx.Bounds.Bottom);
            c.IntersectClipRect(area);
            for (int y = area.Top; y < area.Bottom; y += p->Height())
                for (int x = area.Left; x < area.Right; x += p->Width())
                    p->Draw(c, rtl::Bounds(x, y, p->Width(), p->Height()));
            c.RestoreState(level);
        }
    }
    const std::string bg = QuotedValue(up, "BGCOLOR", &found);
    if (!found) return;
    gfx::TColor color = gfx::clBlack;
    if (bg.find("CL") != std::string::npos || bg.find('#') != std::string::npos) color = ColorValue(bg);
    flow.BackColor = color;
    flow.SavedBackColor = color;
    const gfx::TColor pen = c.Pen().Color();
    c.Pen().SetColor(color);
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(color);
    c.FillRect(ctx.Bounds);
    c.Brush().SetStyle(gfx::bsClear);
    c.Pen().SetColor(pen);
}

namespace {

bool Hot(const TRenderContext& ctx, int l, int w, int b, int controlHeight)
{
    return ctx.Opt.PointX > l - 2 && ctx.Opt.PointX < l + w - 2 && ctx.Opt.PointY > b - controlHeight - 2 &&
           ctx.Opt.PointY < b - 2;
}

void DrawThemed(const char* themeClass, gfx::TCanvas& canvas, int part, int state, const rtl::TRect& r)
{
    gfx::HTHEME theme = gfx::OpenThemeData(themeClass);
    if (theme) gfx::DrawThemeBackground(theme, canvas, part, state, r);
    gfx::CloseThemeData(theme);
}

void DrawEditBox(TRenderContext& ctx, int l, int b, int w, int h)
{
    gfx::TCanvas& c = ctx.Canvas;
    c.Pen().SetColor(ctx.Themed ? gfx::ColorValue(0xB99D7F) : gfx::clGray);
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(gfx::clWhite);
    c.Rectangle(l, b - h + 4, l + w, b + 2);
    c.Brush().SetStyle(gfx::bsClear);
}

// Control values are shown as they are: an "&" in a value is a character, not a prefix.
void DrawValue(TRenderContext& ctx, const std::string& text, rtl::TRect r, unsigned extra)
{
    ctx.Canvas.SetBkMode(gfx::TRANSPARENT);
    ctx.Canvas.DrawText(text, r, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX | extra);
}

void PaintControl(TRenderContext& ctx, const TControlTag& t, int l, int b, int w, int h, int heightAttr)
{
    gfx::TCanvas& c = ctx.Canvas;
    const bool checked = rtl::UpperCase(t.Value) == "TRUE";
    if (t.Type == "EDIT" || t.Type == "PASSWORD" || t.Type == "MASK") {
        DrawEditBox(ctx, l, b, w, h);
        const std::string shown = t.Type == "PASSWORD" ? std::string(rtl::Utf8Length(t.Value), '*') : t.Value;
        DrawValue(ctx, shown, rtl::Rect(l + 2, b - h + 4, l + w, b), 0);
    } else if (t.Type == "COMBO") {
        DrawEditBox(ctx, l, b, w, h);
        DrawValue(ctx, t.Value, rtl::Rect(l + 4, b - h + 4, l + w - 18, b), 0);
        rtl::TRect button = rtl::Rect(l + w - 18, b - h + 5, l + w - 1, b + 1);
        if (ctx.Themed)
            DrawThemed("combobox", c, gfx::CP_DROPDOWNBUTTON, Hot(ctx, l, w, b, 25) ? gfx::CBXS_HOT : gfx::CBXS_NORMAL,
                       button);
        else
            gfx::DrawFrameControl(c, button, gfx::DFC_SCROLL, gfx::DFCS_SCROLLCOMBOBOX);
    } else if (t.Type == "CHECK") {
        const int s = TRenderContext::RoundEven(16 * ctx.Zoom);
        rtl::TRect box = rtl::Rect(l + 2, b - s + 1, l + s - 1, b);
        if (ctx.Themed)
            DrawThemed("button", c, gfx::BP_CHECKBOX, checked ? gfx::CBS_CHECKEDNORMAL : gfx::CBS_UNCHECKEDNORMAL, box);
        else
            gfx::DrawFrameControl(c, box, gfx::DFC_BUTTON,
                                  gfx::DFCS_BUTTONCHECK | gfx::DFCS_FLAT | (checked ? gfx::DFCS_CHECKED : 0));
    } else if (t.Type == "RADIO") {
        rtl::TRect box = rtl::Rect(l + 2, b - 14, l + 14, b);
        if (ctx.Themed)
            DrawThemed("button", c, gfx::BP_RADIOBUTTON, checked ? gfx::RBS_CHECKEDNORMAL : gfx::RBS_UNCHECKEDNORMAL, box);
        else
            gfx::DrawFrameControl(c, box, gfx::DFC_BUTTON,
                                  gfx::DFCS_BUTTONRADIO | gfx::DFCS_FLAT | (checked ? gfx::DFCS_CHECKED : 0));
    } else if (t.Type == "BUTTON") {
        rtl::TRect box = rtl::Rect(l + 2, b - heightAttr, l + w - 2, b);
        const bool hot = Hot(ctx, l, w, b, 24);
        const bool pressed = ctx.Opt.ControlPressed && ctx.Opt.PressedControlID == t.ID;
        if (ctx.Themed)
            DrawThemed("button", c, gfx::BP_PUSHBUTTON, pressed ? gfx::PBS_PRESSED : hot ? gfx::PBS_HOT : gfx::PBS_NORMAL,
                       box);
        else
            gfx::DrawFrameControl(c, box, gfx::DFC_BUTTON,
                                  gfx::DFCS_BUTTONPUSH | (hot && pressed ? gfx::DFCS_PUSHED : 0));
        rtl::TRect caption = box;
        rtl::InflateRect(caption, -2, -2);
        DrawValue(ctx, t.Value, caption, gfx::DT_CENTER);
    }
}

}  // namespace

void LayoutControl(TRenderContext& ctx, TFlowState& flow, std::string_view tagText, const rtl::TRect& rect,
                   TLineInfo& line, TLineCursor& cur)
{
    const TControlTag t = ParseControlTag(tagText);
    // A WIDTH that is not a number counts by its leading digits; without digits the control
    // is left out, as when WIDTH is missing.
    bool digits = false;
    const int w = HtmlLeadingNumber(t.Width, &digits);
    if (!digits) return;
    int heightAttr = 25;
    if (!HtmlStrictNumber(t.Height, heightAttr)) heightAttr = 25;

    int advance = w;
    int height = ctx.GhHeightOf(flow.Font) + 10;
    line.Height = (t.Type == "CHECK" || t.Type == "RADIO") ? 16 : 23;
    if (heightAttr > 25) line.Height = heightAttr - 2;
    if (cur.Painting()) {
        ctx.ApplyFont(flow.Font);
        PaintControl(ctx, t, cur.CurLeft, rect.Bottom, w, line.Height, heightAttr);
    }
    if (t.Type == "BUTTON" || t.Type == "COMBO") height = 25;
    if (t.Type == "CHECK" || t.Type == "RADIO") {
        advance = TRenderContext::RoundEven(16 * ctx.Zoom);
        height = 16;
    }
    FitObject(ctx, flow, rect, line, cur, advance, height, 0, false, &t);
}

}  // namespace html
}  // namespace grid
