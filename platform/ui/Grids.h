// The platform grid: TCustomGrid, the draw grid, the string grid and its in-place editor.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/GridsCells.h"
#include "platform/ui/GridsEditBase.h"

namespace ui {

class TCustomGrid;
class TClassRegistry;

// A cell position: X the column, Y the row.
struct TGridCoord {
    int X = 0;
    int Y = 0;
    bool operator==(const TGridCoord&) const = default;
};

// A cell range, inclusive on all sides (Left/Right columns, Top/Bottom rows).
using TGridRect = rtl::TRect;

// How a cell is to be painted.
enum TGridDrawStateFlag : unsigned {
    gdSelected = 1u << 0,
    gdFocused = 1u << 1,
    gdFixed = 1u << 2,
    gdRowSelected = 1u << 3,
    gdHotTrack = 1u << 4,
    gdPressed = 1u << 5,
};
using TGridDrawState = unsigned;

enum TGridOption : unsigned {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
using TGridOptions = unsigned;
constexpr TGridOptions DefaultGridOptions =
    goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;

// What a mouse drag in the grid is doing.
enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

// Layout of one axis as painting and hit testing need it (pixels along the axis).
struct TGridAxisDrawInfo {
    int EffectiveLineWidth = 0;  // width of the line after each cell
    int FixedBoundary = 0;       // end of the fixed cells
    int GridBoundary = 0;        // end of the last cell drawn (at most GridExtent)
    int GridExtent = 0;          // the client size along the axis
    int LastFullVisibleCell = 0;
    int FullVisBoundary = 0;
    int FixedCellCount = 0;
    int FirstGridCell = 0;       // LeftCol or TopRow
    int GridCellCount = 0;       // ColCount or RowCount
};

struct TGridDrawInfo {
    TGridAxisDrawInfo Horz;
    TGridAxisDrawInfo Vert;
};

// Errors of grid operations ("Grid index out of range", fixed counts too large).
class EInvalidGridOperation : public rtl::Exception {
public:
    using rtl::Exception::Exception;
};

// The in-place editor of a grid: a masked edit placed over the current cell.
class TInplaceEdit : public TGridEditBase {
public:
    explicit TInplaceEdit(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TInplaceEdit"; }
    TCustomGrid* Grid() const { return FGrid; }
    // Places the editor over a cell rectangle (grid client coordinates) and shows it.
    virtual void Move(const rtl::TRect& Loc);
    // Reads the current cell's text, mask and limit from the grid.
    virtual void UpdateContents();
    void Deselect();
    void Hide();
    void SetFocus() override;
    // The text the editor held when it was last filled from the grid.
    const std::string& OriginalText() const { return FOriginal; }

protected:
    friend class TCustomGrid;
    void WndProc(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void Change() override;
    void DoExit() override;
    bool CharAllowed(char32_t ch) const override;
    void SetGrid(TCustomGrid* value) { FGrid = value; }

private:
    TCustomGrid* FGrid = nullptr;
    std::string FOriginal;
    bool FFilling = false;
};

// The grid engine: geometry of fixed and scrollable cells, current cell and selection,
// painting through DrawCell, keyboard and mouse navigation, sizing and moving of columns
// and rows, scrolling and the in-place editor. It stores no cells.
class TCustomGrid : public TCustomControl {
public:
    explicit TCustomGrid(rtl::TComponent* AOwner);
    ~TCustomGrid() override;
    std::string ClassName() const override { return "TCustomGrid"; }

    // --- dimensions ---
    int ColCount() const { return FColWidths.Count(); }
    void SetColCount(int value);
    int RowCount() const { return FRowHeights.Count(); }
    void SetRowCount(int value);
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int value);
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int value);

