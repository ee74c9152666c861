// The string grid of the grid family: one class whose operations live in grid/core, grid/editing and grid/data.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "grid/core/BaseGrid.h"
#include "grid/core/GridEvents.h"
#include "grid/core/GridEventsDraw.h"
#include "grid/core/GridEventsPublished.h"
#include "grid/core/ExtGridPublished.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridTypes.h"
#include "grid/foundation/ExtStyleIF.h"

namespace rtl {
class TStringList;
}
namespace gfx {
class TBitmap;
}
namespace ui {
class TClassRegistry;
}

namespace grid {

class TArrowWindow;
class TAutoColor;
class TBackGround;
class TBalloonSettings;
class TCellNode;
class TControlLook;
class TDragDropSettings;
class TDragScrollOptions;
class TFilter;
class TFilterDropDown;
class TFilterEdit;
class TFloatingFooter;
class TGridProgressAppearance;
class TGrouping;
class THoverButtons;
class TShowModified;
class TSizeWhileTyping;
class TSortSettings;
struct TExtGridOwnedOptions;
class TCellGraphic;
class TColumnSize;
class TControlList;
class TGridFocusWindow;
class THTMLPictureCache;
class THTMLSettings;
class TIntList;
class TPrintSettings;
class TSortIndexList;

// Look of the grid as a whole.
enum TGridLook : std::uint8_t { glStandard, glSoft, glClassic, glJyx, glXP, glListView, glVista, glWin7, glOffice2007,
                                glCustom };
// Which scroll bars stay visible when everything fits.
enum TScrollBarAlways : std::uint8_t { saNone, saVert, saHorz, saBoth };
// How scroll bars are drawn.
enum TScrollType : std::uint8_t { ssNormal, ssFlat, ssEncarta, ssMetro };
enum THintShowLargeTextPos : std::uint8_t { hpCell, hpCursor };
enum THoverFixedCells : std::uint8_t { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum TIntelliPan : std::uint8_t { ipVertical, ipHorizontal, ipBoth, ipNone };
enum TInvalidEntryIcon : std::uint8_t { ieNone, ieInfo, ieWarning, ieError };
enum TFormatType : std::uint8_t { ftVCL, ftExcel };

// Private state of the hidden-column mapping (grid/data/ExtGridHiddenColumns.h).
struct TExtGridHiddenColumns;
// Objects created only at run time, not while the grid is designed (grid/core/ExtGridRunTime.h).
struct TExtGridRunTimeObjects;

class TExtStringGrid : public TBaseGrid, public IJyxTones, public IJyxStyleEx {
public:
    // ===== Construction, copying, loading, window creation, sizing, freeing =====
    explicit TExtStringGrid(rtl::TComponent* AOwner);
    ~TExtStringGrid() override;
    std::string ClassName() const override { return "TExtStringGrid"; }
    // Settings and cells from another TExtStringGrid; any other source changes nothing.
    void Assign(const rtl::TPersistent* Source) override;
    virtual void AssignCells(const rtl::TPersistent* Source);
    void Loaded() override;
    void Invalidate() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // Enforces ScrollBarAlways; HideUnneeded hides bars of a direction where all fits.
    void ApplyScrollBarAlways(bool HideUnneeded);
    virtual void InitMouseWheel(bool UseHelperWindow);
    // The font a cell draws with; owned by the grid and overwritten by the next call.
    gfx::TFont& GetCellFont(int ACol, int ARow);
    virtual int GetVersionNr();
    virtual std::string GetVersionString();
    std::string Version() { return VersionText(GetVersionNr()); }
    static std::string VersionText(int packed);
    bool IsLoaded() const { return FLoaded; }
    // Option objects created with the grid, copied by Assign and freed with it.
    TControlLook& ControlLook() const;
    TSortSettings& SortSettings() const;
    TFilter& Filter() const;
    TFilterDropDown& FilterDropDown() const;
    TFilterEdit& FilterEdit() const;
    TBackGround& BackGround() const;
    TCellNode& CellNode() const;
    TSizeWhileTyping& SizeWhileTyping() const;
    THoverButtons& HoverButtons() const;
    TFloatingFooter& FloatingFooter() const;
    TGrouping& Grouping() const;
    TDragDropSettings& DragDropSettings() const;
    TBalloonSettings& Balloon() const;
    TShowModified& ShowModified() const;
    TDragScrollOptions& DragScrollOptions() const;
    TGridProgressAppearance& ProgressAppearance() const;
    TAutoColor& AutoColor() const;
private:
    void CreateOptionObjects();
    void FilterEditEnabledChanged();
    void FloatingFooterAdjustRows();
    void FloatingFooterVisibleChanged();
    void FloatingFooterStyleChanged();
    std::unique_ptr<TExtGridOwnedOptions> FOptions;
public:

    // IJyxTones and IJyxStyleEx: the grid is not reference counted through them.
    void SetColorTones(TColorTones ATones) override;
    void SetComponentStyle(TJyxStyle AStyle) override;
    void SetComponentStyleAndAppColor(TJyxStyle AStyle, gfx::TColor AppColor) override;

    // ===== Cell access =====
    // Row and column counts also keep the grid's own books (normal rows, column visibility).
    void SetRowCount(int Value);
    void SetColCount(int Value);
    int MaxRowCount() const { return FMaxRowCount; }
    int MaxColCount() const { return FMaxColCount; }
    // Creates a new TCellGraphic for the cell, freeing the one it had.
    TCellGraphic* CreateCellGraphic(int ACol, int ARow);
    virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
    virtual TCellType GetCellType(int ACol, int ARow);
    // Gives the cell a comment: an existing graphic keeps its colour and gets the text,
    // otherwise a ctNone graphic in the control look's comment colour is added.
    void SetComment(int ACol, int ARow, const std::string& Comment);
    void AddComment(int ACol, int ARow, const std::string& Comment);
    std::string GetComment(int ACol, int ARow);
    const std::string& CheckTrue() const { return FCheckTrue; }
    void SetCheckTrue(const std::string& v) { FCheckTrue = v; }
    const std::string& CheckFalse() const { return FCheckFalse; }
    void SetCheckFalse(const std::string& v) { FCheckFalse = v; }
    virtual std::string DefaultCheckTrue(int ACol);
    virtual std::string DefaultCheckFalse(int ACol);
    const std::string& FloatFormat() const { return FFloatFormat; }
    void SetFloatFormat(const std::string& v) { FFloatFormat = v; }
    // Fixed footer rows, fixed right columns and what IsFixedCell answers.
    bool IsFixed(int ACol, int ARow) override;
    bool IsNode(int ARow) override;
    bool IsSummary(int ARow) override;
    bool HasNodes() override;
    int GetNodeIndent(int ARow) override;
    bool CellHasCheckBox(int ACol, int ARow) override;
    void SetCheckBoxValue(int ACol, int ARow, const std::string& Value) override;
    void GetDisplText(int ACol, int ARow, std::string& Value) override;
    void UpdateAutoRangeScroll(int ACol, int ARow) override;
    void FooterRowChanged() override;
    // The cell's read-only flag (false without a property object).
    bool GetReadOnly(int ACol, int ARow) const;
    // The caller's object of the cell addressed by its real row.
    rtl::TObject* GetCellObjectEx(int ACol, int ARow) const { return GetObjectEx(ACol, ARow); }
    // Empties the cells of the rectangle and frees their property objects (with a graphic
    // the grid owns); clearing the whole grid leaves no property object at all.
    virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    // Writes ColumnHeaders into row 0 and RowHeaders into column 0.
    void ShowColumnHeaders();
    void ShowRowHeaders();
    rtl::TStringList& ColumnHeaders() { return *FColumnHeaders; }
    rtl::TStringList& RowHeaders() { return *FRowHeaders; }
    virtual void HeadersChanged();

