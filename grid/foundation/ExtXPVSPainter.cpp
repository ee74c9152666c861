// The visual-styles library of this platform: its 45 functions, painting with our themed-part painter.
#include <algorithm>

#include "grid/foundation/ExtXPVSApi.h"
#include "grid/foundation/ExtXPVSModule.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/FrameControls.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Region.h"
#include "platform/ui/Controls.h"

namespace grid {

namespace {

// Width of the border our painter draws around every part; the content lies inside it.
constexpr int PartBorder = 1;

bool RadioPart(HTHEME theme, int partId)
{
    return theme == gfx::OpenThemeData("button") && partId == gfx::BP_RADIOBUTTON;
}

// Parts our painter draws, per theme class.
bool PartDefined(HTHEME theme, int partId)
{
    if (!theme) return false;
    if (theme == gfx::OpenThemeData("button"))
        return partId == gfx::BP_PUSHBUTTON || partId == gfx::BP_RADIOBUTTON || partId == gfx::BP_CHECKBOX;
    if (theme == gfx::OpenThemeData("combobox")) return partId == gfx::CP_DROPDOWNBUTTON;
    if (theme == gfx::OpenThemeData("spin")) return partId == gfx::SPNP_UP || partId == gfx::SPNP_DOWN;
    if (theme == gfx::OpenThemeData("header")) return partId == gfx::HP_HEADERITEM;
    return false;
}

std::string FirstChars(const std::string& text, int charCount)
{
    return charCount < 0 ? text : text.substr(0, std::min(text.size(), static_cast<size_t>(charCount)));
}

HTHEME VsOpenThemeData(ui::HWND, const std::string& classList) { return gfx::OpenThemeData(classList); }

HRESULT VsCloseThemeData(HTHEME theme)
{
    gfx::CloseThemeData(theme);
    return S_OK;
}

HRESULT VsDrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const rtl::TRect* rect,
                              const rtl::TRect* clipRect)
{
    if (!theme || !dc || !rect) return E_INVALIDARG;
    const int level = dc->SaveState();
    if (clipRect) dc->IntersectClipRect(*clipRect);
    const bool drawn = gfx::DrawThemeBackground(theme, *dc, partId, stateId, *rect);
    dc->RestoreState(level);
    return drawn ? S_OK : E_INVALIDARG;
}

HRESULT VsDrawThemeText(HTHEME theme, HDC dc, int, int, const std::string& text, int charCount, unsigned textFlags,
                        unsigned, const rtl::TRect* rect)
{
    if (!theme || !dc || !rect) return E_INVALIDARG;
    rtl::TRect r = *rect;
    const int level = dc->SaveState();
    dc->SetBkMode(gfx::TRANSPARENT);
    dc->DrawText(FirstChars(text, charCount), r, textFlags);
    dc->RestoreState(level);
    return S_OK;
}

HRESULT VsGetThemeBackgroundContentRect(HTHEME theme, HDC, int, int, const rtl::TRect* bounding,
                                        rtl::TRect* content)
{
    if (!theme || !bounding || !content) return E_INVALIDARG;
    *content = *bounding;
    rtl::InflateRect(*content, -PartBorder, -PartBorder);
    return S_OK;
}

HRESULT VsGetThemeBackgroundExtent(HTHEME theme, HDC, int, int, const rtl::TRect* content, rtl::TRect* extent)
{
    if (!theme || !content || !extent) return E_INVALIDARG;
    *extent = *content;
    rtl::InflateRect(*extent, PartBorder, PartBorder);
    return S_OK;
}

HRESULT VsGetThemeTextExtent(HTHEME theme, HDC dc, int, int, const std::string& text, int charCount,
                             unsigned textFlags, const rtl::TRect* bounding, rtl::TRect* extent)
{
    if (!theme || !dc || !extent) return E_INVALIDARG;
    rtl::TRect r = bounding ? *bounding : rtl::TRect{0, 0, 0, 0};
    dc->DrawText(FirstChars(text, charCount), r, textFlags | gfx::DT_CALCRECT);
    *extent = r;
    return S_OK;
}

HRESULT VsGetThemeTextMetrics(HTHEME theme, HDC dc, int, int, TEXTMETRIC* metric)
{
    if (!theme || !dc || !metric) return E_INVALIDARG;
    *metric = dc->TextMetric();
    return S_OK;
}

HRESULT VsGetThemeBackgroundRegion(HTHEME theme, HDC, int partId, int, const rtl::TRect* rect, gfx::TRegion* region)
{
    if (!theme || !rect || !region) return E_INVALIDARG;
    if (RadioPart(theme, partId)) return E_NOTIMPL;  // round: no rectangle describes it
    *region = gfx::TRegion(*rect);
    return S_OK;
}

HRESULT VsHitTestThemeBackground(HTHEME theme, HDC, int, int, unsigned, const rtl::TRect* rect,
                                 const gfx::TRegion* region, rtl::TPoint point, unsigned short* hitTestCode)
{
    if (!theme || !rect || !hitTestCode) return E_INVALIDARG;
    const bool inside = region ? region->Contains(point.X, point.Y) : rtl::PtInRect(*rect, point);
    *hitTestCode = inside ? HTCLIENT : HTNOWHERE;
    return S_OK;
}

HRESULT VsDrawThemeEdge(HTHEME theme, HDC dc, int, int, const rtl::TRect* destRect, unsigned edge, unsigned flags,
                        rtl::TRect* contentRect)
{
    if (!theme || !dc || !destRect) return E_INVALIDARG;
    rtl::TRect r = *destRect;
    gfx::DrawEdge(*dc, r, edge, flags | gfx::BF_ADJUST);
    if (contentRect) *contentRect = r;
    return S_OK;
}

HRESULT VsDrawThemeIcon(HTHEME theme, HDC dc, int, int, const rtl::TRect* rect, HIMAGELIST images, int imageIndex)
{
    if (!theme || !dc || !rect || !images) return E_INVALIDARG;
    images->Draw(*dc, rect->Left, rect->Top, imageIndex);
    return S_OK;
}

bool VsIsThemePartDefined(HTHEME theme, int partId, int) { return PartDefined(theme, partId); }

bool VsIsThemeBackgroundPartiallyTransparent(HTHEME theme, int partId, int) { return RadioPart(theme, partId); }

// Properties of the theme description: our painter has none to report.
HRESULT VsGetThemeColor(HTHEME, int, int, int, gfx::TColor*) { return E_NOTIMPL; }
HRESULT VsGetThemeMetric(HTHEME, HDC, int, int, int, int*) { return E_NOTIMPL; }
HRESULT VsGetThemeString(HTHEME, int, int, int, std::string&) { return E_NOTIMPL; }
HRESULT VsGetThemeBool(HTHEME, int, int, int, bool*) { return E_NOTIMPL; }
HRESULT VsGetThemeInt(HTHEME, int, int, int, int*) { return E_NOTIMPL; }
HRESULT VsGetThemeEnumValue(HTHEME, int, int, int, int*) { return E_NOTIMPL; }
HRESULT VsGetThemePosition(HTHEME, int, int, int, rtl::TPoint*) { return E_NOTIMPL; }
HRESULT VsGetThemeFont(HTHEME, HDC, int, int, int, LOGFONT*) { return E_NOTIMPL; }
HRESULT VsGetThemeRect(HTHEME, int, int, int, rtl::TRect*) { return E_NOTIMPL; }
HRESULT VsGetThemeMargins(HTHEME, HDC, int, int, int, const rtl::TRect*, MARGINS*) { return E_NOTIMPL; }
HRESULT VsGetThemeIntList(HTHEME, int, int, int, INTLIST*) { return E_NOTIMPL; }
HRESULT VsSetWindowTheme(ui::HWND, const std::string&, const std::string&) { return E_NOTIMPL; }
HRESULT VsGetThemeFilename(HTHEME, int, int, int, std::string&) { return E_NOTIMPL; }

// System colours come from the platform's one colour table.
gfx::TColor VsGetThemeSysColor(HTHEME, int colorId) { return gfx::GetSysColor(colorId); }
HBRUSH VsGetThemeSysColorBrush(HTHEME, int) { return nullptr; }
bool VsGetThemeSysBool(HTHEME, int) { return false; }
int VsGetThemeSysSize(HTHEME, int) { return 0; }
HRESULT VsGetThemeSysFont(HTHEME, int, LOGFONT*) { return E_NOTIMPL; }
HRESULT VsGetThemeSysString(HTHEME, int, std::string&) { return E_NOTIMPL; }
HRESULT VsGetThemeSysInt(HTHEME, int, int*) { return E_NOTIMPL; }

bool VsIsThemeActive() { return gfx::ThemesActive(); }
bool VsIsAppThemed() { return gfx::ThemesActive(); }
HTHEME VsGetWindowTheme(ui::HWND) { return nullptr; }
HRESULT VsEnableThemeDialogTexture(ui::HWND, unsigned) { return E_NOTIMPL; }
bool VsIsThemeDialogTextureEnabled(ui::HWND) { return false; }
unsigned VsGetThemeAppProperties() { return STAP_ALLOW_CONTROLS; }
void VsSetThemeAppProperties(unsigned) {}

HRESULT VsGetCurrentThemeName(std::string& themeFileName, std::string& colorName, std::string& sizeName)
{
    themeFileName = "tolvek";
    colorName = "NormalColor";
    sizeName = "NormalSize";
    return S_OK;
}

HRESULT VsGetThemeDocumentationProperty(const std::string&, const std::string&, std::string&) { return E_NOTIMPL; }

// Fills the rectangle with the colour of the window's parent, which is what shows behind it.
HRESULT VsDrawThemeParentBackground(ui::HWND hwnd, HDC dc, const rtl::TRect* rect)
{
    ui::TWinControl* control = ui::TWinControl::FindControl(hwnd);
    if (!control || !control->Parent() || !dc) return E_FAIL;
    const int level = dc->SaveState();
    dc->Brush().SetColor(control->Parent()->Color());
    dc->FillRect(rect ? *rect : control->ClientRect());
    dc->RestoreState(level);
    return S_OK;
}

HRESULT VsEnableTheming(bool) { return E_NOTIMPL; }

}  // namespace

const TThemeModule& PlatformThemeModule()
{
#define GRID_VISUAL_STYLES_EXPORT(name, result, params) \
    {#name, reinterpret_cast<TFarProc>(static_cast<T##name>(&Vs##name))},
    static const TThemeModule module{"UXTHEME.DLL", {GRID_VISUAL_STYLES_FUNCTIONS(GRID_VISUAL_STYLES_EXPORT)}};
#undef GRID_VISUAL_STYLES_EXPORT
    return module;
}

}  // namespace grid
