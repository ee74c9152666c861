// Cell graphics driven by the cell text (data images, data pictures) and error markers over a cell's text.
#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"

namespace grid {

// --- data images: the cell's number is the index into GridImages

void TExtStringGrid::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (GridImages() == nullptr) return;
    CreateCellGraphic(ACol, ARow)->SetDataImage(Aidx, hal, val);
    // A number already in the cell chooses the image; only an empty cell takes Aidx.
    if (GetCellEx(ACol, ARow).empty()) SetInts(ACol, ARow, Aidx);
}

bool TExtStringGrid::HasDataImage(int ACol, int ARow)
{
    const rtl::TPoint b = BaseCell(ACol, ARow);
    return GetCellType(b.X, b.Y) == ctDataImage;
}

void TExtStringGrid::RemoveDataImage(int ACol, int ARow)
{
    if (GetCellType(ACol, ARow) == ctDataImage) FreeControlGraphic(ACol, ARow);
    SetCellEx(ACol, ARow, "");
}

// --- data pictures: the cell's text names an entry of PictureContainer

void TExtStringGrid::AddDataPicture(int ACol, int ARow, const std::string& AName, TCellHAlign hal,
                                    TCellVAlign val)
{
    if (PictureContainer() == nullptr) return;
    CreateCellGraphic(ACol, ARow)->SetDataPicture(hal, val);
    if (GetCellEx(ACol, ARow).empty()) SetCellEx(ACol, ARow, AName);
}

bool TExtStringGrid::HasDataPicture(int ACol, int ARow)
{
    const rtl::TPoint b = BaseCell(ACol, ARow);
    return GetCellType(b.X, b.Y) == ctDataPicture;
}

void TExtStringGrid::RemoveDataPicture(int ACol, int ARow)
{
    if (GetCellType(ACol, ARow) == ctDataPicture) FreeControlGraphic(ACol, ARow);
    SetCellEx(ACol, ARow, "");
}

// --- error markers: kept in the range fields of whatever record the cell has

void TExtStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) {
        g = CreateCellGraphic(ACol, ARow);
        g->SetCellType(ctEmpty);
    }
    g->SetCellErrFrom(ErrPos);
    g->SetCellErrLen(ErrLen);
    RepaintCell(ACol, ARow);
}

void TExtStringGrid::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen)
{
    ErrPos = 0;
    ErrLen = 0;
    if (const TCellGraphic* g = GetCellGraphic(ACol, ARow)) {
        ErrPos = g->CellErrFrom();
        ErrLen = g->CellErrLen();
    }
}

void TExtStringGrid::RemoveMarker(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return;
    if (g->CellType() == ctEmpty) {
        FreeControlGraphic(ACol, ARow);
        return;
    }
    g->SetCellErrFrom(0);
    g->SetCellErrLen(0);
    RepaintCell(ACol, ARow);
}

void TExtStringGrid::RemoveAllMarkers()
{
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r) RemoveMarker(c, r);
}

}  // namespace grid
