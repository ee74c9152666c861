// Base grid: per-cell property objects in the string grid's object slots, merged cells and the cell accessors.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "grid/core/ExtObj.h"
#include "grid/core/GridEvents.h"
#include "grid/core/GridEventsHooks.h"
#include "grid/core/GridTypes.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/Region.h"
#include "platform/rtl/Types.h"

namespace gfx {
class TCanvas;
}
namespace ui {
class TControl;
}

namespace grid {

class TBaseGrid;
class TExtGridUndoRedo;

// Colour meaning "no colour" in the grid family.
constexpr gfx::TColor clGridNone = 0x1FFFFFFF;

// The property object of one cell, kept in the cell's object slot and owned by the grid.
//
// Merge encoding: a cell outside any block has IsBaseCell true and both spans -1; the base
// (top-left) cell of a block w x h has spans (w - 1, h - 1); every other member has
// IsBaseCell false and spans equal to its non-negative distance from the base cell.
class TCellProperties : public rtl::TPersistent {
public:
    TCellProperties(TBaseGrid* AOwner, int ACol, int ARow);
    ~TCellProperties() override;
    TCellProperties(const TCellProperties&) = delete;
    TCellProperties& operator=(const TCellProperties&) = delete;
    std::string ClassName() const override { return "TCellProperties"; }

    // Copies from another TCellProperties only (any other source is ignored): everything
    // but the owner grid, graphic, BrushColorTo, GradientDirection, paint pass, CalcType
    // and CalcObject.
    void Assign(const rtl::TPersistent* Source) override;

    // The base cell of the block this cell belongs to (the cell itself when unmerged).
    rtl::TPoint GetBaseCell() const;
    // The base cell of this object's block as seen from the cell (ACol, ARow) that
    // holds it. The grid asks with the cell's own position: the recorded owner
    // position goes stale when rows or columns are moved, inserted or deleted, and
    // a cell must never show another cell's text because of that.
    rtl::TPoint BaseCellAt(int ACol, int ARow) const;

    TBaseGrid* OwnerGrid() const { return FOwnerGrid; }
    int OwnerCol() const { return FOwnerCol; }
    void SetOwnerCol(int v) { FOwnerCol = v; }
    // The row of the cell holding the object, brought up to date with the rows the grid has
    // inserted and removed since it was last set.
    int OwnerRow() const;
    void SetOwnerRow(int v);

    // --- merge encoding
    bool IsBaseCell() const { return FIsBaseCell; }
    void SetIsBaseCell(bool v) { FIsBaseCell = v; }
    int CellSpanX() const { return FCellSpanX; }
    void SetCellSpanX(int v) { FCellSpanX = v; }
    // The effective row span: 0 while MergeCollaps is set.
    int CellSpanY() const { return FMergeCollaps ? 0 : FCellSpanY; }
    void SetCellSpanY(int v) { FCellSpanY = v; }
    bool MergeCollaps() const { return FMergeCollaps; }
    void SetMergeCollaps(bool v) { FMergeCollaps = v; }

    // --- objects held for the cell (neither is owned by the property object itself)
    // The caller's object or value (Objects[]).
    std::uintptr_t CellObject() const { return FObject; }
    void SetCellObject(std::uintptr_t v) { FObject = v; }
    rtl::TObject* GraphicObject() const { return FGraphicObject; }
    void SetGraphicObject(rtl::TObject* v) { FGraphicObject = v; }
    ui::TControl* Control() const { return FControl; }
    void SetControl(ui::TControl* v) { FControl = v; }
    rtl::TObject* CalcObject() const { return FCalcObject; }
    void SetCalcObject(rtl::TObject* v) { FCalcObject = v; }

