// The shared contract of the grid's cell editor controls: owner check, exit that stores the value, beep.
#include "grid/editing/GridEditorContract.h"

#include "grid/core/ExtGrid.h"
#include "platform/rtl/Exceptions.h"

namespace grid {

TExtStringGrid* RequireGrid(rtl::TComponent* AOwner, const char* EditorClass)
{
    auto* g = dynamic_cast<TExtStringGrid*>(AOwner);
    if (g == nullptr) throw rtl::EInvalidCast(std::string(EditorClass) + " needs a TExtStringGrid as owner");
    return g;
}

void EditorExit(TExtStringGrid& Grid, const std::function<void()>& PlatformExit)
{
    if (!Grid.HasState(rtl::csDestroying)) Grid.HideInplaceEdit();
    PlatformExit();
}

namespace {
int gBeeps = 0;
}

void EditorBeep() { ++gBeeps; }
int EditorBeepCount() { return gBeeps; }

}  // namespace grid
