// GDI+ stand-in: font families, fonts, string formats, measuring and drawing strings.
#include <algorithm>
#include <cmath>

#include "platform/gfx/FontMapping.h"
#include "platform/gfx/GdiPlusImpl.h"
#include "platform/gfx/TextEngine.h"

namespace gfx {

namespace {

GpFontFamily* Generic(const char* name)
{
    auto* f = new GpFontFamily;  // shared for the program's lifetime
    f->Name = name;
    f->Generic = true;
    return f;
}

// Em size in pixels at 96 pixels per inch.
double EmPixels(const GpFont& font)
{
    switch (font.Unit) {
    case UnitPoint: return font.Size * 96.0 / 72.0;
    case UnitInch: return font.Size * 96.0;
    case UnitDocument: return font.Size * 96.0 / 300.0;
    case UnitMillimeter: return font.Size * 96.0 / 25.4;
    default: return font.Size;
    }
}

TFont ToFont(const GpFont& font)
{
    TFont f;
    f.SetName(font.Family);
    f.SetHeight(-std::max(1, static_cast<int>(std::lround(EmPixels(font)))));
    f.SetStyle(TFontStyles::FromBits(static_cast<std::uint8_t>(font.Style & 0x0F)));
    return f;
}

// Text with hotkey "&" markers handled per the format's prefix setting.
std::string Prefixed(const std::string& text, GpHotkeyPrefix prefix, int& underline)
{
    underline = -1;
    if (prefix == HotkeyPrefixNone) return text;
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            if (text[i + 1] == '&') {
                out += '&';
                ++i;
                continue;
            }
            if (prefix == HotkeyPrefixShow) underline = static_cast<int>(out.size());
            continue;
        }
        out += text[i];
    }
    return out;
}

struct TStringLayout {
    text::TLaidOut Laid;
    double Padding = 0;
    int CodePoints = 0;
};

TStringLayout LayOut(const std::string& source, int length, const GpFont& font, const GpRectF* rect, const GpStringFormat* format)
{
    std::string s = length < 0 ? source : source.substr(0, static_cast<std::size_t>(std::min<std::size_t>(length, source.size())));
    const GpStringFormat fmt = format ? *format : GpStringFormat{};
    int underline = -1;
    s = Prefixed(s, fmt.Prefix, underline);
    const TFont f = ToFont(font);
    const text::TFontFace& face = text::FaceFor(f);
    TStringLayout out;
    out.Padding = EmPixels(font) / 6.0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++out.CodePoints;
    text::TLayoutSpec spec;
    spec.UnderlineIndex = underline;
    const bool hasBox = rect && rect->Width > 0;
    const int width = hasBox ? std::max(0, static_cast<int>(rect->Width - 2 * out.Padding)) : -1;
    spec.WordWrap = hasBox && !(fmt.Flags & StringFormatFlagsNoWrap);
    spec.EndEllipsis = hasBox && (fmt.Trimming == StringTrimmingEllipsisCharacter || fmt.Trimming == StringTrimmingEllipsisWord ||
                                  fmt.Trimming == StringTrimmingEllipsisPath);
    spec.Width = (spec.WordWrap || spec.EndEllipsis) ? width : -1;
    spec.Height = spec.WordWrap && rect && rect->Height > 0 ? static_cast<int>(rect->Height) : -1;
    spec.Alignment = fmt.Align == StringAlignmentCenter ? PANGO_ALIGN_CENTER
                     : fmt.Align == StringAlignmentFar  ? PANGO_ALIGN_RIGHT
                                                        : PANGO_ALIGN_LEFT;
    out.Laid = text::Layout(face, s, spec);
    return out;
}

}  // namespace

GpStatus GdipCreateFontFamilyFromName(const std::string& name, GpFontCollection*, GpFontFamily** family)
{
    if (!family) return InvalidParameter;
    *family = nullptr;
    if (name.empty() || !FontFamilyAvailable(name)) return FontFamilyNotFound;
    auto* f = new GpFontFamily;
    f->Name = name;
    *family = f;
    return Ok;
}

GpStatus GdipGetGenericFontFamilySansSerif(GpFontFamily** family)
{
    static GpFontFamily* f = Generic("Arial");
    if (!family) return InvalidParameter;
    *family = f;
    return Ok;
}

GpStatus GdipGetGenericFontFamilySerif(GpFontFamily** family)
{
    static GpFontFamily* f = Generic("Times New Roman");
    if (!family) return InvalidParameter;
    *family = f;
    return Ok;
}

GpStatus GdipGetGenericFontFamilyMonospace(GpFontFamily** family)
{
    static GpFontFamily* f = Generic("Courier New");
    if (!family) return InvalidParameter;
    *family = f;
    return Ok;
}

GpStatus GdipGetFamilyName(const GpFontFamily* family, std::string* name)
{
    if (!family || !name) return InvalidParameter;
    *name = family->Name;
    return Ok;
}

GpStatus GdipDeleteFontFamily(GpFontFamily* family)
{
    if (!family) return InvalidParameter;
    if (!family->Generic) delete family;
    return Ok;
}

