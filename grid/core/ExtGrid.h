// The string grid of the grid family: one class whose operations live in grid/core, grid/editing and grid/data.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "grid/core/BaseGrid.h"
#include "grid/core/GridEvents.h"
#include "grid/core/GridEventsDraw.h"
#include "grid/core/GridEventsPublished.h"
#include "grid/core/ExtGridPublished.h"
#include "grid/core/ExtGridChromeTypes.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridTypes.h"
#include "grid/foundation/ExtStyleIF.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace rtl {
class TStringList;
class TStrings;
}
namespace gfx {
class TBitmap;
class TImageList;
class TIcon;
class TPicture;
}
namespace ui {
class TClassRegistry;
struct THintInfo;
class TRichEdit;
class TTimer;
class THintWindow;
}

namespace grid {

class TArrowWindow;
class TAutoColor;
class TExtRichEdit;
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
class TGridCombo;
class TGridTransEdit;
class TGridTransCombo;
class TGridCheckBox;
class TGridEditBtn;
class TGridUnitEditBtn;
class TGridButton;
class TControlEdit;
class TControlCombo;
struct TGridEditorControls;
struct TBinCellBlock;
class TExtInplaceEdit;
class TFilePicture;
enum TCellShape : int;
enum TControlStyle : std::uint8_t;

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
private:
    void AppendGroupCount(int ACol, int ARow, std::string& Value);
public:
    void UpdateAutoRangeScroll(int ACol, int ARow) override;
    void FooterRowChanged() override;
    // The cell's read-only flag (false without a property object).
    bool GetReadOnly(int ACol, int ARow) const;
    // The caller's object of the cell addressed by its real row.
    rtl::TObject* GetCellObjectEx(int ACol, int ARow) const { return GetObjectEx(ACol, ARow); }
    // Empties the cells of the rectangle and frees their property objects (with a graphic
    // the grid owns); clearing the whole grid leaves no property object at all.
    virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    // Whole rows (hidden columns included) or whole columns; nothing for a count below 1 or an
    // empty grid.
    void ClearRows(int RowIndex, int RCount);
    void ClearCols(int ColIndex, int CCount);
    // The same within the normal cells: fixed columns, fixed rows, fixed right columns and
    // fixed footer rows are left alone.
    void ClearNormalRows(int RowIndex, int RCount);
    void ClearNormalCols(int ColIndex, int CCount);
private:
    bool CanClearLines(int Count) const;
public:
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
    virtual void PrintGetPageNum(int PageNr, int PageColNr, std::string& PageNumText);
    virtual void GetEditorProp(int ACol, int ARow, rtl::TObject* AEditLink);
    virtual void CheckBoxClick(int ACol, int ARow, bool State);
    virtual void CheckBoxChange(int ACol, int ARow, bool State);
    virtual void FixedCellEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, rtl::TStrings* Values);
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
public:
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    // Switching it on outside loading applies the style of the machine's Office theme.
    void SetAutoThemeAdapt(bool v);
private:
    bool FAutoThemeAdapt = false;
public:
    GRID_PLAIN_PROPERTY(bool, ShowDesignHelper, true)
    GRID_PLAIN_PROPERTY(bool, ActiveCellShow, false)
    GRID_PLAIN_PROPERTY(gfx::TColor, ActiveCellColor, 0x808080)
    GRID_PLAIN_PROPERTY(gfx::TColor, ActiveCellColorTo, clGridNone)
    GRID_PLAIN_PROPERTY(gfx::TColor, DisabledFontColor, 0xC0C0C0)
    GRID_PLAIN_PROPERTY(bool, UseDisabledFont, true)
public:
    // The colours of search and mark highlights: a change is handed, with the other one, to
    // the HTML renderer (for every grid) and repaints.
    gfx::TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(gfx::TColor v);
    gfx::TColor HighlightTextColor() const { return FHighlightTextColor; }
    void SetHighlightTextColor(gfx::TColor v);
private:
    gfx::TColor FHighlightColor = 0xFF00000D;
    gfx::TColor FHighlightTextColor = 0xFF00000E;
    GRID_PLAIN_PROPERTY(gfx::TColor, SelectionColor, 0xEACAB6)
    GRID_PLAIN_PROPERTY(gfx::TColor, SelectionColorTo, clGridNone)
    GRID_PLAIN_PROPERTY(bool, SelectionColorMixer, false)
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
public:
    // The header gradient: each setter stores the colour as RGB and repaints.
    gfx::TColor JyxGradientFrom() const { return FJyxGradientFrom; }
    void SetJyxGradientFrom(gfx::TColor v) { SetHeaderGradientColor(FJyxGradientFrom, v); }
    gfx::TColor JyxGradientTo() const { return FJyxGradientTo; }
    void SetJyxGradientTo(gfx::TColor v) { SetHeaderGradientColor(FJyxGradientTo, v); }
    gfx::TColor JyxGradientMirrorFrom() const { return FJyxGradientMirrorFrom; }
    void SetJyxGradientMirrorFrom(gfx::TColor v) { SetHeaderGradientColor(FJyxGradientMirrorFrom, v); }
    gfx::TColor JyxGradientMirrorTo() const { return FJyxGradientMirrorTo; }
    void SetJyxGradientMirrorTo(gfx::TColor v) { SetHeaderGradientColor(FJyxGradientMirrorTo, v); }
private:
    void SetHeaderGradientColor(gfx::TColor& field, gfx::TColor v);
    gfx::TColor FJyxGradientFrom = 0xFFFFFF;
    gfx::TColor FJyxGradientTo = 0;
    gfx::TColor FJyxGradientMirrorFrom = clGridNone;
    gfx::TColor FJyxGradientMirrorTo = clGridNone;
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
    // Removes RCount rows from RowIndex on (filter-aware); a range beyond the grid is cut.
    virtual void RemoveRows(int RowIndex, int RCount);
    // Inserts RCount empty rows at RowIndex (RowCount appends).
    virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true);
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
    // Hidden rows leave the grid for the hidden-row store (grid/data/ExtGridHiddenRows.h).
    // Row arguments are real rows unless said otherwise.
    int NumHiddenRows() const;
    int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
    int AllRowCount() const { return TotalRowCount(); }
    int RemapRowDisplToReal(int ARow);
    int RemapRowRealToDispl(int ARow);
    virtual int RealRowIndex(int ARow) { return RemapRowDisplToReal(ARow); }
    virtual int DisplRowIndex(int ARow) { return RemapRowRealToDispl(ARow); }
    int RealRow() { return RealRowIndex(Row()); }
    void HideRow(int ARow) { HideRows(ARow, ARow); }
    void HideRows(int FromRow, int ToRow);
    // For a range that holds no hidden row.
    void HideRowsEx(int FromRow, int ToRow);
    // Hides the listed displayed rows (ascending) as one new filter level.
    void HideRowList(const TIntList& List);
    void UnHideRow(int ARow);
    // Shows the hidden rows of the range when its first row is hidden.
    void UnHideRows(int FromRow, int ToRow);
    void UnHideRowsAll();
    // Shows the rows of the last filter level; the caller lowers FilterLevel afterwards.
    void UnHideRowList();
    // Every hidden row back at its place in one pass.
    void RestoreAllHiddenRows();
    bool IsHiddenRow(int ARow) const;
    // Builds the sorted lookup of hidden real rows into Lookup when it is empty.
    bool IsHiddenRow(int ARow, std::vector<int>& Lookup) const;
    void BuildHiddenRowLookup();
    void ClearHiddenRowLookup();
    // Filter levels applied by HideRowList (FFilterLevel).
    int FilterLevel() const;
    void SetFilterLevel(int Value);
    // The records of the hidden-row store (FGridItems), in store order.
    int GridItemCount() const;
    class TGridItem& GridItems(int Index) const;
private:
    // Row movers of the store: they carry texts, cell objects (never freed) and heights.
    std::vector<int> RealColumnStorage();
    void TakeRowIntoItem(int ADispl, TGridItem& Item, const std::vector<int>& Storage);
    void PutItemIntoRow(int ADispl, TGridItem& Item, const std::vector<int>& Storage);
    void RemoveVacatedRows(int ADispl, int Count);
    void InsertVacantRows(int ADispl, int Count);
    void MoveStoredRow(int From, int To);
    void RestampRows(int FromRow);
    // Puts records into new rows at final positions (ascending) among the other rows.
    void PlaceItemsInRows(const std::vector<int>& Positions, const std::vector<TGridItem*>& Placed);
public:
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
    bool FilterActive() const { return FFilterActive; }
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
    TScrollType ScrollType() const { return FScrollType; }
    // Switches between the platform scroll bars and the thin scroll controls.
    void SetScrollType(TScrollType v);
private:
    TScrollType FScrollType = ssNormal;
public:
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
    // Sizes each normal column (every column when DoFixedCols) to its content plus Padding.
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
    TSelectionResizeEvent OnSelectionResized;
    TDisjunctSelectEvent OnRowDisjunctSelect;
    TDisjunctSelectedEvent OnRowDisjunctSelected;
    TDisjunctSelectEvent OnColDisjunctSelect;
    TDisjunctSelectedEvent OnColDisjunctSelected;
    TScrollCellEvent OnScrollCell;
    TDragScrollEvent OnDragScroll;
    // Rows and columns.
    TColumnSizeEvent OnColumnMove;
    TColumnMovingEvent OnColumnMoving;
    TRowSizeEvent OnRowMove;
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
    // The panel that paints the floating footer: made first by CreateFooterPanel, owned by the grid.
    class TFooterPanel* FooterPanel() const { return FFooterPanel.get(); }
    gfx::TCanvas& FooterCanvas() const;
    virtual class TFooterPanel* CreateFooterPanel();
    virtual void AppendRow();
    // Repaints the floating footer panel.
    void UpdateFooter();
    // Recomputes the footer cells in the last row; column -1 means every column.
    virtual void CalcFooter(int ACol);
    virtual void UpdateFooterColumn(int ACol);
    virtual void RecalcFooter(int ACol);
    // Change notifiers, each kept once and told of changed cells in registration order.
    void RegisterNotifier(class TGridChangeNotifier* ANotifier);
    void UnRegisterNotifier(class TGridChangeNotifier* ANotifier);
    // The one selection listener; unregistering drops it whatever listener is passed.
    void RegisterSelListener(class ITExtStringGridSelect* AListener);
    void UnRegisterSelListener(class ITExtStringGridSelect* AListener);
    class ITExtStringGridSelect* SelListener() const { return FISelect; }
    // Both fire OnUpdateColumnSize: the first for mouse sizing, the second for auto-sizing.
    virtual void UpdateColumnSize(int ACol, int& AWidth);
    virtual void ColumnSizeUpdated(int ACol, int& AWidth);
    // The cell under a screen point (-1 where no cell lies).
    void ScreenToCell(const rtl::TPoint& pt, int& ACol, int& ARow);

    // Typed cell values: the displayed text read as a number (VIdoZovuVozir when it is not
    // one), a number written as text; the All variants address the row by its real index.
    double GetFloats(int ACol, int ARow);
    void SetFloats(int ACol, int ARow, double Value);
    double Floats(int ACol, int ARow) { return GetFloats(ACol, ARow); }
    double GetAllFloats(int ACol, int ARow);
    double AllFloats(int ACol, int ARow) { return GetAllFloats(ACol, ARow); }
    int GetInts(int ACol, int ARow);
    void SetInts(int ACol, int ARow, int Value);
    int Ints(int ACol, int ARow) { return GetInts(ACol, ARow); }
    // The float of a cell text as Floats reads it; false where Floats would raise.
    static bool TryTextToFloat(const std::string& Text, double& Value);

    // Calculations over columns, rows and ranges. In the column functions FromRow or ToRow
    // -1 means every normal row.
    enum TCalcType : std::uint8_t { ctSum, ctAvg, ctMin, ctMax };
    double ColumnSum(int ACol, int FromRow, int ToRow);
    double ColumnAvg(int ACol, int FromRow, int ToRow);
    double ColumnMin(int ACol, int FromRow, int ToRow);
    double ColumnMax(int ACol, int FromRow, int ToRow);
    double ColumnStdDev(int ACol, int FromRow, int ToRow);
    double ColumnDistinct(int ACol, int FromRow, int ToRow);
    double ColumnCount(int ACol, int FromRow, int ToRow);
    double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
    double DoGroupCalc(int ACol, int FromRow, int ToRow);
    double RowSum(int ARow, int FromCol, int ToCol);
    double RowAvg(int ARow, int FromCol, int ToCol);
    double RowMin(int ARow, int FromCol, int ToCol);
    double RowMax(int ARow, int FromCol, int ToCol);
    double RectCalc(const rtl::TRect& GR, TCalcType CalcType);
    double RectSum(const rtl::TRect& GR) { return RectCalc(GR, ctSum); }
    double RectAvg(const rtl::TRect& GR) { return RectCalc(GR, ctAvg); }
    double RectMin(const rtl::TRect& GR) { return RectCalc(GR, ctMin); }
    double RectMax(const rtl::TRect& GR) { return RectCalc(GR, ctMax); }
    double SelectionSum();
    double SelectionAvg();
    double SelectionMin();
    double SelectionMax();
private:
    friend class TFooterPanel;
    struct TColumnRange;
    void CreateFooterObjects();
    void ParentFooterPanel();
    void FooterRowCountChanged(int OldRowCount);
    // Row movers that shift the rows themselves (the footer row with them) change the count
    // through this, so that the footer row is not moved a second time.
    void SetRowCountKeepingRows(int Value);
    bool FRowMoversOwnFooterRow = false;
    TColumnRange ResolveColumnRange(int FromRow, int ToRow, bool ForceReal = false);
    bool ColumnCalcCounts(int ACol, int ARow, const TColumnRange& Range);
    std::string ColumnRowText(int ACol, int ARow, const TColumnRange& Range);
    double ColumnRowValue(int ACol, int ARow, const TColumnRange& Range);
    bool TryColumnRowValue(int ACol, int ARow, const TColumnRange& Range, double& Value);
    double ColumnSumIn(int ACol, const TColumnRange& Range);
    double ColumnAvgIn(int ACol, const TColumnRange& Range);
    double ColumnExtremeIn(int ACol, const TColumnRange& Range, bool Max);
    double ColumnStdDevIn(int ACol, const TColumnRange& Range);
    double ColumnDistinctIn(int ACol, const TColumnRange& Range);
    // The text of a cell addressed by its real row: a hidden row's saved text.
    std::string AllCellText(int ACol, int ARow);
    std::unique_ptr<class TFooterPanel> FFooterPanel;
    class ITExtStringGridSelect* FISelect = nullptr;
public:
    // (end of footer block)
public:

    // ===== Search footer panel, filter drop lists, filter icons and filter menu =====
    // Find options: bit n of TFindParams is TFindParameters value n.
    enum TFindParameters : std::uint8_t { fnMatchCase, fnMatchFull, fnMatchRegular, fnDirectionLeftRight,
                                          fnMatchStart, fnFindInCurrentRow, fnFindInCurrentCol, fnIncludeFixed,
                                          fnAutoGoto, fnIgnoreHTMLTags, fnBackward, fnIncludeHiddenColumns,
                                          fnFindInPresetCol, fnFindInPresetRow, fnSelectedCells,
                                          fnIncludeHiddenRows, fnIgnoreAccents };
    using TFindParams = unsigned;
    static constexpr TFindParams FindParam(TFindParameters p) { return 1u << p; }
    // Owned controls: the search panel (parented to the grid) and the filter drop lists
    // (parented, 0 x 0, hidden), the nine filter icons and the filter-type menu.
    class TSearchPanel* SearchPanel() const;
    class TDropList* DropList() const;
    class TDropCheckList* DropCheckList() const;
    gfx::TImageList& FilterIcons() const;
    ui::TPopupMenu& FilterPopup() const;
    // The column whose filter drop-down is open (-1: none).
    int FilterColumn() const { return FFilterCol; }
    void SetFilterColumn(int Value) { FFilterCol = Value; }
    // Shows or hides the search panel by SearchFooter.Visible and gives it the footer's
    // colours, captions, hints, font and layout.
    virtual void BuildSearchPanel();
    // Places the visible search panel along the bottom of the grid.
    void UpdateSearchPanel();
    // Where the cells end above a visible search footer (the top of its panel in client
    // coordinates); -1 while the footer is hidden.
    int SearchFooterTop() const;
    // Hook run when the search footer has been laid out visible; nothing in this class.
    virtual void SearchFooterShown();
    // Search footer handlers.
    virtual void SearchEditChange();
    virtual void SearchForwardClick();
    virtual void SearchBackwardClick();
    virtual void SearchPanelClose();
    virtual void SearchHighlightClick();
    virtual void SearchMatchCaseClick();
    // Find: the next hit after StartCell ((-1, -1): from the start of the range), (-1, -1)
    // when none.
    rtl::TPoint Find(rtl::TPoint StartCell, const std::string& s, TFindParams FindParams);
    rtl::TPoint FindFirst(const std::string& s, TFindParams FindParams);
    rtl::TPoint FindNext();
    // The first hit; NumResults counts all hits.
    rtl::TPoint FindAll(const std::string& s, TFindParams FindParams, int& NumResults);
    // Replaces OrigStr by NewStr (ignoring case) in every hit; the number of cells changed.
    int Replace(const std::string& OrigStr, const std::string& NewStr, TFindParams FindParams);
    // Incremental key search of a sorted grid (s upper case): the row or -1.
    int Search(const std::string& s);
    rtl::TPoint SearchCell() const;
    void SetSearchCell(rtl::TPoint Value);
    int FindCol() const;
    void SetFindCol(int Value);
    int FindRow() const;
    void SetFindRow(int Value);
    bool FindBusy() const;
    // Row filtering: whether the row passes the Filter conditions.
    virtual bool MatchFilterRow(int ARow);
    // Hides the displayed row when it does not pass.
    void FilterRow(int ARow);
    // Filters all normal rows once (one new hide level when rows fail).
    void ApplyFilter();
    // Undoes the last filter level; true when more than one level remains.
    bool RemoveLastFilter();
    void RemoveAllFilters();
    bool NarrowDownFromStart() const;
    void SetNarrowDownFromStart(bool Value);
    TIntList& IgnoreColumns() { return *FIgnoreColumns; }
    // Click of the filter-type menu item for filter type Index.
    virtual void FilterPopupClick(int Index);
    // The column the filter-type menu is shown for.
    void SetFilterPopupColumn(int ACol);