    // --- sizes ---
    int DefaultColWidth() const { return FColWidths.Default(); }
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return FRowHeights.Default(); }
    void SetDefaultRowHeight(int value);
    int ColWidths(int index) const;
    void SetColWidths(int index, int value);
    int RowHeights(int index) const;
    void SetRowHeights(int index, int value);
    // Scales the control, the default sizes and every column width and row height by M / D.
    void ChangeScale(int M, int D) override;
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int value);
    // Whole width and height of the grid's cells and lines.
    long long GridWidth() const;
    long long GridHeight() const;

    // --- behaviour and look ---
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions value);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    gfx::TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(gfx::TColor value);
    gfx::TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(gfx::TColor value);

    // --- current cell, selection and scrolling ---
    int Col() const { return FCurrent.X; }
    void SetCol(int value);
    int Row() const { return FCurrent.Y; }
    void SetRow(int value);
    TGridRect Selection() const;
    void SetSelection(const TGridRect& value);
    int TopRow() const { return FTopLeft.Y; }
    void SetTopRow(int value);
    int LeftCol() const { return FTopLeft.X; }
    void SetLeftCol(int value);
    int VisibleColCount() const;
    int VisibleRowCount() const;
    // Makes (ACol, ARow) current; the anchor follows when MoveAnchor (or without range
    // selection); Show scrolls it into view. SelectCell may veto.
    void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
    TGridState GridState() const { return FGridState; }

    // --- geometry ---
    // The cell's rectangle in client coordinates; empty when it is not visible.
    rtl::TRect CellRect(int ACol, int ARow) const;
    // The visible part of a cell range, in client coordinates.
    rtl::TRect BoxRect(int ALeft, int ATop, int ARight, int ABottom) const;
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    TGridCoord MouseCoord(int X, int Y) const;
    void CalcDrawInfo(TGridDrawInfo& DrawInfo) const;
    void CalcFixedInfo(TGridDrawInfo& DrawInfo) const;
    rtl::TRect ClientRect() const override;

    // --- editing ---
    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool value);
    TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }

    // --- messages: dialog codes, scroll bars, focus changes ---
    void WndProc(TMessage& Message) override;

    // --- repainting ---
    void InvalidateCell(int ACol, int ARow);
    void InvalidateCol(int ACol);
    void InvalidateRow(int ARow);
    void InvalidateGrid() { Invalidate(); }

protected:
    friend class TInplaceEdit;

    // --- overridable operations ---
    virtual void DrawCell(int ACol, int ARow, const rtl::TRect& ARect, TGridDrawState AState) = 0;
    void Paint() override;
    // Asked before the current cell moves; false keeps it where it is.
    virtual bool SelectCell(int ACol, int ARow);
    virtual void TopLeftChanged();
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    virtual void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                                 TGridDrawInfo& FixedInfo);
    virtual void DeleteColumn(int ACol);
    virtual void DeleteRow(int ARow);
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    // The Count rows at FromIndex move as one block to start at ToIndex, with their heights:
    // the result of moving them one by one, without a move event per row.
    void MoveRows(int FromIndex, int Count, int ToIndex);
    // Count rows from ARow leave the grid as one block; the rows below move up.
    virtual void DeleteRows(int ARow, int Count);
    // The cells of a row block moved by MoveRows follow it (nothing to move in this class).
    virtual void RowsMoved(int FromIndex, int Count, int ToIndex);
    // Client rectangle the grid lays its cells out in (the whole client area by default).
    virtual rtl::TRect GetClientRect() const;

    // --- editing hooks ---
    virtual std::string GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const std::string& Value);
    virtual std::string GetEditMask(int ACol, int ARow);
    virtual int GetEditLimit();
    virtual TInplaceEdit* CreateEditor();
    virtual bool CanEditShow();
    virtual bool CanEditModify();
    virtual bool CanEditAcceptKey(char32_t Key);
    void ShowEditor();
    void ShowEditorChar(char32_t Ch);
    void HideEditor();
    // Stores the editor's text in the cell (SetEditText) when it changed.
    void UpdateText();
    void InvalidateEditor();
    void UpdateEdit();

    // --- input ---
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, rtl::TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, rtl::TPoint MousePos) override;
    void Resize() override;

    // --- state shared with descendants ---
    TGridCoord FCurrent{1, 1};
    TGridCoord FAnchor{1, 1};
    TGridCoord FTopLeft{1, 1};
    TGridState FGridState = gsNormal;
    int FSizingIndex = 0;
    int FSizingPos = 0;
    int FSizingOfs = 0;
    int FMoveIndex = 0;
    int FMovePos = 0;
    TInplaceEdit* FInplaceEdit = nullptr;
    bool FEditorMode = false;

