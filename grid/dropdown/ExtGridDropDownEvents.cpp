// The grid drop-down's forwarding of the pop-up grid's events: each fires the event of the same
// name with the grid's arguments, some with a step of their own first.
#include "grid/core/GridOptionsMisc.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtCustomGridDropDown.h"
#include "platform/gfx/GraphicsObjects.h"

namespace grid {

namespace {

// Keeps the pop-up open while a handler shows a window of its own.
class TBlockActivateScope {
public:
    explicit TBlockActivateScope(TDropDownForm* form) : FForm(form), FWas(form != nullptr && form->FBlockActivate)
    {
        if (FForm != nullptr) FForm->FBlockActivate = true;
    }
    ~TBlockActivateScope()
    {
        if (FForm != nullptr) FForm->FBlockActivate = FWas;
    }

private:
    TDropDownForm* FForm;
    bool FWas;
};

template <typename TEvent, typename... TArgs>
void Fire(const TEvent& event, TArgs&&... args)
{
    if (event) event(std::forward<TArgs>(args)...);
}

}  // namespace

void TCustomExtGridDropDown::GridAnchorClick(rtl::TObject* Sender, int ARow, int ACol, const std::string& Anchor,
                                             bool& AutoHandle)
{
    TBlockActivateScope block(DropDownForm());
    Fire(OnGridAnchorClick, Sender, ARow, ACol, Anchor, AutoHandle);
}

void TCustomExtGridDropDown::GridAnchorEnter(rtl::TObject* Sender, int ARow, int ACol, const std::string& Anchor)
{
    Fire(OnGridAnchorEnter, Sender, ARow, ACol, Anchor);
}

void TCustomExtGridDropDown::GridAnchorExit(rtl::TObject* Sender, int ARow, int ACol, const std::string& Anchor)
{
    Fire(OnGridAnchorExit, Sender, ARow, ACol, Anchor);
}

void TCustomExtGridDropDown::GridAnchorHint(rtl::TObject* Sender, int ARow, int ACol, std::string& Anchor)
{
    Fire(OnGridAnchorHint, Sender, ARow, ACol, Anchor);
}

void TCustomExtGridDropDown::GridButtonClick(rtl::TObject* Sender, int ACol, int ARow)
{
    TBlockActivateScope block(DropDownForm());
    Fire(OnGridButtonClick, Sender, ACol, ARow);
}

void TCustomExtGridDropDown::GridEllipsClick(rtl::TObject* Sender, int ACol, int ARow, std::string& S)
{
    TBlockActivateScope block(DropDownForm());
    Fire(OnGridEllipsClick, Sender, ACol, ARow, S);
}

// A header click is about to sort: the chosen item is remembered so that its row can be found
// again after the sort.
void TCustomExtGridDropDown::GridCanSort(rtl::TObject* /*Sender*/, int ACol, bool& DoSort)
{
    FTempItemIndex = FItemIndex;
    Fire(OnGridCanSort, this, ACol, DoSort);
}

void TCustomExtGridDropDown::GridClickSort(rtl::TObject* /*Sender*/, int ACol)
{
    if (FExtColGrid != nullptr) {
        const int row = RowOfItem(FTempItemIndex);
        if (row >= FExtColGrid->FixedRows() && row < FExtColGrid->RowCount()) FExtColGrid->SetRow(row);
    }
    Fire(OnGridClickSort, this, ACol);
}

void TCustomExtGridDropDown::GridCustomCompare(rtl::TObject* Sender, const std::string& Str1, const std::string& Str2,
                                               int& Res)
{
    Fire(OnGridCustomCompare, Sender, Str1, Str2, Res);
}

void TCustomExtGridDropDown::GridRawCompare(rtl::TObject* Sender, int ACol, int Row1, int Row2, int& Res)
{
    Fire(OnGridRawCompare, Sender, ACol, Row1, Row2, Res);
}

void TCustomExtGridDropDown::GridColumnSize(rtl::TObject* Sender, int ACol, bool& Allow)
{
    Fire(OnGridColumnSize, Sender, ACol, Allow);
}

void TCustomExtGridDropDown::GridColumnSizing(rtl::TObject* Sender, int ACol, int ColumnSize)
{
    Fire(OnGridColumnSizing, Sender, ACol, ColumnSize);
}

void TCustomExtGridDropDown::GridEndColumnSize(rtl::TObject* Sender, int ACol)
{
    Fire(OnGridEndColumnSize, Sender, ACol);
}

void TCustomExtGridDropDown::GridRowSize(rtl::TObject* Sender, int ARow, bool& Allow)
{
    Fire(OnGridRowSize, Sender, ARow, Allow);
}

void TCustomExtGridDropDown::GridRowSizing(rtl::TObject* Sender, int ARow, int RowSize)
{
    Fire(OnGridRowSizing, Sender, ARow, RowSize);
}

void TCustomExtGridDropDown::GridEndRowSize(rtl::TObject* Sender, int ARow)
{
    Fire(OnGridEndRowSize, Sender, ARow);
}

void TCustomExtGridDropDown::GridRowMove(rtl::TObject* Sender, int ARow, bool& Allow)
{
    Fire(OnGridRowMove, Sender, ARow, Allow);
}

void TCustomExtGridDropDown::GridRowMoving(rtl::TObject* Sender, int ARow, bool& Allow)
{
    Fire(OnGridRowMoving, Sender, ARow, Allow);
}

void TCustomExtGridDropDown::GridRowMoved(rtl::TObject* Sender, int FromIndex, int ToIndex)
{
    Fire(OnGridRowMoved, Sender, FromIndex, ToIndex);
}

void TCustomExtGridDropDown::GridColumnMove(rtl::TObject* Sender, int ACol, bool& Allow)
{
    Fire(OnGridColumnMove, Sender, ACol, Allow);
}

void TCustomExtGridDropDown::GridColumnMoving(rtl::TObject* Sender, int ACol, bool& Allow)
{
    Fire(OnGridColumnMoving, Sender, ACol, Allow);
}

void TCustomExtGridDropDown::GridColumnMoved(rtl::TObject* Sender, int FromIndex, int ToIndex)
{
    Fire(OnGridColumnMoved, Sender, FromIndex, ToIndex);
}

void TCustomExtGridDropDown::GridCustomCellDraw(rtl::TObject* Sender, gfx::TCanvas* Canvas, int ACol, int ARow,
                                                ui::TGridDrawState AState, const rtl::TRect& ARect, bool Printing)
{
    Fire(OnGridCustomCellDraw, Sender, Canvas, ACol, ARow, AState, ARect, Printing);
}

void TCustomExtGridDropDown::GridCustomCellBkgDraw(rtl::TObject* Sender, gfx::TCanvas* Canvas, int ACol, int ARow,
                                                   ui::TGridDrawState AState, const rtl::TRect& ARect, bool Printing)
{
    Fire(OnGridCustomCellBkgDraw, Sender, Canvas, ACol, ARow, AState, ARect, Printing);
}

void TCustomExtGridDropDown::GridCellBalloon(rtl::TObject* Sender, int ACol, int ARow, std::string& ATitle,
                                             std::string& AText, int& AIcon)
{
    Fire(OnGridCellBalloon, Sender, ACol, ARow, ATitle, AText, AIcon);
}

// A defined column gives its alignment before the application's handler.
void TCustomExtGridDropDown::GridGetAlignment(rtl::TObject* Sender, int ARow, int ACol, ui::TAlignment& HAlign,
                                              TVAlignment& VAlign)
{
    if (ACol >= 0 && ACol < FColumns->Count()) HAlign = FColumns->Items(ACol)->Alignment();
    Fire(OnGridGetAlignment, Sender, ARow, ACol, HAlign, VAlign);
}

// A defined column gives its colour and font before the application's handler.
void TCustomExtGridDropDown::GridGetCellColor(rtl::TObject* Sender, int ARow, int ACol, ui::TGridDrawState AState,
                                              gfx::TBrush* ABrush, gfx::TFont* AFont)
{
    if (ACol >= 0 && ACol < FColumns->Count()) {
        const griddropdown::TDropDownColumn& col = *FColumns->Items(ACol);
        if (ABrush != nullptr) ABrush->SetColor(col.Color());
        if (AFont != nullptr) AFont->Assign(&col.Font());
    }
    Fire(OnGridGetCellColor, Sender, ARow, ACol, AState, ABrush, AFont);
}

void TCustomExtGridDropDown::GridGetCellGradient(rtl::TObject* Sender, int ARow, int ACol, gfx::TColor& Color,
                                                 gfx::TColor& ColorTo, gfx::TColor& ColorMirror,
                                                 gfx::TColor& ColorMirrorTo, TCellGradientDirection& GD)
{
    Fire(OnGridGetCellGradient, Sender, ARow, ACol, Color, ColorTo, ColorMirror, ColorMirrorTo, GD);
}

void TCustomExtGridDropDown::GridGetFloatFormat(rtl::TObject* Sender, int ACol, int ARow, bool& IsFloat,
                                                std::string& FloatFormat)
{
    FloatFormat.clear();
    Fire(OnGridGetFloatFormat, Sender, ACol, ARow, IsFloat, FloatFormat);
}

void TCustomExtGridDropDown::GridGetEditorType(rtl::TObject* Sender, int ACol, int ARow, TEditorType& AEditor)
{
    Fire(OnGridGetEditorType, Sender, ACol, ARow, AEditor);
}

void TCustomExtGridDropDown::GridGetEditorProp(rtl::TObject* Sender, int ACol, int ARow, rtl::TObject* AEditLink)
{
    Fire(OnGridGetEditorProp, Sender, ACol, ARow, AEditLink);
}

void TCustomExtGridDropDown::GridCanEditCell(rtl::TObject* Sender, int ARow, int ACol, bool& CanEdit)
{
    Fire(OnGridCanEditCell, Sender, ARow, ACol, CanEdit);
}

void TCustomExtGridDropDown::GridGetDisplText(rtl::TObject* Sender, int ACol, int ARow, std::string& Value)
{
    Fire(OnGridGetDiplText, Sender, ACol, ARow, Value);
}

void TCustomExtGridDropDown::GridGetFormat(rtl::TObject* Sender, int ACol, TSortStyle& AStyle, std::string& APrefix,
                                           std::string& ASuffix)
{
    Fire(OnGridGetFormat, Sender, ACol, AStyle, APrefix, ASuffix);
}

void TCustomExtGridDropDown::GridHint(rtl::TObject* Sender, int ARow, int ACol, std::string& HintStr)
{
    Fire(OnGridHint, Sender, ARow, ACol, HintStr);
}

// The first move after an opening starts the grid's balloon hints afresh.
void TCustomExtGridDropDown::GridMouseMove(rtl::TObject* Sender, ui::TShiftState Shift, int X, int Y)
{
    if (!FBalloonInit && FExtColGrid != nullptr && FExtColGrid->Balloon().Enable()) {
        FExtColGrid->Balloon().SetEnable(false);
        FExtColGrid->Balloon().SetEnable(true);
    }
    FBalloonInit = true;
    Fire(OnGridMouseMove, Sender, Shift, X, Y);
}

void TCustomExtGridDropDown::GridMouseDown(rtl::TObject* Sender, ui::TMouseButton Button, ui::TShiftState Shift,
                                           int X, int Y)
{
    Fire(OnGridMouseDown, Sender, Button, Shift, X, Y);
}

void TCustomExtGridDropDown::GridMouseUp(rtl::TObject* Sender, ui::TMouseButton Button, ui::TShiftState Shift, int X,
                                         int Y)
{
    Fire(OnGridMouseUp, Sender, Button, Shift, X, Y);
}

void TCustomExtGridDropDown::GridKeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    Fire(OnGridKeyDown, this, Key, Shift);
}

