// Attaching progress bars, pies, range indicators, shapes, star ratings and push buttons to cells, and reading them back.
#include <cmath>
#include <memory>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/foundation/ExtUtilShapes.h"
#include "platform/gfx/Bitmap.h"

namespace grid {

namespace {

constexpr gfx::TColor NoShapeColor = 0x1FFFFFFF;

TCellGraphic* GraphicOfKind(TExtStringGrid& grid, int ACol, int ARow, TCellType kind)
{
    TCellGraphic* g = grid.GetCellGraphic(ACol, ARow);
    return g != nullptr && g->CellType() == kind ? g : nullptr;
}

bool BaseCellIs(TExtStringGrid& grid, int ACol, int ARow, TCellType kind)
{
    const rtl::TPoint b = grid.BaseCell(ACol, ARow);
    return grid.GetCellType(b.X, b.Y) == kind;
}

TCellGraphic* NewGraphic(TExtStringGrid& grid, int ACol, int ARow, TCellType kind, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = grid.CreateCellGraphic(ACol, ARow);
    g->SetCellType(kind);
    g->SetCellHAlign(hal);
    g->SetCellVAlign(val);
    return g;
}

}  // namespace

// --- progress bars

void TExtStringGrid::AddProgress(int ACol, int ARow, gfx::TColor FGColor, gfx::TColor BKColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, 0, BKColor, 0, "", 0, 100);
    GetCellGraphic(ACol, ARow)->SetCellBoolean(false);
}

void TExtStringGrid::AddProgressEx(int ACol, int ARow, gfx::TColor FGColor, gfx::TColor FGTextColor,
                                   gfx::TColor BKColor, gfx::TColor BKTextColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, "", 0, 100);
}

void TExtStringGrid::AddProgressFormatted(int ACol, int ARow, gfx::TColor FGColor, gfx::TColor FGTextColor,
                                          gfx::TColor BKColor, gfx::TColor BKTextColor, const std::string& Fmt,
                                          int Min, int Max)
{
    TCellGraphic* g = NewGraphic(*this, ACol, ARow, ctProgress, haLeft, vaTop);
    g->SetCellErrFrom(Min);
    g->SetCellErrLen(Max);
    g->SetCellBitmapColor(FGColor);
    g->SetCellIconColor(BKColor);
    g->SetCellBoolean(true);
    g->SetCellIndex(static_cast<int>(FGTextColor));
    g->SetCellAngle(static_cast<int>(BKTextColor));
    g->SetCellText(Fmt);
    if (AutoNumAlign()) GetCellProperties(ACol, ARow)->SetAlignment(ui::taRightJustify);
}

bool TExtStringGrid::HasProgress(int ACol, int ARow) { return BaseCellIs(*this, ACol, ARow, ctProgress); }

void TExtStringGrid::RemoveProgress(int ACol, int ARow)
{
    if (GraphicOfKind(*this, ACol, ARow, ctProgress)) FreeControlGraphic(ACol, ARow);
}

void TExtStringGrid::AddProgressPie(int ACol, int ARow, gfx::TColor Color, int Value)
{
    TCellGraphic* g = NewGraphic(*this, ACol, ARow, ctProgressPie, haBeforeText, vaTop);
    g->SetCellBitmapColor(Color);
    g->SetCellAngle(Value);
}

void TExtStringGrid::SetProgressPie(int ACol, int ARow, int Value)
{
    TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, ctProgressPie);
    if (g == nullptr) return;
    g->SetCellAngle(Value);
    RepaintCell(ACol, ARow);
}

void TExtStringGrid::RemoveProgressPie(int ACol, int ARow)
{
    if (GraphicOfKind(*this, ACol, ARow, ctProgressPie)) FreeControlGraphic(ACol, ARow);
}

void TExtStringGrid::AddExtProgress(int ACol, int ARow, int Min, int Max)
{
    TCellGraphic* g = NewGraphic(*this, ACol, ARow, ctXPProgress, haLeft, vaTop);
    g->SetCellErrFrom(Min);
    g->SetCellErrLen(Max);
    g->SetCellBoolean(false);
    g->SetCellText("");
}

void TExtStringGrid::RemoveExtProgress(int ACol, int ARow)
{
    if (GraphicOfKind(*this, ACol, ARow, ctXPProgress)) FreeControlGraphic(ACol, ARow);
}

void TExtStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, gfx::TColor NegColor, gfx::TColor PosColor,
                                       bool ShowValue)
{
    TCellGraphic* g = NewGraphic(*this, ACol, ARow, ctRangeIndicator, haLeft, vaTop);
    g->SetCellIndex(Range);
    g->SetCellBitmapColor(NegColor);
    g->SetCellIconColor(PosColor);
    g->SetCellBoolean(ShowValue);
}

void TExtStringGrid::RemoveRangeIndicator(int ACol, int ARow)
{
    if (GraphicOfKind(*this, ACol, ARow, ctRangeIndicator)) FreeControlGraphic(ACol, ARow);
}

// --- shapes and ratings

