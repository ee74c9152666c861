// Database import of the grid: the records of a table or a query, field names in the last fixed row.
#include "grid/core/ExtGrid.h"
#include "platform/office/Database.h"

namespace grid {

void TExtStringGrid::LoadFromMDBTable(const std::string& Filename, const std::string& Table)
{
    LoadFromMDBSQL(Filename, "SELECT * FROM " + Table);
}

void TExtStringGrid::LoadFromMDBSQL(const std::string& Filename, const std::string& SQL)
{
    office::TDbConnection connection;
    connection.Open("Driver={Microsoft Access Driver (*.mdb)};DBQ=" + Filename);
    office::TRecordSet records;
    records.Open(SQL, connection);
    BeginUpdate();
    struct TEnd {
        TExtStringGrid& g;
        ~TEnd() { g.EndUpdate(); }
    } end{*this};
    const int fields = records.FieldCount();
    SetColCount(fields + FixedCols());
    if (FixedRows() > 0)
        for (int i = 0; i < fields; ++i) SetCells(FixedCols() + i, FixedRows() - 1, records.FieldName(i));
    if (records.RecordCount() > 0) SetRowCount(FixedRows() + records.RecordCount());
    // The record count is not known ahead: the grid grows by a row whenever the next record
    // would lie past its end.
    int row = FixedRows();
    while (!records.Eof()) {
        if (row >= RowCount()) SetRowCount(row + 1);
        for (int i = 0; i < fields; ++i) {
            std::string value = records.ActualSize(i) > 0 ? records.Value(i) : std::string();
            LoadCell(FixedCols() + i, row, value);
        }
        records.MoveNext();
        ++row;
    }
    records.Close();
    connection.Close();
}

}  // namespace grid
