// The row range a column calculation runs over, shared by the calculations and the footer.
#pragma once

#include <unordered_map>

#include "grid/core/ExtGrid.h"

namespace grid {

class TGridItem;

// A column range with -1 resolved, and whether its rows are real rows (hidden ones
// included). In real-row mode the hidden rows' records are looked up by real row once.
struct TExtStringGrid::TColumnRange {
    int From;
    int To;
    bool Real;
    std::unordered_map<int, TGridItem*> Hidden;
};

}  // namespace grid
