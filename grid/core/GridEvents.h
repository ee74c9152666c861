// Event types of the grid's published events: the parameters handlers receive and may answer.
#pragma once

#include <functional>
#include <string>

#include "grid/core/GridTypes.h"
#include "platform/gfx/Color.h"

namespace rtl {
class TObject;
}
namespace gfx {
class TBrush;
class TFont;
class TPen;
}  // namespace gfx

namespace grid {

// Sender is the component that fires the event; reference parameters are answers the
// handler may change. Note the order of the cell coordinates: some types take the row
// first (ARow, ACol), others the column first.
using TSender = rtl::TObject*;

// Event without parameters besides its sender (the option objects' change events).
using TNotifyEvent = std::function<void(TSender)>;

using TGetDisplTextEvent = std::function<void(TSender, int ACol, int ARow, std::string& Value)>;
using TGetDisplWideTextEvent = std::function<void(TSender, int ACol, int ARow, std::string& Value)>;
using TExtGridUndoRedoEvent = std::function<void(TSender, TBaseGrid* Grid, int Col, int Row,
                                                 const std::string& OrigValue, const std::string& NewValue)>;
using TFloatFormatEvent =
    std::function<void(TSender, int ACol, int ARow, bool& IsFloat, std::string& FloatFormat)>;
using TOnResizeEvent = std::function<void(TSender)>;
using TColumnSizeEvent = std::function<void(TSender, int ACol, bool& Allow)>;
using TColumnSizingEvent = std::function<void(TSender, int ACol, int ColumnSize)>;
using TRowSizingEvent = std::function<void(TSender, int ARow, int RowSize)>;
using TRowSizeEvent = std::function<void(TSender, int ARow, bool& Allow)>;
using TEndColumnSizeEvent = std::function<void(TSender, int ACol)>;
using TUpdateColumnSizeEvent = std::function<void(TSender, int ACol, int& AWidth)>;
using TEndRowSizeEvent = std::function<void(TSender, int ARow)>;
using TClickCellEvent = std::function<void(TSender, int ARow, int ACol)>;
using TDblClickCellEvent = std::function<void(TSender, int ARow, int ACol)>;
using TCanEditCellEvent = std::function<void(TSender, int ARow, int ACol, bool& CanEdit)>;
using TScrollHintEvent = std::function<void(TSender, int ARow, std::string& hintstr)>;
using TButtonClickEvent = std::function<void(TSender, int ACol, int ARow)>;
using TExpandClickEvent = std::function<void(TSender, int ACol, int ARow, bool Expanded)>;
using TCheckBoxClickEvent = std::function<void(TSender, int ACol, int ARow, bool State)>;
using TCheckBoxCanToggleEvent = std::function<void(TSender, int ACol, int ARow, bool State, bool& Allow)>;
using TGetEditorTypeEvent = std::function<void(TSender, int ACol, int ARow, TEditorType& AEditor)>;
using TAnchorClickEvent =
    std::function<void(TSender, int ARow, int ACol, const std::string& Anchor, bool& AutoHandle)>;
using TAnchorHintEvent = std::function<void(TSender, int ARow, int ACol, std::string& Anchor)>;
using TAnchorEvent = std::function<void(TSender, int ARow, int ACol, const std::string& Anchor)>;
using TClickSortEvent = std::function<void(TSender, int ACol)>;
using TCanSortEvent = std::function<void(TSender, int ACol, bool& DoSort)>;
using TCustomCompareEvent =
    std::function<void(TSender, const std::string& str1, const std::string& str2, int& Res)>;
using TRawCompareEvent = std::function<void(TSender, int ACol, int Row1, int Row2, int& Res)>;
using TGridFormatEvent = std::function<void(TSender, int ACol, TSortStyle& AStyle, std::string& aPrefix,
                                            std::string& aSuffix)>;
using TGridGradientEvent =
    std::function<void(TSender, int ARow, int ACol, gfx::TColor& Color, gfx::TColor& ColorTo,
                       gfx::TColor& ColorMirror, gfx::TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
using TGridBorderEvent = std::function<void(TSender, int ARow, int ACol, gfx::TPen* APen, TCellBorders& Borders)>;
using TGridBorderPropEvent = std::function<void(TSender, int ARow, int ACol, gfx::TPen* LeftPen, gfx::TPen* TopPen,
                                                gfx::TPen* RightPen, gfx::TPen* BottomPen)>;
using TGridHintEvent = std::function<void(TSender, int ARow, int ACol, std::string& hintstr)>;
using TEllipsClickEvent = std::function<void(TSender, int ACol, int ARow, std::string& S)>;
using TGridBalloonEvent =
    std::function<void(TSender, int ACol, int ARow, std::string& ATitle, std::string& AText, int& AIcon)>;
using TCanInsertRowEvent = std::function<void(TSender, int ARow, bool& CanInsert)>;
using TAutoInsertRowEvent = std::function<void(TSender, int ARow)>;
using TCanAddRowEvent = std::function<void(TSender, bool& CanAdd)>;
using TCanAddColEvent = std::function<void(TSender, bool& CanAdd)>;
using TAutoAddRowEvent = std::function<void(TSender, int ARow)>;
using TCanDeleteRowEvent = std::function<void(TSender, int ARow, bool& CanDelete)>;
using TAutoDeleteRowEvent = std::function<void(TSender, int ARow)>;
using TAutoInsertColEvent = std::function<void(TSender, int ACol)>;
using TSearchEditChangeEvent = std::function<void(TSender, const std::string& Value, bool& DefaultSearch)>;
using TSpinClickEvent = std::function<void(TSender, int ACol, int ARow, int AValue, bool UpDown)>;
using TImageChangeEvent = std::function<void(TSender, int Acol, int Arow)>;
using TIsDesigningEvent = std::function<void(TSender, bool& IsDesigning)>;

}  // namespace grid
