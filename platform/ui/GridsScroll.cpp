// The grid engine's geometry (cell rectangles, hit tests, visible counts) and scrolling.
#include <algorithm>

#include "platform/ui/Grids.h"
#include "platform/ui/Keyboard.h"

namespace ui {

// --- client area ---

rtl::TRect TCustomGrid::GetClientRect() const { return TCustomControl::ClientRect(); }

rtl::TRect TCustomGrid::ClientRect() const { return GetClientRect(); }

// --- line widths and fixed extents ---

int TCustomGrid::LineWidthX() const { return (FOptions & (goFixedVertLine | goVertLine)) ? FGridLineWidth : 0; }

int TCustomGrid::LineWidthY() const { return (FOptions & (goFixedHorzLine | goHorzLine)) ? FGridLineWidth : 0; }

int TCustomGrid::FixedWidth() const
{
    return static_cast<int>(FColWidths.Offset(FFixedCols)) + FFixedCols * LineWidthX();
}

int TCustomGrid::FixedHeight() const
{
    return static_cast<int>(FRowHeights.Offset(FFixedRows)) + FFixedRows * LineWidthY();
}

long long TCustomGrid::GridWidth() const
{
    return FColWidths.Offset(ColCount()) + static_cast<long long>(ColCount()) * LineWidthX();
}

long long TCustomGrid::GridHeight() const
{
    return FRowHeights.Offset(RowCount()) + static_cast<long long>(RowCount()) * LineWidthY();
}

long long TCustomGrid::ColLeft(int ACol) const
{
    int lw = LineWidthX();
    if (ACol < FFixedCols) return FColWidths.Offset(ACol) + static_cast<long long>(ACol) * lw;
    return FixedWidth() + FColWidths.Offset(ACol) - FColWidths.Offset(FTopLeft.X) +
           static_cast<long long>(ACol - FTopLeft.X) * lw;
}

long long TCustomGrid::RowTop(int ARow) const
{
    int lw = LineWidthY();
    if (ARow < FFixedRows) return FRowHeights.Offset(ARow) + static_cast<long long>(ARow) * lw;
    return FixedHeight() + FRowHeights.Offset(ARow) - FRowHeights.Offset(FTopLeft.Y) +
           static_cast<long long>(ARow - FTopLeft.Y) * lw;
}

// The column whose cell or following line holds client x, -1 when none does.
int TCustomGrid::ColumnAt(int X) const
{
    if (X < 0) return -1;
    int lw = LineWidthX();
    long long x = 0;
    for (int c = 0; c < FFixedCols; ++c) {
        x += FColWidths.Size(c) + lw;
        if (X < x) return c;
    }
    for (int c = FTopLeft.X; c < ColCount(); ++c) {
        x += FColWidths.Size(c) + lw;
        if (X < x) return c;
    }
    return -1;
}

int TCustomGrid::RowAt(int Y) const
{
    if (Y < 0) return -1;
    int lw = LineWidthY();
    long long y = 0;
    for (int r = 0; r < FFixedRows; ++r) {
        y += FRowHeights.Size(r) + lw;
        if (Y < y) return r;
    }
    for (int r = FTopLeft.Y; r < RowCount(); ++r) {
        y += FRowHeights.Size(r) + lw;
        if (Y < y) return r;
    }
    return -1;
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const
{
    TGridCoord c = MouseCoord(X, Y);
    ACol = c.X;
    ARow = c.Y;
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const
{
    rtl::TRect client = GetClientRect();
    if (X >= client.Right || Y >= client.Bottom) return {-1, -1};
    int c = ColumnAt(X);
    int r = RowAt(Y);
    if (c < 0 || r < 0) return {-1, -1};
    return {c, r};
}

// --- rectangles ---

rtl::TRect TCustomGrid::BoxRect(int ALeft, int ATop, int ARight, int ABottom) const
{
    if (ALeft > ARight) std::swap(ALeft, ARight);
    if (ATop > ABottom) std::swap(ATop, ABottom);
    ALeft = std::max(ALeft, 0);
    ATop = std::max(ATop, 0);
    ARight = std::min(ARight, ColCount() - 1);
    ABottom = std::min(ABottom, RowCount() - 1);
    if (ALeft > ARight || ATop > ABottom) return {};
    // Scrolled-out cells of the range are not drawn: cut the range to what is visible.
    if (ALeft >= FFixedCols && ALeft < FTopLeft.X) ALeft = FTopLeft.X;
    if (ARight >= FFixedCols && ARight < FTopLeft.X) ARight = FFixedCols - 1;
    if (ATop >= FFixedRows && ATop < FTopLeft.Y) ATop = FTopLeft.Y;
    if (ABottom >= FFixedRows && ABottom < FTopLeft.Y) ABottom = FFixedRows - 1;
    if (ALeft > ARight || ATop > ABottom) return {};
    rtl::TRect client = GetClientRect();
    long long left = ColLeft(ALeft);
    long long right = ColLeft(ARight) + FColWidths.Size(ARight);
    long long top = RowTop(ATop);
    long long bottom = RowTop(ABottom) + FRowHeights.Size(ABottom);
    right = std::min<long long>(right, client.Right);
    bottom = std::min<long long>(bottom, client.Bottom);
    if (left >= right || top >= bottom) return {};
    return rtl::Rect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right), static_cast<int>(bottom));
}

rtl::TRect TCustomGrid::CellRect(int ACol, int ARow) const { return BoxRect(ACol, ARow, ACol, ARow); }

// --- visible counts and draw information ---

int TCustomGrid::VisibleColCount() const
{
    int avail = GetClientRect().Width();
    long long x = FixedWidth();
    int n = 0;
    for (int c = FTopLeft.X; c < ColCount(); ++c) {
        x += FColWidths.Size(c);
        if (x > avail) break;
        x += LineWidthX();
        ++n;
    }
    return n;
}

int TCustomGrid::VisibleRowCount() const
{
    int avail = GetClientRect().Height();
    long long y = FixedHeight();
    int n = 0;
    for (int r = FTopLeft.Y; r < RowCount(); ++r) {
        y += FRowHeights.Size(r);
        if (y > avail) break;
        y += LineWidthY();
        ++n;
    }
    return n;
}

void TCustomGrid::CalcFixedInfo(TGridDrawInfo& DrawInfo) const
{
    rtl::TRect client = GetClientRect();
    DrawInfo.Horz.EffectiveLineWidth = LineWidthX();
    DrawInfo.Horz.FixedBoundary = FixedWidth();
    DrawInfo.Horz.GridExtent = client.Width();
    DrawInfo.Horz.FixedCellCount = FFixedCols;
    DrawInfo.Horz.FirstGridCell = FTopLeft.X;
    DrawInfo.Horz.GridCellCount = ColCount();
    DrawInfo.Vert.EffectiveLineWidth = LineWidthY();
    DrawInfo.Vert.FixedBoundary = FixedHeight();
    DrawInfo.Vert.GridExtent = client.Height();
    DrawInfo.Vert.FixedCellCount = FFixedRows;
    DrawInfo.Vert.FirstGridCell = FTopLeft.Y;
    DrawInfo.Vert.GridCellCount = RowCount();
}

void TCustomGrid::CalcDrawInfo(TGridDrawInfo& DrawInfo) const
{
    CalcFixedInfo(DrawInfo);
    auto finish = [](TGridAxisDrawInfo& a, const TGridAxisSizes& sizes) {
        long long pos = a.FixedBoundary;
        a.LastFullVisibleCell = a.FirstGridCell - 1;
        a.FullVisBoundary = a.FixedBoundary;
        int i = a.FirstGridCell;
        for (; i < a.GridCellCount && pos < a.GridExtent; ++i) {
            pos += sizes.Size(i) + a.EffectiveLineWidth;
            if (pos <= a.GridExtent + a.EffectiveLineWidth) {
                a.LastFullVisibleCell = i;
                a.FullVisBoundary = static_cast<int>(pos);
            }
        }
        a.GridBoundary = static_cast<int>(std::min<long long>(pos, a.GridExtent));
    };
    finish(DrawInfo.Horz, FColWidths);
    finish(DrawInfo.Vert, FRowHeights);
}

// --- scrolling ---

namespace {
// The first scrollable cell from which the cells up to the last one fill `avail` pixels
// (the fixed cells' extent already taken off); `fixed` when they all fit.
int MaxFirstCell(const TGridAxisSizes& sizes, int fixed, int lineWidth, long long avail)
{
    int count = sizes.Count();
    long long used = 0;
    for (int i = count - 1; i >= fixed; --i) {
        used += sizes.Size(i) + (i == count - 1 ? 0 : lineWidth);
        if (used > avail) return std::max(fixed, std::min(i + 1, count - 1));
    }
    return fixed;
}
}  // namespace

// The largest top-left cell that still fills the client area from there to the last cell.
TGridCoord TCustomGrid::MaxTopLeft() const
{
    rtl::TRect client = GetClientRect();
    return {MaxFirstCell(FColWidths, FFixedCols, LineWidthX(), client.Width() - FixedWidth()),
            MaxFirstCell(FRowHeights, FFixedRows, LineWidthY(), client.Height() - FixedHeight())};
}

void TCustomGrid::ClampTopLeft()
{
    TGridCoord max = MaxTopLeft();
    int left = std::max(FFixedCols, std::min(FTopLeft.X, max.X));
    int top = std::max(FFixedRows, std::min(FTopLeft.Y, max.Y));
    if (left != FTopLeft.X || top != FTopLeft.Y) SetTopLeft(left, top);
}

// After the client area changed: the top-left cell kept within what can be scrolled.
void TCustomGrid::ClampTopLeftNoScroll()
{
    TGridCoord max = MaxTopLeft();
    int left = std::max(FFixedCols, std::min(FTopLeft.X, max.X));
    int top = std::max(FFixedRows, std::min(FTopLeft.Y, max.Y));
    if (left == FTopLeft.X && top == FTopLeft.Y) return;
    FTopLeft = {left, top};
    Invalidate();
    InvalidateEditor();
    TopLeftChanged();
}

void TCustomGrid::SetTopLeft(int ALeft, int ATop)
{
    TGridCoord max = MaxTopLeft();
    ALeft = std::max(FFixedCols, std::min(ALeft, max.X));
    ATop = std::max(FFixedRows, std::min(ATop, max.Y));
    if (ALeft == FTopLeft.X && ATop == FTopLeft.Y) return;
    FTopLeft = {ALeft, ATop};
    Invalidate();
    UpdateScrollRange();
    InvalidateEditor();
    TopLeftChanged();
}

void TCustomGrid::SetTopRow(int value) { SetTopLeft(FTopLeft.X, value); }

void TCustomGrid::SetLeftCol(int value) { SetTopLeft(value, FTopLeft.Y); }

void TCustomGrid::ScrollIntoView(int ACol, int ARow)
{
    rtl::TRect client = GetClientRect();
    int left = FTopLeft.X;
    int top = FTopLeft.Y;
    if (ACol >= FFixedCols) {
        if (ACol < left) {
            left = ACol;
        } else {
            long long avail = client.Width() - FixedWidth();
            long long need = FColWidths.Offset(ACol + 1) - FColWidths.Offset(left) +
                             static_cast<long long>(ACol - left) * LineWidthX();
            if (need > avail) {
                // The leftmost column from which ACol still fits whole.
                long long used = FColWidths.Size(ACol);
                left = ACol;
                while (left > FFixedCols && used + LineWidthX() + FColWidths.Size(left - 1) <= avail) {
                    --left;
                    used += LineWidthX() + FColWidths.Size(left);
                }
            }
        }
    }
    if (ARow >= FFixedRows) {
        if (ARow < top) {
            top = ARow;
        } else {
            long long avail = client.Height() - FixedHeight();
            long long need = FRowHeights.Offset(ARow + 1) - FRowHeights.Offset(top) +
                             static_cast<long long>(ARow - top) * LineWidthY();
            if (need > avail) {
                long long used = FRowHeights.Size(ARow);
                top = ARow;
                while (top > FFixedRows && used + LineWidthY() + FRowHeights.Size(top - 1) <= avail) {
                    --top;
                    used += LineWidthY() + FRowHeights.Size(top);
                }
            }
        }
    }
    SetTopLeft(left, top);
}

// Sets the scroll bars from the top-left cell: position TopRow - FixedRows, page the
// visible rows, range the scrollable rows (columns alike). Which bars show is decided on the
// whole area first, since a shown bar narrows the client area and may make the other needed.
void TCustomGrid::UpdateScrollRange()
{
    if (FUpdatingScroll) return;
    FUpdatingScroll = true;
    bool wantVert = FScrollBars == ssVertical || FScrollBars == ssBoth;
    bool wantHorz = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    // The area without bars, then each bar needed there or once the other one shows.
    rtl::TRect client = GetClientRect();
    int barV = ScrollBarState(SB_VERT).Shown ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    int barH = ScrollBarState(SB_HORZ).Shown ? GetSystemMetrics(SM_CYHSCROLL) : 0;
    long long fullW = client.Width() + barV - FixedWidth();
    long long fullH = client.Height() + barH - FixedHeight();
    auto needsCols = [&](long long avail) {
        return MaxFirstCell(FColWidths, FFixedCols, LineWidthX(), avail) > FFixedCols;
    };
    auto needsRows = [&](long long avail) {
        return MaxFirstCell(FRowHeights, FFixedRows, LineWidthY(), avail) > FFixedRows;
    };
    bool needV = wantVert && needsRows(fullH);
    bool needH = wantHorz && needsCols(fullW);
    if (needV && !needH) needH = wantHorz && needsCols(fullW - GetSystemMetrics(SM_CXVSCROLL));
    if (needH && !needV) needV = wantVert && needsRows(fullH - GetSystemMetrics(SM_CYHSCROLL));
    if (ScrollBarState(SB_VERT).Shown != needV) ShowScrollBar(Handle(), SB_VERT, needV);
    if (ScrollBarState(SB_HORZ).Shown != needH) ShowScrollBar(Handle(), SB_HORZ, needH);
    ClampTopLeftNoScroll();
    TGridCoord max = MaxTopLeft();
    for (int bar : {SB_VERT, SB_HORZ}) {
        if (!ScrollBarState(bar).Shown) continue;
        bool vert = bar == SB_VERT;
        int fixed = vert ? FFixedRows : FFixedCols;
        int count = vert ? RowCount() : ColCount();
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        si.nMax = count - fixed - 1;
        si.nPage = static_cast<UINT>(count - (vert ? max.Y : max.X));
        si.nPos = (vert ? FTopLeft.Y : FTopLeft.X) - fixed;
        SetScrollInfo(Handle(), bar, si, true);
    }
    FUpdatingScroll = false;
}

void TCustomGrid::ScrollMessage(TMessage& Message, int bar)
{
    int code = LOWORD(Message.WParam);
    bool vert = bar == SB_VERT;
    int fixed = vert ? FFixedRows : FFixedCols;
    int first = vert ? FTopLeft.Y : FTopLeft.X;
    int page = std::max(1, vert ? VisibleRowCount() : VisibleColCount());
    int last = (vert ? RowCount() : ColCount()) - 1;
    int target = first;
    switch (code) {
    case SB_LINEUP: target = first - 1; break;
    case SB_LINEDOWN: target = first + 1; break;
    case SB_PAGEUP: target = first - page; break;
    case SB_PAGEDOWN: target = first + page; break;
    case SB_TOP: target = fixed; break;
    case SB_BOTTOM: target = last; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        if (code == SB_THUMBTRACK && !(FOptions & goThumbTracking)) return;
        // The bar's own track position: the message's 16 bits cannot hold a million rows.
        target = ScrollBarState(bar).TrackPos + fixed;
        break;
    }
    default: return;
    }
    if (vert) SetTopLeft(FTopLeft.X, target);
    else SetTopLeft(target, FTopLeft.Y);
    UpdateScrollRange();
    Message.Result = 0;
}

void TCustomGrid::Resize()
{
    ClampTopLeft();
    UpdateScrollRange();
    InvalidateEditor();
    TCustomControl::Resize();
}

}  // namespace ui