    // --- look (the brush-colour, vertical-alignment and word-wrap setters repaint the cell)
    gfx::TBrushStyle BrushStyle() const { return static_cast<gfx::TBrushStyle>(FBrushStyle); }
    void SetBrushStyle(gfx::TBrushStyle v) { FBrushStyle = static_cast<std::uint8_t>(v); }
    gfx::TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(gfx::TColor v);
    gfx::TColor BrushColorTo() const { return FBrushColorTo; }
    void SetBrushColorTo(gfx::TColor v);
    TCellGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TCellGradientDirection v) { FGradientDirection = v; }
    // Font height in the platform's convention (negative: character height); 0 = not set.
    int FontSize() const { return FFontHeight; }
    void SetFontSize(int v) { FFontHeight = v; }
    gfx::TColor FontColor() const { return FFontColor; }
    void SetFontColor(gfx::TColor v) { FFontColor = v; }
    gfx::TFontStyles FontStyle() const { return FFontStyle; }
    void SetFontStyle(gfx::TFontStyles v) { FFontStyle = v; }
    const std::string& FontName() const { return FFontName; }
    void SetFontName(const std::string& v) { FFontName = v; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int v) { FBorderWidth = v; }
    gfx::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(gfx::TColor v) { FBorderColor = v; }
    ui::TAlignment Alignment() const { return static_cast<ui::TAlignment>(FAlignment); }
    void SetAlignment(ui::TAlignment v) { FAlignment = static_cast<std::uint8_t>(v); }
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);

    // --- behaviour
    TEditorType Editor() const { return FEditor; }
    void SetEditor(TEditorType v) { FEditor = v; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v) { FReadOnly = v; }
    int NodeLevel() const { return FNodeLevel; }
    void SetNodeLevel(int v) { FNodeLevel = v; }
    TColumnCalcType CalcType() const { return FCalcType; }
    void SetCalcType(TColumnCalcType v) { FCalcType = v; }
    // Paint pass in which the merged block of this cell was last painted.
    int PaintID() const { return FPaintID; }
    void SetPaintID(int v) { FPaintID = v; }

private:
    friend class TBaseGrid;
    void RepaintOwnerCell();

    TBaseGrid* FOwnerGrid;
    rtl::TObject* FGraphicObject = nullptr;
    ui::TControl* FControl = nullptr;
    rtl::TObject* FCalcObject = nullptr;
    std::uintptr_t FObject = 0;
    std::string FFontName;
    int FOwnerCol;
    mutable int FOwnerRow;
    // Position in the owner grid's row-shift sequence at which FOwnerRow was right.
    mutable std::uint32_t FOwnerRowStamp = 0;
    gfx::TColor FBrushColor = clGridNone;
    gfx::TColor FBrushColorTo = clGridNone;
    int FFontHeight = 0;
    gfx::TColor FFontColor = clGridNone;
    int FCellSpanY = -1;
    int FCellSpanX = -1;
    int FBorderWidth = 0;
    gfx::TColor FBorderColor = 0;
    int FPaintID = 0;
    int FNodeLevel = 0;
    // Enumerations in one byte each and flags in bits: a grid may hold millions of these
    // objects, and this keeps one within a 144-byte heap block.
    std::uint8_t FBrushStyle = gfx::bsSolid;
    gfx::TFontStyles FFontStyle;
    std::uint8_t FAlignment = ui::taLeftJustify;
    TVAlignment FVAlignment = vtaTop;
    TColumnCalcType FCalcType = acNONE;
    TEditorType FEditor = edNormal;
    TCellGradientDirection FGradientDirection = GradientVertical;
    bool FWordWrap : 1 = true;
    bool FIsBaseCell : 1 = true;
    bool FReadOnly : 1 = false;
    bool FMergeCollaps : 1 = false;
};

// The base of the string grid: every cell's object slot holds nothing or that cell's
// TCellProperties, owned by the grid. All indices are real (storage) column indices.
class TBaseGrid : public TObjStringGrid {
public:
    explicit TBaseGrid(rtl::TComponent* AOwner);
    ~TBaseGrid() override;
    std::string ClassName() const override { return "TBaseGrid"; }

    // --- cell text
    // The text as the grid shows it: at the base cell of a merged block, through the
    // display-text hooks for rows below FNormalRowCount.
    std::string GetCellEx(int c, int r);
    void SetCellEx(int c, int r, const std::string& Value);
    std::string Cells(int c, int r) { return GetCellEx(c, r); }
    void SetCells(int c, int r, const std::string& Value) { SetCellEx(c, r, Value); }
    // The raw text of exactly that cell: no redirection, hook, repaint or notification.
    std::string GetGridCell(int c, int r) const { return TStringGrid::Cells(c, r); }
    void SetGridCell(int c, int r, const std::string& Value);
    std::string GridCells(int c, int r) const { return GetGridCell(c, r); }
    void SetGridCells(int c, int r, const std::string& Value) { SetGridCell(c, r, Value); }

    // --- cell objects
    // The property object of the cell, created from the grid's defaults when missing.
    TCellProperties* GetCellProperties(int c, int r);
    // Frees what the slot holds and stores Value (owner cell of Value not adjusted).
    void SetCellProperties(int c, int r, TCellProperties* Value);
    TCellProperties* CellProperties(int c, int r) { return GetCellProperties(c, r); }
    // 0 <= c < TotalColCount, r >= 0 and the slot holds an object; never creates one.
    bool HasCellProperties(int c, int r) const;
    // Raw slot access: neither frees nor creates.
    TCellProperties* GetCellPropsDirect(int c, int r) const;
    void SetCellPropsDirect(int c, int r, TCellProperties* Value);
    static rtl::TObject* CellPropsGraphic(const TCellProperties* P) { return P != nullptr ? P->GraphicObject() : nullptr; }
    TCellProperties* CreateCellProperties(int c, int r);

