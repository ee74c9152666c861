// Benchmark grids: a string grid of ten columns filled with integers, decimals and words in turn.
#pragma once

#include <memory>
#include <string>

#include "grid/core/ExtGrid.h"

namespace benchgrid {

constexpr int Columns = 10;

inline std::string CellText(int col, int row)
{
    switch (col % 3) {
    case 0: return std::to_string(row);
    case 1: return std::to_string(row % 977) + "." + std::to_string(col);
    default: return "word" + std::to_string((row * 7 + col) % 1000);
    }
}

inline std::unique_ptr<grid::TExtStringGrid> FilledGrid(int rows)
{
    auto g = std::make_unique<grid::TExtStringGrid>(nullptr);
    g->SetColCount(Columns);
    g->SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < Columns; ++c) g->SetGridCell(c, r, CellText(c, r));
    return g;
}

}  // namespace benchgrid
