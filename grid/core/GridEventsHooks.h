// Event types of the grid's cell-query hooks: fixed, password, cursor, word wrap, editor buttons, filter edit, check texts, search footer.
#pragma once

#include <functional>
#include <string>

#include "grid/core/GridEvents.h"

namespace grid {

// The filter kinds are defined with the filter conditions (grid/core/GridOptionsSort.h).
enum TFilterType : std::uint8_t;

enum TSearchFooterAction : std::uint8_t { saFindFirst, saFindPrevious, saFindNext };

using TGridWideHintEvent = std::function<void(TSender, int ARow, int ACol, std::string& hintstr)>;
using TIsFixedCellEvent = std::function<void(TSender, int ARow, int ACol, bool& IsFixed)>;
using TIsPasswordCellEvent = std::function<void(TSender, int ARow, int ACol, bool& IsPassword)>;
using TCellCursorEvent = std::function<void(TSender, int ACol, int ARow, int X, int Y, int& ACursor)>;
using TWordWrapEvent = std::function<void(TSender, int ACol, int ARow, bool& WordWrap)>;
using THasComboEvent = std::function<void(TSender, int ACol, int ARow, bool& HasComboBox)>;
using THasEditBtnEvent = std::function<void(TSender, int ACol, int ARow, bool& HasEditBtn)>;
using THasSpinEditEvent = std::function<void(TSender, int ACol, int ARow, bool& HasSpinEdit)>;
using THasFilterEditEvent = std::function<void(TSender, int ACol, bool& HasFilter)>;
using TFilterEditUpdateEvent =
    std::function<void(TSender, int ACol, const std::string& Condition, TFilterType FilterType)>;
using TGetCheckEvent = std::function<void(TSender, int ACol, int ARow, std::string& Value)>;
using TSearchFooterActionEvent =
    std::function<void(TSender, const std::string& Value, int ACol, int ARow, TSearchFooterAction SearchAction)>;
using TSearchFooterSearchEndEvent = std::function<void(TSender, bool& ContinueFromStart)>;
using TComboEvent = std::function<void(TSender, int ACol, int ARow)>;

}  // namespace grid