private:
    void FindCellWorker(rtl::TPoint StartCell, const std::string& s, TFindParams FindParams, rtl::TPoint& Result);
    bool MatchFindCell(int ACol, int ARow, TFindParams FindParams);
    void ScrollHitClear(int FooterRows, int Step);
    // One step of the search footer towards the next (or previous) hit; Repeat is the second
    // try from the start after the end was reached.
    void SearchStep(bool Backward, bool Repeat);
    void ShowSearchResult(bool Found);
    TFindParams SearchFooterParams(bool AutoSearch);
    std::string FilterCellText(int ARow, const class TFilterData& Item, std::string& Prefix, std::string& Suffix);
    std::unique_ptr<struct TExtGridSearchParts> FSearchParts;
public:
    // (end of search block)
public:

    // ===== In-place editor controls the grid owns =====
    // The editor controls, created hidden at run time (nullptr while designed).
    TGridCombo* EditCombo() const;
    TGridTransEdit* EditTrans() const;
    TGridTransCombo* ComboTrans() const;
    TGridCheckBox* EditCheck() const;
    TGridEditBtn* EditBtn() const;
    TGridUnitEditBtn* UnitEditBtn() const;
    TGridButton* GridButton() const;
    TControlEdit* EditControlEdit() const;
    TControlCombo* ComboControl() const;
    // Change handlers of the fixed-cell editors: OnEditChange with the fixed cell and the
    // editor's text; OnComboChange with the selected index and its text.
    void FixedEditChange(rtl::TObject* Sender);
    void FixedComboSelect(rtl::TObject* Sender);
    // Editing-cycle steps the editor controls end their edits with.
    // Opens the editor of the current cell.
    void ShowInplaceEdit();
    // Ends an edit from a key: closes the editor, passes Tab and arrows to the grid's key
    // handling, refocuses the grid and, for Enter, advances.
    void DoneInplaceEdit(ui::WORD Key, ui::TShiftState Shift);
    // Validates a candidate value of the current cell; the value to show afterwards is
    // left in NewCellText.
    virtual bool ValidateCell(const std::string& NewValue);
    // Moves from a cell to the next one after an edit.
    void AdvanceEdit(int ACol, int ARow, bool Show, bool Repeat, bool Forward, bool AutoEdit, bool Force);
    // Tab and Shift+Tab from an editor: one step to the next or previous cell.
    bool NavigateFromEditor(bool Backward);
    const std::string& NewCellText() const { return FNewCellText; }
    void SetNewCellText(const std::string& v) { FNewCellText = v; }
    bool NoAutoAdvance() const { return FNoAutoAdvance; }
    void SetNoAutoAdvance(bool v) { FNoAutoAdvance = v; }
    // The editor kind of the cell being edited.
    TEditorType EditControl() const { return FEditControlKind; }
    void SetEditControl(TEditorType v) { FEditControlKind = v; }
    // Set when a left click opened the editor (the combo places its caret there).
    bool LButFlg() const { return FLButFlg; }
    void SetLButFlg(bool v) { FLButFlg = v; }
    // Whether the grid handles Tab itself: goTabs, or a validation handler.
    bool GridHandlesTab() const;
private:
    void CreateEditorControls();
    std::unique_ptr<TGridEditorControls> FEditors;
    std::string FNewCellText;
    bool FNoAutoAdvance = false;
    TEditorType FEditControlKind = edNormal;
    bool FLButFlg = false;
public:
    // (end of editors block)
public:

    // ===== Scroll controls, hover and drag buttons, button form, design helper, styles =====
    // Thin scroll controls of the ssMetro scroll type (nil until created).
    void CreateMetroScrollControls();
    void FreeMetroScrollControls();
    TScrollControl* vscrlctrl() const;
    TScrollControl* hscrlctrl() const;
    // Flat scroll bars: the looks of ssFlat and ssEncarta need platform functions that this
    // platform lacks, so the flat flag stays off and the platform scroll bars remain.
    void InitFlatScrollBars();
    void DoneFlatScrollBars();
    // Run time only, else nil: the in-cell scroll bar (hides itself when the mouse leaves
    // it), the scroll bar cells are painted with, the header drag button and the form
    // that carries the hover buttons.
    ui::TScrollBar* CellScrollBar() const;
    ui::TScrollBar* PaintScrollBar() const;
    THeaderDragButton* MoveButton() const;
    TNoActiveForm* ButtonForm() const;
    // Hides the window of the button form.
    virtual void HideButtonForm();
    // Design-time quick configuration panel in the bottom-right corner.
    virtual void PaintDesignHelper();
    virtual void DesignHelperClick(int X, int Y);
    // 1 "Allow edit", 2 "Column numbers", 3 "Set look", 4 close, 255 nothing.
    int DesignHelperHitTest(int X, int Y);
    // The designer's hit test: 1 where the helper wants the click, else the platform's answer.
    void CMDesignHitTest(ui::TMessage& Message);
    virtual void DesignEditingChanged(bool Editing);
    bool ShowColNrs() const { return FShowColumnNumbers; }
    // The menu of looks the helper's "Set look" item shows (nil before the first time).
    ui::TPopupMenu* DesignLookMenu() const;
    // Captions of the looks as the design helper shows them ("" for glCustom).
    static std::string GetLookCaption(TGridLook ALook);
    static std::string GetLookName(TGridLook ALook);
    // Style presets: the preset's colours, then a repaint.
    virtual void SetStyle(TExtGridStyle AStyle);
    virtual void SetStyleAndAppColor(TExtGridStyle AStyle, gfx::TColor AppColor);
    // Hook run after a style reached a grid with a window; nothing in this class.
    virtual void StyleChanged();
    // Header, active-cell and search-footer colours of an XP colour scheme; no repaint.
    void SetTheme(TXPColorScheme Scheme);
    // Applies the style of the Office theme detected now, unless it is the one applied last.
    void ApplyOfficeTheme();
    const TColorTones& ColorTones() const { return FTones; }
    // Hovered and pressed header colours the control look hands on to the grid.
    GRID_PLAIN_PROPERTY(gfx::TColor, JyxGradientHoverFrom, 0x808080)
    GRID_PLAIN_PROPERTY(gfx::TColor, JyxGradientHoverTo, 0xFFFFFF)
    GRID_PLAIN_PROPERTY(gfx::TColor, JyxGradientHoverMirrorFrom, clGridNone)
    GRID_PLAIN_PROPERTY(gfx::TColor, JyxGradientHoverMirrorTo, clGridNone)
    GRID_PLAIN_PROPERTY(gfx::TColor, JyxGradientHoverBorder, 0xC0C0C0)
    GRID_PLAIN_PROPERTY(gfx::TColor, JyxGradientDownFrom, 0x808080)
    GRID_PLAIN_PROPERTY(gfx::TColor, JyxGradientDownTo, 0xC0C0C0)
    GRID_PLAIN_PROPERTY(gfx::TColor, JyxGradientDownMirrorFrom, clGridNone)
    GRID_PLAIN_PROPERTY(gfx::TColor, JyxGradientDownMirrorTo, clGridNone)
    GRID_PLAIN_PROPERTY(gfx::TColor, JyxGradientDownBorder, 0x808080)
private:
    void CreateChromeObjects();
    void CreateChromeWindowParts();
    void ApplyStylePreset(TExtGridStyle AStyle, gfx::TColor AppColor);
    void ResetStyleColors();
    void SetHeaderGradient(gfx::TColor From, gfx::TColor To, gfx::TColor MirrorFrom, gfx::TColor MirrorTo);
    std::unique_ptr<TExtGridChromeObjects> FChrome;
    // (end of chrome block)
public:

    // ===== Editor keys, zoom, check boxes, radio buttons and cell content sizes =====
    // Hooks the default in-place editor calls; they do nothing here and are for descendants.
    virtual void EditorKeyDown(ui::WORD& Key, ui::TShiftState Shift);
    virtual void EditorKeyMessage(ui::TMessage& Msg);
    virtual void SetFormulaEditing(bool Value);
    virtual void EditorCaretChanged(const std::string& Text, rtl::TPoint CaretPoint, int CaretPos);
    // The default in-place editor once the first inline edit created it, else nullptr.
    TExtInplaceEdit* NormalEdit() const;
    // Removes goEditing.
    virtual void DisableEditing();
    // Whether the selection is painted: never without ShowSelection, always without
    // AutoHideSelection, otherwise only while the grid has the focus.
    virtual bool SelectionVisible();
    // Stores an editor value in the cell of real column ACol through the edit-text path
    // (SetEditText at the displayed column), then with SetCellEx.
    virtual void SetCellFromEditor(int ACol, int ARow, const std::string& Value);
    virtual void StartBlockFocus();
    virtual void EndBlockFocus();
    TNotifyEvent OnStartBlockFocus;
    TNotifyEvent OnEndBlockFocus;
    // Remembers the cell (displayed column) and its stored text as the value an edit
    // is validated against.
    virtual void SaveOldCellValue(int ACol, int ARow);
    // Writes the text the current cell had when it became current back into it.
    virtual void RestoreCellCache();
    int OldCol() const { return FOldCol; }
    int OldRow() const { return FOldRow; }
    const std::string& OldCellText() const { return FOldCellText; }
    const std::string& CellCache() const { return FCellCache; }
    void SetCellCache(const std::string& v) { FCellCache = v; }
    bool Modified() const { return FModified; }
    void SetModified(bool v) { FModified = v; }
    // Set by every toggle of a check box and every radio selection.
    bool GridModified() const { return FGridModified; }
    void SetGridModified(bool v) { FGridModified = v; }
    // Every "." typed in an editor becomes the locale decimal separator.
    GRID_PLAIN_PROPERTY(bool, ForceDecimalSeparator, false)
public:
    // Zoom: Delta pixels added to every visible column width and row height; the sum of
    // the steps (ZoomFactor) stays within -20 .. 20.
    virtual void Zoom(int Delta);
    virtual void DoIntelliZoom();
    int ZoomFactor() const { return FZoomFactor; }
    bool ScrollLock() const { return FScrollLock; }
    // Check box cells.
    void AddCheckBox(int ACol, int ARow, bool State, bool Data);
    void AddCheckBox(int ACol, int ARow, ui::TCheckBoxState State);
    void AddCheckBoxColumn(int ACol, bool DefaultState = false, bool DataCheckBox = false);
    void RemoveCheckBox(int ACol, int ARow);
    void RemoveCheckBoxColumn(int ACol);
    bool HasCheckBox(int ACol, int ARow);
    bool HasDataCheckBox(int ACol, int ARow);
    bool IsDataCheckBoxCol(int ACol);
    bool IsDataGraphicCell(int ACol, int ARow);
    // Check boxes, radio buttons and (unless AllowEditButtonCells) buttons: the in-place
    // editor keeps away from such cells.
    bool HasCellControl(int ACol, int ARow);
    bool GetCheckBoxState(int ACol, int ARow, bool& State);
    bool GetCheckBoxState(int ACol, int ARow, ui::TCheckBoxState& State);
    bool IsChecked(int ACol, int ARow);
    // Sets a state without change event.
    bool SetCheckBoxState(int ACol, int ARow, bool State);
    bool SetCheckBoxState(int ACol, int ARow, ui::TCheckBoxState State);
    // Sets a state as the user would, with the change event when the state changes.
    bool ChangeCheckBoxState(int ACol, int ARow, bool Value);
    void CheckAll(int ACol);
    void UnCheckAll(int ACol);
    bool ToggleCheckBox(int ACol, int ARow);
    // The toggle of a click or key; CheckEditable asks IsEditableCell first.
    virtual bool ToggleCheckBoxCell(int ACol, int ARow, bool CheckEditable);
    // Whether the point (grid client coordinates) hits the cell's box.
    bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);
    // Radio group cells: one cell holds a list of items, one of them selected.
    void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, rtl::TStrings* sl);
    rtl::TStrings* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
    bool GetRadioIdx(int ACol, int ARow, int& IdxRadio);
    bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
    rtl::TStrings* GetRadioStrings(int ACol, int ARow);
    bool IsRadio(int ACol, int ARow);
    void RemoveRadio(int ACol, int ARow);
    // The keyboard step to the next item (wrapping), written into the cell text.
    void CycleRadioIndex(int ACol, int ARow, bool CheckEditable);
    // Radio button cells: buttons of one column (rgCol) or one row (rgRow) exclude each other.
    void AddRadioButton(int ACol, int ARow, bool State = false);
    void AddRadioButtonGroup(int ACol, int ARow, TRadioButtonGroup Group, bool State);
    void AddRadioButtonColumn(int ACol);
    void AddRadioButtonGroupColumn(int ACol);
    void RemoveRadioButton(int ACol, int ARow);
    void RemoveRadioButtonColumn(int ACol);
    bool HasRadioButton(int ACol, int ARow);
    bool HasRadioButtonGroup(int ACol, int ARow, TRadioButtonGroup Group);
    bool IsRadioButtonChecked(int ACol, int ARow);
    bool SetRadioButtonState(int ACol, int ARow, bool State);
    void SetRadioButtonRowIndex(int ARow, int Index);
    void SetRadioButtonColumnIndex(int ACol, int Index);
    int GetRadioButtonColumnIndex(int ACol);
    // The selection of a click or key: checks the button and unchecks its group.
    virtual bool SelectRadioButton(int ACol, int ARow, bool CheckEditable);
    // Cell graphic sizes for autosizing and printing.
    virtual rtl::TPoint GetCellGraphicSize(int ACol, int ARow);
    rtl::TPoint CellGraphicSize(int ACol, int ARow) { return GetCellGraphicSize(ACol, ARow); }
    virtual rtl::TPoint CellContentSize(int ACol, int ARow, int ExtraHeight);
    virtual rtl::TPoint CalcCellContentSize(gfx::TCanvas& Canvas, int ACol, int ARow, int ExtraHeight, double Scale);
    virtual rtl::TPoint CalcPrintCellSize(int ACol, int ARow, int ColWidth, int RowHeight);
    // The image list of a cell's image graphics: always GridImages.
    virtual gfx::TImageList* GetCellImageList(int ACol, int ARow);
    // The row's flag in the disjunct row selection (row check boxes of column 0); setting
    // keeps the selected-row list in step and repaints the row.
    bool CheckBoxRowSelected(int ARow) const;
    void SetCheckBoxRowSelected(int ARow, bool Value);
private:
    TCellGraphic* CheckBoxGraphicForRow(int ACol, int ARow);
    void FreeControlGraphic(int ACol, int ARow);
    bool CellHasText(int ACol, int ARow);
    int FOldCol = -1;
    int FOldRow = -1;
    std::string FOldCellText;
    std::string FCellCache;
    bool FModified = false;
    bool FOldModifiedValue = false;
    bool FGridModified = false;
    int FZoomFactor = 0;
    bool FScrollLock = false;
public:
    // (end of interact block)
