// Published settings of the string grid that only store their value (filter drop-down, pop-up tool bar, scroll hints, linked components).
#pragma once

#include <cstdint>

#include "grid/core/GridOptionsFilter.h"

namespace rtl {
class TComponent;
}

namespace grid {

// Whether a filter hides the rows that do not match or only selects the matching ones.
enum TGridFilterType : std::uint8_t { ftHide, ftSuppress };
// Where the pop-up tool bar appears: at the active cell or at the selection.
enum TPopupToolBarMode : std::uint8_t { tbActiveCell, tbSelection };
// Which scroll bars show the scroll hint window while dragging their thumb.
enum TScrollHintType : std::uint8_t { shNone, shHorizontal, shVertical, shBoth };

// The values behind the grid's published plain settings of this file, with their declared defaults.
struct TExtGridPublished {
    TGridFilterType FilterType = ftHide;
    TFilterDropDownColumns FilterDropDownColumns = fdNormal;
    bool FilterDropDownCheckUnCheckAll = false;
    bool FixedAsButtons = false;
    TPopupToolBarMode PopupToolBarMode = tbActiveCell;
    TScrollHintType ScrollHints = shNone;
    // Components the grid links to; cleared when the component is removed.
    rtl::TComponent* FixedDropDownMenu = nullptr;
    rtl::TComponent* PopupToolBar = nullptr;
    rtl::TComponent* GridImages = nullptr;
    rtl::TComponent* PictureContainer = nullptr;
    rtl::TComponent* CellChecker = nullptr;
};

}  // namespace grid
