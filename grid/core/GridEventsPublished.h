// Event types of the grid's published events for moving, editing, pickers, filtering, clipboard, drag and drop, printing and files.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "grid/core/GridEvents.h"
#include "platform/rtl/Types.h"

namespace gfx {
class TCanvas;
}
namespace rtl {
class TStrings;
}
namespace ui {
class TPopupMenu;
}

namespace grid {

// The filter kinds are defined with the filter conditions (grid/core/GridOptionsSort.h).
enum TFilterType : std::uint8_t;

// Cell painting and footers.
using TCustomCellSizeEvent =
    std::function<void(TSender, gfx::TCanvas* Canvas, int ACol, int ARow, rtl::TPoint& ASize, bool Printing)>;
using TPaintedEvent = std::function<void(TSender, gfx::TCanvas* Canvas)>;
using TFooterPaintEvent = std::function<void(TSender, int AColumn, gfx::TCanvas* Canvas, const rtl::TRect& ARect)>;
using TFooterCalcEvent = std::function<void(TSender, int ACol, int ARow, std::string& Value)>;
using TGroupCalcEvent = std::function<void(TSender, int ACol, int FromRow, int ToRow, double& Res)>;
using TColumnCalcEvent = std::function<void(TSender, int ACol, int FromRow, int ToRow, double& Res)>;

// Questions about a cell.
using TGetEditorPropEvent = std::function<void(TSender, int ACol, int ARow, rtl::TObject* AEditLink)>;
using TCanClickCellEvent = std::function<void(TSender, int ARow, int ACol, bool& Allow)>;
using TCanShowFixedDropDownEvent = std::function<void(TSender, int ACol, int ARow, bool& Allow)>;
using THoverButtonsShowEvent = std::function<void(TSender, int ARow, bool& Allow)>;

// Clicks and cell controls.
// Menu starts as FixedDropDownMenu and may be replaced or cleared; Keep keeps the hover
// highlight of the header while the menu is open.
using TFixedDropDownClickEvent =
    std::function<void(TSender, int ACol, int ARow, ui::TPopupMenu*& Menu, bool& Keep)>;
// The editor kind and the combo's items of a fixed cell about to be edited.
using TFixedEditEvent =
    std::function<void(TSender, int ACol, int ARow, TGridFixedCellEditor& AEditor, rtl::TStrings* Values)>;
using THoverButtonClickEvent = std::function<void(TSender, int ARow, int ButtonIndex)>;
// A header or footer button of a cell's drop-down editor was clicked while editing ACol, ARow.
using TDropDownButtonClickEvent = std::function<void(TSender, int ACol, int ARow, int ButtonIndex)>;
using TControlClickEvent = std::function<void(TSender, int ARow, int ACol, const std::string& CtrlID,
                                              const std::string& CtrlType, const std::string& CtrlVal)>;
using TControlEditDoneEvent = std::function<void(TSender, int ARow, int ACol, const std::string& CtrlID,
                                                 const std::string& CtrlType, const std::string& CtrlVal)>;
using TControlComboListEvent = std::function<void(TSender, int ARow, int ACol, const std::string& CtrlID,
                                                  const std::string& CtrlType, const std::string& CtrlVal,
                                                  std::vector<std::string>& Values, bool& Edit, int& DropCount)>;
using TControlComboSelectEvent = std::function<void(TSender, int ARow, int ACol, int ItemIndex,
                                                    const std::string& CtrlID, const std::string& CtrlValue)>;

// Check boxes, radio buttons and pickers.
using TCheckBoxMouseUpEvent = std::function<void(TSender, int ACol, int ARow, bool State)>;
using TRadioClickEvent = std::function<void(TSender, int ACol, int ARow, int AIdx)>;
using TRadioButtonClickEvent = std::function<void(TSender, int ACol, int ARow, int AIdx)>;
using TRatingChangeEvent = std::function<void(TSender, int ACol, int ARow, int Value)>;
using TColorSelectedEvent =
    std::function<void(TSender, int ACol, int ARow, gfx::TColor& AColor, std::string& AValue)>;
using TColorSelectEvent = std::function<void(TSender, int ACol, int ARow, gfx::TColor& AColor)>;
using TImageSelectedEvent = std::function<void(TSender, int ACol, int ARow, int& AImageIndex)>;
using TImageSelectEvent = std::function<void(TSender, int ACol, int ARow, int& AImageIndex)>;
using TComboChangeEvent = std::function<void(TSender, int ACol, int ARow, int AItemIndex, const std::string& ASelection)>;
using TComboObjectChangeEvent = std::function<void(TSender, int ACol, int ARow, int AItemIndex,
                                                   const std::string& ASelection, rtl::TObject* AObject)>;
using TDateTimeChangeEvent = std::function<void(TSender, int ACol, int ARow, double AValue)>;
using TFloatSpinClickEvent = std::function<void(TSender, int ACol, int ARow, double AValue, bool UpDown)>;
using TDateTimeSpinClickEvent = std::function<void(TSender, int ACol, int ARow, double AValue, bool UpDown)>;
using TUnitChangedEvent = std::function<void(TSender, int ACol, int ARow, const std::string& NewUnit)>;

// Editing and validation.
using TEditCellDoneEvent = std::function<void(TSender, int ACol, int ARow)>;
using TEditChangeEvent = std::function<void(TSender, int ACol, int ARow, std::string& Value)>;
using TCellValidateEvent = std::function<void(TSender, int ACol, int ARow, std::string& Value, bool& Valid)>;
using TCustomStrToDateEvent = std::function<void(TSender, const std::string& Value, double& ADate, bool& IsValid)>;
using TAutoAdvanceEvent =
    std::function<void(TSender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)>;
using TIntelliZoomEvent = std::function<void(TSender, int ZoomFactor)>;

// Moving and selecting.
using TRowChangingEvent = std::function<void(TSender, int OldRow, int NewRow, bool& Allow)>;
using TRowUpdateEvent = std::function<void(TSender, int OldRow)>;
using TColChangingEvent = std::function<void(TSender, int OldCol, int NewCol, bool& Allow)>;
using TCellChangingEvent = std::function<void(TSender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>;
// The selection before and after a resize by its corner handle.
using TSelectionResizeEvent = std::function<void(TSender, const rtl::TRect& DropSelection, const rtl::TRect& Selection)>;
using TSelectionResizedEvent = std::function<void(TSender, int ACol1, int ARow1, int ACol2, int ARow2)>;
using TDisjunctSelectEvent = std::function<void(TSender, int Index, bool& Allow)>;
using TDisjunctSelectedEvent = std::function<void(TSender, int Index)>;
using TScrollCellEvent = std::function<void(TSender, int ACol, int ARow, int ScrollPosition, int ScrollMin,
                                            int ScrollMax)>;
// Directions a drag over the grid's edges scrolls it in (a set of TDragScrollDirection bits).
enum TDragScrollDirection : std::uint8_t { dsdUp = 1, dsdDown = 2, dsdLeft = 4, dsdRight = 8 };
using TDragScrollDirections = std::uint8_t;
using TDragScrollEvent =
    std::function<void(TSender, int ATopRow, int ALeftCol, TDragScrollDirections& Directions, bool& CanScroll)>;

// Rows and columns.
using TColumnMoveEvent = std::function<void(TSender, int FromIndex, int ToIndex)>;
using TColumnMovingEvent = std::function<void(TSender, int ACol, bool& Allow)>;
using TRowMoveEvent = std::function<void(TSender, int FromIndex, int ToIndex)>;
using TRowMovingEvent = std::function<void(TSender, int ARow, bool& Allow)>;

// Nodes.
using TNodeEvent = std::function<void(TSender, int ARow, int ARowReal)>;
using TBeforeNodeEvent = std::function<void(TSender, int ARow, int ARowReal, bool& Allow)>;

// Filtering and searching.
using TBeforeFilterEvent = std::function<void(TSender)>;
using TCustomFilterEvent = std::function<void(TSender, int ACol, int ARow, const std::string& Value, bool& Accept)>;
using TGetColumnFilterEvent = std::function<void(TSender, int Column, std::vector<std::string>& Filter)>;
using TFilterSelectEvent = std::function<void(TSender, int Column, int ItemIndex, const std::string& FriendlyName,
                                              std::string& FilterCondition)>;
using TFilterCheckEvent = std::function<void(TSender, int Column, std::vector<std::string>& Filter)>;
using TFilterCheckClickEvent = std::function<void(TSender, int ACol, int ARow, bool State)>;
using TFilterShowEvent = std::function<void(TSender, int ACol, bool& Allow)>;
using TFilterCloseEvent = std::function<void(TSender, int ACol)>;
using TFilterProgressEvent = std::function<void(TSender, int Progress)>;
// Fired when the posted filter-edit message arrives: the filter row's column, condition and the
// filter type of its item, so the application can filter the way the user chose.
using TFilterEditDoneEvent =
    std::function<void(TSender, int ACol, const std::string& Condition, TFilterType FilterType)>;
using TCreatedControlEvent = std::function<void(TSender, rtl::TObject* AControl)>;

// Clipboard.
using TClipboardEvent = std::function<void(TSender, bool& Allow)>;
using TClipboardPasteCellEvent = std::function<void(TSender, int ACol, int ARow, std::string& Value, bool& Allow)>;
using TClipboardAfterPasteCellEvent = std::function<void(TSender, int ACol, int ARow, const std::string& Value)>;

// Drag and drop.
using TOleDragDropEvent = std::function<void(TSender, int ARow, int ACol, const std::string& Data, bool& Allow)>;
using TOleDroppedEvent = std::function<void(TSender, const rtl::TRect& ARect)>;
using TOleDragOverEvent = std::function<void(TSender, int ARow, int ACol, bool& Allow)>;
using TOleDragStartEvent = std::function<void(TSender, int ARow, int ACol)>;
using TOleDragStopEvent = std::function<void(TSender, int OLEEffect)>;
using TOleDropColEvent = std::function<void(TSender, int ARow, int ACol, int DropCol)>;
using TOleDropFileEvent = std::function<void(TSender, int ARow, int ACol, const std::string& FileName, bool& Allow)>;
using TOleDropFilesEvent =
    std::function<void(TSender, int ARow, int ACol, const std::vector<std::string>& Files, bool& Allow)>;
using TOleDropURLEvent = std::function<void(TSender, int ARow, int ACol, const std::string& URL, bool& Allow)>;

// Printing.
using TPrintStartEvent = std::function<void(TSender, int NrOfPages, int& FromPage, int& ToPage)>;
using TPrintCancelEvent = std::function<void(TSender, int PageNr, bool& Cancel)>;
using TPrintPageEvent = std::function<void(TSender, gfx::TCanvas* Canvas, int PageNr, int PageXSize, int PageYSize)>;
using TPrintGetPageNumEvent = std::function<void(TSender, int PageNum, int PageColNum, std::string& PageNumString)>;
using TPrintNewPageEvent = std::function<void(TSender, int ARow, bool& NewPage)>;
using TPrintPageDoneEvent = std::function<void(TSender, gfx::TCanvas* Canvas, int LastRow, int LastRowOffset,
                                                int LastPage, int PageXSize, int PageYSize)>;
using TFitToPageEvent = std::function<void(TSender, double& ScaleFactor, bool& Allow)>;
using TPrintSetColumnWidthEvent = std::function<void(TSender, int ACol, int& Width)>;
using TPrintSetRowHeightEvent = std::function<void(TSender, int ARow, int& Height)>;

// Files.
using TFileProgressEvent = std::function<void(TSender, int Progress)>;
using TSaveCellEvent = std::function<void(TSender, int ACol, int ARow, std::string& Value)>;
using TLoadCellEvent = std::function<void(TSender, int ACol, int ARow, std::string& Value)>;

}  // namespace grid