void TCustomExtGridDropDown::GridKeyUp(ui::WORD& Key, ui::TShiftState Shift)
{
    Fire(OnGridKeyUp, this, Key, Shift);
}

void TCustomExtGridDropDown::GridKeyPress(char32_t& Key)
{
    Fire(OnGridKeyPress, this, Key);
}

void TCustomExtGridDropDown::GridRightClickCell(rtl::TObject* Sender, int ARow, int ACol)
{
    Fire(OnGridRightClickCell, Sender, ARow, ACol);
}

void TCustomExtGridDropDown::GridScrollHint(rtl::TObject* Sender, int ARow, std::string& HintStr)
{
    Fire(OnGridScrollHint, Sender, ARow, HintStr);
}

void TCustomExtGridDropDown::GridTopLeftChanged(rtl::TObject* /*Sender*/)
{
    Fire(OnGridTopLeftChanged, this);
}

void TCustomExtGridDropDown::GridSearchEditChange(rtl::TObject* Sender, const std::string& Value, bool& DefaultSearch)
{
    Fire(OnGridSearchEditChange, Sender, Value, DefaultSearch);
}

void TCustomExtGridDropDown::GridSpinClick(rtl::TObject* Sender, int ACol, int ARow, int AValue, bool UpDown)
{
    Fire(OnGridSpinClick, Sender, ACol, ARow, AValue, UpDown);
}

