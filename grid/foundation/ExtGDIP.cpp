// GDI+ object layer: start-up and shutdown, allocation, colour conversion, string formats, brushes, pens, fonts and paths.
#include "grid/foundation/ExtGDIP.h"

#include <new>

namespace grid {

namespace {

// GDI+ runs from the program's start to its end; an allocation that finds it stopped
// starts it again with the same records.
struct TGdiplusUnit {
    std::uintptr_t Token = 0;
    gfx::GdiplusStartupInput Input;
    gfx::GdiplusStartupOutput Output;
    TGdiplusUnit()
    {
        Input.GdiplusVersion = 1;
        Input.DebugEventCallback = nullptr;
        Input.SuppressBackgroundThread = true;
        Input.SuppressExternalCodecs = false;
        Start();
    }
    ~TGdiplusUnit()
    {
        if (Token) gfx::GdiplusShutdown(Token);
    }
    void Start() { gfx::GdiplusStartup(&Token, &Input, &Output); }
};

TGdiplusUnit& Unit()
{
    static TGdiplusUnit unit;
    return unit;
}

// Makes sure the unit is started when the library is loaded, not only on first use.
const bool GUnitStarted = (Unit(), true);

}  // namespace

ARGB ToArgbValue(gfx::TColor color)
{
    const gfx::TColor rgb = gfx::ColorToRGB(color);
    return 0xFF000000u + static_cast<ARGB>(gfx::GetRValue(rgb)) * 65536u + static_cast<ARGB>(gfx::GetGValue(rgb)) * 256u +
           gfx::GetBValue(rgb);
}

TGPRectF MakeFloatRect(float x, float y, float width, float height) { return TGPRectF{x, y, width, height}; }

// --- allocation ---

void* TGdiplusBase::operator new(std::size_t size)
{
    (void)GUnitStarted;
    void* p = gfx::GdipAlloc(size);
    if (!p) {
        Unit().Start();
        p = gfx::GdipAlloc(size);
    }
    if (!p) throw std::bad_alloc();
    return p;
}

void TGdiplusBase::operator delete(void* ptr) { gfx::GdipFree(ptr); }

// --- string format ---

TGPStringFormat::TGPStringFormat(int formatFlags, int language)
{
    lastError = gfx::GdipCreateStringFormat(formatFlags, language, &nativeFormat);
}

TGPStringFormat::TGPStringFormat(const TGPStringFormat* format)
{
    lastError = gfx::GdipCloneStringFormat(format ? format->nativeFormat : nullptr, &nativeFormat);
}

TGPStringFormat::~TGPStringFormat() { gfx::GdipDeleteStringFormat(nativeFormat); }

Status TGPStringFormat::Record(Status s)
{
    if (s != gfx::Ok) lastError = s;
    return s;
}

Status TGPStringFormat::SetAlignment(gfx::GpStringAlignment align) { return Record(gfx::GdipSetStringFormatAlign(nativeFormat, align)); }
gfx::GpStringAlignment TGPStringFormat::GetAlignment()
{
    gfx::GpStringAlignment a = gfx::StringAlignmentNear;
    Record(gfx::GdipGetStringFormatAlign(nativeFormat, &a));
    return a;
}
Status TGPStringFormat::SetLineAlignment(gfx::GpStringAlignment align) { return Record(gfx::GdipSetStringFormatLineAlign(nativeFormat, align)); }
gfx::GpStringAlignment TGPStringFormat::GetLineAlignment()
{
    gfx::GpStringAlignment a = gfx::StringAlignmentNear;
    Record(gfx::GdipGetStringFormatLineAlign(nativeFormat, &a));
    return a;
}
Status TGPStringFormat::SetFormatFlags(int flags) { return Record(gfx::GdipSetStringFormatFlags(nativeFormat, flags)); }
int TGPStringFormat::GetFormatFlags()
{
    int f = 0;
    Record(gfx::GdipGetStringFormatFlags(nativeFormat, &f));
    return f;
}
Status TGPStringFormat::SetTrimming(gfx::GpStringTrimming trimming) { return Record(gfx::GdipSetStringFormatTrimming(nativeFormat, trimming)); }
gfx::GpStringTrimming TGPStringFormat::GetTrimming()
{
    gfx::GpStringTrimming t = gfx::StringTrimmingNone;
    Record(gfx::GdipGetStringFormatTrimming(nativeFormat, &t));
    return t;
}
Status TGPStringFormat::SetHotkeyPrefix(gfx::GpHotkeyPrefix prefix) { return Record(gfx::GdipSetStringFormatHotkeyPrefix(nativeFormat, prefix)); }
gfx::GpHotkeyPrefix TGPStringFormat::GetHotkeyPrefix()
{
    gfx::GpHotkeyPrefix p = gfx::HotkeyPrefixNone;
    Record(gfx::GdipGetStringFormatHotkeyPrefix(nativeFormat, &p));
    return p;
}

// --- brushes ---

TGPBrush::~TGPBrush() { gfx::GdipDeleteBrush(nativeBrush); }

Status TGPBrush::Record(Status s)
{
    if (s != gfx::Ok) lastResult = s;
    return s;
}

TGPSolidBrush::TGPSolidBrush(ARGB color) { lastResult = gfx::GdipCreateSolidFill(color, &nativeBrush); }

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPointF& p1, const TGPPointF& p2, ARGB color1, ARGB color2)
{
    lastResult = gfx::GdipCreateLineBrush(&p1, &p2, color1, color2, gfx::WrapModeTile, &nativeBrush);
}
TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPoint& p1, const TGPPoint& p2, ARGB color1, ARGB color2)
{
    lastResult = gfx::GdipCreateLineBrushI(&p1, &p2, color1, color2, gfx::WrapModeTile, &nativeBrush);
}
TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, gfx::GpLinearGradientMode mode)
{
    lastResult = gfx::GdipCreateLineBrushFromRect(&rect, color1, color2, mode, gfx::WrapModeTile, &nativeBrush);
}
TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, gfx::GpLinearGradientMode mode)
{
    lastResult = gfx::GdipCreateLineBrushFromRectI(&rect, color1, color2, mode, gfx::WrapModeTile, &nativeBrush);
}
TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable)
{
    lastResult = gfx::GdipCreateLineBrushFromRectWithAngle(&rect, color1, color2, angle, isAngleScalable,
                                                           gfx::WrapModeTile, &nativeBrush);
}
TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable)
{
    const TGPRectF r{float(rect.X), float(rect.Y), float(rect.Width), float(rect.Height)};
    lastResult = gfx::GdipCreateLineBrushFromRectWithAngle(&r, color1, color2, angle, isAngleScalable,
                                                           gfx::WrapModeTile, &nativeBrush);
}
Status TGPLinearGradientBrush::SetGammaCorrection(bool useGammaCorrection)
{
    return Record(gfx::GdipSetLineGammaCorrection(nativeBrush, useGammaCorrection));
}
Status TGPLinearGradientBrush::SetInterpolationColors(const ARGB* colors, const float* positions, int count)
{
    return Record(gfx::GdipSetLinePresetBlend(nativeBrush, colors, positions, count));
}

