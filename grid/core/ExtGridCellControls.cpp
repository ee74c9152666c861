// String grid check box and radio cells: adding, reading, setting, toggling and selecting them.
#include <algorithm>
#include <cmath>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridUndoRedo.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsMisc.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"

namespace grid {

namespace {

bool IsCheckKind(TCellType t)
{
    return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox ||
           t == ctTriStateCheckBox;
}

// Kinds whose state lives in the cell text.
bool IsTextCheckKind(TCellType t) { return t == ctDataCheckBox || t == ctVirtCheckBox; }

TCellVAlign VAlignOfGrid(TVAlignment a)
{
    switch (a) {
    case vtaCenter: return vaCenter;
    case vtaBottom: return vaBottom;
    default: return vaTop;
    }
}

TVAlignment GridVAlignOf(TCellVAlign a)
{
    switch (a) {
    case vaCenter: return vtaCenter;
    case vaBottom: return vtaBottom;
    default: return vtaTop;
    }
}

}  // namespace

// --- shared helpers

// The record a check box operation on a real row works on: hidden rows are outside the
// cell store, so a hidden row has none.
TCellGraphic* TExtStringGrid::CheckBoxGraphicForRow(int ACol, int ARow)
{
    if (NumHiddenRows() == 0) return GetCellGraphic(ACol, ARow);
    if (IsHiddenRow(ARow)) return nullptr;
    return GetCellGraphic(ACol, DisplRowIndex(ARow));
}

void TExtStringGrid::FreeControlGraphic(int ACol, int ARow)
{
    SetGraphicObjectEx(ACol, ARow, nullptr);
    RepaintCell(ACol, ARow);
}

bool TExtStringGrid::CheckBoxRowSelected(int ARow) const
{
    return ARow >= 0 && static_cast<std::size_t>(ARow) < FRowSelect.size() && FRowSelect[ARow] != 0;
}

void TExtStringGrid::SetCheckBoxRowSelected(int ARow, bool Value)
{
    if (ARow < 0 || CheckBoxRowSelected(ARow) == Value) return;
    if (static_cast<std::size_t>(ARow) >= FRowSelect.size())
        FRowSelect.resize(std::max<std::size_t>(ARow + 1, static_cast<std::size_t>(RowCount())), 0);
    FRowSelect[ARow] = Value ? 1 : 0;
    if (Value) {
        if (ARow >= FixedRows() && FSelectedRows->IndexOf(ARow) < 0) FSelectedRows->Add(ARow);
    } else if (int i = FSelectedRows->IndexOf(ARow); i >= 0) {
        FSelectedRows->Delete(i);
    }
    RepaintRect(rtl::TRect{0, ARow, ColCount() - 1, ARow});
}

bool TExtStringGrid::CellHasText(int ACol, int ARow) { return !GetCellEx(ACol, ARow).empty(); }

// --- adding and removing check boxes

void TExtStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data)
{
    if (ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows())
        throw rtl::Exception("Invalid cell");
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCheckBox(State, Data, true, haBeforeText, VAlignOfGrid(FVAlignment));
    g->SetCellAngle(0);
    if (!Data) return;
    // The cell's own check texts (OnGetCheckTrue/OnGetCheckFalse), so that a data check box
    // added to a cell that already holds one of them keeps its state.
    std::string checkTrue, checkFalse;
    GetCheckTrue(ACol, ARow, checkTrue);
    GetCheckFalse(ACol, ARow, checkFalse);
    const std::string text = GetCellEx(ACol, ARow);
    if (text != checkTrue && text != checkFalse) SetCellEx(ACol, ARow, State ? checkTrue : checkFalse);
}

void TExtStringGrid::AddTriStateCheckBoxColumn(int ACol, ui::TCheckBoxState State)
{
    const int first = FMouseActions->CheckAllCheck() ? std::max(0, FixedRows() - 1) : FixedRows();
    for (int r = first; r < RowCount(); ++r) AddCheckBox(ACol, r, State);
}

void TExtStringGrid::AddCheckBox(int ACol, int ARow, ui::TCheckBoxState State)
{
    if (ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows())
        throw rtl::Exception("Invalid cell");
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCheckBox(State, true, haBeforeText, VAlignOfGrid(FVAlignment));
}

void TExtStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox)
{
    if (ACol == 0 && FMouseActions->HotmailRowSelect()) return;
    const int first = FMouseActions->CheckAllCheck() ? std::max(0, FixedRows() - 1) : FixedRows();
    for (int r = first; r <= RowCount() - FixedFooters() - 1; ++r) {
        if (IsSummary(r)) continue;
        if (IsNode(r)) AddCheckBox(ACol, r, BoolToCheckBoxState(DefaultState));
        else AddCheckBox(ACol, r, DefaultState, DataCheckBox);
    }
}

void TExtStringGrid::RemoveCheckBox(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return;
    const TCellType t = g->CellType();
    if (t != ctCheckBox && t != ctDataCheckBox && t != ctTriStateCheckBox) return;
    // The balloon texts a check box hosts go with its record.
    FreeControlGraphic(ACol, ARow);
}

void TExtStringGrid::RemoveCheckBoxColumn(int ACol)
{
    const int first = FMouseActions->CheckAllCheck() ? std::max(0, FixedRows() - 1) : FixedRows();
    for (int r = first; r < RowCount(); ++r)
        if (HasCheckBox(ACol, r)) RemoveCheckBox(ACol, r);
}

// --- queries (at the base cell of a merged block)

bool TExtStringGrid::HasCheckBox(int ACol, int ARow)
{
    rtl::TPoint b = BaseCell(ACol, ARow);
    return IsCheckKind(GetCellType(b.X, b.Y));
}

bool TExtStringGrid::HasDataCheckBox(int ACol, int ARow)
{
    rtl::TPoint b = BaseCell(ACol, ARow);
    const TCellType t = GetCellType(b.X, b.Y);
    return t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox;
}

bool TExtStringGrid::IsDataCheckBoxCol(int ACol)
{
    const int r = FixedRows();
    return HasDataCheckBox(ACol, r) && r + 1 < RowCount() && HasDataCheckBox(ACol, r + 1);
}

bool TExtStringGrid::IsDataGraphicCell(int ACol, int ARow)
{
    rtl::TPoint b = BaseCell(ACol, ARow);
    const TCellType t = GetCellType(b.X, b.Y);
    return t == ctDataCheckBox || t == ctDataImage || t == ctVirtCheckBox || t == ctRowCheckBox;
}

bool TExtStringGrid::HasCellControl(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0) return false;
    rtl::TPoint b = BaseCell(ACol, ARow);
    switch (GetCellType(b.X, b.Y)) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadio:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRadioButton:
    case ctTriStateCheckBox: return true;
    case ctButton:
    case ctBitButton: return !FNavigation->AllowEditButtonCells();
    default: return false;
    }
}

// --- states

bool TExtStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State)
{
    if (ACol == 0 && NumHiddenRows() > 0 && FMouseActions->HotmailRowSelect()) {
        State = CheckBoxRowSelected(ARow);
        return true;
    }
    const TCellGraphic* g = CheckBoxGraphicForRow(ACol, ARow);
    if (g == nullptr) return false;
    const int displRow = NumHiddenRows() == 0 ? ARow : DisplRowIndex(ARow);
    switch (g->CellType()) {
    case ctCheckBox: State = g->CellBoolean(); return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        std::string checkTrue;
        GetCheckTrue(ACol, ARow, checkTrue);
        State = GetCellEx(ACol, displRow) == checkTrue;
        return true;
    }
    case ctRowCheckBox:
        if (ACol != 0) return false;
        State = CheckBoxRowSelected(ARow);
        return true;
    default: return false;
    }
}

bool TExtStringGrid::GetCheckBoxState(int ACol, int ARow, ui::TCheckBoxState& State)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr || g->CellType() != ctTriStateCheckBox) return false;
    State = g->CellCheckBoxState();
    return true;
}

bool TExtStringGrid::IsChecked(int ACol, int ARow)
{
    bool state = false;
    return GetCheckBoxState(ACol, ARow, state) && state;
}

