// Effects of the mini-HTML text tags on the running font, anchors, paragraphs, lists and colours of one line pass.
#include <algorithm>

#include "grid/foundation/EsgHTMLELayout.h"
#include "platform/gfx/Canvas.h"

namespace grid::html {

namespace {

// The largest font size a tag can ask for, in points.
constexpr int kMaxPoints = 1638;

// ALIGN or FLOAT of a paragraph: quoted, or a bare word up to a blank or ">".
std::string WordValue(std::string_view tagUp, std::string_view name)
{
    bool found = false;
    const std::string_view v = ValueAfter(tagUp, name, &found);
    if (!found) return {};
    std::size_t n = 0;
    while (n < v.size() && v[n] != '"' && v[n] != '\'' && v[n] != ' ' && v[n] != '>') ++n;
    return std::string(v.substr(0, n));
}

// "FONT-SIZE:" number "PT" of a FONT tag's STYLE; 0 when it is not in that form.
int StylePointSize(std::string_view style)
{
    constexpr std::string_view key = "FONT-SIZE:";
    if (style.substr(0, key.size()) != key) return 0;
    std::size_t i = key.size();
    while (i < style.size() && style[i] == ' ') ++i;
    bool digits = false;
    const int n = HtmlLeadingNumber(style.substr(i), &digits);
    if (!digits) return 0;
    while (i < style.size() && style[i] >= '0' && style[i] <= '9') ++i;
    while (i < style.size() && style[i] == ' ') ++i;
    return style.substr(i, 2) == "PT" ? n : 0;
}

// The value of a BODY style setting: one character after the name, cut at ";", "'" or '"'.
std::string BodySetting(std::string_view tagUp, std::string_view name, bool& found)
{
    const std::size_t at = HtmlFindNoCase(tagUp, name);
    found = at != std::string_view::npos;
    if (!found || at + name.size() + 1 > tagUp.size()) return {};
    std::string_view v = tagUp.substr(at + name.size() + 1);
    const std::size_t cut = v.find_first_of(";'\"");
    if (cut != std::string_view::npos) v = v.substr(0, cut);
    return std::string(v);
}

void ApplyBodyFont(TRenderContext& ctx, TFlowState& flow, std::string_view tagUp, TLineInfo& line, TLineCursor& cur)
{
    bool found = false;
    const std::string family = QuotedValue(tagUp, "FONT-FAMILY", &found);
    if (found && !family.empty()) flow.Font.Name = family;
    std::string size = BodySetting(tagUp, "FONT-SIZE", found);
    if (found) {
        if (size.find("PT") != std::string::npos && size.size() >= 2) size.resize(size.size() - 2);
        int points = 0;
        if (HtmlStrictNumber(size, points) && points > 0) {
            flow.Font.Size = std::min(points, kMaxPoints);
            const std::string probe = cur.LastRun.empty() ? std::string("gh") : cur.LastRun;
            line.Height = std::max(line.Height, ctx.TextHeight(flow.Font, probe));
        }
    }
    const std::string style = BodySetting(tagUp, "FONT-STYLE", found);
    if (found) {
        if (style.rfind("BOLD", 0) == 0) flow.Font.Style = gfx::TFontStyles{gfx::fsBold};
        else if (style.rfind("ITALIC", 0) == 0) flow.Font.Style = gfx::TFontStyles{gfx::fsItalic};
    }
}

void SetStyle(TFlowState& flow, gfx::TFontStyle style, bool on)
{
    if (on) flow.Font.Style.Include(style);
    else flow.Font.Style.Exclude(style);
}

void OpenAnchor(TRenderContext& ctx, TFlowState& flow, std::string_view tagText, const rtl::TRect& rect, TLineCursor& cur)
{
    const THtmlRenderOptions& o = ctx.Opt;
    if (cur.Painting() && flow.AnchorCount == o.FocusedAnchor)
        ctx.FocusRect = rtl::Rect(cur.CurLeft, rect.Top, cur.CurLeft, rect.Top);
    ++flow.AnchorCount;
    const bool hovered = flow.AnchorCount == o.HoveredAnchor;
    if (cur.Painting() && (!o.HoverOnlyStyle || hovered)) {
        SetStyle(flow, gfx::fsUnderline, true);
        if (o.HoverBackColor != gfx::clNone) {
            flow.HoverSavedBack = flow.BackColor;
            flow.BackColor = o.HoverBackColor;
        }
        if (o.HoverTextColor != gfx::clNone) {
            flow.HoverSavedText = flow.Font.Color;
            flow.Font.Color = o.HoverTextColor;
        }
    }
    if (!o.KeepTextColor && (o.HoverTextColor == gfx::clNone || !hovered || !o.HoverOnlyStyle))
        flow.Font.Color = o.AnchorColor;
    bool hasHref = false;
    const std::string href = QuotedValue(tagText, "HREF", &hasHref);
    if (hasHref) {
        flow.InAnchor = true;
        flow.Href = href;
        flow.Title = QuotedValue(tagText, "TITLE");
    }
    flow.AnchorStartX = cur.XAdv;
    flow.AnchorStartTop = rect.Top;
}

void CloseAnchor(TRenderContext& ctx, TFlowState& flow, const rtl::TRect& rect, TLineInfo& line, TLineCursor& cur)
{
    const THtmlRenderOptions& o = ctx.Opt;
    const bool hovered = flow.AnchorCount == o.HoveredAnchor;
    if (cur.Painting() && (!o.HoverOnlyStyle || hovered)) {
        SetStyle(flow, gfx::fsUnderline, false);
        if (o.HoverBackColor != gfx::clNone) flow.BackColor = flow.HoverSavedBack;
        if (o.HoverTextColor != gfx::clNone) flow.Font.Color = flow.HoverSavedText;
    }
    if (!o.KeepTextColor) flow.Font.Color = ctx.CallerFont.Color;
    flow.InAnchor = false;
    if (ctx.AnchorPending) {
        rtl::TRect r = rtl::Rect(rect.Left + flow.AnchorStartX, flow.AnchorStartTop, rect.Left + cur.XAdv, rect.Bottom);
        if (flow.AnchorStartTop != rect.Top) {  // started on an earlier line
            r.Left = rect.Left;
            r.Top = rect.Top;
        }
        ctx.Res.AnchorRectAtPoint = r;
        ctx.Res.AnchorIndexAtPoint = flow.AnchorCount;
        ctx.AnchorPending = false;
    }
    if (flow.AnchorCount - 1 == o.FocusedAnchor) {
        rtl::TRect f = ctx.FocusRect;
        f.Right = cur.CurLeft;
        f.Bottom = rect.Bottom - line.ImgOff;
        f.Top = f.Bottom - ctx.GhHeightOf(flow.Font);
        rtl::InflateRect(f, 1, 1);
        if (cur.Painting()) ctx.Canvas.DrawFocusRect(f);
    }
}

void OpenFont(TRenderContext& ctx, TFlowState& flow, std::string_view tagUp, TLineCursor& cur)
{
    bool found = false;
    const std::string face = QuotedValue(tagUp, "FACE", &found);
    if (found && !face.empty()) flow.Font.Name = face;
    const std::string color = QuotedValue(tagUp, " COLOR", &found);
    if (found && !ctx.Opt.KeepTextColor) flow.Font.Color = ColorValue(color);
    const std::string back = QuotedValue(tagUp, "BGCOLOR", &found);
    if (found && cur.Painting() && !ctx.Opt.KeepTextColor) {
        flow.SavedBackColor = flow.BackColor;
        flow.BackColor = ColorValue(back);
    }
    int points = 0;
    const std::string_view style = ValueAfter(tagUp, "STYLE", &found);
    if (found) {
        points = StylePointSize(style);
    } else {
        const std::string_view size = ValueAfter(tagUp, "SIZE", &found);
        if (found) points = FontSizeFromValue(HtmlLeadingNumber(size));
    }
    if (points > 0) flow.Font.Size = std::min(points, kMaxPoints);
}

void CloseFont(TRenderContext& ctx, TFlowState& flow, TLineCursor& cur)
{
    flow.Font.Name = ctx.CallerFont.Name;
    flow.Font.Size = ctx.CallerFont.Size;
    if (!cur.Painting() || ctx.Opt.KeepTextColor) return;
    flow.Font.Color = ctx.CallerFont.Color;
    flow.BackColor = flow.SavedBackColor;
}

void OpenParagraph(TRenderContext& ctx, TFlowState& flow, std::string_view tagUp, const rtl::TRect& rect,
                   TLineInfo& line, TLineCursor& cur)
{
    const std::string align = WordValue(tagUp, "ALIGN");
    if (align.find("RIGHT") != std::string::npos) flow.Align = 1;
    if (align.find("LEFT") != std::string::npos) flow.Align = 0;
    if (align.find("CENTER") != std::string::npos) flow.Align = 2;
    bool found = false;
    const std::string_view indent = ValueAfter(tagUp, "INDENT", &found);
    if (found) flow.Indent = HtmlLeadingNumber(indent);
    const std::string side = WordValue(tagUp, "FLOAT");
    if (side == "LEFT" || side == "RIGHT") {
        ctx.FloatSavedLeft = rect.Left;
        ctx.FloatSavedTop = rect.Top;
        line.FloatSeen = true;
    }
    const std::string back = QuotedValue(tagUp, "BGCOLOR", &found);
    if (found && cur.Painting()) {
        flow.ParaBack = true;
        flow.ParaSavedBack = flow.BackColor;
        flow.ParaColor = ColorValue(back);
        flow.BackColor = flow.ParaColor;
        ctx.Canvas.Brush().SetStyle(gfx::bsSolid);
        ctx.Canvas.Brush().SetColor(flow.ParaColor);
        ctx.Canvas.FillRect(rtl::Rect(ctx.Bounds.Left, rect.Top, ctx.Bounds.Right, rect.Top + line.Height));
        ctx.Canvas.Brush().SetStyle(gfx::bsClear);
    }
}

// A list item. Every pass indents and numbers it alike, so that hit-testing finds what
// painting drew (a click on an anchor in a list item finds it).
void ListItem(TRenderContext& ctx, TFlowState& flow, const rtl::TRect& rect, TLineCursor& cur)
{
    if (cur.ItemSeen) {
        cur.Full = true;
        cur.MadeFull = true;
        return;
    }
    cur.ItemSeen = true;
    const int level = std::max(flow.ListLevel, 1);
    cur.CurLeft += 12 * (level - 1);
    int advance = 12 * level;
    if (!flow.Hidden) {
        std::string mark;
        if (flow.Numbered) mark = std::to_string(flow.ListCounter++) + ". ";
        else mark = (level % 2 == 1) ? "\u2022" : "o";  // a bullet for odd levels, "o" for even
        const int markWidth = ctx.TextWidth(flow.Font, mark);
        if (cur.Painting()) {
            ctx.ApplyFont(flow.Font);
            rtl::TRect r = rtl::Rect(cur.CurLeft, rect.Top, rect.Right, rect.Bottom);
            ctx.Canvas.DrawText(mark, r, gfx::DT_BOTTOM | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
        }
        if (flow.Numbered) {
            cur.CurLeft += markWidth - 12;
            advance += std::max(0, markWidth - 12);
        }
    }
    cur.CurLeft += 12;
    cur.XAdv += advance;
}

void Rule(TRenderContext& ctx, const rtl::TRect& rect, TLineCursor& cur)
{
    cur.LineBreak = true;
    if (!cur.Painting()) return;
    gfx::TCanvas& c = ctx.Canvas;
    const gfx::TColor pen = c.Pen().Color();
    c.Pen().SetColor(gfx::clBlack);
    c.MoveTo(rect.Left, rect.Bottom + 1);
    c.LineTo(rect.Right, rect.Bottom + 1);
    c.Pen().SetColor(pen);
}

void Span(TFlowState& flow, std::string_view tagUp)
{
    const std::string style = QuotedValue(tagUp, "STYLE");
    constexpr std::string_view key = "BACKGROUND-COLOR:";
    if (style.rfind(key, 0) != 0) return;
    std::string_view v = std::string_view(style).substr(key.size());
    while (!v.empty() && v.front() == ' ') v.remove_prefix(1);
    if (v.empty() || v.front() != '#') return;  // hex only
    flow.SavedBackColor = flow.BackColor;
    flow.BackColor = HexToColor(v);
}

void Rotate(TFlowState& flow, std::string_view tagUp)
{
    const std::size_t a = tagUp.find('A', 1);
    if (a == std::string_view::npos) return;
    const std::string v = QuotedValue(tagUp.substr(a), "");
    int angle = 0;
    if (HtmlStrictNumber(v, angle)) flow.Font.Orientation = (angle % 360) * 10;
}

}  // namespace

void ApplyTextTag(TRenderContext& ctx, TFlowState& flow, TTag tag, std::string_view tagText, const rtl::TRect& rect,
                  TLineInfo& line, TLineCursor& cur)
{
    const std::string up = HtmlUpperAscii(tagText);
    const bool open = !tag.Closing;
    const bool painting = cur.Painting();
    switch (tag.Kind) {
    case TTagKind::Bold: SetStyle(flow, gfx::fsBold, open); break;
    case TTagKind::Italic: SetStyle(flow, gfx::fsItalic, open); break;
    case TTagKind::Underline: SetStyle(flow, gfx::fsUnderline, open); break;
    case TTagKind::Strike: SetStyle(flow, gfx::fsStrikeOut, open); break;
    case TTagKind::Anchor:
        if (open) OpenAnchor(ctx, flow, tagText, rect, cur);
        else CloseAnchor(ctx, flow, rect, line, cur);
        break;
    case TTagKind::Font:
        if (open) OpenFont(ctx, flow, up, cur);
        else CloseFont(ctx, flow, cur);
        break;
    case TTagKind::LineBreak:
        cur.LineBreak = true;
        ctx.Res.PlainText += '\r';
        break;
    case TTagKind::Rule: Rule(ctx, rect, cur); break;
    case TTagKind::Paragraph:
        if (open) {
            OpenParagraph(ctx, flow, up, rect, line, cur);
        } else {
            cur.LineBreak = true;
            flow.ParaBack = false;
            if (painting) {
                flow.Align = 0;
                flow.BackColor = flow.ParaSavedBack;
            }
        }
        break;
    case TTagKind::UnorderedList:
    case TTagKind::OrderedList:
        if (open) {
            ++flow.ListLevel;
            flow.Numbered = tag.Kind == TTagKind::OrderedList;
            if (flow.Numbered) flow.ListCounter = 1;
            if (cur.XAdv > 0) cur.LineBreak = true;
        } else if (flow.ListLevel > 0) {
            --flow.ListLevel;
            if (tag.Kind == TTagKind::OrderedList) flow.Numbered = false;
        } else if (tag.Kind == TTagKind::UnorderedList) {
            SetStyle(flow, gfx::fsUnderline, false);
        }
        break;
    case TTagKind::ListItem:
        if (open) ListItem(ctx, flow, rect, cur);
        else cur.LineBreak = true;
        break;
    case TTagKind::Indent: {
        int x = 0;
        if (open && HtmlStrictNumber(QuotedValue(up, "X"), x) && x > cur.XAdv) {
            cur.XAdv = x;
            cur.CurLeft = rect.Left + x;
        }
        break;
    }
    case TTagKind::Sub:
        flow.Sub = true;
        break;
    case TTagKind::Sup:
        flow.Sup = true;
        break;
    case TTagKind::SubSupEnd:
        flow.Sub = flow.Sup = false;
        break;
    case TTagKind::Shadow: flow.Shadow = open; break;
    case TTagKind::Span:
        if (open) {
            Span(flow, up);
        } else {
            flow.BackColor = gfx::clNone;
        }
        break;
    case TTagKind::Highlight:
        if (!painting) break;
        if (open) {
            flow.HiSavedText = flow.Font.Color;
            flow.HiSavedBack = flow.BackColor;
            flow.Font.Color = HtmlHighlightTextColor();
            flow.BackColor = HtmlHighlightColor();
            flow.Highlight = true;
        } else if (flow.Highlight) {
            flow.Font.Color = flow.HiSavedText;
            flow.BackColor = flow.HiSavedBack;
            flow.Highlight = false;
        }
        break;
    case TTagKind::Error:
        if (painting) flow.ErrorMark = open;
        break;
    case TTagKind::Hidden: flow.Hidden = open; break;
    case TTagKind::Blink:
        if (open) {
            if (!ctx.Opt.BlinkPhaseOn) flow.Font.Color = ctx.EntryBrushColor;
        } else {
            flow.Font.Color = ctx.CallerFont.Color;
        }
        break;
    case TTagKind::Body:
        if (open) {
            if (painting) PaintBody(ctx, flow, tagText);
            ApplyBodyFont(ctx, flow, up, line, cur);
        } else {
            flow.Font.Color = ctx.CallerFont.Color;
        }
        break;
    case TTagKind::Rotate:
        if (open) Rotate(flow, up);
        else flow.Font.Orientation = ctx.CallerFont.Orientation;
        break;
    default: break;
    }
}

}  // namespace grid::html
