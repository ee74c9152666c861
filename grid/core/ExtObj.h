// The platform string grid subclass from which the base grid derives; it adds nothing.
#pragma once

#include "platform/ui/Grids.h"

namespace grid {

class TObjStringGrid : public ui::TStringGrid {
public:
    explicit TObjStringGrid(rtl::TComponent* AOwner) : ui::TStringGrid(AOwner) {}
    std::string ClassName() const override { return "TObjStringGrid"; }
};

}  // namespace grid
