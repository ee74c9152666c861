// Printed cells: the measuring and drawing of cells, rows, header, footer and borders on a page.
#pragma once

#include <string>
#include <vector>

#include "grid/data/ExtGridPrintJob.h"

namespace grid {

// The lines of a cell text, split at line feeds (a carriage return before one dropped).
std::vector<std::string> SplitAtLineBreaks(const std::string& text);
// Screen pixels to 0.1 mm at the screen's 96 pixels per inch.
constexpr double ScreenToTenthMm = 254.0 / 96.0;

// Measures and draws the cells of one print engine run in 0.1 mm page units; draws only in
// drawing runs and only on pages within the job's range.
class TPrintCells {
public:
    TPrintCells(TExtStringGrid& grid, TExtStringGrid::TPrintLayout& layout) : FGrid(grid), FL(layout) {}

    int FontTextHeight(const gfx::TFont& font, int logicalHeight, const std::string& text = "gh");
    int FontTextWidth(const gfx::TFont& font, int logicalHeight, const std::string& text);
    // An eighth of this is the cell padding g: "gh" in the grid's font on the screen.
    int ScreenTextHeight();
    // Height in 0.1 mm of a mini-HTML title of the header or footer, 0 without one.
    int HtmlTitleHeight();
    bool ColPrinted(int c);
    bool RowPrinted(int r);
    rtl::TPoint CellPrintSize(int c, int r);
    int RowPrintHeight(int r);
    // 2g + the row's printed height + the row spacing.
    int RowAdvance(int r);
    // Prints the repeated fixed columns (when repeated) and the band's columns of a row whose
    // top is at y; returns the row advance.
    int PrintRowSegment(int y, int r, int pageNr);
    void DrawHeaderFooter(int pageNr);
    void DrawOuterBorders(int y, int titleSpacing);

private:
    // Brush, font, alignment and word wrap of a cell on paper.
    struct TCellLook {
        gfx::TBrush Brush;
        gfx::TFont Font;
        ui::TAlignment HA = ui::taLeftJustify;
        TVAlignment VA = vtaTop;
        bool WordWrap = false;
    };
    TCellLook LookOf(int c, int r);
    // Cell graphics on paper (ExtGridPrintGraphics.cpp). Sizes are 0.1 mm.
    bool PrintsGraphic(int c, int r);
    rtl::TPoint GraphicPrintSize(int c, int r);
    // Places and draws the cell's graphic; returns the part of the cell left for the text and
    // clears textShown when the graphic hides the text.
    rtl::TRect PrintGraphic(int c, int r, const TCellLook& look, const rtl::TRect& cell, bool& textShown);
    void DrawCommentMarker(int c, int r, const rtl::TRect& cell);
    void FireCustomCellDraw(int c, int r, const rtl::TRect& cell);
    // Rotated and rich text (ExtGridPrintText.cpp).
    rtl::TPoint RotatedTextSize(const std::vector<std::string>& lines, int angle);
    void DrawRotatedText(const TCellLook& look, const std::vector<std::string>& lines, int angle,
                         const rtl::TRect& cell);
    // The one place rich cells are measured and drawn on paper.
    rtl::TPoint RichTextSize(const TCellLook& look, const std::string& rtf);
    void DrawRichText(const TCellLook& look, const std::string& rtf, const rtl::TRect& box);
    // The title lines when they hold mini-HTML (and no plain title text is set), else empty.
    std::string HtmlTitle();
    void DrawHtmlTitle(const std::string& html, bool top);
    std::string PrintedText(int c, int r);
    void PrintCells(int y, int first, int last, int r, int advance);
    void PrintCell(int c, int r, const rtl::TRect& cell);
    void DrawCellText(const TCellLook& look, const std::string& text, const rtl::TRect& cell, bool clip);
    void DrawBorders(int c, int r, rtl::TRect cell, int advance, int y);
    void SelectFont(gfx::TCanvas& canvas, const gfx::TFont& font, int logicalHeight, const print::TLoMetricMapping& map);
    std::string PageNumberText(int pageNr);
    void Line(int x1, int y1, int x2, int y2);
    bool IsRaster() const;
    void StrokeLines();
    void TextAt(int x, int y, const std::string& text);

    TExtStringGrid& FGrid;
    TExtStringGrid::TPrintLayout& FL;
    std::vector<rtl::TRect> FLines;  // pending line segments (device) of a vector target
};

}  // namespace grid
