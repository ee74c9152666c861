// The grid drop-down: a drop-down edit whose pop-up holds a whole string grid, filled from its
// own items or by the application, linked to the edit through one lookup column.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/dropdown/ExtDropDownEdit.h"
#include "grid/dropdown/GridDropDownItems.h"

namespace gfx {
class TImageList;
}

namespace grid {

class TCustomExtGridDropDown;

// What typed keys do: move to the first row that starts with them, show only the rows that
// match them, or nothing.
enum TLookupMethod { lmLookup, lmNarrowDown, lmNone };
// dsDropDownList: the edit cannot be typed in, typed keys only look up.
enum TDropDownStyle { dsDropDown, dsDropDownList };
enum TGridSorting { gsNone, gsSingleColumn, gsMultiColumn };

namespace griddropdown {

using TDrawCellEvent =
    std::function<void(rtl::TObject* Sender, int Column, int Row, gfx::TCanvas& ACanvas, rtl::TRect ARect)>;
using TGetCellTextEvent = std::function<void(rtl::TObject* Sender, int Column, int Row, std::string& Text)>;
using TGetCellPropEvent = std::function<void(rtl::TObject* Sender, int Column, int Row, gfx::TFont& Font,
                                             gfx::TColor& AColor, gfx::TColor& AColorTo)>;

// The pop-up's grid. Its colour, font and line settings are only stored: the string grid
// paints with its own look, which the drop-down sets through the component style.
class TExtColGrid : public TExtStringGrid {
public:
    explicit TExtColGrid(rtl::TComponent* AOwner);
    ~TExtColGrid() override;
    std::string ClassName() const override { return "TExtColGrid"; }

    TCustomExtGridDropDown* DropDown() const { return FExtDropDown; }
    void SetDropDown(TCustomExtGridDropDown* value) { FExtDropDown = value; }
    TDropDownColumns& Columns() const { return *FColumns; }
    void SetColumns(const TDropDownColumns* value) { FColumns->Assign(value); }
    gfx::TColor LineColor() const { return FLineColor; }
    void SetLineColor(gfx::TColor value) { FLineColor = value; }
    gfx::TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(gfx::TColor value) { FFixedLineColor = value; }
    gfx::TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(gfx::TColor value) { FHeaderColor = value; }
    gfx::TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(gfx::TColor value) { FHeaderColorTo = value; }
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int value) { FHeaderHeight = value; }
    gfx::TFont& HeaderFont() const { return *FHeaderFont; }
    void SetHeaderFont(const gfx::TFont* value);
    int GridLineWidth() const { return FGridLineWidth; }
    // Stores the value and turns the string grid's own lines off.
    void SetGridLineWidth(int value);
    // The image list image columns are measured with; forgotten when it is freed.
    gfx::TImageList* Images() const { return FImages; }
    void SetImages(gfx::TImageList* value);

    // Kept for form descriptions; never fired.
    TGetCellTextEvent OnGetCellText;
    TDrawCellEvent OnDrawCell;
    TGetCellPropEvent OnGetCellProp;
    // A row was chosen by Enter or a click.
    ui::TNotifyEvent OnSelect;

    virtual void DoSelect();

    // The current row was chosen by a key or the mouse, not by the wheel.
    bool FConfirmSelection = false;
    // A wheel step is under way.
    bool FMouseWheelSelection = false;
    // The real row at the last mouse press.
    int FOldRow = 0;

protected:
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(ui::TShiftState Shift, rtl::TPoint MousePos) override;
    bool DoMouseWheelUp(ui::TShiftState Shift, rtl::TPoint MousePos) override;
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;

private:
    bool WheelStep(bool down, ui::TShiftState Shift, rtl::TPoint MousePos);