// --- pen ---

TGPPen::TGPPen(ARGB color, float width) { lastResult = gfx::GdipCreatePen1(color, width, gfx::UnitWorld, &nativePen); }
TGPPen::~TGPPen() { gfx::GdipDeletePen(nativePen); }
Status TGPPen::Record(Status s)
{
    if (s != gfx::Ok) lastResult = s;
    return s;
}
gfx::GpDashStyle TGPPen::GetDashStyle()
{
    gfx::GpDashStyle d = gfx::DashStyleSolid;
    Record(gfx::GdipGetPenDashStyle(nativePen, &d));
    return d;
}
Status TGPPen::SetDashStyle(gfx::GpDashStyle style) { return Record(gfx::GdipSetPenDashStyle(nativePen, style)); }

// --- fonts ---

TGPFontFamily::TGPFontFamily(const std::string& name, const TGPFontCollection* collection)
{
    lastResult = gfx::GdipCreateFontFamilyFromName(name, collection ? collection->Native() : nullptr, &nativeFamily);
}

TGPFontFamily::~TGPFontFamily()
{
    if (!FShared) gfx::GdipDeleteFontFamily(nativeFamily);
}

namespace {
TGPFontFamily* SharedFamily(gfx::GpStatus (*get)(gfx::GpFontFamily**))
{
    gfx::GpFontFamily* native = nullptr;
    const Status s = get(&native);
    return new TGPFontFamily(native, s);
}
}  // namespace

TGPFontFamily* TGPFontFamily::GenericSansSerif()
{
    static TGPFontFamily* f = [] { auto* r = SharedFamily(gfx::GdipGetGenericFontFamilySansSerif); r->FShared = true; return r; }();
    return f;
}
TGPFontFamily* TGPFontFamily::GenericSerif()
{
    static TGPFontFamily* f = [] { auto* r = SharedFamily(gfx::GdipGetGenericFontFamilySerif); r->FShared = true; return r; }();
    return f;
}
TGPFontFamily* TGPFontFamily::GenericMonospace()
{
    static TGPFontFamily* f = [] { auto* r = SharedFamily(gfx::GdipGetGenericFontFamilyMonospace); r->FShared = true; return r; }();
    return f;
}

std::string TGPFontFamily::GetFamilyName() const
{
    std::string name;
    gfx::GdipGetFamilyName(nativeFamily, &name);
    return name;
}

TGPFont::TGPFont(const TGPFontFamily* family, float emSize, int style, gfx::GpUnit unit)
{
    lastResult = gfx::GdipCreateFont(family ? family->Native() : nullptr, emSize, style, unit, &nativeFont);
}

