// The hourglass cursor shown while a spreadsheet, document or database exchange runs.
#pragma once

#include "platform/ui/Forms.h"

namespace grid {

// Shows the hourglass for its lifetime and restores the cursor on every way out.
class THourGlassScope {
public:
    THourGlassScope() : FSaved(ui::Screen().Cursor()) { ui::Screen().SetCursor(ui::crHourGlass); }
    ~THourGlassScope() { ui::Screen().SetCursor(FSaved); }
    THourGlassScope(const THourGlassScope&) = delete;
    THourGlassScope& operator=(const THourGlassScope&) = delete;

private:
    ui::TCursor FSaved;
};

}  // namespace grid
