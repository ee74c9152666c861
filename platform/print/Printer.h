// The printer: pages drawn on a canvas and written as a PDF file through cairo.
#pragma once

#include <memory>
#include <string>

#include "platform/rtl/Types.h"

namespace gfx {
class TCanvas;
}

namespace print {

enum TPrintOrientation { poPortrait, poLandscape };

// A printer whose sheets are the pages of one PDF file. The canvas works in printer pixels
// at a fixed resolution (Resolution pixels per inch) over the printable area: the paper less
// its margins, with (0, 0) at the top-left corner of that area. The file is written beside
// its target under a hidden name and renamed over it only when EndDoc completes, so an
// aborted or failed job leaves an earlier file as it was.
class TPrinter {
public:
    static constexpr int Resolution = 300;

    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // The PDF file the next document is written to.
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& v) { FFileName = v; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& v) { FTitle = v; }
    TPrintOrientation Orientation() const { return FOrientation; }
    // Raises EPrinter while a document is open: its sheets keep one size.
    void SetOrientation(TPrintOrientation v);
    // Paper size in 0.1 mm, portrait (A4 by default: 2100 × 2970).
    rtl::TSize PaperSize() const { return FPaper; }
    void SetPaperSize(rtl::TSize v);
    // Margins in 0.1 mm (Left, Top, Right, Bottom); the canvas covers the paper inside them.
    rtl::TRect Margins() const { return FMargins; }
    void SetMargins(const rtl::TRect& v);

    // Printable area in printer pixels, for the current orientation.
    int PageWidth() const;
    int PageHeight() const;
    int PixelsPerInch() const { return Resolution; }

    bool Printing() const { return FJob != nullptr; }
    // Number of the sheet being drawn (from 1), 0 when no document is open.
    int PageNumber() const { return FPageNumber; }

    // Opens the document and its first sheet. Raises EPrinter when already printing or when
    // no file name is set, EInOutError when the file cannot be created.
    void BeginDoc();
    void NewPage();
    // Finishes the file and puts it in place; raises EInOutError naming the file when writing
    // failed (the earlier file then stays).
    void EndDoc();
    // Drops the document: nothing is written.
    void Abort();

    // The canvas of the current sheet; raises EPrinter when no document is open.
    gfx::TCanvas& Canvas();

private:
    rtl::TSize OrientedPaper() const;
    rtl::TRect OrientedMargins() const;

    struct TJob;
    std::string FFileName;
    std::string FTitle;
    TPrintOrientation FOrientation = poPortrait;
    rtl::TSize FPaper{2100, 2970};
    rtl::TRect FMargins{0, 0, 0, 0};
    int FPageNumber = 0;
    std::unique_ptr<TJob> FJob;
};

// The program's printer, made on first use.
TPrinter& Printer();

}  // namespace print