bool TExtStringGrid::SetCheckBoxState(int ACol, int ARow, bool State)
{
    TCellGraphic* g = CheckBoxGraphicForRow(ACol, ARow);
    if (g == nullptr) return false;
    const int displRow = NumHiddenRows() == 0 ? ARow : DisplRowIndex(ARow);
    switch (g->CellType()) {
    case ctCheckBox:
        g->SetCellBoolean(State);
        RepaintCell(ACol, displRow);
        return true;
    case ctTriStateCheckBox:
        g->SetCellCheckBoxState(BoolToCheckBoxState(State));
        RepaintCell(ACol, displRow);
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        std::string value;
        if (State) GetCheckTrue(ACol, ARow, value);
        else GetCheckFalse(ACol, ARow, value);
        SetCellEx(ACol, displRow, value);
        return true;
    }
    case ctRowCheckBox:
        if (ACol != 0) return false;
        SetCheckBoxRowSelected(ARow, State);
        return true;
    default: return false;
    }
}

bool TExtStringGrid::SetCheckBoxState(int ACol, int ARow, ui::TCheckBoxState State)
{
    TCellGraphic* g = CheckBoxGraphicForRow(ACol, ARow);
    if (g == nullptr || g->CellType() != ctTriStateCheckBox) return false;
    g->SetCellCheckBoxState(State);
    RepaintCell(ACol, NumHiddenRows() == 0 ? ARow : DisplRowIndex(ARow));
    return true;
}

bool TExtStringGrid::ChangeCheckBoxState(int ACol, int ARow, bool Value)
{
    TCellGraphic* g = NumHiddenRows() > 0 ? CheckBoxGraphicForRow(ACol, RealRowIndex(ARow)) : GetCellGraphic(ACol, ARow);
    if (g == nullptr) return false;
    switch (g->CellType()) {
    case ctCheckBox:
        if (Value != g->CellBoolean()) {
            g->SetCellBoolean(Value);
            CheckBoxChange(ACol, ARow, Value);
            RepaintCell(ACol, ARow);
        }
        return true;
    case ctTriStateCheckBox: g->SetCellCheckBoxState(BoolToCheckBoxState(Value)); return false;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        std::string checkTrue;
        std::string checkFalse;
        GetCheckTrue(ACol, ARow, checkTrue);
        GetCheckFalse(ACol, ARow, checkFalse);
        const bool was = GetCellEx(ACol, ARow) == checkTrue;
        SetCellEx(ACol, ARow, Value ? checkTrue : checkFalse);
        if (Value != was) CheckBoxChange(ACol, ARow, Value);
        return true;
    }
    case ctRowCheckBox:
        if (ACol != 0) return false;
        if (Value != CheckBoxRowSelected(ARow)) {
            SetCheckBoxRowSelected(ARow, Value);
            CheckBoxChange(ACol, ARow, Value);
        }
        return true;
    default: return false;
    }
}

void TExtStringGrid::CheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, true);
    if (NumHiddenColumns() > 0) {
        RepaintRect(rtl::TRect{ACol, 0, ACol, RowCount() - 1});
    }
}

void TExtStringGrid::UnCheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, false);
}

bool TExtStringGrid::ToggleCheckBox(int ACol, int ARow) { return ToggleCheckBoxCell(ACol, ARow, false); }

// --- the toggle of a click or key