void TExtStringGrid::AddShape(int ACol, int ARow, TCellShape Shape, gfx::TColor FillColor, gfx::TColor LineColor,
                              TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = NewGraphic(*this, ACol, ARow, ctShape, hal, val);
    g->SetCellAngle(Shape);
    g->SetCellIndex(static_cast<int>(FillColor));
    g->SetCellBitmapColor(LineColor);
}

bool TExtStringGrid::HasShape(int ACol, int ARow) { return BaseCellIs(*this, ACol, ARow, ctShape); }

void TExtStringGrid::SetShapeColor(int ACol, int ARow, gfx::TColor FillColor)
{
    if (TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, ctShape)) g->SetCellIndex(static_cast<int>(FillColor));
}

gfx::TColor TExtStringGrid::GetShapeColor(int ACol, int ARow)
{
    const TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, ctShape);
    return g != nullptr ? static_cast<gfx::TColor>(g->CellIndex()) : NoShapeColor;
}

void TExtStringGrid::RemoveShape(int ACol, int ARow)
{
    if (GraphicOfKind(*this, ACol, ARow, ctShape)) FreeControlGraphic(ACol, ARow);
}

void TExtStringGrid::AddRating(int ACol, int ARow, int Scale, gfx::TColor FillColor, gfx::TColor EmptyColor)
{
    TCellGraphic* g = NewGraphic(*this, ACol, ARow, ctRating, haFull, vaTop);
    g->SetCellAngle(Scale);
    g->SetCellIndex(static_cast<int>(FillColor));
    g->SetCellBitmapColor(EmptyColor);
}

bool TExtStringGrid::HasRating(int ACol, int ARow) { return BaseCellIs(*this, ACol, ARow, ctRating); }

void TExtStringGrid::RemoveRating(int ACol, int ARow)
{
    if (GraphicOfKind(*this, ACol, ARow, ctRating)) FreeControlGraphic(ACol, ARow);
}

// --- buttons

void TExtStringGrid::AddButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal,
                               TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetButton(bw, bh, Caption, hal, val);
}

void TExtStringGrid::AddBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption,
                                  gfx::TBitmap* Glyph, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

gfx::TBitmap* TExtStringGrid::CreateBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption,
                                              TCellHAlign hal, TCellVAlign val)
{
    auto glyph = std::make_unique<gfx::TBitmap>();
    gfx::TBitmap* result = glyph.get();
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetBitButton(bw, bh, Caption, nullptr, hal, val);
    g->AdoptCellBitmap(std::move(glyph));
    return result;
}

void TExtStringGrid::SetButtonText(int ACol, int ARow, const std::string& Caption)
{
    TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    if (g == nullptr) return;
    g->SetCellText(Caption);
    RepaintCell(ACol, ARow);
}

std::string TExtStringGrid::GetButtonText(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    return g != nullptr ? g->CellText() : std::string();
}

void TExtStringGrid::PushButton(int ACol, int ARow, bool push)
{
    TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    if (g == nullptr || g->CellType() == ctNode) return;
    g->SetCellBoolean(push);
    RepaintCell(ACol, ARow);
}

rtl::TRect TExtStringGrid::GetCellButtonRect(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    if (g == nullptr) return {0, 0, 0, 0};
    const rtl::TRect cell = CellRect(ACol, ARow);
    const int offset = static_cast<int>(std::lround(g->CellValue()));
    const auto size = static_cast<unsigned>(g->CellIndex());
    rtl::TRect r;
    r.Left = cell.Left + (offset & 0xFFFF);
    r.Top = cell.Top + (offset >> 16);
    r.Right = r.Left + static_cast<int>(size & 0xFFFFu);
    r.Bottom = r.Top + static_cast<int>(size >> 16);
    if (g->CellVAlign() == vaFull) {
        r.Top = cell.Top;
        r.Bottom = cell.Bottom;
    }
    if (g->CellHAlign() == haFull) {
        r.Left = cell.Left;
        r.Right = cell.Right;
    }
    return r;
}

rtl::TRect TExtStringGrid::GetExpandButtonRect(int ACol, int ARow)
{
    if (!BaseCellIs(*this, ACol, ARow, ctExpand)) return {0, 0, 0, 0};
    const rtl::TRect cell = CellRect(ACol, ARow);
    return rtl::Rect(cell.Right - 13, cell.Top + 2, cell.Right - 2, cell.Top + 13);
}

bool TExtStringGrid::HasButton(int ACol, int ARow)
{
    return BaseCellIs(*this, ACol, ARow, ctButton) || BaseCellIs(*this, ACol, ARow, ctBitButton);
}

void TExtStringGrid::RemoveButton(int ACol, int ARow)
{
    if (GraphicOfKind(*this, ACol, ARow, ctButton) || GraphicOfKind(*this, ACol, ARow, ctBitButton))
        FreeControlGraphic(ACol, ARow);
}

void TExtStringGrid::RemoveBitButton(int ACol, int ARow)
{
    if (GraphicOfKind(*this, ACol, ARow, ctBitButton)) FreeControlGraphic(ACol, ARow);
}

void TExtStringGrid::RemoveAllButtons()
{
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            if (HasButton(c, r)) RemoveButton(c, r);
}

}  // namespace grid