    // ===== Introduced operations: cell values, descendant hooks and event hooks =====
    // Cell values as the current cell, storage and loading see them.
    virtual bool HasAlignmentOverride(int ACol, int ARow);
    virtual void ClickCell(int ARow, int ACol);
    virtual void StoreCellText(int ACol, int ARow, const std::string& Value);
    virtual std::string GetCurrentCell();
    virtual void SetCurrentCell(const std::string& Value);
    virtual std::string GetCurrentCellText();
    virtual std::string GetStoredCell(int ACol, int ARow);
    // Gives a shown in-place editor this text.
    virtual void SetCurrentEditText(const std::string& Value);
    // The cell's text as shown (display-text hooks applied).
    virtual std::string GetFormattedCell(int ACol, int ARow);
    // Trims leading and trailing blanks from every cell text of the rectangle.
    virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
    // Moves to the first non-fixed row, keeping the column.
    virtual void GotoFirstRow();
    // Takes the focus when the grid can.
    virtual void FocusGrid();
    virtual void GetFloatFormat(int ACol, int ARow, bool& IsFloat, std::string& FloatFormat);
    virtual bool GetCellEmpty(int ACol, int ARow);
    virtual std::string GetCellValue(int ACol, int ARow);
    virtual void LoadCell(int ACol, int ARow, std::string& Value);
    virtual void SaveCell(int ACol, int ARow, std::string& Value);
    virtual void ValidateCell(int ACol, int ARow, std::string& Value, bool& Valid);
    virtual void ValidateCellWide(int ACol, int ARow, std::string& Value, bool& Valid);
    // Descendant hooks: nothing to do, or a fixed answer, in this class.
    virtual void DescendantHook();
    virtual bool DescendantQuery();
    virtual void DescendantHook1(int Value);
    virtual int DescendantCount();
    virtual bool DescendantCheck();
    virtual void DescendantAllow(int Value, bool& Allow);
    virtual void DescendantHook2(int Value1, int Value2);
    virtual void DescendantHookA(int Value);
    virtual void DescendantHookB(int Value);
    // Hooks that hand their arguments to the published event of the same name.
    virtual void HoverButtonClick(int ARow, int ButtonIndex);
    virtual void ClipboardPasteDone();
    virtual void PrintGetPageNum(int PageNr, std::string& PageNumText);
    virtual void GetEditorProp(int ACol, int ARow, rtl::TObject* AEditLink);
    virtual void CheckBoxClick(int ACol, int ARow, bool State);
    virtual void CheckBoxChange(int ACol, int ARow, bool State);
    virtual void FixedCellEdit(int ACol, int ARow, std::string& Value);
    virtual void SelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
    virtual void FilterDone();
    virtual void FilterShow(int ACol, bool& Allow);
    virtual void FilterClose(int ACol);
    virtual void BeforeFilter();
    virtual void EllipsClick(int ACol, int ARow, std::string& S);
    virtual void CanAddRow(bool& CanAdd);
    virtual void CanAddCol(bool& CanAdd);
    virtual void CanInsertRow(int ARow, bool& CanInsert);
    virtual void FilterSelect(int Column, int ItemIndex, const std::string& FriendlyName, std::string& FilterCondition);
    virtual void FilterCheck(int Column, std::vector<std::string>& Filter);
    virtual void RatingChange(int ACol, int ARow, int Value);
    virtual void ColorSelect(int ACol, int ARow, gfx::TColor& AColor);
    virtual void ImageSelect(int ACol, int ARow, int& AImageIndex);
    virtual void CellChanging(int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow);
    virtual void ScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax);
    virtual void HoverButtonsShow(int ARow, bool& Allow);
    virtual void CanShowFixedDropDown(int ACol, int ARow, bool& Allow);
    // The distinct values of the column's normal rows, numbers in numeric order and text in
    // logical order, then as OnGetColumnFilter changes them.
    virtual void GetColumnFilter(int ACol, std::vector<std::string>& Filter);

    // ===== Merging =====
    TIntList& MergedColumns() { return *FMergedColumns; }

