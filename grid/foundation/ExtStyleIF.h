// Style vocabulary of the grid family: looks, colour tones, style interfaces, Office theme detection.
#pragma once

#include <string>

#include "platform/gfx/Color.h"
#include "platform/rtl/RegistryStore.h"
#include "platform/ui/Messages.h"

namespace rtl {
class TRegistry;
}

namespace grid {

// The looks a styled control takes. Controls store and compare the ordinals: keep the order.
enum TJyxStyle {
    tsOffice2003Blue,       // 0
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,   // 5
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,         // 10
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black,      // 15
    tsWindows8,
    tsOffice2013White,
    tsOffice2013LightGray,
    tsOffice2013Gray,
    tsWindows10,            // 20
    tsOffice2016White,
    tsOffice2016Gray,
    tsOffice2016Black,      // 23
};

// The Office colour theme. Detection never yields otUnknown; it is what a consumer keeps
// before the first detection.
enum TOfficeTheme {
    ot2003Blue,
    ot2003Silver,
    ot2003Olive,
    ot2003Classic,
    ot2007Blue,
    ot2007Silver,
    ot2007Black,
    ot2010Blue,
    ot2010Silver,
    ot2010Black,
    ot2013White,
    ot2013Silver,
    ot2013Gray,
    ot2016White,
    ot2016Gray,
    ot2016Black,
    otUnknown,
};

struct TColorTone {
    gfx::TColor BrushColor = 0;
    gfx::TColor BorderColor = 0;
    gfx::TColor TextColor = 0;
};

// The tones of the four button states and the background, in this order.
struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
};

// A control that takes a set of colour tones (the grid and the drop-downs).
class IJyxTones {
public:
    virtual ~IJyxTones() = default;
    virtual void SetColorTones(TColorTones ATones) = 0;
};

// A control that takes one of the looks (the drop-downs).
class IJyxStyle {
public:
    virtual ~IJyxStyle() = default;
    virtual void SetComponentStyle(TJyxStyle AStyle) = 0;
};

// A control that takes a look together with the application's colour (the grid). Both
// SetComponentStyle entries are one method.
class IJyxStyleEx : public IJyxStyle {
public:
    virtual void SetComponentStyleAndAppColor(TJyxStyle AStyle, gfx::TColor AppColor) = 0;
};

// Sent to the theme notifier's window and to every registered window when the watched
// Office settings changed: wParam the root key, lParam the key path (const char*).
constexpr ui::UINT WM_OFFICETHEMECHANGE = 2993;

// --- platform facts
// Our common controls have the version-6 feature set.
bool IsCommonControls6();
// The runtime offers the locale queries by name.
bool HasLocaleInfoEx();
bool IsWindowsXPOrLater();
// "Segoe UI" when HasLocaleInfoEx, else "Tahoma".
std::string GetDefaultUIFontName();

// --- Office and colour-scheme detection, from the program's registry store
// 4 for Office 16.0, 3 for 15.0, 2 for 14.0, 1 for 12.0 (newest key present wins), else 0.
int GetOfficeVersionCode();
// 1 "NormalColor", 2 "HomeStead", 3 "Metallic" colour scheme of the active visual style;
// 0 when visual styles are off or anything fails.
int GetXPColorScheme();
// The integer value "Theme" / "UI Theme" of the key; -1 when the key or the value is
// missing or the value is not an integer.
int ReadOfficeThemeValue(rtl::TRegistry& reg, const std::string& key);
int ReadOfficeUIThemeValue(rtl::TRegistry& reg, const std::string& key);
TOfficeTheme DetectOfficeTheme();

// Each of red, green and blue scaled by (100 − Percent) / 100, rounded, kept within 0–255.
gfx::TColor ShadeColor(gfx::TColor Color, int Percent);
gfx::TColor ShadeColorPercent(gfx::TColor Color, int Percent);

}  // namespace grid
