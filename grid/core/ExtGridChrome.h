// The grid's own windows around its cells: thin scroll controls, auxiliary scroll bars, the drag button and the button form.
#pragma once

#include <memory>

#include "grid/core/HeaderDragButton.h"
#include "grid/core/HoverButtonsWindow.h"
#include "grid/core/ThinScrollBar.h"
#include "platform/ui/Menus.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace grid {

struct TExtGridChromeObjects {
    // The thin scroll controls of the ssMetro scroll type: nil until created.
    std::unique_ptr<TScrollControl> vscrlctrl;
    std::unique_ptr<TScrollControl> hscrlctrl;
    // Run time only: the in-cell scroll bar (FScrollBar), the scroll bar cells are painted
    // with (FPaintScrollBar), the header drag button (MoveButton) and the hover-button
    // form (FButtonForm).
    std::unique_ptr<ui::TScrollBar> ScrollBar;
    std::unique_ptr<ui::TScrollBar> PaintScrollBar;
    std::unique_ptr<THeaderDragButton> MoveButton;
    std::unique_ptr<TNoActiveForm> ButtonForm;
    // Design helper item under the cursor at the last hit test (255: none), and the menu
    // of looks its "Set look" item opens.
    int DesignHelperItem = 255;
    std::unique_ptr<ui::TPopupMenu> LookMenu;
};

}  // namespace grid