    // The caller's object kept in the property object (never freed by the grid).
    rtl::TObject* GetObjectEx(int c, int r) const;
    void SetObjectEx(int c, int r, rtl::TObject* Value);
    rtl::TObject* Objects(int c, int r) const { return GetObjectEx(c, r); }
    void SetObjects(int c, int r, rtl::TObject* Value) { SetObjectEx(c, r, Value); }
    // The cell graphic kept in the property object.
    rtl::TObject* GetGraphicObjectEx(int c, int r) const;
    void SetGraphicObjectEx(int c, int r, rtl::TObject* Value);
    rtl::TObject* GraphicObjects(int c, int r) const { return GetGraphicObjectEx(c, r); }
    void SetGraphicObjects(int c, int r, rtl::TObject* Value) { SetGraphicObjectEx(c, r, Value); }
    // Whether the grid owns a cell graphic: only graphics of class exactly TCellGraphic.
    static bool IsGridOwnedGraphic(const rtl::TObject* Graphic);

    // --- freeing and wiping
    // Frees the property objects of the rectangle (with a TCellGraphic held there).
    void FreeCellProperties(int ACol1, int ARow1, int ACol2, int ARow2);
    // Frees the cell's property object (not its graphic) and empties the slot.
    void FreeCellPropertiesAt(int c, int r);
    void FreeAllCellProperties();
    // Empty the slots (without freeing) and the texts of a column, a row or one cell.
    void WipeCol(int ACol);
    void WipeRow(int ARow);
    void WipeCell(int ACol, int ARow);

    // --- merged cells
    virtual void MergeCells(int c, int r, int spanx, int spany);
    virtual void SplitCells(int c, int r);
    bool IsMergedCell(int ACol, int ARow) const;
    bool IsMergedNonBaseCell(int ACol, int ARow) const;
    bool IsXMergedCell(int ACol, int ARow) const;
    bool IsYMergedCell(int ACol, int ARow) const;
    bool IsBaseCell(int ACol, int ARow) const;
    rtl::TPoint BaseCell(int ACol, int ARow) const;
    bool GetBaseCellPos(int ACol, int ARow, int& BaseCol, int& BaseRow) const;
    rtl::TPoint CellSpan(int ACol, int ARow) const;
    rtl::TPoint CellExt(int ACol, int ARow) const;
    rtl::TRect FullCell(int c, int r) const;
    int MinRowSpan(int ARow) const;
    int MaxRowSpan(int ARow) const;
    bool RowSpanIdentical(int ARow1, int ARow2) const;
    bool ColSpanIdentical(int ACol1, int ACol2) const;
    int MergeCount() const { return FMergeCount; }

    // Repaints a cell (a merged block as a whole), and the visible part of a cell range.
    void RepaintCell(int c, int r);
    void RepaintRect(const rtl::TRect& cells);

    // --- geometry (c is a display column)
    // The screen rectangle of a cell, of the whole block for a merged cell.
    rtl::TRect CellRect(int c, int r);
    // The rectangle from column widths and row heights alone, also for cells out of view.
    rtl::TRect CalcCellRect(int c, int r);
    // Width and height of the cell or of its whole block.
    rtl::TPoint CellSize(int c, int r);
    int FixedColsWidth() const;
    int FixedRowsHeight() const;

    // --- painting
    // Paints a cell completely (background, selection, lines, content) on any canvas.
    void PaintCell(gfx::TCanvas& ACanvas, int ACol, int ARow, const rtl::TRect& ARect, ui::TGridDrawState AState);
    // Background and lines only, in the rectangle given.
    void PaintCellExt(gfx::TCanvas& ACanvas, int ACol, int ARow, const rtl::TRect& ARect,
                      ui::TGridDrawState AState);
    void DrawGridCell(gfx::TCanvas& ACanvas, int ACol, int ARow, rtl::TRect ARect, ui::TGridDrawState AState,
                      bool Full);
    bool HideLastRow() const { return FHideLastRow; }
    void SetHideLastRow(bool v);

