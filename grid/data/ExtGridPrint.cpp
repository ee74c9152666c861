// Print jobs, print preview and drawing the print layout on any canvas.
#include <climits>
#include <cmath>

#include "grid/core/GridOptionsRecords.h"
#include "grid/data/ExtGridPrintJob.h"
#include "platform/print/Printer.h"

namespace grid {

namespace {

rtl::TRect WholeGrid(const TExtStringGrid& g) { return {0, 0, g.ColCount() - 1, g.RowCount() - 1}; }

}  // namespace

int TExtStringGrid::MapFontHeight(int pointsize) const
{
    return -static_cast<int>(pointsize * 254.0 / 72.0 * FFontscalefactor);
}

int TExtStringGrid::MapFontSize(int Height) const { return static_cast<int>(Height * 72.0 / 254.0); }

void TExtStringGrid::Print() { RunPrintJob(WholeGrid(*this), false); }
void TExtStringGrid::PrintRect(const rtl::TRect& Gridrect) { RunPrintJob(Gridrect, false); }
void TExtStringGrid::PrintSelection() { RunPrintJob(Selection(), false); }
void TExtStringGrid::PrintSelectedRows() { RunPrintJob(WholeGrid(*this), true); }
void TExtStringGrid::PrintSelectedCols() { RunPrintJob(WholeGrid(*this), true); }

void TExtStringGrid::RunPrintJob(const rtl::TRect& Area, bool SelectedOnly)
{
    print::TPrinter& printer = print::Printer();
    ExportNotification(esExportStart, -1);
    FPrintRect = Area;
    if (!printer.Printing() && !PrintSettings().UseDefaultOrientation())
        printer.SetOrientation(PrintSettings().Orientation() == poLandscape ? print::poLandscape : print::poPortrait);
    const double perPixel = 254.0 / printer.PixelsPerInch();
    FPrevRect = {0, 0, static_cast<int>(std::nearbyint(perPixel * printer.PageWidth())),
                 static_cast<int>(std::nearbyint(perPixel * printer.PageHeight()))};
    printer.SetTitle(PrintSettings().JobName());

    FUseCacheRowHeights = false;
    int pages = INT_MAX;
    if (!FFastPrint) {
        TPrintJob count;
        count.Mode = pmCountPrinter;
        count.Map = print::TLoMetricMapping(printer.PixelsPerInch(), printer.PixelsPerInch());
        count.SelectedOnly = SelectedOnly;
        pages = PrintEngine(count);
        FUseCacheRowHeights = true;
    }
    FPrintPageFrom = 1;
    FPrintPageTo = FPrintPageNum = pages;
    if (OnPrintStart) OnPrintStart(this, pages, FPrintPageFrom, FPrintPageTo);
    // An empty or inverted range cancels the job: no document is opened.
    if (FPrintPageFrom == 0 || FPrintPageTo == 0 || FPrintPageTo < FPrintPageFrom) return;

    const bool began = !printer.Printing();
    if (began) printer.BeginDoc();
    FPrintPageNum = FPrintPageTo;
    TPrintJob draw;
    draw.Mode = pmPrinterDraw;
    draw.Target = &printer.Canvas();
    draw.Printer = &printer;
    draw.Map = print::TLoMetricMapping(printer.PixelsPerInch(), printer.PixelsPerInch());
    draw.SelectedOnly = SelectedOnly;
    draw.NrOfPages = pages;
    try {
        PrintEngine(draw);
    } catch (...) {
        if (began) printer.Abort();
        throw;
    }
    if (began) printer.EndDoc();
    ExportNotification(esExportDone, -1);
}

void TExtStringGrid::PrintPreview(gfx::TCanvas& Canvas, const rtl::TRect& Displayrect)
{
    RunPrintPreview(Canvas, Displayrect, WholeGrid(*this), false);
}

void TExtStringGrid::PrintPreviewRect(gfx::TCanvas& Canvas, const rtl::TRect& Displayrect, const rtl::TRect& Gridrect)
{
    RunPrintPreview(Canvas, Displayrect, Gridrect, false);
}

void TExtStringGrid::PrintPreviewSelection(gfx::TCanvas& Canvas, const rtl::TRect& Displayrect)
{
    RunPrintPreview(Canvas, Displayrect, Selection(), false);
}

void TExtStringGrid::PrintPreviewSelectedRows(gfx::TCanvas& Canvas, const rtl::TRect& Displayrect)
{
    RunPrintPreview(Canvas, Displayrect, WholeGrid(*this), true);
}

void TExtStringGrid::PrintPreviewSelectedCols(gfx::TCanvas& Canvas, const rtl::TRect& Displayrect)
{
    RunPrintPreview(Canvas, Displayrect, WholeGrid(*this), true);
}

void TExtStringGrid::RunPrintPreview(gfx::TCanvas& Canvas, const rtl::TRect& Displayrect, const rtl::TRect& Area,
                                     bool SelectedOnly)
{
    ExportNotification(esExportStart, -1);
    FPrintRect = Area;
    const print::TLoMetricMapping map(gfx::ScreenPixelsPerInch, gfx::ScreenPixelsPerInch, Displayrect.TopLeft());
    try {
        FPrevRect = {0, 0, map.WidthToLogical(Displayrect.Width()), map.HeightToLogical(Displayrect.Height())};
        FUseCacheRowHeights = false;
        int pages = 1;
        if (!FFastPrint) {
            TPrintJob count;
            count.Mode = pmCountPreview;
            count.Map = map;
            count.SelectedOnly = SelectedOnly;
            const int from = FPrintPageFrom, to = FPrintPageTo;
            FPrintPageFrom = 1;
            FPrintPageTo = INT_MAX;
            pages = PrintEngine(count);
            FPrintPageFrom = from;
            FPrintPageTo = to;
            FPrintPageNum = pages;
            FUseCacheRowHeights = true;
        }
        FIsPrintPreview = true;
        int from = 1, to = pages;
        if (OnPrintStart) OnPrintStart(this, pages, from, to);
        if (from > 0 && to > 0 && to >= from) {
            TPrintJob draw;
            draw.Mode = pmPreviewDraw;
            draw.Target = &Canvas;
            draw.Map = map;
            draw.SelectedOnly = SelectedOnly;
            draw.NrOfPages = pages;
            const int saved = Canvas.SaveState();
            Canvas.IntersectClipRect(Displayrect);
            try {
                PrintEngine(draw);
            } catch (...) {
                Canvas.RestoreState(saved);
                throw;
            }
            Canvas.RestoreState(saved);
        }
    } catch (...) {
        ExportNotification(esExportDone, -1);
        FIsPrintPreview = false;
        throw;
    }
    ExportNotification(esExportDone, -1);
    FIsPrintPreview = false;
}

void TExtStringGrid::PrintDraw(gfx::TCanvas& Canvas, const rtl::TRect& DrawRect)
{
    PrintDrawRect(Canvas, DrawRect, WholeGrid(*this));
}

void TExtStringGrid::PrintDrawRect(gfx::TCanvas& Canvas, const rtl::TRect& DrawRect, const rtl::TRect& Gridrect)
{
    FPrintRect = Gridrect;
    const print::TLoMetricMapping map(gfx::ScreenPixelsPerInch, gfx::ScreenPixelsPerInch, DrawRect.TopLeft());
    FPrevRect = {0, 0, map.WidthToLogical(DrawRect.Width()), map.HeightToLogical(DrawRect.Height())};
    FPrintPageFrom = FPrintPageTo = FPrintPageNum = 1;
    FUseCacheRowHeights = false;
    TPrintJob draw;
    draw.Mode = pmPrinterDraw;
    draw.Target = &Canvas;
    draw.Map = map;
    draw.NrOfPages = 1;
    const int saved = Canvas.SaveState();
    Canvas.IntersectClipRect(DrawRect);
    try {
        PrintEngine(draw);
    } catch (...) {
        Canvas.RestoreState(saved);
        throw;
    }
    Canvas.RestoreState(saved);
}

}  // namespace grid
