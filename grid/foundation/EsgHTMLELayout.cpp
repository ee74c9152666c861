// The line-layout walk of the mini-HTML renderer: text runs, line fitting, run painting and the anchor hit test.
#include <algorithm>

#include "grid/foundation/EsgHTMLELayout.h"
#include "platform/gfx/Canvas.h"

namespace grid::html {

namespace {

unsigned RunFlags(const TRenderContext& ctx)
{
    unsigned flags = gfx::DT_BOTTOM | gfx::DT_SINGLELINE | gfx::DT_EXPANDTABS | gfx::DT_EXTERNALLEADING;
    if (!ctx.Opt.WrapWords) flags |= gfx::DT_END_ELLIPSIS;
    return flags;
}

// A red wavy line under the run, two pixels per step.
void DrawErrorWave(gfx::TCanvas& canvas, int left, int right, int bottom)
{
    int x = (left / 2) * 2;
    const int base = bottom - 1 + ((x % 4 == 0) ? 2 : 0);
    canvas.Pen().SetColor(gfx::clRed);
    canvas.Pen().SetWidth(1);
    int offset = 0;
    canvas.MoveTo(x, base);
    while (x < right) {
        x += 2;
        offset = offset == 0 ? -2 : 0;
        canvas.LineTo(x, base + offset);
    }
}

void PaintRun(TRenderContext& ctx, TFlowState& flow, const std::string& run, int width, const rtl::TRect& rect,
              const TLineInfo& line, TLineCursor& cur)
{
    gfx::TCanvas& canvas = ctx.Canvas;
    rtl::TRect r = rtl::Rect(cur.CurLeft, rect.Top, rect.Right, rect.Bottom - line.SubOff - line.ImgOff);
    if (flow.Sub) r.Bottom += line.SubOff;
    if (flow.Sup) r.Bottom -= line.SupOff;
    const unsigned flags = RunFlags(ctx);
    if (flow.BackColor != gfx::clNone) {
        canvas.SetBkMode(gfx::OPAQUE);
        canvas.SetBkColor(flow.BackColor);
    } else {
        canvas.SetBkMode(gfx::TRANSPARENT);
    }
    if (flow.Shadow) {
        TFontState shadow = flow.Font;
        shadow.Color = ctx.Opt.ShadowColor;
        ctx.ApplyFont(shadow);
        const int mode = canvas.BkMode();
        canvas.SetBkMode(gfx::TRANSPARENT);
        rtl::TRect s = r;
        rtl::OffsetRect(s, ctx.Opt.ShadowShift, ctx.Opt.ShadowShift);
        canvas.DrawText(run, s, flags);
        canvas.SetBkMode(mode);
    }
    ctx.ApplyFont(flow.Font);
    canvas.DrawText(run, r, flags);
    canvas.SetBkMode(gfx::TRANSPARENT);
    if (flow.InAnchor && flow.AnchorCount - 1 == ctx.Opt.FocusedAnchor) ctx.Res.FocusedAnchorRef = flow.Href;
    if (flow.ErrorMark) DrawErrorWave(canvas, cur.CurLeft, cur.CurLeft + width, rect.Bottom);
    cur.CurLeft += width;
}

// A run inside an anchor with an HREF under the point (hit-testing pass).
void AnchorHitTest(TRenderContext& ctx, const TFlowState& flow, const rtl::TRect& rect, TLineInfo& line,
                   int before, int after)
{
    if (!flow.InAnchor || flow.Href.empty()) return;
    const int x = ctx.Opt.PointX - rect.Left;
    if (x < before || after < x) return;
    line.AnchorHit = true;
    // Only the line under the point reports its anchor; a line above it with an anchor at
    // the same x must not.
    if (ctx.Opt.PointY > rect.Top && ctx.Opt.PointY < rect.Bottom) {
        ctx.Res.AnchorAtPoint = flow.Href;
        ctx.Res.AnchorTitleAtPoint = flow.Title;
        ctx.AnchorPending = true;
    }
}

// Lays out one text run; returns false when the run stays for the next line.
bool LayoutRun(TRenderContext& ctx, TFlowState& flow, std::string_view raw, const rtl::TRect& rect, TLineInfo& line,
               TLineCursor& cur)
{
    const std::string run = DecodeRun(raw);
    if (run.empty()) return true;
    const int h = ctx.TextHeight(flow.Font, run);
    if (flow.Sub) line.SubOff = std::max(line.SubOff, h / 4);
    if (flow.Sup) line.SupOff = std::max(line.SupOff, h / 4);
    line.Height = std::max(line.Height, h);
    ctx.Res.PlainText += run;
    if (flow.Hidden) return true;  // hidden text adds nothing to the line

    const int width = ctx.TextWidth(flow.Font, run);
    const int before = cur.XAdv;
    if (cur.Painting())
        PaintRun(ctx, flow, run, width, rect, line, cur);
    else if (cur.Mode == TPassMode::HitTest)
        AnchorHitTest(ctx, flow, rect, line, before, before + width);
    cur.XAdv += width;
    cur.LastRun = run;

    // The second pass lays out exactly what the measuring pass put on the line.
    bool fits = cur.Mode != TPassMode::Measure;
    if (!fits) {
        // A word wider than the whole line stays on a line of its own and is not split.
        fits = cur.XAdv < rect.Width() || (width >= rect.Width() && before == 0);
        if (!fits && !cur.Accum.empty() && cur.Accum.back() != ' ') fits = true;  // a word split by a tag
    }
    cur.Accum += run;
    if (fits || !ctx.Opt.WrapWords) {
        cur.TrailingBlank = (raw.find('&') == std::string_view::npos && run.back() == ' ')
                                ? ctx.TextWidth(flow.Font, " ")
                                : 0;
        if (!fits && before > 0) line.DropRest = true;  // one line only: the rest is not laid out
        return true;
    }
    cur.LineBreak = true;
    cur.XAdv -= width;
    return false;
}

}  // namespace

std::size_t LayoutLine(TRenderContext& ctx, TFlowState& flow, std::string_view text, TPassMode mode,
                       const rtl::TRect& rect, TLineInfo& line)
{
    TLineCursor cur;
    cur.Mode = mode;
    cur.CurLeft = rect.Left;
    if (cur.Painting() && flow.ParaBack) {
        ctx.Canvas.Brush().SetStyle(gfx::bsSolid);
        ctx.Canvas.Brush().SetColor(flow.ParaColor);
        ctx.Canvas.FillRect(rtl::Rect(ctx.Bounds.Left, rect.Top, ctx.Bounds.Right, rect.Top + line.Height));
        ctx.Canvas.Brush().SetStyle(gfx::bsClear);
    }

    std::size_t pos = 0;
    while (pos < text.size() && !cur.LineBreak && !cur.Full && !line.DropRest) {
        // The next run: up to the next "<"; with word wrap, up to and including a blank.
        const std::size_t lt = text.find('<', pos);
        std::size_t end = lt == std::string_view::npos ? text.size() : lt;
        if (ctx.Opt.WrapWords) {
            const std::size_t blank = text.find(' ', pos);
            if (blank != std::string_view::npos && blank < end) end = blank + 1;
        }
        if (end > pos) {
            if (!LayoutRun(ctx, flow, text.substr(pos, end - pos), rect, line, cur)) break;
            pos = end;
            if (line.DropRest) break;
        }

        const std::size_t remaining = text.size() - pos;
        if (remaining > 0 && text[pos] == '<' && remaining <= 2) {
            line.DropRest = true;  // a "<" followed by at most one character is dropped
            break;
        }
        if (remaining == 0 || text[pos] != '<' || cur.LineBreak) continue;
        if (remaining < 3) break;

        const std::size_t gt = text.find('>', pos);
        const std::string_view tagText = text.substr(pos, gt == std::string_view::npos ? remaining : gt - pos + 1);
        TTag tag = RecogniseTag(tagText);
        if (tag.Closing && remaining <= 3) tag = TTag{};  // too short to be a closing tag
        cur.MadeFull = false;
        switch (tag.Kind) {
        case TTagKind::Image:
            if (!tag.Closing) LayoutImage(ctx, flow, tagText, rect, line, cur);
            break;
        case TTagKind::Control:
            if (!tag.Closing) LayoutControl(ctx, flow, tagText, rect, line, cur);
            break;
        default: ApplyTextTag(ctx, flow, tag, tagText, rect, line, cur); break;
        }
        if (gt == std::string_view::npos) {
            // An unclosed tag ends the text, unless the line is full and it waits for the next.
            if (!cur.Full) line.DropRest = true;
            break;
        }
        // A tag that filled the line stays in the text and is laid out on the next line.
        if (cur.MadeFull) break;
        pos = gt + 1;
    }

    cur.XAdv -= cur.TrailingBlank;
    line.Width = cur.XAdv;
    ctx.Res.ContentWidth = std::max(ctx.Res.ContentWidth, cur.XAdv);
    if (cur.Painting() && flow.InAnchor && flow.AnchorCount - 1 == ctx.Opt.FocusedAnchor) {
        // The focused anchor goes on to the next line: draw this line's part of its frame.
        rtl::TRect f = ctx.FocusRect;
        f.Right = cur.CurLeft;
        f.Bottom = rect.Bottom;
        rtl::InflateRect(f, 1, 1);
        ctx.Canvas.DrawFocusRect(f);
        ctx.FocusRect = rtl::Rect(rect.Left + 1, rect.Bottom, rect.Left + 1, rect.Bottom);
    }
    return pos;
}

}  // namespace grid::html
