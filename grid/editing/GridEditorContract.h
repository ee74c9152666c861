// What every grid cell editor control shares: its owner is the grid, and losing the focus stores the value.
#pragma once

#include <functional>
#include <string>

namespace rtl {
class TComponent;
}

namespace grid {

class TExtStringGrid;

// The owner as the grid; any other owner raises EInvalidCast naming the editor class.
TExtStringGrid* RequireGrid(rtl::TComponent* AOwner, const char* EditorClass);

// The shared exit: the grid's HideInplaceEdit stores the value, then the platform's exit
// handling (OnExit) runs.
void EditorExit(TExtStringGrid& Grid, const std::function<void()>& PlatformExit);

// Refused keyboard input in an editor: the default beep. The platform layer has no sound,
// so the beep is counted (tests read the count).
void EditorBeep();
int EditorBeepCount();

}  // namespace grid
