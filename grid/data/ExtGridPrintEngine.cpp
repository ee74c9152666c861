// The print engine: column widths, fit to page, bands, page breaks, repeated fixed cells, header and footer.
#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsRecords.h"
#include "grid/data/ExtGridPrintCells.h"
#include "grid/data/ExtGridPrintJob.h"
#include "platform/gfx/Canvas.h"
#include "platform/print/Printer.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/StringList.h"

namespace grid {

namespace {

bool IsTop(TPrintPosition p) { return p == ppTopLeft || p == ppTopRight || p == ppTopCenter; }
bool IsBottom(TPrintPosition p) { return p == ppBottomLeft || p == ppBottomRight || p == ppBottomCenter; }

// A 1 × 1 canvas whose text metrics stand for a target of that resolution.
std::unique_ptr<gfx::TCanvas> MakeMeasureCanvas()
{
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    auto canvas = std::make_unique<gfx::TCanvas>(s);
    cairo_surface_destroy(s);
    return canvas;
}

}  // namespace

int TExtStringGrid::PrintEngine(TPrintJob& Job)
{
    TPrintSettings& ps = PrintSettings();
    TPrintLayout L;
    L.Job = &Job;
    L.Measure = MakeMeasureCanvas();
    TPrintCells cells(*this, L);
    FFontscalefactor = 1.0;
    const int total = TotalColCount();
    L.MaxWidths.assign(total + 1, 0);
    L.Indents.assign(total + 1, 0);
    L.RowHeights.assign(RowCount(), -1);
    if (FUseCacheRowHeights && FCacheRowHeights) {
        for (int r = 0; r < RowCount() && r < FCacheRowHeights->Count(); ++r) L.RowHeights[r] = FCacheRowHeights->Items(r);
    }

    // Set-up: text heights, page size, spacing.
    L.HH = cells.FontTextHeight(*ps.HeaderFont(), MapFontHeight(ps.HeaderFont()->Size()));
    L.HF = cells.FontTextHeight(*ps.FooterFont(), MapFontHeight(ps.FooterFont()->Size()));
    L.G = cells.ScreenTextHeight() / 8;
    L.M = cells.FontTextWidth(*ps.Font(), MapFontHeight(ps.Font()->Size()), "g") / 2;
    L.W = FPrevRect.Right - FPrevRect.Left;
    L.H = -(FPrevRect.Bottom - FPrevRect.Top);
    FPrintPageRect = {0, 0, L.W, L.H};
    L.Sp = ps.UseFixedWidth() ? 0 : ps.ColumnSpacing() + 20;

    Job.Area = FPrintRect;
    Job.PageFrom = FPrintPageFrom;
    Job.PageTo = FPrintPageTo;
    const rtl::TRect area = FPrintRect;
    auto colPrinted = [&](int c) { return cells.ColPrinted(c); };
    auto rowPrinted = [&](int r) { return cells.RowPrinted(r); };

    // Column widths.
    const double s = 254.0 / 96.0;
    for (int c = area.Left; c <= area.Right; ++c) {
        if (!colPrinted(c)) continue;
        if (ps.NoAutoSize()) {
            L.MaxWidths[c] = static_cast<int>(std::lround((ColWidths(c) + 4) * s));
            continue;
        }
        int widest = 0;
        auto measure = [&](int r) {
            if (!rowPrinted(r) || CellSpan(c, r).X > 0) return;
            widest = std::max(widest, ps.UseFixedWidth() ? ps.FixedWidth() : cells.CellPrintSize(c, r).X);
        };
        if (ps.RepeatFixedRows())
            for (int r = 0; r < FixedRows() && r < area.Top; ++r) measure(r);
        for (int r = area.Top; r <= area.Bottom; ++r) measure(r);
        L.MaxWidths[c] = widest;
    }
    auto tableWidth = [&](bool printedOnly) {
        int t = 0;
        for (int c = area.Left; c <= area.Right; ++c)
            if (!printedOnly || colPrinted(c)) t += L.MaxWidths[c] + L.Sp;
        return t;
    };
    int T = tableWidth(true);

    // Fit to page.
    if (ps.FitToPage() != fpNever) {
        const int P = (area.Right - area.Left + 1) * L.Sp;
        double f = T != P ? static_cast<double>(L.W - ps.RightSize() - ps.LeftSize() - P) / (T - P) : 1.0;
        if (ps.FitToPage() == fpShrink && f > 1) f = 1;
        if (ps.FitToPage() == fpGrow && f < 1) f = 1;
        if (ps.FitToPage() == fpCustom && f != 1) {
            bool allow = true;
            if (OnFitToPage) OnFitToPage(this, f, allow);
            if (!allow) f = 1;
        }
        if (f != 1) {
            for (int c = area.Left; c <= area.Right; ++c) L.MaxWidths[c] = static_cast<int>(L.MaxWidths[c] * f);
            L.HH = static_cast<int>(std::nearbyint(L.HH * f));
        }
        L.F = f;
    }
    L.TextsFit = !ps.NoAutoSize() && !ps.UseFixedWidth() && L.F >= 1.0 && !OnPrintSetColumnWidth;
    // Rows are measured and printed with the fonts scaled by the fit factor.
    FFontscalefactor = ps.NoAutoSizeRow() ? 1.0 : L.F;
    for (int c = area.Left; c <= area.Right; ++c)
        if (OnPrintSetColumnWidth) OnPrintSetColumnWidth(this, c, L.MaxWidths[c]);
    T = tableWidth(true);

    // Header and footer blocks.
    L.HS = ps.ScaleHeader() ? static_cast<int>(std::nearbyint(ps.HeaderSize() * L.F)) : ps.HeaderSize();
    L.FS = ps.ScaleFooter() ? static_cast<int>(std::nearbyint(ps.FooterSize() * L.F)) : ps.FooterSize();
    L.T = ps.Title() != ppNone ? cells.HtmlTitleHeight() : 0;
    const int titleLines = ps.TitleText().empty() && L.T == 0 ? ps.TitleLines()->Count() : 1;
    auto anyAt = [&](bool top) {
        auto at = top ? IsTop : IsBottom;
        return at(ps.Time()) || at(ps.Date()) || at(ps.PageNr()) || at(ps.Title());
    };
    auto blocks = [&] {
        L.R = anyAt(true) ? L.G + L.HH + L.HS : L.HS;
        if (anyAt(true) && IsTop(ps.Title()) && titleLines > 1) L.R += (titleLines - 1) * L.HH;
        // A mini-HTML title is measured: the header block holds it below the header size.
        if (L.T > 0 && IsTop(ps.Title())) L.R = L.G + L.HS + std::max(L.HH, L.T);
        L.V = anyAt(false) ? 2 * L.G + 2 * L.HF + L.FS : L.G + L.HF + L.FS;
        if (anyAt(false) && IsBottom(ps.Title()) && titleLines > 1) L.V += (titleLines - 1) * L.HF;
    };
    blocks();

    const TGridExportState state =
        area.Top > FixedRows() || area.Bottom < RowCount() - FixedFooters() - 1 ? esExportSelRow : esExportNewRow;
    const int titleSpacing = static_cast<int>(std::nearbyint(ps.TitleSpacing() * L.F));
    int j = 0;
    bool cancelled = false;
    int first = area.Left;
    const bool fixedColsRepeatable = ps.RepeatFixedCols() && FixedCols() > 0;

    auto inRange = [&](int page) { return page >= FPrintPageFrom && page <= FPrintPageTo; };
    auto endPage = [&](int y, int pageNr) {
        if (Job.Drawing() && inRange(pageNr)) cells.DrawOuterBorders(y, titleSpacing);
    };
    auto newPage = [&] {
        const int m = j + 2;
        if (!inRange(m)) return;
        if (Job.Mode == pmPrinterDraw && Job.Printer && j + 1 >= FPrintPageFrom) Job.Printer->NewPage();
        if (Job.Drawing() && OnPrintPage) OnPrintPage(this, Job.Target, m, L.W, L.H);
    };

    while (first <= area.Right && !cancelled) {
        ++L.Band;
        L.PageInBand = 1;
        // 1. Repeated fixed columns.
        L.RepeatCols = fixedColsRepeatable && first >= FixedCols();
        int F = 0;
        if (L.RepeatCols)
            for (int c = 0; c < FixedCols(); ++c) F += L.MaxWidths[c] + L.Sp;
        // 2. The band's columns.
        int x = F;
        int K = first;
        int fitted = 0;
        for (int c = first; c <= area.Right; ++c) {
            const int w = colPrinted(c) ? L.MaxWidths[c] + L.Sp : 0;
            if (fitted > 0 && x + w > L.W - ps.RightSize()) break;
            // A first column wider than the page prints alone, clipped to the page.
            x += w;
            K = c;
            if (w > 0) ++fitted;
        }
        if (K < area.Right) L.ManyBands = true;
        FPrintPageWidth = x;
        // 3. Indents.
        const int left = ps.Centered() ? 0 : ps.LeftSize();
        const int shift = ps.Centered() && x < L.W ? (L.W - x) / 2 : 0;
        int edge = left;
        for (int c = first; c <= K; ++c) {
            L.Indents[c] = edge + shift + F;
            if (colPrinted(c)) edge += L.MaxWidths[c] + L.Sp;
        }
        L.Indents[K + 1] = edge + shift + F;
        if (L.RepeatCols) {
            int fe = left;
            for (int c = 0; c < FixedCols(); ++c) {
                L.Indents[c] = fe + shift;
                fe += L.MaxWidths[c] + L.Sp;
            }
        }
        FPrintColStart = L.FirstCol = first;
        FPrintColEnd = L.LastCol = K;
        FPrintColWidths = L.MaxWidths;
        FPrintColOffsets = L.Indents;
        // 4.
        if (Job.Drawing() && inRange(j + 1) && OnPrintPage) OnPrintPage(this, Job.Target, j + 1, L.W, L.H);
        // 5. Rows.
        int n = 0;
        int y = 0;
        int X = area.Top;
        while (X <= area.Bottom) {
            ExportNotification(state, X);
            if (n == 0) {
                y = -L.R;
                if (Job.Drawing() && inRange(j + 1)) cells.DrawHeaderFooter(j + 1);
                y -= titleSpacing;
                if (X > 0 && (j > 0 || area.Top >= FixedRows()) && ps.RepeatFixedRows() && FixedRows() > 0) {
                    for (int fr = 0; fr < FixedRows(); ++fr) y -= cells.PrintRowSegment(y, fr, j + 1);
                    n = 1;
                }
            }
            if (rowPrinted(X)) y -= cells.PrintRowSegment(y, X, j + 1);
            ++X;
            const int nextHeight = X < RowCount() ? cells.RowAdvance(X) : 0;
            ++n;
            bool forceBreak = false;
            if (OnPrintNewPage) OnPrintNewPage(this, X, forceBreak);
            const bool pageEnds = (X <= area.Bottom && y - nextHeight < L.H + L.V) || forceBreak;
            if (Job.Drawing() && (pageEnds || X > area.Bottom)) {
                if (OnPrintPageDone) OnPrintPageDone(this, Job.Target, X, y, j + 1, L.W, L.H);
                bool cancel = false;
                if (OnPrintCancel) OnPrintCancel(this, j + 1, cancel);
                if (cancel) cancelled = true;
            }
            if (pageEnds && X <= area.Bottom) {
                if (cancelled) break;  // the band's own end below closes this page once
                endPage(y, j + 1);
                n = 0;
                newPage();
                ++j;
                ++L.PageInBand;
                blocks();
                if (FastPrint() && j >= FPrintPageFrom + 2) break;
            }
            if (cancelled) break;
        }
        endPage(y, j + 1);
        first = K + 1;
        if (first <= area.Right && !cancelled) newPage();
        ++j;
    }
    if (FCacheRowHeights) {
        FCacheRowHeights->Clear();
        for (int h : L.RowHeights) FCacheRowHeights->Add(h);
    }
    FFontscalefactor = 1.0;
    if (OnPrintDone) OnPrintDone(this);
    return j;
}

}  // namespace grid
