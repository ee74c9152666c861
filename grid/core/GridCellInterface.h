// The interface of an object that draws and sizes the grid cell it is attached to.
#pragma once

#include "platform/rtl/Types.h"

namespace gfx {
class TCanvas;
}

namespace grid {

// An interfaced cell (AddInterfacedCell) keeps an rtl::TObject; the grid draws it through
// this interface when the object implements it and draws nothing otherwise.
class IGridCellInterface {
public:
    virtual ~IGridCellInterface() = default;
    virtual void Draw(gfx::TCanvas& Canvas, const rtl::TRect& R, int Col, int Row, bool Selected) = 0;
    virtual int GetExtentX() = 0;
    virtual int GetExtentY() = 0;
};

}  // namespace grid