void TCustomExtGridDropDown::GridAutoAddRow(rtl::TObject* Sender, int ARow)
{
    Fire(OnGridAutoAddRow, Sender, ARow);
}

void TCustomExtGridDropDown::GridAutoInsertRow(rtl::TObject* Sender, int ARow)
{
    Fire(OnGridInsertRow, Sender, ARow);
}

void TCustomExtGridDropDown::GridAutoInsertCol(rtl::TObject* Sender, int ACol)
{
    Fire(OnGridInsertCol, Sender, ACol);
}

void TCustomExtGridDropDown::GridAutoDeleteRow(rtl::TObject* Sender, int ARow)
{
    Fire(OnGridDeleteRow, Sender, ARow);
}

void TCustomExtGridDropDown::GridCanAddRow(rtl::TObject* Sender, bool& CanAdd)
{
    Fire(OnGridCanAddRow, Sender, CanAdd);
}

void TCustomExtGridDropDown::GridCanInsertRow(rtl::TObject* Sender, int ARow, bool& CanInsert)
{
    Fire(OnGridCanInsertRow, Sender, ARow, CanInsert);
}

void TCustomExtGridDropDown::GridCanDeleteRow(rtl::TObject* Sender, int ARow, bool& CanDelete)
{
    Fire(OnGridCanDeleteRow, Sender, ARow, CanDelete);
}

}  // namespace grid
