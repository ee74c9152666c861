// The string grid's own answers to the base grid's questions about fixed cells.
#include "grid/core/ExtGrid.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/Grids.h"

namespace grid {

// A cell is fixed when its base cell lies in the fixed footer rows or the fixed right
// columns, or when the fixed-cell hook (fixed rows and columns, OnIsFixedCell) says so.
bool TExtStringGrid::IsFixed(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0) return false;
    const rtl::TPoint base = BaseCell(ACol, ARow);
    if (FixedFooters() > 0 && base.Y >= RowCount() - FixedFooters()) return true;
    if (FixedRightCols() > 0 && base.X >= ColCount() - FixedRightCols()) return true;
    bool fixed = false;
    IsFixedCell(base.Y, base.X, fixed);
    return fixed;
}

}  // namespace grid

namespace grid {

// ----- Cell values

bool TExtStringGrid::HasAlignmentOverride(int, int) { return static_cast<bool>(OnGetAlignment); }

void TExtStringGrid::ClickCell(int ARow, int ACol)
{
    if (OnClickCell) OnClickCell(this, ARow, ACol);
}

void TExtStringGrid::GetFloatFormat(int ACol, int ARow, bool& IsFloat, std::string& FloatFormat)
{
    FloatFormat = FFloatFormat;
    if (OnGetFloatFormat) OnGetFloatFormat(this, ACol, ARow, IsFloat, FloatFormat);
}

std::string TExtStringGrid::GetCellValue(int ACol, int ARow) { return Cells(ACol, ARow); }

// The loaded text, as the handler may have changed it, is stored raw: no display hooks.
void TExtStringGrid::LoadCell(int ACol, int ARow, std::string& Value)
{
    if (OnLoadCell) OnLoadCell(this, ACol, ARow, Value);
    SetGridCell(ACol, ARow, Value);
}

void TExtStringGrid::SaveCell(int ACol, int ARow, std::string& Value)
{
    if (OnSaveCell) OnSaveCell(this, ACol, ARow, Value);
}

void TExtStringGrid::ValidateCell(int ACol, int ARow, std::string& Value, bool& Valid)
{
    if (OnCellValidate) OnCellValidate(this, ACol, ARow, Value, Valid);
}

void TExtStringGrid::ValidateCellWide(int ACol, int ARow, std::string& Value, bool& Valid)
{
    if (OnCellValidateWide) OnCellValidateWide(this, ACol, ARow, Value, Valid);
}

void TExtStringGrid::SetCurrentEditText(const std::string& Value)
{
    if (EditorMode() && InplaceEditor() != nullptr) InplaceEditor()->SetText(Value);
}

void TExtStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    for (int r = ARow1; r <= ARow2; ++r) {
        for (int c = ACol1; c <= ACol2; ++c) {
            const std::string text = ui::TStringGrid::Cells(c, r);
            const std::string trimmed = rtl::Trim(text);
            if (trimmed != text) SetCells(c, r, trimmed);
        }
    }
}

void TExtStringGrid::GotoFirstRow()
{
    if (RowCount() > FixedRows()) SetRow(FixedRows());
}

void TExtStringGrid::FocusGrid()
{
    if (CanFocus()) SetFocus();
}

// ----- Descendant hooks

void TExtStringGrid::DescendantHook() {}
bool TExtStringGrid::DescendantQuery() { return true; }
void TExtStringGrid::DescendantHook1(int) {}
int TExtStringGrid::DescendantCount() { return 0; }
bool TExtStringGrid::DescendantCheck() { return false; }
void TExtStringGrid::DescendantAllow(int, bool& Allow) { Allow = true; }
void TExtStringGrid::DescendantHook2(int, int) {}
void TExtStringGrid::DescendantHookA(int) {}
void TExtStringGrid::DescendantHookB(int) {}

// ----- Event hooks

void TExtStringGrid::HoverButtonClick(int ARow, int ButtonIndex)
{
    if (OnHoverButtonClick) OnHoverButtonClick(this, ARow, ButtonIndex);
}

void TExtStringGrid::ClipboardPasteDone()
{
    if (OnClipboardPasteDone) OnClipboardPasteDone(this);
}

