// GDI+ stand-in: start-up, graphics objects, brushes, pens, paths, filling and drawing.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>

#include "platform/gfx/CanvasImpl.h"
#include "platform/gfx/GdiPlusImpl.h"

namespace gfx {

namespace {

std::atomic<int> StartCount{0};

constexpr GUID Fmt(std::uint32_t d1) { return GUID{d1, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}}; }

double Rad(double degrees) { return degrees * M_PI / 180.0; }

}  // namespace

const GUID ImageFormatUndefined = Fmt(0xb96b3ca9);
const GUID ImageFormatMemoryBMP = Fmt(0xb96b3caa);
const GUID ImageFormatBMP = Fmt(0xb96b3cab);
const GUID ImageFormatEMF = Fmt(0xb96b3cac);
const GUID ImageFormatWMF = Fmt(0xb96b3cad);
const GUID ImageFormatJPEG = Fmt(0xb96b3cae);
const GUID ImageFormatPNG = Fmt(0xb96b3caf);
const GUID ImageFormatGIF = Fmt(0xb96b3cb0);
const GUID ImageFormatTIFF = Fmt(0xb96b3cb1);
const GUID ImageFormatEXIF = Fmt(0xb96b3cb2);
const GUID ImageFormatIcon = Fmt(0xb96b3cb5);
const GUID FrameDimensionTime = {0x6aedbd6d, 0x3fb5, 0x418a, {0x83, 0xa6, 0x7f, 0x45, 0x22, 0x9d, 0xc8, 0x72}};
const GUID FrameDimensionPage = {0x7462dc86, 0x6180, 0x4c7e, {0x8e, 0x3f, 0xee, 0x73, 0x33, 0xa7, 0xa4, 0x83}};

ARGB ColorToArgb(std::int32_t color)
{
    const TColor rgb = ColorToRGB(color);
    return 0xFF000000u | (std::uint32_t(GetRValue(rgb)) << 16) | (std::uint32_t(GetGValue(rgb)) << 8) | GetBValue(rgb);
}

// --- start-up and memory ---

GpStatus GdiplusStartup(std::uintptr_t* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output)
{
    if (!token || !input) return InvalidParameter;
    if (input->GdiplusVersion != 1) return UnsupportedGdiplusVersion;
    const int n = ++StartCount;
    *token = static_cast<std::uintptr_t>(n);
    if (output) *output = GdiplusStartupOutput{};
    return Ok;
}

void GdiplusShutdown(std::uintptr_t token)
{
    if (token == 0) return;
    if (StartCount > 0) --StartCount;
}

bool GdiplusStarted() { return StartCount > 0; }

void* GdipAlloc(std::size_t size) { return GdiplusStarted() ? std::malloc(size ? size : 1) : nullptr; }
void GdipFree(void* ptr) { std::free(ptr); }

// --- drawing context ---