    TCustomExtGridDropDown* FExtDropDown = nullptr;
    std::unique_ptr<TDropDownColumns> FColumns;
    gfx::TColor FHeaderColor = 0xFFFFFF;
    gfx::TColor FHeaderColorTo = 0x808080;
    gfx::TColor FLineColor = 0x808080;
    gfx::TImageList* FImages = nullptr;
    int FHeaderHeight = 25;
    std::unique_ptr<gfx::TFont> FHeaderFont;
    gfx::TColor FFixedLineColor = 0xD1BBA4;
    int FGridLineWidth = 1;
};

}  // namespace griddropdown

class TCustomExtGridDropDown : public TExtCustomDropDown {
public:
    explicit TCustomExtGridDropDown(rtl::TComponent* AOwner);
    ~TCustomExtGridDropDown() override;
    std::string ClassName() const override { return "TCustomExtGridDropDown"; }
    std::string Version() const { return "6.1.0.0"; }

    // --- rows: the items or the application's grid ---
    bool UseItems() const { return FUseItems; }
    void SetUseItems(bool value) { FUseItems = value; }
    griddropdown::TDropDownColumns& Columns() const { return *FColumns; }
    void SetColumns(const griddropdown::TDropDownColumns* value) { FColumns->Assign(value); }
    griddropdown::TDropDownItems& Items() const { return *FItems; }
    void SetItems(const griddropdown::TDropDownItems* value) { FItems->Assign(value); }
    int RowCount() const { return FItems->Count(); }
    // The pop-up grid: the application fills it when UseItems is off.
    griddropdown::TExtColGrid* GetColGrid() const { return FExtColGrid; }
    void BeginUpdate() {}
    // Rebuilds the lookup list: items changed at run time reach the auto-completion after it.
    void EndUpdate() { RebuildLookupList(); }
    const rtl::TStringList& LookupItems() const { return *FLookupItems; }
    int LookupColumn() const { return FLookupColumn; }
    void SetLookupColumn(int value) { FLookupColumn = value; }
    int ItemIndex() const { return FItemIndex; }
    // With items: the item's lookup text goes into the edit (a value past the items is
    // ignored). Without: the grid row's lookup cell (a value naming no data row is ignored).
    void SetItemIndex(int Value);
    // The first item (or, without items, grid row) whose lookup text starts with S.
    bool FindLookupRow(const std::string& S, std::string& FoundText, int& Position) const;

