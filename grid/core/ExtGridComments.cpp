// Cell graphic records of the string grid: creating, finding and freeing them, the kind queries, the shared row check box record and comments.
#include <algorithm>
#include <memory>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsLook.h"
#include "platform/rtl/Exceptions.h"

namespace grid {

// Every Add operation starts here. A negative index raises the grid's "Invalid cell"
// error before anything is written: the cell store would otherwise be asked for a slot
// outside the grid.
TCellGraphic* TExtStringGrid::CreateCellGraphic(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0) throw rtl::Exception("Invalid cell");
    auto graphic = std::make_unique<TCellGraphic>();
    TCellGraphic* result = graphic.get();
    // SetGraphicObjectEx frees the grid-owned record it replaces; the shared row check box
    // record is never stored in a cell, so it is never freed here.
    SetGraphicObjectEx(ACol, ARow, graphic.release());
    if (NumHiddenColumns() > 0) {
        const int shown = DisplColIndex(ACol);
        if (shown != ACol) RepaintCell(shown, ARow);
    }
    return result;
}

bool TExtStringGrid::FreeCellGraphic(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return false;
    if (g == FCellGraphic.get()) {
        // Column 0 under HotmailRowSelect answers with the shared record; the cell's own
        // slot is cleared, the shared record stays.
        if (GetGraphicObjectEx(ACol, ARow) != nullptr) SetGraphicObjectEx(ACol, ARow, nullptr);
    } else {
        SetGraphicObjectEx(ACol, ARow, nullptr);
    }
    if (!HasState(rtl::csDestroying)) RepaintCell(ACol, ARow);
    return true;
}

bool TExtStringGrid::RemoveCellGraphic(int ACol, int ARow, TCellType CellType)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr || g->CellType() != CellType) return false;
    return FreeCellGraphic(ACol, ARow);
}

TCellGraphic* TExtStringGrid::GetCellGraphic(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0) return nullptr;
    rtl::TObject* slot = GetGraphicObjectEx(ACol, ARow);
    auto* own = dynamic_cast<TCellGraphic*>(slot);
    if (ACol != 0 || !FMouseActions->HotmailRowSelect() || (slot != nullptr && own == nullptr)) return own;
    TCellGraphic& shared = *FCellGraphic;
    shared.SetCellType(ctRowCheckBox);
    if (ARow == 0) {
        const int normalRows = RowCount() - FixedRows();
        const int selected = FSelectedRows->Count();
        shared.SetCellAngle(selected > 0 && selected < normalRows ? 1 : 0);
        shared.SetCellBoolean(selected >= normalRows);
    } else {
        shared.SetCellAngle(0);
        shared.SetCellBoolean(IsRowSelected(RealRowIndex(ARow)));
    }
    shared.SetCellTransparent(ControlLook().ControlStyle() == csFlat);
    return &shared;
}

TCellType TExtStringGrid::GetCellType(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0) return ctEmpty;
    rtl::TObject* slot = GetGraphicObjectEx(ACol, ARow);
    if (slot != nullptr && dynamic_cast<TCellGraphic*>(slot) == nullptr) return ctEmpty;
    if (ACol == 0 && FMouseActions->HotmailRowSelect()) return ctRowCheckBox;
    const auto* g = static_cast<TCellGraphic*>(slot);
    return g != nullptr ? g->CellType() : ctEmpty;
}

// A comment alone is no text: the cell is empty unless it shows a graphic or has a comment.
bool TExtStringGrid::GetCellEmpty(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0) return true;
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g == nullptr || (g->CellType() == ctNone && g->CellComment().empty());
}

bool TExtStringGrid::CellTypeInSet(int ACol, int ARow, std::initializer_list<TCellType> Types)
{
    if (ACol < 0 || ARow < 0) return false;
    const rtl::TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* g = GetCellGraphic(base.X, base.Y);
    return g != nullptr && std::find(Types.begin(), Types.end(), g->CellType()) != Types.end();
}

// --- comments

void TExtStringGrid::AddColorComment(int ACol, int ARow, const std::string& Comment, gfx::TColor Color)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) {
        g = CreateCellGraphic(ACol, ARow);
        g->SetCellType(ctNone);
    }
    g->SetCellComment(Comment);
    g->SetCommentColor(Color);
}

void TExtStringGrid::AddComment(int ACol, int ARow, const std::string& Comment)
{
    AddColorComment(ACol, ARow, Comment, FCommentColor);
}

void TExtStringGrid::SetComment(int ACol, int ARow, const std::string& Comment)
{
    if (TCellGraphic* g = GetCellGraphic(ACol, ARow)) {
        // A record that carries no comment yet (a check box, a progress bar …) has never
        // been given a comment colour: its first comment takes the control look's, as a
        // comment added to a plain cell does. A comment replaced keeps its colour.
        if (g->CellComment().empty()) g->SetCommentColor(FCommentColor);
        g->SetCellComment(Comment);
        RepaintCell(ACol, ARow);
        return;
    }
    AddComment(ACol, ARow, Comment);
}

// A picture's own text serves as its comment and wins over the comment field.
bool TExtStringGrid::IsComment(int ACol, int ARow, std::string& Comment)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return false;
    if (!g->CellComment().empty()) Comment = g->CellComment();
    if (g->CellType() == ctPicture && !g->CellText().empty()) {
        Comment = g->CellText();
        return true;
    }
    return !g->CellComment().empty();
}

std::string TExtStringGrid::GetComment(int ACol, int ARow)
{
    std::string comment;
    IsComment(ACol, ARow, comment);
    return comment;
}

void TExtStringGrid::RemoveComment(int ACol, int ARow)
{
    if (TCellGraphic* g = GetCellGraphic(ACol, ARow)) g->SetCellComment("");
}

void TExtStringGrid::RemoveAllComments()
{
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r) RemoveComment(c, r);
    Invalidate();
}

}  // namespace grid
