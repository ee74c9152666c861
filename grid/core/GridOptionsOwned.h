// The option objects a string grid owns, kept together so the grid's header only forward-declares them.
#pragma once

#include <memory>

#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsFilter.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/core/GridOptionsSort.h"

namespace grid {

struct TExtGridOwnedOptions {
    std::unique_ptr<TAutoColor> AutoColor;
    std::unique_ptr<TFloatingFooter> FloatingFooter;
    std::unique_ptr<TSortSettings> SortSettings;
    std::unique_ptr<TDragDropSettings> DragDropSettings;
    std::unique_ptr<TDragScrollOptions> DragScrollOptions;
    std::unique_ptr<TControlLook> ControlLook;
    std::unique_ptr<TCellNode> CellNode;
    std::unique_ptr<TSizeWhileTyping> SizeWhileTyping;
    std::unique_ptr<TGrouping> Grouping;
    std::unique_ptr<TBackGround> BackGround;
    std::unique_ptr<TGridProgressAppearance> ProgressAppearance;
    std::unique_ptr<TFilter> Filter;
    std::unique_ptr<TBalloonSettings> Balloon;
    std::unique_ptr<TShowModified> ShowModified;
    std::unique_ptr<TFilterDropDown> FilterDropDown;
    std::unique_ptr<TFilterEdit> FilterEdit;
    std::unique_ptr<THoverButtons> HoverButtons;
};

}  // namespace grid
