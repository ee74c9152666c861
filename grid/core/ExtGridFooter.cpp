// String grid footers: the footer panel's creation and placement, footer calculation, change notifiers, the selection listener, appending rows and column-size updates.
#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/FooterPanel.h"
#include "grid/core/GridChangeNotifier.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/data/ExtGridCalcRange.h"

namespace grid {

// --- the footer panel

void TExtStringGrid::CreateFooterObjects()
{
    FFooterPanel.reset(CreateFooterPanel());
    FFooterPanel->SetAlign(ui::alBottom);
    FFooterPanel->SetHeight(0);
    FFooterPanel->SetBorderWidth(0);
    FFooterPanel->SetVisible(false);
}

TFooterPanel* TExtStringGrid::CreateFooterPanel() { return new TFooterPanel(this); }

void TExtStringGrid::ParentFooterPanel()
{
    if (FFooterPanel == nullptr) return;
    FFooterPanel->SetParent(this);
    FFooterPanel->SetVisible(FloatingFooter().Visible());
}

gfx::TCanvas& TExtStringGrid::FooterCanvas() const { return FFooterPanel->Canvas(); }

void TExtStringGrid::UpdateFooter()
{
    if (FFooterPanel != nullptr) FFooterPanel->Invalidate();
}

void TFloatingFooter::ApplyPanelVisible()
{
    TFooterPanel* panel = FGrid != nullptr ? FGrid->FooterPanel() : nullptr;
    if (panel == nullptr) return;
    panel->SetHeight(FVisible ? FHeight - 1 : 0);
    // Until the grid's window parents it, a shown panel would be a window of its own.
    if (panel->Parent() != nullptr) panel->SetVisible(FVisible);
}

void TFloatingFooter::SetHeight(int v)
{
    FHeight = v;
    TFooterPanel* panel = FGrid != nullptr ? FGrid->FooterPanel() : nullptr;
    if (panel != nullptr && v > 0) panel->SetHeight(v - 1);
}

void TFloatingFooter::SetShowHint(bool v)
{
    FShowHint = v;
    if (FGrid != nullptr && FGrid->FooterPanel() != nullptr) FGrid->FooterPanel()->SetShowHint(v);
}

void TFloatingFooter::Invalidate()
{
    if (FGrid != nullptr) FGrid->UpdateFooter();
}

TColumnCalcType TFloatingFooter::GetColumnCalc(int ACol) const
{
    if (FGrid == nullptr) return acNONE;
    int row = FGrid->RowCount() - 1;
    if (!FGrid->HasCellProperties(ACol, row)) return acNONE;
    return FGrid->GetCellPropsDirect(ACol, row)->CalcType();
}

void TFloatingFooter::SetColumnCalc(int ACol, TColumnCalcType Value)
{
    if (FGrid == nullptr) return;
    FGrid->GetCellProperties(ACol, FGrid->RowCount() - 1)->SetCalcType(Value);
    FGrid->RecalcFooter(ACol);
}

// --- footer calculation

void TExtStringGrid::FooterRowChanged()
{
    TBaseGrid::FooterRowChanged();
    UpdateFooter();
}

void TExtStringGrid::CalcFooter(int ACol) { UpdateFooterColumn(ACol); }

void TExtStringGrid::RecalcFooter(int ACol) { CalcFooter(ACol); }

void TExtStringGrid::RecalcAllFooters() { CalcFooter(-1); }

void TExtStringGrid::UpdateFooterColumn(int ACol)
{
    TFloatingFooter& ff = FloatingFooter();
    if (!ff.Visible() || ff.FooterStyle() != fsFixedLastRow || !ff.EnableCalculation()) return;
    int first = ACol;
    int last = ACol;
    if (ACol == -1) {
        first = 0;
        last = GetAllColCount() - 1;
    }
    const int f = FixedRows();
    const int l = RowCount() - 1;
    const int h = ff.CalculateHiddenRows() ? NumHiddenRows() : 0;
    // With hidden rows taking part the rows F .. L - 1 + H are real rows. Read as displayed
    // rows, one hidden row would put the footer row itself into its own sum.
    TColumnRange range = ResolveColumnRange(f, l - 1 + h, h > 0);
    for (int c = first; c <= last; ++c) {
        if (!HasCellProperties(c, l)) continue;
        switch (GetCellPropsDirect(c, l)->CalcType()) {
        case acSUM: SetFloats(c, l, ColumnSumIn(c, range)); break;
        case acAVG: SetFloats(c, l, ColumnAvgIn(c, range)); break;
        case acMIN: SetFloats(c, l, ColumnExtremeIn(c, range, false)); break;
        case acMAX: SetFloats(c, l, ColumnExtremeIn(c, range, true)); break;
        case acDISTINCT: SetFloats(c, l, ColumnDistinctIn(c, range)); break;
        case acSTDDEV: SetFloats(c, l, ColumnStdDevIn(c, range)); break;
        case acCOUNT: SetInts(c, l, l + h - f); break;
        case acCUSTOM: {
            std::string value;
            if (OnFooterCalc) OnFooterCalc(this, c, l + h, value);
            else if (ff.OnCalcFooter) ff.OnCalcFooter(this, c, l + h, value);
            SetCellEx(c, l, value);
            break;
        }
        case acNONE:
        case acSPREAD: break;
        }
    }
}

// Row movers (hiding rows, removing rows) leave the old last row emptied before the count
// drops: then the footer row has already moved and nothing travels.
static bool RowHoldsAnything(const TExtStringGrid& g, int ARow)
{
    for (int c = 0; c < g.TotalColCount(); ++c)
        if (g.GetCellPropsDirect(c, ARow) != nullptr || !g.GetGridCell(c, ARow).empty()) return true;
    return false;
}

// The footer row travels with the last row: its texts and cell objects move from the old
// last row to the new one, and the footer is recalculated over the rows now above it.
void TExtStringGrid::SetRowCountKeepingRows(int Value)
{
    struct TFlag {
        bool& Flag;
        ~TFlag() { Flag = false; }
    } flag{FRowMoversOwnFooterRow};
    FRowMoversOwnFooterRow = true;
    SetRowCount(Value);
}

void TExtStringGrid::FooterRowCountChanged(int OldRowCount)
{
    UpdateFooter();
    if (FRowMoversOwnFooterRow) return;
    if (FOptions == nullptr || !FloatingFooter().Visible() || RowCount() == OldRowCount || OldRowCount < 1) return;
    const int from = OldRowCount - 1;
    const int to = RowCount() - 1;
    if (to < 0 || !RowHoldsAnything(*this, from)) return;
    for (int c = 0; c < TotalColCount(); ++c) {
        TCellProperties* moved = GetCellPropsDirect(c, from);
        // The new last row's own property object would be lost under the moved one.
        if (GetCellPropsDirect(c, to) != moved) FreeCellPropertiesAt(c, to);
        SetGridCell(c, to, GetGridCell(c, from));
        SetCellPropsDirect(c, to, moved);
        if (moved != nullptr) moved->SetOwnerRow(to);
        // The old row keeps neither the text nor the object it now shares with the new one.
        SetCellPropsDirect(c, from, nullptr);
        SetGridCell(c, from, "");
    }
    CalcFooter(-1);
}

// --- change notification

void TExtStringGrid::CellsChanged(const rtl::TRect& R)
{
    for (rtl::TObject* n : FNotifierList) static_cast<TGridChangeNotifier*>(n)->NotifyCellsChanged(R);
    if (OnCellsChanged) OnCellsChanged(this, R);
    RecalcAllFooters();
}

void TExtStringGrid::RegisterNotifier(TGridChangeNotifier* ANotifier)
{
    if (ANotifier == nullptr) return;
    if (std::find(FNotifierList.begin(), FNotifierList.end(), ANotifier) == FNotifierList.end())
        FNotifierList.push_back(ANotifier);
}

void TExtStringGrid::UnRegisterNotifier(TGridChangeNotifier* ANotifier)
{
    auto it = std::find(FNotifierList.begin(), FNotifierList.end(), ANotifier);
    if (it != FNotifierList.end()) FNotifierList.erase(it);
}

void TExtStringGrid::RegisterSelListener(ITExtStringGridSelect* AListener) { FISelect = AListener; }

void TExtStringGrid::UnRegisterSelListener(ITExtStringGridSelect*) { FISelect = nullptr; }

// --- rows, columns and cells

void TExtStringGrid::AppendRow() { SetRowCount(RowCount() + 1); }

void TExtStringGrid::UpdateColumnSize(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TExtStringGrid::ColumnSizeUpdated(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TExtStringGrid::ScreenToCell(const rtl::TPoint& pt, int& ACol, int& ARow)
{
    rtl::TPoint p = ScreenToClient(pt);
    MouseToCell(p.X, p.Y, ACol, ARow);
}

}  // namespace grid
