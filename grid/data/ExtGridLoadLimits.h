// Bounds on the row and column counts a grid load takes from its input, checked before the grid changes.
#pragma once

#include <algorithm>

namespace grid {

// A header may announce rows or columns that no record of its input fills (a saved grid
// with empty rows writes no line for them), but a grid sized from a few bytes must not
// take gigabytes: a load accepts a count up to this allowance, or up to the number of
// records its input holds when that is larger, so the memory a load takes stays in
// proportion to its input.
constexpr long long LoadCountAllowance = 1LL << 20;

// True when Count rows or columns may be taken from an input holding Records records.
constexpr bool LoadCountFits(long long Count, long long Records)
{
    return Count >= 0 && Count <= std::max(LoadCountAllowance, Records);
}

}  // namespace grid
