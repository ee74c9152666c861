// Cell graphics: their measurements for the cell layout, their place beside the text, and the drawing stage that dispatches to each kind.
#include <algorithm>
#include <cmath>
#include <exception>

#include "grid/core/ExtGridGraphicPainter.h"
#include "grid/core/GridCellInterface.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/foundation/PictureContainer.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Graphic.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Picture.h"

namespace grid {

namespace {

constexpr int ProgressPieSize = 20;
constexpr int RatingStarStep = 18;
constexpr int RatingStarHeight = 16;
constexpr int NoCommentColorIndex = 0x1FFFFFFF;

rtl::TPoint ObjectSize(const rtl::TObject* o)
{
    if (const auto* g = dynamic_cast<const gfx::TGraphic*>(o)) return {g->Width(), g->Height()};
    if (const auto* p = dynamic_cast<const gfx::TPicture*>(o)) return {p->Width(), p->Height()};
    return {0, 0};
}

bool IsDataCheckKind(TCellType kind) { return kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRowCheckBox; }

}  // namespace

double TExtStringGrid::ClampPercent(double x) { return std::clamp(x, 0.0, 100.0); }

TCellGraphicMeasure TCellGraphicPainter::Measure(TExtStringGrid& grid, const TCellGraphic& graphic, int col, int row)
{
    TCellGraphicMeasure m;
    auto set = [&m](int w, int h, bool shown) {
        m.Width = w;
        m.Height = h;
        m.TextShown = shown;
    };
    switch (graphic.CellType()) {
    case ctBitmap: {
        const rtl::TPoint s = ObjectSize(graphic.CellBitmap());
        set(s.X, s.Y, true);
        break;
    }
    case ctIcon: {
        const rtl::TPoint s = ObjectSize(graphic.CellIcon());
        set(s.X, s.Y, true);
        break;
    }
    case ctImageList:
    case ctDataImage:
        if (const gfx::TImageList* list = grid.GetCellImageList(col, row)) set(list->Width(), list->Height(), true);
        m.TextShown = graphic.CellType() == ctImageList;
        break;
    case ctCheckBox:
    case ctTriStateCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox: {
        const int s = static_cast<int>(std::lround(grid.ControlLook().CheckSize() * grid.FScaleFactor));
        set(s, s, !IsDataCheckKind(graphic.CellType()));
        break;
    }
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress:
        set(0, 0, false);
        break;
    case ctImages: {
        const gfx::TImageList* list = grid.GetCellImageList(col, row);
        const auto* indexes = dynamic_cast<const TIntList*>(graphic.CellBitmap());
        const int n = indexes != nullptr ? indexes->Count() : 0;
        if (list == nullptr) break;
        if (graphic.CellBoolean())
            set(n * list->Width(), list->Height(), true);
        else
            set(list->Width(), n * list->Height(), true);
        break;
    }
    case ctPicture:
    case ctFilePicture: {
        const rtl::TPoint cell = grid.CellSize(col, row);
        const rtl::TPoint s = graphic.GetPictureSize(cell.X - 1 - 2 * grid.FXYOffset.X, cell.Y - 1 - 2 * grid.FXYOffset.Y);
        set(s.X, s.Y, true);
        break;
    }
    case ctButton:
    case ctBitButton:
        set(graphic.CellIndex() & 0xFFFF, (graphic.CellIndex() >> 16) & 0xFFFF, true);
        break;
    case ctProgressPie:
        set(ProgressPieSize, ProgressPieSize, true);
        break;
    case ctInterface:
        if (auto* object = dynamic_cast<IGridCellInterface*>(graphic.CellBitmap()))
            set(object->GetExtentX(), object->GetExtentY(), true);
        break;
    case ctRadioButton: {
        const int s = grid.ControlLook().RadioSize() + 4;
        set(s, s, true);
        break;
    }
    case ctShape: {
        const int s = grid.RowHeights(row) - 2 * grid.FXYOffset.Y;
        set(s, s, true);
        break;
    }
    case ctRating:
        set(graphic.CellAngle() * RatingStarStep, RatingStarHeight, false);
        break;
    case ctDataPicture: {
        const auto* container = dynamic_cast<const TPictureContainer*>(grid.PictureContainer());
        const THTMLPicture* picture = container != nullptr ? container->FindPicture(grid.GetCellEx(col, row)) : nullptr;
        if (picture != nullptr)
            set(picture->Width(), picture->Height(), false);
        break;
    }
    default:
        break;
    }
    return m;
}

TCellGraphic* TExtStringGrid::GetCellGraphicParams(int ACol, int ARow, int& AWidth, int& AHeight, bool& ATextShown,
                                                   TCellHAlign& AHAlign, TCellVAlign& AVAlign)
{
    AWidth = 0;
    AHeight = 0;
    ATextShown = true;
    AHAlign = haLeft;
    AVAlign = vaTop;
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return nullptr;
    const TCellGraphicMeasure m = TCellGraphicPainter::Measure(*this, *graphic, ACol, ARow);
    AWidth = m.Width;
    AHeight = m.Height;
    ATextShown = m.TextShown;
    AHAlign = graphic->CellHAlign();
    AVAlign = graphic->CellVAlign();
    return graphic;
}

rtl::TRect TExtStringGrid::DrawCellGraphic(gfx::TCanvas& ACanvas, int ACol, int ARow, const rtl::TRect& ARect,
                                           TCellGraphic* AGraphic, const TCellGraphicPaint& AWork)
{
    if (AGraphic == nullptr) return ARect;
    TCellGraphicPainter painter{*this, ACanvas, ACol, ARow, ARect, *AGraphic, AWork};
    return painter.Paint();
}

// ---------------------------------------------------------------- placement

bool TCellGraphicPainter::IsCheckOrRadioButton() const
{
    switch (Graphic.CellType()) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRadioButton:
    case ctTriStateCheckBox:
        return true;
    default:
        return false;
    }
}