    // ===== Painting =====
    void DrawCellContents(gfx::TCanvas& ACanvas, int ACol, int ARow, const rtl::TRect& ARect,
                          ui::TGridDrawState AState) override;
    void GetDefaultCellProperties(int ACol, int ARow, gfx::TFont& AFont, gfx::TBrush& ABrush, gfx::TColor& ColorTo,
                                  gfx::TColor& MirrorColor, gfx::TColor& MirrorColorTo, ui::TAlignment& HAlign,
                                  TVAlignment& VAlign, bool& WordWrap,
                                  TCellGradientDirection& GradientDirection) override;
    ui::TAlignment GetDefaultAlignment() override;
    bool HasCellBorderEvent() override;
    bool GetUseVCLStyles() override;
    void GetVisualProperties(int ACol, int ARow, ui::TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             gfx::TBrush& ABrush, gfx::TColor& AColorTo, gfx::TColor& AMirrorColor,
                             gfx::TColor& AMirrorColorTo, gfx::TFont& AFont, ui::TAlignment& HA, TVAlignment& VA,
                             bool& WW, TCellGradientDirection& GD) override;
    virtual void InvalidateGrid();
    TGridLook Look() const { return FLook; }
    void SetLook(TGridLook v);
    TJyxStyle Style() const { return FStyle; }
    gfx::TColor BorderColor() const { return FBorderColor; }
    // Stores a changed colour and repaints the border when the window exists.
    void SetBorderColor(gfx::TColor v);
    gfx::TFont& FixedFont() { return *FFixedFont; }
    gfx::TFont& ActiveCellFont() { return *FActiveCellFont; }
    TBands& Bands() { return *FBands; }
    gfx::TBitmap& RowIndicator() { return *FRowIndicator; }
    THTMLPictureCache& ImageCache() { return *FImageCache; }
    ui::TAlignment DefaultAlignment() const { return FDefaultAlignment; }
    void SetDefaultAlignment(ui::TAlignment v) { FDefaultAlignment = v; }
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment v) { FVAlignment = v; }
    // The control look's comment colour.
    gfx::TColor CommentColor() const { return FCommentColor; }
    void SetCommentColor(gfx::TColor v) { FCommentColor = v; }
    // Look settings that only store their value.
    GRID_PLAIN_PROPERTY(bool, Flat, false)
    GRID_PLAIN_PROPERTY(bool, AutoThemeAdapt, false)
    GRID_PLAIN_PROPERTY(bool, ShowDesignHelper, true)
    GRID_PLAIN_PROPERTY(bool, ActiveCellShow, false)
    GRID_PLAIN_PROPERTY(gfx::TColor, ActiveCellColor, 0x808080)
    GRID_PLAIN_PROPERTY(gfx::TColor, ActiveCellColorTo, clGridNone)
    GRID_PLAIN_PROPERTY(gfx::TColor, DisabledFontColor, 0xC0C0C0)
    GRID_PLAIN_PROPERTY(bool, UseDisabledFont, true)
    GRID_PLAIN_PROPERTY(gfx::TColor, HighlightColor, 0xFF00000D)
    GRID_PLAIN_PROPERTY(gfx::TColor, HighlightTextColor, 0xFF00000E)
    GRID_PLAIN_PROPERTY(gfx::TColor, SelectionColor, 0xEACAB6)
    GRID_PLAIN_PROPERTY(gfx::TColor, SelectionColorTo, clGridNone)
    GRID_PLAIN_PROPERTY(bool, SelectionColorMixer, false)
    GRID_PLAIN_PROPERTY(int, SelectionColorMixerFactor, 50)
    GRID_PLAIN_PROPERTY(gfx::TColor, SelectionMirrorColor, clGridNone)
    GRID_PLAIN_PROPERTY(gfx::TColor, SelectionMirrorColorTo, clGridNone)
    GRID_PLAIN_PROPERTY(bool, SelectionRectangle, false)
    GRID_PLAIN_PROPERTY(bool, SelectionResizer, false)
    GRID_PLAIN_PROPERTY(bool, SelectionRTFKeep, false)
    GRID_PLAIN_PROPERTY(gfx::TColor, SelectionTextColor, 0)
    GRID_PLAIN_PROPERTY(bool, ShowSelection, true)
    GRID_PLAIN_PROPERTY(bool, AutoHideSelection, false)
    GRID_PLAIN_PROPERTY(bool, ShowFocusedSelectionColor, true)
    GRID_PLAIN_PROPERTY(bool, UseSelectionTextColor, true)
    GRID_PLAIN_PROPERTY(bool, HideFocusRect, false)
    GRID_PLAIN_PROPERTY(bool, Hovering, false)
    GRID_PLAIN_PROPERTY(THoverFixedCells, HoverFixedCells, hfNone)
    GRID_PLAIN_PROPERTY(gfx::TColor, URLColor, 0xFF0000)
    GRID_PLAIN_PROPERTY(bool, URLShow, false)
    GRID_PLAIN_PROPERTY(bool, URLShowInText, false)
    GRID_PLAIN_PROPERTY(bool, URLUnderlineOnHover, false)
    GRID_PLAIN_PROPERTY(bool, URLFull, false)
    GRID_PLAIN_PROPERTY(bool, URLEdit, false)
    GRID_PLAIN_PROPERTY(gfx::TColor, HintColor, 0xFF000018)
    GRID_PLAIN_PROPERTY(bool, HintShowCells, false)
    GRID_PLAIN_PROPERTY(bool, HintShowLargeText, false)
    GRID_PLAIN_PROPERTY(THintShowLargeTextPos, HintShowLargeTextPos, hpCell)
    GRID_PLAIN_PROPERTY(bool, HintShowSizing, false)
    GRID_PLAIN_PROPERTY(bool, HTMLHint, false)
    GRID_PLAIN_PROPERTY(bool, HTMLKeepLineBreak, true)
    GRID_PLAIN_PROPERTY(bool, AnchorHint, false)
    GRID_PLAIN_PROPERTY(bool, UseInternalHintClass, true)
    GRID_PLAIN_PROPERTY(bool, EnableHTML, true)
    GRID_PLAIN_PROPERTY(bool, EnableBlink, false)
    GRID_PLAIN_PROPERTY(bool, EnhTextSize, false)
    GRID_PLAIN_PROPERTY(TFormatType, FormatType, ftVCL)
    GRID_PLAIN_PROPERTY(bool, ExcelStyleDecimalSeparator, false)
    GRID_PLAIN_PROPERTY(gfx::TColor, JyxGradientFrom, 0xFFFFFF)
    GRID_PLAIN_PROPERTY(gfx::TColor, JyxGradientTo, 0)
    GRID_PLAIN_PROPERTY(gfx::TColor, JyxGradientMirrorFrom, clGridNone)
    GRID_PLAIN_PROPERTY(gfx::TColor, JyxGradientMirrorTo, clGridNone)
public:
    // Cell appearance events.
    TGridColorEvent OnGetCellColor;
    TGridColorEvent OnGetCellPrintColor;
    TGridGradientEvent OnGetCellGradient;
    TGridBorderEvent OnGetCellBorder;
    TGridBorderEvent OnGetCellPrintBorder;
    TGridBorderPropEvent OnGetCellBorderProp;
    TGridAlignEvent OnGetAlignment;
    TGridFormatEvent OnGetFormat;
    TFloatFormatEvent OnGetFloatFormat;
    TCustomCellDrawEvent OnCustomCellDraw;
    TCustomCellDrawEvent OnCustomCellBkgDraw;
    // Hint events.
    TGridHintEvent OnGridHint;
    TAnchorHintEvent OnAnchorHint;
    TScrollHintEvent OnScrollHint;
    TGridBalloonEvent OnCellBalloon;