public:

    // ===== Sorting operations =====
    // Sorting moves whole normal rows (texts, cell objects, heights, row flags) between the
    // fixed rows and the fixed footers; columns are real column indexes.
    // Sets SortSettings.Column and Direction, sorts, and repositions cell controls.
    void Sort(int Column, TSortDirection Direction);
    // With more than one row: SortSettings.Column := Col, then QSort.
    void SortByColumn(int Col);
    // By SortSettings.Column in SortSettings.Direction; nothing when Column < 0.
    virtual void QSort();
    // By the sort index list; an empty list raises "No indexes specified for indexed sort".
    virtual void QSortIndexed();
    // The children of the deepest expanded nodes, by the sort column or the index list.
    virtual void QSortGroup();
    virtual void QSortGroupIndexed();
    // Back to the order recorded by InitSortXRef; SortSettings.Column := -1.
    virtual void QUnSort();
    // Rows Left..Right by column Col in SortSettings.Direction, resp. by the index list.
    void QuickSort(int Col, int Left, int Right);
    void QuickSortIndexed(int Left, int Right);
    // One compare-and-exchange step over Col and the columns after it.
    bool SortLine(int Col, int ARow1, int ARow2);
    // Cross-reference := 0 .. RowCount - 1.
    void InitSortXRef();
    // The index the row now at ARow had before sorting, and where that old index is now.
    int SortedRowIndex(int ARow) const;
    int UnSortedRowIndex(int ARow) const;
    std::string GetUnSortedCell(int ACol, int ARow);
    void SetUnSortedCell(int ACol, int ARow, const std::string& Value);
    std::string UnSortedCells(int ACol, int ARow) { return GetUnSortedCell(ACol, ARow); }
    void SetUnSortedCells(int ACol, int ARow, const std::string& Value) { SetUnSortedCell(ACol, ARow, Value); }
    // Row comparison: +1 when the first row sorts after the second. Direction is 0 for
    // ascending, 1 for descending (it only places blanks).
    int CompareRows(int ACol, int ARow1, int Direction, int ARow2);
    int CompareRowsFull(int ACol, int ARow1, int ARow2);
    int CompareRowsIndexed(int Idx, int ARow1, int ARow2);
    enum TColumnType : std::uint8_t { ctNumeric, ctFloat, ctAlpha, ctDate, ctTime, ctBoolean };
    // The type of a column judged from its first two normal rows.
    TColumnType ColumnType(int ACol);
    // Fires OnClickSort after a header click sorted the grid.
    virtual void ClickSort(int ACol);
    int Compares() const { return FCompares; }
    int Swaps() const { return FSwaps; }
    int SortDir() const { return FSortDir; }
    int SortRow() const { return FSortRow; }
    unsigned SortTime() const { return FSortTime; }
    // Fired by QSort without MoveRowOnSort with the focused row before and after the sort.
    std::function<void(TSender, int OldRow, int NewRow)> OnRowChanged;
private:
    struct TSortRun;
    void SortExchangeRows(int ARow1, int ARow2, int SortColumn);
    void SortExchangeSingleColumn(int ARow1, int ARow2, int SortColumn);
    void ApplyRowOrder(const std::vector<int>& Order, int Left, int SortColumn);
    void PermuteRowsInBulk(const std::vector<int>& Order, int Left);
    void PermuteColumnsOneByOne(const std::vector<int>& Order, int Left, int cols);
    void PermuteRowState(const std::vector<int>& Order, int Left);
    void SortRange(int Col, int Left, int Right, bool Indexed);
    void SortOrder(std::vector<int>& Order, int Col, int Left, int Right, bool Indexed);
    // The order of a one-column sort whose every comparison takes the same style, from keys
    // read once per row; false when the column needs the comparison cell by cell.
    bool SortOrderByKeys(std::vector<int>& Order, int Col, int Left, int Right);
    // The order of an indexed sort, its key columns read once when comparisons keep reaching them.
    bool SortOrderByIndexKeys(std::vector<int>& Order, int Left, int Right);
    void RunGridSort(bool Indexed, bool Group);
    void SortGroupRows(bool Indexed);
    void ClickSortAt(int X, int Y, ui::TShiftState Shift);
    bool IsSortRowRelease(int ACol, int ARow, int PressRow);
    int SingleColumnSortColumn() const;
    std::string SortCellText(int ACol, int ARow, bool Virtual);
    long long SortImageIndex(int ACol, int ARow);
    bool SortCheckState(int ACol, int ARow);
    int CompareNumbers(int ACol, int ARow1, int ARow2, std::string& S1, std::string& S2, TSortStyle Style,
                       const std::string& Prefix, const std::string& Suffix);
    int CompareRowTexts(int ACol, int ARow1, int Direction, int ARow2, TSortStyle Style, const std::string& Prefix,
                        const std::string& Suffix, std::string S1, std::string S2);
    // The sort column's texts and what the comparison derives from them, read once per sort
    // while reading a cell twice gives the same answer (no display-text hooks, no overrides).
    struct TSortKeyCache;
    class TSortKeyCacheScope;
    struct TSortKeyColumns;
    bool SortKeyCacheAllowed() const;
    bool CompareCachedRows(TSortKeyCache& Cache, int ARow1, int Direction, int ARow2, TSortStyle Style,
                           const std::string& Prefix, const std::string& Suffix, int& Result);
    TSortKeyCache* FSortCache = nullptr;
    int FCompares = 0;
    int FSwaps = 0;
    int FSortDir = 1;
    int FSortRow = -1;
    unsigned FSortTime = 0;
    rtl::TPoint FClickPos{-1, -1};
    // (end of sort block)
public:

    // ===== Row and column insertion and removal, notifications, paste hooks =====
    // States an export (or a search, calculation or print run) reports per step, and those
    // of an import or paste.
    enum TGridExportState : std::uint8_t { esExportStart, esExportNewRow, esExportDone, esExportSelRow, esExportFail,
                                           esExportNextRow, esExportFindRow };
    enum TGridImportState : std::uint8_t { isImportStart, isImportNewRow, isImportDone, isImportSelRow };
    // The last clipboard operation, which a paste passes on to MarkRowsModified.
    enum TClipOperation : std::uint8_t { coCut, coCopy };
    // The two row workers: they move texts, cell objects and heights as blocks and keep the
    // modified, enabled and selected row lists, cell controls and the current cell in step.
    void InsertRowsInternal(int RowIndex, int RCount, bool UpdateCellControls);
    void DeleteRowsInternal(int RowIndex, int RCount, bool UpdateControls);
    // Frees the property objects of the rows' displayed columns, then deletes the rows.
    virtual void DoRemoveRows(int ARow, int Count);
    // Removes rows by moving texts and cell objects only; heights stay with their positions.
    virtual void RemoveRowsEx(int RowIndex, int RCount);
    // Appends one empty row (above a visible floating footer row).
    void AddRow();
    virtual void InsertCols(int ColIndex, int CCount);
    void AddColumn();
    // Columns by real index, hidden ones included.
    virtual void RemoveCols(int ColIndex, int CCount);
    // Removes the rows of an ascending list of real row indexes in one compaction pass.
    void RemoveRowList(const TIntList& RowList);
    void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
    // Removes every normal row whose text in the column occurred higher up (case ignored).
    void RemoveDuplicates(int ACol, bool DoCase);
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
    // Hide the selected / the not selected rows in the hidden-row store.
    void HideSelectedRows();
    void HideUnSelectedRows();
    // The current row through the grid's row-change handling (never a fixed row).
    virtual void SetRowEx(int Value);
    // Notification hooks and small virtual operations.
    virtual void InsertGridRow(int ARow);
    virtual void RemoveGridRow(int ARow);
    virtual void ExportNotification(TGridExportState AState, int ARow);
    virtual void ImportNotification(TGridImportState AState, int ARow);
    virtual std::string ExportCell(int ACol, int ARow);
    // The smallest rectangle of displayed cells holding text ((0, 0, 0, 0) when none does).
    virtual rtl::TRect GetUsedCells();
    // The range of displayed cells that saving, exporting and copying write.
    int SaveStartCol() const;
    int SaveStartRow() const;
    int SaveEndCol() const;
    int SaveEndRow() const;
    int SaveColCount() const;
    int SaveRowCount() const;
    void SetSaveFixedCells(bool v) { FSaveFixedCells = v; }
    bool SaveFixedRows() const { return FSaveFixedRows; }
    void SetSaveFixedRows(bool v) { FSaveFixedRows = v; }
    bool SaveFixedCols() const { return FSaveFixedCols; }
    void SetSaveFixedCols(bool v) { FSaveFixedCols = v; }
    // Clipboard hooks: the grid's own cell format is allowed by Navigation.AllowFmtClipboard.
    virtual bool AllowFormattedClipboard();
    // Widens the selection over merged blocks at its corners.
    virtual void AdjustSelectionForMerge();
    virtual void BeforePasteCells();
    virtual void AfterPasteCells();
    virtual void MarkRowsModified(rtl::TPoint FromPoint, const rtl::TRect& R, TClipOperation LastOp);
    // Per-row flags by the row index given: the modified mark and the disjunct selection
    // flag (both lists grow with unset entries when written).
    bool RowModified(int ARow) const;
    void SetRowModified(int ARow, bool Value);
    bool RowSelect(int ARow);
    void SetRowSelect(int ARow, bool Value);
    void ResetRowSelect();
    // Enabled state per row: a disabled row is drawn in the disabled font and, with
    // Navigation.SkipDisabledRows, cannot become the current row. Rows never written are
    // enabled; UseEnabledRows turns on the first time any row's state is written.
    bool RowEnabled(int ARow) const;
    void SetRowEnabled(int ARow, bool Value);
    bool UseEnabledRows() const { return FUseEnabledRows; }
private:
    bool FUseEnabledRows = false;
    // Shifts the rows of cell controls at or below FromRow by Delta.
    void ShiftCellControls(int FromRow, int Delta);
    // Block movers of the store: rows move with texts, objects and heights.
    void CutRowBlock(int RowIndex, int RCount);
    void OpenRowBlock(int RowIndex, int RCount);
    void ShiftRowBooks(int RowIndex, int RCount, bool Insert);
    // Rows at or after From moved by Delta: the property objects there follow.
    void RestampOwnerRows(int From, int Delta);
    void ShiftHiddenRows(int FromReal, int Delta);
    bool IsRowSelected(int ARow) const;
    bool IsColSelected(int ACol) const;
    // (end of rows block)
public:

    // ===== Nodes and grouping =====
    // Nodes (grid/data/ExtGridNodes.cpp); rows marked real or displayed as the names say:
    // AddNode, RemoveNode, Expand/Contract/ToggleNode, InsertNormalRow, RemoveNormalRow,
    // InsertChildRow, RemoveChildRow and SetSummaryRow take real rows, the others displayed.
    void AddNode(int ARow, int Span);
    void RemoveNode(int ARow);
    void RemoveAllNodes();
    bool GetNodeState(int ARow);
    void SetNodeState(int ARow, bool Value);
    int GetNodeLevel(int ARow);
    int GetNodeSpan(int ARow);
    void SetNodeSpan(int ARow, int Span);
    void UpdateNodeSpan(int ARow, int Delta);
    int GetSubNodeCount(int ARow);
    void UpdateSubNodeCount(int ARow, int Delta);
    void ExpandNode(int ARow);
    void ContractNode(int ARow);
    void ToggleNode(int ARow);
    void ExpandAll();
    void ContractAll();
    int GetParentRow(int ARow);
    int GetNodeSpanType(int ARow);
    bool IsNodeGlyphHit(int ARow, int X);
    void InsertNormalRow(int ARow);
    void RemoveNormalRow(int ARow);
    void InsertChildRow(int ARow, int InsertAt);
    void RemoveChildRow(int ARow);
    void SetSummaryRow(int ARow);
    int NumNodes() const { return FNumNodes; }
    // Expandable cells: the row height toggles between two stored heights.
    bool HasExpand(int ACol, int ARow);
    void AddExpand(int ACol, int ARow, int ExpandedHeight);
    void RemoveExpand(int ACol, int ARow);
    bool ToggleExpand(int ACol, int ARow);
    bool GetExpandState(int ACol, int ARow);
    int GetExpandHeight(int ACol, int ARow, bool Expanded);
    // Grouping (grid/data/ExtGridGrouping.cpp).
    virtual void Group(int ColIndex);
    virtual void UnGroup();
    virtual void SubGroup(int ColIndex);
    virtual void SubUnGroup(int ColIndex);
    int GroupColumn() const { return FGroupColumn; }
    // -1 ungroups, a column above 0 groups by it, other values do nothing.
    void SetGroupColumn(int Value);
    void GroupSum(int ACol) { GroupCalc(ACol, 1); }
    void GroupAvg(int ACol) { GroupCalc(ACol, 2); }
    void GroupMin(int ACol) { GroupCalc(ACol, 3); }
    void GroupMax(int ACol) { GroupCalc(ACol, 4); }
    void GroupCount(int ACol) { GroupCalc(ACol, 5); }
    void GroupCustomCalc(int ACol) { GroupCalc(ACol, 6); }
    void GroupDistinct(int ACol) { GroupCalc(ACol, 7); }
    void GroupStdDev(int ACol) { GroupCalc(ACol, 8); }
    // Method 1..8 in the order of the operations above.
    void GroupCalc(int ACol, int Method);
    void MergeGroupRows();
    void SplitGroupRows();
    bool IsGrouping() const { return FIsGrouping; }
private:
    void SetNodeRowCollapsed(int ADispl, bool Value);
    void CloseGroupHeader(int Header, int Row, int& Inserted);
    void ColorGroupRow(int ARow, int FromCol, bool Header, bool AsCells);
    void ResetGroupRowColors(int ARow, bool Header);
    std::unique_ptr<struct TExtGridHiddenRows> FHiddenRows;
    int FNumNodes = 0;
    int FGroupWidth = 0;
    std::string FGroupCaption;
    std::string FGroupFooter;
    bool FIsGrouping = false;
    // (end of nodes block)
public:
    // ===== Focus window, border and column stretch =====
    // The glowing frame around the cell being edited (ARect in client coordinates), shown
    // only with FocusHelper.Enabled; PlaceFocusWindow follows the current cell and hides the
    // frame while that cell is scrolled out of view.
    void ShowFocusWindow(const rtl::TRect& ARect);
    void PlaceFocusWindow();
    void HideFocusWindow();
    // Paints the window border in BorderColor: during the non-client paint on its canvas,
    // otherwise by asking for that paint.
    void PaintBorder();
    // Fits the columns to AWidth (-1: the client width): StretchAll spreads it over the
    // non-fixed columns, else column ACol (-1: the last) takes what the others leave.
    // Raises VIdoZovuVozir "Stretch column index out of range" for a column past the last.
    void ApplyColumnStretch(int ACol = -1, int AWidth = -1);
    void StretchColumns();
    void StretchRightColumn();
    bool IsColChanging() const { return FIsColChanging; }
protected:
    void PaintNonClient(gfx::TCanvas& canvas) override;
private:
    void BindColumnStretch();
    void PaintBorderOn(gfx::TCanvas& canvas);
    rtl::TRect FocusWindowScreenRect(const rtl::TRect& ACellRect) const;
    bool FIsColChanging = false;
    bool FColchgFlg = true;
    // (end of late1 block)
public:
    // ===== Column order and data graphics =====
    // Column order: FColumnOrder[p] is the recorded index of the column now at position p.
    int ColumnPosition(int ACol);
    int ColumnAtPosition(int ACol);
    // Shows every hidden column and moves the columns back into the recorded order.
    void ResetColumnOrder();
    std::string GetOriginalCells(int ACol, int ARow);
    void SetOriginalCells(int ACol, int ARow, const std::string& Value);
    std::string OriginalCells(int ACol, int ARow) { return GetOriginalCells(ACol, ARow); }
    // First column (hidden ones included) whose row-0 text equals AValue; -1 when none.
    int ColumnByHeader(const std::string& AValue);
    // Data graphics: the cell text chooses the image (ctDataImage) or the picture
    // container entry (ctDataPicture) drawn in the cell.
    void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool HasDataImage(int ACol, int ARow);
    void RemoveDataImage(int ACol, int ARow);
    void AddDataPicture(int ACol, int ARow, const std::string& AName, TCellHAlign hal, TCellVAlign val);
    bool HasDataPicture(int ACol, int ARow);
    void RemoveDataPicture(int ACol, int ARow);
    // Error markers: a character range of the cell text, kept in the cell's record.
    void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
    void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen);
    void RemoveMarker(int ACol, int ARow);
    void RemoveAllMarkers();
protected:
    // Keeps the recorded column order in step with every column move.
    void ColumnMoved(int FromIndex, int ToIndex) override;
    // (end of late2 block)
public:
    // ===== Clearing, trimming and colouring cells =====
    // ClearTextOnly: clearing empties texts and leaves property objects alone. OwnsObjects:
    // clearing frees the caller's object of a cell. NilObjects: clearing detaches property
    // objects without freeing them (they have been handed elsewhere). BlockCellChange: the
    // clear reports no CellsChanged.
    bool ClearTextOnly() const { return FClearTextOnly; }
    void SetClearTextOnly(bool v) { FClearTextOnly = v; }
    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool v) { FOwnsObjects = v; }
    bool NilObjects() const { return FNilObjects; }
    void SetNilObjects(bool v) { FNilObjects = v; }
    bool BlockCellChange() const { return FBlockCellChange; }
    void SetBlockCellChange(bool v) { FBlockCellChange = v; }
    // Removes all nodes first when there is no fixed column, then clears the normal cells.
    void ClearNormalCells();
    // The selected rows (disjunct row selection), columns (disjunct column selection) or
    // the selection rectangle, hidden columns included.
    void ClearSelection();
    // Every cell (nodes expanded and removed first).
    void Clear();
    // The whole cell store and the texts of hidden rows, which stay hidden.
    void ClearAll();
    void TrimColumn(int ACol);
    void TrimRow(int ARow);
    void TrimAll();
    // Sets the background colour of every cell of the rectangle.
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, gfx::TColor AColor);
    // The cell text starts with the wide-text marker "|\".
    bool IsWideCell(int ACol, int ARow);
    // The first cell, row by row, whose stored text is exactly SubStr.
    bool IsCell(const std::string& SubStr, int& ACol, int& ARow);
