// String grid cell graphic measuring: the room a cell's graphic takes beside its text, on screen and in print.
#include <algorithm>
#include <cmath>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/foundation/PictureContainer.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Graphic.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/StringList.h"

namespace grid {

namespace {

constexpr int RadioItemExtra = 12;
constexpr int ProgressPieSize = 20;
constexpr int NodePrintSize = 20;
constexpr int RatingStarWidth = 18;
constexpr int RatingHeight = 16;

int Round(double v) { return static_cast<int>(std::lround(v)); }

rtl::TPoint GraphicSize(const rtl::TObject* o)
{
    if (const auto* g = dynamic_cast<const gfx::TGraphic*>(o)) return {g->Width(), g->Height()};
    if (const auto* p = dynamic_cast<const gfx::TPicture*>(o)) return {p->Width(), p->Height()};
    return {0, 0};
}

// Width of the widest radio item and the sum of (item width + 12).
struct TRadioWidths {
    int Widest = 0;
    int SideBySide = 0;
    int Count = 0;
};

TRadioWidths MeasureRadioItems(gfx::TCanvas& Canvas, const rtl::TObject* items)
{
    TRadioWidths w;
    const auto* list = dynamic_cast<const rtl::TStrings*>(items);
    if (list == nullptr) return w;
    w.Count = list->Count();
    for (int i = 0; i < list->Count(); ++i) {
        const int tw = Canvas.TextWidth(list->Get(i));
        w.Widest = std::max(w.Widest, tw);
        w.SideBySide += tw + RadioItemExtra;
    }
    return w;
}

int ImageCount(const rtl::TObject* o)
{
    const auto* list = dynamic_cast<const TIntList*>(o);
    return list != nullptr ? list->Count() : 0;
}

}  // namespace

gfx::TImageList* TExtStringGrid::GetCellImageList(int, int) { return dynamic_cast<gfx::TImageList*>(GridImages()); }

rtl::TPoint TExtStringGrid::GetCellGraphicSize(int ACol, int ARow) { return CellContentSize(ACol, ARow, 0); }

rtl::TPoint TExtStringGrid::CellContentSize(int ACol, int ARow, int ExtraHeight)
{
    return CalcCellContentSize(Canvas(), ACol, ARow, ExtraHeight, 1.0);
}

rtl::TPoint TExtStringGrid::CalcCellContentSize(gfx::TCanvas& ACanvas, int ACol, int ARow, int ExtraHeight,
                                                double Scale)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return {0, 0};
    if (Scale <= 0) Scale = 1.0;
    const bool withText = CellHasText(ACol, ARow);
    const bool beside = g->CellHAlign() == haBeforeText || g->CellHAlign() == haAfterText;
    const bool over = g->CellVAlign() == vaUnderText || g->CellVAlign() == vaAboveText;
    rtl::TPoint size{0, 0};
    bool fullCellRule = true;

    switch (g->CellType()) {
    case ctBitmap: {
        const rtl::TPoint s = GraphicSize(g->CellBitmap());
        size = {beside || !withText ? s.X : 0, over || !withText ? s.Y : 0};
        break;
    }
    case ctIcon: {
        const rtl::TPoint s = GraphicSize(g->CellIcon());
        size = {beside || !withText ? s.X : 0, s.Y};
        break;
    }
    case ctImageList:
    case ctDataImage: {
        const gfx::TImageList* list = GetCellImageList(ACol, ARow);
        if (list != nullptr) size = {beside || !withText ? list->Width() : 0, over || !withText ? list->Height() : 0};
        break;
    }
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: {
        const int s = Round(ControlLook().CheckSize() * FScaleFactor);
        size = {s, s};
        break;
    }
    case ctRadio: {
        const TRadioWidths w = MeasureRadioItems(ACanvas, g->CellBitmap());
        const int gh = ACanvas.TextHeight("gh");
        if (g->CellBoolean()) {
            size = {w.SideBySide, gh};
        } else {
            size.X = std::max(RadioItemExtra, RadioItemExtra + w.Widest);
            size.Y = std::max(16, Round((gh + 3) * w.Count / Scale));
        }
        break;
    }
    case ctImages: {
        const gfx::TImageList* list = GetCellImageList(ACol, ARow);
        if (list == nullptr) break;
        const int n = ImageCount(g->CellBitmap());
        size = g->CellBoolean() ? rtl::TPoint{n * list->Width(), list->Height()}
                                : rtl::TPoint{list->Width(), n * list->Height()};
        break;
    }
    case ctPicture:
    case ctFilePicture: {
        const rtl::TPoint cell = CellSize(ACol, ARow);
        const int cw = cell.X - 1 - 2 * FXYOffset.X;
        const int rh = cell.Y - 1 - 2 * FXYOffset.Y - ExtraHeight;
        size = g->GetPictureSize(cw, rh);
        break;
    }
    case ctButton:
    case ctBitButton: {
        size = {g->CellIndex() & 0xFFFF, (g->CellIndex() >> 16) & 0xFFFF};
        if (!withText) {
            if (g->CellHAlign() == haFull) {
                ACanvas.Font().Assign(IsFixed(ACol, ARow) ? &FixedFont() : &Font());
                size.X = Round((ACanvas.TextWidth(g->CellText()) + 8) / Scale);
                if (!g->CellText().empty()) fullCellRule = false;
            }
        } else {
            if (g->CellHAlign() == haCenter) size.X = 0;
            if (g->CellHAlign() == haFull) size.X = Round((ACanvas.TextWidth(g->CellText()) + 4) / Scale);
            if (!over && !beside) size.Y = 0;
            if (over) size.X = 0;
        }
        break;
    }
    case ctProgressPie: size = {ProgressPieSize, ProgressPieSize}; break;
    // Objects that would size the cell themselves have no sizing interface here: the
    // cell size stands in for their answer, as it does for an object answering 0.
    case ctInterface: size = CellSize(ACol, ARow); break;
    case ctRadioButton: size = {ControlLook().RadioSize(), ControlLook().RadioSize()}; break;
    case ctShape: size = {DefaultRowHeight() - 4, DefaultRowHeight() - 4}; break;
    case ctRating:
        size = {g->CellAngle() * RatingStarWidth, RatingHeight};
        fullCellRule = false;
        break;
    case ctDataPicture: {
        const auto* container = dynamic_cast<const TPictureContainer*>(PictureContainer());
        if (container == nullptr) break;
        if (const THTMLPicture* p = container->FindPicture(GetCellEx(ACol, ARow))) size = {p->Width(), p->Height()};
        break;
    }
    default: break;
    }

