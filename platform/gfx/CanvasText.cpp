// TCanvas text output and measuring: TextOut, TextRect, TextExtent and DrawText.
#include <algorithm>
#include <cmath>
#include <string>

#include "platform/gfx/CanvasImpl.h"
#include "platform/gfx/TextEngine.h"

namespace gfx {

using rtl::TRect;

namespace {

void SetTextSource(cairo_t* cr, TColor color)
{
    const std::uint32_t p = ColorToPixel(color);
    cairo_set_source_rgb(cr, ((p >> 16) & 0xFF) / 255.0, ((p >> 8) & 0xFF) / 255.0, (p & 0xFF) / 255.0);
}

// Text with "&" accelerator markers removed ("&&" becomes "&"); `underline` receives the byte
// index of the character after the last single "&", or -1.
std::string StripPrefix(const std::string& text, int& underline)
{
    std::string out;
    out.reserve(text.size());
    underline = -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                out += '&';
                ++i;
                continue;
            }
            if (i + 1 < text.size()) underline = static_cast<int>(out.size());
            continue;
        }
        out += text[i];
    }
    return out;
}

// Line breaks shown as blanks, for single-line output.
std::string OneLine(const std::string& text)
{
    if (text.find_first_of("\r\n") == std::string::npos) return text;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += ' ';
        } else if (text[i] == '\n') {
            out += ' ';
        } else {
            out += text[i];
        }
    }
    return out;
}

// Path ellipsis: keeps the last path component and shortens what is before it with "...".
std::string PathEllipsis(const text::TFontFace& face, const std::string& text, int width)
{
    if (text::TextWidth(face, text) <= width) return text;
    const std::size_t slash = text.find_last_of("\\/");
    const std::string tail = slash == std::string::npos ? std::string() : text.substr(slash);
    std::string head = slash == std::string::npos ? text : text.substr(0, slash);
    while (!head.empty()) {
        // drop one UTF-8 character from the end of the head
        std::size_t cut = head.size() - 1;
        while (cut > 0 && (static_cast<unsigned char>(head[cut]) & 0xC0) == 0x80) --cut;
        head.erase(cut);
        const std::string candidate = head + "..." + tail;
        if (text::TextWidth(face, candidate) <= width) return candidate;
    }
    return "..." + tail;
}

}  // namespace

int TCanvas::TextWidth(const std::string& text) const
{
    return text::TextWidth(text::FaceFor(FFont), text);
}

int TCanvas::TextHeight(const std::string& text) const
{
    (void)text;
    return text::FaceFor(FFont).Height;
}

rtl::TSize TCanvas::TextExtent(const std::string& text) const
{
    const text::TFontFace& face = text::FaceFor(FFont);
    return {text::TextWidth(face, text), face.Height};
}

TTextMetric TCanvas::TextMetric() const
{
    const text::TFontFace& f = text::FaceFor(FFont);
    TTextMetric m;
    m.Height = f.Height;
    m.Ascent = f.Ascent;
    m.Descent = f.Descent;
    m.InternalLeading = f.InternalLeading;
    m.AveCharWidth = f.AveCharWidth;
    m.MaxCharWidth = f.MaxCharWidth;
    return m;
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    const text::TFontFace& face = text::FaceFor(FFont);
    text::TLayoutSpec spec;
    spec.SingleParagraph = true;
    const text::TLaidOut laid = text::Layout(face, text, spec);
    if (FImpl->Surface && !text.empty()) {
        cairo_t* cr = TImpl::Context(*this);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        if (FFont.Orientation() != 0) cairo_rotate(cr, -FFont.Orientation() * M_PI / 1800.0);
        if (FBkMode == OPAQUE) {
            const std::uint32_t p = ColorToPixel(FBkColor);
            cairo_set_source_rgb(cr, ((p >> 16) & 0xFF) / 255.0, ((p >> 8) & 0xFF) / 255.0, (p & 0xFF) / 255.0);
            cairo_rectangle(cr, 0, 0, laid.Width, face.Height);
            cairo_fill(cr);
        }
        SetTextSource(cr, FFont.Color());
        cairo_move_to(cr, 0, 0);
        pango_cairo_show_layout(cr, laid.Layout);
        cairo_restore(cr);
    }
    FPenPos = {x + laid.Width, y};
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text)
{
    if (!FImpl->Surface) return;
    if (FBrush.Style() != bsClear) FillRect(rect);
    cairo_t* cr = TImpl::Context(*this);
    cairo_save(cr);
    cairo_rectangle(cr, rect.Left, rect.Top, rect.Width(), rect.Height());
    cairo_clip(cr);
    const int mode = FBkMode;
    FBkMode = TRANSPARENT;
    TextOut(x, y, text);
    FBkMode = mode;
    cairo_restore(TImpl::Context(*this));
}