    // --- lookup ---
    TLookupMethod LookupMethod() const { return FLookupMethod; }
    void SetLookupMethod(TLookupMethod value) { FLookupMethod = value; }
    TDropDownStyle Style() const { return FStyle; }
    // dsDropDownList turns typing into the edit off.
    void SetStyle(TDropDownStyle value);
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value) { FCaseSensitive = value; }
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool value) { FMatchCase = value; }
    bool MatchStart() const { return FMatchStart; }
    void SetMatchStart(bool value) { FMatchStart = value; }
    bool AutoShowDropDown() const { return FAutoShowDropDown; }
    void SetAutoShowDropDown(bool value) { FAutoShowDropDown = value; }
    const std::string& LookupEntry() const { return FLookupEntry; }

    // --- grid settings, copied into the grid at each opening ---
    bool AutoSizeColumns() const { return FAutoSizeColumns; }
    void SetAutoSizeColumns(bool value) { FAutoSizeColumns = value; }
    bool ColumnMoving() const { return FColumnMoving; }
    void SetColumnMoving(bool value) { FColumnMoving = value; }
    bool ColumnSizing() const { return FColumnSizing; }
    void SetColumnSizing(bool value) { FColumnSizing = value; }
    bool RowMoving() const { return FRowMoving; }
    void SetRowMoving(bool value) { FRowMoving = value; }
    bool RowSizing() const { return FRowSizing; }
    void SetRowSizing(bool value) { FRowSizing = value; }
    bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
    void SetColumnSizeWithDropDown(bool value) { FColumnSizeWithDropDown = value; }
    bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
    void SetDropDownAutoWidth(bool value) { FDropDownAutoWidth = value; }
    int DropDownRowHeight() const { return FDropDownRowHeight; }
    void SetDropDownRowHeight(int value) { FDropDownRowHeight = value; }
    gfx::TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(gfx::TColor value) { FFixedLineColor = value; }
    gfx::TColor LineColor() const { return FLineColor; }
    void SetLineColor(gfx::TColor value) { FLineColor = value; }
    gfx::TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(gfx::TColor value) { FHeaderColor = value; }
    gfx::TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(gfx::TColor value) { FHeaderColorTo = value; }
    gfx::TFont& HeaderFont() const { return *FHeaderFont; }
    void SetHeaderFont(const gfx::TFont* value);
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int value) { FHeaderHeight = value; }
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool value) { FHoverRow = value; }
    gfx::TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(gfx::TColor value) { FHoverRowColor = value; }
    gfx::TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(gfx::TColor value) { FHoverRowColorTo = value; }
    bool GridEditable() const { return FGridEditable; }
    void SetGridEditable(bool value) { FGridEditable = value; }
    gfx::TImageList* GridImages() const { return FGridImages; }
    void SetGridImages(gfx::TImageList* value);
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool value) { FRowSelect = value; }
    gfx::TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(gfx::TColor value) { FSelectionTextColor = value; }
    TGridSorting Sorting() const { return FSorting; }
    void SetSorting(TGridSorting value) { FSorting = value; }
    TSearchFooter& SearchFooter() const { return *FSearchFooter; }
    TBands& Bands() const { return *FBands; }
    TNavigation& Navigation() const { return *FNavigation; }
    TMouseActions& MouseActions() const { return *FMouseActions; }
    void SetComponentStyle(TJyxStyle AStyle) override;
    // Line colours of the style first, then the drop-down edit's selection colours.
    void ApplySelectionColorStyle(TSelectionColorStyle style) override;

    // --- events ---
    ui::TNotifyEvent OnSelect;
    // The grid's events, fired with the grid's arguments. The sender is the pop-up grid except
    // for OnGridCanSort, OnGridClickSort, OnGridTopLeftChanged and the three key events,
    // whose sender is this control.
    TAnchorClickEvent OnGridAnchorClick;
    TAnchorEvent OnGridAnchorEnter;
    TAnchorEvent OnGridAnchorExit;
    TAnchorHintEvent OnGridAnchorHint;
    TAutoAddRowEvent OnGridAutoAddRow;
    TAutoInsertRowEvent OnGridInsertRow;
    TAutoDeleteRowEvent OnGridDeleteRow;
    TAutoInsertColEvent OnGridInsertCol;
    TCanAddRowEvent OnGridCanAddRow;
    TCanDeleteRowEvent OnGridCanDeleteRow;
    TCanInsertRowEvent OnGridCanInsertRow;
    TButtonClickEvent OnGridButtonClick;
    TEllipsClickEvent OnGridEllipsClick;
    TCanEditCellEvent OnGridCanEditCell;
    TCheckBoxClickEvent OnGridCheckBoxClick;
    TCanSortEvent OnGridCanSort;
    TClickSortEvent OnGridClickSort;
    TCustomCompareEvent OnGridCustomCompare;
    TRawCompareEvent OnGridRawCompare;
    TColumnSizeEvent OnGridColumnSize;
    TColumnSizingEvent OnGridColumnSizing;
    TEndColumnSizeEvent OnGridEndColumnSize;
    TRowSizeEvent OnGridRowSize;
    TRowSizingEvent OnGridRowSizing;
    TEndRowSizeEvent OnGridEndRowSize;
    TRowSizeEvent OnGridRowMove;
    TRowMovingEvent OnGridRowMoving;
    ui::TMovedEvent OnGridRowMoved;
    TColumnSizeEvent OnGridColumnMove;
    TColumnMovingEvent OnGridColumnMoving;
    ui::TMovedEvent OnGridColumnMoved;
    TCustomCellDrawEvent OnGridCustomCellDraw;
    TCustomCellDrawEvent OnGridCustomCellBkgDraw;
    TGridAlignEvent OnGridGetAlignment;
    TGridColorEvent OnGridGetCellColor;
    TGridGradientEvent OnGridGetCellGradient;
    TFloatFormatEvent OnGridGetFloatFormat;
    TGetEditorTypeEvent OnGridGetEditorType;
    TGetEditorPropEvent OnGridGetEditorProp;
    TGetDisplTextEvent OnGridGetDiplText;
    TGridFormatEvent OnGridGetFormat;
    TGridHintEvent OnGridHint;
    TGridBalloonEvent OnGridCellBalloon;
    ui::TMouseMoveEvent OnGridMouseMove;
    ui::TMouseEvent OnGridMouseDown;
    ui::TMouseEvent OnGridMouseUp;
    ui::TKeyEvent OnGridKeyDown;
    ui::TKeyEvent OnGridKeyUp;
    ui::TKeyPressEvent OnGridKeyPress;
    TClickCellEvent OnGridRightClickCell;
    TScrollHintEvent OnGridScrollHint;
    ui::TNotifyEvent OnGridTopLeftChanged;
    TSearchEditChangeEvent OnGridSearchEditChange;
    TSpinClickEvent OnGridSpinClick;

