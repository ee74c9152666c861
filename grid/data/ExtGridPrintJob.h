// The state of one print engine run: target canvas, mode, page geometry and column layout.
#pragma once

#include <memory>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "platform/gfx/Canvas.h"
#include "platform/print/LoMetric.h"

namespace print {
class TPrinter;
}

namespace grid {

// Engine modes: drawing runs lay out and draw, counting runs only lay out.
enum TPrintMode { pmPreviewDraw = 0, pmPrinterDraw = 1, pmCountPrinter = 2, pmCountPreview = 3 };

// One engine run. All positions are 0.1 mm with y upward (the page's top edge at 0);
// Map turns them into the target canvas's pixels.
struct TExtStringGrid::TPrintJob {
    TPrintMode Mode = pmCountPreview;
    gfx::TCanvas* Target = nullptr;       // nullptr in counting runs
    print::TPrinter* Printer = nullptr;   // the printer whose sheets are advanced (printer draw)
    print::TLoMetricMapping Map;
    bool SelectedOnly = false;
    int NrOfPages = -1;
    rtl::TRect Area{0, 0, 0, 0};          // the cell rectangle printed
    int PageFrom = 1, PageTo = 1;         // the pages drawn
    bool Drawing() const { return Mode == pmPreviewDraw || Mode == pmPrinterDraw; }
};

// Column layout and working values of the run, kept while its rows are printed.
struct TExtStringGrid::TPrintLayout {
    TPrintJob* Job = nullptr;
    // Text is measured at the printer's resolution whatever the target, so that a preview lays
    // its pages out exactly as the printed job does.
    std::unique_ptr<gfx::TCanvas> Measure;
    print::TLoMetricMapping MeasureMap{300, 300};
    std::vector<int> MaxWidths;             // printed width of each column, spacing excluded
    std::vector<int> Indents;               // left edge of each column on the page
    std::vector<int> RowHeights;            // row-height cache of the run (-1: not measured)
    int W = 0, H = 0;                       // page width, page height (negative)
    int Sp = 0;                             // column spacing
    double F = 1.0;                         // fit factor
    int G = 0;                              // an eighth of the screen text height
    int HH = 0, HF = 0;                     // header and footer text heights
    int HS = 0, FS = 0;                     // header and footer sizes
    int R = 0, V = 0;                       // header and footer blocks
    int M = 0;                              // horizontal text margin in a cell
    int T = 0;                              // height of a mini-HTML title, 0 without one
    int Band = 0;                           // band number, from 1
    int PageInBand = 0;                     // page within the band, from 1
    bool ManyBands = false;                 // the columns did not all fit one band
    int FirstCol = 0, LastCol = 0;          // the band's columns
    bool RepeatCols = false;                // the fixed columns are printed in front of the band
    bool TextsFit = false;                  // every column is as wide as its widest text
};

}  // namespace grid
