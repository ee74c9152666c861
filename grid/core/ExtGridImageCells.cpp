// Attaching image, picture, rotated-text and interfaced graphics to cells, and reading them back.
#include <memory>

#include "grid/core/CellGraphics.h"
#include "grid/core/CellGraphicsFilePicture.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Picture.h"

namespace grid {

namespace {

// The graphic of the cell when it is of the kind, else nil.
TCellGraphic* GraphicOfKind(TExtStringGrid& grid, int ACol, int ARow, TCellType kind)
{
    TCellGraphic* g = grid.GetCellGraphic(ACol, ARow);
    return g != nullptr && g->CellType() == kind ? g : nullptr;
}

}  // namespace

// --- bitmaps and icons

void TExtStringGrid::AddBitmap(int ACol, int ARow, gfx::TBitmap* ABmp, bool Transparent, TCellHAlign hal,
                               TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetBitmap(ABmp, Transparent, hal, val);
}

gfx::TBitmap* TExtStringGrid::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    auto bitmap = std::make_unique<gfx::TBitmap>();
    gfx::TBitmap* result = bitmap.get();
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetBitmap(nullptr, Transparent, hal, val);
    g->AdoptCellBitmap(std::move(bitmap));
    return result;
}

gfx::TBitmap* TExtStringGrid::GetBitmap(int ACol, int ARow)
{
    TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, ctBitmap);
    return g != nullptr ? dynamic_cast<gfx::TBitmap*>(g->CellBitmap()) : nullptr;
}

void TExtStringGrid::RemoveBitmap(int ACol, int ARow)
{
    if (GraphicOfKind(*this, ACol, ARow, ctBitmap)) FreeControlGraphic(ACol, ARow);
}

void TExtStringGrid::AddIcon(int ACol, int ARow, gfx::TIcon* AIcon, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetIcon(AIcon, hal, val);
}

gfx::TIcon* TExtStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val)
{
    auto icon = std::make_unique<gfx::TIcon>();
    gfx::TIcon* result = icon.get();
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetIcon(nullptr, hal, val);
    g->AdoptCellIcon(std::move(icon));
    return result;
}

void TExtStringGrid::RemoveIcon(int ACol, int ARow)
{
    if (GraphicOfKind(*this, ACol, ARow, ctIcon)) FreeControlGraphic(ACol, ARow);
}

// --- pictures and file pictures

void TExtStringGrid::AddPicture(int ACol, int ARow, gfx::TPicture* APicture, bool Transparent,
                                TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

gfx::TPicture* TExtStringGrid::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                             int Padding, TCellHAlign hal, TCellVAlign val)
{
    auto picture = std::make_unique<gfx::TPicture>();
    gfx::TPicture* result = picture.get();
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetPicture(nullptr, Transparent, StretchMode, Padding, hal, val);
    g->AdoptCellBitmap(std::move(picture));
    return result;
}

gfx::TPicture* TExtStringGrid::GetPicture(int ACol, int ARow)
{
    TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, ctPicture);
    return g != nullptr ? dynamic_cast<gfx::TPicture*>(g->CellBitmap()) : nullptr;
}

void TExtStringGrid::RemovePicture(int ACol, int ARow)
{
    if (GraphicOfKind(*this, ACol, ARow, ctPicture)) FreeControlGraphic(ACol, ARow);
}

void TExtStringGrid::AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent,
                                    TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetFilePicture(AFilePicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* TExtStringGrid::CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                                int Padding, TCellHAlign hal, TCellVAlign val)
{
    auto picture = std::make_unique<TFilePicture>();
    TFilePicture* result = picture.get();
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetFilePicture(nullptr, Transparent, StretchMode, Padding, hal, val);
    g->AdoptCellBitmap(std::move(picture));
    return result;
}

TFilePicture* TExtStringGrid::GetFilePicture(int ACol, int ARow)
{
    TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, ctFilePicture);
    return g != nullptr ? dynamic_cast<TFilePicture*>(g->CellBitmap()) : nullptr;
}

