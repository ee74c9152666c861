// THeaderDragButton: the floating copy of a header cell that follows the mouse while a column or row is moved.
#pragma once

#include <string>

#include "grid/core/GridOptions.h"
#include "platform/ui/Controls.h"

namespace grid {

class TExtStringGrid;

// A bordered window of the grid that paints itself as a cell of the grid's first column,
// with its caption on it: plain text centred on one line, or mini-HTML when the caption
// holds a closing tag. The grid places it in its own client coordinates.
class THeaderDragButton : public ui::TCustomControl {
public:
    explicit THeaderDragButton(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "THeaderDragButton"; }
    GRID_PLAIN_PROPERTY(bool, Flat, false)
public:
    TExtStringGrid* Grid() const { return FGrid; }
    void SetGrid(TExtStringGrid* Value) { FGrid = Value; }

protected:
    void Paint() override;

private:
    TExtStringGrid* FGrid = nullptr;
};

}  // namespace grid
