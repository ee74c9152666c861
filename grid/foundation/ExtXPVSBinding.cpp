// Loading the visual-styles library for one unit, binding its entries and releasing them.
#include "grid/foundation/ExtXPVSBinding.h"

#include "grid/foundation/ExtXPVSApi.h"

namespace grid {

void TVisualStylesBinding::Bind()
{
    if (Loaded) return;
    const TThemeModule* module = LoadThemeLibrary("UXTHEME.DLL");
    if (!module) return;
    Loaded = true;
    Module = module;
    TFarProc slots[VisualStylesFunctionCount] = {};
    try {
        BindVisualStylesFunctions(*module, UnitName, FirstLine, slots);
    } catch (...) {
        Assign(slots);
        throw;
    }
    Assign(slots);
}

void TVisualStylesBinding::Unbind()
{
    if (!Loaded) return;
    FreeThemeLibrary(Module);
    Module = nullptr;
    Loaded = false;
    // The entries are emptied too: left set, a caller testing an entry before calling
    // would call into a library that is no longer loaded.
    const TFarProc empty[VisualStylesFunctionCount] = {};
    Assign(empty);
}

}  // namespace grid
