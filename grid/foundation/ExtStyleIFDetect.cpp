// Office generation and theme detection from the registry store, and the colour-scheme test.
#include <utility>
#include <vector>

#include "grid/foundation/ExtStyleIF.h"
#include "grid/foundation/ExtXPVSApi.h"
#include "grid/foundation/ExtXPVSModule.h"
#include "platform/rtl/Registry.h"

namespace grid {

namespace {

const char* const OfficeKey = "Software\\Microsoft\\Office\\";

std::string OfficeCommonKey(const char* version) { return std::string(OfficeKey) + version + "\\Common"; }

int ReadThemeInteger(rtl::TRegistry& reg, const std::string& key, const std::string& name)
{
    if (!reg.KeyExists(key)) return -1;
    if (!reg.OpenKeyReadOnly(key)) return -1;
    // A value of another kind counts as absent, so that detection moves on to the next
    // step instead of failing on a value some other program stored.
    const int value = reg.GetDataType(name) == rtl::rdInteger ? reg.ReadInteger(name) : -1;
    reg.CloseKey();
    return value;
}

// Theme of one detection step for a value found; `table` maps values to themes.
struct TThemeStep {
    const char* Version;
    bool UIThemeValue;
    std::vector<std::pair<int, TOfficeTheme>> Table;
};

}  // namespace

int ReadOfficeThemeValue(rtl::TRegistry& reg, const std::string& key) { return ReadThemeInteger(reg, key, "Theme"); }

int ReadOfficeUIThemeValue(rtl::TRegistry& reg, const std::string& key)
{
    return ReadThemeInteger(reg, key, "UI Theme");
}

int GetOfficeVersionCode()
{
    rtl::TRegistry reg(rtl::KEY_READ);
    reg.SetRootKey(rtl::HKEY_CURRENT_USER);
    const char* const versions[] = {"12.0", "14.0", "15.0", "16.0"};
    int code = 0;
    for (int i = 0; i < 4; ++i)
        if (reg.KeyExists(std::string(OfficeKey) + versions[i] + "\\Common\\General")) code = i + 1;
    return code;
}

int GetXPColorScheme()
{
    if (!IsWindowsXPOrLater()) return 0;
    const TThemeModule* module = LoadThemeLibrary("uxtheme.dll");
    if (!module) return 0;
    int scheme = 0;
    try {
        auto isThemeActive = reinterpret_cast<TIsThemeActive>(GetThemeProcAddress(module, "IsThemeActive"));
        if (isThemeActive && isThemeActive() && IsCommonControls6()) {
            auto getName = reinterpret_cast<TGetCurrentThemeName>(GetThemeProcAddress(module, "GetCurrentThemeName"));
            std::string file, color, size;
            if (getName && getName(file, color, size) == S_OK) {
                if (color.find("NormalColor") != std::string::npos)
                    scheme = 1;
                else if (color.find("HomeStead") != std::string::npos)
                    scheme = 2;
                else if (color.find("Metallic") != std::string::npos)
                    scheme = 3;
            }
        }
    } catch (...) {
        scheme = 0;
    }
    FreeThemeLibrary(module);
    return scheme;
}

TOfficeTheme DetectOfficeTheme()
{
    static const TThemeStep steps[] = {
        {"16.0", true, {{0, ot2016White}, {3, ot2016White}, {5, ot2016Gray}, {2, ot2016Black}}},
        {"15.0", true, {{0, ot2013White}, {1, ot2013Silver}, {2, ot2013Gray}}},
        {"14.0", false, {{1, ot2010Blue}, {2, ot2010Silver}, {3, ot2010Black}}},
        {"12.0", false, {{1, ot2007Blue}, {2, ot2007Silver}, {3, ot2007Black}}},
    };
    rtl::TRegistry reg(rtl::KEY_READ);
    reg.SetRootKey(rtl::HKEY_CURRENT_USER);
    for (const TThemeStep& step : steps) {
        const std::string key = OfficeCommonKey(step.Version);
        const int value = step.UIThemeValue ? ReadOfficeUIThemeValue(reg, key) : ReadOfficeThemeValue(reg, key);
        if (value == -1) continue;
        for (const auto& [listed, theme] : step.Table)
            if (listed == value) return theme;
        return ot2003Blue;
    }
    switch (GetXPColorScheme()) {
    case 1: return ot2003Blue;
    case 2: return ot2003Olive;
    case 3: return ot2003Silver;
    default: return ot2003Classic;
    }
}

}  // namespace grid
