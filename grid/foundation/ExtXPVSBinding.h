// One run-time binding of the visual-styles library: loading, binding its entries, releasing.
#pragma once

#include "grid/foundation/ExtXPVSModule.h"

namespace grid {

// Holds the library for one unit and fills that unit's entry points through `assign`.
// The two units binding the library differ only in their entries, unit name and first
// assertion line; constant-initialised, so it is ready before any unit starts.
class TVisualStylesBinding {
public:
    // Stores all VisualStylesFunctionCount slots into the unit's entries, in binding order.
    using TAssignEntries = void (*)(const TFarProc* slots);

    constexpr TVisualStylesBinding(const char* unitName, int firstLine, TAssignEntries assign)
        : UnitName(unitName), FirstLine(firstLine), Assign(assign)
    {
    }

    bool Bound() const { return Loaded; }
    // Loads the library and binds every entry; nothing when already bound or the library is
    // absent. A missing function fails the unit's assertion with the entries before it set
    // (the binding then counts as bound, so releasing it empties them).
    void Bind();
    // Releases the library and empties the entries; nothing when not bound.
    void Unbind();

private:
    const char* UnitName;
    int FirstLine;
    TAssignEntries Assign;
    bool Loaded = false;
    const TThemeModule* Module = nullptr;
};

}  // namespace grid
