// Highlighting and marking of a search text in string grid cells with "hi" and "e" tags, and checking cells with the cell checker.
#include <string>

#include "grid/core/ExtGrid.h"
#include "grid/editing/ExtStringGridCheck.h"
#include "grid/foundation/EsgHTMLEUtil.h"

namespace grid {

namespace {

const char* const HilightTag = "hi";
const char* const MarkTag = "e";

}  // namespace

std::string TExtStringGrid::HilightText(bool DoCase, const std::string& S, const std::string& Text)
{
    return InsertHtmlMarks(S, Text, HilightTag, false, DoCase);
}

std::string TExtStringGrid::UnHilightText(const std::string& S) { return RemoveHtmlMarks(S, HilightTag); }

std::string TExtStringGrid::MarkText(bool DoCase, const std::string& S, const std::string& Text)
{
    return InsertHtmlMarks(S, Text, MarkTag, false, DoCase);
}

std::string TExtStringGrid::UnMarkText(const std::string& S) { return RemoveHtmlMarks(S, MarkTag); }

// The marker compares the search text with the characters the cell shows (an entity of an
// HTML cell counts as its character, and a plain cell's special characters are written as
// entities around the marks), so the search text is handed over as typed. Only base cells
// of merged blocks are visited, rows outside and columns inside; a cell is written only
// when marking changed it.
void TExtStringGrid::MarkCells(const std::string& Tag, bool DoCase, bool FullText, const std::string& Search,
                               const rtl::TRect& Cells)
{
    for (int r = Cells.Top; r <= Cells.Bottom; ++r)
        for (int c = Cells.Left; c <= Cells.Right; ++c) {
            if (!IsBaseCell(c, r)) continue;
            const std::string text = OnGetDisplText ? GetCellEx(c, r) : GetGridCell(c, r);
            const std::string marked = InsertHtmlMarks(text, Search, Tag, FullText, DoCase);
            if (marked != text) SetCellEx(c, r, marked);
        }
}

void TExtStringGrid::UnMarkCells(const std::string& Tag, const rtl::TRect& Cells)
{
    for (int r = Cells.Top; r <= Cells.Bottom; ++r)
        for (int c = Cells.Left; c <= Cells.Right; ++c) {
            if (!IsBaseCell(c, r)) continue;
            const std::string text = OnGetDisplText ? GetCellEx(c, r) : GetGridCell(c, r);
            SetCellEx(c, r, RemoveHtmlMarks(HtmlDecodeEntities(text, false), Tag));
        }
}

namespace {

// Column and row spans of the ranges: every cell with DoFixed, otherwise the normal ones.
struct TSpans {
    int AllCols, NormalFirstCol, NormalLastCol, AllRows, NormalFirstRow, NormalLastRow, Hidden;
};

TSpans SpansOf(TExtStringGrid& g)
{
    return {g.ColCount(),  g.FixedCols(), g.ColCount() - g.FixedRightCols() - 1,
            g.RowCount(),  g.FixedRows(), g.RowCount() - g.FixedFooters() - 1,
            g.NumHiddenColumns()};
}

rtl::TRect ColumnRange(TExtStringGrid& g, bool DoFixed, int Col)
{
    const TSpans s = SpansOf(g);
    return DoFixed ? rtl::TRect{Col, 0, Col, s.AllRows - 1} : rtl::TRect{Col, s.NormalFirstRow, Col, s.NormalLastRow};
}

// Marking rows stays within the shown columns; unmarking reaches the hidden ones too.
rtl::TRect RowRange(TExtStringGrid& g, bool DoFixed, int Row, bool WithHidden)
{
    const TSpans s = SpansOf(g);
    const int extra = WithHidden ? s.Hidden : 0;
    return DoFixed ? rtl::TRect{0, Row, s.AllCols + extra - 1, Row}
                   : rtl::TRect{s.NormalFirstCol, Row, s.NormalLastCol + extra, Row};
}

rtl::TRect GridRange(TExtStringGrid& g, bool DoFixed, bool WithHidden)
{
    const TSpans s = SpansOf(g);
    const int extra = WithHidden ? s.Hidden : 0;
    return DoFixed ? rtl::TRect{0, 0, s.AllCols + extra - 1, s.AllRows - 1}
                   : rtl::TRect{s.NormalFirstCol, s.NormalFirstRow, s.NormalLastCol + extra, s.NormalLastRow};
}

}  // namespace

void TExtStringGrid::HilightInCell(bool DoCase, int Col, int Row, const std::string& HiText, bool FullText)
{
    MarkCells(HilightTag, DoCase, FullText, HiText, rtl::TRect{Col, Row, Col, Row});
}

void TExtStringGrid::HilightInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText, bool FullText)
{
    MarkCells(HilightTag, DoCase, FullText, HiText, ColumnRange(*this, DoFixed, Col));
}