    // ===== Event hooks =====
    // Each hook answers a default and then lets its published event change it; painting,
    // editing, printing and searching ask the hooks, so a descendant may override them.
    virtual void CanEditCell(int ARow, int ACol, bool& CanEdit);
    virtual void CanSort(int ACol, bool& DoSort);
    virtual void SearchFooterAction(const std::string& Value, int ACol, int ARow, TSearchFooterAction SearchAction);
    virtual void SearchFooterSearchEnd(bool& ContinueFromStart);
    virtual void ButtonClick(int ACol, int ARow);
    virtual void ComboCloseUp(int ACol, int ARow);
    virtual void ComboDropDown(int ACol, int ARow);
    virtual void GetCellPrintColor(int ACol, int ARow, ui::TGridDrawState AState, gfx::TBrush* ABrush,
                                   gfx::TFont* AFont);
    virtual void GetCellPrintBorder(int ACol, int ARow, gfx::TPen* APen, TCellBorders& Borders);
    virtual void GetColFormat(int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix);
    virtual void GetCellEditorType(int ACol, int ARow, TEditorType& AEditor);
    virtual void GetCellEditorTypeEx(int ACol, int ARow, TEditorType& AEditor);
    virtual void QueryIsPasswordCell(int ACol, int ARow, bool& IsPassword);
    virtual void GetCellWordWrap(int ACol, int ARow, bool& WordWrap);
    virtual void GridHint(int ACol, int ARow, std::string& hintstr, std::string& widehintstr);
    virtual void GetCellColor(int ACol, int ARow, ui::TGridDrawState AState, gfx::TBrush* ABrush, gfx::TFont* AFont);
    virtual void GetCellBorder(int ACol, int ARow, gfx::TPen* APen, TCellBorders& Borders);
    virtual void GetCellAlignment(int ACol, int ARow, ui::TAlignment& HAlign, TVAlignment& VAlign);
    // Asks OnGetCellCursor (when assigned) and shows the cursor it answers at once.
    virtual void GetCellCursor(int ACol, int ARow, int X, int Y);
    virtual void ExpandClick(int ACol, int ARow, bool Expanded);
    virtual bool CellHasNoEditor(int ACol, int ARow);
    virtual void IsFixedCell(int ARow, int ACol, bool& IsFixed);
    virtual void IsEditableCell(int ACol, int ARow, bool& CanEdit);
    virtual bool HasComboBox(int ACol, int ARow, TEditorType AEditor);
    virtual bool HasEditBtn(int ACol, int ARow, TEditorType AEditor);
    virtual bool HasSpinEdit(int ACol, int ARow, TEditorType AEditor);
    TEditorType EditorShownFor(int ACol, int ARow, TEditorType AEditor);
    virtual bool HasFilterEdit(int ACol, int ARow);
    virtual void FilterEditUpdate(int ACol, const std::string& Condition, TFilterType FilterType);
    virtual void GetCheckTrue(int ACol, int ARow, std::string& Value);
    virtual void GetCheckFalse(int ACol, int ARow, std::string& Value);
    TGridWideHintEvent OnGridWideHint;
    TIsFixedCellEvent OnIsFixedCell;
    TIsPasswordCellEvent OnIsPasswordCell;
    TCellCursorEvent OnGetCellCursor;
    TWordWrapEvent OnGetWordWrap;
    THasComboEvent OnHasComboBox;
    THasEditBtnEvent OnHasEditBtn;
    THasSpinEditEvent OnHasSpinEdit;
    THasFilterEditEvent OnHasFilterEdit;
    TFilterEditUpdateEvent OnFilterEditUpdate;
    TGetCheckEvent OnGetCheckTrue;
    TGetCheckEvent OnGetCheckFalse;
    TSearchFooterActionEvent OnSearchFooterAction;
    TSearchFooterSearchEndEvent OnSearchFooterSearchEnd;
    TComboEvent OnComboCloseUp;
    TComboEvent OnComboDropDown;
protected:
    // The painter's starting look: fixed colour and font, selection colours, then GetCellColor.
    void InitCellLook(int ACol, int ARow, ui::TGridDrawState AState, gfx::TBrush& ABrush, gfx::TColor& AColorTo,
                      gfx::TFont& AFont) override;
public:

    // ===== Editing =====
    // Nested update bracket: painting is suspended until the outermost EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }
    // Hides a shown in-place editor, storing its text in the current cell first.
    virtual void HideInplaceEdit();
    // Reports a changed cell rectangle to the change notifiers and OnCellsChanged.
    virtual void CellsChanged(const rtl::TRect& R);
    virtual void RecalcAllFooters();
    // Records every column's width as loaded and the grid's width as its old size.
    void InitOrigColSizes();
    TIntList& OrigColSizes() { return *FOrigColSizes; }
    TNavigation& Navigation() { return *FNavigation; }
    TFocusHelper& FocusHelper() { return *FFocusHelper; }
    TControlList& ControlList() { return *FControlList; }
    rtl::TStringList& LookupItems() { return *FLookupItems; }
    GRID_PLAIN_PROPERTY(TEditorType, DefaultEditor, edNormal)
    GRID_PLAIN_PROPERTY(bool, EditWithTags, false)
    GRID_PLAIN_PROPERTY(bool, EnhRowColMove, true)
    GRID_PLAIN_PROPERTY(int, MaxEditLength, 0)
    GRID_PLAIN_PROPERTY(int, MaxComboLength, 0)
    GRID_PLAIN_PROPERTY(bool, Lookup, false)
    GRID_PLAIN_PROPERTY(bool, LookupCaseSensitive, false)
    GRID_PLAIN_PROPERTY(bool, LookupHistory, false)
    GRID_PLAIN_PROPERTY(std::string, ValidChars, {})
    GRID_PLAIN_PROPERTY(bool, OemConvert, false)
    GRID_PLAIN_PROPERTY(std::string, InvalidEntryTitle, {})
    GRID_PLAIN_PROPERTY(TInvalidEntryIcon, InvalidEntryIcon, ieWarning)
    GRID_PLAIN_PROPERTY(std::string, InvalidEntryText, {})
    GRID_PLAIN_PROPERTY(std::string, PasswordChar, "*")
public:
    std::function<void(TSender, const rtl::TRect& R)> OnCellsChanged;
    TGetEditorTypeEvent OnGetEditorType;
    TCanEditCellEvent OnCanEditCell;
    TEllipsClickEvent OnEllipsClick;
    TButtonClickEvent OnButtonClick;
    TCheckBoxClickEvent OnCheckBoxClick;
    TCheckBoxClickEvent OnCheckBoxChange;
    TCheckBoxCanToggleEvent OnCheckBoxCanToggle;
    TSpinClickEvent OnSpinClick;