namespace gdip {

cairo_t* Begin(GpGraphics* g)
{
    if (!g || !g->Canvas || !g->Canvas->Surface()) return nullptr;
    TCanvas& c = *g->Canvas;
    cairo_t* cr = cairo_create(c.Surface());
    if (c.HasClip()) {
        const TRegion clip = c.ClipRegion();
        for (const rtl::TRect& r : clip.Rects()) cairo_rectangle(cr, r.Left, r.Top, r.Width(), r.Height());
        cairo_clip(cr);
    }
    if (g->HasClip) {
        for (const rtl::TRect& r : g->Clip.Rects()) cairo_rectangle(cr, r.Left, r.Top, r.Width(), r.Height());
        cairo_clip(cr);
    }
    cairo_translate(cr, c.Origin().X, c.Origin().Y);
    cairo_transform(cr, &g->Transform);
    const bool smooth = g->Smoothing == SmoothingModeAntiAlias || g->Smoothing == SmoothingModeHighQuality;
    cairo_set_antialias(cr, smooth ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
    return cr;
}

void End(GpGraphics* g, cairo_t* cr)
{
    if (!cr) return;
    cairo_destroy(cr);
    g->Canvas->Changed();
}

void SetSourceArgb(cairo_t* cr, ARGB c)
{
    cairo_set_source_rgba(cr, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0, (c >> 24) / 255.0);
}

void SetSource(cairo_t* cr, const GpBrush& b)
{
    if (b.Type != BrushTypeLinearGradient) {
        SetSourceArgb(cr, b.Color);
        return;
    }
    cairo_pattern_t* p = cairo_pattern_create_linear(b.X1, b.Y1, b.X2, b.Y2);
    auto stop = [p](double at, ARGB c) {
        cairo_pattern_add_color_stop_rgba(p, at, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0,
                                          (c >> 24) / 255.0);
    };
    if (b.Blend.empty()) {
        stop(0, b.Color);
        stop(1, b.Color2);
    } else {
        for (const auto& [at, c] : b.Blend) stop(at, c);
    }
    cairo_pattern_set_extend(p, b.Wrap == WrapModeClamp ? CAIRO_EXTEND_PAD
                                : b.Wrap == WrapModeTile ? CAIRO_EXTEND_REPEAT
                                                         : CAIRO_EXTEND_REFLECT);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void ReplayPath(cairo_t* cr, const GpPath& path)
{
    cairo_new_path(cr);
    for (const GpPathElement& e : path.Elements) {
        switch (e.Type) {
        case GpPathElement::Move: cairo_move_to(cr, e.X[0], e.Y[0]); break;
        case GpPathElement::Line: cairo_line_to(cr, e.X[0], e.Y[0]); break;
        case GpPathElement::Curve: cairo_curve_to(cr, e.X[0], e.Y[0], e.X[1], e.Y[1], e.X[2], e.Y[2]); break;
        case GpPathElement::Close: cairo_close_path(cr); break;
        }
    }
    cairo_set_fill_rule(cr, path.Fill == FillModeWinding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
}

}  // namespace gdip

// --- graphics ---

GpStatus GdipCreateFromHDC(TCanvas* hdc, GpGraphics** graphics)
{
    if (!hdc || !graphics) return InvalidParameter;
    auto* g = new GpGraphics;
    g->Canvas = hdc;
    cairo_matrix_init_identity(&g->Transform);
    *graphics = g;
    return Ok;
}

GpStatus GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics)
{
    if (!image || !graphics) return InvalidParameter;
    if (image->Bitmap.Empty()) return WrongState;
    return GdipCreateFromHDC(&image->Bitmap.Canvas(), graphics);
}

GpStatus GdipDeleteGraphics(GpGraphics* graphics)
{
    if (!graphics) return InvalidParameter;
    delete graphics;
    return Ok;
}

GpStatus GdipFlush(GpGraphics* graphics, int) { return graphics ? Ok : InvalidParameter; }

GpStatus GdipGraphicsClear(GpGraphics* graphics, ARGB color)
{
    if (!graphics) return InvalidParameter;
    cairo_t* cr = gdip::Begin(graphics);
    if (!cr) return Ok;
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    gdip::SetSourceArgb(cr, color);
    cairo_paint(cr);
    gdip::End(graphics, cr);
    return Ok;
}

#define GDIP_SETGET(Name, Type, Field)                                   \
    GpStatus GdipSet##Name(GpGraphics* graphics, Type value)             \
    {                                                                    \
        if (!graphics) return InvalidParameter;                          \
        graphics->Field = value;                                         \
        return Ok;                                                       \
    }                                                                    \
    GpStatus GdipGet##Name(GpGraphics* graphics, Type* value)            \
    {                                                                    \
        if (!graphics || !value) return InvalidParameter;                \
        *value = graphics->Field;                                        \
        return Ok;                                                       \
    }
GDIP_SETGET(SmoothingMode, GpSmoothingMode, Smoothing)
GDIP_SETGET(InterpolationMode, GpInterpolationMode, Interpolation)
GDIP_SETGET(TextRenderingHint, GpTextRenderingHint, TextHint)
#undef GDIP_SETGET

namespace {

// order 0 prepends (the new operation applies first), 1 appends.
void Combine(GpGraphics* g, const cairo_matrix_t& op, int order)
{
    cairo_matrix_t r;
    if (order == 1) cairo_matrix_multiply(&r, &g->Transform, &op);
    else cairo_matrix_multiply(&r, &op, &g->Transform);
    g->Transform = r;
}

}  // namespace

GpStatus GdipTranslateWorldTransform(GpGraphics* graphics, REAL dx, REAL dy, int order)
{
    if (!graphics) return InvalidParameter;
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, dx, dy);
    Combine(graphics, m, order);
    return Ok;
}

GpStatus GdipScaleWorldTransform(GpGraphics* graphics, REAL sx, REAL sy, int order)
{
    if (!graphics) return InvalidParameter;
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, sx, sy);
    Combine(graphics, m, order);
    return Ok;
}

