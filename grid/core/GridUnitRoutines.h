// Plain routines the grid and its start-up share: natural string order, locale separators,
// the focus-window hook and the file-version query.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/ui/MessageHooks.h"
#include "platform/ui/Messages.h"

namespace rtl {
class TObject;
}
namespace ui {
class TWinControl;
}

namespace grid {

// Logical string order: runs of digits compare by their numeric value, other characters
// without regard to case ("item2" before "item10"). Negative, 0 or positive.
int CompareStrLogical(const std::string& s1, const std::string& s2);

// The current format settings' separators and formats.
char GetTimeSeparator();
char GetDateSeparator();
char GetThousandSeparator();
char GetDecimalSeparator();
std::string GetShortDateFormat();
std::string GetShortTimeFormat();
std::string GetLongTimeFormat();
std::string GetCurrencyString();

// --- Focus-window hook
// The grid whose focus window is shown registers itself with the routine that re-places
// that window over its current cell (nullptr clears the registration). One grid at a
// time, on the user-interface thread.
void SetFocusWindowGrid(rtl::TObject* grid, std::function<void()> placeFocusWindow);
rtl::TObject* FocusWindowGrid();

// A call-window-procedure hook: a window-position change (changing or changed) lets the
// registered grid re-place its focus window; the message is always passed on.
ui::LRESULT FocusWindowHook(int code, ui::WPARAM wParam, ui::LPARAM lParam);
// Installs FocusWindowHook for the calling thread and keeps its handle (unit start-up);
// RemoveFocusWindowHook takes it out again (unit end).
void InstallFocusWindowHook();
void RemoveFocusWindowHook();
ui::HHOOK FocusWindowHookHandle();

// Gives a control the transparent window style, keeping its other settings. Of our
// controls only the rich edit has it: it then draws its text over what lies beneath and
// fills no background. The grid marks its hidden rich edit this way; other controls are
// left as they are.
void SetWindowTransparentStyle(ui::TWinControl* Control);

// The most significant 32 bits of a file's version (major version in the high 16 bits,
// minor in the low 16 bits) read from its version resource; -1 when the file is missing,
// has no version information, or the fixed block's signature is not 0xFEEF04BD.
std::int32_t GetFileVersionMS(const std::string& fileName);

}  // namespace grid