private:
    void ClearOneCell(int ACol, int ARow, int RealCol);
    void ClearNodesForClear();
    bool FClearTextOnly = false;
    bool FOwnsObjects = false;
    bool FNilObjects = false;
    bool FBlockCellChange = false;
public:
    // (end of clearing block)
public:
    // ===== Text cell files, CSV, fixed-width and ASCII text =====
    // Settings the text file writers and readers use (see the CSV and save-range notes).
    bool QuoteQuoteCells() const { return FQuoteQuotedCells; }
    void SetQuoteQuoteCells(bool v) { FQuoteQuotedCells = v; }
    bool QuoteEmptyCells() const { return FQuoteEmptyCells; }
    void SetQuoteEmptyCells(bool v) { FQuoteEmptyCells = v; }
    bool AlwaysQuotes() const { return FAlwaysQuotes; }
    void SetAlwaysQuotes(bool v) { FAlwaysQuotes = v; }
    bool JavaCSV() const { return FJavaCSV; }
    void SetJavaCSV(bool v) { FJavaCSV = v; }
    bool CSVMultilineCellImport() const { return FMultiLineCSVImport; }
    void SetCSVMultilineCellImport(bool v) { FMultiLineCSVImport = v; }
    bool CSVTrimSpaces() const { return FTrimCSVBlanks; }
    void SetCSVTrimSpaces(bool v) { FTrimCSVBlanks = v; }
    bool LoadFirstRow() const { return FLoadFirstRow; }
    void SetLoadFirstRow(bool v) { FLoadFirstRow = v; }
    // Savers write hidden columns too, each at its real position.
    void SetSaveHiddenCells(bool v) { FSaveHiddenCells = v; }
    bool SaveVirtCells() const { return FSaveVirtCells; }
    void SetSaveVirtCells(bool v) { FSaveVirtCells = v; }
    bool SaveMergedCells() const { return FSaveMergedCells; }
    void SetSaveMergedCells(bool v) { FSaveMergedCells = v; }
    bool SaveWithHTML() const { return FSaveWithHTML; }
    void SetSaveWithHTML(bool v) { FSaveWithHTML = v; }
    GRID_PLAIN_PROPERTY(bool, SaveWithRTF, false)
public:
    // Encoding of the Unicode CSV and ASCII files (UTF-8 with its byte-order mark).
    GRID_PLAIN_PROPERTY(rtl::TTextEncoding, Encoding, rtl::TTextEncoding::teUTF8)
public:
    // The text a saver writes for a displayed cell: formatted or stored text, merge, check-box,
    // HTML and rich-text rules, then the SaveCell hook.
    std::string SaveCellText(int ACol, int ARow);
    // Text cell file: "cols,rows", "cw c,width" per saved column, "c,r,text" per non-empty cell.
    void SaveToFile(const std::string& FileName, bool Unicode = false);
    void LoadFromFile(const std::string& FileName);
    // Text cell stream: the same lines in UTF-16LE, positions relative to the save range.
    void SaveToStream(rtl::TStream& Stream);
    void LoadFromStream(rtl::TStream& Stream);
    // CSV files. MaxRows > 0 limits the rows read; IgnoreRows drops leading lines first.
    void SaveToCSV(const std::string& FileName, bool Unicode = false);
    void AppendToCSV(const std::string& FileName, bool Unicode = false);
    void LoadFromCSV(const std::string& FileName, int MaxRows = 0, int IgnoreRows = 0);
    void LoadFromCSV(const std::string& FileName, rtl::TTextEncoding AEncoding, int MaxRows = 0, int IgnoreRows = 0);
    void LoadFromCSVStream(rtl::TStream& Stream, int MaxRows = 0, int IgnoreRows = 0);
    void InsertFromCSV(const std::string& FileName, int MaxRows = 0, int IgnoreRows = 0);
    // Fixed-width text: widths per saved column on saving, 1-based start positions on loading.
    void SaveToFixed(const std::string& FileName, TIntList& FieldList);
    void LoadFromFixed(const std::string& FileName, TIntList& FieldList, bool DoTrim = true, int MaxRows = -1);
    // The grid as an aligned text table for people to read.
    void SaveToASCII(const std::string& FileName, bool Unicode = false);
    void AppendToASCII(const std::string& FileName, bool Unicode = false);
    // Characters of the longest save-text line of a column (first lines only without Multilinecells).
    int ColumnTextWidth(int ACol);
private:
    // Storage column of saved column c: its real column with SaveHiddenCells, else c itself.
    int SavedStoreCol(int ACol);
    void LoadCSVInternal(rtl::TStream& Stream, bool DoInsert, int IgnoreRows, int MaxRows);
    void SaveCSVInternal(const std::string& FileName, bool Append, bool Unicode);
    void SaveASCIIInternal(const std::string& FileName, bool Append, bool Unicode);
    // (end of textfiles block)
public:
    // ===== Binary cell stream; clipboard copy, cut and paste =====
    // The grid's own serialized cells (texts, property objects, graphics and what they hold),
    // also the payload of the clipboard format "TExtStringGrid Cells". Rectangles are in
    // displayed cells. A load checks the whole stream first: a bad or truncated stream raises
    // rtl::EReadError naming the record, property and byte offset and changes no cell.
    void SaveToBinFile(const std::string& FileName);
    void SaveToBinStream(rtl::TStream& Stream);
    void SaveRectToBinStream(const rtl::TRect& Rect, rtl::TStream& Stream, bool SaveHidden);
    void LoadFromBinFile(const std::string& FileName);
    void LoadFromBinStream(rtl::TStream& Stream);
    void LoadAtPointFromBinStream(rtl::TPoint Point, rtl::TStream& Stream);
    // Clipboard text of the selection: TAB between cells, CR LF after rows.
    std::string GetSelectionAsText();
    void CopyToClipBoard();
    void CopySelectionToClipboard();
    void CutToClipboard();
    void CutSelectionToClipboard();
    void CopyToClipboardInternal(const rtl::TRect& R, bool Disjunct);
    void PasteFromClipboard();
    void PasteSelectionFromClipboard();
    // The paste worker and the text parser: number of cells (fields) pasted.
    int PasteFromClipboardInternal(int ACol, int ARow, int& OutRows, int& OutCols);
    int PasteText(int ACol, int ARow, const std::string& Text, int& OutRows, int& OutCols);
    // Writes TAB- and line-separated text at the selection, growing the grid, without editing checks.
    void SetSelectionAsText(const std::string& Value);
    // The cell as a number (empty: 0); VIdoZovuVozir names the position and cell otherwise.
    double CellToReal(int ACol, int ARow);
    rtl::TPoint ClipTopLeft() const { return FClipTopLeft; }
    TClipOperation ClipLastOp() const { return FClipLastOp; }
    GRID_PLAIN_PROPERTY(bool, ExcelClipboardFormat, false)
private:
    std::string BuildSelectionText(const rtl::TRect& R, bool Disjunct);
    std::string ClipboardCellText(int ACol, int ARow);
    bool CellEditableForPaste(int ACol, int ARow);
    int PasteCellBlock(int ACol, int ARow, int& OutRows, int& OutCols);
    void SmartFillSingle(const rtl::TRect& Sel);
    bool SmartFillSeries(const rtl::TRect& Sel, int Pasted);
    void SmartFillValue(int ACol, int ARow, const std::string& Value, bool First);
    void RepeatPasteOverSelection(const rtl::TRect& Sel, int OutRows, int OutCols);
    rtl::TPoint FClipTopLeft{0, 0};
    TClipOperation FClipLastOp = coCopy;
    bool FPasteAll = false;
public:
    // (end of clipboard block)
public:
    // ===== Drag and drop of cells, rows and columns =====
    // The drop target registered for the grid's window while DragDropSettings.OleDropTarget
    // is on (null otherwise), and whether the registration succeeded.
    class TGridDropTarget* DropTarget() const;
    bool DropTargetRegistered() const;
    // Registers a new drop target for the window (revoking an earlier registration first),
    // or revokes it: switching OleDropTarget and creating the window call these.
    void RegisterOleDropTarget();
    void RevokeOleDropTarget();
    // Columns (the most TAB-separated fields of a line) and rows of a TAB/CR text.
    void TextDimensions(const std::string& s, int& ACols, int& ARows);
    // The rectangle a cell drag of this grid came from ({-1,-1,-1,-1} when none).
    rtl::TRect DropSelection() const;
    void SetDropSelection(const rtl::TRect& R);
    // The floating image of dragged cells (null when none); a drop source moves it with the
    // cursor and frees it when the drag ends.
    ui::TWinControl* MoveForm() const;
    void SetMoveForm(std::unique_ptr<ui::TWinControl> AForm);
    // Starts the OLE drag that the mouse handling starts from the pressed cell (ACol, ARow)
    // at client point (X, Y): a column drag from a fixed row with OleColumnDragDrop, a cell
    // drag of the selection otherwise. Runs the drag to its end; false when refused.
    bool StartOleDrag(int ACol, int ARow, int X, int Y);
private:
    void EnsureDragDrop();
    std::unique_ptr<struct TExtGridDragDrop> FDragDrop;
    // The drop target moves columns and inserts rows through the grid's protected operations.
    friend class TGridDropTarget;
public:
    // (end of dragdrop block)
public:
    // ===== Balloon hints, platform style colours, cell controls =====
    // Balloon tooltip: one tooltip window per grid window while Balloon.Enable is on.
    void BalloonInit();
    void BalloonDone();
    // The tooltip window (FHToolTip); 0 while there is none.
    ui::HWND BalloonToolTip() const;
    // The cell whose balloon text was supplied last; (-1, -1) before the first.
    rtl::TPoint LastBalloonPos() const;
    // Balloons attached to cells: a balloon cell of its own, or hosted by an icon, check
    // box or radio button cell.
    enum TBalloonIcon : std::uint8_t { biNone, biInfo, biWarning, biError };
    void AddBalloon(int ACol, int ARow, const std::string& Title, const std::string& Text, TBalloonIcon Icon);
    bool IsBalloon(int ACol, int ARow, std::string& Title, std::string& Text, TBalloonIcon& Icon);
    bool HasBalloon(int ACol, int ARow);
    void RemoveBalloon(int ACol, int ARow);
    // Scroll bar cells: the cell text scrolled by a bar at the cell's right edge.
    struct TScrollProp {
        int PageSize = 0;
        int Range = 0;
    };
    void AddScrollBar(int ACol, int ARow, bool AutoRange);
    bool HasScrollBar(int ACol, int ARow);
    bool HasAutoRangeScrollBar(int ACol, int ARow);
    void SetScrollPosition(int ACol, int ARow, int Pos);
    int GetScrollPosition(int ACol, int ARow);
    void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
    TScrollProp GetScrollProp(int ACol, int ARow);
    void RemoveScrollBar(int ACol, int ARow);
    // Colours taken from the application's active visual style.
    void ApplyStyleServiceColors(bool Reset);
    bool UseStyleServices() const { return FUseStyleServices; }
    void SetUseStyleServices(bool Value);
    // Controls placed over cells (display column and row; the list keeps real ones).
    void CellControlsUpdate(bool RebuildList);
    ui::TControl* GetCellControls(int ACol, int ARow);
    void SetCellControls(int ACol, int ARow, ui::TControl* AControl);
    int NumCellControls() const { return FNumCellControls; }
    // Cell-control placement allowed (ccuCall); bulk operations suspend it.
    bool CellControlsUpdating() const { return ccuCall; }
    void SetCellControlsUpdating(bool Value) { ccuCall = Value; }
    // Whether a fixed cell takes the hover highlight under HoverFixedCells.
    bool IsHoverFixedCell(int ACol, int ARow);
protected:
    // WM_NOTIFY of the grid window: the tooltip asks for a balloon's text.
    void WMNotify(ui::TMessage& Message);
private:
    // The messages these services answer before the platform; true when handled.
    bool ServicesWndProc(ui::TMessage& Message);
    void CreateServicesObjects();
    void BalloonSettingsChanged();
    std::unique_ptr<struct TExtGridServices> FServices;
    bool FUseVCLStyles = false;
    bool ccuCall = true;
    int FNumCellControls = 0;
    // (end of services block)
public:
    // ===== Spin and date editors made on first use =====
    // The spin, date and date-time editors: each is made on its first use with the grid as
    // owner and parent, hidden and disabled, and freed with the grid.
    class TGridSpin* SpinEdit();
    class TGridDatePicker* DateTimePicker();
    class TGridDateTimePicker* DateAndTimePicker();
    // The date editor control (made on first use).
    TGridDatePicker* GetDatePickerEditor() { return DateTimePicker(); }
    // The date-time value when the date-time editor opened; its Escape puts the day back.
    double OriginalDateTime() const { return FOriginalDateTime; }
    void SetOriginalDateTime(double v) { FOriginalDateTime = v; }
    // Callbacks of the date editors: value changes, the calendar's close-up and drop-down.
    void DateTimePickerChanged(rtl::TObject* Sender);
    void DatePickerChanged(rtl::TObject* Sender);
    void DatePickerCloseUp(rtl::TObject* Sender);
    void DatePickerDropDown(rtl::TObject* Sender);
private:
    std::unique_ptr<struct TGridLazyEditors> FLazyEditors;
    double FOriginalDateTime = 0;
public:
    // (end of lazyeditors block)
public:

    // ===== Grid timer, mouse move, hover row and column-move feedback =====
    // Grid timer (id 111, every 500 ms): ticks so far, which the drag-over scrolling paces
    // itself by; the blink phase of blinking texts, flipped by every tick with EnableBlink.
    int TimerTicks() const { return FTimerTicks; }
    bool GridBlink() const { return FGridBlink; }
    // Incremental-search text; with Navigation.AutoGotoIncremental four ticks (two seconds)
    // without an extension clear it. Setting it starts that count afresh.
    const std::string& SearchInc() const { return FSearchInc; }
    void SetSearchInc(const std::string& Value);
    int SearchTics() const { return FSearchTics; }
    // Row under the mouse for the hover colour (-1 none).
    int HoverRowIdx() const { return FHoverRowIdx; }
    // True only while SetCellEx writes a cell without a property object.
    bool EditCellSet() const { return FEditCellSet; }
    // Whether the physical left button is down now (the right one with swapped buttons).
    bool IsLeftButtonPressed();
    // Column or row moving with the mouse: the column (press in a fixed row) or row being
    // moved, -1 none; the drop position the arrows show; set when an enhanced move changed
    // widths or heights (the release then skips its click sort).
    int Movecell() const { return FMovecell; }
    int MoveColInd() const { return FMoveColInd; }
    int MoveRowInd() const { return FMoveRowInd; }
    bool ColMoveFlg() const { return FColMoveFlg; }
    // The up and down arrows at the edge where a column moved from AMovedCol would land
    // when dropped on ADropCol (before it when it lies left of the moved column, after it
    // otherwise); shown only while ADropCol is a visible scrollable column.
    void ShowColumnMoveArrows(int ADropCol, int AMovedCol);
    // The left and right arrows at the edge where a row moved from AMovedRow would land.
    void ShowRowMoveArrows(int ADropRow, int AMovedRow);
    void HideMoveArrows();
    // The end of an edit: OnEditingDone, the focus window around the current cell, the
    // in-place editor closed, and "GridEditDone" posted to the grid (wParam column, lParam row).
    virtual void PostEditMessage(int ACol, int ARow);
protected:
    void WMTimer(ui::TMessage& Message);
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(ui::TMessage& Message);
    void CMMouseLeave(ui::TMessage& Message);
    void WMRButtonUp(ui::TMessage& Message);
    void RowMoved(int FromIndex, int ToIndex) override;
    // Press (after the platform's): a column or row move starting records the moved cell.
    void StartMouseMoving(int X, int Y);
    // Left release (before the platform's): hides the arrows and ends an enhanced move.
    void EndMouseMoving(int X, int Y);
    // After a column move has carried the cells: hidden-row texts, the sort column and sort
    // keys and the current column follow the moved column; a synchronized grid moves too.
    void ColumnMovedFollowUp(int FromIndex, int ToIndex);
private:
    // The grid's own handling of timer, mouse-leave, right-release and "GridEditDone"
    // messages before the platform dispatches them; true when nothing more may run.
    bool InteractionMessage(ui::TMessage& Message);
    void GridEditDone(int ACol, int ARow);
    void HoverSelectTick();
    void BlinkTick();
    void RepaintBlinkingCells(int ACol1, int ACol2, int ARow1, int ARow2);
    void AutoScrollTimer(ui::TMessage& Message);
    void HoverRowMove(int ARow);
    void HotItemCursorMove(int ACol, int ARow, int X, int Y);
    // The HTML anchor of the cell's text under the point (reference and title); false when none.
    bool AnchorAt(int ACol, int ARow, int X, int Y, std::string& Anchor, std::string& Title);
    void ReportSizing(int X, int Y);
    void MovingStep(int X, int Y);
    void MovingFeedback(int X, int Y, bool& Accept);
    void MovingAutoScroll(int X, int Y);
    int FTimerTicks = 0;
    bool FGridBlink = false;
    std::string FSearchInc;
    int FSearchTics = 0;
    int FMovecell = -1;
    int FMoveColInd = -1;
    int FMoveRowInd = -1;
    int FMoveOfsX = 0;
    int FMoveOfsY = 0;
    bool FColMoveFlg = false;
    bool FSyncedMove = false;
    bool FHotCursorShown = false;
    ui::TCursor FOldCursor = ui::crDefault;
    std::string FAnchorRef;  // reference of the anchor under the pointer
