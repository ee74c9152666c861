// Filter buttons of fixed cells: the release that opens the filter list or the filter-type menu.
#include "grid/core/ExtGrid.h"

namespace grid {

bool TExtStringGrid::FilterButtonRelease(int /*ACol*/, int /*ARow*/, int /*X*/, int /*Y*/)
{
    return false;
}

}  // namespace grid