GpStatus GdipRotateWorldTransform(GpGraphics* graphics, REAL angle, int order)
{
    if (!graphics) return InvalidParameter;
    cairo_matrix_t m;
    cairo_matrix_init_rotate(&m, Rad(angle));
    Combine(graphics, m, order);
    return Ok;
}

GpStatus GdipResetWorldTransform(GpGraphics* graphics)
{
    if (!graphics) return InvalidParameter;
    cairo_matrix_init_identity(&graphics->Transform);
    return Ok;
}

GpStatus GdipSetClipRect(GpGraphics* graphics, REAL x, REAL y, REAL width, REAL height, GpCombineMode mode)
{
    if (!graphics) return InvalidParameter;
    // World rectangle to surface pixels (bounding box of the transformed corners).
    double xs[4] = {x, x + width, x, x + width}, ys[4] = {y, y, y + height, y + height};
    double l = 1e18, t = 1e18, r = -1e18, b = -1e18;
    for (int i = 0; i < 4; ++i) {
        cairo_matrix_transform_point(&graphics->Transform, &xs[i], &ys[i]);
        l = std::min(l, xs[i]);
        t = std::min(t, ys[i]);
        r = std::max(r, xs[i]);
        b = std::max(b, ys[i]);
    }
    const rtl::TPoint o = graphics->Canvas ? graphics->Canvas->Origin() : rtl::TPoint{};
    const rtl::TRect rect{static_cast<int>(std::lround(l)) + o.X, static_cast<int>(std::lround(t)) + o.Y,
                          static_cast<int>(std::lround(r)) + o.X, static_cast<int>(std::lround(b)) + o.Y};
    TRegion all(rtl::TRect{-(1 << 28), -(1 << 28), 1 << 28, 1 << 28});
    TRegion current = graphics->HasClip ? graphics->Clip : all;
    switch (mode) {
    case CombineModeReplace: current = TRegion(rect); break;
    case CombineModeIntersect: current.Intersect(rect); break;
    case CombineModeUnion: current.Union(rect); break;
    case CombineModeExclude: current.Subtract(rect); break;
    case CombineModeXor: {
        TRegion both = current;
        both.Intersect(rect);
        current.Union(rect);
        current.Subtract(both);
        break;
    }
    case CombineModeComplement: {
        TRegion r(rect);
        r.Subtract(current);
        current = r;
        break;
    }
    }
    graphics->Clip = current;
    graphics->HasClip = true;
    return Ok;
}

GpStatus GdipSetClipRectI(GpGraphics* graphics, int x, int y, int width, int height, GpCombineMode mode)
{
    return GdipSetClipRect(graphics, REAL(x), REAL(y), REAL(width), REAL(height), mode);
}

GpStatus GdipResetClip(GpGraphics* graphics)
{
    if (!graphics) return InvalidParameter;
    graphics->HasClip = false;
    graphics->Clip.Clear();
    return Ok;
}

// --- brushes and pens ---

GpStatus GdipCreateSolidFill(ARGB color, GpSolidFill** brush)
{
    if (!brush) return InvalidParameter;
    auto* b = new GpBrush;
    b->Color = color;
    *brush = b;
    return Ok;
}

GpStatus GdipCreateLineBrush(const GpPointF* p1, const GpPointF* p2, ARGB c1, ARGB c2, GpWrapMode wrap, GpLineGradient** brush)
{
    if (!p1 || !p2 || !brush) return InvalidParameter;
    auto* b = new GpBrush;
    b->Type = BrushTypeLinearGradient;
    b->X1 = p1->X;
    b->Y1 = p1->Y;
    b->X2 = p2->X;
    b->Y2 = p2->Y;
    b->Color = c1;
    b->Color2 = c2;
    b->Wrap = wrap;
    *brush = b;
    return Ok;
}

