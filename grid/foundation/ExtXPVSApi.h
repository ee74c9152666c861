// The visual-styles functions both bindings take from the library: their types and binding order.
#pragma once

#include <string>

#include "platform/gfx/Color.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/rtl/Types.h"
#include "platform/ui/Messages.h"

namespace gfx {
class TCanvas;
class TRegion;
class TImageList;
class TBrush;
struct TTextMetric;
}  // namespace gfx

namespace grid {

// The library's types on this platform: a device context is the canvas drawn on, texts
// are UTF-8 strings (out-texts are strings the call fills), regions are region objects.
using HTHEME = gfx::HTHEME;
using HDC = gfx::TCanvas*;
using HRESULT = long;
using HBRUSH = gfx::TBrush*;
using HIMAGELIST = gfx::TImageList*;
using TEXTMETRIC = gfx::TTextMetric;

constexpr HRESULT S_OK = 0;
constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(static_cast<int>(0x80004001u));
constexpr HRESULT E_FAIL = static_cast<HRESULT>(static_cast<int>(0x80004005u));
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(static_cast<int>(0x80070057u));

// Answers of HitTestThemeBackground.
constexpr unsigned short HTNOWHERE = 0;
constexpr unsigned short HTCLIENT = 1;

// Flags of the application's theme properties.
constexpr unsigned STAP_ALLOW_NONCLIENT = 1;
constexpr unsigned STAP_ALLOW_CONTROLS = 2;
constexpr unsigned STAP_ALLOW_WEBCONTENT = 4;

struct MARGINS {
    int cxLeftWidth = 0;
    int cxRightWidth = 0;
    int cyTopHeight = 0;
    int cyBottomHeight = 0;
};

struct INTLIST {
    int iValueCount = 0;
    int iValues[402] = {};
};

struct LOGFONT {
    int lfHeight = 0;
    int lfWeight = 0;
    bool lfItalic = false;
    bool lfUnderline = false;
    bool lfStrikeOut = false;
    std::string lfFaceName;
};

// X(name, result type, parameter list), in binding order.
#define GRID_VISUAL_STYLES_FUNCTIONS(X)                                                                            \
    X(OpenThemeData, HTHEME, (ui::HWND hwnd, const std::string& classList))                                        \
    X(CloseThemeData, HRESULT, (HTHEME theme))                                                                     \
    X(DrawThemeBackground, HRESULT,                                                                                \
      (HTHEME theme, HDC dc, int partId, int stateId, const rtl::TRect* rect, const rtl::TRect* clipRect))         \
    X(DrawThemeText, HRESULT,                                                                                      \
      (HTHEME theme, HDC dc, int partId, int stateId, const std::string& text, int charCount, unsigned textFlags,  \
       unsigned textFlags2, const rtl::TRect* rect))                                                               \
    X(GetThemeBackgroundContentRect, HRESULT,                                                                      \
      (HTHEME theme, HDC dc, int partId, int stateId, const rtl::TRect* bounding, rtl::TRect* content))            \
    X(GetThemeBackgroundExtent, HRESULT,                                                                           \
      (HTHEME theme, HDC dc, int partId, int stateId, const rtl::TRect* content, rtl::TRect* extent))              \
    X(GetThemeTextExtent, HRESULT,                                                                                 \
      (HTHEME theme, HDC dc, int partId, int stateId, const std::string& text, int charCount, unsigned textFlags,  \
       const rtl::TRect* bounding, rtl::TRect* extent))                                                            \
    X(GetThemeTextMetrics, HRESULT, (HTHEME theme, HDC dc, int partId, int stateId, TEXTMETRIC* metric))          \
    X(GetThemeBackgroundRegion, HRESULT,                                                                           \
      (HTHEME theme, HDC dc, int partId, int stateId, const rtl::TRect* rect, gfx::TRegion* region))              \
    X(HitTestThemeBackground, HRESULT,                                                                             \
      (HTHEME theme, HDC dc, int partId, int stateId, unsigned options, const rtl::TRect* rect,                    \
       const gfx::TRegion* region, rtl::TPoint point, unsigned short* hitTestCode))                                \
    X(DrawThemeEdge, HRESULT,                                                                                      \
      (HTHEME theme, HDC dc, int partId, int stateId, const rtl::TRect* destRect, unsigned edge, unsigned flags,   \
       rtl::TRect* contentRect))                                                                                   \
    X(DrawThemeIcon, HRESULT,                                                                                      \
      (HTHEME theme, HDC dc, int partId, int stateId, const rtl::TRect* rect, HIMAGELIST images, int imageIndex))  \
    X(IsThemePartDefined, bool, (HTHEME theme, int partId, int stateId))                                          \
    X(IsThemeBackgroundPartiallyTransparent, bool, (HTHEME theme, int partId, int stateId))                       \
    X(GetThemeColor, HRESULT, (HTHEME theme, int partId, int stateId, int propId, gfx::TColor* color))            \
    X(GetThemeMetric, HRESULT, (HTHEME theme, HDC dc, int partId, int stateId, int propId, int* value))           \
    X(GetThemeString, HRESULT, (HTHEME theme, int partId, int stateId, int propId, std::string& text))            \
    X(GetThemeBool, HRESULT, (HTHEME theme, int partId, int stateId, int propId, bool* value))                    \
    X(GetThemeInt, HRESULT, (HTHEME theme, int partId, int stateId, int propId, int* value))                      \
    X(GetThemeEnumValue, HRESULT, (HTHEME theme, int partId, int stateId, int propId, int* value))                \
    X(GetThemePosition, HRESULT, (HTHEME theme, int partId, int stateId, int propId, rtl::TPoint* point))         \
    X(GetThemeFont, HRESULT, (HTHEME theme, HDC dc, int partId, int stateId, int propId, LOGFONT* font))          \
    X(GetThemeRect, HRESULT, (HTHEME theme, int partId, int stateId, int propId, rtl::TRect* rect))               \
    X(GetThemeMargins, HRESULT,                                                                                    \
      (HTHEME theme, HDC dc, int partId, int stateId, int propId, const rtl::TRect* rect, MARGINS* margins))       \
    X(GetThemeIntList, HRESULT, (HTHEME theme, int partId, int stateId, int propId, INTLIST* list))               \
    X(SetWindowTheme, HRESULT, (ui::HWND hwnd, const std::string& subAppName, const std::string& subIdList))      \
    X(GetThemeFilename, HRESULT, (HTHEME theme, int partId, int stateId, int propId, std::string& fileName))      \
    X(GetThemeSysColor, gfx::TColor, (HTHEME theme, int colorId))                                                  \
    X(GetThemeSysColorBrush, HBRUSH, (HTHEME theme, int colorId))                                                  \
    X(GetThemeSysBool, bool, (HTHEME theme, int boolId))                                                           \
    X(GetThemeSysSize, int, (HTHEME theme, int sizeId))                                                            \
    X(GetThemeSysFont, HRESULT, (HTHEME theme, int fontId, LOGFONT* font))                                         \
    X(GetThemeSysString, HRESULT, (HTHEME theme, int stringId, std::string& text))                                 \
    X(GetThemeSysInt, HRESULT, (HTHEME theme, int intId, int* value))                                              \
    X(IsThemeActive, bool, ())                                                                                     \
    X(IsAppThemed, bool, ())                                                                                       \
    X(GetWindowTheme, HTHEME, (ui::HWND hwnd))                                                                     \
    X(EnableThemeDialogTexture, HRESULT, (ui::HWND hwnd, unsigned flags))                                          \
    X(IsThemeDialogTextureEnabled, bool, (ui::HWND hwnd))                                                          \
    X(GetThemeAppProperties, unsigned, ())                                                                         \
    X(SetThemeAppProperties, void, (unsigned flags))                                                               \
    X(GetCurrentThemeName, HRESULT, (std::string& themeFileName, std::string& colorName, std::string& sizeName))   \
    X(GetThemeDocumentationProperty, HRESULT,                                                                      \
      (const std::string& themeName, const std::string& propertyName, std::string& value))                         \
    X(DrawThemeParentBackground, HRESULT, (ui::HWND hwnd, HDC dc, const rtl::TRect* rect))                         \
    X(EnableTheming, HRESULT, (bool enable))

// Function types: TOpenThemeData, TCloseThemeData, …
#define GRID_VISUAL_STYLES_TYPE(name, result, params) using T##name = result(*) params;
GRID_VISUAL_STYLES_FUNCTIONS(GRID_VISUAL_STYLES_TYPE)
#undef GRID_VISUAL_STYLES_TYPE

constexpr int VisualStylesFunctionCount = 45;

}  // namespace grid