    // ===== Keyboard =====
    bool SelectCell(int ACol, int ARow) override;

    // ===== Mouse =====
    TMouseActions& MouseActions() { return *FMouseActions; }
    virtual bool IsDesigning();
    virtual void MouseActionsChanged();
    virtual void NavigationChanged();
    GRID_PLAIN_PROPERTY(bool, EnableWheel, true)
    GRID_PLAIN_PROPERTY(bool, IntelliZoom, true)
    GRID_PLAIN_PROPERTY(TIntelliPan, IntelliPan, ipVertical)
public:
    int WheelScrollLines() const { return FWheelScrollLines; }
    TClickCellEvent OnClickCell;
    TClickCellEvent OnRightClickCell;
    TDblClickCellEvent OnDblClickCell;
    TAnchorClickEvent OnAnchorClick;
    TAnchorEvent OnAnchorEnter;
    TAnchorEvent OnAnchorExit;
    TExpandClickEvent OnExpandClick;
    // Row and column events.
    TCanAddColEvent OnCanAddCol;
    TCanAddRowEvent OnCanAddRow;
    TAutoAddRowEvent OnAutoAddRow;
    TCanInsertRowEvent OnCanInsertRow;
    TAutoInsertRowEvent OnAutoInsertRow;
    TAutoInsertColEvent OnAutoInsertCol;
    TCanDeleteRowEvent OnCanDeleteRow;
    TAutoDeleteRowEvent OnAutoDeleteRow;
    TColumnSizeEvent OnColumnSize;
    TColumnSizingEvent OnColumnSizing;
    TRowSizeEvent OnRowSize;
    TRowSizingEvent OnRowSizing;
    TEndColumnSizeEvent OnEndColumnSize;
    TUpdateColumnSizeEvent OnUpdateColumnSize;
    TEndRowSizeEvent OnEndRowSize;

    // ===== Row operations =====
    // Removes RCount rows from RowIndex on; a range outside the grid raises EListError.
    virtual void RemoveRows(int RowIndex, int RCount);
    // Inserts RCount empty rows at RowIndex (RowCount appends).
    virtual void InsertRows(int RowIndex, int RCount);
    // Exchanges two rows: texts, cell property objects and heights.
    virtual void SortSwapRows(int ARow1, int ARow2);

    // ===== Hidden rows and columns =====
    int RealColIndex(int ACol) override;
    int DisplColIndex(int ACol) override;
    int TotalColCount() const override;
    // Hides the column of that real index: its cells move to the storage beyond ColCount.
    void HideColumn(int ACol);
    void UnHideColumn(int ACol);
    void UnHideColumnsAll();
    bool IsHiddenColumn(int ACol) const;
    int NumHiddenColumns() const;
    int GetAllColCount() const { return TotalColCount(); }
    // Rows are never hidden by the core; the count is always 0 and showing all does nothing.
    int NumHiddenRows() const { return 0; }
    void UnHideRowsAll() {}
    // Whether the column of this real index is shown (FVisibleCol).
    bool ColumnVisible(int ACol) const;
    // Records a visible column's width in the suppressed sizes and narrows it to 0.
    void SuppressColumn(int ACol);
    // Stores the identity order as the column order and records every column's width.
    void SetColumnOrder();
    TIntList& ColumnOrder() { return *FColumnOrder; }
    TIntList& SuppressColSizes() { return *FSuppressColSizes; }
    TIntList& SuppressRowSizes() { return *FSuppressRowSizes; }

    // ===== Sorting =====
    TSortIndexList& SortIndexes() { return *FSortIndexes; }
    TClickSortEvent OnClickSort;
    TCanSortEvent OnCanSort;
    TCustomCompareEvent OnCustomCompare;
    TRawCompareEvent OnRawCompare;

    // ===== Filtering =====
    GRID_PLAIN_PROPERTY(bool, FilterActive, false)
    GRID_PLAIN_PROPERTY(bool, FilterNormalCellsOnly, true)
    GRID_PLAIN_PROPERTY(bool, AutoFilterUpdate, true)
    GRID_PLAIN_PROPERTY(bool, FilterDropDownAuto, false)
    GRID_PLAIN_PROPERTY(bool, FilterDropDownMultiCol, true)
    GRID_PLAIN_PROPERTY(bool, FilterDropDownCheck, false)
public:
    GRID_PLAIN_PROPERTY(std::string, FilterDropDownClear, "(All)")
public:
    GRID_PLAIN_PROPERTY(int, FilterDropDownRow, 0)
public:
    rtl::TStringList& FilterList() { return *FFilterList; }

    // ===== Import and export =====
    TSearchFooter& SearchFooter() { return *FSearchFooter; }
    TSyncGrid& SyncGrid() { return *FSyncGrid; }
    TColumnSize& ColumnSize() { return *FColumnSize; }
    THTMLSettings& HTMLSettings() { return *FHTMLSettings; }
    GRID_PLAIN_PROPERTY(std::string, XMLEncoding, "ISO-8859-1")
    // empty: chosen automatically
    GRID_PLAIN_PROPERTY(std::string, Delimiter, {})
public:
    TSearchEditChangeEvent OnSearchEditChange;


    // ===== Published settings that only store their value =====
    TGridFilterType FilterType() const { return FPublished.FilterType; }
    void SetFilterType(TGridFilterType v) { FPublished.FilterType = v; }
    TFilterDropDownColumns FilterDropDownColumns() const { return FPublished.FilterDropDownColumns; }
    void SetFilterDropDownColumns(TFilterDropDownColumns v) { FPublished.FilterDropDownColumns = v; }
    bool FilterDropDownCheckUnCheckAll() const { return FPublished.FilterDropDownCheckUnCheckAll; }
    void SetFilterDropDownCheckUnCheckAll(bool v) { FPublished.FilterDropDownCheckUnCheckAll = v; }
    bool FixedAsButtons() const { return FPublished.FixedAsButtons; }
    // Fixed cells look like buttons: repaint.
    void SetFixedAsButtons(bool v);
    TPopupToolBarMode PopupToolBarMode() const { return FPublished.PopupToolBarMode; }
    void SetPopupToolBarMode(TPopupToolBarMode v) { FPublished.PopupToolBarMode = v; }
    TScrollHintType ScrollHints() const { return FPublished.ScrollHints; }
    void SetScrollHints(TScrollHintType v) { FPublished.ScrollHints = v; }
    rtl::TComponent* FixedDropDownMenu() const { return FPublished.FixedDropDownMenu; }
    void SetFixedDropDownMenu(rtl::TComponent* v) { LinkComponent(FPublished.FixedDropDownMenu, v); }
    rtl::TComponent* PopupToolBar() const { return FPublished.PopupToolBar; }
    void SetPopupToolBar(rtl::TComponent* v) { LinkComponent(FPublished.PopupToolBar, v); }
    rtl::TComponent* GridImages() const { return FPublished.GridImages; }
    // The images cells draw by index: repaint.
    void SetGridImages(rtl::TComponent* v);
    rtl::TComponent* PictureContainer() const { return FPublished.PictureContainer; }
    void SetPictureContainer(rtl::TComponent* v);
    rtl::TComponent* CellChecker() const { return FPublished.CellChecker; }
    void SetCellChecker(rtl::TComponent* v) { LinkComponent(FPublished.CellChecker, v); }
    // Points a link at another component and asks to be told when it is freed, so that
    // Notification can clear the link (a freed component is never used afterwards).
    void LinkComponent(rtl::TComponent*& link, rtl::TComponent* v);
private:
    TExtGridPublished FPublished;
public:

    // ===== Printing =====
    TPrintSettings& PrintSettings() { return *FPrintSettings; }

    // ===== Settings persistence =====
    // Column layout as one line: count#widths#order#visibility.
    std::string ColumnStatesToString();
    // Checks the whole text before changing anything; a text without "#" is ignored.
    void StringToColumnStates(const std::string& Value);
    // Widths ("Col<i>") and order ("Pos<i>") under ColumnSize.Key and Section, in an INI
    // file or the registry store by ColumnSize.Location.
    void SaveColSizes();
    void LoadColSizes();
    virtual void SaveColPositions();
    virtual void LoadColPositions();
    // Print settings in a section of an INI file (Key is the file name).
    void SavePrintSettings(const std::string& Key, const std::string& Section);
    void LoadPrintSettings(const std::string& Key, const std::string& Section);
    // Colours, fonts and look settings as Name=Value lines of a text file; loading applies
    // them through the setters and leaves the look as glCustom.
    void SaveVisualProps(const std::string& FileName);
    void LoadVisualProps(const std::string& FileName);
private:
    // Moves the columns so that the column standing at position j goes to position
    // Order[j] (Order a permutation of 0 .. ColCount - 1).
    void MoveColumnsToPositions(std::vector<int> Order);
public:

    // ===== Scrolling and layout =====
    TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
    void SetScrollBarAlways(TScrollBarAlways v);
    GRID_PLAIN_PROPERTY(TScrollType, ScrollType, ssNormal)
    GRID_PLAIN_PROPERTY(gfx::TColor, ScrollColor, clGridNone)
    GRID_PLAIN_PROPERTY(int, ScrollWidth, 17)
    GRID_PLAIN_PROPERTY(bool, ScrollProportional, false)
    GRID_PLAIN_PROPERTY(bool, ScrollSynch, false)
    GRID_PLAIN_PROPERTY(bool, IntegralHeight, false)
    GRID_PLAIN_PROPERTY(bool, SizeWithForm, false)
    GRID_PLAIN_PROPERTY(bool, FixedColAlways, false)
    GRID_PLAIN_PROPERTY(bool, FixedRowAlways, false)
public:
    int FixedRowHeight() const;
    void SetFixedRowHeight(int v);
    int FixedColWidth() const { return ColCount() > 0 ? ColWidths(0) : 0; }
    void SetFixedColWidth(int v);
    GRID_PLAIN_PROPERTY(int, FixedFooters, 0)
    GRID_PLAIN_PROPERTY(int, FixedRightCols, 0)
    // the published AutoSize
    GRID_PLAIN_PROPERTY(bool, AutoSizeColumnsOnLoad, false)
public:
    // Widens each column (the fixed ones too when DoFixedCols) to its widest text plus Padding.
    void AutoSizeColumns(bool DoFixedCols, int Padding);
    GRID_PLAIN_PROPERTY(bool, AutoNumAlign, false)
    GRID_PLAIN_PROPERTY(bool, Multilinecells, false)
public:
    TNotifyEvent OnResize;