GpStatus GdipCreateLineBrushI(const GpPoint* p1, const GpPoint* p2, ARGB c1, ARGB c2, GpWrapMode wrap, GpLineGradient** brush)
{
    if (!p1 || !p2) return InvalidParameter;
    const GpPointF a{REAL(p1->X), REAL(p1->Y)}, b{REAL(p2->X), REAL(p2->Y)};
    return GdipCreateLineBrush(&a, &b, c1, c2, wrap, brush);
}

GpStatus GdipCreateLineBrushFromRectWithAngle(const GpRectF* rect, ARGB c1, ARGB c2, REAL angle, bool, GpWrapMode wrap,
                                              GpLineGradient** brush)
{
    if (!rect || !brush) return InvalidParameter;
    // The gradient runs along the angle (degrees, clockwise from the x axis) across the
    // rectangle, from the corner where it starts to the opposite one.
    const double a = Rad(angle), dx = std::cos(a), dy = std::sin(a);
    const double cx = rect->X + rect->Width / 2.0, cy = rect->Y + rect->Height / 2.0;
    const double half = (std::abs(dx) * rect->Width + std::abs(dy) * rect->Height) / 2.0;
    const GpPointF p1{REAL(cx - dx * half), REAL(cy - dy * half)}, p2{REAL(cx + dx * half), REAL(cy + dy * half)};
    return GdipCreateLineBrush(&p1, &p2, c1, c2, wrap, brush);
}

GpStatus GdipCreateLineBrushFromRect(const GpRectF* rect, ARGB c1, ARGB c2, GpLinearGradientMode mode, GpWrapMode wrap,
                                     GpLineGradient** brush)
{
    if (!rect) return InvalidParameter;
    const REAL angles[] = {0, 90, 45, 135};
    if (mode < LinearGradientModeHorizontal || mode > LinearGradientModeBackwardDiagonal) return InvalidParameter;
    return GdipCreateLineBrushFromRectWithAngle(rect, c1, c2, angles[mode], false, wrap, brush);
}

GpStatus GdipCreateLineBrushFromRectI(const GpRect* rect, ARGB c1, ARGB c2, GpLinearGradientMode mode, GpWrapMode wrap,
                                      GpLineGradient** brush)
{
    if (!rect) return InvalidParameter;
    const GpRectF r{REAL(rect->X), REAL(rect->Y), REAL(rect->Width), REAL(rect->Height)};
    return GdipCreateLineBrushFromRect(&r, c1, c2, mode, wrap, brush);
}

GpStatus GdipSetLinePresetBlend(GpLineGradient* brush, const ARGB* colors, const REAL* positions, int count)
{
    if (!brush || !colors || !positions || count < 2 || brush->Type != BrushTypeLinearGradient) return InvalidParameter;
    brush->Blend.clear();
    for (int i = 0; i < count; ++i) brush->Blend.emplace_back(positions[i], colors[i]);
    return Ok;
}

GpStatus GdipSetLineGammaCorrection(GpLineGradient* brush, bool) { return brush ? Ok : InvalidParameter; }

GpStatus GdipGetBrushType(GpBrush* brush, GpBrushType* type)
{
    if (!brush || !type) return InvalidParameter;
    *type = brush->Type;
    return Ok;
}

GpStatus GdipDeleteBrush(GpBrush* brush)
{
    if (!brush) return InvalidParameter;
    delete brush;
    return Ok;
}

GpStatus GdipCreatePen1(ARGB color, REAL width, GpUnit, GpPen** pen)
{
    if (!pen || width < 0) return InvalidParameter;
    auto* p = new GpPen;
    p->Color = color;
    p->Width = width;
    *pen = p;
    return Ok;
}

GpStatus GdipSetPenDashStyle(GpPen* pen, GpDashStyle style)
{
    if (!pen) return InvalidParameter;
    pen->Dash = style;
    return Ok;
}