public:
    // (end of interaction block)
public:
    // ===== HTML and XHTML export =====
    // The grid as an HTML document: a style block of the distinct cell looks and the table.
    // Cell pictures become JPEG files in HTMLSettings.ImageFolder below Folder ("/" separators).
    void SaveToHTMLString(const std::string& Folder, std::string& Text);
    // Writes the document (with the header and footer files) to a file; Show opens it. The
    // Unicode flag writes in Encoding, otherwise 7-bit ASCII with "?" for other characters.
    void SaveToHTML(const std::string& FileName, bool Show = false, bool Unicode = false);
    // Adds the document to the lines of an existing file (an unreadable one is ignored).
    void AppendToHTML(const std::string& FileName, bool Show = false, bool Unicode = false);
    // Puts the document on the clipboard as "HTML Format" and as text.
    void CopyToClipBoardAsHTML();
private:
    void SaveHTMLInternal(const std::string& FileName, bool Append, bool Show, bool Unicode);
    // The CSS text of a cell's look; FixedLook gives it the fixed colour as background.
    std::string HtmlCellStyle(int ACol, int ARow, bool FixedLook);
    // The cell's text made ready for HTML: entities, blanks, line breaks and anchors.
    std::string HtmlCellText(int ACol, int ARow, bool DataRow);
    // The cell's content with its pictures, counted by PictureNo; Closing gets the closing tag.
    std::string HtmlCellContent(int ACol, int ARow, const std::string& Text, const std::string& Folder,
                                int& PictureNo, std::string& Closing);
    // (end of htmlexport block)
public:
    // ===== XML import and export, JSON export =====
    // The save range as record XML: a ListDescr element holding a RecordDescr element per row
    // and a field element per written cell, named from FieldDescr (when it has an entry for
    // the column) or FIELDn. Raises VIdoZovuVozir when the file cannot be created.
    void SaveToXML(const std::string& FileName, const std::string& ListDescr, const std::string& RecordDescr,
                   const rtl::TStrings* FieldDescr, bool ExportEmptyCells);
    // Each child of the document element becomes a row, its attributes and leaf elements the
    // cells from SaveStartCol; the grid takes exactly the loaded size. The whole file is
    // parsed before a cell changes, so a malformed file leaves the grid as it was.
    void LoadFromXML(const std::string& FileName, bool LevelToRow = false, bool LoadFieldDescr = false);
    // The save range as JSON text, one line per row; field names from FieldDescr when it has
    // an entry for every saved column.
    void SaveToJSON(const std::string& FileName, const std::string& RecordDescr, const rtl::TStrings* FieldDescr);
    // (end of xmljson block)
public:
    // ===== Filter files, narrowing down and suppressed filtering =====
    // Switching on applies the Filter conditions; switching off shows the filtered rows again.
    void SetFilterActive(bool Value);
    // Incremental filtering after each keystroke of a search box; AColumn -1 tests whole rows.
    void NarrowDown(const std::string& ACondition, int AColumn);
    void NarrowDown(const std::string& ACondition, bool DoRemoveAccented, int AColumn);
    void NarrowDown(const std::string& ACondition, TNarrowDownOptions AOptions, int AColumn);
    // The filter collection to and from an INI file ("FILTER" and "ITEM<n>" sections).
    void SaveFilter(const std::string& FileName);
    // Raises rtl::EIniFileException naming file, section, key and value on a bad value; the
    // collection is then left as it was.
    void LoadFilter(const std::string& FileName);
    // Builds column ACol's condition from the filter-edit row's text and filters.
    void ApplyEditRowFilter(int ACol, TFilterType AFilterType);
    bool DoAutoEditFilter() const { return FDoAutoEditFilter; }
    void SetDoAutoEditFilter(bool Value) { FDoAutoEditFilter = Value; }
    // Handles the posted "FilterEditUpdate" message: fires OnFilterEditDone. True when handled.
    bool FilterEditMessage(ui::TMessage& Message);
    // Suppressed rows stay in the grid with height 0; their height is kept in SuppressRowSizes.
    void SuppressRow(int ARow);
    void UnSuppressRow(int ARow);
    bool IsSuppressedRow(int ARow) const;
    void SuppressRows(int FromRow, int ToRow);
    void UnSuppressRows(int FromRow, int ToRow);
    void UnSuppressAllRows();
    // The selection moved outside the grid and back.
    void HideSelection();
    void UnHideSelection();
    bool IsSelectionHidden() const;
private:
    void FillNarrowDownItem(class TFilterData& Item, const std::string& ACondition, TNarrowDownOptions AOptions,
                            int AColumn) const;
    void FilterOutRows(const TIntList& Rows);
    void ShowFilteredRows();
    bool FFilterActive = false;
    // The filter level that switching FilterActive on added (-1: none), so that switching it
    // off undoes that level only.
    int FActiveFilterLevel = -1;
    // Filter level reached after each narrowing step, one entry per typed character.
    std::vector<int> FNarrowLevels;
    bool FDoAutoEditFilter = true;
    bool FSelHidden = false;
    rtl::TRect FOldSelection{};
    std::string FEditFilterCondition;
    TFilterType FEditFilterType{};  // ftStartsWith
    int FEditFilterColumn = -1;
public:
    // (end of filterfiles block)
public:
    // ===== Special editors: opening and closing by editor kind =====
    // Opens the editor control of EditControl's kind over the cell (ACol displayed), filled
    // from the cell's edit text and focused.
    virtual void ShowSpecialEditor(int ACol, int ARow);
    // Closes the editor EditControl names and stores its value through SetCellFromEditor
    // (ACol displayed); called for every kind.
    virtual void HideSpecialEditor(int ACol, int ARow);
    // A special editor is open.
    bool SpecialEditorOpen() const { return FSpecialEditor; }
    // The kinds the in-place text editor edits.
    static bool IsInlineEditor(TEditorType Kind);
    // Requests the item the next combo editor selects: by text (false, with the request
    // unchanged, when the text is not among the combo's items) or by index (forced even
    // when the cell text names another item of a list combo).
    bool SetComboSelectionString(const std::string& S);
    void SetComboSelection(int Idx);
protected:
    // The grid's key press: Escape cancels the edit, Enter on a clickable control advances,
    // typing searches a sorted grid without editing (grid/editing/ExtGridKeys.cpp).
    void KeyPress(char32_t& Key) override;
private:
    char32_t FStartEditChar = 0;
    int FComboIdx = -1;
    bool FForceComboSel = false;
    bool FSpecialEditor = false;
    bool FEditActive = false;
    bool FBlockKill = false;
public:
    // (end of specialeditors block)
public:
    // ===== Cell graphic measuring and drawing =====
    // The graphic of the cell with the size it takes in the layout, whether the cell's text
    // is drawn beside it, and its alignments; nil (0, 0, true, haLeft, vaTop) without one.
    virtual TCellGraphic* GetCellGraphicParams(int ACol, int ARow, int& AWidth, int& AHeight, bool& ATextShown,
                                               TCellHAlign& AHAlign, TCellVAlign& AVAlign);
    // What the text stage leaves for the graphic stage of one cell paint.
    struct TCellGraphicPaint {
        int TextWidth = 0;                       // width of the text drawn
        ui::TAlignment TextAlign = ui::taLeftJustify;
        TVAlignment TextVAlign = vtaTop;
        bool Fixed = false;
        bool Printing = false;
        double Scale = 1.0;
        bool Selected = false;                   // the cell is painted selected
        bool WordWrap = false;                   // the cell's text wraps (or breaks into lines)
    };
    // Draws the graphic of the cell in ARect and returns the space the graphic leaves.
    virtual rtl::TRect DrawCellGraphic(gfx::TCanvas& ACanvas, int ACol, int ARow, const rtl::TRect& ARect,
                                       TCellGraphic* AGraphic, const TCellGraphicPaint& AWork);
    // A check box in ARect: the style's glyph, theme part, classic frame control or drawn box.
    void DrawCellCheck(gfx::TCanvas& ACanvas, const rtl::TRect& ARect, bool Checked, bool Enabled, bool Grayed,
                       TControlStyle Style, bool IsTriState, ui::TCheckBoxState State);
    // Count radio items in ARect, item Index checked (-1: the item whose caption is the cell
    // text), side by side or stacked (upward when Upward), with the captions of Items.
    void DrawCellRadio(gfx::TCanvas& ACanvas, const rtl::TRect& ARect, int Count, int Index, bool SideBySide,
                       bool Disabled, const rtl::TStrings* Items, bool Selected, int ACol, int ARow,
                       TControlStyle Style, double Scale, bool Upward);
    // x limited to 0 .. 100.
    static double ClampPercent(double x);

    // Image, picture, rotated-text and interfaced cells. An Add replaces the cell's graphic;
    // a Create makes the object, lets the cell own it and returns it; a Remove removes only
    // its own kind.
    void AddBitmap(int ACol, int ARow, gfx::TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    gfx::TBitmap* CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
    gfx::TBitmap* GetBitmap(int ACol, int ARow);
    bool HasBitmap(int ACol, int ARow) { return GetBitmap(ACol, ARow) != nullptr; }
    void RemoveBitmap(int ACol, int ARow);
    void AddIcon(int ACol, int ARow, gfx::TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
    gfx::TIcon* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
    void RemoveIcon(int ACol, int ARow);
    void AddPicture(int ACol, int ARow, gfx::TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                    int Padding, TCellHAlign hal, TCellVAlign val);
    gfx::TPicture* CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                 TCellHAlign hal, TCellVAlign val);
    gfx::TPicture* GetPicture(int ACol, int ARow);
    bool HasPicture(int ACol, int ARow) { return GetPicture(ACol, ARow) != nullptr; }
    void RemovePicture(int ACol, int ARow);
    void AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent, TStretchMode StretchMode,
                        int Padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                    TCellHAlign hal, TCellVAlign val);
    TFilePicture* GetFilePicture(int ACol, int ARow);
    bool HasFilePicture(int ACol, int ARow) { return GetFilePicture(ACol, ARow) != nullptr; }
    void RemoveFilePicture(int ACol, int ARow);
    // Image-list cells: nothing without GridImages.
    void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool GetImageIdx(int ACol, int ARow, int& idx);
    void SetImageIdx(int ACol, int ARow, int Idx);
    void RemoveImageIdx(int ACol, int ARow);
    // Several images of GridImages side by side (Dir 0) or stacked; the caller fills the list.
    void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
    void RemoveMultiImage(int ACol, int ARow);
    TIntList* GetCellImages(int ACol, int ARow);
    TIntList* CellImages(int ACol, int ARow) { return GetCellImages(ACol, ARow); }
    // The image index of a ctImageList cell, the object identity of a bitmap or icon cell, else -1.
    std::intptr_t GetCellImageIdx(int ACol, int ARow);
    std::intptr_t CellImageIdx(int ACol, int ARow) { return GetCellImageIdx(ACol, ARow); }
    // The object draws the cell itself when it implements IGridCellInterface; it stays the caller's.
    void AddInterfacedCell(int ACol, int ARow, rtl::TObject* AObject);
    rtl::TObject* GetInterfacedCell(int ACol, int ARow);
    void RemoveInterfacedCell(int ACol, int ARow);
    // Rotated text: the angle is brought into 0 .. 360.
    void AddRotated(int ACol, int ARow, short AAngle, const std::string& s);
    void SetRotated(int ACol, int ARow, short AAngle);
    bool IsRotated(int ACol, int ARow, int& aAngle);
    void RemoveRotated(int ACol, int ARow);

    // Progress, indicator, shape, rating and button cells; the value shown is the cell's number.
    void AddProgress(int ACol, int ARow, gfx::TColor FGColor, gfx::TColor BKColor);
    void AddProgressEx(int ACol, int ARow, gfx::TColor FGColor, gfx::TColor FGTextColor, gfx::TColor BKColor,
                       gfx::TColor BKTextColor);
    void AddProgressFormatted(int ACol, int ARow, gfx::TColor FGColor, gfx::TColor FGTextColor, gfx::TColor BKColor,
                              gfx::TColor BKTextColor, const std::string& Fmt, int Min, int Max);
    bool HasProgress(int ACol, int ARow);
    void RemoveProgress(int ACol, int ARow);
    void AddProgressPie(int ACol, int ARow, gfx::TColor Color, int Value);
    void SetProgressPie(int ACol, int ARow, int Value);
    void RemoveProgressPie(int ACol, int ARow);
    void AddExtProgress(int ACol, int ARow, int Min, int Max);
    void RemoveExtProgress(int ACol, int ARow);
    void AddRangeIndicator(int ACol, int ARow, int Range, gfx::TColor NegColor, gfx::TColor PosColor,
                           bool ShowValue);
    void RemoveRangeIndicator(int ACol, int ARow);
    void AddShape(int ACol, int ARow, TCellShape Shape, gfx::TColor FillColor, gfx::TColor LineColor,
                  TCellHAlign hal, TCellVAlign val);
    bool HasShape(int ACol, int ARow);
    void SetShapeColor(int ACol, int ARow, gfx::TColor FillColor);
    // The fill colour of a shape cell; 0x1FFFFFFF (no colour) for any other cell.
    gfx::TColor GetShapeColor(int ACol, int ARow);
    void RemoveShape(int ACol, int ARow);
    void AddRating(int ACol, int ARow, int Scale, gfx::TColor FillColor, gfx::TColor EmptyColor);
    bool HasRating(int ACol, int ARow);
    void RemoveRating(int ACol, int ARow);
    void AddButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal,
                   TCellVAlign val);
    void AddBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, gfx::TBitmap* Glyph,
                      TCellHAlign hal, TCellVAlign val);
    gfx::TBitmap* CreateBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption,
                                  TCellHAlign hal, TCellVAlign val);
    // The next four take a displayed column.
    void SetButtonText(int ACol, int ARow, const std::string& Caption);
    std::string GetButtonText(int ACol, int ARow);
    void PushButton(int ACol, int ARow, bool push);
    rtl::TRect GetCellButtonRect(int ACol, int ARow);
    // The expand button of a ctExpand cell (11 × 11, 2 pixels in from the top and right); empty otherwise.
    rtl::TRect GetExpandButtonRect(int ACol, int ARow);
    bool HasButton(int ACol, int ARow);
    void RemoveButton(int ACol, int ARow);
    void RemoveBitButton(int ACol, int ARow);
    void RemoveAllButtons();
private:
    friend struct TCellGraphicPainter;
public:
    // (end of cellgraphicdraw block)
public:
    // ===== Cell drawing pipeline and text stage =====
    // Each channel round(p/100 x c1 + (1 - p/100) x c2); c1 from 100 up, c2 from 0 down or
    // when c1 is clNone, c1 when c2 is clNone.
    static gfx::TColor BlendColorsPercent(gfx::TColor c1, gfx::TColor c2, int Percent);
    // The selection colour of a cell coloured CellColor (mixed with it by the mixer).
    gfx::TColor SelectionMixColor(gfx::TColor CellColor);
    int SelectionColorMixerFactor() const { return FSelectionColorMixerFactor; }
    // Clamped to 0..100.
    void SetSelectionColorMixerFactor(int v);
    // The cell (displayed column) lies in the platform selection rectangle.
    bool IsCellInSelection(int ACol, int ARow) const;
    // Font and brush of a cell for measuring (RCol: the column the cell data is read at).
    void GetFontProperties(int ACol, int RCol, int ARow, ui::TGridDrawState& AState, gfx::TFont& AFont,
                           gfx::TBrush& ABrush, bool Remap);
    // DefaultAlignment and VAlignment, right for numbers with AutoNumAlign, the cell's own
    // alignment otherwise, then the alignment hook.
    std::pair<ui::TAlignment, TVAlignment> GetCellAutoAlignment(int ACol, int ARow);
    // Size the display text of a cell takes in its font, wrapped to the cell unless Unbounded.
    rtl::TPoint GetCellTextSize(int ACol, int ARow, bool Unbounded = false);
    rtl::TPoint CalcCellTextSize(gfx::TCanvas& ACanvas, int ACol, int ARow, bool Unbounded);
    // Draws the column's sort glyph centred at (X, Y).
    void DrawSortIndicator(gfx::TCanvas& ACanvas, int ACol, int X, int Y);
    // The sort glyph belongs to this cell.
    bool SortGlyphShown(int ACol, int ARow);
    // Paints the background picture or gradient around the cells (right of the last column,
    // below the last row).
    void PaintBackgroundOutsideCells(gfx::TCanvas& ACanvas);
    // With a user draw event assigned, no text is drawn.
    GRID_PLAIN_PROPERTY(bool, NoDefaultDraw, false)
    // A cell with a graphic shows no text.
    GRID_PLAIN_PROPERTY(bool, NoImageAndText, false)
    // XYOffset indents the text only at the left and top.
    GRID_PLAIN_PROPERTY(bool, XYOffsetTopLeftOnly, false)
    GRID_PLAIN_PROPERTY(gfx::TColor, SelectionRectangleColor, 0xFF00000D)