TGPFont::TGPFont(const std::string& familyName, const TGPFontCollection* collection, float emSize, int style, gfx::GpUnit unit)
{
    gfx::GpFontFamily* family = nullptr;
    lastResult = gfx::GdipCreateFontFamilyFromName(familyName, collection ? collection->Native() : nullptr, &family);
    if (family) lastResult = gfx::GdipCreateFont(family, emSize, style, unit, &nativeFont);
    gfx::GdipDeleteFontFamily(family);
    if (lastResult != gfx::Ok) {
        nativeFont = nullptr;
        lastResult = gfx::GdipCreateFont(TGPFontFamily::GenericSansSerif()->Native(), emSize, style, unit, &nativeFont);
    }
}

TGPFont::~TGPFont() { gfx::GdipDeleteFont(nativeFont); }

float TGPFont::GetSize() const
{
    float size = 0;
    gfx::GdipGetFontSize(nativeFont, &size);
    return size;
}

// --- paths ---

TGPGraphicsPath::TGPGraphicsPath(gfx::GpFillMode fillMode) { lastResult = gfx::GdipCreatePath(fillMode, &nativePath); }
TGPGraphicsPath::~TGPGraphicsPath() { gfx::GdipDeletePath(nativePath); }
Status TGPGraphicsPath::Record(Status s)
{
    if (s != gfx::Ok) lastResult = s;
    return s;
}
Status TGPGraphicsPath::Reset() { return Record(gfx::GdipResetPath(nativePath)); }
Status TGPGraphicsPath::CloseFigure() { return Record(gfx::GdipClosePathFigure(nativePath)); }
Status TGPGraphicsPath::StartFigure() { return Record(gfx::GdipStartPathFigure(nativePath)); }
Status TGPGraphicsPath::GetBounds(TGPRectF& bounds, const TGPPen* pen)
{
    return Record(gfx::GdipGetPathWorldBounds(nativePath, &bounds, nullptr, pen ? pen->Native() : nullptr));
}
Status TGPGraphicsPath::AddLine(const TGPPointF& p1, const TGPPointF& p2) { return AddLine(p1.X, p1.Y, p2.X, p2.Y); }
Status TGPGraphicsPath::AddLine(float x1, float y1, float x2, float y2) { return Record(gfx::GdipAddPathLine(nativePath, x1, y1, x2, y2)); }
Status TGPGraphicsPath::AddLines(const TGPPoint* points, int count) { return Record(gfx::GdipAddPathLine2I(nativePath, points, count)); }
Status TGPGraphicsPath::AddRectangle(const TGPRectF& r) { return Record(gfx::GdipAddPathRectangle(nativePath, r.X, r.Y, r.Width, r.Height)); }
Status TGPGraphicsPath::AddRectangle(const TGPRect& r) { return Record(gfx::GdipAddPathRectangleI(nativePath, r.X, r.Y, r.Width, r.Height)); }
Status TGPGraphicsPath::AddArc(const TGPRectF& r, float start, float sweep) { return AddArc(r.X, r.Y, r.Width, r.Height, start, sweep); }
Status TGPGraphicsPath::AddArc(float x, float y, float w, float h, float start, float sweep)
{
    return Record(gfx::GdipAddPathArc(nativePath, x, y, w, h, start, sweep));
}
Status TGPGraphicsPath::AddEllipse(const TGPRectF& r) { return AddEllipse(r.X, r.Y, r.Width, r.Height); }
Status TGPGraphicsPath::AddEllipse(float x, float y, float w, float h) { return Record(gfx::GdipAddPathEllipse(nativePath, x, y, w, h)); }
Status TGPGraphicsPath::AddPie(const TGPRectF& r, float start, float sweep) { return AddPie(r.X, r.Y, r.Width, r.Height, start, sweep); }
Status TGPGraphicsPath::AddPie(float x, float y, float w, float h, float start, float sweep)
{
    return Record(gfx::GdipAddPathPie(nativePath, x, y, w, h, start, sweep));
}
Status TGPGraphicsPath::AddPolygon(const TGPPointF* points, int count) { return Record(gfx::GdipAddPathPolygon(nativePath, points, count)); }
Status TGPGraphicsPath::AddPolygon(const TGPPoint* points, int count) { return Record(gfx::GdipAddPathPolygonI(nativePath, points, count)); }
Status TGPGraphicsPath::AddBezier(const TGPPointF& p1, const TGPPointF& p2, const TGPPointF& p3, const TGPPointF& p4)
{
    return AddBezier(p1.X, p1.Y, p2.X, p2.Y, p3.X, p3.Y, p4.X, p4.Y);
}
Status TGPGraphicsPath::AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4)
{
    return Record(gfx::GdipAddPathBezier(nativePath, x1, y1, x2, y2, x3, y3, x4, y4));
}

}  // namespace grid