bool TExtStringGrid::ToggleCheckBoxCell(int ACol, int ARow, bool CheckEditable)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return false;
    const TCellType kind = g->CellType();
    std::string checkTrue;
    std::string checkFalse;
    GetCheckTrue(ACol, ARow, checkTrue);
    GetCheckFalse(ACol, ARow, checkFalse);

    bool current = g->CellBoolean();
    if (IsTextCheckKind(kind)) current = GetCellEx(ACol, ARow) == checkTrue;
    else if (kind == ctRowCheckBox) current = CheckBoxRowSelected(ARow);
    else if (kind == ctTriStateCheckBox) current = g->CellCheckBoxState() == ui::cbChecked;

    bool allow = true;
    if (OnCheckBoxCanToggle) OnCheckBoxCanToggle(this, ACol, ARow, current, allow);
    if (!allow) return false;

    // Group bookkeeping: a node row's span and state, or a child row's parent node.
    const bool grouped = Grouping().AutoCheckGroup() && GroupColumn() >= 0 && ARow >= FixedRows();
    bool nodeRow = false;
    bool contracted = false;
    int span = 0;
    int parent = -1;
    if (grouped) {
        if (IsNode(ARow)) {
            nodeRow = true;
            span = GetNodeSpan(ARow);
            contracted = GetNodeState(ARow);
        } else {
            parent = GetParentRow(ARow);
            if (parent >= 0) span = GetNodeSpan(parent);
        }
    }

    if (!IsCheckKind(kind)) return false;
    if (CheckEditable && !ControlLook().CheckAlwaysActive()) {
        bool canEdit = true;
        IsEditableCell(ACol, ARow, canEdit);
        if (!canEdit) return false;
    }

    bool newState = false;
    if (kind == ctCheckBox) {
        g->SetCellBoolean(!g->CellBoolean());
        newState = g->CellBoolean();
    } else if (kind == ctTriStateCheckBox) {
        ui::TCheckBoxState s = g->CellCheckBoxState();
        if (nodeRow) s = s == ui::cbChecked ? ui::cbUnchecked : ui::cbChecked;
        else if (s == ui::cbUnchecked)
            s = FNavigation->ToggleTriStateCheck() == tsCheckUnCheck ? ui::cbChecked : ui::cbGrayed;
        else s = s == ui::cbChecked ? ui::cbUnchecked : ui::cbChecked;
        g->SetCellCheckBoxState(s);
        newState = s == ui::cbChecked;
    } else if (kind == ctRowCheckBox) {
        newState = !current;
        SetCheckBoxRowSelected(ARow, newState);
    } else {
        newState = GetCellEx(ACol, ARow) != checkTrue;
        SetCellEx(ACol, ARow, newState ? checkTrue : checkFalse);
    }
    RepaintCell(ACol, ARow);

    if (grouped && nodeRow) {
        for (int offset = 1; offset < span; ++offset) {
            const int target = contracted ? RealRowIndex(ARow) + offset : RealRowIndex(ARow + offset);
            SetCheckBoxState(ACol, target, newState);
        }
    } else if (grouped && parent >= 0) {
        bool first = false;
        bool all = true;
        bool any = false;
        for (int r = parent + 1; r < parent + span; ++r) {
            bool s = false;
            if (!GetCheckBoxState(ACol, RealRowIndex(r), s)) continue;
            if (!any) first = s;
            else if (s != first) all = false;
            any = true;
        }
        ui::TCheckBoxState ps = all ? BoolToCheckBoxState(first) : ui::cbGrayed;
        SetCheckBoxState(ACol, RealRowIndex(parent), ps);
    }

    CheckBoxChange(ACol, ARow, newState);
    FGridModified = true;
    // The undo item records the texts of the state before and after the toggle, so that
    // undoing (which goes through SetCheckBoxValue) brings back the state before it.
    if (TExtGridUndoRedo* undo = UndoRedo()) {
        const std::string before = current ? checkTrue : checkFalse;
        const std::string after = newState ? checkTrue : checkFalse;
        undo->RegisterChange(ACol, RealRowIndex(ARow), before, after);
    }
    return true;
}

// --- hit test of the box

bool TExtStringGrid::IsInCheckBox(int ACol, int ARow, int XPos, int YPos)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return false;
    const TCellType t = g->CellType();
    if (!IsCheckKind(t) && t != ctRadioButton) return false;
    if (!FMouseActions->PreciseCheckBoxCheck()) return true;

    const rtl::TRect R = CellRect(ACol, ARow);
    const double dpi = FScaleFactor;
    const int m = static_cast<int>(std::lround(2 * dpi));
    const int s = ControlLook().CheckSize();
    const int S = static_cast<int>(std::lround(s * dpi));

    ui::TAlignment ha = FDefaultAlignment;
    TVAlignment va = GridVAlignOf(g->CellVAlign());
    if (HasCellProperties(ACol, ARow)) ha = GetCellPropsDirect(ACol, ARow)->Alignment();
    if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, ha, va);

    int top = R.Top + m;
    if (va == vtaCenter) top = R.Top + (R.Height() - s) / 2;
    else if (va == vtaBottom) top = R.Bottom - m - s;
    const int bottom = top + S;

    int left = R.Left + m;
    if (ha == ui::taRightJustify) {
        left = R.Right - m - S;
        const std::string text = GetCellEx(ACol, ARow);
        if (!text.empty()) left -= Canvas().TextWidth(text);
    } else if (ha == ui::taCenter) {
        left = R.Left + (R.Width() - S) / 2;
    }
    const int right = left + S;
    return XPos >= left && XPos < right && YPos >= top && YPos < bottom;
}