GpStatus GdipGetPenDashStyle(GpPen* pen, GpDashStyle* style)
{
    if (!pen || !style) return InvalidParameter;
    *style = pen->Dash;
    return Ok;
}

GpStatus GdipDeletePen(GpPen* pen)
{
    if (!pen) return InvalidParameter;
    delete pen;
    return Ok;
}

// --- filling and drawing ---

namespace {

template <typename BuildPath>
GpStatus FillWith(GpGraphics* g, const GpBrush* brush, BuildPath build)
{
    if (!g || !brush) return InvalidParameter;
    cairo_t* cr = gdip::Begin(g);
    if (!cr) return Ok;
    build(cr);
    gdip::SetSource(cr, *brush);
    cairo_fill(cr);
    gdip::End(g, cr);
    return Ok;
}

template <typename BuildPath>
GpStatus StrokeWith(GpGraphics* g, const GpPen* pen, BuildPath build)
{
    if (!g || !pen) return InvalidParameter;
    cairo_t* cr = gdip::Begin(g);
    if (!cr) return Ok;
    build(cr);
    const double w = std::max<double>(pen->Width, 1.0);
    cairo_set_line_width(cr, w);
    static const double dash[] = {3, 1}, dot[] = {1, 1}, dashDot[] = {3, 1, 1, 1}, dashDotDot[] = {3, 1, 1, 1, 1, 1};
    auto set = [&](const double* d, int n) {
        double scaled[6];
        for (int i = 0; i < n; ++i) scaled[i] = d[i] * w;
        cairo_set_dash(cr, scaled, n, 0);
    };
    switch (pen->Dash) {
    case DashStyleDash: set(dash, 2); break;
    case DashStyleDot: set(dot, 2); break;
    case DashStyleDashDot: set(dashDot, 4); break;
    case DashStyleDashDotDot: set(dashDotDot, 6); break;
    default: break;
    }
    gdip::SetSourceArgb(cr, pen->Color);
    cairo_stroke(cr);
    gdip::End(g, cr);
    return Ok;
}

void EllipsePath(cairo_t* cr, double x, double y, double w, double h)
{
    if (w <= 0 || h <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + h / 2);
    cairo_scale(cr, w / 2, h / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void ArcPath(cairo_t* cr, double x, double y, double w, double h, double start, double sweep, bool connect)
{
    if (w <= 0 || h <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + h / 2);
    cairo_scale(cr, w / 2, h / 2);
    if (!connect) {
        cairo_new_sub_path(cr);
    }
    // Angles run clockwise on the screen (y down), as cairo's do.
    if (sweep >= 0) cairo_arc(cr, 0, 0, 1, Rad(start), Rad(start + sweep));
    else cairo_arc_negative(cr, 0, 0, 1, Rad(start), Rad(start + sweep));
    cairo_restore(cr);
}

}  // namespace

GpStatus GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height)
{
    return FillWith(graphics, brush, [&](cairo_t* cr) { cairo_rectangle(cr, x, y, width, height); });
}

GpStatus GdipFillRectangleI(GpGraphics* graphics, GpBrush* brush, int x, int y, int width, int height)
{
    return GdipFillRectangle(graphics, brush, REAL(x), REAL(y), REAL(width), REAL(height));
}

GpStatus GdipFillEllipse(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height)
{
    return FillWith(graphics, brush, [&](cairo_t* cr) { EllipsePath(cr, x, y, width, height); });
}

GpStatus GdipFillPolygon(GpGraphics* graphics, GpBrush* brush, const GpPointF* points, int count, GpFillMode mode)
{
    if (!points || count < 3) return InvalidParameter;
    return FillWith(graphics, brush, [&](cairo_t* cr) {
        cairo_move_to(cr, points[0].X, points[0].Y);
        for (int i = 1; i < count; ++i) cairo_line_to(cr, points[i].X, points[i].Y);
        cairo_close_path(cr);
        cairo_set_fill_rule(cr, mode == FillModeWinding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
    });
}

GpStatus GdipFillPolygonI(GpGraphics* graphics, GpBrush* brush, const GpPoint* points, int count, GpFillMode mode)
{
    if (!points || count < 3) return InvalidParameter;
    std::vector<GpPointF> f(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) f[i] = {REAL(points[i].X), REAL(points[i].Y)};
    return GdipFillPolygon(graphics, brush, f.data(), count, mode);
}

GpStatus GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path)
{
    if (!path) return InvalidParameter;
    return FillWith(graphics, brush, [&](cairo_t* cr) { gdip::ReplayPath(cr, *path); });
}

GpStatus GdipDrawLine(GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2)
{
    return StrokeWith(graphics, pen, [&](cairo_t* cr) {
        cairo_move_to(cr, x1, y1);
        cairo_line_to(cr, x2, y2);
    });
}

GpStatus GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height)
{
    return StrokeWith(graphics, pen, [&](cairo_t* cr) { cairo_rectangle(cr, x, y, width, height); });
}

