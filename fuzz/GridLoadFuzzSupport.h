// Shared set-up of the grid load fuzz targets: a headless application, a filled grid, a scratch file and the all-or-nothing check.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <sstream>
#include <string>

#include "grid/core/BaseGrid.h"
#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"

namespace gridfuzz {

// The application every grid needs, made once for the process.
inline void EnsureApplication()
{
    static std::unique_ptr<ui::TApplication> app = [] {
        auto a = std::make_unique<ui::TApplication>();
        a->SetBackend(std::make_unique<ui::THeadlessBackend>());
        return a;
    }();
}

// A small grid with texts, a merged block and a coloured cell: what a failed load must keep.
inline std::unique_ptr<grid::TExtStringGrid> FilledGrid()
{
    EnsureApplication();
    auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
    g->SetColCount(5);
    g->SetRowCount(5);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) g->SetCells(c, r, std::to_string(c * 10 + r));
    g->MergeCells(2, 2, 2, 2);
    g->GetCellProperties(1, 3)->SetBrushColor(0x00FF00);
    return g;
}

// Counts, sizes and every cell with its property object, up to the grid's extent.
inline std::string Snapshot(grid::TExtStringGrid& g)
{
    std::ostringstream out;
    out << g.ColCount() << "x" << g.RowCount() << " " << g.TotalColCount() << " " << g.MergeCount() << "\n";
    for (int c = 0; c < g.ColCount(); ++c) out << g.ColWidths(c) << ",";
    for (int r = 0; r < g.RowCount(); ++r) out << g.RowHeights(r) << ",";
    for (int r = 0; r < g.RowCount() + 1; ++r)
        for (int c = 0; c < g.TotalColCount() + 1; ++c) {
            out << "[" << g.GetGridCell(c, r);
            if (const grid::TCellProperties* p = g.GetCellPropsDirect(c, r))
                out << "|" << p->CellObject() << "," << p->CellSpanX() << "," << p->CellSpanY() << "," << p->BrushColor();
            out << "]";
        }
    return out.str();
}

// Runs a load that may fail: a failure must leave the grid exactly as it was, and a
// success must not hand out an object read from the input.
template <class TLoad>
void LoadAllOrNothing(grid::TExtStringGrid& g, TLoad&& Load)
{
    const std::string before = Snapshot(g);
    try {
        Load();
    } catch (const std::exception& e) {
        if (Snapshot(g) != before) {
            std::fprintf(stderr, "a failed load changed the grid: %s\n", e.what());
            std::abort();
        }
    }
}

// A scratch file of this process holding the input bytes; its name.
inline std::string ScratchFile(const std::uint8_t* data, std::size_t size, const char* extension)
{
    const std::string name = "/tmp/tolvek-fuzz-" + std::to_string(getpid()) + extension;
    if (std::FILE* f = std::fopen(name.c_str(), "wb")) {
        if (size > 0) std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return name;
}

}  // namespace gridfuzz