protected:
    friend class griddropdown::TExtColGrid;
    virtual std::unique_ptr<griddropdown::TDropDownItems> CreateItems(rtl::TPersistent* AOwner);
    // One forwarding operation per grid event; the extra behaviour of an event lives here.
    virtual void GridAnchorClick(rtl::TObject* Sender, int ARow, int ACol, const std::string& Anchor, bool& AutoHandle);
    virtual void GridAnchorEnter(rtl::TObject* Sender, int ARow, int ACol, const std::string& Anchor);
    virtual void GridAnchorExit(rtl::TObject* Sender, int ARow, int ACol, const std::string& Anchor);
    virtual void GridAnchorHint(rtl::TObject* Sender, int ARow, int ACol, std::string& Anchor);
    virtual void GridButtonClick(rtl::TObject* Sender, int ACol, int ARow);
    virtual void GridCanSort(rtl::TObject* Sender, int ACol, bool& DoSort);
    virtual void GridClickSort(rtl::TObject* Sender, int ACol);
    virtual void GridCustomCompare(rtl::TObject* Sender, const std::string& Str1, const std::string& Str2, int& Res);
    virtual void GridRawCompare(rtl::TObject* Sender, int ACol, int Row1, int Row2, int& Res);
    virtual void GridColumnSize(rtl::TObject* Sender, int ACol, bool& Allow);
    virtual void GridColumnSizing(rtl::TObject* Sender, int ACol, int ColumnSize);
    virtual void GridEndColumnSize(rtl::TObject* Sender, int ACol);
    virtual void GridRowSize(rtl::TObject* Sender, int ARow, bool& Allow);
    virtual void GridRowSizing(rtl::TObject* Sender, int ARow, int RowSize);
    virtual void GridEndRowSize(rtl::TObject* Sender, int ARow);
    virtual void GridRowMove(rtl::TObject* Sender, int ARow, bool& Allow);
    virtual void GridRowMoving(rtl::TObject* Sender, int ARow, bool& Allow);
    virtual void GridRowMoved(rtl::TObject* Sender, int FromIndex, int ToIndex);
    virtual void GridColumnMove(rtl::TObject* Sender, int ACol, bool& Allow);
    virtual void GridColumnMoving(rtl::TObject* Sender, int ACol, bool& Allow);
    virtual void GridColumnMoved(rtl::TObject* Sender, int FromIndex, int ToIndex);
    virtual void GridCustomCellDraw(rtl::TObject* Sender, gfx::TCanvas* Canvas, int ACol, int ARow,
                                    ui::TGridDrawState AState, const rtl::TRect& ARect, bool Printing);
    virtual void GridCustomCellBkgDraw(rtl::TObject* Sender, gfx::TCanvas* Canvas, int ACol, int ARow,
                                       ui::TGridDrawState AState, const rtl::TRect& ARect, bool Printing);
    virtual void GridCellBalloon(rtl::TObject* Sender, int ACol, int ARow, std::string& ATitle, std::string& AText,
                                 int& AIcon);
    virtual void GridGetAlignment(rtl::TObject* Sender, int ARow, int ACol, ui::TAlignment& HAlign,
                                  TVAlignment& VAlign);
    virtual void GridGetCellColor(rtl::TObject* Sender, int ARow, int ACol, ui::TGridDrawState AState,
                                  gfx::TBrush* ABrush, gfx::TFont* AFont);
    virtual void GridGetCellGradient(rtl::TObject* Sender, int ARow, int ACol, gfx::TColor& Color,
                                     gfx::TColor& ColorTo, gfx::TColor& ColorMirror, gfx::TColor& ColorMirrorTo,
                                     TCellGradientDirection& GD);
    virtual void GridGetFloatFormat(rtl::TObject* Sender, int ACol, int ARow, bool& IsFloat, std::string& FloatFormat);
    virtual void GridGetEditorType(rtl::TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
    virtual void GridGetEditorProp(rtl::TObject* Sender, int ACol, int ARow, rtl::TObject* AEditLink);
    virtual void GridCanEditCell(rtl::TObject* Sender, int ARow, int ACol, bool& CanEdit);
    virtual void GridEllipsClick(rtl::TObject* Sender, int ACol, int ARow, std::string& S);
    virtual void GridGetDisplText(rtl::TObject* Sender, int ACol, int ARow, std::string& Value);
    virtual void GridGetFormat(rtl::TObject* Sender, int ACol, TSortStyle& AStyle, std::string& APrefix,
                               std::string& ASuffix);
    virtual void GridHint(rtl::TObject* Sender, int ARow, int ACol, std::string& HintStr);
    virtual void GridMouseMove(rtl::TObject* Sender, ui::TShiftState Shift, int X, int Y);
    virtual void GridMouseDown(rtl::TObject* Sender, ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y);
    virtual void GridMouseUp(rtl::TObject* Sender, ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y);
    virtual void GridKeyDown(ui::WORD& Key, ui::TShiftState Shift);
    virtual void GridKeyUp(ui::WORD& Key, ui::TShiftState Shift);
    virtual void GridKeyPress(char32_t& Key);
    virtual void GridRightClickCell(rtl::TObject* Sender, int ARow, int ACol);
    virtual void GridScrollHint(rtl::TObject* Sender, int ARow, std::string& HintStr);
    virtual void GridTopLeftChanged(rtl::TObject* Sender);
    virtual void GridSearchEditChange(rtl::TObject* Sender, const std::string& Value, bool& DefaultSearch);
    virtual void GridSpinClick(rtl::TObject* Sender, int ACol, int ARow, int AValue, bool UpDown);
    virtual void GridAutoAddRow(rtl::TObject* Sender, int ARow);
    virtual void GridAutoInsertRow(rtl::TObject* Sender, int ARow);
    virtual void GridAutoInsertCol(rtl::TObject* Sender, int ACol);
    virtual void GridAutoDeleteRow(rtl::TObject* Sender, int ARow);
    virtual void GridCanAddRow(rtl::TObject* Sender, bool& CanAdd);
    virtual void GridCanInsertRow(rtl::TObject* Sender, int ARow, bool& CanInsert);
    virtual void GridCanDeleteRow(rtl::TObject* Sender, int ARow, bool& CanDelete);

    void Loaded() override;
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void KeyUp(ui::WORD& Key, ui::TShiftState Shift) override;
    void Change() override;
    void DoEnter() override;
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoShowDropDown() override;
    void DoHideDropDown(bool cancel) override;
    void UpdateDropDownSize() override;
    void AdaptDropDownHeight(int& height) override;
    void UpdateDropDownLayout() override;
    void DropDownControlKeyDown(ui::WORD& key, ui::TShiftState shift) override;
    void DropDownControlKeyUp(ui::WORD& key, ui::TShiftState shift) override;
    void DropDownControlKeyPress(char32_t& key) override;
    void SelectNextItem() override;
    void SelectPreviousItem() override;
    // One typed character: the grid row it leads to, -1 when none.
    int KeyLookup(char32_t key);

private:
    // --- items and rows
    void RebuildLookupList();
    std::string ItemLookupText(int item) const;
    // The item a grid row shows (its column-0 object), and the first data row showing an item.
    int ItemOfRow(int row) const;
    int RowOfItem(int item) const;
    // The item of a row with items, else the row less the fixed rows.
    int IndexOfRow(int row) const;
    // --- preparing and opening
    void SynchronizeGrid();
    void AttachGridEvents();
    void FillGridFromItems();
    void AutoSizeColumn(int column);
    void SizeWordWrappedRows();
    void SpreadColumnWidths();
    void ScrollCurrentRowIntoView();
    // --- selection
    void GridSelectCell(int ACol, int ARow, bool& CanSelect);
    void GridSelect();
    // The edit's list keys (PageUp, PageDown, End, Home, Up, Down); true when one was handled.
    bool ListKey(ui::WORD key, ui::TShiftState shift);
    void MoveSelection(int index);
    // --- lookup
    void SelectLookupTail(const std::string& text);
    int NarrowDownTo(const std::string& entry);
    void CompleteFromLookupList();

    bool FDesignTime = false;
    bool FBalloonInit = false;
    bool FCaseSensitive = false;
    bool FColumnSizing = false;
    bool FColumnMoving = false;
    int FLookupColumn = 0;
    TLookupMethod FLookupMethod = lmLookup;
    gfx::TColor FHeaderColorTo = 0x808080;
    gfx::TColor FHeaderColor = 0xFFFFFF;
    gfx::TColor FLineColor = 0xF1EDEB;
    bool FUseItems = true;
    std::unique_ptr<griddropdown::TDropDownItems> FItems;
    std::unique_ptr<griddropdown::TDropDownColumns> FColumns;
    int FItemIndex = -1;
    int FHeaderHeight = 25;
    std::unique_ptr<gfx::TFont> FHeaderFont;
    griddropdown::TExtColGrid* FExtColGrid = nullptr;
    gfx::TColor FFixedLineColor = 0xD1BBA4;
    int FSelRow = 0;
    bool workmode = true;
    bool FRowSelect = true;
    std::unique_ptr<rtl::TStringList> FLookupItems;
    bool FMatchCase = false;
    bool FMatchStart = true;
    bool FItemChange = false;
    int FItemIdx = -1;
    int FItemSel = 0;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TBands> FBands;
    std::unique_ptr<TNavigation> FNavigation;
    std::unique_ptr<TMouseActions> FMouseActions;
    int FOldItemIndex = -1;
    bool FDropDownAutoWidth = true;
    bool FColumnSizeWithDropDown = true;
    gfx::TColor FSelectionTextColor = 0x000000;
    int FDropDownRowHeight = 22;
    int FTempItemIndex = -1;
    TDropDownStyle FStyle = dsDropDown;
    std::string FLookupEntry;
    bool FHoverRow = false;
    gfx::TColor FHoverRowColor = static_cast<gfx::TColor>(0xFF000018);
    gfx::TColor FHoverRowColorTo = gfx::clNone;
    TGridSorting FSorting = gsNone;
    bool FGridEditable = false;
    gfx::TImageList* FGridImages = nullptr;
    bool FRowMoving = false;
    bool FRowSizing = false;
    bool FAutoShowDropDown = false;
    bool FAutoSizeColumns = true;
    bool FNodeCell = false;
    // The grid is being prepared: its row moves are not choices of the user.
    bool FPreparing = false;
    // The auto-completion is setting the edit text: the change that runs does not complete.
    bool FCompleting = false;
};

class TExtGridDropDown : public TCustomExtGridDropDown {
public:
    using TCustomExtGridDropDown::TCustomExtGridDropDown;
    std::string ClassName() const override { return "TExtGridDropDown"; }
};

}  // namespace grid