    // ===== Published events of painting, editing, selection, filtering, clipboard, drag and drop, printing, files =====
    // Cell painting and footers.
    TCustomCellSizeEvent OnCustomCellSize;
    TPaintedEvent OnPainted;
    TFooterPaintEvent OnFooterPaint;
    TFooterCalcEvent OnFooterCalc;
    TGroupCalcEvent OnGroupCalc;
    TColumnCalcEvent OnColumnCalc;
    // Questions about a cell.
    TGetEditorPropEvent OnGetEditorProp;
    TCanClickCellEvent OnCanClickCell;
    TCanShowFixedDropDownEvent OnCanShowFixedDropDown;
    THoverButtonsShowEvent OnHoverButtonsShow;
    // Clicks and cell controls.
    TFixedDropDownClickEvent OnFixedDropDownClick;
    TFixedEditEvent OnFixedEdit;
    THoverButtonClickEvent OnHoverButtonClick;
    TDropDownButtonClickEvent OnDropDownHeaderButtonClick;
    TDropDownButtonClickEvent OnDropDownFooterButtonClick;
    TControlClickEvent OnControlClick;
    TControlEditDoneEvent OnControlEditDone;
    TControlComboListEvent OnControlComboList;
    TControlComboSelectEvent OnControlComboSelect;
    // Check boxes, radio buttons and pickers.
    TCheckBoxMouseUpEvent OnCheckBoxMouseUp;
    TRadioClickEvent OnRadioClick;
    TRadioClickEvent OnRadioMouseUp;
    TRadioButtonClickEvent OnRadioButtonClick;
    TRatingChangeEvent OnRatingChange;
    TColorSelectedEvent OnColorSelected;
    TColorSelectEvent OnColorSelect;
    TImageSelectedEvent OnImageSelected;
    TImageSelectEvent OnImageSelect;
    TComboEvent OnDatePickerCloseUp;
    TComboEvent OnDatePickerDropDown;
    TDateTimeChangeEvent OnDateTimeChange;
    TComboChangeEvent OnComboChange;
    TComboObjectChangeEvent OnComboObjectChange;
    TFloatSpinClickEvent OnFloatSpinClick;
    TDateTimeSpinClickEvent OnTimeSpinClick;
    TDateTimeSpinClickEvent OnDateSpinClick;
    TUnitChangedEvent OnUnitChanged;
    // Editing and validation.
    TNotifyEvent OnEditingDone;
    TEditCellDoneEvent OnEditCellDone;
    TEditChangeEvent OnEditChange;
    TCellValidateEvent OnCellValidate;
    TCellValidateEvent OnCellValidateWide;
    TCustomStrToDateEvent OnCustomStrToDate;
    TNotifyEvent OnRichEditSelectionChange;
    TAutoAdvanceEvent OnAutoAdvance;
    TIntelliZoomEvent OnIntelliZoom;
    // Moving and selecting.
    TRowChangingEvent OnRowChanging;
    TRowUpdateEvent OnRowUpdate;
    TColChangingEvent OnColChanging;
    TCellChangingEvent OnCellChanging;
    TSelectionResizedEvent OnSelectionChanged;
    TSelectionResizeEvent OnSelectionResize;
    TSelectionResizedEvent OnSelectionResized;
    TDisjunctSelectEvent OnRowDisjunctSelect;
    TDisjunctSelectedEvent OnRowDisjunctSelected;
    TDisjunctSelectEvent OnColDisjunctSelect;
    TDisjunctSelectedEvent OnColDisjunctSelected;
    TScrollCellEvent OnScrollCell;
    TDragScrollEvent OnDragScroll;
    // Rows and columns.
    TColumnMoveEvent OnColumnMove;
    TColumnMovingEvent OnColumnMoving;
    TRowMoveEvent OnRowMove;
    TRowMovingEvent OnRowMoving;
    // Nodes.
    TNodeEvent OnExpandNode;
    TNodeEvent OnContractNode;
    TBeforeNodeEvent OnBeforeExpandNode;
    TBeforeNodeEvent OnBeforeContractNode;
    // Filtering and searching.
    TBeforeFilterEvent OnBeforeFilter;
    TCustomFilterEvent OnCustomFilter;
    TGetColumnFilterEvent OnGetColumnFilter;
    TNotifyEvent OnFilterDone;
    TFilterSelectEvent OnFilterSelect;
    TFilterCheckEvent OnFilterCheck;
    TFilterCheckClickEvent OnFilterCheckClick;
    TFilterCheckClickEvent OnFilterCheckMouseDown;
    TFilterShowEvent OnFilterShow;
    TFilterCloseEvent OnFilterClose;
    TFilterProgressEvent OnFilterProgress;
    TFilterEditDoneEvent OnFilterEditDone;
    TNotifyEvent OnSearchFooterClose;
    TCreatedControlEvent OnCreatedFloatingFooter;
    TCreatedControlEvent OnCreatedSearchFooter;
    // Clipboard.
    TClipboardEvent OnClipboardPaste;
    TNotifyEvent OnClipboardPasteDone;
    TClipboardEvent OnClipboardCopy;
    TNotifyEvent OnClipboardCopyDone;
    TClipboardEvent OnClipboardCut;
    TNotifyEvent OnClipboardCutDone;
    TClipboardAfterPasteCellEvent OnClipboardAfterPasteCell;
    TClipboardAfterPasteCellEvent OnClipboardAfterPasteWideCell;
    TClipboardPasteCellEvent OnClipboardBeforePasteCell;
    TClipboardPasteCellEvent OnClipboardBeforePasteWideCell;
    // Drag and drop.
    TOleDragDropEvent OnOleDrop;
    TOleDroppedEvent OnOleDropped;
    TOleDragDropEvent OnOleDrag;
    TOleDragOverEvent OnOleDragOver;
    TOleDragStartEvent OnOleDragStart;
    TOleDragStopEvent OnOleDragStop;
    TOleDropColEvent OnOleDropCol;
    TOleDropFileEvent OnOleDropFile;
    TOleDropFilesEvent OnOleDropFiles;
    TOleDropURLEvent OnOleDropURL;
    // Printing.
    TPrintStartEvent OnPrintStart;
    TPrintCancelEvent OnPrintCancel;
    TPrintPageEvent OnPrintPage;
    TPrintGetPageNumEvent OnPrintGetPageNum;
    TPrintNewPageEvent OnPrintNewPage;
    TPrintPageDoneEvent OnPrintPageDone;
    TNotifyEvent OnPrintDone;
    TFitToPageEvent OnFitToPage;
    TPrintSetColumnWidthEvent OnPrintSetColumnWidth;
    TPrintSetRowHeightEvent OnPrintSetRowHeight;
    // Files.
    TFileProgressEvent OnFileProgress;
    TSaveCellEvent OnSaveCell;
    TLoadCellEvent OnLoadCell;

    // ===== Footers, the floating footer panel, appending and removing grid rows, column-size updates =====
    // (end of footer block)
public:

    // ===== Search footer panel, filter drop lists, filter icons and filter menu =====
    // (end of search block)
public:

    // ===== In-place editor controls the grid owns =====
    // (end of editors block)
public:

    // ===== Scroll controls, hover and drag buttons, button form, design helper, styles =====
    // (end of chrome block)
public:

    // ===== Editor keys, zoom, check boxes, radio buttons and cell content sizes =====
    // (end of interact block)
public:

    // ===== Sorting operations =====
    // (end of sort block)
public:

    // ===== Row and column insertion and removal, notifications, paste hooks =====
    // (end of rows block)
public:

    // ===== Nodes and grouping =====
    // (end of nodes block)
public:

protected:
    // ----- platform overrides
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;
    rtl::TRect GetClientRect() const override;
    void WndProc(ui::TMessage& Message) override;
    void Paint() override;
    // Window creation: the platform creates handles in one step, so this is also where
    // the steps that follow handle creation run.
    void CreateWnd() override;
    void DestroyWnd() override;
    void Resize() override;
    void CalcSizingState(int X, int Y, ui::TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                         ui::TGridDrawInfo& FixedInfo) override;
    ui::TInplaceEdit* CreateEditor() override;
    bool CanEditShow() override;
    void DrawCell(int ACol, int ARow, const rtl::TRect& ARect, ui::TGridDrawState AState) override;

private:
    void CreateOwnedObjects();
    void CreateRunTimeObjects();
    void SetConstructionDefaults();
    void AssignSettings(const TExtStringGrid& src);
    void CopyCellsFrom(TExtStringGrid& src);
    void MoveStoredColumn(int from, int to);
    void ResizeColumnBooks();

