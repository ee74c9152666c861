// The grid tools that keep id tables: "MAKE THE GRID", "?MISSING", "FIX MISSING DATA", "FIX DATA", 10 km subcell lists.
#include "app/SoilGrid100m.h"

#include <optional>

#include "app/IdTable.h"
#include "app/Unit2.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/TextFile.h"
#include "platform/rtl/Utf8.h"

namespace app {

namespace {

constexpr long long TenthOfIds = 1100000;

// Progress of the tools that walk their table in descending id order: k starts
// at 10; when an id falls below k x 1,100,000 the status shows 100 - 10k "%".
class TDescendingTenths {
public:
    explicit TDescendingTenths(const TToolStatus& status) : FStatus(status) {}
    void Row(long long id)
    {
        if (id >= FK * TenthOfIds) return;
        ReportStatus(FStatus, std::to_string(100 - 10 * FK) + "%");
        --FK;
    }

private:
    const TToolStatus& FStatus;
    long long FK = 10;
};

// The name in `Edit2` is joined to a folder; a name with a folder separator,
// a drive or ".." would reach files outside "DATA\" and "DATA2\".
void CheckDataTableName(const std::string& name)
{
    const bool plainName = !name.empty() && name != "." && name != ".." &&
                           name.find_first_of("\\/:") == std::string::npos;
    if (!plainName) {
        throw rtl::Exception("The data table name \"" + name +
                             "\" (Edit2) must be a file name in the DATA folder, without folders or drive");
    }
}

// Writes `header` and every filled entry of `table`, ascending, through `entryText`.
template <typename EntryText>
void WriteIdTable(const std::string& fileName, const std::string& header, const TIdTable& table,
                  const EntryText& entryText)
{
    rtl::TTextFile output(fileName);
    output.Rewrite();
    output.WriteLn(header);
    table.ForEachFilled([&](int, std::string_view text) {
        if (const auto line = entryText(text)) output.WriteLn(*line);
    });
    output.Close();
}

const auto WholeEntry = [](std::string_view text) { return std::optional<std::string_view>(text); };

// Phase 1 of "FIX MISSING DATA" and "FIX DATA": the entry of each id of
// "DATA\T" is the id, ";" and the value (column 5) as `valueText` makes it.
template <typename ValueText>
void ReadDataTable(const TSoilGridOptions& options, TIdTable& table, const TToolStatus& status,
                   const ValueText& valueText)
{
    TBatchTable data(options.File("DATA\\" + options.DataTable));
    data.Open();
    data.ReadHeader();
    TDescendingTenths progress(status);
    TFieldViews fields;
    std::string entry;
    data.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        const int id = ReadStrictInt(fields[2], place, 1, DataIdTableSize, "100 m id");
        entry.assign(fields[2]);
        entry += ';';
        entry += valueText(fields[5]);
        table.Set(id, entry);
        progress.Row(id);
    });
    data.Close();
    ReportStatus(status, "PHASE 1 FINISHED");
}

void WriteFixedTable(const TSoilGridOptions& options, const TIdTable& table)
{
    WriteIdTable(options.File(options.DataName() + ".csv"), "ID100m;" + options.DataName(), table, WholeEntry);
}

int BorderColumnOf(const TSoilGridOptions& options)
{
    int column = 0;
    if (!rtl::TryStrToInt(options.BorderColumn, column) || column < 1 || column > TFieldViews::MaxFields) {
        throw rtl::EConvertError("'" + options.BorderColumn +
                                 "' is not a valid column number (Edit3, the border-area value column)");
    }
    return column;
}

}  // namespace

std::string TSoilGridOptions::DataName() const
{
    return DataTable.size() > 4 ? DataTable.substr(0, DataTable.size() - 4) : std::string();
}

void TAscendingTenths::Row(long long id)
{
    if (id <= FK * TenthOfIds) return;
    ReportStatus(FStatus, std::to_string(FK * 10) + "%");
    ++FK;
}

void MakeTheGrid(const TSoilGridOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    TBatchTable locations(options.File(IdLocationsName));
    locations.Open();
    TIdTable grid(GridIdTableSize);
    TAscendingTenths progress(status, 1);
    TFieldViews fields;
    locations.ReadHeader();
    locations.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        const int id = ReadStrictInt(fields[1], place, 1, GridIdTableSize, "100 m id");
        grid.Set(id, fields[1]);
        progress.Row(id);
    });
    locations.Close();
    WriteIdTable(options.File(TheGridName), "ID100m", grid, WholeEntry);
    ReportStatus(status, "COMPLETE");
}

