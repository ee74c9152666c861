// The eight management tables of the storyline page: their columns, and how their cells map to event slots.
#pragma once

#include "app/StorylineModel.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// One column of a management table: column c is field c of the event record.
struct TEventTableColumn {
    const char* Header;   // header cell text ("DATE")
    const char* Meaning;  // header comment ("Date of Planting (yyyy-mm-dd)")
    int Width;            // pixels
};

// One management table: one row per event slot below the header row.
struct TEventTable {
    TEventKind Kind;
    const char* GridName;  // "plantingTB"
    const char* Title;     // title bar text (" Planting")
    int ColCount;          // fields of the event record
    int SlotCount;         // event rows 1..SlotCount
    std::array<TEventTableColumn, MaxEventFields> Columns;  // [0..ColCount-1]

    int RowCount() const { return SlotCount + 1; }  // with the header row
};

// The table of a kind; the eight in AllEventKinds order.
const TEventTable& EventTable(TEventKind kind);

// --- Edit rule ---------------------------------------------------------------

// Stores the text of an edited cell (column 0-based, row 1-based) as that
// field of that slot of the current period's record of the kind. Nothing is
// stored without a storyline or for a cell outside the event rows and columns
// (false).
bool StoreTableEdit(TStorylineEditor& editor, TEventKind kind, int col, int row, std::string_view text);

// --- Empty and fill rules ------------------------------------------------------

// One cell text for the grid's cell accessor.
struct TTableCellText {
    int Col;
    int Row;
    std::string Text;
};

// Every event cell of the table (rows 1..SlotCount, all columns) with an empty
// text: the table empty rule. The header row is not included.
std::vector<TTableCellText> EmptyTableCells(TEventKind kind);

// Every event cell of the table with the text of its field of the current
// period: the table fill rule (the empty rule included, since every event cell
// is set). Without a storyline every text is empty.
std::vector<TTableCellText> PeriodTableCells(const TStorylineEditor& editor, TEventKind kind);

// --- Reading a table -----------------------------------------------------------

// The texts of a table's event rows: Rows[r - 1][c] is cell (c, r).
struct TEventTableTexts {
    std::vector<std::vector<std::string>> Rows;
};

// Reads every event cell of a kind's table through `cell` (column, row).
TEventTableTexts ReadEventTable(TEventKind kind, const std::function<std::string(int col, int row)>& cell);

}  // namespace app
