// The cell-ID selector of the storyline page: the cells of an elevation class or a region as a cell list.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace app {

inline constexpr int CellIDSelectorItemCount = 12;

// The selector's items, index 0 to 11: "ALL", three elevation classes, eight
// regions whose first four characters are their NUTS-2 codes.
extern const std::array<const char*, CellIDSelectorItemCount> CellIDSelectorItems;

// The cell list for the selector's chosen item and text: "ALL" for item 0;
// for items 1 to 3 the cells of CellSelectorTable whose elevation is at most
// 200 m, above 200 and at most 500 m, or above 500 m (an unreadable elevation
// counts as -999, a plain-region cell); for items 4 to 11 the cells whose
// NUTS-3 code starts with the first four characters of the text. Each cell is
// its number followed by "; ", in increasing order. Any other item index
// (none chosen) gives an empty list.
std::string SelectCellIDs(int itemIndex, std::string_view selectorText);

}  // namespace app