void TExtStringGrid::PrintGetPageNum(int PageNr, int PageColNr, std::string& PageNumText)
{
    if (OnPrintGetPageNum) OnPrintGetPageNum(this, PageNr, PageColNr, PageNumText);
}

void TExtStringGrid::GetEditorProp(int ACol, int ARow, rtl::TObject* AEditLink)
{
    if (OnGetEditorProp) OnGetEditorProp(this, ACol, ARow, AEditLink);
}

void TExtStringGrid::CheckBoxClick(int ACol, int ARow, bool State)
{
    if (OnCheckBoxClick) OnCheckBoxClick(this, ACol, ARow, State);
}

void TExtStringGrid::CheckBoxChange(int ACol, int ARow, bool State)
{
    if (OnCheckBoxChange) OnCheckBoxChange(this, ACol, ARow, State);
}

void TExtStringGrid::FixedCellEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, rtl::TStrings* Values)
{
    if (OnFixedEdit) OnFixedEdit(this, ACol, ARow, AEditor, Values);
}

// The looks that paint the selection with a gradient repaint it as a whole.
void TExtStringGrid::SelectionChanged(int ALeft, int ATop, int ARight, int ABottom)
{
    if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007) RepaintRect(Selection());
    if (OnSelectionChanged) OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TExtStringGrid::FilterDone()
{
    if (OnFilterDone) OnFilterDone(this);
}

void TExtStringGrid::FilterShow(int ACol, bool& Allow)
{
    if (OnFilterShow) OnFilterShow(this, ACol, Allow);
}

void TExtStringGrid::FilterClose(int ACol)
{
    if (OnFilterClose) OnFilterClose(this, ACol);
}

void TExtStringGrid::BeforeFilter()
{
    if (OnBeforeFilter) OnBeforeFilter(this);
}

void TExtStringGrid::EllipsClick(int ACol, int ARow, std::string& S)
{
    if (OnEllipsClick) OnEllipsClick(this, ACol, ARow, S);
}

void TExtStringGrid::CanAddRow(bool& CanAdd)
{
    if (OnCanAddRow) OnCanAddRow(this, CanAdd);
}

void TExtStringGrid::CanAddCol(bool& CanAdd)
{
    if (OnCanAddCol) OnCanAddCol(this, CanAdd);
}

void TExtStringGrid::CanInsertRow(int ARow, bool& CanInsert)
{
    if (OnCanInsertRow) OnCanInsertRow(this, ARow, CanInsert);
}

void TExtStringGrid::FilterSelect(int Column, int ItemIndex, const std::string& FriendlyName,
                                  std::string& FilterCondition)
{
    if (OnFilterSelect) OnFilterSelect(this, Column, ItemIndex, FriendlyName, FilterCondition);
}

void TExtStringGrid::FilterCheck(int Column, std::vector<std::string>& Filter)
{
    if (OnFilterCheck) OnFilterCheck(this, Column, Filter);
}

void TExtStringGrid::RatingChange(int ACol, int ARow, int Value)
{
    if (OnRatingChange) OnRatingChange(this, ACol, ARow, Value);
}

void TExtStringGrid::ColorSelect(int ACol, int ARow, gfx::TColor& AColor)
{
    if (OnColorSelect) OnColorSelect(this, ACol, ARow, AColor);
}

void TExtStringGrid::ImageSelect(int ACol, int ARow, int& AImageIndex)
{
    if (OnImageSelect) OnImageSelect(this, ACol, ARow, AImageIndex);
}

void TExtStringGrid::CellChanging(int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)
{
    if (OnCellChanging) OnCellChanging(this, OldRow, OldCol, NewRow, NewCol, Allow);
}

void TExtStringGrid::ScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)
{
    if (OnScrollCell) OnScrollCell(this, ACol, ARow, ScrollPosition, ScrollMin, ScrollMax);
}

void TExtStringGrid::HoverButtonsShow(int ARow, bool& Allow)
{
    if (OnHoverButtonsShow) OnHoverButtonsShow(this, ARow, Allow);
}

void TExtStringGrid::CanShowFixedDropDown(int ACol, int ARow, bool& Allow)
{
    if (OnCanShowFixedDropDown) OnCanShowFixedDropDown(this, ACol, ARow, Allow);
}

}  // namespace grid