    if (fullCellRule && (g->CellVAlign() == vaFull || g->CellHAlign() == haFull)) {
        const rtl::TPoint cell = CellSize(ACol, ARow);
        if (g->CellVAlign() == vaFull) size.Y = cell.Y;
        if (g->CellHAlign() == haFull) size.X = cell.X;
    }
    return size;
}

rtl::TPoint TExtStringGrid::CalcPrintCellSize(int ACol, int ARow, int ColWidth, int RowHeight)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return {0, 0};
    gfx::TCanvas& canvas = Canvas();
    switch (g->CellType()) {
    case ctBitmap: return GraphicSize(g->CellBitmap());
    case ctIcon: return GraphicSize(g->CellIcon());
    case ctImageList:
    case ctDataImage: {
        const gfx::TImageList* list = GetCellImageList(ACol, ARow);
        return list != nullptr ? rtl::TPoint{list->Width(), list->Height()} : rtl::TPoint{0, 0};
    }
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: {
        const int s = Round(ControlLook().CheckSize() * FScaleFactor);
        return {s, s};
    }
    case ctNode: return {NodePrintSize, NodePrintSize};
    case ctRadio: {
        const TRadioWidths w = MeasureRadioItems(canvas, g->CellBitmap());
        const int gh = canvas.TextHeight("gh");
        if (g->CellBoolean()) return {w.SideBySide, gh};
        return {std::max(RadioItemExtra, RadioItemExtra + w.Widest), gh * w.Count};
    }
    case ctImages: {
        const gfx::TImageList* list = GetCellImageList(ACol, ARow);
        if (list == nullptr) return {0, 0};
        const int n = ImageCount(g->CellBitmap());
        return g->CellBoolean() ? rtl::TPoint{n * list->Width(), list->Height()}
                                : rtl::TPoint{list->Width(), n * list->Height()};
    }
    case ctPicture:
    case ctFilePicture: return g->GetPictureSize(ColWidth, RowHeight);
    case ctDataPicture: {
        const auto* container = dynamic_cast<const TPictureContainer*>(PictureContainer());
        if (container == nullptr) return {0, 0};
        const THTMLPicture* p = container->FindPicture(GetCellEx(ACol, ARow));
        return p != nullptr ? rtl::TPoint{p->Width(), p->Height()} : rtl::TPoint{0, 0};
    }
    case ctProgress:
    case ctXPProgress: return {ColWidths(ACol), RowHeights(ARow)};
    case ctButton:
    case ctBitButton: return {g->CellIndex() & 0xFFFF, (g->CellIndex() >> 16) & 0xFFFF};
    case ctProgressPie: return {ProgressPieSize, ProgressPieSize};
    case ctInterface: {
        const rtl::TRect r = CalcCellRect(ACol, ARow);
        return {r.Width(), r.Height()};
    }
    case ctRadioButton: return {ControlLook().RadioSize(), ControlLook().RadioSize()};
    case ctShape: {
        const int s = RowHeights(ARow) - 2 * FXYOffset.Y;
        return {s, s};
    }
    default: return {0, 0};
    }
}

}  // namespace grid