private:
    // Geometry helpers (GridsScroll.cpp)
    int LineWidthX() const;
    int LineWidthY() const;
    int FixedWidth() const;
    int FixedHeight() const;
    // Client x of the left edge of a column (visible or not, scrolled by LeftCol).
    long long ColLeft(int ACol) const;
    long long RowTop(int ARow) const;
    int ColumnAt(int X) const;
    int RowAt(int Y) const;
    TGridCoord MaxTopLeft() const;
    void ClampTopLeft();
    void ClampTopLeftNoScroll();
    void SetTopLeft(int ALeft, int ATop);
    void ScrollIntoView(int ACol, int ARow);
    void UpdateScrollRange();
    void ScrollMessage(TMessage& Message, int bar);
    void InvalidateSelectionChange(const TGridRect& oldSel);
    void ClampCurrent();
    // Setters shared by columns and rows: `sizes` is the axis, `fixed` its fixed count.
    void SetAxisCount(TGridAxisSizes& sizes, int& fixed, int value);
    static void ScaleAxis(TGridAxisSizes& sizes, int M, int D);
    void SetAxisFixed(int& fixed, int count, const char* tooBig, int value);
    void LayoutChanged();
    void MoveRelative(int dx, int dy, bool extend);

    // Painting (GridsPaint.cpp)
    void PaintCells(gfx::TCanvas& canvas, const rtl::TRect& clip);
    TGridDrawState CellState(int ACol, int ARow) const;

    // Mouse helpers (GridsMouse.cpp)
    void FinishDrag(int X, int Y);
    TGridCoord ClampedCellAt(int X, int Y) const;
    void ShowSizingCursor(int X, int Y);

    TGridAxisSizes FColWidths;
    TGridAxisSizes FRowHeights;
    int FFixedCols = 1;
    int FFixedRows = 1;
    int FGridLineWidth = 1;
    TGridOptions FOptions = DefaultGridOptions;
    bool FDefaultDrawing = true;
    TScrollStyle FScrollBars = ssBoth;
    TFormBorderStyle FBorderStyle = bsSingle;
    gfx::TColor FFixedColor = gfx::clBtnFace;
    gfx::TColor FGridLineColor = gfx::clSilver;
    bool FUpdatingScroll = false;
    bool FEditorShowing = false;
    bool FClickedCurrent = false;   // the press was on the current cell of a focused grid
    int FInplaceCol = -1;           // the cell the editor was filled from
    int FInplaceRow = -1;
};

class TCustomDrawGrid;
using TDrawCellEvent = std::function<void(rtl::TObject* Sender, int ACol, int ARow, const rtl::TRect& Rect,
                                          TGridDrawState State)>;
