// Printing a 10,000 × 10 grid to a PDF file, beside cairo and pango drawing the same texts and lines directly.
#include <benchmark/benchmark.h>

#include <cairo-pdf.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "bench/support/FilledGrid.h"
#include "grid/core/GridOptionsRecords.h"
#include "platform/print/Printer.h"

namespace {

constexpr int Rows = 10000;

// The floor: the same cells written by hand on A4 pages at the printer's resolution: for each
// cell its text laid out and shown and its four border lines stroked, 60 rows to a page.
void DrawDirectly(const std::string& file, int rows)
{
    const double scale = 72.0 / 300.0;
    cairo_surface_t* s = cairo_pdf_surface_create(file.c_str(), 2100 * 72.0 / 254, 2970 * 72.0 / 254);
    cairo_t* cr = cairo_create(s);
    cairo_scale(cr, scale, scale);
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string("Liberation Sans");
    pango_font_description_set_absolute_size(font, 41 * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    const int rowHeight = 55, colWidth = 230, perPage = 60;
    cairo_set_line_width(cr, 1);
    for (int r = 0; r < rows; ++r) {
        const int y = 100 + (r % perPage) * rowHeight;
        if (r > 0 && r % perPage == 0) cairo_show_page(cr);
        for (int c = 0; c < benchgrid::Columns; ++c) {
            const int x = 20 + c * colWidth;
            const std::string text = benchgrid::CellText(c, r);
            cairo_move_to(cr, x + 10, y + 5);
            pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
            pango_cairo_show_layout(cr, layout);
            cairo_rectangle(cr, x, y, colWidth, rowHeight);
            cairo_stroke(cr);
        }
    }
    pango_font_description_free(font);
    g_object_unref(layout);
    cairo_destroy(cr);
    cairo_surface_destroy(s);
}

void BM_PrintGridToPdf(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    auto grid = benchgrid::FilledGrid(rows);
    const std::string dir = std::filesystem::temp_directory_path() / "tolvek-bench-print";
    std::filesystem::create_directories(dir);
    print::Printer().SetFileName(dir + "/grid.pdf");
    double gridSeconds = 0, floorSeconds = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        grid->Print();
        const auto t1 = std::chrono::steady_clock::now();
        DrawDirectly(dir + "/direct.pdf", rows);
        const auto t2 = std::chrono::steady_clock::now();
        gridSeconds += std::chrono::duration<double>(t1 - t0).count();
        floorSeconds += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    std::filesystem::remove_all(dir);
    const auto n = static_cast<double>(state.iterations());
    state.counters["pages"] = grid->PrintNrOfPages();
    state.counters["floor_ms"] = floorSeconds / n * 1000.0;
    state.counters["ratio"] = floorSeconds > 0 ? gridSeconds / floorSeconds : 0.0;
    state.counters["goal_ratio"] = 3.0;
}
BENCHMARK(BM_PrintGridToPdf)->Arg(Rows)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
