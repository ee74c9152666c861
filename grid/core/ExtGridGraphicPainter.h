// The painter of one cell graphic: its placed rectangle and the drawing of each kind (used inside grid/core only).
#pragma once

#include <string>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"

namespace gfx {
class TBitmap;
}

namespace grid {

// What a graphic takes in the cell layout.
struct TCellGraphicMeasure {
    int Width = 0;
    int Height = 0;
    bool TextShown = true;
};

// One paint of one cell's graphic. R is the cell rectangle shrunk by the text offset (the
// bars use the whole cell), G the graphic's placed rectangle inside it.
struct TCellGraphicPainter {
    TExtStringGrid& Grid;
    gfx::TCanvas& Canvas;
    int Col;
    int Row;
    rtl::TRect Cell;
    TCellGraphic& Graphic;
    const TExtStringGrid::TCellGraphicPaint& Work;
    rtl::TRect R{};
    rtl::TRect G{};

    static TCellGraphicMeasure Measure(TExtStringGrid& grid, const TCellGraphic& graphic, int col, int row);

    // Places the graphic and draws it with its comment marker; returns the space left beside it.
    rtl::TRect Paint();

    // ExtGridGraphicDraw.cpp
    void Place(const TCellGraphicMeasure& m);
    bool IsCheckOrRadioButton() const;
    void DrawCommentMarker();
    bool CellEditable();
    // The cell's number, false when its text does not convert (painting never raises).
    bool CellFloat(double& value);
    bool CellInt(int& value);
    // ExtGridCheckRadioDraw.cpp
    void DrawCheckKinds();
    void DrawRadioButton();
    void DrawRadioGroup();
    // ExtGridProgressDraw.cpp
    void DrawProgress();
    void DrawXPProgress();
    void DrawRangeIndicator();
    void DrawProgressPie();
    // ExtGridPictureDraw.cpp
    void DrawImageKinds();
    void DrawPictureKinds();
    void DrawInterfaced();
    void DrawShape();
    void DrawRating();
    // ExtGridButtonDraw.cpp
    void DrawButtonKinds();
    // ExtGridRotatedDraw.cpp
    void DrawRotated();
    // ExtGridNodeDraw.cpp; false for the glyph looks, which end the stage without a comment marker.
    bool DrawNode();
};

// A glyph bitmap of the program's resources, decoded once; nullptr when it is not embedded.
const gfx::TBitmap* GlyphBitmap(const std::string& name);
// The bitmap drawn at (x, y) with the colour of its bottom-left pixel left out.
void DrawTransparentBitmap(gfx::TCanvas& canvas, int x, int y, const gfx::TBitmap& bitmap);

}  // namespace grid
