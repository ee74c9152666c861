// Books of the string grid's hidden columns: their real indexes and their widths.
#pragma once

#include <vector>

namespace grid {

// A hidden column's cells are stored beyond ColCount: the k-th hidden column in ascending
// real order sits at storage position ColCount + k. Shown columns keep their real order
// below ColCount.
struct TExtGridHiddenColumns {
    std::vector<int> Real;    // real indexes of the hidden columns, ascending
    std::vector<int> Widths;  // width of each hidden column when it was hidden
    // FVisibleCol / FAllColWidths: visibility and width per real column.
    std::vector<bool> VisibleCol;
    std::vector<int> AllColWidths;
};

}  // namespace grid
