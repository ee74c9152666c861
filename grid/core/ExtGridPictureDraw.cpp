// Bitmaps, icons, image-list images, pictures, interfaced objects, shapes and star ratings drawn in cells.
#include <cmath>

#include "grid/core/CellGraphicsFilePicture.h"
#include "grid/core/ExtGridGraphicPainter.h"
#include "grid/core/GridCellInterface.h"
#include "grid/core/GridLists.h"
#include "grid/foundation/ExtUtilShapes.h"
#include "grid/foundation/PictureContainer.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Picture.h"

namespace grid {

namespace {

constexpr int StarStep = 18;
constexpr int StarSize = 16;

const gfx::TGraphic* GraphicOf(const rtl::TObject* o)
{
    if (const auto* g = dynamic_cast<const gfx::TGraphic*>(o)) return g;
    if (const auto* p = dynamic_cast<const gfx::TPicture*>(o)) return p->Graphic();
    return nullptr;
}

}  // namespace

void TCellGraphicPainter::DrawImageKinds()
{
    switch (Graphic.CellType()) {
    case ctBitmap: {
        const gfx::TGraphic* graphic = GraphicOf(Graphic.CellBitmap());
        if (graphic == nullptr) return;
        const auto* bitmap = dynamic_cast<const gfx::TBitmap*>(graphic);
        if (Graphic.CellTransparent() && bitmap != nullptr)
            DrawTransparentBitmap(Canvas, G.Left, G.Top, *bitmap);
        else
            Canvas.Draw(G.Left, G.Top, *graphic);
        return;
    }
    case ctIcon:
        if (Graphic.CellIcon() != nullptr) Canvas.Draw(G.Left, G.Top, *Graphic.CellIcon());
        return;
    default: break;
    }
    const gfx::TImageList* list = Grid.GetCellImageList(Col, Row);
    if (list == nullptr) return;
    if (Graphic.CellType() == ctImageList) {
        list->Draw(Canvas, G.Left, G.Top, Graphic.CellIndex());
        return;
    }
    if (Graphic.CellType() == ctDataImage) {
        int index = 0;
        if (Grid.GetCellEx(Col, Row).empty() || !CellInt(index)) return;
        if (index >= 0 && index < list->Count()) list->Draw(Canvas, G.Left, G.Top, index);
        return;
    }
    const auto* indexes = dynamic_cast<const TIntList*>(Graphic.CellBitmap());
    if (indexes == nullptr) return;
    int x = G.Left;
    int y = G.Top;
    for (int index : indexes->Values()) {
        list->Draw(Canvas, x, y, index);
        if (Graphic.CellBoolean()) x += list->Width();
        else y += list->Height();
    }
}

void TCellGraphicPainter::DrawPictureKinds()
{
    switch (Graphic.CellType()) {
    case ctPicture: {
        const gfx::TGraphic* graphic = GraphicOf(Graphic.CellBitmap());
        if (graphic == nullptr || graphic->Empty()) return;
        rtl::TRect r = G;
        // Without grid lines the picture takes the pixels the lines would have had.
        if ((Grid.Options() & ui::goVertLine) == 0) r.Left -= 1;
        if ((Grid.Options() & ui::goHorzLine) == 0) r.Top -= 2;
        if (Graphic.CellAngle() != 0)
            Canvas.StretchDraw(r, *graphic);
        else
            Canvas.Draw(r.Left, r.Top, *graphic);
        return;
    }
    case ctFilePicture:
        if (const auto* picture = dynamic_cast<const TFilePicture*>(Graphic.CellBitmap())) picture->DrawPicture(Canvas, G);
        return;
    case ctDataPicture: {
        const auto* container = dynamic_cast<const TPictureContainer*>(Grid.PictureContainer());
        if (container == nullptr) return;
        const THTMLPicture* picture = container->FindPicture(Grid.GetCellEx(Col, Row));
        if (picture == nullptr || picture->Empty()) return;
        picture->Draw(Canvas, rtl::Bounds(G.Left, G.Top, picture->Width(), picture->Height()));
        return;
    }
    default: return;
    }
}

void TCellGraphicPainter::DrawInterfaced()
{
    auto* object = dynamic_cast<IGridCellInterface*>(Graphic.CellBitmap());
    if (object == nullptr) return;
    object->Draw(Canvas, rtl::Rect(R.Left - 1, R.Top - 1, R.Right, R.Bottom), Col, Row, Work.Selected);
}

void TCellGraphicPainter::DrawShape()
{
    DrawCellShape(Canvas, G.Left, G.Top, G.Width() - 1, G.Height() - 1, static_cast<TCellShape>(Graphic.CellAngle()),
                  static_cast<gfx::TColor>(Graphic.CellIndex()), Graphic.CellBitmapColor());
}

// CellAngle stars for the cell's number in half steps; a text that is no number shows
// every star empty.
void TCellGraphicPainter::DrawRating()
{
    double value = 0;
    if (!CellFloat(value)) value = 0;
    const double v = std::trunc(value * 2) / 2;
    const auto fillColor = static_cast<gfx::TColor>(Graphic.CellIndex());
    const gfx::TColor emptyColor = Graphic.CellBitmapColor();
    for (int i = 1; i <= Graphic.CellAngle(); ++i) {
        const int x = G.Left + StarStep * (i - 1);
        const gfx::TColor c = i <= v ? fillColor : emptyColor;
        DrawCellShape(Canvas, x, G.Top, StarSize, StarSize, csStar, c, c);
        if (i - 1 < v && v < i) DrawCellShape(Canvas, x, G.Top, StarSize, StarSize, csHalfStar, fillColor, fillColor);
    }
}

}  // namespace grid
