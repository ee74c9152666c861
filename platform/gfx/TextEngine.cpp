// Text shaping: realised font faces and a bounded cache of pango layouts and text widths.
#include "platform/gfx/TextEngine.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "platform/gfx/FontMapping.h"
#include "platform/rtl/Utf8.h"

namespace gfx::text {

namespace {

constexpr std::size_t MaxCachedLayouts = 16384;
constexpr std::size_t MaxCachedWidths = 65536;

struct TEngine {
    PangoFontMap* FontMap = nullptr;
    PangoContext* Context = nullptr;
    std::unordered_map<std::string, std::unique_ptr<TFontFace>> Faces;
    std::unordered_map<std::string, TLaidOut> Layouts;
    std::unordered_map<std::string, int> Widths;
    int NextFaceId = 1;

    TEngine()
    {
        FontMap = pango_cairo_font_map_new();
        pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(FontMap), ScreenPixelsPerInch);
        Context = pango_font_map_create_context(FontMap);
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
        pango_cairo_context_set_font_options(Context, options);
        cairo_font_options_destroy(options);
        pango_context_set_round_glyph_positions(Context, TRUE);
    }

    void ClearLayouts()
    {
        for (auto& [key, laid] : Layouts) g_object_unref(laid.Layout);
        Layouts.clear();
    }
};

TEngine& Engine()
{
    static TEngine* engine = new TEngine();  // lives for the program; fonts stay cached
    return *engine;
}

std::recursive_mutex& EngineLock()
{
    static std::recursive_mutex lock;
    return lock;
}

std::string FaceKey(const TFont& font)
{
    std::string key = font.Name();
    key += '\x1f';
    key += std::to_string(font.Height());
    key += '\x1f';
    key += std::to_string(font.Style().Bits());
    key += '\x1f';
    key += std::to_string(static_cast<int>(font.Pitch()));
    return key;
}

PangoFontDescription* MakeDescription(const TFont& font, double pixelSize)
{
    PangoFontDescription* d = pango_font_description_new();
    std::string family = MapFontFamily(font.Name());
    if (font.Pitch() == fpFixed && !FontFamilyAvailable(font.Name())) family = "Liberation Mono";
    pango_font_description_set_family(d, family.c_str());
    pango_font_description_set_absolute_size(d, pixelSize * PANGO_SCALE);
    pango_font_description_set_weight(d, font.Style().Contains(fsBold) ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(d, font.Style().Contains(fsItalic) ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    return d;
}

void Measure(TEngine& e, TFontFace& face)
{
    PangoFontMetrics* m = pango_context_get_metrics(e.Context, face.Description, nullptr);
    const double ascent = pango_font_metrics_get_ascent(m) / double(PANGO_SCALE);
    const double descent = pango_font_metrics_get_descent(m) / double(PANGO_SCALE);
    face.AveCharWidth = static_cast<int>(std::lround(pango_font_metrics_get_approximate_char_width(m) / double(PANGO_SCALE)));
    face.MaxCharWidth = static_cast<int>(std::lround(pango_font_metrics_get_approximate_digit_width(m) / double(PANGO_SCALE) * 2));
    pango_font_metrics_unref(m);
    // The height and baseline of an actual line, so that drawing and measuring agree.
    PangoLayout* layout = pango_layout_new(e.Context);
    pango_layout_set_font_description(layout, face.Description);
    pango_layout_set_text(layout, "Ag", -1);
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    face.Height = logical.height;
    face.Ascent = PANGO_PIXELS(pango_layout_get_baseline(layout));
    face.Descent = face.Height - face.Ascent;
    g_object_unref(layout);
    const double em = pango_font_description_get_size(face.Description) / double(PANGO_SCALE);
    face.InternalLeading = std::max(0, static_cast<int>(std::lround(ascent + descent - em)));
}

// The text layout takes well-formed UTF-8 without NUL bytes only: anything else it
// refuses with a warning and shows nothing. Every text reaches it through here, so a byte
// that starts no valid sequence (and a NUL) is shown as U+FFFD instead and the rest of the
// text stays. UnderlineIndex, a byte index into Text, is moved to the same character.
std::string LayoutText(const std::string& Text, int& UnderlineIndex)
{
    if (Text.find('\0') == std::string::npos && rtl::Utf8IsValid(Text)) return Text;
    std::string out;
    out.reserve(Text.size() + 16);
    int underline = -1;
    for (std::size_t pos = 0; pos < Text.size();) {
        if (static_cast<int>(pos) == UnderlineIndex) underline = static_cast<int>(out.size());
        const char32_t ch = rtl::Utf8NextChar(Text, pos);
        rtl::Utf8AppendChar(out, ch == 0 ? char32_t{0xFFFD} : ch);
    }
    UnderlineIndex = underline;
    return out;
}

}  // namespace

void StartFontSetup()
{
    std::lock_guard<std::recursive_mutex> guard(EngineLock());
    Engine();
}

const TFontFace& FaceFor(const TFont& font)
{
    if (const void* cached = font.FaceCache()) return *static_cast<const TFontFace*>(cached);
    std::lock_guard<std::recursive_mutex> guard(EngineLock());
    TEngine& e = Engine();
    const std::string key = FaceKey(font);
    auto it = e.Faces.find(key);
    if (it != e.Faces.end()) {
        font.SetFaceCache(it->second.get());
        return *it->second;
    }

    auto face = std::make_unique<TFontFace>();
    face->Id = e.NextFaceId++;
    face->Underline = font.Style().Contains(fsUnderline);
    face->StrikeOut = font.Style().Contains(fsStrikeOut);
    int height = font.Height();
    if (height == 0) height = -(DefaultFontSize * ScreenPixelsPerInch + 36) / 72;
    if (height < 0) {
        // Negative height: the character (em) height in pixels.
        face->Description = MakeDescription(font, -height);
    } else {
        // Positive height: the cell height (ascent + descent); find the em size giving it.
        PangoFontDescription* probe = MakeDescription(font, 100.0);
        PangoFontMetrics* m = pango_context_get_metrics(e.Context, probe, nullptr);
        const double cell = (pango_font_metrics_get_ascent(m) + pango_font_metrics_get_descent(m)) / double(PANGO_SCALE);
        pango_font_metrics_unref(m);
        pango_font_description_free(probe);
        const double em = cell > 0 ? height * 100.0 / cell : height;
        face->Description = MakeDescription(font, std::max(1.0, std::floor(em + 0.5)));
    }
    Measure(e, *face);
    auto* result = face.get();
    e.Faces.emplace(key, std::move(face));
    font.SetFaceCache(result);
    return *result;
}

TLaidOut Layout(const TFontFace& face, const std::string& rawText, const TLayoutSpec& spec)
{
    std::lock_guard<std::recursive_mutex> guard(EngineLock());
    TEngine& e = Engine();
    std::string key;
    key.reserve(rawText.size() + 48);
    key += std::to_string(face.Id);
    key += '|';
    key += std::to_string(spec.Width);
    key += '|';
    key += std::to_string(spec.Height);
    key += '|';
    key += static_cast<char>('0' + (spec.BreakLongWords ? 16 : 0) + (spec.WordWrap ? 1 : 0) + (spec.EndEllipsis ? 2 : 0) +
                             (spec.SingleParagraph ? 4 : 0) + (spec.ExpandTabs ? 8 : 0));
    key += static_cast<char>('0' + static_cast<int>(spec.Alignment));
    key += std::to_string(spec.UnderlineIndex);
    key += '|';
    key += rawText;

    auto it = e.Layouts.find(key);
    if (it != e.Layouts.end()) return it->second;
    int underlineIndex = spec.UnderlineIndex;
    const std::string text = LayoutText(rawText, underlineIndex);
    if (e.Layouts.size() >= MaxCachedLayouts) e.ClearLayouts();
    PangoLayout* layout = pango_layout_new(e.Context);
    pango_layout_set_font_description(layout, face.Description);
    if (spec.SingleParagraph && text.find_first_of("\r\n") != std::string::npos) {
        // One line: line breaks show as blanks rather than as separator glyphs.
        std::string flat = text;
        std::replace(flat.begin(), flat.end(), '\r', ' ');
        std::replace(flat.begin(), flat.end(), '\n', ' ');
        pango_layout_set_text(layout, flat.c_str(), static_cast<int>(flat.size()));
    } else {
        pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
    }
    pango_layout_set_single_paragraph_mode(layout, spec.SingleParagraph);
    pango_layout_set_alignment(layout, spec.Alignment);
    if (spec.ExpandTabs && text.find('\t') != std::string::npos) {
        // Tab stops every eight average character widths, as the platform expands them.
        PangoTabArray* tabs = pango_tab_array_new_with_positions(1, TRUE, PANGO_TAB_LEFT, std::max(1, 8 * face.AveCharWidth));
        pango_layout_set_tabs(layout, tabs);
        pango_tab_array_free(tabs);
    }
    if (spec.Width >= 0 && (spec.WordWrap || spec.EndEllipsis)) {
        pango_layout_set_width(layout, spec.Width * PANGO_SCALE);
        pango_layout_set_wrap(layout, spec.BreakLongWords ? PANGO_WRAP_WORD_CHAR : PANGO_WRAP_WORD);
        if (spec.EndEllipsis) {
            pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
            pango_layout_set_height(layout, spec.WordWrap && spec.Height >= 0 ? spec.Height * PANGO_SCALE : -1);
        }
    }
    if (face.Underline || face.StrikeOut || underlineIndex >= 0) {
        PangoAttrList* attrs = pango_attr_list_new();
        if (face.Underline) pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
        if (face.StrikeOut) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
        if (underlineIndex >= 0 && static_cast<std::size_t>(underlineIndex) < text.size()) {
            PangoAttribute* a = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
            a->start_index = static_cast<guint>(underlineIndex);
            int len = 1;
            const unsigned char c = static_cast<unsigned char>(text[underlineIndex]);
            if (c >= 0xF0) len = 4;
            else if (c >= 0xE0) len = 3;
            else if (c >= 0xC0) len = 2;
            a->end_index = static_cast<guint>(underlineIndex + len);
            pango_attr_list_insert(attrs, a);
        }
        pango_layout_set_attributes(layout, attrs);
        pango_attr_list_unref(attrs);
    }
    TLaidOut out;
    out.Layout = layout;
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    out.Width = logical.width;
    out.LineCount = pango_layout_get_line_count(layout);
    out.Height = std::max(out.LineCount, 1) * face.Height;
    if (out.LineCount > 1) out.Height = std::max(out.Height, logical.height);
    e.Layouts.emplace(std::move(key), out);
    return out;
}

int TextWidth(const TFontFace& face, const std::string& text)
{
    if (text.empty()) return 0;
    std::lock_guard<std::recursive_mutex> guard(EngineLock());
    TEngine& e = Engine();
    std::string key = std::to_string(face.Id);
    key += '|';
    key += text;
    auto it = e.Widths.find(key);
    if (it != e.Widths.end()) return it->second;
    TLayoutSpec spec;
    spec.SingleParagraph = true;
    int w = Layout(face, text, spec).Width;
    if (e.Widths.size() >= MaxCachedWidths) e.Widths.clear();
    e.Widths.emplace(std::move(key), w);
    return w;
}

}  // namespace gfx::text