    // --- merged-cell navigation
    // Moves the current cell to the base cell of its block.
    void MoveToBaseCell();
    void RepaintMergedFixedCols();
    void RepaintMergedFixedRows();

    // --- virtual operations the string grid overrides
    virtual bool IsFixed(int ACol, int ARow);
    virtual int GetNodeIndent(int ARow);
    virtual bool HasNodes();
    virtual bool IsNode(int ARow) = 0;
    virtual bool IsSummary(int ARow) = 0;
    virtual void DrawCellContents(gfx::TCanvas& ACanvas, int ACol, int ARow, const rtl::TRect& ARect,
                                  ui::TGridDrawState AState);
    virtual void FooterRowChanged();
    virtual bool CellHasCheckBox(int ACol, int ARow) = 0;
    virtual void SetCheckBoxValue(int ACol, int ARow, const std::string& Value) = 0;
    virtual void GetDisplText(int ACol, int ARow, std::string& Value);
    virtual void GetDisplWideText(int ACol, int ARow, std::string& Value);
    virtual void GetDefaultCellProperties(int ACol, int ARow, gfx::TFont& AFont, gfx::TBrush& ABrush,
                                          gfx::TColor& ColorTo, gfx::TColor& MirrorColor,
                                          gfx::TColor& MirrorColorTo, ui::TAlignment& HAlign,
                                          TVAlignment& VAlign, bool& WordWrap,
                                          TCellGradientDirection& GradientDirection);
    virtual ui::TAlignment GetDefaultAlignment();
    virtual void UpdateAutoRangeScroll(int ACol, int ARow);
    virtual bool HasCellBorderEvent();
    virtual bool GetUseVCLStyles();
    virtual void GetVisualProperties(int ACol, int ARow, ui::TGridDrawState& AState, bool Print, bool Select,
                                     bool Remap, gfx::TBrush& ABrush, gfx::TColor& AColorTo,
                                     gfx::TColor& AMirrorColor, gfx::TColor& AMirrorColorTo, gfx::TFont& AFont,
                                     ui::TAlignment& HA, TVAlignment& VA, bool& WW,
                                     TCellGradientDirection& GD);
    virtual int RealColIndex(int ACol);
    virtual int DisplColIndex(int ACol);
    virtual int TotalColCount() const;

    // --- published settings
    bool ActiveRowShow() const { return FActiveRowShow; }
    void SetActiveRowShow(bool v);
    gfx::TColor ActiveRowColor() const { return FActiveRowColor; }
    void SetActiveRowColor(gfx::TColor v);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    // Stored here; the platform grid never draws cells itself.
    void SetDefaultDrawing(bool v);
    int GridLineWidth() const { return FGridLineWidth; }
    // Stored here; the platform grid's own line width stays 0 (the grid draws its lines).
    void SetGridLineWidth(int v);
    gfx::TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(gfx::TColor v);
    gfx::TColor GridFixedLineColor() const { return FGridFixedLineColor; }
    void SetGridFixedLineColor(gfx::TColor v);
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool v) { FHoverRow = v; }
    gfx::TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(gfx::TColor v) { FHoverRowColor = v; }
    gfx::TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(gfx::TColor v) { FHoverRowColorTo = v; }
    THoverRowCells HoverRowCells() const { return FHoverRowCells; }
    void SetHoverRowCells(THoverRowCells v) { FHoverRowCells = v; }
    TExtGridUndoRedo* UndoRedo() const { return FUndoRedo; }
    // Links the undo component (not owned) and points the component at this grid.
    void SetUndoRedo(TExtGridUndoRedo* v);
    TGetDisplTextEvent OnGetDisplText;
    TGetDisplWideTextEvent OnGetDisplWideText;

    // --- public settings
    TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
    void SetSelectionStyle(TGridSelectionStyle v);
    gfx::TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
    void SetActiveRowColorTo(gfx::TColor v);
    gfx::TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
    void SetActiveRowMirrorColor(gfx::TColor v);
    gfx::TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
    void SetActiveRowMirrorColorTo(gfx::TColor v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v) { FWordWrap = v; }
    bool HasCellProps() const { return FHasCellProps; }
    int NormalRowCount() const { return FNormalRowCount; }

    // --- owner rows of property objects
    // Rows at or after From move by Delta (positive: rows inserted before From; negative:
    // the -Delta rows before From removed). The property objects there learn their new row
    // when next asked, so that a row operation never visits the rows it does not touch.
    void ShiftOwnerRows(int From, int Delta);
    // The row now of an object that was at Row at position Stamp of the shift sequence.
    int CurrentOwnerRow(int Row, std::uint32_t Stamp) const;
    std::uint32_t OwnerRowStamp() const { return FRowShiftBase + static_cast<std::uint32_t>(FRowShifts.size()); }
    int PaintID() const { return FPaintID; }

