// Balances one BeginUpdate of the string grid with exactly one EndUpdate, also when an exception leaves the scope.
#pragma once

#include "grid/core/ExtGrid.h"

namespace grid {

class TUpdateScope {
public:
    explicit TUpdateScope(TExtStringGrid& grid) : FGrid(grid) { FGrid.BeginUpdate(); }
    ~TUpdateScope() { FGrid.EndUpdate(); }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
    TExtStringGrid& FGrid;
};

}  // namespace grid