public:
    // The vertical text flag of the last plain text drawn (DT_TOP, DT_VCENTER, DT_BOTTOM).
    unsigned TextVAlignFlag() const { return FVAlign; }
    // The text height of "hg" in the last cell's font.
    int LastTextHeight() const { return FLastTextHeight; }
    // Fixed rows (columns): a count of 0 reads as 1 while FixedRowAlways (FixedColAlways)
    // is on, and a count not below RowCount (ColCount) is clamped to one less then instead
    // of being refused; the count asked for comes back once the grid has grown past it.
    int FixedRows() const;
    void SetFixedRows(int Value);
    int FixedCols() const;
    void SetFixedCols(int Value);
    // Stores the text offsets without repainting.
    void UpdateXYOffset(int X, int Y) { FXYOffset = {X, Y}; }
    void SetXYOffset(rtl::TPoint v) { FXYOffset = v; Invalidate(); }
private:
    struct TCellPaint;
    bool DrawStyledCell(TCellPaint& P);
    void DrawHeaderLook(TCellPaint& P);
    bool DrawHoverHeader(TCellPaint& P);
    void DrawRowIndicator(TCellPaint& P);
    void DrawListViewHeader(TCellPaint& P);
    void DrawAlwaysVisibleButtons(TCellPaint& P);
    void DrawCellBorders(TCellPaint& P);
    void Draw3DFixedEdges(TCellPaint& P);
    void DrawFixedRightColLines(TCellPaint& P);
    void DrawTreeLines(TCellPaint& P);
    void DrawFocusRectangle(TCellPaint& P);
    void DrawColumnNumber(TCellPaint& P);
    void DrawCellTextStage(TCellPaint& P);
    void TakeSelectedRowColours(TCellPaint& P);
    void DrawFilterGlyph(TCellPaint& P, const rtl::TRect& R);
    void DrawSelectionRectangle(TCellPaint& P, const rtl::TRect& R);
    void DrawHtmlCellText(TCellPaint& P, const std::string& Text, rtl::TRect R);
    void DrawPlainCellText(TCellPaint& P, std::string Text, rtl::TRect R, int GraphicOffset);
    void DrawCellBackGround(TCellPaint& P, const rtl::TRect& R);
    int FSelectionColorMixerFactor = 50;
    unsigned FVAlign = 0;
    int FLastTextHeight = 0;
public:
    // (end of cellpipeline block)
public:
    // ===== Editing cycle, validation, advance and keyboard =====
    // The pending edit of a cell holding escaped wide text: NewValue is the plain text the
    // editor shows, checked by OnCellValidateWide; an accepted value is stored escaped.
    virtual bool ValidateCellWide(const std::string& NewValue);
    // Whether a cell (displayed column) may be edited: editing must be on (goEditing,
    // MouseActions.RangeSelectAndEdit, or goEditing removed only because the current cell is
    // read-only), then the base cell's own permission (read-only flag, OnCanEditCell) and
    // not fixed.
    bool IsEditable(int ACol, int ARow);
    virtual bool IsEditableBaseCell(int ACol, int ARow);
    // Validation runs even when the value did not change.
    GRID_PLAIN_PROPERTY(bool, AlwaysValidate, false)
public:
    // An edit is open whose value has not been validated yet; a validation is running.
    bool Editing() const { return FEditing; }
    bool Validating() const { return FValidating; }
    // A refused value is waiting to be shown again; the cursor may not move until it is.
    bool InvalidSel() const { return FInvalidSel; }
    // The changing events of a move of the current cell, all sharing Allow.
    virtual void CellChanging(int NewCol, int NewRow, bool& Allow);
    // The editor's text goes into the cell it edits (through SetEditText).
    void StoreEditorText();
    // The shared combo editor's item list.
    void ClearComboString();
    void AddComboString(const std::string& S);
    void AddComboStringObject(const std::string& S, rtl::TObject* AObject);
    bool RemoveComboString(const std::string& S);
    int GetComboCount();
    int GetComboIndex(int ACol, int ARow);
    void SetComboIndex(int ACol, int ARow, int Value);
    // Navigation queries of keyboard, editors and advance (displayed columns).
    bool IsSelectableCell(int ACol, int ARow);
    int FirstCellInRow(int ARow);
    int LastCellInRow(int ARow);
    int FirstNavigableCol();
    int VisibleFixedRightCols();
    bool IsLastNormalRow();
    // Steps that pass over zero-width columns and zero-height rows, and the first and last
    // shown normal row and column.
    int NextVisibleCol(int ACol);
    int NextVisibleRow(int ARow);
    int FirstVisibleRow();
    int FirstVisibleCol();
    int LastVisibleRow();
    int LastVisibleCol();
    // Appends an empty row as Down on the last row does with AppendOnArrowDown.
    void AppendRowOnArrowDown();
    // The next selectable cell ahead in the advance direction; false when there is none.
    bool NextAdvanceCell(int& ACol, int& ARow);
protected:
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyUp(ui::WORD& Key, ui::TShiftState Shift) override;
private:
    // WM_KEYDOWN, WM_CHAR and the registered "GridEditInvalid" and "GridEditShow" messages;
    // true when the message is handled.
    bool EditingMessage(ui::TMessage& Message);
    void WMKeyDown(ui::TMessage& Message);
    void WMChar(ui::TMessage& Message);
    bool GridKeyDownSteps(ui::WORD Key, ui::TShiftState Shift);
    bool ClipboardKey(ui::WORD Key, ui::TShiftState Shift);
    bool HomeEndKey(ui::WORD Key, ui::TShiftState Shift);
    void InsertRowKey();
    void DeleteRowKey();
    void SelectAllKey();
    void SpaceOnCellControl(ui::WORD Key);
    void FireKeyDown(ui::WORD Key, ui::TShiftState Shift);
    void EnterFromEditor(ui::TShiftState Shift);
    void KeyStepTarget(ui::WORD Key, int& TargetCol, int& TargetRow);
    void NotifySelectionMoved();
    bool SearchFooterKeyEnds(ui::WORD Key, ui::TShiftState Shift, bool& Locked);
    void ScrollAboveSearchFooter();
    void CtrlTabPastFixedRightCols(int RowAtEntry);
    void DisjunctSelectionKey(ui::WORD Key, ui::TShiftState Shift);
    void DisjunctColSelectionKey(ui::WORD Key, ui::TShiftState Shift);
    bool RowSelectKeys(ui::WORD Key, ui::TShiftState Shift);
    void SelectRowsBetween(int FromRow, int ToRow);
    void HomeEndRowSelection(int RowAtEntry, bool ShiftDown);
    void AddSelectedCell(int ACol, int ARow);
    void CellSelectionKeyUp(ui::WORD Key, ui::TShiftState Shift, const rtl::TRect& Before);
    void MoveSelectedRowsByKey(ui::WORD Key, int LastCol, int LastRow);
    void SkipDisabledRowsByKey(ui::WORD Key);
    void WrapCursorByKey(ui::WORD Key);
    void IncrementalSearch(char32_t Key);
    void ShowInvalidValue(int ACol, int ARow);
    // Validates a pending edit of the current cell before the cursor leaves it.
    bool ValidatePendingEdit();
    void RefuseValue(const std::string& Value, const std::string& NewValue);
    void SwitchEditingFor(int ACol, int ARow);
    void AfterSelectCell(int ARow);
    // One Tab step from (ACol, ARow); HandOver is set when the step passed the grid's end.
    void TabStep(int& ACol, int& ARow, bool Backward, bool& HandOver);
    bool AdvanceTarget(int& ACol, int& ARow, bool Forward, bool& Stop);
    bool FEditing = false;
    bool FValidating = false;
    bool FInvalidSel = false;
    std::string FInvalidCache;
    // Set while a refused value reopens its editor: a special editor then shows that value.
    bool FReopenRefused = false;
    bool FEditDisable = false;
    int FOldRowSel = -1;
    bool FDisableChange = false;
    bool FBlockCellChanging = false;
    bool FForceSel = false;
    int FAECol = -1;
    int FAERow = -1;
    int FLastTabCol = -1;
    int FLastTabRow = -1;
    // The current cell when the last key went down, and the selection at its arrival.
    rtl::TPoint FLastKeyCell{-1, -1};
    rtl::TRect FMoveSelection{-1, -1, -1, -1};
    bool FNoEditChange = false;
public:
    // Set while the grid itself writes the editor's text, so no edit events fire.
    bool NoEditChange() const { return FNoEditChange; }
    void SetNoEditChange(bool v) { FNoEditChange = v; }
public:
    // (end of editingcycle block)
public:
    // ===== Load validation =====
public:
    // Places a binary cell block read by ReadBinCellBlock with its first cell at Point (a
    // whole-grid block first sizes and clears the grid). Every target is checked first: a
    // cell that would land left of column 0 or above row 0 raises VIdoZovuVozir and no cell
    // changes. No object value from the block becomes the cell's object.
    void PlaceBinCellBlock(rtl::TPoint Point, TBinCellBlock& Block);
    // Raises VIdoZovuVozir when a cell of Block placed at Point would land outside the
    // int range of columns and rows.
    void CheckBinCellPlacement(rtl::TPoint Point, const TBinCellBlock& Block) const;
    // (end of loadvalidation block)
public:
    // ===== Mouse press, release, clicks, anchors and drag start =====
    // Press zones of a left-button press, tested in order; the release completes the click.
public:
    // What the pointer is over for the next press (set by mouse move).
    enum TMouseSelectMode : std::uint8_t { msNormal, msColumn, msRow, msAll, msURL, msResize };
    using TFixedCellClickEvent = std::function<void(TSender, int ACol, int ARow)>;
    // A release on a fixed row or column cell that did not end a sizing.
    TFixedCellClickEvent OnFixedCellClick;
    // Selects the item of a radio group cell at a position relative to the cell's top-left.
    void ClickRadioAt(int ACol, int ARow, int Y, int X);
    // An anchor's reference acted on as a click does: "CELL://RxCy" moves the current cell
    // there and centres it; other links go to the desktop opener.
    void OpenAnchor(const std::string& Anchor);
    TMouseSelectMode MouseSelectMode() const { return FMouseSelectMode; }
    // The cell whose always-visible spin button half was pressed last.
    bool SpinUpClick() const { return FSpinUpClick; }
    bool SpinDnClick() const { return FSpinDnClick; }
    // The id of the BUTTON control of a cell's HTML text held down (empty when none).
    const std::string& CtrlDownId() const { return FCtrlDownId; }
protected:
    // The platform grid's own press and release notifications (either button): filter
    // buttons of fixed cells, selection-changed notification, column and row moving.
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    void DoExit() override;
    // Cell-selector mode of a descendant grid: the pointer shows the cell selector cursor
    // (crCellSelector) and a left press on the grid goes to CellSelectorClick, which picks
    // the cell, instead of selecting or editing.
    bool CellSelectorMode() const { return FCellSelectorMode; }
    void SetCellSelectorMode(bool Value) { FCellSelectorMode = Value; }
    virtual void CellSelectorClick(int ACol, int ARow) { (void)ACol, (void)ARow; }
    void WMLButtonDown(ui::TMessage& Message);
    void WMLButtonUp(ui::TMessage& Message);
    void WMLButtonDblClk(ui::TMessage& Message);
    void WMRButtonDown(ui::TMessage& Message);
private:
    bool MouseButtonMessage(ui::TMessage& Message);
    void GridSetFocus(ui::TMessage& Message);
    bool PressAttachmentZones(int ACol, int ARow, int X, int Y, ui::TShiftState Shift);
    bool PressFromFixedCells(int ACol, int ARow, ui::TShiftState Shift);
    bool PressCheckBox(int ACol, int ARow, int X, int Y, ui::TShiftState Shift, bool Editable);
    void PressNormalCell(ui::TMessage& Message, int ACol, int ARow, rtl::TPoint Orig, bool Editable);
    bool PressAnchor(int ACol, int ARow, int X, int Y);
    bool AnchorHitAt(int ACol, int ARow, int X, int Y, struct TAnchorHit& Hit);
    bool HtmlHitTest(int ACol, int ARow, int X, int Y, struct TAnchorHit& Hit);
    void ControlClick(int ACol, int ARow, const struct TAnchorHit& Hit);
    bool ReleasePushedButton(int ACol, int ARow, int X, int Y);
    void ReleaseFixedSizing(int X);
    void ReleaseEndsPlatformSizing(ui::TGridState State);
    void ReleaseCheckBox(int ACol, int ARow);
    bool DblClickAutoSize(int ACol, int ARow, int X);
    void AutoSizeColumnToText(int ACol);
    void ClassifyPointer(int ACol, int ARow, int X, int Y);
    void DragSelectFromFixed(int ACol, int ARow);
    void FixedEdgeMove(int X);
    bool DragStartMove(int X, int Y);
    void PlatformMouse(ui::TMessage& Message) { TBaseGrid::WndProc(Message); }
    bool TouchScrollPress(int ACol, int ARow, int X, int Y, ui::TShiftState Shift);
    void TouchScrollMove(int X, int Y);
    void TouchScrollRelease(int X, int Y);
    bool FDoOnClick = false;
    bool FMouseDownMove = false;
    bool FMouseKeepDown = false;
    bool FSpinUpClick = false;
    bool FSpinDnClick = false;
    bool FAnchorClick = false;
    bool FSelectionClick = false;
    bool FDblClk = false;
    bool FDeselectState = false;
    bool FCtrlDown = false;
    bool FSizeFixed = false;
    bool FSizingFixed = false;
    int FSizingFixedCol = -1;
    int FSizeFixedX = 0;
    int FSizingStartSize = -1;
    int FMouseSelectStart = -1;
    TMouseSelectMode FMouseSelectMode = msNormal;
    bool FCellSelectorMode = false;
    rtl::TRect FOrigSelection{-1, -1, -1, -1};
    rtl::TPoint FPushedCellButton{-1, -1};
    rtl::TPoint FCtrlXY{-1, -1};
    std::string FCtrlDownId;
    // Touch scrolling: the press point, the top row and left column then, and whether a
    // drag scrolls the grid.
    bool FScrollStart = false;
    rtl::TPoint FTouchDown{-1, -1};
    int FTopDown = 0;
    int FLeftRight = 0;
    // (end of mousepress block)
public:
    // ===== Wheel, zoom, panning, cell hints and filter buttons =====
    // The release on a filter button of a fixed cell: opens or closes the filter list or
    // the filter-type menu. True when the release was consumed and the click ends here.
    virtual bool FilterButtonRelease(int ACol, int ARow, int X, int Y);
    // The column whose filter-type button was pressed (-1: none), set at every press.
    int FilterPopPressCol() const { return FFltrPopPressCol; }
    void SetFilterPopPressCol(int Value) { FFltrPopPressCol = Value; }
    // The wheel message (lines per notch, waScroll / waMoveSelection, Ctrl+wheel zoom);
    // true when the grid dealt with it.
    bool WheelMessage(ui::TMessage& Message);
    // Asked after the grid processed a wheel step; the grid's own answer is Handled.
    virtual void WheelHandled(int Delta, bool& Handled);
    bool DoMouseWheelDown(ui::TShiftState Shift, rtl::TPoint MousePos) override;
    bool DoMouseWheelUp(ui::TShiftState Shift, rtl::TPoint MousePos) override;
    // Whether a filter drop-down list of the grid is showing.
    bool FilterListShown() const;
    // Middle-button panning: starts, steps on the timer, ends at the next press or key.
    // Never consumes the message.
    bool PanningMessage(ui::TMessage& Message);
    bool Panning() const { return FWheelPan; }
    rtl::TPoint PanStart() const { return FWheelPanPos; }
    // Cursors shown while panning: neutral, then by the direction the view moves.
    static constexpr ui::TCursor crPanNeutral = 8000, crPanDown = 8001, crPanLeft = 8002, crPanRight = 8003,
                                 crPanUp = 8004, crPanUpRight = 8005, crPanUpLeft = 8006, crPanDownRight = 8007,
                                 crPanDownLeft = 8008;
    // Cell hints: the answer to CM_HINTSHOW for the cell under the mouse (comment, anchor
    // title, the cell's text, or the whole of a text that does not fit).
    bool CellHintMessage(ui::TMessage& Message);
    void GetCellHintText(std::string& HintStr, bool& CanShow, ui::THintInfo& HintInfo);
    rtl::TPoint LastHintPos() const { return FLastHintPos; }
    const std::string& LastAnchorHint() const { return FLastAnchorHint; }
    // Filter drop-down: opens the column's value list below its header cell.
    void ShowFilterDropDown(int ACol);
    void OpenFilterList(int ACol, int ARow);
    // Builds FilterList() from the column's values (empty cells once, values with blanks
    // matched as whole texts); true when it holds entries.
    bool BuildColumnFilter(int Column, bool FirstOnly, bool IncludeHidden);
    // The same entries into `list`, leaving FilterList() as it is (the cell painter asks
    // whether a header carries the filter button while a list may be open).
    void CollectColumnFilter(int Column, bool FirstOnly, bool IncludeHidden, std::vector<std::string>& list);
    // A choice in the plain list, a click on an item of the check list: the column's
    // filter condition is stored and, with AutoFilterUpdate, applied.
    void FilterListSelect(int ItemIndex);
    void FilterListCheck(int ItemIndex);