GpStatus GdipCreateFont(const GpFontFamily* family, REAL emSize, int style, GpUnit unit, GpFont** font)
{
    if (!family || !font || emSize <= 0 || unit == UnitDisplay) return InvalidParameter;
    auto* f = new GpFont;
    f->Family = family->Name;
    f->Size = emSize;
    f->Style = style;
    f->Unit = unit;
    *font = f;
    return Ok;
}

GpStatus GdipGetFontSize(GpFont* font, REAL* size)
{
    if (!font || !size) return InvalidParameter;
    *size = font->Size;
    return Ok;
}

GpStatus GdipDeleteFont(GpFont* font)
{
    if (!font) return InvalidParameter;
    delete font;
    return Ok;
}

GpStatus GdipCreateStringFormat(int formatFlags, int, GpStringFormat** format)
{
    if (!format) return InvalidParameter;
    *format = new GpStringFormat;
    (*format)->Flags = formatFlags;
    return Ok;
}

GpStatus GdipCloneStringFormat(const GpStringFormat* format, GpStringFormat** clone)
{
    if (!format || !clone) return InvalidParameter;
    *clone = new GpStringFormat(*format);
    return Ok;
}

GpStatus GdipDeleteStringFormat(GpStringFormat* format)
{
    if (!format) return InvalidParameter;
    delete format;
    return Ok;
}

#define GDIP_FORMAT_SETGET(Name, Type, Field)                             \
    GpStatus GdipSetStringFormat##Name(GpStringFormat* format, Type value) \
    {                                                                     \
        if (!format) return InvalidParameter;                             \
        format->Field = value;                                            \
        return Ok;                                                        \
    }                                                                     \
    GpStatus GdipGetStringFormat##Name(GpStringFormat* format, Type* value) \
    {                                                                     \
        if (!format || !value) return InvalidParameter;                   \
        *value = format->Field;                                           \
        return Ok;                                                        \
    }
GDIP_FORMAT_SETGET(Align, GpStringAlignment, Align)
GDIP_FORMAT_SETGET(LineAlign, GpStringAlignment, LineAlign)
GDIP_FORMAT_SETGET(Flags, int, Flags)
GDIP_FORMAT_SETGET(Trimming, GpStringTrimming, Trimming)
GDIP_FORMAT_SETGET(HotkeyPrefix, GpHotkeyPrefix, Prefix)
#undef GDIP_FORMAT_SETGET

GpStatus GdipMeasureString(GpGraphics* graphics, const std::string& text, int length, const GpFont* font, const GpRectF* layoutRect,
                           const GpStringFormat* format, GpRectF* boundingBox, int* codepointsFitted, int* linesFilled)
{
    if (!graphics || !font || !layoutRect || !boundingBox) return InvalidParameter;
    const TStringLayout l = LayOut(text, length, *font, layoutRect, format);
    double w = l.Laid.Width + 2 * l.Padding;
    if (layoutRect->Width > 0) w = std::min<double>(w, layoutRect->Width);
    double h = l.Laid.Height;
    if (layoutRect->Height > 0) h = std::min<double>(h, layoutRect->Height);
    *boundingBox = {layoutRect->X, layoutRect->Y, REAL(w), REAL(h)};
    if (codepointsFitted) *codepointsFitted = l.CodePoints;
    if (linesFilled) *linesFilled = l.Laid.LineCount;
    return Ok;
}

GpStatus GdipDrawString(GpGraphics* graphics, const std::string& text, int length, const GpFont* font, const GpRectF* layoutRect,
                        const GpStringFormat* format, const GpBrush* brush)
{
    if (!graphics || !font || !layoutRect || !brush) return InvalidParameter;
    const TStringLayout l = LayOut(text, length, *font, layoutRect, format);
    cairo_t* cr = gdip::Begin(graphics);
    if (!cr) return Ok;
    const GpStringFormat fmt = format ? *format : GpStringFormat{};
    const bool hasBox = layoutRect->Width > 0 && layoutRect->Height > 0;
    if (hasBox && !(fmt.Flags & StringFormatFlagsNoClip)) {
        cairo_rectangle(cr, layoutRect->X, layoutRect->Y, layoutRect->Width, layoutRect->Height);
        cairo_clip(cr);
    }
    double x = layoutRect->X + l.Padding, y = layoutRect->Y;
    if (hasBox) {
        const bool boxed = l.Laid.Layout && pango_layout_get_width(l.Laid.Layout) >= 0;
        if (!boxed && fmt.Align == StringAlignmentCenter) x = layoutRect->X + (layoutRect->Width - l.Laid.Width) / 2.0;
        else if (!boxed && fmt.Align == StringAlignmentFar) x = layoutRect->X + layoutRect->Width - l.Padding - l.Laid.Width;
        if (fmt.LineAlign == StringAlignmentCenter) y = layoutRect->Y + (layoutRect->Height - l.Laid.Height) / 2.0;
        else if (fmt.LineAlign == StringAlignmentFar) y = layoutRect->Y + layoutRect->Height - l.Laid.Height;
    }
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
    gdip::SetSource(cr, *brush);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, l.Laid.Layout);
    gdip::End(graphics, cr);
    return Ok;
}

}  // namespace gfx