GpStatus GdipDrawEllipse(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height)
{
    return StrokeWith(graphics, pen, [&](cairo_t* cr) { EllipsePath(cr, x, y, width, height); });
}

GpStatus GdipDrawArc(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    return StrokeWith(graphics, pen, [&](cairo_t* cr) { ArcPath(cr, x, y, width, height, startAngle, sweepAngle, false); });
}

GpStatus GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path)
{
    if (!path) return InvalidParameter;
    return StrokeWith(graphics, pen, [&](cairo_t* cr) { gdip::ReplayPath(cr, *path); });
}

// --- paths ---

namespace {

// Continues the open figure with a line to (x, y), or starts a new figure there.
void Join(GpPath* p, double x, double y)
{
    p->Elements.push_back({p->FigureOpen ? GpPathElement::Line : GpPathElement::Move, {x, 0, 0}, {y, 0, 0}});
    p->FigureOpen = true;
}

// Elliptic arc as Bezier curves (clockwise angles in degrees), joined to the open figure.
void AddArc(GpPath* p, double x, double y, double w, double h, double start, double sweep)
{
    const double cx = x + w / 2, cy = y + h / 2, rx = w / 2, ry = h / 2;
    const int pieces = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / 90.0)));
    const double step = Rad(sweep) / pieces;
    double a = Rad(start);
    Join(p, cx + rx * std::cos(a), cy + ry * std::sin(a));
    for (int i = 0; i < pieces; ++i) {
        const double b = a + step, k = 4.0 / 3.0 * std::tan(step / 4);
        GpPathElement e{GpPathElement::Curve, {}, {}};
        e.X[0] = cx + rx * (std::cos(a) - k * std::sin(a));
        e.Y[0] = cy + ry * (std::sin(a) + k * std::cos(a));
        e.X[1] = cx + rx * (std::cos(b) + k * std::sin(b));
        e.Y[1] = cy + ry * (std::sin(b) - k * std::cos(b));
        e.X[2] = cx + rx * std::cos(b);
        e.Y[2] = cy + ry * std::sin(b);
        p->Elements.push_back(e);
        a = b;
    }
}

void CloseFigure(GpPath* p)
{
    if (!p->FigureOpen) return;
    p->Elements.push_back({GpPathElement::Close, {}, {}});
    p->FigureOpen = false;
}

}  // namespace

GpStatus GdipCreatePath(GpFillMode mode, GpPath** path)
{
    if (!path) return InvalidParameter;
    *path = new GpPath;
    (*path)->Fill = mode;
    return Ok;
}

GpStatus GdipDeletePath(GpPath* path)
{
    if (!path) return InvalidParameter;
    delete path;
    return Ok;
}

GpStatus GdipResetPath(GpPath* path)
{
    if (!path) return InvalidParameter;
    path->Elements.clear();
    path->FigureOpen = false;
    return Ok;
}

GpStatus GdipClosePathFigure(GpPath* path)
{
    if (!path) return InvalidParameter;
    CloseFigure(path);
    return Ok;
}

GpStatus GdipStartPathFigure(GpPath* path)
{
    if (!path) return InvalidParameter;
    path->FigureOpen = false;
    return Ok;
}