    // Owned option objects and books
    std::unique_ptr<gfx::TFont> FCellFont;  // the scratch font "cf" of GetCellFont
    std::unique_ptr<TFocusHelper> FFocusHelper;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TPrintSettings> FPrintSettings;
    std::unique_ptr<THTMLSettings> FHTMLSettings;
    std::unique_ptr<TNavigation> FNavigation;
    std::unique_ptr<TColumnSize> FColumnSize;
    std::unique_ptr<TBands> FBands;
    std::unique_ptr<TMouseActions> FMouseActions;
    std::unique_ptr<rtl::TStringList> FColumnHeaders;
    std::unique_ptr<TIntList> FCacheRowHeights;
    std::unique_ptr<THTMLPictureCache> FImageCache;
    std::unique_ptr<TIntList> FOrigColSizes;
    std::unique_ptr<TIntList> FSuppressColSizes;
    std::unique_ptr<TIntList> FSuppressRowSizes;
    std::unique_ptr<gfx::TFont> FFixedFont;
    std::unique_ptr<gfx::TFont> FActiveCellFont;
    std::unique_ptr<rtl::TStringList> FRowHeaders;
    std::unique_ptr<rtl::TStringList> FSortList;
    std::unique_ptr<rtl::TStringList> FLookupItems;
    std::vector<int> FRowSelect;
    std::vector<int> FColSelect;
    std::unique_ptr<TSortIndexList> FSortIndexes;
    // Sort and unsort cross-references, merged columns, selected cells, selected rows,
    // modified rows, enabled rows.
    std::unique_ptr<TIntList> FSortCrossRefs;
    std::unique_ptr<TIntList> FUnSortCrossRefs;
    std::unique_ptr<TIntList> FMergedColumns;
    std::unique_ptr<TIntList> FSelectedCells;
    std::unique_ptr<TIntList> FSelectedRows;
    std::unique_ptr<TIntList> FModifiedRows;
    std::unique_ptr<TIntList> FEnabledRows;
    std::unique_ptr<gfx::TBitmap> FRowIndicator;
    std::unique_ptr<TControlList> FControlList;
    std::unique_ptr<TSyncGrid> FSyncGrid;
    std::vector<rtl::TObject*> FNotifierList;
    std::unique_ptr<TIntList> FColumnOrder;
    std::unique_ptr<TCellGraphic> FCellGraphic;  // scratch graphic of GetCellGraphic
    std::unique_ptr<TIntList> FIgnoreColumns;
    std::unique_ptr<rtl::TStringList> FFilterList;
    std::unique_ptr<TExtGridRunTimeObjects> FRunTime;
    std::unique_ptr<TExtGridHiddenColumns> FHidden;

    // Look and state
    TGridLook FLook = glXP;
    TJyxStyle FStyle = tsWindowsXP;
    gfx::TColor FBorderColor = 0xB99D7F;
    gfx::TColor FCommentColor = gfx::clRed;
    TColorTones FTones{};
    TOfficeTheme FOldOfficeTheme = otUnknown;
    ui::TAlignment FDefaultAlignment = ui::taLeftJustify;
    TVAlignment FVAlignment = vtaTop;
    TScrollBarAlways FScrollBarAlways = saNone;
    std::string FCheckTrue = "Y";
    std::string FCheckFalse = "N";
    std::string FFloatFormat = "%.2f";
    bool FLoaded = false;
    bool FNewlyPlaced = false;
    bool FEditChange = false;
    int FUpdateCount = 0;
    int FMaxRowCount = 0;
    int FMaxColCount = 0;
    int FFixedRowsMin = 1;
    int FFixedColsMin = 1;
    int FMinRowHeight = 0;
    int FMinColWidth = 10;
    int FWheelScrollLines = 0;
    unsigned FWheelMessage = 0;
    bool FWheelPan = false;
    double FScaleFactor = 1.0;
    int FLastScrollCode = 255;
    int FTimerId = 0;
    ui::TCursor FLoadCursor = ui::crDefault;
    rtl::TRect FDisjunctRect{-1, -1, -1, -1};
    // Platform flags worked out at construction.
    bool FIsWinXP = true;
    bool FIsWin7 = true;
    bool FIsComCtl6 = true;
    bool FIsWinVista = true;
    bool FFlatScrollBars = false;
    // Markers that start at -1.
    int FHoverLinkIdx = -1;
    int FDragCol = -1;
    int FFilterCol = -1;
    int FHoverFixedCol = -1;
    int FHoverFixedRow = -1;
    int FGroupColumn = -1;
    rtl::TPoint FMouseDownPoint{-1, -1};
    rtl::TPoint FLastHintPos{-1, -1};
    rtl::TPoint FOldSize{-1, -1};
    // File options
    bool FSaveFixedCells = true;
    bool FSaveVirtCells = true;
    bool FSaveMergedCells = true;
    bool FSaveWithHTML = true;
    bool FLoadFirstRow = true;
    bool FQuoteEmptyCells = true;
    bool FQuoteQuotedCells = true;
    bool FMultiLineCSVImport = true;
    bool FTrimCSVBlanks = true;
    bool FSaveFixedRows = false;
    bool FSaveFixedCols = false;
    bool FSaveHiddenCells = false;
    bool FAlwaysQuotes = false;
    bool FJavaCSV = false;
    bool FSaveFormulas = false;
    bool FShowNullDates = true;
    bool FShowColumnNumbers = true;
    bool FFitCellsInGrid = true;
    bool FUseStyleServices = true;
    bool FFixDecimalSeparator = true;
    int FPrintPageFrom = 1;
    int FPrintPageTo = 1;
    int FPrintPageNum = 0;
    rtl::TPoint FXYOffset{2, 2};
    rtl::TPoint FXYRTFOffset{0, 0};

public:
    // Read-only views of construction state the tests and persistence read.
    bool SaveFixedCells() const { return FSaveFixedCells; }
    bool SaveHiddenCells() const { return FSaveHiddenCells; }
    rtl::TPoint XYOffset() const { return FXYOffset; }
    bool IsNewlyPlaced() const { return FNewlyPlaced; }
    int FixedRowsMin() const { return FFixedRowsMin; }
    int TimerId() const { return FTimerId; }
    bool HasRunTimeObjects() const { return FRunTime != nullptr; }
    TArrowWindow* ArrowWindow(TArrowDirection d) const;
    TGridFocusWindow* FocusWindow() const;
};

// The cursor shown over hot items (links, cell buttons); every grid constructor sets it
// to the hand-point cursor.
ui::TCursor& HotItemCursor();

// Registers TObjStringGrid, TBaseGrid and TExtStringGrid with their published properties
// for form descriptions (once per registry).
void RegisterExtGridClasses(ui::TClassRegistry& registry);
void RegisterExtGridClasses();

}  // namespace grid
