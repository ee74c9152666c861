// Base grid merged cells: merging, splitting and the span queries over the merge encoding.
#include "grid/core/BaseGrid.h"
#include "platform/rtl/Format.h"

namespace grid {

// A block reaching outside the grid would write property objects into cells the grid
// does not show (or raise from the store half-way for negative indexes), leaving a block
// whose encoding points outside the grid. The sound behaviour is to refuse the call with
// the grid's error before any cell is touched.
void TBaseGrid::CheckMergeRange(const char* operation, int c, int r, int spanx, int spany) const
{
    int lastCol = c + std::max(spanx, 1) - 1;
    int lastRow = r + std::max(spany, 1) - 1;
    if (c >= 0 && r >= 0 && lastCol < TotalColCount() && lastRow < RowCount()) return;
    throw VIdoZovuVozir(rtl::Format("%s: cell range (%d, %d) - (%d, %d) outside the grid (%d columns, %d rows)",
                                    {std::string(operation), c, r, lastCol, lastRow, TotalColCount(), RowCount()}));
}

void TBaseGrid::MergeCells(int c, int r, int spanx, int spany)
{
    CheckMergeRange("MergeCells", c, r, spanx, spany);
    ++FMergeCount;
    for (int i = c; i < c + spanx; ++i) {
        for (int j = r; j < r + spany; ++j) {
            TCellProperties* p = GetCellProperties(i, j);
            bool base = i == c && j == r;
            p->SetIsBaseCell(base);
            p->SetCellSpanX(base ? spanx - 1 : i - c);
            p->SetCellSpanY(base ? spany - 1 : j - r);
        }
    }
    if (spanx > 0 && spany > 0) RepaintRect(rtl::TRect{c, r, c + spanx - 1, r + spany - 1});
}

void TBaseGrid::SplitCells(int c, int r)
{
    CheckMergeRange("SplitCells", c, r, 1, 1);
    rtl::TPoint base = GetCellProperties(c, r)->BaseCellAt(c, r);
    const TCellProperties* bp = GetCellPropsDirect(base.X, base.Y);
    int sx = bp != nullptr ? bp->CellSpanX() : -1;
    int sy = bp != nullptr ? bp->CellSpanY() : -1;
    for (int i = base.X; i <= base.X + sx; ++i) {
        for (int j = base.Y; j <= base.Y + sy; ++j) {
            TCellProperties* p = GetCellProperties(i, j);
            p->SetIsBaseCell(true);
            p->SetCellSpanX(-1);
            p->SetCellSpanY(-1);
        }
    }
    if (sx >= 0 && sy >= 0) RepaintRect(rtl::TRect{base.X, base.Y, base.X + sx, base.Y + sy});
    --FMergeCount;
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow)) return false;
    const TCellProperties* p = GetCellPropsDirect(ACol, ARow);
    return p->CellSpanX() > 0 || p->CellSpanY() > 0;
}

bool TBaseGrid::IsMergedNonBaseCell(int ACol, int ARow) const
{
    return IsMergedCell(ACol, ARow) && !GetCellPropsDirect(ACol, ARow)->IsBaseCell();
}

bool TBaseGrid::IsXMergedCell(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow)) return false;
    rtl::TPoint b = BaseCell(ACol, ARow);
    const TCellProperties* bp = GetCellPropsDirect(b.X, b.Y);
    return bp != nullptr && bp->CellSpanX() > 0;
}

bool TBaseGrid::IsYMergedCell(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow)) return false;
    rtl::TPoint b = BaseCell(ACol, ARow);
    const TCellProperties* bp = GetCellPropsDirect(b.X, b.Y);
    return bp != nullptr && bp->CellSpanY() > 0;
}

bool TBaseGrid::IsBaseCell(int ACol, int ARow) const
{
    return !HasCellProperties(ACol, ARow) || GetCellPropsDirect(ACol, ARow)->IsBaseCell();
}

rtl::TPoint TBaseGrid::BaseCell(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow)) return rtl::TPoint{ACol, ARow};
    return GetCellPropsDirect(ACol, ARow)->BaseCellAt(ACol, ARow);
}

bool TBaseGrid::GetBaseCellPos(int ACol, int ARow, int& BaseCol, int& BaseRow) const
{
    BaseCol = ACol;
    BaseRow = ARow;
    if (!HasCellProperties(ACol, ARow)) return true;
    const TCellProperties* p = GetCellPropsDirect(ACol, ARow);
    if (p->IsBaseCell()) return true;
    rtl::TPoint b = p->BaseCellAt(ACol, ARow);
    BaseCol = b.X;
    BaseRow = b.Y;
    return false;
}

rtl::TPoint TBaseGrid::CellSpan(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow)) return rtl::TPoint{0, 0};
    const TCellProperties* p = GetCellPropsDirect(ACol, ARow);
    if (p->CellSpanX() == -1 && p->CellSpanY() <= 0) return rtl::TPoint{0, 0};
    rtl::TPoint b = p->BaseCellAt(ACol, ARow);
    const TCellProperties* bp = GetCellPropsDirect(b.X, b.Y);
    if (bp == nullptr) return rtl::TPoint{0, 0};
    return rtl::TPoint{bp->CellSpanX(), bp->CellSpanY()};
}

rtl::TPoint TBaseGrid::CellExt(int ACol, int ARow) const
{
    if (!HasCellProperties(ACol, ARow)) return rtl::TPoint{0, 0};
    const TCellProperties* p = GetCellPropsDirect(ACol, ARow);
    if (p->CellSpanX() == -1 || p->CellSpanY() == -1) return rtl::TPoint{0, 0};
    rtl::TPoint b = p->BaseCellAt(ACol, ARow);
    const TCellProperties* bp = GetCellPropsDirect(b.X, b.Y);
    if (bp == nullptr) return rtl::TPoint{0, 0};
    return rtl::TPoint{b.X + bp->CellSpanX() - ACol, b.Y + bp->CellSpanY() - ARow};
}

rtl::TRect TBaseGrid::FullCell(int c, int r) const
{
    rtl::TPoint b = BaseCell(c, r);
    rtl::TPoint s = CellSpan(c, r);
    return rtl::TRect{b.X, b.Y, b.X + s.X, b.Y + s.Y};
}

int TBaseGrid::MinRowSpan(int ARow) const
{
    int result = RowCount();
    for (int c = 0; c < ColCount(); ++c) {
        int y = CellSpan(c, ARow).Y;
        if (y > 0 && y < result) result = y;
    }
    return result;
}

int TBaseGrid::MaxRowSpan(int ARow) const
{
    int result = 0;
    for (int c = 0; c < ColCount(); ++c) result = std::max(result, CellSpan(c, ARow).Y);
    return result;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) const
{
    bool result = false;
    for (int c = 0; c < ColCount(); ++c) {
        if (CellSpan(c, ARow1).Y > 0 && CellSpan(c, ARow2).Y > 0) {
            if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y) return false;
            result = true;
        }
    }
    return result;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) const
{
    bool shared = false;
    for (int r = 0; r < RowCount(); ++r) {
        rtl::TPoint s1 = CellSpan(ACol1, r);
        rtl::TPoint s2 = CellSpan(ACol2, r);
        if (s1.X > 0 && s2.X > 0) {
            if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X) return false;
            shared = true;
        } else if (s1.X != s2.X) {
            return false;
        }
    }
    return shared;
}

}  // namespace grid