int TCanvas::DrawText(const std::string& source, TRect& rect, unsigned flags)
{
    const text::TFontFace& face = text::FaceFor(FFont);
    int underline = -1;
    std::string text = (flags & DT_NOPREFIX) ? source : StripPrefix(source, underline);
    if (flags & DT_HIDEPREFIX) underline = -1;
    const bool single = (flags & DT_SINGLELINE) != 0;
    if (single) {
        text = OneLine(text);
    } else if (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        // A final line break ends the last line; it does not start an empty one.
        const bool crlf = text.size() >= 2 && text.back() == '\n' && text[text.size() - 2] == '\r';
        text.erase(text.size() - (crlf ? 2 : 1));
    }
    if (!(flags & DT_EXPANDTABS)) std::replace(text.begin(), text.end(), '\t', ' ');
    const int width = std::max(0, rect.Width());
    if ((flags & DT_PATH_ELLIPSIS) && !(flags & DT_WORDBREAK)) {
        const std::string shortened = PathEllipsis(face, text, width);
        if (shortened != text) underline = -1;
        text = shortened;
    }

    text::TLayoutSpec spec;
    spec.SingleParagraph = single;
    spec.WordWrap = (flags & DT_WORDBREAK) && !single;
    spec.BreakLongWords = spec.WordWrap && (flags & DT_EDITCONTROL);
    spec.EndEllipsis = (flags & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS)) != 0 && !(flags & DT_CALCRECT);
    spec.Width = (spec.WordWrap || spec.EndEllipsis) ? width : -1;
    spec.Height = spec.WordWrap ? std::max(face.Height, rect.Height()) : -1;
    spec.Alignment = (flags & DT_CENTER) ? PANGO_ALIGN_CENTER : (flags & DT_RIGHT) ? PANGO_ALIGN_RIGHT : PANGO_ALIGN_LEFT;
    spec.UnderlineIndex = underline;
    spec.ExpandTabs = (flags & DT_EXPANDTABS) != 0;
    const text::TLaidOut laid = text::Layout(face, text, spec);
    // An empty text still measures one line, as the platform reports it.
    const int textHeight = std::max(laid.Height, face.Height);

    if (flags & DT_CALCRECT) {
        rect.Right = rect.Left + laid.Width;
        rect.Bottom = rect.Top + textHeight;
        return textHeight;
    }

    // Horizontal position of the layout box: pango aligns the lines inside it.
    const int boxWidth = spec.Width >= 0 ? width : laid.Width;
    int x = rect.Left;
    if (spec.Width < 0) {
        if (flags & DT_CENTER) x = rect.Left + (width - laid.Width) / 2;
        else if (flags & DT_RIGHT) x = rect.Right - laid.Width;
    }
    // Vertical centring and bottom alignment apply to single lines, as on the platform.
    int y = rect.Top;
    if (single && (flags & DT_VCENTER)) y = rect.Top + (rect.Height() - face.Height) / 2;
    else if (single && (flags & DT_BOTTOM)) y = rect.Bottom - face.Height;

    if (FImpl->Surface && !text.empty()) {
        cairo_t* cr = TImpl::Context(*this);
        cairo_save(cr);
        if (!(flags & DT_NOCLIP)) {
            cairo_rectangle(cr, rect.Left, rect.Top, rect.Width(), rect.Height());
            cairo_clip(cr);
        }
        if (FBkMode == OPAQUE) {
            const std::uint32_t p = ColorToPixel(FBkColor);
            cairo_set_source_rgb(cr, ((p >> 16) & 0xFF) / 255.0, ((p >> 8) & 0xFF) / 255.0, (p & 0xFF) / 255.0);
            int bx = x;
            if (spec.Width >= 0 && (flags & DT_CENTER)) bx = x + (boxWidth - laid.Width) / 2;
            else if (spec.Width >= 0 && (flags & DT_RIGHT)) bx = x + boxWidth - laid.Width;
            cairo_rectangle(cr, bx, y, laid.Width, textHeight);
            cairo_fill(cr);
        }
        SetTextSource(cr, FFont.Color());
        cairo_move_to(cr, x, y);
        pango_cairo_show_layout(cr, laid.Layout);
        cairo_restore(cr);
    }
    if (single && (flags & (DT_VCENTER | DT_BOTTOM))) return y - rect.Top + textHeight;
    return textHeight;
}

}  // namespace gfx