private:
    void WheelStep(bool Down, ui::TMessage& Message);
    bool IsFilterCheckColumn(int Column);
    void AddFilterValue(std::vector<std::string>& List, std::string Value);
    void AddHiddenFilterValues(int Column, bool CheckColumn, std::vector<std::string>& List);
    std::string FilterCheckText(int Column, const std::string& Text);
    void HideFilterLists();
    void FillFilterList(rtl::TRect CellR);
    void SizeFilterList(ui::TWinControl& List, int WidthNeed, int ItemHeight, int Count);
    void CellHintAt(int ACol, int ARow, std::string& HintStr, ui::THintInfo& HintInfo);
    std::string FLastAnchorHint;
    int WheelScroll(bool Down, int Inc);
    int WheelTargetRow(bool Down, int Inc) const;
    void WheelMoveRow(int Target, bool Down);
    void StartPanning(rtl::TPoint Start);
    void EndPanning();
    void PanStep();
    void InvalidatePanMarker();
    int FFltrPopPressCol = -1;
    rtl::TPoint FWheelPanPos{0, 0};
    ui::TCursor FPanPrevCursor = 0;
    bool FPanHintWasOn = false;
public:
    // (end of wheelhint block)
public:
    // ===== Cell content API: typed values, fills, checks, marking, rich text, edit link =====
    // --- repainting: bands of a row or a column, and the headers of the current cell
    // The row from column 0 to the last visible column, without erasing.
    void RepaintRow(int ARow);
    // The column's visible band below the fixed rows, without erasing.
    void RepaintCol(int ACol);
    // The header cells (last fixed row, last fixed column) of the cell left and of the new one.
    void RepaintActiveHeaders(int OldCol, int OldRow, int NewCol, int NewRow);
    // --- focus and selection moves
    // The selection becomes the single cell; the current cell follows it.
    void FocusCell(int ACol, int ARow);
    // The current row, then the current column.
    void GotoCell(int ACol, int ARow);
    // Focuses the grid, moves to the cell and opens its editor.
    void EditCell(int ACol, int ARow);
    // Moves the current cell with its selection anchor and scrolls it into view.
    void MoveCurrentCell(int ACol, int ARow);
    // Current cell := (ToCol, ToRow), then the selection (FromCol, FromRow)-(ToCol, ToRow).
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    // --- disjunct column selection and selection runs
    bool ColSelect(int ACol);
    void SetColSelect(int ACol, bool Value);
    void SelectRows(int RowIndex, int RCount);
    void UnSelectRows(int RowIndex, int RCount);
    void SelectAll();
    void SelectCols(int ColIndex, int CCount);
    void UnSelectCols(int ColIndex, int CCount);
    void ClearRowSelect();
    void ClearColSelect();
    // Copy the rectangular selection into the disjunct row and column flags; All visits
    // every row (column), otherwise only those inside the selection. SelectRowRange
    // answers whether a row flag changed.
    bool SelectRowRange(bool All);
    void SelectColRange(bool All);
    int RowSelectCount();
    int ColSelectCount();
    bool SelChange() const { return FSelChange; }
private:
    bool FSelChange = false;
    bool FRowSelMod = false;
public:
    // --- cell graphic records and comments
    // Takes the record from the cell and frees it (never the shared row check box record);
    // false when the cell had none. RemoveCellGraphic does so only for a record of CellType.
    bool FreeCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphic(int ACol, int ARow, TCellType CellType);
    // Whether the record of the cell's merged base cell has one of the kinds.
    bool CellTypeInSet(int ACol, int ARow, std::initializer_list<TCellType> Types);
    void AddColorComment(int ACol, int ARow, const std::string& Comment, gfx::TColor Color);
    // The cell's comment (a picture's text wins) into Comment; false without one.
    bool IsComment(int ACol, int ARow, std::string& Comment);
    // Empties the comment; the record stays.
    void RemoveComment(int ACol, int ARow);
    // Every displayed cell's comment, then a repaint of the grid.
    void RemoveAllComments();
    // --- check box columns
    // A tri-state check box in State on every row from FixedRows (FixedRows - 1 with
    // MouseActions.CheckAllCheck) to the last row.
    void AddTriStateCheckBoxColumn(int ACol, ui::TCheckBoxState State);
    // --- typed values by real row, dates, times and form-control values
    // Integer of the real row's text (no float path); raises "Cell does not contain integer value".
    int GetAllInts(int ACol, int ARow);
    void SetAllInts(int ACol, int ARow, int Value);
    int AllInts(int ACol, int ARow) { return GetAllInts(ACol, ARow); }
    void SetAllFloats(int ACol, int ARow, double Value);
    // Writes the text of a cell by its real row (a hidden row keeps it in its saved line).
    void SetAllCellText(int ACol, int ARow, const std::string& Value);
    // Dates and times as the locale writes them; reading a text that is none raises the
    // platform's conversion error. With ShowNullDates off a date of 0 or less is written empty.
    double GetDates(int ACol, int ARow);
    void SetDates(int ACol, int ARow, double Value);
    double Dates(int ACol, int ARow) { return GetDates(ACol, ARow); }
    double GetTimes(int ACol, int ARow);
    void SetTimes(int ACol, int ARow, double Value);
    double Times(int ACol, int ARow) { return GetTimes(ACol, ARow); }
    bool ShowNullDates() const { return FShowNullDates; }
    void SetShowNullDates(bool Value) { FShowNullDates = Value; }
    // The value of the <CONTROL> tag with that ID in the cell text ("" without one); the
    // writer changes only a cell that holds the tag.
    std::string GetCtrlVal(int ACol, int ARow, const std::string& ID);
    void SetCtrlVal(int ACol, int ARow, const std::string& ID, const std::string& Value);
    std::string ControlValues(int ACol, int ARow, const std::string& ID) { return GetCtrlVal(ACol, ARow, ID); }
    // --- fills over every cell (DoFixed) or the normal cells, rows outside; footers recalculated
    void TextFill(bool DoFixed, const std::string& Txt);
    // Fmt with two integer arguments: column, row.
    void FormatFill(bool DoFixed, const std::string& Fmt);
    void RandomFill(bool DoFixed, int Rnd);
    // "column:row" in every cell.
    void LinearFill(bool DoFixed);
    // The sorted distinct values of the column, hidden rows included; the first met of
    // values that differ only in case without CaseSensitive.
    std::unique_ptr<rtl::TStringList> DistinctValues(int ACol, bool CaseSensitive);
    // Exchanges the raw texts and property objects of two cells, without repainting.
    void SwapCells(const ui::TGridCoord& FromCell, const ui::TGridCoord& ToCell);
    // --- formatting a rectangle of cells (inclusive; an inverted one visits nothing)
    void SetFontStyle(const ui::TGridRect& GridRect, gfx::TFontStyle AStyle, bool DoSet);
    bool IsFontStyle(const ui::TGridRect& GridRect, gfx::TFontStyle AStyle);
    void SetCellColor(const ui::TGridRect& GridRect, gfx::TColor AColor);
    void SetCellTextColor(const ui::TGridRect& GridRect, gfx::TColor AColor);
    void SetCellFontName(const ui::TGridRect& GridRect, const std::string& AFontName);
    void SetCellFontSize(const ui::TGridRect& GridRect, int AFontSize);
    void SetAlignment(const ui::TGridRect& GridRect, ui::TAlignment AAlignment);
    bool IsAlignment(const ui::TGridRect& GridRect, ui::TAlignment AAlignment);
    // --- sort indicator cell
    // Whether the painter draws the sort glyph in this cell: the sort row (or a merged
    // block holding it) while SortSettings.Show is on and two normal rows exist.
    bool IsSortIndicatorCell(int ACol, int ARow);
    // --- highlighting ("hi" tags) and marking ("e" tags) of a search text in cells
    std::string HilightText(bool DoCase, const std::string& S, const std::string& Text);
    std::string UnHilightText(const std::string& S);
    std::string MarkText(bool DoCase, const std::string& S, const std::string& Text);
    std::string UnMarkText(const std::string& S);
    void HilightInCell(bool DoCase, int Col, int Row, const std::string& HiText, bool FullText);
    void HilightInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText, bool FullText);
    void HilightInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText, bool FullText);
    void HilightInGrid(bool DoFixed, bool DoCase, const std::string& HiText, bool FullText);
    void UnHilightInCell(int Col, int Row);
    void UnHilightInCol(bool DoFixed, int Col);
    void UnHilightInRow(bool DoFixed, int Row);
    void UnHilightInGrid(bool DoFixed);
    void MarkInCell(bool DoCase, int Col, int Row, const std::string& HiText);
    void MarkInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText);
    void MarkInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText);
    void MarkInGrid(bool DoFixed, bool DoCase, const std::string& HiText);
    void UnMarkInCell(int Col, int Row);
    void UnMarkInCol(bool DoFixed, int Col);
    void UnMarkInRow(bool DoFixed, int Row);
    void UnMarkInGrid(bool DoFixed);
    // --- checking cells with the CellChecker: true when nothing was corrected or marked
    bool CheckCell(int Col, int Row);
    bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool CheckCol(bool DoFixed, int Col);
    bool CheckRow(bool DoFixed, int Row);
    bool CheckGrid(bool DoFixed);
    // --- custom editor link: cells of kind edCustom are edited by the link's own control
    class TEditLink* EditLink() const { return FEditLink; }
    void SetEditLink(class TEditLink* Value);
    // Opens and closes the link's control over a cell (the editing cycle calls these for edCustom).
    void ShowEditLink(int ACol, int ARow);
    void HideEditLink(int ACol, int ARow);
    // The control's own window procedure while the grid's stands in for it.
    std::function<void(ui::TMessage&)>& EditLinkSavedWndProc() { return FEditLinkSavedWndProc; }
    void EditLinkControlWndProc(ui::TMessage& Message);
    // --- the scroll hint: "Col : N" or "Row : N" beside the cursor while a thumb is dragged
    // (ScrollHints chooses the directions; OnScrollHint may reword it)
    ui::THintWindow* ScrollHintWindow() const { return FScrollHintWindow; }
    bool ScrollHintShown() const { return FScrollHintShown; }
    void ScrollHintMessage(const ui::TMessage& Message);
    // --- rich-text cells: the cell's RTF text into a rich edit control, and back
    void CellToRich(int ACol, int ARow, ui::TRichEdit& RichEdit);
    void RichToCell(int ACol, int ARow, ui::TRichEdit& RichEdit);
private:
    template <typename TWrite> void FillCells(bool DoFixed, TWrite&& Write);
    template <typename TVisit> void ForEachCellIn(const ui::TGridRect& GridRect, TVisit&& Visit);
    template <typename TChange> void ChangeCellsIn(const ui::TGridRect& GridRect, TChange&& Change);
    void MarkCells(const std::string& Tag, bool DoCase, bool FullText, const std::string& Search,
                   const rtl::TRect& Cells);
    void UnMarkCells(const std::string& Tag, const rtl::TRect& Cells);
    class TEditLink* FEditLink = nullptr;
    rtl::TComponent* FEditLinkComponent = nullptr;
    std::function<void(ui::TMessage&)> FEditLinkSavedWndProc;
    ui::THintWindow* FScrollHintWindow = nullptr;  // owned by the grid as a component
    bool FScrollHintShown = false;
public:
    // (end of cellapi block)
public:
    // ===== Selection API, cell access, auto-numbering, auto-sizing, merging by content =====
public:
    // --- index mapping by the names of the mapping; RealColIndex / DisplColIndex call these
    int RemapColDisplToReal(int ACol) { return RealColIndex(ACol); }
    int RemapColRealToDispl(int ACol) { return DisplColIndex(ACol); }
    int RealCol() { return RealColIndex(Col()); }
    bool IsIgnoredColumn(int ACol) const;
    // Hides / shows every column of the range of real columns.
    void HideColumns(int FromCol, int ToCol);
    void UnHideColumns(int FromCol, int ToCol);

    // --- selection
    // With disjunct cell selection marks every cell of the range; otherwise moves the focus
    // to a single cell or sets the selection rectangle.
    void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
    void ClearSelectedCells();
    bool SelectedCells(int ACol, int ARow);
    void SetSelectedCells(int ACol, int ARow, bool Value);
    ui::TGridCoord SelectedCell(int Index);
    int SelectedCellsCount();
    int SelectedColCount();
    int SelectedRowCount();
    int SelectedRow(int Index);
    bool IsSelected(int ACol, int ARow);
    // The selected cells as text: tab between cells, CR LF between rows; rich text cells
    // give their plain text.
    std::string SelectedText();
    void ClearModifiedRows();
    void InvalidateGridRect(const ui::TGridRect& R);

    // --- cell access by real row and column (hidden rows and columns included)
    std::string AllCells(int ACol, int ARow);
    void SetAllCells(int ACol, int ARow, const std::string& Value);
    std::string AllGridCells(int ACol, int ARow);
    void SetAllGridCells(int ACol, int ARow, const std::string& Value);
    // The user object of a cell; in a hidden row the one its record keeps for the cell.
    rtl::TObject* AllObjects(int ACol, int ARow);
    void SetAllObjects(int ACol, int ARow, rtl::TObject* Value);
    std::string AllWideCells(int ACol, int ARow) { return AllCells(ACol, ARow); }
    void SetAllWideCells(int ACol, int ARow, const std::string& Value) { SetAllCells(ACol, ARow, Value); }
    std::string WideCells(int ACol, int ARow) { return GetCellEx(ACol, ARow); }
    void SetWideCells(int ACol, int ARow, const std::string& Value) { SetCellEx(ACol, ARow, Value); }
    // The displayed text of the real column of a displayed column.
    std::string RealCells(int ACol, int ARow);
    void SetRealCells(int ACol, int ARow, const std::string& Value);
    int AllColWidths(int ACol);
    void SetAllColWidths(int ACol, int Value);
    // Plain text: the characters of rich text, other text with its HTML tags stripped.
    std::string StrippedCells(int ACol, int ARow);
    std::string Hyperlink(int ACol, int ARow);
    bool HasHyperlink(int ACol, int ARow);
    void GetHyperlinkDetails(int ACol, int ARow, std::string& URL, std::string& Text);
    int LinesInCell(int ACol, int ARow);
    int LastCol() const { return ColCount() - 1; }
    int LastRow() const { return RowCount() - 1; }

    // --- per-cell formatting; readers never create the cell's properties
    gfx::TColor Colors(int ACol, int ARow) const;
    void SetColors(int ACol, int ARow, gfx::TColor Value);
    gfx::TColor ColorsTo(int ACol, int ARow) const;
    void SetColorsTo(int ACol, int ARow, gfx::TColor Value);
    TCellGradientDirection Gradients(int ACol, int ARow) const;
    void SetGradients(int ACol, int ARow, TCellGradientDirection Value);
    gfx::TColor FontColors(int ACol, int ARow) const;
    void SetFontColors(int ACol, int ARow, gfx::TColor Value);
    gfx::TFontStyles FontStyles(int ACol, int ARow) const;
    void SetFontStyles(int ACol, int ARow, gfx::TFontStyles Value);
    std::string FontNames(int ACol, int ARow) const;
    void SetFontNames(int ACol, int ARow, const std::string& Value);
    int FontSizes(int ACol, int ARow);
    void SetFontSizes(int ACol, int ARow, int Value);
    ui::TAlignment Alignments(int ACol, int ARow) const;
    void SetAlignments(int ACol, int ARow, ui::TAlignment Value);
    bool CellReadOnly(int ACol, int ARow) const;
    void SetCellReadOnly(int ACol, int ARow, bool Value);
    // Reading creates the cell's properties.
    bool WordWraps(int ACol, int ARow);
    void SetWordWraps(int ACol, int ARow, bool Value);
    // Colours of every cell of a row from the first normal column; clNone takes them back.
    void SetRowColor(int ARow, gfx::TColor Value);
    void SetRowColorTo(int ARow, gfx::TColor Value);
    void SetRowFontColor(int ARow, gfx::TColor Value);

    // --- auto-numbering, auto-sizing and swapping
    GRID_PLAIN_PROPERTY(int, AutoNumberStart, 0)
    GRID_PLAIN_PROPERTY(int, AutoNumberOffset, 0)
    GRID_PLAIN_PROPERTY(TSortDirection, AutoNumberDirection, sdAscending)
    GRID_PLAIN_PROPERTY(bool, SizeGrowOnly, false)
    GRID_PLAIN_PROPERTY(int, MaxColWidth, 0)
    GRID_PLAIN_PROPERTY(int, MaxRowHeight, 0)
