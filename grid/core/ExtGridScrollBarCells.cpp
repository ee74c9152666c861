// Scroll bar cells: a cell whose text scrolls by a bar at its right edge, and the range that follows the text.
#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "grid/foundation/ExtUtilCellText.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Keyboard.h"

namespace grid {

// The record keeps the position in CellIndex, the page size in CellAngle, the range in
// CellErrFrom and whether the range follows the text in CellBoolean.

void TExtStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctScrollbar);
    g->SetCellIndex(0);
    g->SetCellAngle(0);
    g->SetCellErrFrom(100);
    g->SetCellBoolean(AutoRange);
    if (AutoRange) UpdateAutoRangeScroll(ACol, ARow);
}

bool TExtStringGrid::HasScrollBar(int ACol, int ARow)
{
    const rtl::TPoint b = BaseCell(ACol, ARow);
    return GetCellType(b.X, b.Y) == ctScrollbar;
}

bool TExtStringGrid::HasAutoRangeScrollBar(int ACol, int ARow)
{
    const rtl::TPoint b = BaseCell(ACol, ARow);
    const TCellGraphic* g = GetCellGraphic(b.X, b.Y);
    return g != nullptr && g->CellType() == ctScrollbar && g->CellBoolean();
}

void TExtStringGrid::SetScrollPosition(int ACol, int ARow, int Pos)
{
    const rtl::TPoint b = BaseCell(ACol, ARow);
    TCellGraphic* g = GetCellGraphic(b.X, b.Y);
    if (g == nullptr || g->CellType() != ctScrollbar) return;
    g->SetCellIndex(Pos);
    RepaintCell(ACol, ARow);
}

int TExtStringGrid::GetScrollPosition(int ACol, int ARow)
{
    const rtl::TPoint b = BaseCell(ACol, ARow);
    const TCellGraphic* g = GetCellGraphic(b.X, b.Y);
    return g != nullptr && g->CellType() == ctScrollbar ? g->CellIndex() : -1;
}

void TExtStringGrid::SetScrollProp(int ACol, int ARow, TScrollProp Prop)
{
    const rtl::TPoint b = BaseCell(ACol, ARow);
    TCellGraphic* g = GetCellGraphic(b.X, b.Y);
    if (g == nullptr || g->CellType() != ctScrollbar) return;
    g->SetCellAngle(Prop.PageSize);
    g->SetCellErrFrom(Prop.Range);
}

TExtStringGrid::TScrollProp TExtStringGrid::GetScrollProp(int ACol, int ARow)
{
    const rtl::TPoint b = BaseCell(ACol, ARow);
    const TCellGraphic* g = GetCellGraphic(b.X, b.Y);
    if (g == nullptr || g->CellType() != ctScrollbar) return {-1, -1};
    return {g->CellAngle(), g->CellErrFrom()};
}

void TExtStringGrid::RemoveScrollBar(int ACol, int ARow)
{
    if (GetCellType(ACol, ARow) == ctScrollbar) FreeControlGraphic(ACol, ARow);
}

// The page is the row's height and the range the height the cell's text takes in the
// cell's font, word-wrapped to the width left beside the bar. Mini-HTML is measured by
// its plain text.
void TExtStringGrid::UpdateAutoRangeScroll(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr || g->CellType() != ctScrollbar || !g->CellBoolean()) return;
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
    std::string text = GetCellEx(ACol, ARow);
    if (DetectCellTextKind(text, EnableHTML()) == ctkHtml) text = StripHtmlTags(text);
    gfx::TCanvas measure;
    measure.Font().Assign(&GetCellFont(ACol, ARow));
    const int width = ColWidths(ACol) - ui::GetSystemMetrics(ui::SM_CXVSCROLL) - 2 * XYOffset().X;
    rtl::TRect r = rtl::Rect(0, 0, width > 1 ? width : 1, 0);
    int height = 0;
    if (!text.empty())
        height = measure.DrawText(text, r, gfx::DT_CALCRECT | gfx::DT_LEFT | gfx::DT_WORDBREAK | gfx::DT_NOPREFIX |
                                               gfx::DT_EDITCONTROL);
    g->SetCellAngle(RowHeights(ARow));
    g->SetCellErrFrom(height);
}

}  // namespace grid