using TSelectCellEvent = std::function<void(rtl::TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TGetEditEvent = std::function<void(rtl::TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TSetEditEvent = std::function<void(rtl::TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TMovedEvent = std::function<void(rtl::TObject* Sender, int FromIndex, int ToIndex)>;

// A grid whose cells the program paints (OnDrawCell), with events for every hook.
class TCustomDrawGrid : public TCustomGrid {
public:
    explicit TCustomDrawGrid(rtl::TComponent* AOwner) : TCustomGrid(AOwner) {}
    std::string ClassName() const override { return "TCustomDrawGrid"; }
    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;
    TGetEditEvent OnGetEditMask;
    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;
    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;
    TNotifyEvent OnTopLeftChanged;

protected:
    void DrawCell(int ACol, int ARow, const rtl::TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void TopLeftChanged() override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    std::string GetEditMask(int ACol, int ARow) override;
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
};

class TDrawGrid : public TCustomDrawGrid {
public:
    explicit TDrawGrid(rtl::TComponent* AOwner) : TCustomDrawGrid(AOwner) {}
    std::string ClassName() const override { return "TDrawGrid"; }
};

class TStringGrid;

// One row or one column of a string grid as a string list: each line is a cell.
class TStringGridStrings : public rtl::TStrings {
public:
    TStringGridStrings(TStringGrid* grid, bool isRow, int index) : FGrid(grid), FIsRow(isRow), FIndex(index) {}
    std::string ClassName() const override { return "TStringGridStrings"; }
    std::string Get(int index) const override;
    int GetCount() const override;
    void Put(int index, const std::string& s) override;
    rtl::TObject* GetObject(int index) const override;
    void PutObject(int index, rtl::TObject* object) override;
    // Puts the text into the first empty cell of the line.
    int Add(const std::string& s) override;
    int AddObject(const std::string& s, rtl::TObject* object) override;
    // The grid's lines have a fixed length: inserting puts, deleting empties.
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;

private:
    int CellCol(int index) const { return FIsRow ? index : FIndex; }
    int CellRow(int index) const { return FIsRow ? FIndex : index; }
    TStringGrid* FGrid;
    bool FIsRow;
    int FIndex;
};

// A grid that keeps a text and an object for every cell in a sparse store.
class TStringGrid : public TCustomDrawGrid {
public:
    explicit TStringGrid(rtl::TComponent* AOwner);
    ~TStringGrid() override;
    std::string ClassName() const override { return "TStringGrid"; }

    // --- cells ---
    std::string Cells(int ACol, int ARow) const { return FCells.Text(ACol, ARow); }
    const std::string& CellText(int ACol, int ARow) const { return FCells.Text(ACol, ARow); }
    // The filled cells of a column in rows AFrom..ATo, in order: f(row, text, object).
    template <typename F>
    void ScanColumnCells(int ACol, int AFrom, int ATo, F&& f) const { FCells.ScanColumn(ACol, AFrom, ATo, f); }
    void SetCells(int ACol, int ARow, const std::string& Value);
    rtl::TObject* Objects(int ACol, int ARow) const { return FCells.Object(ACol, ARow); }
    void SetObjects(int ACol, int ARow, rtl::TObject* Value);
    // Row ALeft + k receives every cell (text and object) of the old row AOrder[k]; AOrder
    // holds each row of the range once. Whole rows move; the grid repaints once.
    void PermuteRowCells(int ALeft, const std::vector<int>& AOrder);
    // Row ARow and column ACol as string lists (views; each change goes to the cells).
    rtl::TStrings& Rows(int ARow);
    rtl::TStrings& Cols(int ACol);
    void SetRows(int ARow, const rtl::TStrings& Value) { Rows(ARow).Assign(&Value); }
    void SetCols(int ACol, const rtl::TStrings& Value) { Cols(ACol).Assign(&Value); }
    const TGridCellStore& CellStore() const { return FCells; }

protected:
    void DrawCell(int ACol, int ARow, const rtl::TRect& ARect, TGridDrawState AState) override;
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void DeleteColumn(int ACol) override;
    void DeleteRow(int ARow) override;
    void DeleteRows(int ARow, int Count) override;
    void RowsMoved(int FromIndex, int Count, int ToIndex) override;

private:
    TGridCellStore FCells;
    std::unordered_map<int, std::unique_ptr<TStringGridStrings>> FRowViews;
    std::unordered_map<int, std::unique_ptr<TStringGridStrings>> FColViews;
    bool FEditUpdate = false;
};

// Registers TDrawGrid and TStringGrid with their published properties (once per registry).
void RegisterGridClasses(TClassRegistry& registry);
void RegisterGridClasses();

}  // namespace ui