// --- radio group cells

void TExtStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, rtl::TStrings* sl)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctRadio);
    g->SetCellBitmap(sl);
    g->SetCellIndex(IdxRadio);
    g->SetCellAngle(sl != nullptr ? sl->Count() : 0);
    g->SetCellBoolean(DirRadio != 0);
    RepaintCell(ACol, ARow);
}

rtl::TStrings* TExtStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    auto list = std::make_unique<rtl::TStringList>();
    rtl::TStrings* result = list.get();
    g->SetCellType(ctRadio);
    g->AdoptCellBitmap(std::move(list));
    g->SetCellIndex(IdxRadio);
    g->SetCellAngle(0);
    g->SetCellBoolean(DirRadio != 0);
    return result;
}

bool TExtStringGrid::GetRadioIdx(int ACol, int ARow, int& IdxRadio)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return false;
    IdxRadio = g->CellIndex();
    return g->CellType() == ctRadio;
}

bool TExtStringGrid::SetRadioIdx(int ACol, int ARow, int IdxRadio)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return false;
    g->SetCellIndex(IdxRadio);
    if (IdxRadio == -1) SetCellEx(ACol, ARow, "");
    RepaintCell(ACol, ARow);
    return g->CellType() == ctRadio;
}

rtl::TStrings* TExtStringGrid::GetRadioStrings(int ACol, int ARow)
{
    rtl::TPoint b = BaseCell(ACol, ARow);
    const TCellGraphic* g = GetCellGraphic(b.X, b.Y);
    if (g == nullptr || g->CellType() != ctRadio) return nullptr;
    return dynamic_cast<rtl::TStrings*>(g->CellBitmap());
}

bool TExtStringGrid::IsRadio(int ACol, int ARow)
{
    rtl::TPoint b = BaseCell(ACol, ARow);
    return GetCellType(b.X, b.Y) == ctRadio;
}

void TExtStringGrid::RemoveRadio(int ACol, int ARow)
{
    if (GetCellType(ACol, ARow) == ctRadio) FreeControlGraphic(ACol, ARow);
}

void TExtStringGrid::CycleRadioIndex(int ACol, int ARow, bool CheckEditable)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr || g->CellType() != ctRadio) return;
    if (CheckEditable && !ControlLook().RadioAlwaysActive()) {
        bool canEdit = true;
        IsEditableCell(ACol, ARow, canEdit);
        if (!canEdit) return;
    }
    const auto* items = dynamic_cast<const rtl::TStrings*>(g->CellBitmap());
    const int count = items != nullptr ? items->Count() : 0;
    int next = g->CellIndex() + 1;
    if (g->CellIndex() < 0) next = (items != nullptr ? items->IndexOf(GetCellEx(ACol, ARow)) : -1) + 1;
    if (next >= count) next = 0;
    if (g->CellIndex() >= -1) g->SetCellIndex(next);
    g->SetCellVar(static_cast<long long>(next));
    if (next < count) SetCellEx(ACol, ARow, items->Get(next));
}

// --- radio button cells

void TExtStringGrid::AddRadioButton(int ACol, int ARow, bool State) { AddRadioButtonGroup(ACol, ARow, rgCol, State); }

void TExtStringGrid::AddRadioButtonGroup(int ACol, int ARow, TRadioButtonGroup Group, bool State)
{
    if (ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows())
        throw rtl::Exception("Invalid cell");
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetRadioButton(State, true, haBeforeText, VAlignOfGrid(FVAlignment), Group);
}

