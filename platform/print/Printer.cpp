// The printer: pages drawn on a canvas and written as a PDF file through cairo.
#include "platform/print/Printer.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <cerrno>
#include <utility>

#include "platform/gfx/Canvas.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SafeFile.h"

namespace print {

namespace {

constexpr double PointsPerTenthMm = 72.0 / 254.0;

int TenthMmToPixels(int v) { return static_cast<int>(static_cast<long long>(v) * TPrinter::Resolution / 254); }

}  // namespace

// One open document: the safe writer receiving the PDF bytes, the surface and its canvas.
struct TPrinter::TJob {
    rtl::TSafeFileWriter Writer;
    cairo_surface_t* Surface = nullptr;
    std::unique_ptr<gfx::TCanvas> Canvas;
    std::string WriteError;  // the first failure of the byte stream, raised at EndDoc

    ~TJob()
    {
        Canvas.reset();
        if (Surface) cairo_surface_destroy(Surface);
    }

    static cairo_status_t WriteBytes(void* closure, const unsigned char* data, unsigned int length)
    {
        auto* job = static_cast<TJob*>(closure);
        if (!job->WriteError.empty()) return CAIRO_STATUS_WRITE_ERROR;
        try {
            job->Writer.Write(data, length);
        } catch (const rtl::Exception& e) {
            job->WriteError = e.Message();
            return CAIRO_STATUS_WRITE_ERROR;
        }
        return CAIRO_STATUS_SUCCESS;
    }
};

TPrinter::TPrinter() = default;
TPrinter::~TPrinter() { Abort(); }

void TPrinter::SetOrientation(TPrintOrientation v)
{
    if (Printing() && v != FOrientation) throw rtl::EPrinter("Cannot change the orientation while printing");
    FOrientation = v;
}

void TPrinter::SetPaperSize(rtl::TSize v)
{
    if (v.cx <= 0 || v.cy <= 0) throw rtl::EPrinter("Invalid paper size");
    if (Printing()) throw rtl::EPrinter("Cannot change the paper size while printing");
    FPaper = v;
}

void TPrinter::SetMargins(const rtl::TRect& v)
{
    if (Printing()) throw rtl::EPrinter("Cannot change the margins while printing");
    FMargins = v;
}

rtl::TSize TPrinter::OrientedPaper() const
{
    return FOrientation == poPortrait ? FPaper : rtl::TSize{FPaper.cy, FPaper.cx};
}

rtl::TRect TPrinter::OrientedMargins() const
{
    // Turning the sheet a quarter to the left: the old top margin becomes the left one.
    if (FOrientation == poPortrait) return FMargins;
    return {FMargins.Top, FMargins.Right, FMargins.Bottom, FMargins.Left};
}

int TPrinter::PageWidth() const
{
    const rtl::TRect m = OrientedMargins();
    return TenthMmToPixels(OrientedPaper().cx - m.Left - m.Right);
}

int TPrinter::PageHeight() const
{
    const rtl::TRect m = OrientedMargins();
    return TenthMmToPixels(OrientedPaper().cy - m.Top - m.Bottom);
}

void TPrinter::BeginDoc()
{
    if (Printing()) throw rtl::EPrinter("Printing in progress");
    if (FFileName.empty()) throw rtl::EPrinter("No printer file name set");
    auto job = std::make_unique<TJob>();
    job->Writer.Open(FFileName);
    const rtl::TSize paper = OrientedPaper();
    job->Surface = cairo_pdf_surface_create_for_stream(&TJob::WriteBytes, job.get(), paper.cx * PointsPerTenthMm,
                                                       paper.cy * PointsPerTenthMm);
    if (!FTitle.empty()) cairo_pdf_surface_set_metadata(job->Surface, CAIRO_PDF_METADATA_TITLE, FTitle.c_str());
    // Canvas units are printer pixels: the device scale turns them into PDF points.
    const double scale = 72.0 / Resolution;
    cairo_surface_set_device_scale(job->Surface, scale, scale);
    const rtl::TRect m = OrientedMargins();
    cairo_surface_set_device_offset(job->Surface, m.Left * PointsPerTenthMm, m.Top * PointsPerTenthMm);
    job->Canvas = std::make_unique<gfx::TCanvas>(job->Surface, PageWidth(), PageHeight());
    FJob = std::move(job);
    FPageNumber = 1;
}

void TPrinter::NewPage()
{
    if (!Printing()) throw rtl::EPrinter("Printer is not currently printing");
    cairo_show_page(FJob->Canvas->Handle());
    ++FPageNumber;
}

void TPrinter::EndDoc()
{
    if (!Printing()) throw rtl::EPrinter("Printer is not currently printing");
    std::unique_ptr<TJob> job = std::move(FJob);
    FPageNumber = 0;
    job->Canvas.reset();
    cairo_surface_finish(job->Surface);
    const cairo_status_t status = cairo_surface_status(job->Surface);
    if (!job->WriteError.empty()) {
        job->Writer.Discard();
        throw rtl::EInOutError(job->WriteError, EIO);
    }
    if (status != CAIRO_STATUS_SUCCESS) {
        job->Writer.Discard();
        throw rtl::EInOutError("Cannot write " + FFileName + ": " + cairo_status_to_string(status), EIO);
    }
    job->Writer.Commit();
}

void TPrinter::Abort()
{
    if (!Printing()) return;
    std::unique_ptr<TJob> job = std::move(FJob);
    FPageNumber = 0;
    job->WriteError = "aborted";  // the surface's last flush writes nothing
    job->Writer.Discard();
}

gfx::TCanvas& TPrinter::Canvas()
{
    if (!Printing()) throw rtl::EPrinter("Printer is not currently printing");
    return *FJob->Canvas;
}

TPrinter& Printer()
{
    static TPrinter printer;
    return printer;
}

}  // namespace print
