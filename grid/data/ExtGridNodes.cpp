// String grid nodes: node rows over spans of rows, contracting and expanding them through the hidden-row store, and expandable cells.
#include <algorithm>
#include <variant>

#include "grid/core/BaseGrid.h"
#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsRecords.h"
#include "grid/data/ExtGridHiddenRows.h"
#include "platform/gfx/Bitmap.h"

namespace grid {

namespace {

// The node graphic of a displayed row, or nullptr.
TCellGraphic* NodeGraphic(TExtStringGrid& grid, int ARow)
{
    if (ARow < 0 || ARow >= grid.RowCount()) return nullptr;
    TCellGraphic* g = grid.GetCellGraphic(grid.CellNode().NodeColumn(), ARow);
    return g != nullptr && g->CellType() == ctNode ? g : nullptr;
}

int RowLevel(TExtStringGrid& grid, int ARow)
{
    const int nc = grid.CellNode().NodeColumn();
    return grid.HasCellProperties(nc, ARow) ? grid.GetCellPropsDirect(nc, ARow)->NodeLevel() : 0;
}

void RaiseLevels(TExtStringGrid& grid, int FromRow, int Count, int Delta)
{
    const int nc = grid.CellNode().NodeColumn();
    const int last = std::min(FromRow + Count, grid.RowCount());
    for (int r = std::max(FromRow, 0); r < last; ++r) {
        if (Delta < 0 && !grid.HasCellProperties(nc, r)) continue;
        TCellProperties* props = grid.GetCellProperties(nc, r);
        props->SetNodeLevel(std::max(0, props->NodeLevel() + Delta));
    }
}

// The displayed row that ends a node's span (one past its last displayed child): with a
// span, the span less the children hidden under contracted nodes inside it; with span 0,
// the next node row.
int DisplayedSpanEnd(TExtStringGrid& grid, int ARow, int Span)
{
    if (Span <= 0) {
        for (int r = ARow + 1; r < grid.RowCount(); ++r)
            if (grid.IsNode(r)) return r;
        return grid.RowCount();
    }
    return std::min(ARow + Span, grid.RowCount());
}

}  // namespace

void TExtStringGrid::SetNodeRowCollapsed(int ADispl, bool Value)
{
    for (int c = 0; c < ColCount(); ++c) {
        if (!Value && !HasCellProperties(c, ADispl)) continue;
        GetCellProperties(c, ADispl)->SetMergeCollaps(Value);
    }
}

// ----- adding and removing

void TExtStringGrid::AddNode(int ARow, int Span)
{
    if (Span <= 0) return;
    const int d = DisplRowIndex(ARow);
    if (d < 0 || d >= RowCount()) return;
    // A node made again over an existing one replaces it: the old one is removed first so
    // that its levels and the node count do not stay behind.
    if (IsNode(d)) RemoveNode(ARow);
    const int nc = CellNode().NodeColumn();
    TCellGraphic* g = CreateCellGraphic(nc, d);
    g->SetCellType(ctNode);
    g->SetCellBoolean(false);
    g->SetCellIndex(Span);
    g->SetCellAngle(d);
    g->SetCellErrFrom(0);
    g->SetCellHAlign(haBeforeText);
    g->SetCellVAlign(vaCenter);
    g->SetCellVar(static_cast<long long>(-1));
    RaiseLevels(*this, d, Span, 1);
    if (FNumNodes == 0) Invalidate();
    ++FNumNodes;
    if (Col() == 0 && ColCount() > 1) SetCol(1);
}

void TExtStringGrid::RemoveNode(int ARow)
{
    int d = DisplRowIndex(ARow);
    if (NodeGraphic(*this, d) == nullptr) return;
    ExpandNode(ARow);
    d = DisplRowIndex(ARow);
    TCellGraphic* g = NodeGraphic(*this, d);
    RaiseLevels(*this, d, g->CellIndex(), -1);
    SetNodeRowCollapsed(d, false);
    SetGraphicObjectEx(CellNode().NodeColumn(), d, nullptr);
    FNumNodes = std::max(0, FNumNodes - 1);
    Invalidate();
}

void TExtStringGrid::RemoveAllNodes()
{
    if (FNumNodes == 0) return;
    BeginUpdate();
    ExpandAll();
    for (int r = 0; r < RowCount(); ++r)
        if (IsNode(r)) RemoveNode(RealRowIndex(r));
    FNumNodes = 0;
    EndUpdate();
}

void TExtStringGrid::SetSummaryRow(int ARow)
{
    const int d = DisplRowIndex(ARow);
    if (d < 0 || d >= RowCount()) return;
    CreateCellGraphic(0, d)->SetCellType(ctSummary);
}

// ----- node state and books

bool TExtStringGrid::GetNodeState(int ARow)
{
    const TCellGraphic* g = NodeGraphic(*this, ARow);
    return g != nullptr && g->CellBoolean();
}

void TExtStringGrid::SetNodeState(int ARow, bool Value)
{
    if (NodeGraphic(*this, ARow) == nullptr || GetNodeState(ARow) == Value) return;
    if (Value)
        ContractNode(RealRowIndex(ARow));
    else
        ExpandNode(RealRowIndex(ARow));
}

int TExtStringGrid::GetNodeLevel(int ARow) { return NodeGraphic(*this, ARow) != nullptr ? RowLevel(*this, ARow) : -1; }

int TExtStringGrid::GetNodeSpan(int ARow)
{
    const TCellGraphic* g = NodeGraphic(*this, ARow);
    return g != nullptr ? g->CellIndex() : -1;
}

void TExtStringGrid::SetNodeSpan(int ARow, int Span)
{
    if (TCellGraphic* g = NodeGraphic(*this, ARow)) g->SetCellIndex(Span);
}

void TExtStringGrid::UpdateNodeSpan(int ARow, int Delta)
{
    if (TCellGraphic* g = NodeGraphic(*this, ARow)) g->SetCellIndex(g->CellIndex() + Delta);
}

int TExtStringGrid::GetSubNodeCount(int ARow)
{
    const TCellGraphic* g = NodeGraphic(*this, ARow);
    return g != nullptr ? g->CellErrFrom() : 0;
}

void TExtStringGrid::UpdateSubNodeCount(int ARow, int Delta)
{
    if (TCellGraphic* g = NodeGraphic(*this, ARow)) g->SetCellErrFrom(g->CellErrFrom() + Delta);
}

// ----- contracting and expanding

void TExtStringGrid::ContractNode(int ARow)
{
    HideInplaceEdit();
    const int d = DisplRowIndex(ARow);
    TCellGraphic* g = NodeGraphic(*this, d);
    if (g == nullptr || g->CellBoolean()) return;
    BeginUpdate();
    g->SetCellBoolean(true);
    SetNodeRowCollapsed(d, true);
    int e = DisplayedSpanEnd(*this, d, g->CellIndex());
    // A contracted node inside the span already hides its children: they are not displayed,
    // so the displayed end moves up by their number, and the node is marked expanded since
    // its children come back with the parent.
    if (g->CellIndex() > 0) {
        for (int r = d + 1; r < e; ++r) {
            TCellGraphic* inner = NodeGraphic(*this, r);
            if (inner == nullptr || !inner->CellBoolean()) continue;
            const int next = r + 1 < RowCount() ? RealRowIndex(r + 1) : TotalRowCount();
            e -= next - RealRowIndex(r) - 1;
            inner->SetCellBoolean(false);
            SetNodeRowCollapsed(r, false);
        }
    } else {
        for (int r = d + 1; r < e; ++r)
            if (TCellGraphic* inner = NodeGraphic(*this, r); inner != nullptr && inner->CellBoolean()) {
                inner->SetCellBoolean(false);
                SetNodeRowCollapsed(r, false);
            }
    }
    e = std::min(e, RowCount());
    if (e - 1 >= d + 1) HideRows(RealRowIndex(d + 1), RealRowIndex(e - 1));
    EndUpdate();
    if (FloatingFooter().Visible()) RecalcAllFooters();
}

void TExtStringGrid::ExpandNode(int ARow)
{
    if (CellNode().ExpandOne()) {
        std::vector<int> others;
        for (int r = 0; r < RowCount(); ++r)
            if (NodeGraphic(*this, r) != nullptr && !GetNodeState(r) && RealRowIndex(r) != ARow)
                others.push_back(RealRowIndex(r));
        for (int real : others) ContractNode(real);
    }
    const int d = DisplRowIndex(ARow);
    TCellGraphic* g = NodeGraphic(*this, d);
    if (g == nullptr || !g->CellBoolean()) return;
    BeginUpdate();
    g->SetCellBoolean(false);
    SetNodeRowCollapsed(d, false);
    // The hidden children are the real rows between the node and the next displayed row;
    // a node with a span brings back no row beyond it.
    int last = (d + 1 < RowCount() ? RealRowIndex(d + 1) : TotalRowCount()) - 1;
    if (g->CellIndex() > 0) last = std::min(last, ARow + g->CellIndex() - 1);
    // With row selection the current row and the top row stay where they were.
    const int currentRow = Row();
    const int topRow = TopRow();
    const bool rowSelect = (Options() & ui::goRowSelect) != 0;
    if (rowSelect) SetOptions(Options() & ~ui::goRowSelect);
    if (last >= ARow + 1) UnHideRows(ARow + 1, last);
    if (rowSelect) {
        SetOptions(Options() | ui::goRowSelect);
        if (currentRow < RowCount()) SetRow(currentRow);
        if (topRow < RowCount()) SetTopRow(topRow);
    }
    EndUpdate();
    if (FloatingFooter().Visible()) RecalcAllFooters();
}

void TExtStringGrid::ToggleNode(int ARow)
{
    const int d = DisplRowIndex(ARow);
    if (NodeGraphic(*this, d) == nullptr) return;
    if (GetNodeState(d))
        ExpandNode(ARow);
    else
        ContractNode(ARow);
}

void TExtStringGrid::ExpandAll()
{
    RestoreAllHiddenRows();
    BeginUpdate();
    for (int r = 0; r < RowCount(); ++r)
        if (TCellGraphic* g = NodeGraphic(*this, r); g != nullptr && g->CellBoolean()) {
            g->SetCellBoolean(false);
            SetNodeRowCollapsed(r, false);
        }
    EndUpdate();
    if (SearchFooter().Visible()) UpdateSearchPanel();
    if (FloatingFooter().Visible()) RecalcAllFooters();
}

// The children of every top node are hidden in one pass. They are stored like rows hidden
// by HideRows (level 0, real indexes), so contracting nodes takes no filter level away
// from filtering.
void TExtStringGrid::ContractAll()
{
    bool anyExpanded = false;
    for (int r = 0; r < RowCount() && !anyExpanded; ++r)
        anyExpanded = NodeGraphic(*this, r) != nullptr && !GetNodeState(r);
    if (!anyExpanded) return;
    BeginUpdate();
    ExpandAll();
    TIntList rows(-1, -1);
    const int last = RowCount() - FixedFooters();
    int r = FixedRows();
    while (r < last) {
        TCellGraphic* g = NodeGraphic(*this, r);
        if (g == nullptr) {
            ++r;
            continue;
        }
        g->SetCellBoolean(true);
        SetNodeRowCollapsed(r, true);
        const int e = std::min(DisplayedSpanEnd(*this, r, g->CellIndex()), last);
        for (int c = r + 1; c < e; ++c) rows.Add(c);
        r = std::max(e, r + 1);
    }
    if (rows.Count() > 0) {
        const int before = NumHiddenRows();
        HideRowList(rows);
        for (int i = before; i < NumHiddenRows(); ++i) {
            GridItems(i).SetLevel(0);
            GridItems(i).SetFilterRecord(false);
        }
        SetFilterLevel(FilterLevel() - 1);
    }
    EndUpdate();
    if (SearchFooter().Visible()) UpdateSearchPanel();
    if (FloatingFooter().Visible()) RecalcAllFooters();
}

// ----- tree questions

int TExtStringGrid::GetParentRow(int ARow)
{
    if (!HasNodes()) return -1;
    int startLevel = 65535;
    int result = -1;
    if (IsNode(ARow)) {
        startLevel = RowLevel(*this, ARow);
        result = ARow;
    }
    int hiddenBelow = 0;
    for (int p = std::min(ARow, RowCount() - 1); p >= FixedRows(); --p) {
        const TCellGraphic* g = NodeGraphic(*this, p);
        if (g == nullptr) continue;
        if (RowLevel(*this, p) < startLevel && ARow < p + g->CellIndex() - hiddenBelow) return p;
        if (g->CellBoolean()) hiddenBelow += g->CellIndex() - 1;
    }
    return result;
}

int TExtStringGrid::GetNodeSpanType(int ARow)
{
    if (IsNode(ARow)) return 0;
    if (ARow >= RowCount() - FixedFooters() - 1) return 1;
    const int nc = CellNode().NodeColumn();
    if (HasCellProperties(nc, ARow + 1) && RowLevel(*this, ARow + 1) >= RowLevel(*this, ARow)) return 2;
    return 1;
}

bool TExtStringGrid::IsNodeGlyphHit(int ARow, int X)
{
    if (!MouseActions().PreciseNodeClick()) return true;
    const TCellNode& node = CellNode();
    const int left = CellRect(node.NodeColumn(), ARow).Left;
    const int level = RowLevel(*this, ARow);
    const int indent = node.NodeIndent();
    int glyph = 4;
    int margin = 0;
    switch (node.NodeType()) {
    case cn3D: glyph = 6; break;
    case cnGlyph:
        glyph = node.ExpandGlyph().Empty() ? 0 : node.ExpandGlyph().Width() / 2;
        margin = node.ExpandGlyph().Empty() ? 0 : 2;
        break;
    case cnLeaf: glyph = 8; margin = 2; break;
    case cnFlat:
    case cnXP: glyph = 4; margin = 4; break;
    }
    const int x = X - left;
    return margin + (level - 1) * indent < x && x < glyph + level * indent;
}

// ----- rows inside nodes

// InsertRows moves the hidden rows stored below the new row down with it.
void TExtStringGrid::InsertNormalRow(int ARow) { InsertRows(DisplRowIndex(ARow), 1); }

void TExtStringGrid::RemoveNormalRow(int ARow)
{
    RemoveRows(ARow, 1);
    FMaxRowCount = std::max(0, FMaxRowCount - 1);
}

void TExtStringGrid::InsertChildRow(int ARow, int InsertAt)
{
    const int d = DisplRowIndex(ARow);
    const bool onNode = IsNode(d);
    int parent = onNode ? d : GetParentRow(d);
    int parentLevel = 0;
    if (parent >= 0) {
        UpdateNodeSpan(parent, 1);
        UpdateSubNodeCount(parent, 1);
        if (GetNodeState(parent)) ExpandNode(RealRowIndex(parent));
        parentLevel = RowLevel(*this, parent);
        int level = parentLevel;
        for (int p = parent - 1; p >= FixedRows() && level > 0; --p) {
            if (!IsNode(p) || RowLevel(*this, p) >= level) continue;
            UpdateNodeSpan(p, 1);
            UpdateSubNodeCount(p, 1);
            if (GetNodeState(p)) ExpandNode(RealRowIndex(p));
            level = RowLevel(*this, p);
        }
    }
    const int at = (onNode && InsertAt == 0) ? d + 1 : d + InsertAt;
    if (at < 0 || at > RowCount()) return;
    // InsertRows moves the hidden rows at or below the insertion point down with the rows
    // they sit among (only those: rows hidden above it keep their places).
    InsertRows(at, 1);
    if (onNode && InsertAt == 0) {
        for (int c = 0; c < TotalColCount(); ++c) {
            SetGridCell(c, d + 1, GetGridCell(c, d));
            SetGridCell(c, d, "");
            if (c >= 1) {
                SetCellPropsDirect(c, d + 1, GetCellPropsDirect(c, d));
                SetCellPropsDirect(c, d, nullptr);
            }
        }
    }
    if (parent >= 0) GetCellProperties(CellNode().NodeColumn(), at)->SetNodeLevel(parentLevel);
}

void TExtStringGrid::RemoveChildRow(int ARow)
{
    const int d = DisplRowIndex(ARow);
    int parent = GetParentRow(d);
    if (parent == d) parent = -1;
    if (parent >= 0) {
        int level = RowLevel(*this, parent) + 1;
        for (int p = parent; p >= FixedRows() && level > 0; --p) {
            if (!IsNode(p) || RowLevel(*this, p) >= level) continue;
            if (GetNodeSpan(p) > 1) {
                UpdateNodeSpan(p, -1);
                UpdateSubNodeCount(p, -1);
            }
            if (GetNodeState(p)) ExpandNode(RealRowIndex(p));
            level = RowLevel(*this, p);
        }
    }
    const int at = DisplRowIndex(ARow);
    if (at < 0 || at >= RowCount()) return;
    RemoveRows(at, 1);
    FMaxRowCount = std::max(0, FMaxRowCount - 1);
    ClearHiddenRowLookup();
}

// ----- expandable cells

bool TExtStringGrid::HasExpand(int ACol, int ARow) { return GetCellType(ACol, ARow) == ctExpand; }

void TExtStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctExpand);
    g->SetCellAngle(ExpandedHeight);
    g->SetCellIndex(RowHeights(ARow));
    g->SetCellVar(false);
}

void TExtStringGrid::RemoveExpand(int ACol, int ARow)
{
    if (HasExpand(ACol, ARow)) SetGraphicObjectEx(ACol, ARow, nullptr);
}

namespace {

bool ExpandStateOf(const TCellGraphic* g)
{
    if (g == nullptr || g->CellType() != ctExpand) return false;
    const bool* state = std::get_if<bool>(&g->CellVar());
    return state != nullptr && *state;
}

}  // namespace

bool TExtStringGrid::ToggleExpand(int ACol, int ARow)
{
    const rtl::TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* g = GetCellGraphic(base.X, base.Y);
    if (g == nullptr || g->CellType() != ctExpand) return false;
    const bool state = !ExpandStateOf(g);
    g->SetCellVar(state);
    return state;
}

bool TExtStringGrid::GetExpandState(int ACol, int ARow) { return ExpandStateOf(GetCellGraphic(ACol, ARow)); }

int TExtStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr || g->CellType() != ctExpand) return DefaultRowHeight();
    return Expanded ? g->CellAngle() : g->CellIndex();
}

}  // namespace grid