void TExtStringGrid::AddRadioButtonColumn(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r) AddRadioButtonGroup(ACol, r, rgCol, false);
}

void TExtStringGrid::AddRadioButtonGroupColumn(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r) AddRadioButtonGroup(ACol, r, rgRow, false);
}

void TExtStringGrid::RemoveRadioButton(int ACol, int ARow)
{
    if (GetCellType(ACol, ARow) == ctRadioButton) FreeControlGraphic(ACol, ARow);
}

void TExtStringGrid::RemoveRadioButtonColumn(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (HasRadioButton(ACol, r)) RemoveRadioButton(ACol, r);
}

bool TExtStringGrid::HasRadioButton(int ACol, int ARow)
{
    rtl::TPoint b = BaseCell(ACol, ARow);
    return GetCellType(b.X, b.Y) == ctRadioButton;
}

bool TExtStringGrid::HasRadioButtonGroup(int ACol, int ARow, TRadioButtonGroup Group)
{
    rtl::TPoint b = BaseCell(ACol, ARow);
    const TCellGraphic* g = GetCellGraphic(b.X, b.Y);
    return g != nullptr && g->CellType() == ctRadioButton && g->CellAngle() == Group;
}

bool TExtStringGrid::IsRadioButtonChecked(int ACol, int ARow)
{
    rtl::TPoint b = BaseCell(ACol, ARow);
    const TCellGraphic* g = GetCellGraphic(b.X, b.Y);
    return g != nullptr && g->CellType() == ctRadioButton && g->CellBoolean();
}

bool TExtStringGrid::SetRadioButtonState(int ACol, int ARow, bool State)
{
    rtl::TPoint b = BaseCell(ACol, ARow);
    TCellGraphic* g = GetCellGraphic(b.X, b.Y);
    if (g == nullptr || g->CellType() != ctRadioButton) return false;
    if (State != g->CellBoolean()) {
        g->SetCellBoolean(State);
        RepaintCell(ACol, ARow);
    }
    return true;
}

void TExtStringGrid::SetRadioButtonRowIndex(int ARow, int Index)
{
    for (int c = FixedCols(); c < ColCount(); ++c) SetRadioButtonState(c, ARow, c == Index);
}

void TExtStringGrid::SetRadioButtonColumnIndex(int ACol, int Index)
{
    for (int r = FixedRows(); r < RowCount(); ++r) SetRadioButtonState(ACol, r, r == Index);
}

int TExtStringGrid::GetRadioButtonColumnIndex(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsRadioButtonChecked(ACol, r)) return r;
    return -1;
}

bool TExtStringGrid::SelectRadioButton(int ACol, int ARow, bool CheckEditable)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr || g->CellType() != ctRadioButton) return false;
    if (CheckEditable && !ControlLook().RadioAlwaysActive()) {
        bool canEdit = true;
        IsEditableCell(ACol, ARow, canEdit);
        if (!canEdit) return false;
    }
    if (!g->CellBoolean()) {
        g->SetCellBoolean(true);
        RepaintCell(ACol, ARow);
        // Unchecks a checked neighbour; false at the first cell that is no radio button.
        auto uncheck = [this](int c, int r, int paintCol) {
            TCellGraphic* n = GetCellGraphic(c, r);
            if (n == nullptr || n->CellType() != ctRadioButton) return false;
            if (n->CellBoolean()) {
                n->SetCellBoolean(false);
                RepaintCell(paintCol, r);
            }
            return true;
        };
        if (g->CellAngle() == rgCol) {
            for (int r = ARow + 1; r < RowCount() && uncheck(ACol, r, ACol); ++r) {}
            for (int r = ARow - 1; r >= 0 && uncheck(ACol, r, ACol); --r) {}
        } else if (g->CellAngle() == rgRow) {
            const int last = ColCount() + NumHiddenColumns() - 1;
            for (int c = ACol + 1; c <= last && uncheck(c, ARow, c); ++c) {}
            for (int c = ACol - 1; c >= 0 && uncheck(c, ARow, c); --c) {}
        }
    }
    FGridModified = true;
    return true;
}

}  // namespace grid