void TExtStringGrid::RemoveFilePicture(int ACol, int ARow)
{
    if (GraphicOfKind(*this, ACol, ARow, ctFilePicture)) FreeControlGraphic(ACol, ARow);
}

// --- image-list images

void TExtStringGrid::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (GridImages() == nullptr) return;
    CreateCellGraphic(ACol, ARow)->SetImageIdx(Aidx, hal, val);
    RepaintCell(ACol, ARow);
}

bool TExtStringGrid::GetImageIdx(int ACol, int ARow, int& idx)
{
    if (GridImages() == nullptr) return false;
    const TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, ctImageList);
    if (g == nullptr) return false;
    idx = g->CellIndex();
    return true;
}

void TExtStringGrid::SetImageIdx(int ACol, int ARow, int Idx)
{
    if (GridImages() == nullptr) return;
    if (TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, ctImageList)) g->SetCellIndex(Idx);
}

void TExtStringGrid::RemoveImageIdx(int ACol, int ARow)
{
    if (GraphicOfKind(*this, ACol, ARow, ctImageList)) FreeControlGraphic(ACol, ARow);
}

void TExtStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val)
{
    if (GridImages() == nullptr) return;
    // Every change of the index list repaints the cell it was made for.
    CreateCellGraphic(ACol, ARow)->SetMultiImage(ACol, ARow, Dir, hal, val,
                                                 [this](TSender, int c, int r) { RepaintCell(c, r); });
}

void TExtStringGrid::RemoveMultiImage(int ACol, int ARow)
{
    if (GraphicOfKind(*this, ACol, ARow, ctImages)) FreeControlGraphic(ACol, ARow);
}

TIntList* TExtStringGrid::GetCellImages(int ACol, int ARow)
{
    TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, ctImages);
    return g != nullptr ? dynamic_cast<TIntList*>(g->CellBitmap()) : nullptr;
}

std::intptr_t TExtStringGrid::GetCellImageIdx(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return -1;
    switch (g->CellType()) {
    case ctImageList: return g->CellIndex();
    case ctBitmap: return reinterpret_cast<std::intptr_t>(g->CellBitmap());
    case ctIcon: return reinterpret_cast<std::intptr_t>(g->CellIcon());
    default: return -1;
    }
}

// --- interfaced cells

void TExtStringGrid::AddInterfacedCell(int ACol, int ARow, rtl::TObject* AObject)
{
    CreateCellGraphic(ACol, ARow)->SetInterfacedCell(AObject);
}

rtl::TObject* TExtStringGrid::GetInterfacedCell(int ACol, int ARow)
{
    TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, ctInterface);
    return g != nullptr ? g->CellBitmap() : nullptr;
}

void TExtStringGrid::RemoveInterfacedCell(int ACol, int ARow)
{
    if (GraphicOfKind(*this, ACol, ARow, ctInterface)) FreeControlGraphic(ACol, ARow);
}

// --- rotated text

void TExtStringGrid::AddRotated(int ACol, int ARow, short AAngle, const std::string& s)
{
    CreateCellGraphic(ACol, ARow)->SetAngle(AAngle);
    SetCellEx(ACol, ARow, s);
}

void TExtStringGrid::SetRotated(int ACol, int ARow, short AAngle)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) g = CreateCellGraphic(ACol, ARow);
    g->SetAngle(AAngle);
}

bool TExtStringGrid::IsRotated(int ACol, int ARow, int& aAngle)
{
    const TCellGraphic* g = GraphicOfKind(*this, ACol, ARow, ctRotated);
    if (g == nullptr) return false;
    aAngle = g->CellAngle();
    return true;
}

void TExtStringGrid::RemoveRotated(int ACol, int ARow)
{
    if (GraphicOfKind(*this, ACol, ARow, ctRotated)) FreeControlGraphic(ACol, ARow);
}

}  // namespace grid