GpStatus GdipAddPathLine(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2)
{
    if (!path) return InvalidParameter;
    Join(path, x1, y1);
    path->Elements.push_back({GpPathElement::Line, {x2, 0, 0}, {y2, 0, 0}});
    return Ok;
}

GpStatus GdipAddPathLine2I(GpPath* path, const GpPoint* points, int count)
{
    if (!path || !points || count < 1) return InvalidParameter;
    Join(path, points[0].X, points[0].Y);
    for (int i = 1; i < count; ++i) path->Elements.push_back({GpPathElement::Line, {double(points[i].X), 0, 0}, {double(points[i].Y), 0, 0}});
    return Ok;
}

GpStatus GdipAddPathArc(GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    if (!path || width <= 0 || height <= 0) return InvalidParameter;
    AddArc(path, x, y, width, height, startAngle, sweepAngle);
    return Ok;
}

GpStatus GdipAddPathBezier(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4)
{
    if (!path) return InvalidParameter;
    Join(path, x1, y1);
    path->Elements.push_back({GpPathElement::Curve, {x2, x3, x4}, {y2, y3, y4}});
    return Ok;
}

GpStatus GdipAddPathRectangle(GpPath* path, REAL x, REAL y, REAL width, REAL height)
{
    if (!path) return InvalidParameter;
    path->FigureOpen = false;
    Join(path, x, y);
    path->Elements.push_back({GpPathElement::Line, {x + width, 0, 0}, {y, 0, 0}});
    path->Elements.push_back({GpPathElement::Line, {x + width, 0, 0}, {y + height, 0, 0}});
    path->Elements.push_back({GpPathElement::Line, {x, 0, 0}, {y + height, 0, 0}});
    CloseFigure(path);
    return Ok;
}

GpStatus GdipAddPathRectangleI(GpPath* path, int x, int y, int width, int height)
{
    return GdipAddPathRectangle(path, REAL(x), REAL(y), REAL(width), REAL(height));
}

GpStatus GdipAddPathEllipse(GpPath* path, REAL x, REAL y, REAL width, REAL height)
{
    if (!path) return InvalidParameter;
    path->FigureOpen = false;
    AddArc(path, x, y, width, height, 0, 360);
    CloseFigure(path);
    return Ok;
}

GpStatus GdipAddPathPie(GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    if (!path) return InvalidParameter;
    path->FigureOpen = false;
    Join(path, x + width / 2, y + height / 2);
    AddArc(path, x, y, width, height, startAngle, sweepAngle);
    CloseFigure(path);
    return Ok;
}

GpStatus GdipAddPathPolygon(GpPath* path, const GpPointF* points, int count)
{
    if (!path || !points || count < 3) return InvalidParameter;
    path->FigureOpen = false;
    Join(path, points[0].X, points[0].Y);
    for (int i = 1; i < count; ++i) path->Elements.push_back({GpPathElement::Line, {points[i].X, 0, 0}, {points[i].Y, 0, 0}});
    CloseFigure(path);
    return Ok;
}

GpStatus GdipAddPathPolygonI(GpPath* path, const GpPoint* points, int count)
{
    if (!points || count < 3) return InvalidParameter;
    std::vector<GpPointF> f(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) f[i] = {REAL(points[i].X), REAL(points[i].Y)};
    return GdipAddPathPolygon(path, f.data(), count);
}

GpStatus GdipGetPathWorldBounds(GpPath* path, GpRectF* bounds, const void*, const GpPen*)
{
    if (!path || !bounds) return InvalidParameter;
    double l = 0, t = 0, r = 0, b = 0;
    bool first = true;
    for (const GpPathElement& e : path->Elements) {
        const int n = e.Type == GpPathElement::Curve ? 3 : e.Type == GpPathElement::Close ? 0 : 1;
        for (int i = 0; i < n; ++i) {
            if (first) {
                l = r = e.X[i];
                t = b = e.Y[i];
                first = false;
            }
            l = std::min(l, e.X[i]);
            r = std::max(r, e.X[i]);
            t = std::min(t, e.Y[i]);
            b = std::max(b, e.Y[i]);
        }
    }
    *bounds = {REAL(l), REAL(t), REAL(r - l), REAL(b - t)};
    return Ok;
}

}  // namespace gfx