void ListMissingIds(const TSoilGridOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    CheckDataTableName(options.DataTable);
    TBatchTable grid(options.File(TheGridName));
    grid.Open();
    TBatchTable data(options.File("DATA2\\" + options.DataTable));
    data.Open();
    TIdTable ids(DataIdTableSize);
    grid.ReadHeader();
    grid.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        ids.Set(ReadStrictInt(line, place, 1, DataIdTableSize, "100 m id"), "*" + line);
    });
    TFieldViews fields;
    data.ReadHeader();
    data.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        ids.Set(ReadStrictInt(fields[2], place, 1, DataIdTableSize, "100 m id"), fields[2]);
    });
    grid.Close();
    data.Close();
    WriteIdTable(options.File("MISSING_" + options.DataName() + ".csv"), "ID100m", ids,
                 [](std::string_view text) -> std::optional<std::string> {
                     if (text.empty() || text[0] != '*') return std::nullopt;
                     return rtl::Utf8Copy(text, 2, 10);
                 });
    ReportStatus(status, "COMPLETE");
}

void FixMissingData(const TSoilGridOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    CheckDataTableName(options.DataTable);
    const int column = BorderColumnOf(options);
    TBatchTable border(options.File(BorderAreaTableName));
    border.Open();
    TIdTable values(DataIdTableSize);
    ReadDataTable(options, values, status,
                  [](std::string_view value) { return FixedText(ParseDecimal(value), 4, 2); });
    TFieldViews fields;
    std::string entry;
    border.ReadHeader();
    border.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        const int id = ReadStrictInt(fields[2], place, 1, DataIdTableSize, "100 m id");
        entry.assign(fields[2]);
        entry += ';';
        entry += FixedText(ParseDecimal(fields[column]), 4, 2);
        values.Set(id, entry);
    });
    border.Close();
    WriteFixedTable(options, values);
    ReportStatus(status, "COMPLETE");
}

void FixData(const TSoilGridOptions& options, const TToolStatus& status)
{
    ReportStatus(status, "PROCESSING...");
    CheckDataTableName(options.DataTable);
    TIdTable values(DataIdTableSize);
    ReadDataTable(options, values, status, [](std::string_view value) { return std::string(value); });
    WriteFixedTable(options, values);
    ReportStatus(status, "COMPLETE");
}

void ListSubcellsOf10kmCells(const TSoilGridOptions& options, const TToolStatus& status)
{
    static constexpr int SlotLength = 10;
    ReportStatus(status, "PROCESSING...");
    TBatchTable grid(options.File(SoilGrid100mName));
    grid.Open();
    // Per cell its filled slots, each followed by ";", as they will be written,
    // and their count: the rows' texts and no more.
    struct TCellSlots {
        std::string Joined;
        int Count = 0;
    };
    std::vector<TCellSlots> cells(Max10kmCell + 1);
    TFieldViews fields;
    grid.ReadHeader();
    grid.ForEachDataLine([&](const std::string& line, const TTablePlace& place) {
        fields.Split(line);
        const int cell = ReadStrictInt(fields[3], place, 1, Max10kmCell, "10 km cell");
        TCellSlots& slots = cells[static_cast<std::size_t>(cell)];
        if (slots.Count == MaxRowsPer10kmCell) {
            throw rtl::Exception("10 km cell " + std::to_string(cell) + " holds more than " +
                                 std::to_string(MaxRowsPer10kmCell) + " grid rows (" + place.Describe() +
                                 ", 100 m id " + std::string(fields[1]) + ")");
        }
        slots.Joined += rtl::Utf8Copy(fields[1], 1, SlotLength);
        slots.Joined += ';';
        ++slots.Count;
    });
    grid.Close();

    rtl::TTextFile output(options.File(SubcellIdsName));
    output.Rewrite();
    output.WriteLn("100m GRID IDs in 10km GRID CELLs");
    std::string line;
    for (int cell = 1; cell <= Max10kmCell; ++cell) {
        output.WriteLn(std::to_string(cell));
        const TCellSlots& slots = cells[static_cast<std::size_t>(cell)];
        line.assign(slots.Joined);
        line.append(static_cast<std::size_t>(MaxRowsPer10kmCell - slots.Count), ';');
        output.WriteLn(line);
    }
    output.Close();
    ReportStatus(status, "COMPLETE");
}

}  // namespace app
