// String grid event hooks: each answers its default and then lets the matching published event change it.
#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsFilter.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsMisc.h"
#include "grid/core/GridOptionsSort.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Forms.h"

namespace grid {

// --- hooks that only pass their arguments to the event

void TExtStringGrid::CanEditCell(int ARow, int ACol, bool& CanEdit)
{
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TExtStringGrid::CanSort(int ACol, bool& DoSort)
{
    if (OnCanSort) OnCanSort(this, ACol, DoSort);
}

void TExtStringGrid::SearchFooterAction(const std::string& Value, int ACol, int ARow, TSearchFooterAction SearchAction)
{
    if (OnSearchFooterAction) OnSearchFooterAction(this, Value, ACol, ARow, SearchAction);
}

void TExtStringGrid::SearchFooterSearchEnd(bool& ContinueFromStart)
{
    if (OnSearchFooterSearchEnd) OnSearchFooterSearchEnd(this, ContinueFromStart);
}

void TExtStringGrid::ButtonClick(int ACol, int ARow)
{
    if (OnButtonClick) OnButtonClick(this, ACol, ARow);
}

void TExtStringGrid::ComboCloseUp(int ACol, int ARow)
{
    if (OnComboCloseUp) OnComboCloseUp(this, ACol, ARow);
}

void TExtStringGrid::GetCellPrintColor(int ACol, int ARow, ui::TGridDrawState AState, gfx::TBrush* ABrush,
                                       gfx::TFont* AFont)
{
    if (OnGetCellPrintColor) OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExtStringGrid::GetCellPrintBorder(int ACol, int ARow, gfx::TPen* APen, TCellBorders& Borders)
{
    if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TExtStringGrid::GetColFormat(int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix)
{
    if (OnGetFormat) OnGetFormat(this, ACol, AStyle, aPrefix, aSuffix);
}

void TExtStringGrid::GetCellEditorType(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TExtStringGrid::GetCellEditorTypeEx(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TExtStringGrid::QueryIsPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (OnIsPasswordCell) OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TExtStringGrid::GetCellWordWrap(int ACol, int ARow, bool& WordWrap)
{
    if (OnGetWordWrap) OnGetWordWrap(this, ACol, ARow, WordWrap);
}

// --- hooks with logic of their own

void TExtStringGrid::GridHint(int ACol, int ARow, std::string& hintstr, std::string& widehintstr)
{
    if (OnGridHint) OnGridHint(this, ARow, ACol, hintstr);
    if (!OnGridWideHint) return;
    OnGridWideHint(this, ARow, ACol, widehintstr);
    if (!widehintstr.empty()) hintstr = EncodeUnicodeEscapes(widehintstr);
}

namespace {
// Graphic kinds whose cells take the brush colour of their property object.
bool TakesPropertyBrush(TCellType t)
{
    switch (t) {
    case ctIcon: case ctNone: case ctImageList: case ctCheckBox: case ctEmpty: case ctImages: case ctComment:
    case ctRadioButton: return true;
    default: return false;
    }
}
}  // namespace

void TExtStringGrid::GetCellColor(int ACol, int ARow, ui::TGridDrawState AState, gfx::TBrush* ABrush,
                                  gfx::TFont* AFont)
{
    if (FActiveCellShow) {
        bool rowHeader = ARow == Row() && FixedCols() > 0 && ACol + 1 == FixedCols();
        bool colHeader = ACol == Col() && FixedRows() > 0 && ARow + 1 == FixedRows();
        if (rowHeader || colHeader) {
            if (AFont != nullptr) AFont->Assign(FActiveCellFont.get());
            if (ABrush != nullptr) ABrush->SetColor(FActiveCellColor);
        }
    }
    if (HasCellProperties(ACol, ARow)) {
        const TCellProperties* p = GetCellPropsDirect(ACol, ARow);
        if (ABrush != nullptr && p->BrushColor() != clGridNone && TakesPropertyBrush(GetCellType(ACol, ARow)))
            ABrush->SetColor(p->BrushColor());
        if (AFont != nullptr) {
            if (p->FontColor() != clGridNone) AFont->SetColor(p->FontColor());
            if (!p->FontStyle().Empty()) AFont->SetStyle(p->FontStyle());
            if (p->FontSize() != 0) AFont->SetHeight(p->FontSize());
            if (!p->FontName().empty()) AFont->SetName(p->FontName());
        }
    }
    // The event names the real column, as the footer and every other cell event do.
    if (OnGetCellColor) OnGetCellColor(this, ARow, RealColIndex(ACol), AState, ABrush, AFont);
}

// Node rows are underlined and summary rows overlined by the grouping settings (a row
// that is both ends with the summary line); then the event has its say for every cell.
void TExtStringGrid::GetCellBorder(int ACol, int ARow, gfx::TPen* APen, TCellBorders& Borders)
{
    if (ACol >= 1) {
        const TGrouping& g = Grouping();
        if (IsNode(ARow) && g.HeaderUnderline()) {
            Borders = TCellBorders{cbBottom};
            if (APen != nullptr) {
                APen->SetColor(g.HeaderLineColor());
                APen->SetWidth(g.HeaderLineWidth());
            }
        }
        if (IsSummary(ARow) && g.SummaryLine()) {
            Borders = TCellBorders{cbTop};
            if (APen != nullptr) {
                APen->SetColor(g.SummaryLineColor());
                APen->SetWidth(g.SummaryLineWidth());
            }
        }
    }
    if (OnGetCellBorder) OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TExtStringGrid::GetCellAlignment(int ACol, int ARow, ui::TAlignment& HAlign, TVAlignment& VAlign)
{
    if (ACol == 0 && FMouseActions->HotmailRowSelect()) HAlign = ui::taCenter;
    if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TExtStringGrid::GetCellCursor(int ACol, int ARow, int X, int Y)
{
    if (!OnGetCellCursor) return;
    int cursor = ui::Screen().Cursor();
    OnGetCellCursor(this, ACol, ARow, X, Y, cursor);
    if (cursor == Cursor()) return;
    if (ui::Application() != nullptr && ui::Application()->HasBackend())
        ui::Application()->Backend().SetCursorShape(cursor);
}

// The row takes the height the cell asks for in its new state once row heights by cell
// graphic are kept by the data operations; the event is told first.
void TExtStringGrid::ExpandClick(int ACol, int ARow, bool Expanded)
{
    if (OnExpandClick) OnExpandClick(this, ACol, ARow, Expanded);
}

void TExtStringGrid::ComboDropDown(int ACol, int ARow)
{
    if (OnComboDropDown) OnComboDropDown(this, ACol, ARow);
}

bool TExtStringGrid::CellHasNoEditor(int ACol, int ARow)
{
    if (!OnGetEditorType) return false;
    TEditorType editor = edNormal;
    OnGetEditorType(this, ACol, ARow, editor);
    return editor == edNone;
}

void TExtStringGrid::IsFixedCell(int ARow, int ACol, bool& IsFixed)
{
    if (IsFixed) return;
    if (ACol < FixedCols() || ARow < FixedRows()) {
        IsFixed = true;
        return;
    }
    if (FFixedRowAlways && RowCount() == FFixedRowsMin) {
        IsFixed = true;
        return;
    }
    if (FFixedColAlways && ColCount() == FFixedColsMin && ACol < FFixedColsMin) {
        IsFixed = true;
        return;
    }
    if (OnIsFixedCell) OnIsFixedCell(this, ARow, ACol, IsFixed);
}

void TExtStringGrid::IsEditableCell(int ACol, int ARow, bool& CanEdit)
{
    int bc = ACol;
    int br = ARow;
    GetBaseCellPos(ACol, ARow, bc, br);
    bool inColumns = bc < TotalColCount();
    if (HasCellProperties(bc, br) && CanEdit) {
        CanEdit = !GetCellPropsDirect(bc, br)->ReadOnly();
        if (!(Options() & ui::goEditing) && !FMouseActions->RangeSelectAndEdit() && !FEditDisable) CanEdit = false;
        if (inColumns) CanEditCell(br, bc, CanEdit);
        return;
    }
    if (inColumns) CanEditCell(br, bc, CanEdit);
    else CanEdit = true;
}

namespace {
bool IsComboEditor(TEditorType e) { return e == edComboEdit || e == edComboList; }
bool IsSpinEditor(TEditorType e)
{
    return e == edSpinEdit || e == edFloatSpinEdit || e == edTimeSpinEdit || e == edDateSpinEdit;
}
}  // namespace

// The editor a cell's drop-down button stands for: the one asked about, or with
// edNone the grid's default editor as the cell's editor event makes it.
TEditorType TExtStringGrid::EditorShownFor(int ACol, int ARow, TEditorType AEditor)
{
    if (AEditor != edNone) return AEditor;
    TEditorType e = FDefaultEditor;
    GetCellEditorTypeEx(ACol, ARow, e);
    return e;
}

bool TExtStringGrid::HasComboBox(int ACol, int ARow, TEditorType AEditor)
{
    bool result = false;
    if (OnHasComboBox) {
        OnHasComboBox(this, ACol, ARow, result);
        return result;
    }
    if (!ControlLook().DropDownAlwaysVisible()) return false;
    return IsComboEditor(EditorShownFor(ACol, ARow, AEditor));
}

bool TExtStringGrid::HasEditBtn(int ACol, int ARow, TEditorType AEditor)
{
    bool result = false;
    if (OnHasEditBtn) {
        OnHasEditBtn(this, ACol, ARow, result);
        return result;
    }
    if (!ControlLook().DropDownAlwaysVisible()) return false;
    return EditorShownFor(ACol, ARow, AEditor) == edEditBtn;
}

bool TExtStringGrid::HasSpinEdit(int ACol, int ARow, TEditorType AEditor)
{
    if (ACol < FixedCols() || ARow < FixedRows()) return false;
    bool result = false;
    if (OnHasSpinEdit) {
        OnHasSpinEdit(this, ACol, ARow, result);
        return result;
    }
    if (!ControlLook().SpinButtonsAlwaysVisible()) return false;
    TEditorType e = AEditor;
    if (e == edNone) {
        e = FDefaultEditor;
        GetCellEditorType(ACol, ARow, e);
    }
    return IsSpinEditor(e);
}

// The event is asked only for a cell that has a filter edit, so it can take one away but
// never add one.
bool TExtStringGrid::HasFilterEdit(int ACol, int ARow)
{
    const TFilterEdit& fe = FilterEdit();
    if (!fe.Enabled() || ARow != fe.Row()) return false;
    if (fe.Columns() == fdNormal && (ACol < FixedCols() || ACol >= TotalColCount() - FFixedRightCols)) return false;
    bool result = true;
    if (OnHasFilterEdit) OnHasFilterEdit(this, ACol, result);
    return result;
}

void TExtStringGrid::FilterEditUpdate(int ACol, const std::string& Condition, TFilterType FilterType)
{
    if (OnFilterEditUpdate) OnFilterEditUpdate(this, ACol, Condition, FilterType);
}

void TExtStringGrid::GetCheckTrue(int ACol, int ARow, std::string& Value)
{
    Value = FCheckTrue;
    if (OnGetCheckTrue) OnGetCheckTrue(this, ACol, ARow, Value);
}

void TExtStringGrid::GetCheckFalse(int ACol, int ARow, std::string& Value)
{
    Value = FCheckFalse;
    if (OnGetCheckFalse) OnGetCheckFalse(this, ACol, ARow, Value);
}

}  // namespace grid