protected:
    friend class TCellProperties;
    // --- painting and navigation overrides of the platform grid
    void DrawCell(int ACol, int ARow, const rtl::TRect& ARect, ui::TGridDrawState AState) override;
    void Paint() override;
    bool SelectCell(int ACol, int ARow) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    bool DoMouseWheelDown(ui::TShiftState Shift, rtl::TPoint MousePos) override;
    bool DoMouseWheelUp(ui::TShiftState Shift, rtl::TPoint MousePos) override;
    void TopLeftChanged() override;
    // The brush, second colour and font a cell starts from before GetVisualProperties:
    // the grid's colour (fixed colour for fixed cells) and font.
    virtual void InitCellLook(int ACol, int ARow, ui::TGridDrawState AState, gfx::TBrush& ABrush,
                              gfx::TColor& AColorTo, gfx::TFont& AFont);
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;
    // The platform grid drops a deleted row's or column's cells; the property objects the
    // grid owns there are freed first.
    void DeleteRow(int ARow) override;
    void DeleteColumn(int ACol) override;

    bool FDefaultDrawing = false;
    int FGridLineWidth = 1;
    gfx::TColor FGridLineColor = 0xC0C0C0;
    gfx::TColor FGridFixedLineColor = 0x808080;
    int FPaintID = 1;
    bool FHideLastRow = false;
    int FNormalRowCount = 0;
    TExtGridUndoRedo* FUndoRedo = nullptr;
    bool FWordWrap = true;
    bool FActiveRowShow = false;
    gfx::TColor FActiveRowColor = 0xFF000018;
    gfx::TColor FActiveRowColorTo = clGridNone;
    gfx::TColor FActiveRowMirrorColor = clGridNone;
    gfx::TColor FActiveRowMirrorColorTo = clGridNone;
    TGridSelectionStyle FSelectionStyle = ssDefault;
    std::unique_ptr<gfx::TFont> FDefFont;
    std::unique_ptr<gfx::TBrush> FDefBrush;
    int FHoverRowIdx = -1;
    bool FHoverRow = false;
    THoverRowCells FHoverRowCells{hcNormal, hcSelected};
    gfx::TColor FHoverRowColor = 0xFF000018;
    gfx::TColor FHoverRowColorTo = clGridNone;
    bool FShowSel = true;
    bool FHasCellProps = false;
    int FMergeCount = 0;
    bool FEditCellSet = false;

    // One past the largest column whose slot may hold a property object.
    int SlotColExtent() const { return FSlotColExtent; }
    // Records that a slot at column c may hold a property object.
    void NoteSlotCol(int c) { if (c >= FSlotColExtent) FSlotColExtent = c + 1; }

private:
    // One past the largest column whose slot this grid has written; with the store's row
    // extent it bounds the cells destruction must visit (cells beyond ColCount and RowCount
    // survive shrinks and hidden columns live there).
    int FSlotColExtent = 0;
    // The clip of the paint pass running on the grid's own canvas (a merged block paints
    // over all of its cells, not only the one the platform clipped to).
    bool FPainting = false;
    gfx::TRegion FPaintRegion;  // logical coordinates
    // Whether the grid has nodes, asked at most once per paint pass (-1: not yet).
    int FPaintHasNodes = -1;
    bool PaintHasNodes();
    void DrawCellBackground(gfx::TCanvas& ACanvas, int ACol, const rtl::TRect& ARect, ui::TGridDrawState AState,
                            gfx::TColor ColorTo, gfx::TColor MirrorColor, gfx::TColor MirrorColorTo,
                            TCellGradientDirection GD);
    void DrawCellLines(gfx::TCanvas& ACanvas, int ACol, int ARow, const rtl::TRect& ARect, bool fixed);
    void CheckMergeRange(const char* operation, int c, int r, int spanx, int spany) const;
    void FreeSlotObject(int c, int r, bool withGraphic);
    // Every property object from the first shifted row down told its row at once, and the
    // shift sequence emptied: it runs when the sequence has grown with the grid's size, so
    // its cost per row operation stays the same at any size.
    void StampAllOwnerRows();

    struct TRowShift {
        int From;
        int Delta;
    };
    std::vector<TRowShift> FRowShifts;
    std::uint32_t FRowShiftBase = 0;
    int FRowShiftLow = 0;  // the first row any shift of the sequence touched
};

}  // namespace grid