public:
    int MinColWidth() const { return FMinColWidth; }
    void SetMinColWidth(int Value) { FMinColWidth = Value; }
    int MinRowHeight() const { return FMinRowHeight; }
    void SetMinRowHeight(int Value) { FMinRowHeight = Value; }
    void AutoNumberCol(int ACol);
    void AutoNumberRow(int ARow);
    void AutoSizeCol(int ACol, int Padding = 0);
    void AutoGrowCol(int ACol, int Padding = 0);
    void AutoGrowColumns(bool DoFixedCols = false, int Padding = 0);
    void AutoSizeRow(int ARow, int Padding = 0);
    void AutoSizeRows(bool DoFixedRows = false, int Padding = 0);
    // Every column and row sized to its widest and tallest cell (rows only grow).
    void AutoSizeCells(bool DoFixedCells = false, int PaddingX = 0, int PaddingY = 0);
    // Scales the column widths in proportion so that they fill the grid's width.
    void AutoFitColumns(bool DoFixedCells = false);
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();
    void SwapColumns(int ACol1, int ACol2);
    void SwapRows(int ARow1, int ARow2);

    // --- merging by content
    void MergeColumnCells(int ColIndex, bool MainMerge);
    void MergeRowCells(int RowIndex, bool MainMerge);
    void SplitColumnCells(int ColIndex);
    void SplitRowCells(int RowIndex);
    void SplitAllCells();
    void MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator);
    // Splits every column and merges the MergedColumns again in list order.
    void ReMergeColumnCells();

    // --- finding on wide texts and finding rows by one condition per column
    // Find without the update bracket and without scrolling the hit clear of the edge.
    rtl::TPoint FindWide(rtl::TPoint StartCell, const std::string& s, TFindParams FindParams);
    // How FindMulti compares a column's text with its condition.
    enum TMultiSearchType : std::uint8_t { stStartsWith, stEndsWith, stContains, stEqual, stNotEqual, stNotContains };
    // The first normal row whose every listed column matches its condition, or -1; the
    // four lists must have the same length.
    int FindMulti(const std::vector<std::string>& Conditions, const std::vector<int>& Columns,
                  const std::vector<TMultiSearchType>& SearchTypes, const std::vector<bool>& CaseSensitive,
                  bool IgnoreHTML, bool AutoGoto);
    // The next such row after the last one found, or -1.
    int FindMultiNext();

    // --- moving and scrolling
    enum TScrollPosition : std::uint8_t { spMiddle, spTrailing, spLeading };
    void MoveRows(int FromIndex, int ToIndex, int Count);
    void ScrollInView(int ACol, int ARow, TScrollPosition Position);
    void UnSuppressAllColumns();
    // Shows the suppressed rows again except the children of contracted nodes.
    void UnSuppressAllOpenRows();
    // Scaling with the form by M / D: column widths stay, the header row and fonts scale.
    void ChangeScale(int M, int D) override;
private:
    // The plain text of a rich text (RTF) cell; any other text unchanged.
    static bool IsRichCellText(const std::string& Text);
    static std::string RichPlainText(const std::string& Text);
    // The text of a cell in the XHTML export: escaped so that the document stays XML.
    std::string XhtmlCellText(int ACol, int ARow, bool DataRow);
    // Limits a computed width or height (a limit <= 0 is absent; equal limits limit nothing).
    static int LimitSize(int Value, int Min, int Max);
    int AutoSizeColWidth(int ACol);
    int NodeGlyphColumnWidth();
    int AutoSizeRowHeight(int ARow);
    // Real row -> the displayed row, or -1 with the hidden-row record's texts in Items.
    int DisplayedRowOf(int ARow, class TGridItem*& Item);
    // Exchanges the texts and property objects of two storage cells.
    void SwapStoredCells(int ACol1, int ARow1, int ACol2, int ARow2);
    int FindMultiFrom(int FirstRow);
    struct TMultiFind {
        std::vector<std::string> Conditions;
        std::vector<int> Columns;
        std::vector<bool> CaseSensitive;
        bool IgnoreHTML = false;
        bool AutoGoto = false;
    };
    std::unique_ptr<TMultiFind> FMultiFind;
public:
    // (end of dataops block)
public:
    // ===== Printing and print preview; spreadsheet and database exchange =====
public:
    // Print on the program's printer (print::Printer(), a PDF file): the whole grid, a cell
    // rectangle, the selection, or only the selected rows or columns.
    void Print();
    void PrintRect(const rtl::TRect& Gridrect);
    void PrintSelection();
    void PrintSelectedRows();
    void PrintSelectedCols();
    // Draw the page PreviewPage of the same layout into Displayrect of a screen canvas.
    void PrintPreview(gfx::TCanvas& Canvas, const rtl::TRect& Displayrect);
    void PrintPreviewRect(gfx::TCanvas& Canvas, const rtl::TRect& Displayrect, const rtl::TRect& Gridrect);
    void PrintPreviewSelection(gfx::TCanvas& Canvas, const rtl::TRect& Displayrect);
    void PrintPreviewSelectedRows(gfx::TCanvas& Canvas, const rtl::TRect& Displayrect);
    void PrintPreviewSelectedCols(gfx::TCanvas& Canvas, const rtl::TRect& Displayrect);
    // The first page of the layout sized to DrawRect of any canvas: no count, no events.
    void PrintDraw(gfx::TCanvas& Canvas, const rtl::TRect& DrawRect);
    void PrintDrawRect(gfx::TCanvas& Canvas, const rtl::TRect& DrawRect, const rtl::TRect& Gridrect);
    // Negative character height in 0.1 mm of a point size, and back.
    int MapFontHeight(int pointsize) const;
    int MapFontSize(int Height) const;
    void SetPreviewPage(int Value) { FPrintPageFrom = FPrintPageTo = Value; }
    int PrintNrOfPages() const { return FPrintPageNum; }
    bool FastPrint() const { return FFastPrint; }
    void SetFastPrint(bool v) { FFastPrint = v; }
    bool IsPrintPreview() const { return FIsPrintPreview; }
    bool PrinterDriverFix() const { return FPrinterDriverFix; }
    void SetPrinterDriverFix(bool v) { FPrinterDriverFix = v; }
    double Fontscalefactor() const { return FFontscalefactor; }
    rtl::TRect PrintPageRect() const { return FPrintPageRect; }
    int PrintPageWidth() const { return FPrintPageWidth; }
    int PrintColStart() const { return FPrintColStart; }
    int PrintColEnd() const { return FPrintColEnd; }
    // Text placement shared by printing, painting and the fixed-width exports: the offset a
    // cell's text loses across (XYOffset once with XYOffsetTopLeftOnly, else twice), the most
    // lines of a row's cells, and the start of text rotated by Angle so that its rotated block
    // (extents |w cos|, |w sin|, |h cos|, |h sin|) lies in R by the alignments.
    int TotalXOffset() const;
    int TotalYOffset() const;
    int MaxLinesInRow(int ARow);
    void AlignTextRect(rtl::TRect& R, ui::TAlignment HAlign, TVAlignment VAlign, int WidthCos, int WidthSin,
                       int HeightCos, int HeightSin, int Angle);
    // Measures Text + "w" in the grid's font, shrinks R by 2 and moves its top-left corner to
    // where the text rotated by Angle starts.
    void DrawAlignedText(rtl::TRect& R, rtl::TSize& Size, TVAlignment VAlign, ui::TAlignment HAlign,
                         const std::string& Text, int Angle);

    // Spreadsheet workbooks (.xlsx read and written, .xls read), word-processor documents
    // (.docx written) and database tables (SQLite files), in platform/office.
    std::unique_ptr<rtl::TStringList> GetXLSSheets(const std::string& FileName);
    void LoadFromXLS(const std::string& Filename);
    void LoadFromXLSSheet(const std::string& Filename, const std::string& SheetName);
    void SaveToXLS(const std::string& Filename, bool CreateNewSheet = false);
    void SaveToXLSSheet(const std::string& Filename, const std::string& SheetName);
    void SaveToDOC(const std::string& Filename, bool CreateNewDocument = true);
    void AppendToDoc(const std::string& Filename, const std::string& Bookmark);
    void LoadFromMDBTable(const std::string& Filename, const std::string& Table);
    void LoadFromMDBSQL(const std::string& Filename, const std::string& SQL);
private:
    friend class TPrintCells;
    struct TPrintJob;
    struct TPrintLayout;
    void RunPrintJob(const rtl::TRect& Area, bool SelectedOnly);
    void RunPrintPreview(gfx::TCanvas& Canvas, const rtl::TRect& Displayrect, const rtl::TRect& Area,
                         bool SelectedOnly);
    int PrintEngine(TPrintJob& Job);
    void LoadXLSSheet(const std::string& Filename, const std::string* SheetName);
    void SaveXLS(const std::string& Filename, const std::string* SheetName, bool CreateNewSheet);
    void WriteDoc(const std::string& Filename, const std::string* Bookmark, bool Append);
    rtl::TRect FPrintRect{0, 0, 0, 0};
    rtl::TRect FPrevRect{0, 0, 0, 0};
    rtl::TRect FPrintPageRect{0, 0, 0, 0};
    int FPrintPageWidth = 0;
    int FPrintColStart = 0;
    int FPrintColEnd = 0;
    double FFontscalefactor = 1.0;
    bool FFastPrint = false;
    bool FIsPrintPreview = false;
    bool FPrinterDriverFix = false;
    bool FUseCacheRowHeights = false;
public:
    // (end of printing block)
public:

public:
    // ===== Cell control editors, fixed-cell editors and the next-control move =====
public:
    // Opens the edit (EDIT, PASSWORD, MASK) or the combo (COMBO) over the form control R of
    // a cell's HTML text; other control types open nothing. ACol is the real column,
    // DisplCol the displayed one.
    void ShowControlEditor(const std::string& CellText, const std::string& CtrlType, int ARow, int ACol, int DisplCol,
                           const rtl::TRect& R, const std::string& CtrlValue, const std::string& CtrlID);
    // The open control editor's text becomes the VALUE of its control tag; the editor hides
    // and OnControlEditDone fires. Nothing when no control editor is open.
    void ControlEditDone(rtl::TObject* Sender);
    // The control combo's choice: OnControlComboSelect.
    void ControlComboSelect(rtl::TObject* Sender);
    // Opens the first edit, password, mask or combo control after ControlID in the cell's
    // text (the first of the cell for an empty ID); without one the grid takes the focus.
    void EditNextCellControl(int ACol, int ARow, const std::string& ControlID);
    // Whether an edit or combo is open over a form control, and which control it edits.
    bool ControlEditing() const { return FCtrlEditing; }
    const std::string& ControlEditID() const { return FCtrlID; }
    // Places the header edit or combo over a fixed cell; FilterMode edits the filter text of
    // a filter edit cell. Nothing opens while the open one refuses its value.
    void ShowFixedCellEditor(int ACol, int ARow, bool FilterMode);
    // The fixed cell last given a fixed-cell editor (-1 before any).
    int FixedColEdit() const { return FFixedColEdit; }
    int FixedRowEdit() const { return FFixedRowEdit; }
    // Whether the last press went to a header's drop-down button.
    bool FixedDropDownDown() const { return FDropDownDown; }
private:
    // The rectangle a cell's HTML text is laid out in, as the painter lays it.
    rtl::TRect HtmlTextRect(int ACol, int ARow);
    // A press on a header's drop-down button: OnFixedDropDownClick and the menu. True when
    // the press ended there.
    bool PressFixedDropDownButton(int ACol, int ARow, int X, int Y);
    // A press on a fixed cell that opens its fixed-cell editor as MouseActions say. True
    // when an editor was asked for.
    bool PressOpensFixedCellEditor(ui::TMouseButton Button, int ACol, int ARow, int X, int Y);
    // The hover highlight of a fixed cell, repainting the old and the new one.
    void SetHoverFixedCell(int ACol, int ARow);
    bool FCtrlEditing = false;
    std::string FCtrlID;
    std::string FCtrlType;
    int FFixedColEdit = -1;
    int FFixedRowEdit = -1;
    bool FDropDownDown = false;
    // While a header's drop-down menu is open the hover highlight stays on its cell.
    bool FNoMouseLeave = false;
    // Lives as long as the grid: handlers left on other components test it before they
    // reach the grid.
    std::shared_ptr<int> FAliveToken = std::make_shared<int>(0);

public:
    // (end of cell control editors block)

public:
    // ===== Selection resizer, panning marker, touch scrolling, row sizing and row updates =====
public:
    // Cursors of the zones a press would select from: whole rows, whole columns, the whole
    // grid or the selection resizer; the cell selector.
    static constexpr ui::TCursor crRowSelect = 8010, crColumnSelect = 8011, crAllSelect = 8012, crCellSelector = 8014;
    // A selection resize is under way (from the press on the handle to the release).
    bool MouseResize() const { return FMouseResize; }
    // Kinetic scrolling after a touch flick: steps left (10 at the start, one per 10 ms tick).
    int ScrollSteps() const { return FScrollSteps; }
    // One tick of the kinetic scroll timer.
    void ScrollStepTimer();
    // Something dragged over the grid at a client point (Leaving: it left): near an edge
    // (DragScrollOptions' margins) the grid scrolls that way on a timer, first after the
    // initial delay, then at the repeat delay.
    void DragScrollOver(rtl::TPoint Point, bool Leaving);
    TDragScrollDirections DragScrollDirections() const { return FDragScrollDirections; }
    // The colour, font and alignment the current cell is painted with (the in-place
    // editor takes them).
    void CurrentCellLook(gfx::TColor& AColor, gfx::TFont& AFont, ui::TAlignment& AAlign);
protected:
    void PaintPanMarker(gfx::TCanvas& Canvas);
private:
    // The resizer handle of the selection's last cell; ForPointerCell narrows it by an
    // always-visible combo button of the cell (ACol, ARow) under the pointer.
    rtl::TRect SelectionResizerHandle(bool ForPointerCell, int ACol, int ARow);
    bool InSelectionResizer(int X, int Y);
    void StartSelectionResize(bool SetSelecting);
    void EndSelectionResize();
    void ShowZoneCursor();
    bool InFixedArea(int ACol, int ARow) const;
    void HoverFixedMove(int ACol, int ARow);
    void HoverFixedLeave();
    // The cell under the pointer in the list-view look (its header is drawn hot).
    rtl::TPoint FHotFixedCell{-1, -1};
    void StartKineticScroll(int Delta, bool Horizontal);
    void DragScrollTimer();
    void StopDragScroll();
    ui::TTimer* FDragScrollTimer = nullptr;
    TDragScrollDirections FDragScrollDirections = 0;
    bool FMouseResize = false;
    unsigned FTimeStart = 0;
    ui::TTimer* FScrollTimer = nullptr;
    int FScrollSteps = 0;
    int FScrollDelta = 0;
    bool FScrollHorizontal = false;
    bool FScrollEnd = false;
public:
    // (end of mouse extras block)

public:
    // ===== Rich edit link, rich text cells and downloads =====
public:
    // The hidden rich edit that converts, measures and renders rich-text cells, one at a
    // time; created on first use, never shown.
    TExtRichEdit& RichEdit();
    bool HasRichEdit() const { return FRichEdit != nullptr; }
    // The in-place editor of edRichEdit cells; created on first use. Its selection changes
    // fire OnRichEditSelectionChange with the grid as sender.
    TExtRichEdit& InplaceRichEdit();
    bool HasInplaceRichEdit() const { return FInplaceRichEdit != nullptr; }
    // Draws a cell's rich text into a rectangle of any canvas, indented by XYRTFOffset. On
    // the screen a selected cell's text takes SelectionTextColor (unless SelectionRTFKeep);
    // a canvas of another resolution (a printer page) scales fonts and the indent to its
    // PixelsPerInch and keeps the text's own colours. Nothing at design time.
    void RenderCellRTF(int ACol, int ARow, gfx::TCanvas& Canvas, const rtl::TRect& ARect);
    void RenderCellRTF(int ACol, int ARow, gfx::TCanvas& Canvas, const rtl::TRect& ARect, int PixelsPerInch);
    rtl::TPoint XYRTFOffset() const { return FXYRTFOffset; }
    void SetXYRTFOffset(const rtl::TPoint& Value);
    // Width and left offset of a column in the last print layout (0 before any); a column
    // outside 0 .. AllColCount - 1 raises "Columns is not in valid range".
    int PrintColWidth(int ACol) const;
    int PrintColOffset(int ACol) const;

private:
    friend class TExtRichEdit;
    bool RichCellSelected(int ACol, int ARow);
    void DrawRichCellText(TCellPaint& P, const rtl::TRect& R);
    TExtRichEdit* FRichEdit = nullptr;
    TExtRichEdit* FInplaceRichEdit = nullptr;
    std::vector<int> FPrintColWidths;
    std::vector<int> FPrintColOffsets;

public:
    // (end of rich text block)

public:
    // ===== Bulk row moves and the cell store at scale =====
public:
private:
    // Whether rows may move through the store as one block rather than row by row.
    bool RowsMoveAsBlock();



public:
    // (end of bulk rows block)
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
    // Colour of the four column-move arrows; the setter colours the arrow windows that exist.
    gfx::TColor ArrowColor() const { return FArrowColor; }
    void SetArrowColor(gfx::TColor v);
private:
    gfx::TColor FArrowColor = 0x00FF00;
public:
    TGridFocusWindow* FocusWindow() const;
};

// The cursor shown over hot items (links, cell buttons); every grid constructor sets it
// to the hand-point cursor.
ui::TCursor& HotItemCursor();

// Registers TObjStringGrid, TBaseGrid and TExtStringGrid with their published properties
// for form descriptions (once per registry).
void RegisterExtGridClasses(ui::TClassRegistry& registry);
// The grid unit's start-up at program start: the registration above in the process-wide
// registry, OLE and the focus-window hook of the calling thread.
void RegisterExtGridClasses();

}  // namespace grid
