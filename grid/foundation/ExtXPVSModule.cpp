// Loading the visual-styles library by name and binding its functions in order.
#include "grid/foundation/ExtXPVSModule.h"

#include "grid/foundation/ExtXPVSApi.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"

namespace grid {

const TThemeModule& PlatformThemeModule();  // ExtXPVSPainter.cpp

const TThemeModule* LoadThemeLibrary(const std::string& name)
{
    if (!gfx::ThemesActive() || !rtl::SameText(name, "uxtheme.dll")) return nullptr;
    return &PlatformThemeModule();
}

void FreeThemeLibrary(const TThemeModule*) {}

TFarProc GetThemeProcAddress(const TThemeModule* module, const std::string& name)
{
    if (!module) return nullptr;
    for (const auto& [exportName, proc] : module->Exports)
        if (exportName == name) return proc;
    return nullptr;
}

const std::vector<std::string>& VisualStylesFunctionNames()
{
#define GRID_VISUAL_STYLES_NAME(name, result, params) #name,
    static const std::vector<std::string> names{GRID_VISUAL_STYLES_FUNCTIONS(GRID_VISUAL_STYLES_NAME)};
#undef GRID_VISUAL_STYLES_NAME
    return names;
}

void BindVisualStylesFunctions(const TThemeModule& module, const std::string& unitName, int firstLine,
                               TFarProc* slots)
{
    const auto& names = VisualStylesFunctionNames();
    for (size_t k = 0; k < names.size(); ++k) {
        slots[k] = GetThemeProcAddress(&module, names[k]);
        if (!slots[k])
            throw rtl::EAssertionFailed("Assertion failure (" + unitName + ", line " +
                                        std::to_string(firstLine + 3 * static_cast<int>(k)) + ")");
    }
}

}  // namespace grid