void TExtStringGrid::HilightInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText, bool FullText)
{
    MarkCells(HilightTag, DoCase, FullText, HiText, RowRange(*this, DoFixed, Row, false));
}

// Highlighting the grid reaches the hidden columns among the normal ones.
void TExtStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const std::string& HiText, bool FullText)
{
    rtl::TRect cells = GridRange(*this, DoFixed, !DoFixed);
    MarkCells(HilightTag, DoCase, FullText, HiText, cells);
}

void TExtStringGrid::UnHilightInCell(int Col, int Row) { UnMarkCells(HilightTag, rtl::TRect{Col, Row, Col, Row}); }
void TExtStringGrid::UnHilightInCol(bool DoFixed, int Col) { UnMarkCells(HilightTag, ColumnRange(*this, DoFixed, Col)); }
void TExtStringGrid::UnHilightInRow(bool DoFixed, int Row) { UnMarkCells(HilightTag, RowRange(*this, DoFixed, Row, true)); }
void TExtStringGrid::UnHilightInGrid(bool DoFixed) { UnMarkCells(HilightTag, GridRange(*this, DoFixed, true)); }

void TExtStringGrid::MarkInCell(bool DoCase, int Col, int Row, const std::string& HiText)
{
    MarkCells(MarkTag, DoCase, false, HiText, rtl::TRect{Col, Row, Col, Row});
}

void TExtStringGrid::MarkInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText)
{
    MarkCells(MarkTag, DoCase, false, HiText, ColumnRange(*this, DoFixed, Col));
}

void TExtStringGrid::MarkInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText)
{
    MarkCells(MarkTag, DoCase, false, HiText, RowRange(*this, DoFixed, Row, false));
}

void TExtStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const std::string& HiText)
{
    MarkCells(MarkTag, DoCase, false, HiText, GridRange(*this, DoFixed, false));
}

void TExtStringGrid::UnMarkInCell(int Col, int Row) { UnMarkCells(MarkTag, rtl::TRect{Col, Row, Col, Row}); }
void TExtStringGrid::UnMarkInCol(bool DoFixed, int Col) { UnMarkCells(MarkTag, ColumnRange(*this, DoFixed, Col)); }
void TExtStringGrid::UnMarkInRow(bool DoFixed, int Row) { UnMarkCells(MarkTag, RowRange(*this, DoFixed, Row, true)); }
void TExtStringGrid::UnMarkInGrid(bool DoFixed) { UnMarkCells(MarkTag, GridRange(*this, DoFixed, true)); }

// --- checking

bool TExtStringGrid::CheckCell(int Col, int Row)
{
    auto* checker = dynamic_cast<TExtStringGridCheck*>(CellChecker());
    if (checker == nullptr) return true;
    const std::string unmarked = UnMarkText(GetCellEx(Col, Row));
    if (checker->GotoCell()) MoveColRow(Col, Row, true, true);
    std::string text = unmarked;
    if (checker->UseCorrect()) text = checker->Correct(Col, Row, unmarked);
    if (checker->UseMarkError()) text = checker->MarkError(Col, Row, unmarked);
    SetCellEx(Col, Row, text);
    return text == unmarked;
}

bool TExtStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    auto* checker = dynamic_cast<TExtStringGridCheck*>(CellChecker());
    if (checker == nullptr) return true;
    checker->StartCheck();
    const int savedRow = Row();
    const int savedCol = Col();
    bool allClean = true;
    for (int r = FromRow; r <= ToRow; ++r) {
        for (int c = FromCol; c <= ToCol; ++c) {
            if (!CheckCell(c, r)) allClean = false;
            if (checker->LastResult() != CheckResultOK) break;
        }
        if (checker->LastResult() != CheckResultOK) break;
    }
    checker->StopCheck();
    if (checker->GotoCell()) {
        SetRow(savedRow);
        SetCol(savedCol);
    }
    return allClean;
}

bool TExtStringGrid::CheckCol(bool DoFixed, int Col)
{
    const rtl::TRect r = ColumnRange(*this, DoFixed, Col);
    return CheckCells(r.Left, r.Top, r.Right, r.Bottom);
}

bool TExtStringGrid::CheckRow(bool DoFixed, int Row)
{
    const rtl::TRect r = RowRange(*this, DoFixed, Row, false);
    return CheckCells(r.Left, r.Top, r.Right, r.Bottom);
}

bool TExtStringGrid::CheckGrid(bool DoFixed)
{
    const rtl::TRect r = GridRange(*this, DoFixed, false);
    return CheckCells(r.Left, r.Top, r.Right, r.Bottom);
}

}  // namespace grid
