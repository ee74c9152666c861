// Listeners a program registers with the string grid: change notifiers and the selection listener.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/Types.h"

namespace grid {

// Told of every changed cell rectangle (CellsChanged); programs derive from it.
class TGridChangeNotifier : public rtl::TComponent {
public:
    explicit TGridChangeNotifier(rtl::TComponent* AOwner) : rtl::TComponent(AOwner) {}
    std::string ClassName() const override { return "TGridChangeNotifier"; }
    virtual void NotifyCellsChanged(const rtl::TRect&) {}
};

// Told of the row the grid's cell selection moves to.
class ITExtStringGridSelect {
public:
    virtual ~ITExtStringGridSelect() = default;
    virtual void CellSelected(int ACol, int ARow) = 0;
};

}  // namespace grid
