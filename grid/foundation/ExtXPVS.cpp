// The grid's binding of the visual-styles library, made when the program starts.
#include "grid/foundation/ExtXPVS.h"

#include "grid/foundation/ExtXPVSModule.h"

namespace grid {

#define GRID_VISUAL_STYLES_ENTRY(name, result, params) T##name name = nullptr;
GRID_VISUAL_STYLES_FUNCTIONS(GRID_VISUAL_STYLES_ENTRY)
#undef GRID_VISUAL_STYLES_ENTRY

namespace {

bool Loaded = false;
const TThemeModule* Module = nullptr;

void AssignEntries(const TFarProc* slots)
{
    int k = 0;
#define GRID_VISUAL_STYLES_ASSIGN(name, result, params) name = reinterpret_cast<T##name>(slots[k++]);
    GRID_VISUAL_STYLES_FUNCTIONS(GRID_VISUAL_STYLES_ASSIGN)
#undef GRID_VISUAL_STYLES_ASSIGN
}

// Binds when the program starts and releases when it ends.
struct TUnitLifetime {
    TUnitLifetime() { LoadVisualStylesLibrary(); }
    ~TUnitLifetime() { UnloadVisualStylesLibrary(); }
} UnitLifetime;

}  // namespace

bool VisualStylesLibraryLoaded() { return Loaded; }

void LoadVisualStylesLibrary()
{
    if (Loaded) return;
    const TThemeModule* module = LoadThemeLibrary("UXTHEME.DLL");
    if (!module) return;
    Loaded = true;
    Module = module;
    TFarProc slots[VisualStylesFunctionCount] = {};
    try {
        BindVisualStylesFunctions(*module, "ExtXPVS", 1533, slots);
    } catch (...) {
        AssignEntries(slots);
        throw;
    }
    AssignEntries(slots);
}

void UnloadVisualStylesLibrary()
{
    if (!Loaded) return;
    FreeThemeLibrary(Module);
    Module = nullptr;
    Loaded = false;
    // The entries are emptied too: left set, a caller testing an entry before calling
    // would call into a library that is no longer loaded.
    const TFarProc empty[VisualStylesFunctionCount] = {};
    AssignEntries(empty);
}

}  // namespace grid
