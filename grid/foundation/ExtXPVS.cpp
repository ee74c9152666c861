// The grid's binding of the visual-styles library, made when the program starts.
#include "grid/foundation/ExtXPVS.h"

#include "grid/foundation/ExtXPVSBinding.h"

namespace grid {

#define GRID_VISUAL_STYLES_ENTRY(name, result, params) T##name name = nullptr;
GRID_VISUAL_STYLES_FUNCTIONS(GRID_VISUAL_STYLES_ENTRY)
#undef GRID_VISUAL_STYLES_ENTRY

namespace {

void AssignEntries(const TFarProc* slots)
{
    int k = 0;
#define GRID_VISUAL_STYLES_ASSIGN(name, result, params) name = reinterpret_cast<T##name>(slots[k++]);
    GRID_VISUAL_STYLES_FUNCTIONS(GRID_VISUAL_STYLES_ASSIGN)
#undef GRID_VISUAL_STYLES_ASSIGN
}

constinit TVisualStylesBinding Binding("ExtXPVS", 1533, AssignEntries);

// Binds when the program starts and releases when it ends.
struct TUnitLifetime {
    TUnitLifetime() { LoadVisualStylesLibrary(); }
    ~TUnitLifetime() { UnloadVisualStylesLibrary(); }
} UnitLifetime;

}  // namespace

bool VisualStylesLibraryLoaded() { return Binding.Bound(); }

void LoadVisualStylesLibrary() { Binding.Bind(); }

void UnloadVisualStylesLibrary() { Binding.Unbind(); }

}  // namespace grid