void TCellGraphicPainter::Place(const TCellGraphicMeasure& m)
{
    const TCellType kind = Graphic.CellType();
    R = Cell;
    if (kind != ctNode && kind != ctProgress && kind != ctRangeIndicator && kind != ctXPProgress)
        rtl::InflateRect(R, -(Grid.FXYOffset.X - 1), -(Grid.FXYOffset.Y - 1));
    const int w = m.Width;
    const int h = m.Height;
    const int tw = Work.TextWidth > 0 ? Work.TextWidth + 2 : 0;
    const int rw = R.Width();
    const int rh = R.Height();
    const ui::TAlignment ta = Work.TextAlign;

    int x = R.Left + 1;
    int width = w;
    switch (Graphic.CellHAlign()) {
    case haLeft: x = R.Left + 1; break;
    case haRight: x = R.Right - w - 1; break;
    case haCenter: x = w < rw ? R.Left + (rw - w) / 2 : R.Left + 1; break;
    case haBeforeText:
        if (ta == ui::taRightJustify) x = R.Right - tw - w;
        else if (ta == ui::taCenter) x = R.Left + (rw - tw - w) / 2;
        x = std::max(x, R.Left + 1);
        break;
    case haAfterText:
        if (ta == ui::taRightJustify) x = R.Right - w - 1;
        else if (ta == ui::taCenter) x = R.Left + tw + (rw - tw - w) / 2;
        else x = R.Left + tw;
        x = std::max(x, R.Left + 1);
        break;
    case haFull:
        x = R.Left;
        width = rw;
        break;
    }

    TCellVAlign va = Graphic.CellVAlign();
    if (IsCheckOrRadioButton() && Work.TextVAlign != Grid.VAlignment()) va = CellVAlignOf(Work.TextVAlign);
    int y = R.Top + 1;
    int height = h;
    switch (va) {
    case vaTop:
    case vaAboveText: y = R.Top + 1; break;
    case vaBottom: y = R.Bottom - h - 1; break;
    case vaCenter: y = h < rh ? R.Top + (rh - h) / 2 : R.Top + 1; break;
    case vaUnderText: y = R.Bottom - h; break;
    case vaFull:
        y = R.Top;
        height = rh;
        break;
    }

    // With an alignment supplied for the cell, check boxes and radio buttons follow the
    // text's alignment: beside the text, never left of the cell edge.
    if (IsCheckOrRadioButton() && (Grid.OnGetAlignment || Grid.HasAlignmentOverride(Col, Row))) {
        const bool dataKind = IsDataCheckKind(kind);
        if (ta == ui::taLeftJustify) x = R.Left + 1;
        else if (ta == ui::taRightJustify) x = dataKind ? R.Right - w - 1 : R.Right - tw - w - 1;
        else if (dataKind || tw < 1) x = R.Left + std::max(0, R.Right - w - R.Left) / 2;
        else x = R.Left + std::max(0, R.Right - tw - R.Left) / 2 - w;
        x = std::max(x, R.Left + 1);
    }
    G = rtl::Rect(x, y, x + width, y + height);
}

// ---------------------------------------------------------------- drawing stage

rtl::TRect TCellGraphicPainter::Paint()
{
    const TCellGraphicMeasure m = Measure(Grid, Graphic, Col, Row);
    Place(m);
    const int saved = Canvas.SaveState();
    Canvas.IntersectClipRect(Cell);
    bool marker = true;
    switch (Graphic.CellType()) {
    case ctBitmap:
    case ctIcon:
    case ctImageList:
    case ctDataImage:
    case ctImages: DrawImageKinds(); break;
    case ctCheckBox:
    case ctRowCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctTriStateCheckBox: DrawCheckKinds(); break;
    case ctRadioButton: DrawRadioButton(); break;
    case ctRadio: DrawRadioGroup(); break;
    case ctRotated: DrawRotated(); break;
    case ctNode: marker = DrawNode(); break;
    case ctPicture:
    case ctFilePicture:
    case ctDataPicture: DrawPictureKinds(); break;
    case ctProgress: DrawProgress(); break;
    case ctXPProgress: DrawXPProgress(); break;
    case ctRangeIndicator: DrawRangeIndicator(); break;
    case ctProgressPie: DrawProgressPie(); break;
    case ctButton:
    case ctBitButton:
    case ctExpand: DrawButtonKinds(); break;
    case ctInterface: DrawInterfaced(); break;
    case ctShape: DrawShape(); break;
    case ctRating: DrawRating(); break;
    default: break;
    }
    if (marker) DrawCommentMarker();
    Canvas.RestoreState(saved);

    // The text keeps the cell less the graphic's column when the graphic stands at a side.
    rtl::TRect rest = Cell;
    if (m.TextShown && m.Width > 0 && G.Right > G.Left) {
        if (Graphic.CellHAlign() == haLeft || Graphic.CellHAlign() == haBeforeText) rest.Left = std::max(rest.Left, G.Right);
        else if (Graphic.CellHAlign() == haRight || Graphic.CellHAlign() == haAfterText) rest.Right = std::min(rest.Right, G.Left);
    }
    return rest;
}

// A red (or the cell's own colour) triangle in the top-right corner of a commented cell.
void TCellGraphicPainter::DrawCommentMarker()
{
    const bool hasComment = !Graphic.CellComment().empty();
    if (!hasComment && !(Graphic.CellType() == ctPicture && !Graphic.CellText().empty())) return;
    gfx::TColor color = Grid.ControlLook().CommentColor();
    if (Graphic.CellIndex() != NoCommentColorIndex && hasComment) color = Graphic.CommentColor();
    if (color == gfx::clNone) return;
    // The corner of the cell shrunk by the text offset less one, whatever the kind.
    rtl::TRect r = Cell;
    rtl::InflateRect(r, -(Grid.FXYOffset.X - 1), -(Grid.FXYOffset.Y - 1));
    const int right = r.Right + Grid.FXYOffset.X;
    const int top = r.Top - Grid.FXYOffset.Y;
    const rtl::TPoint corners[3] = {{right - 8, top + 1}, {right - 3, top + 1}, {right - 3, top + 6}};
    Canvas.Pen().SetColor(color);
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetStyle(gfx::psSolid);
    Canvas.Brush().SetColor(color);
    Canvas.Brush().SetStyle(gfx::bsSolid);
    Canvas.Polygon(corners);
    Canvas.Brush().SetColor(Grid.Color());
}

bool TCellGraphicPainter::CellEditable()
{
    bool canEdit = true;
    Grid.IsEditableCell(Col, Row, canEdit);
    return canEdit;
}

bool TCellGraphicPainter::CellFloat(double& value)
{
    try {
        value = Grid.GetFloats(Col, Row);
        return std::isfinite(value);
    } catch (const std::exception&) {
        return false;
    }
}

bool TCellGraphicPainter::CellInt(int& value)
{
    try {
        value = Grid.GetInts(Col, Row);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace grid
